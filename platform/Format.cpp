#include "platform/Format.h"

#include <locale.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/TextCodec.h"

namespace {

// Switches the calling thread to the C locale; other threads are unaffected.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = [] {
      locale_t l = newlocale(LC_ALL_MASK, "C", locale_t{});
      if (l == locale_t{}) std::abort();
      return l;
    }();
    return c;
  }
  locale_t previous_;
};

std::string VFormatInCLocale(const char* fmt, std::va_list args) __attribute__((format(printf, 1, 0)));

std::string VFormatInCLocale(const char* fmt, std::va_list args) {
  char small[256];
  std::va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, fmt, copy);
  va_end(copy);
  if (n < 0) return {};
  if (static_cast<std::size_t>(n) < sizeof small) return std::string(small, static_cast<std::size_t>(n));
  std::string result(static_cast<std::size_t>(n), '\0');
  std::vsnprintf(result.data(), result.size() + 1, fmt, args);
  return result;
}

std::string FormatInCLocale(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

std::string FormatInCLocale(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::string s = VFormatInCLocale(fmt, args);
  va_end(args);
  return s;
}

void AppendPadded(std::u16string& out, std::u16string_view text, int width, bool left) {
  const std::size_t pad = width > 0 && static_cast<std::size_t>(width) > text.size()
                              ? static_cast<std::size_t>(width) - text.size()
                              : 0;
  if (!left) out.append(pad, u' ');
  out.append(text);
  if (left) out.append(pad, u' ');
}

void AppendAscii(std::u16string& out, const std::string& s) {
  for (char c : s) out.push_back(static_cast<unsigned char>(c));
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::string VFormatA(const char* fmt, std::va_list args) {
  CLocaleScope cLocale;
  return VFormatInCLocale(fmt, args);
}

std::string FormatA(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::string s = VFormatA(fmt, args);
  va_end(args);
  return s;
}

namespace {

// One conversion of a format: its flags, width, precision and length
// modifier, read from p on; a '*' width or precision takes its int from ap.
struct FormatDirective {
  std::string flags;
  int width = -1;
  int precision = -1;
  std::string length;
};

FormatDirective ReadFormatDirective(const char16_t*& p, std::va_list* ap) {
  FormatDirective directive;
  while (*p == u'-' || *p == u'+' || *p == u' ' || *p == u'#' || *p == u'0')
    directive.flags.push_back(static_cast<char>(*p++));

  if (*p == u'*') {
    directive.width = va_arg(*ap, int);
    if (directive.width < 0) {
      directive.flags.push_back('-');
      directive.width = -directive.width;
    }
    ++p;
  } else if (IsDigit(*p)) {
    directive.width = 0;
    while (IsDigit(*p)) directive.width = directive.width * 10 + (*p++ - u'0');
  }

  if (*p == u'.') {
    ++p;
    directive.precision = 0;
    if (*p == u'*') {
      directive.precision = va_arg(*ap, int);  // negative means none, as in C
      ++p;
    } else {
      while (IsDigit(*p)) directive.precision = directive.precision * 10 + (*p++ - u'0');
    }
  }

  if (*p == u'h' || *p == u'l') {
    const char16_t first = *p++;
    directive.length.push_back(static_cast<char>(first));
    if (*p == first) directive.length.push_back(static_cast<char>(*p++));
  } else if (*p == u'L') {
    directive.length = "L";
    ++p;
  }
  return directive;
}

// A %s argument: UTF-8 with the h modifier, UTF-16 otherwise, cut to the precision.
void AppendStringArgument(std::u16string& out, const FormatDirective& directive, bool left,
                          std::va_list* ap) {
  std::u16string_view text;
  std::u16string converted;
  if (directive.length == "h") {
    const char* s = va_arg(*ap, const char*);
    converted = s ? Utf8ToUtf16(s) : u"(null)";
    text = converted;
  } else {
    const char16_t* s = va_arg(*ap, const char16_t*);
    text = s ? std::u16string_view(s) : std::u16string_view(u"(null)");
  }
  if (directive.precision >= 0 && static_cast<std::size_t>(directive.precision) < text.size())
    text = text.substr(0, static_cast<std::size_t>(directive.precision));
  AppendPadded(out, text, directive.width, left);
}

// An integer argument of the given length modifier ("", "h", "hh", "l", "ll").
void AppendIntegerArgument(std::u16string& out, std::string conversion, const std::string& length,
                           char16_t conv, std::va_list* ap) {
  conversion += length + static_cast<char>(conv);
  const bool isSigned = conv == u'd' || conv == u'i';
  // Variadic arguments narrower than int arrive as int; the length
  // modifier in conversion makes printf narrow them again. The branches
  // differ only in va_arg's type, which the branch-clone check does not see.
  // NOLINTBEGIN(bugprone-branch-clone)
  if (length == "ll") {
    if (isSigned)
      AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(*ap, long long)));
    else
      AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(*ap, unsigned long long)));
  } else if (length == "l") {
    if (isSigned)
      AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(*ap, long)));
    else
      AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(*ap, unsigned long)));
  } else {
    if (isSigned)
      AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(*ap, int)));
    else
      AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(*ap, unsigned int)));
  }
  // NOLINTEND(bugprone-branch-clone)
}

}  // namespace

std::u16string VFormatW(const char16_t* fmt, std::va_list args) {
  CLocaleScope cLocale;
  std::u16string out;
  std::va_list ap;
  va_copy(ap, args);

  const char16_t* p = fmt;
  while (*p) {
    if (*p != u'%') {
      out.push_back(*p++);
      continue;
    }
    const char16_t* const specStart = p++;
    const FormatDirective directive = ReadFormatDirective(p, &ap);

    const char16_t conv = *p;
    if (conv == u'\0') {
      out.append(specStart, p);
      break;
    }
    ++p;

    std::string conversion = "%" + directive.flags;
    if (directive.width >= 0) conversion += std::to_string(directive.width);
    if (directive.precision >= 0) conversion += "." + std::to_string(directive.precision);
    const bool left = directive.flags.find('-') != std::string::npos;

    switch (conv) {
      case u'%':
        out.push_back(u'%');
        break;
      case u'c':
        AppendPadded(out, std::u16string(1, static_cast<char16_t>(va_arg(ap, int))), directive.width, left);
        break;
      case u's':
        AppendStringArgument(out, directive, left, &ap);
        break;
      case u'd':
      case u'i':
      case u'u':
      case u'x':
      case u'X':
      case u'o':
        if (directive.length == "L")
          out.append(specStart, p);
        else
          AppendIntegerArgument(out, conversion, directive.length, conv, &ap);
        break;
      case u'f':
      case u'F':
      case u'e':
      case u'E':
      case u'g':
      case u'G':
      case u'a':
      case u'A':
        if (directive.length == "L") {
          conversion += "L" + std::string(1, static_cast<char>(conv));
          AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(ap, long double)));
        } else {
          conversion += static_cast<char>(conv);
          AppendAscii(out, FormatInCLocale(conversion.c_str(), va_arg(ap, double)));
        }
        break;
      default:
        out.append(specStart, p);
        break;
    }
  }
  va_end(ap);
  return out;
}

std::u16string FormatW(const char16_t* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::u16string s = VFormatW(fmt, args);
  va_end(args);
  return s;
}
