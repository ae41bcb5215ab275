#include "diagnostics.h"
#include "escbench.h"

#include <QFileInfo>

using namespace orvesc;
using namespace orvesc::test;

// "Save Diagnostics..." after a CONNECT, the path handed in where the dialog would ask for it.
class TestDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void savesTheReportOrSaysWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("written");
        QTest::newRow("written") << "diagnostics.txt" << true;
        QTest::newRow("folder missing") << "missing/diagnostics.txt" << false;
    }
    void savesTheReportOrSaysWhy()
    {
        QFETCH(QString, name);
        QFETCH(bool, written);
        QTemporaryDir out;
        const QString path = out.filePath(name);
        EscBench bench;
        sim::EscSimulator &esc = bench.connectedEsc(38);
        Diagnostics &diagnostics = bench.form->diagnostics();
        diagnostics.setPathChooser([&path] { return path; });
        diagnostics.setDeviceDescriber([](const QString &) { return QStringLiteral("USB 1a86:7523, QinHeng"); });
        bench.form->findChild<QAction *>(QStringLiteral("SaveDiagnostics"))->trigger();

        QCOMPARE(QFileInfo::exists(path), written);
        if (!written) {
            QCOMPARE(bench.messages.texts.size(), 1);
            QVERIFY2(bench.messages.texts.front().startsWith(
                             QStringLiteral("The diagnostics could not be written to %1: ").arg(path)),
                     qPrintable(bench.messages.texts.front()));
            return;
        }
        QVERIFY(bench.messages.texts.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString report = QString::fromUtf8(file.readAll());
        const QString device = QString::fromStdString(esc.devicePath());
        const QString link = QString::fromStdString(esc.linkPath());
        QVERIFY(report.startsWith(QStringLiteral("OrvESC ")));
        for (const QString &expected :
             {QStringLiteral("\nQt "), QStringLiteral("\nSystem: "),
              QStringLiteral("\n  COM1  %1 (linked as %2)  USB 1a86:7523, QinHeng\n").arg(device, link),
              QStringLiteral("  -> 0x00 identify request\n"), QStringLiteral("  <- 0x26 model 38: QUORL R5 3S\n"),
              QStringLiteral("  <- 0x01 end of the settings\n")})
            QVERIFY2(report.contains(expected), qPrintable(expected));
    }
};

QTEST_MAIN(TestDiagnostics)
#include "tst_diagnostics.moc"
