#include "model/FileState.h"

#include "platform/Format.h"

int32_t ModifiedFlag = 0;

const char* const TitleFormat = "Quilmora2025 [%s]";
const char* const UntitledFilePath = "無題";
std::string CurrentFilePath = UntitledFilePath;
std::string WindowTitle;

void UpdateWindowTitle() { WindowTitle = FormatA(TitleFormat, CurrentFilePath.c_str()); }

void ForgetPathOfPartialLoad() {
  CurrentFilePath = UntitledFilePath;
  ModifiedFlag = 1;
  UpdateWindowTitle();
}
