#include "words.h"

#include "runtime_services.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace conwave {

std::string fillWords(std::string_view pattern, std::initializer_list<std::string_view> texts)
{
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto place = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && place < texts.size()) {
            filled += *(texts.begin() + place);
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

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

std::string oneDecimal(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    return std::string(text, result.ptr);
}

const Wording &englishWording()
{
    static const Wording english{[](std::string_view, std::string_view text) { return std::string(text); }, '.'};
    return english;
}

std::string errorReport(const RuntimeError &error, const Wording &wording)
{
    // The report is "Headline: detail." as the run-time services write it; each part is translated on its own.
    const std::string_view report = error.what();
    const std::size_t colon = report.find(": ");
    if (colon == std::string_view::npos || !report.ends_with('.'))
        return std::string(report);
    return wording.translate("RuntimeError", report.substr(0, colon)) + ": " +
           wording.translate("RuntimeError", report.substr(colon + 2, report.size() - colon - 3)) + ".";
}

std::string localNumber(std::string text, const Wording &wording)
{
    std::replace(text.begin(), text.end(), '.', wording.decimalSign);
    return text;
}

} // namespace conwave
