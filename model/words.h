// English sentence patterns with numbered places (%1, %2), shared by the window and the frame driver.
#pragma once

#include "runtime_services.h" // CONWAVE_WORDS, fillWords

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace conwave {

// A number for a sentence that is read, not typed back: three significant figures (0.167, 0.25, 56.4, 1000),
// no trailing zeros, "." as the decimal point.
std::string readableNumber(double value, int figures = 3);

// The value with one digit after the point, as angles are said: 30.0, 41.8.
std::string oneDecimal(double value);

// A pattern by the name a script looks it up by, and its English words.
struct NamedWords {
    std::string_view name;
    std::string_view english;
};

// The English words of the name in a table; empty when the table has no such name.
std::string_view wordsNamed(std::span<const NamedWords> table, std::string_view name);

// How the program's English words come out in the reader's language: the translation of a marked text under its
// context, and the language's decimal sign, which replaces the "." of the numbers put into the patterns.
struct Wording {
    std::function<std::string(std::string_view context, std::string_view english)> translate;
    char decimalSign = '.';
};

// Plain English with a decimal point.
const Wording &englishWording();

// The report of a run-time error in the wording's language: its headline, and its detail with the error's values.
std::string errorReport(const RuntimeError &error, const Wording &wording);

// A number text ("0.167", "2.47e+35") with the wording's decimal sign.
std::string localNumber(std::string text, const Wording &wording);

} // namespace conwave
