// The desktop's language: which one the program's start-up takes from the environment, the sentence and the
// refusals worded in it, and English that stays exactly the model's English.
#include "../model/restarted.h"
#include "language.h"
#include "main_window.h"
#include "message_box_closer.h"
#include "regime.h"
#include "runtime_services.h"
#include "shared/tool_words.h"
#include "wave_state.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <memory>

using conwave::test::MessageBoxCloser;

class LanguageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void desktopLanguage_data();
    void desktopLanguage();
    void englishIsTheModelsSentence_data();
    void englishIsTheModelsSentence();
    void sentenceInEveryLanguage_data();
    void sentenceInEveryLanguage();
    void refusalNumbersAreTypedNumbers();
    void typedComma_data();
    void typedComma();
    void everyTranslationInstalls();
    void errorReport_data();
    void errorReport();
};

using conwave::test::restarted;

void LanguageTest::desktopLanguage_data()
{
    QTest::addColumn<QString>("environment"); // the locale variables set; the others are unset
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing set: English") << "" << "";
    QTest::newRow("C locale: English") << "LANG=C.UTF-8" << "";
    QTest::newRow("LANG German") << "LANG=de_DE.UTF-8" << "de";
    QTest::newRow("LANG French of Canada") << "LANG=fr_CA.UTF-8" << "fr";
    QTest::newRow("LANG Spanish with a modifier") << "LANG=es_ES@euro" << "es";
    QTest::newRow("LANG without a translation") << "LANG=it_IT.UTF-8" << "";
    QTest::newRow("LC_MESSAGES before LANG") << "LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8" << "es";
    QTest::newRow("LC_ALL before LC_MESSAGES") << "LC_ALL=fr_FR.UTF-8 LC_MESSAGES=es_ES.UTF-8 LANG=de_DE.UTF-8" << "fr";
    QTest::newRow("LANGUAGE first") << "LANGUAGE=de LANG=fr_FR.UTF-8" << "de";
    QTest::newRow("LANGUAGE list: first with a translation") << "LANGUAGE=it:pt_BR:es:de LANG=C" << "es";
    QTest::newRow("LANGUAGE without a translation: English") << "LANGUAGE=it LANG=fr_FR.UTF-8" << "";
    QTest::newRow("English asked for in LC_MESSAGES") << "LC_MESSAGES=en_GB.UTF-8 LANG=de_DE.UTF-8" << "";
}

void LanguageTest::desktopLanguage()
{
    QFETCH(QString, environment);
    QFETCH(QString, expected);
    QProcessEnvironment settings = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        settings.remove(QLatin1String(variable));
    for (const QString &setting : environment.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        settings.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    // The program's own start-up, in a process of its own: the toolkit reads the desktop's settings once.
    QProcess program;
    program.setProcessEnvironment(settings);
    program.start(QStringLiteral(CONWAVE_PROBE_PATH), {QStringLiteral("language")});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput().trimmed()), expected);
}

void LanguageTest::englishIsTheModelsSentence_data()
{
    QTest::addColumn<QString>("m");
    QTest::addColumn<QString>("nWave");
    QTest::addColumn<QString>("tMax");

    QTest::newRow("at rest") << "0" << "4" << "1";
    QTest::newRow("subsonic the other way") << "-0.5" << "6" << "1";
    QTest::newRow("sonic") << "1" << "4" << "1";
    QTest::newRow("supersonic, a sixth of a second") << "2.5" << "6" << "1";
    QTest::newRow("stands still") << "1.2" << "50" << "1";
    QTest::newRow("no wavefront") << "3" << "0.5" << "1";
    QTest::newRow("negative span: one wavefront") << "0.5" << "4" << "-1";
}

// Without a translation the window's sentence is the model's, byte for byte: the frame driver writes the same.
void LanguageTest::englishIsTheModelsSentence()
{
    QFETCH(QString, m);
    QFETCH(QString, nWave);
    QFETCH(QString, tMax);
    conwave::Translations english;
    QVERIFY(english.install(QString()));
    const conwave::WaveState state = restarted(qPrintable(m), qPrintable(nWave), qPrintable(tMax));
    QCOMPARE(conwave::pictureSentence(state), QString::fromStdString(conwave::describePicture(state)));
    conwave::WaveState notStarted;
    conwave::initialise(notStarted);
    QCOMPARE(conwave::pictureSentence(notStarted), QString::fromStdString(conwave::describePicture(notStarted)));
}

void LanguageTest::sentenceInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("tMax");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("de") << "de" << "1"
        << QString::fromUtf8("Überschall bei Machzahl 1,5: ein Machkegel mit einem Machwinkel von 41,8 Grad, "
                             "alle 0,167 s eine Wellenfront.");
    QTest::newRow("fr") << "fr" << "1"
        << QString::fromUtf8("Supersonique, nombre de Mach 1,5\u00a0: un cône de Mach avec un angle de Mach de 41,8 "
                             "degrés, un front d’onde toutes les 0,167 s.");
    QTest::newRow("es") << "es" << "1"
        << QString::fromUtf8("Supersónico, número de Mach 1,5: un cono de Mach con un ángulo de Mach de 41,8 grados, "
                             "un frente de onda cada 0,167 s.");
    QTest::newRow("de, negative span") << "de" << "-0.1"
        << QString::fromUtf8("Überschall bei Machzahl 1,5: ein Machkegel mit einem Machwinkel von 41,8 Grad, eine "
                             "negative Zeitspanne: Nur die 3 jüngsten Wellenfronten werden gezeichnet, und das Bild "
                             "steht still.");
    QTest::newRow("fr, negative span") << "fr" << "-1"
        << QString::fromUtf8("Supersonique, nombre de Mach 1,5\u00a0: un cône de Mach avec un angle de Mach de 41,8 "
                             "degrés, une durée négative\u00a0: seul le front d’onde le plus récent est dessiné et "
                             "l’image reste immobile.");
    QTest::newRow("es, negative span") << "es" << "-1"
        << QString::fromUtf8("Supersónico, número de Mach 1,5: un cono de Mach con un ángulo de Mach de 41,8 grados, "
                             "un intervalo de tiempo negativo: solo se dibuja el frente de onda más reciente y la "
                             "imagen queda inmóvil.");
}

// The numbers of the sentence take the language's decimal sign. The frames tool's page says the same, from the
// translations it carries.
void LanguageTest::sentenceInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, tMax);
    conwave::Translations translations;
    QVERIFY(translations.install(language));
    const conwave::WaveState state = restarted("1.5", "6", qPrintable(tMax));
    QTEST(conwave::pictureSentence(state), "sentence");
    QTEST(QString::fromStdString(conwave::describePicture(state, conwave::toolWording(language.toStdString()))),
          "sentence");
}

// A refusal's numbers are what the user types next, written with the language's decimal sign.
void LanguageTest::refusalNumbersAreTypedNumbers()
{
    conwave::Translations german;
    QVERIFY(german.install(QStringLiteral("de")));
    conwave::WaveState state;
    conwave::initialise(state);
    try {
        conwave::restart(state, "1.2", "4", "1e36");
        QFAIL("not refused");
    } catch (const conwave::RestartRefused &refusal) {
        const QString text = conwave::refusalText(refusal);
        QVERIFY2(text.startsWith(QString::fromUtf8("Die Zeitspanne tMax ist zu lang")), qPrintable(text));
        QString high = QString::fromStdString(refusal.highText());
        QVERIFY2(high.contains(QLatin1Char('.')), qPrintable(high));
        QVERIFY2(text.contains(high.replace(QLatin1Char('.'), QLatin1Char(','))), qPrintable(text));
    }
}

void LanguageTest::typedComma_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("mach");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("English: the point only") << "" << 1.0 << "Sonic at Mach 1:";
    QTest::newRow("German") << "de" << 1.5 << QString::fromUtf8("Überschall bei Machzahl 1,5:");
    QTest::newRow("French") << "fr" << 1.5 << "Supersonique, nombre de Mach 1,5";
    QTest::newRow("Spanish") << "es" << 1.5 << QString::fromUtf8("Supersónico, número de Mach 1,5:");
}

// A typed "1,5" is Mach 1.5 where the language writes decimals with a comma, and Mach 1 in English; the scroll
// bars write their values with the language's sign, and the box says what it accepts.
void LanguageTest::typedComma()
{
    QFETCH(QString, language);
    QFETCH(double, mach);
    QFETCH(QString, sentence);
    conwave::Translations translations;
    QVERIFY(translations.install(language));
    conwave::MainWindow window;
    auto *text = window.findChild<QLineEdit *>(QStringLiteral("Text_M"));
    text->setText(QStringLiteral("1,5"));
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    QCOMPARE(window.waveState().M, mach);
    const QString toolTip = window.findChild<QWidget *>(QStringLiteral("Picture1"))->toolTip();
    QVERIFY2(toolTip.startsWith(sentence), qPrintable(toolTip));
    QVERIFY2(text->accessibleDescription().contains(mach == 1.5 ? QStringLiteral("1,5") : QStringLiteral("1.5")),
             qPrintable(text->accessibleDescription()));
    window.findChild<QScrollBar *>(QStringLiteral("HScroll_M"))->setValue(5);
    QCOMPARE(text->text(), mach == 1.5 ? QStringLiteral("0,5") : QStringLiteral("0.5"));
    QCOMPARE(window.waveState().M, 0.5);
}

// Every language has a translation of every refusal; the window shows it, the symbol left as it is.
void LanguageTest::everyTranslationInstalls()
{
    for (const QString language : {"de", "fr", "es"}) {
        conwave::Translations translations;
        QVERIFY(translations.install(language));
        for (int reason = 0; reason <= static_cast<int>(conwave::RefusalReason::MachTooLargeForAnySpan); ++reason) {
            const std::string_view english = conwave::refusalPattern(static_cast<conwave::RefusalReason>(reason));
            QVERIFY2(conwave::translated("Refusal", english) != QString::fromUtf8(english.data(), english.size()),
                     qPrintable(language + QLatin1Char(' ') + QString::number(reason)));
        }
        conwave::MainWindow window;
        window.findChild<QLineEdit *>(QStringLiteral("Text_nWave"))->setText(QStringLiteral("abc"));
        MessageBoxCloser closer;
        window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QCOMPARE(closer.seen().size(), std::size_t{1});
        const QString warning = closer.seen().front().text;
        QVERIFY2(warning.contains(QStringLiteral("nWave")) && !warning.contains(QStringLiteral("not a number")),
                 qPrintable(warning));
    }
}

void LanguageTest::errorReport_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<conwave::RuntimeErrorDetail>("detail");
    QTest::addColumn<QString>("report");

    QTest::newRow("English as written") << "" << conwave::RuntimeErrorDetail::SumTooLarge
                                        << "Overflow: a sum is too large for a double.";
    QTest::newRow("German") << "de" << conwave::RuntimeErrorDetail::SumTooLarge
                            << QString::fromUtf8("Überlauf: eine Summe ist zu groß für doppelte Genauigkeit.");
    QTest::newRow("the slot's numbers in French")
        << "fr" << conwave::RuntimeErrorDetail::NoSuchSlot
        << QString::fromUtf8("Indice hors limites\u00a0: l’emplacement 51 n’existe pas\u00a0; les emplacements vont "
                             "de 0 à 50.");
    QTest::newRow("the slot's numbers in Spanish")
        << "es" << conwave::RuntimeErrorDetail::NoSuchSlot
        << QString::fromUtf8("Subíndice fuera de rango: la posición 51 no existe; las posiciones van de 0 a 50.");
}

// A run-time error's report in the installed language, headline and detail, its values put in their places.
void LanguageTest::errorReport()
{
    QFETCH(QString, language);
    QFETCH(conwave::RuntimeErrorDetail, detail);
    QFETCH(QString, report);
    conwave::Translations translations;
    QVERIFY(translations.install(language));
    QCOMPARE(conwave::errorText(conwave::RuntimeError(detail, "51", "50")), report);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
