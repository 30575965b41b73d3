#include "rendering/CentresOverlay.h"

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/GridAxisLabels.h"
#include "model/Grid.h"
#include "model/ModelAccess.h"
#include "model/PlanPalette.h"
#include "model/ProjectSettings.h"
#include "platform/Numeric.h"
#include "rendering/Canvas.h"
#include "rendering/PlanView.h"

namespace {

// The eccentricity ratio that the range rectangle stands for.
constexpr double EccentricityLimit = 0.15;

constexpr double GravityCrossHalf = 7.1;
constexpr int32_t GravityCircleRadius = 7;
constexpr int32_t RigidityCrossHalf = 10;

struct SheetPoint {
  bool Present;
  int32_t X, Y;
};

// View point of a position measured from the origin axes.
SheetPoint PixelOf(const PlanView& view, double x, double y) {
  if (x == 0 && y == 0) return {false, 0, 0};
  return {true, ToViewUnits(view.ScaledX(x + GridAxisX[GridOriginAxisX])),
          ToViewUnits(view.ScaledY(GridAxisY[GridOriginAxisY] - y))};
}

void Line(Canvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

void UprightCross(Canvas& canvas, SheetPoint p) {
  Line(canvas, p.X - RigidityCrossHalf, p.Y, p.X + RigidityCrossHalf, p.Y);
  Line(canvas, p.X, p.Y - RigidityCrossHalf, p.X, p.Y + RigidityCrossHalf);
}

void ArrowHead(Canvas& canvas, SheetPoint p, const int32_t (&offsets)[6]) {
  canvas.MoveTo(p.X + offsets[0], p.Y + offsets[1]);
  canvas.LineTo(p.X + offsets[2], p.Y + offsets[3]);
  canvas.LineTo(p.X + offsets[4], p.Y + offsets[5]);
}

// Storey loading cases 1 and 3 point left, 2 and 4 right; 1 and 2 up, 3 and 4 down.
void CaseArrowHeads(Canvas& canvas, SheetPoint p, int32_t loadingCase) {
  static constexpr int32_t Left[6] = {-6, -2, -10, 0, -5, 3};
  static constexpr int32_t Right[6] = {6, -2, 10, 0, 5, 3};
  static constexpr int32_t Up[6] = {-2, -6, 0, -10, 3, -5};
  static constexpr int32_t Down[6] = {-2, 6, 0, 10, 3, 5};
  ArrowHead(canvas, p, loadingCase == 1 || loadingCase == 3 ? Left : Right);
  ArrowHead(canvas, p, loadingCase == 1 || loadingCase == 2 ? Up : Down);
}

// Half-widths 0.15 x the elastic radius about Y in x and about X in y.
void RangeRectangle(Canvas& canvas, const PlanView& view, SheetPoint g, int32_t loadingCase) {
  if (!g.Present) return;
  const int32_t v = view.Variant, s = view.Storey;
  const double dx = ElasticRadiusY[v][s][loadingCase] * view.UnitsPerMetre * EccentricityLimit;
  const double dy = ElasticRadiusX[v][s][loadingCase] * view.UnitsPerMetre * EccentricityLimit;
  canvas.Rectangle(ToViewUnits(g.X - dx), ToViewUnits(g.Y - dy), ToViewUnits(g.X + dx) + 1,
                   ToViewUnits(g.Y + dy) + 1);
}

}  // namespace

void DrawCentresOverlay(Canvas& canvas, const PlanView& view) {
  if (!ValidVariant(view.Variant) || !ValidStorey(view.Storey)) return;
  if (GridOriginAxisX < 0 || GridOriginAxisX >= GridAxisCountX || GridOriginAxisY < 0 ||
      GridOriginAxisY >= GridAxisCountY)
    return;
  const int32_t v = view.Variant, s = view.Storey;
  const bool snow = ProjectSettings.SnowCase != SnowCaseWithout;
  const StoreyCaseArray& rigidityX = snow ? RigidityCentreXSnow : RigidityCentreX;
  const StoreyCaseArray& rigidityY = snow ? RigidityCentreYSnow : RigidityCentreY;

  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);

  const SheetPoint g = PixelOf(view, CentreOfGravityX[v][s], CentreOfGravityY[v][s]);
  if (g.Present) {
    canvas.SetPenColour(CentreMarkColours[CentreMarkGravity]);
    canvas.SetPenWidth(3);
    Line(canvas, ToViewUnits(g.X - GravityCrossHalf), ToViewUnits(g.Y - GravityCrossHalf),
         ToViewUnits(g.X + GravityCrossHalf), ToViewUnits(g.Y + GravityCrossHalf));
    Line(canvas, ToViewUnits(g.X + GravityCrossHalf), ToViewUnits(g.Y - GravityCrossHalf),
         ToViewUnits(g.X - GravityCrossHalf), ToViewUnits(g.Y + GravityCrossHalf));
    canvas.Ellipse(g.X - GravityCircleRadius, g.Y - GravityCircleRadius, g.X + GravityCircleRadius,
                   g.Y + GravityCircleRadius);
  }

  if (ProjectSettings.DistinguishBraceDirection == SettingOn) {
    for (int32_t k = 1; k < StoreyLoadingCaseCount; ++k) {
      const SheetPoint p = PixelOf(view, rigidityX[v][s][k], rigidityY[v][s][k]);
      if (!p.Present) continue;
      canvas.SetPenColour(CentreMarkColours[CentreMarkRigidityCase1 + k - 1]);
      canvas.SetPenWidth(1);
      UprightCross(canvas, p);
      canvas.Ellipse(p.X - 6, p.Y - 6, p.X + 7, p.Y + 7);
      CaseArrowHeads(canvas, p, k);
      RangeRectangle(canvas, view, g, k);
    }
    return;
  }

  canvas.SetPenColour(CentreMarkColours[snow ? CentreMarkRigiditySnow : CentreMarkRigidity]);
  const SheetPoint p = PixelOf(view, rigidityX[v][s][0], rigidityY[v][s][0]);
  if (p.Present) {
    canvas.SetPenWidth(3);
    UprightCross(canvas, p);
    canvas.Ellipse(p.X - 7, p.Y - 7, p.X + 8, p.Y + 8);
  }
  canvas.SetPenWidth(1);
  RangeRectangle(canvas, view, g, 0);
}
