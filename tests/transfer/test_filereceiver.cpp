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
    QString path(const QString& name) const { return QDir(folder).filePath(name); }
    QStringList files() const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
};

QByteArray header(const QByteArray& name, qint64 size) {
    QByteArray frame = HeaderFrame(QString(), size);
    frame.replace(0, 12, name.leftJustified(12, ' ', true));
    frame[15] = char(FrameChecksum(frame));
    return frame;
}

// Data frame j of content, with filler in a short last frame that must not reach the file.
QByteArray dataFrame(const QByteArray& content, int j) {
    QByteArray frame = DataFrame(content.mid(int(DataFrameOffset(j)), kPayloadSize));
    for (int i = DataFramePayload(content.size(), j); i < kPayloadSize; ++i) frame[i] = '#';
    frame[15] = char(FrameChecksum(frame));
    return frame;
}

}  // namespace

class FileReceiverTest : public QObject {
    Q_OBJECT
private slots:
    // Stop-and-wait: each 0x66 is on the port before its frame's progress is shown.
    void answerGoesBeforeProgressIsShown() {
        ReceiverBench b;
        QStringList repliedAtProgress;
        QObject::connect(&b.receiver, &comm::FileReceiver::progressValueChanged,
                         [&](int) { repliedAtProgress << b.replies(); });
        QVERIFY(b.receiver.start());
        const QByteArray content = RandomBytes(40, 40);
        b.feed(header("data.bin", 40));
        for (int j = 1; j <= 3; ++j) b.feed(dataFrame(content, j));
        QCOMPARE(repliedAtProgress, QStringList({"f", "ff", "fff", "ffff"}));
    }

    void receivesAFortyByteFile() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        QCOMPARE(b.port.inputLen(), 16);
        QCOMPARE(b.record.clock, QStringLiteral("接收文件 00:00:00"));
        const QByteArray content = RandomBytes(40, 40);
        b.feed(header("data.bin", 40));
        QCOMPARE(b.record.name, QStringLiteral("文件名称: data.bin    "));
        QCOMPARE(b.record.size, QStringLiteral("文件大小: 40个字节"));
        for (int j = 1; j <= 3; ++j) b.feed(dataFrame(content, j));
        QCOMPARE(b.replies(), QStringLiteral("ffff"));
        QCOMPARE(ReadWholeFile(b.path("data.bin")), content);
        QCOMPARE(b.files(), QStringList{QStringLiteral("data.bin")});
        QCOMPARE(b.record.progressTexts,
                 QStringList({"接收进程: 0%", "接收进程: 33%", "接收进程: 66%", "接收进程: 100%"}));
        // One more than the data frames taken.
        QCOMPARE(b.record.framesTexts,
                 QStringList({"接收幀数: 0幀", "接收幀数: 2幀", "接收幀数: 3幀", "接收幀数: 4幀"}));
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件data.bin    接收完毕!!!")});
        QCOMPARE(b.record.digest,
                 QStringLiteral("SHA-256（写入）: ") +
                     QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
        QVERIFY(!b.port.portOpen());
        b.receiver.resetDisplay();
        QCOMPARE(QStringList({b.record.progress, b.record.frames, b.record.name, b.record.size,
                              b.record.clock}),
                 QStringList({"接收进程: ", "接收幀数: ", "文件名称:", "文件大小:", "接收文件"}));
    }

    // What the line brings, step by step, and the replies: H header of "0123456789abcdef",
    // 1 and 2 its data frames, B frame 1 with a byte spoiled, h / 1' the first 10 / 15 bytes of
    // H / 1, S stale bytes before the start, HX the header with more bytes behind it, P a parity
    // error, F a framing error, C a CTS change, Q the line quiet for the short-frame time.
    void repliesToWhatComes_data() {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("replies");
        QTest::newRow("good") << QStringList{"H", "1", "2"} << "fff";
        QTest::newRow("bad frames, nothing written")
            << QStringList{"H", "B", "1", "B", "2"} << "fUfUf";
        QTest::newRow("stale input, rest of a frame") << QStringList{"S", "HX", "1", "2"} << "fff";
        QTest::newRow("parity error") << QStringList{"H", "P", "1", "1", "2"} << "fUff";
        QTest::newRow("framing error") << QStringList{"P", "H", "H", "F", "1", "1", "2"} << "UfUff";
        QTest::newRow("CTS change") << QStringList{"H", "C", "1", "2"} << "fff";
        QTest::newRow("short header") << QStringList{"h", "Q", "H", "1", "2"} << "Ufff";
        QTest::newRow("short frame") << QStringList{"H", "1'", "Q", "1", "2"} << "fUff";
    }
    void repliesToWhatComes() {
        QFETCH(QStringList, script);
        QFETCH(QString, replies);
        const QByteArray content("0123456789abcdef");
        QByteArray spoiled = dataFrame(content, 1);
        spoiled[4] = 'X';
        const QHash<QString, QByteArray> bytes = {{"H", header("a.txt", 16)},
                                                  {"1", dataFrame(content, 1)},
                                                  {"2", dataFrame(content, 2)},
                                                  {"B", spoiled},
                                                  {"h", header("a.txt", 16).left(10)},
                                                  {"1'", dataFrame(content, 1).left(15)},
                                                  {"S", "stale"},
                                                  {"HX", header("a.txt", 16) + "extra"}};
        const QHash<QString, int> events = {{"P", 1009}, {"F", 1004}, {"C", 3}};
        ReceiverBench b;
        if (script.startsWith(QStringLiteral("S"))) b.port.inject(bytes["S"]);
        QVERIFY(b.receiver.start());
        for (const QString& step : script) {
            if (step == QLatin1String("Q"))
                b.clock.advance(comm::FileReceiver::kShortFrameQuietMs);
            else if (events.contains(step))
                b.port.injectEvent(events[step]);
            else if (step != QLatin1String("S"))
                b.feed(bytes[step]);
        }
        b.clock.settle();
        QCOMPARE(b.replies(), replies);
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Completed});
        QCOMPARE(ReadWholeFile(b.path("a.txt")), content);
    }

    // An existing file of that name goes only when the new one is complete, also for an empty
    // one; a cut reception keeps what came under a name that says so.
    void existingFileSurvivesACutReception_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("size");
        QTest::newRow("time-out") << "timeout" << 30;
        QTest::newRow("stop") << "stop" << 30;
        QTest::newRow("window closed") << "abort" << 30;
        QTest::newRow("complete") << "complete" << 30;
        QTest::newRow("complete, empty") << "complete" << 0;
    }
    void existingFileSurvivesACutReception() {
        QFETCH(QString, end);
        QFETCH(int, size);
        ReceiverBench b;
        QVERIFY(WriteWholeFile(b.path("r.bin"), "the old file"));
        const QByteArray content = RandomBytes(size, 30);
        QVERIFY(b.receiver.start());
        b.feed(header("r.bin", size));
        if (size > 0) b.feed(dataFrame(content, 1));
        if (end == QLatin1String("timeout")) b.clock.advance(3000);
        if (end == QLatin1String("stop")) b.receiver.stop();
        if (end == QLatin1String("abort")) b.receiver.abort();
        if (end == QLatin1String("complete") && size > 0) b.feed(dataFrame(content, 2));
        QVERIFY(!b.receiver.isRunning() && !b.port.portOpen());
        if (end == QLatin1String("complete")) {
            QCOMPARE(ReadWholeFile(b.path("r.bin")), content);
            QCOMPARE(b.files(), QStringList{QStringLiteral("r.bin")});
            return;
        }
        QCOMPARE(ReadWholeFile(b.path("r.bin")), QByteArray("the old file"));
        const QString kept = b.receiver.keptPath();
        QVERIFY2(
            QRegularExpression(QStringLiteral("/r\\.bin\\.\\w+\\.part$")).match(kept).hasMatch(),
            qPrintable(kept));
        QCOMPARE(ReadWholeFile(kept), content.left(15));
    }

    // A receiver that is killed keeps what it had taken: each frame is on disk, under the
    // ".part" name, as soon as it is answered.
    void partFileHoldsEachFrameAsItComes() {
        ReceiverBench b;
        const QByteArray content = RandomBytes(40, 7);
        QVERIFY(b.receiver.start());
        b.feed(header("p.bin", 40));
        for (int j = 1; j <= 2; ++j) {
            b.feed(dataFrame(content, j));
            const QStringList files = b.files();
            QCOMPARE(files.size(), 1);
            QVERIFY2(QRegularExpression(QStringLiteral("^p\\.bin\\.\\w{6}\\.part$"))
                         .match(files[0])
                         .hasMatch(),
                     qPrintable(files[0]));
            QCOMPARE(ReadWholeFile(b.path(files[0])), content.left(15 * j));
        }
        QVERIFY(b.receiver.isRunning());
    }

    void eachFrameHasItsOwnLimit() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        b.clock.advance(3600 * 1000);  // the header exchange has none
        b.feed(header("a.bin", 40));
        const QByteArray content = RandomBytes(40, 1);
        b.clock.advance(2999);
        b.feed(dataFrame(content, 1));
        b.clock.advance(2999);
        QVERIFY(b.receiver.isRunning());
        b.clock.advance(1);
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("通讯超时，失败！！！")});
        QVERIFY(!b.port.portOpen());
    }

    void stopWhileWaitingForAHeader() {
        ReceiverBench b;
        QVERIFY(b.receiver.start());
        b.clock.advance(59 * 1000);
        QCOMPARE(b.record.clock, QStringLiteral("接收文件 00:00:59"));
        b.receiver.stop();
        QCOMPARE(b.record.messages, QStringList{QStringLiteral("文件用户中断接收!!!")});
        QVERIFY(b.files().isEmpty());
    }

    // A name from the wire lands in the receive folder, is answered like any other (the sender
    // is never left waiting) and replaces neither a folder nor a program there.
    void hostileNamesStayInTheFolder_data() {
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("saved");
        QTest::newRow("parent") << QByteArray("../../x.txt") << "___.._x.txt";
        QTest::newRow("the program") << QByteArray("Comm") << "received_Comm";
        QTest::newRow("a folder there") << QByteArray("tests") << "received_tests";
        QTest::newRow("a program there") << QByteArray("tool") << "received_tool";
    }
    void hostileNamesStayInTheFolder() {
        QFETCH(QByteArray, wire);
        QFETCH(QString, saved);
        ReceiverBench b;
        QVERIFY(QDir(b.folder).mkdir(QStringLiteral("tests")));
        QVERIFY(WriteWholeFile(b.path("Comm"), "program") &&
                WriteWholeFile(b.path("tool"), "program"));
        QVERIFY(
            QFile::setPermissions(b.path("tool"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QVERIFY(b.receiver.start());
        b.feed(header(wire, 5));
        b.feed(dataFrame("hello", 1));
        QCOMPARE(b.replies(), QStringLiteral("ff"));
        QCOMPARE(ReadWholeFile(b.path(saved)), QByteArray("hello"));
        QCOMPARE(ReadWholeFile(b.path("Comm")) + ReadWholeFile(b.path("tool")), "programprogram");
        QCOMPARE(QDir(b.top.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("recv")});
    }

    // A file the receiver cannot create is not answered, so the sender (joined to it here by
    // the two in-memory ports) waits as for a receiver not yet started and reports nothing; an
    // empty one would otherwise be reported sent on the header's answer alone.
    void fileThatCannotBeCreatedIsNotAnswered_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("five bytes") << 5;
    }
    void fileThatCannotBeCreatedIsNotAnswered() {
        QFETCH(int, size);
        ReceiverBench b;
        const QString sent = b.top.filePath(QStringLiteral("a.txt"));
        QVERIFY(WriteWholeFile(sent, RandomBytes(size, 3)));
        QVERIFY(QDir(b.folder).removeRecursively());
        comm::MemorySerialPort senderPort;
        comm::FileSender sender{senderPort, b.clock};
        EngineRecord senderRecord{sender};
        QObject::connect(&senderPort, &comm::MemorySerialPort::bytesWritten,
                         [&](const QByteArray& bytes) { b.port.inject(bytes); });
        QObject::connect(&b.port, &comm::MemorySerialPort::bytesWritten,
                         [&](const QByteArray& bytes) { senderPort.inject(bytes); });
        QVERIFY(b.receiver.start());
        QVERIFY(sender.choose(sent) && sender.start());
        b.clock.advance(60 * 1000);
        QCOMPARE(b.replies(), QString());
        QCOMPARE(b.record.outcomes, QList<Outcome>{Outcome::Failed});
        QVERIFY(b.record.messages.value(0).startsWith(WriteFailedMessage(QString())));
        QVERIFY(sender.isRunning());
        QVERIFY(senderRecord.outcomes.isEmpty());
        QCOMPARE(senderRecord.frames, QStringLiteral("发送幀数: 0幀"));
        sender.stop();
    }

    void receiveFolderFallsBackToDownloads() {
        QTemporaryDir dir;
        QCOMPARE(comm::DefaultReceiveFolder(dir.path()), dir.path());
        const QString downloads =
            QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        QCOMPARE(comm::DefaultReceiveFolder(dir.filePath(QStringLiteral("gone"))), downloads);
        // Root may write /usr/bin, but an installed program's folder takes no file from the wire.
        QVERIFY(comm::IsInstalledProgramFolder(QStringLiteral("/usr/bin")));
        QCOMPARE(comm::DefaultReceiveFolder(QStringLiteral("/usr/bin")), downloads);
        QVERIFY(!comm::IsInstalledProgramFolder(dir.path()));
    }
};

QTEST_GUILESS_MAIN(FileReceiverTest)
#include "test_filereceiver.moc"
