#include <QtTest>

#include "linesettings.h"

using namespace comm;

Q_DECLARE_METATYPE(comm::Parity)
Q_DECLARE_METATYPE(comm::StopBits)

namespace QTest {
template <>
char* toString(const comm::LineSettings& settings) {
    return qstrdup(qPrintable(settings.text()));
}
}  // namespace QTest

class TestLineSettings : public QObject {
    Q_OBJECT
private slots:
    void fromIndexes_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("data");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::newRow("initial") << 6 << 4 << 1 << 0 << "9600,O,8,1"
                                 << "9600,奇,8,1";
        QTest::newRow("even") << 6 << 4 << 0 << 0 << "9600,E,8,1"
                              << "9600,偶,8,1";
        QTest::newRow("none") << 6 << 4 << 2 << 0 << "9600,N,8,1"
                              << "9600,缺省,8,1";
        QTest::newRow("lowest") << 0 << 0 << 0 << 1 << "110,E,4,1.5"
                                << "110,偶,4,1.5";
        QTest::newRow("highest") << 12 << 3 << 2 << 2 << "115200,N,7,2"
                                 << "115200,缺省,7,2";
        QTest::newRow("19200 none 7 2") << 8 << 3 << 2 << 2 << "19200,N,7,2"
                                        << "19200,缺省,7,2";
    }
    void fromIndexes() {
        QFETCH(int, baud);
        QFETCH(int, data);
        QFETCH(int, parity);
        QFETCH(int, stop);
        QFETCH(QString, settings);
        QFETCH(QString, text);
        const SettingIndexes index = {qint16(baud), qint16(data), qint16(parity), qint16(stop)};
        const std::optional<LineSettings> line = LineSettings::fromIndexes(index);
        QVERIFY(line);
        QCOMPARE(line->text(), settings);
        QCOMPARE(line->shownText(), text);
        QCOMPARE(line->indexes().value(), index);
        for (const QString& either : {settings, text}) {
            const std::optional<LineSettings> back = LineSettings::fromListedText(either);
            QVERIFY2(back, qPrintable(either));
            QCOMPARE(*back, *line);
        }
    }

    // Only a component text's parity letter becomes a word; any other text is shown as it is.
    void shownSettingsText_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("shown");
        QTest::newRow("odd") << "9600,O,8,1"
                             << "9600,奇,8,1";
        QTest::newRow("none, unlisted baud") << "250000,N,8,2"
                                             << "250000,缺省,8,2";
        QTest::newRow("mark letter") << "9600,M,8,1"
                                     << "9600,M,8,1";
        QTest::newRow("lower case") << "9600,e,8,1"
                                    << "9600,e,8,1";
        QTest::newRow("three fields") << "9600,O,8"
                                      << "9600,O,8";
        QTest::newRow("empty") << ""
                               << "";
    }
    void shownSettingsText() {
        QFETCH(QString, settings);
        QFETCH(QString, shown);
        QCOMPARE(ShownSettingsText(settings), shown);
    }

    void everyListedSettingRoundTrips() {
        const QVector<LineSettings> all = LineSettings::listed();
        QCOMPARE(all.size(), 13 * 5 * 3 * 3);
        for (const LineSettings& line : all) {
            const std::optional<SettingIndexes> index = line.indexes();
            QVERIFY2(index, qPrintable(line.text()));
            QCOMPARE(LineSettings::fromIndexes(*index).value(), line);
            QCOMPARE(LineSettings::fromListedText(line.text()).value(), line);
            QCOMPARE(LineSettings::fromListedText(line.shownText()).value(), line);
            // Every setting the dialogs can produce is one the serial component can read.
            LineSettings parsed;
            QString error;
            QVERIFY2(LineSettings::parse(line.text(), &parsed, &error), qPrintable(error));
            QCOMPARE(parsed, line);
        }
    }

    void outOfRangeIndexesHaveNoSettings() {
        QVERIFY(!LineSettings::fromIndexes({13, 4, 1, 0}));
        QVERIFY(!LineSettings::fromIndexes({6, 5, 1, 0}));
        QVERIFY(!LineSettings::fromIndexes({6, 4, 3, 0}));
        QVERIFY(!LineSettings::fromIndexes({6, 4, 1, 3}));
        QVERIFY(!LineSettings::fromIndexes({-1, 4, 1, 0}));
    }

    void unlistedValuesHaveTextButNoIndexes() {
        const LineSettings fast{250000, Parity::None, 8, StopBits::One};
        QCOMPARE(fast.text(), QStringLiteral("250000,N,8,1"));
        QVERIFY(!fast.indexes());
        QVERIFY(!LineSettings::fromListedText(fast.text()));
        QVERIFY(!(LineSettings{9600, Parity::Odd, 9, StopBits::One}.indexes()));
    }

    void malformedListedTextsAreRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("three parts") << "9600,O,8";
        QTest::newRow("five parts") << "9600,O,8,1,1";
        QTest::newRow("odd baud") << "9601,O,8,1";
        QTest::newRow("lower letter") << "9600,o,8,1";
        QTest::newRow("mark parity") << "9600,M,8,1";
        QTest::newRow("9 bits") << "9600,O,9,1";
        QTest::newRow("3 stop") << "9600,O,8,3";
        QTest::newRow("blank") << "9600, O,8,1";
        QTest::newRow("leading zero baud") << "09600,O,8,1";
    }
    void malformedListedTextsAreRefused() {
        QFETCH(QString, text);
        QVERIFY(!LineSettings::fromListedText(text));
    }

    void everyListedBaudRateParses() {
        for (int baud : kBaudRates) {
            const QString text = QStringLiteral("%1,N,8,1").arg(baud);
            LineSettings settings;
            QString error;
            QVERIFY2(LineSettings::parse(text, &settings, &error), qPrintable(error));
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
        QVERIFY2(LineSettings::parse(text, &settings, &error), qPrintable(error));
        QCOMPARE(settings, (LineSettings{baud, parity, dataBits, stopBits}));
    }

    void malformedComponentTextsAreRefused_data() {
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
    void malformedComponentTextsAreRefused() {
        QFETCH(QString, text);
        QFETCH(QString, mentions);
        LineSettings settings;
        settings.baudRate = 777;
        QString error;
        QVERIFY(!LineSettings::parse(text, &settings, &error));
        QVERIFY2(error.contains(mentions), qPrintable(error));
        QCOMPARE(settings.baudRate, 777);  // untouched
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
        QVERIFY(LineSettings::parse(text, &settings, &error));
        QCOMPARE(settings.bitsPerCharacter(), bits);
    }

    void combinationsRunBaudOutermostAndStopBitsInnermost() {
        // The candidates of settings identification.
        const QVector<LineSettings> all =
            LineSettings::combinations({115200, 57600, 28800, 19200, 14400, 9600, 4800, 2400, 1200},
                                       {Parity::Even, Parity::Odd}, {6, 7, 8}, {StopBits::One});
        QCOMPARE(all.size(), 54);
        const QStringList firstFour = {"115200,E,6,1", "115200,E,7,1", "115200,E,8,1",
                                       "115200,O,6,1"};
        for (int i = 0; i < firstFour.size(); ++i) QCOMPARE(all[i].text(), firstFour[i]);
        QCOMPARE(all[6].text(), QStringLiteral("57600,E,6,1"));
        QCOMPARE(all.last().text(), QStringLiteral("1200,O,8,1"));
        QVERIFY(LineSettings::combinations({}, {Parity::Even}, {8}, {StopBits::One}).isEmpty());
    }

    void equalityLooksAtEveryField() {
        const LineSettings base{9600, Parity::Odd, 8, StopBits::One};
        QVERIFY(base == (LineSettings{9600, Parity::Odd, 8, StopBits::One}));
        QVERIFY(base != (LineSettings{4800, Parity::Odd, 8, StopBits::One}));
        QVERIFY(base != (LineSettings{9600, Parity::Even, 8, StopBits::One}));
        QVERIFY(base != (LineSettings{9600, Parity::Odd, 7, StopBits::One}));
        QVERIFY(base != (LineSettings{9600, Parity::Odd, 8, StopBits::Two}));
    }
};

QTEST_APPLESS_MAIN(TestLineSettings)
#include "test_linesettings.moc"
