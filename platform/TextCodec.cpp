#include "platform/TextCodec.h"

#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace {

constexpr char16_t kReplacement = u'\uFFFD';
const char* const kUtf16Native = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// One iconv descriptor per thread and direction: a descriptor keeps shift
// state and must not be used by two threads at once.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    // iconv_open reports a failure as (iconv_t)-1.
    if (cd_ == reinterpret_cast<iconv_t>(-1))  // NOLINT(performance-no-int-to-ptr)
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts as much as possible; returns 0 when all input was consumed,
  // otherwise errno (EILSEQ or EINVAL) with in/out advanced to the problem.
  int Convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
      // glibc's prototype takes char** for historical reasons; it does not write the input.
      char* src = const_cast<char*>(in);
      const std::size_t r = iconv(cd_, &src, &inLeft, &out, &outLeft);
      in = src;
      if (r == static_cast<std::size_t>(-1)) return errno;
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

Iconv& Cp932Decoder() {
  thread_local Iconv cd(kUtf16Native, "CP932");
  return cd;
}

Iconv& Cp932Encoder() {
  thread_local Iconv cd("CP932", kUtf16Native);
  return cd;
}

bool IsCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsCp932Trail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

}  // namespace

std::u16string Cp932ToUtf16(std::string_view bytes) {
  // Every byte gives at most one UTF-16 code unit.
  std::u16string result(bytes.size(), u'\0');
  const char* in = bytes.data();
  std::size_t inLeft = bytes.size();
  char* out = reinterpret_cast<char*>(result.data());
  std::size_t outLeft = result.size() * sizeof(char16_t);

  while (inLeft > 0) {
    const int err = Cp932Decoder().Convert(in, inLeft, out, outLeft);
    if (err == 0) break;
    if (err != EILSEQ && err != EINVAL)
      throw std::runtime_error(std::string("CP932 decoding failed: ") + std::strerror(err));
    // A well-formed but unassigned pair is one character; anything else
    // loses only its first byte so that the following byte is read again.
    const auto lead = static_cast<unsigned char>(in[0]);
    const std::size_t skip =
        (inLeft >= 2 && IsCp932Lead(lead) && IsCp932Trail(static_cast<unsigned char>(in[1]))) ? 2 : 1;
    in += skip;
    inLeft -= skip;
    std::memcpy(out, &kReplacement, sizeof kReplacement);
    out += sizeof kReplacement;
    outLeft -= sizeof kReplacement;
  }
  result.resize(result.size() - outLeft / sizeof(char16_t));
  return result;
}

std::string Utf16ToCp932(std::u16string_view text) {
  // Every code unit gives at most two bytes.
  std::string result(text.size() * 2, '\0');
  const char* in = reinterpret_cast<const char*>(text.data());
  std::size_t inLeft = text.size() * sizeof(char16_t);
  char* out = result.data();
  std::size_t outLeft = result.size();

  while (inLeft > 0) {
    const int err = Cp932Encoder().Convert(in, inLeft, out, outLeft);
    if (err == 0) break;
    if (err != EILSEQ && err != EINVAL)
      throw std::runtime_error(std::string("CP932 encoding failed: ") + std::strerror(err));
    char16_t unit;
    std::memcpy(&unit, in, sizeof unit);
    std::size_t skip = sizeof(char16_t);
    if (IsHighSurrogate(unit) && inLeft >= 2 * sizeof(char16_t)) {
      char16_t next;
      std::memcpy(&next, in + sizeof(char16_t), sizeof next);
      if (IsLowSurrogate(next)) skip *= 2;  // a supplementary character is one '?', not two
    }
    in += skip;
    inLeft -= skip;
    *out++ = '?';
    --outLeft;
  }
  result.resize(result.size() - outLeft);
  return result;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string result;
  result.reserve(text.size());
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();

  while (p < end) {
    const unsigned char b = *p;
    if (b < 0x80) {
      result.push_back(b);
      ++p;
      continue;
    }
    // Allowed range of the second byte and number of continuation bytes,
    // so that overlong forms, surrogates and values above U+10FFFF are
    // rejected at the first byte that makes them so.
    int more;
    unsigned char lo = 0x80, hi = 0xBF;
    char32_t c;
    if (b >= 0xC2 && b <= 0xDF) {
      more = 1;
      c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      more = 2;
      c = b & 0x0F;
      if (b == 0xE0)
        lo = 0xA0;
      else if (b == 0xED)
        hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      more = 3;
      c = b & 0x07;
      if (b == 0xF0)
        lo = 0x90;
      else if (b == 0xF4)
        hi = 0x8F;
    } else {
      result.push_back(kReplacement);
      ++p;
      continue;
    }
    ++p;
    bool ok = true;
    for (int i = 0; i < more; ++i, lo = 0x80, hi = 0xBF) {
      if (p == end || *p < lo || *p > hi) {
        ok = false;
        break;
      }
      c = (c << 6) | (*p++ & 0x3F);
    }
    // A broken sequence is one U+FFFD; decoding resumes at the offending byte.
    if (!ok) {
      result.push_back(kReplacement);
    } else if (c >= 0x10000) {
      c -= 0x10000;
      result.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      result.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      result.push_back(static_cast<char16_t>(c));
    }
  }
  return result;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string result;
  result.reserve(text.size() * 3);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      c = kReplacement;
    }
    if (c < 0x80) {
      result.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      result.push_back(static_cast<char>(0xC0 | (c >> 6)));
      result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      result.push_back(static_cast<char>(0xE0 | (c >> 12)));
      result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      result.push_back(static_cast<char>(0xF0 | (c >> 18)));
      result.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      result.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return result;
}

void CopyToFixed(char16_t* dst, std::size_t capacity, std::u16string_view src) {
  if (capacity == 0) return;
  std::size_t n = std::min(src.size(), capacity - 1);
  if (n > 0 && IsHighSurrogate(src[n - 1])) --n;
  std::copy_n(src.data(), n, dst);
  std::fill(dst + n, dst + capacity, u'\0');
}

std::u16string_view FixedView(const char16_t* buf, std::size_t capacity) {
  std::size_t n = 0;
  while (n < capacity && buf[n] != u'\0') ++n;
  return {buf, n};
}
