#include <QtTest>

#include "checksums.h"
#include "sendline.h"

using namespace comm;

class TestSendLine : public QObject {
    Q_OBJECT
private slots:
    void bytesOfALine_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("checksum");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const int text = int(SendMode::Text), hex = int(SendMode::Hex);
        const int none = int(LineEnd::None), cr = int(LineEnd::Cr), lf = int(LineEnd::Lf),
                  crlf = int(LineEnd::CrLf);
        QTest::newRow("text, no end") << "AT" << text << none << "" << QByteArray("AT") << "";
        QTest::newRow("text, CR") << "AT" << text << cr << "" << QByteArray("AT\r") << "";
        QTest::newRow("text, LF") << "AT" << text << lf << "" << QByteArray("AT\n") << "";
        QTest::newRow("text, CR LF") << "AT" << text << crlf << "" << QByteArray("AT\r\n") << "";
        QTest::newRow("text is UTF-8")
            << "温度" << text << none << "" << QByteArray("\xE6\xB8\xA9\xE5\xBA\xA6") << "";
        QTest::newRow("a line end alone") << "" << text << cr << "" << QByteArray("\r") << "";
        QTest::newRow("nothing at all")
            << "" << text << none << "" << QByteArray() << "没有要发送的字节";
        QTest::newRow("checksum before the line end")
            << "12" << text << crlf << "sum8" << QByteArray("12\x63\r\n") << "";
        QTest::newRow("hex with blanks") << "01 03 00 00 00 02" << hex << none << ""
                                         << QByteArray::fromHex("010300000002") << "";
        QTest::newRow("hex without blanks, line end ignored")
            << "010300000002" << hex << crlf << "" << QByteArray::fromHex("010300000002") << "";
        QTest::newRow("hex, lower case, mixed blanks")
            << " 0a\tFf  7e " << hex << none << "" << QByteArray::fromHex("0aff7e") << "";
        QTest::newRow("hex with the Modbus CRC")
            << "01 03 00 00 00 02" << hex << none << "crc16-modbus"
            << QByteArray::fromHex("010300000002C40B") << "";
        QTest::newRow("not hex") << "01 0G" << hex << none << "" << QByteArray()
                                 << "“01 0G”含有非十六进制字符“G”，只能输入 0-9、A-F 和空格";
        QTest::newRow("half a byte") << "01 2 03" << hex << none << "" << QByteArray()
                                     << "“01 2 03”中的“2”不是整字节，每个字节写两位十六进制数";
        QTest::newRow("empty hex")
            << "   " << hex << none << "" << QByteArray() << "没有要发送的字节";
        QTest::newRow("checksum of nothing")
            << "" << text << cr << "xor" << QByteArray() << "没有要发送的字节";
    }
    void bytesOfALine() {
        QFETCH(QString, typed);
        QFETCH(int, mode);
        QFETCH(int, end);
        QFETCH(QString, checksum);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const SendLineBytes line =
            SendLineToBytes(typed, SendMode(mode), LineEnd(end),
                            checksum.isEmpty() ? nullptr : FindChecksum(checksum));
        QCOMPARE(line.error, error);
        QCOMPARE(line.bytes.toHex(' '), bytes.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(TestSendLine)
#include "test_sendline.moc"
