#include "linkfixture.h"

#include <QEventLoop>
#include <QTimer>

#include <thread>

using namespace orvesc;
using namespace std::chrono_literals;

namespace {

constexpr auto ReplyDelay = 150ms;

} // namespace

// The one waiting primitive: sleeps in the event loop, wakes for a byte wherever it is nested,
// keeps its limit, and can be cancelled.
class TestEventLoopWaiter : public QObject
{
    Q_OBJECT

private slots:
    void seesTheByteInEveryNesting_data();
    void seesTheByteInEveryNesting();
    void keepsTheLimitWithoutSpinning();
    void cancelEndsTheWaitUnderWayAndEveryLaterOne_data();
    void cancelEndsTheWaitUnderWayAndEveryLaterOne();
};

void TestEventLoopWaiter::seesTheByteInEveryNesting_data()
{
    QTest::addColumn<QString>("nesting");
    QTest::newRow("inside a readyRead handler of the same port") << "readyRead";
    QTest::newRow("inside a nested event loop") << "loop";
    QTest::newRow("inside another wait") << "wait";
}

void TestEventLoopWaiter::seesTheByteInEveryNesting()
{
    QFETCH(QString, nesting);

    test::SimBench bench;
    sim::SimOptions options;
    options.faults.replyDelayMs = int(ReplyDelay.count());
    bench.start(1, options);
    QSerialPortComponent port(bench.portMap());
    port.setCommPort(1);
    port.setInputLen(1);
    port.setPortOpen(true);
    EventLoopWaiter waiter;

    bool ran = false;
    bool sawByte = false;
    std::chrono::nanoseconds elapsed{};
    // The nested wait: ask for the model code and wait for it, the reply coming 150 ms later.
    const auto nestedExchange = [&] {
        ran = true;
        port.output(QByteArray(1, '\0'));
        elapsed = waiter.wait([&] { return port.inBufferCount() >= 1; }, 1000ms);
        sawByte = port.input() == QByteArray(1, char(38));
    };

    if (nesting == QLatin1String("readyRead")) {
        connect(&port, &QSerialPortComponent::readyRead, this, [&] {
            if (ran)
                return;
            port.input();
            nestedExchange();
        });
        port.output(QByteArray(1, '\0'));
        waiter.wait([&] { return ran; }, 3000ms);
    } else if (nesting == QLatin1String("loop")) {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            nestedExchange();
            loop.quit();
        });
        loop.exec();
    } else {
        QTimer::singleShot(0, this, nestedExchange);
        waiter.wait([&] { return ran; }, 3000ms);
    }

    QVERIFY(ran);
    QVERIFY(sawByte);
    QVERIFY2(elapsed >= ReplyDelay - 10ms && elapsed < 600ms,
             qPrintable(QString::number(elapsed.count() / 1e6) + " ms"));
}

void TestEventLoopWaiter::keepsTheLimitWithoutSpinning()
{
    EventLoopWaiter waiter;
    int checks = 0;
    const auto elapsed = waiter.wait([&] { return ++checks < 0; }, 300ms);
    QVERIFY2(elapsed >= 300ms && elapsed < 600ms,
             qPrintable(QString::number(elapsed.count() / 1e6) + " ms"));
    // Each check follows a wake; a polling loop or timer would wake dozens of times.
    QVERIFY2(checks <= 5, qPrintable(QString::number(checks) + " checks"));
}

void TestEventLoopWaiter::cancelEndsTheWaitUnderWayAndEveryLaterOne_data()
{
    QTest::addColumn<bool>("fromAnotherThread");
    QTest::newRow("cancelled by a window event") << false;
    QTest::newRow("cancelled from another thread") << true;
}

void TestEventLoopWaiter::cancelEndsTheWaitUnderWayAndEveryLaterOne()
{
    QFETCH(bool, fromAnotherThread);

    EventLoopWaiter waiter;
    std::thread canceller;
    if (fromAnotherThread) {
        canceller = std::thread([&] {
            std::this_thread::sleep_for(100ms);
            waiter.cancel();
        });
    } else {
        QTimer::singleShot(100, this, [&] { waiter.cancel(); });
    }
    const auto underWay = waiter.wait([] { return false; }, 5000ms);
    if (canceller.joinable())
        canceller.join();
    QVERIFY(waiter.cancelled());
    QVERIFY2(underWay >= 90ms && underWay < 1000ms,
             qPrintable(QString::number(underWay.count() / 1e6) + " ms"));
    QVERIFY(waiter.wait([] { return false; }, 5000ms) < 100ms);
}

QTEST_GUILESS_MAIN(TestEventLoopWaiter)
#include "tst_eventloopwaiter.moc"
