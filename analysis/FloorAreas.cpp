#include "analysis/FloorAreas.h"

#include <cmath>

#include "analysis/AreaOutline.h"
#include "model/Grid.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"

const int32_t AreaCodeTable[AreaWeightClassCount][AreaKindCount] = {
    {0, 1, 2, 3, 10, 5, 6, 7},
    {14, 1, 17, 4, 11, 5, 6, 7},
    {15, 1, 18, 8, 12, 5, 6, 7},
    {16, 1, 19, 9, 13, 5, 6, 7},
};

const double CalcAreaFactorTable[AreaFactorTableSize] = {
    1, 1, 0.4, 1, 1, 0.67, 0, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0.4, 0.4, 0.4,
};
const double SimpleCalcAreaFactorTable[AreaFactorTableSize] = {
    1, 1, 0.4, 1, 1, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1,
};
const double FloorAreaFactorTable[AreaFactorTableSize] = {
    1, 0, 0, 1, 1, 0.67, 0, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 0.4, 0.4, 0.4,
};
const double GravityWeightFactorTable[AreaFactorTableSize] = {
    2.15, 1, 0.86, 1.43, 2, 1.44, 0, 1, 3.23, 3.23, 1.43, 2, 3.23, 3.23, 2.6, 2.85, 2.85, 1.04, 1.14, 1.14,
};

const double WeightClassDivisorTable[3] = {3.1, 3.9, 5.25};

RectAreaArray RectFloorArea;
RectAreaArray RectComputedFloorArea;
RectAreaArray RectCalcArea;
TriAreaArray TriFloorArea;
TriAreaArray TriComputedFloorArea;
TriAreaArray TriCalcArea;

StoreyArray StoreyGrossArea;
StoreyArray ComputedFloorArea;
StoreyArray StoreyCalcArea;
StoreyArray StoreyCalcAreaSnow;
StoreyArray RequiredStrengthArea;
StoreyArray RequiredStrengthAreaSnow;
StoreyArray RoofWeightArea;
StoreyArray WallWeightArea;
StoreyArray FloorWeightArea;
StoreyArray RoofWeightAreaSnow;
StoreyArray WallWeightAreaSnow;
StoreyArray FloorWeightAreaSnow;

AxisBandArray FloorBandAreaX;
AxisBandArray FloorBandAreaY;

StoreyArray QuarterZoneEdgeA, QuarterZoneEdgeB;
StoreyArray QuarterZoneEdge1, QuarterZoneEdge2;
StoreyArray QuarterZoneBoundaryA;
StoreyArray QuarterZoneBoundaryB;
StoreyArray QuarterZoneBoundary1;
StoreyArray QuarterZoneBoundary2;
int32_t MaxRectangleGiven[VariantCount][StoreyCount];
StoreyArray ShortSideLength;
StoreyArray RequiredStrengthAreaA, RequiredStrengthAreaB, RequiredStrengthArea1, RequiredStrengthArea2;
StoreyArray ComputedZoneAreaA, ComputedZoneAreaB, ComputedZoneArea1, ComputedZoneArea2;

double AreaFactor(const double table[AreaFactorTableSize], int32_t code) {
  return code >= 0 && code < AreaFactorTableSize ? table[code] : 0.0;
}

namespace {

int32_t ListCount(int32_t count, int32_t max) { return MinInt(MaxInt(count, 0), max); }

int32_t BuildingWeightClass(int v) { return MinInt(MaxInt(ProjectSettings.WeightClass[v], 0), 2); }

struct AreaShares {
  double Floor, Computed, Calc;
};

// Steps 2 to 4 of a rectangle or a triangle.
AreaShares SharesOf(int v, int32_t code, double addedLoad, bool addedLoadCounts, double area) {
  AreaShares a{};
  a.Floor = AreaCodeIn(GrossAreaCodes, code) ? area : 0.0;
  a.Computed = AreaCodeIn(ComputedFloorAreaCodes, code) ? area * AreaFactor(FloorAreaFactorTable, code) : 0.0;
  const double* factors = ProjectSettings.RequiredStrengthMethod == RequiredBySimpleTable
                              ? SimpleCalcAreaFactorTable
                              : CalcAreaFactorTable;
  a.Calc = AreaCodeIn(CalcAreaCodes, code) ? area * AreaFactor(factors, code) : 0.0;
  if (addedLoadCounts) a.Calc += (area * addedLoad / 1000) / WeightClassDivisorTable[BuildingWeightClass(v)];
  return a;
}

void AddToStoreySums(int v, int s, int32_t code, const AreaShares& a) {
  StoreyGrossArea[v][s] += a.Floor;
  ComputedFloorArea[v][s] += a.Computed;
  StoreyCalcArea[v][s] += a.Calc;
  StoreyCalcAreaSnow[v][s] += a.Calc;
  RequiredStrengthArea[v][s] += a.Calc;
  RequiredStrengthAreaSnow[v][s] += a.Calc;
  if (AreaCodeIn(FloorWeightAreaCodes, code)) {
    FloorWeightArea[v][s] += a.Calc;
    FloorWeightAreaSnow[v][s] += a.Calc;
  }
  if (AreaCodeIn(RoofWeightAreaCodes, code)) {
    RoofWeightArea[v][s] += a.Floor;
    RoofWeightAreaSnow[v][s] += a.Floor;
  }
  if (AreaCodeIn(WallWeightAreaCodes, code)) {
    WallWeightArea[v][s] += a.Floor;
    WallWeightAreaSnow[v][s] += a.Floor;
  }
}

void AddRectangle(int v, int s, int i) {
  const RoofFloorRectRecord& rect = RoofFloorRects[v][s][i];
  const AreaOutline o = RectangleOutline(rect);
  if (!o.OnGrid) {
    RectFloorArea[v][s][i] = RectComputedFloorArea[v][s][i] = RectCalcArea[v][s][i] = 0.0;
    return;
  }
  const int32_t code = rect.AreaCode;
  const AreaShares a = SharesOf(v, code, rect.AddedLoad, AddedLoadCounts(rect), o.Area);
  RectFloorArea[v][s][i] = a.Floor;
  RectComputedFloorArea[v][s][i] = a.Computed;
  RectCalcArea[v][s][i] = a.Calc;
  AddToStoreySums(v, s, code, a);

  // Bands take CalcAreaFactorTable also under method 3, and no added load.
  const double factor = AreaFactor(CalcAreaFactorTable, code);
  const int32_t xa = MinInt(rect.X1, rect.X2), xb = MaxInt(rect.X1, rect.X2);
  const int32_t ya = MinInt(rect.Y1, rect.Y2), yb = MaxInt(rect.Y1, rect.Y2);
  const double width = std::fabs(GridAxisX[xb] - GridAxisX[xa]);
  const double depth = std::fabs(GridAxisY[yb] - GridAxisY[ya]);
  for (int32_t k = ya; k < yb; ++k)
    FloorBandAreaX[v][s][k] += width * (GridAxisY[k + 1] - GridAxisY[k]) * factor;
  for (int32_t k = xa; k < xb; ++k)
    FloorBandAreaY[v][s][k] += depth * (GridAxisX[k + 1] - GridAxisX[k]) * factor;
}

// Adds to bands[k] the part of the triangle between axes k and k + 1, for the
// axes its corners span: the area up to the far axis less the area up to the
// near one. This is exact also where axes share a position or run backwards.
void AddTriangleBands(double bands[AxisLineCount], const double u[3], const double w[3],
                      const int32_t axis[3], const double* position, double factor) {
  const int32_t first = MinInt(MinInt(axis[0], axis[1]), axis[2]);
  const int32_t last = MaxInt(MaxInt(axis[0], axis[1]), axis[2]);
  double below = ClippedTriangleArea(u, w, position[first], false);
  for (int32_t k = first; k < last; ++k) {
    const double next = ClippedTriangleArea(u, w, position[k + 1], false);
    bands[k] += (next - below) * factor;
    below = next;
  }
}

void AddTriangle(int v, int s, int i) {
  const RoofFloorTriangleRecord& triangle = RoofFloorTriangles[v][s][i];
  const AreaOutline o = TriangleOutline(triangle);
  if (!o.OnGrid) {
    TriFloorArea[v][s][i] = TriComputedFloorArea[v][s][i] = TriCalcArea[v][s][i] = 0.0;
    return;
  }
  const int32_t code = triangle.AreaCode;
  // A triangle's added load counts only when positive, a rectangle's whenever
  // it is not 0: the two have always been treated so.
  const AreaShares a = SharesOf(v, code, triangle.AddedLoad, AddedLoadCounts(triangle), o.Area);
  TriFloorArea[v][s][i] = a.Floor;
  TriComputedFloorArea[v][s][i] = a.Computed;
  TriCalcArea[v][s][i] = a.Calc;
  AddToStoreySums(v, s, code, a);

  const double factor = AreaFactor(CalcAreaFactorTable, code);
  AddTriangleBands(FloorBandAreaY[v][s], o.X, o.Y, o.AxisX, GridAxisX, factor);
  AddTriangleBands(FloorBandAreaX[v][s], o.Y, o.X, o.AxisY, GridAxisY, factor);
}

struct ZoneBounds {
  double A, B, One, Two;
};

struct ZoneAreas {
  double* A;
  double* B;
  double* One;
  double* Two;
};

void AddRectangleToZones(const AreaOutline& o, const ZoneBounds& b, const ZoneAreas& zones) {
  const double xlo = MinDouble(o.X[0], o.X[1]), xhi = MaxDouble(o.X[0], o.X[1]);
  const double ylo = MinDouble(o.Y[0], o.Y[1]), yhi = MaxDouble(o.Y[0], o.Y[1]);
  const double w = xhi - xlo, h = yhi - ylo;
  if (yhi <= b.A)
    *zones.A += h * w;
  else if (ylo < b.A && b.A < yhi)
    *zones.A += (b.A - ylo) * w;
  if (ylo >= b.B)
    *zones.B += h * w;
  else if (ylo < b.B && b.B < yhi)
    *zones.B += (yhi - b.B) * w;
  if (xhi <= b.One)
    *zones.One += h * w;
  else if (xlo < b.One && b.One < xhi)
    *zones.One += h * (b.One - xlo);
  if (xlo >= b.Two)
    *zones.Two += h * w;
  else if (xlo < b.Two && b.Two < xhi)
    *zones.Two += h * (xhi - b.Two);
}

void AddTriangleToZones(const AreaOutline& o, const ZoneBounds& b, const ZoneAreas& zones) {
  *zones.A += ClippedTriangleArea(o.Y, o.X, b.A, false);
  *zones.B += ClippedTriangleArea(o.Y, o.X, b.B, true);
  *zones.One += ClippedTriangleArea(o.X, o.Y, b.One, false);
  *zones.Two += ClippedTriangleArea(o.X, o.Y, b.Two, true);
}

}  // namespace

void ClearFloorAreaSums() {
  for (int v = 0; v < VariantCount; ++v) {
    for (int s = 0; s < StoreyCount; ++s) {
      for (int k = 0; k < AxisLineCount; ++k) FloorBandAreaX[v][s][k] = FloorBandAreaY[v][s][k] = 0.0;
      StoreyGrossArea[v][s] = ComputedFloorArea[v][s] = 0.0;
      StoreyCalcArea[v][s] = StoreyCalcAreaSnow[v][s] = 0.0;
      RequiredStrengthArea[v][s] = RequiredStrengthAreaSnow[v][s] = 0.0;
      RoofWeightArea[v][s] = WallWeightArea[v][s] = FloorWeightArea[v][s] = 0.0;
      RoofWeightAreaSnow[v][s] = WallWeightAreaSnow[v][s] = FloorWeightAreaSnow[v][s] = 0.0;
    }
  }
}

void AddFloorAreasOfStorey(int v, int s) {
  const int32_t rects = ListCount(RoofFloorRectCount[v][s], MaxRoofFloorRectsPerStorey);
  for (int i = 0; i < rects; ++i) AddRectangle(v, s, i);
  const int32_t triangles = ListCount(RoofFloorTriangleCount[v][s], MaxRoofFloorTrianglesPerStorey);
  for (int i = 0; i < triangles; ++i) AddTriangle(v, s, i);
}

PlanExtent MeasurePlanExtent(int v, int s) {
  PlanExtent e{GridAxisCountX - 1, 0, GridAxisCountY - 1, 0, 0.0, 0.0};
  MaxRectangleGiven[v][s] = 0;
  const int32_t rects = ListCount(RoofFloorRectCount[v][s], MaxRoofFloorRectsPerStorey);
  for (int i = 0; i < rects; ++i) {
    const RoofFloorRectRecord& rect = RoofFloorRects[v][s][i];
    const AreaOutline o = RectangleOutline(rect);
    if (!o.OnGrid) continue;
    if (rect.AreaCode == LargestRectangleCode) {
      e.LargestRectangleWidth = std::fabs(o.X[1] - o.X[0]);
      e.LargestRectangleDepth = std::fabs(o.Y[1] - o.Y[0]);
      MaxRectangleGiven[v][s] = 1;
    } else if (AreaCodeIn(PlanExtentCodes, rect.AreaCode)) {
      for (int k = 0; k < 2; ++k) {
        e.MinX = MinInt(e.MinX, o.AxisX[k]), e.MaxX = MaxInt(e.MaxX, o.AxisX[k]);
        e.MinY = MinInt(e.MinY, o.AxisY[k]), e.MaxY = MaxInt(e.MaxY, o.AxisY[k]);
      }
    }
  }
  const int32_t triangles = ListCount(RoofFloorTriangleCount[v][s], MaxRoofFloorTrianglesPerStorey);
  for (int i = 0; i < triangles; ++i) {
    const RoofFloorTriangleRecord& triangle = RoofFloorTriangles[v][s][i];
    const AreaOutline o = TriangleOutline(triangle);
    if (!o.OnGrid || !AreaCodeIn(PlanExtentCodes, triangle.AreaCode)) continue;
    for (int k = 0; k < 3; ++k) {
      e.MinX = MinInt(e.MinX, o.AxisX[k]), e.MaxX = MaxInt(e.MaxX, o.AxisX[k]);
      e.MinY = MinInt(e.MinY, o.AxisY[k]), e.MaxY = MaxInt(e.MaxY, o.AxisY[k]);
    }
  }
  return e;
}

void DivideIntoQuarterZones(int v, int s, const PlanExtent& e) {
  // A storey without extent keeps the search start 199..0 as its edges, so
  // that it reaches no zone of the storey below; its sides come out negative.
  const double w = GridAxisX[e.MaxX] - GridAxisX[e.MinX];
  const double d = GridAxisY[e.MaxY] - GridAxisY[e.MinY];
  QuarterZoneEdge1[v][s] = GridAxisX[e.MinX];
  QuarterZoneBoundary1[v][s] = GridAxisX[e.MinX] + w / 4;
  QuarterZoneEdge2[v][s] = GridAxisX[e.MaxX];
  QuarterZoneBoundary2[v][s] = GridAxisX[e.MaxX] - w / 4;
  QuarterZoneEdgeA[v][s] = GridAxisY[e.MinY];
  QuarterZoneBoundaryA[v][s] = GridAxisY[e.MinY] + d / 4;
  QuarterZoneEdgeB[v][s] = GridAxisY[e.MaxY];
  QuarterZoneBoundaryB[v][s] = GridAxisY[e.MaxY] - d / 4;

  if (MaxRectangleGiven[v][s])
    ShortSideLength[v][s] = MinDouble(e.LargestRectangleWidth, e.LargestRectangleDepth);
  else if (e.MinX > e.MaxX)
    ShortSideLength[v][s] = 0.0;  // no plan: no negative side, and no plan-shape increase
  else
    ShortSideLength[v][s] = MinDouble(w, d);

  const ZoneBounds bounds{QuarterZoneBoundaryA[v][s], QuarterZoneBoundaryB[v][s], QuarterZoneBoundary1[v][s],
                          QuarterZoneBoundary2[v][s]};
  const ZoneAreas required{&RequiredStrengthAreaA[v][s], &RequiredStrengthAreaB[v][s],
                           &RequiredStrengthArea1[v][s], &RequiredStrengthArea2[v][s]};
  const ZoneAreas computed{&ComputedZoneAreaA[v][s], &ComputedZoneAreaB[v][s], &ComputedZoneArea1[v][s],
                           &ComputedZoneArea2[v][s]};
  for (const ZoneAreas& z : {required, computed}) *z.A = *z.B = *z.One = *z.Two = 0.0;

  const int32_t rects = ListCount(RoofFloorRectCount[v][s], MaxRoofFloorRectsPerStorey);
  const int32_t triangles = ListCount(RoofFloorTriangleCount[v][s], MaxRoofFloorTrianglesPerStorey);
  for (const ZoneAreas* z : {&required, &computed}) {
    const AreaCodeSet codes = z == &required ? RequiredStrengthZoneCodes : ComputedZoneCodes;
    for (int i = 0; i < rects; ++i) {
      const AreaOutline o = RectangleOutline(RoofFloorRects[v][s][i]);
      if (o.OnGrid && AreaCodeIn(codes, RoofFloorRects[v][s][i].AreaCode)) AddRectangleToZones(o, bounds, *z);
    }
  }
  for (const ZoneAreas* z : {&required, &computed}) {
    const AreaCodeSet codes = z == &required ? RequiredStrengthZoneCodes : ComputedZoneCodes;
    for (int i = 0; i < triangles; ++i) {
      const AreaOutline o = TriangleOutline(RoofFloorTriangles[v][s][i]);
      if (o.OnGrid && AreaCodeIn(codes, RoofFloorTriangles[v][s][i].AreaCode))
        AddTriangleToZones(o, bounds, *z);
    }
  }
}
