#include <QtTest>

#include "checksums.h"

using comm::Checksum;

// Published check values: each algorithm over the nine characters "123456789", and the byte
// order each puts on the wire.
class ChecksumsTest : public QObject {
    Q_OBJECT
private slots:
    void checkValues_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("wire");
        const QByteArray nine("123456789");
        QTest::newRow("sum8") << "sum8" << nine << QByteArray::fromHex("DD");
        QTest::newRow("lrc") << "lrc" << nine << QByteArray::fromHex("23");
        QTest::newRow("xor") << "xor" << nine << QByteArray::fromHex("31");
        QTest::newRow("crc8") << "crc8" << nine << QByteArray::fromHex("F4");
        QTest::newRow("modbus low byte first")
            << "crc16-modbus" << nine << QByteArray::fromHex("374B");
        QTest::newRow("ccitt-false high byte first")
            << "crc16-ccitt-false" << nine << QByteArray::fromHex("29B1");
        QTest::newRow("crc32 low byte first") << "crc32" << nine << QByteArray::fromHex("2639F4CB");
        QTest::newRow("modbus of a read request")
            << "crc16-modbus" << QByteArray::fromHex("010300000001") << QByteArray::fromHex("840A");
        QTest::newRow("sum wraps")
            << "sum8" << QByteArray::fromHex("FF02") << QByteArray::fromHex("01");
        QTest::newRow("empty lrc") << "lrc" << QByteArray() << QByteArray::fromHex("00");
        QTest::newRow("empty crc16-modbus")
            << "crc16-modbus" << QByteArray() << QByteArray::fromHex("FFFF");
    }
    void checkValues() {
        QFETCH(QString, name);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, wire);
        const comm::ChecksumInfo* info = comm::FindChecksum(name);
        QVERIFY(info);
        const QByteArray got = comm::ComputeChecksum(info->kind, data);
        QCOMPARE(got.toHex(), wire.toHex());
        QCOMPARE(got.size(), info->bytes);
    }

    void lrcMakesTheWholeSumZero() {
        const QByteArray data = QByteArray::fromHex("3A01FE7C");
        const QByteArray lrc = comm::ComputeChecksum(Checksum::Lrc8, data);
        QCOMPARE(comm::ComputeChecksum(Checksum::Sum8, data + lrc), QByteArray(1, '\0'));
    }

    void unknownNameIsNone() { QVERIFY(!comm::FindChecksum(QStringLiteral("crc16"))); }
};

QTEST_APPLESS_MAIN(ChecksumsTest)
#include "test_checksums.moc"
