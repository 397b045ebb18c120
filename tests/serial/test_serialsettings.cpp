#include <QtTest>

#include "serialsettings.h"
#include "settingstext.h"

using namespace comm;

Q_DECLARE_METATYPE(comm::Parity)
Q_DECLARE_METATYPE(comm::StopBits)

class TestSerialSettings : public QObject {
    Q_OBJECT
private slots:
    void everyListedBaudRateParses() {
        for (int baud : kBaudRates) {
            const QString text = QStringLiteral("%1,N,8,1").arg(baud);
            LineSettings settings;
            QString error;
            QVERIFY2(ParseLineSettings(text, &settings, &error), qPrintable(error));
            QCOMPARE(settings.baudRate, baud);
        }
    }

    void fieldsParse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("baud");
        QTest::addColumn<Parity>("parity");
        QTest::addColumn<int>("dataBits");
        QTest::addColumn<StopBits>("stopBits");
        QTest::newRow("odd 8 1") << "9600,O,8,1" << 9600 << Parity::Odd << 8 << StopBits::One;
        QTest::newRow("even 7 2") << "19200,E,7,2" << 19200 << Parity::Even << 7 << StopBits::Two;
        QTest::newRow("none 5 1.5")
            << "110,N,5,1.5" << 110 << Parity::None << 5 << StopBits::OneAndHalf;
        QTest::newRow("6 data bits") << "300,N,6,1" << 300 << Parity::None << 6 << StopBits::One;
        QTest::newRow("4 data bits") << "1200,E,4,1" << 1200 << Parity::Even << 4 << StopBits::One;
        QTest::newRow("lower-case parity")
            << "2400,o,8,1" << 2400 << Parity::Odd << 8 << StopBits::One;
        QTest::newRow("blanks around fields")
            << " 4800 , e , 7 , 2 " << 4800 << Parity::Even << 7 << StopBits::Two;
        QTest::newRow("rate outside the list")
            << "250000,N,8,1" << 250000 << Parity::None << 8 << StopBits::One;
        QTest::newRow("one baud") << "1,N,8,1" << 1 << Parity::None << 8 << StopBits::One;
    }
    void fieldsParse() {
        QFETCH(QString, text);
        QFETCH(int, baud);
        QFETCH(Parity, parity);
        QFETCH(int, dataBits);
        QFETCH(StopBits, stopBits);
        LineSettings settings;
        QString error;
        QVERIFY2(ParseLineSettings(text, &settings, &error), qPrintable(error));
        QCOMPARE(settings.baudRate, baud);
        QCOMPARE(settings.parity, parity);
        QCOMPARE(settings.dataBits, dataBits);
        QCOMPARE(settings.stopBits, stopBits);
    }

    void malformedTextsAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("empty") << ""
                               << "9600,O,8,1";
        QTest::newRow("three fields") << "9600,N,8"
                                      << "9600,O,8,1";
        QTest::newRow("five fields") << "9600,N,8,1,1"
                                     << "9600,O,8,1";
        QTest::newRow("shown form") << "9600,奇,8,1"
                                    << "奇";
        QTest::newRow("zero baud") << "0,N,8,1"
                                   << "波特率";
        QTest::newRow("negative baud") << "-9600,N,8,1"
                                       << "-9600";
        QTest::newRow("signed baud") << "+9600,N,8,1"
                                     << "+9600";
        QTest::newRow("hex baud") << "0x2580,N,8,1"
                                  << "0x2580";
        QTest::newRow("fraction baud") << "9600.5,N,8,1"
                                       << "9600.5";
        QTest::newRow("baud too large") << "99999999999,N,8,1"
                                        << "99999999999";
        QTest::newRow("empty baud") << ",N,8,1"
                                    << "波特率";
        QTest::newRow("mark parity") << "9600,M,8,1"
                                     << "M";
        QTest::newRow("two parity letters") << "9600,EO,8,1"
                                            << "EO";
        QTest::newRow("3 data bits") << "9600,N,3,1"
                                     << "3";
        QTest::newRow("9 data bits") << "9600,N,9,1"
                                     << "9";
        QTest::newRow("08 data bits") << "9600,N,08,1"
                                      << "08";
        QTest::newRow("0 stop bits") << "9600,N,8,0"
                                     << "停止位";
        QTest::newRow("3 stop bits") << "9600,N,8,3"
                                     << "停止位";
        QTest::newRow("1.0 stop bits") << "9600,N,8,1.0"
                                       << "1.0";
        QTest::newRow("semicolons") << "9600;N;8;1"
                                    << "9600,O,8,1";
    }
    void malformedTextsAreRefused() {
        QFETCH(QString, text);
        QFETCH(QString, mentions);
        LineSettings settings;
        settings.baudRate = 777;
        QString error;
        QVERIFY(!ParseLineSettings(text, &settings, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
        QCOMPARE(settings.baudRate, 777);  // untouched
        QCOMPARE(CheckLineSettings(text), error);
    }

    void platformRefusesWhatItCannotDo_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fourBits");
        QTest::addColumn<bool>("oneAndHalf");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("4 bits, no driver support") << "9600,N,4,1" << false << true << "4 位数据位";
        QTest::newRow("4 bits, driver support") << "9600,N,4,1" << true << false << "";
        QTest::newRow("1.5 stop, no driver support")
            << "9600,N,5,1.5" << true << false << "1.5 位停止位";
        QTest::newRow("1.5 stop, driver support") << "9600,N,5,1.5" << false << true << "";
        QTest::newRow("common settings") << "9600,O,8,2" << false << false << "";
    }
    void platformRefusesWhatItCannotDo() {
        QFETCH(QString, text);
        QFETCH(bool, fourBits);
        QFETCH(bool, oneAndHalf);
        QFETCH(QString, refusal);
        LineCapabilities caps;
        caps.fourDataBits = fourBits;
        caps.oneAndHalfStopBits = oneAndHalf;
        LineSettings settings;
        settings.baudRate = 1;
        const QString error = CheckLineSettings(text, &settings, caps);
        if (refusal.isEmpty()) {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(settings.baudRate, 9600);
        } else {
            QVERIFY2(error.contains(refusal), qPrintable(error));
            QCOMPARE(settings.baudRate, 1);
        }
    }

    void thisPlatformNeverRunsFourDataBits() {
        // QSerialPort has no 4-bit characters on any platform.
        QVERIFY(!PlatformLineCapabilities().fourDataBits);
        QVERIFY(!CheckLineSettings(QStringLiteral("9600,N,4,1")).isEmpty());
    }

    void everyDialogCombinationIsKnown() {
        // Every setting the dialogs can produce either runs or is refused with a message.
        for (qint16 b = 0; b < 13; ++b)
            for (qint16 d = 0; d < 5; ++d)
                for (qint16 p = 0; p < 3; ++p)
                    for (qint16 s = 0; s < 3; ++s) {
                        const QString text = SettingsFromIndexes({b, d, p, s});
                        LineSettings settings;
                        QString error;
                        QVERIFY2(ParseLineSettings(text, &settings, &error), qPrintable(text));
                        QCOMPARE(settings.dataBits, kDataBits[d]);
                        QCOMPARE(settings.baudRate, kBaudRates[b]);
                    }
    }

    void bitsPerCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("bits");
        QTest::newRow("8N1") << "9600,N,8,1" << 10.0;
        QTest::newRow("8O1") << "9600,O,8,1" << 11.0;
        QTest::newRow("7E2") << "9600,E,7,2" << 11.0;
        QTest::newRow("5N1.5") << "9600,N,5,1.5" << 7.5;
        QTest::newRow("8E2") << "9600,E,8,2" << 12.0;
    }
    void bitsPerCharacter() {
        QFETCH(QString, text);
        QFETCH(double, bits);
        LineSettings settings;
        QString error;
        QVERIFY(ParseLineSettings(text, &settings, &error));
        QCOMPARE(BitsPerCharacter(settings), bits);
    }
};

QTEST_GUILESS_MAIN(TestSerialSettings)
#include "test_serialsettings.moc"
