#pragma once
// Report preview paging, per report page kind: the page shown and the number
// of pages. The model reset sets both to 1.
#include <cstdint>

constexpr int ReportPageKindCount = 14;
extern int32_t PreviewPage[ReportPageKindCount];
extern int32_t PreviewPageCount[ReportPageKindCount];
