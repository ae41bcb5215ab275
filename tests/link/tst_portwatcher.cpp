#include "portwatcher.h"

#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace orvesc;

namespace {

struct Watch
{
    QList<QStringList> states;
    int windowMs, changes;
    QStringList flickered{};
    bool linked = false;
};

} // namespace

Q_DECLARE_METATYPE(Watch)

// The watcher on a system-port list of the test's own and a link folder of its own.
class TestPortWatcher : public QObject
{
    Q_OBJECT

private slots:
    // One look per system-port state (the first at start-up); `linked`: a port link made after start-up.
    void reportsChangesAndFlickeringAdapters_data()
    {
        QTest::addColumn<Watch>("row");
        const QString usb = QStringLiteral("/dev/ttyUSB0");
        const auto row = [](const char *name, const Watch &watch) { QTest::newRow(name) << watch; };
        row("unchanged", {{{"/dev/ttyS0"}, {"/dev/ttyS0"}}, 5000, 0});
        row("adapter plugged in", {{{}, {usb}}, 5000, 1});
        row("adapter taken at once", {{{}, {usb}, {}}, 5000, 2, {usb}});
        row("adapter unplugged later", {{{}, {usb}, {}}, 0, 2});
        row("present since start-up", {{{usb}, {}}, 5000, 1});
        row("built-in port", {{{}, {"/dev/ttyS4"}, {}}, 5000, 2});
        row("port link made, looked at twice", {{{}, {}, {}}, 5000, 1, {}, true});
    }
    void reportsChangesAndFlickeringAdapters()
    {
        QFETCH(Watch, row);
        if (row.linked && QSysInfo::kernelType() == QLatin1String("winnt"))
            QSKIP("Windows numbers its ports itself: no port links");
        QTemporaryDir folder;
        int state = 0;
        PortWatcher watcher(folder.path(), [&] { return row.states.at(state); });
        QVERIFY(!row.linked || QFile::link(QStringLiteral("/dev/null"), folder.filePath(QStringLiteral("com3"))));
        watcher.setFlickerWindow(std::chrono::milliseconds(row.windowMs));
        QSignalSpy changed(&watcher, &PortWatcher::portsChanged);
        QSignalSpy flicker(&watcher, &PortWatcher::adapterFlickered);
        for (state = 1; state < row.states.size(); ++state)
            watcher.look();
        QCOMPARE(changed.count(), row.changes);
        QStringList devices;
        for (const QList<QVariant> &arguments : std::as_const(flicker))
            devices << arguments.at(0).toString();
        QCOMPARE(devices, row.flickered);
        QCOMPARE(watcher.systemPorts(), row.states.last());
    }
};

QTEST_GUILESS_MAIN(TestPortWatcher)
#include "tst_portwatcher.moc"
