#pragma once
// The text mode's forms: the palette (文字の入力) that holds the current text
// and clears the storey's labels, and the dialog (文字の変更) that asks for the
// text of each new label. They install themselves as the text input's palette
// listener and dialog for as long as they exist.
#include "mainwindow/FormKit.h"
#include "mainwindow/ToolPalette.h"

class TDmojiDlg : public TToolPalette {
  Q_OBJECT

 public:
  explicit TDmojiDlg(QWidget* parent);
  ~TDmojiDlg() override;

  static constexpr int TypedLength = 39;  // the most characters typed into the edit

  QLineEdit* name = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;
  QPushButton* Ballclear = nullptr;

  // The edit shows the palette's text.
  void Refresh() override;

 public slots:
  void nameChange(const QString& text);
  void BallclearClick();
};

class TDmojiChangeDlg : public TCancelableDialog, public OkCancelButtons {
  Q_OBJECT

 public:
  explicit TDmojiChangeDlg(QWidget* parent);
  ~TDmojiChangeDlg() override;

  QComboBox* name = nullptr;
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;

 public slots:
  // The combo's text becomes the palette's text.
  void OKBtnClick();
};
