#include "model/ElementLabels.h"

const char16_t* const FoundationTypeLabels[FoundationTypeCount] = {u"基礎Ⅰ", u"基礎Ⅱ", u"基礎Ⅲ"};
const char16_t* const GableShapeLabels[GableShapeCount] = {u"片流れ", u"両流れ", u"ﾊﾟﾗﾍﾟｯﾄ"};
