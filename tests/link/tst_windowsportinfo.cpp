#include "portmap.h"
#include "windowsportinfo.h"

#include <QTest>

using namespace orvesc;

// What a COM port's SetupAPI entry becomes, read alike on every system.
class TestWindowsPortInfo : public QObject
{
    Q_OBJECT

private slots:
    // `ids`: vendor:product as the port list shows them, empty where the hardware id has none.
    void readsSetupApiEntries_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("friendlyName");
        QTest::addColumn<QString>("hardwareId");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("ids");
        QTest::newRow("FTDI through usbser's bus") << "COM3" << "USB Serial Port (COM3)"
                                                   << "USB\\VID_0403&PID_6001&REV_0600" << "USB Serial Port"
                                                   << "0403:6001";
        QTest::newRow("FTDI's own bus driver") << "\\\\.\\COM4" << "USB Serial Port (COM4)"
                                               << "FTDIBUS\\COMPORT&VID_0403&PID_6015" << "USB Serial Port"
                                               << "0403:6015";
        QTest::newRow("CH340, lower-case id, path") << "C:/work/com12" << "USB-SERIAL CH340 (COM12)"
                                                    << "usb\\vid_1a86&pid_7523" << "USB-SERIAL CH340" << "1a86:7523";
        QTest::newRow("another port's number stays") << "COM1" << "Bridge (COM10)" << "USB\\VID_10C4&PID_EA60"
                                                     << "Bridge (COM10)" << "10c4:ea60";
        QTest::newRow("built-in port") << "COM1" << "Communications Port (COM1)" << "ACPI\\PNP0501"
                                       << "Communications Port" << "";
        QTest::newRow("vendor id alone") << "COM5" << "" << "USB\\VID_0403" << "" << "";
        QTest::newRow("short id") << "COM5" << "" << "USB\\VID_04&PID_6001" << "" << "";
    }
    void readsSetupApiEntries()
    {
        QFETCH(QString, device);
        QFETCH(QString, friendlyName);
        QFETCH(QString, hardwareId);
        QFETCH(QString, description);
        QFETCH(QString, ids);
        const QString port = windowsport::comName(device);
        const SystemPortInfo info = windowsport::fromSetupApi(port, friendlyName, QStringLiteral("FTDI"), hardwareId);
        QCOMPARE(info.description, description);
        QCOMPARE(info.manufacturer, QStringLiteral("FTDI"));
        QCOMPARE(info.vendorId ? QStringLiteral("%1:%2")
                                         .arg(*info.vendorId, 4, 16, QLatin1Char('0'))
                                         .arg(*info.productId, 4, 16, QLatin1Char('0'))
                               : QString(),
                 ids);
    }

#ifdef _WIN32
    // A port the system lists is described; without a SetupAPI entry (Wine keeps none for the ports it
    // maps) by its driver path. SetupAPI's own entries are not tried here: no Windows, no adapter.
    void describesListedPorts()
    {
        const QStringList ports = PortMap::reportedSystemPorts();
        if (ports.isEmpty())
            QSKIP("The system lists no COM port.");
        const std::optional<SystemPortInfo> info = systemPortInfo(QStringLiteral("\\\\.\\") + ports.first());
        QVERIFY(info);
        QVERIFY(!info->description.isEmpty());
        if (info->manufacturer.isEmpty())
            QVERIFY2(info->description.startsWith(QLatin1String("\\Device\\")), qPrintable(info->description));
    }
#endif
};

QTEST_APPLESS_MAIN(TestWindowsPortInfo)
#include "tst_windowsportinfo.moc"
