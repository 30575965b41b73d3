#pragma once
// Numbers typed into the dialogs' edits. Both readers use the C locale (a
// decimal point, never a comma) and decimal notation only. A Japanese input
// method types full-width characters: full-width digits, signs, the
// full-width point and the ideographic space read as their ASCII forms
// (「１２３」 is 123, 「－１．５」 is -1.5).
#include <string>
#include <string_view>

// The text with full-width digits, signs, point and spaces (UTF-8) made
// ASCII; every other character is kept as it is.
std::string AsciiNumberText(std::string_view text);

// The whole text, blanks around it allowed, must be one finite number; false
// (and value untouched) otherwise, also for an empty text.
bool ParseNumberText(std::string_view text, double& value);

// The number at the start of the text after leading blanks, like the
// standard string-to-double conversion; 0 when the text starts with none.
double LeadingNumber(std::string_view text);
