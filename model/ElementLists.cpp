#include "model/ElementLists.h"

#define QUILMORA_DEFINE_ELEMENT_LIST(kind, Record, records, count, swapBlock, max) \
  Record records[ModelSlotCount][StoreyCount][max];                                \
  int32_t count[ModelSlotCount][StoreyCount];                                      \
  Record swapBlock[max];
QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_DEFINE_ELEMENT_LIST)
#undef QUILMORA_DEFINE_ELEMENT_LIST

#define QUILMORA_KIND_MAXIMUM(kind, Record, records, count, swapBlock, max) max,
const int32_t ElementKindMaximum[ElementKindCount] = {QUILMORA_FOR_EACH_ELEMENT_KIND(QUILMORA_KIND_MAXIMUM)};
#undef QUILMORA_KIND_MAXIMUM
