#pragma once
// File > Open without its dialogs: the load of a project file from its bytes
// (ProjectFileOpen reads them), with the model reset before it, the settings
// and the window worked out after it, and the messages of a refused file.
#include <span>
#include <string>

#include "files/ProjectFileOpen.h"

enum class OpenResult {
  Unreadable,  // reported; nothing changed
  Loaded,
  Broken,  // reported; the model holds what was read before the damage
};

// What follows every load, complete or not: the derived settings (the
// foundation class) are worked out again, the variant panel follows the
// loaded variant, and a load that stopped at damage forgets the file's path
// (ForgetPathOfPartialLoad).
void FinishProjectLoad(bool complete);

// An unreadable file is reported ("読み込み出来ないファイルです。") and changes
// nothing. Otherwise path becomes the current file path (and the window
// title), the model is reset for a load, the file's reader runs, the load is
// finished (FinishProjectLoad) and the used extents follow the new project.
// A broken file leaves what could be read of it over the values the program
// starts with (RestoreProjectStartValues), nothing of the project open before,
// and is reported with ShowRefusedLoadMessage.
OpenResult OpenProjectFile(std::span<const unsigned char> file, const std::string& path);

// The message of a file whose reader stopped at damage (caption
// "読込ファイルエラー"): it names the file and tells what the program shows
// instead, an untitled copy of what could be read or, when somethingKept is
// false, an untitled new project.
void ShowRefusedLoadMessage(const std::string& path, bool somethingKept);
