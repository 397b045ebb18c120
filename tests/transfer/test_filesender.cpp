#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "enginerecord.h"
#include "filebytes.h"
#include "filesender.h"
#include "memoryserialport.h"
#include "randombytes.h"
#include "transferframe.h"
#include "virtualclock.h"

using comm::TransferEngine;
using Outcome = comm::TransferEngine::Outcome;
using namespace comm::transfer;

namespace {

// A sender on the in-memory port with a receiver scripted by `answer`: for each 16 bytes the
// sender writes it gives the reply, sent after `delayMs` on the virtual clock (none when empty).
struct SenderBench {
    comm::VirtualClock clock;
    comm::MemorySerialPort port;
    comm::FileSender sender{port, clock};
    EngineRecord record{sender};
    QList<QByteArray> frames;
    std::function<QByteArray(int index, const QByteArray& frame)> answer =
        [](int, const QByteArray&) { return QByteArray(1, kReplyGood); };
    int delayMs = 0;
    std::vector<std::unique_ptr<comm::ClockTimer>> replies;

    SenderBench() {
        QObject::connect(&port, &comm::MemorySerialPort::bytesWritten, [this](const QByteArray& b) {
            frames << b;
            const QByteArray reply = answer(int(frames.size()) - 1, b);
            if (reply.isEmpty()) return;
            // A device answers after the frame has gone out, never inside the write.
            replies.push_back(clock.makeTimer());
            QObject::connect(replies.back().get(), &comm::ClockTimer::timeout,
                             [this, reply] { port.inject(reply); });
            replies.back()->start(delayMs);
        });
    }
    void sendToEnd(qint64 stepMs = 10, int rounds = 100000) {
        for (int i = 0; i < rounds && (sender.isRunning() || i == 0); ++i) clock.advance(stepMs);
    }
};

}  // namespace

class FileSenderTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void sendsTheFileFrameByFrame_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("lastFrames");
        QTest::newRow("empty") << 0 << "发送幀数: 1幀";
        QTest::newRow("15 bytes") << 15 << "发送幀数: 2幀";
        QTest::newRow("40 bytes") << 40 << "发送幀数: 4幀";
        QTest::newRow("1000 bytes") << 1000 << "发送幀数: 68幀";
    }
    void sendsTheFileFrameByFrame() {
        QFETCH(int, size);
        QFETCH(QString, lastFrames);
        const QByteArray content = RandomBytes(size, quint32(size));
        const QString path = file(QStringLiteral("data.bin"), content);
        SenderBench b;
        QVERIFY(b.sender.choose(path));
        QCOMPARE(b.record.name, QStringLiteral("文件名称: data.bin    "));
        QCOMPARE(b.record.size, QStringLiteral("文件大小: %1个字节").arg(size));
        QVERIFY(b.sender.start());
        QCOMPARE(b.port.settings(), QStringLiteral("57600,O,8,1"));
        QCOMPARE(b.port.inputLen(), 1);
        QVERIFY(b.port.lowLatency());
        b.sendToEnd();

        const int n = DataFrameCount(size);
        QCOMPARE(b.frames.size(), 1 + n);
        QCOMPARE(b.frames[0], HeaderFrame(QStringLiteral("data.bin    "), size));
        for (int j = 1; j <= n; ++j) {
            const QByteArray& f = b.frames[j];
            QVERIFY(FrameIsGood(f));
            const int length = DataFramePayload(size, j);
            QCOMPARE(f.left(length), content.mid(int(DataFrameOffset(j)), length));
        }
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件data.bin    发送完毕!!!")});
        QCOMPARE(b.record.progress, QStringLiteral("发送进程: 100%"));
        QCOMPARE(b.record.frames, lastFrames);
        QCOMPARE(b.record.digest,
                 QStringLiteral("SHA-256（读出）: ") +
                     QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
        QVERIFY(!b.port.portOpen());
        QVERIFY(!b.port.lowLatency());
    }

    // The labels lag one frame behind, as the window has always shown them.
    void labelsFollowEachReply() {
        SenderBench b;
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(40, 1))));
        QVERIFY(b.sender.start());
        b.sendToEnd();
        QCOMPARE(b.record.progressTexts,
                 QStringList({"发送进程: 0%", "发送进程: 0%", "发送进程: 0%", "发送进程: 33%",
                              "发送进程: 66%", "发送进程: 100%"}));
        QCOMPARE(b.record.framesTexts,
                 QStringList({"发送幀数: 0幀", "发送幀数: 1幀", "发送幀数: 1幀", "发送幀数: 2幀",
                              "发送幀数: 3幀", "发送幀数: 4幀"}));
        QCOMPARE(b.record.maximum, 3);
        QCOMPARE(b.record.value, 2);
        b.sender.resetDisplay();
        QCOMPARE(b.record.progress, QStringLiteral("发送进程: "));
        QCOMPARE(b.record.frames, QStringLiteral("发送幀数: "));
        QCOMPARE(b.record.name, QStringLiteral("文件名称:"));
        QCOMPARE(b.record.size, QStringLiteral("文件大小:"));
        QCOMPARE(b.record.value, 0);
        QCOMPARE(b.record.clock, QStringLiteral("发送文件"));
        // A new file must be chosen before the next send.
        QVERIFY(!b.sender.hasFile());
        QVERIFY(!b.sender.start());
    }

    void badRepliesGetTheSameFrameAgain() {
        SenderBench b;
        int bad = 0;
        b.answer = [&](int index, const QByteArray&) {
            const bool spoil = index < 2 || (index >= 4 && bad < 5);
            if (spoil) ++bad;
            return QByteArray(1, spoil ? kReplyBad : kReplyGood);
        };
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(40, 2))));
        QVERIFY(b.sender.start());
        b.sendToEnd();
        // Two bad headers, then frame 1 once and three bad answers to frame 2.
        QCOMPARE(b.frames.size(), 3 + 1 + 4 + 1);
        QCOMPARE(b.frames[1], b.frames[0]);
        QCOMPARE(b.frames[2], b.frames[0]);
        QVERIFY(b.frames[3] != b.frames[4]);
        for (int i = 5; i < 8; ++i) QCOMPARE(b.frames[i], b.frames[4]);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
    }

    void silenceAfterADataFrameTimesOut() {
        SenderBench b;
        b.answer = [](int index, const QByteArray&) {
            return index == 0 ? QByteArray(1, kReplyGood) : QByteArray("x");
        };
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(40, 3))));
        QVERIFY(b.sender.start());
        b.clock.advance(2999);
        QVERIFY(b.sender.isRunning());
        b.clock.advance(1);
        QVERIFY(!b.sender.isRunning());
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::TimedOut});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("通讯超时，失败！！！")});
        QCOMPARE(b.frames.size(), 2);
        QVERIFY(!b.port.portOpen());
    }

    void aBadReplyRestartsTheLimit() {
        SenderBench b;
        b.answer = [](int index, const QByteArray&) {
            return index == 0 ? QByteArray(1, kReplyGood) : QByteArray();
        };
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(40, 4))));
        QVERIFY(b.sender.start());
        b.clock.advance(2500);
        b.port.inject(QByteArray(1, kReplyBad));
        b.clock.advance(2999);
        QCOMPARE(b.frames.size(), 3);
        QVERIFY(b.sender.isRunning());
        b.clock.advance(1);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::TimedOut});
    }

    // Before the receiver is started, the header is lost and the sender waits until stopped.
    void headerWithoutReceiverWaitsUntilStopped() {
        SenderBench b;
        b.answer = [](int, const QByteArray&) { return QByteArray(); };
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(40, 5))));
        QVERIFY(b.sender.start());
        b.clock.advance(3661 * 1000);
        QVERIFY(b.sender.isRunning());
        QCOMPARE(b.frames.size(), 1);
        QCOMPARE(b.record.clock, QStringLiteral("发送文件 01:01:01"));
        b.sender.stop();
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Stopped});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件a.bin       用户中断发送!!!")});
        QVERIFY(!b.port.portOpen());
        b.clock.advance(10000);
        QCOMPARE(b.frames.size(), 1);
    }

    void refusalsTouchNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::newRow("too large") << "big.bin" << kMaxFileSize + 1 << false
                                   << int(Outcome::Refused) << TooLargeMessage(kMaxFileSize + 1);
        QTest::newRow("name without single-byte codes")
            << "报告.txt" << qint64(10) << false << int(Outcome::Refused)
            << kNameNotSendableMessage;
        QTest::newRow("busy port") << "a.bin" << qint64(10) << true << int(Outcome::PortFailed)
                                   << QStringLiteral("当前活动串口是非空闲串口！");
    }
    void refusalsTouchNothing() {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(bool, busy);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        const QString path = file(name, QByteArray());
        QVERIFY(QFile::resize(path, size));
        SenderBench b;
        b.port.setBusy(busy);
        QVERIFY(b.sender.choose(path));
        QVERIFY(!b.sender.start());
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome(outcome)});
        QCOMPARE(b.record.messages, QStringList{message});
        QVERIFY(!b.sender.isRunning());
        QCOMPARE(b.port.openCount(), 0);
        QVERIFY(b.frames.isEmpty());
        // The file stays chosen and the labels as they were.
        b.sender.resetDisplay();
        QVERIFY(b.sender.hasFile());
        QVERIFY(b.record.name.endsWith(QLatin1String("    ")));
    }

    void fileThatShrinksEndsTheTransfer() {
        const QString path = file(QStringLiteral("a.bin"), RandomBytes(40, 6));
        SenderBench b;
        b.answer = [&](int index, const QByteArray&) {
            if (index == 1) QFile::resize(path, 20);
            return QByteArray(1, kReplyGood);
        };
        QVERIFY(b.sender.choose(path));
        QVERIFY(b.sender.start());
        b.sendToEnd();
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Failed});
        QCOMPARE(b.record.messages, QStringList{kShrankMessage});
        QCOMPARE(b.frames.size(), 2);
        QVERIFY(!b.port.portOpen());
    }

    void vanishedDeviceEndsTheTransfer() {
        SenderBench b;
        b.answer = [&](int index, const QByteArray&) {
            if (index == 1) b.port.vanish(QStringLiteral("unplugged"));
            return QByteArray(1, kReplyGood);
        };
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(40, 7))));
        QVERIFY(b.sender.start());
        b.sendToEnd();
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Failed});
        QCOMPARE(b.record.messages, QStringList{PortLostMessage(QStringLiteral("unplugged"))});
    }

    void speedLineIsRefreshedWhileFramesGo() {
        SenderBench b;
        b.delayMs = 7;
        QVERIFY(b.sender.choose(file(QStringLiteral("a.bin"), RandomBytes(1500, 8))));
        QVERIFY(b.sender.start());
        b.clock.advance(7);  // the header's reply: data frames from here
        b.clock.advance(255);
        // At 250 ms, 35 frames of 15 bytes were answered.
        QCOMPARE(b.record.rate, QStringLiteral("传输速度: 2100字节/秒  剩余时间: 00:00:01"));
        const int updates = b.record.rateUpdates;
        b.sendToEnd(1);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        // 700 ms of data frames: refreshed at 500 ms and once more at the end.
        QCOMPARE(b.record.rateUpdates, updates + 2);
        QCOMPARE(b.record.rate, QStringLiteral("传输速度: 2142字节/秒  剩余时间: 00:00:00"));
    }

private:
    QString file(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        return WriteWholeFile(path, content) ? path : QString();
    }
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(FileSenderTest)
#include "test_filesender.moc"
