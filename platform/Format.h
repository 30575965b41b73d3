#pragma once

#include <cstdarg>
#include <string>

// printf-style formatting that always uses the C locale (decimal point '.'),
// whatever locale the process runs in. Thread-safe.

// Like sprintf into a buffer that grows as needed; never truncates.
std::string FormatA(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string VFormatA(const char* fmt, std::va_list args) __attribute__((format(printf, 1, 0)));

// Like wsprintfW with a UTF-16 format:
//   %s (also %ls) takes const char16_t* (NUL-terminated, null prints "(null)");
//   %hs takes a UTF-8 const char*;
//   %c takes an int holding one UTF-16 code unit;
//   width and precision of %s and %c count UTF-16 code units;
//   d i u x X o (with hh h l ll), f F e E g G a A (with L), flags "-+ #0",
//   width and precision (also '*') give exactly what C printf gives.
// An unknown conversion is copied to the output as it stands.
std::u16string FormatW(const char16_t* fmt, ...);
std::u16string VFormatW(const char16_t* fmt, std::va_list args);
