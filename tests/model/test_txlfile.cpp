#include <sys/resource.h>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "filebytes.h"
#include "linesettings.h"
#include "nofreedescriptor.h"
#include "txlfile.h"
#include "txltrailer.h"

using namespace comm;

namespace {

const QByteArray kWorkedExample = QByteArray::fromHex(
    "010604010000"
    "0000000000000000"
    "0102010100000000"
    "01"
    "AA0003000D0001000200");

CommDefinition workedExample() {
    CommDefinition d;
    d.CommKind = 1;
    d.PortSettingIndex = {6, 4, 1, 0};
    d.FrameFieldCount = {1, 2, 1, 1, 0, 0, 0, 0};
    d.SendStartBytes[0] = 0xAA;
    d.SendDataBytes[0] = 1;
    d.SendDataBytes[1] = 2;
    d.SendCheckBytes[0] = 3;
    d.SendEndBytes[0] = 0x0D;
    return d;
}

QByteArray withKind(int kind) {
    QByteArray bytes = kWorkedExample;
    bytes[0] = char(kind);
    return bytes;
}

constexpr FrameSide kSides[] = {FrameSide::Send, FrameSide::Recv};
constexpr Field kFields[] = {Field::Start, Field::Data, Field::Check, Field::End};

enum class Counts { Random, AtCapacity, Zero };

CommDefinition randomDefinition(QRandomGenerator& rng, Counts counts) {
    CommDefinition d;
    d.CommKind = qint16(rng.bounded(1, 5));
    d.PortSettingIndex = {qint16(rng.bounded(13)), qint16(rng.bounded(5)), qint16(rng.bounded(3)),
                          qint16(rng.bounded(3))};
    for (FrameSide side : kSides)
        for (Field field : kFields) {
            const int cap = qMin(CommDefinition::capacity(field), 255);
            const int n = counts == Counts::AtCapacity ? cap
                          : counts == Counts::Zero     ? 0
                                                       : int(rng.bounded(cap + 1));
            d.FrameFieldCount[CommDefinition::countIndex(side, field)] = qint16(n);
            for (int i = 0; i < n; ++i) d.values(side, field)[i] = qint16(rng.bounded(-1, 256));
        }
    return d;
}

void compareLayout(const CommDefinition& read, const CommDefinition& written) {
    QCOMPARE(read.FileCommKind, written.CommKind);
    QCOMPARE(read.PortSettingIndex, written.PortSettingIndex);
    QCOMPARE(read.FrameFieldCount, written.FrameFieldCount);
    const LineSettings line = LineSettings::fromIndexes(written.PortSettingIndex).value();
    QCOMPARE(read.CommSettings, line.text());
    QCOMPARE(read.CommSettingsText, line.shownText());
}

}  // namespace

class TestTxlFile : public QObject {
    Q_OBJECT
private slots:
    void workedExampleIsWrittenByteForByte() {
        CommOptions options;  // loop forever, no delay, no wait
        const OptionValues values = ResolveFileOptions(1, &options);
        QCOMPARE(EncodeCommFile(workedExample(), values, true), kWorkedExample);
        QCOMPARE(kWorkedExample.size(), 33);
    }

    // Names of checksums ride in a trailer that a file without them never carries.
    void checksumNamesTravelInATrailer() {
        CommOptions options;
        const OptionValues values = ResolveFileOptions(1, &options);
        CommDefinition d = workedExample();
        d.FrameCheckName[1] = Checksum::Crc16Modbus;
        for (bool withValues : {true, false}) {
            const QByteArray bytes = EncodeCommFile(d, values, withValues);
            const QByteArray plain = EncodeCommFile(workedExample(), values, withValues);
            QVERIFY(bytes.startsWith(plain));
            QVERIFY(bytes.size() > plain.size());
            CommDefinition read;
            QCOMPARE(DecodeCommFile(bytes, &read), ReadStatus::Ok);
            QVERIFY(!read.checkName(FrameSide::Send));
            QCOMPARE(read.checkName(FrameSide::Recv), std::optional(Checksum::Crc16Modbus));
        }
    }

    void aCutOrDamagedTrailerIsIgnored() {
        CommOptions options;
        CommDefinition d = workedExample();
        d.FrameCheckName[0] = Checksum::Sum8;
        const QByteArray whole = EncodeCommFile(d, ResolveFileOptions(1, &options), true);
        CommDefinition plainRead;
        QCOMPARE(DecodeCommFile(kWorkedExample, &plainRead), ReadStatus::Ok);
        const auto readsAsPlain = [&](const QByteArray& bytes) {
            CommDefinition read;
            read.FrameCheckName = {Checksum::Crc32, Checksum::Crc32};  // a stale name goes away
            if (DecodeCommFile(bytes, &read) != ReadStatus::Ok) return false;
            return !read.checkName(FrameSide::Send) && !read.checkName(FrameSide::Recv) &&
                   read.SendDataBytes == plainRead.SendDataBytes &&
                   read.FrameFieldCount == plainRead.FrameFieldCount;
        };
        for (qsizetype cut = kWorkedExample.size(); cut < whole.size(); ++cut)
            QVERIFY2(readsAsPlain(whole.left(cut)), qPrintable(QString::number(cut)));
        for (qsizetype at = kWorkedExample.size(); at < whole.size(); ++at) {
            QByteArray damaged = whole;
            damaged[at] = char(damaged[at] ^ 0x10);
            QVERIFY2(readsAsPlain(damaged), qPrintable(QString::number(at)));
        }
        // A name this reader does not know, with a right checksum, is no trailer either.
        QByteArray unknown = whole.left(kWorkedExample.size() + 6) + QByteArray::fromHex("0800");
        unknown += ComputeChecksum(Checksum::Crc16Modbus, unknown.mid(kWorkedExample.size()));
        QVERIFY(readsAsPlain(unknown));
    }

    void workedExampleReadsBackFieldForField() {
        CommDefinition d;
        QCOMPARE(DecodeCommFile(kWorkedExample, &d), ReadStatus::Ok);
        QCOMPARE(d.FileCommKind, qint16(1));
        QCOMPARE(d.CommKind, qint16(0));  // the reader leaves the signal alone
        QCOMPARE(d.CommSettings, QStringLiteral("9600,O,8,1"));
        QCOMPARE(d.CommSettingsText, QStringLiteral("9600,奇,8,1"));
        QCOMPARE(d.FileLoopCount, quint8(0));
        QCOMPARE(d.FileDelayTime, 0);
        QCOMPARE(d.FileWaitTime, 0);
        QCOMPARE(d.FileHasValues, qint16(1));
        QCOMPARE(d.SendStartBytes[0], qint16(0xAA));
        QCOMPARE(d.SendDataBytes[0], qint16(1));
        QCOMPARE(d.SendDataBytes[1], qint16(2));
        QCOMPARE(d.SendCheckBytes[0], qint16(3));
        QCOMPARE(d.SendEndBytes[0], qint16(0x0D));
    }

    void optionsAndValueOrder() {
        // Kind 3 keeps delay and wait; the value block puts each frame's short fields first.
        CommDefinition d;
        d.CommKind = 3;
        d.PortSettingIndex = {12, 3, 2, 2};
        d.FrameFieldCount = {1, 1, 1, 1, 1, 1, 1, 1};
        d.SendStartBytes[0] = 1;
        d.SendDataBytes[0] = 4;
        d.SendCheckBytes[0] = 2;
        d.SendEndBytes[0] = 3;
        d.RecvStartBytes[0] = 5;
        d.RecvDataBytes[0] = -1;
        d.RecvCheckBytes[0] = 6;
        d.RecvEndBytes[0] = 7;
        CommOptions o{false, "5", false, "100000", false, "3000"};
        const QByteArray bytes = EncodeCommFile(d, ResolveFileOptions(3, &o), true);
        QCOMPARE(bytes, QByteArray::fromHex("030C030202"
                                            "05"
                                            "A0860100"
                                            "B80B0000"
                                            "0101010101010101"
                                            "01"
                                            "0100020003000400"
                                            "050006000700FFFF"));
        CommDefinition back;
        QCOMPARE(DecodeCommFile(bytes, &back), ReadStatus::Ok);
        QCOMPARE(back.FileLoopCount, quint8(5));
        QCOMPARE(back.FileDelayTime, 100000);
        QCOMPARE(back.FileWaitTime, 3000);
        QCOMPARE(back.RecvDataBytes[0], qint16(-1));
        QCOMPARE(back.CommSettingsText, QStringLiteral("115200,缺省,7,2"));
    }

    void randomRoundTrips() {
        QRandomGenerator rng(20261208);
        for (int round = 0; round < 200; ++round) {
            const Counts counts = round % 10 == 0   ? Counts::AtCapacity
                                  : round % 10 == 5 ? Counts::Zero
                                                    : Counts::Random;
            const CommDefinition written = randomDefinition(rng, counts);
            const bool withValues = round % 3 != 0;
            const QByteArray bytes = EncodeCommFile(written, OptionValues{}, withValues);
            CommDefinition read;
            QCOMPARE(DecodeCommFile(bytes, &read), ReadStatus::Ok);
            compareLayout(read, written);
            QCOMPARE(read.FileHasValues, qint16(withValues ? 1 : 0));
            for (FrameSide side : kSides)
                for (Field field : kFields)
                    for (int i = 0; i < written.count(side, field); ++i)
                        QCOMPARE(read.values(side, field)[i],
                                 withValues ? written.values(side, field)[i] : qint16(-1));
            QCOMPARE(EncodeCommFile(read, OptionValues{}, withValues).size(), bytes.size());
        }
    }

    void fileWithoutValuesNeedsOnly23Bytes() {
        CommDefinition d = workedExample();
        const QByteArray bytes = EncodeCommFile(d, OptionValues{}, false);
        QCOMPARE(bytes.size(), kTxlHeaderSize);
        CommDefinition read;
        read.SendStartBytes[0] = 77;
        QCOMPARE(DecodeCommFile(bytes, &read), ReadStatus::Ok);
        QCOMPARE(read.FileHasValues, qint16(0));
        QCOMPARE(read.SendStartBytes[0], qint16(-1));
        QCOMPARE(read.SendDataBytes[1], qint16(-1));
        // Bytes after the last value are ignored.
        QCOMPARE(DecodeCommFile(kWorkedExample + "trailing", &read), ReadStatus::Ok);
    }

    void malformedFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("kind 0") << withKind(0);
        QTest::newRow("kind 5") << withKind(5);
        QTest::newRow("kind 255") << withKind(255);
        for (int cut = 1; cut < kWorkedExample.size(); ++cut)
            QTest::newRow(qPrintable(QStringLiteral("cut at %1").arg(cut)))
                << kWorkedExample.left(cut);
        const struct {
            int offset;
            char value;
        } bad[] = {{1, 13},  {2, 5},   {3, 3},   {4, 3},   {14, 11},
                   {16, 11}, {17, 11}, {18, 11}, {20, 11}, {21, 11}};
        for (const auto& b : bad) {
            QByteArray bytes = kWorkedExample;
            bytes[b.offset] = b.value;
            QTest::newRow(
                qPrintable(QStringLiteral("byte %1 = %2").arg(b.offset).arg(int(b.value))))
                << bytes;
        }
        // A data count never exceeds its capacity of 1025 in one byte; values can still be wrong.
        QByteArray tooLarge = kWorkedExample;
        tooLarge[29] = '\x00';
        tooLarge[30] = '\x01';  // 256
        QTest::newRow("value 256") << tooLarge;
        QByteArray negative = kWorkedExample;
        negative[23] = '\xFE';
        negative[24] = '\xFF';  // -2
        QTest::newRow("value -2") << negative;
    }
    void malformedFilesAreRefused() {
        QFETCH(QByteArray, bytes);
        CommDefinition d = workedExample();
        d.CommSettings = QStringLiteral("before");
        const CommDefinition before = d;
        QCOMPARE(DecodeCommFile(bytes, &d), ReadStatus::WrongFormat);
        // Nothing of the definition changed.
        QCOMPARE(d.CommSettings, before.CommSettings);
        QCOMPARE(d.FrameFieldCount, before.FrameFieldCount);
        QCOMPARE(d.PortSettingIndex, before.PortSettingIndex);
        QCOMPARE(d.SendStartBytes, before.SendStartBytes);
        QCOMPARE(d.FileCommKind, before.FileCommKind);
    }

    void filesOnDisk() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("a.Txl");
        CommDefinition d = workedExample();
        CommOptions o;
        QString error;
        QVERIFY(WriteCommFile(path, d, &o, true, &error));
        QCOMPARE(ReadWholeFile(path), kWorkedExample);

        CommDefinition read;
        QCOMPARE(ReadCommFile(path, &read, &error), ReadStatus::Ok);
        QCOMPARE(ReadCommFile(dir.filePath("missing.Txl"), &read, &error), ReadStatus::Missing);
        QCOMPARE(error, MissingFileMessage());

        const QString wrong = dir.filePath("wrong.Txl");
        QVERIFY(WriteWholeFile(wrong, "\x05garbage"));
        QCOMPARE(ReadCommFile(wrong, &read, &error), ReadStatus::WrongFormat);
        QCOMPARE(error, WrongFormatMessage());
    }

    // Both fail for root as well, so they run in CI.
    void failedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("no file can be opened") << "open";
        QTest::newRow("disk full in mid-write") << "full";
    }
    void failedSaveKeepsTheOldFile() {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.Txl");
        QVERIFY(WriteWholeFile(path, "old contents"));
        CommDefinition d = workedExample();
        CommOptions o;
        QString error;
        bool written = true;
        if (how == QLatin1String("open")) {
            const NoFreeDescriptor noFile;
            QVERIFY(noFile.ok());
            written = WriteCommFile(path, d, &o, true, &error);
        } else {
            // A file size limit below the 33 bytes of the file makes the write stop part-way,
            // as a full disk does.
            rlimit before{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
            rlimit small = before;
            small.rlim_cur = 16;
            const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            written = WriteCommFile(path, d, &o, true, &error);
            setrlimit(RLIMIT_FSIZE, &before);
            signal(SIGXFSZ, oldHandler);
        }
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(ReadWholeFile(path), QByteArray("old contents"));
        // No half-written temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.Txl"});
    }
};

QTEST_APPLESS_MAIN(TestTxlFile)
#include "test_txlfile.moc"
