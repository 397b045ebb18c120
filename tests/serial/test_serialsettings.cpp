#include <QtTest>

#include "serialsettings.h"

using namespace comm;

class TestSerialSettings : public QObject {
    Q_OBJECT
private slots:
    // A text the serial component cannot read is refused with the reading's own message.
    void checkRefusesWhatCannotBeRead_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("shown form") << "9600,奇,8,1";
        QTest::newRow("zero baud") << "0,N,8,1";
        QTest::newRow("3 stop bits") << "9600,N,8,3";
    }
    void checkRefusesWhatCannotBeRead() {
        QFETCH(QString, text);
        LineSettings settings;
        QString error;
        QVERIFY(!LineSettings::parse(text, &settings, &error));
        settings.baudRate = 777;
        QCOMPARE(CheckLineSettings(text, &settings, LineCapabilities{true, true}), error);
        QCOMPARE(settings.baudRate, 777);
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

    // The port's own reading: a communication's texts as before, mark and space besides.
    void portSettings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");  // empty: refused
        QTest::addColumn<double>("bits");
        QTest::newRow("a communication's text") << "9600,O,8,1"
                                                << "9600,O,8,1" << 11.0;
        QTest::newRow("any baud rate, mark") << "250000,m,8,1"
                                             << "250000,M,8,1" << 11.0;
        QTest::newRow("space, 7 bits, 2 stop") << " 921600 , S ,7,2"
                                               << "921600,S,7,2" << 11.0;
        QTest::newRow("no parity") << "230400,N,8,1"
                                   << "230400,N,8,1" << 10.0;
        QTest::newRow("unknown parity") << "9600,X,8,1"
                                        << "" << 0.0;
        QTest::newRow("mark with bad data bits") << "9600,M,9,1"
                                                 << "" << 0.0;
    }
    void portSettings() {
        QFETCH(QString, text);
        QFETCH(QString, read);
        QFETCH(double, bits);
        PortSettings settings;
        const QString error = CheckPortSettings(text, &settings, LineCapabilities{});
        QCOMPARE(error.isEmpty(), !read.isEmpty());
        if (read.isEmpty()) return;
        QCOMPARE(settings.text(), read);
        QCOMPARE(settings.bitsPerCharacter(), bits);
        // A communication's reading stays as it was: mark and space are not its letters.
        LineSettings line;
        QString lineError;
        QCOMPARE(LineSettings::parse(text, &line, &lineError), settings.stick == StickParity::None);
    }

    void thisPlatformNeverRunsFourDataBits() {
        // QSerialPort has no 4-bit characters on any platform.
        QVERIFY(!PlatformLineCapabilities().fourDataBits);
        QVERIFY(!CheckLineSettings(QStringLiteral("9600,N,4,1")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSerialSettings)
#include "test_serialsettings.moc"
