// The frames tool's words in the reader's language, from the same translations as the windows: which language the
// environment asks for, the model's and the page's English texts worded in it, and the parameters' caption every
// output shares.
#pragma once

#include "runtime_services.h" // DecimalSign
#include "words.h"

#include <string>
#include <string_view>

namespace conwave {

struct WaveState;

// One translated text, as the build embeds them from the translation files.
struct TranslatedWords {
    std::string_view language;
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

// "en", "de", "fr" or "es": the languages Conwave speaks.
bool spokenLanguage(std::string_view language);

// The language the environment asks for, as the window takes it: the first language Conwave speaks in LANGUAGE (a
// list in order of preference) when that is set, else the first of LC_ALL, LC_MESSAGES and LANG that is set;
// English otherwise.
std::string environmentLanguage();

// The wording of a spoken language: its translations and its decimal sign.
Wording toolWording(std::string_view language);

// How that language's reader types numbers: with a comma as well as a point where it writes decimals with a comma.
DecimalSign typedDecimalSign(const Wording &wording);

// "M = 1.2, nWave = 4, tMax = 1": the parameters as the restart read them, written as the program writes numbers,
// with the wording's decimal sign.
std::string parameterCaption(const WaveState &state, const Wording &wording);

// The pattern of that caption: %1, %2 and %3 take M, nWave and tMax.
inline constexpr std::string_view kParameterCaption = "M = %1, nWave = %2, tMax = %3";

} // namespace conwave
