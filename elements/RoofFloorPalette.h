#pragma once
// The tool palette of the roof/floor mode (屋根床等の設定): the kind, weight,
// loads, slope and flag of the next areas (RoofFloorPalette) and the input
// shape (TriangleInput). A double click on a load edit opens its load picker.
#include "elements/RoofFloorControls.h"
#include "mainwindow/ToolPalette.h"

class TDyukaDlg : public TToolPalette, public RoofFloorControls {
  Q_OBJECT

 public:
  explicit TDyukaDlg(QWidget* parent);
  ~TDyukaDlg() override;

  // FormPaint: the controls in line with RoofFloorPalette and TriangleInput.
  void Refresh() override;

 public slots:
  void FormShow();
  void FormPaint() { Refresh(); }
  void RkukeiClick();
  void RsankakuClick();
  void CshiyouChange();
  void CgaishuClick();
  void EkajuChange();
  void EtsuikaChange();
  void CkoubaiChange();
  void EomosaChange();
  void WeightClick(int weightClass);  // Romosa1Click .. Romosa0Click
  void EkajuDblClick();
  void EtsuikaDblClick();

 protected:
  void showEvent(QShowEvent* event) override;
};
