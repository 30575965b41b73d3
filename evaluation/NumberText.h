#pragma once
// Numbers typed into the dialogs' edits. Both readers use the C locale (a
// decimal point, never a comma) and decimal notation only.
#include <string_view>

// The whole text, blanks around it allowed, must be one finite number; false
// (and value untouched) otherwise, also for an empty text.
bool ParseNumberText(std::string_view text, double& value);

// The number at the start of the text after leading blanks, like the
// standard string-to-double conversion; 0 when the text starts with none.
double LeadingNumber(std::string_view text);
