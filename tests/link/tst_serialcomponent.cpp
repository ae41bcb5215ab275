#include "linkfixture.h"
#include "portholders.h"
#include "portlist.h"
#include "qserialportcomponent.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <grp.h>
#include <unistd.h>

using namespace orvesc;

namespace {

bool link(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

// The error an operation throws; number 0 when it throws none.
SerialError failureOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const SerialError &error) {
        return error;
    }
    return SerialError(0, SerialCause::OpenFailed, QStringLiteral("(no failure)"));
}

} // namespace

// COM numbers, the serial component, the port scan and port holders, on simulated ESCs and fake port lists.
class TestSerialComponent : public QObject
{
    Q_OBJECT

private slots:
    void numbersFollowLinksThenUsbThenOtherPorts_data()
    {
        QTest::addColumn<QString>("links");        // name=target ...
        QTest::addColumn<QString>("systemPorts");
        QTest::addColumn<QString>("expected");     // the devices of COM1, COM2, ...; "-" for none

        QTest::newRow("no link, no port") << "" << "" << "- -";
        QTest::newRow("usb first, each kind in natural order") << "" << "/dev/ttyS10 /dev/ttyUSB10 /dev/ttyS2 /dev/ttyUSB2 "
                "/dev/ttyACM0 /dev/ttyAMA0" << "/dev/ttyACM0 /dev/ttyUSB2 /dev/ttyUSB10 /dev/ttyAMA0 /dev/ttyS2 /dev/ttyS10 -";
        QTest::newRow("link takes its number") << "com2=/dev/fake-esc" << "/dev/ttyS0 /dev/ttyUSB0" << "/dev/ttyUSB0 /dev/fake-esc /dev/ttyS0 -";
        QTest::newRow("linked port not numbered twice") << "com3=/dev/ttyUSB0" << "/dev/ttyUSB0 /dev/ttyUSB1" << "/dev/ttyUSB1 - /dev/ttyUSB0 -";
        QTest::newRow("dangling link takes its number") << "com1=/nonexistent/ttyX" << "/dev/ttyS0" << "/nonexistent/ttyX /dev/ttyS0 -";
        QTest::newRow("only lowercase comN, 1 to 255, no leading zero")
                << "com07=/dev/a com0=/dev/b com256=/dev/c COM4=/dev/d comx=/dev/e" << "/dev/ttyS1" << "/dev/ttyS1 - - - - - - -";
    }
    void numbersFollowLinksThenUsbThenOtherPorts()
    {
        QFETCH(QString, links);
        QFETCH(QString, systemPorts);
        QFETCH(QString, expected);

        QTemporaryDir folder;
        for (const QString &entry : links.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY(link(entry.section(QLatin1Char('='), 1), folder.filePath(entry.section(QLatin1Char('='), 0, 0))));
        const PortMap map(folder.path(), systemPorts.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        QStringList devices;
        for (int number = 1; number <= expected.count(QLatin1Char(' ')) + 1; ++number)
            devices << (map.device(number).isEmpty() ? QStringLiteral("-") : map.device(number));
        QCOMPARE(devices.join(QLatin1Char(' ')), expected);
    }

    void openAndCloseKeepTheComponentRules()
    {
        test::SimFolder folder;
        sim::EscSimulator &esc = folder.addEsc(1);
        folder.addEsc(2);
        QVERIFY(link(QString::fromStdString(esc.linkPath()), folder.comLink(3)));
        QSerialPortComponent port(test::portMap(folder));
        QSerialPortComponent other(test::portMap(folder));
        port.setPortOpen(false);
        port.setCommPort(1);
        port.setPortOpen(true);
        QCOMPARE(port.openDevice(), QString::fromStdString(esc.devicePath()));
        QCOMPARE(failureOf([&] { port.setPortOpen(true); }).number(), serialerror::PortAlreadyOpen);
        QCOMPARE(failureOf([&] { port.setCommPort(2); }).number(), serialerror::PortAlreadyOpen);
        QCOMPARE(port.commPort(), 1);
        // Two names of one device share one lock.
        other.setCommPort(3);
        QCOMPARE(failureOf([&] { other.setPortOpen(true); }).number(), serialerror::PortInUse);
        port.setPortOpen(false);
        port.setPortOpen(false);
        QVERIFY(!port.portOpen());
        QCOMPARE(failureOf([&] { port.input(); }).number(), serialerror::PortNotOpen);
        other.setPortOpen(true);
        QVERIFY(esc.receivedBytes().empty());
    }

    void unusablePortsFailWithPlainDescriptions_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("device");  // linked as com<number>, when given
        QTest::addColumn<bool>("refused");    // access to the device refused to this user
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<QString>("says");    // the start of the description; %1 the device

        QTest::newRow("zero") << 0 << QString() << false << serialerror::NoSuchPort
                << "COM0 is not a port number this tool can use: the numbers run from COM1 to COM255.";
        QTest::newRow("above 255") << 256 << QString() << false << serialerror::NoSuchPort
                << "COM256 is not a port number this tool can use";
        QTest::newRow("no device has it") << 9 << QString() << false << serialerror::NoSuchPort
                << "There is no COM9: no serial port or USB adapter has that number. Check that the adapter is plugged in.";
        QTest::newRow("dangling link") << 3 << "/nonexistent/ttyUSB7" << false << serialerror::NoSuchPort
                << "COM3 (%1) cannot be opened: the device does not exist. Check that the USB adapter is plugged in.";
        QTest::newRow("not a serial port") << 4 << "/dev/null" << false << serialerror::NotSerialPort
                << "COM4 (%1) cannot be opened: it is not a serial port.";
        QTest::newRow("device of the dialout group") << 2 << "dialout" << true << serialerror::AccessDenied
                << "COM2 (%1) may not be opened by this user: access is granted to the group \"dialout\". "
                   "Join it with: sudo usermod -aG dialout $USER, then log in again.";
        // No one is told to join root's group.
        QTest::newRow("device of root's group") << 2 << "/dev/null" << true << serialerror::AccessDenied
                << "COM2 (%1) may not be opened by this user. Ask the administrator of this computer for access to the device.";
    }
    void unusablePortsFailWithPlainDescriptions()
    {
        QFETCH(int, number);
        QFETCH(QString, device);
        QFETCH(bool, refused);
        QFETCH(int, errorNumber);
        QFETCH(QString, says);

        // Tests run as root, where nothing is refused: the refusal is injected, and the open stops
        // before touching the device, so a file of the right group stands in for an adapter.
        QTemporaryFile stand;
        if (device == QLatin1String("dialout")) {
            const struct group *dialout = ::getgrnam("dialout");
            if (!stand.open() || !dialout || ::chown(QFile::encodeName(stand.fileName()).constData(), uid_t(-1), dialout->gr_gid) != 0)
                QSKIP("cannot give a file to the dialout group here");
            device = QFileInfo(stand.fileName()).canonicalFilePath();
        }
        test::SimFolder folder;
        QVERIFY(device.isEmpty() || link(device, folder.comLink(number)));
        QSerialPortComponent port(test::portMap(folder));
        if (refused)
            port.setAccessCheck([](const QString &) { return EACCES; });
        // Setting the number or opening may fail; once set, every open fails the same way.
        SerialError error = failureOf([&] { port.setCommPort(number); });
        if (error.number() == 0)
            error = failureOf([&] { port.setPortOpen(true); });
        QCOMPARE(error.number(), errorNumber);
        QVERIFY2(serialErrorText(error).startsWith(QString(says).replace(QLatin1String("%1"), device)),
                 qPrintable(serialErrorText(error)));
        QCOMPARE(serialErrorText(failureOf([&] { port.setPortOpen(true); })), serialErrorText(error));
        QVERIFY(!port.portOpen());
    }

    void scanListsThePortsThatOpen_data()
    {
        QTest::addColumn<QList<int>>("escs");  // simulated ESCs linked as com<n>
        QTest::addColumn<int>("held");          // the one another program holds, or 0
        QTest::addColumn<QList<int>>("expected");

        QTest::newRow("com1, com4, com7") << QList<int>{1, 4, 7} << 0 << QList<int>{1, 4, 7};
        QTest::newRow("no port") << QList<int>{} << 0 << QList<int>{};
        QTest::newRow("a held port is left out") << QList<int>{1, 2, 3} << 2 << QList<int>{1, 3};
        QTest::newRow("nothing above 21") << QList<int>{21, 22, 30} << 0 << QList<int>{21};
    }
    void scanListsThePortsThatOpen()
    {
        QFETCH(QList<int>, escs);
        QFETCH(int, held);
        QFETCH(QList<int>, expected);

        test::SimFolder folder;
        std::unique_ptr<test::PortHolder> holder;
        for (int n : escs) {
            const sim::EscSimulator &esc = folder.addEsc(n);
            if (n == held) {
                holder = std::make_unique<test::PortHolder>(QString::fromStdString(esc.devicePath()));
                QVERIFY(holder->held());
            }
        }
        // A link whose adapter is gone is never listed.
        QVERIFY(link(QStringLiteral("/nonexistent/ttyACM3"), folder.comLink(20)));

        const PortMap map = test::portMap(folder);
        QSerialPortComponent port(map);
        const std::vector<int> found = scanPorts(port, map).usable;
        QCOMPARE(QList<int>(found.begin(), found.end()), expected);
        QVERIFY(!port.portOpen());
        for (const auto &esc : folder.escs())
            QVERIFY(esc->receivedBytes().empty());
    }

    // Without a lock file the holder is found among the processes; the simulator in this process is not one.
    void namesTheProgramHoldingAPort()
    {
        test::SimFolder folder;
        const QString device = QString::fromStdString(folder.addEsc(1).devicePath());
        QVERIFY(processesHolding(device).empty());
        QProcess child;
        child.setStandardInputFile(device);
        child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(child.waitForStarted());
        const std::vector<HoldingProcess> holders = processesHolding(device);
        QCOMPARE(holders.size(), std::size_t(1));
        QCOMPARE(holders.front().pid, child.processId());
        QCOMPARE(serialErrorText(portInUse(QStringLiteral("COM1"), device)),
                 QStringLiteral("COM1 is in use by another program (sleep, process %1). Close that program, "
                                "or choose another port.").arg(child.processId()));
        child.kill();
        child.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSerialComponent)
#include "tst_serialcomponent.moc"
