// Conwave's texts in the desktop's language: German, French or Spanish where the desktop asks for one of them,
// English otherwise. The English texts are the sources the translations are looked up by.
#pragma once

#include <QLocale>
#include <QString>

#include "runtime_services.h" // DecimalSign

#include <memory>
#include <string>
#include <string_view>

class QTranslator;

namespace conwave {

class RestartRefused;
class RuntimeError;
struct WaveState;

// The translations of one language, installed in the application while this lives: Conwave's own and the
// toolkit's (the OK of a message box). Numbers in sentences take that language's decimal sign meanwhile; the
// default locale is given back at the end.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Installs the first of the locale's languages, in its order of preference (QLocale::uiLanguages()), that
    // Conwave has a translation for; false when it has none of them, and then English.
    bool install(const QLocale &locale);
    // Installs one language: "de", "fr", "es", or "" for English; false when Conwave has no translation for it.
    bool install(const QString &language);

    // The language installed: "de", "fr", "es", or "" for English.
    QString language() const;

private:
    void remove();
    void installEnglish();

    QLocale m_previous; // the default locale before
    std::unique_ptr<QTranslator> m_own;
    std::unique_ptr<QTranslator> m_toolkit;
};

// How the text boxes read typed numbers in the installed language: with a comma as well as a point where the
// language writes its decimals with a comma, with a point only otherwise.
DecimalSign typedDecimalSign();

// A number the program writes into a text or a box ("1.5", "2.47e+35") with the installed language's decimal sign.
QString localNumber(const std::string &text);

// An English text of the program, in the installed language. The context says where it is used: "Form1",
// "Form_About", "Picture", "Refusal", "RuntimeError".
QString translated(const char *context, std::string_view english);

// The picture's sentence for the tooltip and screen readers: the model's sentence, worded in the installed
// language, its numbers with the language's decimal sign.
QString pictureSentence(const WaveState &state);

// A refusal's warning. Its numbers are written as the boxes read them in the installed language.
QString refusalText(const RestartRefused &refusal);

// The report of a run-time error in the installed language: its headline, and its detail with the error's values.
QString errorText(const RuntimeError &error);

} // namespace conwave
