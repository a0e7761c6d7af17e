// English sentence patterns with numbered places (%1, %2), shared by the window and the frame driver.
#pragma once

#include "runtime_services.h" // CONWAVE_WORDS, fillWords

#include <initializer_list>
#include <string>
#include <string_view>

namespace conwave {

// A number for a sentence that is read, not typed back: three significant figures (0.167, 0.25, 56.4, 1000),
// no trailing zeros, "." as the decimal point.
std::string readableNumber(double value, int figures = 3);

} // namespace conwave
