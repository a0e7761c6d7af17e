#include "shared/tool_words.h"

#include "shared/translated_words.h"
#include "wave_state.h"

#include <array>
#include <cstdlib>

namespace conwave {

namespace {

struct SpokenLanguage {
    std::string_view language;
    char decimalSign;
};

constexpr std::array<SpokenLanguage, 4> kSpoken{{{"en", '.'}, {"de", ','}, {"fr", ','}, {"es", ','}}};

// "de_DE.UTF-8", "fr_CA", "es@euro" -> "de", "fr", "es"; "" for C, POSIX and languages Conwave does not speak.
std::string_view languageOf(std::string_view setting)
{
    const std::string_view language = setting.substr(0, setting.find_first_of("_.@"));
    return spokenLanguage(language) ? language : std::string_view{};
}

std::string_view variable(const char *name)
{
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

} // namespace

bool spokenLanguage(std::string_view language)
{
    for (const SpokenLanguage &spoken : kSpoken)
        if (spoken.language == language)
            return true;
    return false;
}

std::string environmentLanguage()
{
    // A LANGUAGE list, when set, decides alone: a list that names no language Conwave speaks gives English, as Qt
    // reads it for the window.
    std::string_view preferred = variable("LANGUAGE");
    if (!preferred.empty()) {
        while (!preferred.empty()) {
            const std::size_t colon = preferred.find(':');
            if (const std::string_view language = languageOf(preferred.substr(0, colon)); !language.empty())
                return std::string(language);
            preferred = colon == std::string_view::npos ? std::string_view{} : preferred.substr(colon + 1);
        }
        return "en";
    }
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string_view setting = variable(name);
        if (!setting.empty()) {
            const std::string_view language = languageOf(setting);
            return std::string(language.empty() ? "en" : language);
        }
    }
    return "en";
}

Wording toolWording(std::string_view language)
{
    Wording wording = englishWording();
    for (const SpokenLanguage &spoken : kSpoken)
        if (spoken.language == language)
            wording.decimalSign = spoken.decimalSign;
    wording.translate = [language = std::string(language)](std::string_view context, std::string_view english) {
        for (const TranslatedWords &words : kTranslatedWords)
            if (words.language == language && words.context == context && words.source == english)
                return std::string(words.translation);
        return std::string(english);
    };
    return wording;
}

DecimalSign typedDecimalSign(const Wording &wording)
{
    return wording.decimalSign == ',' ? DecimalSign::PointOrComma : DecimalSign::Point;
}

std::string parameterCaption(const WaveState &state, const Wording &wording)
{
    const auto number = [&wording](double value) { return localNumber(numberToText(value), wording); };
    return fillWords(kParameterCaption, {number(state.M), number(state.nWave), number(state.tMax)});
}

} // namespace conwave
