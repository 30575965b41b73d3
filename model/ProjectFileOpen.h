#pragma once
// File > Open without its dialogs: which reader a file needs, and the load
// itself from the file's bytes.
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class ProjectFileFormat {
  Unreadable,
  Ytc,
  Ytb,
  Yta,
  Yt8Diagnosis,  // magic "yt8", extension ".ty0"
  Yt8Retrofit,   // magic "yt8", extension ".ty2"
};

// The format named by the first three bytes of the file (its fourth byte does
// not count) and, for "yt8", by the extension of path, compared without
// regard to case. A "yt8" file with any other extension is unreadable.
ProjectFileFormat IdentifyProjectFile(std::span<const unsigned char> file, std::string_view path);

// The largest file that File > Open reads: well above the largest project of
// every layout (every element list full, about 1.4 MB in the current layout).
constexpr std::size_t MaxProjectFileBytes = std::size_t{32} << 20;

// The bytes of the file at path for OpenProjectFile, read with
// ReadBoundedFile: only a regular file of at most MaxProjectFileBytes whose
// magic (and extension) IdentifyProjectFile knows is read, and the magic is
// checked before the rest. Empty for anything else, which OpenProjectFile
// then reports as unreadable.
std::vector<unsigned char> ReadProjectFileBytes(const std::string& path);

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
