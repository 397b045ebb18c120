#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <vector>

#include "commdefinition.h"
#include "documentwindow.h"
#include "filechooser.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "texthelpers.h"
#include "widgetdriver.h"

using namespace comm;

namespace {

// The bytes of one field and whether each is typed in its character box (printable ones only).
struct FieldBytes {
    std::vector<int> values;
};

// A kind 3 communication whose every byte the test types, chosen to pass through every way of
// entry: characters, two hexadecimal digits in either case, one digit zero-filled on leaving.
const std::vector<int> kSendStart = {0xAA, 0x55};
const std::vector<int> kSendData = {0x00, 'A', 0x7E, 0xFF, 0x0D, ' ', 0x80, '9', 'a'};
const std::vector<int> kSendCheck = {0x5C};
const std::vector<int> kSendEnd = {0x0A};
const std::vector<int> kRecvStart = {':'};
const std::vector<int> kRecvData = {0x01, 0x7F, 'B'};
const std::vector<int> kRecvCheck = {0x12, 0x34};
const std::vector<int> kRecvEnd = {0x0D, 0x0A};

bool printable(int v) {
    return v >= 32 && v <= 126;
}

// The hexadecimal a user would type: one digit when it is enough, lower case now and then.
QString typedHex(int v) {
    if (v < 16) return QString::number(v, 16);
    return v % 2 ? HexText(v).toLower() : HexText(v);
}

}  // namespace

class TestNewCommEndToEnd : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    MessageRecorder boxes_;

    template <typename T>
    static T* named(QWidget* root, const QString& name) {
        T* found = root->findChild<T*>(name);
        if (found == nullptr) qWarning("no control %s", qPrintable(name));
        return found;
    }
    static QWidget* focused() { return QApplication::focusWidget(); }

    // Types one byte into whichever box of its pair suits it, starting from the box that has the
    // focus, then leaves with Enter; the focus stays in the same column unless it must change.
    static void typeFieldByte(QLineEdit* charBox, QLineEdit* hexBox, int v) {
        QLineEdit* target = printable(v) ? charBox : hexBox;
        QTest::mouseClick(target, Qt::LeftButton);
        QVERIFY(target->hasFocus());
        TypeText(target, printable(v) ? QString(QChar(char16_t(v))) : typedHex(v));
        QTest::keyClick(target, Qt::Key_Return);
    }
    static void typeDataByte(QWidget* root, const char* charFamily, const char* hexFamily, int row,
                             int v) {
        auto* charBox =
            named<QLineEdit>(root, QStringLiteral("%1_%2").arg(QLatin1String(charFamily)).arg(row));
        auto* hexBox =
            named<QLineEdit>(root, QStringLiteral("%1_%2").arg(QLatin1String(hexFamily)).arg(row));
        QVERIFY2(focused() == charBox || focused() == hexBox,
                 qPrintable(QStringLiteral("row %1").arg(row)));
        QLineEdit* target = printable(v) ? charBox : hexBox;
        if (focused() != target) QTest::keyClick(focused(), Qt::Key_Right);
        QCOMPARE(focused(), static_cast<QWidget*>(target));
        TypeText(target, printable(v) ? QString(QChar(char16_t(v))) : typedHex(v));
        QTest::keyClick(target, Qt::Key_Return);
    }

    // One frame: its start field, its data table, then the checksum and end fields reached
    // through the field selector by keyboard.
    void typeFrame(QWidget* doc, int side, const std::vector<int>& start,
                   const std::vector<int>& data, const std::vector<int>& check,
                   const std::vector<int>& end) {
        const char* fieldChar = side == 0 ? "Text3" : "Text7";
        const char* fieldHex = side == 0 ? "Text4" : "Text8";
        const char* dataChar = side == 0 ? "Text5" : "Text9";
        const char* dataHex = side == 0 ? "Text6" : "Text10";
        auto* selector = named<QComboBox>(doc, QStringLiteral("Combo1_%1").arg(side));
        const auto fieldBox = [doc](const char* family, int k) {
            return named<QLineEdit>(doc, QStringLiteral("%1_%2").arg(QLatin1String(family)).arg(k));
        };

        for (size_t k = 0; k < start.size(); ++k)
            typeFieldByte(fieldBox(fieldChar, int(k)), fieldBox(fieldHex, int(k)), start[k]);
        // Enter after the last start byte leads into the data table.
        QCOMPARE(focused(), static_cast<QWidget*>(fieldBox(dataChar, 0)));
        for (size_t i = 0; i < data.size(); ++i)
            typeDataByte(doc, dataChar, dataHex, int(qMin<size_t>(i, 6)), data[i]);
        QCOMPARE(focused(), static_cast<QWidget*>(selector));

        QTest::keyClick(selector, Qt::Key_Down);
        QCOMPARE(selector->currentText(), QStringLiteral("校验符"));
        for (size_t k = 0; k < check.size(); ++k)
            typeFieldByte(fieldBox(fieldChar, int(k)), fieldBox(fieldHex, int(k)), check[k]);
        // Back up to the selector through the data table, scrolling it to the top on the way.
        while (focused() != selector) {
            QWidget* before = focused();
            QTest::keyClick(before, Qt::Key_Up);
            QVERIFY(focused() == before || focused() == selector);
        }
        QTest::keyClick(selector, Qt::Key_Down);
        QCOMPARE(selector->currentText(), QStringLiteral("结束符"));
        for (size_t k = 0; k < end.size(); ++k)
            typeFieldByte(fieldBox(fieldChar, int(k)), fieldBox(fieldHex, int(k)), end[k]);
    }

    static void expectBytes(const qint16* stored, const std::vector<int>& expected,
                            const char* what) {
        for (size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(stored[i] == expected[i],
                     qPrintable(QStringLiteral("%1[%2] is %3, expected %4")
                                    .arg(QLatin1String(what))
                                    .arg(i)
                                    .arg(stored[i])
                                    .arg(expected[i])));
    }
    static void expectAll(const CommDefinition& def) {
        expectBytes(def.SendStartBytes.data(), kSendStart, "SendStartBytes");
        expectBytes(def.SendDataBytes.data(), kSendData, "SendDataBytes");
        expectBytes(def.SendCheckBytes.data(), kSendCheck, "SendCheckBytes");
        expectBytes(def.SendEndBytes.data(), kSendEnd, "SendEndBytes");
        expectBytes(def.RecvStartBytes.data(), kRecvStart, "RecvStartBytes");
        expectBytes(def.RecvDataBytes.data(), kRecvData, "RecvDataBytes");
        expectBytes(def.RecvCheckBytes.data(), kRecvCheck, "RecvCheckBytes");
        expectBytes(def.RecvEndBytes.data(), kRecvEnd, "RecvEndBytes");
    }

private slots:
    void init() { boxes_.clear(); }

    void newTypeSaveReopen() {
        QVERIFY(folder_.isValid());
        const QString path = folder_.filePath(QStringLiteral("typed.Txl"));
        CommDefinition def;
        MainWindow window(def, folder_.path());
        window.setFileChooser([&path](QWidget*, FileDialogMode, const QString&) { return path; });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // New: the wizard's first step, modal, with the hourglass over the main window.
        window.action(QStringLiteral("NewComm"))->trigger();
        auto* step1 = named<QDialog>(&window, QStringLiteral("Form1"));
        QVERIFY(step1 && step1->isVisible() && step1->isModal());
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
        QTest::mouseClick(named<QRadioButton>(step1, "Option2_0"), Qt::LeftButton);
        QTest::mouseClick(named<QPushButton>(step1, "NextButton"), Qt::LeftButton);

        auto* step2 = named<QDialog>(&window, QStringLiteral("Form2"));
        QVERIFY(step2->isVisible());
        step2->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == step2);
        const auto spinUp = [step2](const char* field, int side, int times) {
            auto* spin = named<QWidget>(
                step2, QStringLiteral("%1Spin_%2").arg(QLatin1String(field)).arg(side));
            for (int i = 0; i < times; ++i)
                QTest::mouseClick(spin->findChild<QToolButton*>("Up"), Qt::LeftButton);
        };
        const auto typeCount = [step2](int side, int count) {
            auto* box = named<QLineEdit>(step2, QStringLiteral("Text1_%1").arg(side));
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY(box->hasFocus());
            QTest::keySequence(box, QKeySequence::SelectAll);
            QTest::keyClicks(box, QString::number(count));
            QCOMPARE(box->text(), QString::number(count));
        };
        spinUp("Start", 0, int(kSendStart.size()));
        typeCount(0, int(kSendData.size()));
        spinUp("Check", 0, int(kSendCheck.size()));
        spinUp("End", 0, int(kSendEnd.size()));
        spinUp("Start", 1, int(kRecvStart.size()));
        typeCount(1, int(kRecvData.size()));
        spinUp("Check", 1, int(kRecvCheck.size()));
        spinUp("End", 1, int(kRecvEnd.size()));
        QTest::mouseClick(named<QPushButton>(step2, "NextButton"), Qt::LeftButton);

        auto* step3 = named<QDialog>(&window, QStringLiteral("Form3"));
        QVERIFY(step3->isVisible());
        auto* baud = named<QComboBox>(step3, "Combo1_0");
        baud->setFocus();
        QTest::keyClick(baud, Qt::Key_Down);  // 9600 -> 14400
        QTest::mouseClick(named<QPushButton>(step3, "FinishButton"), Qt::LeftButton);

        DocumentWindow* doc = window.documentWindow();
        QVERIFY(doc != nullptr);
        QCOMPARE(doc->saveFlag(), QStringLiteral("0"));
        QVERIFY(window.cursor().shape() != Qt::WaitCursor);
        QVERIFY(!window.action(QStringLiteral("NewComm"))->isEnabled());
        QCOMPARE(def.CommSettings, QStringLiteral("14400,O,8,1"));
        QCOMPARE(doc->settingsLine(), QStringLiteral("2.串口设置:14400,奇,8,1"));
        // Without a window manager nothing hands the activation back from the closed wizard;
        // once its steps are gone, the main window takes it as it would on a desktop.
        QTRY_VERIFY(window.findChild<QDialog*>(QStringLiteral("Form2")) == nullptr);
        window.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &window);

        typeFrame(doc, 0, kSendStart, kSendData, kSendCheck, kSendEnd);
        typeFrame(doc, 1, kRecvStart, kRecvData, kRecvCheck, kRecvEnd);
        expectAll(def);
        if (QTest::currentTestFailed()) return;

        window.action(QStringLiteral("SaveComm"))->trigger();
        QCOMPARE(boxes_.texts(), QStringList());
        QCOMPARE(doc->saveFlag(), QStringLiteral("1"));
        QVERIFY(QFileInfo(path).isFile());

        window.action(QStringLiteral("CloseComm"))->trigger();
        QTRY_VERIFY(window.documentWindow() == nullptr);
        // Nothing of the typed communication is left in memory before the file is read back.
        def.SendStartBytes.fill(0);
        def.SendDataBytes.fill(0);
        def.SendCheckBytes.fill(0);
        def.SendEndBytes.fill(0);
        def.RecvStartBytes.fill(0);
        def.RecvDataBytes.fill(0);
        def.RecvCheckBytes.fill(0);
        def.RecvEndBytes.fill(0);
        def.FrameFieldCount.fill(0);
        def.CommSettings.clear();

        window.action(QStringLiteral("OpenComm"))->trigger();
        QCOMPARE(boxes_.texts(), QStringList());
        DocumentWindow* reopened = window.documentWindow();
        QVERIFY(reopened != nullptr);
        QCOMPARE(int(def.CommKind), 3);
        QCOMPARE(def.FrameFieldCount,
                 (std::array<qint16, 8>{qint16(kSendStart.size()), qint16(kSendData.size()),
                                        qint16(kSendCheck.size()), qint16(kSendEnd.size()),
                                        qint16(kRecvStart.size()), qint16(kRecvData.size()),
                                        qint16(kRecvCheck.size()), qint16(kRecvEnd.size())}));
        QCOMPARE(def.CommSettings, QStringLiteral("14400,O,8,1"));
        expectAll(def);
        // The reopened window shows the bytes as they were typed.
        QCOMPARE(named<QLineEdit>(reopened, "Text4_0")->text(), QStringLiteral("AA"));
        QCOMPARE(named<QLineEdit>(reopened, "Text5_1")->text(), QStringLiteral("A"));
        QCOMPARE(named<QLineEdit>(reopened, "Text6_4")->text(), QStringLiteral("0D"));
        QCOMPARE(named<QLineEdit>(reopened, "Text7_0")->text(), QStringLiteral(":"));
        QCOMPARE(named<QLineEdit>(reopened, "Text10_1")->text(), QStringLiteral("7F"));
    }

    void abandonedWizardLeavesNewEnabled() {
        CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        window.action(QStringLiteral("NewComm"))->trigger();
        auto* step1 = named<QDialog>(&window, QStringLiteral("Form1"));
        QTest::mouseClick(named<QPushButton>(step1, "NextButton"), Qt::LeftButton);
        auto* step2 = named<QDialog>(&window, QStringLiteral("Form2"));
        QTest::mouseClick(named<QPushButton>(step2, "NextButton"), Qt::LeftButton);
        auto* step3 = named<QDialog>(&window, QStringLiteral("Form3"));
        QTest::mouseClick(named<QPushButton>(step3, "AbandonButton"), Qt::LeftButton);
        QVERIFY(window.documentWindow() == nullptr);
        QVERIFY(window.cursor().shape() != Qt::WaitCursor);
        for (const char* name : {"NewComm", "OpenComm", "t1", "t2"})
            QVERIFY2(window.action(QLatin1String(name))->isEnabled(), name);
        QVERIFY(!window.action(QStringLiteral("SaveComm"))->isEnabled());
        // The wizard goes once it is over, and a second New starts afresh.
        QTRY_VERIFY(window.findChild<QDialog*>(QStringLiteral("Form1")) == nullptr);
        window.action(QStringLiteral("NewComm"))->trigger();
        step1 = named<QDialog>(&window, QStringLiteral("Form1"));
        QVERIFY(step1 && step1->isVisible());
        QVERIFY(named<QRadioButton>(step1, "Option1_0")->isChecked());
        QTest::keyClick(step1, Qt::Key_Escape);
        QVERIFY(window.documentWindow() == nullptr);
    }
};

QTEST_MAIN(TestNewCommEndToEnd)
#include "test_newcomm_endtoend.moc"
