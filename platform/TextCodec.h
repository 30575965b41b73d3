#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text conversions between the encodings met by the program: CP932 (Windows
// Shift_JIS, the old file formats), UTF-8 (narrow strings in the program) and
// UTF-16 (char16_t, the wide strings of the file structures).
//
// None of them fails: undecodable input becomes U+FFFD and decoding goes on;
// characters CP932 cannot represent become '?'.

std::u16string Cp932ToUtf16(std::string_view bytes);
std::string Utf16ToCp932(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Copies src into the fixed array dst[capacity]: at most capacity - 1 code
// units, never ending on a high surrogate whose partner was cut, then a NUL;
// the rest of the array is zero-filled so that the array's bytes are
// deterministic when it is written to a file.
void CopyToFixed(char16_t* dst, std::size_t capacity, std::u16string_view src);

// The text stored in a fixed array: up to the first NUL, or the whole array.
std::u16string_view FixedView(const char16_t* buf, std::size_t capacity);
