#pragma once
#include "model/NumberField.h"
// The roof/floor change dialog (屋根床等の変更): the values of a clicked
// area, changed (設定) or the area deleted (消去). It exchanges the values
// with the roof/floor input through RoofFloorChangeBuffer and pushes the undo
// snapshot before a change or a deletion; the input applies the result. It
// is what the input shows as its change dialog for as long as it exists.
#include <QDialog>
#include <QString>

#include "elements/RoofFloorControls.h"

class QPushButton;

class TDyukachangeDlg : public QDialog, public RoofFloorControls {
  Q_OBJECT

 public:
  explicit TDyukachangeDlg(QWidget* parent);
  ~TDyukachangeDlg() override;

  QPushButton *OKBtn = nullptr, *Bshoukyo = nullptr, *CancelBtn = nullptr;

 public slots:
  void FormShow();
  // False, with nothing changed, after a message when a number is refused.
  bool OKBtnClick();
  void BshoukyoClick();
  void CancelBtnClick();
  void EkajuDblClick();
  void EtsuikaDblClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Esc presses キャンセル; the close box leaves the result as it was.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // A text shown for a stored value: an edit left as shown gives back the
  // stored value itself, not the value of its rounded text.
  FilledNumber live_, dead_, slope_, added_;
};
