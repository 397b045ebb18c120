// The identification engine on the in-memory port and the virtual clock: the candidates' order,
// what lists or drops a candidate and when, the stop rule and the failures.
#include <QtTest>

#include "holdpanestarter.h"
#include "memoryserialport.h"
#include "settingsidentifier.h"
#include "virtualclock.h"

using comm::ListedCandidate;
using comm::SerialPort;
using comm::SettingsIdentifier;

namespace {

QStringList Texts(const QVector<comm::LineSettings>& candidates) {
    QStringList out;
    for (const comm::LineSettings& c : candidates) out << c.text();
    return out;
}

class RecordingStarter : public comm::HoldpaneStarter {
public:
    bool start(QString* error) override {
        ++starts;
        if (fail) *error = QStringLiteral("/nowhere/Holdpane");
        return !fail;
    }
    int starts = 0;
    bool fail = false;
};

// The engine with everything it reports written down as lines, each with the virtual time.
struct Rig {
    comm::VirtualClock clock;
    comm::MemorySerialPort port;
    RecordingStarter holdpane;
    SettingsIdentifier engine{port, clock, holdpane};
    QStringList log;

    Rig() {
        auto note = [this](const QString& line) {
            log << QStringLiteral("%1 %2").arg(clock.nowMs()).arg(line);
        };
        QObject::connect(&engine, &SettingsIdentifier::candidateStarted,
                         [note](int, const std::array<int, 4>&, const QString& s) {
                             note(QStringLiteral("try ") + s);
                         });
        QObject::connect(
            &engine, &SettingsIdentifier::candidateListed, [note](const ListedCandidate& c) {
                note(QStringLiteral("listed %1 [%2]").arg(c.settings, comm::RecordText(c.bytes)));
            });
        QObject::connect(&engine, &SettingsIdentifier::candidateRejected,
                         [note](const QString& s, int code) {
                             note(QStringLiteral("rejected %1 %2").arg(s).arg(code));
                         });
        QObject::connect(&engine, &SettingsIdentifier::progressed, [note](int done, int total) {
            note(QStringLiteral("progress %1/%2").arg(done).arg(total));
        });
        QObject::connect(&engine, &SettingsIdentifier::stopped,
                         [note] { note(QStringLiteral("stopped")); });
        QObject::connect(&engine, &SettingsIdentifier::finished,
                         [note](int n) { note(QStringLiteral("finished %1").arg(n)); });
        QObject::connect(&engine, &SettingsIdentifier::failed,
                         [note](SettingsIdentifier::Failure f, const QString& reason) {
                             note(QStringLiteral("failed %1 %2").arg(int(f)).arg(reason));
                         });
    }
    // Lines of one kind ("try", "listed", ...), without their times.
    QStringList only(const QString& kind) const {
        QStringList out;
        for (const QString& line : log) {
            const QString rest = line.section(QLatin1Char(' '), 1);
            if (rest.startsWith(kind)) out << rest;
        }
        return out;
    }
    void runOut() {
        for (int guard = 0; engine.isRunning() && guard < 10000; ++guard) clock.advance(1000);
    }
};

}  // namespace

class TestSettingsIdentifier : public QObject {
    Q_OBJECT
private slots:
    void candidatesComeInTheirOrder() {
        const QStringList standard = Texts(comm::CandidateLists::standard().all());
        QCOMPARE(standard.size(), 54);
        QCOMPARE(standard.mid(0, 4),
                 (QStringList{"115200,E,6,1", "115200,E,7,1", "115200,E,8,1", "115200,O,6,1"}));
        QCOMPARE(standard.last(), QStringLiteral("1200,O,8,1"));
        const QStringList extended = Texts(comm::CandidateLists::extended().all());
        QCOMPARE(extended.size(), 180);
        QCOMPARE(extended.mid(0, 2), (QStringList{"115200,E,6,1", "115200,E,6,2"}));
    }

    // Nothing arrives: every candidate listens its whole time and none is listed.
    void aSilentDeviceTakesTheWholeTimeOfEveryCandidate() {
        Rig rig;
        rig.engine.start();
        rig.runOut();
        QStringList tried;
        for (const QString& line : rig.only(QStringLiteral("try"))) tried << line.mid(4);
        QCOMPARE(tried, Texts(comm::CandidateLists::standard().all()));
        QCOMPARE(rig.holdpane.starts, 54);
        QCOMPARE(rig.port.openCount(), 54);
        QVERIFY(rig.only(QStringLiteral("listed")).isEmpty());
        QCOMPARE(rig.log.last(), QStringLiteral("540000 finished 0"));
        QCOMPARE(rig.only(QStringLiteral("progress")).last(), QStringLiteral("progress 54/54"));
        QVERIFY(!rig.port.portOpen());
        QCOMPARE(rig.port.inputLen(), 1);
    }

    void aFramingErrorEndsTheCandidateAtOnceUnlisted() {
        Rig rig;
        rig.engine.start();
        rig.clock.advance(2000);
        rig.port.inject(QByteArray(5, 'x'));
        rig.port.injectEvent(SerialPort::ErFrame);
        rig.clock.settle();
        QCOMPARE(rig.log.mid(0, 4),
                 (QStringList{"0 try 115200,E,6,1", "2000 rejected 115200,E,6,1 1004",
                              "2000 progress 1/54", "2000 try 115200,E,7,1"}));
        QVERIFY(rig.only(QStringLiteral("listed")).isEmpty());
    }

    // Only break, framing, overrun and parity drop a candidate; other codes are ignored.
    void otherEventsDoNotDropTheCandidate() {
        Rig rig;
        rig.engine.start();
        rig.clock.advance(100);
        rig.port.inject("A");
        for (int code :
             {int(SerialPort::EvCts), int(SerialPort::ErRxOver), int(SerialPort::EvRing)})
            rig.port.injectEvent(code);
        rig.clock.advance(9900);
        QCOMPARE(rig.only(QStringLiteral("listed")), QStringList{"listed 115200,E,6,1 [41 ]"});
        QCOMPARE(rig.engine.listed().first().evidence.errorsSeen, 1);
    }

    // The open catches a sending device inside a character: its error and its garbage in the
    // first character times are not the candidate's.
    void whatComesJustAfterTheOpenIsNotTheCandidates() {
        QCOMPARE(comm::SettleMs({115200, comm::Parity::Even, 6, comm::StopBits::One}),
                 comm::kSettleExtraMs + 1);
        QCOMPARE(comm::SettleMs({1200, comm::Parity::Odd, 8, comm::StopBits::One}),
                 comm::kSettleExtraMs + 19);
        Rig rig;
        rig.engine.start();
        rig.clock.advance(comm::kSettleExtraMs);
        rig.port.inject("\xF0");
        rig.port.injectEvent(SerialPort::ErFrame);
        rig.clock.advance(100);
        rig.port.inject("A");
        rig.clock.advance(10000);
        QCOMPARE(rig.only(QStringLiteral("listed")), QStringList{"listed 115200,E,6,1 [41 ]"});
        QVERIFY(rig.only(QStringLiteral("rejected")).isEmpty());
    }

    void bytesWaitingAtTimeUpAreListedWithTheFirstTen_data() {
        QTest::addColumn<QByteArray>("arrived");
        QTest::addColumn<QString>("record");
        QByteArray many;
        for (int i = 0; i < 25; ++i) many.append(char(i));
        QTest::newRow("25 bytes") << many << "00 01 02 03 04 05 06 07 08 09 ";
        QTest::newRow("three bytes") << QByteArray("AB\r") << "41 42 0D ";
    }
    void bytesWaitingAtTimeUpAreListedWithTheFirstTen() {
        QFETCH(QByteArray, arrived);
        QFETCH(QString, record);
        Rig rig;
        rig.engine.start();
        rig.clock.advance(3000);
        rig.port.inject(arrived);
        rig.clock.advance(6999);
        QVERIFY(rig.only(QStringLiteral("listed")).isEmpty());
        rig.clock.advance(1);
        QCOMPARE(rig.log.mid(1, 2),
                 (QStringList{QStringLiteral("10000 listed 115200,E,6,1 [%1]").arg(record),
                              "10000 progress 1/54"}));
        const ListedCandidate& c = rig.engine.listed().first();
        QCOMPARE(c.bytes, arrived.left(10));
        QCOMPARE(c.evidence.received, int(arrived.size()));
        QCOMPARE(c.evidence.capacity, 10 * 115200 / 9);  // 6E1: nine bits a character
    }

    // The error is delivered at the very moment the time is up, before the pass that handles
    // both: time-up goes first, so the candidate is listed.
    void timeUpIsHandledBeforeALineErrorOfTheSamePass() {
        Rig rig;
        const std::unique_ptr<comm::ClockTimer> atTimeUp = rig.clock.makeTimer();
        QObject::connect(atTimeUp.get(), &comm::ClockTimer::timeout,
                         [&rig] { rig.port.injectEvent(SerialPort::ErRxParity); });
        atTimeUp->start(10000);
        rig.engine.start();
        rig.clock.advance(100);
        rig.port.inject("AB\r");
        rig.clock.advance(9900);
        QCOMPARE(rig.only(QStringLiteral("listed")),
                 QStringList{"listed 115200,E,6,1 [41 42 0D ]"});
        QVERIFY(rig.only(QStringLiteral("rejected")).isEmpty());
        QCOMPARE(rig.only(QStringLiteral("try")).size(), 2);
    }

    void stopDuringTheThirdCandidate() {
        Rig rig;
        rig.engine.start();
        rig.clock.advance(100);
        rig.port.inject("A");
        rig.clock.advance(9900);  // the first is listed
        rig.clock.advance(500);
        rig.port.injectEvent(SerialPort::ErBreak);
        rig.clock.settle();  // the second is dropped
        rig.clock.advance(4000);
        rig.port.inject("B");
        QObject::connect(&rig.engine, &SettingsIdentifier::stopped, [&rig] {
            // The notice is up: time passes and the line speaks, and none of it counts.
            rig.port.injectEvent(SerialPort::ErFrame);
            rig.clock.advance(20000);
        });
        rig.engine.stop();
        rig.clock.advance(20000);
        QCOMPARE(rig.only(QStringLiteral("try")).size(), 3);
        QCOMPARE(rig.log.mid(rig.log.size() - 3),
                 (QStringList{"14500 stopped", "34500 progress 3/54", "34500 finished 1"}));
        QCOMPARE(rig.only(QStringLiteral("listed")), QStringList{"listed 115200,E,6,1 [41 ]"});
        QCOMPARE(rig.only(QStringLiteral("rejected")), QStringList{"rejected 115200,E,7,1 1001"});
        QVERIFY(!rig.engine.isRunning());
        QVERIFY(!rig.port.portOpen());
        QCOMPARE(rig.holdpane.starts, 3);
        // Started again, it begins from the first candidate.
        rig.log.clear();
        rig.engine.start();
        QCOMPARE(rig.log, QStringList{"54500 try 115200,E,6,1"});
    }

    void failuresEndTheRunWithThePortClosed_data() {
        QTest::addColumn<int>("what");
        QTest::addColumn<QString>("line");
        QTest::newRow("busy port") << 0 << "0 failed 0 COM1 busy";
        QTest::newRow("no Holdpane") << 1 << "0 failed 1 /nowhere/Holdpane";
        QTest::newRow("device gone") << 2 << "3000 failed 2 unplugged";
    }
    void failuresEndTheRunWithThePortClosed() {
        QFETCH(int, what);
        QFETCH(QString, line);
        Rig rig;
        if (what == 0) rig.port.failNextOpen(QStringLiteral("COM1 busy"));
        if (what == 1) rig.holdpane.fail = true;
        rig.engine.start();
        if (what == 2) {
            rig.clock.advance(3000);
            rig.port.vanish(QStringLiteral("unplugged"));
            rig.clock.settle();
        }
        QCOMPARE(rig.log.last(), line);
        QVERIFY(!rig.engine.isRunning());
        QVERIFY(!rig.port.portOpen());
        QCOMPARE(rig.clock.activeTimers(), 0);
    }

    void rankingWeighsTheEvidence() {
        auto candidate = [](const char* s, int order, int bits, int errors, int wide, int text) {
            ListedCandidate c;
            c.settings = QLatin1String(s);
            c.order = order;
            c.line.dataBits = bits;
            c.evidence.errorsSeen = errors;
            c.evidence.tooWide = wide;
            c.evidence.textShare = text;
            return c;
        };
        QList<ListedCandidate> listed = {
            candidate("9600,E,6,1", 30, 6, 0, 12, 100), candidate("9600,E,7,1", 31, 7, 0, 0, 100),
            candidate("9600,E,8,1", 32, 8, 0, 0, 100),  candidate("4800,E,8,1", 38, 8, 0, 0, 20),
            candidate("2400,E,8,1", 44, 8, 1, 0, 100),  candidate("1200,E,8,1", 50, 8, 0, 0, 100),
            candidate("2400,O,8,1", 47, 8, 0, 0, 100)};
        // Garbage: "YYY", and 8 bytes where 9600 bits a second carry 8727 in 10 s.
        listed[5].evidence.received = 3;
        listed[5].evidence.distinct = 1;
        listed[6].evidence = comm::GatherEvidence(
            "T=21.5C\r", {9600, comm::Parity::Odd, 8, comm::StopBits::One}, 10000, 0, true);
        QCOMPARE(comm::RankCandidates(listed), (QList<int>{2, 1, 3, 0, 4, 6, 5}));
        QCOMPARE(comm::EvidenceText(listed[0].evidence),
                 QStringLiteral("字节 0/0  可读 100%  超出数据位 12  线路差错 0"));
        QVERIFY(comm::EvidenceText(listed[6].evidence).endsWith(QStringLiteral("  疑似乱码")));
    }
};

QTEST_GUILESS_MAIN(TestSettingsIdentifier)
#include "test_settingsidentifier.moc"
