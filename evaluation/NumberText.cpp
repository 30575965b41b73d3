#include "evaluation/NumberText.h"

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

bool ParseNumberText(std::string_view text, double& value) {
  text = TrimFront(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  double read = 0.0;
  std::size_t used = 0;
  if (!ReadNumber(text, read, used) || used != text.size()) return false;
  value = read;
  return true;
}

double LeadingNumber(std::string_view text) {
  double read = 0.0;
  std::size_t used = 0;
  return ReadNumber(TrimFront(text), read, used) ? read : 0.0;
}
