// Numbers written for people and spreadsheets rather than for reading back exactly: rounded, or with a decimal comma.
#pragma once

#include <string>

namespace conwave {

// The value rounded to the given number of significant digits (1 to 15), written as numberToText writes it:
// 0.24000000000000002 to 3 digits is "0.24", 1019.6 is "1020", 3.4e38 is "3.4e+38".
std::string roundedText(double value, int significantDigits);

// The double nearest to the shortest text of a float: 16.32f gives 16.32, so that rounding it later does not
// bring the float's binary tail (16.3199996...) back into view.
double decimalValue(float value);

// The number text with its decimal point as a comma, for spreadsheets of languages that write 0,5.
std::string withDecimalComma(std::string text);

// The value with one digit after the point, as angles are stated: 30.0, 41.8.
std::string oneDecimalText(double value);

} // namespace conwave
