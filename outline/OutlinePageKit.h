#pragma once
// What the pages of the outline dialog share: the colours, the small widget
// makers, and the radio groups, answers, conditions and display switches
// that more than one page (or the show and store steps) name.
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <string>
#include <string_view>

#include "outline/OutlineDialog.h"

namespace outline_page {

// Indexes of OutlineTexts.
enum OutlineTextIndex : int {
  TextBuildingName,
  TextBuildingLocation,
  TextDesignerName,
  TextUseText,
  TextClientAddress,
  TextClientName,
  TextClientTel,
  TextOwnerTel,
  TextSiteAddress,
  TextBuildingUseOther,
  TextBuildMonth0,
};

// Background colours (0x00BBGGRR): items the deterioration survey shares, and
// items the calculation needs.
inline constexpr uint32_t kDeteriorationColour = 11660209;
inline constexpr uint32_t kCalculationColour = 16311512;
inline constexpr uint32_t kGeneralOnlyColour = 0x00FFFF;  // yellow
inline constexpr uint32_t kBottomBarColour = 14211288;
inline constexpr uint32_t kVariantSheetColours[VariantCount] = {16053492, 14671839, 13948116};
inline constexpr uint32_t kLoadTakeOffColour = 14413214;
inline constexpr uint32_t kNoteColour = 8454143;

// The tabs of the three variants.
inline const char* const kVariantTabs[VariantCount] = {"現況", "改修案１", "改修案２"};

inline QColor ColourOf(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

template <typename Widget>
Widget* Coloured(Widget* widget, uint32_t bgr) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ColourOf(bgr));
  widget->setPalette(palette);
  return widget;
}

// The text of widget in colour.
template <typename Widget>
Widget* TextColoured(Widget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
  return widget;
}

template <typename Widget>
Widget* RedText(Widget* widget) {
  return TextColoured(widget, Qt::red);
}

// The colours of notes: maroon warnings, blue hints.
inline const QColor kMaroonText(128, 0, 0);
inline const QColor kBlueText(Qt::blue);

inline QLabel* Label(QWidget* parent, const char* caption, const char* name = nullptr) {
  return NewLabel(parent, name, caption);
}

inline QLineEdit* NewEdit(QWidget* parent, const std::string& name, int width) {
  auto* edit = Named(new QLineEdit(parent), QString::fromStdString(name));
  edit->setMinimumWidth(width);
  edit->setMaximumWidth(width + 20);
  return edit;
}

// A text with an input limit; a longer stored text is shown whole, so that
// nothing of it is lost by showing it.
inline void ShowText(QLineEdit* edit, std::u16string_view text, int limit) {
  const int length = static_cast<int>(text.size());
  edit->setMaxLength(limit > 0 ? std::max(limit, length) : 32767);
  edit->setText(QString::fromStdU16String(std::u16string(text)));
}

inline std::u16string TextOf(const QLineEdit* edit) { return edit->text().toStdU16String(); }

inline QComboBox* NewList(QWidget* parent, const char* name) {
  auto* list = Named(new QComboBox(parent), name);
  list->setEditable(false);
  return list;
}

// A check box that shows exactly the value 1 as checked.
inline void ShowExactlyOne(QCheckBox* box, int32_t value) { box->setChecked(value == SettingOn); }
inline int32_t CheckedValue(const QCheckBox* box) { return box->isChecked() ? SettingOn : SettingOff; }

using P = ProjectSettingsData;

inline constexpr OutlineRadioGroup FoundationTypeGroup{&P::FoundationType, 0, FoundationOtherType};
inline constexpr OutlineRadioGroup CracksGroup{&P::FoundationCracks, 0, SettingOn};
inline constexpr OutlineRadioGroup TieBeamsGroup{&P::FoundationTieBeams, 0, SettingOn};
inline constexpr OutlineRadioGroup FloorMaterialGroup{&P::FloorMaterial, 0, FloorMaterialNotVisible};
inline constexpr OutlineRadioGroup BracesGroup{&P::HorizontalBraces, 0, HorizontalBracesNotVisible};
inline constexpr OutlineRadioGroup AtriumGroup{&P::Atrium, 0, SettingOn};
inline constexpr OutlineRadioGroup GroundGroup{&P::GroundClass, 0, GroundBad};
inline constexpr OutlineRadioGroup SnowCaseGroup{&P::SnowCase, 0, NoOtherValue};
inline constexpr OutlineRadioGroup StructureGroup{&P::StructureType, 0, StructureTwoByFour};

// The radio group of a deterioration answer; the radio that also stands for
// the values outside the list.
inline constexpr int32_t kAnswerOther[DeteriorationAnswerCount] = {
    AnswerRepaired, AnswerPartAbsent, AnswerPartAbsent, AnswerRepaired, ExposedFrameRepaired, SettingOn,
    AnswerRepaired, AnswerRepaired,   AnswerRepaired,   AnswerRepaired, BathroomAbsent,       AnswerRepaired,
    SettingOn,      SettingOn,        AnswerRepaired,   AnswerRepaired, AnswerRepaired};
inline constexpr int kTiledBathroom = 12, kUntiledBathroom = 13, kExposedFrame = 4, kBalcony = 5;
inline OutlineRadioGroup AnswerGroup(int entry) {
  return {&P::DeteriorationAnswer, entry, kAnswerOther[entry]};
}

// The calculation conditions bound one radio group to one setting, in page order.
inline const OutlineRadioGroup kConditionGroups[TgaiyouDlg::ConditionGroupCount] = {
    {&P::RetrofitDeteriorationRule, 0, NoOtherValue}, {&P::DistinguishBraceDirection, 0, NoOtherValue},
    {&P::CountSteepDiagonalWalls, 0, NoOtherValue},   {&P::JointIIIRule, 0, NoOtherValue},
    {&P::GravityCentreBySpec, 0, NoOtherValue},       {&P::WallStrengthStandard, 0, NoOtherValue},
    {&P::JointHardwareMethod, 0, NoOtherValue},       {&P::NValueWallFactor, 0, NoOtherValue},
    {&P::LeanToColumnsTopStorey, 0, NoOtherValue},    {&P::UnratedOpeningWallStrength, 0, NoOtherValue},
    {&P::LowStrengthWallReduction, 0, NoOtherValue},  {&P::UnratedSolidWallRule, 0, NoOtherValue}};
inline constexpr int kRetrofitRule = 0, kJointHardware = 6, kNValueFactor = 7;
// The layout checks the first radio of each group but these two.
inline constexpr int kGravityCentre = 4, kUnratedSolid = 11;

// The display switches in the order OK copies them to the main window.
struct DisplaySwitch {
  const char* Name;
  const char* Caption;
  const char* Hint;
  int32_t P::*Flag;
};
inline const DisplaySwitch kDisplaySwitches[TgaiyouDlg::DisplaySwitchCount] = {
    {"Ccnchi", "柱Ｎ値", "柱N値　チェックあり：表示する、チェック無し：表示しない", &P::ShowColumnNValue},
    {"Cwyouso", "壁要素or補強No.", "壁要素or補強No.　チェックあり：壁要素、チェック無し：補強No.",
     &P::ShowWallElements},
    {"Ckaishu", "改修箇所", "改修箇所　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowRetrofitPlaces},
    {"Cwtairyoku", "壁耐力", "壁耐力　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowWallStrength},
    {"CtakaiW", "他階耐力壁or基礎", "他階耐力壁or基礎　チェックあり：他階耐力壁、チェック無し：基礎",
     &P::ShowOtherStoreyWalls},
    {"Cwteigenchi", "壁低減値or基準耐力",
     "壁低減値or基準耐力　チェックあり：壁低減値、チェック無し：基準耐力", &P::ShowReducedStrength},
    {"Cwouka", "横架材応力", "横架材応力　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowBeamStress},
    {"Cwkaishu", "改修注意", "改修注意　チェックあり：表示する、チェック無し：表示しない",
     &P::ShowRetrofitCaution},
};

inline QGroupBox* SettingBox(QWidget* parent, const OutlineRadioGroup& group, uint32_t colour) {
  const SettingDescriptor& d = OutlineRadioSetting(group);
  return Coloured(NewGroupBox(parent, *d.Component ? d.Component : nullptr, d.Caption), colour);
}

inline QLineEdit* BoundEdit(QWidget* parent, const OutlineTextBinding& b) {
  auto* edit = Named(new QLineEdit(parent), b.Component);
  edit->setMaxLength(b.Limit);
  return edit;
}

// The radio of one choice of group added to row, named and captioned as the
// setting table names the choice.
inline QRadioButton* AddChoice(RadioRow& row, QWidget* parent, const OutlineRadioGroup& group,
                               int32_t value) {
  const SettingChoice* choice = FindSettingChoice(OutlineRadioSetting(group), value);
  return row.Add(parent, choice->Radio[0], choice->Caption, choice->Value);
}

// Shows a check box checked for any value but 0.
inline void ShowNonZero(QCheckBox* box, int32_t value) { box->setChecked(value != 0); }

}  // namespace outline_page
