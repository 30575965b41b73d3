// The report items, the settings and help items, the element-table editor
// button, the method panel and the about box's feature switches.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <utility>
#include <vector>

#include "GuiFixture.h"
#include "elements/ColumnPalette.h"
#include "files/ProjectFile.h"
#include "mainwindow/AboutBox.h"
#include "mainwindow/DesktopServices.h"
#include "mainwindow/MainMenuCommands.h"
#include "mainwindow/PlanScrollBox.h"
#include "model/FileState.h"
#include "model/ReportPaging.h"
#include "outline/OutlineDialog.h"
#include "platform/FileAccess.h"
#include "presentation/MainWindowPort.h"
#include "report/ReportPage.h"

namespace {

QAction* Item(const char* name) { return QuilmoraForm->findChild<QAction*>(QString::fromLatin1(name)); }

void Trigger(const char* name) {
  QAction* action = Item(name);
  ASSERT_NE(action, nullptr) << name;
  ASSERT_TRUE(action->isEnabled()) << name;
  action->trigger();
}

class MenuTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    StartProgram();
  }
  void TearDown() override {
    SetReportPreviewOpener(nullptr);
    SetDesktopOpenHook(nullptr);
    GuiTest::TearDown();
  }
};

TEST_F(MenuTest, EachReportItemOpensItsPageKindOnItsLastPage) {
  const struct {
    const char* item;
    int kind;
  } items[] = {{"CutItem", 0}, {"CopyItem", 1}, {"PasteItem", 2}, {"H1", 3}, {"U1", 4},
               {"W1", 5},      {"S1", 6},       {"N2", 7},        {"J1", 8}, {"F1", 9},
               {"Y1", 10},     {"T1", 11},      {"E1", 12},       {"B1", 13}};
  std::vector<std::pair<int, int>> opened;
  SetReportPreviewOpener([&](int kind, int page) { opened.emplace_back(kind, page); });
  for (int k = 0; k < ReportPageKindCount; ++k) PreviewPage[k] = 1;
  PreviewPage[9] = 3;  // 床耐力 was last on its third page
  PreviewPage[13] = 2;
  for (const auto& i : items) {
    opened.clear();
    Trigger(i.item);
    ASSERT_EQ(opened.size(), 1u) << i.item;
    EXPECT_EQ(opened[0].first, i.kind) << i.item;
    EXPECT_EQ(opened[0].second, i.kind == 9 ? 3 : i.kind == 13 ? 2 : 1) << i.item;
    // The edit shortcuts are not taken by the report items.
    EXPECT_TRUE(Item(i.item)->shortcut().isEmpty()) << i.item;
  }
}

TEST_F(MenuTest, OutlineCommandsOpenTheirTabsAndPutBackThePreviousOnes) {
  // The outline dialog's two page controls.
  auto* outer = gaiyouDlg->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  auto* inner = gaiyouDlg->findChild<QTabWidget*>(QStringLiteral("PageControl2"));
  ASSERT_TRUE(outer && inner);

  const auto run = [&](const std::function<void()>& command) {
    outer->setCurrentIndex(1);
    inner->setCurrentIndex(2);
    std::pair<int, int> shown{-1, -1};
    dialogs.Expect("gaiyouDlg", [&](QDialog& dialog) {
      shown = {outer->currentIndex(), inner->currentIndex()};
      CloseBox()(dialog);
    });
    command();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(outer->currentIndex(), 1);
    EXPECT_EQ(inner->currentIndex(), 2);
    return shown;
  };
  EXPECT_EQ(run([] { Trigger("A1"); }), std::make_pair(0, 4));  // 計算条件
  EXPECT_EQ(run([] { Trigger("D1"); }), std::make_pair(0, 4));
  EXPECT_EQ(run([] {
              QTest::mouseClick(static_cast<QWidget*>(QuilmoraForm->Panel3), Qt::LeftButton, {},
                                QPoint(3, 3));
            }),
            std::make_pair(0, 0));  // 基本事項（診断法）

  // 概要 in the menu does nothing.
  Trigger("G1");
  EXPECT_EQ(dialogs.Shown().size(), 5u);  // the two start-up dialogs and the three above
}

TEST_F(MenuTest, ElementTableEditorRunsRepaintsAndShowsThePaletteAgain) {
  QuilmoraForm->Rhashira->click();
  ASSERT_TRUE(ProcessUntil([] { return DhashiraDlg->isVisible(); }));
  ASSERT_TRUE(ProcessUntil([] { return !QuilmoraForm->Gamen->FullPaintDue(); }));
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  dialogs.Expect("DkabetsuikaDlg", [](QDialog& dialog) {
    DhashiraDlg->hide();
    ClickButton("OKBtn")(dialog);
  });
  ASSERT_TRUE(QuilmoraForm->Bkabetsuika->isEnabled());
  QuilmoraForm->Bkabetsuika->click();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_TRUE(ProcessUntil([] { return DhashiraDlg->isVisible(); }));
  EXPECT_TRUE(ProcessUntil([&] { return QuilmoraForm->Gamen->FullPaintCount() > paints; }));
  EXPECT_FALSE(QuilmoraForm->Bzoning->isEnabled());
}

TEST_F(MenuTest, HelpOpensTheFileBesideTheProgramOrNamesTheFileItLookedFor) {
  std::vector<std::string> opened;
  SetDesktopOpenHook([&](const std::string& path) { opened.push_back(path); });
  const QString help = QCoreApplication::applicationDirPath() + QStringLiteral("/Quilmora2012.chm");
  ASSERT_FALSE(QFileInfo::exists(help)) << "a help file lies beside the test program";
  const std::string missing = "ヘルプファイルが見つかりません。\n\n探したファイル：\n" + help.toStdString();

  // No help file: the menu item and its shortcut both say which file they looked for.
  boxes.Expect("ヘルプ", IDOK);
  Trigger("H2");
  EXPECT_EQ(Item("H2")->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
  QuilmoraForm->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(QuilmoraForm));
  boxes.Expect("ヘルプ", IDOK);
  QTest::keyClick(QuilmoraForm->windowHandle(), Qt::Key_H, Qt::ControlModifier);
  ASSERT_EQ(boxes.Calls().size(), 2u);
  for (const auto& call : boxes.Calls()) {
    EXPECT_EQ(call.text, missing);
    EXPECT_EQ(call.flags, 64);
  }
  EXPECT_TRUE(opened.empty());

  // Installed beside the program, it is handed to the desktop.
  QFile file(help);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const auto remove = qScopeGuard([&] { QFile::remove(help); });
  Trigger("H2");
  EXPECT_EQ(opened, std::vector<std::string>{help.toStdString()});
  EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST_F(MenuTest, AboutBoxSwitchesTheFeaturesAtOkOnly) {
  ProjectSettings.WallQuantityFeature = 1;
  ProjectSettings.VerificationFeature = 1;
  RefreshMainWindow();
  ModifiedFlag = 0;
  ASSERT_TRUE(Item("E1")->isVisible());

  // The close box keeps both, whatever was ticked.
  dialogs.Expect("AboutBox", [](QDialog& dialog) {
    EXPECT_TRUE(AboutBox->Ckaberyou->isChecked());
    EXPECT_TRUE(AboutBox->Ckenshouhou->isChecked());
    AboutBox->Ckaberyou->click();
    CloseBox()(dialog);
  });
  Trigger("HelpAboutItem");
  EXPECT_EQ(ProjectSettings.WallQuantityFeature, 1);
  EXPECT_TRUE(Item("E1")->isVisible());
  EXPECT_EQ(ModifiedFlag, 0);

  // OK with 壁量計算 unticked hides 壁量計算 and marks the project modified.
  dialogs.Expect("AboutBox", [](QDialog&) {
    EXPECT_TRUE(AboutBox->Ckaberyou->isChecked());
    AboutBox->Ckaberyou->click();
    AboutBox->Button1->click();
  });
  ASSERT_FALSE(QuilmoraForm->Buwagaki->isEnabled());
  const int paints = QuilmoraForm->Gamen->FullPaintCount();
  Trigger("HelpAboutItem");
  EXPECT_EQ(ProjectSettings.WallQuantityFeature, 0);
  EXPECT_EQ(ProjectSettings.VerificationFeature, 1);
  EXPECT_FALSE(Item("E1")->isVisible());
  EXPECT_TRUE(Item("B1")->isVisible());
  EXPECT_EQ(ModifiedFlag, 1);
  // 上書 is offered at once, as after any other change, not only after a repaint.
  EXPECT_EQ(QuilmoraForm->Gamen->FullPaintCount(), paints);
  EXPECT_TRUE(QuilmoraForm->Buwagaki->isEnabled());

  // OK without a change leaves the project unmodified.
  ModifiedFlag = 0;
  dialogs.Expect("AboutBox", ClickButton("Button1"));
  Trigger("HelpAboutItem");
  EXPECT_EQ(ModifiedFlag, 0);
}

TEST_F(MenuTest, AboutBoxShowsTheVersionThatThePrintedPagesCarry) {
  QString shown;
  dialogs.Expect("AboutBox", [&](QDialog& dialog) {
    shown = AboutBox->Version->isVisible() ? AboutBox->Version->text() : QString();
    ClickButton("Button1")(dialog);
  });
  Trigger("HelpAboutItem");
  EXPECT_EQ(shown, QStringLiteral("Ver5.0.1"));
  const std::u16string header = PageHeaderText(u"山田邸", 1, LocalTime{2025, 3, 4, 9, 5, 7});
  EXPECT_EQ(header.substr(0, 22), u"Quilmora2025 " + shown.toStdU16String() + u" ");
}

TEST_F(MenuTest, OpeningAProjectWithoutTheVerificationHidesItsItemAtOnce) {
  ProjectSettings.VerificationFeature = 0;
  const std::vector<unsigned char> project = WriteProjectFile();
  ProjectSettings.VerificationFeature = 1;
  RefreshMainWindow();
  ModifiedFlag = 0;
  ASSERT_TRUE(Item("B1")->isVisible());

  QTemporaryDir dir;
  const std::string path = (dir.path() + QStringLiteral("/nover.tyc")).toStdString();
  ASSERT_TRUE(WriteWholeFile(path, project.data(), project.size(), nullptr));
  files.Answer(path);
  dialogs.Expect("gaiyouDlg", ClickButton("OKBtn"));
  Trigger("FileOpenItem");
  EXPECT_EQ(ProjectSettings.VerificationFeature, 0);
  EXPECT_FALSE(Item("B1")->isVisible());
}

}  // namespace
