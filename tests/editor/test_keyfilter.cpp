#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "hoverfocus.h"
#include "keyfilter.h"
#include "messages.h"
#include "texthelpers.h"

using comm::ui::KeyFilter;

class TestKeyFilter : public QObject {
    Q_OBJECT
private:
    int beeps_ = 0;

private slots:
    void init() {
        beeps_ = 0;
        comm::ui::SetBeepHandler([this] { ++beeps_; });
    }
    void cleanup() { comm::ui::SetBeepHandler({}); }

    void typing_data() {
        QTest::addColumn<QString>("allowed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits pass") << comm::kDigitKeys << "0123456789"
                                     << "0123456789" << 0;
        QTest::newRow("letter refused in digits") << comm::kDigitKeys << "1a2"
                                                  << "12" << 1;
        QTest::newRow("blank and sign refused") << comm::kDigitKeys << " -5+"
                                                << "5" << 3;
        QTest::newRow("hex both cases") << comm::kHexKeys << "aF09"
                                        << "aF09" << 0;
        QTest::newRow("g and dot refused in hex") << comm::kHexKeys << "g.1"
                                                  << "1" << 2;
    }
    void typing() {
        QFETCH(QString, allowed);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, beeps);
        QLineEdit box;
        KeyFilter::install(&box, allowed);
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), shown);
        QCOMPARE(beeps_, beeps);
    }

    void editingKeysPassWithoutBeep() {
        QLineEdit box;
        KeyFilter::install(&box, comm::kDigitKeys);
        QTest::keyClicks(&box, "123");
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("12"));
        QTest::keyClick(&box, Qt::Key_Left);
        QTest::keyClick(&box, Qt::Key_Delete);
        QCOMPARE(box.text(), QStringLiteral("1"));
        QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClick(&box, Qt::Key_Escape);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(box.selectedText(), QStringLiteral("1"));
        QCOMPARE(beeps_, 0);
    }

    void pasteOfForeignTextIsRefused() {
        QLineEdit box;
        KeyFilter::install(&box, comm::kDigitKeys);
        box.setText(QStringLiteral("7"));
        box.setCursorPosition(1);
        box.insert(QStringLiteral("12x"));
        QCOMPARE(box.text(), QStringLiteral("7"));
        box.insert(QStringLiteral("12"));
        QCOMPARE(box.text(), QStringLiteral("712"));
    }

    void wideCharacterKeyIsRefused() {
        QLineEdit box;
        KeyFilter::install(&box, comm::kDigitKeys);
        QKeyEvent fullWidthOne(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                               QStringLiteral("１"));
        QApplication::sendEvent(&box, &fullWidthOne);
        QCOMPARE(box.text(), QString());
        QCOMPARE(beeps_, 1);
    }

    void inputMethodCommitIsFiltered() {
        QLineEdit box;
        KeyFilter::install(&box, comm::kHexKeys);
        QInputMethodEvent refused;
        refused.setCommitString(QStringLiteral("数"));
        QApplication::sendEvent(&box, &refused);
        QCOMPARE(box.text(), QString());
        QCOMPARE(beeps_, 1);
        QInputMethodEvent accepted;
        accepted.setCommitString(QStringLiteral("Ab"));
        QApplication::sendEvent(&box, &accepted);
        QCOMPARE(box.text(), QStringLiteral("Ab"));
        QCOMPARE(beeps_, 1);
    }

    void hoverGivesFocusOnlyWhenEnabled() {
        QWidget window;
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        second->move(0, 40);
        comm::ui::GiveFocusOnHover(second);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QVERIFY(first->hasFocus());

        second->setEnabled(false);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(second, &enter);
        QVERIFY(first->hasFocus());

        second->setEnabled(true);
        QApplication::sendEvent(second, &enter);
        QVERIFY(second->hasFocus());
    }
};

QTEST_MAIN(TestKeyFilter)
#include "test_keyfilter.moc"
