#include "adapterlatency.h"
#include "deviceloss.h"
#include "portlist.h"
#include "portmap.h"
#include "systemportinfo.h"
#include "windowsportinfo.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orvesc;
using winerror::FailedWait;

Q_DECLARE_METATYPE(FailedWait)

// What the tool reads of a USB adapter, alike on every system: its name (SetupAPI's entry on
// Windows), its latency timer where the driver keeps one, and which Win32 errors mean it is gone.
class TestAdapters : public QObject
{
    Q_OBJECT

private slots:
    // Only ports that are there are listed: on Windows the ones the system lists (every COM number
    // names a device there), elsewhere links whose device exists.
    void listsOnlyThePortsThatAreThere()
    {
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("ttyUSB0"))).open(QIODevice::WriteOnly);
        QFile::link(dir.filePath(QStringLiteral("ttyUSB0")), dir.filePath(QStringLiteral("com3")));
        QFile::link(dir.filePath(QStringLiteral("ttyUSB1")), dir.filePath(QStringLiteral("com5")));
        std::vector<int> numbers;
        for (const ListedPort &port : listedPorts(PortMap(dir.path(), {QStringLiteral("COM3")})))
            numbers.push_back(port.number);
        QCOMPARE(numbers, std::vector<int>{3});
    }

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

    // `gone`: a failed read, write or ClearCommError means the adapter was unplugged; `wait`: what
    // the watcher makes of a WaitCommEvent that failed so while the port is meant to stay open.
    void readsErrorsOfAnOpenPort_data()
    {
        QTest::addColumn<unsigned long>("error");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<FailedWait>("wait");
        const auto row = [](const char *name, unsigned long error, bool gone, FailedWait wait) {
            QTest::newRow(name) << error << gone << wait;
        };
        const std::pair<const char *, unsigned long> gone[] = {
            {"ERROR_FILE_NOT_FOUND", 2}, {"ERROR_ACCESS_DENIED", 5}, {"ERROR_INVALID_HANDLE", 6},
            {"ERROR_NOT_READY", 21}, {"ERROR_BAD_COMMAND", 22}, {"ERROR_GEN_FAILURE", 31},
            {"ERROR_DEV_NOT_EXIST", 55}, {"ERROR_NO_SUCH_DEVICE", 433}, {"ERROR_DEVICE_NOT_CONNECTED", 1167},
            {"ERROR_DEVICE_REMOVED", 1617}};
        for (const auto &[name, error] : gone)
            row(name, error, true, FailedWait::Gone);
        // A driver's cancel on unplug, but also Wine's at once on a line without modem lines.
        row("ERROR_OPERATION_ABORTED", 995, true, FailedWait::AskTheLine);
        row("ERROR_SUCCESS", 0, false, FailedWait::AskTheLine);
        row("ERROR_INVALID_PARAMETER", 87, false, FailedWait::AskTheLine);
        row("ERROR_SEM_TIMEOUT", 121, false, FailedWait::AskTheLine);
        row("ERROR_IO_PENDING", 997, false, FailedWait::AskTheLine);
        row("ERROR_COUNTER_TIMEOUT", 1121, false, FailedWait::AskTheLine);
    }
    void readsErrorsOfAnOpenPort()
    {
        QFETCH(unsigned long, error);
        QTEST(winerror::meansDeviceGone(error), "gone");
        QTEST(winerror::failedWait(error, false), "wait");
        // Whatever ends the wait while close() stops the watcher (its own cancel included) is no loss.
        // Where that wait lives (the component, never the watcher's stack) and close() not waiting
        // 200 ms for a wait never begun are not seen here: Wine ends every such wait at once.
        QCOMPARE(winerror::failedWait(error, true), FailedWait::Stopped);
    }
};

QTEST_GUILESS_MAIN(TestAdapters)
#include "tst_adapters.moc"
