#include "files/ProjectFileOpen.h"

#include "files/ProjectFile.h"
#include "platform/FileAccess.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The extension of the last path component, dot included, in lower case.
std::string LowerExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  std::string extension;
  if (dot != std::string_view::npos)
    for (char c : name.substr(dot)) extension.push_back(LowerAscii(c));
  return extension;
}

}  // namespace

ProjectFileFormat IdentifyProjectFile(std::span<const unsigned char> file, std::string_view path) {
  if (file.size() < ProjectFileMagicBytes) return ProjectFileFormat::Unreadable;
  const std::string_view magic(reinterpret_cast<const char*>(file.data()), 3);
  if (magic == "ytc") return ProjectFileFormat::Ytc;
  if (magic == "ytb") return ProjectFileFormat::Ytb;
  if (magic == "yta") return ProjectFileFormat::Yta;
  if (magic == "yt8") {
    const std::string extension = LowerExtension(path);
    if (extension == ".ty0") return ProjectFileFormat::Yt8Diagnosis;
    if (extension == ".ty2") return ProjectFileFormat::Yt8Retrofit;
  }
  return ProjectFileFormat::Unreadable;
}

std::vector<unsigned char> ReadProjectFileBytes(const std::string& path) {
  auto known = [](std::span<const unsigned char> prefix, const std::string& name) {
    return IdentifyProjectFile(prefix, name) != ProjectFileFormat::Unreadable;
  };
  std::vector<unsigned char> bytes;
  ReadBoundedFile(path, MaxProjectFileBytes, ProjectFileMagicBytes, known, bytes, nullptr);
  return bytes;
}

bool RunProjectFileReader(ProjectFileFormat format, std::span<const unsigned char> afterMagic) {
  switch (format) {
    case ProjectFileFormat::Ytc:
      return ReadProjectFile(afterMagic);
    case ProjectFileFormat::Ytb:
      return ReadYtbFile(afterMagic);
    case ProjectFileFormat::Yta:
      return ReadYtaFile(afterMagic);
    case ProjectFileFormat::Yt8Diagnosis:
      return ReadYt8DiagnosisFile(afterMagic);
    case ProjectFileFormat::Yt8Retrofit:
      return ReadYt8RetrofitFile(afterMagic);
    case ProjectFileFormat::Unreadable:
      break;
  }
  return false;
}
