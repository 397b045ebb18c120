#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "memorydevice.h"
#include "memoryserialport.h"
#include "rundefs.h"
#include "runengine.h"
#include "runtext.h"
#include "virtualclock.h"

using comm::MemorySerialPort;
using comm::RunEngine;
using Reason = comm::RunEngine::FinishReason;
using Activity = comm::RunEngine::Activity;

namespace {

comm::CommOptions counted(const QString& count) {
    comm::CommOptions options;
    options.loopForever = false;
    options.loopText = count;
    return options;
}

comm::CommOptions endless() {
    return comm::CommOptions{};
}

// One engine on an in-memory port and a virtual clock, with everything it reports recorded.
// Time moves only when a test advances the clock, so every pause and limit is exact.
struct Rig {
    comm::VirtualClock clock;
    MemorySerialPort port;
    MemoryDevice device{port, clock};
    std::unique_ptr<RunEngine> engine;
    QString sendListing;
    QString receiveListing;
    QList<QByteArray> frames;
    QList<qint64> writeTimes;  // clock milliseconds of each write to the port
    QList<Activity> sendActivities;
    QList<Activity> receiveActivities;
    QStringList refusals;
    QList<int> failureCodes;
    QStringList failures;
    QList<QPair<int, QString>> lineEvents;
    QList<Reason> reasons;
    qint64 finishedMs = -1;
    QString elapsed;
    QString sentLabel;
    QString receivedLabel;
    int questions = 0;

    Rig(const comm::CommDefinition& def, const comm::CommOptions& options) {
        engine = std::make_unique<RunEngine>(def, options, port, clock);
        RunEngine* e = engine.get();
        QObject::connect(&port, &MemorySerialPort::bytesWritten,
                         [this] { writeTimes.append(clock.nowMs()); });
        QObject::connect(e, &RunEngine::sendListingCleared, [this] { sendListing.clear(); });
        QObject::connect(e, &RunEngine::sendListingAppended,
                         [this](const QString& t) { sendListing += t; });
        QObject::connect(e, &RunEngine::receiveListingCleared, [this] { receiveListing.clear(); });
        QObject::connect(e, &RunEngine::receiveListingAppended,
                         [this](const QString& t) { receiveListing += t; });
        QObject::connect(e, &RunEngine::frameReceived,
                         [this](int, const QByteArray& b) { frames.append(b); });
        QObject::connect(e, &RunEngine::sendActivityChanged,
                         [this](Activity a) { sendActivities.append(a); });
        QObject::connect(e, &RunEngine::receiveActivityChanged,
                         [this](Activity a) { receiveActivities.append(a); });
        QObject::connect(e, &RunEngine::refused, [this](const QString& m) { refusals.append(m); });
        QObject::connect(e, &RunEngine::failed, [this](int code, const QString& m) {
            failureCodes.append(code);
            failures.append(m);
        });
        QObject::connect(e, &RunEngine::lineEvent, [this](int code, const QString& m) {
            lineEvents.append({code, m});
        });
        QObject::connect(e, &RunEngine::finished, [this](Reason r, qint64 ms) {
            reasons.append(r);
            finishedMs = ms;
        });
        QObject::connect(e, &RunEngine::elapsedChanged, [this](const QString& t) { elapsed = t; });
        QObject::connect(e, &RunEngine::sentCountChanged,
                         [this](int n) { sentLabel = comm::CounterText(n); });
        QObject::connect(e, &RunEngine::receivedCountChanged,
                         [this](int n) { receivedLabel = comm::CounterText(n); });
        QObject::connect(e, &RunEngine::timeoutQuestion, [this] { ++questions; });
    }

    // Answers every frame the engine writes with `answer`, afterMs later, as a device would.
    void answerWith(const QByteArray& answer, int afterMs = 5) {
        device.answer([answer](int, const QByteArray&) { return answer; }, afterMs);
    }
};

const QByteArray kFrame7 = testdefs::bytes({0x7E, 0x7F, 1, 2, 3, 0xAA, 0x0D});

comm::CommDefinition sevenByteFrame(int kind, const QList<int>& recvCounts = {0, 0, 0, 0}) {
    return testdefs::make(kind, {0x7E, 0x7F}, {1, 2, 3}, {0xAA}, {0x0D}, recvCounts);
}

}  // namespace

class RunEngineTest : public QObject {
    Q_OBJECT
private slots:
    void kind1SendsExactlyTheCountedFrames_data();
    void kind1SendsExactlyTheCountedFrames();
    void kind1ForeverRunsUntilStopAndKeepsPaceWithTheLine();
    void unsetByteIsRefusedBeforeThePortIsTouched_data();
    void unsetByteIsRefusedBeforeThePortIsTouched();
    void emptyFramesAndDamagedDefinitionsAreRefused_data();
    void emptyFramesAndDamagedDefinitionsAreRefused();
    void settingsTheDriverCannotRunAreRefused();
    void kindOutsideOneToFourOnlyResetsTheDisplays();
    void portThatCannotBeOpened_data();
    void portThatCannotBeOpened();
    void kind2TakesWholeFramesAndLeavesTheRestWaiting();
    void kind2FramesSplitAcrossArrivals();
    void kind2WithCountZeroEndsAtOnce();
    void kind2CountedEndsAfterTheCount();
    void kind2WithCountZeroTakesAFrameAlreadyWaiting();
    void kind2TimeoutQuestionOkWaitsAgainCancelEnds();
    void kind2FrameArrivingRestartsTheLimit();
    void kind2WithoutLimitNeverAsks();
    void nothingIsTakenWhileTheQuestionIsOut();
    void kind3TwoExchanges();
    void kind3DiscardsWhatArrivedBeforeItsFrameWasSent();
    void kind3TimeoutQuestion_data();
    void kind3TimeoutQuestion();
    void kind4AnswerPause_data();
    void kind4AnswerPause();
    void kind4CountedEndsAfterTheAnswer();
    void countBelowOneHandlesOneExchange_data();
    void countBelowOneHandlesOneExchange();
    void stopEndsTheRunAndStartAgainResets();
    void stopDuringTheAnswerPauseSendsNothingMore();
    void lineEventEndsTheRun_data();
    void lineEventEndsTheRun();
    void otherCodesChangeNothing_data();
    void otherCodesChangeNothing();
    void deviceVanishingEndsTheRunWithAMessage();
    void refusedWriteEndsTheRunWithAMessage();
    void abortReleasesThePortSilently();
    void stoppingFromAReportDoesNotFinishTwice();
};

void RunEngineTest::kind1SendsExactlyTheCountedFrames_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("frames");
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("0 still sends one") << "0" << 1;
    QTest::newRow("empty box sends one") << "" << 1;
    QTest::newRow("2.5 compares as a real number") << "2.5" << 2;
    QTest::newRow("leading number only") << "4x" << 4;
}

void RunEngineTest::kind1SendsExactlyTheCountedFrames() {
    QFETCH(QString, count);
    QFETCH(int, frames);
    Rig rig(sevenByteFrame(1), counted(count));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QVERIFY(rig.engine->isRunning());
    QVERIFY(rig.port.portOpen());
    // Well within one transmit buffer: every frame goes without the clock moving.
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7.repeated(frames));
    QCOMPARE(rig.writeTimes, QList<qint64>(frames, 0));
    QCOMPARE(rig.sentLabel, comm::CounterText(frames));
    QCOMPARE(rig.receivedLabel, comm::CounterText(0));
    QVERIFY(!rig.port.portOpen());
    QVERIFY(!rig.engine->isRunning());
    QCOMPARE(rig.sendActivities, (QList<Activity>{Activity::Sending, Activity::Idle}));
    QVERIFY(rig.receiveActivities.isEmpty());
    QCOMPARE(rig.finishedMs, 0);
    QCOMPARE(rig.elapsed, QStringLiteral("0秒"));
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);
    QVERIFY(rig.receiveListing.isEmpty());
}

void RunEngineTest::kind1ForeverRunsUntilStopAndKeepsPaceWithTheLine() {
    // 9600,N,8,1 carries 0.96 characters a millisecond. A frame may go while at most one
    // transmit buffer (512 characters) waits for the line; beyond that the engine sleeps until
    // half of the buffer has gone.
    Rig rig(sevenByteFrame(1), endless());
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    rig.clock.settle();
    // 73 frames are 511 characters, within the buffer, so the 74th goes too: 518 wait.
    QCOMPARE(rig.engine->sentCount(), 74);
    // 256 of them are left after 272.9 ms.
    rig.clock.advance(272);
    QCOMPARE(rig.engine->sentCount(), 74);
    rig.clock.advance(1);
    // 518 - 262.08 = 255.92 left: 37 frames more bring the wait to 514.92 characters.
    QCOMPARE(rig.engine->sentCount(), 111);
    QCOMPARE(rig.writeTimes.last(), 273);
    // From then on, at every millisecond, never more than the buffer and one frame ahead of the
    // line, and never less than half the buffer less a millisecond's worth: it never runs dry.
    for (qint64 ms = 274; ms <= 3000; ++ms) {
        rig.clock.advance(1);
        const double ahead = rig.engine->sentCount() * 7 - ms * 0.96;
        QVERIFY2(ahead <= 512 + 7 && ahead > 256 - 0.96,
                 qPrintable(QStringLiteral("%1 ms: %2 characters ahead").arg(ms).arg(ahead)));
    }
    rig.engine->stop();
    const int sent = rig.engine->sentCount();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QCOMPARE(rig.port.written(), kFrame7.repeated(sent));
    QCOMPARE(rig.sentLabel, comm::CounterText(sent));
    QCOMPARE(rig.finishedMs, 3000);
    QCOMPARE(rig.elapsed, QStringLiteral("3秒"));
}

void RunEngineTest::unsetByteIsRefusedBeforeThePortIsTouched_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("listing");
    const QString partial =
        QStringLiteral("7E   起始位第: 1位\r\n01   数据位第: 1位\r\n03   数据位第: 3位\r\n");
    QTest::newRow("kind 1 lists the rest") << 1 << partial;
    QTest::newRow("kind 3 lists nothing") << 3 << QString();
    QTest::newRow("kind 4 lists the rest") << 4 << partial;
}

void RunEngineTest::unsetByteIsRefusedBeforeThePortIsTouched() {
    QFETCH(int, kind);
    QFETCH(QString, listing);
    Rig rig(testdefs::make(kind, {0x7E}, {1, -1, 3}, {}, {}, {0, 1, 0, 0}), counted("3"));
    rig.sendListing = QStringLiteral("left from before");
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Refused);
    QCOMPARE(rig.refusals, QStringList{comm::IncompleteMessage()});
    QCOMPARE(rig.sendListing, listing);
    QCOMPARE(rig.port.openCount(), 0);
    QVERIFY(rig.port.written().isEmpty());
    QVERIFY(!rig.engine->isRunning());
    QVERIFY(rig.reasons.isEmpty());
}

void RunEngineTest::emptyFramesAndDamagedDefinitionsAreRefused_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("sendData");
    QTest::addColumn<QList<int>>("recvCounts");
    QTest::newRow("kind 1 no send bytes") << 1 << QList<int>{} << QList<int>{0, 1, 0, 0};
    QTest::newRow("kind 2 no receive bytes") << 2 << QList<int>{1} << QList<int>{0, 0, 0, 0};
    QTest::newRow("kind 4 no receive bytes") << 4 << QList<int>{1} << QList<int>{0, 0, 0, 0};
    QTest::newRow("kind 3 value out of range") << 3 << QList<int>{300} << QList<int>{0, 1, 0, 0};
    QTest::newRow("kind 2 receive count too big") << 2 << QList<int>{1} << QList<int>{11, 1, 0, 0};
}

void RunEngineTest::emptyFramesAndDamagedDefinitionsAreRefused() {
    QFETCH(int, kind);
    QFETCH(QList<int>, sendData);
    QFETCH(QList<int>, recvCounts);
    auto def = testdefs::make(kind, {}, sendData, {}, {}, {0, 1, 0, 0});
    for (int i = 0; i < 4; ++i) def.FrameFieldCount[4 + i] = qint16(recvCounts[i]);
    Rig rig(def, endless());
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Refused);
    QCOMPARE(rig.refusals.size(), 1);
    QCOMPARE(rig.port.openCount(), 0);
}

void RunEngineTest::settingsTheDriverCannotRunAreRefused() {
    auto def = sevenByteFrame(1);
    def.CommSettings = QStringLiteral("9600,N,4,1");
    Rig rig(def, counted("1"));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Refused);
    QCOMPARE(rig.refusals.size(), 1);
    QVERIFY(rig.refusals[0] != comm::BusyPortMessage());
    QCOMPARE(rig.port.openCount(), 0);
}

void RunEngineTest::kindOutsideOneToFourOnlyResetsTheDisplays() {
    auto def = sevenByteFrame(5);
    Rig rig(def, counted("1"));
    rig.sendListing = QStringLiteral("old");
    rig.receiveListing = QStringLiteral("old");
    rig.elapsed = QStringLiteral("9秒");
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::NoKind);
    QVERIFY(rig.sendListing.isEmpty());
    QVERIFY(rig.receiveListing.isEmpty());
    QCOMPARE(rig.elapsed, QStringLiteral("0秒"));
    QCOMPARE(rig.sentLabel, QStringLiteral("0幀"));
    QCOMPARE(rig.port.openCount(), 0);
    QVERIFY(rig.refusals.isEmpty());
    QVERIFY(!rig.engine->isRunning());
}

void RunEngineTest::portThatCannotBeOpened_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("busy");
    for (int kind = 1; kind <= 4; ++kind) {
        QTest::newRow(qPrintable(QStringLiteral("kind %1 busy").arg(kind))) << kind << true;
        QTest::newRow(qPrintable(QStringLiteral("kind %1 refused").arg(kind))) << kind << false;
    }
}

void RunEngineTest::portThatCannotBeOpened() {
    QFETCH(int, kind);
    QFETCH(bool, busy);
    Rig rig(sevenByteFrame(kind, {0, 2, 0, 0}), endless());
    if (busy)
        rig.port.setBusy(true);
    else
        rig.port.failNextOpen(QStringLiteral("no such device"));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::OpenFailed);
    QCOMPARE(rig.failureCodes, QList<int>{comm::SerialPort::kOpenFailure});
    QCOMPARE(rig.failures, QStringList{comm::BusyPortMessage()});
    QVERIFY(!rig.engine->isRunning());
    QVERIFY(rig.reasons.isEmpty());
    rig.clock.advance(1000);
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RunEngineTest::kind2TakesWholeFramesAndLeavesTheRestWaiting() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {1, 3, 0, 1}), endless());
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    rig.clock.advance(10);
    QCOMPARE(rig.receiveActivities, QList<Activity>{});  // idle already, nothing to change
    rig.port.inject(testdefs::bytes({0x68, 1, 2, 3, 0x16, 0x68, 4, 5, 6, 0x16, 0x68, 7}));
    rig.clock.settle();
    QCOMPARE(rig.frames.size(), 2);
    QCOMPARE(rig.receiveActivities, (QList<Activity>{Activity::Receiving, Activity::Idle}));
    QCOMPARE(rig.port.inBufferCount(), 2);
    QCOMPARE(rig.frames[0], testdefs::bytes({0x68, 1, 2, 3, 0x16}));
    QCOMPARE(rig.frames[1], testdefs::bytes({0x68, 4, 5, 6, 0x16}));
    QCOMPARE(rig.receivedLabel, QStringLiteral("2幀"));
    QVERIFY(rig.receiveListing.startsWith(
        QStringLiteral("\r\n第1幀\r\n68   起始位第: 1位\r\n01   数据位第: 1位\r\n")));
    QVERIFY(rig.receiveListing.contains(
        QStringLiteral("16   结束位第: 1位\r\n\r\n第2幀\r\n68   起始位第: 1位\r\n")));

    rig.port.inject(testdefs::bytes({8, 9, 0x16}));
    rig.clock.settle();
    QCOMPARE(rig.frames.size(), 3);
    QCOMPARE(rig.frames[2], testdefs::bytes({0x68, 7, 8, 9, 0x16}));
    QVERIFY(rig.engine->isRunning());
    rig.engine->stop();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
}

void RunEngineTest::kind2FramesSplitAcrossArrivals() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 4, 0, 0}), endless());
    rig.engine->start();
    // A byte every 3 ms: the 4th (at 9 ms) and the 8th (at 21 ms) complete a frame.
    rig.device.sendPaced(testdefs::bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), 3);
    rig.clock.advance(8);
    QCOMPARE(rig.frames.size(), 0);
    rig.clock.advance(1);
    QCOMPARE(rig.frames, QList<QByteArray>{testdefs::bytes({1, 2, 3, 4})});
    rig.clock.advance(11);
    QCOMPARE(rig.frames.size(), 1);
    QCOMPARE(rig.port.inBufferCount(), 3);
    rig.clock.advance(1);
    QCOMPARE(rig.frames.size(), 2);
    QCOMPARE(rig.frames[1], testdefs::bytes({5, 6, 7, 8}));
    rig.clock.advance(1000);
    QCOMPARE(rig.frames.size(), 2);
    QCOMPARE(rig.port.inBufferCount(), 1);
}

void RunEngineTest::kind2WithCountZeroEndsAtOnce() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 3, 0, 0}), counted("0"));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.openCount(), 1);
    QVERIFY(!rig.port.portOpen());
    QVERIFY(rig.receiveListing.isEmpty());
    QVERIFY(rig.frames.isEmpty());
    QCOMPARE(rig.elapsed, QStringLiteral("0秒"));
}

void RunEngineTest::kind2CountedEndsAfterTheCount() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), counted("2"));
    rig.engine->start();
    rig.port.inject(testdefs::bytes({1, 2, 3, 4, 5, 6}));
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.frames.size(), 2);
    QCOMPARE(rig.receivedLabel, QStringLiteral("2幀"));
    QCOMPARE(rig.receiveActivities.last(), Activity::Idle);
}

void RunEngineTest::kind2WithCountZeroTakesAFrameAlreadyWaiting() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 3, 0, 0}), counted("0"));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    // In before the first pass: that pass takes it, then the count ends the run.
    rig.port.inject(testdefs::bytes({1, 2, 3, 4, 5, 6}));
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.frames, QList<QByteArray>{testdefs::bytes({1, 2, 3})});
    QCOMPARE(rig.receivedLabel, QStringLiteral("1幀"));
}

void RunEngineTest::kind2TimeoutQuestionOkWaitsAgainCancelEnds() {
    auto options = endless();
    options.noWait = false;
    options.waitText = QStringLiteral("150");
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    rig.clock.advance(149);
    QCOMPARE(rig.questions, 0);
    rig.clock.advance(1);
    QCOMPARE(rig.questions, 1);
    QVERIFY(rig.engine->timeoutQuestionPending());
    rig.engine->answerTimeout(true);
    QVERIFY(!rig.engine->timeoutQuestionPending());
    // OK waits for the whole limit again, counted from the answer.
    rig.clock.advance(149);
    QCOMPARE(rig.questions, 1);
    rig.clock.advance(1);
    QCOMPARE(rig.questions, 2);
    QVERIFY(rig.engine->isRunning());
    rig.engine->answerTimeout(false);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Timeout});
    QVERIFY(!rig.port.portOpen());
    QCOMPARE(rig.finishedMs, 300);
    QCOMPARE(rig.elapsed, QStringLiteral("0.3秒"));
    // A late answer after the run is over changes nothing.
    rig.engine->answerTimeout(true);
    rig.clock.advance(1000);
    QVERIFY(!rig.engine->isRunning());
    QCOMPARE(rig.questions, 2);
}

void RunEngineTest::kind2FrameArrivingRestartsTheLimit() {
    auto options = endless();
    options.noWait = false;
    options.waitText = QStringLiteral("200");
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    rig.clock.advance(120);
    rig.port.inject(testdefs::bytes({1, 2}));
    rig.clock.settle();
    QCOMPARE(rig.frames.size(), 1);
    // Not at 200 ms from the start: 200 ms from the frame.
    rig.clock.advance(199);
    QCOMPARE(rig.questions, 0);
    rig.clock.advance(1);
    QCOMPARE(rig.questions, 1);
    rig.engine->answerTimeout(false);
    QCOMPARE(rig.finishedMs, 320);
}

void RunEngineTest::kind2WithoutLimitNeverAsks() {
    auto options = endless();
    options.noWait = true;
    options.waitText = QStringLiteral("50");  // ignored: option 4 is set
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    rig.clock.advance(3'600'000);
    QCOMPARE(rig.questions, 0);
    QVERIFY(rig.engine->isRunning());
    rig.engine->stop();
    QCOMPARE(rig.elapsed, QStringLiteral("3600秒"));
}

void RunEngineTest::nothingIsTakenWhileTheQuestionIsOut() {
    auto options = endless();
    options.noWait = false;
    options.waitText = QStringLiteral("50");
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    rig.clock.advance(49);
    QCOMPARE(rig.questions, 0);
    rig.clock.advance(1);
    QCOMPARE(rig.questions, 1);
    rig.port.inject(testdefs::bytes({1, 2, 3, 4}));
    rig.clock.advance(1000);
    QCOMPARE(rig.frames.size(), 0);
    QCOMPARE(rig.questions, 1);
    rig.engine->answerTimeout(true);
    rig.clock.settle();
    QCOMPARE(rig.frames.size(), 2);
    rig.engine->stop();
}

void RunEngineTest::kind3TwoExchanges() {
    Rig rig(sevenByteFrame(3, {1, 1, 0, 1}), counted("2"));
    rig.answerWith(testdefs::bytes({0x68, 0x55, 0x16}), 20);
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    rig.clock.advance(99);
    QVERIFY(rig.port.written().isEmpty());
    rig.clock.advance(1);
    QCOMPARE(rig.port.written(), kFrame7);
    rig.clock.advance(1000);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7.repeated(2));
    QCOMPARE(rig.sentLabel, QStringLiteral("2幀"));
    QCOMPARE(rig.receivedLabel, QStringLiteral("2幀"));
    QVERIFY(rig.receiveListing.contains(QStringLiteral("第1幀")));
    QVERIFY(rig.receiveListing.contains(QStringLiteral("第2幀")));
    QVERIFY(!rig.receiveListing.contains(QStringLiteral("第3幀")));
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);
    // Each frame goes out 100 ms after the start or after the answer (20 ms after its frame),
    // and the second answer ends the run.
    QCOMPARE(rig.writeTimes, (QList<qint64>{100, 220}));
    QCOMPARE(rig.finishedMs, 240);
    QStringList log;  // each frame with the time it went or came
    for (const comm::LogRecord& r : rig.engine->log().records()) log << comm::LogLine(r);
    QCOMPARE(log, (QStringList{"     0.100 TX 7E 7F 01 02 03 AA 0D", "     0.120 RX 68 55 16",
                               "     0.220 TX 7E 7F 01 02 03 AA 0D", "     0.240 RX 68 55 16"}));
    QCOMPARE(rig.elapsed, QStringLiteral("0.24秒"));
    QVERIFY(!rig.port.portOpen());
    // Kind 3 only ever shows the idle picture in the send indicator.
    QVERIFY(rig.receiveActivities.isEmpty());
    QVERIFY(!rig.sendActivities.contains(Activity::Sending));
}

void RunEngineTest::kind3DiscardsWhatArrivedBeforeItsFrameWasSent() {
    Rig rig(sevenByteFrame(3, {0, 2, 0, 0}), counted("1"));
    rig.engine->start();
    rig.port.inject(testdefs::bytes({0xEE, 0xEE, 0xEE}));  // stale bytes during the first pause
    rig.answerWith(testdefs::bytes({0x10, 0x20}));
    rig.clock.advance(105);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.frames, QList<QByteArray>{testdefs::bytes({0x10, 0x20})});
}

void RunEngineTest::kind3TimeoutQuestion_data() {
    QTest::addColumn<bool>("answerOk");
    QTest::newRow("OK, then the answer arrives") << true;
    QTest::newRow("Cancel ends the run") << false;
}

void RunEngineTest::kind3TimeoutQuestion() {
    QFETCH(bool, answerOk);
    auto options = counted("1");
    options.noWait = false;
    options.waitText = QStringLiteral("100");
    Rig rig(sevenByteFrame(3, {0, 2, 0, 0}), options);
    rig.engine->start();
    // The frame goes at 100 ms; the limit counts from there.
    rig.clock.advance(199);
    QCOMPARE(rig.engine->sentCount(), 1);
    QCOMPARE(rig.questions, 0);
    rig.clock.advance(1);
    QCOMPARE(rig.questions, 1);
    if (!answerOk) {
        rig.engine->answerTimeout(false);
        QCOMPARE(rig.reasons, QList<Reason>{Reason::Timeout});
        QCOMPARE(rig.finishedMs, 200);
        rig.clock.advance(1000);
        QCOMPARE(rig.port.written(), kFrame7);  // no frame after the give-up
        return;
    }
    rig.engine->answerTimeout(true);
    rig.port.inject(testdefs::bytes({0x31, 0x32}));
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.frames.size(), 1);
    QCOMPARE(rig.questions, 1);
}

void RunEngineTest::kind4AnswerPause_data() {
    QTest::addColumn<bool>("noDelay");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<int>("pauseMs");
    QTest::newRow("no delay") << true << "500" << 100;
    QTest::newRow("delay 200") << false << "200" << 300;
}

void RunEngineTest::kind4AnswerPause() {
    QFETCH(bool, noDelay);
    QFETCH(QString, delay);
    QFETCH(int, pauseMs);
    auto options = endless();
    options.noDelay = noDelay;
    options.delayText = delay;
    Rig rig(sevenByteFrame(4, {1, 0, 0, 1}), options);
    rig.engine->start();
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);
    rig.clock.advance(20);
    QList<qint64> arrivals;
    for (int i = 0; i < 2; ++i) {
        arrivals.append(rig.clock.nowMs());
        rig.port.inject(testdefs::bytes({0x40 + i, 0x41}));
        rig.clock.settle();
        QCOMPARE(rig.engine->receivedCount(), i + 1);
        rig.clock.advance(pauseMs - 1);
        QCOMPARE(rig.writeTimes.size(), i);
        rig.clock.advance(1);
        QCOMPARE(rig.writeTimes.size(), i + 1);
        rig.clock.advance(7);
    }
    QCOMPARE(rig.writeTimes, (QList<qint64>{arrivals[0] + pauseMs, arrivals[1] + pauseMs}));
    QCOMPARE(rig.port.written(), kFrame7.repeated(2));
    QCOMPARE(rig.sentLabel, QStringLiteral("2幀"));
    QVERIFY(rig.engine->isRunning());
    // Kind 4 leaves both pictures alone.
    QVERIFY(rig.sendActivities.isEmpty());
    QVERIFY(rig.receiveActivities.isEmpty());
    rig.engine->stop();
}

void RunEngineTest::kind4CountedEndsAfterTheAnswer() {
    Rig rig(sevenByteFrame(4, {0, 1, 0, 0}), counted("2"));
    rig.engine->start();
    rig.port.inject(testdefs::bytes({1, 2, 3}));
    // Two answers, each 100 ms after its frame; the third frame is left waiting.
    rig.clock.advance(199);
    QVERIFY(rig.reasons.isEmpty());
    rig.clock.advance(1);
    QCOMPARE(rig.writeTimes, (QList<qint64>{100, 200}));
    QCOMPARE(rig.finishedMs, 200);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7.repeated(2));
    QCOMPARE(rig.frames.size(), 2);
}

void RunEngineTest::countBelowOneHandlesOneExchange_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("count");
    QTest::newRow("kind 3, 0") << 3 << "0";
    QTest::newRow("kind 3, -2") << 3 << "-2";
    QTest::newRow("kind 4, 0") << 4 << "0";
    QTest::newRow("kind 4, 0.5") << 4 << "0.5";
}

void RunEngineTest::countBelowOneHandlesOneExchange() {
    QFETCH(int, kind);
    QFETCH(QString, count);
    Rig rig(sevenByteFrame(kind, {0, 2, 0, 0}), counted(count));
    if (kind == 3) rig.answerWith(testdefs::bytes({0x31, 0x32}));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    // Kind 4: two frames wait, only the first is answered.
    if (kind == 4) rig.port.inject(testdefs::bytes({0x31, 0x32, 0x33, 0x34}));
    // Kind 3 has its answer 5 ms after its frame, 100 ms after the start; kind 4 answers after
    // its 100 ms pause.
    rig.clock.advance(kind == 3 ? 105 : 100);
    QCOMPARE(rig.finishedMs, kind == 3 ? 105 : 100);
    rig.clock.advance(1000);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7);
    QCOMPARE(rig.frames, QList<QByteArray>{testdefs::bytes({0x31, 0x32})});
    QCOMPARE(rig.sentLabel, QStringLiteral("1幀"));
    QCOMPARE(rig.receivedLabel, QStringLiteral("1幀"));
}

void RunEngineTest::stopEndsTheRunAndStartAgainResets() {
    Rig rig(sevenByteFrame(1), endless());
    rig.engine->start();
    rig.clock.advance(500);
    QVERIFY(rig.engine->sentCount() >= 3);
    rig.engine->stop();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QVERIFY(!rig.port.portOpen());
    QCOMPARE(rig.sendActivities.last(), Activity::Idle);
    QCOMPARE(rig.elapsed, QStringLiteral("0.5秒"));
    const QByteArray written = rig.port.written();
    rig.clock.advance(1000);
    QCOMPARE(rig.port.written(), written);  // nothing after the stop
    rig.engine->stop();                     // a second stop while idle changes nothing
    QCOMPARE(rig.reasons.size(), 1);

    rig.receiveListing = QStringLiteral("old");
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QCOMPARE(rig.receiveListing, QString());
    QCOMPARE(rig.elapsed, QStringLiteral("0秒"));
    QCOMPARE(rig.sentLabel, QStringLiteral("0幀"));
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);  // listed afresh, not appended
    // Counted afresh, and the line is idle again: a whole buffer's worth goes at once.
    rig.clock.settle();
    QCOMPARE(rig.engine->sentCount(), 74);
    QCOMPARE(rig.sentLabel, QStringLiteral("74幀"));
    rig.engine->stop();
    QCOMPARE(rig.port.openCount(), 2);
    QCOMPARE(rig.elapsed, QStringLiteral("0秒"));
}

void RunEngineTest::stopDuringTheAnswerPauseSendsNothingMore() {
    auto options = endless();
    options.noDelay = false;
    options.delayText = QStringLiteral("300");
    Rig rig(sevenByteFrame(4, {0, 1, 0, 0}), options);
    rig.engine->start();
    rig.port.inject(testdefs::bytes({1}));
    rig.clock.advance(399);
    QCOMPARE(rig.frames.size(), 1);
    rig.engine->stop();
    rig.clock.advance(10'000);
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QCOMPARE(rig.clock.activeTimers(), 0);
}

void RunEngineTest::lineEventEndsTheRun_data() {
    QTest::addColumn<int>("code");
    for (int code : comm::LineEventCodes())
        QTest::newRow(qPrintable(QString::number(code))) << code;
}

void RunEngineTest::lineEventEndsTheRun() {
    QFETCH(int, code);
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), endless());
    rig.engine->start();
    rig.clock.advance(30);
    rig.port.injectEvent(code);
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::LineEvent});
    QCOMPARE(rig.finishedMs, 30);
    QCOMPARE(rig.lineEvents.size(), 1);
    QCOMPARE(rig.lineEvents[0].first, code);
    QCOMPARE(rig.lineEvents[0].second, comm::LineEventMessage(code));
    QVERIFY(!rig.port.portOpen());
    QVERIFY(!rig.engine->isRunning());
    rig.port.inject(testdefs::bytes({1, 2}));
    rig.clock.advance(1000);
    QVERIFY(rig.frames.isEmpty());
}

void RunEngineTest::otherCodesChangeNothing_data() {
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("1005") << 1005;
    QTest::newRow("8") << 8;
    QTest::newRow("1012") << 1012;
}

void RunEngineTest::otherCodesChangeNothing() {
    QFETCH(int, code);
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), endless());
    rig.engine->start();
    bool delivered = false;
    QObject::connect(&rig.port, &comm::SerialPort::commNotified, [&] { delivered = true; });
    rig.port.injectEvent(code);
    rig.clock.settle();
    QVERIFY(delivered);
    QVERIFY(rig.engine->isRunning());
    QVERIFY(rig.port.portOpen());
    QVERIFY(rig.lineEvents.isEmpty());
    rig.port.inject(testdefs::bytes({1, 2}));
    rig.clock.settle();
    QCOMPARE(rig.frames.size(), 1);
    rig.engine->stop();
}

void RunEngineTest::deviceVanishingEndsTheRunWithAMessage() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), endless());
    rig.engine->start();
    rig.port.vanish(QStringLiteral("unplugged"));
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::DeviceLost});
    QCOMPARE(rig.failures.size(), 1);
    QVERIFY(rig.failures[0].contains(QStringLiteral("unplugged")));
    QVERIFY(!rig.engine->isRunning());
}

void RunEngineTest::refusedWriteEndsTheRunWithAMessage() {
    Rig rig(sevenByteFrame(1), endless());
    rig.port.failNextOutput(QStringLiteral("write refused"));
    rig.engine->start();
    rig.clock.settle();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Failure});
    QCOMPARE(rig.failures.size(), 1);
    QVERIFY(rig.failures[0].contains(QStringLiteral("write refused")));
    QCOMPARE(rig.engine->sentCount(), 0);
    QVERIFY(!rig.port.portOpen());
}

void RunEngineTest::abortReleasesThePortSilently() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), endless());
    rig.engine->start();
    rig.engine->abort();
    QVERIFY(!rig.port.portOpen());
    QVERIFY(!rig.engine->isRunning());
    QVERIFY(rig.reasons.isEmpty());
    rig.engine.reset();  // and destroying an idle engine leaves the port alone
    QVERIFY(!rig.port.portOpen());
}

void RunEngineTest::stoppingFromAReportDoesNotFinishTwice() {
    Rig rig(sevenByteFrame(1), counted("3"));
    QObject::connect(rig.engine.get(), &RunEngine::frameSent, [&](int n) {
        if (n == 3) rig.engine->stop();  // the count is reached by this very frame
    });
    rig.engine->start();
    rig.clock.advance(1000);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QCOMPARE(rig.port.written(), kFrame7.repeated(3));
}

QTEST_GUILESS_MAIN(RunEngineTest)
#include "test_runengine.moc"
