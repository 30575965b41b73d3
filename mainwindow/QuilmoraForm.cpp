#include "mainwindow/QuilmoraForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "analysis/PendingMessages.h"
#include "chain/RecalculationChain.h"
#include "editing/ClickInput.h"
#include "editing/GridAxisEditing.h"
#include "editing/ModelRecentre.h"
#include "editing/ModelReset.h"
#include "editing/ProjectLoad.h"
#include "editing/SlotCopy.h"
#include "elements/ColumnPalette.h"
#include "elements/ElementTableDialog.h"
#include "evaluation/DeteriorationFactor.h"
#include "files/ProjectFile.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/ControlPanel.h"
#include "mainwindow/CopyDialog.h"
#include "mainwindow/CostDialog.h"
#include "mainwindow/DeteriorationDialog.h"
#include "mainwindow/Forms.h"
#include "mainwindow/MainMenuCommands.h"
#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/ToolPalette.h"
#include "mainwindow/WallQuantityDialog.h"
#include "model/ElementTables.h"
#include "model/FileState.h"
#include "model/Grid.h"
#include "model/GridView.h"
#include "model/ModelExtents.h"
#include "model/PlanPalette.h"
#include "model/PlanScale.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "outline/OutlineDialog.h"
#include "platform/FileAccess.h"
#include "platform/MessageBox.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/OutlineRules.h"
#include "presentation/ResultsPanel.h"
#include "presentation/WindowState.h"
#include "rendering/PlanHover.h"
#include "rendering/PlanPaint.h"
#include "rendering/qt/QtCanvas.h"

TQuilmoraForm* QuilmoraForm = nullptr;

namespace {

// Sets a colour of a label for its enabled states only: disabled, it greys
// out as the panel around it does.
void SetLiveColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
}

const char* const kInstanceQuestion =
    "既に起動されています。複数起動しますか？\n\n起動する　　　はい\n\n起動しない　　いいえ";
// The widening that a scroll box adds to the sheet when it rescales (its
// scroll bar and border).
constexpr int kZoomAllowance = 21;

// The scroll position that puts the middle of the sheet pixels first..last
// in the middle of a view of the given extent (clamped by the scroll bar).
int CentringScrollPosition(int32_t first, int32_t last, int view) {
  const int64_t position = (int64_t{first} + last - view) / 2;
  return static_cast<int>(std::clamp<int64_t>(position, 0, INT32_MAX));
}

}  // namespace

TQuilmoraForm::TQuilmoraForm(const QStringList& arguments, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("QuilmoraForm"));
  QuilmoraForm = this;

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  Gamen = new TPlanScrollBox(central);
  Gamen->OnPaint = [this](Canvas& canvas) { SheetPaint(canvas); };
  Gamen->OnPainted = [this] { AfterSheetPaint(); };
  Gamen->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { SheetMouseUp(button, x, y); };
  Gamen->OnMouseMove = [this](int x, int y) { SheetMouseMove(x, y); };
  Gamen->OnMouseLeave = [this] { SheetMouseLeave(); };
  row->addWidget(Gamen, 1);
  Gamen->installEventFilter(this);

  ScrollBox1 = Named(new QScrollArea(central), "ScrollBox1");
  ScrollBox1->setFixedWidth(185);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Panel1 = Named(new QWidget(ScrollBox1), "Panel1");
  BuildControlPanel();
  ScrollBox1->setWidget(Panel1);
  row->addWidget(ScrollBox1);
  setCentralWidget(central);

  StatusBar = Named(new QStatusBar(this), "StatusBar");
  setStatusBar(StatusBar);
  BuildMenus();

  SetMainWindowPort(this);
  SetFileDialogParent(this);
  FormCreate(arguments);
}

TQuilmoraForm::~TQuilmoraForm() {
  if (GetMainWindowPort() == this) SetMainWindowPort(nullptr);
  SetFileDialogParent(nullptr);
  if (QuilmoraForm == this) QuilmoraForm = nullptr;
}

void TQuilmoraForm::BuildMenus() {
  QMenuBar* menu = menuBar();
  menu->setObjectName(QStringLiteral("MainMenu1"));
  // An item and its command; an item without one shows but does nothing
  // until its feature gives it one. A null name stands for a separator.
  struct Item {
    const char* name;
    const char* caption;
    const char* shortcut;
    void (TQuilmoraForm::*handler)() = nullptr;
  };
  auto addItems = [this](QMenu* owner, std::initializer_list<Item> items) {
    for (const Item& item : items) {
      if (!item.name) {
        owner->addSeparator();
        continue;
      }
      QAction* action = owner->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromLatin1(item.name));
      if (item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
      if (item.handler)
        connect(action, &QAction::triggered, this, item.handler);
      else
        action->setEnabled(false);
    }
  };

  // The overwrite item carries the Ctrl+S of the save action it was linked to.
  addItems(menu->addMenu(QStringLiteral("ファイル(&F)")),
           {{"FileNewItem", "新規作成(&N)", "Ctrl+N", &TQuilmoraForm::FileNew1Execute},
            {"FileOpenItem", "開く(&O)", "Ctrl+O", &TQuilmoraForm::FileOpen1Execute},
            {"FileSaveItem", "上書き保存(&S)", "Ctrl+S", &TQuilmoraForm::BuwagakiClick},
            {"FileSaveAsItem", "名前を付けて保存(&A)...", nullptr, &TQuilmoraForm::FileSave1Execute},
            {nullptr, nullptr, nullptr},
            {"FileExitItem", "終了(&X)", nullptr, &TQuilmoraForm::FileExit1Execute}});

  QMenu* report = menu->addMenu(QStringLiteral("報告書・印刷(&R)"));
  addItems(report, {{"CutItem", "報告書(&R)", nullptr},
                    {"CopyItem", "プランニングシート(&P)", nullptr},
                    {"PasteItem", "基礎(&K)", nullptr},
                    {"H1", "必要耐力(&H)", nullptr},
                    {"U1", "壁耐力剛性(&U)", nullptr},
                    {"W1", "重心(&W)", nullptr},
                    {"S1", "剛心(&S)", nullptr},
                    {"N2", "柱引抜力(&N)", nullptr},
                    {"J1", "柱引抜力軸組図(&J)", nullptr},
                    {"F1", "床耐力(&F)", nullptr},
                    {"Y1", "床耐力検定(&Y)", nullptr},
                    {"T1", "上部構造評点(&T)", nullptr},
                    {"E1", "壁量計算(&E)", nullptr},
                    {"B1", "検証法表紙(&I)", nullptr}});
  // No edit shortcuts on the report items: Ctrl+X, C and V stay with the edits.
  for (int kind = 0; kind < ReportMenuItemCount; ++kind) {
    QAction* action = report->findChild<QAction*>(QString::fromLatin1(ReportMenuItemNames[kind]));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [kind] { OpenReportFamily(kind); });
  }
  N3 = menu->addAction(QStringLiteral("概算(&G)"));
  N3->setObjectName(QStringLiteral("N3"));
  connect(N3, &QAction::triggered, this, &TQuilmoraForm::N3Click);
  QMenu* settings = menu->addMenu(QStringLiteral("設定(&S)"));
  addItems(settings,
           {{"G1", "概要(&G)", nullptr}, {"A1", "計算条件(&A)", nullptr}, {"D1", "画面表示(&D)", nullptr}});
  // 概要 has no command of its own; 計算条件 and 画面表示 both open the conditions tab.
  for (const char* name : {"G1", "A1", "D1"})
    settings->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(true);
  for (const char* name : {"A1", "D1"})
    connect(settings->findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this,
            [] { OpenOutlineOn(OutlineOnConditions); });
  QMenu* help = menu->addMenu(QStringLiteral("ヘルプ(&H)"));
  addItems(help, {{"H2", "ヘルプ(&H)...", "Ctrl+H"}});
  QAction* helpItem = help->findChild<QAction*>(QStringLiteral("H2"));
  helpItem->setEnabled(true);
  connect(helpItem, &QAction::triggered, this, [] { OpenHelp(); });
  QAction* about = help->addAction(QStringLiteral("バージョン情報(&A)..."));
  about->setObjectName(QStringLiteral("HelpAboutItem"));
  connect(about, &QAction::triggered, this, &TQuilmoraForm::HelpAbout1Execute);
}

void TQuilmoraForm::FormCreate(const QStringList& arguments) {
  if (instanceLock_.HeldElsewhere() &&
      MessageBox(kInstanceQuestion, "終了", MB_YESNO | MB_ICONQUESTION) == IDNO) {
    terminated_ = true;
    return;
  }
  instanceLock_.Acquire();

  CurrentFilePath = UntitledFilePath;
  UpdateWindowTitle();
  setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  ResetModel(ResetForStartUp);

  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  // The view is centred once the window has its size (showEvent).
  centrePending_ = true;

  CommandLineLoadPending = 0;
  CommandLineFile = arguments.size() > 1 ? arguments[1].toStdString() : std::string();
  if (!CommandLineFile.empty()) CommandLineLoadPending = 1;
}

// While an item of the menu bar is highlighted the arrows, the page keys and
// Home/End do not scroll the plan: the user's attention is on the menus.
bool TQuilmoraForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Gamen && event->type() == QEvent::KeyPress && menuBar()->activeAction()) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
      case Qt::Key_Home:
      case Qt::Key_End:
        return true;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TQuilmoraForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centrePending_) {
    centrePending_ = false;
    if (layout()) layout()->activate();
    CentreView();
  }
}

void TQuilmoraForm::CentreView() {
  Gamen->SetVertScrollPosition((Gamen->SheetHeight() - Gamen->height()) / 2);
  Gamen->SetHorzScrollPosition((Gamen->SheetWidth() - Gamen->width()) / 2);
  SavedVertScrollPosition = Gamen->VertScrollPosition();
  SavedHorzScrollPosition = Gamen->HorzScrollPosition();
}

void TQuilmoraForm::MainWindowStateChanged() {
  setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  // A dialog's OK that changed what the project stores (the about box's
  // switches) offers 上書 at once, not only after the next paint.
  Buwagaki->setEnabled(ModifiedFlag == 1);
  Bmodoru->setEnabled(MainWindow.BmodoruEnabled);
  Bsusumu->setEnabled(MainWindow.BsusumuEnabled);

  for (int v = 0; v < 3; ++v) SetBackground(Variants.Radio(v), MainWindow.VariantRadioColour[v]);
  // State that the core set is shown without running the radios' handlers again.
  Variants.SetCodeQuietly(MainWindow.CheckedVariantRadio);
  SetBackground(Panel2, MainWindow.VariantPanelColour);
  StaticText1->setText(QString::fromUtf8(MainWindow.VariantPanelName));
  StaticText2->setText(QString::fromUtf8(MainWindow.VariantPanelLine1));
  StaticText3->setText(QString::fromUtf8(MainWindow.VariantPanelLine2));

  Storeys.SetCodeQuietly(MainWindow.CheckedStoreyRadio);
  for (QWidget* widget : storeyWidgets_[1]) widget->setEnabled(MainWindow.R2kaiEnabled);
  for (QWidget* widget : storeyWidgets_[2]) widget->setEnabled(MainWindow.R3kaiEnabled);

  // Any other mode checks the hidden radio, which stands for none. A disabled
  // mode radio may stay checked: the edit mode itself is left.
  if (Modes.Radio(MainWindow.CheckedEditModeRadio))
    Modes.SetCodeQuietly(MainWindow.CheckedEditModeRadio);
  else {
    const QSignalBlocker block(Rnull);
    Rnull->setChecked(true);
  }
  Rkiso->setEnabled(MainWindow.RkisoEnabled);
  Ryukashiyou->setEnabled(MainWindow.RyukashiyouEnabled);

  // The method captions read in black on their light colours, unless a
  // caption brings its own font colour (the revision).
  for (int label = 0; label < MethodPanelLabelCount; ++label) {
    const MethodCaptionState& caption = MainWindow.MethodCaption[label];
    QLabel* widget = MethodLabels[label];
    widget->setText(QString::fromUtf8(caption.Text));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     caption.FontColour >= 0 ? FromColorRef(caption.FontColour) : QColor(Qt::black));
    if (caption.Colour >= 0) {
      palette.setColor(QPalette::Window, FromColorRef(caption.Colour));
      widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
  }

  Rseki1->setEnabled(MainWindow.Rseki1Enabled);
  SnowCases.SetCodeQuietly(MainWindow.CheckedSnowRadio);
  // The display boxes show their flags; a flag that is neither 0 nor 1 leaves its box.
  for (int i = 0; i < DisplaySwitchCount; ++i) {
    const QSignalBlocker block(DisplayBoxes[i]);
    ShowCheckCode(DisplayBoxes[i], ProjectSettings.*PanelDisplaySwitches[i].flag);
  }
  // A load or a reset may have switched a feature.
  ApplyFeatureMenuItems(this);
}

void TQuilmoraForm::ShowModeToolDialog() {
  // Every change of the mode, storey or variant (and of the model by a
  // dialog or a load) comes here: the status bar told of an element of the
  // plan as it was shown, and the next move of the pointer tells anew.
  StatusBar->clearMessage();
  const auto palettes = PalettesByEditMode();
  for (int mode = 0; mode < 10; ++mode) {
    if (palettes[mode] && mode != CurrentEditMode) palettes[mode]->hide();
  }
  if (CurrentEditMode < 0 || CurrentEditMode >= 10) return;
  if (TToolPalette* palette = palettes[CurrentEditMode]) {
    palette->show();
    palette->raise();
    if (CurrentEditMode == EditModeColumns) palette->Refresh();
  }
}

void TQuilmoraForm::InvalidateSheet() { Gamen->Invalidate(); }

// The paint cycle.

void TQuilmoraForm::SheetPaint(Canvas& canvas) {
  // The fresh image holds none of the XOR figures drawn before.
  ForgetXorFigures();
  if (CommandLineLoadPending == 1) {
    // The first paint only opens the file named on the command line; the
    // opening (and any message it gives) follows the paint.
    CommandLineLoadPending = 0;
    loadDue_ = true;
    return;
  }
  PaintFullPlan(canvas, ScreenPlanView(), Gamen->SheetWidth(), Gamen->SheetHeight());
  fullPaintDone_ = true;
  if (StartupDialogsPending == 1 && StartupDialogsShown == 0) startupDialogsDue_ = true;
}

void TQuilmoraForm::SheetMouseUp(Qt::MouseButton button, int x, int y) {
  const PlanMouseButton which = button == Qt::LeftButton    ? PlanMouseLeft
                                : button == Qt::RightButton ? PlanMouseRight
                                                            : PlanMouseMiddle;
  if (CurrentEditMode != EditModeGrid) {
    PlanMouseUp(which, x, y);
    return;
  }
  LastGridEditMove = {};
  PlanMouseUp(which, x, y);
  GridChanged(LastGridEditMove.X, LastGridEditMove.Y);
}

void TQuilmoraForm::SheetMouseMove(int x, int y) {
  ApplyHoverUpdate(PlanMouseMove(x, y, Gamen->SheetWidth(), Gamen->SheetHeight()));
}

void TQuilmoraForm::SheetMouseLeave() { ApplyHoverUpdate(PlanMouseLeave()); }

void TQuilmoraForm::ApplyHoverUpdate(const HoverUpdate& update) {
  if (update.Erase.Kind != XorFigureKind::None || update.Draw.Kind != XorFigureKind::None) {
    QRect touched;
    for (const XorFigure* figure : {&update.Erase, &update.Draw}) {
      if (figure->Kind == XorFigureKind::None) continue;
      const SheetRect r = XorFigureBounds(*figure);
      touched |= QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
    }
    Gamen->DrawOnImage(
        [&update](Canvas& canvas) {
          DrawXorFigure(canvas, update.Erase);
          DrawXorFigure(canvas, update.Draw);
        },
        touched);
  }
  if (update.StatusChanged) StatusBar->showMessage(QString::fromStdU16String(update.Status));
}

void TQuilmoraForm::AfterSheetPaint() {
  if (loadDue_) {
    loadDue_ = false;
    LoadCommandLineFile();
  }
  ShowPendingMessages();
  if (startupDialogsDue_ && !recentring_) {
    startupDialogsDue_ = false;
    ShowStartupDialogs();
  }
  if (fullPaintDone_) {
    fullPaintDone_ = false;
    Buwagaki->setEnabled(ModifiedFlag == 1);
    // The roof/floor palette follows every plan paint.
    if (DyukaDlg) DyukaDlg->Refresh();
    ShowColumnVerdict();
    ShowResultsPanel();
  }
}

// The axial-force verdict of the column check, beside "柱軸力：".
void TQuilmoraForm::ShowColumnVerdict() {
  Lnflag->setText(QString::fromUtf8(MainWindow.LnflagText));
  QPalette palette = Lnflag->palette();
  const int32_t c = MainWindow.LnflagColour;
  palette.setColor(QPalette::WindowText, QColor(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff));
  Lnflag->setPalette(palette);
}

// The captions and colours the last recalculation gave the results panel.
// The colours hold while a label is enabled; the rows of a storey the
// variant lacks are disabled and grey out, so no verdict colour looks live.
void TQuilmoraForm::ShowResultsPanel() {
  for (const PanelLabelEntry& entry : PanelLabels) {
    auto* label = findChild<QLabel*>(QString::fromLatin1(entry.Name));
    if (!label) continue;
    const PanelLabel& state = ResultsPanel.*entry.Label;
    label->setText(QString::fromUtf8(state.Caption));
    QPalette palette = label->palette();
    if (state.FontColour != FormColour)
      SetLiveColour(palette, QPalette::WindowText, FromColorRef(state.FontColour));
    if (state.Colour == ColourButtonFace) {
      SetLiveColour(palette, QPalette::Window, QApplication::palette().color(QPalette::Button));
      label->setAutoFillBackground(true);
    } else if (state.Colour != FormColour) {
      SetLiveColour(palette, QPalette::Window, FromColorRef(state.Colour));
      label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
  }
}

void TQuilmoraForm::ShowStartupDialogs() {
  if (StartupDialogsPending != 1 || StartupDialogsShown != 0) return;
  StartupDialogsShown = 1;
  OutlineConfirmationPending = 1;
  if (AboutBox) RunModal(*AboutBox);
  // A project named on the command line is confirmed as File > Open confirms one.
  ConfirmOutlineOfOpenedProject();
  StartupDialogsPending = 0;
}

void TQuilmoraForm::LoadCommandLineFile() {
  if (!OpenProject(CommandLineFile)) InvalidateSheet();
}

bool TQuilmoraForm::OpenProject(const std::string& path) {
  // Reports an unreadable file itself and then changes nothing; a broken one
  // is reported with what was kept of it, and the rest of the steps still run.
  if (OpenProjectFile(ReadProjectFileBytes(path), path) == OpenResult::Unreadable) return false;
  ApplyZoom();
  RefreshMainWindow();
  SettleOpenedProject();
  return true;
}

void TQuilmoraForm::SettleOpenedProject() {
  GridSpacingCheckPending = 1;
  UpdateUsedExtents();
  // The start-up dialogs wait while the recentring question is open.
  recentring_ = true;
  RecentreModel();
  recentring_ = false;
  ApplyZoom();
  // Runs the radio's handler when the check changes.
  Variants.SetCode(CurrentVariant);
  DeteriorationFactorFromPoints();
  // The plan behind the dialogs that follow already compares the plans with
  // the current state of this project.
  RecalcCurrentStateAfterLoad();
  ShowBuilding();
}

void TQuilmoraForm::ConfirmOutlineOfOpenedProject() {
  OutlineConfirmationPending = 1;
  if (gaiyouDlg) RunModal(*gaiyouDlg);
  // The outline may have changed what the current state's results rest on.
  RecalcCurrentStateAfterLoad();
}

void TQuilmoraForm::ShowBuilding() {
  UpdateUsedExtents();
  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  if (ModelExtentMinX > ModelExtentMaxX || ModelExtentMinY > ModelExtentMaxY) {
    CentreView();
    return;
  }
  const QSize view = Gamen->viewport()->size();
  Gamen->SetHorzScrollPosition(CentringScrollPosition(
      GridViewX(ModelExtentMinX, PixelsPerMetre), GridViewX(ModelExtentMaxX, PixelsPerMetre), view.width()));
  Gamen->SetVertScrollPosition(CentringScrollPosition(
      GridViewY(ModelExtentMinY, PixelsPerMetre), GridViewY(ModelExtentMaxY, PixelsPerMetre), view.height()));
  SavedHorzScrollPosition = Gamen->HorzScrollPosition();
  SavedVertScrollPosition = Gamen->VertScrollPosition();
}

void TQuilmoraForm::GridChanged(double movedX, double movedY) {
  const int dx = ToViewUnits(movedX * PixelsPerMetre);
  const int dy = ToViewUnits(movedY * PixelsPerMetre);
  const int horz = Gamen->HorzScrollPosition(), vert = Gamen->VertScrollPosition();
  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  Gamen->SetHorzScrollPosition(horz + dx);
  Gamen->SetVertScrollPosition(vert + dy);
  InvalidateSheet();
}

void TQuilmoraForm::RecentreModel() {
  CentreView();
  if (!ModelIsCentred()) InvalidateSheet();
  // Not repainted here: every caller rescales and repaints afterwards.
  ::RecentreModel();
}

// Zoom.

void TQuilmoraForm::ResizeSheetKeepingView(int dv, int dh, int extra) {
  Gamen->SetSheetSize(SheetWidthPixels(), SheetHeightPixels());
  SavedVertScrollPosition =
      RescaledScrollPosition(Gamen->SheetHeight() - Gamen->height() + extra, SavedVertScrollPosition, dv);
  Gamen->SetVertScrollPosition(SavedVertScrollPosition);
  SavedHorzScrollPosition =
      RescaledScrollPosition(Gamen->SheetWidth() - Gamen->width() + extra, SavedHorzScrollPosition, dh);
  Gamen->SetHorzScrollPosition(SavedHorzScrollPosition);
  PendingPointCount = 0;
  InvalidateSheet();
}

void TQuilmoraForm::ApplyZoom() {
  const int dv = Gamen->SheetHeight() - Gamen->height() + kZoomAllowance;
  const int dh = Gamen->SheetWidth() - Gamen->width() + kZoomAllowance;
  // An invalid scale text keeps the scale that the model reset left.
  TrySetPlanScale(ScaleDenominatorOfText(SCALE->currentText().toStdString()));
  ResizeSheetKeepingView(dv, dh, kZoomAllowance);
}

void TQuilmoraForm::SCALEChange(const QString& text) {
  const int dv = Gamen->SheetHeight() - Gamen->height() + kZoomAllowance;
  const int dh = Gamen->SheetWidth() - Gamen->width() + kZoomAllowance;
  // A text that is no scale between 1/30 and 1/200 changes nothing.
  if (!TrySetPlanScale(ScaleDenominatorOfText(text.toStdString()))) return;
  ResizeSheetKeepingView(dv, dh, 0);
}

// Selectors.

void TQuilmoraForm::EditModeClick(int mode) {
  CurrentEditMode = mode;
  CancelClickSequence();
  MainWindow.CheckedEditModeRadio = mode;
  ::ShowModeToolDialog();
  InvalidateSheet();
}

void TQuilmoraForm::RtoorishinClick() { EditModeClick(EditModeGrid); }
void TQuilmoraForm::RhashiraClick() { EditModeClick(EditModeColumns); }
void TQuilmoraForm::RkabeClick() { EditModeClick(EditModeWalls); }
void TQuilmoraForm::RyaneyukaClick() { EditModeClick(EditModeRoofFloor); }
void TQuilmoraForm::RyukashiyouClick() { EditModeClick(EditModeFloorSpec); }
void TQuilmoraForm::RshitsumeiClick() { EditModeClick(EditModeText); }
void TQuilmoraForm::RkisoClick() { EditModeClick(EditModeFoundation); }
void TQuilmoraForm::RjiyuClick() { EditModeClick(EditModeFreeLine); }
void TQuilmoraForm::RhariClick() { EditModeClick(EditModeBeam); }
void TQuilmoraForm::RdodaiClick() { EditModeClick(EditModeGable); }

void TQuilmoraForm::StoreyClick(int storey) {
  SelectStorey(storey);
  if (DyukaDlg) DyukaDlg->Refresh();
}

void TQuilmoraForm::R1kaiClick() { StoreyClick(0); }
void TQuilmoraForm::R2kaiClick() { StoreyClick(1); }
void TQuilmoraForm::R3kaiClick() { StoreyClick(2); }

void TQuilmoraForm::VariantClick(int variant) {
  SelectVariant(variant);
  CancelClickSequence();
  ::KeepStoreyWithinTopStorey();
  if (DhashiraDlg) DhashiraDlg->Refresh();
  InvalidateSheet();
  ::ShowModeToolDialog();
  ::UpdateStoreyControls();
}

void TQuilmoraForm::RgenkyouClick() { VariantClick(0); }
void TQuilmoraForm::Rkaishu1Click() { VariantClick(1); }
void TQuilmoraForm::Rkaishu2Click() { VariantClick(2); }

// Buttons and menu commands.

void TQuilmoraForm::BmodoruClick() {
  UndoStep();
  ModifiedFlag = 1;
  InvalidateSheet();
}

void TQuilmoraForm::BsusumuClick() {
  RedoStep();
  ModifiedFlag = 1;
  InvalidateSheet();
}

void TQuilmoraForm::BrekkadoClick() {
  if (DrekkadoDlg) RunModal(*DrekkadoDlg);
  InvalidateSheet();
}

void TQuilmoraForm::BgennkyouClick() {
  if (DcopyDlg) RunModal(*DcopyDlg);
  // A copy or swap with the variant settings can change the storey count.
  ::KeepStoreyWithinTopStorey();
  ::UpdateStoreyControls();
  InvalidateSheet();
}

void TQuilmoraForm::BkaberyouClick() {
  if (kaberyouDlg) {
    kaberyouDlg->PageControl1->setCurrentIndex(CurrentVariant);
    RunModal(*kaberyouDlg);
  }
  InvalidateSheet();
  ::ShowModeToolDialog();
}

// The repaint asked for here runs the recalculation, and with it the change
// marks that the tally counts, while the dialog is open.
void TQuilmoraForm::N3Click() {
  PendingPointCount = 0;
  InvalidateSheet();
  ::ShowModeToolDialog();
  ::UpdateStoreyControls();
  if (ShuukeiDlg) RunModal(*ShuukeiDlg);
}

void TQuilmoraForm::BkabetsuikaClick() {
  if (DkabetsuikaDlg) RunModal(*DkabetsuikaDlg);
  ::InvalidateSheet();
  ::ShowModeToolDialog();
}

void TQuilmoraForm::BgaiyouClick() {
  if (gaiyouDlg) RunModal(*gaiyouDlg);
  InvalidateSheet();
  ::ShowModeToolDialog();
}

void TQuilmoraForm::HelpAbout1Execute() {
  if (AboutBox) RunModal(*AboutBox);
}

// File commands.

void TQuilmoraForm::FileNew1Execute() { NewProjectCommand(*this); }
void TQuilmoraForm::FileOpen1Execute() { OpenProjectCommand(*this); }
void TQuilmoraForm::BuwagakiClick() { OverwriteProjectCommand(*this); }
void TQuilmoraForm::FileSave1Execute() { SaveProjectAsCommand(*this); }
void TQuilmoraForm::FileExit1Execute() { close(); }

// Closing.

void TQuilmoraForm::closeEvent(QCloseEvent* event) { FormClose(event); }

void TQuilmoraForm::FormClose(QCloseEvent* event) {
  if (!MayCloseProject()) {
    event->ignore();
    return;
  }
  // The palettes go with the window; the lock goes with the program.
  for (TToolPalette* palette : PalettesByEditMode()) {
    if (palette) palette->hide();
  }
  instanceLock_.Release();
  event->accept();
}
