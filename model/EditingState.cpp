#include "model/EditingState.h"

#include "platform/Format.h"

int32_t CurrentVariant = 0;
int32_t CurrentStorey = 0;
int32_t CurrentEditMode = EditModeNone;
int32_t TriangleInput = 0;
int32_t GridEditMode = GridEditAddX;
int32_t PendingPointCount = 0;
int32_t ModifiedFlag = 0;

const char* const TitleFormat = "Quilmora2025 [%s]";
const char* const UntitledFilePath = "無題";
std::string CurrentFilePath = UntitledFilePath;
std::string WindowTitle;

int32_t GridSpacingCheckPending = 1;

int32_t PlanScaleDenominator = DefaultPlanScaleDenominator;
double PixelsPerMetre = 4000 / DefaultPlanScaleDenominator;  // 53

int32_t PreviewPage[ReportPageKindCount];
int32_t PreviewPageCount[ReportPageKindCount];

void SetPlanScale(int32_t denominator) {
  if (denominator < MinPlanScaleDenominator) denominator = MinPlanScaleDenominator;
  if (denominator > MaxPlanScaleDenominator) denominator = MaxPlanScaleDenominator;
  PlanScaleDenominator = denominator;
  PixelsPerMetre = 4000 / denominator;
}

void UpdateWindowTitle() { WindowTitle = FormatA(TitleFormat, CurrentFilePath.c_str()); }
