#pragma once
// Free lines (自由線): annotation lines between two grid points of the current
// variant and storey, each end moved by an offset in metres, in the style and
// colour of the free-line palette. With the palette's offset switch on, the
// offsets dialog asks for the four offsets before each new line.
#include <cstdint>
#include <functional>
#include <string_view>

constexpr int32_t FreeLineStyleCount = 6;  // 細線 太線 点線 鎖線 １点鎖線 ２点鎖線
inline bool ValidFreeLineStyle(int32_t style) { return style >= 0 && style < FreeLineStyleCount; }

extern int32_t FreeLineOffsetSwitch;  // 1: ask for the offsets before each line
// The offsets of the next line as stored in the record: X1, Y1, X2, Y2, the
// Y offsets growing downward (the dialog shows them negated).
extern double FreeLineOffsets[4];
extern int32_t FreeLineKeepOffsets;  // 1: the offsets stay for the line after

// Shows the offsets dialog modally; true on OK. The GUI installs it; without
// one the dialog counts as cancelled.
void SetFreeLineOffsetDialog(std::function<bool()> dialog);

// An offset as typed in the dialog (metres; empty or unreadable text is 0).
double FreeLineOffsetOfText(std::string_view text);

// Adds a line from (x1, y1) to (x2, y2), or deletes the first line with these
// two ends in either order, whatever its offsets. 1 when a line was added or
// deleted or the offsets dialog was cancelled; 0 when refused: the two points
// coincide, a point is off the grid, the storey is full (silently), or the
// user declines an offset beyond 1 m. Undo snapshot before every change.
int32_t InputFreeLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

extern const char* const FreeLineFarOffsetMessage;
extern const char* const FreeLineFarOffsetCaption;
