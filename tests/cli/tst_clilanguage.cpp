// orvesc-cli in the user's language: messages and result lines follow LANG, --json and the
// settings' keys and entries do not; help settings explains every setting.
#include "clirig.h"
#include "languages.h"
#include "settingkeys.h"

#include <QtTest>

using namespace orvesc;
using orvesc::test::CliRig;
using orvesc::test::CliRun;

class TestCliLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Messages follow LANG; --json stays what the English run prints, byte for byte.
    void followsTheLocale_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("german");  // text stderr holds in German
        QTest::newRow("result line") << "write --set brake=on --no-verify" << 0
                                     << "COM1: fertig: QUORL R5 3S programmiert (nicht geprüft), 1 Einstellung geändert";
        QTest::newRow("error line") << "identify --all --expect 2" << 2
                                    << "orvesc-cli: Fehler 2: Ein ESC antwortete an 1 von 1 gelisteten Port, 2 erwartet "
                                       "(--expect 2).";
        QTest::newRow("json") << "write --set brake=on --dry-run --json" << 0
                              << "COM1: Probelauf: 9 Befehlsbytes für den QUORL R5 3S ausgegeben (1 Einstellung würde "
                                 "sich ändern), nichts gesendet";
    }
    void followsTheLocale()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, german);
        const bool translated = useLanguage(QStringLiteral("de"));
        useLanguage(QStringLiteral("en"));
        if (!translated)
            QSKIP("No German translation is built in.");
        CliRig rig;
        rig.addEsc(1, 38);
        const CliRun run = rig.runExecutable(arguments, QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(german), qPrintable(run.err));
        if (arguments.contains(QLatin1String("--json")))
            QCOMPARE(run.out, rig.runExecutable(arguments, QStringLiteral("C")).out);
    }

    // help settings names every key, its entries per model and what it does.
    void explainsTheSettings()
    {
        CliRig rig;
        const CliRun run = rig.runExecutable(QStringLiteral("help settings"), QStringLiteral("C"));
        QCOMPARE(run.exitCode, 0);
        for (int k = int(SettingKey::Brake); k <= int(SettingKey::AccelerationDelay); ++k)
            QVERIFY2(run.out.contains(QStringLiteral("\n%1 (").arg(QLatin1String(settingKeyName(SettingKey(k))))), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("  QUORL R9W 12S, QUORL R9 12S, QUORL R9 10S: LEVEL1, LEVEL2")), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("A brake and RPM control exclude each other")), qPrintable(run.out));
    }

};

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "tst_clilanguage.moc"
