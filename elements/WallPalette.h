#pragma once
// The tool palette of the wall mode (壁の設定): the opening, fitting, weight,
// panels, mud wall, brace, heights and deterioration of the next new wall.
// Most controls write NewWallDefaults at once and every control keeps
// WallPaletteControls in step, which the wall input reads; showing the
// palette puts the controls back in line with NewWallDefaults. It starts
// compact; Bdisp widens it to show the bearing elements, and it keeps that
// state while the program runs. It never covers the main window's controls:
// it stays over the plan, and where the plan is too narrow for the widened
// palette the bearing elements take a second row instead.
#include "elements/WallControls.h"
#include "mainwindow/ToolPalette.h"

class QHBoxLayout;

extern double WallPaletteScale;      // the palette's width as created / 885
extern int32_t WallPaletteExpanded;  // 1 while the bearing elements show

class TDkabeDlg : public TToolPalette, public WallSettingControls {
  Q_OBJECT

 public:
  explicit TDkabeDlg(QWidget* parent);

  QPushButton* Bdisp = nullptr;

 public slots:
  void FormShow();
  void BdispClick();
  void CishouClick(int position);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Shows or hides the bearing elements and sizes the palette for it: beside
  // the other groups where the plan is wide enough for the expanded
  // palette, in a second row below them where it is not.
  void SetExpanded(bool expanded);
  bool PlanHasRoomFor(int width) const;
  void PutBearingElementsInSecondRow(bool secondRow);
  void Sync();

  QHBoxLayout* row_ = nullptr;
  QHBoxLayout* secondRow_ = nullptr;
  QHBoxLayout* bearing_ = nullptr;  // the panels, the brace and the mud wall
  bool twoRows_ = false;
  int rowHeight_ = 0;
};
