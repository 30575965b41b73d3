#pragma once
// The tool palette of the wall mode (壁の設定): the opening, fitting, weight,
// panels, mud wall, brace, heights and deterioration of the next new wall.
// Most controls write NewWallDefaults at once and every control keeps
// WallPaletteControls in step, which the wall input reads; showing the
// palette puts the controls back in line with NewWallDefaults. It starts
// compact; Bdisp widens it to show the bearing elements.
#include "elements/WallControls.h"
#include "mainwindow/ToolPalette.h"

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
  void SetExpanded(bool expanded);
  void Sync();
};
