#pragma once
// Roof and floor areas (屋根床等) of the current variant and storey, entered
// as rectangles by two diagonal grid points or as triangles by three, with the
// settings of the roof/floor palette (RoofFloorPalette). Picking the corners
// of an existing area opens its change dialog, which edits or deletes it.
#include <cstdint>
#include <functional>

// What the change dialog returns in RoofFloorChangeBuffer.Result.
enum RoofFloorChangeResult : int32_t {
  RoofFloorChangeApply = 0,  // 設定, also the close box: the buffer is written back
  RoofFloorChangeCancel = 1,
  RoofFloorChangeDelete = 100,
};

// The exchange with the change dialog: the area's values on entry, the new
// values after 設定.
struct RoofFloorChangeExchange {
  int32_t Index;
  int32_t Result;
  int32_t IsTriangle;
  int32_t AreaCode;
  int32_t NotEnclosed;
  int32_t WeightClass;  // 0 軽い, 1 重い, 2 非常に重い, 3 個別
  double LiveLoad;
  double DeadLoad;
  double Slope;
  double AddedLoad;
};
extern RoofFloorChangeExchange RoofFloorChangeBuffer;

// Shows the change dialog modally; the dialog sets the result and pushes the
// undo snapshot before a change or a deletion. The GUI installs it; without
// one the buffer goes back unchanged.
void SetRoofFloorChangeDialog(std::function<void()> dialog);
// The palette shows RoofFloorPalette and the maximum-rectangle note again;
// installed by the palette.
void SetRoofFloorPaletteListener(std::function<void()> listener);

// The number of maximum rectangles (code 6) of the current variant and storey.
int32_t MaxRectangleCount();

// The two diagonal corners as clicked. 1 when an area was added, or the
// change dialog of an existing one ran; 0 when refused: a degenerate or
// off-grid rectangle, a full storey, a zero area (silently), a declined
// question or the top-storey rule (reported). A refusal changes neither the
// model nor the undo ring.
int32_t InputRoofFloorRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// The three points as clicked; the same results. A triangle whose three
// points are those of an existing one, in any order, opens its dialog.
int32_t InputRoofFloorTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);

extern const char* const MaxRectangleQuestion;
extern const char* const MaxRectangleQuestionCaption;
extern const char* const AreaOverlapQuestion;
extern const char* const AreaOverlapCaption;
extern const char* const TopStoreyFloorMessage;
extern const char* const FloorInputCaption;
extern const char* const AtticIgnoredQuestion;
extern const char* const AtticIgnoredCaption;
extern const char* const AtticBelowQuestion;
extern const char* const AtticBelowCaption;
extern const char* const SecondMaxRectangleMessage;
extern const char* const MaxRectangleTriangleMessage;
extern const char* const MaxRectangleTriangleCaption;
