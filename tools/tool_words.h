// The frames tool's words in the reader's language, from the same translations as the windows: which language the
// environment asks for, and the model's and the page's English texts worded in it.
#pragma once

#include "runtime_services.h" // DecimalSign
#include "words.h"

#include <string>
#include <string_view>

namespace conwave {

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

} // namespace conwave
