#include <QSignalSpy>
#include <QtTest>
#include <cerrno>
#include <csignal>

#include "stopsignals.h"

class TestStopSignals : public QObject {
    Q_OBJECT
private slots:
    void eachStopSignalArrivesThroughTheEventLoop_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void eachStopSignalArrivesThroughTheEventLoop() {
        QFETCH(int, signal);
        comm::StopSignals stop;
        QString error;
        QVERIFY2(stop.install(&error), qPrintable(error));
        QSignalSpy spy(&stop, &comm::StopSignals::stopRequested);
        QCOMPARE(::raise(signal), 0);
        QCOMPARE(spy.count(), 0);  // nothing runs inside the handler
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), signal);
    }

    // With its pipe full the handler's write fails: the interrupted code still sees its own errno.
    void handlerKeepsErrno() {
        comm::StopSignals stop;
        QString error;
        QVERIFY(stop.install(&error));
        QSignalSpy spy(&stop, &comm::StopSignals::stopRequested);
        const int raised = 70000;  // more than a pipe holds (64 KiB)
        for (int i = 0; i < raised; ++i) ::raise(SIGTERM);
        errno = EDOM;
        ::raise(SIGTERM);
        QCOMPARE(errno, EDOM);
        QTRY_VERIFY(spy.count() >= 1);
        QVERIFY(spy.count() < raised);
    }

    void oneAtATimeAndTheOldDispositionsComeBack() {
        const auto before = std::signal(SIGHUP, SIG_IGN);
        {
            comm::StopSignals first;
            comm::StopSignals second;
            QString error;
            QVERIFY(first.install(&error));
            QVERIFY(!second.install(&error));
            QVERIFY(!error.isEmpty());
        }
        struct sigaction now {};
        QCOMPARE(::sigaction(SIGHUP, nullptr, &now), 0);
        QVERIFY(now.sa_handler == SIG_IGN);
        // Free again once the first has gone.
        comm::StopSignals third;
        QString error;
        QVERIFY(third.install(&error));
        std::signal(SIGHUP, before);
    }
};

QTEST_GUILESS_MAIN(TestStopSignals)
#include "test_stopsignals.moc"
