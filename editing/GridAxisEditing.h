#pragma once
// Editing the grid of axes in the grid mode: adding an axis inside an
// interval, changing the width of an interval, deleting an axis. Element
// positions are axis indices, so adding and deleting renumber every index of
// every element of the three variants. Each edit that changes the grid empties
// the undo ring: its snapshots are numbered for the old grid.
#include <cstdint>
#include <functional>
#include <string>

// The distance prompt (the 通り芯 dialog): it reads GridEditMode,
// AxisPromptOldSpacing, AxisPromptValue and GridModule, and writes
// AxisPromptValue and AxisPromptResult.
enum AxisPromptAnswer : int32_t {
  AxisPromptCancelled = 0,
  AxisPromptMainAxis = 1,      // 通り芯に設定
  AxisPromptAuxiliary = 2,     // neither check box
  AxisPromptOutsideChain = 3,  // 寸法表示
};
extern double AxisPromptOldSpacing;  // m
extern double AxisPromptValue;       // m
extern int32_t AxisPromptResult;     // AxisPromptAnswer

constexpr int AxisSpacingFactorCount = 10;
// The prompt's list proposes the module times each factor.
extern const double AxisSpacingFactors[AxisSpacingFactorCount];

// Shows the prompt modally. The GUI installs it; without one the prompt
// counts as cancelled.
void SetAxisPrompt(std::function<void()> prompt);

// The texts of the prompt for a GridEditMode (3 and any other value: change Y).
struct AxisPromptTexts {
  const char* Caption;
  const char* Memo1;
  const char* Memo2;
  const char* Memo3;
  const char* OkCaption;
  bool CheckBoxesEnabled;
};
AxisPromptTexts AxisPromptTextsOf(int32_t gridEditMode);
// A spacing as the prompt shows it: at most five significant digits ("%.5g").
std::string AxisPromptNumberText(double metres);
// Item i of the prompt's list: "%6.3f" of GridModule x AxisSpacingFactors[i].
std::string AxisSpacingItem(int i);

// The kind of a new axis by the prompt's answer: 通り芯に設定 a main axis,
// neither box an auxiliary axis, 寸法表示 an axis outside the dimension chain.
int32_t NewAxisKindOf(int32_t promptResult);

// The edit of the click at (kx, ky) by GridEditMode. Modes 0..3: kx, ky are
// the intervals under the click (the axis right of the X interval, the axis
// below the Y interval; 1..199); the distance is asked for and checked.
// Mode 4: kx, ky are the X and the Y axis under the click, 200 for none; both
// are deleted, or neither when one carries an element. 1 when the grid was
// changed, else 0 (every refusal leaves grid and elements as they were; an
// edit that would put an axis beyond what a project file holds is refused
// with a message, also after 「入力値が大きすぎです」 answered いいえ). No
// undo snapshot is pushed and the plan is not repainted here. After a change
// axis 0 lies at 0 m in both directions again: the grid as a whole moves by
// LastGridEditMove.
int32_t EditGridAxis(int32_t kx, int32_t ky);

// How far the last EditGridAxis moved every axis to keep axis 0 at 0 m (m,
// 0 when it did not): the plan view scrolls by as much, so the drawing stays
// where it was on the screen.
struct GridAxisMove {
  double X = 0;
  double Y = 0;
};
extern GridAxisMove LastGridEditMove;

// The edits themselves, without prompt and checks. xDirection picks the X or
// the Y axes; k is an interval 1..199, a an axis 0..199.
// Adds an axis in interval k, v metres right of axis k - 1 (X) or v metres
// above axis k (Y), with the given kind; every index >= k goes up by one.
// False, with nothing changed, when an element lies on axis 199, which would
// be pushed off the grid, or when the new axis would not lie strictly inside
// the interval, or when the grid would leave what a project file holds
// (GridFitsProjectFile).
bool InsertGridAxis(bool xDirection, int32_t k, double v, int32_t kind);
// Gives interval k the width v by moving the far half of the grid: axes
// k..199 when k > 100, else axes 0..k - 1. No index changes. False, with
// nothing changed, when v <= 0 or the grid would leave what a project file
// holds.
bool ChangeGridSpacing(bool xDirection, int32_t k, double v);
// True when an element of any variant and storey lies on axis a.
bool GridAxisCarriesElement(bool xDirection, int32_t a);
// Deletes axis a, keeping 200 axes with a main axis one module beyond the
// outer end nearer to a; the indices on that side of a move by one towards a.
// False, with nothing changed, when an element lies on a or the grid would
// leave what a project file holds.
bool DeleteGridAxis(bool xDirection, int32_t a);
