#include <QtTest>

#include "linepacer.h"
#include "rundefs.h"
#include "runtext.h"
#include "sendframe.h"

using comm::Field;

class RunTextTest : public QObject {
    Q_OBJECT
private slots:
    void fieldLine_data();
    void fieldLine();
    void sendFrameListsEveryByteInWireOrder();
    void unsetBytesAreLeftOutAndLaterBytesMoveUp();
    void damagedDefinitionIsInvalid_data();
    void damagedDefinitionIsInvalid();
    void receivedBlockSplitsBytesOverTheReceiveFields();
    void receiveFrameLength();
    void elapsedText_data();
    void elapsedText();
    void lineEventMessages_data();
    void lineEventMessages();
    void codesOutsideTheTableHaveNoMessage_data();
    void codesOutsideTheTableHaveNoMessage();
    void pacerCharacterTime_data();
    void pacerCharacterTime();
    void pacerKeepsAtMostOneBufferAheadOfTheLine();
};

void RunTextTest::fieldLine_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("line");
    QTest::newRow("start 7E") << 0x7E << int(Field::Start) << 1
                              << QStringLiteral("7E   起始位第: 1位\r\n");
    QTest::newRow("data 0A at 12")
        << 10 << int(Field::Data) << 12 << QStringLiteral("0A   数据位第: 12位\r\n");
    QTest::newRow("check 00") << 0 << int(Field::Check) << 3
                              << QStringLiteral("00   校验和第: 3位\r\n");
    QTest::newRow("end FF at 255")
        << 255 << int(Field::End) << 255 << QStringLiteral("FF   结束位第: 255位\r\n");
}

void RunTextTest::fieldLine() {
    QFETCH(int, value);
    QFETCH(int, field);
    QFETCH(int, position);
    QFETCH(QString, line);
    QCOMPARE(comm::FieldLine(value, Field(field), position), line);
}

void RunTextTest::sendFrameListsEveryByteInWireOrder() {
    const auto def = testdefs::make(1, {0x7E, 0x7F}, {1, 2, 3}, {0xAA}, {0x0D});
    const comm::SendFrame frame = comm::BuildSendFrame(def);
    QVERIFY(!frame.incomplete);
    QVERIFY(!frame.invalid);
    QCOMPARE(frame.bytes, testdefs::bytes({0x7E, 0x7F, 1, 2, 3, 0xAA, 0x0D}));
    const QStringList lines = frame.listing.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{
                        QStringLiteral("7E   起始位第: 1位"), QStringLiteral("7F   起始位第: 2位"),
                        QStringLiteral("01   数据位第: 1位"), QStringLiteral("02   数据位第: 2位"),
                        QStringLiteral("03   数据位第: 3位"), QStringLiteral("AA   校验和第: 1位"),
                        QStringLiteral("0D   结束位第: 1位")}));
    QVERIFY(frame.listing.endsWith(QStringLiteral("位\r\n")));
}

void RunTextTest::unsetBytesAreLeftOutAndLaterBytesMoveUp() {
    const auto def = testdefs::make(1, {0x7E}, {1, -1, 3}, {}, {-1});
    const comm::SendFrame frame = comm::BuildSendFrame(def);
    QVERIFY(frame.incomplete);
    QVERIFY(!frame.invalid);
    QCOMPARE(frame.bytes, testdefs::bytes({0x7E, 1, 3}));
    // The listed position stays the byte's own position in its field.
    QCOMPARE(frame.listing,
             QStringLiteral("7E   起始位第: 1位\r\n01   数据位第: 1位\r\n03   数据位第: 3位\r\n"));
}

void RunTextTest::damagedDefinitionIsInvalid_data() {
    QTest::addColumn<int>("countIndex");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("value");
    QTest::newRow("value 256") << 1 << 1 << 256;
    QTest::newRow("value -2") << 1 << 1 << -2;
    QTest::newRow("start count 11") << 0 << 11 << 1;
    QTest::newRow("data count 1026") << 1 << 1026 << 1;
    QTest::newRow("negative count") << 2 << -1 << 1;
}

void RunTextTest::damagedDefinitionIsInvalid() {
    QFETCH(int, countIndex);
    QFETCH(int, count);
    QFETCH(int, value);
    auto def = testdefs::make(1, {}, {5}, {}, {});
    def.SendDataBytes[0] = qint16(value);
    if (countIndex != 1 || count != 1) def.FrameFieldCount[countIndex] = qint16(count);
    QVERIFY(comm::BuildSendFrame(def).invalid);
}

void RunTextTest::receivedBlockSplitsBytesOverTheReceiveFields() {
    const auto def = testdefs::make(2, {}, {}, {}, {}, {1, 2, 1, 1});
    const QString block =
        comm::ReceivedBlock(2, testdefs::bytes({0x68, 0x01, 0x02, 0x6B, 0x16}), def);
    QCOMPARE(block, QStringLiteral("\r\n第2幀\r\n"
                                   "68   起始位第: 1位\r\n"
                                   "01   数据位第: 1位\r\n"
                                   "02   数据位第: 2位\r\n"
                                   "6B   校验和第: 1位\r\n"
                                   "16   结束位第: 1位\r\n"));
}

void RunTextTest::receiveFrameLength() {
    QCOMPARE(comm::ReceiveFrameLength(testdefs::make(2, {}, {}, {}, {}, {2, 7, 1, 3})), 13);
    QCOMPARE(comm::ReceiveFrameLength(testdefs::make(2, {}, {}, {}, {}, {0, 0, 0, 0})), 0);
    auto damaged = testdefs::make(2, {}, {}, {}, {}, {1, 1, 1, 1});
    damaged.FrameFieldCount[6] = 11;
    QCOMPARE(comm::ReceiveFrameLength(damaged), -1);
}

void RunTextTest::elapsedText_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << QStringLiteral("0秒");
    QTest::newRow("twelve and a half") << qint64(12500) << QStringLiteral("12.5秒");
    QTest::newRow("three ms") << qint64(3) << QStringLiteral("0.003秒");
    QTest::newRow("whole") << qint64(61000) << QStringLiteral("61秒");
    QTest::newRow("all digits") << qint64(1234) << QStringLiteral("1.234秒");
    QTest::newRow("a day") << qint64(86400020) << QStringLiteral("86400.02秒");
}

void RunTextTest::elapsedText() {
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(comm::ElapsedText(ms), text);
}

void RunTextTest::lineEventMessages_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("1001") << 1001 << QStringLiteral("收到 Break");
    QTest::newRow("1007") << 1007 << QStringLiteral("CD (RLSD) 超时");
    QTest::newRow("1002") << 1002 << QStringLiteral("CTS Timeout");
    QTest::newRow("1003") << 1003 << QStringLiteral("DSR Timeout");
    QTest::newRow("1004") << 1004 << QStringLiteral("Framing Error");
    QTest::newRow("1006") << 1006 << QStringLiteral("数据丢失");
    QTest::newRow("1008") << 1008 << QStringLiteral("接收缓冲区溢出");
    QTest::newRow("1009") << 1009 << QStringLiteral("Parity 错误");
    QTest::newRow("1010") << 1010 << QStringLiteral("传输缓冲区已满");
    QTest::newRow("1011") << 1011 << QStringLiteral("获取 DCB 时意外错误");
    QTest::newRow("5") << 5 << QStringLiteral("CD 线状态变化");
    QTest::newRow("3") << 3 << QStringLiteral("CTS 线状态变化");
    QTest::newRow("4") << 4 << QStringLiteral("DSR 线状态变化");
    QTest::newRow("6") << 6 << QStringLiteral("Ring Indicator 变化");
    QTest::newRow("2") << 2 << QStringLiteral("收到 RThreshold # of chars");
    QTest::newRow("1") << 1 << QStringLiteral("传输缓冲区有 Sthreshold 个字符");
    QTest::newRow("7") << 7 << QStringLiteral("输入数据流中发现 EOF 字符");
}

void RunTextTest::lineEventMessages() {
    QFETCH(int, code);
    QFETCH(QString, message);
    QCOMPARE(comm::LineEventMessage(code), message);
    QVERIFY(comm::LineEventCodes().contains(code));
}

void RunTextTest::codesOutsideTheTableHaveNoMessage_data() {
    QTest::addColumn<int>("code");
    for (int code : {0, 8, 1000, 1005, 1012, -1, 8002})
        QTest::newRow(qPrintable(QString::number(code))) << code;
}

void RunTextTest::codesOutsideTheTableHaveNoMessage() {
    QFETCH(int, code);
    QVERIFY(comm::LineEventMessage(code).isEmpty());
    QVERIFY(!comm::LineEventCodes().contains(code));
}

void RunTextTest::pacerCharacterTime_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<double>("bits");
    QTest::addColumn<double>("baud");
    QTest::newRow("8N1") << "115200,N,8,1" << 10.0 << 115200.0;
    QTest::newRow("8O1") << "9600,O,8,1" << 11.0 << 9600.0;
    QTest::newRow("7E2") << "300,E,7,2" << 11.0 << 300.0;
    QTest::newRow("5N1.5") << "110,N,5,1.5" << 7.5 << 110.0;
}

void RunTextTest::pacerCharacterTime() {
    QFETCH(QString, settings);
    QFETCH(double, bits);
    QFETCH(double, baud);
    QCOMPARE(comm::LinePacer(settings).characterNs(), bits * 1e9 / baud);
    QCOMPARE(comm::LinePacer(QStringLiteral("fast")).characterNs(), 0.0);
}

void RunTextTest::pacerKeepsAtMostOneBufferAheadOfTheLine() {
    // 9600 8N1: one character is 1/960 s; a buffer of 96 characters is 100 ms.
    comm::LinePacer pacer(QStringLiteral("9600,N,8,1"), 96);
    const qint64 ms = 1000000;
    pacer.reset(0);
    QCOMPARE(pacer.waitNs(0), qint64(0));
    pacer.sent(96, 0);  // exactly one buffer ahead: may still hand over more
    QCOMPARE(pacer.waitNs(0), qint64(0));
    pacer.sent(48, 0);  // 150 ms ahead: wait until only half a buffer (50 ms) is left
    QVERIFY(qAbs(pacer.waitNs(0) - 100 * ms) <= 1);
    QVERIFY(qAbs(pacer.waitNs(20 * ms) - 80 * ms) <= 1);
    // Within one buffer of the line again: no wait.
    QCOMPARE(pacer.waitNs(60 * ms), qint64(0));
    // After an idle line the backlog starts from the moment of sending, not from the past.
    pacer.sent(96, 10000 * ms);
    QCOMPARE(pacer.waitNs(10000 * ms), qint64(0));
    pacer.sent(1, 10000 * ms);
    QVERIFY(pacer.waitNs(10000 * ms) > 0);
}

QTEST_GUILESS_MAIN(RunTextTest)
#include "test_runtext.moc"
