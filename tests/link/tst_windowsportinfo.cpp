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
        for (const char *column : {"device", "friendlyName", "hardwareId", "description", "ids"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *name, const char *device, const char *friendly, const char *id,
                            const char *description, const char *ids) {
            QTest::newRow(name) << device << friendly << id << description << ids;
        };
        row("usbser", "COM3", "USB Serial Port (COM3)", "USB\\VID_0403&PID_6001&REV_0600", "USB Serial Port",
            "0403:6001");
        row("FTDI's bus", "\\\\.\\COM4", "USB Serial Port (COM4)", "FTDIBUS\\COMPORT&VID_0403&PID_6015",
            "USB Serial Port", "0403:6015");
        row("lower case, path", "C:/work/com12", "CH340 (COM12)", "usb\\vid_1a86&pid_7523", "CH340", "1a86:7523");
        row("another port's number", "COM1", "Bridge (COM10)", "USB\\VID_10C4&PID_EA60", "Bridge (COM10)",
            "10c4:ea60");
        row("built-in port", "COM1", "Communications Port (COM1)", "ACPI\\PNP0501", "Communications Port", "");
        row("vendor id alone", "COM5", "", "USB\\VID_0403", "", "");
        row("short id", "COM5", "", "USB\\VID_04&PID_6001", "", "");
    }
    void readsSetupApiEntries()
    {
        QFETCH(QString, device);
        QFETCH(QString, friendlyName);
        QFETCH(QString, hardwareId);
        const QString port = windowsport::comName(device);
        const SystemPortInfo info = windowsport::fromSetupApi(port, friendlyName, QStringLiteral("FTDI"), hardwareId);
        QTEST(info.description, "description");
        QCOMPARE(info.manufacturer, QStringLiteral("FTDI"));
        const auto hex = [](quint16 id) { return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')); };
        QTEST(info.vendorId ? hex(*info.vendorId) + QLatin1Char(':') + hex(*info.productId) : QString(), "ids");
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
