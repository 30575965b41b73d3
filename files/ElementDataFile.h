#pragma once
// The element data file (".yd1", magic "yd1"), shared with the sibling
// product: the three wall element tables and the user rows of the two floor
// tables, 7099 bytes of fixed-width fields. Numbers are "%16li" of the value
// x 1000, flags "%2i", texts code page 932 padded with NUL bytes.
//
// The editor works on a copy of the tables (ElementTableSet); the file is
// read into such a set whole or not at all, and written from one.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ElementTables.h"

constexpr std::size_t ElementDataFileSize = 7099;
constexpr int32_t FloorUserRowCount = 5;

struct ElementTableSet {
  PanelSpecRow Panels[PanelTableRows];
  ElementSpecRow Braces[BraceTableRows];
  ElementSpecRow MudWalls[MudWallTableRows];
  // FloorSpecTable rows 17..21 and HorizontalBraceTable rows 10..14.
  char16_t FloorSpecName[FloorUserRowCount][FloorFactorNameCapacity];
  double FloorSpecFactor[FloorUserRowCount];
  char16_t HorizontalBraceName[FloorUserRowCount][FloorFactorNameCapacity];
  double HorizontalBraceFactor[FloorUserRowCount];

  bool operator==(const ElementTableSet&) const = default;
};

// The live tables as a set, and a set written back into the live tables;
// Apply tells whether anything changed.
void CaptureElementTables(ElementTableSet& set);
bool ApplyElementTables(const ElementTableSet& set);

std::vector<unsigned char> WriteElementDataFile(const ElementTableSet& set);

enum class DataFileRead : int32_t {
  Read,
  WrongMagic,  // not this kind of file (or not readable at all)
  Broken,      // not the layout's length, or a field the program never writes
};
// Reads a whole file into out; out is untouched unless the result is Read.
// A file is broken unless it has exactly the layout's length, every number
// field is what "%16li" writes (blanks, a sign, digits to its end: a field
// shifted by an inserted or lost byte is not), every flag field what "%2i"
// writes (diagnosis-only 0 or 1, display kind 0 to 3), every text field
// ends in zeros only (no NUL inside a text), and the numbers lie within the
// bounds the project file keeps for its tables (FileNumberBounds).
DataFileRead ReadElementDataFile(std::span<const unsigned char> bytes, ElementTableSet& out);

// The bytes of a data file at path for its reader: only a regular file (no
// FIFO, device or folder) whose first four bytes are magic (with its NUL) is
// read, and nothing beyond layoutSize bytes. WrongMagic for what cannot be
// such a file, Broken for a file of that kind that is longer than its layout.
DataFileRead ReadDataFileBytes(const std::string& path, std::string_view magic, std::size_t layoutSize,
                               std::vector<unsigned char>& bytes);
// 読込 of the element-table editor: ReadDataFileBytes and ReadElementDataFile.
DataFileRead LoadElementDataFile(const std::string& path, ElementTableSet& out);

// Takes a loaded file into the working set by the editor's lock boxes: panel
// rows 34..43 always and every panel row but 44 when panels are unlocked
// (the project file keeps rows 0..43 only, so row 44 stays the user's own);
// brace rows 9 and 10 always, every brace row when braces are unlocked; the
// mud-wall rows only when mud walls are unlocked; the floor user rows always.
void TakeLoadedElementData(const ElementTableSet& loaded, bool panelsUnlocked, bool bracesUnlocked,
                           bool mudWallsUnlocked, ElementTableSet& working);

// Shared by both data files: v x 1000 rounded half away from zero and kept
// within 32 bits, and the text of a "%16li" field read back as v.
int32_t MilliOfValue(double value);
double ValueOfMilliField(std::span<const unsigned char> field);

// A text in code page 932, cut to at most maxBytes without splitting a
// double-byte character.
std::string Cp932Within(const char16_t* text, std::size_t capacity, std::size_t maxBytes);
