#include "linkfixture.h"

#include <QEventLoop>
#include <QTimer>

#include <thread>

using namespace orvesc;
using namespace std::chrono_literals;

// The one waiting primitive: wakes for a byte wherever it is nested, keeps its limit, can be cancelled.
class TestEventLoopWaiter : public QObject
{
    Q_OBJECT

private slots:
    void seesTheByteInEveryNesting_data()
    {
        QTest::addColumn<QString>("nesting");
        QTest::newRow("inside a readyRead handler of the same port") << "readyRead";
        QTest::newRow("inside a nested event loop") << "loop";
        QTest::newRow("inside another wait") << "wait";
    }
    void seesTheByteInEveryNesting()
    {
        QFETCH(QString, nesting);
        test::Rig rig(test::faults([](auto &f) { f.replyDelayMs = 150; }));
        SystemSerialComponent &port = rig.port;
        port.setPortOpen(true);
        EventLoopWaiter &waiter = rig.waiter;

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
            connect(&port, &SystemSerialComponent::readyRead, this, [&] {
                if (!ran) {
                    port.input();
                    nestedExchange();
                }
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
        QVERIFY2(elapsed >= 140ms && elapsed < 600ms, qPrintable(QString::number(elapsed.count() / 1e6)));
    }

    void endsAtTheLimitOrOnCancelWithoutSpinning_data()
    {
        QTest::addColumn<QString>("canceller");
        QTest::newRow("not cancelled: the limit") << "";
        QTest::newRow("cancelled by a window event") << "event";
        QTest::newRow("cancelled from another thread") << "thread";
    }
    void endsAtTheLimitOrOnCancelWithoutSpinning()
    {
        QFETCH(QString, canceller);
        EventLoopWaiter waiter;
        std::thread thread;
        if (canceller == QLatin1String("thread"))
            thread = std::thread([&] { std::this_thread::sleep_for(100ms); waiter.cancel(); });
        else if (canceller == QLatin1String("event"))
            QTimer::singleShot(100, this, [&] { waiter.cancel(); });
        int checks = 0;
        const bool cancelled = !canceller.isEmpty();
        const auto elapsed = waiter.wait([&] { return ++checks < 0; }, cancelled ? 5000ms : 300ms);
        if (thread.joinable())
            thread.join();
        const auto end = cancelled ? 100ms : 300ms;
        QVERIFY2(elapsed >= end - 10ms && elapsed < end + 400ms, qPrintable(QString::number(elapsed.count() / 1e6)));
        // Each check follows a wake; a polling loop or timer would wake dozens of times.
        QVERIFY2(checks <= 5, qPrintable(QString::number(checks) + " checks"));
        // Once cancelled, every later wait returns at once.
        QCOMPARE(waiter.cancelled(), cancelled);
        QVERIFY(!cancelled || waiter.wait([] { return false; }, 5000ms) < 100ms);
    }
};

QTEST_GUILESS_MAIN(TestEventLoopWaiter)
#include "tst_eventloopwaiter.moc"
