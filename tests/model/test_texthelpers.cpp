#include <QtTest>

#include "texthelpers.h"

using namespace comm;

class TestTextHelpers : public QObject {
    Q_OBJECT
private slots:
    void hexText_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "00";
        QTest::newRow("10") << 10 << "0A";
        QTest::newRow("15") << 15 << "0F";
        QTest::newRow("16") << 16 << "10";
        QTest::newRow("255") << 255 << "FF";
        QTest::newRow("4095") << 4095 << "FFF";
        QTest::newRow("32767") << 32767 << "7FFF";
    }
    void hexText() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(HexText(value), text);
    }

    void hexTextRoundTripsEveryByte() {
        for (int v = 0; v < 256; ++v) {
            const QString t = HexText(v);
            QCOMPARE(t.size(), 2);
            QCOMPARE(HexValue(t), v);
            QCOMPARE(HexValue(t.toLower()), v);
        }
    }

    void hexValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("ff") << "ff" << 255;
        QTest::newRow("FF") << "FF" << 255;
        QTest::newRow("1G") << "1G" << 16;
        QTest::newRow("single A") << "A" << 160;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("0a") << "0a" << 10;
        QTest::newRow("longer text uses two") << "4142" << 65;
    }
    void hexValue() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(HexValue(text), value);
    }

    void dateAndTime() {
        QCOMPARE(DateText(QDate(2024, 5, 6)), QStringLiteral("2024-05-06"));
        QCOMPARE(DateText(QDate(2026, 12, 31)), QStringLiteral("2026-12-31"));
        QCOMPARE(DateText(QDate(99, 1, 2)), QStringLiteral("1999-01-02"));
        QCOMPARE(TimeText(QTime(9, 5)), QStringLiteral("09:05"));
        QCOMPARE(TimeText(QTime(0, 0)), QStringLiteral("00:00"));
        QCOMPARE(TimeText(QTime(23, 59, 59)), QStringLiteral("23:59"));
    }

    void filterKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("hexSet");
        QTest::addColumn<bool>("backspace");
        QTest::addColumn<int>("result");
        QTest::newRow("hex a") << int('a') << true << true << int('a');
        QTest::newRow("hex F") << int('F') << true << true << int('F');
        QTest::newRow("hex g") << int('g') << true << true << 0;
        QTest::newRow("hex G") << int('G') << true << true << 0;
        QTest::newRow("hex dot") << int('.') << true << true << 0;
        QTest::newRow("hex backspace") << 8 << true << true << 8;
        QTest::newRow("no backspace") << 8 << true << false << 0;
        QTest::newRow("digit 7") << int('7') << false << true << int('7');
        QTest::newRow("digit refuses a") << int('a') << false << true << 0;
        QTest::newRow("digit refuses minus") << int('-') << false << true << 0;
        QTest::newRow("zero key") << 0 << false << true << 0;
        QTest::newRow("wide char") << 0x4E00 << true << true << 0;
    }
    void filterKey() {
        QFETCH(int, key);
        QFETCH(bool, hexSet);
        QFETCH(bool, backspace);
        QFETCH(int, result);
        QCOMPARE(FilterKey(key, hexSet ? kHexKeys : kDigitKeys, backspace), result);
    }

    void byteCharText() {
        QCOMPARE(ByteCharText(65), QStringLiteral("A"));
        QCOMPARE(ByteCharText(32), QStringLiteral(" "));
        QCOMPARE(ByteCharText(126), QStringLiteral("~"));
        QCOMPARE(ByteCharText(10), QStringLiteral("Φ"));
        QCOMPARE(ByteCharText(127), QStringLiteral("Φ"));
        QCOMPARE(ByteCharText(200), QStringLiteral("Φ"));
    }
};

QTEST_APPLESS_MAIN(TestTextHelpers)
#include "test_texthelpers.moc"
