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

// The model's words in the installed language, its numbers with the language's decimal sign.
Wording installedWording()
{
    return {[](std::string_view context, std::string_view english) {
                const std::string source(english);
                return QCoreApplication::translate(std::string(context).c_str(), source.c_str()).toStdString();
            },
            QLocale().decimalPoint().at(0).toLatin1()};
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

QString localNumber(const std::string &text) { return QString::fromStdString(localNumber(text, installedWording())); }

QString translated(const char *context, std::string_view english)
{
    const std::string source(english);
    return QCoreApplication::translate(context, source.c_str());
}

QString pictureSentence(const WaveState &state)
{
    return QString::fromStdString(describePicture(state, installedWording()));
}

QString refusalText(const RestartRefused &refusal)
{
    return QString::fromStdString(refusalMessage(refusal, installedWording()));
}

QString errorText(const RuntimeError &error)
{
    return QString::fromStdString(errorReport(error, installedWording()));
}

} // namespace conwave
