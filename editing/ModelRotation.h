#pragma once
// Turns the whole model, all variants and storeys, by 90 degrees to the left.
#include <cstdint>

// The grid's X axes become the old Y axes and its Y axes the old X axes in
// reverse order; every point (x, y) becomes (y, 199 - x). Column sections,
// the faces of walls that come to run along X and free-line offsets turn
// with the model. The undo ring is emptied: its snapshots are numbered for
// the old grid. Four turns give the model back (with axis 0 at 0). False,
// with nothing changed and a message shown, when a stored index is already
// off the grid or an axis would leave what a project file holds.
bool RotateModelLeft();

// The section codes of a column turned by 90 degrees. SectionX is a class
// 0..5, SectionY 0 for "the same as X" or class + 1: a square column keeps
// its codes, otherwise the two classes change places.
void TurnColumnSections(int32_t& sectionX, int32_t& sectionY);
