// The Windows resource script compiles with the mingw-w64 resource compiler and carries the version record and
// an icon group of three images. Read back from the compiled resources, not from the script.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class WindowsResourceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void compiledRecord_data();
    void compiledRecord();

private:
    static QString run(const QString &program, const QStringList &arguments);

    QTemporaryDir m_dir;
    QString m_compiled; // the compiled resources written back as a script
};

QString WindowsResourceTest::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromLocal8Bit(process.readAllStandardError()) + QStringLiteral(" (failed)");
    return {};
}

void WindowsResourceTest::initTestCase()
{
    const QString windres = QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-windres"));
    if (windres.isEmpty())
        QSKIP("the mingw-w64 resource compiler (binutils-mingw-w64-x86-64) is not installed");
    QVERIFY(m_dir.isValid());
    const QFileInfo script(QStringLiteral(CONWAVE_RC_PATH));
    const QString compiled = m_dir.filePath(QStringLiteral("conwave.res"));
    const QString back = m_dir.filePath(QStringLiteral("conwave-back.rc"));
    // It has no preprocessor of its own here; the icon is found beside the script.
    QCOMPARE(run(windres, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-I"), script.absolutePath(),
                           QStringLiteral("-i"), script.absoluteFilePath(), QStringLiteral("-O"), QStringLiteral("res"),
                           QStringLiteral("-o"), compiled}),
             QString());
    QCOMPARE(run(windres, {QStringLiteral("-i"), compiled, QStringLiteral("-O"), QStringLiteral("rc"),
                           QStringLiteral("-o"), back}),
             QString());
    QFile file(back);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    m_compiled = QString::fromLatin1(file.readAll());
}

void WindowsResourceTest::compiledRecord_data()
{
    QTest::addColumn<QString>("pattern");

    QTest::newRow("file version 1.0.0.0") << R"(\bFILEVERSION 1, 0, 0, 0\b)";
    QTest::newRow("product version 1.0.0.0") << R"(\bPRODUCTVERSION 1, 0, 0, 0\b)";
    QTest::newRow("string block US English, Unicode") << R"(BLOCK "040904B0")";
    QTest::newRow("ProductName") << R"(VALUE "ProductName", "Conwave"\n)";
    QTest::newRow("InternalName") << R"(VALUE "InternalName", "Conwave"\n)";
    QTest::newRow("OriginalFilename") << R"(VALUE "OriginalFilename", "Conwave.exe"\n)";
    QTest::newRow("FileVersion") << R"(VALUE "FileVersion", "1.00"\n)";
    QTest::newRow("ProductVersion") << R"(VALUE "ProductVersion", "1.00"\n)";
    QTest::newRow("a CompanyName") << R"(VALUE "CompanyName", "[^"]+"\n)";
    QTest::newRow("translation 0x409, Unicode") << R"(VALUE "Translation", 0x409, 1200)";
    QTest::newRow("one icon group of three images") << R"(RT_GROUP_ICON[^\n]*\n\s*BEGIN\s*0, 1, 3,)";
    QTest::newRow("16 px image") << R"("\\020\\020\\000\\000", 1, 32)";
    QTest::newRow("32 px image") << R"("\\040\\040\\000\\000", 1, 32)";
    QTest::newRow("48 px image") << R"("\\060\\060\\000\\000", 1, 32)";
}

void WindowsResourceTest::compiledRecord()
{
    QFETCH(QString, pattern);
    const QRegularExpression expression(pattern);
    QVERIFY(expression.isValid());
    QVERIFY2(expression.match(m_compiled).hasMatch(), qPrintable(pattern));
}

QTEST_GUILESS_MAIN(WindowsResourceTest)
#include "windows_resource_test.moc"
