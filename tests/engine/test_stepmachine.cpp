#include <QtTest>

#include "memoryserialport.h"
#include "stepmachine.h"
#include "virtualclock.h"

using comm::StepMachine;
using Waiting = comm::StepMachine::Waiting;

class StepMachineTest : public QObject {
    Q_OBJECT
private slots:
    // One wait, bytes arriving at 10 ms, maybe a limit that wakes the steps; when the step ran.
    void waits_data() {
        QTest::addColumn<Waiting>("wait");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("limitMs");
        QTest::addColumn<qint64>("ranAt");  // -1: not within a minute
        QTest::newRow("next pass") << Waiting::Step << 0 << 0 << qint64(0);
        QTest::newRow("pause") << Waiting::Pause << 5 << 0 << qint64(30);
        QTest::newRow("pause, limit first") << Waiting::Pause << 0 << 20 << qint64(30);
        QTest::newRow("2 of 3 bytes") << Waiting::Bytes << 2 << 0 << qint64(-1);
        QTest::newRow("3 of 3 bytes") << Waiting::Bytes << 3 << 0 << qint64(10);
        QTest::newRow("more than enough") << Waiting::Bytes << 5 << 0 << qint64(10);
        QTest::newRow("bytes, given up") << Waiting::Bytes << 2 << 50 << qint64(50);
        QTest::newRow("held") << Waiting::Held << 5 << 20 << qint64(-1);
    }
    void waits() {
        QFETCH(Waiting, wait);
        QFETCH(int, bytes);
        QFETCH(int, limitMs);
        QFETCH(qint64, ranAt);
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        QVERIFY(port.setPortOpen(true));
        StepMachine steps(port, clock);
        steps.start();
        qint64 ran = -1;
        qint64 limited = -1;
        const auto step = [&] { ran = clock.nowMs(); };
        if (wait == Waiting::Step) steps.next(step);
        if (wait == Waiting::Pause) steps.next(step, 30);
        if (wait == Waiting::Bytes) steps.waitForBytes(3, step);
        if (wait == Waiting::Held) steps.hold();
        QCOMPARE(steps.waiting(), wait);
        if (limitMs > 0)
            steps.armLimit(limitMs, [&] {
                limited = clock.nowMs();
                steps.wake();
            });
        clock.advance(10);
        port.inject(QByteArray(bytes, 'x'));
        clock.advance(60'000);
        QCOMPARE(ran, ranAt);
        QCOMPARE(limited, limitMs > 0 ? qint64(limitMs) : qint64(-1));
        QCOMPARE(steps.waiting(), ranAt < 0 ? wait : Waiting::Nothing);
        QCOMPARE(steps.elapsedMs(), 60'010);
    }

    // A wait of 4 bytes with a quiet time of 50 ms; bytes come in lots of "ms:count". Which of
    // the two steps ran, and when.
    void quietWait_data() {
        QTest::addColumn<QString>("lots");
        QTest::addColumn<QString>("ran");  // "full@ms", "quiet@ms" or "none"
        QTest::newRow("nothing comes") << ""
                                       << "none";
        QTest::newRow("whole at once") << "10:4"
                                       << "full@10";
        QTest::newRow("part, then the rest") << "10:2 40:2"
                                             << "full@40";
        QTest::newRow("part, then quiet") << "10:3"
                                          << "quiet@60";
        QTest::newRow("each byte restarts it") << "10:1 50:1 90:1"
                                               << "quiet@140";
        QTest::newRow("rest just too late") << "10:2 61:2"
                                            << "quiet@60";
    }
    void quietWait() {
        QFETCH(QString, lots);
        QFETCH(QString, ran);
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        QVERIFY(port.setPortOpen(true));
        StepMachine steps(port, clock);
        steps.start();
        QString what = QStringLiteral("none");
        steps.waitForBytes(
            4, [&] { what = QStringLiteral("full@%1").arg(clock.nowMs()); }, 50,
            [&] { what = QStringLiteral("quiet@%1").arg(clock.nowMs()); });
        for (const QString& lot : lots.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            clock.advance(lot.section(QLatin1Char(':'), 0, 0).toInt() - clock.nowMs());
            port.inject(QByteArray(lot.section(QLatin1Char(':'), 1).toInt(), 'x'));
        }
        clock.advance(10'000);
        QCOMPARE(what, ran);
        QCOMPARE(steps.waiting(), ran == QLatin1String("none") ? Waiting::Bytes : Waiting::Nothing);
        QCOMPARE(clock.activeTimers(), 0);
    }

    // A run that began before its port opened counts from the mark, not from the start.
    void elapsedCountsFromTheMark() {
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        StepMachine steps(port, clock);
        steps.markStart();
        clock.advance(4);
        steps.start(StepMachine::Since::Mark);
        clock.advance(6);
        QCOMPARE(steps.elapsedMs(), 10);
        steps.start();
        QCOMPARE(steps.elapsedMs(), 0);
    }

    void haltDropsTheStepAndTheLimit() {
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        StepMachine steps(port, clock);
        int runs = 0;
        steps.next([&] { ++runs; });  // not running yet: ignored
        clock.settle();
        QCOMPARE(runs, 0);
        clock.advance(7);
        steps.start();
        steps.next([&] { ++runs; }, 10);
        steps.armLimit(5, [&] { ++runs; });
        clock.advance(3);
        QCOMPARE(steps.elapsedMs(), 3);
        steps.halt();
        QVERIFY(!steps.running());
        QVERIFY(!steps.limitActive());
        clock.advance(100);
        QCOMPARE(runs, 0);
        QCOMPARE(clock.activeTimers(), 0);
    }
};

QTEST_GUILESS_MAIN(StepMachineTest)
#include "test_stepmachine.moc"
