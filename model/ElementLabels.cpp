#include "model/ElementLabels.h"

#include <initializer_list>

const char16_t* const FoundationTypeLabels[FoundationTypeCount] = {u"基礎Ⅰ", u"基礎Ⅱ", u"基礎Ⅲ"};
const char16_t* const GableShapeLabels[GableShapeCount] = {u"片流れ", u"両流れ", u"ﾊﾟﾗﾍﾟｯﾄ"};

const int32_t AreaKindOfCode[AreaLabelCodeCount] = {0, 1, 2, 3, 3, 5, 6, 7, 3, 3,
                                                    4, 4, 4, 4, 0, 0, 0, 2, 2, 2};
const int32_t WeightRadioOfCode[AreaLabelCodeCount] = {1, 4, 1, 1, 2, 4, 4, 4, 3, 0,
                                                       1, 2, 3, 0, 2, 3, 0, 2, 3, 0};
const char16_t* const AreaKindNames[AreaKindNameCount] = {
    u"床", u"吹抜部", u"跳出バルコニー", u"屋根", u"軒庇", u"小屋裏収納", u"最大矩形", u"独立荷重"};
const char16_t* const AreaWeightPrefixes[AreaWeightPrefixCount] = {u"個別荷重の", u"軽い", u"重い",
                                                                   u"非常に重い", u""};

int32_t AreaCodeLabel(int32_t code, char16_t (&out)[AreaLabelCapacity]) {
  int32_t n = 0;
  if (ValidAreaCode(code)) {
    const int32_t radio = WeightRadioOfCode[code], kind = AreaKindOfCode[code];
    for (const char16_t* part : {AreaWeightPrefixes[radio], AreaKindNames[kind]})
      for (const char16_t* c = part; *c && n < AreaLabelCapacity - 1; ++c) out[n++] = *c;
  }
  out[n] = 0;
  return n;
}

const char16_t* const ColumnTypeLabels[ColumnTypeLabelCount] = {u"管柱", u"通し柱(1-2)", u"通し柱(2-3)"};
const char16_t* const HardwareSymbolLabels[HardwareSymbolLabelCount] = {
    u"釘打ち", u"ＶＰ", u"告示", u"ＨＤ", u"い",  u"ろ",  u"は",  u"に",  u"ほ",  u"へ",
    u"と",     u"ち",   u"り",   u"ぬ",   u"ぬ+", u"U1",  u"U2",  u"U3",  u"U4",  u"U5",
    u"U6",     u"U7",   u"U8",   u"U9",   u"U10", u"U11", u"U12", u"U13", u"U14", u"U15"};
const char16_t* const CornerSettingLabels[CornerSettingLabelCount] = {u"自動", u"指定", u"指定"};
const char16_t* const CornerJudgementLabels[CornerJudgementLabelCount] = {u"自動", u"出隅柱", u"一般柱"};
const char16_t* const PositionLabels[PositionLabelCount] = {u"最上階", u"２階建ての１階"};
const char16_t* const SpeciesLabels[SpeciesLabelCount] = {u"スギ", u"ヒノキ", u"ケヤキ"};
const char16_t* const SectionLabels[SectionLabelCount] = {u"＜120mm", u"≧120mm", u"≧135mm",
                                                          u"≧150mm",  u"≧180mm", u"≧240mm"};
const char16_t* const BreakageRiskLabels[BreakageRiskLabelCount] = {u"", u"折損の可能性あり"};

const int32_t BraceRowOfKind[BraceKindCount] = {0, 1, 2, 3, 4, 6, 8, 9, 10, 11, 12};
