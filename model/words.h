// English sentence patterns with numbered places (%1, %2), shared by the window and the frame driver.
#pragma once

#include "runtime_services.h" // CONWAVE_WORDS

#include <initializer_list>
#include <string>
#include <string_view>

namespace conwave {

// The pattern with %1, %2, ... replaced by the given texts in turn; a place without a text stays as it is.
std::string fillWords(std::string_view pattern, std::initializer_list<std::string_view> texts);

// A number for a sentence that is read, not typed back: three significant figures (0.167, 0.25, 56.4, 1000),
// no trailing zeros, "." as the decimal point.
std::string readableNumber(double value, int figures = 3);

} // namespace conwave
