#include <QtTest>

#include "byteeditrules.h"
#include "texthelpers.h"

using namespace comm;

Q_DECLARE_METATYPE(comm::MoveKey)
Q_DECLARE_METATYPE(comm::Move::Target)

class TestByteEditRules : public QObject {
    Q_OBJECT
private slots:
    void charEdit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("charText");
        QTest::addColumn<QString>("hexText");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("store");
        QTest::newRow("A into empty") << "A" << -1 << "A"
                                      << "41" << 65 << true;
        QTest::newRow("blank") << " " << -1 << " "
                               << "20" << 32 << true;
        QTest::newRow("tilde") << "~" << 7 << "~"
                               << "7E" << 126 << true;
        QTest::newRow("deleted") << "" << 65 << ""
                                 << "" << -1 << true;
        QTest::newRow("latin-1 letter shows as placeholder") << "é" << -1 << "Φ"
                                                             << "E9" << 233 << true;
        QTest::newRow("placeholder keeps a non-printable byte") << "Φ" << 13 << "Φ"
                                                                << "0D" << 13 << false;
        QTest::newRow("placeholder over a letter puts it back") << "Φ" << 65 << "A"
                                                                << "41" << 65 << false;
        QTest::newRow("placeholder into empty stays empty") << "Φ" << -1 << ""
                                                            << "" << -1 << false;
        QTest::newRow("beyond one byte restores") << "中" << 66 << "B"
                                                  << "42" << 66 << false;
        QTest::newRow("beyond one byte into empty") << "中" << -1 << ""
                                                    << "" << -1 << false;
    }
    void charEdit() {
        QFETCH(QString, typed);
        QFETCH(int, current);
        QFETCH(QString, charText);
        QFETCH(QString, hexText);
        QFETCH(int, value);
        QFETCH(bool, store);
        const TwinState state = AfterCharEdit(typed, qint16(current));
        QCOMPARE(state.charText, charText);
        QCOMPARE(state.hexText, hexText);
        QCOMPARE(state.store, store);
        if (store) QCOMPARE(int(state.value), value);
    }

    void hexEdit_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("hexText");
        QTest::addColumn<QString>("charText");
        QTest::addColumn<int>("value");
        QTest::newRow("single lower-case digit is the low digit") << "a"
                                                                  << "A"
                                                                  << "Φ" << 10;
        QTest::newRow("single digit 4") << "4"
                                        << "4"
                                        << "Φ" << 4;
        QTest::newRow("41") << "41"
                            << "41"
                            << "A" << 65;
        QTest::newRow("ff") << "ff"
                            << "FF"
                            << "Φ" << 255;
        QTest::newRow("7e") << "7e"
                            << "7E"
                            << "~" << 126;
        QTest::newRow("7f is not printable") << "7F"
                                             << "7F"
                                             << "Φ" << 127;
        QTest::newRow("empty") << ""
                               << ""
                               << "" << -1;
        QTest::newRow("stray characters are cut") << "4x1"
                                                  << "41"
                                                  << "A" << 65;
    }
    void hexEdit() {
        QFETCH(QString, typed);
        QFETCH(QString, hexText);
        QFETCH(QString, charText);
        QFETCH(int, value);
        const TwinState state = AfterHexEdit(typed);
        QCOMPARE(state.hexText, hexText);
        QCOMPARE(state.charText, charText);
        QCOMPARE(int(state.value), value);
        QVERIFY(state.store);
    }

    // Whatever one box of a pair is given, feeding the twin's result back through the twin's own
    // rule changes nothing: the mirroring settles after one pass for every byte.
    void mirroringSettlesForEveryByte() {
        for (int v = 0; v < 256; ++v) {
            const TwinState fromHex = AfterHexEdit(HexText(v));
            QCOMPARE(int(fromHex.value), v);
            QCOMPARE(fromHex.hexText, HexText(v));
            QCOMPARE(fromHex.charText, ByteCharText(v));
            const TwinState back = AfterCharEdit(fromHex.charText, fromHex.value);
            QCOMPARE(back.charText, fromHex.charText);
            QCOMPARE(back.hexText, fromHex.hexText);
            QCOMPARE(back.store ? int(back.value) : v, v);

            const TwinState fromChar = AfterCharEdit(QString(QChar(char16_t(v))), -1);
            QVERIFY(fromChar.store);
            QCOMPARE(int(fromChar.value), v);
            const TwinState again = AfterHexEdit(fromChar.hexText);
            QCOMPARE(again.charText, fromChar.charText);
            QCOMPARE(int(again.value), v);
        }
    }

    void shownTexts() {
        QCOMPARE(CharTextOf(-1), QString());
        QCOMPARE(HexTextOf(-1), QString());
        QCOMPARE(CharTextOf(10), QStringLiteral("Φ"));
        QCOMPARE(HexTextOf(10), QStringLiteral("0A"));
        QCOMPARE(CharTextOf(65), QStringLiteral("A"));
    }

    void cleanHexText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clean");
        QTest::newRow("prefixed") << "0x1F"
                                  << "1F";
        QTest::newRow("upper-case prefix") << "0X0d"
                                           << "0d";
        QTest::newRow("blanks around") << "  ab "
                                       << "ab";
        QTest::newRow("three digits") << "123"
                                      << "12";
        QTest::newRow("mixed") << "7G8Z9"
                               << "78";
        QTest::newRow("nothing usable") << "xyz"
                                        << "";
        QTest::newRow("full-width digits are not digits") << "１２"
                                                          << "";
        QTest::newRow("one digit") << "0"
                                   << "0";
        QTest::newRow("two bytes") << "41 42"
                                   << "41";
    }
    void cleanHexText() {
        QFETCH(QString, text);
        QFETCH(QString, clean);
        QCOMPARE(CleanHexText(text), clean);
    }

    void zeroFill() {
        QCOMPARE(ZeroFilled(QStringLiteral("A")), QStringLiteral("0A"));
        QCOMPARE(ZeroFilled(QStringLiteral("41")), QStringLiteral("41"));
        QCOMPARE(ZeroFilled(QString()), QString());
    }

    void moveKeys() {
        QCOMPARE(MoveKeyOf(Qt::Key_Return), MoveKey::Enter);
        QCOMPARE(MoveKeyOf(Qt::Key_Enter), MoveKey::Enter);
        QCOMPARE(MoveKeyOf(Qt::Key_Left), MoveKey::Left);
        QCOMPARE(MoveKeyOf(Qt::Key_Down), MoveKey::Down);
        QCOMPARE(MoveKeyOf(Qt::Key_Tab), MoveKey::None);
        QCOMPARE(MoveKeyOf(Qt::Key_A), MoveKey::None);
    }

    void fieldRow_data() {
        QTest::addColumn<MoveKey>("key");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("count");
        QTest::addColumn<Move::Target>("target");
        QTest::addColumn<int>("index");
        QTest::newRow("left at 0") << MoveKey::Left << 0 << 3 << Move::Stay << 0;
        QTest::newRow("left at 2") << MoveKey::Left << 2 << 3 << Move::FieldBox << 1;
        QTest::newRow("right at 0") << MoveKey::Right << 0 << 3 << Move::FieldBox << 1;
        QTest::newRow("enter at 1") << MoveKey::Enter << 1 << 3 << Move::FieldBox << 2;
        QTest::newRow("enter at last") << MoveKey::Enter << 2 << 3 << Move::FirstDataRow << 0;
        QTest::newRow("right at last") << MoveKey::Right << 2 << 3 << Move::FirstDataRow << 0;
        QTest::newRow("right at 9 of 10") << MoveKey::Right << 9 << 10 << Move::FirstDataRow << 0;
        QTest::newRow("up") << MoveKey::Up << 1 << 3 << Move::Stay << 0;
        QTest::newRow("down") << MoveKey::Down << 1 << 3 << Move::Stay << 0;
    }
    void fieldRow() {
        QFETCH(MoveKey, key);
        QFETCH(int, box);
        QFETCH(int, count);
        QFETCH(Move::Target, target);
        QFETCH(int, index);
        const Move move = FieldRowMove(key, box, count);
        QCOMPARE(move.target, target);
        if (target != Move::Stay) QCOMPARE(move.index, index);
    }

    void dataTable_data() {
        QTest::addColumn<MoveKey>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<Move::Target>("target");
        QTest::addColumn<int>("index");
        const int max20 = 20 - kDataTableRows;
        QTest::newRow("left is the twin") << MoveKey::Left << 3 << 5 << 0 << Move::Twin << 3;
        QTest::newRow("right is the twin") << MoveKey::Right << 0 << 20 << 4 << Move::Twin << 0;
        QTest::newRow("down inside 5") << MoveKey::Down << 3 << 5 << 0 << Move::DataRow << 4;
        QTest::newRow("down from row 4 of 5")
            << MoveKey::Down << 4 << 5 << 0 << Move::Selector << 0;
        QTest::newRow("enter from row 4 of 5")
            << MoveKey::Enter << 4 << 5 << 0 << Move::Selector << 0;
        QTest::newRow("down from row 6 of 7")
            << MoveKey::Down << 6 << 7 << 0 << Move::Selector << 0;
        QTest::newRow("up from row 0 of 5") << MoveKey::Up << 0 << 5 << 0 << Move::Selector << 0;
        QTest::newRow("up inside 5") << MoveKey::Up << 4 << 5 << 0 << Move::DataRow << 3;
        QTest::newRow("down inside 20") << MoveKey::Down << 5 << 20 << 3 << Move::DataRow << 6;
        QTest::newRow("down at 12 of 13 scrolls")
            << MoveKey::Down << 6 << 20 << 12 << Move::ScrollDown << 6;
        QTest::newRow("enter at 0 scrolls")
            << MoveKey::Enter << 6 << 20 << 0 << Move::ScrollDown << 6;
        QTest::newRow("down at the end")
            << MoveKey::Down << 6 << 20 << max20 << Move::Selector << 0;
        QTest::newRow("up at 5 scrolls") << MoveKey::Up << 0 << 20 << 5 << Move::ScrollUp << 0;
        QTest::newRow("up at 0") << MoveKey::Up << 0 << 20 << 0 << Move::Selector << 0;
        QTest::newRow("up inside 20") << MoveKey::Up << 1 << 20 << 9 << Move::DataRow << 0;
        QTest::newRow("down from row 0 of 1")
            << MoveKey::Down << 0 << 1 << 0 << Move::Selector << 0;
        QTest::newRow("eight, at the end") << MoveKey::Down << 6 << 8 << 1 << Move::Selector << 0;
    }
    void dataTable() {
        QFETCH(MoveKey, key);
        QFETCH(int, row);
        QFETCH(int, count);
        QFETCH(int, scroll);
        QFETCH(Move::Target, target);
        QFETCH(int, index);
        const int max = qMax(0, count - kDataTableRows);
        const Move move = DataTableMove(key, row, count, scroll, max);
        QCOMPARE(move.target, target);
        QCOMPARE(move.index, index);
    }

    void zeroFillExceptWhenScrolling() {
        QVERIFY((Move{Move::Twin, 0}.zeroFills()));
        QVERIFY((Move{Move::Selector, 0}.zeroFills()));
        QVERIFY((Move{Move::FirstDataRow, 0}.zeroFills()));
        QVERIFY(!(Move{Move::ScrollDown, 6}.zeroFills()));
        QVERIFY(!(Move{Move::ScrollUp, 0}.zeroFills()));
        QVERIFY(!Move{}.zeroFills());
    }
};

QTEST_APPLESS_MAIN(TestByteEditRules)
#include "test_byteeditrules.moc"
