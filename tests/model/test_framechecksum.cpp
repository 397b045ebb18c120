#include <QtTest>

#include "framechecksum.h"

using namespace comm;

using Values = QList<int>;

// Writing a checksum into a frame's checksum field from its data bytes; a refusal leaves the
// field as it was.
class FrameChecksumTest : public QObject {
    Q_OBJECT
private slots:
    void fill_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Values>("data");
        QTest::addColumn<Values>("check");
        QTest::addColumn<int>("fill");
        QTest::addColumn<Values>("after");
        const Values nine = {0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39};
        const int written = int(ChecksumFill::Written);
        QTest::newRow("modbus, low byte first")
            << "crc16-modbus" << nine << Values{-1, -1} << written << Values{0x37, 0x4B};
        QTest::newRow("longer field keeps its other bytes")
            << "sum8" << Values{1, 2} << Values{-1, 0x55, -1} << written << Values{3, 0x55, -1};
        QTest::newRow("too long") << "crc32" << nine << Values{1, 2} << int(ChecksumFill::TooLong)
                                  << Values{1, 2};
        QTest::newRow("data byte not entered") << "xor" << Values{1, -1} << Values{7}
                                               << int(ChecksumFill::DataIncomplete) << Values{7};
    }
    void fill() {
        QFETCH(QString, name);
        QFETCH(Values, data);
        QFETCH(Values, check);
        QFETCH(int, fill);
        QFETCH(Values, after);
        // The receive frame, so that a fill writing into the send frame's arrays would show.
        CommDefinition def;
        def.FrameFieldCount = {0, 0, 0, 0, 0, qint16(data.size()), qint16(check.size()), 0};
        for (int i = 0; i < data.size(); ++i) def.RecvDataBytes[i] = qint16(data[i]);
        for (int i = 0; i < check.size(); ++i) def.RecvCheckBytes[i] = qint16(check[i]);
        QCOMPARE(int(FillFrameChecksum(&def, FrameSide::Recv, FindChecksum(name)->kind)), fill);
        Values got;
        for (int i = 0; i < check.size(); ++i) got << def.RecvCheckBytes[i];
        QCOMPARE(got, after);
        QCOMPARE(def.SendCheckBytes, CommDefinition().SendCheckBytes);
    }
};

QTEST_APPLESS_MAIN(FrameChecksumTest)
#include "test_framechecksum.moc"
