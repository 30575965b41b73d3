#pragma once
// One fuzzing input as a data file opened by 読込: the bytes go to the reader
// of the element data file (".yd1") and to that of the joint-hardware file
// (".yd2"). Shared by the libFuzzer target and the regression test.
#include <cstddef>
#include <cstdint>

// Reads the input with both readers over the tables the program starts with.
// What a reader takes must save, load and save to the same bytes, keep the
// model consistent once it is in the live tables, and go into a project file
// that loads again in full and saves to the same bytes. Returns false,
// naming the offence on stderr, when one of these fails.
bool LoadDataFileFuzzInput(const uint8_t* data, std::size_t size);
