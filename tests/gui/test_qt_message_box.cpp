#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/qt/QtMessageBox.h"
#include "platform/qt/Translations.h"

namespace {

struct Seen {
  bool shown = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QString title;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  QWidget* parent = nullptr;
};

// Runs show() and, once a box is up, records what it looks like and lets
// act() answer it. Should no box appear or act() not close it, a watchdog
// closes every message box so that the test fails instead of hanging.
int WhileAnswering(const std::function<int()>& show, const std::function<void(QMessageBox*)>& act,
                   Seen* seen) {
  Seen local;
  Seen& s = seen ? *seen : local;

  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    s.shown = true;
    s.icon = box->icon();
    s.buttons = box->standardButtons();
    s.defaultButton =
        box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
    s.title = box->windowTitle();
    s.text = box->text();
    s.format = box->textFormat();
    s.parent = box->parentWidget();
    act(box);
  });
  poll.start();

  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    ADD_FAILURE() << "message box was still open after the timeout";
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) box->done(0);
    }
  });
  watchdog.start(5000);

  return show();
}

int ShowAndAnswer(QtMessageBox& port, const std::string& text, const std::string& caption, int flags,
                  const std::function<void(QMessageBox*)>& act, Seen* seen = nullptr) {
  return WhileAnswering([&] { return port.Show(text, caption, flags); }, act, seen);
}

std::function<void(QMessageBox*)> Click(QMessageBox::StandardButton which) {
  return [which](QMessageBox* box) {
    QAbstractButton* button = box->button(which);
    if (!button) {
      ADD_FAILURE() << "box has no button " << which;
      box->done(0);
      return;
    }
    button->click();
  };
}

void PressEscape(QMessageBox* box) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(box, &press);
}

TEST(QtMessageBox, IconButtonsTitleAndTextFollowTheFlags) {
  const struct {
    int flags;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
  } cases[] = {
      {MB_OK, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok},
      {16, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
      {32, QMessageBox::Question, QMessageBox::Ok, QMessageBox::Ok},
      {35, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes},
      {36, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
      {64, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok},
      {68, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
      {MB_OKCANCEL | MB_ICONEXCLAMATION, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Ok},
  };
  // Japanese with a blank line and markup-like text that must stay as it is.
  const std::string text = "壁量が不足しています。\n\n<b>補強</b>が必要です。";
  const std::string caption = "耐震診断";
  QtMessageBox port;

  for (const auto& c : cases) {
    Seen seen;
    ShowAndAnswer(
        port, text, caption, c.flags, [](QMessageBox* box) { box->defaultButton()->click(); }, &seen);
    ASSERT_TRUE(seen.shown) << "flags " << c.flags;
    EXPECT_EQ(seen.icon, c.icon) << "flags " << c.flags;
    EXPECT_EQ(seen.buttons, c.buttons) << "flags " << c.flags;
    EXPECT_EQ(seen.defaultButton, c.defaultButton) << "flags " << c.flags;
    EXPECT_EQ(seen.title, QString::fromUtf8("耐震診断")) << "flags " << c.flags;
    EXPECT_EQ(seen.text, QString::fromUtf8("壁量が不足しています。\n\n<b>補強</b>が必要です。"))
        << "flags " << c.flags;
    EXPECT_EQ(seen.format, Qt::PlainText) << "flags " << c.flags;
  }
}

TEST(QtMessageBox, ClickedButtonBecomesTheAnswer) {
  const struct {
    int flags;
    QMessageBox::StandardButton click;
    int answer;
  } cases[] = {
      {16, QMessageBox::Ok, IDOK},
      {MB_OKCANCEL, QMessageBox::Ok, IDOK},
      {MB_OKCANCEL, QMessageBox::Cancel, IDCANCEL},
      {35, QMessageBox::Yes, IDYES},
      {35, QMessageBox::No, IDNO},
      {35, QMessageBox::Cancel, IDCANCEL},
      {36, QMessageBox::Yes, IDYES},
      {36, QMessageBox::No, IDNO},
      {68, QMessageBox::No, IDNO},
  };
  QtMessageBox port;
  for (const auto& c : cases)
    EXPECT_EQ(ShowAndAnswer(port, "text", "caption", c.flags, Click(c.click)), c.answer)
        << "flags " << c.flags << " button " << c.click;
}

TEST(QtMessageBox, EscapeGivesTheDismissingAnswer) {
  const struct {
    int flags;
    int answer;
  } cases[] = {
      {35, IDCANCEL},
      {MB_OKCANCEL, IDCANCEL},
      {64, IDOK},
      {36, IDNO},
  };
  QtMessageBox port;
  for (const auto& c : cases)
    EXPECT_EQ(ShowAndAnswer(port, "text", "caption", c.flags, PressEscape), c.answer) << "flags " << c.flags;
}

TEST(QtMessageBox, BoxBelongsToTheGivenParent) {
  QWidget window;
  QtMessageBox withParent(&window);
  Seen seen;
  ShowAndAnswer(withParent, "text", "caption", 64, Click(QMessageBox::Ok), &seen);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.parent, &window);

  QtMessageBox withoutParent;
  ShowAndAnswer(withoutParent, "text", "caption", 64, Click(QMessageBox::Ok), &seen);
  EXPECT_EQ(seen.parent, nullptr);
}

TEST(QtMessageBox, MessageBoxFunctionReachesTheInstalledQtPort) {
  QtMessageBox port;
  SetMessageBoxPort(&port);
  Seen seen;
  const int answer =
      WhileAnswering([] { return MessageBox("保存しますか？", "確認", 36); }, Click(QMessageBox::Yes), &seen);
  SetMessageBoxPort(nullptr);

  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.title, QString::fromUtf8("確認"));
  EXPECT_EQ(answer, IDYES);
}

// Qt's own button texts come in Japanese once its translations are loaded,
// as the program does at start-up.
TEST(QtMessageBox, StandardButtonsSpeakJapanese) {
  ASSERT_TRUE(InstallJapaneseQtTranslations(*QCoreApplication::instance()));
  QtMessageBox port;
  QStringList texts;
  ShowAndAnswer(port, "終了しますか？", "終了", 35, [&](QMessageBox* box) {
    for (QMessageBox::StandardButton which : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
      texts << box->button(which)->text().remove(QRegularExpression(QStringLiteral("\\(&.\\)")));  // はい(&Y)
    box->button(QMessageBox::Cancel)->click();
  });
  EXPECT_EQ(texts,
            (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル")}));
}

}  // namespace
