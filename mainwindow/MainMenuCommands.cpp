#include "mainwindow/MainMenuCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTabWidget>
#include <optional>
#include <string>
#include <utility>

#include "editing/ClickInput.h"
#include "editing/ModelReset.h"
#include "files/ProjectFile.h"
#include "mainwindow/DesktopServices.h"
#include "mainwindow/Forms.h"
#include "mainwindow/QuilmoraForm.h"
#include "model/FileState.h"
#include "model/ProjectSettings.h"
#include "model/ReportPaging.h"
#include "model/SettingChoices.h"
#include "model/ViewState.h"
#include "outline/OutlineDialog.h"
#include "platform/MessageBox.h"
#include "platform/qt/FileDialogs.h"
#include "platform/qt/ModalDialogs.h"
#include "presentation/MainWindowPort.h"
#include "presentation/WindowState.h"

const char* const ReportMenuItemNames[ReportMenuItemCount] = {
    "CutItem", "CopyItem", "PasteItem", "H1", "U1", "W1", "S1", "N2", "J1", "F1", "Y1", "T1", "E1", "B1"};

namespace {

ReportPreviewOpener gReportOpener;

const char* const kCloseQuestion =
    "保存してから終了しますか？\n\n保存して終了　　　はい\n\n保存しないで終了　いいえ\n\n終了しない　　　　キ"
    "ャンセル";
const char* const kNewQuestion =
    "現在の編集データは破棄されます。\n\n破棄して新規作成する。　　　　　　　はい\n\n保存するので新規作成を中"
    "止する　　　いいえ";
const char* const kOpenQuestion =
    "別のデータを読み込むと現在の編集データは破棄されます。\n\n破棄して読み込む　　　　　　　　　　はい\n\n保"
    "存するので読み込みを中止する　　　いいえ";
const char* const kOpenFilter =
    "改修ファイル (*.tyc)|*.tyc|2012年診断ファイル (*.tyb)|*.tyb|2004診断ファイル (*.ty0)|*.ty0|"
    "2012年版改修ファイル(*.ty3)|*.ty3|2004年版改修ファイル(*.ty2)|*.ty2|すべてのファイル (*.*)|*.*";
const char* const kSaveFilter =
    "耐震ファイル (*.tyc)|*.tyc|耐震ファイル (*.ty3)|*.ty3|耐震ファイル (*.ty2)|*.ty2|すべてのファイル "
    "(*.*)|*.*";

// Writes the project to path, keeping the file it replaces as the backup.
// A failure (the folder, the disk, the rights) is told to the user with the
// system's reason; the file, its backup and the edits in memory stay as
// they were.
bool SaveOrReport(const std::string& path) {
  std::string reason;
  if (SaveProjectFileWithBackup(path, &reason)) return true;
  MessageBox("保存できませんでした。\n" + reason + "\n\n" + path, "保存エラー", MB_ICONSTOP);
  return false;
}

// The file dialog of 名前を付けて保存, on the current file when it has one.
std::optional<std::string> AskPathToSave() {
  FileDialogRequest request;
  request.Filter = kSaveFilter;
  request.DefaultSuffix = "tyc";
  request.FileName = CurrentFilePath == UntitledFilePath ? std::string() : CurrentFilePath;
  request.Save = true;
  return AskFileName(request);
}

// The project saved as the file commands save it, then the window titled by
// the new path and the project unchanged.
bool SaveProject(TQuilmoraForm& form, const std::string& path) {
  if (!SaveOrReport(path)) return false;
  CurrentFilePath = path;
  UpdateWindowTitle();
  form.setWindowTitle(QString::fromUtf8(WindowTitle.c_str()));
  ModifiedFlag = 0;
  form.InvalidateSheet();
  return true;
}

}  // namespace

void NewProjectCommand(TQuilmoraForm& form) {
  if (ModifiedFlag == 1 && MessageBox(kNewQuestion, "終了", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  ResetModel(ResetForNewProject);
  form.ApplyZoom();
  OutlineConfirmationPending = 1;
  if (gaiyouDlg) RunModal(*gaiyouDlg);
  ModifiedFlag = 0;
}

void OpenProjectCommand(TQuilmoraForm& form) {
  if (ModifiedFlag == 1 && MessageBox(kOpenQuestion, "読込", MB_YESNO | MB_ICONQUESTION) == IDNO) return;
  CurrentEditMode = EditModeNone;
  ::ShowModeToolDialog();

  FileDialogRequest request;
  request.Filter = kOpenFilter;
  if (const std::optional<std::string> path = AskFileName(request)) {
    if (!form.OpenProject(*path)) return;
  } else {
    // Also after a cancelled dialog, over the model that stays.
    form.SettleOpenedProject();
  }
  form.ConfirmOutlineOfOpenedProject();
}

void OverwriteProjectCommand(TQuilmoraForm& form) {
  if (CurrentFilePath == UntitledFilePath) {
    MessageBox("「名前を付けて保存」でファイル名を付けて下さい。", "ファイル名がありません",
               MB_ICONINFORMATION);
    return;
  }
  if (!SaveProject(form, OverwritePathOf(CurrentFilePath))) return;
  MessageBox("同名のファイル名で保存しました。\n\n元のファイルはＢＡＫファイルにリネームしました。",
             "上書き保存", MB_ICONINFORMATION);
}

void SaveProjectAsCommand(TQuilmoraForm& form) {
  if (const std::optional<std::string> path = AskPathToSave()) SaveProject(form, *path);
}

bool MayCloseProject() {
  if (ModifiedFlag != 1) return true;
  const int answer = MessageBox(kCloseQuestion, "終了", MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDCANCEL) return false;
  if (answer != IDYES) return true;
  const std::optional<std::string> path = AskPathToSave();
  if (!path || !SaveOrReport(*path)) return false;
  CurrentFilePath = *path;
  return true;
}

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
