#include <QtTest>

#include "linecounterfile.h"
#include "linewatcher.h"
#include "ptyline.h"
#include "qtserialportbackend.h"
#include "serialport.h"

using comm::LineEventsBetween;
using comm::LineSnapshot;
using comm::SerialPort;

namespace {
LineSnapshot Counters(quint32 base) {
    LineSnapshot s;
    s.hasCounters = true;
    s.cts = s.dsr = s.ring = s.dcd = base;
    s.frame = s.overrun = s.parity = s.brk = s.bufferOverrun = base;
    return s;
}
LineSnapshot Lines(bool cts, bool dsr, bool dcd, bool ring) {
    LineSnapshot s;
    s.hasLines = true;
    s.ctsOn = cts;
    s.dsrOn = dsr;
    s.dcdOn = dcd;
    s.ringOn = ring;
    return s;
}
}  // namespace

Q_DECLARE_METATYPE(comm::LineSnapshot)

class TestLineWatcher : public QObject {
    Q_OBJECT
private slots:
    void mapping_data() {
        QTest::addColumn<LineSnapshot>("before");
        QTest::addColumn<LineSnapshot>("after");
        QTest::addColumn<QList<int>>("codes");

        const LineSnapshot base = Counters(10);
        auto with = [&](quint32 LineSnapshot::*field, quint32 value) {
            LineSnapshot s = base;
            s.*field = value;
            return s;
        };
        QTest::newRow("nothing") << base << base << QList<int>{};
        QTest::newRow("break") << base << with(&LineSnapshot::brk, 11) << QList<int>{1001};
        QTest::newRow("framing") << base << with(&LineSnapshot::frame, 11) << QList<int>{1004};
        QTest::newRow("overrun") << base << with(&LineSnapshot::overrun, 12) << QList<int>{1006};
        QTest::newRow("buffer overrun")
            << base << with(&LineSnapshot::bufferOverrun, 11) << QList<int>{1008};
        QTest::newRow("parity") << base << with(&LineSnapshot::parity, 11) << QList<int>{1009};
        QTest::newRow("cts") << base << with(&LineSnapshot::cts, 11) << QList<int>{3};
        QTest::newRow("dsr") << base << with(&LineSnapshot::dsr, 11) << QList<int>{4};
        QTest::newRow("dcd") << base << with(&LineSnapshot::dcd, 11) << QList<int>{5};
        QTest::newRow("ring") << base << with(&LineSnapshot::ring, 11) << QList<int>{6};
        QTest::newRow("burst of 500 parity errors is one event")
            << base << with(&LineSnapshot::parity, 510) << QList<int>{1009};
        QTest::newRow("everything, errors first")
            << base << Counters(11) << QList<int>{1001, 1004, 1006, 1008, 1009, 5, 3, 4, 6};
        QTest::newRow("counter wraps") << Counters(0xFFFFFFFFu) << Counters(1)
                                       << QList<int>{1001, 1004, 1006, 1008, 1009, 5, 3, 4, 6};
        QTest::newRow("driver reset is no event") << Counters(500) << Counters(0) << QList<int>{};

        QTest::newRow("cts rises") << Lines(false, false, false, false)
                                   << Lines(true, false, false, false) << QList<int>{3};
        QTest::newRow("dsr falls") << Lines(false, true, false, false)
                                   << Lines(false, false, false, false) << QList<int>{4};
        QTest::newRow("cd and ring") << Lines(false, false, false, false)
                                     << Lines(false, false, true, true) << QList<int>{5, 6};
        QTest::newRow("steady lines")
            << Lines(true, true, true, false) << Lines(true, true, true, false) << QList<int>{};

        LineSnapshot both = base;
        both.hasLines = true;
        LineSnapshot bothAfter = with(&LineSnapshot::cts, 11);
        bothAfter.hasLines = true;
        bothAfter.ctsOn = true;
        QTest::newRow("counter and level agree: one event") << both << bothAfter << QList<int>{3};
        LineSnapshot levelOnly = both;
        levelOnly.dsrOn = true;
        QTest::newRow("level moved, counter did not") << both << levelOnly << QList<int>{4};

        LineSnapshot none;
        QTest::newRow("driver tells nothing") << none << none << QList<int>{};
        QTest::newRow("counters only on one side") << none << Counters(5) << QList<int>{};
        QTest::newRow("lines only on one side")
            << none << Lines(true, true, true, true) << QList<int>{};
    }
    void mapping() {
        QFETCH(LineSnapshot, before);
        QFETCH(LineSnapshot, after);
        QFETCH(QList<int>, codes);
        QCOMPARE(LineEventsBetween(before, after), codes);
    }

    // What a port shows of its line: the levels as they are and the errors since the open
    // (buffer overruns counted as overruns; a counter that went back counts again from 0).
    void stateSinceTheOpen() {
        LineSnapshot now = Counters(10);
        now.frame = 13;
        now.bufferOverrun = 12;
        now.parity = 4;
        now.hasLines = true;
        now.dsrOn = true;
        const comm::LineState state = comm::LineStateBetween(Counters(10), now);
        QVERIFY(state.open && state.linesKnown && state.errorsKnown && state.dsr && !state.cts);
        QCOMPARE((QList<quint32>{state.framing, state.parity, state.overrun, state.breaks}),
                 (QList<quint32>{3, 4, 2, 0}));
        QVERIFY(!comm::LineStateBetween(Lines(true, true, true, true), Counters(1)).linesKnown);
    }

    void pseudoTerminalCannotTell() {
        PtyLine line;
        QVERIFY(line.ok());
        LineSnapshot snapshot;
        snapshot.frame = 42;
        QVERIFY(!comm::ReadLineSnapshot(line.slaveFd(), &snapshot));
        QCOMPARE(snapshot.frame, 42u);
        comm::LineWatcher watcher;
        QVERIFY(!watcher.start(line.slaveFd()));
        QVERIFY(!watcher.active());
    }

    void openPortOnAPseudoTerminalStaysSilent() {
        PtyLine line;
        QVERIFY(line.ok());
        qputenv("RS232_COM2", line.slavePath().toLocal8Bit());
        comm::QtSerialPortBackend port;
        port.setCommPort(2);
        QSignalSpy events(&port, &SerialPort::commNotified);
        QSignalSpy states(&port, &SerialPort::lineStateChanged);
        QVERIFY(port.setPortOpen(true));
        line.send("traffic");
        QTRY_COMPARE_WITH_TIMEOUT(port.inBufferCount(), 7, 5000);
        QTest::qWait(comm::LineWatcher::kPollMs * 2);
        QCOMPARE(events.count(), 0);
        // Open, and nothing known of its line: shown as unavailable.
        QCOMPARE(states.count(), 1);
        const comm::LineState state = port.lineState();
        QVERIFY(state.open && !state.linesKnown && !state.errorsKnown);
        QVERIFY(!port.reportsLineErrors());
        QVERIFY(port.setPortOpen(false));
        QTRY_COMPARE(states.count(), 2);
        QVERIFY(!port.lineState().open);
    }

    // Counters a simulator publishes for the terminal reach the port as a UART's would: those
    // counted at the settings the port runs at.
    void publishedCountersOfAPseudoTerminalAreWatched() {
        PtyLine line;
        QVERIFY(line.ok());
        const QString file = comm::LineCounterFile(line.masterFd());
        QCOMPARE(comm::LineCounterFile(line.slaveFd()), file);
        const auto removeFile = qScopeGuard([&file] { QFile::remove(file); });
        qputenv("RS232_COM2", line.slavePath().toLocal8Bit());
        comm::QtSerialPortBackend port;
        port.setCommPort(2);
        port.setSettings(QStringLiteral("14400,O,8,2"));
        const quint64 ours = comm::LineCounterSource(14400, true, true);
        const quint64 other = comm::LineCounterSource(9600, false, false);
        comm::LineCountsBySource counts;
        counts[other].frame = 3;
        QVERIFY(comm::WriteLineCounterFile(file, counts));
        QSignalSpy events(&port, &SerialPort::commNotified);
        QVERIFY(port.setPortOpen(true));
        QVERIFY(port.reportsLineErrors());
        QCOMPARE(comm::LineCounterFileOfPath(line.slavePath()), file);
        QVERIFY(!QFile::exists(comm::AppliedSettingsFile(file)));  // the simulator did not ask
        QCOMPARE(comm::LineCounterSourceOf(line.masterFd()), ours);
        counts[other].frame = 9;  // counted at other settings: not this port's
        counts[ours].parity = 2;
        counts[ours].brk = 1;
        QVERIFY(comm::WriteLineCounterFile(file, counts));
        QTRY_COMPARE_WITH_TIMEOUT(events.count(), 2, 5000);
        QCOMPARE(events[0][0].toInt(), int(SerialPort::ErBreak));
        QCOMPARE(events[1][0].toInt(), int(SerialPort::ErRxParity));
        QTest::qWait(comm::LineWatcher::kPollMs * 2);
        QCOMPARE(events.count(), 2);
        port.setPortOpen(false);
    }
};

QTEST_GUILESS_MAIN(TestLineWatcher)
#include "test_linewatcher.moc"
