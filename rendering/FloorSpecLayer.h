#pragma once
// The floor and roof diaphragm specifications of the view's variant and
// storey and the results of the floor check beside the plan.
// - In the floor-specification edit mode every area is outlined in the colour
//   of its horizontal-brace row, hatched in the colour of its floor row
//   (none for an atrium, diagonal for floor boards, orthogonal for roofs and
//   the user rows) and labelled "floor-brace".
// - In that mode and in the wall mode: below the plan and left of it, the
//   failing parts of the floor check shaded by how far they fall short, and,
//   when the beam forces are shown, the forces of the horizontal members by
//   class; each row and column with its legend. The rows lie a fixed distance
//   beyond the outermost axes of the whole model; the marks run over the
//   axes the storey uses.
// Nothing is drawn in the other modes.
#include <cstdint>

class Canvas;
struct PlanView;

// The shade (ClassColourScale entry 1..10) of a failing part of the floor
// check with capacity ratio r: 10 - |trunc(10 r)|; a ratio that is not a
// number takes 10, like the weakest parts.
int32_t FloorCheckShade(double ratio);
// The class (MemberForceColours entry 0..5) of a horizontal-member force, kN.
int32_t MemberForceClass(double force);

void DrawFloorSpecs(Canvas& canvas, const PlanView& view);
