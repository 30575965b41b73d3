#pragma once
// A tool palette: a small window beside the plan that holds the settings of
// one edit mode. The main window shows exactly the palette of the current
// edit mode. At its first activation of the run a palette places itself near
// the upper right corner of the plan; after that it stays where the user puts it.
#include <QDialog>

class TToolPalette : public QDialog {
  Q_OBJECT

 public:
  // dockEntry: its PaletteDocked entry.
  TToolPalette(const char* formClass, const char* instanceName, const QString& caption, int dockEntry,
               QWidget* parent);

  int DockEntry() const { return dockEntry_; }

  // Puts the controls back in line with the palette's settings, wherever the
  // main window would repaint the palette.
  virtual void Refresh() {}

  // Moves a palette that covers the main window's control panel sideways
  // over the plan, where it fits; a palette elsewhere stays where the user
  // put it, unless withinThePlan, when it is also kept from reaching past
  // the plan's left edge (a palette that moves itself).
  void KeepOffTheControlPanel(bool withinThePlan = false);

 public slots:
  // Docks the palette at its first activation; palettes with controls put
  // them in line with their settings first.
  virtual void FormActivate();

 protected:
  // For palettes that lay out their own controls: no caption label, no fixed size.
  struct OwnContent {};
  TToolPalette(const char* formClass, const char* instanceName, const QString& caption, int dockEntry,
               QWidget* parent, OwnContent);

  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int dockEntry_;
};
