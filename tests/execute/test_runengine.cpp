#include <QtTest>
#include <memory>

#include "memoryserialport.h"
#include "rundefs.h"
#include "runengine.h"
#include "runtext.h"

using comm::MemorySerialPort;
using comm::RunEngine;
using Reason = comm::RunEngine::FinishReason;
using Picture = comm::RunEngine::Picture;

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

// One engine on an in-memory port, with everything it reports recorded.
struct Rig {
    MemorySerialPort port;
    std::unique_ptr<RunEngine> engine;
    QString sendListing;
    QString receiveListing;
    QList<QByteArray> frames;
    QList<Picture> sendPictures;
    QList<Picture> receivePictures;
    QStringList refusals;
    QList<int> failureCodes;
    QStringList failures;
    QList<QPair<int, QString>> lineEvents;
    QList<Reason> reasons;
    QString elapsed;
    QString sentLabel;
    QString receivedLabel;
    int questions = 0;

    Rig(const comm::CommDefinition& def, const comm::CommOptions& options) {
        engine = std::make_unique<RunEngine>(def, options, port);
        RunEngine* e = engine.get();
        QObject::connect(e, &RunEngine::sendListingCleared, [this] { sendListing.clear(); });
        QObject::connect(e, &RunEngine::sendListingAppended,
                         [this](const QString& t) { sendListing += t; });
        QObject::connect(e, &RunEngine::receiveListingCleared, [this] { receiveListing.clear(); });
        QObject::connect(e, &RunEngine::receiveListingAppended,
                         [this](const QString& t) { receiveListing += t; });
        QObject::connect(e, &RunEngine::frameReceived,
                         [this](int, const QByteArray& b) { frames.append(b); });
        QObject::connect(e, &RunEngine::sendPictureChanged,
                         [this](Picture p) { sendPictures.append(p); });
        QObject::connect(e, &RunEngine::receivePictureChanged,
                         [this](Picture p) { receivePictures.append(p); });
        QObject::connect(e, &RunEngine::refused, [this](const QString& m) { refusals.append(m); });
        QObject::connect(e, &RunEngine::failed, [this](int code, const QString& m) {
            failureCodes.append(code);
            failures.append(m);
        });
        QObject::connect(e, &RunEngine::lineEvent, [this](int code, const QString& m) {
            lineEvents.append({code, m});
        });
        QObject::connect(e, &RunEngine::finished, [this](Reason r, qint64) { reasons.append(r); });
        QObject::connect(e, &RunEngine::elapsedChanged, [this](const QString& t) { elapsed = t; });
        QObject::connect(e, &RunEngine::sentCountChanged,
                         [this](int n) { sentLabel = comm::CounterText(n); });
        QObject::connect(e, &RunEngine::receivedCountChanged,
                         [this](int n) { receivedLabel = comm::CounterText(n); });
        QObject::connect(e, &RunEngine::timeoutQuestion, [this] { ++questions; });
    }

    // Answers every frame the engine writes with `answer`, after `afterMs`, as a device would.
    void answerWith(const QByteArray& answer, int afterMs = 5) {
        QObject::connect(&port, &MemorySerialPort::bytesWritten, [this, answer, afterMs] {
            QTimer::singleShot(afterMs, &port, [this, answer] { port.inject(answer); });
        });
    }

    bool waitFinished(int timeoutMs = 10000) {
        QElapsedTimer t;
        t.start();
        while (reasons.isEmpty() && t.elapsed() < timeoutMs) QTest::qWait(5);
        return !reasons.isEmpty();
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
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7.repeated(frames));
    QCOMPARE(rig.sentLabel, comm::CounterText(frames));
    QCOMPARE(rig.receivedLabel, comm::CounterText(0));
    QVERIFY(!rig.port.portOpen());
    QVERIFY(!rig.engine->isRunning());
    QCOMPARE(rig.sendPictures, (QList<Picture>{Picture::SendActive, Picture::Idle}));
    QVERIFY(rig.receivePictures.isEmpty());
    QVERIFY(rig.elapsed.endsWith(QStringLiteral("秒")));
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);
    QVERIFY(rig.receiveListing.isEmpty());
}

void RunEngineTest::kind1ForeverRunsUntilStopAndKeepsPaceWithTheLine() {
    // 9600,N,8,1: 960 characters a second, a 7-byte frame every 7.3 ms.
    Rig rig(sevenByteFrame(1), endless());
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QTest::qWait(400);
    const qint64 ms = clock.elapsed();
    rig.engine->stop();
    const int sent = rig.engine->sentCount();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QCOMPARE(rig.port.written(), kFrame7.repeated(sent));
    QCOMPARE(rig.sentLabel, comm::CounterText(sent));
    // Never more than the line carried plus one transmit buffer (512 bytes) and a frame.
    const double carried = ms / 1000.0 * 960.0;
    QVERIFY2(sent * 7 <= carried + 512 + 7, qPrintable(QString::number(sent)));
    // And it did keep the line busy: at least the buffer plus what half the time carried.
    QVERIFY2(sent * 7 >= 512 + carried / 2 - 7, qPrintable(QString::number(sent)));
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
    QCOMPARE(rig.refusals, QStringList{comm::kIncompleteMessage});
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
    QVERIFY(rig.refusals[0] != comm::kBusyPortMessage);
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
    QCOMPARE(rig.failures, QStringList{comm::kBusyPortMessage});
    QVERIFY(!rig.engine->isRunning());
    QVERIFY(rig.reasons.isEmpty());
    QTest::qWait(20);
    QVERIFY(rig.port.written().isEmpty());
}

void RunEngineTest::kind2TakesWholeFramesAndLeavesTheRestWaiting() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {1, 3, 0, 1}), endless());
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QTest::qWait(10);
    QCOMPARE(rig.receivePictures, QList<Picture>{});  // idle already, nothing to change
    rig.port.inject(testdefs::bytes({0x68, 1, 2, 3, 0x16, 0x68, 4, 5, 6, 0x16, 0x68, 7}));
    QTRY_COMPARE(rig.frames.size(), 2);
    QTRY_COMPARE(rig.receivePictures.size(), 2);
    QCOMPARE(rig.receivePictures, (QList<Picture>{Picture::ReceiveActive, Picture::Idle}));
    QCOMPARE(rig.port.inBufferCount(), 2);
    QCOMPARE(rig.frames[0], testdefs::bytes({0x68, 1, 2, 3, 0x16}));
    QCOMPARE(rig.frames[1], testdefs::bytes({0x68, 4, 5, 6, 0x16}));
    QCOMPARE(rig.receivedLabel, QStringLiteral("2幀"));
    QVERIFY(rig.receiveListing.startsWith(
        QStringLiteral("\r\n第1幀\r\n68   起始位第: 1位\r\n01   数据位第: 1位\r\n")));
    QVERIFY(rig.receiveListing.contains(
        QStringLiteral("16   结束位第: 1位\r\n\r\n第2幀\r\n68   起始位第: 1位\r\n")));

    rig.port.inject(testdefs::bytes({8, 9, 0x16}));
    QTRY_COMPARE(rig.frames.size(), 3);
    QCOMPARE(rig.frames[2], testdefs::bytes({0x68, 7, 8, 9, 0x16}));
    QVERIFY(rig.engine->isRunning());
    rig.engine->stop();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
}

void RunEngineTest::kind2FramesSplitAcrossArrivals() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 4, 0, 0}), endless());
    rig.engine->start();
    rig.port.injectPaced(testdefs::bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}), 3);
    QTRY_COMPARE(rig.frames.size(), 2);
    QTRY_COMPARE(rig.port.pacedPending(), 0);
    QTest::qWait(20);
    QCOMPARE(rig.frames.size(), 2);
    QCOMPARE(rig.frames[1], testdefs::bytes({5, 6, 7, 8}));
    QCOMPARE(rig.port.inBufferCount(), 1);
}

void RunEngineTest::kind2WithCountZeroEndsAtOnce() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 3, 0, 0}), counted("0"));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.openCount(), 1);
    QVERIFY(!rig.port.portOpen());
    QVERIFY(rig.receiveListing.isEmpty());
    QVERIFY(rig.frames.isEmpty());
    QVERIFY(rig.elapsed.endsWith(QStringLiteral("秒")));
}

void RunEngineTest::kind2CountedEndsAfterTheCount() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), counted("2"));
    rig.engine->start();
    rig.port.inject(testdefs::bytes({1, 2, 3, 4, 5, 6}));
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.frames.size(), 2);
    QCOMPARE(rig.receivedLabel, QStringLiteral("2幀"));
    QCOMPARE(rig.receivePictures.last(), Picture::Idle);
}

void RunEngineTest::kind2WithCountZeroTakesAFrameAlreadyWaiting() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 3, 0, 0}), counted("0"));
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    // In before the first pass: that pass takes it, then the count ends the run.
    rig.port.inject(testdefs::bytes({1, 2, 3, 4, 5, 6}));
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.frames, QList<QByteArray>{testdefs::bytes({1, 2, 3})});
    QCOMPARE(rig.receivedLabel, QStringLiteral("1幀"));
}

void RunEngineTest::kind2TimeoutQuestionOkWaitsAgainCancelEnds() {
    auto options = endless();
    options.noWait = false;
    options.waitText = QStringLiteral("150");
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    QElapsedTimer clock;
    clock.start();
    rig.engine->start();
    QTRY_COMPARE(rig.questions, 1);
    QVERIFY2(clock.nsecsElapsed() >= 150'000'000, "asked before the limit");
    QVERIFY(rig.engine->timeoutQuestionPending());
    clock.restart();
    rig.engine->answerTimeout(true);
    QVERIFY(!rig.engine->timeoutQuestionPending());
    QTRY_COMPARE(rig.questions, 2);
    QVERIFY2(clock.nsecsElapsed() >= 150'000'000, "OK did not wait for the whole limit again");
    QVERIFY(rig.engine->isRunning());
    rig.engine->answerTimeout(false);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Timeout});
    QVERIFY(!rig.port.portOpen());
    QVERIFY(rig.elapsed.endsWith(QStringLiteral("秒")));
    QVERIFY(rig.elapsed != QStringLiteral("0秒"));
    // A late answer after the run is over changes nothing.
    rig.engine->answerTimeout(true);
    QVERIFY(!rig.engine->isRunning());
}

void RunEngineTest::kind2FrameArrivingRestartsTheLimit() {
    auto options = endless();
    options.noWait = false;
    options.waitText = QStringLiteral("200");
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    QTest::qWait(120);
    QElapsedTimer clock;
    clock.start();
    rig.port.inject(testdefs::bytes({1, 2}));
    QTRY_COMPARE(rig.frames.size(), 1);
    QTRY_COMPARE(rig.questions, 1);
    QVERIFY2(clock.nsecsElapsed() >= 200'000'000, "the limit did not start again after the frame");
    rig.engine->answerTimeout(false);
}

void RunEngineTest::kind2WithoutLimitNeverAsks() {
    auto options = endless();
    options.noWait = true;
    options.waitText = QStringLiteral("50");  // ignored: option 4 is set
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    QTest::qWait(250);
    QCOMPARE(rig.questions, 0);
    QVERIFY(rig.engine->isRunning());
    rig.engine->stop();
}

void RunEngineTest::nothingIsTakenWhileTheQuestionIsOut() {
    auto options = endless();
    options.noWait = false;
    options.waitText = QStringLiteral("50");
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), options);
    rig.engine->start();
    QTRY_COMPARE(rig.questions, 1);
    rig.port.inject(testdefs::bytes({1, 2, 3, 4}));
    QTest::qWait(30);
    QCOMPARE(rig.frames.size(), 0);
    rig.engine->answerTimeout(true);
    QTRY_COMPARE(rig.frames.size(), 2);
    rig.engine->stop();
}

void RunEngineTest::kind3TwoExchanges() {
    Rig rig(sevenByteFrame(3, {1, 1, 0, 1}), counted("2"));
    QList<qint64> sendTimes;
    QElapsedTimer clock;
    QObject::connect(&rig.port, &MemorySerialPort::bytesWritten,
                     [&] { sendTimes.append(clock.nsecsElapsed()); });
    rig.answerWith(testdefs::bytes({0x68, 0x55, 0x16}), 20);
    clock.start();
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7.repeated(2));
    QCOMPARE(rig.sentLabel, QStringLiteral("2幀"));
    QCOMPARE(rig.receivedLabel, QStringLiteral("2幀"));
    QVERIFY(rig.receiveListing.contains(QStringLiteral("第1幀")));
    QVERIFY(rig.receiveListing.contains(QStringLiteral("第2幀")));
    QVERIFY(!rig.receiveListing.contains(QStringLiteral("第3幀")));
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);
    // Each frame goes out only after a pause of 100 ms (after the start, after each answer).
    QCOMPARE(sendTimes.size(), 2);
    QVERIFY(sendTimes[0] >= 100'000'000);
    QVERIFY(sendTimes[1] - sendTimes[0] >= 120'000'000);
    QVERIFY(!rig.port.portOpen());
    // Kind 3 only ever shows the idle picture in the send indicator.
    QVERIFY(rig.receivePictures.isEmpty());
    QVERIFY(!rig.sendPictures.contains(Picture::SendActive));
}

void RunEngineTest::kind3DiscardsWhatArrivedBeforeItsFrameWasSent() {
    Rig rig(sevenByteFrame(3, {0, 2, 0, 0}), counted("1"));
    rig.engine->start();
    rig.port.inject(testdefs::bytes({0xEE, 0xEE, 0xEE}));  // stale bytes during the first pause
    rig.answerWith(testdefs::bytes({0x10, 0x20}));
    QVERIFY(rig.waitFinished());
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
    QTRY_COMPARE(rig.questions, 1);
    QCOMPARE(rig.engine->sentCount(), 1);
    if (!answerOk) {
        rig.engine->answerTimeout(false);
        QCOMPARE(rig.reasons, QList<Reason>{Reason::Timeout});
        QTest::qWait(150);
        QCOMPARE(rig.port.written(), kFrame7);  // no frame after the give-up
        return;
    }
    rig.engine->answerTimeout(true);
    rig.port.inject(testdefs::bytes({0x31, 0x32}));
    QVERIFY(rig.waitFinished());
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
    QElapsedTimer clock;
    QList<qint64> answers;
    QObject::connect(&rig.port, &MemorySerialPort::bytesWritten,
                     [&] { answers.append(clock.nsecsElapsed()); });
    rig.engine->start();
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);
    QTest::qWait(20);
    for (int i = 0; i < 2; ++i) {
        clock.start();
        rig.port.inject(testdefs::bytes({0x40 + i, 0x41}));
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), i + 1, 5000);
        QVERIFY2(answers[i] >= qint64(pauseMs) * 1'000'000,
                 qPrintable(QString::number(answers[i])));
        QCOMPARE(rig.engine->receivedCount(), i + 1);
    }
    QCOMPARE(rig.port.written(), kFrame7.repeated(2));
    QCOMPARE(rig.sentLabel, QStringLiteral("2幀"));
    QVERIFY(rig.engine->isRunning());
    // Kind 4 leaves both pictures alone.
    QVERIFY(rig.sendPictures.isEmpty());
    QVERIFY(rig.receivePictures.isEmpty());
    rig.engine->stop();
}

void RunEngineTest::kind4CountedEndsAfterTheAnswer() {
    Rig rig(sevenByteFrame(4, {0, 1, 0, 0}), counted("2"));
    rig.engine->start();
    rig.port.inject(testdefs::bytes({1, 2, 3}));
    QVERIFY(rig.waitFinished());
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
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Count});
    QCOMPARE(rig.port.written(), kFrame7);
    QCOMPARE(rig.frames, QList<QByteArray>{testdefs::bytes({0x31, 0x32})});
    QCOMPARE(rig.sentLabel, QStringLiteral("1幀"));
    QCOMPARE(rig.receivedLabel, QStringLiteral("1幀"));
}

void RunEngineTest::stopEndsTheRunAndStartAgainResets() {
    Rig rig(sevenByteFrame(1), endless());
    rig.engine->start();
    QTRY_VERIFY(rig.engine->sentCount() >= 3);
    rig.engine->stop();
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QVERIFY(!rig.port.portOpen());
    QCOMPARE(rig.sendPictures.last(), Picture::Idle);
    QVERIFY(rig.elapsed.endsWith(QStringLiteral("秒")));
    const QByteArray written = rig.port.written();
    QTest::qWait(30);
    QCOMPARE(rig.port.written(), written);  // nothing after the stop
    rig.engine->stop();                     // a second stop while idle changes nothing
    QCOMPARE(rig.reasons.size(), 1);

    rig.receiveListing = QStringLiteral("old");
    QCOMPARE(rig.engine->start(), RunEngine::StartResult::Started);
    QCOMPARE(rig.receiveListing, QString());
    QCOMPARE(rig.elapsed, QStringLiteral("0秒"));
    QCOMPARE(rig.sendListing.count(QStringLiteral("\r\n")), 7);  // listed afresh, not appended
    QTRY_VERIFY(rig.engine->sentCount() >= 1);
    QVERIFY(rig.sentLabel == QStringLiteral("1幀") || rig.engine->sentCount() > 1);
    rig.engine->stop();
    QCOMPARE(rig.port.openCount(), 2);
}

void RunEngineTest::stopDuringTheAnswerPauseSendsNothingMore() {
    auto options = endless();
    options.noDelay = false;
    options.delayText = QStringLiteral("300");
    Rig rig(sevenByteFrame(4, {0, 1, 0, 0}), options);
    rig.engine->start();
    rig.port.inject(testdefs::bytes({1}));
    QTRY_COMPARE(rig.frames.size(), 1);
    rig.engine->stop();
    QTest::qWait(450);
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
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
    rig.port.injectEvent(code);
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::LineEvent});
    QCOMPARE(rig.lineEvents.size(), 1);
    QCOMPARE(rig.lineEvents[0].first, code);
    QCOMPARE(rig.lineEvents[0].second, comm::LineEventMessage(code));
    QVERIFY(!rig.port.portOpen());
    QVERIFY(!rig.engine->isRunning());
    rig.port.inject(testdefs::bytes({1, 2}));
    QTest::qWait(20);
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
    QTRY_VERIFY(delivered);
    QVERIFY(rig.engine->isRunning());
    QVERIFY(rig.port.portOpen());
    QVERIFY(rig.lineEvents.isEmpty());
    rig.port.inject(testdefs::bytes({1, 2}));
    QTRY_COMPARE(rig.frames.size(), 1);
    rig.engine->stop();
}

void RunEngineTest::deviceVanishingEndsTheRunWithAMessage() {
    Rig rig(testdefs::make(2, {}, {}, {}, {}, {0, 2, 0, 0}), endless());
    rig.engine->start();
    rig.port.vanish(QStringLiteral("unplugged"));
    QVERIFY(rig.waitFinished());
    QCOMPARE(rig.reasons, QList<Reason>{Reason::DeviceLost});
    QCOMPARE(rig.failures.size(), 1);
    QVERIFY(rig.failures[0].contains(QStringLiteral("unplugged")));
    QVERIFY(!rig.engine->isRunning());
}

void RunEngineTest::refusedWriteEndsTheRunWithAMessage() {
    Rig rig(sevenByteFrame(1), endless());
    rig.port.failNextOutput(QStringLiteral("write refused"));
    rig.engine->start();
    QVERIFY(rig.waitFinished());
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
    QVERIFY(rig.waitFinished());
    QTest::qWait(20);
    QCOMPARE(rig.reasons, QList<Reason>{Reason::Stopped});
    QCOMPARE(rig.port.written(), kFrame7.repeated(3));
}

QTEST_GUILESS_MAIN(RunEngineTest)
#include "test_runengine.moc"
