#pragma once
// The axis balloons and the spacing dimensions outside the model: below the
// bottom-most used Y axis for the X axes, left of the left-most used X axis
// for the Y axes. Drawn from the names and the model extent that
// LabelGridAxes left, right after it in every full paint.
#include <cstdint>
#include <string_view>

class Canvas;
struct PlanView;

// Balloon radius and the text size inside it, in pixels.
constexpr int32_t AxisBalloonRadius = 15;
constexpr int32_t AxisBalloonFontHeight = 16;
constexpr int32_t AxisBalloonFontWidth = 6;

// Ticks, balloons ("X0", "X1", ... from the left, "Y0", ... from the bottom)
// and, at 1/100 and larger scales, the dimension chains with their spacings
// in metres. Draws nothing for an empty model.
void DrawGridAxes(Canvas& canvas, const PlanView& view);

// One balloon centred on the view point (x, y), not yet truncated, with its
// text. A text wider than the balloon is drawn in narrower characters so that
// it stays inside.
void DrawAxisBalloon(Canvas& canvas, double x, double y, std::u16string_view text);
