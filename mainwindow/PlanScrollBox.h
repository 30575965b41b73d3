#pragma once
// The plan's scroll box (Gamen) with the plan sheet (Sheet) inside it. The
// sheet is never held as a whole: the viewport keeps an image of its own
// size, and a full paint draws the sheet into it shifted by the scroll
// position. A full paint happens after Invalidate(), a scroll or a resize;
// other repaints (a window uncovering the plan) show the image as it is.
// Figures drawn between paints (XOR highlights) go straight into the image.
//
// The full paint runs PaintFullPlan with ScreenPlanView(): used extents, grid
// lines, the recalculation chain, then the plan layers. Nothing modal runs
// inside it: the command-line load, the messages the chain queued
// (ShowPendingMessages) and the start-up dialogs come after the paint.
#include <QAbstractScrollArea>
#include <QImage>
#include <QRect>
#include <functional>

#include "rendering/qt/QtCanvas.h"

class TPlanScrollBox : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TPlanScrollBox(QWidget* parent);

  // The sheet's size in pixels (Sheet.Width, Sheet.Height).
  void SetSheetSize(int width, int height);
  int SheetWidth() const { return sheetWidth_; }
  int SheetHeight() const { return sheetHeight_; }

  int HorzScrollPosition() const;
  int VertScrollPosition() const;
  // Clamped to the scroll range, as a scroll bar does.
  void SetHorzScrollPosition(int position);
  void SetVertScrollPosition(int position);

  // The next paint is a full paint.
  void Invalidate();

  // Draws the sheet (OnPaint) into the image: the full paint.
  std::function<void(Canvas&)> OnPaint;
  // A mouse button released over the plan, at sheet pixels (OnMouseUp).
  std::function<void(Qt::MouseButton, int x, int y)> OnMouseUp;
  // Called after each full paint, outside the paint.
  std::function<void()> OnPainted;
  // The pointer moved over the plan, at sheet pixels (OnMouseMove).
  std::function<void(int x, int y)> OnMouseMove;
  // The pointer left the plan (OnMouseLeave).
  std::function<void()> OnMouseLeave;

  // Draws on the image in sheet coordinates, outside a full paint, and shows
  // the sheet rectangle touched (the whole view when it is empty).
  void DrawOnImage(const std::function<void(Canvas&)>& draw, const QRect& touched = QRect());

  const QImage& Image() const { return image_; }
  int FullPaintCount() const { return fullPaints_; }
  bool FullPaintDue() const { return dirty_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool viewportEvent(QEvent* event) override;

 private:
  void UpdateScrollRanges();
  void FullPaint();

  QImage image_;
  QtCanvas canvas_;
  int sheetWidth_ = 0;
  int sheetHeight_ = 0;
  bool dirty_ = true;
  bool painting_ = false;
  bool paintedNoticeQueued_ = false;
  int fullPaints_ = 0;
};
