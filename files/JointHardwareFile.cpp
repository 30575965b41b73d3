#include "files/JointHardwareFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

#include "files/ProjectFileFields.h"
#include "platform/TextCodec.h"

namespace {

constexpr std::size_t RowBytes = 101;
constexpr std::size_t NameBytes = 66;
constexpr std::size_t SymbolBytes = 19;
constexpr int TensionBytes = 16;
static_assert(4 + JointHardwareTableRows * RowBytes == JointHardwareFileSize);

constexpr std::string_view kJointHardwareMagic{"yd2\0", 4};

// A UTF-16LE text in a field of n bytes: the text as the reader gives it
// back (ReadableText: a lone high surrogate at its end is written as U+FFFD),
// a zero code unit, zeros.
void AppendText(std::vector<unsigned char>& out, const char16_t* text, std::size_t capacity, std::size_t n) {
  const std::u16string kept = ReadableText(FixedView(text, capacity), (n - 2) / 2);
  for (char16_t unit : kept) {
    out.push_back(static_cast<unsigned char>(unit & 0xFF));
    out.push_back(static_cast<unsigned char>(unit >> 8));
  }
  out.insert(out.end(), n - 2 * kept.size(), 0);
}

// The text of a field up to its zero code unit; a last odd byte is padding,
// and so is whatever follows the zero unit.
void ReadText(std::span<const unsigned char> field, char16_t* out, std::size_t capacity) {
  CopyToFixed(out, capacity, DecodeUtf16LeField(field, field.size() / 2));
}

}  // namespace

std::vector<unsigned char> WriteJointHardwareFile(const JointHardwareRow (&rows)[JointHardwareTableRows]) {
  std::vector<unsigned char> out;
  out.reserve(JointHardwareFileSize);
  out.insert(out.end(), kJointHardwareMagic.begin(), kJointHardwareMagic.end());
  for (const JointHardwareRow& row : rows) {
    AppendText(out, row.Name, JointHardwareNameCapacity, NameBytes);
    AppendText(out, row.Symbol, JointHardwareSymbolCapacity, SymbolBytes);
    AppendIntField(out, MilliOfValue(row.AllowableTension), TensionBytes);
  }
  return out;
}

DataFileRead ReadJointHardwareFile(std::span<const unsigned char> bytes,
                                   JointHardwareRow (&rows)[JointHardwareTableRows]) {
  if (bytes.size() < 4 || std::memcmp(bytes.data(), kJointHardwareMagic.data(), 4) != 0)
    return DataFileRead::WrongMagic;
  if (bytes.size() != JointHardwareFileSize) return DataFileRead::Broken;
  JointHardwareRow read[JointHardwareTableRows];
  for (int r = 0; r < JointHardwareTableRows; ++r) {
    const auto row = bytes.subspan(4 + r * RowBytes, RowBytes);
    const auto tension = row.subspan(NameBytes + SymbolBytes, TensionBytes);
    const int64_t milli = ParseIntField(tension);
    if (!IsPrintedInteger(tension) || milli < INT32_MIN || milli > INT32_MAX) return DataFileRead::Broken;
    ReadText(row.subspan(0, NameBytes), read[r].Name, JointHardwareNameCapacity);
    ReadText(row.subspan(NameBytes, SymbolBytes), read[r].Symbol, JointHardwareSymbolCapacity);
    read[r].AllowableTension = ValueOfMilliField(tension);
  }
  std::copy(std::begin(read), std::end(read), rows);
  return DataFileRead::Read;
}

DataFileRead LoadJointHardwareFile(const std::string& path,
                                   JointHardwareRow (&rows)[JointHardwareTableRows]) {
  std::vector<unsigned char> bytes;
  const DataFileRead read = ReadDataFileBytes(path, kJointHardwareMagic, JointHardwareFileSize, bytes);
  return read == DataFileRead::Read ? ReadJointHardwareFile(bytes, rows) : read;
}
