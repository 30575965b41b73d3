// libFuzzer target: File > Open of arbitrary bytes under every reader.
#include <cstdlib>

#include "ProjectFileFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (!LoadFuzzInput(data, size)) std::abort();
  return 0;
}
