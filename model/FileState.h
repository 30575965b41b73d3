#pragma once
// The open project file: its path, whether the model has changed since it was
// last saved or loaded, and the window caption that names it.
#include <cstdint>
#include <string>

extern int32_t ModifiedFlag;

// Path of the open project, in the program's 8-bit encoding (UTF-8 here);
// UntitledFilePath while the project has no file.
extern std::string CurrentFilePath;
extern std::string WindowTitle;
extern const char* const TitleFormat;  // "Quilmora2025 [%s]"
extern const char* const UntitledFilePath;

// WindowTitle from TitleFormat and CurrentFilePath.
void UpdateWindowTitle();

// After a load that stopped at damage: the model keeps what was read but not
// the file's path, so that an overwrite cannot put the partial model over the
// file it came from. The project is untitled and marked modified.
void ForgetPathOfPartialLoad();
