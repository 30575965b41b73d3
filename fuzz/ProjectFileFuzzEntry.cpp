#include "ProjectFileFuzzEntry.h"

#include <cstdio>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "model/ElementTables.h"
#include "model/Grid.h"
#include "model/ModelReset.h"
#include "model/ModelValidation.h"
#include "model/ProjectFile.h"
#include "model/ProjectFileOpen.h"
#include "model/ProjectSettings.h"
#include "platform/ScriptedMessageBox.h"

namespace {

class SilentMessageBox : public MessageBoxPort {
 public:
  int Show(std::string_view, std::string_view, int flags) override { return DefaultMessageBoxAnswer(flags); }
};

}  // namespace

bool LoadFuzzInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return true;
  SilentMessageBox silent;
  ScopedMessageBoxPort port(&silent);
  RestoreProjectSettingsStartValues();
  RestoreElementTableStartValues();
  GridModule = DefaultGridModule;
  ResetModel(ResetForStartUp);

  const std::string name = FuzzInputFileNames[data[0] % std::size(FuzzInputFileNames)];
  OpenProjectFile({data + 1, size - 1}, name);
  const char* why = "";
  if (!IsModelConsistent(&why)) {
    std::fprintf(stderr, "model inconsistent after loading %s: %s\n", name.c_str(), why);
    return false;
  }
  // Whatever a load leaves must be saved and loaded again in full.
  const std::vector<unsigned char> saved = WriteProjectFile();
  ResetModel(ResetBeforeLoad);
  if (!ReadProjectFile(std::span(saved).subspan(4)) || !IsModelConsistent(&why)) {
    std::fprintf(stderr, "the file written after loading %s does not load again: %s\n", name.c_str(), why);
    return false;
  }
  return true;
}
