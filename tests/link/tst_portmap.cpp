#include "portmap.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// Which device each COM number reaches, from links in the folder and a fake system-port list.
class TestPortMap : public QObject
{
    Q_OBJECT

private slots:
    void numbersFollowLinksThenUsbThenOtherPorts_data();
    void numbersFollowLinksThenUsbThenOtherPorts();
};

void TestPortMap::numbersFollowLinksThenUsbThenOtherPorts_data()
{
    QTest::addColumn<QStringList>("links");        // "name=target"
    QTest::addColumn<QStringList>("systemPorts");
    QTest::addColumn<QStringList>("expected");     // devices of COM1, COM2, ...; "" for none

    QTest::newRow("no link, no port") << QStringList{} << QStringList{} << QStringList{"", ""};
    QTest::newRow("usb adapters first, natural order")
            << QStringList{} << QStringList{"/dev/ttyS0", "/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyACM0"}
            << QStringList{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0", ""};
    QTest::newRow("other ports in natural order")
            << QStringList{} << QStringList{"/dev/ttyS10", "/dev/ttyS2", "/dev/ttyAMA0"}
            << QStringList{"/dev/ttyAMA0", "/dev/ttyS2", "/dev/ttyS10", ""};
    QTest::newRow("a link takes its number, ports fill the others")
            << QStringList{"com2=/dev/fake-esc"} << QStringList{"/dev/ttyS0", "/dev/ttyUSB0"}
            << QStringList{"/dev/ttyUSB0", "/dev/fake-esc", "/dev/ttyS0", ""};
    QTest::newRow("a port a link names is not numbered twice")
            << QStringList{"com3=/dev/ttyUSB0"} << QStringList{"/dev/ttyUSB0", "/dev/ttyUSB1"}
            << QStringList{"/dev/ttyUSB1", "", "/dev/ttyUSB0", ""};
    QTest::newRow("a dangling link still takes its number")
            << QStringList{"com1=/nonexistent/ttyX"} << QStringList{"/dev/ttyS0"}
            << QStringList{"/nonexistent/ttyX", "/dev/ttyS0", ""};
    QTest::newRow("only lowercase comN, 1 to 255, no leading zero")
            << QStringList{"com07=/dev/a", "com0=/dev/b", "com256=/dev/c", "COM4=/dev/d", "comx=/dev/e"}
            << QStringList{"/dev/ttyS1"} << QStringList{"/dev/ttyS1", "", "", "", "", "", "", ""};
}

void TestPortMap::numbersFollowLinksThenUsbThenOtherPorts()
{
    QFETCH(QStringList, links);
    QFETCH(QStringList, systemPorts);
    QFETCH(QStringList, expected);

    QTemporaryDir folder;
    for (const QString &link : links) {
        const QByteArray name = QFile::encodeName(folder.filePath(link.section(QLatin1Char('='), 0, 0)));
        QCOMPARE(::symlink(QFile::encodeName(link.section(QLatin1Char('='), 1)).constData(), name.constData()), 0);
    }
    const orvesc::PortMap map(folder.path(), systemPorts);
    QStringList devices;
    for (int number = 1; number <= expected.size(); ++number)
        devices << map.device(number);
    QCOMPARE(devices, expected);
}

QTEST_GUILESS_MAIN(TestPortMap)
#include "tst_portmap.moc"
