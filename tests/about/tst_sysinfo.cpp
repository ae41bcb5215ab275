#include "sysinfo.h"

#include <QMap>
#include <QSet>
#include <QTest>

#include <optional>

using namespace orvesc;

namespace {

QByteArray bufferWith(const QByteArray &start)
{
    QByteArray buffer(RegistryBufferSize, '\0');
    buffer.replace(0, start.size(), start);
    return buffer;
}

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
    void registryValueBecomesText_data();
    void registryValueBecomesText();
    void registryLeadsToProgram_data();
    void registryLeadsToProgram();
};

void TestSysInfo::registryValueBecomesText_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<uint>("size");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("expected");

    const QByteArray path("C:\\Program Files\\Common Files\\msinfo32.exe");
    const QByteArray full(RegistryBufferSize, 'a');
    QByteArray almostFull(RegistryBufferSize, 'b');
    almostFull[RegistryBufferSize - 1] = '\0';

    QTest::newRow("terminator dropped") << bufferWith(path) << uint(path.size() + 1) << 1u
                                        << QString::fromLatin1(path);
    QTest::newRow("unterminated text kept whole") << bufferWith(path + "XYZ") << uint(path.size()) << 1u
                                                  << QString::fromLatin1(path);
    QTest::newRow("1024 characters, no room for a terminator")
        << full << 1024u << 1u << QString(RegistryBufferSize, QLatin1Char('a'));
    QTest::newRow("1023 characters and terminator") << almostFull << 1024u << 1u
                                                    << QString(RegistryBufferSize - 1, QLatin1Char('b'));
    QTest::newRow("only one zero dropped") << bufferWith(QByteArray("abc\0\0", 5)) << 5u << 1u
                                           << QString::fromLatin1("abc\0", 4);
    QTest::newRow("empty value") << bufferWith({}) << 0u << 1u << QString();
    QTest::newRow("size beyond the buffer") << full << 5000u << 1u << QString(RegistryBufferSize, QLatin1Char('a'));
    QTest::newRow("number 12345") << bufferWith(QByteArray("\x39\x30\x00\x00", 4)) << 4u << 4u
                                  << QStringLiteral("12345");
    QTest::newRow("number with high byte only") << bufferWith(QByteArray("\x00\x00\x00\x01", 4)) << 4u << 4u
                                                << QStringLiteral("16777216");
    QTest::newRow("largest number") << bufferWith("\xff\xff\xff\xff") << 4u << 4u << QStringLiteral("4294967295");
    QTest::newRow("expandable text left alone") << bufferWith("%SystemRoot%") << 13u << 2u
                                                << QStringLiteral("previous");
    QTest::newRow("binary left alone") << bufferWith("\x01\x02") << 2u << 3u << QStringLiteral("previous");
}

void TestSysInfo::registryValueBecomesText()
{
    QFETCH(QByteArray, buffer);
    QFETCH(uint, size);
    QFETCH(uint, type);
    QFETCH(QString, expected);

    QCOMPARE(registryValueText(buffer, size, type, QStringLiteral("previous")), expected);
}

void TestSysInfo::registryLeadsToProgram_data()
{
    using Values = RegistryValues;
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    const QString pathValue = MsinfoKey + QStringLiteral("|PATH");
    const QString folderValue = LocationKey + QStringLiteral("|MSINFO");
    const QString recorded = QStringLiteral("D:\\Tools\\msinfo32.exe");
    const QString folder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
    const QString inFolder = folder + QStringLiteral("\\MSINFO32.EXE");

    QTest::newRow("recorded path wins over the folder, unchecked")
        << Values{{pathValue, recorded}, {folderValue, folder}} << QStringList{inFolder} << recorded;
    QTest::newRow("folder holding the program") << Values{{folderValue, folder}} << QStringList{inFolder}
                                                << inFolder;
    QTest::newRow("folder without the program") << Values{{folderValue, folder}} << QStringList{} << QString();
    QTest::newRow("neither key") << Values{} << QStringList{inFolder} << QString();
    QTest::newRow("recorded path not text") << Values{{pathValue, std::nullopt}, {folderValue, folder}}
                                            << QStringList{inFolder} << QString();
}

void TestSysInfo::registryLeadsToProgram()
{
    using Values = RegistryValues;
    QFETCH(Values, values);
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
    const auto exists = [&](const QString &path) { return files.contains(path); };

    QCOMPARE(registrySysInfoPath(reader, exists), expected);
}

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
