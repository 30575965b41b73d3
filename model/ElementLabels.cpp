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
