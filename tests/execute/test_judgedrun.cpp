#include <QtTest>
#include <memory>
#include <vector>

#include "memoryserialport.h"
#include "rundefs.h"
#include "runengine.h"
#include "virtualclock.h"

using comm::RunEngine;
using Reason = comm::RunEngine::FinishReason;

// A kind 3 run against a Modbus device on the in-memory port and the virtual clock, with the
// receive rules of the execution window and comm-cli.
namespace {

const QByteArray kRight = QByteArray::fromHex("010304000100022A32");
const QByteArray kCorrupted = QByteArray::fromHex("010304000100022A33");
const QByteArray kException = QByteArray::fromHex("018302C0F1");

// Reads two registers; the answer's data are the address, the function, the byte count and any
// four bytes, its check the CRC-16/MODBUS of them. 9600,N,8,1, one exchange a loop, 1 s limit.
comm::CommDefinition readRegisters() {
    comm::CommDefinition def =
        testdefs::make(3, {}, {1, 3, 0, 0, 0, 2}, {0xC4, 0x0B}, {}, {0, 7, 2, 0});
    testdefs::fill(&def, comm::FrameSide::Recv, comm::Field::Data, {1, 3, 4, -1, -1, -1, -1});
    def.FrameCheckName = {comm::Checksum::Crc16Modbus, comm::Checksum::Crc16Modbus};
    return def;
}

struct Device {
    comm::VirtualClock clock;
    comm::MemorySerialPort port;
    std::unique_ptr<RunEngine> engine;
    std::vector<std::unique_ptr<comm::ClockTimer>> timers;
    QList<QByteArray> answers;  // one per request, in turn; none once they run out
    int requests = 0;
    QString listing;
    QList<bool> verdicts;
    int good = -1;
    int bad = -1;
    int questions = 0;
    QList<Reason> reasons;

    explicit Device(const comm::ReceiveRules& rules) {
        comm::CommOptions options;
        options.noWait = false;
        options.waitText = QStringLiteral("1000");
        engine = std::make_unique<RunEngine>(readRegisters(), options, port, clock);
        engine->setReceiveRules(rules);
        RunEngine* e = engine.get();
        QObject::connect(e, &RunEngine::receiveListingAppended,
                         [this](const QString& t) { listing += t; });
        QObject::connect(e, &RunEngine::frameJudged,
                         [this](int, const comm::FrameVerdict& v) { verdicts << v.match; });
        QObject::connect(e, &RunEngine::judgedCountsChanged, [this](int g, int b) {
            good = g;
            bad = b;
        });
        QObject::connect(e, &RunEngine::timeoutQuestion, [this] { ++questions; });
        QObject::connect(e, &RunEngine::finished, [this](Reason r) { reasons << r; });
        QObject::connect(&port, &comm::MemorySerialPort::bytesWritten, [this] {
            const QByteArray answer = answers.value(requests++);
            if (answer.isEmpty()) return;
            timers.push_back(clock.makeTimer());
            QObject::connect(timers.back().get(), &comm::ClockTimer::timeout,
                             [this, answer] { port.inject(answer); });
            timers.back()->start(5);
        });
    }
};

}  // namespace

class JudgedRunTest : public QObject {
    Q_OBJECT
private slots:
    // Right, corrupted check, an exception cut by the quiet gap, then silence.
    void fourAnswersJudged() {
        Device d({true, 3.5, false});
        d.answers = {kRight, kCorrupted, kException};
        QCOMPARE(d.engine->start(), RunEngine::StartResult::Started);
        QCOMPARE(d.good, 0);
        d.clock.advance(2000);
        QCOMPARE(d.requests, 4);
        QCOMPARE(d.verdicts, (QList<bool>{true, false, false}));
        QCOMPARE(d.good, 1);
        QCOMPARE(d.bad, 2);
        QCOMPARE(d.engine->receivedCount(), 3);
        QVERIFY(d.listing.contains(QStringLiteral("\r\n第1幀 正确\r\n")));
        QVERIFY(d.listing.contains(
            QStringLiteral("\r\n第2幀 错误：校验和 应为 2A 32，收到 2A 33\r\n")));
        QVERIFY(d.listing.contains(QStringLiteral("33   校验和第: 2位  ← 应为 32\r\n")));
        QVERIFY(d.listing.contains(QStringLiteral("\r\n第3幀 错误：数据位 应为 01 03 04")));
        // The fourth request got nothing: the question, with nothing waiting.
        QCOMPARE(d.questions, 1);
        QVERIFY(d.engine->waitingAtTimeout().isEmpty());
        d.engine->answerTimeout(false);
        QCOMPARE(d.reasons, QList<Reason>{Reason::Timeout});
    }

    // With every rule off the listing is as before, and the bytes read to tell what waited still
    // make up the next frame with what comes after OK.
    void aPlainRunKeepsWhatItReadForTheQuestion() {
        Device d({});
        d.answers = {kException};
        d.engine->start();
        d.clock.advance(1105);
        QCOMPARE(d.engine->waitingAtTimeout(), kException);
        QVERIFY(d.listing.isEmpty());
        d.engine->answerTimeout(true);
        d.port.inject(QByteArray::fromHex("AABBCCDD"));
        d.clock.settle();
        QCOMPARE(d.engine->receivedCount(), 1);
        QVERIFY(d.listing.startsWith(QStringLiteral("\r\n第1幀\r\n01   数据位第: 1位\r\n")));
        QVERIFY(d.listing.endsWith(QStringLiteral("DD   校验和第: 2位\r\n")));
        QCOMPARE(d.verdicts, QList<bool>{});
    }

    // Resynchronising drops noise before the start bytes, a false start included.
    void syncDropsNoiseBeforeTheStart() {
        comm::CommDefinition def = testdefs::make(2, {}, {}, {}, {}, {2, 1, 0, 0});
        testdefs::fill(&def, comm::FrameSide::Recv, comm::Field::Start, {0x7E, 0x7F});
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        RunEngine engine(def, comm::CommOptions{}, port, clock);
        engine.setReceiveRules({false, 0.0, true});
        QList<QByteArray> frames;
        QObject::connect(&engine, &RunEngine::frameReceived,
                         [&](int, const QByteArray& b) { frames << b; });
        engine.start();
        port.inject(QByteArray::fromHex("007E7E7F01557E7F02"));
        clock.settle();
        QCOMPARE(frames,
                 (QList<QByteArray>{QByteArray::fromHex("7E7F01"), QByteArray::fromHex("7E7F02")}));
        engine.stop();
    }
};

QTEST_GUILESS_MAIN(JudgedRunTest)
#include "test_judgedrun.moc"
