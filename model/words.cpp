#include "words.h"

#include "runtime_services.h"

#include <charconv>
#include <cmath>

namespace conwave {

std::string readableNumber(double value, int figures)
{
    if (value == 0.0 || !std::isfinite(value))
        return numberToText(value);
    // Rounded to the figures asked for, then written as the shortest text of that value: 0.1666... becomes 0.167
    // and 1000 stays 1000 rather than 1e+03.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, figures - 1);
    try {
        return numberToText(textToNumber(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))));
    } catch (const RuntimeError &) {
        return numberToText(value); // rounded up beyond the largest double
    }
}

} // namespace conwave
