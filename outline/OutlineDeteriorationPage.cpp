// The outline dialog's deterioration page: the answers of the survey, part by
// part, and the rules between them.
#include "outline/OutlineDialog.h"
#include "outline/OutlinePageKit.h"

using namespace outline_page;

namespace {

QGroupBox* AnswerSettingBox(QWidget* parent, int entry) {
  return SettingBox(parent, AnswerGroup(entry), kDeteriorationColour);
}

}  // namespace

void TgaiyouDlg::BuildDeteriorationPage() {
  TabSheet20 = Named(new QWidget, "TabSheet20");
  auto* page = new QGridLayout(TabSheet20);
  BuildOuterAnswers(page);
  BuildInnerAnswers(page);

  exposed_.OnChecked(this, [this](int code) { code == 0 ? Eroshutsu0Click() : Eroshutsu1Click(); });
  answers_[kBalcony].OnChecked(this, [this](int code) { code == 0 ? Ebaruko0Click() : Ebaruko1Click(); });
  connect(answers_[10].Radio(BathroomAbsent), &QRadioButton::clicked, this, &TgaiyouDlg::EyokutaixClick);
}

// An answer's box with its radios in a row or a column.
QGroupBox* TgaiyouDlg::AnswerBox(QWidget* parent, int entry, Qt::Orientation direction) {
  QGroupBox* group = AnswerSettingBox(parent, entry);
  QBoxLayout* radios =
      direction == Qt::Horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(group)) : new QVBoxLayout(group);
  answers_[entry] = Radios(AnswerGroup(entry), group, radios);
  return group;
}

// A caption and the edit of a deterioration text in cells (row, column) and
// (row, column + 1) of grid.
void TgaiyouDlg::DeteriorationText(QWidget* parent, QGridLayout* grid, int entry, const char* caption,
                                   int row, int column) {
  grid->addWidget(Label(parent, caption), row, column);
  DeteriorationEdit[entry] = BoundEdit(parent, OutlineDeteriorationTexts[entry]);
  grid->addWidget(DeteriorationEdit[entry], row, column + 1);
}

// Roof, outer wall, gutters, exposed frame and balcony.
void TgaiyouDlg::BuildOuterAnswers(QGridLayout* page) {
  // Roof and outer wall: finish, answer, place, state.
  for (int part = 0; part < 2; ++part) {
    const int entry = part == 0 ? 0 : 3;
    QGroupBox* group = AnswerSettingBox(TabSheet20, entry);
    auto* grid = new QGridLayout(group);
    auto* radios = new QHBoxLayout;
    answers_[entry] = Radios(AnswerGroup(entry), group, radios);
    if (part == 0) {
      DeteriorationText(group, grid, 0, "仕上げ", 0, 0);
      grid->addWidget(Label(group, "劣化"), 0, 2);
      grid->addLayout(radios, 0, 3);
      DeteriorationText(group, grid, 1, "場所", 1, 0);
      DeteriorationText(group, grid, 2, "状況", 1, 2);
    } else {
      DeteriorationText(group, grid, 3, "下地", 0, 0);
      grid->addWidget(Label(group, "(不明は無記入)"), 0, 2);
      DeteriorationText(group, grid, 4, "仕上げ", 1, 0);
      grid->addWidget(Label(group, "劣化"), 1, 2);
      grid->addLayout(radios, 1, 3);
      DeteriorationText(group, grid, 5, "場所", 2, 0);
      DeteriorationText(group, grid, 6, "状況", 2, 2);
    }
    page->addWidget(group, part == 0 ? 0 : 2, 0);
  }

  // Gutters and downspouts.
  QGroupBox* GBox23 = Coloured(NewGroupBox(TabSheet20, "GBox23", "樋"), kDeteriorationColour);
  auto* gutters = new QVBoxLayout(GBox23);
  for (int entry : {1, 2}) {
    QGroupBox* group = AnswerSettingBox(GBox23, entry);
    auto* grid = new QGridLayout(group);
    answers_[entry] = Radios(AnswerGroup(entry), group, nullptr);
    const int codes[] = {AnswerSound, AnswerRepaired, AnswerFound, AnswerPartAbsent};
    for (int i = 0; i < 4; ++i) grid->addWidget(answers_[entry].Radio(codes[i]), i / 2, i % 2);
    gutters->addWidget(group);
  }
  page->addWidget(GBox23, 1, 0);

  // The exposed frame.
  QGroupBox* GBox24 = AnswerSettingBox(TabSheet20, kExposedFrame);
  auto* frame = new QVBoxLayout(GBox24);
  auto* frameChoice = new QHBoxLayout;
  exposed_ = RadioRow(GBox24);
  frameChoice->addWidget(exposed_.Add(GBox24, "Eroshutsu0", "露出した躯体無し", 0));
  Eroshutsu1 = exposed_.Add(GBox24, "Eroshutsu1", "露出した躯体有り", 1);
  frameChoice->addWidget(Eroshutsu1);
  frame->addLayout(frameChoice);
  QGroupBox* GroupBox28 = NewGroupBox(GBox24, "GroupBox28", "劣化");
  auto* frameAnswers = new QVBoxLayout(GroupBox28);
  answers_[kExposedFrame] = RadioRow(GroupBox28);
  for (const SettingChoice& c : OutlineRadioSetting(AnswerGroup(kExposedFrame)).Choices)
    if (c.Value != ExposedFrameNone)
      frameAnswers->addWidget(answers_[kExposedFrame].Add(GroupBox28, c.Radio[0], c.Caption, c.Value));
  frame->addWidget(GroupBox28, 1);
  page->addWidget(GBox24, 3, 0);

  // The balcony.
  QGroupBox* GBox25 = AnswerSettingBox(TabSheet20, kBalcony);
  auto* balcony = new QGridLayout(GBox25);
  answers_[kBalcony] = Radios(AnswerGroup(kBalcony), GBox25, nullptr);
  balcony->addWidget(answers_[kBalcony].Radio(0), 0, 0);
  balcony->addWidget(answers_[kBalcony].Radio(1), 0, 1);
  DeteriorationText(GBox25, balcony, 7, "材質", 0, 2);
  for (int entry = 6; entry <= 8; ++entry)
    balcony->addWidget(AnswerBox(GBox25, entry, Qt::Vertical), entry - 5, 0, 1, 4);
  page->addWidget(GBox25, 0, 1, 2, 1);
}

// Inner walls, bathroom, floors and under-floor members.
void TgaiyouDlg::BuildInnerAnswers(QGridLayout* page) {
  // Inner walls.
  QGroupBox* GBox26 = AnswerSettingBox(TabSheet20, 9);
  auto* inner = new QGridLayout(GBox26);
  auto* innerRadios = new QHBoxLayout;
  answers_[9] = Radios(AnswerGroup(9), GBox26, innerRadios);
  DeteriorationText(GBox26, inner, 8, "仕上げ", 0, 0);
  DeteriorationText(GBox26, inner, 9, "下地", 0, 2);
  inner->addWidget(Label(GBox26, "(不明は無記入)"), 0, 4);
  inner->addLayout(innerRadios, 1, 0, 1, 5);
  DeteriorationText(GBox26, inner, 10, "場所", 2, 0);
  page->addWidget(GBox26, 4, 0);

  // The bathroom; its 下地 edit is bound to nothing.
  QGroupBox* GBox27 = Coloured(NewGroupBox(TabSheet20, "GBox27", "内壁（浴室）"), kDeteriorationColour);
  auto* bath = new QGridLayout(GBox27);
  for (int entry : {10, 11}) bath->addWidget(AnswerBox(GBox27, entry, Qt::Horizontal), 0, entry - 10);
  Eyokurek10 = NewCheckBox(GBox27, "Eyokurek10", "タイル壁：目地の亀裂、タイルの割れがある");
  Eyokurek11 = NewCheckBox(GBox27, "Eyokurek11", "タイル以外：水侵み痕、変色、亀裂、カビ、腐朽、蟻害がある");
  bath->addWidget(Eyokurek10, 1, 0, 1, 2);
  bath->addWidget(Eyokurek11, 2, 0, 1, 2);
  auto* Enairekkaj = Named(new QLineEdit(GBox27), "Enairekkaj");
  Enairekkaj->setMaxLength(40);
  bath->addWidget(Label(GBox27, "下地"), 3, 0);
  bath->addWidget(Enairekkaj, 3, 1);
  bath->addWidget(Label(GBox27, "(不明は無記入)"), 3, 2);
  page->addWidget(GBox27, 2, 1);

  // Floors and under-floor members.
  QGroupBox* GBox31 = Coloured(NewGroupBox(TabSheet20, "GBox31", "床面　床下"), kDeteriorationColour);
  auto* floors = new QVBoxLayout(GBox31);
  for (int entry : {14, 15}) floors->addWidget(AnswerBox(GBox31, entry, Qt::Horizontal));
  page->addWidget(GBox31, 3, 1);
  QGroupBox* GBox33 = AnswerSettingBox(TabSheet20, 16);
  auto* underFloor = new QGridLayout(GBox33);
  answers_[16] = Radios(AnswerGroup(16), GBox33, nullptr);
  underFloor->addWidget(answers_[16].Radio(AnswerSound), 0, 0);
  underFloor->addWidget(answers_[16].Radio(AnswerRepaired), 0, 1);
  underFloor->addWidget(answers_[16].Radio(AnswerFound), 1, 0, 1, 2);
  page->addWidget(GBox33, 4, 1);
}

void TgaiyouDlg::Eroshutsu1Click() {
  for (int code = ExposedFrameSound; code <= ExposedFrameRepaired; ++code)
    answers_[kExposedFrame].Radio(code)->setEnabled(true);
  answers_[kExposedFrame].SetCode(ExposedFrameSound);
}

void TgaiyouDlg::Eroshutsu0Click() {
  answers_[kExposedFrame].SetCode(-1);
  for (int code = ExposedFrameSound; code <= ExposedFrameRepaired; ++code)
    answers_[kExposedFrame].Radio(code)->setEnabled(false);
}

void TgaiyouDlg::Ebaruko1Click() {
  for (int entry = 6; entry <= 8; ++entry) {
    for (int code = AnswerSound; code <= AnswerRepaired; ++code)
      answers_[entry].Radio(code)->setEnabled(true);
    answers_[entry].SetCode(AnswerSound);
  }
}

void TgaiyouDlg::Ebaruko0Click() {
  for (int entry = 6; entry <= 8; ++entry) {
    answers_[entry].SetCode(-1);
    for (int code = AnswerSound; code <= AnswerRepaired; ++code)
      answers_[entry].Radio(code)->setEnabled(false);
  }
}

void TgaiyouDlg::EyokutaixClick() { answers_[11].SetCode(AnswerSound); }
