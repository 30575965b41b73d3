#pragma once
// The main window: the plan in its scroll box, the control panel on the
// right, the menus. It shows the state that the core keeps (MainWindow,
// WindowTitle), turns the user's choices into the editing state and repaints
// the plan, which recomputes everything on each full paint. The control
// panel is built from its tables in ControlPanel.cpp; the file commands
// behind the menu items and buttons are in MainMenuCommands.
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <string>

#include "mainwindow/FormKit.h"
#include "platform/qt/InstanceLock.h"
#include "presentation/MainWindowPort.h"

class Canvas;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStatusBar;
class QVBoxLayout;
class TPlanScrollBox;
struct HoverUpdate;

class TQuilmoraForm : public QMainWindow, public MainWindowPort {
  Q_OBJECT

 public:
  // arguments: the program's command line; the first argument after the
  // program names a project file to open at the first paint.
  explicit TQuilmoraForm(const QStringList& arguments = {}, QWidget* parent = nullptr);
  ~TQuilmoraForm() override;

  // True when the user chose not to start a second instance; the window is
  // then not to be shown.
  bool Terminated() const { return terminated_; }

  // MainWindowPort
  void MainWindowStateChanged() override;
  void ShowModeToolDialog() override;

  // Asks for a full paint of the plan (invalidating Sheet).
  void InvalidateSheet() override;
  // Rescales the plan after File > New, File > Open and the start-up load.
  void ApplyZoom();
  // Scrolls the plan so that the middle of the building (the used extent of
  // the whole model) lies in the middle of the view; the middle of the sheet
  // when the model is empty. The sheet follows the grid first.
  void ShowBuilding();
  // After an edit of the grid: the sheet follows the grid, and the view
  // scrolls by the distance every axis moved (metres) so that the drawing
  // stays where it was on the screen.
  void GridChanged(double movedX = 0, double movedY = 0);

  // What File > Open does with the file chosen and the start-up with the file
  // named on the command line: the file read by the reader of its magic, the
  // window titled, the plan rescaled, then SettleOpenedProject. False when
  // the file could not be read at all (reported, nothing changed).
  bool OpenProject(const std::string& path);
  // The steps after a load, and after a cancelled open dialog over the model
  // that stays: the axis-spacing warning armed, the recentring question, the
  // zoom, the variant radio, the deterioration factor, the current state's
  // results when a plan is current, and the building brought into view.
  void SettleOpenedProject();
  // The outline dialog that only OK leaves, then the current state's results
  // again (the outline may have changed them).
  void ConfirmOutlineOfOpenedProject();

  TPlanScrollBox* Gamen = nullptr;
  QStatusBar* StatusBar = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QWidget* Panel1 = nullptr;

  QPushButton* Bhozon = nullptr;
  QPushButton* Buwagaki = nullptr;

  QGroupBox* G3 = nullptr;
  QRadioButton* Rgenkyou = nullptr;
  QRadioButton* Rkaishu1 = nullptr;
  QRadioButton* Rkaishu2 = nullptr;
  QFrame* Panel2 = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* StaticText2 = nullptr;
  QLabel* StaticText3 = nullptr;
  QPushButton* Bgennkyou = nullptr;

  QGroupBox* G4 = nullptr;
  QRadioButton* R1kai = nullptr;
  QRadioButton* R2kai = nullptr;
  QRadioButton* R3kai = nullptr;

  QGroupBox* G5 = nullptr;
  // By EditMode 0..9.
  std::array<QRadioButton*, 10> ModeRadios{};
  QRadioButton* Rtoorishin = nullptr;
  QRadioButton* Rhashira = nullptr;
  QRadioButton* Rkabe = nullptr;
  QRadioButton* Ryaneyuka = nullptr;
  QRadioButton* Ryukashiyou = nullptr;
  QRadioButton* Rshitsumei = nullptr;
  QRadioButton* Rkiso = nullptr;
  QRadioButton* Rjiyu = nullptr;
  QRadioButton* Rhari = nullptr;
  QRadioButton* Rdodai = nullptr;
  QRadioButton* Rnull = nullptr;
  QPushButton* Brekkado = nullptr;
  QPushButton* Bkabetsuika = nullptr;
  QPushButton* Bgaiyou = nullptr;
  QPushButton* Bzoning = nullptr;
  QPushButton* Bmodoru = nullptr;
  QPushButton* Bsusumu = nullptr;
  QLabel* StaticText6 = nullptr;
  QLabel* Lnflag = nullptr;

  QGroupBox* G6 = nullptr;
  QComboBox* SCALE = nullptr;
  QRadioButton* Rseki0 = nullptr;
  QRadioButton* Rseki1 = nullptr;
  // The display boxes of the plan: Ccnchi, Ckaishu, CtakaiW, Cwouka,
  // Cwyouso, Cwtairyoku, Cwteigenchi, Cwkaishu.
  static constexpr int DisplaySwitchCount = 8;
  std::array<QCheckBox*, DisplaySwitchCount> DisplayBoxes{};

  QGroupBox* Gkekka = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QPushButton* Bkaberyou = nullptr;  // 設定・詳細確認
  QAction* N3 = nullptr;             // 概算(&G)
  QFrame* Panel3 = nullptr;
  // Lkaiteiban, Lshindan, Lhouhou, Lhitsuyou, Lban (by MethodPanelLabel).
  std::array<QLabel*, 5> MethodLabels{};
  QGroupBox* GroupBox2 = nullptr;

  // A push button of the control panel: its component name, caption, member
  // and command (none: it starts disabled), whether it starts enabled, and
  // its cell where it stands in a grid.
  struct PanelButton {
    const char* name;
    const char* caption;
    QPushButton* TQuilmoraForm::*member;
    void (TQuilmoraForm::*slot)();
    bool enabled = true;
    int row = 0;
    int column = 0;
  };

 public slots:
  void SheetPaint(Canvas& canvas);
  // A mouse button released on the plan at sheet pixels (x, y).
  void SheetMouseUp(Qt::MouseButton button, int x, int y);
  // The pointer moved over the plan (highlight, rubber band, status text) or left it.
  void SheetMouseMove(int x, int y);
  void SheetMouseLeave();

  void RtoorishinClick();
  void RhashiraClick();
  void RkabeClick();
  void RyaneyukaClick();
  void RyukashiyouClick();
  void RshitsumeiClick();
  void RkisoClick();
  void RjiyuClick();
  void RhariClick();
  void RdodaiClick();

  void R1kaiClick();
  void R2kaiClick();
  void R3kaiClick();

  void RgenkyouClick();
  void Rkaishu1Click();
  void Rkaishu2Click();

  void SCALEChange(const QString& text);

  void BmodoruClick();
  void BsusumuClick();
  void BgennkyouClick();
  void BrekkadoClick();
  void BkaberyouClick();
  void N3Click();
  void BkabetsuikaClick();
  void BgaiyouClick();
  void HelpAbout1Execute();

  // File commands.
  void FileNew1Execute();
  void FileOpen1Execute();
  void BuwagakiClick();     // overwrite under the current path as ".tyc"
  void FileSave1Execute();  // save with the dialog
  void FileExit1Execute();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const QStringList& arguments);
  // Asks about unsaved edits and may refuse to close (File > Exit ends here too).
  void FormClose(QCloseEvent* event);
  void BuildControlPanel();
  void BuildSelectorBoxes(QVBoxLayout* column);
  void BuildModeBox(QVBoxLayout* column);
  void BuildDisplayBox(QVBoxLayout* column);
  QPushButton* AddPanelButton(QWidget* parent, const PanelButton& button);
  void BuildResultsPanel(QWidget* panel, QVBoxLayout* column);
  void BuildMenus();
  void CentreView();
  void EditModeClick(int mode);
  void StoreyClick(int storey);
  void VariantClick(int variant);
  // The sheet size at the current scale and the scroll positions scaled from
  // the saved ones; extra is added to the numerators.
  void ResizeSheetKeepingView(int dv, int dh, int extra);
  void AfterSheetPaint();
  void ApplyHoverUpdate(const HoverUpdate& update);
  void LoadCommandLineFile();
  void ShowStartupDialogs();
  void ShowColumnVerdict();
  // Offers to move a model that lies off the middle of the grid, after a load.
  void RecentreModel();
  void ShowResultsPanel();

  InstanceLock instanceLock_;  // stands for the named instance mutex
  bool terminated_ = false;
  bool centrePending_ = true;
  bool loadDue_ = false;
  bool fullPaintDone_ = false;
  bool startupDialogsDue_ = false;
  // While the recentring question of the start-up load is open, the start-up
  // dialogs wait for it.
  bool recentring_ = false;

  RadioRow Variants;   // by variant
  RadioRow Storeys;    // by storey
  RadioRow Modes;      // by EditMode; the hidden Rnull stands for none
  RadioRow SnowCases;  // by SnowCase
  // Widgets enabled only while the current variant has a second / third storey.
  QList<QWidget*> storeyWidgets_[3];
};

extern TQuilmoraForm* QuilmoraForm;
