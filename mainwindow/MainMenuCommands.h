#pragma once
// Commands of the main window's menus and buttons: the file commands, and
// those that open other forms: the report families, the outline dialog on
// chosen tabs, help and the menu items that follow the project's feature
// switches.
#include <functional>
#include <string>

class QMainWindow;
class QWidget;
class TQuilmoraForm;

// The file commands. Those that would drop unsaved edits ask first; a save
// that fails is reported with the system's reason and changes nothing (the
// file, its backup, the path, the title and the edits stay as they were).
//
// File > 新規作成: the model reset for a new project and rescaled, then the
// outline dialog that only OK leaves; the project counts as unchanged.
void NewProjectCommand(TQuilmoraForm& form);
// File > 開く: leaves the edit mode and opens the chosen project; after a
// cancelled dialog the model that stays is settled as after a load. Either
// way the outline dialog follows, unless the file could not be read at all.
void OpenProjectCommand(TQuilmoraForm& form);
// 上書 and File > 上書き保存: saves under the current path as ".tyc", the
// file replaced kept as the backup; an untitled project is told to use
// 名前を付けて保存.
void OverwriteProjectCommand(TQuilmoraForm& form);
// 保存 and File > 名前を付けて保存: saves under the path the user chooses.
void SaveProjectAsCommand(TQuilmoraForm& form);
// When the window closes with unsaved edits: asks whether to save first,
// and saves where the user chooses (the title stays as it is since the
// window closes). False when the window is to stay open: the user
// cancelled the question or the file dialog, or the save failed, so that no
// edit is lost.
bool MayCloseProject();

// The report menu items in menu order; item k opens report page kind k.
constexpr int ReportMenuItemCount = 14;
extern const char* const ReportMenuItemNames[ReportMenuItemCount];

// Shows the report preview on page kind `kind`, asking for page `wantedPage`
// (the page last shown of that kind). The report side installs it; without
// one the report items do nothing.
using ReportPreviewOpener = std::function<void(int kind, int wantedPage)>;
void SetReportPreviewOpener(ReportPreviewOpener opener);
// The command of report item k.
void OpenReportFamily(int kind);

// The outline dialog's tabs a command opens it on.
enum OutlineTabs : int {
  OutlineOnBasics,      // 計算 / 基本事項（診断法）
  OutlineOnConditions,  // 計算 / 計算条件
};
// Shows the outline dialog on those tabs and afterwards puts back the tabs
// it showed before; the plan is repainted and the palette shown again.
void OpenOutlineOn(OutlineTabs tabs);

// The help file beside the program, and its command: opened with the
// desktop's program. A missing file is reported with the path looked for,
// and so is a file the desktop has no program for.
std::string HelpFilePath();
void OpenHelp();

// Shows or hides 壁量計算 and 検証法表紙 in the report menu by the project's
// feature switches.
void ApplyFeatureMenuItems(QMainWindow* window);

// Runs onClick when the left button is released over widget or over a child
// that leaves the click to it (labels do).
void OnClick(QWidget* widget, std::function<void()> onClick);
