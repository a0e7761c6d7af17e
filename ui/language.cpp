#include "language.h"

#include "regime.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "words.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>

namespace conwave {

namespace {

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

void Translations::installEnglish()
{
    remove();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

bool Translations::install(const QLocale &locale)
{
    installEnglish();
    auto own = std::make_unique<QTranslator>();
    // Tries conwave_<language> for each language of the locale in turn, the territory first ("de_AT", "de").
    if (!own->load(locale, QStringLiteral("conwave"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    m_own = std::move(own);
    QCoreApplication::installTranslator(m_own.get());
    const QString installed = language();
    QLocale::setDefault(QLocale(installed));
    // The toolkit's own texts (the buttons of a message box) come with its translations, where they are installed.
    m_toolkit = std::make_unique<QTranslator>();
    if (m_toolkit->load(QStringLiteral("qtbase_") + installed, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_toolkit.get());
    else
        m_toolkit.reset();
    return true;
}

bool Translations::install(const QString &language)
{
    if (language.isEmpty()) {
        installEnglish();
        return true;
    }
    return install(QLocale(language));
}

QString Translations::language() const { return m_own ? m_own->language() : QString(); }

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
