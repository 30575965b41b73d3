#include "ProjectFileFuzzEntry.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "analysis/PendingMessages.h"
#include "chain/RecalculationChain.h"
#include "editing/ModelReset.h"
#include "editing/ProjectLoad.h"
#include "files/ProjectFile.h"
#include "model/ModelValidation.h"
#include "platform/ScriptedMessageBox.h"

namespace {

// The program as it starts.
void StartFresh() {
  RestoreProjectStartValues();
  ResetModel(ResetForStartUp);
  ClearPendingMessages();
}

}  // namespace

bool LoadFuzzInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return true;
  SilentMessageBox silent;
  ScopedMessageBoxPort port(&silent);
  StartFresh();

  const std::string name = FuzzInputFileNames[data[0] % std::size(FuzzInputFileNames)];
  OpenProjectFile({data + 1, size - 1}, name);
  const char* why = "";
  if (!IsModelConsistent(&why)) {
    std::fprintf(stderr, "model inconsistent after loading %s: %s\n", name.c_str(), why);
    return false;
  }
  // The chain runs on whatever a load leaves, as the first paint does.
  RunRecalculationChain();
  // That model must be saved and loaded again in full, and a second save
  // must give the same bytes.
  const std::vector<unsigned char> saved = WriteProjectFile();
  StartFresh();
  if (!ReadProjectFile(std::span(saved).subspan(4)) || !IsModelConsistent(&why)) {
    std::fprintf(stderr, "the file written after loading %s does not load again: %s\n", name.c_str(), why);
    return false;
  }
  RunRecalculationChain();
  const std::vector<unsigned char> again = WriteProjectFile();
  if (again != saved) {
    const auto mismatch = std::mismatch(saved.begin(), saved.end(), again.begin(), again.end());
    std::fprintf(stderr, "save, load, save of %s changes byte %td\n", name.c_str(),
                 mismatch.first - saved.begin());
    return false;
  }
  return true;
}
