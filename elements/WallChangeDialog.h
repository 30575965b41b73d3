#pragma once
// The wall change dialog (壁の変更): the settings of a wall whose two ends
// were picked, with its base strength and stiffness recomputed as the user
// edits; OK writes the wall, 消去 and 手前に表示 leave the deletion and the
// bring to front to the wall input, 要素の取得 copies the settings into the
// wall palette's memory and 要素の貼付 takes that memory into the dialog. It
// exchanges its values through WallChangeBuffer and is what the wall input
// shows as its change dialog for as long as it exists.
#include "elements/WallControls.h"

class TDkabeChangeDlg : public QDialog, public OkCancelButtons, public WallSettingControls {
  Q_OBJECT

 public:
  explicit TDkabeChangeDlg(QWidget* parent);
  ~TDkabeChangeDlg() override;

  QLabel *Label4 = nullptr, *Ltairyoku = nullptr, *Label5 = nullptr, *Lgousei = nullptr;
  QLabel *Label20 = nullptr, *Lsetsu = nullptr, *Label21 = nullptr, *Lkiso = nullptr;
  QGroupBox* Gchuui = nullptr;
  QLabel *Lchuui1 = nullptr, *Lchuui2 = nullptr, *Lchuui3 = nullptr, *Lchuui4 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QRadioButton *RadioButton1 = nullptr, *RadioButton2 = nullptr, *RadioButton3 = nullptr;
  QPushButton *Bshoukyo = nullptr, *Button3 = nullptr, *Bget = nullptr, *Bput = nullptr;

 public slots:
  void FormShow();
  // Strength, stiffness, joint and foundation classes from the controls.
  void FormPaint();
  // False (the dialog stays open) after refusing a number.
  bool OKBtnClick();
  void BshoukyoClick();
  void Button3Click();
  void CancelBtnClick();
  bool BgetClick();
  void BputClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Esc presses キャンセル; the close box leaves the result as the wall input set it.
  void keyPressEvent(QKeyEvent* event) override;
};
