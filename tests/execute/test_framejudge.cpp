#include <QtTest>

#include "framejudge.h"
#include "framing.h"
#include "rundefs.h"
#include "sendframe.h"

using comm::Field;
using comm::FrameSide;

namespace {

// A receive frame with the given fields; the send frame is irrelevant here.
comm::CommDefinition receiving(const QList<int>& start, const QList<int>& data,
                               const QList<int>& check, const QList<int>& end,
                               const QString& checkName = {}) {
    comm::CommDefinition def = testdefs::make(2, {}, {}, {}, {});
    testdefs::fill(&def, FrameSide::Recv, Field::Start, start);
    testdefs::fill(&def, FrameSide::Recv, Field::Data, data);
    testdefs::fill(&def, FrameSide::Recv, Field::Check, check);
    testdefs::fill(&def, FrameSide::Recv, Field::End, end);
    if (const comm::ChecksumInfo* info = comm::FindChecksum(checkName))
        def.FrameCheckName[1] = info->kind;
    return def;
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

}  // namespace

Q_DECLARE_METATYPE(comm::CommDefinition)

class FrameJudgeTest : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data() {
        QTest::addColumn<comm::CommDefinition>("def");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("marked");  // positions of bytes that stand out
        const auto plain = receiving({0x7E}, {1, 2}, {3}, {0x0D});
        QTest::newRow("entered bytes all there")
            << plain << hex("7E0102030D") << " 正确" << QList<int>{};
        QTest::newRow("-1 takes any byte") << receiving({0x7E}, {-1, 2}, {3}, {0x0D})
                                           << hex("7E5502030D") << " 正确" << QList<int>{};
        QTest::newRow("a wrong end byte")
            << plain << hex("7E0102030A") << " 错误：结束位 应为 0D，收到 0A" << QList<int>{4};
        QTest::newRow("entered check bytes when no checksum is named")
            << plain << hex("7E0102040D") << " 错误：校验和 应为 03，收到 04" << QList<int>{3};
        // The checksum covers the data field, so a Modbus answer keeps address and function there.
        const auto modbus = receiving({}, {1, 3, 4, -1, -1, -1, -1}, {-1, -1}, {}, "crc16-modbus");
        QTest::newRow("the named checksum of the received data")
            << modbus << hex("010304000100022A32") << " 正确" << QList<int>{};
        QTest::newRow("a corrupted checksum")
            << modbus << hex("010304000100022A33") << " 错误：校验和 应为 2A 32，收到 2A 33"
            << QList<int>{8};
        QTest::newRow("a named checksum in front of entered padding")
            << receiving({}, {1, 2}, {-1, 0xEE}, {}, "sum8") << hex("010203EF")
            << " 错误：校验和 应为 03 EE，收到 03 EF" << QList<int>{3};
        QTest::newRow("a short exception answer")
            << modbus << hex("018302C0F1")
            << " 错误：数据位 应为 01 03 04 ?? ?? ?? ??，收到 01 83 02 C0 F1；校验和 应为 ?? "
               "??，收到 无"
            << QList<int>{1, 2};
    }
    void verdicts() {
        QFETCH(comm::CommDefinition, def);
        QFETCH(QByteArray, frame);
        QFETCH(QString, text);
        QFETCH(QList<int>, marked);
        const comm::FrameVerdict verdict = comm::JudgeFrame(def, frame);
        QCOMPARE(comm::VerdictText(verdict), text);
        QCOMPARE(verdict.match, marked.isEmpty() && text == QStringLiteral(" 正确"));
        QList<int> stand;
        for (int i = 0; i < verdict.expectedAt.size(); ++i)
            if (verdict.expectedAt[i] >= 0) stand << i;
        QCOMPARE(stand, marked);
        QCOMPARE(comm::JudgedBlock(3, frame, def, verdict).count(QStringLiteral("← 应为")),
                 marked.size());
    }

    // Every checksum the helper offers judges the frame it computed and refuses one bit off.
    void everyNamedChecksum() {
        const QByteArray data = hex("010203");
        for (const comm::ChecksumInfo& info : comm::Checksums()) {
            const auto def = receiving({}, {-1, -1, -1}, QList<int>(info.bytes, -1), {},
                                       QLatin1String(info.name));
            QByteArray frame = data + comm::ComputeChecksum(info.kind, data);
            QVERIFY2(comm::JudgeFrame(def, frame).match, info.name);
            frame[frame.size() - 1] = char(frame.back() ^ 1);
            QVERIFY2(!comm::JudgeFrame(def, frame).match, info.name);
        }
    }

    void cuts_data() {
        QTest::addColumn<QByteArray>("pending");
        QTest::addColumn<int>("length");
        QTest::addColumn<QVector<int>>("start");
        QTest::addColumn<bool>("sync");
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<int>("drop");
        QTest::addColumn<int>("take");
        const QVector<int> none;
        const QVector<int> s13{1, 3};
        QTest::newRow("a whole frame")
            << hex("0102030405") << 5 << none << false << false << 0 << 5;
        QTest::newRow("part of one waits") << hex("0102") << 5 << none << false << false << 0 << 0;
        QTest::newRow("the gap ends a short frame")
            << hex("018302C0F1") << 9 << none << false << true << 0 << 5;
        QTest::newRow("more than a frame before the gap")
            << hex("010203040506") << 5 << none << false << true << 0 << 5;
        QTest::newRow("noise before the start")
            << hex("FFFE010304") << 3 << s13 << true << false << 2 << 3;
        QTest::newRow("a false start") << hex("01010304") << 3 << s13 << true << false << 1 << 3;
        QTest::newRow("part of the start is kept")
            << hex("FF01") << 3 << s13 << true << false << 1 << 0;
        QTest::newRow("nothing that can start")
            << hex("FFFE") << 3 << s13 << true << false << 2 << 0;
        QTest::newRow("-1 in the start takes any byte")
            << hex("05019903") << 3 << QVector<int>{1, -1, 3} << true << false << 1 << 3;
    }
    void cuts() {
        QFETCH(QByteArray, pending);
        QFETCH(int, length);
        QFETCH(QVector<int>, start);
        QFETCH(bool, sync);
        QFETCH(bool, quiet);
        const comm::FrameCut cut = comm::CutFrame(pending, length, start, sync, quiet);
        QTEST(cut.drop, "drop");
        QTEST(cut.take, "take");
    }

    // A send frame that names its checksum sends it, whatever its check field held.
    void aNamedSendChecksumIsComputed() {
        comm::CommDefinition def = testdefs::make(3, {}, {1, 3, 0, 0, 0, 2}, {0, 0}, {});
        QCOMPARE(comm::BuildSendFrame(def).bytes, hex("010300000002"
                                                      "0000"));
        def.FrameCheckName[0] = comm::Checksum::Crc16Modbus;
        QCOMPARE(comm::BuildSendFrame(def).bytes, hex("010300000002C40B"));
    }

    // The comment a saved log gets, and the informative text of the time-out question.
    void texts() {
        comm::CommDefinition def = testdefs::make(3, {}, {1}, {}, {});
        QVERIFY(comm::CheckNamesText(def).isEmpty());
        def.FrameCheckName[1] = comm::Checksum::Xor8;
        QCOMPARE(comm::CheckNamesText(def), QStringLiteral("校验: 发送 无，接收 异或"));
        QCOMPARE(comm::WaitingText({}), QStringLiteral("未收到任何字节"));
    }
};

QTEST_APPLESS_MAIN(FrameJudgeTest)
#include "test_framejudge.moc"
