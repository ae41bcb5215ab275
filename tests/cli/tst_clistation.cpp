#include <QtTest>
class TestCliStation : public QObject
{
    Q_OBJECT
};
QTEST_GUILESS_MAIN(TestCliStation)
#include "tst_clistation.moc"
