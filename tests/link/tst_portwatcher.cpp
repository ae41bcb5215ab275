#include "portwatcher.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace orvesc;

// The watcher on a system-port list of the test's own and a link folder of its own.
class TestPortWatcher : public QObject
{
    Q_OBJECT

private slots:
    // The system's list goes through `states` (the first at start-up), one look per state.
    void reportsChangesAndFlickeringAdapters_data()
    {
        QTest::addColumn<QList<QStringList>>("states");
        QTest::addColumn<int>("windowMs");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QStringList>("flickered");
        const QString usb = QStringLiteral("/dev/ttyUSB0");
        QTest::newRow("unchanged") << QList<QStringList>{{"/dev/ttyS0"}, {"/dev/ttyS0"}} << 5000 << 0 << QStringList();
        QTest::newRow("adapter plugged in") << QList<QStringList>{{}, {usb}} << 5000 << 1 << QStringList();
        QTest::newRow("adapter taken at once") << QList<QStringList>{{}, {usb}, {}} << 5000 << 2 << QStringList{usb};
        QTest::newRow("adapter unplugged later") << QList<QStringList>{{}, {usb}, {}} << 0 << 2 << QStringList();
        QTest::newRow("present since start-up") << QList<QStringList>{{usb}, {}} << 5000 << 1 << QStringList();
        QTest::newRow("built-in port") << QList<QStringList>{{}, {"/dev/ttyS4"}, {}} << 5000 << 2 << QStringList();
    }
    void reportsChangesAndFlickeringAdapters()
    {
        QFETCH(QList<QStringList>, states);
        QFETCH(int, windowMs);
        QFETCH(int, changes);
        QFETCH(QStringList, flickered);
        QTemporaryDir folder;
        int state = 0;
        PortWatcher watcher(folder.path(), [&] { return states.at(state); });
        watcher.setFlickerWindow(std::chrono::milliseconds(windowMs));
        QSignalSpy changed(&watcher, &PortWatcher::portsChanged);
        QSignalSpy flicker(&watcher, &PortWatcher::adapterFlickered);
        for (state = 1; state < states.size(); ++state)
            watcher.look();
        QCOMPARE(changed.count(), changes);
        QStringList devices;
        for (const QList<QVariant> &arguments : std::as_const(flicker))
            devices << arguments.at(0).toString();
        QCOMPARE(devices, flickered);
        QCOMPARE(watcher.systemPorts(), states.last());
    }
};

QTEST_GUILESS_MAIN(TestPortWatcher)
#include "tst_portwatcher.moc"
