#include "presentation/OutlineSheet.h"

#include <cmath>

#include "platform/Format.h"
#include "platform/Numeric.h"
#include "platform/TextCodec.h"

// --- Radio groups -----------------------------------------------------------

const SettingDescriptor& OutlineRadioSetting(const OutlineRadioGroup& group) {
  return *FindSetting(group.Member, group.Index);
}

int32_t OutlineRadioToCheck(const OutlineRadioGroup& group, int32_t value) {
  if (FindSettingChoice(OutlineRadioSetting(group), value)) return value;
  return group.OtherValue;
}

int32_t OutlineRadioToStore(const OutlineRadioGroup& group, int32_t checked, int32_t stored) {
  if (checked >= 0) return checked;
  return group.OtherValue != NoOtherValue ? group.OtherValue : stored;
}

// --- Number edits -----------------------------------------------------------

OutlineNumberEdit FillOutlineNumber(double value, const char* format) {
  return {value, FormatA(format, value)};
}

const char* LoadTakeOffPartCaption(int32_t row) {
  static const char* const kParts[LoadTakeOffRows] = {"床", "ﾊﾞﾙｺﾆｰ床", "屋根", "軒庇", "外周壁", "間仕切壁"};
  return kParts[row];
}

const char* LoadTakeOffClassCaption(int32_t weightClass) {
  static const char* const kClasses[LoadTakeOffClasses] = {"軽い", "重い", "非重"};
  return kClasses[weightClass];
}

std::string LoadTakeOffEditCaption(int32_t row, int32_t weightClass) {
  return std::string(LoadTakeOffPartCaption(row)) + " " + LoadTakeOffClassCaption(weightClass);
}

const char* VariantSheetEditCaption(int32_t edit) {
  static const char* const kCaptions[VariantSheetEditCount] = {"建 築 面 積", "１ 階床面積", "２ 階床面積",
                                                               "３ 階床面積", "延べ床面積",  "１階階高",
                                                               "２階階高",    "３階階高"};
  return kCaptions[edit];
}

const NumberField& VariantSheetEditField(int32_t edit) {
  return edit >= SheetStoreyHeight1 ? FileNumberBounds.StoreyHeight : FileNumberBounds.Area;
}

double& VariantSheetValue(ProjectSettingsData& s, int32_t variant, int32_t edit) {
  switch (edit) {
    case SheetBuildingArea:
      return s.BuildingArea[variant];
    case SheetFloorArea1:
    case SheetFloorArea2:
    case SheetFloorArea3:
      return s.LawFloorArea[edit - SheetFloorArea1][variant];
    case SheetTotalFloorArea:
      return s.TotalFloorArea[variant];
    default:
      return s.StoreyHeight[variant][edit - SheetStoreyHeight1];
  }
}

std::string VariantSheetEditName(int32_t variant, int32_t edit) {
  const std::string v = variant == 0 ? std::string() : std::to_string(variant);
  switch (edit) {
    case SheetBuildingArea:
      return "Ekenmen" + v;
    case SheetFloorArea1:
    case SheetFloorArea2:
    case SheetFloorArea3:
      return "Eyuka" + std::to_string(edit - SheetFloorArea1 + 1) + v;
    case SheetTotalFloorArea:
      return "Enobe" + v;
    default:
      return "Etakasa" + std::to_string(variant) + std::to_string(edit - SheetStoreyHeight1 + 1);
  }
}

int32_t VariantSheetEditStorey(int32_t edit) {
  if (edit >= SheetFloorArea1 && edit <= SheetFloorArea3) return edit - SheetFloorArea1;
  if (edit >= SheetStoreyHeight1 && edit <= SheetStoreyHeight3) return edit - SheetStoreyHeight1;
  return -1;
}

std::string LoadTakeOffEditName(int32_t row, int32_t weightClass) {
  static constexpr char rows[LoadTakeOffRows] = {'f', 'b', 'r', 'n', 'g', 'm'};
  static constexpr char classes[LoadTakeOffClasses] = {'l', 'w', 'h'};
  return std::string("Ew") + rows[row] + classes[weightClass];
}

// --- Lists ------------------------------------------------------------------

std::string SnowDepthItem(int32_t index) {
  if (index == 0) return "無し（1.0ｍ未満）";
  return FormatA("%.1fｍ", 1.0 + 0.1 * (index - 1));
}

int32_t SnowDepthIndexOfLoad(double snowLoad) {
  if (snowLoad == 0.0) return 0;
  const int32_t index = TruncToInt((snowLoad - 0.26) * 10 / 0.26 + 0.001) + 1;
  return index >= 0 && index < SnowDepthItemCount ? index : -1;
}

double SnowLoadOfDepthIndex(int32_t index, double keep) {
  if (index == 0) return 0.0;
  if (index < 0 || index >= SnowDepthItemCount) return keep;
  return (index - 1) / 10.0 * 0.26 + 0.26;
}

const char* const RegionFactorItems[RegionFactorItemCount] = {"1.2 （静岡）", "1.0", "0.9", "0.8", "0.7"};
const double RegionFactorValues[RegionFactorItemCount] = {1.2, 1.0, 0.9, 0.8, 0.7};

int32_t RegionFactorIndexOf(double z) {
  for (int32_t i = 0; i < RegionFactorItemCount; ++i)
    if (z == RegionFactorValues[i]) return i;
  return -1;
}

double RegionFactorOfIndex(int32_t index, double keep) {
  return index >= 0 && index < RegionFactorItemCount ? RegionFactorValues[index] : keep;
}

const char* const EraItems[EraItemCount] = {"西暦", "明治", "大正", "昭和", "平成", "令和", ""};

// --- Build dates ------------------------------------------------------------

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

// At most n units of text, never ending on the first half of a pair.
std::u16string_view Bounded(std::u16string_view text, std::size_t n) {
  if (text.size() <= n) return text;
  if (n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  return text.substr(0, n);
}

}  // namespace

BuildYearFields ParseBuildYear(std::u16string_view entry) {
  BuildYearFields fields;
  if (entry.empty()) return fields;
  if (entry[0] >= u'0' && entry[0] <= u'6') fields.Era = entry[0] - u'0';
  // The year word: leading blanks skipped, then up to 8 units up to a blank.
  std::size_t i = 1;
  while (i < entry.size() && IsBlank(entry[i])) ++i;
  std::size_t end = i;
  while (end < entry.size() && end - i < 8 && !IsBlank(entry[end])) ++end;
  fields.Year = std::u16string(Bounded(entry.substr(i, end - i), 8));
  return fields;
}

void StoreBuildYear(char16_t (&entry)[10], const BuildYearFields& shown, const BuildYearFields& now) {
  if (now == shown) return;
  int32_t era = now.Era;
  if (era < 0 || era > 9) era = entry[0] >= u'0' && entry[0] <= u'9' ? entry[0] - u'0' : NoEra;
  const std::u16string year(Bounded(now.Year, 8));
  std::u16string text(1, static_cast<char16_t>(u'0' + era));
  text.append(8 - std::min<std::size_t>(8, year.size()), u' ');
  text += year;
  CopyToFixed(entry, 10, text);
}

// --- Texts ------------------------------------------------------------------

#define QUILMORA_TEXT(component, member, limit)                                             \
  {                                                                                         \
    component, [](ProjectSettingsData& s) { return +s.member; },                            \
        static_cast<int32_t>(sizeof(ProjectSettingsData::member) / sizeof(char16_t)), limit \
  }

const OutlineTextBinding OutlineTexts[OutlineTextCount] = {
    QUILMORA_TEXT("Eshoname", BuildingName, 20),  QUILMORA_TEXT("Eshozachiban", BuildingLocation, 48),
    QUILMORA_TEXT("Esekname1", DesignerName, 79), QUILMORA_TEXT("Ehijuutakuyouto", UseText, 40),
    QUILMORA_TEXT("Eshiaddr", ClientAddress, 48), QUILMORA_TEXT("Eshiname", ClientName, 20),
    QUILMORA_TEXT("Eshitel", ClientTel, 16),      QUILMORA_TEXT("Eshotel", OwnerTel, 16),
    QUILMORA_TEXT("Eshozaaddr", SiteAddress, 48), QUILMORA_TEXT("Eyouto_sonota", BuildingUseOther, 30),
    QUILMORA_TEXT("Ekoumon0", BuildMonth[0], 4),  QUILMORA_TEXT("Ekoumon1", BuildMonth[1], 4),
    QUILMORA_TEXT("Ekoumon2", BuildMonth[2], 4),  QUILMORA_TEXT("Ekoumon3", BuildMonth[3], 4),
};

const OutlineTextBinding OutlineFoundationTexts[OutlineFoundationTextCount] = {
    QUILMORA_TEXT("Ekisomemo", FoundationNote, 32),
    QUILMORA_TEXT("Ehibikasho", CrackLocation, 40),
    QUILMORA_TEXT("Ehibigeng", CrackCauseText, 58),
};

// Ebalzai has no limit of its own: it is held within its field.
const OutlineTextBinding OutlineDeteriorationTexts[DeteriorationTextCount] = {
    QUILMORA_TEXT("Eyaneshiage", DeteriorationText[0], 79),
    QUILMORA_TEXT("Eyanerekkab", DeteriorationText[1], 32),
    QUILMORA_TEXT("Eyanerekkaj", DeteriorationText[2], 32),
    QUILMORA_TEXT("Egaishitaji", DeteriorationText[3], 40),
    QUILMORA_TEXT("Egaishiage", DeteriorationText[4], 40),
    QUILMORA_TEXT("Egairekkab", DeteriorationText[5], 32),
    QUILMORA_TEXT("Egairekkaj", DeteriorationText[6], 32),
    QUILMORA_TEXT("Ebalzai", DeteriorationText[7], 79),
    QUILMORA_TEXT("Enaishiage", DeteriorationText[8], 40),
    QUILMORA_TEXT("Enaishitaji", DeteriorationText[9], 40),
    QUILMORA_TEXT("Enairekkab", DeteriorationText[10], 40),
};
#undef QUILMORA_TEXT

std::u16string OutlineTextOf(const OutlineTextBinding& b, const ProjectSettingsData& s) {
  return std::u16string(FixedView(b.Text(const_cast<ProjectSettingsData&>(s)), b.Capacity));
}

void StoreOutlineText(const OutlineTextBinding& b, ProjectSettingsData& s, std::u16string_view text) {
  char16_t* array = b.Text(s);
  // An unchanged text leaves the array as it is.
  if (FixedView(array, b.Capacity) == Bounded(text, b.Capacity - 1)) return;
  CopyToFixed(array, b.Capacity, text);
}

OwnerAddressParts SplitOwnerAddress(std::u16string_view ownerAddress) {
  const std::u16string_view post = Bounded(ownerAddress, 8);
  return {std::u16string(post), std::u16string(ownerAddress.substr(post.size()))};
}

void StoreOwnerAddress(ProjectSettingsData& s, std::u16string_view postCode, std::u16string_view address) {
  std::u16string joined(postCode);
  joined += address;
  if (FixedView(s.OwnerAddress, 80) == Bounded(joined, 79)) return;
  CopyToFixed(s.OwnerAddress, 80, joined);
}
