#include "mainwindow/TextLabelDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/TextLabelInput.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/WindowState.h"

namespace {

QString PaletteText() {
  const std::u16string_view text = TextPaletteTextView();
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TDmojiDlg::TDmojiDlg(QWidget* parent)
    : TToolPalette("TDmojiDlg", "DmojiDlg", QStringLiteral("文字の入力"), PaletteDockText, parent,
                   OwnContent{}) {
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("現在の文字 ＝ "), this));
  name = Named(new QLineEdit(this), "name");
  name->setMinimumWidth(160);
  row->addWidget(name, 1);
  layout->addLayout(row);
  Label1 = NewLabel(this, "Label1", "入力：位置を２点指示（同一点でも可）");
  Label2 = NewLabel(this, "Label2", "削除：文字を２点指示（訂正は再入力）");
  Label3 = NewLabel(this, "Label3", "文字の位置は四角の点線で表示（同一点の場合は円）");
  layout->addWidget(Label1);
  layout->addWidget(Label2);
  layout->addWidget(Label3);
  Ballclear = NewButton(this, "Ballclear", "この階の文字を全消去");
  Ballclear->setAutoDefault(false);
  layout->addWidget(Ballclear, 0, Qt::AlignLeft);

  connect(name, &QLineEdit::textEdited, this, &TDmojiDlg::nameChange);
  connect(Ballclear, &QPushButton::clicked, this, &TDmojiDlg::BallclearClick);
  SetTextPaletteListener([this] { Refresh(); });
  Refresh();
}

TDmojiDlg::~TDmojiDlg() { SetTextPaletteListener(nullptr); }

void TDmojiDlg::Refresh() {
  // A text taken back from a removed label may be longer than what can be
  // typed; the edit shows it whole.
  const QString text = PaletteText();
  if (name->text() == text) return;
  const QSignalBlocker blocker(name);
  name->setText(text);
}

void TDmojiDlg::nameChange(const QString& text) {
  // Typing stops at TypedLength characters; a longer text already there may
  // only get shorter.
  if (text.size() > TypedLength && text.size() > PaletteText().size()) {
    const int cursor = name->cursorPosition() - static_cast<int>(text.size() - PaletteText().size());
    const QSignalBlocker blocker(name);
    name->setText(PaletteText());
    name->setCursorPosition(std::max(0, cursor));
    return;
  }
  SetTextPaletteText(text.toStdU16String());
}

void TDmojiDlg::BallclearClick() { ClearStoreyTextLabels(); }

TDmojiChangeDlg::TDmojiChangeDlg(QWidget* parent)
    : TCancelableDialog(
          parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("DmojiChangeDlg"));
  setProperty("formClass", QStringLiteral("TDmojiChangeDlg"));
  setWindowTitle(QStringLiteral("文字の変更"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  Label1 = NewLabel(this, "Label1", "入力文字 ＝");
  row->addWidget(Label1);
  name = Named(new QComboBox(this), "name");
  name->setEditable(true);
  name->setInsertPolicy(QComboBox::NoInsert);
  name->setMaxVisibleItems(20);
  name->lineEdit()->setMaxLength(TextLabelMaxLength);
  name->addItem(QString());
  for (const char* item :
       {"居間",         "台所",  "食堂",  "ＬＤＫ", "ＤＫ",   "玄関", "ホール", "廊下",   "和室",
        "和８",         "和６",  "和4.5", "洋室",   "洋８",   "洋６", "洋4.5",  "洗面",   "浴室",
        "納戸",         "便所",  "@便所", "押入",   "@押入",  "物入", "@物入",  "タンス", "@タンス",
        "クローゼット", "階段←", "→階段", "@階段←", "@→階段", "*0",   "*90",    "*180",   "*270"})
    name->addItem(QString::fromUtf8(item));
  name->setMinimumWidth(200);
  row->addWidget(name, 1);
  layout->addLayout(row);
  Label2 = NewLabel(this, "Label2", "最初に@ (半角) を付けると縦書きになります。");
  Label3 = NewLabel(this, "Label3", "最初に * (半角) を付けると方位記号になります。");
  layout->addWidget(Label2);
  layout->addWidget(Label3);
  layout->addLayout(NewOkCancelRow(this, *this));
  CloseOnOkCancel(this, &TDmojiChangeDlg::OKBtnClick);

  SetTextLabelDialog([this] {
    name->setEditText(PaletteText());
    name->lineEdit()->selectAll();
    return RunModal(*this) == ModalOk;
  });
}

TDmojiChangeDlg::~TDmojiChangeDlg() { SetTextLabelDialog(nullptr); }

void TDmojiChangeDlg::OKBtnClick() { SetTextPaletteText(name->currentText().toStdU16String()); }
