#pragma once
// The vertical line cursor that the table families share: every line starts
// at x = 20 mm unless told otherwise; before a line is drawn the cursor
// advances by the line's step, y = trunc(y + step x pixels/mm), so it is
// always a whole number of drawing units. Rows end their page past a limit
// (after the row, or before it), and a text line whose bottom would fall
// below 289 mm moves to a continuation page of the family, set up as the
// family's own row break sets it up.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "report/ReportPage.h"

// The lowest a text line may end on a sheet, in millimetres: the print scale
// fits 291.04 mm of layout and the preview shows 291.2 mm.
constexpr double ReportSheetBottomMm = 289;

class ReportLines {
 public:
  // continuation sets up a continuation page that the frame has just begun:
  // its font and the cursor's start (SetMm). It draws no title or headers
  // unless the family's row break does.
  ReportLines(PageFrame& frame, std::function<void(ReportLines&)> continuation, double lineHeightMm = 3);

  // The continuation most table families use: the body font (3 mm high,
  // widthMm wide) and the cursor at topMm.
  static std::function<void(ReportLines&)> BodyFontAt(double topMm, double widthMm = 1.5);

  int32_t Y() const { return y_; }
  void SetY(int32_t y) { y_ = y; }
  void SetMm(double mm);
  // The height of the text lines that follow (the body font's height).
  void SetLineHeightMm(double mm);

  // A pure gap: the cursor moves, nothing is drawn and nothing breaks.
  void Gap(double stepMm);
  // A gap of whole drawing units, whatever pixels/mm is.
  void GapUnits(int32_t units) { y_ += units; }

  // Advances the cursor by stepMm for a text line about to be drawn; when
  // the line's bottom would fall below 289 mm, the page is handed over and a
  // continuation page begun first, and the step is taken from its start.
  // False when the preview has its wanted page: the family stops and returns
  // the frame's result.
  [[nodiscard]] bool Advance(double stepMm);
  // Advance, then the text at (xMm, y).
  [[nodiscard]] bool Line(double stepMm, std::u16string_view text, double xMm = 20);

  // After a row: when y > limitMm x pixels/mm (the product not truncated)
  // the page ends and a continuation page begins. False as for Advance.
  [[nodiscard]] bool BreakAfterRow(double limitMm = 270);
  // Before a row of step stepMm: when the row would stand below limitMm x
  // pixels/mm, the page ends first. False as for Advance.
  [[nodiscard]] bool BreakBeforeRow(double stepMm, double limitMm);
  // Ends the page and begins a continuation page. False as for Advance.
  [[nodiscard]] bool ContinuationPage();

  // Whether a line of step stepMm would end below 289 mm.
  bool WouldPassBottom(double stepMm) const;
  // The cursor after a step of stepMm from y.
  int32_t StepFrom(int32_t y, double stepMm) const;

  PageFrame& Frame() { return frame_; }
  Canvas& PageCanvas() { return frame_.PageCanvas(); }
  double PixelsPerMm() const { return ppm_; }

 private:
  PageFrame& frame_;
  std::function<void(ReportLines&)> continuation_;
  double ppm_;
  int32_t lineHeight_;
  int32_t sheetEnd_;
  int32_t y_ = 0;
  // The cursor where the current continuation page started; a line that
  // does not fit even there is drawn anyway rather than break forever.
  int32_t pageStart_ = -1;
};

// The character cells a text takes in the fixed-pitch body font: one for an
// ASCII character and a half-width katakana, two for every other character
// (kanji, kana, full-width letters, U+3000, "㎡", "─").
int32_t CellsOf(std::u16string_view text);
// The text followed by blanks up to cells character cells; a longer text
// stays as it is. A field of full-width text padded so keeps its columns.
std::u16string PadToCells(std::u16string_view text, int32_t cells);

// Replaces the ordinary blanks of text[first, end) with the ideographic
// space U+3000, for a field that holds full-width text so that its columns
// keep their cells.
void WidenBlanks(std::u16string& text, std::size_t first, std::size_t end);
