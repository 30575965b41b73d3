#include "analysis/StoreySums.h"

#include "analysis/AnalysisResults.h"
#include "analysis/OriginCoordinates.h"
#include "analysis/WallLines.h"
#include "model/ElementLists.h"
#include "model/Grid.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

namespace {

// Below this difference of the two extents a diagonal wall counts as 45 degrees.
constexpr double DominantDirectionTolerance = 0.00000001;
constexpr double QuarterZoneTolerance = 0.00001;

// The share of a wall's stiffness that acts along one axis.
double StiffnessProjection(double extent, double length) { return length != 0.0 ? extent / length : 0.0; }

bool RunsAlongAnAxis(const WallRecord& w) { return w.X1 == w.X2 || w.Y1 == w.Y2; }

// Strength, stiffness and wall quantity of one wall loading case.
void CalcWallCaseQuantities(WallResult& result, SnowWallResult& snowResult, int c, bool withSnow,
                            bool onlyDominantDirection) {
  const WallCaseResult& wall = result.Blocks[0];  // fields that belong to the wall, not the case
  WallCaseResult& b = result.Blocks[c];
  SnowWallCaseResult& sb = snowResult.Blocks[c];
  const double toX = StiffnessProjection(wall.ExtentX, wall.Length);
  const double toY = StiffnessProjection(wall.ExtentY, wall.Length);

  b.ReducedStrength = b.BaseStrength * b.MinReductionFactor * wall.OpeningFactor;
  b.ReducedStiffness = b.BaseStiffness * b.MinReductionFactor * wall.OpeningFactor;
  b.StrengthX = wall.LengthX * b.ReducedStrength;
  b.StrengthY = wall.LengthY * b.ReducedStrength;
  b.WallQuantityX = wall.LengthX * b.WallFactor;
  b.WallQuantityY = wall.LengthY * b.WallFactor;
  b.StiffnessX = toX * wall.LengthX * b.ReducedStiffness;
  b.StiffnessY = toY * wall.LengthY * b.ReducedStiffness;

  if (withSnow) {
    sb.ReducedStrength = b.BaseStrength * sb.MinReductionFactor * wall.OpeningFactor;
    sb.ReducedStiffness = b.BaseStiffness * sb.MinReductionFactor * wall.OpeningFactor;
    sb.StrengthX = wall.LengthX * sb.ReducedStrength;
    sb.StrengthY = wall.LengthY * sb.ReducedStrength;
    sb.StiffnessX = toX * wall.LengthX * sb.ReducedStiffness;
    sb.StiffnessY = toY * wall.LengthY * sb.ReducedStiffness;
  }

  if (!onlyDominantDirection) return;
  const double d = wall.ExtentX - wall.ExtentY;
  if (d < -DominantDirectionTolerance) {
    b.StrengthX = b.WallQuantityX = b.StiffnessX = 0.0;
    if (withSnow) sb.StrengthX = sb.StiffnessX = 0.0;
  } else if (d > DominantDirectionTolerance) {
    b.StrengthY = b.WallQuantityY = b.StiffnessY = 0.0;
    if (withSnow) sb.StrengthY = sb.StiffnessY = 0.0;
  }
}

// End points from the origin into block k, and the first-moment products of
// storey case k into the blocks the case takes its X and Y values from; the
// products are added to the storey's moment sums.
template <typename Record>
void AddFirstMoments(Record& r, int k, bool alongAxis, double x1, double y1, double x2, double y2,
                     double& momentX, double& momentY) {
  auto& bk = r.Blocks[k];
  auto& bx = r.Blocks[XCaseOfStoreyCase[k]];
  auto& by = r.Blocks[YCaseOfStoreyCase[k]];
  bk.StartXFromOrigin = x1;
  bk.EndXFromOrigin = x2;
  bk.StartYFromOrigin = y1;
  bk.EndYFromOrigin = y2;
  const double ly = by.StiffnessY;
  const double lx = bx.StiffnessX;
  if (alongAxis) {
    bx.LyX = ly * bk.StartXFromOrigin;
    bx.LyXEnd = 0.0;
    by.LxY = lx * bk.StartYFromOrigin;
    by.LxYEnd = 0.0;
    momentX += bx.LyX;
    momentY += by.LxY;
  } else {
    // A diagonal wall acts half at each end.
    bx.LyX = ly * bk.StartXFromOrigin / 2.0;
    bx.LyXEnd = ly * bk.EndXFromOrigin / 2.0;
    by.LxY = lx * bk.StartYFromOrigin / 2.0;
    by.LxYEnd = lx * bk.EndYFromOrigin / 2.0;
    momentX += bx.LyX;
    momentX += bx.LyXEnd;
    momentY += by.LxY;
    momentY += by.LxYEnd;
  }
}

}  // namespace

void AddWallToStoreySums(int32_t storey, int32_t wall) {
  const int v = CurrentVariant;
  const int s = storey;
  const WallRecord& w = Walls[v][s][wall];
  WallResult& r = WallResults[v][s][wall];
  SnowWallResult& sr = SnowWallResults[v][s][wall];
  const bool withSnow = ProjectSettings.SnowLoad != 0.0;
  const bool onlyDominantDirection = ProjectSettings.CountSteepDiagonalWalls == SteepDiagonalDominantOnly;

  for (int c = 0; c < WallLoadingCaseCount; ++c)
    CalcWallCaseQuantities(r, sr, c, withSnow, onlyDominantDirection);

  const bool alongAxis = RunsAlongAnAxis(w);
  const double x1 = XFromOrigin(w.X1), x2 = XFromOrigin(w.X2);
  const double y1 = YFromOrigin(w.Y1), y2 = YFromOrigin(w.Y2);

  for (int k = 0; k < StoreyLoadingCaseCount; ++k) {
    const WallCaseResult& bx = r.Blocks[XCaseOfStoreyCase[k]];
    const WallCaseResult& by = r.Blocks[YCaseOfStoreyCase[k]];
    WallStrengthX[v][s][k] += bx.StrengthX;
    WallStrengthY[v][s][k] += by.StrengthY;
    ExistingWallLengthX[v][s][k] += bx.WallQuantityX;
    ExistingWallLengthY[v][s][k] += by.WallQuantityY;
    StiffnessSumX[v][s][k] += bx.StiffnessX;
    StiffnessSumY[v][s][k] += by.StiffnessY;

    if (alongAxis) {
      LineStiffnessX[v][s][w.Y1][k] += bx.StiffnessX;
      LineStiffnessY[v][s][w.X1][k] += by.StiffnessY;
    } else {
      LineStiffnessX[v][s][w.Y1][k] += bx.StiffnessX / 2.0;
      LineStiffnessX[v][s][w.Y2][k] += bx.StiffnessX / 2.0;
      LineStiffnessY[v][s][w.X1][k] += by.StiffnessY / 2.0;
      LineStiffnessY[v][s][w.X2][k] += by.StiffnessY / 2.0;
    }
    AddFirstMoments(r, k, alongAxis, x1, y1, x2, y2, StiffnessMomentX[v][s][k], StiffnessMomentY[v][s][k]);

    if (withSnow) {
      const SnowWallCaseResult& sbx = sr.Blocks[XCaseOfStoreyCase[k]];
      const SnowWallCaseResult& sby = sr.Blocks[YCaseOfStoreyCase[k]];
      WallStrengthXSnow[v][s][k] += sbx.StrengthX;
      WallStrengthYSnow[v][s][k] += sby.StrengthY;
      StiffnessSumXSnow[v][s][k] += sbx.StiffnessX;
      StiffnessSumYSnow[v][s][k] += sby.StiffnessY;
      AddFirstMoments(sr, k, alongAxis, x1, y1, x2, y2, StiffnessMomentXSnow[v][s][k],
                      StiffnessMomentYSnow[v][s][k]);
    }
  }
}

namespace {

// The sums of one end zone of the quarter division.
struct QuarterZoneSums {
  StoreyArray& Strength;
  StoreyArray& WallLength;
  StoreyArray& StrengthSnow;

  void Add(int v, int s, double strength, double quantity, bool withSnow, double snowStrength) const {
    Strength[v][s] += strength;
    WallLength[v][s] += quantity;
    if (withSnow) StrengthSnow[v][s] += snowStrength;
  }
};

// The zone sums of the walls of one direction: those along X stand on Y lines
// and fill zones a and b, those along Y fill zones 1 and 2.
void AddQuarterZoneWallsAlong(bool alongX, int v, int s, double nearBoundary, double farBoundary,
                              const QuarterZoneSums& nearZone, const QuarterZoneSums& farZone,
                              bool withSnow) {
  const int32_t count = alongX ? XWallCount[v][s] : YWallCount[v][s];
  const int32_t* order = alongX ? XWallOrder[v][s] : YWallOrder[v][s];
  const int32_t* lineKey = alongX ? XWallLineKey[v][s] : YWallLineKey[v][s];
  const double* linePositions = alongX ? GridAxisY : GridAxisX;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t wall = order[i];
    const WallRecord& w = Walls[v][s][wall];
    if (w.OpeningKind != 0) continue;
    const double at = linePositions[lineKey[i]];
    const double f = RunsAlongAnAxis(w) ? 1.0 : 0.5;
    const WallCaseResult& b = WallResults[v][s][wall].Blocks[0];
    const SnowWallCaseResult& sb = SnowWallResults[v][s][wall].Blocks[0];
    const double strength = f * (alongX ? b.StrengthX : b.StrengthY);
    const double quantity = f * (alongX ? b.WallQuantityX : b.WallQuantityY);
    const double snowStrength = f * (alongX ? sb.StrengthX : sb.StrengthY);
    if (at <= nearBoundary + QuarterZoneTolerance)
      nearZone.Add(v, s, strength, quantity, withSnow, snowStrength);
    if (at >= farBoundary - QuarterZoneTolerance)
      farZone.Add(v, s, strength, quantity, withSnow, snowStrength);
  }
}

}  // namespace

void AddQuarterZoneWallSums(int32_t storey, const QuarterZoneBoundaries& boundaries) {
  const int v = CurrentVariant;
  const int s = storey;
  const bool withSnow = ProjectSettings.SnowLoad != 0.0;
  AddQuarterZoneWallsAlong(true, v, s, boundaries.A, boundaries.B,
                           {QuarterZoneStrengthA, QuarterWallLengthA, QuarterZoneStrengthASnow},
                           {QuarterZoneStrengthB, QuarterWallLengthB, QuarterZoneStrengthBSnow}, withSnow);
  AddQuarterZoneWallsAlong(false, v, s, boundaries.One, boundaries.Two,
                           {QuarterZoneStrength1, QuarterWallLength1, QuarterZoneStrength1Snow},
                           {QuarterZoneStrength2, QuarterWallLength2, QuarterZoneStrength2Snow}, withSnow);
}
