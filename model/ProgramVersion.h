#pragma once
// The program's version: the about box shows it and every printed page
// carries it in its header. Kept as one literal so that the 8-bit and the
// UTF-16 texts that embed it cannot drift apart.
#define QUILMORA_PROGRAM_VERSION "Ver5.0.1"

// "Ver5.0.1"
inline constexpr char ProgramVersion[] = QUILMORA_PROGRAM_VERSION;
