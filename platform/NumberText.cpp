#include "platform/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimFront(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// Reads a number at the start of text (an optional sign, digits with at most
// one point); the characters read go to used.
bool ReadNumber(std::string_view text, double& value, std::size_t& used) {
  std::size_t start = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    start = 1;
  }
  std::string_view digits = text.substr(start);
  if (digits.empty() || !(std::isdigit(static_cast<unsigned char>(digits[0])) || digits[0] == '.'))
    return false;
  double read = 0.0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), read, std::chars_format::fixed);
  if (error != std::errc() || !std::isfinite(read)) return false;
  value = negative ? -read : read;
  used = start + static_cast<std::size_t>(end - digits.data());
  return true;
}

}  // namespace

std::string AsciiNumberText(std::string_view text) {
  std::string ascii;
  ascii.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBC) {
      // U+FF0B plus, U+FF0D minus, U+FF0E point, U+FF10..U+FF19 digits.
      const unsigned char last = byte(2);
      if (last == 0x8B || last == 0x8D || last == 0x8E || (last >= 0x90 && last <= 0x99)) {
        ascii += static_cast<char>(last - 0x8B + '+');
        i += 2;
        continue;
      }
    } else if (i + 2 < text.size() && byte(0) == 0xE2 && byte(1) == 0x88 && byte(2) == 0x92) {
      ascii += '-';  // U+2212 minus sign
      i += 2;
      continue;
    } else if (i + 2 < text.size() && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
      ascii += ' ';  // U+3000 ideographic space
      i += 2;
      continue;
    }
    ascii += text[i];
  }
  return ascii;
}

bool ParseNumberText(std::string_view typed, double& value) {
  const std::string ascii = AsciiNumberText(typed);
  std::string_view text = TrimFront(ascii);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  double read = 0.0;
  std::size_t used = 0;
  if (!ReadNumber(text, read, used) || used != text.size()) return false;
  value = read;
  return true;
}

double LeadingNumber(std::string_view text) {
  const std::string ascii = AsciiNumberText(text);
  double read = 0.0;
  std::size_t used = 0;
  return ReadNumber(TrimFront(ascii), read, used) ? read : 0.0;
}
