#pragma once
// The reading part of File > Open: which reader a file needs, its bytes, and
// the reader run over them. The load around it (model reset, messages, the
// window) is ProjectLoad.
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

// The length of the magic that heads every project file; its reader gets the
// bytes after it.
constexpr std::size_t ProjectFileMagicBytes = 4;

// Runs the reader of format over the bytes after the magic; true when the
// reader read the file to its end (false for Unreadable).
bool RunProjectFileReader(ProjectFileFormat format, std::span<const unsigned char> afterMagic);
