#pragma once
// What the outline dialog (概要) shows and stores on its method page and its
// building page, apart from its widgets: which radio a stored value checks and
// what a group gives back, the number and text edits, the snow-depth and
// region-factor lists, the build dates and the owner's address.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/NumberField.h"
#include "model/ProjectSettings.h"
#include "model/SettingTable.h"

// --- Radio groups -----------------------------------------------------------

// A group whose radios stand for the choices of a setting row. OtherValue is
// the choice whose radio also stands for every value outside the list, or
// NoOtherValue when such a value checks no radio (and OK keeps it).
constexpr int32_t NoOtherValue = -1;
struct OutlineRadioGroup {
  SettingMember Member;
  int32_t Index;  // the part, for PartWeightClass
  int32_t OtherValue;
};

// The value whose radio shows a stored value, or -1 for none.
int32_t OutlineRadioToCheck(const OutlineRadioGroup& group, int32_t value);
// What OK stores from the checked value (-1 for none).
int32_t OutlineRadioToStore(const OutlineRadioGroup& group, int32_t checked, int32_t stored);
const SettingDescriptor& OutlineRadioSetting(const OutlineRadioGroup& group);

inline constexpr OutlineRadioGroup RevisionGroup{&ProjectSettingsData::Revision, 0, Revision2004};
inline constexpr OutlineRadioGroup DiagnosisMethodGroup{&ProjectSettingsData::DiagnosisMethod, 0,
                                                        NoOtherValue};
inline constexpr OutlineRadioGroup RequiredStrengthGroup{&ProjectSettingsData::RequiredStrengthMethod, 0,
                                                         RequiredBySimpleTable};
inline constexpr OutlineRadioGroup BalanceGroup{&ProjectSettingsData::BalanceMethod, 0,
                                                BalanceByQuarterDivision};
inline constexpr OutlineRadioGroup OtherElementsGroup{&ProjectSettingsData::OtherElementsMethod, 0,
                                                      OtherElementsMethod2};
inline constexpr OutlineRadioGroup OpeningWallGroup{&ProjectSettingsData::OpeningWallBasis, 0,
                                                    OpeningWallsByRatio};
inline constexpr OutlineRadioGroup MixedStructureGroup{&ProjectSettingsData::MixedStructure, 0,
                                                       MixedStructureSteelBelow};
inline constexpr OutlineRadioGroup VerificationDeteriorationGroup{
    &ProjectSettingsData::VerificationDeterioration, 0, NoOtherValue};
inline constexpr OutlineRadioGroup BuildingUseGroup{&ProjectSettingsData::BuildingUse, 0, UseOther};
inline constexpr OutlineRadioGroup GarageGroup{&ProjectSettingsData::Garage, 0, GarageSeparate};
inline constexpr OutlineRadioGroup BasementGroup{&ProjectSettingsData::Basement, 0, SettingOn};
inline constexpr OutlineRadioGroup TopStoreyGroup{&ProjectSettingsData::TopStorey, 0, TopStoreyThird};
inline constexpr OutlineRadioGroup WeightClassGroup{&ProjectSettingsData::WeightClass, 0, WeightVeryHeavy};
inline constexpr OutlineRadioGroup AtticStorageGroup{&ProjectSettingsData::AtticStorage, 0, SettingOn};
constexpr OutlineRadioGroup PartWeightGroup(int32_t part) {
  return {&ProjectSettingsData::PartWeightClass, part, NoOtherValue};
}

// --- Number edits -----------------------------------------------------------

// Areas and heights show "%6.3f", the load take-off "%4.0f".
inline constexpr const char* OutlineNumberFormat = "%6.3f";
inline constexpr const char* LoadTakeOffFormat = "%4.0f";

// A number edit as the dialog filled it; ReadFilledNumber gives what OK stores.
using OutlineNumberEdit = FilledNumber;
OutlineNumberEdit FillOutlineNumber(double value, const char* format);

// The number edits of one variant sheet, in this order.
enum VariantSheetEdit : int32_t {
  SheetBuildingArea,  // 建 築 面 積
  SheetFloorArea1,    // １ 階床面積 .. ３ 階床面積
  SheetFloorArea2,
  SheetFloorArea3,
  SheetTotalFloorArea,  // 延べ床面積
  SheetStoreyHeight1,   // １階階高 .. ３階階高
  SheetStoreyHeight2,
  SheetStoreyHeight3,
  VariantSheetEditCount
};
double& VariantSheetValue(ProjectSettingsData& s, int32_t variant, int32_t edit);
// The caption beside an edit ("１階階高") and the range its value must lie in.
const char* VariantSheetEditCaption(int32_t edit);
const NumberField& VariantSheetEditField(int32_t edit);
// "Ekenmen1", "Eyuka21", "Etakasa13", ...
std::string VariantSheetEditName(int32_t variant, int32_t edit);
// The storey (0 to 2) a row belongs to; -1 for the building area and the total.
int32_t VariantSheetEditStorey(int32_t edit);

// "Ewfl" .. "Ewmh": row letters f, b, r, n, g, m and class letters l, w, h.
std::string LoadTakeOffEditName(int32_t row, int32_t weightClass);
// "床", "ﾊﾞﾙｺﾆｰ床", .. and "軽い", "重い", "非重"; an edit's caption is both ("屋根 重い").
const char* LoadTakeOffPartCaption(int32_t row);
const char* LoadTakeOffClassCaption(int32_t weightClass);
std::string LoadTakeOffEditCaption(int32_t row, int32_t weightClass);

// --- Lists ------------------------------------------------------------------

constexpr int32_t SnowDepthItemCount = 17;
// "無し（1.0ｍ未満）", "1.0ｍ", .. "2.5ｍ".
std::string SnowDepthItem(int32_t index);
// The item of a snow load, or -1 for a load no item stands for.
int32_t SnowDepthIndexOfLoad(double snowLoad);
// The load of item index; keep for no item.
double SnowLoadOfDepthIndex(int32_t index, double keep);

constexpr int32_t RegionFactorItemCount = 5;
extern const char* const RegionFactorItems[RegionFactorItemCount];
extern const double RegionFactorValues[RegionFactorItemCount];
// The item of exactly that factor, or -1.
int32_t RegionFactorIndexOf(double z);
double RegionFactorOfIndex(int32_t index, double keep);

// The era list of the build dates: 西暦, 明治, 大正, 昭和, 平成, 令和 and an
// empty item.
constexpr int32_t EraItemCount = 7;
constexpr int32_t NoEra = 6;
extern const char* const EraItems[EraItemCount];

// --- Build dates ------------------------------------------------------------

// A BuildYear entry: the era digit followed by the year right-aligned in 8.
struct BuildYearFields {
  int32_t Era = -1;  // -1 when the first character is no era digit 0 to 6
  std::u16string Year;
  bool operator==(const BuildYearFields&) const = default;
};
BuildYearFields ParseBuildYear(std::u16string_view entry);
// OK: an entry whose era and year are still those shown stays as it is; else
// it is written from the era (without one, the entry's own era digit, 6 when
// it has none) and at most 8 units of the year, never more than 9 units.
void StoreBuildYear(char16_t (&entry)[10], const BuildYearFields& shown, const BuildYearFields& now);

// --- Texts ------------------------------------------------------------------

// A text edit bound to a fixed UTF-16 array.
struct OutlineTextBinding {
  const char* Component;
  char16_t* (*Text)(ProjectSettingsData& s);
  int32_t Capacity;  // array size with its NUL
  int32_t Limit;     // input limit of the edit
};
constexpr int32_t OutlineTextCount = 14;
extern const OutlineTextBinding OutlineTexts[OutlineTextCount];
// Ekisomemo, Ehibikasho, Ehibigeng.
constexpr int32_t OutlineFoundationTextCount = 3;
extern const OutlineTextBinding OutlineFoundationTexts[OutlineFoundationTextCount];
// The deterioration texts 0 to 10, by entry.
extern const OutlineTextBinding OutlineDeteriorationTexts[DeteriorationTextCount];

std::u16string OutlineTextOf(const OutlineTextBinding& b, const ProjectSettingsData& s);
// A bounded copy: at most Capacity - 1 units, never half a surrogate pair.
void StoreOutlineText(const OutlineTextBinding& b, ProjectSettingsData& s, std::u16string_view text);

// ProjectSettings.OwnerAddress: the postal code (first 8 characters) and the
// address from the ninth on.
struct OwnerAddressParts {
  std::u16string PostCode;
  std::u16string Address;
};
OwnerAddressParts SplitOwnerAddress(std::u16string_view ownerAddress);
// Joins them back, cut at 79 units.
void StoreOwnerAddress(ProjectSettingsData& s, std::u16string_view postCode, std::u16string_view address);
