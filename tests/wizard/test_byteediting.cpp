#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "commdefinition.h"
#include "documentwindow.h"
#include "framepanel.h"
#include "messages.h"
#include "texthelpers.h"
#include "widgetdriver.h"

using namespace comm;

namespace {

// Control names of a frame's boxes: field character and hexadecimal rows, data character and
// hexadecimal columns, row numbers.
struct Names {
    const char* fieldChar;
    const char* fieldHex;
    const char* dataChar;
    const char* dataHex;
    const char* rowNumber;
};
const Names kNames[2] = {{"Text3", "Text4", "Text5", "Text6", "Label7"},
                         {"Text7", "Text8", "Text9", "Text10", "Label10"}};

}  // namespace

class TestByteEditing : public QObject {
    Q_OBJECT

    CommDefinition def_;
    std::unique_ptr<DocumentWindow> window_;
    int beeps_ = 0;

    // A new kind 3 communication: both frames shown, every entry not entered yet.
    void openWindow(const std::array<qint16, 8>& counts) {
        window_.reset();
        def_ = CommDefinition{};
        def_.CommKind = 3;
        def_.CommSettings = QStringLiteral("9600,O,8,1");
        def_.CommSettingsText = QStringLiteral("9600,奇,8,1");
        def_.FrameFieldCount = counts;
        window_ = std::make_unique<DocumentWindow>(def_);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    QLineEdit* box(int side, const char* family, int index) const {
        auto* found = window_->findChild<QLineEdit*>(
            QStringLiteral("%1_%2").arg(QLatin1String(family)).arg(index));
        if (found == nullptr) qWarning("no box %s_%d", family, index);
        Q_UNUSED(side);
        return found;
    }
    QLineEdit* fieldChar(int side, int k) const { return box(side, kNames[side].fieldChar, k); }
    QLineEdit* fieldHex(int side, int k) const { return box(side, kNames[side].fieldHex, k); }
    QLineEdit* dataChar(int side, int r) const { return box(side, kNames[side].dataChar, r); }
    QLineEdit* dataHex(int side, int r) const { return box(side, kNames[side].dataHex, r); }
    QComboBox* selector(int side) const {
        return window_->findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(side));
    }
    QScrollBar* scrollBar(int side) const {
        return window_->findChild<QScrollBar*>(QStringLiteral("VScroll1_%1").arg(side));
    }
    qint16* values(int side, Field field) { return def_.values(FrameSide(side), field); }
    // Gives a box the focus the way a user does, by clicking it.
    void focus(QLineEdit* target) {
        QTest::mouseClick(target, Qt::LeftButton);
        QTRY_VERIFY(target->hasFocus());
    }

    // Default layout: send 3 start, 5 data, 2 check, 1 end; receive 2 start, 20 data, 1 check.
    static std::array<qint16, 8> defaultCounts() { return {3, 5, 2, 1, 2, 20, 1, 0}; }

    static void addSides() {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("inData");
        QTest::newRow("send field row") << 0 << false;
        QTest::newRow("send data table") << 0 << true;
        QTest::newRow("receive field row") << 1 << false;
        QTest::newRow("receive data table") << 1 << true;
    }
    QLineEdit* charBox(int side, bool inData) const {
        return inData ? dataChar(side, 0) : fieldChar(side, 0);
    }
    QLineEdit* hexBox(int side, bool inData) const {
        return inData ? dataHex(side, 0) : fieldHex(side, 0);
    }
    qint16& entry0(int side, bool inData) {
        return values(side, inData ? Field::Data : Field::Start)[0];
    }

private slots:
    void init() {
        beeps_ = 0;
        ui::SetBeepHandler([this] { ++beeps_; });
        openWindow(defaultCounts());
    }
    void cleanup() {
        window_.reset();
        ui::SetBeepHandler({});
    }

    void singleHexDigitIsTheLowDigit_data() { addSides(); }
    void singleHexDigitIsTheLowDigit() {
        QFETCH(int, side);
        QFETCH(bool, inData);
        QLineEdit* hex = hexBox(side, inData);
        focus(hex);
        QTest::keyClicks(hex, "a");
        QCOMPARE(hex->text(), QStringLiteral("A"));
        QCOMPARE(charBox(side, inData)->text(), QStringLiteral("Φ"));
        QCOMPARE(int(entry0(side, inData)), 10);
        QTest::keyClick(hex, Qt::Key_Right);
        QCOMPARE(hex->text(), QStringLiteral("0A"));
        QCOMPARE(int(entry0(side, inData)), 10);
        // Right goes along the field row; in the data table to the twin.
        QLineEdit* next = inData ? charBox(side, true) : fieldHex(side, 1);
        QVERIFY(next->hasFocus());
    }

    void twoHexDigitsMakeTheByte_data() { addSides(); }
    void twoHexDigitsMakeTheByte() {
        QFETCH(int, side);
        QFETCH(bool, inData);
        QLineEdit* hex = hexBox(side, inData);
        focus(hex);
        QTest::keyClick(hex, Qt::Key_4);
        QTest::keyClick(hex, Qt::Key_1);
        QCOMPARE(hex->text(), QStringLiteral("41"));
        QCOMPARE(charBox(side, inData)->text(), QStringLiteral("A"));
        QCOMPARE(int(entry0(side, inData)), 65);
        QCOMPARE(hex->cursorPosition(), 2);
        // Deleting both digits empties the twin and marks the byte as not entered.
        QTest::keyClick(hex, Qt::Key_Backspace);
        QCOMPARE(int(entry0(side, inData)), 4);
        QCOMPARE(charBox(side, inData)->text(), QStringLiteral("Φ"));
        QTest::keyClick(hex, Qt::Key_Backspace);
        QCOMPARE(hex->text(), QString());
        QCOMPARE(charBox(side, inData)->text(), QString());
        QCOMPARE(int(entry0(side, inData)), -1);
    }

    // The pointer gives a box the focus before the click lands, and the click then drops the
    // cursor among the digits; typing must still replace the byte, in either box of the pair.
    void plainClickAfterHoverSelectsTheByte_data() { addSides(); }
    void plainClickAfterHoverSelectsTheByte() {
        QFETCH(int, side);
        QFETCH(bool, inData);
        for (QLineEdit* box : {hexBox(side, inData), charBox(side, inData)}) {
            const bool hex = box == hexBox(side, inData);
            focus(box);
            QTest::keyClicks(box, hex ? "12" : "B");
            selector(side)->setFocus();
            QTest::mouseMove(box);
            QTRY_VERIFY(box->hasFocus());
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(2, box->height() / 2));
            QTest::keyClicks(box, hex ? "7" : "C");
            QCOMPARE(int(entry0(side, inData)), hex ? 7 : 0x43);
            // A second plain click into the box that has the focus selects it again.
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, 4));
            QCOMPARE(box->selectedText(), box->text());
        }
    }

    void characterBoxFillsItsTwin_data() { addSides(); }
    void characterBoxFillsItsTwin() {
        QFETCH(int, side);
        QFETCH(bool, inData);
        QLineEdit* ch = charBox(side, inData);
        focus(ch);
        QTest::keyClicks(ch, "A");
        QCOMPARE(hexBox(side, inData)->text(), QStringLiteral("41"));
        QCOMPARE(int(entry0(side, inData)), 65);
        QTest::keyClick(ch, Qt::Key_Backspace);
        QCOMPARE(ch->text(), QString());
        QCOMPARE(hexBox(side, inData)->text(), QString());
        QCOMPARE(int(entry0(side, inData)), -1);
        QCOMPARE(beeps_, 0);
    }

    void nonPrintableByteSurvivesItsCharacterBox_data() { addSides(); }
    void nonPrintableByteSurvivesItsCharacterBox() {
        QFETCH(int, side);
        QFETCH(bool, inData);
        QLineEdit* hex = hexBox(side, inData);
        QLineEdit* ch = charBox(side, inData);
        focus(hex);
        QTest::keyClicks(hex, "0d");
        QCOMPARE(hex->text(), QStringLiteral("0D"));
        QCOMPARE(ch->text(), QStringLiteral("Φ"));
        focus(ch);
        QCOMPARE(ch->selectedText(), QStringLiteral("Φ"));
        QTest::keyClick(ch, inData ? Qt::Key_Down : Qt::Key_Right);
        QCOMPARE(int(entry0(side, inData)), 13);
        QCOMPARE(hex->text(), QStringLiteral("0D"));
    }

    void characterBeyondOneByteRestoresTheBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("ideograph") << "中";
        QTest::newRow("placeholder typed over a letter") << "Φ";
        QTest::newRow("euro sign") << "€";
    }
    void characterBeyondOneByteRestoresTheBox() {
        QFETCH(QString, typed);
        QLineEdit* ch = fieldChar(0, 1);
        focus(ch);
        QTest::keyClicks(ch, "B");
        focus(ch);
        TypeText(ch, typed);
        QCOMPARE(ch->text(), QStringLiteral("B"));
        QCOMPARE(fieldHex(0, 1)->text(), QStringLiteral("42"));
        QCOMPARE(int(values(0, Field::Start)[1]), 66);
        // The same into an empty box leaves it empty and the byte not entered.
        QLineEdit* empty = fieldChar(0, 2);
        focus(empty);
        TypeText(empty, typed);
        QCOMPARE(empty->text(), QString());
        QCOMPARE(int(values(0, Field::Start)[2]), -1);
    }

    void refusedHexKeysBeep_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("G") << "G";
        QTest::newRow("point") << ".";
        QTest::newRow("g") << "g";
        QTest::newRow("blank") << " ";
        QTest::newRow("ideograph") << "中";
    }
    void refusedHexKeysBeep() {
        QFETCH(QString, key);
        QLineEdit* hex = dataHex(1, 2);
        focus(hex);
        QTest::keyClicks(hex, "7");
        TypeText(hex, key);
        QCOMPARE(hex->text(), QStringLiteral("7"));
        QCOMPARE(int(values(1, Field::Data)[2]), 7);
        QCOMPARE(beeps_, 1);
        // Also refused, with a beep, once the box is full.
        QTest::keyClicks(hex, "e");
        TypeText(hex, key);
        QCOMPARE(hex->text(), QStringLiteral("7E"));
        QCOMPARE(beeps_, 2);
    }

    void thirdDigitIsDroppedQuietly() {
        QLineEdit* hex = fieldHex(1, 0);
        focus(hex);
        QTest::keyClicks(hex, "123");
        QCOMPARE(hex->text(), QStringLiteral("12"));
        QCOMPARE(int(values(1, Field::Start)[0]), 0x12);
        QCOMPARE(beeps_, 0);
        // A click selects the whole text again, so typing replaces it.
        hex->setCursorPosition(1);
        focus(fieldHex(1, 1));
        focus(hex);
        QCOMPARE(hex->selectedText(), QStringLiteral("12"));
        QTest::keyClicks(hex, "f");
        QCOMPARE(hex->text(), QStringLiteral("F"));
        QCOMPARE(int(values(1, Field::Start)[0]), 15);
    }

    void pasteIsCutToTwoDigits_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("value");
        QTest::newRow("prefixed") << "0x1f"
                                  << "1F" << 0x1F;
        QTest::newRow("long") << "A1B2C3"
                              << "A1" << 0xA1;
        QTest::newRow("mixed") << "7G8Z9"
                               << "78" << 0x78;
        QTest::newRow("one digit") << "5"
                                   << "5" << 5;
        QTest::newRow("nothing usable keeps the byte") << "xyz"
                                                       << "33" << 0x33;
    }
    void pasteIsCutToTwoDigits() {
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        QFETCH(int, value);
        QLineEdit* hex = dataHex(0, 1);
        focus(hex);
        QTest::keyClicks(hex, "33");
        focus(dataChar(0, 1));
        focus(hex);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keySequence(hex, QKeySequence::Paste);
        QCOMPARE(hex->text(), shown);
        QCOMPARE(int(values(0, Field::Data)[1]), value);
        QCOMPARE(dataChar(0, 1)->text(), ByteCharText(value));
    }

    void everyByteByHexadecimalAndBack() {
        QLineEdit* hex = dataHex(1, 3);
        QLineEdit* ch = dataChar(1, 3);
        focus(hex);
        for (int v = 0; v < 256; ++v) {
            // Hopping to the twin and back selects the box again, so the next byte replaces it.
            QTest::keyClick(hex, Qt::Key_Left);
            QVERIFY(ch->hasFocus());
            QTest::keyClick(ch, Qt::Key_Right);
            QCOMPARE(hex->selectedText(), hex->text());
            QTest::keyClicks(hex, HexText(v).toLower());
            QCOMPARE(hex->text(), HexText(v));
            QCOMPARE(ch->text(), ByteCharText(v));
            QCOMPARE(int(values(1, Field::Data)[3]), v);
        }
        for (int v = 32; v < 127; ++v) {
            if (ch->hasFocus()) QTest::keyClick(ch, Qt::Key_Right);
            QTest::keyClick(hex, Qt::Key_Left);
            QVERIFY(ch->hasFocus());
            TypeText(ch, QString(QChar(char16_t(v))));
            QCOMPARE(hex->text(), HexText(v));
            QCOMPARE(int(values(1, Field::Data)[3]), v);
        }
    }

    void fieldRowPath() {
        focus(fieldHex(0, 0));
        QTest::keyClick(fieldHex(0, 0), Qt::Key_Left);
        QVERIFY(fieldHex(0, 0)->hasFocus());
        QTest::keyClicks(fieldHex(0, 0), "1");
        QTest::keyClick(fieldHex(0, 0), Qt::Key_Return);
        QCOMPARE(fieldHex(0, 0)->text(), QStringLiteral("01"));
        QVERIFY(fieldHex(0, 1)->hasFocus());
        QTest::keyClick(fieldHex(0, 1), Qt::Key_Enter);
        QVERIFY(fieldHex(0, 2)->hasFocus());
        // Up and Down stay; the focus never crosses to the character row by keys.
        QTest::keyClick(fieldHex(0, 2), Qt::Key_Up);
        QTest::keyClick(fieldHex(0, 2), Qt::Key_Down);
        QVERIFY(fieldHex(0, 2)->hasFocus());
        QTest::keyClick(fieldHex(0, 2), Qt::Key_Return);
        QVERIFY(dataChar(0, 0)->hasFocus());
        focus(fieldChar(0, 2));
        QTest::keyClick(fieldChar(0, 2), Qt::Key_Left);
        QVERIFY(fieldChar(0, 1)->hasFocus());
        QTest::keyClick(fieldChar(0, 1), Qt::Key_Right);
        QTest::keyClick(fieldChar(0, 2), Qt::Key_Right);
        QVERIFY(dataChar(0, 0)->hasFocus());
    }

    void dataTableWithoutScrolling() {
        // Send frame: 5 data bytes.
        focus(dataHex(0, 3));
        QTest::keyClicks(dataHex(0, 3), "c");
        QTest::keyClick(dataHex(0, 3), Qt::Key_Down);
        QCOMPARE(dataHex(0, 3)->text(), QStringLiteral("0C"));
        QVERIFY(dataHex(0, 4)->hasFocus());
        QTest::keyClick(dataHex(0, 4), Qt::Key_Down);
        QVERIFY(selector(0)->hasFocus());
        focus(dataChar(0, 0));
        QTest::keyClick(dataChar(0, 0), Qt::Key_Up);
        QVERIFY(selector(0)->hasFocus());
        focus(dataHex(0, 2));
        QTest::keyClicks(dataHex(0, 2), "e");
        QTest::keyClick(dataHex(0, 2), Qt::Key_Up);
        QCOMPARE(dataHex(0, 2)->text(), QStringLiteral("0E"));
        QVERIFY(dataHex(0, 1)->hasFocus());
        QTest::keyClick(dataHex(0, 1), Qt::Key_Left);
        QVERIFY(dataChar(0, 1)->hasFocus());
        QTest::keyClick(dataChar(0, 1), Qt::Key_Return);
        QVERIFY(dataChar(0, 2)->hasFocus());
        QCOMPARE(values(0, Field::Data)[3], qint16(12));
        QCOMPARE(values(0, Field::Data)[2], qint16(14));
    }

    void dataTableScrollsUnderTheKeyboard() {
        // Receive frame: 20 data bytes, the scroll bar runs 0..13.
        for (int i = 0; i < 20; ++i) values(1, Field::Data)[i] = qint16(0x30 + i);
        QScrollBar* bar = scrollBar(1);
        QCOMPARE(bar->maximum(), 13);
        bar->setValue(12);
        QLineEdit* last = dataHex(1, 6);
        focus(last);
        QTest::keyClick(last, Qt::Key_Down);
        QCOMPARE(bar->value(), 13);
        QVERIFY(last->hasFocus());
        QCOMPARE(last->text(), HexText(0x30 + 19));
        QCOMPARE(last->selectedText(), last->text());
        QCOMPARE(window_->findChild<QLabel*>("Label10_6")->text(), QStringLiteral("20"));
        QTest::keyClick(last, Qt::Key_Down);
        QCOMPARE(bar->value(), 13);
        QVERIFY(selector(1)->hasFocus());

        bar->setValue(1);
        QLineEdit* first = dataChar(1, 0);
        focus(first);
        QTest::keyClick(first, Qt::Key_Up);
        QCOMPARE(bar->value(), 0);
        QVERIFY(first->hasFocus());
        QCOMPARE(first->text(), ByteCharText(0x30));
        QCOMPARE(first->selectedText(), first->text());
        QTest::keyClick(first, Qt::Key_Up);
        QVERIFY(selector(1)->hasFocus());
    }

    void scrolledRowEditsItsEntry() {
        scrollBar(1)->setValue(5);
        QLineEdit* hex = dataHex(1, 2);
        focus(hex);
        QTest::keyClicks(hex, "7f");
        QCOMPARE(int(values(1, Field::Data)[7]), 0x7F);
        QCOMPARE(int(values(1, Field::Data)[2]), -1);
        QLineEdit* ch = dataChar(1, 2);
        focus(ch);
        QTest::keyClicks(ch, "z");
        QCOMPARE(int(values(1, Field::Data)[7]), int('z'));
        // Scrolled away and back, the row shows the entry again.
        scrollBar(1)->setValue(0);
        QCOMPARE(dataHex(1, 2)->text(), QString());
        scrollBar(1)->setValue(5);
        QCOMPARE(dataHex(1, 2)->text(), QStringLiteral("7A"));
    }

    void selectorChoosesTheEditedField_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("field");
        QTest::newRow("checksum") << 1 << int(Field::Check);
        QTest::newRow("end") << 2 << int(Field::End);
    }
    void selectorChoosesTheEditedField() {
        QFETCH(int, item);
        QFETCH(int, field);
        selector(0)->setFocus();
        selector(0)->setCurrentIndex(item);
        QLineEdit* hex = fieldHex(0, 0);
        QVERIFY(hex->isVisible());
        focus(hex);
        QTest::keyClicks(hex, "5a");
        QCOMPARE(int(values(0, Field(field))[0]), 0x5A);
        QCOMPARE(int(values(0, Field::Start)[0]), -1);
        // Enter from the last box of this field leaves for the data table.
        const int count = def_.count(FrameSide::Send, Field(field));
        QLineEdit* lastBox = fieldHex(0, count - 1);
        focus(lastBox);
        QTest::keyClick(lastBox, Qt::Key_Return);
        QVERIFY(dataChar(0, 0)->hasFocus());
    }

    void framesKeepToTheirOwnArrays() {
        focus(fieldHex(1, 1));
        QTest::keyClicks(fieldHex(1, 1), "99");
        QCOMPARE(int(values(1, Field::Start)[1]), 0x99);
        QCOMPARE(int(values(0, Field::Start)[1]), -1);
        QCOMPARE(fieldHex(0, 1)->text(), QString());
    }
};

QTEST_MAIN(TestByteEditing)
#include "test_byteediting.moc"
