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
