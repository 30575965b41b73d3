// libFuzzer target: 読込 of arbitrary bytes as an element data file and as a
// joint-hardware file.
#include <cstdlib>

#include "DataFileFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (!LoadDataFileFuzzInput(data, size)) std::abort();
  return 0;
}
