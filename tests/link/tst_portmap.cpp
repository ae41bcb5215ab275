#include "portmap.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using orvesc::PortMap;

// Which device each COM number reaches, from links in the folder and a fake system-port list.
class TestPortMap : public QObject
{
    Q_OBJECT

private slots:
    void numbersFollowLinksThenUsbThenOtherPorts_data();
    void numbersFollowLinksThenUsbThenOtherPorts();
    void numbersOutsideTheRangeNameNothing();
    void toolTipNamesDeviceAndLink();
};

void TestPortMap::numbersFollowLinksThenUsbThenOtherPorts_data()
{
    QTest::addColumn<QStringList>("links");        // "N=target": a link comN to target
    QTest::addColumn<QStringList>("systemPorts");
    QTest::addColumn<QStringList>("expected");     // devices of COM1, COM2, ...; "" for none

    QTest::newRow("no link, no port") << QStringList{} << QStringList{} << QStringList{"", ""};
    QTest::newRow("usb adapters first, natural order")
            << QStringList{}
            << QStringList{"/dev/ttyS0", "/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyACM0"}
            << QStringList{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", ""};
    QTest::newRow("other ports in natural order")
            << QStringList{} << QStringList{"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyAMA0"}
            << QStringList{"/dev/ttyAMA0", "/dev/ttyS2", "/dev/ttyS10", ""};
    QTest::newRow("a link takes its number, ports fill the others")
            << QStringList{"2=/dev/fake-esc"} << QStringList{"/dev/ttyS0", "/dev/ttyUSB0"}
            << QStringList{"/dev/ttyUSB0", "/dev/fake-esc", "/dev/ttyS0", ""};
    QTest::newRow("a port a link names is not numbered twice")
            << QStringList{"3=/dev/ttyUSB0"} << QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1"}
            << QStringList{"/dev/ttyUSB1", "", "/dev/ttyUSB0", ""};
    QTest::newRow("a dangling link still takes its number")
            << QStringList{"1=/nonexistent/ttyX"} << QStringList{"/dev/ttyS0"}
            << QStringList{"/nonexistent/ttyX", "/dev/ttyS0", ""};
    QTest::newRow("only lowercase comN without leading zeros is a link")
            << QStringList{"07=/dev/a", "0=/dev/b", "256=/dev/c", "x=/dev/d"}
            << QStringList{"/dev/ttyS1"} << QStringList{"/dev/ttyS1", "", "", "", "", "", "", ""};
}

void TestPortMap::numbersFollowLinksThenUsbThenOtherPorts()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, systemPorts);
    QFETCH(QStringList, expected);

    QTemporaryDir folder;
    for (const QString &link : links) {
        const QString number = link.section(QLatin1Char('='), 0, 0);
        const QString target = link.section(QLatin1Char('='), 1);
        const QString name = number == QLatin1String("x") ? QStringLiteral("comx")
                                                          : QStringLiteral("com") + number;
        QCOMPARE(::symlink(QFile::encodeName(target).constData(),
                           QFile::encodeName(folder.filePath(name)).constData()),
                 0);
    }
    // An upper-case name is not one of ours either.
    QVERIFY(::symlink("/dev/e", QFile::encodeName(folder.filePath("COM5")).constData()) == 0);

    const PortMap map(folder.path(), systemPorts);
    QStringList devices;
    for (int number = 1; number <= expected.size(); ++number)
        devices << map.device(number);
    QCOMPARE(devices, expected);
}

void TestPortMap::numbersOutsideTheRangeNameNothing()
{
    QTemporaryDir folder;
    QStringList manyPorts;
    for (int i = 0; i < 300; ++i)
        manyPorts << QStringLiteral("/dev/ttyS%1").arg(i);
    const PortMap map(folder.path(), manyPorts);
    QCOMPARE(map.device(255), QStringLiteral("/dev/ttyS254"));
    QCOMPARE(map.device(0), QString());
    QCOMPARE(map.device(-1), QString());
    QCOMPARE(map.device(256), QString());
}

void TestPortMap::toolTipNamesDeviceAndLink()
{
    QTemporaryDir folder;
    QVERIFY(::symlink("/dev/fake-esc", QFile::encodeName(folder.filePath("com2")).constData()) == 0);
    const PortMap map(folder.path(), {"/dev/ttyUSB0"});
    QCOMPARE(map.toolTip(1), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(map.toolTip(2),
             QStringLiteral("/dev/fake-esc (linked as %1)").arg(folder.filePath("com2")));
    QCOMPARE(map.toolTip(3), QString());
}

QTEST_GUILESS_MAIN(TestPortMap)
#include "tst_portmap.moc"
