#include "deviceloss.h"

#include <QTest>

using namespace orvesc;
using winerror::FailedWait;

Q_DECLARE_METATYPE(FailedWait)

// Which Win32 errors on an open port name the lost adapter, read alike on every system.
class TestDeviceLoss : public QObject
{
    Q_OBJECT

private slots:
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
        row("ERROR_FILE_NOT_FOUND", 2, true, FailedWait::Gone);
        row("ERROR_ACCESS_DENIED", 5, true, FailedWait::Gone);
        row("ERROR_INVALID_HANDLE", 6, true, FailedWait::Gone);
        row("ERROR_NOT_READY", 21, true, FailedWait::Gone);
        row("ERROR_BAD_COMMAND", 22, true, FailedWait::Gone);
        row("ERROR_GEN_FAILURE", 31, true, FailedWait::Gone);
        row("ERROR_DEV_NOT_EXIST", 55, true, FailedWait::Gone);
        row("ERROR_NO_SUCH_DEVICE", 433, true, FailedWait::Gone);
        row("ERROR_DEVICE_NOT_CONNECTED", 1167, true, FailedWait::Gone);
        row("ERROR_DEVICE_REMOVED", 1617, true, FailedWait::Gone);
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
        QCOMPARE(winerror::failedWait(error, true), FailedWait::Stopped);
    }
};

QTEST_APPLESS_MAIN(TestDeviceLoss)
#include "tst_deviceloss.moc"
