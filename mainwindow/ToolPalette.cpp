#include "mainwindow/ToolPalette.h"

#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "mainwindow/PlanScrollBox.h"
#include "mainwindow/QuilmoraForm.h"
#include "presentation/WindowState.h"

TToolPalette::TToolPalette(const char* formClass, const char* instanceName, const QString& caption,
                           int dockEntry, QWidget* parent, OwnContent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      dockEntry_(dockEntry) {
  setObjectName(QString::fromLatin1(instanceName));
  setProperty("formClass", QString::fromLatin1(formClass));
  setWindowTitle(caption);
  setAttribute(Qt::WA_ShowWithoutActivating);
}

TToolPalette::TToolPalette(const char* formClass, const char* instanceName, const QString& caption,
                           int dockEntry, QWidget* parent)
    : TToolPalette(formClass, instanceName, caption, dockEntry, parent, OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(caption, this));
  setFixedSize(300, 100);
}

void TToolPalette::showEvent(QShowEvent* event) {
  // Shown without taking the focus, a palette may never be activated: its
  // first appearance counts as its first activation.
  FormActivate();
  QDialog::showEvent(event);
}

bool TToolPalette::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QDialog::event(event);
}

void TToolPalette::FormActivate() {
  if (dockEntry_ < 0 || dockEntry_ >= PaletteCount || PaletteDocked[dockEntry_] != 0 || !QuilmoraForm) return;
  const QPoint main = QuilmoraForm->pos();
  const TPlanScrollBox* gamen = QuilmoraForm->Gamen;
  move(main.x() + gamen->width() - width() - 15, main.y() + gamen->y() + 30);
  KeepOffTheControlPanel();
  raise();
  PaletteDocked[dockEntry_] = 1;
}

void TToolPalette::KeepOffTheControlPanel(bool withinThePlan) {
  if (!QuilmoraForm || !QuilmoraForm->isVisible()) return;
  const QWidget* panel = QuilmoraForm->ScrollBox1;
  const QRect controls(panel->mapToGlobal(QPoint(0, 0)), panel->size());
  const int planLeft = QuilmoraForm->Gamen->mapToGlobal(QPoint(0, 0)).x();
  const QRect frame = frameGeometry();
  int left = frame.left();
  // Over the plan, as far right as the panel lets it, but not beyond the
  // plan's left edge.
  if (frame.intersects(controls)) left = std::max(controls.left() - frame.width(), planLeft);
  if (withinThePlan) left = std::max(left, std::min(planLeft, controls.left() - frame.width()));
  if (left != frame.left()) move(left, y());
}
