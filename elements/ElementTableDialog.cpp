#include "elements/ElementTableDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <optional>

#include "elements/TableEdits.h"
#include "model/FileState.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/qt/FileDialogs.h"

ElementTableSet EditedElementTables;

namespace {

const char* const kDataFileFilter = "要素データファイル (*.yd1)|*.yd1|全てのファイル (*.*)|*.*";

// By column: the heading, the field letter of the edit names, the characters
// the user may type, the width in pixels and the format of a number.
struct ColumnSpec {
  const char* heading;
  char letter;
  int typed;
  int width;
  const char* format;
};
constexpr ColumnSpec kColumns[TDkabetsuikaDlg::ColumnCount] = {
    {"名称", 'n', 28, 190, nullptr}, {"記号", 'k', 4, 44, nullptr},   {"耐力", 't', 6, 52, "%5.2f"},
    {"剛性", 'g', 7, 60, "%7.2f"},   {"壁倍率", 'b', 4, 46, "%5.2f"}, {"診断", 's', 4, 34, nullptr},
    {"表示", 'd', 4, 34, nullptr},
};

// The rows of each table that its box unlocks.
bool PanelRowUnlockable(int r) { return r >= 2 && r < FirstPanelUserRow; }
bool BraceRowUnlockable(int r) { return (r >= 2 && r <= 8) || r == 11 || r == 12; }
bool MudWallRowUnlockable(int r) { return r >= 2 && r <= 5; }
// The user rows, open whatever the boxes say. Panel row 44 stays locked: the
// project file keeps panel rows up to 43 only.
bool PanelRowAlwaysOpen(int r) { return r >= FirstPanelUserRow && r < PanelTableRows - 1; }
bool BraceRowAlwaysOpen(int r) { return r == FirstBraceUserRow || r == FirstBraceUserRow + 1; }
constexpr int kShownBraceRows = 13;
constexpr int kShownMudWallRows = 6;

QLabel* Heading(QWidget* parent, const char* text) { return new QLabel(QString::fromUtf8(text), parent); }

// One page of element rows [first, last) of the table with letter `table`.
// Rows from `shown` on are created hidden.
QWidget* ElementPage(QWidget* parent, const char* pageName, char table, int first, int last, int shown,
                     bool display, QLineEdit* (*edits)[TDkabetsuikaDlg::ColumnCount]) {
  auto* page = Named(new QWidget(parent), pageName);
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  grid->addWidget(Heading(page, "要素No."), 0, 0);
  for (int c = 0; c < TDkabetsuikaDlg::ColumnCount; ++c)
    if (c != TDkabetsuikaDlg::ColDisplay || display)
      grid->addWidget(Heading(page, kColumns[c].heading), 0, c + 1);
  for (int r = first; r < last; ++r) {
    const bool hidden = r >= shown;
    QLabel* label = new QLabel(QStringLiteral("No.%1").arg(r + 1), page);
    if (!hidden) grid->addWidget(label, r - first + 1, 0);
    label->setVisible(!hidden);
    for (int c = 0; c < TDkabetsuikaDlg::ColumnCount; ++c) {
      const QString name =
          QStringLiteral("E%1%2%3").arg(QChar(table)).arg(QChar(kColumns[c].letter)).arg(r + 1);
      QLineEdit* edit = NewCellEdit(page, name, kColumns[c].width);
      edit->setMaxLength(kColumns[c].typed);
      if (c == TDkabetsuikaDlg::ColDiagnosis) edit->setValidator(new QIntValidator(0, 1, edit));
      if (c == TDkabetsuikaDlg::ColDisplay) edit->setValidator(new QIntValidator(0, 3, edit));
      edits[r][c] = edit;
      if (hidden || (c == TDkabetsuikaDlg::ColDisplay && !display)) {
        edit->hide();
        continue;
      }
      grid->addWidget(edit, r - first + 1, c + 1);
    }
  }
  grid->setRowStretch(last - first + 1, 1);
  grid->setColumnStretch(TDkabetsuikaDlg::ColumnCount + 1, 1);
  return page;
}

// One block of the floor page: rows of name and factor edits.
QGroupBox* FloorBlock(QWidget* parent, const char* name, const char* caption, const char* letters,
                      int firstRow, QLineEdit* (*edits)[2]) {
  QGroupBox* box = NewGroupBox(parent, name, caption);
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(2);
  grid->addWidget(Heading(box, "要素No."), 0, 0);
  grid->addWidget(Heading(box, "名称"), 0, 1);
  grid->addWidget(Heading(box, "床倍率"), 0, 2);
  for (int i = 0; i < FloorUserRowCount; ++i) {
    const int row = firstRow + i;
    grid->addWidget(new QLabel(QStringLiteral("No.%1").arg(row), box), i + 1, 0);
    edits[i][0] = NewCellEdit(box, QStringLiteral("E%1n%2").arg(QChar(letters[0])).arg(row), 190);
    edits[i][0]->setMaxLength(28);
    edits[i][1] = NewCellEdit(box, QStringLiteral("E%1b%2").arg(QChar(letters[0])).arg(row), 46);
    edits[i][1]->setMaxLength(4);
    grid->addWidget(edits[i][0], i + 1, 1);
    grid->addWidget(edits[i][1], i + 1, 2);
  }
  grid->setColumnStretch(3, 1);
  return box;
}

template <typename Row>
void FillRow(const Row& row, QLineEdit* const (&edits)[TDkabetsuikaDlg::ColumnCount]) {
  using D = TDkabetsuikaDlg;
  ShowWhole(edits[D::ColName],
            QString::fromStdU16String(std::u16string(FixedView(row.Name, std::size(row.Name)))),
            kColumns[D::ColName].typed);
  ShowWhole(edits[D::ColSymbol],
            QString::fromStdU16String(std::u16string(FixedView(row.Symbol, std::size(row.Symbol)))),
            kColumns[D::ColSymbol].typed);
  ShowWhole(edits[D::ColStrength], NumberText("%5.2f", row.Strength), kColumns[D::ColStrength].typed);
  ShowWhole(edits[D::ColStiffness], NumberText("%7.2f", row.Stiffness), kColumns[D::ColStiffness].typed);
  ShowWhole(edits[D::ColWallFactor], NumberText("%5.2f", row.WallFactor), kColumns[D::ColWallFactor].typed);
  ShowWhole(edits[D::ColDiagnosis], QString::number(row.DiagnosisOnly), kColumns[D::ColDiagnosis].typed);
  if constexpr (requires { row.DisplayKind; })
    ShowWhole(edits[D::ColDisplay], QString::number(row.DisplayKind), kColumns[D::ColDisplay].typed);
}

// A number column of a row; false after the message naming the row and column.
bool TakeColumn(QLineEdit* const (&edits)[TDkabetsuikaDlg::ColumnCount], int column, const NumberField& field,
                double& value) {
  const std::string caption =
      edits[TDkabetsuikaDlg::ColName]->text().trimmed().toStdString() + " " + kColumns[column].heading;
  return TakeEditNumber(edits[column], kColumns[column].format, value, field, caption, value);
}

// False, with the row's numbers as they were, when a number edit is refused.
template <typename Row>
bool ReadRow(Row& row, QLineEdit* const (&edits)[TDkabetsuikaDlg::ColumnCount]) {
  using D = TDkabetsuikaDlg;
  const NumberBounds& b = FileNumberBounds;
  double strength = row.Strength, stiffness = row.Stiffness, factor = row.WallFactor;
  if (!TakeColumn(edits, D::ColStrength, b.TableStrengthHeld, strength) ||
      !TakeColumn(edits, D::ColStiffness, b.TableStrengthHeld, stiffness) ||
      !TakeColumn(edits, D::ColWallFactor, b.TableWallFactorHeld, factor))
    return false;
  row.Strength = strength;
  row.Stiffness = stiffness;
  row.WallFactor = factor;
  CopyToFixed(row.Name, std::size(row.Name), edits[D::ColName]->text().toStdU16String());
  CopyToFixed(row.Symbol, std::size(row.Symbol), edits[D::ColSymbol]->text().toStdU16String());
  row.DiagnosisOnly = std::min(IntOfEdit(edits[D::ColDiagnosis]), 1);
  if constexpr (requires { row.DisplayKind; }) row.DisplayKind = std::min(IntOfEdit(edits[D::ColDisplay]), 3);
  return true;
}

void EnableRow(QLineEdit* const (&edits)[TDkabetsuikaDlg::ColumnCount], bool enabled) {
  for (QLineEdit* edit : edits) edit->setEnabled(enabled);
}

}  // namespace

TDkabetsuikaDlg::TDkabetsuikaDlg(QWidget* parent) : TCancelableDialog(parent) {
  ScrollBox1 = Named(new QScrollArea(this), "ScrollBox1");
  ScrollBox1->setWidgetResizable(true);
  PageControl1 = Named(new QTabWidget, "PageControl1");
  PageControl1->addTab(ElementPage(PageControl1, "TabSheet1", 'm', 0, 15, 15, true, PanelEdits), "面材１");
  PageControl1->addTab(ElementPage(PageControl1, "TabSheet2", 'm', 15, 30, 30, true, PanelEdits), "面材２");
  PageControl1->addTab(ElementPage(PageControl1, "TabSheet3", 'm', 30, 45, 45, true, PanelEdits), "面材３");
  PageControl1->addTab(
      ElementPage(PageControl1, "TabSheet5", 's', 0, BraceTableRows, kShownBraceRows, false, BraceEdits),
      "筋かい");
  PageControl1->addTab(ElementPage(PageControl1, "TabSheet6", 't', 0, MudWallTableRows, kShownMudWallRows,
                                   false, MudWallEdits),
                       "土塗り壁");
  auto* floorPage = Named(new QWidget(PageControl1), "TabSheet4");
  auto* floorColumn = new QVBoxLayout(floorPage);
  floorColumn->addWidget(
      FloorBlock(floorPage, "GroupBox5", "仕様", "y", FirstFloorSpecUserRow, FloorSpecEdits));
  floorColumn->addWidget(
      FloorBlock(floorPage, "GroupBox6", "火打ち", "h", FirstHorizontalBraceUserRow, HorizontalBraceEdits));
  QLabel* note = NewLabel(floorPage, "Label60", "床仕様の定義済みデータは変更出来ません。");
  note->setStyleSheet(QStringLiteral("color: red"));
  floorColumn->addWidget(note);
  floorColumn->addStretch(1);
  PageControl1->addTab(floorPage, "床仕様");
  PageControl1->setCurrentIndex(0);
  ScrollBox1->setWidget(PageControl1);

  QVBoxLayout* right = NewTableEditorFrame(this, "DkabetsuikaDlg", "壁耐力要素の編集", ScrollBox1);
  QGroupBox* defined = NewGroupBox(this, "GroupBox1", "定義済みデータ");
  auto* definedColumn = new QVBoxLayout(defined);
  definedColumn->addWidget(NewLabel(defined, "Label55", "変更の有無"));
  Cmc = NewCheckBox(defined, "Cmc", "面材");
  Csc = NewCheckBox(defined, "Csc", "筋かい");
  Ctc = NewCheckBox(defined, "Ctc", "土塗り壁");
  definedColumn->addWidget(Cmc);
  definedColumn->addWidget(Csc);
  definedColumn->addWidget(Ctc);
  definedColumn->addWidget(NewLabel(defined, "Label56", "No1 と No.2 は"));
  definedColumn->addWidget(NewLabel(defined, "Label57", "変更不可"));
  right->addWidget(defined);

  right->addWidget(NewDataFileBox(this, "壁耐力要素", Bload, Bsave));

  for (const char* line : {"定義済みデータの", "変更は要注意 !!", "壁要素入力後の", "変更は要注意 !!"}) {
    QLabel* warning = new QLabel(QString::fromUtf8(line), this);
    warning->setStyleSheet(QStringLiteral("color: red"));
    right->addWidget(warning);
  }
  right->addStretch(1);
  right->addLayout(NewOkCancelRow(this, *this));

  // Start states: every predefined row locked, the user rows open, row 44 and
  // the first two rows of each table never.
  for (int r = 0; r < PanelTableRows; ++r) EnableRow(PanelEdits[r], PanelRowAlwaysOpen(r));
  for (int r = 0; r < BraceTableRows; ++r) EnableRow(BraceEdits[r], BraceRowAlwaysOpen(r));
  for (int r = 0; r < MudWallTableRows; ++r) EnableRow(MudWallEdits[r], false);

  connect(Cmc, &QCheckBox::clicked, this, &TDkabetsuikaDlg::CmcClick);
  connect(Csc, &QCheckBox::clicked, this, &TDkabetsuikaDlg::CscClick);
  connect(Ctc, &QCheckBox::clicked, this, &TDkabetsuikaDlg::CtcClick);
  connect(Bload, &QPushButton::clicked, this, &TDkabetsuikaDlg::BloadClick);
  connect(Bsave, &QPushButton::clicked, this, &TDkabetsuikaDlg::BsaveClick);
  CloseOnOkCancel(this, &TDkabetsuikaDlg::OKBtnClick);
  resize(594 + 160, 470);
}

void TDkabetsuikaDlg::showEvent(QShowEvent* event) {
  FormShow();
  TCancelableDialog::showEvent(event);
}

void TDkabetsuikaDlg::FormShow() {
  CaptureElementTables(EditedElementTables);
  FillElementTableEdits();
}

void TDkabetsuikaDlg::FillElementTableEdits() {
  ElementTableSet& e = EditedElementTables;
  for (int r = 0; r < PanelTableRows; ++r) FillRow(e.Panels[r], PanelEdits[r]);
  for (int r = 0; r < BraceTableRows; ++r) FillRow(e.Braces[r], BraceEdits[r]);
  for (int r = 0; r < MudWallTableRows; ++r) FillRow(e.MudWalls[r], MudWallEdits[r]);
  for (int i = 0; i < FloorUserRowCount; ++i) {
    ShowWhole(FloorSpecEdits[i][0], FixedText(e.FloorSpecName[i], FloorFactorNameCapacity), 28);
    ShowWhole(FloorSpecEdits[i][1], NumberText("%5.2f", e.FloorSpecFactor[i]), 4);
    ShowWhole(HorizontalBraceEdits[i][0], FixedText(e.HorizontalBraceName[i], FloorFactorNameCapacity), 28);
    ShowWhole(HorizontalBraceEdits[i][1], NumberText("%5.2f", e.HorizontalBraceFactor[i]), 4);
  }
}

bool TDkabetsuikaDlg::ReadElementTableEdits() {
  ElementTableSet& e = EditedElementTables;
  for (int r = 0; r < PanelTableRows; ++r)
    if (!ReadRow(e.Panels[r], PanelEdits[r])) return false;
  for (int r = 0; r < kShownBraceRows; ++r)
    if (!ReadRow(e.Braces[r], BraceEdits[r])) return false;
  for (int r = 0; r < kShownMudWallRows; ++r)
    if (!ReadRow(e.MudWalls[r], MudWallEdits[r])) return false;
  return true;
}

bool TDkabetsuikaDlg::ReadFloorEdits() {
  ElementTableSet& e = EditedElementTables;
  const auto take = [](QLineEdit* const(&edits)[2], double& factor) {
    const std::string caption = edits[0]->text().trimmed().toStdString() + " 倍率";
    return TakeEditNumber(edits[1], "%5.2f", factor, FileNumberBounds.FloorFactor, caption, factor);
  };
  for (int i = 0; i < FloorUserRowCount; ++i) {
    if (!take(FloorSpecEdits[i], e.FloorSpecFactor[i]) ||
        !take(HorizontalBraceEdits[i], e.HorizontalBraceFactor[i]))
      return false;
    CopyToFixed(e.FloorSpecName[i], FloorFactorNameCapacity, FloorSpecEdits[i][0]->text().toStdU16String());
    CopyToFixed(e.HorizontalBraceName[i], FloorFactorNameCapacity,
                HorizontalBraceEdits[i][0]->text().toStdU16String());
  }
  return true;
}

void TDkabetsuikaDlg::CmcClick() {
  for (int r = 0; r < PanelTableRows; ++r)
    if (PanelRowUnlockable(r)) EnableRow(PanelEdits[r], Cmc->isChecked());
}

void TDkabetsuikaDlg::CscClick() {
  for (int r = 0; r < BraceTableRows; ++r)
    if (BraceRowUnlockable(r)) EnableRow(BraceEdits[r], Csc->isChecked());
}

void TDkabetsuikaDlg::CtcClick() {
  for (int r = 0; r < MudWallTableRows; ++r)
    if (MudWallRowUnlockable(r)) EnableRow(MudWallEdits[r], Ctc->isChecked());
}

bool TDkabetsuikaDlg::OKBtnClick() {
  if (!ReadElementTableEdits() || !ReadFloorEdits()) return false;
  if (ApplyElementTables(EditedElementTables)) ModifiedFlag = 1;
  return true;
}

void TDkabetsuikaDlg::BloadClick() {
  const std::optional<std::string> path = AskDataFileToLoad(kDataFileFilter);
  if (!path) return;
  ElementTableSet loaded = EditedElementTables;
  if (!ReportDataFileRead(LoadElementDataFile(*path, loaded),
                          "Brenvik2012の\n\nデータファイルではありません。"))
    return;
  TakeLoadedElementData(loaded, Cmc->isChecked(), Csc->isChecked(), Ctc->isChecked(), EditedElementTables);
  FillElementTableEdits();
}

void TDkabetsuikaDlg::BsaveClick() {
  if (!ReadElementTableEdits()) return;
  const std::optional<std::string> path = AskDataFileToSave(kDataFileFilter, "yd1");
  if (path) SaveDataFile(*path, WriteElementDataFile(EditedElementTables));
}
