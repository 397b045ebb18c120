#include <QtTest>

#include "settingstext.h"

using namespace comm;

class TestSettingsText : public QObject {
    Q_OBJECT
private slots:
    void fromIndexes_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("data");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stop");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::newRow("initial") << 6 << 4 << 1 << 0 << "9600,O,8,1" << "9600,奇,8,1";
        QTest::newRow("even") << 6 << 4 << 0 << 0 << "9600,E,8,1" << "9600,偶,8,1";
        QTest::newRow("none") << 6 << 4 << 2 << 0 << "9600,N,8,1" << "9600,缺省,8,1";
        QTest::newRow("lowest") << 0 << 0 << 0 << 1 << "110,E,4,1.5" << "110,偶,4,1.5";
        QTest::newRow("highest") << 12 << 3 << 2 << 2 << "115200,N,7,2" << "115200,缺省,7,2";
        QTest::newRow("19200 none 7 2") << 8 << 3 << 2 << 2 << "19200,N,7,2" << "19200,缺省,7,2";
    }
    void fromIndexes() {
        QFETCH(int, baud);
        QFETCH(int, data);
        QFETCH(int, parity);
        QFETCH(int, stop);
        QFETCH(QString, settings);
        QFETCH(QString, text);
        const SettingIndexes index = {qint16(baud), qint16(data), qint16(parity), qint16(stop)};
        QCOMPARE(SettingsFromIndexes(index), settings);
        QCOMPARE(SettingsTextFromIndexes(index), text);
        QCOMPARE(SettingsTextFromSettings(settings), text);
        SettingIndexes back{};
        QVERIFY(IndexesFromSettings(settings, &back));
        QCOMPARE(back, index);
        back = {};
        QVERIFY(IndexesFromSettings(text, &back));
        QCOMPARE(back, index);
    }

    void everyCombinationRoundTrips() {
        for (qint16 b = 0; b < 13; ++b)
            for (qint16 d = 0; d < 5; ++d)
                for (qint16 p = 0; p < 3; ++p)
                    for (qint16 s = 0; s < 3; ++s) {
                        const SettingIndexes index = {b, d, p, s};
                        SettingIndexes back{};
                        QVERIFY(IndexesFromSettings(SettingsFromIndexes(index), &back));
                        QCOMPARE(back, index);
                    }
    }

    void outOfRangeGivesEmpty() {
        QVERIFY(SettingsFromIndexes({13, 4, 1, 0}).isEmpty());
        QVERIFY(SettingsFromIndexes({6, 5, 1, 0}).isEmpty());
        QVERIFY(SettingsFromIndexes({6, 4, 3, 0}).isEmpty());
        QVERIFY(SettingsTextFromIndexes({6, 4, 1, 3}).isEmpty());
        QVERIFY(SettingsFromIndexes({-1, 4, 1, 0}).isEmpty());
    }

    void malformedTextsAreRefused_data() {
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
    void malformedTextsAreRefused() {
        QFETCH(QString, text);
        SettingIndexes index = {1, 2, 0, 1};
        QVERIFY(!IndexesFromSettings(text, &index));
        const SettingIndexes unchanged = {1, 2, 0, 1};
        QCOMPARE(index, unchanged);
        QVERIFY(SettingsTextFromSettings(text).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestSettingsText)
#include "test_settingstext.moc"
