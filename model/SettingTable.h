#pragma once
// One row for every integer project setting: which member holds it, the
// outline-dialog component bound to it, its choices (value, radio, caption)
// or its range, whether the project readers reject other values, and the
// value it takes at program start and, for the reset subset, on File > New.
// The validation of the readers and the model reset read it; the outline
// dialog and the report's outline texts look settings up by member or by
// component name.
//
// Arrays of settings: a per-variant member (TopStorey[v], PartWeightClass
// [v][part]) is one row whose elements are the variants, each with its own
// radio names; an array of distinct settings (DeteriorationAnswer[i],
// CrackCause[i], the build-date flags) has a row per entry.
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>
#include <variant>

#include "model/NumberField.h"
#include "model/ProjectSettings.h"

using SettingScalar = int32_t ProjectSettingsData::*;
using SettingPerThree = int32_t (ProjectSettingsData::*)[VariantCount];  // per variant, or CrackCause
using SettingPerDate = int32_t (ProjectSettingsData::*)[BuildDateEntries];
using SettingPerAnswer = int32_t (ProjectSettingsData::*)[DeteriorationAnswerCount];
using SettingPerVariantPart = int32_t (ProjectSettingsData::*)[VariantCount][PartWeightCount];
using SettingMember =
    std::variant<SettingScalar, SettingPerThree, SettingPerDate, SettingPerAnswer, SettingPerVariantPart>;

static_assert(VariantCount == 3 && sizeof(ProjectSettingsData::CrackCause) == 3 * sizeof(int32_t));

struct SettingChoice {
  int32_t Value;
  const char* Radio[VariantCount];  // radio of the choice per variant; only [0] when not per variant
  const char* Caption;              // "" for the states of a check box
};

enum class SettingCheck : int32_t {
  Free,     // any value is kept; the program reads unknown values by its own rules
  Choices,  // the project readers reject a value that is not one of the choices
};

enum class SettingReset : int32_t {
  Kept,   // the start value at program start; File > New keeps what is there
  OnNew,  // File > New and start-up put the reset value back
};

struct SettingDescriptor {
  const char* Name;  // member name, with the entry for arrays of distinct settings
  SettingMember Member;
  int32_t Index;          // entry of an array of distinct settings, the part of PartWeightClass, else 0
  bool PerVariant;        // elements are the variants
  const char* Component;  // group box, check box or combo box bound to it; "" where none
  const char* Caption;    // caption of that component; "" where none
  std::span<const SettingChoice> Choices;  // empty for numbers and bit sets
  int32_t Min, Max;                        // range of a number or bit set (documentation; not enforced)
  SettingCheck Check;
  int32_t ResetValue;
  SettingReset Reset;
};

// The value of one element (variant) of a row in a set of settings.
template <class Data>
constexpr auto& SettingValue(Data& s, const SettingDescriptor& d, int32_t variant = 0) {
  static_assert(std::is_same_v<std::remove_const_t<Data>, ProjectSettingsData>);
  auto* result = static_cast<decltype(&s.Revision)>(nullptr);
  std::visit(
      [&](auto member) {
        using M = decltype(member);
        if constexpr (std::is_same_v<M, SettingScalar>)
          result = &(s.*member);
        else if constexpr (std::is_same_v<M, SettingPerVariantPart>)
          result = &(s.*member)[variant][d.Index];
        else
          result = &(s.*member)[d.PerVariant ? variant : d.Index];
      },
      d.Member);
  return *result;
}

constexpr int32_t SettingElementCount(const SettingDescriptor& d) { return d.PerVariant ? VariantCount : 1; }

constexpr const SettingChoice* FindSettingChoice(const SettingDescriptor& d, int32_t value) {
  for (const SettingChoice& c : d.Choices)
    if (c.Value == value) return &c;
  return nullptr;
}

// What the project readers accept for a row.
constexpr bool IsAcceptedSettingValue(const SettingDescriptor& d, int32_t value) {
  return d.Check == SettingCheck::Free || FindSettingChoice(d, value) != nullptr;
}

namespace setting_rows {

constexpr SettingDescriptor Row(const char* name, SettingMember member, const char* component,
                                const char* caption, std::span<const SettingChoice> choices,
                                SettingCheck check, int32_t resetValue, SettingReset reset, int32_t index = 0,
                                bool perVariant = false) {
  int32_t lo = choices.empty() ? 0 : choices[0].Value, hi = lo;
  for (const SettingChoice& c : choices) {
    lo = c.Value < lo ? c.Value : lo;
    hi = c.Value > hi ? c.Value : hi;
  }
  return {name, member, index, perVariant, component, caption, choices, lo, hi, check, resetValue, reset};
}

constexpr SettingDescriptor NumberRow(const char* name, SettingMember member, const char* component,
                                      const char* caption, int32_t lo, int32_t hi, int32_t resetValue,
                                      SettingReset reset) {
  return {name, member, 0, false, component, caption, {}, lo, hi, SettingCheck::Free, resetValue, reset};
}

using P = ProjectSettingsData;
using enum SettingCheck;
using enum SettingReset;

// The two states of a check box.
inline constexpr SettingChoice CheckBox[] = {{SettingOff, {}, ""}, {SettingOn, {}, ""}};

inline constexpr SettingChoice RevisionChoices[] = {
    {Revision2012, {"Rmodeb0"}, "2012年改訂版"},
    {Revision2025, {"Rmodeb2"}, "2025年改訂板"},
    {Revision2004, {"Rmodeb4"}, "2004年改訂版"},
};
inline constexpr SettingChoice DiagnosisMethodChoices[] = {
    {DiagnosisPrecise2, {"Rmode_shindan00"}, "保有水平耐力計算１"},
    {DiagnosisPrecise1, {"Rmode_shindan1"}, "精密診断法１"},
    {DiagnosisGeneral, {"Rmode_shindan2"}, "一般診断法"},
    {DiagnosisVerification, {"Rmode_shindan3"}, "新耐震木造住宅検証法"},
};
inline constexpr SettingChoice RequiredStrengthChoices[] = {
    {RequiredByLoadTakeOff, {"Rhitsuyou0"}, "建築基準法に準拠"},
    {RequiredByWeightTable, {"Rhitsuyou1"}, "簡易重量表を用いる方法"},
    {RequiredByStrengthTable, {"Rhitsuyou2"}, "必要耐力表を用いる方法"},
    {RequiredBySimpleTable, {"Rhitsuyou3"}, "簡易耐力表を用いる方法"},
};
inline constexpr SettingChoice BalanceChoices[] = {
    {BalanceByEccentricity, {"Rbalance0"}, "偏心率法"},
    {BalanceByQuarterDivision, {"Rbalance1"}, "４分割法"},
};
inline constexpr SettingChoice OtherElementsChoices[] = {
    {OtherElementsMethod1, {"Rhouhou1"}, "方法１（在来軸組構法及び枠組壁工法）"},
    {OtherElementsMethod2, {"Rhouhou2"}, "方法２（伝統的構法）"},
};
inline constexpr SettingChoice OpeningWallChoices[] = {
    {OpeningWallsByLength, {"Ryuukaikou"}, "有開口壁長による算定"},
    {OpeningWallsByRatio, {"Rmukaikou"}, "無開口壁率による算定"},
};
inline constexpr SettingChoice JointHardwareChoices[] = {
    {HardwareByNValue, {"Rnmode0"}, "Ｎ値計算に準じて求める。（壁基準耐力より算出する。）"},
    {HardwareByConvertedNValue, {"Rnmode1"}, "変換Ｎ値計算て求める。（低減後の壁耐力より算出する。）"},
    {HardwareByAllowableStress, {"Rnmode2"}, "許容応力度計算で求める。"},
};
inline constexpr SettingChoice SnowCaseChoices[] = {
    {SnowCaseWithout, {"Rseki0"}, "無積雪時"},
    {SnowCaseWith, {"Rseki1"}, "積雪時"},
};
inline constexpr SettingChoice TopStoreyChoices[] = {
    {TopStoreyFirst, {"Rkaisu0", "Rkaisu10", "Rkaisu20"}, "平屋"},
    {TopStoreySecond, {"Rkaisu1", "Rkaisu11", "Rkaisu21"}, "２階建"},
    {TopStoreyThird, {"Rkaisu2", "Rkaisu12", "Rkaisu22"}, "３階建"},
};
inline constexpr SettingChoice AtticStorageChoices[] = {
    {SettingOff, {"Rkoyaura0", "Rkoyaura10", "Rkoyaura20"}, "無"},
    {SettingOn, {"Rkoyaura1", "Rkoyaura11", "Rkoyaura21"}, "有"},
};
inline constexpr SettingChoice WeightClassChoices[] = {
    {WeightLight, {"Rishiyou0", "Rishiyou10", "Rishiyou20"}, "軽い建物"},
    {WeightHeavy, {"Rishiyou1", "Rishiyou11", "Rishiyou21"}, "重い建物"},
    {WeightVeryHeavy, {"Rishiyou2", "Rishiyou12", "Rishiyou22"}, "非常に重い建物"},
};
// Radios "Rjuuryou" + variant + part + class.
#define QUILMORA_PART_WEIGHT_CHOICE(part, value, digit, caption) \
  { value, {"Rjuuryou0" #part digit, "Rjuuryou1" #part digit, "Rjuuryou2" #part digit}, caption }
#define QUILMORA_PART_WEIGHT_CHOICES(part)                              \
  {                                                                     \
    QUILMORA_PART_WEIGHT_CHOICE(part, WeightLight, "0", "軽い"),        \
        QUILMORA_PART_WEIGHT_CHOICE(part, WeightHeavy, "1", "重い"),    \
        QUILMORA_PART_WEIGHT_CHOICE(part, WeightVeryHeavy, "2", "非重") \
  }
inline constexpr SettingChoice PartWeightChoices[PartWeightCount][3] = {
    QUILMORA_PART_WEIGHT_CHOICES(0), QUILMORA_PART_WEIGHT_CHOICES(1), QUILMORA_PART_WEIGHT_CHOICES(2),
    QUILMORA_PART_WEIGHT_CHOICES(3), QUILMORA_PART_WEIGHT_CHOICES(4),
};
#undef QUILMORA_PART_WEIGHT_CHOICE
#undef QUILMORA_PART_WEIGHT_CHOICES
inline constexpr SettingChoice GroundClassChoices[] = {
    {GroundGood, {"Rjibann0"}, "良い"},
    {GroundNormal, {"Rjibann1"}, "普通"},
    {GroundBad, {"Rjibann2"}, "悪い"},
};
inline constexpr SettingChoice MixedStructureChoices[] = {
    {MixedStructureNone, {"Rkonkouzou0"}, "なし"},
    {MixedStructureConcreteBelow, {"Rkonkouzou1"}, "ＲＣ造"},
    {MixedStructureSteelBelow, {"Rkonkouzou2"}, "Ｓ造"},
};
inline constexpr SettingChoice StructureTypeChoices[] = {
    {StructurePostAndBeam, {"Rtatemonokouzou0"}, "在来軸組構造"},
    {StructureTraditional, {"Rtatemonokouzou1"}, "伝統的工法"},
    {StructureTwoByFour, {"Rtatemonokouzou2"}, "枠組壁工法"},
};
inline constexpr SettingChoice BuildingUseChoices[] = {
    {UseDwellingOnly, {"Rtatemonoyouto0"}, "専用住宅"},
    {UseWithShop, {"Rtatemonoyouto1"}, "店舗"},
    {UseWithOffice, {"Rtatemonoyouto2"}, "事務所"},
    {UseOther, {"Rtatemonoyouto3"}, "その他"},
};
inline constexpr SettingChoice GarageChoices[] = {
    {GarageNone, {"Rgareiji0"}, "なし"},
    {GarageBuiltIn, {"Rgareiji1"}, "組込"},
    {GarageSeparate, {"Rgareiji2"}, "別棟"},
};
inline constexpr SettingChoice BasementChoices[] = {
    {SettingOff, {"Rchika0"}, "なし または 別棟"},
    {SettingOn, {"Rchika1"}, "あり"},
};
inline constexpr SettingChoice FoundationTypeChoices[] = {
    {FoundationReinforcedConcrete, {"Ekisok0"}, "鉄筋コンクリート"},
    {FoundationPlainConcrete, {"Ekisok1"}, "無筋コンクリート"},
    {FoundationStoneFooting, {"Ekisok2"}, "玉石基礎"},
    {FoundationOtherType, {"Ekisok3"}, "その他"},
};
inline constexpr SettingChoice FoundationCracksChoices[] = {
    {SettingOff, {"Ekisoh0"}, "無"},
    {SettingOn, {"Ekisoh1"}, "有"},
};
inline constexpr SettingChoice TieBeamsChoices[] = {
    {SettingOff, {"Ekisoa0"}, "無"},
    {SettingOn, {"Ekisoa1"}, "有"},
};
inline constexpr SettingChoice FoundationClassChoices[] = {
    {FoundationClassI, {}, "基礎Ⅰ"},
    {FoundationClassII, {}, "基礎Ⅱ"},
    {FoundationClassIII, {}, "基礎Ⅲ"},
};
inline constexpr SettingChoice FloorMaterialChoices[] = {
    {FloorAllPlywood, {"Ryukashi0"}, "全て合板"},
    {FloorOtherMaterial, {"Ryukashi1"}, "その他"},
    {FloorMaterialNotVisible, {"Ryukashi2"}, "目視不可"},
};
inline constexpr SettingChoice HorizontalBracesChoices[] = {
    {HorizontalBracesNone, {"Rhiuchi0"}, "無"},
    {HorizontalBracesPresent, {"Rhiuchi1"}, "有"},
    {HorizontalBracesNotVisible, {"Rhiuchi2"}, "目視不可"},
};
inline constexpr SettingChoice AtriumChoices[] = {
    {SettingOff, {"Rfukinuke0"}, "無"},
    {SettingOn, {"Rfukinuke1"}, "有"},
};

// Deterioration survey: "無" sound, "有" or the described defect found, "改" repaired.
#define QUILMORA_SURVEY_CHOICES(radio, found)                              \
  {                                                                        \
    {AnswerSound, {radio "0"}, "無"}, {AnswerFound, {radio "1"}, found}, { \
      AnswerRepaired, {radio "2"}, "改"                                   \
    }                                                                      \
  }
inline constexpr SettingChoice RoofAnswers[] = QUILMORA_SURVEY_CHOICES("Eyanerekka", "有");
inline constexpr SettingChoice GutterAnswers[] = {
    {AnswerSound, {"Etoirekka0"}, "無"},
    {AnswerFound, {"Etoirekka1"}, "変退色、さび、割れ、ずれ、欠落がある"},
    {AnswerRepaired, {"Etoirekka2"}, "改"},
    {AnswerPartAbsent, {"Etoirekkax"}, "樋・呼び樋が無い"},
};
inline constexpr SettingChoice DownspoutAnswers[] = {
    {AnswerSound, {"Etatedoirekka0"}, "無"},
    {AnswerFound, {"Etatedoirekka1"}, "変退色、さび、割れ、ずれ、欠落がある"},
    {AnswerRepaired, {"Etatedoirekka2"}, "改"},
    {AnswerPartAbsent, {"Etatedoirekkax"}, "竪樋が無い"},
};
inline constexpr SettingChoice OuterWallAnswers[] = QUILMORA_SURVEY_CHOICES("Egairekka", "有");
inline constexpr SettingChoice ExposedFrameAnswers[] = {
    {ExposedFrameNone, {"Eroshutsu0"}, "露出した躯体無し"},
    {ExposedFrameSound, {"Eroshutsu10"}, "無"},
    {ExposedFrameFound, {"Eroshutsu11"}, "水浸み痕、こけ、腐朽、蟻道、蟻害がある"},
    {ExposedFrameRepaired, {"Eroshutsu12"}, "改"},
};
inline constexpr SettingChoice BalconyAnswers[] = {
    {SettingOff, {"Ebaruko0"}, "バルコニー無し"},
    {SettingOn, {"Ebaruko1"}, "バルコニー有り"},
};
inline constexpr SettingChoice RailingAnswers[] =
    QUILMORA_SURVEY_CHOICES("Ebaltes", "こけ、割れ、ずれ、シール切れ等がある");
inline constexpr SettingChoice JunctionAnswers[] =
    QUILMORA_SURVEY_CHOICES("Ebalgai", "外壁面との接合部に亀裂、隙間、緩み、シール切れがある");
inline constexpr SettingChoice DrainAnswers[] =
    QUILMORA_SURVEY_CHOICES("Ebalhai", "壁面を伝わって流れている、または排水の仕組みが無い");
inline constexpr SettingChoice InnerWallAnswers[] =
    QUILMORA_SURVEY_CHOICES("Enairekka", "有　(水浸み痕、はがれ、亀裂、カビがある)");
inline constexpr SettingChoice BathroomFinishAnswers[] = {
    {BathroomTiled, {"Eyokutai0"}, "タイル壁"},
    {BathroomNotTiled, {"Eyokutai1"}, "タイル壁以外"},
    {BathroomAbsent, {"Eyokutaix"}, "浴室が無い"},
};
inline constexpr SettingChoice BathroomAnswers[] = QUILMORA_SURVEY_CHOICES("Eyokurek", "有");
inline constexpr SettingChoice FloorAnswers[] = {
    {AnswerSound, {"Ryukamenrek0"}, "劣化無し"},
    {AnswerFound, {"Ryukamenrek1"}, "傾斜、過度の振動、床鳴りがある"},
    {AnswerRepaired, {"Ryukamenrek2"}, "改"},
};
inline constexpr SettingChoice CorridorAnswers[] = {
    {AnswerSound, {"Rroukarek0"}, "劣化無し"},
    {AnswerFound, {"Rroukarek1"}, "傾斜、過度の振動、床鳴りがある"},
    {AnswerRepaired, {"Rroukarek2"}, "改"},
};
inline constexpr SettingChoice UnderFloorAnswers[] = {
    {AnswerSound, {"Rkisoyukarek0"}, "劣化無し"},
    {AnswerFound, {"Rkisoyukarek1"}, "基礎の亀裂あり　部材に腐朽、蟻道、蟻害がある"},
    {AnswerRepaired, {"Rkisoyukarek2"}, "改"},
};
#undef QUILMORA_SURVEY_CHOICES

// Calculation conditions: radio pairs named by a stem and the digit of their value.
#define QUILMORA_PAIR(radio, caption0, caption1)                              \
  {                                                                           \
    {SettingOff, {radio "0"}, caption0}, { SettingOn, {radio "1"}, caption1 } \
  }
inline constexpr SettingChoice RetrofitRuleChoices[] = QUILMORA_PAIR(
    "Rrmode", "劣化度上限を現況時劣化度と0.9の高い方とする。", "劣化事象がある時は劣化度上限を0.9にする。");
inline constexpr SettingChoice BraceDirectionChoices[] =
    QUILMORA_PAIR("Rsmode", "一方向筋かいの方向を区別しない。", "一方向筋かいの方向を区別する。");
inline constexpr SettingChoice SteepDiagonalChoices[] = QUILMORA_PAIR(
    "Rnaname", "45°を超える場合の耐力・剛性は無しとする。", "45°を超える場合でも耐力・剛性を見込む。");
inline constexpr SettingChoice LeanToChoices[] =
    QUILMORA_PAIR("Rgeya", "下屋柱はその他の階の低減係数にする。", "下屋柱は最上階の低減係数にする。");
inline constexpr SettingChoice GravityCentreChoices[] =
    QUILMORA_PAIR("Rjuflag", "床仕様の違いは考慮しない。", "床と軽い屋根と重い屋根屋根を区別する。");
inline constexpr SettingChoice JointIIIChoices[] = QUILMORA_PAIR(
    "Rtoflag", "通し柱に挟まれた間を接合部Ⅲにする。", "構面の両端柱が通し柱の場合のみ接合部Ⅲにする。");
inline constexpr SettingChoice WallStandardChoices[] =
    QUILMORA_PAIR("Rtaflag", "日本建築防災協会の基準に従って算出する。", "横浜市の基準に従って算出する。");
inline constexpr SettingChoice NValueFactorChoices[] =
    QUILMORA_PAIR("Rnchif", "全ての壁倍率の値を 基準耐力／1.96ｋＮ として計算する。",
                  "定義されている壁倍率の値のみで計算する。");
inline constexpr SettingChoice UnratedOpeningChoices[] =
    QUILMORA_PAIR("Ryuukaikou", "耐力評価できない有開口壁でも耐力ありにする。",
                  "耐力評価できない有開口壁は耐力なしにする。");
inline constexpr SettingChoice LowStrengthChoices[] = QUILMORA_PAIR(
    "Rteigen2kn", "壁基準耐力2kN/mの値にする。", "壁基準耐力2kN/mの値と1kN/mの値の直線補完値にする。");
inline constexpr SettingChoice UnratedSolidChoices[] = QUILMORA_PAIR(
    "Rmuyuna", "同じ長さで耐力なしの有開口壁とみなす。", "長さが無く耐力も無い有開口壁とみなす。");
#undef QUILMORA_PAIR
inline constexpr SettingChoice Method2ColumnChoices[] = {
    {Method2ColumnLower, {"Rhouhou2hashira0"}, "耐力評価の低い側の値にする"},
    {Method2ColumnHigher, {"Rhouhou2hashira1"}, "耐力評価の高い側の値にする"},
    {Method2ColumnSum, {"Rhouhou2hashira2"}, "それぞれの評価の合算"},
};
inline constexpr SettingChoice VerificationDeteriorationChoices[] = {
    {VerificationDeterioration100, {"Rshinrekka0"}, "1.0"},
    {VerificationDeterioration85, {"Rshinrekka1"}, "0.85"},
    {VerificationDeterioration70, {"Rshinrekka2"}, "0.7"},
    {VerificationDeteriorationComputed, {"Rshinrekka3"}, "劣化計算値"},
};

inline constexpr SettingDescriptor Rows[] = {
    Row("Revision", &P::Revision, "G1", "動作モード", RevisionChoices, Choices, Revision2012, OnNew),
    Row("DiagnosisMethod", &P::DiagnosisMethod, "GroupBox45", "計算方法", DiagnosisMethodChoices, Choices,
        DiagnosisPrecise1, OnNew),
    Row("RequiredStrengthMethod", &P::RequiredStrengthMethod, "GroupBox16", "必要耐力算出",
        RequiredStrengthChoices, Choices, RequiredByStrengthTable, OnNew),
    Row("BalanceMethod", &P::BalanceMethod, "GroupBox44", "耐力要素の配置等による低減係数", BalanceChoices,
        Choices, BalanceByEccentricity, OnNew),
    Row("OtherElementsMethod", &P::OtherElementsMethod, "GroupBox49", "その他の耐震要素の耐力",
        OtherElementsChoices, Choices, OtherElementsMethod1, OnNew),
    Row("OpeningWallBasis", &P::OpeningWallBasis, "GroupBox43", "その他の耐震要素の耐力", OpeningWallChoices,
        Choices, OpeningWallsByLength, OnNew),
    Row("JointHardwareMethod", &P::JointHardwareMethod, "GroupBox70", "柱頭柱脚金物の算定",
        JointHardwareChoices, Choices, HardwareByNValue, OnNew),
    Row("SnowCase", &P::SnowCase, "GroupBox177", "多雪区域の場合", SnowCaseChoices, Choices, SnowCaseWithout,
        OnNew),
    NumberRow("SpareFlag", &P::SpareFlag, "", "", 0, 0, 0, OnNew),
    Row("WallQuantityFeature", &P::WallQuantityFeature, "Ckaberyou", "壁量計算", CheckBox, Free, SettingOn,
        OnNew),
    Row("VerificationFeature", &P::VerificationFeature, "Ckenshouhou", "新耐震検証法", CheckBox, Free,
        SettingOn, Kept),
    Row("TopStorey", &P::TopStorey, "", "建物階数", TopStoreyChoices, Choices, TopStoreySecond, OnNew, 0,
        true),
    Row("AtticStorage", &P::AtticStorage, "", "小屋裏収納", AtticStorageChoices, Free, SettingOff, Kept, 0,
        true),
    Row("WeightClass", &P::WeightClass, "", "建物の重さの区分", WeightClassChoices, Choices, WeightLight,
        Kept, 0, true),
    Row("SpareVariantValue", &P::SpareVariantValue, "", "", {}, Free, 0, Kept, 0, true),
    Row("PartWeightClass[roof]", &P::PartWeightClass, "", "屋根", PartWeightChoices[0], Choices, WeightLight,
        Kept, 0, true),
    Row("PartWeightClass[outer wall]", &P::PartWeightClass, "", "外壁", PartWeightChoices[1], Choices,
        WeightLight, Kept, 1, true),
    Row("PartWeightClass[inner wall]", &P::PartWeightClass, "", "内壁", PartWeightChoices[2], Choices,
        WeightLight, Kept, 2, true),
    Row("PartWeightClass[floor]", &P::PartWeightClass, "", "床", PartWeightChoices[3], Choices, WeightLight,
        Kept, 3, true),
    Row("PartWeightClass[live load]", &P::PartWeightClass, "", "積載荷重", PartWeightChoices[4], Choices,
        WeightLight, Kept, 4, true),
    Row("GroundClass", &P::GroundClass, "GroupBox55", "地盤", GroundClassChoices, Choices, GroundNormal,
        Kept),
    Row("VerySoftGround", &P::VerySoftGround, "Cichijiru", "著しく軟弱な地盤", CheckBox, Choices, SettingOff,
        Kept),
    Row("MixedStructure", &P::MixedStructure, "GG7", "混構造の有無", MixedStructureChoices, Choices,
        MixedStructureNone, Kept),
    Row("StructureType", &P::StructureType, "GG4", "建物構造", StructureTypeChoices, Choices,
        StructurePostAndBeam, Kept),
    Row("BuildingUse", &P::BuildingUse, "GG5", "用途", BuildingUseChoices, Choices, UseDwellingOnly, Kept),
    Row("Garage", &P::Garage, "GG51", "地上階ガレージ", GarageChoices, Choices, GarageNone, Kept),
    Row("Basement", &P::Basement, "GG52", "地階・地下車庫", BasementChoices, Free, SettingOff, Kept),
    Row("FoundationType", &P::FoundationType, "GBox18", "形式", FoundationTypeChoices, Choices,
        FoundationPlainConcrete, Kept),
    Row("FoundationCracks", &P::FoundationCracks, "GBox101", "亀裂", FoundationCracksChoices, Free,
        SettingOff, Kept),
    Row("FoundationTieBeams", &P::FoundationTieBeams, "GBox102", "足固め", TieBeamsChoices, Free, SettingOff,
        Kept),
    Row("FoundationClass", &P::FoundationClass, "", "基礎の種類", FoundationClassChoices, Free,
        FoundationClassIII, Kept),
    Row("CrackCause[ground settlement]", &P::CrackCause, "Ehibigen1", "地盤沈下", CheckBox, Free, SettingOff,
        Kept, 0),
    Row("CrackCause[rusting reinforcement]", &P::CrackCause, "Ehibigen2", "鉄筋のさび等", CheckBox, Free,
        SettingOff, Kept, 1),
    Row("CrackCause[other]", &P::CrackCause, "Ehibigen3", "その他", CheckBox, Free, SettingOff, Kept, 2),
    Row("UniformFoundation", &P::UniformFoundation, "Ckisokobetsu",
        "基礎(Ⅰ、Ⅱ、Ⅲ)の個別入力を行わない。(全て上記の基礎にする）", CheckBox, Free, SettingOff, Kept),
    Row("FloorMaterial", &P::FloorMaterial, "GroupBox14", "床材", FloorMaterialChoices, Choices,
        FloorOtherMaterial, Kept),
    Row("HorizontalBraces", &P::HorizontalBraces, "GroupBox12", "火打ち梁", HorizontalBracesChoices, Choices,
        HorizontalBracesNone, Kept),
    Row("Atrium", &P::Atrium, "GroupBox11", "一辺４ｍ以上の吹抜け", AtriumChoices, Free, SettingOff, Kept),
    Row("UniformFloorSpec", &P::UniformFloorSpec, "Cyukakobetsu",
        "床仕様（Ⅰ、Ⅱ、Ⅲ）の個別入力を行わない。（上記床仕様で計算する）", CheckBox, Free, SettingOff, Kept),
    Row("BuildDateUnknown[completion]", &P::BuildDateUnknown, "Ekoufumei0", "不明", CheckBox, Free,
        SettingOff, Kept, 0),
    Row("BuildDateUnknown[1]", &P::BuildDateUnknown, "Ekoufumei1", "不明", CheckBox, Free, SettingOff, Kept,
        1),
    Row("BuildDateUnknown[2]", &P::BuildDateUnknown, "Ekoufumei2", "不明", CheckBox, Free, SettingOff, Kept,
        2),
    Row("BuildDateUnknown[3]", &P::BuildDateUnknown, "Ekoufumei3", "不明", CheckBox, Free, SettingOff, Kept,
        3),
    Row("RenovationDone[completion]", &P::RenovationDone, "", "", CheckBox, Free, SettingOff, Kept, 0),
    Row("RenovationDone[1]", &P::RenovationDone, "Ekouzou1", "第１回", CheckBox, Free, SettingOff, Kept, 1),
    Row("RenovationDone[2]", &P::RenovationDone, "Ekouzou2", "第２回", CheckBox, Free, SettingOff, Kept, 2),
    Row("RenovationDone[3]", &P::RenovationDone, "Ekouzou3", "第３回", CheckBox, Free, SettingOff, Kept, 3),
    Row("AppendTei", &P::AppendTei, "Cteifuka", "邸を付ける", CheckBox, Free, SettingOn, Kept),
    Row("NotDwellingOnly", &P::NotDwellingOnly, "Chijuutaku", "専用住宅では無い", CheckBox, Free, SettingOff,
        Kept),
    Row("DeteriorationAnswer[roof]", &P::DeteriorationAnswer, "GBox21", "屋根", RoofAnswers, Choices,
        AnswerSound, Kept, 0),
    Row("DeteriorationAnswer[gutters]", &P::DeteriorationAnswer, "GBox201", "樋・呼び樋", GutterAnswers,
        Choices, AnswerSound, Kept, 1),
    Row("DeteriorationAnswer[downspouts]", &P::DeteriorationAnswer, "GBox202", "竪樋", DownspoutAnswers,
        Choices, AnswerSound, Kept, 2),
    Row("DeteriorationAnswer[outer wall]", &P::DeteriorationAnswer, "GBox22", "外壁", OuterWallAnswers,
        Choices, AnswerSound, Kept, 3),
    Row("DeteriorationAnswer[exposed frame]", &P::DeteriorationAnswer, "GBox24", "露出した躯体",
        ExposedFrameAnswers, Choices, ExposedFrameNone, Kept, 4),
    Row("DeteriorationAnswer[balcony]", &P::DeteriorationAnswer, "GBox25", "バルコニー（後付型も含む）",
        BalconyAnswers, Choices, SettingOff, Kept, 5),
    Row("DeteriorationAnswer[railing]", &P::DeteriorationAnswer, "GBox203", "手すり壁の劣化", RailingAnswers,
        Choices, AnswerSound, Kept, 6),
    Row("DeteriorationAnswer[junction]", &P::DeteriorationAnswer, "GBox204", "外部との接合部",
        JunctionAnswers, Choices, AnswerSound, Kept, 7),
    Row("DeteriorationAnswer[drain]", &P::DeteriorationAnswer, "GBox205", "床排水の劣化", DrainAnswers,
        Choices, AnswerSound, Kept, 8),
    Row("DeteriorationAnswer[inner wall]", &P::DeteriorationAnswer, "GBox26", "内壁（一般室）",
        InnerWallAnswers, Choices, AnswerSound, Kept, 9),
    Row("DeteriorationAnswer[bathroom finish]", &P::DeteriorationAnswer, "GBox206", "仕上げ",
        BathroomFinishAnswers, Choices, BathroomTiled, Kept, 10),
    Row("DeteriorationAnswer[bathroom]", &P::DeteriorationAnswer, "GBox207", "劣化", BathroomAnswers, Choices,
        AnswerSound, Kept, 11),
    Row("DeteriorationAnswer[tiled bathroom]", &P::DeteriorationAnswer, "Eyokurek10",
        "タイル壁：目地の亀裂、タイルの割れがある", CheckBox, Choices, SettingOff, Kept, 12),
    Row("DeteriorationAnswer[untiled bathroom]", &P::DeteriorationAnswer, "Eyokurek11",
        "タイル以外：水侵み痕、変色、亀裂、カビ、腐朽、蟻害がある", CheckBox, Choices, SettingOff, Kept, 13),
    Row("DeteriorationAnswer[floors]", &P::DeteriorationAnswer, "GBox301", "一般室", FloorAnswers, Choices,
        AnswerSound, Kept, 14),
    Row("DeteriorationAnswer[corridor]", &P::DeteriorationAnswer, "GBox302", "廊下", CorridorAnswers, Choices,
        AnswerSound, Kept, 15),
    Row("DeteriorationAnswer[under floor]", &P::DeteriorationAnswer, "GBox33", "基礎床下部材",
        UnderFloorAnswers, Choices, AnswerSound, Kept, 16),
    Row("RetrofitDeteriorationRule", &P::RetrofitDeteriorationRule, "GroupBox64",
        "改修時劣化度の取り扱い （一般診断法　改修案・改修案２）", RetrofitRuleChoices, Choices,
        RetrofitCapHigherOfCurrent, OnNew),
    Row("DistinguishBraceDirection", &P::DistinguishBraceDirection, "GroupBox65", "一方向筋かいの方向",
        BraceDirectionChoices, Free, SettingOff, OnNew),
    Row("CountSteepDiagonalWalls", &P::CountSteepDiagonalWalls, "GroupBox66", "斜め壁の耐力・剛性",
        SteepDiagonalChoices, Free, SteepDiagonalDominantOnly, OnNew),
    NumberRow("EccentricityOptions", &P::EccentricityOptions, "", "", 0,
              EccentricityUnresistedIsLarge | EccentricityCeByTorsionFactor | EccentricityCeLimitMask,
              EccentricityUnresistedIsLarge, OnNew),
    Row("LeanToColumnsTopStorey", &P::LeanToColumnsTopStorey, "GroupBox176", "下屋柱の柱接合部による低減係数",
        LeanToChoices, Free, LeanToColumnsTopStoreyFactor, OnNew),
    Row("GravityCentreBySpec", &P::GravityCentreBySpec, "GroupBox68", "重心の算定", GravityCentreChoices,
        Free, GravityCentreBySpecs, OnNew),
    Row("JointIIIRule", &P::JointIIIRule, "GroupBox67", "接合部ⅢⅣの判断", JointIIIChoices, Free,
        JointIIIBetweenThroughColumns, OnNew),
    Row("WallStrengthStandard", &P::WallStrengthStandard, "GroupBox69", "壁の基準耐力", WallStandardChoices,
        Free, WallStandardOfAssociation, OnNew),
    Row("NValueWallFactor", &P::NValueWallFactor, "GroupBox71", "Ｎ値計算における壁倍率の値",
        NValueFactorChoices, Free, NValueFactorsFromStrength, OnNew),
    Row("UnratedOpeningWallStrength", &P::UnratedOpeningWallStrength, "GroupBox194",
        "有開口壁の耐力（一般診断法）", UnratedOpeningChoices, Free, UnratedOpeningKeepsStrength, OnNew),
    Row("LowStrengthWallReduction", &P::LowStrengthWallReduction, "GroupBox195",
        "壁基準耐力2kN/m未満の壁の低減係数（診断法）", LowStrengthChoices, Free, LowStrengthAs2kN, OnNew),
    Row("UnratedSolidWallRule", &P::UnratedSolidWallRule, "GroupBox196", "耐力評価できない無開口壁の取り扱い",
        UnratedSolidChoices, Free, UnratedSolidNoLength, Kept),
    Row("Method2ColumnRule", &P::Method2ColumnRule, "GroupBox200",
        "方法2における 柱の耐力剛性 (両側の壁種が異なる場合)", Method2ColumnChoices, Choices,
        Method2ColumnLower, Kept),
    Row("VerificationDeterioration", &P::VerificationDeterioration, "Grekkado", "劣化度",
        VerificationDeteriorationChoices, Free, VerificationDeterioration100, OnNew),
    NumberRow("AxisNumbering", &P::AxisNumbering, "GroupBox197", "通り芯名", 0,
              AxisNumberingXFrom1 | AxisNumberingYFrom1, 0, Kept),
    Row("ShowRetrofitCaution", &P::ShowRetrofitCaution, "Cwkaishu", "改修注意", CheckBox, Free, SettingOn,
        OnNew),
    Row("ShowBeamStress", &P::ShowBeamStress, "Cwouka", "横架材応力", CheckBox, Free, SettingOn, OnNew),
    Row("ShowWallElements", &P::ShowWallElements, "Cwyouso", "壁要素or補強No.", CheckBox, Free,
        ShowWallElementLabels, OnNew),
    Row("ShowWallStrength", &P::ShowWallStrength, "Cwtairyoku", "壁耐力", CheckBox, Free, SettingOn, OnNew),
    Row("ShowReducedStrength", &P::ShowReducedStrength, "Cwteigenchi", "壁低減値or基準耐力", CheckBox, Free,
        ShowReducedStrengths, OnNew),
    Row("ShowColumnNValue", &P::ShowColumnNValue, "Ccnchi", "柱Ｎ値", CheckBox, Free, SettingOn, OnNew),
    Row("ShowRetrofitPlaces", &P::ShowRetrofitPlaces, "Ckaishu", "改修箇所", CheckBox, Free, SettingOn,
        OnNew),
    Row("ShowOtherStoreyWalls", &P::ShowOtherStoreyWalls, "CtakaiW", "他階耐力壁or基礎", CheckBox, Free,
        ShowOtherStoreyBearingWalls, OnNew),
    Row("ManualFloorAreas", &P::ManualFloorAreas, "Cyukamenshuusei", "面積を手動で入力する。", CheckBox, Free,
        SettingOff, OnNew),
};

}  // namespace setting_rows

// The table, in the order of ProjectSettingsData.
constexpr std::span<const SettingDescriptor> SettingTable() { return setting_rows::Rows; }

// Sets every row's reset value: all rows, or only those File > New resets.
constexpr void ApplySettingResetValues(ProjectSettingsData& s, bool onlyResetOnNew) {
  for (const SettingDescriptor& d : SettingTable())
    if (!onlyResetOnNew || d.Reset == SettingReset::OnNew)
      for (int32_t v = 0; v < SettingElementCount(d); ++v) SettingValue(s, d, v) = d.ResetValue;
}

// The row of a member (and entry, for arrays of distinct settings and the
// parts of PartWeightClass); nullptr for a member without a row.
const SettingDescriptor* FindSetting(SettingMember member, int32_t index = 0);

// What a dialog component is bound to: a row's own component (Choice null) or
// the radio of one of its choices, with the variant whose radio it is.
struct SettingBinding {
  const SettingDescriptor* Setting = nullptr;
  const SettingChoice* Choice = nullptr;
  int32_t Variant = 0;
};
SettingBinding FindSettingByComponent(std::string_view name);

// One row for every real-number setting: the values it holds (all elements of
// an array, in memory order) and their accepted range. The project readers
// refuse a value outside the range; the outline dialog refuses to store one.
struct NumberSettingDescriptor {
  const char* Name;  // member name
  std::span<const double> (*Values)(const ProjectSettingsData&);
  NumberField Field;
};

namespace setting_rows {

template <std::size_t N>
constexpr std::span<const double> All(const double (&a)[N]) {
  return {a, N};
}
template <std::size_t M, std::size_t N>
constexpr std::span<const double> All(const double (&a)[M][N]) {
  return {&a[0][0], M * N};
}
#define QUILMORA_NUMBER_ROW(member, field)                                    \
  NumberSettingDescriptor {                                                   \
#member, [](const P& s) { return All(s.member); }, FileNumberBounds.field \
  }

inline constexpr NumberSettingDescriptor NumberRows[] = {
    {"RegionFactorZ", [](const P& s) { return std::span<const double>(&s.RegionFactorZ, 1); },
     FileNumberBounds.RegionFactorZ},
    {"SnowLoad", [](const P& s) { return std::span<const double>(&s.SnowLoad, 1); },
     FileNumberBounds.SnowLoad},
    QUILMORA_NUMBER_ROW(StoreyHeight, StoreyHeight),
    QUILMORA_NUMBER_ROW(BuildingArea, Area),
    QUILMORA_NUMBER_ROW(LawFloorArea, Area),
    QUILMORA_NUMBER_ROW(TotalFloorArea, Area),
    QUILMORA_NUMBER_ROW(ManualFloorArea, Area),
    QUILMORA_NUMBER_ROW(ManualZoneAreaA, Area),
    QUILMORA_NUMBER_ROW(ManualZoneAreaB, Area),
    QUILMORA_NUMBER_ROW(ManualZoneArea1, Area),
    QUILMORA_NUMBER_ROW(ManualZoneArea2, Area),
};
#undef QUILMORA_NUMBER_ROW

}  // namespace setting_rows

constexpr std::span<const NumberSettingDescriptor> NumberSettingTable() { return setting_rows::NumberRows; }

// The row of a real-number member; nullptr for a member without one.
const NumberSettingDescriptor* FindNumberSetting(std::string_view name);
