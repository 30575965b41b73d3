#include "mainwindow/MainMenuCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTabWidget>
#include <utility>

#include "mainwindow/DesktopServices.h"
#include "mainwindow/Forms.h"
#include "model/ProjectSettings.h"
#include "model/ReportPaging.h"
#include "model/SettingChoices.h"
#include "outline/OutlineDialog.h"
#include "platform/MessageBox.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/MainWindowPort.h"

const char* const ReportMenuItemNames[ReportMenuItemCount] = {
    "CutItem", "CopyItem", "PasteItem", "H1", "U1", "W1", "S1", "N2", "J1", "F1", "Y1", "T1", "E1", "B1"};

namespace {
ReportPreviewOpener gReportOpener;
}  // namespace

void SetReportPreviewOpener(ReportPreviewOpener opener) { gReportOpener = std::move(opener); }

void OpenReportFamily(int kind) {
  if (kind < 0 || kind >= ReportMenuItemCount || !gReportOpener) return;
  gReportOpener(kind, PreviewPage[kind]);
}

void OpenOutlineOn(OutlineTabs tabs) {
  if (gaiyouDlg) {
    // The dialog's two page controls, where it has them.
    auto* outer = gaiyouDlg->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* inner = gaiyouDlg->findChild<QTabWidget*>(QStringLiteral("PageControl2"));
    const int outerBefore = outer ? outer->currentIndex() : -1;
    const int innerBefore = inner ? inner->currentIndex() : -1;
    if (outer) outer->setCurrentIndex(0);
    if (inner) inner->setCurrentIndex(tabs == OutlineOnConditions ? 4 : 0);
    RunModal(*gaiyouDlg);
    if (outer) outer->setCurrentIndex(outerBefore);
    if (inner) inner->setCurrentIndex(innerBefore);
  }
  InvalidateSheet();
  ShowModeToolDialog();
}

std::string HelpFilePath() {
  return (QCoreApplication::applicationDirPath() + QStringLiteral("/Quilmora2012.chm")).toStdString();
}

void OpenHelp() {
  const std::string path = HelpFilePath();
  if (!QFileInfo(QString::fromStdString(path)).isFile()) {
    MessageBox("ヘルプファイルが見つかりません。\n\n探したファイル：\n" + path, "ヘルプ", MB_ICONINFORMATION);
    return;
  }
  if (!OpenWithDesktop(path))
    MessageBox(
        "ヘルプファイルを開けませんでした。\n\nこの種類のファイルを開くプログラムが設定されていません。\n\n" +
            path,
        "ヘルプ", MB_ICONINFORMATION);
}

void ApplyFeatureMenuItems(QMainWindow* window) {
  if (!window) return;
  if (auto* e1 = window->findChild<QAction*>(QStringLiteral("E1")))
    e1->setVisible(ProjectSettings.WallQuantityFeature == SettingOn);
  if (auto* b1 = window->findChild<QAction*>(QStringLiteral("B1")))
    b1->setVisible(ProjectSettings.VerificationFeature == SettingOn);
}

namespace {

class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* widget, std::function<void()> onClick)
      : QObject(widget), onClick_(std::move(onClick)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      onClick_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

void OnClick(QWidget* widget, std::function<void()> onClick) {
  widget->installEventFilter(new ClickFilter(widget, std::move(onClick)));
}
