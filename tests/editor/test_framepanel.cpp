#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include "framepanel.h"
#include "texthelpers.h"

using comm::CommDefinition;
using comm::Field;
using comm::FramePanel;
using comm::FrameSide;

namespace {

// Every entry of every array gets a value that tells arrays and positions apart.
void fillDistinct(CommDefinition* def) {
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv})
        for (Field field : {Field::Start, Field::Data, Field::Check, Field::End}) {
            qint16* v = def->values(side, field);
            for (int i = 0; i < CommDefinition::capacity(field); ++i)
                v[i] = qint16((i * 7 + int(field) * 50 + int(side) * 13) % 256);
        }
}

void setCount(CommDefinition* def, FrameSide side, Field field, int count) {
    def->FrameFieldCount[CommDefinition::countIndex(side, field)] = qint16(count);
}

}  // namespace

class TestFramePanel : public QObject {
    Q_OBJECT
private slots:
    void controlNamesFollowTheSide_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QStringList>("families");
        QTest::newRow("send") << 0 << QStringList{"Text3", "Text4", "Text5", "Text6", "Label7"};
        QTest::newRow("receive") << 1
                                 << QStringList{"Text7", "Text8", "Text9", "Text10", "Label10"};
    }
    void controlNamesFollowTheSide() {
        QFETCH(int, side);
        QFETCH(QStringList, families);
        CommDefinition def;
        FramePanel panel(def, static_cast<FrameSide>(side));
        QCOMPARE(panel.objectName(), QStringLiteral("Frame2_%1").arg(side));
        for (const char* name : {"Combo1", "Label4", "Label9", "VScroll1"})
            QVERIFY2(panel.findChild<QWidget*>(QStringLiteral("%1_%2").arg(name).arg(side)), name);
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(panel.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(families[0]).arg(k)),
                     panel.fieldCharBox(k));
            QCOMPARE(panel.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(families[1]).arg(k)),
                     panel.fieldHexBox(k));
        }
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(panel.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(families[2]).arg(r)),
                     panel.dataCharBox(r));
            QCOMPARE(panel.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(families[3]).arg(r)),
                     panel.dataHexBox(r));
            QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("%1_%2").arg(families[4]).arg(r)),
                     panel.rowNumber(r));
        }
        QCOMPARE(panel.selector()->count(), 3);
        QCOMPARE(panel.selector()->itemText(0), QStringLiteral("起始符"));
        QCOMPARE(panel.selector()->itemText(1), QStringLiteral("校验符"));
        QCOMPARE(panel.selector()->itemText(2), QStringLiteral("结束符"));
    }

    void dataRows_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("scroll");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("three") << 3 << 0;
        QTest::newRow("exactly seven") << 7 << 0;
        QTest::newRow("eight") << 8 << 0;
        QTest::newRow("eight at the end") << 8 << 1;
        QTest::newRow("twenty at five") << 20 << 5;
        QTest::newRow("twenty at the end") << 20 << 13;
        QTest::newRow("largest") << 1025 << 1018;
    }
    void dataRows() {
        QFETCH(int, count);
        QFETCH(int, scroll);
        for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
            CommDefinition def;
            fillDistinct(&def);
            setCount(&def, side, Field::Data, count);
            FramePanel panel(def, side);
            panel.refresh();
            panel.scrollBar()->setValue(scroll);

            const bool scrolls = count > 7;
            QCOMPARE(panel.scrollBar()->isEnabled(), scrolls);
            QCOMPARE(panel.scrollBar()->minimum(), 0);
            QCOMPARE(panel.scrollBar()->maximum(), scrolls ? count - 7 : 0);
            QCOMPARE(panel.dataCountLabel()->text(), QStringLiteral("(%1位)").arg(count));
            const qint16* values = def.values(side, Field::Data);
            for (int r = 0; r < 7; ++r) {
                const bool shown = r < count;
                QCOMPARE(!panel.dataCharBox(r)->isHidden(), shown);
                QCOMPARE(!panel.dataHexBox(r)->isHidden(), shown);
                if (!shown) {
                    QCOMPARE(panel.rowNumber(r)->text(), QString());
                    continue;
                }
                const int entry = (scrolls ? scroll : 0) + r;
                QCOMPARE(panel.dataEntry(r), entry);
                QCOMPARE(panel.rowNumber(r)->text(), QString::number(entry + 1));
                QCOMPARE(panel.dataHexBox(r)->text(), comm::HexText(values[entry]));
                QCOMPARE(panel.dataCharBox(r)->text(), comm::ByteCharText(values[entry]));
            }
        }
    }

    void entryTexts_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("character");
        QTest::newRow("not entered") << -1 << ""
                                     << "";
        QTest::newRow("line feed") << 10 << "0A" << QStringLiteral("Φ");
        QTest::newRow("A") << 65 << "41"
                           << "A";
        QTest::newRow("blank") << 32 << "20"
                               << " ";
        QTest::newRow("tilde") << 126 << "7E"
                               << "~";
        QTest::newRow("delete") << 127 << "7F" << QStringLiteral("Φ");
        QTest::newRow("zero") << 0 << "00" << QStringLiteral("Φ");
        QTest::newRow("top") << 255 << "FF" << QStringLiteral("Φ");
    }
    void entryTexts() {
        QFETCH(int, value);
        QFETCH(QString, hex);
        QFETCH(QString, character);
        CommDefinition def;
        setCount(&def, FrameSide::Recv, Field::Start, 1);
        setCount(&def, FrameSide::Recv, Field::Data, 1);
        def.RecvStartBytes[0] = qint16(value);
        def.RecvDataBytes[0] = qint16(value);
        FramePanel panel(def, FrameSide::Recv);
        // Stale texts must not survive a refresh to an empty entry.
        panel.fieldHexBox(0)->setText(QStringLiteral("99"));
        panel.dataCharBox(0)->setText(QStringLiteral("x"));
        panel.refresh();
        QCOMPARE(panel.fieldHexBox(0)->text(), hex);
        QCOMPARE(panel.fieldCharBox(0)->text(), character);
        QCOMPARE(panel.dataHexBox(0)->text(), hex);
        QCOMPARE(panel.dataCharBox(0)->text(), character);
    }

    void fieldBoxes_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("zero hides all") << 0;
        QTest::newRow("two") << 2;
        QTest::newRow("all ten") << 10;
    }
    void fieldBoxes() {
        QFETCH(int, count);
        CommDefinition def;
        setCount(&def, FrameSide::Send, Field::Start, count);
        FramePanel panel(def, FrameSide::Send);
        panel.refresh();
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(!panel.fieldCharBox(k)->isHidden(), k < count);
            QCOMPARE(!panel.fieldHexBox(k)->isHidden(), k < count);
        }
        QCOMPARE(panel.fieldCountLabel()->text(), QStringLiteral("(%1位)").arg(count));
    }

    void selectorShowsTheChosenField_data() {
        QTest::addColumn<int>("side");
        QTest::newRow("send") << 0;
        QTest::newRow("receive") << 1;
    }
    void selectorShowsTheChosenField() {
        QFETCH(int, side);
        const auto s = static_cast<FrameSide>(side);
        CommDefinition def;
        fillDistinct(&def);
        setCount(&def, s, Field::Start, 4);
        setCount(&def, s, Field::Check, 1);
        setCount(&def, s, Field::End, 6);
        FramePanel panel(def, s);
        panel.refresh();
        const Field order[] = {Field::Start, Field::Check, Field::End};
        for (int item : {1, 2, 0, 2}) {
            panel.selector()->setCurrentIndex(item);
            const Field field = order[item];
            QCOMPARE(panel.selectedField(), field);
            const int count = def.count(s, field);
            QCOMPARE(panel.fieldCountLabel()->text(), QStringLiteral("(%1位)").arg(count));
            const qint16* values = def.values(s, field);
            for (int k = 0; k < 10; ++k) {
                QCOMPARE(!panel.fieldHexBox(k)->isHidden(), k < count);
                if (k < count) QCOMPARE(panel.fieldHexBox(k)->text(), comm::HexText(values[k]));
            }
        }
    }

    void refreshRereadsTheDefinition() {
        CommDefinition def;
        setCount(&def, FrameSide::Send, Field::Start, 2);
        setCount(&def, FrameSide::Send, Field::Data, 20);
        def.clearCountedValues();
        FramePanel panel(def, FrameSide::Send);
        panel.refresh();
        panel.scrollBar()->setValue(9);
        QCOMPARE(panel.fieldHexBox(1)->text(), QString());

        def.SendStartBytes[1] = 0x41;
        def.SendDataBytes[12] = 0x0D;
        panel.refresh();
        QCOMPARE(panel.fieldHexBox(1)->text(), QStringLiteral("41"));
        QCOMPARE(panel.fieldCharBox(1)->text(), QStringLiteral("A"));
        // The scroll position survives, so row 3 still shows entry 12.
        QCOMPARE(panel.scrollBar()->value(), 9);
        QCOMPARE(panel.dataHexBox(3)->text(), QStringLiteral("0D"));
        QCOMPARE(panel.rowNumber(3)->text(), QStringLiteral("13"));
    }

    void refreshingIsMarkedWhileBoxesAreWritten() {
        CommDefinition def;
        setCount(&def, FrameSide::Send, Field::Start, 1);
        setCount(&def, FrameSide::Send, Field::Data, 9);
        fillDistinct(&def);
        FramePanel panel(def, FrameSide::Send);
        int duringRefresh = 0;
        int outside = 0;
        for (QLineEdit* box : {panel.fieldHexBox(0), panel.dataHexBox(0)})
            connect(box, &QLineEdit::textChanged, this,
                    [&] { ++(panel.isRefreshing() ? duringRefresh : outside); });
        panel.refresh();
        panel.scrollBar()->setValue(2);
        QVERIFY(duringRefresh >= 3);
        QCOMPARE(outside, 0);
        QVERIFY(!panel.isRefreshing());
    }

    void countsBeyondTheArraysStayInside() {
        CommDefinition def;
        setCount(&def, FrameSide::Send, Field::Start, 300);
        setCount(&def, FrameSide::Send, Field::Data, 5000);
        FramePanel panel(def, FrameSide::Send);
        panel.refresh();
        QCOMPARE(panel.fieldCountLabel()->text(), QStringLiteral("(300位)"));
        QVERIFY(!panel.fieldHexBox(9)->isHidden());
        QCOMPARE(panel.scrollBar()->maximum(), comm::kDataCapacity - 7);
        panel.scrollBar()->setValue(panel.scrollBar()->maximum());
        QCOMPARE(panel.rowNumber(6)->text(), QString::number(comm::kDataCapacity));
    }
};

QTEST_MAIN(TestFramePanel)
#include "test_framepanel.moc"
