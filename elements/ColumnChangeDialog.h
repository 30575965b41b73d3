#pragma once
// The column change dialog (柱の変更): the joint hardware, outer-corner
// setting, species, sections and deterioration of a clicked column, or its
// deletion. It exchanges its values with the column input through
// ColumnChangeBuffer and pushes the undo snapshot before a change or a
// deletion; the column input applies the result. It is what the column input
// shows as its change dialog for as long as it exists.
#include "elements/ColumnControls.h"

class ThashiraChangeDlg : public QDialog, public OkCancelButtons, public ColumnSettingControls {
  Q_OBJECT

 public:
  explicit ThashiraChangeDlg(QWidget* parent);
  ~ThashiraChangeDlg() override;

  QLabel *Label1 = nullptr, *Lchuui = nullptr;
  QPushButton* Bshoukyo = nullptr;

 public slots:
  // Loads the controls from ColumnChangeBuffer: on opening, and again when
  // the hardware editor opened from here closes.
  void FormActivate();
  void OKBtnClick();
  void BshoukyoClick();
  void CancelBtnClick();
  void BsetsuClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Esc presses キャンセル; the close box leaves the result as it was.
  void keyPressEvent(QKeyEvent* event) override;
};
