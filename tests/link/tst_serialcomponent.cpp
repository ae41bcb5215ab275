#include "linkfixture.h"
#include "portscan.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <grp.h>
#include <unistd.h>

using namespace orvesc;

namespace {

// The error an operation throws; number 0 when it throws none.
SerialError failureOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const SerialError &error) {
        return error;
    }
    return SerialError(0, QStringLiteral("(no failure)"));
}

bool link(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

} // namespace

// The serial component and the port scan against simulated ESCs.
class TestSerialComponent : public QObject
{
    Q_OBJECT

private slots:
    void openAndCloseKeepTheComponentRules();
    void unusableNumbersFailWithPlainDescriptions_data();
    void unusableNumbersFailWithPlainDescriptions();
    void heldPortNamesTheOtherProgram();
    void twoNamesOfOneDeviceShareOneLock();
    void refusedAccessSaysWhichGroupGrantsIt_data();
    void refusedAccessSaysWhichGroupGrantsIt();
    void scanListsThePortsThatOpen_data();
    void scanListsThePortsThatOpen();
};

void TestSerialComponent::openAndCloseKeepTheComponentRules()
{
    test::SimBench bench;
    sim::EscSimulator &esc = bench.start(1);
    bench.start(2);
    QSerialPortComponent port(bench.portMap());
    port.setPortOpen(false);
    port.setCommPort(1);
    port.setPortOpen(true);
    QCOMPARE(port.openDevice(), QString::fromStdString(esc.devicePath()));
    QCOMPARE(failureOf([&] { port.setPortOpen(true); }).number(), serialerror::PortAlreadyOpen);
    QCOMPARE(failureOf([&] { port.setCommPort(2); }).number(), serialerror::PortAlreadyOpen);
    QCOMPARE(port.commPort(), 1);
    port.setPortOpen(false);
    port.setPortOpen(false);
    QVERIFY(!port.portOpen());
    QCOMPARE(failureOf([&] { port.input(); }).number(), serialerror::PortNotOpen);
    QVERIFY(esc.receivedBytes().empty());
}

void TestSerialComponent::unusableNumbersFailWithPlainDescriptions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("linkTarget");  // a link com<number> to this, when given
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("says");

    QTest::newRow("zero") << 0 << QString() << serialerror::NoSuchPort
                          << "COM0 is not a port number this tool can use: the numbers run from COM1 to COM255.";
    QTest::newRow("above 255") << 256 << QString() << serialerror::NoSuchPort
                               << "COM256 is not a port number this tool can use";
    QTest::newRow("no device has it") << 9 << QString() << serialerror::NoSuchPort
            << "There is no COM9: no serial port or USB adapter has that number. Check that the adapter is plugged in.";
    QTest::newRow("dangling link") << 3 << "/nonexistent/ttyUSB7" << serialerror::NoSuchPort
            << "COM3 (/nonexistent/ttyUSB7) cannot be opened: the device does not exist. Check that the USB adapter is plugged in.";
    QTest::newRow("not a serial port") << 4 << "/dev/null" << serialerror::NotSerialPort
                                       << "COM4 (/dev/null) cannot be opened: it is not a serial port.";
}

void TestSerialComponent::unusableNumbersFailWithPlainDescriptions()
{
    QFETCH(int, number);
    QFETCH(QString, linkTarget);
    QFETCH(int, errorNumber);
    QFETCH(QString, says);

    test::SimBench bench;
    QVERIFY(linkTarget.isEmpty() || link(linkTarget, bench.folder() + QStringLiteral("/com%1").arg(number)));
    QSerialPortComponent port(bench.portMap());
    // Setting the number or opening may fail; once set, every open fails the same way.
    SerialError error = failureOf([&] { port.setCommPort(number); });
    if (error.number() == 0)
        error = failureOf([&] { port.setPortOpen(true); });
    QCOMPARE(error.number(), errorNumber);
    QVERIFY2(error.description().startsWith(says), qPrintable(error.description()));
    QCOMPARE(failureOf([&] { port.setPortOpen(true); }).description(), error.description());
    QVERIFY(!port.portOpen());
}

void TestSerialComponent::heldPortNamesTheOtherProgram()
{
    test::SimBench bench;
    const QString device = QString::fromStdString(bench.start(2).devicePath());
    test::PortHolder holder(device);
    QVERIFY(holder.held());

    QSerialPortComponent port(bench.portMap());
    port.setCommPort(2);
    const SerialError error = failureOf([&] { port.setPortOpen(true); });
    QCOMPARE(error.number(), serialerror::PortInUse);
    const QString text = error.description();
    QVERIFY2(text.startsWith(QStringLiteral("COM2 (%1) is in use by another program (orvesc-test-portholder, process ").arg(device))
                     && text.endsWith(QLatin1String("). Close that program, or choose another port.")),
             qPrintable(text));
}

void TestSerialComponent::twoNamesOfOneDeviceShareOneLock()
{
    test::SimBench bench;
    QVERIFY(link(QString::fromStdString(bench.start(1).linkPath()), bench.folder() + QStringLiteral("/com2")));
    QSerialPortComponent first(bench.portMap());
    QSerialPortComponent second(bench.portMap());
    first.setCommPort(1);
    first.setPortOpen(true);
    second.setCommPort(2);
    QCOMPARE(failureOf([&] { second.setPortOpen(true); }).number(), serialerror::PortInUse);
    first.setPortOpen(false);
    second.setPortOpen(true);
}

void TestSerialComponent::refusedAccessSaysWhichGroupGrantsIt_data()
{
    QTest::addColumn<bool>("rootDevice");
    QTest::addColumn<QString>("advice");

    QTest::newRow("device of the dialout group") << false
            << "may not be opened by this user: access is granted to the group \"dialout\". "
               "Join it with: sudo usermod -aG dialout $USER, then log in again.";
    // No one is told to join root's group.
    QTest::newRow("device of root's group") << true
            << "may not be opened by this user. Ask the administrator of this computer for access to the device.";
}

void TestSerialComponent::refusedAccessSaysWhichGroupGrantsIt()
{
    QFETCH(bool, rootDevice);
    QFETCH(QString, advice);

    // Tests run as root, where nothing is refused: the refusal is injected, and the open stops
    // before touching the device, so a file of the right group stands in for an adapter.
    QTemporaryFile stand;
    QVERIFY(stand.open());
    const struct group *dialout = ::getgrnam("dialout");
    if (!rootDevice && (!dialout || ::chown(QFile::encodeName(stand.fileName()).constData(), uid_t(-1), dialout->gr_gid) != 0))
        QSKIP("cannot give a file to the dialout group here");
    const QString device = rootDevice ? QStringLiteral("/dev/null") : QFileInfo(stand.fileName()).canonicalFilePath();
    test::SimBench bench;
    QVERIFY(link(device, bench.folder() + QStringLiteral("/com2")));

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

void TestSerialComponent::scanListsThePortsThatOpen_data()
{
    QTest::addColumn<QList<int>>("escs");      // simulated ESCs linked as com<n>
    QTest::addColumn<int>("held");              // the one another program holds, or 0
    QTest::addColumn<QList<int>>("expected");

    QList<int> twelve;
    for (int n = 1; n <= 12; ++n)
        twelve << n;
    QTest::newRow("com1, com4, com7") << QList<int>{1, 4, 7} << 0 << QList<int>{1, 4, 7};
    QTest::newRow("twelve ports") << twelve << 0 << twelve;
    QTest::newRow("no port") << QList<int>{} << 0 << QList<int>{};
    QTest::newRow("a held port is left out") << QList<int>{1, 2, 3} << 2 << QList<int>{1, 3};
    QTest::newRow("nothing above 21") << QList<int>{21, 22, 30} << 0 << QList<int>{21};
}

void TestSerialComponent::scanListsThePortsThatOpen()
{
    QFETCH(QList<int>, escs);
    QFETCH(int, held);
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
    // A link whose adapter is gone is never listed.
    QVERIFY(link(QStringLiteral("/nonexistent/ttyACM3"), bench.folder() + QStringLiteral("/com20")));

    QSerialPortComponent port(bench.portMap());
    const std::vector<int> found = scanPorts(port);
    QCOMPARE(QList<int>(found.begin(), found.end()), expected);
    QVERIFY(!port.portOpen());
    for (const sim::EscSimulator *esc : sims)
        QVERIFY(esc->receivedBytes().empty());
}

QTEST_GUILESS_MAIN(TestSerialComponent)
#include "tst_serialcomponent.moc"
