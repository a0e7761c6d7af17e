#include "words.h"

#include "runtime_services.h"

#include <algorithm>
#include <cmath>

namespace conwave {

std::string readableNumber(double value, int figures)
{
    if (value == 0.0 || !std::isfinite(value))
        return numberToText(value);
    // Rounded to the figures asked for, then written as the shortest text of that value: 0.1666... becomes 0.167
    // and 1000 stays 1000 rather than 1e+03.
    try {
        return numberToText(textToNumber(formattedText(value, std::chars_format::scientific, figures - 1)));
    } catch (const RuntimeError &) {
        return numberToText(value); // rounded up beyond the largest double
    }
}

std::string oneDecimal(double value) { return formattedText(value, std::chars_format::fixed, 1); }

std::string_view wordsNamed(std::span<const NamedWords> table, std::string_view name)
{
    for (const NamedWords &entry : table)
        if (entry.name == name)
            return entry.english;
    return {};
}

const Wording &englishWording()
{
    static const Wording english{[](std::string_view, std::string_view text) { return std::string(text); }, '.'};
    return english;
}

std::string errorReport(const RuntimeError &error, const Wording &wording)
{
    const auto translated = [&wording](std::string_view english) { return wording.translate("RuntimeError", english); };
    return fillWords(translated(kRuntimeErrorReport),
                     {translated(runtimeErrorHeadline(error.kind())),
                      fillWords(translated(runtimeErrorPattern(error.detail())),
                                {error.firstValue(), error.secondValue()})});
}

std::string localNumber(std::string text, const Wording &wording)
{
    std::replace(text.begin(), text.end(), '.', wording.decimalSign);
    return text;
}

} // namespace conwave
