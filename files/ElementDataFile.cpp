#include "files/ElementDataFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <string_view>

#include "files/ProjectFileFields.h"
#include "model/ModelValidation.h"
#include "platform/FileAccess.h"
#include "platform/TextCodec.h"

namespace {

constexpr std::size_t PanelRowBytes = 89;
constexpr std::size_t SpecRowBytes = 87;
constexpr std::size_t FloorRowBytes = 96;
constexpr std::size_t PanelRowsAt = 4;
constexpr std::size_t BraceRowsAt = PanelRowsAt + PanelTableRows * PanelRowBytes;     // 4009
constexpr std::size_t MudWallRowsAt = BraceRowsAt + BraceTableRows * SpecRowBytes;    // 5314
constexpr std::size_t FloorRowsAt = MudWallRowsAt + MudWallTableRows * SpecRowBytes;  // 6619
static_assert(FloorRowsAt + FloorUserRowCount * FloorRowBytes == ElementDataFileSize);

constexpr std::string_view kElementDataMagic{"yd1\0", 4};
constexpr std::size_t SymbolFieldBytes = 5;
constexpr std::size_t SymbolBytesRead = 4;  // the fifth byte of a symbol never comes back
constexpr std::size_t NameFieldBytes = 32;
constexpr int NumberFieldBytes = 16;
constexpr int FlagFieldBytes = 2;

bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// A symbol's bytes as they come back from a file: the fourth goes when it
// is a blank, and then the third when it is one too (a symbol of one
// character and a blank, like "釘　" in ASCII terms, keeps its second byte).
void TrimSymbolBytes(std::string& bytes) {
  if (bytes.size() < SymbolBytesRead || bytes[3] != ' ') return;
  bytes.resize(3);
  if (bytes[2] == ' ') bytes.resize(2);
}

void AppendBytes(std::vector<unsigned char>& out, const std::string& bytes, std::size_t fieldBytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
  out.insert(out.end(), fieldBytes - bytes.size(), 0);
}

void AppendText(std::vector<unsigned char>& out, const char16_t* text, std::size_t capacity,
                std::size_t fieldBytes) {
  AppendBytes(out, Cp932Within(text, capacity, fieldBytes), fieldBytes);
}

// Written as a reader gives it back, so that save, load and save agree.
void AppendSymbol(std::vector<unsigned char>& out, const char16_t (&symbol)[ElementSymbolCapacity]) {
  std::string bytes = Cp932Within(symbol, ElementSymbolCapacity, SymbolBytesRead);
  TrimSymbolBytes(bytes);
  AppendBytes(out, bytes, SymbolFieldBytes);
}

void AppendNumber(std::vector<unsigned char>& out, double value) {
  AppendIntField(out, MilliOfValue(value), NumberFieldBytes);
}

template <typename Row>
void AppendRow(std::vector<unsigned char>& out, const Row& row, bool withDisplayKind) {
  AppendSymbol(out, row.Symbol);
  AppendNumber(out, row.Strength);
  AppendNumber(out, row.Stiffness);
  AppendNumber(out, row.WallFactor);
  AppendIntField(out, row.DiagnosisOnly, FlagFieldBytes);
  if constexpr (requires { row.DisplayKind; })
    if (withDisplayKind) AppendIntField(out, row.DisplayKind, FlagFieldBytes);
  AppendText(out, row.Name, std::size(row.Name), NameFieldBytes);
}

// Reads the fields of one file in order; never past the end. A field the
// program never writes (a number or flag that is not printf's text, a text
// that goes on after a NUL) marks the file as broken.
class RowReader {
 public:
  RowReader(std::span<const unsigned char> bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  bool Ok() const { return ok_; }

  std::span<const unsigned char> Take(std::size_t n) {
    const auto field = bytes_.subspan(at_, n);
    at_ += n;
    return field;
  }
  double Number() {
    const auto field = Take(NumberFieldBytes);
    const int64_t milli = ParseIntField(field);
    if (!IsPrintedInteger(field) || milli < INT32_MIN || milli > INT32_MAX) ok_ = false;
    return ValueOfMilliField(field);
  }
  int64_t Flag() {
    const auto field = Take(FlagFieldBytes);
    if (!IsPrintedInteger(field)) ok_ = false;
    return ParseIntField(field);
  }

  // A symbol keeps its first four bytes, trimmed (TrimSymbolBytes).
  template <std::size_t N>
  void Symbol(char16_t (&out)[N]) {
    std::string bytes = TextBytes(Take(SymbolFieldBytes), SymbolBytesRead);
    TrimSymbolBytes(bytes);
    CopyToFixed(out, N, Cp932ToUtf16(bytes));
  }
  template <std::size_t N>
  void Name(char16_t (&out)[N]) {
    CopyToFixed(out, N, Cp932ToUtf16(TextBytes(Take(NameFieldBytes), NameFieldBytes)));
  }

 private:
  // The bytes of a text field before its first NUL, at most maxBytes.
  std::string TextBytes(std::span<const unsigned char> field, std::size_t maxBytes) {
    if (!IsZeroPaddedText(field, 1)) ok_ = false;
    std::size_t length = 0;
    while (length < maxBytes && field[length] != 0) ++length;
    return {reinterpret_cast<const char*>(field.data()), length};
  }

  std::span<const unsigned char> bytes_;
  std::size_t at_;
  bool ok_ = true;
};

bool AcceptsMagic(std::span<const unsigned char> prefix, std::string_view magic) {
  return prefix.size() >= 4 && std::memcmp(prefix.data(), magic.data(), 4) == 0;
}

template <typename Row>
bool ReadRow(RowReader& in, Row& row, bool withDisplayKind) {
  in.Symbol(row.Symbol);
  row.Strength = in.Number();
  row.Stiffness = in.Number();
  row.WallFactor = in.Number();
  const int64_t diagnosisOnly = in.Flag();
  int64_t displayKind = 0;
  if constexpr (requires { row.DisplayKind; })
    if (withDisplayKind) displayKind = in.Flag();
  in.Name(row.Name);
  if (diagnosisOnly < 0 || diagnosisOnly > 1 || displayKind < 0 || displayKind > 3) return false;
  row.DiagnosisOnly = static_cast<int32_t>(diagnosisOnly);
  if constexpr (requires { row.DisplayKind; }) row.DisplayKind = static_cast<int32_t>(displayKind);
  // The bounds of the project file's tables, which these rows go into.
  return AreTableNumbersValid(row);
}

}  // namespace

int32_t MilliOfValue(double value) {
  const double milli = std::round(value * 1000);
  if (!(milli == milli)) return 0;
  if (milli >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (milli <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(milli);
}

double ValueOfMilliField(std::span<const unsigned char> field) { return ParseDecimalField(field) / 1000; }

std::string Cp932Within(const char16_t* text, std::size_t capacity, std::size_t maxBytes) {
  std::string bytes = Utf16ToCp932(FixedView(text, capacity));
  std::size_t end = 0;
  while (end < bytes.size()) {
    const std::size_t length = IsCp932LeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
    if (end + length > maxBytes) break;
    end += length;
  }
  bytes.resize(std::min(end, bytes.size()));
  return bytes;
}

void CaptureElementTables(ElementTableSet& set) {
  for (int r = 0; r < PanelTableRows; ++r) set.Panels[r] = PanelTable[r];
  for (int r = 0; r < BraceTableRows; ++r) set.Braces[r] = BraceTable[r];
  for (int r = 0; r < MudWallTableRows; ++r) set.MudWalls[r] = MudWallTable[r];
  for (int i = 0; i < FloorUserRowCount; ++i) {
    std::memcpy(set.FloorSpecName[i], FloorSpecTableName[FirstFloorSpecUserRow + i],
                sizeof set.FloorSpecName[i]);
    set.FloorSpecFactor[i] = FloorSpecTableFactor[FirstFloorSpecUserRow + i];
    std::memcpy(set.HorizontalBraceName[i], HorizontalBraceTableName[FirstHorizontalBraceUserRow + i],
                sizeof set.HorizontalBraceName[i]);
    set.HorizontalBraceFactor[i] = HorizontalBraceTableFactor[FirstHorizontalBraceUserRow + i];
  }
}

bool ApplyElementTables(const ElementTableSet& set) {
  ElementTableSet live;
  CaptureElementTables(live);
  if (live == set) return false;
  for (int r = 0; r < PanelTableRows; ++r) PanelTable[r] = set.Panels[r];
  for (int r = 0; r < BraceTableRows; ++r) BraceTable[r] = set.Braces[r];
  for (int r = 0; r < MudWallTableRows; ++r) MudWallTable[r] = set.MudWalls[r];
  for (int i = 0; i < FloorUserRowCount; ++i) {
    std::memcpy(FloorSpecTableName[FirstFloorSpecUserRow + i], set.FloorSpecName[i],
                sizeof set.FloorSpecName[i]);
    FloorSpecTableFactor[FirstFloorSpecUserRow + i] = set.FloorSpecFactor[i];
    std::memcpy(HorizontalBraceTableName[FirstHorizontalBraceUserRow + i], set.HorizontalBraceName[i],
                sizeof set.HorizontalBraceName[i]);
    HorizontalBraceTableFactor[FirstHorizontalBraceUserRow + i] = set.HorizontalBraceFactor[i];
  }
  return true;
}

std::vector<unsigned char> WriteElementDataFile(const ElementTableSet& set) {
  std::vector<unsigned char> out;
  out.reserve(ElementDataFileSize);
  out.insert(out.end(), {'y', 'd', '1', 0});
  for (const PanelSpecRow& row : set.Panels) AppendRow(out, row, true);
  for (const ElementSpecRow& row : set.Braces) AppendRow(out, row, false);
  for (const ElementSpecRow& row : set.MudWalls) AppendRow(out, row, false);
  for (int i = 0; i < FloorUserRowCount; ++i) {
    AppendText(out, set.FloorSpecName[i], FloorFactorNameCapacity, NameFieldBytes);
    AppendNumber(out, set.FloorSpecFactor[i]);
    AppendText(out, set.HorizontalBraceName[i], FloorFactorNameCapacity, NameFieldBytes);
    AppendNumber(out, set.HorizontalBraceFactor[i]);
  }
  return out;
}

DataFileRead ReadElementDataFile(std::span<const unsigned char> bytes, ElementTableSet& out) {
  if (!AcceptsMagic(bytes, kElementDataMagic)) return DataFileRead::WrongMagic;
  if (bytes.size() != ElementDataFileSize) return DataFileRead::Broken;
  ElementTableSet set = out;
  RowReader in(bytes, PanelRowsAt);
  bool ok = true;
  for (PanelSpecRow& row : set.Panels) ok = ReadRow(in, row, true) && ok;
  for (ElementSpecRow& row : set.Braces) ok = ReadRow(in, row, false) && ok;
  for (ElementSpecRow& row : set.MudWalls) ok = ReadRow(in, row, false) && ok;
  for (int i = 0; i < FloorUserRowCount; ++i) {
    in.Name(set.FloorSpecName[i]);
    set.FloorSpecFactor[i] = in.Number();
    in.Name(set.HorizontalBraceName[i]);
    set.HorizontalBraceFactor[i] = in.Number();
    ok = ok && IsValidFloorFactor(set.FloorSpecFactor[i]) && IsValidFloorFactor(set.HorizontalBraceFactor[i]);
  }
  if (!ok || !in.Ok()) return DataFileRead::Broken;
  out = set;
  return DataFileRead::Read;
}

DataFileRead ReadDataFileBytes(const std::string& path, std::string_view magic, std::size_t layoutSize,
                               std::vector<unsigned char>& bytes) {
  const auto known = [magic](std::span<const unsigned char> prefix, const std::string&) {
    return AcceptsMagic(prefix, magic);
  };
  BoundedReadRefusal refusal = BoundedReadRefusal::None;
  if (ReadBoundedFile(path, layoutSize, 4, known, bytes, nullptr, &refusal)) return DataFileRead::Read;
  return refusal == BoundedReadRefusal::TooLarge ? DataFileRead::Broken : DataFileRead::WrongMagic;
}

DataFileRead LoadElementDataFile(const std::string& path, ElementTableSet& out) {
  std::vector<unsigned char> bytes;
  const DataFileRead read = ReadDataFileBytes(path, kElementDataMagic, ElementDataFileSize, bytes);
  return read == DataFileRead::Read ? ReadElementDataFile(bytes, out) : read;
}

void TakeLoadedElementData(const ElementTableSet& loaded, bool panelsUnlocked, bool bracesUnlocked,
                           bool mudWallsUnlocked, ElementTableSet& working) {
  for (int r = 0; r < PanelTableRows - 1; ++r)
    if (panelsUnlocked || r >= FirstPanelUserRow) working.Panels[r] = loaded.Panels[r];
  for (int r = 0; r < BraceTableRows; ++r)
    if (bracesUnlocked || r == FirstBraceUserRow || r == FirstBraceUserRow + 1)
      working.Braces[r] = loaded.Braces[r];
  if (mudWallsUnlocked)
    for (int r = 0; r < MudWallTableRows; ++r) working.MudWalls[r] = loaded.MudWalls[r];
  for (int i = 0; i < FloorUserRowCount; ++i) {
    std::memcpy(working.FloorSpecName[i], loaded.FloorSpecName[i], sizeof working.FloorSpecName[i]);
    working.FloorSpecFactor[i] = loaded.FloorSpecFactor[i];
    std::memcpy(working.HorizontalBraceName[i], loaded.HorizontalBraceName[i],
                sizeof working.HorizontalBraceName[i]);
    working.HorizontalBraceFactor[i] = loaded.HorizontalBraceFactor[i];
  }
}
