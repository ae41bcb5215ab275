#include "linkfixture.h"
#include "portscan.h"
#include "qserialportcomponent.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <grp.h>
#include <functional>
#include <unistd.h>

using namespace orvesc;
using namespace std::chrono_literals;

namespace {

// The error an operation throws; the test fails when it throws none.
SerialError failureOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const SerialError &error) {
        return error;
    }
    return SerialError(0, QStringLiteral("(no failure)"));
}

void link(const QString &target, const QString &linkPath)
{
    QVERIFY(::symlink(QFile::encodeName(target).constData(),
                      QFile::encodeName(linkPath).constData())
            == 0);
}

} // namespace

// The serial component and the port scan against simulated ESCs.
class TestSerialComponent : public QObject
{
    Q_OBJECT

private slots:
    void closingTwiceAndReopeningWork();
    void portNumberChangesOnlyWhileClosed();
    void unusableNumbersFailWithPlainDescriptions_data();
    void unusableNumbersFailWithPlainDescriptions();
    void heldPortNamesTheOtherProgram();
    void twoNamesOfOneDeviceShareOneLock();
    void refusedAccessSaysWhichGroupGrantsIt_data();
    void refusedAccessSaysWhichGroupGrantsIt();
    void droppedLineIsReportedAsLost();
    void bytesLeftOverAreGoneAtTheNextOpen();
    void scanListsThePortsThatOpen_data();
    void scanListsThePortsThatOpen();
};

void TestSerialComponent::closingTwiceAndReopeningWork()
{
    test::SimBench bench;
    sim::EscSimulator &esc = bench.start(1);
    QSerialPortComponent port(bench.portMap());
    port.setPortOpen(false);
    port.setCommPort(1);
    port.setPortOpen(true);
    QVERIFY(port.portOpen());
    QCOMPARE(port.openDevice(), QFileInfo(QString::fromStdString(esc.devicePath())).canonicalFilePath());
    QCOMPARE(failureOf([&] { port.setPortOpen(true); }).number(), serialerror::PortAlreadyOpen);
    port.setPortOpen(false);
    port.setPortOpen(false);
    QVERIFY(!port.portOpen());
    QCOMPARE(failureOf([&] { port.input(); }).number(), serialerror::PortNotOpen);
    port.setPortOpen(true);
    QVERIFY(port.portOpen());
    QVERIFY(esc.receivedBytes().empty());
}

void TestSerialComponent::portNumberChangesOnlyWhileClosed()
{
    test::SimBench bench;
    bench.start(1);
    bench.start(2);
    QSerialPortComponent port(bench.portMap());
    port.setCommPort(1);
    port.setPortOpen(true);
    const SerialError error = failureOf([&] { port.setCommPort(2); });
    QCOMPARE(error.number(), serialerror::PortAlreadyOpen);
    QCOMPARE(port.commPort(), 1);
}

void TestSerialComponent::unusableNumbersFailWithPlainDescriptions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("linkTarget");  // a link com<number> to this; none when empty
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("says");

    QTest::newRow("zero") << 0 << QString() << serialerror::NoSuchPort
                          << "COM0 is not a port number this tool can use";
    QTest::newRow("above 255") << 256 << QString() << serialerror::NoSuchPort
                               << "the numbers run from COM1 to COM255";
    QTest::newRow("no device has it") << 9 << QString() << serialerror::NoSuchPort
                                      << "There is no COM9";
    QTest::newRow("dangling link") << 3 << "/nonexistent/ttyUSB7" << serialerror::NoSuchPort
                                   << "COM3 (/nonexistent/ttyUSB7) cannot be opened: the device "
                                      "does not exist";
    QTest::newRow("not a serial port") << 4 << "/dev/null" << serialerror::NotSerialPort
                                       << "COM4 (/dev/null) cannot be opened: it is not a "
                                          "serial port";
}

void TestSerialComponent::unusableNumbersFailWithPlainDescriptions()
{
    QFETCH(int, number);
    QFETCH(QString, linkTarget);
    QFETCH(int, errorNumber);
    QFETCH(QString, says);

    test::SimBench bench;
    if (!linkTarget.isEmpty())
        link(linkTarget, bench.folder() + QStringLiteral("/com%1").arg(number));
    QSerialPortComponent port(bench.portMap());
    // Setting the number or opening may fail; either way the open fails the same way.
    SerialError error = failureOf([&] { port.setCommPort(number); });
    if (error.number() == 0)
        error = failureOf([&] { port.setPortOpen(true); });
    QCOMPARE(error.number(), errorNumber);
    QVERIFY2(error.description().contains(says), qPrintable(error.description()));
    QVERIFY(!error.description().contains(QLatin1String("Unknown error")));
    QCOMPARE(failureOf([&] { port.setPortOpen(true); }).number(), errorNumber);
    QVERIFY(!port.portOpen());
}

void TestSerialComponent::heldPortNamesTheOtherProgram()
{
    test::SimBench bench;
    sim::EscSimulator &esc = bench.start(2);
    test::PortHolder holder(QString::fromStdString(esc.devicePath()));
    QVERIFY(holder.held());

    QSerialPortComponent port(bench.portMap());
    port.setCommPort(2);
    const SerialError error = failureOf([&] { port.setPortOpen(true); });
    QCOMPARE(error.number(), serialerror::PortInUse);
    QVERIFY2(error.description().startsWith(QStringLiteral("COM2 (%1) is in use by another program (orvesc-test-portholder, process ")
                                                    .arg(QString::fromStdString(esc.devicePath()))),
             qPrintable(error.description()));
    QVERIFY(error.description().endsWith(QLatin1String("Close that program, or choose another port.")));
}

void TestSerialComponent::twoNamesOfOneDeviceShareOneLock()
{
    test::SimBench bench;
    sim::EscSimulator &esc = bench.start(1);
    link(QString::fromStdString(esc.linkPath()), bench.folder() + QStringLiteral("/com2"));

    QSerialPortComponent first(bench.portMap());
    QSerialPortComponent second(bench.portMap());
    first.setCommPort(1);
    first.setPortOpen(true);
    second.setCommPort(2);
    QCOMPARE(failureOf([&] { second.setPortOpen(true); }).number(), serialerror::PortInUse);
    first.setPortOpen(false);
    second.setPortOpen(true);
    QVERIFY(second.portOpen());
}

void TestSerialComponent::refusedAccessSaysWhichGroupGrantsIt_data()
{
    QTest::addColumn<bool>("rootDevice");
    QTest::addColumn<QString>("advice");

    QTest::newRow("device of the dialout group")
            << false
            << "may not be opened by this user: access is granted to the group \"dialout\". "
               "Join it with: sudo usermod -aG dialout $USER, then log in again.";
    // No one is told to join root's group.
    QTest::newRow("device of root's group")
            << true
            << "may not be opened by this user. Ask the administrator of this computer for "
               "access to the device.";
}

void TestSerialComponent::refusedAccessSaysWhichGroupGrantsIt()
{
    QFETCH(bool, rootDevice);
    QFETCH(QString, advice);

    test::SimBench bench;
    // With the refusal injected the open stops before the device is touched, so a file with
    // the right group stands in for an adapter.
    QTemporaryFile stand;
    QVERIFY(stand.open());
    if (!rootDevice) {
        const struct group *dialout = ::getgrnam("dialout");
        if (!dialout || ::chown(QFile::encodeName(stand.fileName()).constData(), uid_t(-1), dialout->gr_gid) != 0)
            QSKIP("cannot give a file to the dialout group here");
    }
    const QString device = rootDevice ? QStringLiteral("/dev/null")
                                      : QFileInfo(stand.fileName()).canonicalFilePath();
    link(device, bench.folder() + QStringLiteral("/com2"));

    QSerialPortComponent port(bench.portMap());
    QString checked;
    port.setAccessCheck([&](const QString &path) {
        checked = path;
        return EACCES;
    });
    port.setCommPort(2);
    const SerialError error = failureOf([&] { port.setPortOpen(true); });
    QCOMPARE(error.number(), serialerror::AccessDenied);
    QCOMPARE(checked, device);
    QCOMPARE(error.description(), QStringLiteral("COM2 (%1) ").arg(device) + advice);
}

void TestSerialComponent::droppedLineIsReportedAsLost()
{
    test::SimBench bench;
    sim::SimOptions options;
    options.faults.dropAfterBytes = 1;
    sim::EscSimulator &esc = bench.start(1, options);
    const QString device = QString::fromStdString(esc.devicePath());

    QSerialPortComponent port(bench.portMap());
    port.setCommPort(1);
    port.setPortOpen(true);
    port.output(QByteArray(1, '\0'));
    QTRY_VERIFY(esc.lineDropped());
    SerialError error(0, QString());
    QTRY_VERIFY((error = failureOf([&] { port.inBufferCount(); })).number() != 0);
    QCOMPARE(error.number(), serialerror::ConnectionLost);
    QCOMPARE(error.description(),
             QStringLiteral("The connection to COM1 (%1) was lost: the USB adapter may have been "
                            "unplugged.")
                     .arg(device));
    port.setPortOpen(false);
    QCOMPARE(failureOf([&] { port.setCommPort(1); }).number(), serialerror::NoSuchPort);
}

void TestSerialComponent::bytesLeftOverAreGoneAtTheNextOpen()
{
    test::SimBench bench;
    sim::SimOptions options;
    options.faults.extraBytes = {38, 39};
    sim::EscSimulator &esc = bench.start(1, options);

    QSerialPortComponent port(bench.portMap());
    port.setCommPort(1);
    port.setInputLen(1);
    port.setPortOpen(true);
    port.output(QByteArray(1, '\0'));
    QTRY_COMPARE(port.inBufferCount(), 3);
    QCOMPARE(port.input(), QByteArray(1, char(38)));
    port.setPortOpen(false);

    port.setPortOpen(true);
    QTest::qWait(50);
    QCOMPARE(port.inBufferCount(), 0);
    port.setInputLen(0);
    QCOMPARE(port.input(), QByteArray());

    // The reading mode takes everything waiting.
    port.output(QByteArray(1, '\0'));
    QTRY_COMPARE(port.inBufferCount(), 3);
    QCOMPARE(port.input(), QByteArray("\x26\x26\x27", 3));
    QCOMPARE(test::receivedValues(esc), (std::vector<int>{0, 0}));
}

void TestSerialComponent::scanListsThePortsThatOpen_data()
{
    QTest::addColumn<QList<int>>("escs");        // simulated ESCs linked as com<n>
    QTest::addColumn<int>("held");                // the ESC another program holds, or 0
    QTest::addColumn<QString>("danglingLink");    // a link to nowhere, or empty
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("com1, com4, com7") << QList<int>{1, 4, 7} << 0 << QString() << QList<int>{1, 4, 7};
    QList<int> twelve;
    for (int n = 1; n <= 12; ++n)
        twelve << n;
    QTest::newRow("twelve ports") << twelve << 0 << QString() << twelve;
    QTest::newRow("no port") << QList<int>{} << 0 << QString() << QList<int>{};
    QTest::newRow("a held port is left out") << QList<int>{1, 2, 3} << 2 << QString()
                                             << QList<int>{1, 3};
    QTest::newRow("nothing above 21") << QList<int>{21, 22, 30} << 0 << QString() << QList<int>{21};
    QTest::newRow("a dangling link is left out") << QList<int>{2} << 0 << QStringLiteral("com5")
                                                 << QList<int>{2};
}

void TestSerialComponent::scanListsThePortsThatOpen()
{
    QFETCH(QList<int>, escs);
    QFETCH(int, held);
    QFETCH(QString, danglingLink);
    QFETCH(QList<int>, expected);

    test::SimBench bench;
    std::vector<sim::EscSimulator *> sims;
    std::unique_ptr<test::PortHolder> holder;
    for (int n : escs) {
        sims.push_back(&bench.start(n));
        if (n == held) {
            holder = std::make_unique<test::PortHolder>(QString::fromStdString(sims.back()->devicePath()));
            QVERIFY(holder->held());
        }
    }
    if (!danglingLink.isEmpty())
        link(QStringLiteral("/nonexistent/ttyACM3"), bench.folder() + QLatin1Char('/') + danglingLink);

    QSerialPortComponent port(bench.portMap());
    const std::vector<int> found = scanPorts(port);
    QCOMPARE(QList<int>(found.begin(), found.end()), expected);
    QVERIFY(!port.portOpen());
    for (const sim::EscSimulator *esc : sims)
        QVERIFY(esc->receivedBytes().empty());
}

QTEST_GUILESS_MAIN(TestSerialComponent)
#include "tst_serialcomponent.moc"
