#include "elements/WallControls.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "model/ElementTables.h"
#include "platform/Format.h"
#include "platform/Numeric.h"
#include "platform/qt/NumberEdits.h"

namespace {

constexpr const char* kFilledText = "filledText";
constexpr const char* kFilledValue = "filledValue";

QLineEdit* NewEdit(QWidget* parent, const char* name) {
  auto* edit = Named(new QLineEdit(QStringLiteral("0"), parent), name);
  edit->setAlignment(Qt::AlignRight);
  edit->setFixedWidth(40);
  return edit;
}

QComboBox* NewList(QWidget* parent, const char* name, const QStringList& items = {}) {
  auto* list = Named(new QComboBox(parent), name);
  list->setEditable(false);
  list->addItems(items);
  if (!items.isEmpty()) list->setCurrentIndex(0);
  return list;
}

// A long table list keeps a modest width; its drop-down shows the whole names.
void KeepNarrow(QComboBox* list, int characters) {
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(characters);
}

void SetItems(QComboBox* list, const QStringList& items) {
  const QSignalBlocker blocker(list);
  list->clear();
  list->addItems(items);
  int widest = 0;
  const QFontMetrics metrics(list->font());
  for (const QString& item : items) widest = std::max(widest, metrics.horizontalAdvance(item));
  list->view()->setMinimumWidth(widest + 30);
}

// A list position from code; a position outside the list selects nothing.
void ShowPosition(QComboBox* list, int32_t position) {
  list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

int32_t PositionOr(const QComboBox* list, int32_t keep) {
  const int position = list->currentIndex();
  return position >= 0 ? position : keep;
}

QString Utf16(const char16_t* text) { return QString::fromUtf16(text); }

QLabel* Caption(QWidget* parent, const char* text) { return new QLabel(QString::fromUtf8(text), parent); }

// A row "caption [edit] unit".
QHBoxLayout* EditRow(QWidget* parent, const char* caption, QLineEdit* edit, const char* unit) {
  auto* row = new QHBoxLayout;
  if (caption) row->addWidget(Caption(parent, caption));
  row->addWidget(edit);
  if (unit) row->addWidget(Caption(parent, unit));
  row->addStretch();
  return row;
}

// Three radios of one deterioration part, 0 なし, 1 部分, 2 劣化 (the frame:
// 0 劣化, 1 部分, 2 なし), in the order the form gives.
RadioRow PartRadios(QGroupBox* box, bool horizontal, std::initializer_list<RadioItem> items) {
  QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                  : static_cast<QBoxLayout*>(new QVBoxLayout(box));
  RadioRow row(box);
  row.Add(box, layout, items);
  return row;
}

// The dialog's panel deterioration: two radios a row, to keep the panel groups low.
RadioRow PanelPartRadios(QGroupBox* box, std::initializer_list<RadioItem> items) {
  RadioRow row(box);
  row.Add(box, new QGridLayout(box), items);
  return row;
}

}  // namespace

void FitWallForm(QWidget* form, int width, int height) {
  FitToClientSize(form, width, height);
  form->layout()->activate();
  const QSize needed = form->minimumSizeHint();
  form->setFixedSize(std::max(width, needed.width()), std::max(height, needed.height()));
}

QStringList WallFittingItems() {
  return {QStringLiteral("簡易表示"),   QStringLiteral("引き違い"), QStringLiteral("１本引き"),
          QStringLiteral("４本引違"),   QStringLiteral("３本引き"), QStringLiteral("片開き"),
          QStringLiteral("両開き"),     QStringLiteral("片折れ戸"), QStringLiteral("両折れ戸"),
          QStringLiteral("スクリーン"), QStringLiteral("出窓2"),    QStringLiteral("出窓4")};
}

QStringList WallPanelItems() {
  QStringList items;
  for (const PanelSpecRow& row : PanelTable) items << Utf16(row.Symbol) + QLatin1Char(' ') + Utf16(row.Name);
  return items;
}

QStringList WallBraceItems() {
  QStringList items;
  for (int row = 0; row <= 12; ++row)
    if (row != 5 && row != 7) items << Utf16(BraceTable[row].Name);
  return items;
}

QStringList WallMudWallItems() {
  QStringList items;
  for (int row = 0; row <= 5; ++row) items << Utf16(MudWallTable[row].Name);
  return items;
}

void ShowNumber(QLineEdit* edit, const char* format, double value) {
  const QString text = QString::fromStdString(FormatA(format, value));
  // Set before the text, so that the edit's change handler reads the exact value.
  edit->setProperty(kFilledText, text);
  edit->setProperty(kFilledValue, value);
  edit->setText(text);
}

FilledNumber FilledIn(const QLineEdit* edit) {
  const QVariant text = edit->property(kFilledText);
  if (!text.isValid()) return {0.0, "0"};  // as a new edit shows
  return {edit->property(kFilledValue).toDouble(), text.toString().toStdString()};
}

namespace {

// The wall kind: the opening radios and the wall height.
void AddKindBox(WallSettingControls& c, QWidget* parent) {
  c.Gshurui = NewGroupBox(parent, "Gshurui", "壁の種類");
  auto* kind = new QGridLayout(c.Gshurui);
  c.Opening = RadioRow(c.Gshurui);
  c.Opening.Add(c.Gshurui, kind,
                {{"Rmukaikou", "無開口", 0, &c.Rmukaikou, 0, 0},
                 {"Rmado", "窓（垂壁腰壁）", 1, &c.Rmado, 0, 1},
                 {"Rto", "戸（垂れ壁付）", 2, &c.Rto, 1, 1},
                 {"Rzenkaikou", "全開口", 3, &c.Rzenkaikou, 1, 0}});
  c.Rmukaikou->setChecked(true);
  c.Ctairyokunashi = NewCheckBox(c.Gshurui, "Ctairyokunashi", "耐力無");
  c.Ctairyokunashi->setVisible(false);
  c.Etakasa = NewEdit(c.Gshurui, "Etakasa");
  kind->addLayout(EditRow(c.Gshurui, "壁の高さ", c.Etakasa, "ｍ （0:階高）"), 2, 0, 1, 2);
}

// The fitting shown, the wing walls and the flips (laid out narrower in the palette).
void AddFittingBox(WallSettingControls& c, QWidget* parent, bool palette) {
  c.Ghyouji = NewGroupBox(parent, "Ghyouji", "表示");
  auto* fitting = new QGridLayout(c.Ghyouji);
  c.Cishou = NewList(c.Ghyouji, "Cishou", WallFittingItems());
  c.Cishou->setMaxVisibleItems(12);
  fitting->addWidget(Caption(c.Ghyouji, "建具"), 0, 0);
  fitting->addWidget(c.Cishou, 0, 1, 1, 3);
  c.Ehidari = NewEdit(c.Ghyouji, "Ehidari");
  c.Emigi = NewEdit(c.Ghyouji, "Emigi");
  // The wing walls on one row in the dialog, on two in the narrower palette.
  auto* wings = new QGridLayout;
  wings->addWidget(Caption(c.Ghyouji, "始点側"), 0, 0);
  wings->addWidget(c.Ehidari, 0, 1);
  wings->addWidget(Caption(c.Ghyouji, "終点側"), palette ? 1 : 0, palette ? 0 : 2);
  wings->addWidget(c.Emigi, palette ? 1 : 0, palette ? 1 : 3);
  wings->addWidget(Caption(c.Ghyouji, "ｍ"), palette ? 1 : 0, palette ? 2 : 4);
  wings->setColumnStretch(palette ? 3 : 5, 1);
  fitting->addWidget(Caption(c.Ghyouji, "袖壁"), 1, 0, Qt::AlignTop);
  fitting->addLayout(wings, 1, 1, 1, palette ? 3 : 5);
  c.Cnaigai = NewCheckBox(c.Ghyouji, "Cnaigai", "内外");
  c.Csayuu = NewCheckBox(c.Ghyouji, "Csayuu", "左右");
  auto* flips = new QHBoxLayout;
  flips->addWidget(c.Cnaigai);
  flips->addWidget(c.Csayuu);
  flips->addStretch();
  // The flips under the wing walls in the palette, beside the fitting in the dialog.
  fitting->addWidget(Caption(c.Ghyouji, "反転"), palette ? 2 : 0, palette ? 0 : 4);
  fitting->addLayout(flips, palette ? 2 : 0, palette ? 1 : 5, 1, palette ? 3 : 1);
}

// The wall weight: light, heavy or its own value.
void AddWeightBox(WallSettingControls& c, QWidget* parent, bool palette) {
  c.Gomosa = NewGroupBox(parent, "Gomosa", "壁の重さ");
  c.Gomosa->setToolTip(palette ? QStringLiteral("荷重拾いの場合は要設定。")
                               : QStringLiteral("建築基準法に準拠の場合は要設定"));
  auto* weight = new QGridLayout(c.Gomosa);
  c.Weight = RadioRow(c.Gomosa);
  c.Weight.Add(c.Gomosa, weight,
               {{"Romosa1", "軽い", 0, &c.Romosa1, 0, 0},
                {"Romosa2", "重い", 1, &c.Romosa2, 0, 1},
                {"Romosa0", "個別", 2, &c.Romosa0, 0, 2}});
  c.Romosa1->setChecked(true);
  c.Romosa1->setToolTip(QStringLiteral("軽い壁（外周壁：600 N/㎡、間仕切り壁：200 N/㎡）"));
  c.Romosa2->setToolTip(QStringLiteral("重い壁（外周壁：1,000 N/㎡、間仕切り壁：950 N/㎡）"));
  c.Romosa0->setToolTip(QStringLiteral("個別の壁荷重を入力"));
  c.Eomosa = NewEdit(c.Gomosa, "Eomosa");
  weight->addLayout(EditRow(c.Gomosa, nullptr, c.Eomosa, "N/㎡"), 1, 0, 1, 3);
}

// The two panel boxes (upper/left and lower/right), each with its furring and height.
void AddPanelBoxes(WallSettingControls& c, QWidget* parent, bool palette) {
  const QStringList furrings = {QStringLiteral("直張り"),
                                palette ? QStringLiteral("胴縁N75") : QStringLiteral("胴縁75"),
                                QStringLiteral("胴縁")};
  auto panelGroup = [&](const char* name, const char* caption, const char* list, const char* furring,
                        const char* height, QComboBox** panel, QComboBox** furringList, QLineEdit** edit) {
    QGroupBox* box = NewGroupBox(parent, name, caption);
    auto* layout = new QGridLayout(box);
    *panel = NewList(box, list);
    KeepNarrow(*panel, 12);
    (*panel)->setMaxVisibleItems(45);
    *furringList = NewList(box, furring, furrings);
    *edit = NewEdit(box, height);
    layout->addWidget(*panel, 0, 0, 1, 4);
    layout->addWidget(*furringList, 1, 0);
    layout->addWidget(Caption(box, "面材高さ"), 1, 1);
    layout->addWidget(*edit, 1, 2);
    layout->addWidget(Caption(box, "ｍ （0:全高）"), 1, 3);
    return box;
  };
  c.Glum = panelGroup("Glum", "左上面材", "Cmenzai1", "Cludoubuchi", "Elutakasa", &c.Cmenzai1, &c.Cludoubuchi,
                      &c.Elutakasa);
  c.Grdm = panelGroup("Grdm", "右下面材", "Cmenzai2", "Crddoubuchi", "Erdtakasa", &c.Cmenzai2, &c.Crddoubuchi,
                      &c.Erdtakasa);
}

// The mud wall and the brace with its arrangement, height and end joint.
void AddMudWallAndBraceBoxes(WallSettingControls& c, QWidget* parent) {
  c.Gtsuchi = NewGroupBox(parent, "Gtsuchi", "土壁");
  auto* mud = new QVBoxLayout(c.Gtsuchi);
  c.Ctsuchi = NewList(c.Gtsuchi, "Ctsuchi");
  KeepNarrow(c.Ctsuchi, 8);
  c.Etsuchitakasa = NewEdit(c.Gtsuchi, "Etsuchitakasa");
  mud->addWidget(c.Ctsuchi);
  mud->addLayout(EditRow(c.Gtsuchi, "塗られている高さ", c.Etsuchitakasa, "ｍ （0:全面）"));

  c.Gsuji = NewGroupBox(parent, "Gsuji", "筋かい");
  auto* brace = new QGridLayout(c.Gsuji);
  c.Csuji = NewList(c.Gsuji, "Csuji");
  c.Csuji->setMaxVisibleItems(11);
  KeepNarrow(c.Csuji, 8);
  brace->addWidget(c.Csuji, 0, 0);
  c.Arrangement = RadioRow(c.Gsuji);
  auto* arrangement = new QHBoxLayout;
  c.Arrangement.Add(c.Gsuji, arrangement,
                    {{"Rkatasuji", "一方向", 0, &c.Rkatasuji}, {"Rtasuki", "たすき掛け", 1, &c.Rtasuki}});
  c.Rkatasuji->setChecked(true);
  brace->addLayout(arrangement, 0, 1);
  c.Esujitakasa = NewEdit(c.Gsuji, "Esujitakasa");
  brace->addLayout(EditRow(c.Gsuji, "筋かい高さ", c.Esujitakasa, "ｍ （0:階高）"), 1, 0, 1, 2);
  c.GroupBox1 = NewGroupBox(c.Gsuji, "GroupBox1", "端部");
  auto* ends = new QGridLayout(c.GroupBox1);
  c.EndJoint = RadioRow(c.GroupBox1);
  c.EndJoint.Add(c.GroupBox1, ends,
                 {{"Rkugi", "くぎ打", 0, &c.Rkugi, 0, 0},
                  {"R15", "1.5", 1, &c.R15, 0, 1},
                  {"R20", "2.0", 2, &c.R20, 1, 1},
                  {"Rkitei", "規定", 3, &c.Rkitei, 1, 0}});
  c.Rkugi->setChecked(true);
  brace->addWidget(c.GroupBox1, 0, 2, 2, 1);
}

// The deterioration answers: four part boxes in the palette, frame, core and panel boxes in the dialog.
void AddDeteriorationBoxes(WallSettingControls& c, QWidget* parent, bool palette) {
  // Deterioration.
  if (palette) {
    c.Grekka = NewGroupBox(parent, "Grekka", "劣化");
    auto* parts = new QGridLayout(c.Grekka);
    auto part = [&](const char* name, const char* caption, int row, int column) {
      QGroupBox* box = NewGroupBox(c.Grekka, name, caption);
      parts->addWidget(box, row, column);
      return box;
    };
    c.Glmen = part("Glmen", "左上面材", 1, 0);
    c.LeftPanel = PartRadios(c.Glmen, true,
                             {{"Rlmen2", "劣化", 2, &c.Rlmen2},
                              {"Rlmen1", "部分", 1, &c.Rlmen1},
                              {"Rlmen0", "なし", 0, &c.Rlmen0}});
    c.Gshinzai = part("Gshinzai", "心材(土壁･筋かい)", 1, 1);
    c.Core = PartRadios(c.Gshinzai, true,
                        {{"Rshin2", "劣化", 2, &c.Rshin2},
                         {"Rshin1", "部分", 1, &c.Rshin1},
                         {"Rshin0", "なし", 0, &c.Rshin0}});
    c.Grmen = part("Grmen", "右下面材", 2, 0);
    c.RightPanel = PartRadios(c.Grmen, true,
                              {{"Rrmen2", "劣化", 2, &c.Rrmen2},
                               {"Rrmen1", "部分", 1, &c.Rrmen1},
                               {"Rrmen0", "なし", 0, &c.Rrmen0}});
    c.Gjikugumi = part("Gjikugumi", "軸組", 2, 1);
    c.Frame = PartRadios(c.Gjikugumi, true,
                         {{"Rzentai", "劣化", 0, &c.Rzentai},
                          {"Rbubun", "部分", 1, &c.Rbubun},
                          {"Rnashi", "なし", 2, &c.Rnashi}});
  } else {
    c.Grekka = NewGroupBox(parent, "Grekka", "軸組劣化");
    c.Frame = PartRadios(c.Grekka, false,
                         {{"Rzentai", "劣化", 0, &c.Rzentai},
                          {"Rnashi", "なし", 2, &c.Rnashi},
                          {"Rbubun", "部分", 1, &c.Rbubun}});
    c.Gshinzai = NewGroupBox(parent, "Gshinzai", "心材劣化");
    c.Core = PartRadios(c.Gshinzai, false,
                        {{"Rshin2", "劣化", 2, &c.Rshin2},
                         {"Rshin0", "なし", 0, &c.Rshin0},
                         {"Rshin1", "部分", 1, &c.Rshin1}});
    c.Glmen = NewGroupBox(c.Glum, "Glmen", "面材劣化");
    c.LeftPanel = PanelPartRadios(c.Glmen, {{"Rlmen2", "劣化", 2, &c.Rlmen2, 0, 0},
                                            {"Rlmen0", "なし", 0, &c.Rlmen0, 0, 1},
                                            {"Rlmen1", "部分", 1, &c.Rlmen1, 1, 0}});
    static_cast<QGridLayout*>(c.Glum->layout())->addWidget(c.Glmen, 0, 4, 2, 1);
    c.Grmen = NewGroupBox(c.Grdm, "Grmen", "面材劣化");
    c.RightPanel = PanelPartRadios(c.Grmen, {{"Rrmen2", "劣化", 2, &c.Rrmen2, 0, 0},
                                             {"Rrmen0", "なし", 0, &c.Rrmen0, 0, 1},
                                             {"Rrmen1", "部分", 1, &c.Rrmen1, 1, 0}});
    static_cast<QGridLayout*>(c.Grdm->layout())->addWidget(c.Grmen, 0, 4, 2, 1);
  }
  c.Rnashi->setChecked(true);
  c.Rshin0->setChecked(true);
  c.Rlmen0->setChecked(true);
  c.Rrmen0->setChecked(true);
}

}  // namespace

WallSettingControls NewWallSettingControls(QWidget* parent, WallControlsFor form) {
  const bool palette = form == WallControlsFor::Palette;
  WallSettingControls c;

  AddKindBox(c, parent);
  AddFittingBox(c, parent, palette);
  AddWeightBox(c, parent, palette);
  AddPanelBoxes(c, parent, palette);
  AddMudWallAndBraceBoxes(c, parent);
  AddDeteriorationBoxes(c, parent, palette);
  return c;
}

void WallSettingControls::FillLists() const {
  SetItems(Cmenzai1, WallPanelItems());
  SetItems(Cmenzai2, WallPanelItems());
  FillShortLists();
}

void WallSettingControls::FillShortLists() const {
  SetItems(Csuji, WallBraceItems());
  SetItems(Ctsuchi, WallMudWallItems());
}

void WallSettingControls::ShowDeterioration(int32_t code) const {
  Frame.SetCode(DeteriorationPartOf(code, DeteriorationFrame));
  Core.SetCode(DeteriorationPartOf(code, DeteriorationCore));
  LeftPanel.SetCode(DeteriorationPartOf(code, DeteriorationLeftPanel));
  RightPanel.SetCode(DeteriorationPartOf(code, DeteriorationRightPanel));
}

int32_t WallSettingControls::DeteriorationCode(int32_t keep) const {
  int32_t code = keep < 0 || keep > 255 ? 2 : keep;
  const RadioRow* rows[] = {&Frame, &Core, &LeftPanel, &RightPanel};
  for (int32_t part = 0; part < 4; ++part)
    code = WithDeteriorationPart(code, part, rows[part]->Code(DeteriorationPartOf(code, part)));
  return code;
}

void WallSettingControls::ClearFittings() const {
  Cishou->setCurrentIndex(0);
  Cnaigai->setChecked(false);
  Csayuu->setChecked(false);
  ShowNumber(Ehidari, "%4.2f", 0.0);
  ShowNumber(Emigi, "%4.2f", 0.0);
  EnableFittings(false);
}

void WallSettingControls::EnableFittings(bool enabled) const {
  for (QWidget* w : std::initializer_list<QWidget*>{Cishou, Ehidari, Emigi, Cnaigai, Csayuu})
    w->setEnabled(enabled);
}

void WallSettingControls::ShowSettings(const WallSettings& s) const {
  Opening.SetCode(s.OpeningKind);
  Ctairyokunashi->setChecked(s.NoStrength == 1);
  ShowPosition(Csuji, s.BraceKind);
  EndJoint.SetCode(s.BraceEndJoint);
  ShowPosition(Ctsuchi, s.MudWallKind);
  Arrangement.SetCode(s.BraceArrangement);
  ShowPosition(Cmenzai1, s.PanelLeft);
  ShowPosition(Cmenzai2, s.PanelRight);
  ShowPosition(Cludoubuchi, s.FurringLeft);
  ShowPosition(Crddoubuchi, s.FurringRight);
  ShowDeterioration(s.Deterioration);
  ShowPosition(Cishou, s.FittingSymbol);
  ShowNumber(Ehidari, "%5.2f", s.WingWallStart);
  ShowNumber(Emigi, "%5.2f", s.WingWallEnd);
  Cnaigai->setChecked(s.FlipInOut == 1);
  Csayuu->setChecked(s.FlipLeftRight == 1);
  ShowNumber(Etakasa, "%5.2f", s.Height);
  ShowNumber(Esujitakasa, "%5.2f", s.BraceHeight);
  ShowNumber(Etsuchitakasa, "%5.2f", s.MudWallHeight);
  ShowNumber(Elutakasa, "%5.2f", s.PanelLeftHeight);
  ShowNumber(Erdtakasa, "%5.2f", s.PanelRightHeight);
  EnableFittings(!Rmukaikou->isChecked());
  Weight.SetCode(s.WeightClass);
  ShowNumber(Eomosa, "%5.0f", s.Weight);
}

WallSettings WallSettingControls::Read(const WallSettings& keep) const {
  WallSettings s = keep;
  s.OpeningKind = Opening.Code(keep.OpeningKind);
  s.NoStrength = CheckedCode(Ctairyokunashi);
  s.FittingSymbol = PositionOr(Cishou, keep.FittingSymbol);
  s.FlipInOut = CheckedCode(Cnaigai);
  s.FlipLeftRight = CheckedCode(Csayuu);
  s.BraceKind = PositionOr(Csuji, keep.BraceKind);
  s.BraceEndJoint = EndJoint.Code(keep.BraceEndJoint);
  s.BraceArrangement = Arrangement.Code(keep.BraceArrangement);
  s.MudWallKind = PositionOr(Ctsuchi, keep.MudWallKind);
  s.PanelLeft = PositionOr(Cmenzai1, keep.PanelLeft);
  s.PanelRight = PositionOr(Cmenzai2, keep.PanelRight);
  s.FurringLeft = PositionOr(Cludoubuchi, keep.FurringLeft);
  s.FurringRight = PositionOr(Crddoubuchi, keep.FurringRight);
  s.Deterioration = DeteriorationCode(keep.Deterioration);
  s.WeightClass = Weight.Code(keep.WeightClass);
  for (const WallNumberEdit& e : NumberEdits()) {
    double value = 0;
    if (ReadFilledNumber(FilledIn(e.Edit), e.Edit->text().toStdString(), e.Field, value)) s.*e.Value = value;
  }
  return s;
}

bool WallSettingControls::Take(const WallSettings& keep, WallSettings& out) const {
  WallSettings s = Read(keep);
  for (const WallNumberEdit& e : NumberEdits())
    if (!TakeNumber(e.Edit, FilledIn(e.Edit), e.Field, e.Caption, s.*e.Value)) return false;
  out = s;
  return true;
}

std::vector<WallNumberEdit> WallSettingControls::NumberEdits() const {
  const NumberField& length = FileNumberBounds.WallLength;
  return {{Etakasa, &WallSettings::Height, "壁の高さ", length},
          {Ehidari, &WallSettings::WingWallStart, "袖壁（始点側）", length},
          {Emigi, &WallSettings::WingWallEnd, "袖壁（終点側）", length},
          {Eomosa, &WallSettings::Weight, "壁の重さ", FileNumberBounds.WallWeight},
          {Elutakasa, &WallSettings::PanelLeftHeight, "左上面材の高さ", length},
          {Erdtakasa, &WallSettings::PanelRightHeight, "右下面材の高さ", length},
          {Etsuchitakasa, &WallSettings::MudWallHeight, "土壁の塗られている高さ", length},
          {Esujitakasa, &WallSettings::BraceHeight, "筋かい高さ", length}};
}

QList<QLineEdit*> WallSettingControls::HeightEdits() const {
  return {Etakasa, Esujitakasa, Etsuchitakasa, Elutakasa, Erdtakasa};
}
