#include "language.h"

#include "regime.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "words.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <initializer_list>
#include <string>

namespace conwave {

namespace {

constexpr std::array<const char *, 3> kTranslated{"de", "fr", "es"};

// "de_DE.UTF-8", "fr_CA", "es@euro" -> "de", "fr", "es"; "" for English, for C and POSIX, and for languages
// without a translation.
QString languageOf(QString setting)
{
    setting = setting.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).section(QLatin1Char('_'), 0, 0);
    for (const char *language : kTranslated)
        if (setting == QLatin1String(language))
            return setting;
    return {};
}

// fillWords for a translated pattern: %1, %2, ... take the texts in turn, and a filled text is not filled again.
QString fill(const QString &pattern, std::initializer_list<QString> texts)
{
    QString filled;
    filled.reserve(pattern.size() + 16);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int place = i + 1 < pattern.size() ? pattern[i + 1].digitValue() - 1 : -1;
        if (pattern[i] == QLatin1Char('%') && place >= 0 && place < static_cast<int>(texts.size())) {
            filled += *(texts.begin() + place);
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

} // namespace

QString desktopLanguage()
{
    const QStringList preferred = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &entry : preferred)
        if (!languageOf(entry).isEmpty())
            return languageOf(entry);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString setting = qEnvironmentVariable(variable);
        if (!setting.isEmpty())
            return languageOf(setting);
    }
    return {};
}

Translations::Translations() = default;

Translations::~Translations()
{
    remove();
    QLocale::setDefault(m_previous);
}

void Translations::remove()
{
    for (std::unique_ptr<QTranslator> *translator : {&m_own, &m_toolkit}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

bool Translations::install(const QString &language)
{
    remove();
    QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(language));
    if (language.isEmpty())
        return true;
    m_own = std::make_unique<QTranslator>();
    if (!m_own->load(QStringLiteral(":/i18n/conwave_") + language)) {
        m_own.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return false;
    }
    QCoreApplication::installTranslator(m_own.get());
    // The toolkit's own texts (the buttons of a message box) come with its translations, where they are installed.
    m_toolkit = std::make_unique<QTranslator>();
    if (m_toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_toolkit.get());
    else
        m_toolkit.reset();
    return true;
}

DecimalSign typedDecimalSign()
{
    return QLocale().decimalPoint() == QLatin1Char(',') ? DecimalSign::PointOrComma : DecimalSign::Point;
}

QString localNumber(const std::string &text)
{
    QString number = QString::fromStdString(text);
    number.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return number;
}

QString translated(const char *context, std::string_view english)
{
    const std::string source(english);
    return QCoreApplication::translate(context, source.c_str());
}

QString pictureSentence(const WaveState &state)
{
    const PictureFacts facts = pictureFacts(state);
    const PictureWords words = pictureWords(facts);
    if (facts.regime == Regime::NotStarted)
        return translated("Picture", words.sentence);
    const QString regime =
        fill(translated("Picture", words.regime), {localNumber(words.machText), localNumber(words.angleText)});
    const QString interval =
        fill(translated("Picture", words.interval),
             {localNumber(words.intervalText), localNumber(words.tickText), QString::fromStdString(words.drawnText)});
    return fill(translated("Picture", words.sentence), {regime, interval});
}

QString refusalText(const RestartRefused &refusal)
{
    return fill(translated("Refusal", refusalPattern(refusal.reason())),
                {localNumber(refusal.lowText()), localNumber(refusal.highText())});
}

QString errorText(const RuntimeError &error)
{
    const std::string report = error.what();
    const std::size_t colon = report.find(": ");
    if (colon == std::string::npos || report.back() != '.')
        return QString::fromStdString(report);
    const std::string_view text(report);
    return translated("RuntimeError", text.substr(0, colon)) + QStringLiteral(": ") +
           translated("RuntimeError", text.substr(colon + 2, report.size() - colon - 3)) + QLatin1Char('.');
}

} // namespace conwave
