#include "language.h"

#include "regime.h"
#include "runtime_services.h"
#include "wave_state.h"
#include "words.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <initializer_list>
#include <string>

namespace conwave {

namespace {

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
    const QString detail = fill(translated("RuntimeError", runtimeErrorPattern(error.detail())),
                                {QString::fromStdString(error.firstValue()),
                                 QString::fromStdString(error.secondValue())});
    return fill(translated("RuntimeError", kRuntimeErrorReport),
                {translated("RuntimeError", runtimeErrorHeadline(error.kind())), detail});
}

} // namespace conwave
