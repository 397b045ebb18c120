#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "enginerecord.h"
#include "filebytes.h"
#include "filesender.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "porttext.h"
#include "randombytes.h"
#include "transferframe.h"
#include "virtualclock.h"

using Outcome = comm::TransferEngine::Outcome;
using namespace comm::transfer;

namespace {

// A sender on the in-memory port with a receiver scripted by `answer`: for the index-th 16 bytes
// the sender writes it gives the reply (none when empty), which the device sends after its
// answer delay (none unless set).
struct SenderBench {
    comm::VirtualClock clock;
    comm::MemorySerialPort port;
    comm::FileSender sender{port, clock};
    EngineRecord record{sender};
    QList<QByteArray> frames;
    std::function<QByteArray(int index)> answer = [](int) { return QByteArray(1, kReplyGood); };
    MemoryDevice device{port, clock};

    SenderBench() {
        QObject::connect(&port, &comm::MemorySerialPort::bytesWritten,
                         [this](const QByteArray& b) { frames << b; });
        device.answer([this](int index, const QByteArray&) { return answer(index); }, 0);
    }
    bool send(const QString& path) { return sender.choose(path) && sender.start(); }
    void runToEnd(qint64 stepMs = 10) {
        for (int i = 0; i < 100000 && sender.isRunning(); ++i) clock.advance(stepMs);
    }
};

}  // namespace

class FileSenderTest : public QObject {
    Q_OBJECT
private slots:
    void sendsTheFileFrameByFrame_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("lastFrames");
        QTest::newRow("empty") << 0 << "发送幀数: 1幀";
        QTest::newRow("15 bytes") << 15 << "发送幀数: 1幀";
        QTest::newRow("1000 bytes") << 1000 << "发送幀数: 67幀";
    }
    void sendsTheFileFrameByFrame() {
        QFETCH(int, size);
        QFETCH(QString, lastFrames);
        const QByteArray content = RandomBytes(size, quint32(size));
        SenderBench b;
        QVERIFY(b.send(file(QStringLiteral("data.bin"), content)));
        QCOMPARE(b.record.size, QStringLiteral("文件大小: %1个字节").arg(size));
        QCOMPARE(b.port.settings(), QStringLiteral("57600,O,8,1"));
        QCOMPARE(b.port.inputLen(), 1);
        QVERIFY(b.port.lowLatency());
        b.runToEnd();
        QCOMPARE(b.frames.size(), 1 + DataFrameCount(size));
        QCOMPARE(b.frames[0], HeaderFrame(QStringLiteral("data.bin    "), size));
        for (int j = 1; j < b.frames.size(); ++j) {
            QVERIFY(FrameIsGood(b.frames[j]));
            const int length = DataFramePayload(size, j);
            QCOMPARE(b.frames[j].left(length), content.mid(int(DataFrameOffset(j)), length));
        }
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件data.bin    发送完毕!!!")});
        QCOMPARE(b.record.progress, QStringLiteral("发送进程: 100%"));
        QCOMPARE(b.record.framesAtMessage, lastFrames);
        QCOMPARE(b.record.digest,
                 QStringLiteral("SHA-256（读出）: ") +
                     QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
        QVERIFY(!b.port.portOpen() && !b.port.lowLatency());
    }

    // The labels lag one frame behind, as the window has always shown them; the count goes one
    // past the last frame only after the message, and the reset follows.
    void labelsFollowEachReply() {
        SenderBench b;
        QVERIFY(b.send(file(QStringLiteral("a.bin"), RandomBytes(40, 1))));
        QCOMPARE(b.record.name, QStringLiteral("文件名称: a.bin       "));
        b.runToEnd();
        QCOMPARE(b.record.progressTexts,
                 QStringList({"发送进程: 0%", "发送进程: 0%", "发送进程: 0%", "发送进程: 33%",
                              "发送进程: 66%", "发送进程: 100%"}));
        QCOMPARE(b.record.framesTexts,
                 QStringList({"发送幀数: 0幀", "发送幀数: 1幀", "发送幀数: 1幀", "发送幀数: 2幀",
                              "发送幀数: 3幀"}));
        QCOMPARE(b.record.framesAtMessage, QStringLiteral("发送幀数: 3幀"));
        QCOMPARE(b.record.maximum, 3);
        QCOMPARE(b.record.value, 2);
        b.sender.resetDisplay();
        QCOMPARE(b.record.framesTexts.mid(5), QStringList({"发送幀数: 4幀", "发送幀数: "}));
        QCOMPARE(QStringList({b.record.progress, b.record.frames, b.record.name, b.record.size,
                              b.record.clock}),
                 QStringList({"发送进程: ", "发送幀数: ", "文件名称:", "文件大小:", "发送文件"}));
        QCOMPARE(b.record.value, 0);
        // A new file must be chosen before the next send.
        QVERIFY(!b.sender.start());
    }

    // Stop-and-wait: the next frame is on the port before the last one's progress is shown.
    void nextFrameGoesBeforeProgressIsShown() {
        SenderBench b;
        QList<int> writtenAtFrameDone;
        QObject::connect(&b.sender, &comm::FileSender::frameDone,
                         [&](int, int) { writtenAtFrameDone << int(b.frames.size()); });
        QVERIFY(b.send(file(QStringLiteral("a.bin"), RandomBytes(40, 1))));
        b.runToEnd();
        // Header + frame 1 + frame 2 when frame 1 is done, and so on; the last has no next.
        QCOMPARE(writtenAtFrameDone, QList<int>({3, 4, 4}));
    }

    // A receiver that answers 0x55 gets the same frame again, as often as it answers so.
    void badRepliesGetTheSameFrameAgain() {
        SenderBench b;
        b.answer = [](int index) {
            return QByteArray(1, index < 2 || (index >= 4 && index < 7) ? kReplyBad : kReplyGood);
        };
        QVERIFY(b.send(file(QStringLiteral("a.bin"), RandomBytes(40, 2))));
        b.runToEnd();
        QCOMPARE(b.frames.size(), 3 + 1 + 4 + 1);
        QCOMPARE(b.frames[2], b.frames[0]);
        QCOMPARE(b.frames.mid(4, 4), QList<QByteArray>(4, b.frames[4]));
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
    }

    // Other bytes are no answer; a 0x55 sends the frame again with a new limit of 3000 ms.
    void eachSendHasItsOwnLimit() {
        SenderBench b;
        b.answer = [](int index) { return QByteArray(index == 0 ? "f" : index == 1 ? "x" : ""); };
        QVERIFY(b.send(file(QStringLiteral("a.bin"), RandomBytes(40, 4))));
        b.clock.advance(2500);
        b.port.inject(QByteArray(1, kReplyBad));
        b.clock.advance(2999);
        QVERIFY(b.sender.isRunning());
        b.clock.advance(1);
        QCOMPARE(b.frames.size(), 3);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::TimedOut});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("通讯超时，失败！！！")});
        QVERIFY(!b.port.portOpen());
    }

    // Before the receiver is started the header is lost, and the sender waits until stopped.
    void headerWithoutReceiverWaitsUntilStopped() {
        SenderBench b;
        b.answer = [](int) { return QByteArray(); };
        QVERIFY(b.send(file(QStringLiteral("a.bin"), RandomBytes(40, 5))));
        b.clock.advance(3661 * 1000);
        QVERIFY(b.sender.isRunning());
        QCOMPARE(b.frames.size(), 1);
        QCOMPARE(b.record.clock, QStringLiteral("发送文件 01:01:01"));
        b.sender.stop();
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件a.bin       用户中断发送!!!")});
        QVERIFY(!b.port.portOpen());
    }

    void refusalsTouchNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("message");
        QTest::newRow("too large")
            << "big.bin" << kMaxFileSize + 1 << false << TooLargeMessage(kMaxFileSize + 1);
        QTest::newRow("no single-byte codes")
            << "报告.txt" << qint64(10) << false << NameNotSendableMessage();
        QTest::newRow("busy port") << "a.bin" << qint64(10) << true << comm::BusyPortMessage();
    }
    void refusalsTouchNothing() {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(bool, busy);
        QFETCH(QString, message);
        const QString path = file(name, QByteArray());
        QVERIFY(QFile::resize(path, size));
        SenderBench b;
        b.port.setBusy(busy);
        QVERIFY(!b.send(path));
        QCOMPARE(b.record.messages, QStringList{message});
        QCOMPARE(b.port.openCount(), 0);
        // The file stays chosen.
        b.sender.resetDisplay();
        QVERIFY(b.sender.hasFile());
    }

    // Never a byte that is not the file's: a file that shrinks ends the transfer.
    void fileThatShrinksEndsTheTransfer() {
        const QString path = file(QStringLiteral("a.bin"), RandomBytes(40, 6));
        SenderBench b;
        b.answer = [&](int index) {
            if (index == 1) QFile::resize(path, 20);
            return QByteArray(1, kReplyGood);
        };
        QVERIFY(b.send(path));
        b.runToEnd();
        QCOMPARE(b.record.messages, QStringList{ShrankMessage()});
        QCOMPARE(b.frames.size(), 2);
    }

    void speedLineIsRefreshedWhileFramesGo() {
        SenderBench b;
        b.device.setAnswerDelay(7);
        QVERIFY(b.send(file(QStringLiteral("a.bin"), RandomBytes(1500, 8))));
        b.clock.advance(7 + 255);  // the header's reply, then 35 frames in 250 ms
        QCOMPARE(b.record.rate, QStringLiteral("传输速度: 2100字节/秒  剩余时间: 00:00:01"));
        const int updates = b.record.rateUpdates;
        b.runToEnd(1);
        QCOMPARE(b.record.rateUpdates, updates + 2);  // at 500 ms and at the end
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
