#include "reading_numbers.h"

#include "runtime_services.h"

#include <algorithm>
#include <charconv>

namespace conwave {

std::string roundedText(double value, int significantDigits)
{
    // to_chars rounds correctly to the digits asked for; reading that back and writing it as numberToText does
    // keeps the program's one way of writing numbers (no exponent for 1020, none of to_chars' "1.02e+03").
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                       std::clamp(significantDigits, 1, 15));
    double rounded = 0.0;
    std::from_chars(buffer, written.ptr, rounded);
    return numberToText(rounded);
}

double decimalValue(float value)
{
    const std::string text = shortestText(value);
    double nearest = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), nearest);
    return nearest;
}

std::string withDecimalComma(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string oneDecimalText(double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    return std::string(buffer, written.ptr);
}

} // namespace conwave
