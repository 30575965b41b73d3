#include "model/JointHardwareFile.h"

#include <cstring>

#include "model/ProjectFileFields.h"
#include "platform/TextCodec.h"

namespace {

constexpr std::size_t RowBytes = 101;
constexpr std::size_t NameBytes = 66;
constexpr std::size_t SymbolBytes = 19;
constexpr int TensionBytes = 16;
static_assert(4 + JointHardwareTableRows * RowBytes == JointHardwareFileSize);

// A UTF-16LE text in a field of n bytes: the text, a zero code unit, zeros.
void AppendText(std::vector<unsigned char>& out, const char16_t* text, std::size_t capacity, std::size_t n) {
  const std::u16string_view view = FixedView(text, capacity);
  std::size_t written = 0;
  for (std::size_t i = 0; i < view.size() && written + 4 <= n; ++i, written += 2) {
    out.push_back(static_cast<unsigned char>(view[i] & 0xFF));
    out.push_back(static_cast<unsigned char>(view[i] >> 8));
  }
  out.insert(out.end(), n - written, 0);
}

// The text of a field up to its zero code unit; a last odd byte is padding.
void ReadText(std::span<const unsigned char> field, char16_t* out, std::size_t capacity) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < field.size(); i += 2) {
    const char16_t unit = static_cast<char16_t>(field[i] | (field[i + 1] << 8));
    if (unit == 0) break;
    text.push_back(unit);
  }
  CopyToFixed(out, capacity, text);
}

}  // namespace

std::vector<unsigned char> WriteJointHardwareFile(const JointHardwareRow (&rows)[JointHardwareTableRows]) {
  std::vector<unsigned char> out;
  out.reserve(JointHardwareFileSize);
  out.insert(out.end(), {'y', 'd', '2', 0});
  for (const JointHardwareRow& row : rows) {
    AppendText(out, row.Name, JointHardwareNameCapacity, NameBytes);
    AppendText(out, row.Symbol, JointHardwareSymbolCapacity, SymbolBytes);
    AppendIntField(out, MilliOfValue(row.AllowableTension), TensionBytes);
  }
  return out;
}

DataFileRead ReadJointHardwareFile(std::span<const unsigned char> bytes,
                                   JointHardwareRow (&rows)[JointHardwareTableRows]) {
  if (bytes.size() < 4 || std::memcmp(bytes.data(), "yd2", 4) != 0) return DataFileRead::WrongMagic;
  if (bytes.size() < JointHardwareFileSize) return DataFileRead::Broken;
  for (int r = 0; r < JointHardwareTableRows; ++r) {
    const auto row = bytes.subspan(4 + r * RowBytes, RowBytes);
    ReadText(row.subspan(0, NameBytes), rows[r].Name, JointHardwareNameCapacity);
    ReadText(row.subspan(NameBytes, SymbolBytes), rows[r].Symbol, JointHardwareSymbolCapacity);
    rows[r].AllowableTension = ValueOfMilliField(row.subspan(NameBytes + SymbolBytes, TensionBytes));
  }
  return DataFileRead::Read;
}
