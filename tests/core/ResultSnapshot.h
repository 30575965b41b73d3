#pragma once
// A byte copy of every result the recalculation chain leaves for one variant,
// and of the program-wide results it writes, so that two recalculations can
// be compared bit for bit (a NaN compares equal to the same NaN).
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "analysis/AnalysisResults.h"
#include "analysis/AreaWeights.h"
#include "analysis/ArrangementReduction.h"
#include "analysis/BuildingOutline.h"
#include "analysis/FloorAreas.h"
#include "analysis/GridAxisLabels.h"
#include "analysis/GridPointMap.h"
#include "analysis/RequiredStrength.h"
#include "analysis/RetrofitMarks.h"
#include "analysis/StoreyWeights.h"
#include "analysis/WallLines.h"
#include "evaluation/DeteriorationFactor.h"
#include "evaluation/FloorCheck.h"
#include "evaluation/Superstructure.h"

class ResultSnapshot {
 public:
  // Takes the results of variant v as they stand.
  explicit ResultSnapshot(int v) {
#define QUILMORA_SNAP(name) Add(#name, &name[v], sizeof name[v])
#define QUILMORA_SNAP_WHOLE(name) Add(#name, &name, sizeof name)
#define QUILMORA_SNAP_WITH_SNOW(Type, name) \
  QUILMORA_SNAP(name);                      \
  QUILMORA_SNAP(name##Snow);
#define QUILMORA_SNAP_PLAIN(Type, name) QUILMORA_SNAP(name);
    // Per wall and column, per storey, per axis line.
    QUILMORA_SNAP(WallResults);
    QUILMORA_SNAP(SnowWallResults);
    QUILMORA_SNAP(ColumnResults);
    QUILMORA_SNAP(ColumnSnowResults);
    QUILMORA_STOREY_RESULT_ARRAYS(QUILMORA_SNAP_WITH_SNOW, QUILMORA_SNAP_PLAIN)
    QUILMORA_SNAP(LineStiffnessX);
    QUILMORA_SNAP(LineStiffnessY);
    QUILMORA_SNAP(LineShearX);
    QUILMORA_SNAP(LineShearY);

    // Grid-point map, column order, wall lines, outline.
    QUILMORA_SNAP_WHOLE(GridOriginAxisX);
    QUILMORA_SNAP_WHOLE(GridOriginAxisY);
    QUILMORA_SNAP_WHOLE(GridAxisNameX);
    QUILMORA_SNAP_WHOLE(GridAxisNameY);
    QUILMORA_SNAP(GridPointMap);
    QUILMORA_SNAP(BraceEndMap);
    QUILMORA_SNAP(ColumnOrderX);
    QUILMORA_SNAP(XWallOrder);
    QUILMORA_SNAP(XWallLineKey);
    QUILMORA_SNAP(XWallCount);
    QUILMORA_SNAP(YWallOrder);
    QUILMORA_SNAP(YWallLineKey);
    QUILMORA_SNAP(YWallCount);
    QUILMORA_SNAP(AreaEdges);
    QUILMORA_SNAP_WHOLE(AreaEdgeCounts);
    for (int side = 0; side < OutlineSideCount; ++side) {
      Add("OutlineWallPosition", &OutlineWallPosition[side][v], sizeof OutlineWallPosition[side][v]);
      Add("OutlineWallIndex", &OutlineWallIndex[side][v], sizeof OutlineWallIndex[side][v]);
      Add("OuterWallLength", &OuterWallLength[side][v], sizeof OuterWallLength[side][v]);
      Add("OuterSolidWallLength", &OuterSolidWallLength[side][v], sizeof OuterSolidWallLength[side][v]);
    }

    // Floor areas, weights, centres of gravity.
    for (auto* a :
         {&RectFloorArea, &RectComputedFloorArea, &RectCalcArea, &RectWeightArea, &RectWeightedArea,
          &RectCentroidX, &RectCentroidY, &RectMomentX, &RectMomentY, &RectCalcMomentX, &RectCalcMomentY})
      Add("rectangle areas", &(*a)[v], sizeof(*a)[v]);
    for (auto* a : {&TriFloorArea, &TriComputedFloorArea, &TriCalcArea, &TriWeightArea, &TriWeightedArea,
                    &TriCentroidX, &TriCentroidY, &TriMomentX, &TriMomentY, &TriCalcMomentX, &TriCalcMomentY})
      Add("triangle areas", &(*a)[v], sizeof(*a)[v]);
    for (auto* a :
         {&StoreyGrossArea,       &ComputedFloorArea,        &StoreyCalcArea,        &StoreyCalcAreaSnow,
          &RequiredStrengthArea,  &RequiredStrengthAreaSnow, &RoofWeightArea,        &WallWeightArea,
          &FloorWeightArea,       &RoofWeightAreaSnow,       &WallWeightAreaSnow,    &FloorWeightAreaSnow,
          &QuarterZoneEdgeA,      &QuarterZoneEdgeB,         &QuarterZoneEdge1,      &QuarterZoneEdge2,
          &QuarterZoneBoundaryA,  &QuarterZoneBoundaryB,     &QuarterZoneBoundary1,  &QuarterZoneBoundary2,
          &ShortSideLength,       &RequiredStrengthAreaA,    &RequiredStrengthAreaB, &RequiredStrengthArea1,
          &RequiredStrengthArea2, &ComputedZoneAreaA,        &ComputedZoneAreaB,     &ComputedZoneArea1,
          &ComputedZoneArea2,     &StoreyLoadWeight,         &StoreyLoadWeightSnow,  &LoadMomentX,
          &LoadMomentY,           &LoadMomentXSnow,          &LoadMomentYSnow,       &WeightAreaSum,
          &WeightAreaMomentX,     &WeightAreaMomentY,        &CalcAreaMomentX,       &CalcAreaMomentY,
          &CalcAreaMomentXSnow,   &CalcAreaMomentYSnow,      &CentreOfGravityX,      &CentreOfGravityY,
          &CentreOfGravityXSnow,  &CentreOfGravityYSnow})
      Add("storey areas and weights", &(*a)[v], sizeof(*a)[v]);
    QUILMORA_SNAP(FloorBandAreaX);
    QUILMORA_SNAP(FloorBandAreaY);
    QUILMORA_SNAP(MaxRectangleGiven);

    // Required strength, by any method.
    for (auto* a : {&PlanShapeFactor,
                    &RequiredStrengthPerArea,
                    &RequiredStrengthPerAreaSnow,
                    &RequiredStrengthPerAreaA,
                    &RequiredStrengthPerAreaB,
                    &RequiredStrengthPerArea1,
                    &RequiredStrengthPerArea2,
                    &RequiredStrengthPerAreaASnow,
                    &RequiredStrengthPerAreaBSnow,
                    &RequiredStrengthPerArea1Snow,
                    &RequiredStrengthPerArea2Snow,
                    &RequiredWallLengthPerArea,
                    &RequiredWallLengthPerAreaA,
                    &RequiredWallLengthPerAreaB,
                    &RequiredWallLengthPerArea1,
                    &RequiredWallLengthPerArea2,
                    &RequiredStrength,
                    &RequiredStrengthSnow,
                    &RequiredStrengthZoneA,
                    &RequiredStrengthZoneB,
                    &RequiredStrengthZone1,
                    &RequiredStrengthZone2,
                    &RequiredStrengthZoneASnow,
                    &RequiredStrengthZoneBSnow,
                    &RequiredStrengthZone1Snow,
                    &RequiredStrengthZone2Snow,
                    &RequiredWallLength,
                    &RequiredWallLengthA,
                    &RequiredWallLengthB,
                    &RequiredWallLength1,
                    &RequiredWallLength2,
                    &StoreyWeight,
                    &StoreyWeightSnow,
                    &WeightRatioAlpha,
                    &WeightRatioAlphaSnow,
                    &ShearDistributionAi,
                    &ShearDistributionAiSnow,
                    &SeismicShearCoefficient,
                    &SeismicShearCoefficientSnow})
      Add("required strength", &(*a)[v], sizeof(*a)[v]);
    QUILMORA_SNAP_WHOLE(RequiredStrengthFactorsA);
    QUILMORA_SNAP_WHOLE(RequiredStrengthFactorsB);
    QUILMORA_SNAP(BuildingHeight);
    QUILMORA_SNAP(BuildingHeightSnow);
    QUILMORA_SNAP(NaturalPeriod);
    QUILMORA_SNAP(NaturalPeriodSnow);
    QUILMORA_SNAP_WHOLE(GroundPeriodTc);
    QUILMORA_SNAP(VibrationCharacteristicRt);
    QUILMORA_SNAP(VibrationCharacteristicRtSnow);

    // Arrangement reduction.
    for (auto* a : {&OtherElementRatioX, &OtherElementRatioY, &FloorSpecArea, &FloorSpecWeightedArea,
                    &AverageFloorMagnification, &QuarterZoneRatioA, &QuarterZoneRatioB, &QuarterZoneRatio1,
                    &QuarterZoneRatio2, &QuarterZoneRatioASnow, &QuarterZoneRatioBSnow,
                    &QuarterZoneRatio1Snow, &QuarterZoneRatio2Snow})
      Add("arrangement reduction", &(*a)[v], sizeof(*a)[v]);
    QUILMORA_SNAP(FloorSpecRectArea);
    QUILMORA_SNAP(FloorSpecRectWeightedArea);
    QUILMORA_SNAP(FloorSpecTriArea);
    QUILMORA_SNAP(FloorSpecTriWeightedArea);
    QUILMORA_SNAP(FloorLineCapacityX1);
    QUILMORA_SNAP(FloorLineCapacityX2);
    QUILMORA_SNAP(FloorLineCapacityY1);
    QUILMORA_SNAP(FloorLineCapacityY2);
    QUILMORA_SNAP(FloorSpecClass);

    // Evaluation.
    for (const ScoreSet* set : {&Scores, &SnowScores}) {
      Add("PdX", &set->PdX[v], sizeof set->PdX[v]);
      Add("PdY", &set->PdY[v], sizeof set->PdY[v]);
      Add("BuildingScore", &set->BuildingScore[v], sizeof set->BuildingScore[v]);
      Add("ScoreX", &set->ScoreX[v], sizeof set->ScoreX[v]);
      Add("ScoreY", &set->ScoreY[v], sizeof set->ScoreY[v]);
    }
    for (const GoverningCombinationSet* set : {&GoverningCombinations, &SnowGoverningCombinations}) {
      Add("governing building", &set->Building[v], sizeof set->Building[v]);
      Add("governing X", &set->X[v], sizeof set->X[v]);
      Add("governing Y", &set->Y[v], sizeof set->Y[v]);
    }
    for (const ShownScoreSet* set : {&ShownScores, &SnowShownScores}) {
      Add("shown X", &set->X[v], sizeof set->X[v]);
      Add("shown Y", &set->Y[v], sizeof set->Y[v]);
    }
    for (auto* a : {&SufficiencyRatioX, &SufficiencyRatioY, &QuarterSufficiencyA, &QuarterSufficiencyB,
                    &QuarterSufficiency1, &QuarterSufficiency2, &WallRatioRatioX, &WallRatioRatioY})
      Add("wall-quantity ratios", &(*a)[v], sizeof(*a)[v]);
    QUILMORA_SNAP_WHOLE(DeteriorationFactor);
    QUILMORA_SNAP_WHOLE(RetrofitDeteriorationFactor);
    QUILMORA_SNAP(FloorUnitShear);
    for (int m = 0; m < FloorCheckMemberCount; ++m) {
      Add("FloorCheckRequired", &FloorCheckRequired[m][v], sizeof FloorCheckRequired[m][v]);
      Add("FloorCheckRatio", &FloorCheckRatio[m][v], sizeof FloorCheckRatio[m][v]);
      Add("FloorCheckOk", &FloorCheckOk[m][v], sizeof FloorCheckOk[m][v]);
      Add("FloorCheckCase", &FloorCheckCase[m][v], sizeof FloorCheckCase[m][v]);
    }
    for (int m = 0; m < DiaphragmMemberCount; ++m) {
      Add("FloorMoment", &FloorMoment[m][v], sizeof FloorMoment[m][v]);
      Add("BeamStress", &BeamStress[m][v], sizeof BeamStress[m][v]);
    }

    // Retrofit marks and used axes.
    QUILMORA_SNAP(AxisUseX);
    QUILMORA_SNAP(AxisUseY);
    QUILMORA_SNAP(UsedAxisCountX);
    QUILMORA_SNAP(UsedAxisCountY);
    QUILMORA_SNAP_WHOLE(UsedAxesX);
    QUILMORA_SNAP_WHOLE(UsedAxesY);
#undef QUILMORA_SNAP
#undef QUILMORA_SNAP_WHOLE
#undef QUILMORA_SNAP_WITH_SNOW
#undef QUILMORA_SNAP_PLAIN
  }

  // Names of the arrays whose bytes differ from `other`'s (the same variant
  // taken at another time); empty when every array is identical.
  std::vector<std::string> DifferencesFrom(const ResultSnapshot& other) const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < arrays_.size() && i < other.arrays_.size(); ++i)
      if (arrays_[i].bytes != other.arrays_[i].bytes) names.push_back(arrays_[i].name);
    if (arrays_.size() != other.arrays_.size()) names.push_back("(a different set of arrays)");
    return names;
  }

  std::size_t ArrayCount() const { return arrays_.size(); }

 private:
  struct Array {
    std::string name;
    std::vector<unsigned char> bytes;
  };

  void Add(const char* name, const void* data, std::size_t size) {
    const auto* begin = static_cast<const unsigned char*>(data);
    arrays_.push_back({name, std::vector<unsigned char>(begin, begin + size)});
  }

  std::vector<Array> arrays_;
};
