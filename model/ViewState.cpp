#include "model/ViewState.h"

int32_t CurrentVariant = 0;
int32_t CurrentStorey = 0;
int32_t CurrentEditMode = EditModeNone;
int32_t TriangleInput = 0;
int32_t GridEditMode = GridEditAddX;
int32_t PendingPointCount = 0;
int32_t ClickPoints[4] = {};
int32_t ClickPixels[6] = {};

void CancelClickSequence() {
  PendingPointCount = 0;
  for (int32_t& v : ClickPoints) v = 0;
  for (int32_t& v : ClickPixels) v = 0;
}

int32_t PlanScaleDenominator = DefaultPlanScaleDenominator;
double PixelsPerMetre = WholePixelsPerMetre(DefaultPlanScaleDenominator);  // 53

void SetPlanScale(int32_t denominator) {
  if (denominator < MinPlanScaleDenominator) denominator = MinPlanScaleDenominator;
  if (denominator > MaxPlanScaleDenominator) denominator = MaxPlanScaleDenominator;
  PlanScaleDenominator = denominator;
  PixelsPerMetre = WholePixelsPerMetre(denominator);
}
