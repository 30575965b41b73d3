#pragma once
// The foundation segments of the view's variant and storey: a band of half
// width 2 x (units per metre) / 9 along each segment in the grey of its class,
// 基礎Ⅰ on top of 基礎Ⅱ on top of 基礎Ⅲ; in the foundation edit mode each
// band gets its class name beside it. Leaves the brush clear after a label.
class Canvas;
struct PlanView;

void DrawFoundations(Canvas& canvas, const PlanView& view);
