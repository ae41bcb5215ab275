#include "frmabout.h"
#include "orvescversion.h"
#include "sysinfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <optional>

using namespace orvesc;

namespace {

const QString Unavailable = QStringLiteral("System Information Is Unavailable At This Time");

using RegistryValues = QMap<QString, std::optional<QString>>; // "key|value" -> text; nullopt: not text

// Every text the dialog shows: caption, then its labels and buttons by name.
QStringList textsOf(QWidget *dialog)
{
    QStringList texts{ dialog->windowTitle() };
    for (const char *name : { "lblTitle", "lblVersion", "lblDescription", "lblDisclaimer", "cmdOK", "cmdSysInfo" }) {
        QWidget *widget = dialog->findChild<QWidget *>(QLatin1String(name));
        texts << (widget ? widget->property("text").toString() : QStringLiteral("<missing>"));
    }
    return texts;
}

void click(QWidget *dialog, const char *name)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Shows the dialog and presses System Info...; what a message box showed (title, text, icon, buttons), if one came.
QStringList pressSysInfo(QPointer<frmAbout> &dialog)
{
    dialog->show();
    QStringList box;
    QObject press; // ends the timer with this press, should no box come
    QTimer::singleShot(0, &press, [&box] {
        if (auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            box << shown->windowTitle() << shown->text() << QString::number(shown->icon())
                << QString::number(shown->standardButtons().toInt());
            shown->button(QMessageBox::Ok)->click();
        }
    });
    click(dialog, "cmdSysInfo");
    return box;
}

QStringList unavailableBox()
{
    return { "OrvESC", Unavailable, QString::number(QMessageBox::NoIcon), QString::number(QMessageBox::Ok) };
}

} // namespace

Q_DECLARE_METATYPE(RegistryValues)

// The About dialog, what its buttons do, and the search for the system information program.
class TestAbout : public QObject
{
    Q_OBJECT

    QByteArray m_path;

private slots:
    void init()
    {
        QCoreApplication::setApplicationName(QStringLiteral(ORVESC_APP_NAME));
        QCoreApplication::setApplicationVersion(QStringLiteral(ORVESC_VERSION_STRING));
        m_path = qgetenv("PATH");
    }

    void cleanup()
    {
        qputenv("PATH", m_path);
        qDeleteAll(QApplication::topLevelWidgets());
    }

    void showsTheApplicationAndOkUnloads()
    {
        QPointer<frmAbout> dialog = new frmAbout;
        dialog->show();
        QVERIFY(!dialog->isModal());
        QVERIFY(!dialog->findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
        const QStringList seen = textsOf(dialog);
        click(dialog, "cmdOK");
        QVERIFY2(dialog.isNull(), "OK must unload the dialog");
        QCOMPARE(seen.mid(0, 3), (QStringList{ "About OrvESC", "Orvantis ESC PC interface", "Version 1.3.1" }));
        QVERIFY(seen[3].endsWith("\nFor news and updates visit www.orvantis.example"));
        QVERIFY(seen[4].startsWith("Warning:"));
        QCOMPARE(seen.mid(5), (QStringList{ "OK", "&System Info..." }));

        // Caption and version come from the application, the version without leading zeros.
        QCoreApplication::setApplicationName("Bench");
        QCoreApplication::setApplicationVersion("2.010.0007");
        frmAbout other;
        QCOMPARE(textsOf(&other).mid(0, 3), (QStringList{ "About Bench", "Orvantis ESC PC interface", "Version 2.10.7" }));
    }

    // The dialog is modeless: a language picked while it is open reaches every text at once.
    void everyTextFollowsALanguageChangeWhileOpen()
    {
        struct Bracketing : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *text, const char *, int) const override
            {
                return QStringLiteral("[%1]").arg(QString::fromUtf8(text));
            }
        } bracketing;
        frmAbout dialog;
        dialog.show();
        const QStringList english = textsOf(&dialog);
        QVERIFY(QCoreApplication::installTranslator(&bracketing));
        QCoreApplication::sendPostedEvents(); // the language change comes as a posted event
        const QStringList translated = textsOf(&dialog);
        QCoreApplication::removeTranslator(&bracketing);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(translated.mid(0, 3), (QStringList{ "[About OrvESC]", "[Orvantis ESC PC interface]", "[Version 1.3.1]" }));
        for (const QString &text : translated.mid(3))
            QVERIFY2(text.startsWith('[') && text.endsWith(']'), qPrintable(text));
        QCOMPARE(textsOf(&dialog), english);
    }

    void sysInfoStartsFirstKnownProgramOrSaysItCannot_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QByteArray>("interpreter");
        QTest::addColumn<QString>("started");
        QTest::newRow("first known program on the PATH")
                << QStringList{ "gnome-system-monitor", "hardinfo", "kinfocenter" } << QByteArray("/bin/sh") << "hardinfo";
        QTest::newRow("empty PATH") << QStringList{} << QByteArray() << QString();
        QTest::newRow("program that cannot start") << QStringList{ "hardinfo2" } << QByteArray("/nonexistent/sh") << QString();
    }

    void sysInfoStartsFirstKnownProgramOrSaysItCannot()
    {
#ifdef _WIN32
        QSKIP("Windows finds the program through the registry");
#endif
        QFETCH(QStringList, installed);
        QFETCH(QByteArray, interpreter);
        QFETCH(QString, started);
        // Stand-in programs that leave proof they ran, alone on the PATH.
        QTemporaryDir dir;
        for (const QString &name : installed) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray proof = QFile::encodeName(dir.filePath("ran-" + name));
            file.write("#!" + interpreter + "\necho started > '" + proof + "'\n");
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        qputenv("PATH", installed.isEmpty() ? QByteArray() : QFile::encodeName(dir.path()));
        QPointer<frmAbout> dialog = new frmAbout;
        const QStringList box = pressSysInfo(dialog);
        if (!started.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ran-" + started)), 10000);
        QCOMPARE(box, started.isEmpty() ? unavailableBox() : QStringList{});
        QVERIFY(dialog && dialog->isVisible());
        for (const QString &name : installed)
            QVERIFY2(name == started || !QFile::exists(dir.filePath("ran-" + name)), qPrintable(name));
    }

#ifdef _WIN32
    // System Info starts what the registry records (the machine's own value is put back afterwards).
    void sysInfoStartsTheRegistrysProgram_data()
    {
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<bool>("starts");
        QTest::newRow("recorded program") << "sysinfo.bat" << true;
        QTest::newRow("recorded program missing") << "missing.exe" << false;
        QTest::newRow("nothing recorded") << QString() << false;
    }
    void sysInfoStartsTheRegistrysProgram()
    {
        QFETCH(QString, recorded);
        QFETCH(bool, starts);
        QTemporaryDir dir;
        const QString proof = QDir::toNativeSeparators(dir.filePath("ran"));
        QFile standIn(dir.filePath("sysinfo.bat"));
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("@echo started > \"" + proof.toLocal8Bit() + "\"\r\n");
        standIn.close();

        QSettings msinfo(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                         QSettings::NativeFormat);
        QSettings location(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QSettings::NativeFormat);
        const QVariant machinePath = msinfo.value("PATH"), machineFolder = location.value("MSINFO");
        const auto restore = qScopeGuard([&] {
            machinePath.isValid() ? msinfo.setValue("PATH", machinePath) : msinfo.remove("PATH");
            machineFolder.isValid() ? location.setValue("MSINFO", machineFolder) : location.remove("MSINFO");
        });
        location.remove("MSINFO");
        if (recorded.isEmpty())
            msinfo.remove("PATH");
        else
            msinfo.setValue("PATH", QDir::toNativeSeparators(dir.filePath(recorded)));
        msinfo.sync();
        location.sync();
        QVERIFY2(msinfo.status() == QSettings::NoError, "the test may not write HKEY_LOCAL_MACHINE");

        QPointer<frmAbout> dialog = new frmAbout;
        QCOMPARE(pressSysInfo(dialog), starts ? QStringList{} : unavailableBox());
        if (starts)
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ran")), 10000);
        QVERIFY(dialog && dialog->isVisible());
        delete dialog;
    }
#endif

    void registryValueBecomesText_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<uint>("size");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QString>("expected");
        const QByteArray path("C:\\Program Files\\Common Files\\msinfo32.exe");
        const QByteArray full(RegistryBufferSize, 'a');
        const QByteArray almostFull = QByteArray(RegistryBufferSize - 1, 'b') + '\0';
        const auto row = [](const char *name, const QByteArray &start, uint size, uint type, const QString &expected) {
            QByteArray buffer(RegistryBufferSize, '\0');
            QTest::newRow(name) << buffer.replace(0, start.size(), start) << size << type << expected;
        };
        row("terminator dropped", path, path.size() + 1, 1, path);
        row("unterminated text kept whole", path + "XYZ", path.size(), 1, path);
        row("1024 characters, no room for a terminator", full, 1024, 1, full);
        row("1023 characters and terminator", almostFull, 1024, 1, almostFull.chopped(1));
        row("only one zero dropped", QByteArray("abc\0\0", 5), 5, 1, QString::fromLatin1("abc\0", 4));
        row("size beyond the buffer", full, 5000, 1, full);
        row("number 12345", QByteArray("\x39\x30\x00\x00", 4), 4, 4, "12345");
        row("largest number", "\xff\xff\xff\xff", 4, 4, "4294967295");
        row("expandable text left alone", "%SystemRoot%", 13, 2, "previous");
    }

    void registryValueBecomesText()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(uint, size);
        QFETCH(uint, type);
        QTEST(registryValueText(buffer, size, type, QStringLiteral("previous")), "expected");
    }

    void registryLeadsToProgram_data()
    {
        QTest::addColumn<RegistryValues>("values");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        const QString pathValue = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH");
        const QString folderValue = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO");
        const QString recorded = QStringLiteral("D:\\Tools\\msinfo32.exe");
        const QString folder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
        const QStringList inFolder{ folder + QStringLiteral("\\MSINFO32.EXE") };
        using Values = RegistryValues;
        QTest::newRow("recorded path wins over the folder, unchecked")
                << Values{ { pathValue, recorded }, { folderValue, folder } } << inFolder << recorded;
        QTest::newRow("folder holding the program") << Values{ { folderValue, folder } } << inFolder << inFolder[0];
        QTest::newRow("folder without the program") << Values{ { folderValue, folder } } << QStringList{} << QString();
        QTest::newRow("neither key") << Values{} << inFolder << QString();
        QTest::newRow("recorded path not text")
                << Values{ { pathValue, std::nullopt }, { folderValue, folder } } << inFolder << QString();
    }

    void registryLeadsToProgram()
    {
        QFETCH(RegistryValues, values);
        QFETCH(QStringList, files);
        const auto reader = [&](const QString &key, const QString &value, QString &text) {
            const auto found = values.constFind(key + QLatin1Char('|') + value);
            if (found == values.constEnd()) {
                text.clear();
                return false;
            }
            if (*found)
                text = **found;
            return true;
        };
        QTEST(registrySysInfoPath(reader, [&](const QString &path) { return files.contains(path); }), "expected");
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
