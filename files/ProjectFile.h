#pragma once
// The project file: written in the current layout "ytc", read in that layout
// and in the older layouts "ytb", "yta" and "yt8" (diagnosis ".ty0" and
// retrofit ".ty2" files).
//
// Each reader takes the bytes of the file after its 4-byte magic and expects
// the model reset before a load (ResetModel with ResetBeforeLoad). It stores
// what its layout holds and leaves everything else as it was. A file that
// ends early or holds a value the program never writes (a count above its
// maximum, an axis index outside the grid, a row outside its table, an
// unknown choice, a broken "[kihon]" marker) is broken: the reader stops,
// keeping the blocks and records it has read whole, so the model stays
// consistent, and returns false; it shows nothing (the open step tells the
// user, editing/ProjectLoad.h). Readers return true when they read their
// layout to its end.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The whole project in the current layout, magic included.
std::vector<unsigned char> WriteProjectFile();

// Writes the project to path in the current layout, through a temporary
// file that replaces path only once it is complete on the disk
// (ReplaceFileSafely). False, with *error set to the system's reason, when
// the file could not be written, or to the value named by FirstRefusedValue
// when the model holds one the reader would refuse (nothing is written);
// the file at path is then as it was.
bool SaveProjectFile(const std::string& path, std::string* error);

// The backup that a save over path keeps of the file it replaces: the same
// folder and base name with the extension ".BAK" (one backup per base name).
std::string BackupPathOf(const std::string& path);

// The path that Overwrite writes: path with its extension replaced by ".tyc"
// unless it is exactly ".tyc" (letter case counts).
std::string OverwritePathOf(const std::string& path);

// Saves like SaveProjectFile; the file that was at path becomes its backup
// once the new file is in place. A failed save leaves both the file and the
// backup as they were. Saving onto the backup's own name replaces it (there
// is then no backup of it).
bool SaveProjectFileWithBackup(const std::string& path, std::string* error);

bool ReadProjectFile(std::span<const unsigned char> afterMagic);
bool ReadYtbFile(std::span<const unsigned char> afterMagic);
bool ReadYtaFile(std::span<const unsigned char> afterMagic);
bool ReadYt8DiagnosisFile(std::span<const unsigned char> afterMagic);
bool ReadYt8RetrofitFile(std::span<const unsigned char> afterMagic);
