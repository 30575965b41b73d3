#include "files/ProjectFileFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Numeric.h"
#include "platform/TextCodec.h"

namespace {

// std::to_chars gives exactly what printf gives in the C locale, whatever
// locale the process runs in, and without its cost.

int64_t PowerOfTen(int n) {
  int64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// The largest and smallest integers that fit in width characters.
int64_t LargestFitting(int width) { return PowerOfTen(std::min(width, 18)) - 1; }
int64_t SmallestFitting(int width) { return width <= 1 ? 0 : -(PowerOfTen(std::min(width - 1, 18)) - 1); }

void AppendPadded(std::vector<unsigned char>& out, const char* text, std::size_t length, int width,
                  bool leftAlign) {
  const std::size_t pad = length < static_cast<std::size_t>(width) ? width - length : 0;
  if (!leftAlign) out.insert(out.end(), pad, ' ');
  out.insert(out.end(), text, text + length);
  if (leftAlign) out.insert(out.end(), pad, ' ');
}

bool IsBlank(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Skips leading blanks and a sign; returns the index of the first digit or point.
std::size_t SkipBlanksAndSign(std::span<const unsigned char> f, bool& negative) {
  std::size_t i = 0;
  while (i < f.size() && IsBlank(f[i])) ++i;
  negative = false;
  if (i < f.size() && (f[i] == '+' || f[i] == '-')) {
    negative = f[i] == '-';
    ++i;
  }
  return i;
}

char16_t Utf16LeAt(std::span<const unsigned char> f, std::size_t i) {
  return static_cast<char16_t>(f[i] | (f[i + 1] << 8));
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The bytes of f before its first NUL, at most maxBytes of them.
std::string_view BytesUpToNul(std::span<const unsigned char> f, std::size_t maxBytes) {
  const std::size_t limit = std::min(f.size(), maxBytes);
  std::size_t n = 0;
  while (n < limit && f[n] != 0) ++n;
  return {reinterpret_cast<const char*>(f.data()), n};
}

template <class String>
void TrimSymbol(String& s) {
  if (s.size() >= 4 && s[3] == ' ') s.resize(3);
  if (s.size() >= 3 && s[2] == ' ') s.resize(2);
}

}  // namespace

bool HasNulByte(std::span<const unsigned char> f) { return std::find(f.begin(), f.end(), 0) != f.end(); }

bool IsPrintedInteger(std::span<const unsigned char> f) {
  std::size_t i = 0;
  while (i < f.size() && f[i] == ' ') ++i;
  if (i < f.size() && f[i] == '-') ++i;
  if (i == f.size()) return false;
  return std::all_of(f.begin() + static_cast<std::ptrdiff_t>(i), f.end(), IsDigit);
}

bool IsZeroPaddedText(std::span<const unsigned char> f, std::size_t unitBytes) {
  std::size_t end = 0;
  while (end + unitBytes <= f.size() && std::any_of(f.begin() + static_cast<std::ptrdiff_t>(end),
                                                    f.begin() + static_cast<std::ptrdiff_t>(end + unitBytes),
                                                    [](unsigned char b) { return b; }))
    end += unitBytes;
  return end + unitBytes > f.size() || !std::any_of(f.begin() + static_cast<std::ptrdiff_t>(end), f.end(),
                                                    [](unsigned char b) { return b != 0; });
}

std::u16string ReadableText(std::u16string_view text, std::size_t maxChars) {
  std::u16string kept(text.substr(0, std::min(text.size(), maxChars)));
  if (!kept.empty() && IsHighSurrogate(kept.back()) && kept.size() < text.size() &&
      IsLowSurrogate(text[kept.size()]))
    kept.pop_back();
  if (!kept.empty() && IsHighSurrogate(kept.back())) kept.back() = u'\uFFFD';
  return kept;
}

std::u16string DecodeUtf16LeField(std::span<const unsigned char> f, std::size_t maxChars) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < f.size(); i += 2) {
    const char16_t c = Utf16LeAt(f, i);
    if (c == u'\0') break;
    text.push_back(c);
  }
  return ReadableText(text, maxChars);
}

void TrimTableSymbol(std::u16string& symbol) { TrimSymbol(symbol); }
void TrimTableSymbol(std::string& symbol) { TrimSymbol(symbol); }

void AppendIntField(std::vector<unsigned char>& out, int64_t value, int width) {
  value = std::clamp(value, SmallestFitting(width), LargestFitting(width));
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  AppendPadded(out, buf, static_cast<std::size_t>(r.ptr - buf), width, false);
}

void AppendFixedField(std::vector<unsigned char>& out, double value, int width, int decimals,
                      bool leftAlign) {
  if (std::isnan(value)) value = 0;
  char buf[400];
  if (std::isfinite(value)) {
    for (int p = decimals; p >= 0; --p) {
      const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, p);
      if (r.ec == std::errc{} && r.ptr - buf <= width) {
        AppendPadded(out, buf, static_cast<std::size_t>(r.ptr - buf), width, leftAlign);
        return;
      }
    }
  }
  const double limited = std::clamp(value, static_cast<double>(SmallestFitting(width)),
                                    static_cast<double>(LargestFitting(width)));
  const auto r = std::to_chars(buf, buf + sizeof buf, limited, std::chars_format::fixed, 0);
  AppendPadded(out, buf, static_cast<std::size_t>(r.ptr - buf), width, leftAlign);
}

int64_t ScaledForField(double value, double scale) {
  if (std::isnan(value)) return 0;
  // Half away from zero, so that a value read from the field (its integer
  // divided by scale) gives that integer again. Positive values round as
  // they always have; "+ 0.5" alone would move a negative value up by one
  // unit on every save.
  const double scaled = value * scale;
  return TruncToInt64(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
}

int64_t ParseIntField(std::span<const unsigned char> f) {
  bool negative;
  std::size_t i = SkipBlanksAndSign(f, negative);
  int64_t magnitude = 0;
  constexpr int64_t kMax = INT64_MAX;
  for (; i < f.size() && IsDigit(f[i]); ++i) {
    const int digit = f[i] - '0';
    magnitude = magnitude > (kMax - digit) / 10 ? kMax : magnitude * 10 + digit;
  }
  return negative ? -magnitude : magnitude;
}

double ParseDecimalField(std::span<const unsigned char> f) {
  bool negative;
  const std::size_t begin = SkipBlanksAndSign(f, negative);
  std::size_t end = begin;
  bool anyDigit = false;
  for (; end < f.size() && IsDigit(f[end]); ++end) anyDigit = true;
  if (end < f.size() && f[end] == '.')
    for (++end; end < f.size() && IsDigit(f[end]); ++end) anyDigit = true;
  if (!anyDigit) return 0;
  const char* text = reinterpret_cast<const char*>(f.data());
  double value = 0;
  std::from_chars(text + begin, text + end, value, std::chars_format::fixed);
  return negative ? -value : value;
}

// ---------------------------------------------------------------------------

void FieldWriter::Bytes(std::string_view bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

void FieldWriter::Int(int32_t value, int width) { AppendIntField(out_, value, width); }

void FieldWriter::Milli(double value, int width) { AppendIntField(out_, ScaledForField(value, 1000), width); }

void FieldWriter::Tenths(double value) { AppendIntField(out_, ScaledForField(value, 10), 4); }

void FieldWriter::Fixed(double value, int width, int decimals) {
  AppendFixedField(out_, value, width, decimals);
}

void FieldWriter::LeftFixed(double value, int width, int decimals) {
  AppendFixedField(out_, value, width, decimals, true);
}

void FieldWriter::Text(const char16_t* text, std::size_t capacity, int utf16Bytes, int /*ytaBytes*/) {
  Utf16(ReadableText(FixedView(text, capacity), static_cast<std::size_t>(utf16Bytes) / 2), utf16Bytes);
}

void FieldWriter::TableSymbol(const char16_t* text, std::size_t capacity) {
  std::u16string symbol = ReadableText(FixedView(text, capacity), TableSymbolCharacters);
  TrimTableSymbol(symbol);
  Utf16(symbol, 10);
}

void FieldWriter::Utf16(std::u16string_view text, int utf16Bytes) {
  const std::size_t chars = static_cast<std::size_t>(utf16Bytes) / 2;
  const std::size_t written = std::min(text.size(), chars);
  for (std::size_t i = 0; i < written; ++i) {
    out_.push_back(static_cast<unsigned char>(text[i] & 0xFF));
    out_.push_back(static_cast<unsigned char>(text[i] >> 8));
  }
  out_.insert(out_.end(), 2 * (chars - written), 0);  // the NUL character and the filler
}

// ---------------------------------------------------------------------------

std::span<const unsigned char> FieldReader::Take(std::size_t n) {
  if (failed_ || n > Remaining()) {
    failed_ = true;
    return {};
  }
  const auto field = bytes_.subspan(pos_, n);
  pos_ += n;
  return field;
}

std::span<const unsigned char> FieldReader::TakeNumber(std::size_t n) {
  const auto f = Take(n);
  if (!failed_ && HasNulByte(f)) failed_ = true;
  return failed_ ? std::span<const unsigned char>() : f;
}

void FieldReader::Int(int32_t& value, int width) {
  const auto f = TakeNumber(static_cast<std::size_t>(width));
  if (failed_) return;
  value = static_cast<int32_t>(std::clamp<int64_t>(ParseIntField(f), INT32_MIN, INT32_MAX));
}

void FieldReader::Milli(double& value, int width) {
  const auto f = TakeNumber(static_cast<std::size_t>(width));
  if (!failed_) value = ParseDecimalField(f) / 1000;
}

void FieldReader::Tenths(double& value) {
  const auto f = TakeNumber(4);
  if (!failed_) value = ParseDecimalField(f) / 10;
}

void FieldReader::Fixed(double& value, int width, int) {
  const auto f = TakeNumber(static_cast<std::size_t>(width));
  if (!failed_) value = ParseDecimalField(f);
}

std::span<const unsigned char> FieldReader::TakeUtf16Text(std::size_t n) {
  const auto f = Take(n);
  if (!failed_ && !IsZeroPaddedText(f, 2)) failed_ = true;
  return failed_ ? std::span<const unsigned char>() : f;
}

void FieldReader::Text(char16_t* text, std::size_t capacity, int utf16Bytes, int ytaBytes) {
  if (widths_ == FieldWidths::Yta) {
    Text8(text, capacity, static_cast<std::size_t>(ytaBytes));
    return;
  }
  const auto f = TakeUtf16Text(static_cast<std::size_t>(utf16Bytes));
  if (!failed_) CopyToFixed(text, capacity, DecodeUtf16LeField(f, f.size() / 2));
}

void FieldReader::Text8(char16_t* text, std::size_t capacity, std::size_t n) {
  const auto f = Take(n);
  if (!failed_) CopyToFixed(text, capacity, Cp932ToUtf16(BytesUpToNul(f, n)));
}

bool FieldReader::Word8(char16_t* text, std::size_t capacity, std::size_t n) {
  const auto f = Take(n);
  if (failed_) return false;
  std::size_t begin = 0;
  while (begin < f.size() && f[begin] == ' ') ++begin;
  std::size_t end = begin;
  while (end < f.size() && f[end] != ' ' && f[end] != 0) ++end;
  if (end == begin && !f.empty() && f[0] != 0) return false;  // blanks only
  CopyToFixed(text, capacity,
              Cp932ToUtf16(std::string_view(reinterpret_cast<const char*>(f.data()) + begin, end - begin)));
  return true;
}

void FieldReader::TableSymbol(char16_t* text, std::size_t capacity) {
  if (widths_ == FieldWidths::Yta) {
    const auto f = Take(5);
    if (failed_) return;
    std::string bytes(BytesUpToNul(f, TableSymbolCharacters));
    TrimTableSymbol(bytes);
    CopyToFixed(text, capacity, Cp932ToUtf16(bytes));
    return;
  }
  const auto f = TakeUtf16Text(10);
  if (failed_) return;
  std::u16string symbol = DecodeUtf16LeField(f, TableSymbolCharacters);
  TrimTableSymbol(symbol);
  CopyToFixed(text, capacity, symbol);
}

void FieldReader::TableName(char16_t* text, std::size_t capacity) {
  if (widths_ == FieldWidths::Yta) {
    const auto f = Take(33);
    if (!failed_) CopyToFixed(text, capacity, Cp932ToUtf16(BytesUpToNul(f, 32)));
    return;
  }
  const auto f = TakeUtf16Text(66);
  if (!failed_) CopyToFixed(text, capacity, DecodeUtf16LeField(f, TableNameCharacters));
}

void FieldReader::LabelText(char16_t* text, std::size_t capacity) {
  if (widths_ == FieldWidths::Yta) {
    // Old 8-bit labels are padded with blanks: the label ends at the first one.
    const auto f = Take(40);
    if (failed_) return;
    std::size_t n = 0;
    while (n < f.size() && f[n] != 0 && f[n] != ' ') ++n;
    CopyToFixed(text, capacity, Cp932ToUtf16(std::string_view(reinterpret_cast<const char*>(f.data()), n)));
    return;
  }
  // The whole text up to its NUL: blanks inside a label belong to it.
  const auto f = TakeUtf16Text(82);
  if (!failed_) CopyToFixed(text, capacity, DecodeUtf16LeField(f, LabelTextCharacters));
}
