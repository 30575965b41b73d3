#pragma once
// One fuzzing input through File > Open: the first byte picks the name the
// file is opened under (and so the reader of a "yt8" file), the other bytes
// are the file. Shared by the libFuzzer target and the regression test.
#include <cstddef>
#include <cstdint>

// Loads the input into a fresh model, runs the recalculation chain, saves
// the result, loads that into a fresh model, runs the chain and saves again.
// Returns false, naming the offence on stderr, when a load leaves an
// inconsistent model, the saved project does not load in full or the two
// saves differ.
bool LoadFuzzInput(const uint8_t* data, std::size_t size);

// The file names the first byte chooses from (byte value modulo the count).
constexpr const char* FuzzInputFileNames[] = {"input.tyc", "input.ty0", "input.ty2", "INPUT.TY0",
                                              "input.txt"};
