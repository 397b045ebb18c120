#include <QCryptographicHash>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "enginerecord.h"
#include "filebytes.h"
#include "filereceiver.h"
#include "filesender.h"
#include "memoryserialport.h"
#include "randombytes.h"
#include "receivedfile.h"
#include "transferframe.h"
#include "virtualclock.h"

using Outcome = comm::TransferEngine::Outcome;
using namespace comm::transfer;

namespace {

// A receiver on the in-memory port writing into a folder of its own inside a temporary one, so
// a file that escaped its folder would show up beside it.
struct ReceiverBench {
    QTemporaryDir top;
    QString folder = top.filePath(QStringLiteral("recv"));
    bool made = QDir().mkpath(folder);
    comm::VirtualClock clock;
    comm::MemorySerialPort port;
    comm::FileReceiver receiver{port, clock, folder};
    EngineRecord record{receiver};

    void feed(const QByteArray& bytes) {
        port.inject(bytes);
        clock.settle();
    }
    QString replies() const { return QString::fromLatin1(port.written()); }
    QStringList files() const {
        return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
    QByteArray content(const QString& name) const {
        return ReadWholeFile(QDir(folder).filePath(name));
    }
};

QByteArray header(const QByteArray& name, qint64 size) {
    QByteArray frame = HeaderFrame(QString(), size);
    frame.replace(0, 12, name.leftJustified(12, ' ', true));
    frame[15] = char(FrameChecksum(frame));
    return frame;
}

// The data frames of content, the last one with filler that must not reach the file.
QByteArray dataFrames(const QByteArray& content) {
    QByteArray out;
    for (int j = 1; j <= DataFrameCount(content.size()); ++j) {
        QByteArray frame = DataFrame(content.mid(int(DataFrameOffset(j)), kPayloadSize));
        for (int i = DataFramePayload(content.size(), j); i < kPayloadSize; ++i) frame[i] = '#';
        frame[15] = char(FrameChecksum(frame));
        out += frame;
    }
    return out;
}

QString sha(const QByteArray& bytes) {
    return QStringLiteral("SHA-256（写入）: ") +
           QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

}  // namespace

class FileReceiverTest : public QObject {
    Q_OBJECT
private slots:
    void receivesAFortyByteFile() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        QCOMPARE(b.port.settings(), QStringLiteral("57600,O,8,1"));
        QCOMPARE(b.port.inputLen(), 16);
        QCOMPARE(b.record.clock, QStringLiteral("接收文件 00:00:00"));
        const QByteArray content = RandomBytes(40, 40);
        b.feed(header("data.bin", 40));
        QCOMPARE(b.replies(), QStringLiteral("f"));
        QCOMPARE(b.record.name, QStringLiteral("文件名称: data.bin    "));
        QCOMPARE(b.record.size, QStringLiteral("文件大小: 40个字节"));
        QCOMPARE(b.record.maximum, 3);
        const QByteArray frames = dataFrames(content);
        for (int j = 0; j < 3; ++j) b.feed(frames.mid(j * 16, 16));
        QCOMPARE(b.replies(), QStringLiteral("ffff"));
        QCOMPARE(b.content(QStringLiteral("data.bin")), content);
        QCOMPARE(b.files(), QStringList{QStringLiteral("data.bin")});
        QCOMPARE(b.record.progressTexts,
                 QStringList({"接收进程: 0%", "接收进程: 33%", "接收进程: 66%", "接收进程: 100%"}));
        // One more than the data frames taken.
        QCOMPARE(b.record.framesTexts,
                 QStringList({"接收幀数: 0幀", "接收幀数: 2幀", "接收幀数: 3幀", "接收幀数: 4幀"}));
        QCOMPARE(b.record.value, 3);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件data.bin    接收完毕!!!")});
        QCOMPARE(b.record.digest, sha(content));
        QVERIFY(!b.port.portOpen());
        b.receiver.resetDisplay();
        QCOMPARE(b.record.progress, QStringLiteral("接收进程: "));
        QCOMPARE(b.record.frames, QStringLiteral("接收幀数: "));
        QCOMPARE(b.record.name, QStringLiteral("文件名称:"));
        QCOMPARE(b.record.size, QStringLiteral("文件大小:"));
        QCOMPARE(b.record.clock, QStringLiteral("接收文件"));
    }

    void badFramesAreAnsweredAndNotWritten() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        QByteArray bad = header("a.txt", 16);
        bad[15] = char(bad[15] + 1);
        b.feed(bad);
        b.feed(header("a.txt", 16));
        const QByteArray frames = dataFrames("0123456789abcdef");
        QByteArray spoiled = frames.left(16);
        spoiled[3] = 'X';
        b.feed(spoiled);
        QCOMPARE(b.receiver.doneBytes(), 0);
        b.feed(frames.left(16));
        b.feed(frames.mid(16));
        QCOMPARE(b.replies(), QStringLiteral("UfUff"));
        QCOMPARE(b.content(QStringLiteral("a.txt")), QByteArray("0123456789abcdef"));
    }

    // What waits at the start is stale; after a frame, what waits beyond its 16 bytes goes.
    void staleInputAndTheRestOfAFrameAreDiscarded() {
        ReceiverBench b;
        b.port.inject("stale bytes");
        QVERIFY(b.receiver.start());
        b.clock.settle();
        QVERIFY(b.replies().isEmpty());
        b.feed(header("a.txt", 3) + "extra");
        b.feed(dataFrames("abc"));
        QCOMPARE(b.replies(), QStringLiteral("ff"));
        QCOMPARE(b.content(QStringLiteral("a.txt")), QByteArray("abc"));
    }

    void emptyFileReplacesOneOfThatName_data() {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new") << false;
        QTest::newRow("existing") << true;
    }
    void emptyFileReplacesOneOfThatName() {
        QFETCH(bool, existing);
        ReceiverBench b;
        if (existing) QVERIFY(WriteWholeFile(QDir(b.folder).filePath("e.txt"), "old content"));
        QVERIFY(b.receiver.start());
        b.feed(header("e.txt", 0));
        QCOMPARE(b.replies(), QStringLiteral("f"));
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件e.txt       接收完毕!!!")});
        QCOMPARE(b.record.progress, QStringLiteral("接收进程: 100%"));
        QCOMPARE(b.record.frames, QStringLiteral("接收幀数: 1幀"));
        QCOMPARE(b.record.maximum, 100);
        QCOMPARE(b.record.value, 100);
        QCOMPARE(b.files(), QStringList{QStringLiteral("e.txt")});
        QCOMPARE(QFileInfo(QDir(b.folder).filePath("e.txt")).size(), 0);
    }

    // An existing file of that name goes only when the new one is complete; a cut reception
    // keeps what came under a name that says so.
    void existingFileSurvivesACutReception_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("time-out") << "timeout";
        QTest::newRow("stop") << "stop";
        QTest::newRow("window closed") << "abort";
        QTest::newRow("complete") << "complete";
    }
    void existingFileSurvivesACutReception() {
        QFETCH(QString, end);
        ReceiverBench b;
        const QString target = QDir(b.folder).filePath("r.bin");
        QVERIFY(WriteWholeFile(target, "the old file"));
        const QByteArray content = RandomBytes(30, 30);
        QVERIFY(b.receiver.start());
        b.feed(header("r.bin", 30));
        b.feed(dataFrames(content).left(16));
        if (end == QLatin1String("timeout")) b.clock.advance(3000);
        if (end == QLatin1String("stop")) b.receiver.stop();
        if (end == QLatin1String("abort")) b.receiver.abort();
        if (end == QLatin1String("complete")) b.feed(dataFrames(content).mid(16));
        QVERIFY(!b.receiver.isRunning());
        QVERIFY(!b.port.portOpen());
        if (end == QLatin1String("complete")) {
            QCOMPARE(ReadWholeFile(target), content);
            QCOMPARE(b.files(), QStringList{QStringLiteral("r.bin")});
            return;
        }
        QCOMPARE(ReadWholeFile(target), QByteArray("the old file"));
        const QString kept = b.receiver.keptPath();
        QVERIFY2(QFileInfo(kept).fileName().startsWith(QLatin1String("r.bin.")) &&
                     kept.endsWith(QLatin1String(".part")),
                 qPrintable(kept));
        QCOMPARE(ReadWholeFile(kept), content.left(15));
        QCOMPARE(b.files().size(), 2);
    }

    void eachFrameHasItsOwnLimit() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        b.clock.advance(3600 * 1000);  // the header phase has none
        QVERIFY(b.receiver.isRunning());
        b.feed(header("a.bin", 40));
        const QByteArray frames = dataFrames(RandomBytes(40, 1));
        b.clock.advance(2999);
        b.feed(frames.left(16));
        b.clock.advance(2999);
        b.feed(frames.mid(16, 16));
        b.clock.advance(2999);
        QVERIFY(b.receiver.isRunning());
        b.clock.advance(1);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::TimedOut});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("通讯超时，失败！！！")});
        QVERIFY(!b.port.portOpen());
    }

    void stopWhileWaitingForAHeader() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        b.clock.advance(59 * 1000);
        QCOMPARE(b.record.clock, QStringLiteral("接收文件 00:00:59"));
        b.receiver.stop();
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Stopped});
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件用户中断接收!!!")});
        QVERIFY(b.files().isEmpty());
        QVERIFY(!b.port.portOpen());
    }

    // A name from the wire lands in the receive folder under a safe name, is answered like any
    // other (the sender is never left waiting) and replaces none of the program's files.
    void hostileNamesStayInTheFolder_data() {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("saved");
        QTest::newRow("parent") << QByteArray("../../x.txt") << "___.._x.txt";
        QTest::newRow("absolute") << QByteArray("/tmp/x.txt") << "_tmp_x.txt";
        QTest::newRow("dots") << QByteArray("..") << "unnamed";
        QTest::newRow("blank") << QByteArray("") << "unnamed";
        QTest::newRow("control") << QByteArray("a\r\nb") << "a__b";
        QTest::newRow("the program") << QByteArray("Comm") << "received_Comm";
        QTest::newRow("a folder there") << QByteArray("tests") << "received_tests";
        QTest::newRow("a program there") << QByteArray("tool") << "received_tool";
    }
    void hostileNamesStayInTheFolder() {
        QFETCH(QByteArray, wire);
        QFETCH(QString, saved);
        ReceiverBench b;
        const QDir folder(b.folder);
        QVERIFY(folder.mkdir(QStringLiteral("tests")));
        QVERIFY(WriteWholeFile(folder.filePath("Comm"), "program"));
        QVERIFY(WriteWholeFile(folder.filePath("tool"), "program"));
        for (const char* name : {"Comm", "tool"})
            QVERIFY(QFile::setPermissions(
                folder.filePath(name),
                QFile::permissions(folder.filePath(name)) | QFileDevice::ExeOwner));
        QVERIFY(b.receiver.start());
        b.feed(header(wire, 5));
        b.feed(dataFrames("hello"));
        QCOMPARE(b.replies(), QStringLiteral("ff"));
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.content(saved), QByteArray("hello"));
        QCOMPARE(b.receiver.targetPath(), folder.filePath(saved));
        QCOMPARE(b.content(QStringLiteral("Comm")), QByteArray("program"));
        QCOMPARE(b.content(QStringLiteral("tool")), QByteArray("program"));
        QCOMPARE(QDir(b.top.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("recv")});
    }

    void folderThatTakesNoFileEndsTheReception() {
        ReceiverBench b;
        QVERIFY(QDir(b.folder).removeRecursively());
        QVERIFY(b.receiver.start());
        b.feed(header("a.txt", 5));
        // Answered all the same: the sender ends with its time limit instead of waiting on.
        QCOMPARE(b.replies(), QStringLiteral("f"));
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Failed});
        QVERIFY(b.record.messages.value(0).startsWith(WriteFailedMessage(QString())));
    }

    // The line runs odd parity: a frame the line saw spoiled is answered 0x55 even where the
    // sum fits.
    void lineErrorSpoilsAFrame_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("replies");
        QTest::newRow("parity") << 1009 << "fUf";
        QTest::newRow("framing") << 1004 << "fUf";
        QTest::newRow("CTS change") << 3 << "ff";
    }
    void lineErrorSpoilsAFrame() {
        QFETCH(int, code);
        QFETCH(QString, replies);
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        b.feed(header("p.bin", 5));
        const QByteArray frame = dataFrames("hello");
        b.port.injectEvent(code);
        b.feed(frame);
        if (b.receiver.isRunning()) b.feed(frame);
        QCOMPARE(b.replies(), replies);
        QCOMPARE(b.content(QStringLiteral("p.bin")), QByteArray("hello"));
    }

    // A character lost on the line: what came of the frame is answered 0x55 once the line has
    // been quiet a while, in the header exchange (which has no limit) as in the data exchange.
    void shortFrameIsAnsweredOnceTheLineIsQuiet() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        const QByteArray head = header("s.bin", 20);
        b.feed(head.left(10));
        b.clock.advance(comm::FileReceiver::kShortFrameQuietMs - 1);
        b.feed(head.mid(10, 5));
        b.clock.advance(comm::FileReceiver::kShortFrameQuietMs - 1);
        QCOMPARE(b.replies(), QString());
        b.clock.advance(1);
        QCOMPARE(b.replies(), QStringLiteral("U"));
        b.feed(head);
        const QByteArray frames = dataFrames(RandomBytes(20, 20));
        b.feed(frames.left(15));
        b.clock.advance(comm::FileReceiver::kShortFrameQuietMs);
        b.feed(frames.left(16));
        b.feed(frames.mid(16));
        QCOMPARE(b.replies(), QStringLiteral("UfUff"));
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.content(QStringLiteral("s.bin")), RandomBytes(20, 20));
    }

    void busyPortIsReported() {
        ReceiverBench b;
        b.port.setBusy(true);
        QVERIFY(!b.receiver.start());
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::PortFailed});
        QCOMPARE(b.record.messages, QStringList{kBusyPortMessage});
        QVERIFY(!b.receiver.isRunning());
    }

    void receiveFolderFallsBackToDownloads() {
        QTemporaryDir dir;
        QCOMPARE(comm::DefaultReceiveFolder(dir.path()), dir.path());
        const QString fallback = comm::DefaultReceiveFolder(dir.filePath(QStringLiteral("gone")));
        QCOMPARE(fallback, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    }

    // The two engines against each other over a wire that spoils every seventh frame.
    void senderAndReceiverAgree() {
        QTemporaryDir dir;
        const QByteArray content = RandomBytes(5000, 77);
        QVERIFY(WriteWholeFile(dir.filePath(QStringLiteral("out.bin")), content));
        ReceiverBench b;
        comm::MemorySerialPort senderPort;
        comm::FileSender sender(senderPort, b.clock);
        EngineRecord sent(sender);
        int frames = 0;
        QObject::connect(&senderPort, &comm::MemorySerialPort::bytesWritten,
                         [&](const QByteArray& bytes) {
                             QByteArray wire = bytes;
                             if (++frames % 7 == 0) wire[5] = char(wire[5] ^ 0x10);
                             QTimer::singleShot(0, [&b, wire] { b.port.inject(wire); });
                         });
        QObject::connect(
            &b.port, &comm::MemorySerialPort::bytesWritten, [&](const QByteArray& bytes) {
                QTimer::singleShot(0, [&senderPort, bytes] { senderPort.inject(bytes); });
            });
        QVERIFY(b.receiver.start());
        QVERIFY(sender.choose(dir.filePath(QStringLiteral("out.bin"))));
        QVERIFY(sender.start());
        for (int i = 0; i < 10000 && sender.isRunning(); ++i) b.clock.advance(1);
        QCOMPARE(sent.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(b.content(QStringLiteral("out.bin")), content);
        QCOMPARE(sent.digest.mid(sent.digest.indexOf(QLatin1Char(':'))),
                 b.record.digest.mid(b.record.digest.indexOf(QLatin1Char(':'))));
        QCOMPARE(b.replies().count(QLatin1Char('U')), frames / 7);
    }
};

QTEST_GUILESS_MAIN(FileReceiverTest)
#include "test_filereceiver.moc"
