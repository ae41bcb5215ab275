#include "sysinfo.h"

#include <QMap>
#include <QSet>
#include <QTest>

#include <optional>

using namespace orvesc;

namespace {

const QString MsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

using RegistryValues = QMap<QString, std::optional<QString>>; // "key|value" -> text; nullopt: not text

} // namespace

Q_DECLARE_METATYPE(RegistryValues)

// The registry text rules and the search for the system information program.
class TestSysInfo : public QObject
{
    Q_OBJECT

private slots:
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
        QFETCH(QString, expected);
        QCOMPARE(registryValueText(buffer, size, type, QStringLiteral("previous")), expected);
    }

    void registryLeadsToProgram_data()
    {
        QTest::addColumn<RegistryValues>("values");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");

        const QString pathValue = MsinfoKey + QStringLiteral("|PATH");
        const QString folderValue = LocationKey + QStringLiteral("|MSINFO");
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
        QFETCH(QString, expected);
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
        QCOMPARE(registrySysInfoPath(reader, [&](const QString &path) { return files.contains(path); }), expected);
    }
};

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
