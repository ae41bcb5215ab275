#include "adapterlatency.h"
#include "systemportinfo.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvesc;

// What the tool says of a USB adapter: its name, and its latency timer where the driver keeps one.
class TestAdapterInfo : public QObject
{
    Q_OBJECT

private slots:
    void namesAdaptersAsPeopleKnowThem_data()
    {
        QTest::addColumn<QString>("manufacturer");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("name");
        QTest::newRow("FTDI") << "FTDI" << "FT232R USB UART" << "FTDI FT232R USB UART";
        QTest::newRow("product names the maker") << "Silicon Labs" << "Silicon Labs CP210x USB to UART Bridge"
                                                 << "Silicon Labs CP210x USB to UART Bridge";
        QTest::newRow("no strings: the ids repeated") << "1A86" << "7523" << "";
        QTest::newRow("no maker string") << "1a86" << "USB Serial" << "USB Serial";
        QTest::newRow("maker only, padded") << " Prolific " << "" << "Prolific";
    }
    void namesAdaptersAsPeopleKnowThem()
    {
        QFETCH(QString, manufacturer);
        QFETCH(QString, product);
        SystemPortInfo info;
        info.vendorId = 0x1a86;
        info.productId = 0x7523;
        info.manufacturer = manufacturer;
        info.description = product;
        QTEST(adapterName(info), "name");
    }

    // The FTDI driver's registry tree, in a file of the same shape: device\instance\Device Parameters.
    void findsTheFtdiDriversLatencyByPortName_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("ms");  // -1: none
        QTest::newRow("second device") << "COM7" << 2;
        QTest::newRow("name in other case") << "com3" << 16;
        QTest::newRow("no LatencyTimer value") << "COM9" << -1;
        QTest::newRow("not an FTDI port") << "COM4" << -1;
    }
    void findsTheFtdiDriversLatencyByPortName()
    {
        QTemporaryDir dir;
        QSettings ftdibus(dir.filePath(QStringLiteral("ftdibus.ini")), QSettings::IniFormat);
        const auto add = [&](const QString &key, const QString &port, const QVariant &ms) {
            ftdibus.setValue(key + QStringLiteral("/Device Parameters/PortName"), port);
            if (ms.isValid())
                ftdibus.setValue(key + QStringLiteral("/Device Parameters/LatencyTimer"), ms);
        };
        add(QStringLiteral("VID_0403+PID_6001+A50285BI/0000"), QStringLiteral("COM3"), 16);
        add(QStringLiteral("VID_0403+PID_6015+DN01/0000"), QStringLiteral("COM9"), QVariant());
        add(QStringLiteral("VID_0403+PID_6015+DN02/0000"), QStringLiteral("COM7"), 2);
        QFETCH(QString, port);
        QTEST(ftdiRegistryLatencyMs(ftdibus, port).value_or(-1), "ms");
    }

    // ftdi_sio's latency_timer, found through a port link; "16\n" as sysfs gives it.
    void readsTheLatencyTheLinuxDriverShows()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps it in the registry");
#else
        QTemporaryDir dir;
        QFile timer(dir.filePath(QStringLiteral("ttyUSB0/latency_timer")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ttyUSB0")) && timer.open(QIODevice::WriteOnly));
        timer.write("16\n");
        timer.close();
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("ttyUSB0")), dir.filePath(QStringLiteral("com3"))));
        QCOMPARE(adapterLatencyMs(dir.filePath(QStringLiteral("com3")), dir.path()), std::optional<int>(16));
        QCOMPARE(adapterLatencyMs(dir.filePath(QStringLiteral("ttyUSB1")), dir.path()), std::nullopt);
#endif
    }
};

QTEST_GUILESS_MAIN(TestAdapterInfo)
#include "tst_adapterinfo.moc"
