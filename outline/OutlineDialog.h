#pragma once
// The outline dialog (概要), the editor of the project settings: the revision
// and methods, the cover texts, the building data of the three variants and
// the further pages of calculation conditions. While an outline confirmation
// is pending (start-up, File > New, File > Open) it can only be left with its
// OK button. What it shows and stores, and which method choices it offers,
// is decided in the core (presentation/OutlineSheet.h, presentation/OutlineRules.h).
#include "evaluation/WallQuantitySheet.h"
#include "mainwindow/FormKit.h"
#include "presentation/OutlineRules.h"
#include "presentation/OutlineSheet.h"

class QGridLayout;
class QScrollArea;

class TgaiyouDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TgaiyouDlg(QWidget* parent);

  // The frame.
  QScrollArea* ScrollBox1 = nullptr;
  QWidget* Panel1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QTabWidget* PageControl2 = nullptr;
  QTabWidget* PageControl3 = nullptr;
  QTabWidget* PageControl4 = nullptr;
  QWidget* TabSheet1 = nullptr;   // 計算
  QWidget* TabSheet7 = nullptr;   // 診断報告書 (not shown)
  QWidget* TabSheet10 = nullptr;  // 改修申請 (not shown)
  QWidget* TabSheet11 = nullptr;  // 確認申請・図面 (not shown)
  QWidget* TabSheet2 = nullptr;   // the six working pages, by tab index
  QWidget* TabSheet21 = nullptr;
  QWidget* TabSheet9 = nullptr;
  QWidget* TabSheet20 = nullptr;
  QWidget* TabSheet6 = nullptr;
  QWidget* TabSheet8 = nullptr;
  QWidget* Panel2 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // The method page.
  QGroupBox* G1 = nullptr;
  QRadioButton* Rmodeb0 = nullptr;
  QRadioButton* Rmodeb2 = nullptr;
  QRadioButton* Rmodeb4 = nullptr;
  QGroupBox* G2 = nullptr;
  QGroupBox* GroupBox45 = nullptr;
  QRadioButton* Rmode_shindan00 = nullptr;
  QRadioButton* Rmode_shindan01 = nullptr;
  QRadioButton* Rmode_shindan02 = nullptr;
  QRadioButton* Rmode_shindan03 = nullptr;
  QRadioButton* Rmode_shindan1 = nullptr;
  QRadioButton* Rmode_shindan2 = nullptr;
  QRadioButton* Rmode_shindan3 = nullptr;
  QGroupBox* GroupBox16 = nullptr;
  QGroupBox* GroupBox44 = nullptr;
  QGroupBox* GroupBox49 = nullptr;
  QGroupBox* GroupBox43 = nullptr;
  QRadioButton* Rhouhou1 = nullptr;
  QGroupBox* GG7 = nullptr;
  QGroupBox* GG8 = nullptr;
  QComboBox* Csekiset = nullptr;
  QGroupBox* GG9 = nullptr;
  QComboBox* CchiikiZ = nullptr;
  QGroupBox* Grekkado = nullptr;
  QGroupBox* GroupBox187 = nullptr;
  QCheckBox* Cteifuka = nullptr;
  QGroupBox* GroupBox189 = nullptr;
  QCheckBox* Chijuutaku = nullptr;
  QGroupBox* GG6 = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QComboBox* Ekouyearn[BuildDateEntries] = {};
  QLineEdit* Ekouyear[BuildDateEntries] = {};
  QCheckBox* Ekouzou[BuildDateEntries] = {};  // entries 1 to 3
  QCheckBox* Ekoufumei[BuildDateEntries] = {};
  QGroupBox* GG1 = nullptr;
  QGroupBox* GG2 = nullptr;
  QGroupBox* GG3 = nullptr;
  QLineEdit* Epost = nullptr;
  QLineEdit* Eshoaddr = nullptr;
  // The radios of the enabling rules, by OutlineRuleRadio.
  QRadioButton* RuleRadio[OutlineRuleRadioCount] = {};
  // The text edits, by OutlineTexts.
  QLineEdit* TextEdit[OutlineTextCount] = {};

  // The building page.
  QGroupBox* GG5 = nullptr;
  QGroupBox* GG51 = nullptr;
  QGroupBox* GG52 = nullptr;
  QTabWidget* PageControl5 = nullptr;
  QWidget* VariantSheet[VariantCount] = {};  // TabSheet16, TabSheet18, TabSheet19
  QLineEdit* SheetEdit[VariantCount][VariantSheetEditCount] = {};
  QGroupBox* GroupBox178 = nullptr;
  QLineEdit* LoadEdit[LoadTakeOffRows][LoadTakeOffClasses] = {};

  // The foundation, floor and ground page.
  QLineEdit* Ekisomemo = nullptr;
  QLabel* Lkisoshu = nullptr;
  QLabel* Lyukashu = nullptr;
  QCheckBox* Ckisokobetsu = nullptr;
  QCheckBox* Cyukakobetsu = nullptr;
  QCheckBox* Cichijiru = nullptr;
  QLineEdit* Ehibikasho = nullptr;  // the crack fields: bound, never shown
  QCheckBox* Ehibigen[3] = {};
  QLineEdit* Ehibigeng = nullptr;

  // The deterioration page.
  QRadioButton* Eroshutsu1 = nullptr;
  QCheckBox* Eyokurek10 = nullptr;
  QCheckBox* Eyokurek11 = nullptr;
  QLineEdit* DeteriorationEdit[DeteriorationTextCount] = {};

  // The calculation conditions page.
  QGroupBox* GroupBox186 = nullptr;  // the Ce limits, never shown

  // The floor-area and display page.
  QGroupBox* Gkaberyou = nullptr;
  QCheckBox* Cyukamenshuusei = nullptr;
  QLineEdit* AreaEdit[WallQuantityAreaCount] = {};
  QRadioButton* Rseki0 = nullptr;
  QRadioButton* Rseki1 = nullptr;
  // Ccnchi, Cwyouso, Ckaishu, Cwtairyoku, CtakaiW, Cwteigenchi, Cwouka, Cwkaishu.
  static constexpr int DisplaySwitchCount = 8;
  // The calculation conditions that are one radio group for one setting.
  static constexpr int ConditionGroupCount = 12;
  QCheckBox* DisplayBox[DisplaySwitchCount] = {};

 public slots:
  void FormShow();
  // False (nothing stored) when an area of the floor-area grid is not a number.
  bool OKBtnClick();
  // Esc, the close box and the system menu end here.
  void reject() override;

  void Rmodeb0Click();
  void Rmodeb2Click();
  void Rmode_shindan1Click();
  void Rmode_shindan2Click();
  void Rmode_shindan3Click();
  void RequiredStrengthClick(int method);  // Rhitsuyou0Click .. Rhitsuyou3Click
  void Rhouhou1Click();
  void Rhouhou2Click();
  void CsekisetChange();
  // The storey-2 and storey-3 rows of a variant sheet follow its storey count.
  void UpdateStoreyRows(int variant);
  // The foundation and floor class captions (the paint handler's part).
  void FormPaint();
  void EkisokClick();  // Ekisok0Click .. Ekisok3Click
  void Eroshutsu0Click();
  void Eroshutsu1Click();
  void Ebaruko0Click();
  void Ebaruko1Click();
  void EyokutaixClick();
  void CyukamenshuuseiClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The pages, each defined in its own file (outline/Outline*Page.cpp).
  QWidget* BuildMethodPage();
  QBoxLayout* BuildMethodTopRow();
  QGroupBox* BuildMethodGroups();
  QGroupBox* BuildCoverBox();
  QGroupBox* BuildBuildDates();
  void BuildContactBoxes(QVBoxLayout* page);
  void ConnectMethodRules();
  QWidget* BuildBuildingPage();
  QWidget* BuildVariantSheet(int variant);
  QWidget* BuildLoadTakeOff(QWidget* parent);
  void BuildHiddenPages();
  QWidget* BuildBottomBar();
  void BuildFoundationPage();
  void BuildDeteriorationPage();
  void BuildOuterAnswers(QGridLayout* page);
  void BuildInnerAnswers(QGridLayout* page);
  QGroupBox* AnswerBox(QWidget* parent, int entry, Qt::Orientation direction);
  void DeteriorationText(QWidget* parent, QGridLayout* grid, int entry, const char* caption, int row,
                         int column);
  void BuildConditionsPage();
  void BuildDisplayPage();
  QGroupBox* BuildWallQuantityBox();
  QGroupBox* BuildDisplayBox();
  void FillAreas(bool manual);
  void ShowLaterPages();
  // False, after a message naming the edit and its range, when an area,
  // height or load is not a number within its range.
  bool CheckNumbers();
  // Stores the area grid; false (nothing of it stored) when an area is bad.
  bool CheckAreas();
  // The radios of a group, laid out in layout (may be null) in choice order.
  RadioRow Radios(const OutlineRadioGroup& group, QWidget* parent, QLayout* layout, int variant = 0);
  // A setting of the calculation as a box of radios in one row, in cell
  // (row, column) of grid.
  RadioRow CalculationRadios(QGridLayout* grid, QWidget* parent, const OutlineRadioGroup& group, int row,
                             int column);

  OutlineRuleState RuleState() const;
  void ShowRuleState(const OutlineRuleState& s);
  void MethodClick(int method);
  void RevisionClick(int revision);
  void OtherElementsClick(int method);

  void ShowRadios(const RadioRow& row, const OutlineRadioGroup& group, int variant = 0);
  void StoreRadios(const RadioRow& row, const OutlineRadioGroup& group, int variant = 0);
  void ShowPages();
  void StorePages();
  void StoreFoundationAndDeterioration();

  RadioRow revision_, method_, required_, balance_, otherElements_, openingWall_, mixed_, verification_;
  RadioRow use_, garage_, basement_;
  RadioRow topStorey_[VariantCount], weight_[VariantCount], attic_[VariantCount];
  RadioRow partWeight_[VariantCount][PartWeightCount];

  RadioRow foundation_, cracks_, tieBeams_, floor_, braces_, atrium_, ground_;
  RadioRow answers_[DeteriorationAnswerCount];  // entry 4: the three sub-radios
  RadioRow exposed_;                            // Eroshutsu0 (0), Eroshutsu1 (1)
  RadioRow conditions_[ConditionGroupCount];
  RadioRow unresisted_, ceFormula_, ceLimits_, method2Column_;
  RadioRow snowCase_, axisX_, axisY_, structure_;
  WallQuantityAreaEdit areaFilled_[WallQuantityAreaCount];

  // The method the rules read: the stored one at show, then the one clicked.
  int32_t ruleMethod_ = DiagnosisGeneral;

  // What the show step put into the edits and lists, so that OK gives back
  // the stored values of whatever the user left alone.
  OutlineNumberEdit sheetFilled_[VariantCount][VariantSheetEditCount];
  OutlineNumberEdit loadFilled_[LoadTakeOffRows][LoadTakeOffClasses];
  BuildYearFields yearShown_[BuildDateEntries];
  int snowShown_ = -1;
  // The caption, edit and unit of the storey-2 and storey-3 area and height rows.
  QWidget* storeyRowWidgets_[VariantCount][StoreyCount][6] = {};
};
