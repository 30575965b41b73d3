#include "mainwindow/PlanScrollBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

namespace {
// The scroll box's colour (clBtnHighlight).
constexpr QRgb kSheetBackground = 0xffffffff;
}  // namespace

TPlanScrollBox::TPlanScrollBox(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("Gamen"));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);
}

void TPlanScrollBox::SetSheetSize(int width, int height) {
  sheetWidth_ = std::max(width, 0);
  sheetHeight_ = std::max(height, 0);
  UpdateScrollRanges();
  Invalidate();
}

void TPlanScrollBox::UpdateScrollRanges() {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, sheetWidth_ - view.width()));
  horizontalScrollBar()->setPageStep(std::max(1, view.width()));
  verticalScrollBar()->setRange(0, std::max(0, sheetHeight_ - view.height()));
  verticalScrollBar()->setPageStep(std::max(1, view.height()));
}

int TPlanScrollBox::HorzScrollPosition() const { return horizontalScrollBar()->value(); }
int TPlanScrollBox::VertScrollPosition() const { return verticalScrollBar()->value(); }

void TPlanScrollBox::SetHorzScrollPosition(int position) {
  UpdateScrollRanges();
  horizontalScrollBar()->setValue(position);
}

void TPlanScrollBox::SetVertScrollPosition(int position) {
  UpdateScrollRanges();
  verticalScrollBar()->setValue(position);
}

void TPlanScrollBox::Invalidate() {
  dirty_ = true;
  viewport()->update();
}

void TPlanScrollBox::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRanges();
  Invalidate();
}

void TPlanScrollBox::scrollContentsBy(int, int) { Invalidate(); }

void TPlanScrollBox::mouseReleaseEvent(QMouseEvent* event) {
  if (!OnMouseUp) return;
  const QPoint at = event->position().toPoint();
  OnMouseUp(event->button(), at.x() + HorzScrollPosition(), at.y() + VertScrollPosition());
}

void TPlanScrollBox::mouseMoveEvent(QMouseEvent* event) {
  if (!OnMouseMove) return;
  const QPoint at = event->position().toPoint();
  OnMouseMove(at.x() + HorzScrollPosition(), at.y() + VertScrollPosition());
}

bool TPlanScrollBox::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave && OnMouseLeave) OnMouseLeave();
  return QAbstractScrollArea::viewportEvent(event);
}

void TPlanScrollBox::FullPaint() {
  dirty_ = false;
  image_.fill(kSheetBackground);
  QPainter painter(&image_);
  canvas_.Begin(&painter, QPoint(HorzScrollPosition(), VertScrollPosition()));
  painting_ = true;
  if (OnPaint) OnPaint(canvas_);
  painting_ = false;
  canvas_.End();
  ++fullPaints_;
  // What follows a paint (messages, dialogs) must not run inside it.
  if (OnPainted && !paintedNoticeQueued_) {
    paintedNoticeQueued_ = true;
    QTimer::singleShot(0, this, [this] {
      paintedNoticeQueued_ = false;
      if (OnPainted) OnPainted();
    });
  }
}

void TPlanScrollBox::paintEvent(QPaintEvent* event) {
  const QSize size = viewport()->size();
  if (image_.size() != size) {
    image_ = QImage(size, QImage::Format_RGB32);
    dirty_ = true;
  }
  if (dirty_ && !image_.isNull()) FullPaint();
  QPainter painter(viewport());
  painter.drawImage(event->rect(), image_, event->rect());
}

void TPlanScrollBox::DrawOnImage(const std::function<void(Canvas&)>& draw, const QRect& touched) {
  if (image_.isNull() || painting_) return;
  const QPoint scroll(HorzScrollPosition(), VertScrollPosition());
  QPainter painter(&image_);
  canvas_.Begin(&painter, scroll);
  draw(canvas_);
  canvas_.End();
  if (touched.isEmpty())
    viewport()->update();
  else
    viewport()->update(touched.translated(-scroll));
}
