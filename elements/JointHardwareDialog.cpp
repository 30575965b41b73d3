#include "elements/JointHardwareDialog.h"

#include <QColor>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "elements/TableEdits.h"
#include "files/JointHardwareFile.h"
#include "model/FileState.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/qt/FileDialogs.h"

JointHardwareRow EditedJointHardwareTable[JointHardwareTableRows];

namespace {

const char* const kDataFileFilter = "要素データファイル (*.yd2)|*.yd2|全てのファイル (*.*)|*.*";
constexpr int kHalfRows = 15;
constexpr int kNameTyped = JointHardwareNameCapacity - 1;
constexpr int kSymbolTyped = JointHardwareSymbolCapacity - 1;
constexpr int kTensionTyped = 8;

}  // namespace

TsetsuDlg::TsetsuDlg(QWidget* parent) : TCancelableDialog(parent) {
  // Two halves of fifteen rows: 金物No., 名称, 記号, Ｔa.
  Panel1 = Named(new QWidget(this), "Panel1");
  Panel1->setAutoFillBackground(true);
  QPalette antiqueWhite = Panel1->palette();
  antiqueWhite.setColor(QPalette::Window, QColor(250, 235, 215));
  Panel1->setPalette(antiqueWhite);
  auto* grid = new QGridLayout(Panel1);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(2);
  const char* const headings[2][4] = {{"Label1", "Label2", "Label3", "Label4"},
                                      {"Label20", "Label36", "Label37", "Label43"}};
  const char* const captions[4] = {"金物No.", "名称", "記号", "Ｔa"};
  for (int half = 0; half < 2; ++half) {
    const int column = half * 5;
    for (int c = 0; c < 4; ++c)
      grid->addWidget(NewLabel(Panel1, headings[half][c], captions[c]), 0, column + c);
    for (int i = 0; i < kHalfRows; ++i) {
      const int r = half * kHalfRows + i;
      grid->addWidget(new QLabel(QStringLiteral("No.%1").arg(r + 1), Panel1), i + 1, column);
      Em[r] = NewCellEdit(Panel1, QStringLiteral("Em%1").arg(r + 1), 140);
      Ek[r] = NewCellEdit(Panel1, QStringLiteral("Ek%1").arg(r + 1), 44);
      Et[r] = NewCellEdit(Panel1, QStringLiteral("Et%1").arg(r + 1), 48);
      Em[r]->setMaxLength(kNameTyped);
      Ek[r]->setMaxLength(kSymbolTyped);
      Et[r]->setMaxLength(kTensionTyped);
      grid->addWidget(Em[r], i + 1, column + 1);
      grid->addWidget(Ek[r], i + 1, column + 2);
      grid->addWidget(Et[r], i + 1, column + 3);
    }
  }
  grid->setColumnMinimumWidth(4, 10);
  grid->setRowStretch(kHalfRows + 1, 1);

  QVBoxLayout* right = NewTableEditorFrame(this, "setsuDlg", "柱頭・柱脚接合部金物の編集", Panel1);
  right->addWidget(NewLabel(this, "Label39", "Ｔa：短期許容引張耐力"));
  for (const char* name : {"Label121", "Label122"}) {
    QLabel* warning =
        NewLabel(this, name, name == std::string("Label121") ? "金物入力後の" : "変更は要注意 !!");
    warning->setStyleSheet(QStringLiteral("color: red"));
    right->addWidget(warning);
  }
  QGroupBox* range = NewGroupBox(this, "GroupBox1", "編集範囲");
  auto* rangeColumn = new QVBoxLayout(range);
  Rsetsu0 = Named(new QRadioButton(QStringLiteral("全ての金物"), range), "Rsetsu0");
  Rsetsu1 = Named(new QRadioButton(QStringLiteral("ﾕｰｻﾞｰ定義のみ"), range), "Rsetsu1");
  Rsetsu1->setChecked(true);
  rangeColumn->addWidget(Rsetsu0);
  rangeColumn->addWidget(Rsetsu1);
  right->addWidget(range);
  right->addWidget(NewDataFileBox(this, "接合部金物", Bload, Bsave));
  right->addStretch(1);
  right->addLayout(NewOkCancelRow(this, *this));

  Rsetsu1Click();
  connect(Rsetsu0, &QRadioButton::clicked, this, &TsetsuDlg::Rsetsu0Click);
  connect(Rsetsu1, &QRadioButton::clicked, this, &TsetsuDlg::Rsetsu1Click);
  connect(Bload, &QPushButton::clicked, this, &TsetsuDlg::BloadClick);
  connect(Bsave, &QPushButton::clicked, this, &TsetsuDlg::BsaveClick);
  CloseOnOkCancel(this, &TsetsuDlg::OKBtnClick);
  FitToClientSize(this, 734, 472);
}

void TsetsuDlg::showEvent(QShowEvent* event) {
  FormShow();
  TCancelableDialog::showEvent(event);
}

void TsetsuDlg::FormShow() {
  for (int r = 0; r < JointHardwareTableRows; ++r) EditedJointHardwareTable[r] = JointHardwareTable[r];
  FillJointHardwareEdits();
}

void TsetsuDlg::FillJointHardwareEdits() {
  for (int r = 0; r < JointHardwareTableRows; ++r) {
    const JointHardwareRow& row = EditedJointHardwareTable[r];
    ShowWhole(Em[r], FixedText(row.Name, JointHardwareNameCapacity), kNameTyped);
    ShowWhole(Ek[r], FixedText(row.Symbol, JointHardwareSymbolCapacity), kSymbolTyped);
    ShowWhole(Et[r], NumberText("%5.2f", row.AllowableTension), kTensionTyped);
  }
}

bool TsetsuDlg::ReadJointHardwareEdits() {
  const int first = Rsetsu0->isChecked() ? 0 : FirstJointHardwareUserRow;
  for (int r = first; r < JointHardwareTableRows; ++r) {
    JointHardwareRow& row = EditedJointHardwareTable[r];
    const std::string caption = Em[r]->text().trimmed().toStdString() + " 引張耐力";
    if (!TakeEditNumber(Et[r], "%5.2f", row.AllowableTension, FileNumberBounds.HardwareTension, caption,
                        row.AllowableTension))
      return false;
    CopyToFixed(row.Name, JointHardwareNameCapacity, Em[r]->text().toStdU16String());
    CopyToFixed(row.Symbol, JointHardwareSymbolCapacity, Ek[r]->text().toStdU16String());
  }
  return true;
}

void TsetsuDlg::Rsetsu0Click() {
  for (int r = 0; r < FirstJointHardwareUserRow; ++r)
    for (QLineEdit* edit : {Em[r], Ek[r], Et[r]}) edit->setEnabled(true);
}

void TsetsuDlg::Rsetsu1Click() {
  for (int r = 0; r < FirstJointHardwareUserRow; ++r)
    for (QLineEdit* edit : {Em[r], Ek[r], Et[r]}) edit->setEnabled(false);
}

bool TsetsuDlg::OKBtnClick() {
  if (!ReadJointHardwareEdits()) return false;
  bool changed = false;
  for (int r = 0; r < JointHardwareTableRows; ++r) {
    changed = changed || !(JointHardwareTable[r] == EditedJointHardwareTable[r]);
    JointHardwareTable[r] = EditedJointHardwareTable[r];
  }
  if (changed) ModifiedFlag = 1;
  return true;
}

void TsetsuDlg::BloadClick() {
  const std::optional<std::string> path = AskDataFileToLoad(kDataFileFilter);
  if (!path || !ReportDataFileRead(LoadJointHardwareFile(*path, EditedJointHardwareTable),
                                   "Brenvik2025の\n\n金物データファイルではありません。"))
    return;
  FillJointHardwareEdits();
}

void TsetsuDlg::BsaveClick() {
  if (!ReadJointHardwareEdits()) return;
  const std::optional<std::string> path = AskDataFileToSave(kDataFileFilter, "yd2");
  if (path) SaveDataFile(*path, WriteJointHardwareFile(EditedJointHardwareTable));
}
