#include "model/ReportPaging.h"

int32_t PreviewPage[ReportPageKindCount];
int32_t PreviewPageCount[ReportPageKindCount];
