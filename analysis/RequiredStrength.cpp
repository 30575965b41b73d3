#include "analysis/RequiredStrength.h"

#include "analysis/FloorAreas.h"
#include "model/ModelAccess.h"
#include "model/NumericHelpers.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"

const double RequiredStrengthPerAreaTable[RequiredStrengthTableRows * 3] = {
    0.28, 0.40, 0.64,  // one storey
    0.83, 1.06, 1.41,  // two storeys: first
    0.37, 0.53, 0.78,  //              second
    1.34, 1.66, 2.07,  // three storeys: first
    0.98, 1.25, 1.59,  //                second
    0.43, 0.62, 0.91,  //                third
};
const double RequiredStrengthBaseTable[(RequiredStrengthTableRows - 1) * 3] = {
    0.72, 0.92, 1.22,  // two storeys: first
    0.28, 0.40, 0.64,  //              second
    1.16, 1.44, 1.80,  // three storeys: first
    0.72, 0.92, 1.22,  //                second
    0.28, 0.40, 0.64,  //                third
};
const double RequiredWallLengthTable[RequiredStrengthTableRows * 3] = {
    0.11, 0.15, 0.15,  // one storey
    0.29, 0.33, 0.33,  // two storeys: first
    0.15, 0.21, 0.21,  //              second
    0.46, 0.50, 0.50,  // three storeys: first
    0.34, 0.39, 0.39,  //                second
    0.18, 0.24, 0.24,  //                third
};

const double MixedStructureFactors[3] = {1.0, 1.2, 1.2};
const double VerySoftGroundFactors[2] = {1.0, 1.5};

RequiredStrengthFactors RequiredStrengthFactorsA;
RequiredStrengthFactors RequiredStrengthFactorsB;

StoreyArray PlanShapeFactor;

StoreyArray RequiredStrengthPerArea, RequiredStrengthPerAreaSnow;
StoreyArray RequiredStrengthPerAreaA, RequiredStrengthPerAreaB;
StoreyArray RequiredStrengthPerArea1, RequiredStrengthPerArea2;
StoreyArray RequiredStrengthPerAreaASnow, RequiredStrengthPerAreaBSnow;
StoreyArray RequiredStrengthPerArea1Snow, RequiredStrengthPerArea2Snow;
StoreyArray RequiredWallLengthPerArea;
StoreyArray RequiredWallLengthPerAreaA, RequiredWallLengthPerAreaB;
StoreyArray RequiredWallLengthPerArea1, RequiredWallLengthPerArea2;

StoreyArray RequiredStrength, RequiredStrengthSnow;
StoreyArray RequiredStrengthZoneA, RequiredStrengthZoneB, RequiredStrengthZone1, RequiredStrengthZone2;
StoreyArray RequiredStrengthZoneASnow, RequiredStrengthZoneBSnow;
StoreyArray RequiredStrengthZone1Snow, RequiredStrengthZone2Snow;
StoreyArray RequiredWallLength, RequiredWallLengthA, RequiredWallLengthB;
StoreyArray RequiredWallLength1, RequiredWallLength2;

double StoreyHeightFactor[StoreyCount];

namespace {

constexpr int ZoneCount = 4;  // a, b, 1, 2

StoreyArray* const ZonePerArea[ZoneCount] = {&RequiredStrengthPerAreaA, &RequiredStrengthPerAreaB,
                                             &RequiredStrengthPerArea1, &RequiredStrengthPerArea2};
StoreyArray* const ZonePerAreaSnow[ZoneCount] = {&RequiredStrengthPerAreaASnow, &RequiredStrengthPerAreaBSnow,
                                                 &RequiredStrengthPerArea1Snow,
                                                 &RequiredStrengthPerArea2Snow};
StoreyArray* const ZoneWallLengthPerArea[ZoneCount] = {
    &RequiredWallLengthPerAreaA, &RequiredWallLengthPerAreaB, &RequiredWallLengthPerArea1,
    &RequiredWallLengthPerArea2};
StoreyArray* const ZoneRequiredStrength[ZoneCount] = {&RequiredStrengthZoneA, &RequiredStrengthZoneB,
                                                      &RequiredStrengthZone1, &RequiredStrengthZone2};
StoreyArray* const ZoneRequiredStrengthSnow[ZoneCount] = {
    &RequiredStrengthZoneASnow, &RequiredStrengthZoneBSnow, &RequiredStrengthZone1Snow,
    &RequiredStrengthZone2Snow};
StoreyArray* const ZoneWallLength[ZoneCount] = {&RequiredWallLengthA, &RequiredWallLengthB,
                                                &RequiredWallLength1, &RequiredWallLength2};
StoreyArray* const ZoneArea[ZoneCount] = {&RequiredStrengthAreaA, &RequiredStrengthAreaB,
                                          &RequiredStrengthArea1, &RequiredStrengthArea2};
StoreyArray* const ComputedZoneArea[ZoneCount] = {&ComputedZoneAreaA, &ComputedZoneAreaB, &ComputedZoneArea1,
                                                  &ComputedZoneArea2};
double (*const ManualZoneArea[ZoneCount])[StoreyCount] = {
    ProjectSettings.ManualZoneAreaA, ProjectSettings.ManualZoneAreaB, ProjectSettings.ManualZoneArea1,
    ProjectSettings.ManualZoneArea2};

// Table row of storey s in a building whose top storey is top.
int TableRow(int top, int s) { return (top == 0 ? 0 : top == 1 ? 1 : 3) + s; }

double PerAreaTable(int row, int c) { return RequiredStrengthPerAreaTable[3 * row + c]; }
double BaseTable(int row, int c) { return RequiredStrengthBaseTable[3 * (row - 1) + c]; }
double WallLengthTable(int row, int c) { return RequiredWallLengthTable[3 * row + c]; }

double AtLeastTenth(double ratio) { return ratio < 0.1 ? 0.1 : ratio; }

// K1 (first storey) and K2 (second storey) of a two-storey building.
void TwoStoreyFactors(double a0, double a1, bool veryHeavy, RequiredStrengthFactors& f) {
  if (a0 == 0) {
    f.K1 = f.K2 = 0.0;
    return;
  }
  f.Rf1 = AtLeastTenth(a1 / a0);
  if (veryHeavy) {
    f.K1 = 0.53 + 0.47 * f.Rf1;
    f.K2 = 1.06 + 0.15 / f.Rf1;
  } else {
    f.K1 = 0.4 + 0.6 * f.Rf1;
    f.K2 = 1.3 + 0.07 / f.Rf1;
  }
}

// K3 (first storey), K4 x K5 (second) and K6 (third) of a three-storey building.
void ThreeStoreyFactors(double a0, double a1, double a2, bool veryHeavy, RequiredStrengthFactors& f) {
  if (a0 == 0 || a1 == 0) {
    f.K3 = f.K4 = f.K5 = f.K6 = 0.0;
    return;
  }
  f.Rf1 = AtLeastTenth(a1 / a0);
  f.Rf2 = AtLeastTenth(a2 / a1);
  if (veryHeavy) {
    f.K3 = (0.68 + 0.32 * f.Rf2) * (0.36 + 0.64 * f.Rf1);
    f.K4 = 0.53 + 0.47 * f.Rf1;
    f.K5 = 0.98 + 0.10 / f.Rf1 + 0.05 / f.Rf2;
    f.K6 = 1.04 + 0.13 / f.Rf1 + 0.24 / f.Rf2;
  } else {
    f.K3 = (0.65 + 0.35 * f.Rf2) * (0.25 + 0.75 * f.Rf1);
    f.K4 = 0.4 + 0.6 * f.Rf1;
    f.K5 = 1.03 + 0.10 / f.Rf1 + 0.08 / f.Rf2;
    f.K6 = 1.23 + 0.10 / f.Rf1 + 0.23 / f.Rf2;
  }
}

double StoreyFactor(const RequiredStrengthFactors& f, int top, int s) {
  if (top == 1) return s == 1 ? f.K2 : f.K1;
  return s == 2 ? f.K6 : s == 1 ? f.K4 * f.K5 : f.K3;
}

// Whether storey s + 1 reaches end zone z (a, b, 1, 2) of storey s.
bool UpperStoreyReaches(int v, int s, int z) {
  switch (z) {
    case 0:
      return !(QuarterZoneBoundaryA[v][s] < QuarterZoneEdgeA[v][s + 1]);
    case 1:
      return !(QuarterZoneEdgeB[v][s + 1] < QuarterZoneBoundaryB[v][s]);
    case 2:
      return !(QuarterZoneBoundary1[v][s] < QuarterZoneEdge1[v][s + 1]);
    default:
      return !(QuarterZoneEdge2[v][s + 1] < QuarterZoneBoundary2[v][s]);
  }
}

// A zone that the storey above does not reach takes the plain table value of
// a lower building: no storey-height factor, no K factor, and class c also for
// the wall length.
void ReplaceZone(int v, int s, int z, int row, int c, bool strength) {
  if (strength) {
    (*ZonePerArea[z])[v][s] = PerAreaTable(row, c);
    (*ZonePerAreaSnow[z])[v][s] = PerAreaTable(row, c);
  }
  (*ZoneWallLengthPerArea[z])[v][s] = WallLengthTable(row, c);
}

}  // namespace

void SetPlanShapeFactor(int v, int s) {
  double factor = 1.0;
  const double shortSide = ShortSideLength[v][s];
  // A storey without a plan (short side 0) takes no increase.
  if (ProjectSettings.Revision == Revision2012 && shortSide > 0) {
    if (ProjectSettings.RequiredStrengthMethod == RequiredBySimpleTable) {
      if (shortSide < 4.0) factor = 1.13;
    } else if (shortSide < 4.0) {
      factor = 1.3;
    } else if (shortSide < 6.0) {
      factor = 1.15;
    }
  }
  PlanShapeFactor[v][s] = factor;
}

void RedistributePlanShapeFactors(int v) {
  const int top = TopStoreyOf(v);
  double* p = PlanShapeFactor[v];
  switch (ProjectSettings.RequiredStrengthMethod) {
    case RequiredBySimpleTable:
      p[top] = 1.0;
      break;
    case RequiredByStrengthTable:
      // The shape of an upper storey increases the storey below it. A first
      // storey's own larger factor gives way to the second storey's: the
      // method wants it so.
      if (top == 0) {
        p[0] = 1.0;
      } else if (top == 1) {
        p[0] = p[1];
        p[1] = 1.0;
      } else {
        const bool topRaised = p[2] > 1.0;
        if (topRaised) {
          p[1] = MaxDouble(p[1], p[2]);
          p[0] = p[1];
        }
        p[2] = 1.0;
        if (p[1] > 1.0) p[0] = p[1];
        if (!topRaised) p[1] = 1.0;
      }
      break;
    default:
      break;  // methods 0 and 1: every storey keeps its own factor
  }
}

void CalcRequiredStrengthByFloorArea() {
  const int method = ProjectSettings.RequiredStrengthMethod;
  const int v = CurrentVariant;
  if (v < 0 || v >= VariantCount) return;
  // The required strength by floor area belongs to methods 2 and 3; the
  // building-law wall length is required whatever the method, and under the
  // weight methods 0 and 1 it follows the rules of method 2.
  const bool strength = method == RequiredByStrengthTable || method == RequiredBySimpleTable;
  const int top = TopStoreyOf(v);

  for (int s = StoreyCount - 1; s >= 0; --s) {
    const double h = ProjectSettings.StoreyHeight[v][s];
    StoreyHeightFactor[s] = ProjectSettings.Revision == Revision2025 && h > 2.8 ? h / 2.8 : 1.0;
  }

  const int cw = ClampInt(ProjectSettings.WeightClass[v], 0, 2);
  int c = cw;
  if (method == RequiredBySimpleTable) c = ClampInt(cw + ProjectSettings.AtticStorage[v], 0, 2);
  const bool veryHeavy = cw == WeightVeryHeavy;

  if (!strength) {
    // no K factors
  } else if (method == RequiredByStrengthTable && top == 1) {
    TwoStoreyFactors(RequiredStrengthArea[v][0], RequiredStrengthArea[v][1], veryHeavy,
                     RequiredStrengthFactorsA);
    TwoStoreyFactors(RequiredStrengthAreaSnow[v][0], RequiredStrengthAreaSnow[v][1], veryHeavy,
                     RequiredStrengthFactorsB);
  } else if (method == RequiredByStrengthTable && top == 2) {
    ThreeStoreyFactors(RequiredStrengthArea[v][0], RequiredStrengthArea[v][1], RequiredStrengthArea[v][2],
                       veryHeavy, RequiredStrengthFactorsA);
    ThreeStoreyFactors(RequiredStrengthAreaSnow[v][0], RequiredStrengthAreaSnow[v][1],
                       RequiredStrengthAreaSnow[v][2], veryHeavy, RequiredStrengthFactorsB);
  }

  for (int s = top; s >= 0; --s) {
    const double hf = StoreyHeightFactor[s];
    const int r = TableRow(top, s);
    if (top == 0) {
      RequiredWallLengthPerArea[v][s] = WallLengthTable(0, cw) * hf;
      if (strength)
        RequiredStrengthPerArea[v][s] = RequiredStrengthPerAreaSnow[v][s] = PerAreaTable(0, c) * hf;
    } else if (method == RequiredBySimpleTable) {
      RequiredStrengthPerArea[v][s] = RequiredStrengthPerAreaSnow[v][s] = PerAreaTable(r, c);
      RequiredWallLengthPerArea[v][s] = WallLengthTable(r, cw);
    } else {
      // The storey-height factor enters the wall length of two storeys but not of three.
      RequiredWallLengthPerArea[v][s] = WallLengthTable(r, cw) * (top == 1 ? hf : 1.0);
      if (strength) {
        RequiredStrengthPerArea[v][s] =
            BaseTable(r, cw) * StoreyFactor(RequiredStrengthFactorsA, top, s) * hf;
        RequiredStrengthPerAreaSnow[v][s] =
            BaseTable(r, cw) * StoreyFactor(RequiredStrengthFactorsB, top, s) * hf;
      }
    }
    for (int z = 0; z < ZoneCount; ++z) {
      if (strength) {
        (*ZonePerArea[z])[v][s] = RequiredStrengthPerArea[v][s];
        (*ZonePerAreaSnow[z])[v][s] = RequiredStrengthPerAreaSnow[v][s];
      }
      (*ZoneWallLengthPerArea[z])[v][s] = RequiredWallLengthPerArea[v][s];
    }
  }

  for (int z = 0; z < ZoneCount; ++z) {
    if (top == 1) {
      if (!UpperStoreyReaches(v, 0, z)) ReplaceZone(v, 0, z, 0, c, strength);
    } else if (top == 2) {
      if (!UpperStoreyReaches(v, 1, z)) {
        ReplaceZone(v, 1, z, 2, c, strength);
        ReplaceZone(v, 0, z, 1, c, strength);
      }
      if (!UpperStoreyReaches(v, 0, z)) ReplaceZone(v, 0, z, 0, c, strength);
    }
  }

  const double z = ProjectSettings.RegionFactorZ;
  const double g = VerySoftGroundFactors[ClampInt(ProjectSettings.VerySoftGround, 0, 1)];
  const double m = MixedStructureFactors[ClampInt(ProjectSettings.MixedStructure, 0, 2)];
  const double d = ProjectSettings.SnowLoad;
  const bool manual = ProjectSettings.ManualFloorAreas == SettingOn;
  for (int s = top; s >= 0; --s) {
    const double factor = z * g * PlanShapeFactor[v][s] * m;
    if (strength) {
      RequiredStrength[v][s] = RequiredStrengthPerArea[v][s] * factor * RequiredStrengthArea[v][s];
      RequiredStrengthSnow[v][s] =
          (RequiredStrengthPerAreaSnow[v][s] + d) * factor * RequiredStrengthAreaSnow[v][s];
    }
    RequiredWallLength[v][s] = RequiredWallLengthPerArea[v][s] * g *
                               (manual ? ProjectSettings.ManualFloorArea[v][s] : ComputedFloorArea[v][s]);
    for (int k = 0; k < ZoneCount; ++k) {
      if (strength) {
        const double area = (*ZoneArea[k])[v][s];
        (*ZoneRequiredStrength[k])[v][s] = (*ZonePerArea[k])[v][s] * factor * area;
        (*ZoneRequiredStrengthSnow[k])[v][s] = ((*ZonePerAreaSnow[k])[v][s] + d) * factor * area;
      }
      const double floorArea = manual ? ManualZoneArea[k][v][s] : (*ComputedZoneArea[k])[v][s];
      (*ZoneWallLength[k])[v][s] = (*ZoneWallLengthPerArea[k])[v][s] * g * floorArea;
    }
  }
}
