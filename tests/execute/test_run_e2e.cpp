#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "builtprogram.h"
#include "filebytes.h"
#include "ptyfarend.h"
#include "simprocess.h"

// comm-cli run over pseudo-terminals with the real serial back end; the test plays the device.
namespace {

const QByteArray kFrame = QByteArray::fromHex("7e7f010203aa0d");
const QString kFrameListing = QStringLiteral(
    "7E   起始位第: 1位\r\n"
    "7F   起始位第: 2位\r\n"
    "01   数据位第: 1位\r\n"
    "02   数据位第: 2位\r\n"
    "03   数据位第: 3位\r\n"
    "AA   校验和第: 1位\r\n"
    "0D   结束位第: 1位\r\n");
const QString kSend =
    QStringLiteral(R"("send":{"start":[126,127],"data":[1,2,3],"check":[170],"end":[13]})");

// One comm-cli run, its output collected while the event loop keeps the far end going.
struct CliRun {
    QProcess process;
    QByteArray out;
    QList<QJsonObject> events;

    void start(const QStringList& args) {
        QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] {
            out += process.readAllStandardOutput();
            int end;
            while ((end = out.indexOf('\n', parsed)) >= 0) {
                const QJsonDocument doc = QJsonDocument::fromJson(out.mid(parsed, end - parsed));
                if (doc.isObject()) events.append(doc.object());
                parsed = end + 1;
            }
        });
        process.start(BuiltProgram(QStringLiteral("comm-cli")),
                      QStringList{QStringLiteral("run")} + args);
        process.waitForStarted();
    }
    bool has(const QString& event) const {
        for (const QJsonObject& e : events)
            if (e.value(QStringLiteral("event")).toString() == event) return true;
        return false;
    }
    QStringList eventNames() const {
        QStringList names;
        for (const QJsonObject& e : events) names << e.value(QStringLiteral("event")).toString();
        return names;
    }
    bool waitDone(int timeoutMs = 20000) {
        QElapsedTimer t;
        t.start();
        while (process.state() != QProcess::NotRunning && t.elapsed() < timeoutMs) QTest::qWait(10);
        out += process.readAllStandardOutput();
        return process.state() == QProcess::NotRunning;
    }
    QString text() const { return QString::fromUtf8(out); }
    QString err() { return QString::fromUtf8(process.readAllStandardError()); }

private:
    int parsed = 0;
};

}  // namespace

class RunEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void kind1ListsTheFrameAndSendsItCountTimes();
    void kind2TakesFramesFromAStreamingDevice();
    void kind2SplitsWhatArrivesIntoFramesJson();
    void kind3ExchangesWithAnAnsweringDevice();
    void kind4AnswersEachFrameAfterTheDelay();
    void timeoutAnsweredStopEndsTheRun();
    void timeoutAnsweredContinueAsksAgainUntilStopped();
    void timeoutAskedOnTheTerminal();
    void stopSignalEndsTheRunAndClosesThePort();
    void vanishingDeviceEndsWithStatus4();
    void refusalsAndFailuresHaveTheirStatus_data();
    void refusalsAndFailuresHaveTheirStatus();
    void simulatedDevice_data();
    void simulatedDevice();
    void checkedAnswerWithAWrongByte();
    void messagesInEnglish();

private:
    QString makeFile(const QString& name, const QString& json);
    QTemporaryDir dir_;
};

void RunEndToEndTest::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY2(QFileInfo::exists(BuiltProgram(QStringLiteral("comm-cli"))), "comm-cli is not built");
}

QString RunEndToEndTest::makeFile(const QString& name, const QString& json) {
    const QString jsonPath = dir_.filePath(name + QStringLiteral(".json"));
    const QString txlPath = dir_.filePath(name + QStringLiteral(".Txl"));
    if (!WriteWholeFile(jsonPath, json.toUtf8())) return {};
    QProcess make;
    make.start(BuiltProgram(QStringLiteral("comm-cli")),
               {QStringLiteral("make"), jsonPath, txlPath});
    if (!make.waitForFinished(10000) || make.exitCode() != 0) return {};
    return txlPath;
}

void RunEndToEndTest::kind1ListsTheFrameAndSendsItCountTimes() {
    const QString file = makeFile(
        QStringLiteral("k1"),
        QStringLiteral(
            R"({"kind":1,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,0,0,0,0],"loopCount":3,%1})")
            .arg(kSend));
    QVERIFY(!file.isEmpty());
    PtyFarEnd device;
    QVERIFY(device.isOpen());
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path()});
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    QTRY_COMPARE(device.received(), kFrame.repeated(3));
    const QString out = run.text();
    QVERIFY2(out.startsWith(kFrameListing), qPrintable(out));
    const QString summary = out.mid(kFrameListing.size());
    QVERIFY2(QRegularExpression(
                 QStringLiteral("^\\r\\n发送：3幀  接收：0幀  执行时间：\\d+(\\.\\d+)?秒\\r\\n$"))
                 .match(summary)
                 .hasMatch(),
             qPrintable(summary));
}

void RunEndToEndTest::kind2TakesFramesFromAStreamingDevice() {
    const QString file = makeFile(
        QStringLiteral("k2"),
        QStringLiteral(
            R"({"kind":2,"portSettingIndex":[6,4,1,0],"counts":[0,0,0,0,1,3,0,1],"loopCount":2})"));
    QVERIFY(!file.isEmpty());
    PtyFarEnd device;
    QTimer stream;
    QObject::connect(&stream, &QTimer::timeout,
                     [&] { device.write(QByteArray::fromHex("6801020316")); });
    stream.start(40);
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path()});
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    const QString block = QStringLiteral(
        "68   起始位第: 1位\r\n01   数据位第: 1位\r\n02   数据位第: 2位\r\n03   数据位第: "
        "3位\r\n16   结束位第: 1位\r\n");
    const QString expected =
        QStringLiteral("\r\n第1幀\r\n") + block + QStringLiteral("\r\n第2幀\r\n") + block;
    QVERIFY2(run.text().startsWith(expected), qPrintable(run.text()));
    QVERIFY(run.text().contains(QStringLiteral("发送：0幀  接收：2幀  执行时间：")));
}

void RunEndToEndTest::kind2SplitsWhatArrivesIntoFramesJson() {
    const QString file = makeFile(
        QStringLiteral("k2j"),
        QStringLiteral(R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,1,3,0,1]})"));
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QTRY_VERIFY(run.has(QStringLiteral("started")));
    device.write(QByteArray::fromHex("680102031668040506166807"));
    QTRY_COMPARE(run.eventNames().count(QStringLiteral("received")), 2);
    device.write(QByteArray::fromHex("080916"));
    QTRY_COMPARE(run.eventNames().count(QStringLiteral("received")), 3);
    run.process.terminate();  // SIGTERM: the stop button
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.eventNames(),
             (QStringList{"started", "received", "received", "received", "finished"}));
    QCOMPARE(run.events[1].value("bytes").toString(), QStringLiteral("68 01 02 03 16"));
    QCOMPARE(run.events[2].value("frame").toInt(), 2);
    QCOMPARE(run.events[3].value("bytes").toString(), QStringLiteral("68 07 08 09 16"));
    const QJsonObject fin = run.events.last();
    QCOMPARE(fin.value("reason").toString(), QStringLiteral("stopped"));
    QCOMPARE(fin.value("received").toInt(), 3);
    QCOMPARE(fin.value("sent").toInt(), 0);
    QVERIFY(fin.value("seconds").toDouble() > 0);
}

void RunEndToEndTest::kind3ExchangesWithAnAnsweringDevice() {
    const QString file = makeFile(
        QStringLiteral("k3"),
        QStringLiteral(
            R"({"kind":3,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,0,2,0,0],"loopCount":2,"wait":3000,%1})")
            .arg(kSend));
    PtyFarEnd device;
    int answered = 0;
    device.onReceived = [&](const QByteArray& all) {
        while (answered < all.size() / kFrame.size()) {
            ++answered;
            device.write(QByteArray(2, char(0x40 + answered)));
        }
    };
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.eventNames(),
             (QStringList{"started", "sent", "received", "sent", "received", "finished"}));
    QCOMPARE(run.events[2].value("bytes").toString(), QStringLiteral("41 41"));
    QCOMPARE(run.events[4].value("bytes").toString(), QStringLiteral("42 42"));
    QCOMPARE(run.events.last().value("reason").toString(), QStringLiteral("count"));
    QCOMPARE(device.received(), kFrame.repeated(2));
    // Every event has its time since the start; each frame is sent after the 100 ms pause.
    QList<qint64> t;
    for (const QJsonObject& e : run.events) {
        QVERIFY2(e.value("t").isDouble(), qPrintable(e.value("event").toString()));
        t << qint64(e.value("t").toDouble());
    }
    QVERIFY2(std::is_sorted(t.begin(), t.end()), qPrintable(run.text()));
    QVERIFY(t[1] >= 100 && t[3] >= t[2] + 100);
    QCOMPARE(double(t.last()), run.events.last().value("seconds").toDouble() * 1000);
}

void RunEndToEndTest::kind4AnswersEachFrameAfterTheDelay() {
    const QString file = makeFile(
        QStringLiteral("k4"),
        QStringLiteral(
            R"({"kind":4,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,0,3,0,0],"loopCount":2,"delay":200,%1})")
            .arg(kSend));
    PtyFarEnd device;
    QElapsedTimer clock;
    QList<qint64> answerTimes;
    device.onReceived = [&](const QByteArray& all) {
        while (answerTimes.size() < all.size() / kFrame.size())
            answerTimes.append(clock.nsecsElapsed());
    };
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QTRY_VERIFY(run.has(QStringLiteral("started")));
    for (int i = 0; i < 2; ++i) {
        clock.start();
        device.write(QByteArray::fromHex("010203"));
        QTRY_COMPARE_WITH_TIMEOUT(answerTimes.size(), i + 1, 5000);
        QVERIFY2(answerTimes[i] >= 300'000'000, "answered before the delay + 100 ms");
    }
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(device.received(), kFrame.repeated(2));
    QCOMPARE(run.eventNames(),
             (QStringList{"started", "received", "sent", "received", "sent", "finished"}));
}

void RunEndToEndTest::timeoutAnsweredStopEndsTheRun() {
    const QString file = makeFile(
        QStringLiteral("k2t"),
        QStringLiteral(
            R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,0,4,0,0],"wait":200})"));
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json"),
               QStringLiteral("--on-timeout"), QStringLiteral("stop")});
    QTRY_VERIFY_WITH_TIMEOUT(run.has(QStringLiteral("started")), 10000);
    device.write(QByteArray("AB"));  // half a frame
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 5);  // given up on the limit
    QCOMPARE(run.eventNames(), (QStringList{"started", "timeout", "finished"}));
    QCOMPARE(run.events[1].value("waiting").toString(), QStringLiteral("41 42"));
    QCOMPARE(run.events.last().value("reason").toString(), QStringLiteral("timeout"));
    QVERIFY(run.events.last().value("seconds").toDouble() >= 0.2);
}

void RunEndToEndTest::timeoutAnsweredContinueAsksAgainUntilStopped() {
    const QString file = makeFile(
        QStringLiteral("k3t"),
        QStringLiteral(
            R"({"kind":3,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,0,4,0,0],"wait":150,%1})")
            .arg(kSend));
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json"),
               QStringLiteral("--on-timeout"), QStringLiteral("continue")});
    QTRY_COMPARE_WITH_TIMEOUT(run.eventNames().count(QStringLiteral("timeout")), 2, 10000);
    ::kill(pid_t(run.process.processId()), SIGINT);
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.events.last().value("reason").toString(), QStringLiteral("stopped"));
    // Waiting again for the answer sends nothing more: still the one frame.
    QCOMPARE(device.received(), kFrame);
}

// The default: each time-out asks on the terminal; yes waits again, no gives up.
void RunEndToEndTest::timeoutAskedOnTheTerminal() {
    const QString file = makeFile(
        QStringLiteral("k2ask"),
        QStringLiteral(
            R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,0,4,0,0],"wait":150})"));
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QTRY_COMPARE_WITH_TIMEOUT(run.eventNames().count(QStringLiteral("timeout")), 1, 10000);
    QTest::qWait(400);  // unanswered, the question holds the run
    QCOMPARE(run.eventNames().count(QStringLiteral("timeout")), 1);
    run.process.write("y\n");
    QTRY_COMPARE_WITH_TIMEOUT(run.eventNames().count(QStringLiteral("timeout")), 2, 10000);
    QVERIFY(!run.has(QStringLiteral("finished")));
    run.process.write("n\n");
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.eventNames(), (QStringList{"started", "timeout", "timeout", "finished"}));
    QCOMPARE(run.events.last().value("reason").toString(), QStringLiteral("timeout"));
    QCOMPARE(run.err().count(QStringLiteral("超过最大接收数据时间，请检查您的发送程序，继续吗？")),
             2);
}

void RunEndToEndTest::stopSignalEndsTheRunAndClosesThePort() {
    const QString file = makeFile(
        QStringLiteral("k1f"),
        QStringLiteral(R"({"kind":1,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,0,0,0,0],%1})")
            .arg(kSend));
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QTRY_VERIFY(device.received().size() >= 10 * kFrame.size());
    ::kill(pid_t(run.process.processId()), SIGINT);
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.process.exitCode(), 0);
    const QJsonObject fin = run.events.last();
    QCOMPARE(fin.value("reason").toString(), QStringLiteral("stopped"));
    QTest::qWait(100);
    // Every frame counted went out whole.
    QCOMPARE(device.received(), kFrame.repeated(fin.value("sent").toInt()));
    // The port is free again: a second run can open it.
    CliRun again;
    again.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QTRY_VERIFY(again.has(QStringLiteral("sent")));
    again.process.terminate();
    QVERIFY(again.waitDone());
}

void RunEndToEndTest::vanishingDeviceEndsWithStatus4() {
    const QString file = makeFile(
        QStringLiteral("k2v"),
        QStringLiteral(R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,0,4,0,0]})"));
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.path(), QStringLiteral("--json")});
    QTRY_VERIFY(run.has(QStringLiteral("started")));
    device.hangUp();
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), 4);
    QCOMPARE(run.eventNames().mid(1), (QStringList{"error", "finished"}));
    QCOMPARE(run.events.last().value("reason").toString(), QStringLiteral("error"));
}

void RunEndToEndTest::refusalsAndFailuresHaveTheirStatus_data() {
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("goodPort");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("unset byte")
        << QStringLiteral(
               R"({"kind":1,"portSettingIndex":[12,4,2,0],"counts":[0,2,0,0,0,0,0,0],"send":{"start":[],"data":[1,-1],"check":[],"end":[]}})")
        << true << 1 << QStringLiteral("您输入的数据不完整，请检查输入完整后重新执行！");
    QTest::newRow("no such port")
        << QStringLiteral(R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,0,4,0,0]})")
        << false << 3 << QStringLiteral("当前活动串口是非空闲串口！");
    QTest::newRow("not a communication file")
        << QString() << true << 2 << QStringLiteral("该文件的格式不是通讯文件的格式！");
}

void RunEndToEndTest::refusalsAndFailuresHaveTheirStatus() {
    QFETCH(QString, json);
    QFETCH(bool, goodPort);
    QFETCH(int, status);
    QFETCH(QString, message);
    QString file;
    if (json.isEmpty()) {
        file = dir_.filePath(QStringLiteral("junk.Txl"));
        QVERIFY(WriteWholeFile(file, "junk, no communication here"));
    } else {
        file = makeFile(QStringLiteral("refusal"), json);
    }
    PtyFarEnd device;
    CliRun run;
    run.start({file, QStringLiteral("--port"),
               goodPort ? device.path() : dir_.filePath(QStringLiteral("nothing"))});
    QVERIFY(run.waitDone());
    QCOMPARE(run.process.exitCode(), status);
    QVERIFY2(run.err().contains(message), qPrintable(run.err()));
    QVERIFY(device.received().isEmpty());
}

void RunEndToEndTest::simulatedDevice_data() {
    QTest::addColumn<QString>("json");
    QTest::addColumn<QStringList>("deviceArgs");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("kind 2 from a streaming device")
        << QStringLiteral(
               R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,1,3,0,1],"loopCount":3})")
        << QStringList{"--stream", "68 01 02 03 16", "--interval", "30"}
        << QStringList{"started", "received", "received", "received", "finished"};
    QTest::newRow("kind 3 with a device answering every frame")
        << QStringLiteral(
               R"({"kind":3,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,1,1,0,0],"loopCount":2,%1})")
               .arg(kSend)
        << QStringList{"--answer", "55 AA", "--every", "7"}
        << QStringList{"started", "sent", "received", "sent", "received", "finished"};
}

void RunEndToEndTest::simulatedDevice() {
    QFETCH(QString, json);
    QFETCH(QStringList, deviceArgs);
    QFETCH(QStringList, events);
    if (!QFileInfo::exists(SimProcess::Program())) QSKIP("rs232sim is not built");
    SimProcess device(QStringList{QStringLiteral("device")} + deviceArgs);
    QVERIFY2(device.waitForPorts({QStringLiteral("PORT")}), "rs232sim named no port");
    const QString file = makeFile(QStringLiteral("sim"), json);
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.port(QStringLiteral("PORT")),
               QStringLiteral("--json")});
    QVERIFY(run.waitDone());
    device.stop(SIGTERM);
    QCOMPARE(run.process.exitCode(), 0);
    QCOMPARE(run.eventNames(), events);
    QCOMPARE(run.events.last().value("reason").toString(), QStringLiteral("count"));
}

// Reading two registers of a Modbus device played by rs232sim that answers with a wrong byte,
// judged with --check.
void RunEndToEndTest::checkedAnswerWithAWrongByte() {
    if (!QFileInfo::exists(SimProcess::Program())) QSKIP("rs232sim is not built");
    SimProcess device({QStringLiteral("device"), QStringLiteral("--baud"), QStringLiteral("115200"),
                       QStringLiteral("--answer"), QStringLiteral("01 03 04 00 01 00 03 2A 32"),
                       QStringLiteral("--every"), QStringLiteral("8")});
    QVERIFY2(device.waitForPorts({QStringLiteral("PORT")}), "rs232sim named no port");
    const QString file = makeFile(
        QStringLiteral("modbus"),
        QStringLiteral(R"({"kind":3,"settings":"115200,N,8,1","loopCount":1,"wait":300,)"
                       R"("send":{"data":[1,3,0,0,0,2],"check":"crc16-modbus"},)"
                       R"("recv":{"data":[1,3,4,-1,-1,-1,-1],"checkName":"crc16-modbus"}})"));
    QVERIFY(!file.isEmpty());
    CliRun run;
    run.start({file, QStringLiteral("--port"), device.port(QStringLiteral("PORT")),
               QStringLiteral("--json"), QStringLiteral("--check")});
    QVERIFY(run.waitDone());
    device.stop(SIGTERM);
    QCOMPARE(run.eventNames(), (QStringList{"started", "sent", "received", "finished"}));
    QCOMPARE(run.process.exitCode(), 7);
    QCOMPARE(run.events[1].value("bytes").toString(), QStringLiteral("01 03 00 00 00 02 C4 0B"));
    QCOMPARE(run.events[2].value("match").toBool(), false);
    const QJsonObject difference = run.events[2].value("differences").toArray().first().toObject();
    QCOMPARE(difference.value("field").toString(), QStringLiteral("check"));
    QCOMPARE(difference.value("expected").toString(), QStringLiteral("EB F2"));
    QCOMPARE(run.events.last().value("bad").toInt(), 1);
}

// Under C the tests above read the Chinese; under LANGUAGE=en the same run reads in English.
void RunEndToEndTest::messagesInEnglish() {
    const QString once = makeFile(
        QStringLiteral("once"),
        QStringLiteral(
            R"({"kind":1,"portSettingIndex":[12,4,2,0],"counts":[2,3,1,1,0,0,0,0],"loopCount":1,%1})")
            .arg(kSend));
    const QString unset = makeFile(
        QStringLiteral("unset"),
        QStringLiteral(
            R"({"kind":1,"portSettingIndex":[12,4,2,0],"counts":[0,2,0,0,0,0,0,0],"send":{"start":[],"data":[1,-1],"check":[],"end":[]}})"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    PtyFarEnd device;
    CliRun run, refused;
    for (CliRun* r : {&run, &refused}) r->process.setProcessEnvironment(environment);
    run.start({once, QStringLiteral("--port"), device.path()});
    refused.start({unset, QStringLiteral("--port"), device.path()});
    QVERIFY(run.waitDone() && refused.waitDone());
    QVERIFY2(QRegularExpression(QStringLiteral("^7E   Start byte 1\\r\\n(.+\\r\\n){6}\\r\\nSent: 1 "
                                               "frame  Received: 0 frames  Run time: [0-9.]+ "
                                               "s\\r\\n$"))
                 .match(run.text())
                 .hasMatch(),
             qPrintable(run.text()));
    QCOMPARE(refused.text(), QStringLiteral("01   Data byte 1\r\n"));
    QCOMPARE(refused.err(), QStringLiteral("The data you entered is incomplete. Please complete "
                                           "it and run again!\n"));
}

QTEST_GUILESS_MAIN(RunEndToEndTest)
#include "test_run_e2e.moc"
