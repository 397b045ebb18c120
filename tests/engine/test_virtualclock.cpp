#include <QtTest>
#include <memory>
#include <vector>

#include "virtualclock.h"

using comm::ClockTimer;
using comm::VirtualClock;

namespace {

// Timers on one clock that log "name@ms" as they fire.
struct Timers {
    VirtualClock clock;
    std::vector<std::unique_ptr<ClockTimer>> timers;
    QStringList log;

    ClockTimer* add(const QString& name, std::function<void()> also = {}) {
        timers.push_back(clock.makeTimer());
        ClockTimer* timer = timers.back().get();
        QObject::connect(timer, &ClockTimer::timeout, timer, [this, name, also] {
            log << QStringLiteral("%1@%2").arg(name).arg(clock.nowMs());
            if (also) also();
        });
        return timer;
    }
    // A chain of events, each posted by the one before; the last logs.
    void postChain(const QString& name, int depth) {
        QMetaObject::invokeMethod(
            timers.front().get(),
            [this, name, depth] {
                if (depth > 1)
                    postChain(name, depth - 1);
                else
                    log << name;
            },
            Qt::QueuedConnection);
    }
};

}  // namespace

class VirtualClockTest : public QObject {
    Q_OBJECT
private slots:
    void timersFireInOrderAtTheirDueTime_data() {
        QTest::addColumn<QList<int>>("delays");  // in the order the timers start
        QTest::addColumn<int>("advanceMs");
        QTest::addColumn<QStringList>("fired");
        QTest::newRow("by due time")
            << QList<int>{30, 10, 20} << 100 << QStringList{"1@10", "2@20", "0@30"};
        QTest::newRow("same due time: in starting order")
            << QList<int>{10, 5, 10} << 10 << QStringList{"1@5", "0@10", "2@10"};
        QTest::newRow("due exactly at the end") << QList<int>{50} << 50 << QStringList{"0@50"};
        QTest::newRow("1 ms short") << QList<int>{50, 3} << 49 << QStringList{"1@3"};
        QTest::newRow("negative is now") << QList<int>{-5, 0} << 0 << QStringList{"0@0", "1@0"};
    }
    void timersFireInOrderAtTheirDueTime() {
        QFETCH(QList<int>, delays);
        QFETCH(int, advanceMs);
        QFETCH(QStringList, fired);
        Timers t;
        for (int i = 0; i < delays.size(); ++i) t.add(QString::number(i))->start(delays[i]);
        t.clock.advance(advanceMs);
        QCOMPARE(t.log, fired);
        QCOMPARE(t.clock.nowMs(), advanceMs);
        QCOMPARE(t.clock.activeTimers(), delays.size() - fired.size());
    }

    void timersStartedWhileFiringCountFromThen() {
        Timers t;
        ClockTimer* later = t.add("later");
        ClockTimer* now = t.add("now");
        ClockTimer* stopped = t.add("stopped");
        t.add("first", [&] {
             later->start(5);
             now->start(0);
             stopped->stop();
         })->start(10);
        t.add("other")->start(12);
        stopped->start(11);
        t.clock.advance(100);
        QCOMPARE(t.log, (QStringList{"first@10", "now@10", "other@12", "later@15"}));
        QCOMPARE(t.clock.msUntilNext(), -1);
    }

    // What a timer posts runs before the next timer fires: on advance() however long the chain,
    // from the event loop (the next timer due now) as a real loop would, one pass at a time.
    void eventsPostedByATimerRunBeforeTheNext_data() {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("advance");
        for (int depth : {1, 3, 8}) QTest::addRow("chain of %d, advanced", depth) << depth << true;
        QTest::newRow("event loop") << 1 << false;
    }
    void eventsPostedByATimerRunBeforeTheNext() {
        QFETCH(int, depth);
        QFETCH(bool, advance);
        Timers t;
        ClockTimer* second = t.add("second");
        t.add("first", [&] {
             t.postChain("posted", depth);
             second->start(0);
         })->start(advance ? 10 : 0);
        if (advance) {
            t.clock.advance(10);
        } else {
            QVERIFY(t.log.isEmpty());  // nothing fires inside start()
            for (int pass = 0; pass < 50 && t.log.size() < 3; ++pass)
                QCoreApplication::processEvents();
        }
        const qint64 at = advance ? 10 : 0;
        QCOMPARE(t.log, (QStringList{QStringLiteral("first@%1").arg(at), "posted",
                                     QStringLiteral("second@%1").arg(at)}));
    }
};

QTEST_GUILESS_MAIN(VirtualClockTest)
#include "test_virtualclock.moc"
