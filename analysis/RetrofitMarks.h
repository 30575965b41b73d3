#pragma once
// The last two steps of the recalculation chain.
//
// MarkRetrofitChanges compares every wall of the two retrofit plans with the
// walls of the current state between the same two grid points and writes into
// the wall's case-0 result block what the plan changed (RetrofitChange), the
// construction cautions of a changed wall (CautionBits 1, 4 and 8; bit 2 comes
// from the evaluation, which clears the word of the variant shown just before)
// and, for the variant shown, the running numbers of its changed walls
// (WallNumber, 1-based over all its storeys, 0 for none).
//
// IndexUsedAxes records per variant and storey which axes carry a column or a
// wall end, and lists the axes that any storey of the variant shown uses.
#include <cstdint>

#include "analysis/AnalysisResults.h"
#include "model/ElementLists.h"
#include "model/Grid.h"

// WallResult.RetrofitChange, against the matching wall of the current state.
constexpr int32_t RetrofitChangeJointClass = 0x01;  // JointSpec
constexpr int32_t RetrofitChangeBrace = 0x02;       // brace kind, end joint, arrangement, mud wall
constexpr int32_t RetrofitChangePanelLeft = 0x04;
constexpr int32_t RetrofitChangePanelRight = 0x08;
constexpr int32_t RetrofitChangeFoundation = 0x10;  // FoundationClass
constexpr int32_t RetrofitChangeDeterioration = 0x20;
constexpr int32_t RetrofitChangeOpening = 0x40;
constexpr int32_t RetrofitChangeNewWall = 0xff;  // no wall between the same points in the current state

// WallResult.CautionBits set by MarkRetrofitChanges.
constexpr int32_t CautionNoColumnBelow = 1;  // 下階に柱無し
constexpr int32_t CautionBraceHardware = 4;  // 筋かい金物の選択
constexpr int32_t CautionFoundation = 8;     // 基礎の補強が必要

// Brace kinds from this value on are numbered even without strength.
constexpr int32_t NumberedBraceKind = 1024;

// AxisUseX/AxisUseY bits.
constexpr int32_t AxisUseColumn = 1;
constexpr int32_t AxisUseWallEnd = 2;

extern int32_t AxisUseX[VariantCount][StoreyCount][AxisLineCount];
extern int32_t AxisUseY[VariantCount][StoreyCount][AxisLineCount];
extern int32_t UsedAxisCountX[VariantCount];
extern int32_t UsedAxisCountY[VariantCount];
// The first UsedAxisCountX[CurrentVariant] entries: ascending axis indices.
extern int32_t UsedAxesX[GridAxisCountX];
extern int32_t UsedAxesY[GridAxisCountY];

// Reads the wall and column lists of the three variants, the case-0 JointSpec,
// FoundationClass, Length and BaseStrength of the walls, ColumnResults of the
// plans' first storeys (as their last recalculation left them) and the wall
// lines of the current variant.
void MarkRetrofitChanges();

// Reads the column and wall lists of the three variants.
void IndexUsedAxes();
