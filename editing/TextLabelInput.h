#pragma once
// Text labels (文字, room names) and the north mark, anchored at two grid
// points of the current variant and storey (the same point twice is allowed).
// The text palette holds the current text; the text dialog asks for the text
// of each new label, offering the palette's text. A text beginning with '*'
// is the north mark: at most one per storey, and the same text as the north
// mark of the neighbouring storey.
#include <cstdint>
#include <functional>
#include <string_view>

#include "files/ProjectFileFields.h"
#include "model/ElementRecords.h"

// The most UTF-16 units a label keeps: what the project file holds of it
// (the record in memory has room for more).
constexpr int32_t TextLabelMaxLength = static_cast<int32_t>(LabelTextCharacters);
static_assert(TextLabelMaxLength < TextLabelCapacity);

// The palette's current text (its edit `name`), NUL-terminated.
extern char16_t TextPaletteText[TextLabelCapacity];
// Sets the palette's text, keeping at most TextLabelMaxLength characters,
// and lets the palette show it.
void SetTextPaletteText(std::u16string_view text);
std::u16string_view TextPaletteTextView();

// The palette shows TextPaletteText again; installed by the palette.
void SetTextPaletteListener(std::function<void()> listener);

// Shows the text dialog modally with the palette's text; true on OK, after
// the dialog has put its text into the palette. The GUI installs it; without
// one the dialog counts as cancelled.
void SetTextLabelDialog(std::function<bool()> dialog);

// Adds a label at (x1, y1)-(x2, y2), or removes the first label whose X
// indices are x1 and x2 and whose Y indices are y1 and y2, each pair in
// either order, putting its text into the palette. 1 when a label was added
// or removed or the dialog was cancelled; 0 when refused: a point off the
// grid, a full storey (silently), or a second or differing north mark
// (reported). Undo snapshot before every change; the plan is repainted.
int32_t InputTextLabel(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// この階の文字を全消去: asks, then empties the labels of the current variant
// and storey (undoable).
void ClearStoreyTextLabels();

// The degrees after the '*' of a north mark, read as the C library's wcstol
// does (leading blanks and a sign accepted, stops at the first other
// character); 0 when there is no number or it does not fit an int.
int32_t NorthMarkAngle(std::u16string_view text);

extern const char* const NorthMarkTwiceMessage;
extern const char* const NorthMarkOtherStoreyMessage;
extern const char* const NorthMarkCaption;
extern const char* const ClearTextLabelsMessage;
extern const char* const ClearTextLabelsCaption;
