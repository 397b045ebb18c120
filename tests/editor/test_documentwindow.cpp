#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "commkind.h"
#include "documentwindow.h"
#include "flattextbutton.h"
#include "framepanel.h"
#include "linesettings.h"
#include "messages.h"
#include "settingsdialog.h"
#include "texthelpers.h"
#include "txlfile.h"

using comm::CommDefinition;
using comm::DocumentWindow;
using comm::Field;
using comm::FrameSide;

namespace {

// A new communication as the wizard leaves it, with stale values in every array.
CommDefinition newCommunication(int kind, std::array<qint16, 8> counts) {
    CommDefinition def;
    def.CommKind = qint16(kind);
    def.FrameFieldCount = counts;
    def.PortSettingIndex = {6, 4, 1, 0};
    def.CommSettings = QStringLiteral("9600,O,8,1");
    def.CommSettingsText = QStringLiteral("9600,奇,8,1");
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv})
        for (Field field : {Field::Start, Field::Data, Field::Check, Field::End}) {
            qint16* v = def.values(side, field);
            for (int i = 0; i < CommDefinition::capacity(field); ++i) v[i] = 0x55;
        }
    return def;
}

// The definition as the Open command leaves it after reading a file made from `source`.
CommDefinition openedFrom(const CommDefinition& source, comm::OptionValues options, bool values) {
    CommDefinition def;
    const QByteArray bytes = comm::EncodeCommFile(source, options, values);
    if (comm::DecodeCommFile(bytes, &def) != comm::ReadStatus::Ok) qFatal("test file not readable");
    def.CommKind = 0;
    return def;
}

template <typename T>
T* child(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
}

// Runs `act` on the settings dialog once it is up, from inside its modal loop.
void whenSettingsDialogShows(const std::function<void(comm::SettingsDialog*)>& act, bool* seen) {
    QTimer::singleShot(0, [act, seen] {
        auto* dialog = qobject_cast<comm::SettingsDialog*>(QApplication::activeModalWidget());
        *seen = dialog != nullptr;
        if (dialog) act(dialog);
    });
}

}  // namespace

class TestDocumentWindow : public QObject {
    Q_OBJECT
private slots:
    void kinds_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("sendShown");
        QTest::addColumn<bool>("recvShown");
        QTest::newRow("1") << 1 << QStringLiteral("1.发送数据后不向微机回送数据") << true << false;
        QTest::newRow("2") << 2 << QStringLiteral("1.接收数据后不向下位机回送数据") << false
                           << true;
        QTest::newRow("3") << 3 << QStringLiteral("1.发送数据后向微机回送数据") << true << true;
        QTest::newRow("4") << 4 << QStringLiteral("1.接收数据后向下位机回送数据") << true << true;
    }
    void kinds() {
        QFETCH(int, kind);
        QFETCH(QString, line);
        QFETCH(bool, sendShown);
        QFETCH(bool, recvShown);
        CommDefinition def = newCommunication(kind, {1, 2, 1, 1, 3, 4, 1, 1});
        DocumentWindow window(def);
        QCOMPARE(window.objectName(), QStringLiteral("Form4"));
        QCOMPARE(child<QLabel>(window, "Label1_0")->text(), line);
        QCOMPARE(window.kindLine(), line);
        QCOMPARE(comm::KindLine(kind), line);
        QCOMPARE(window.isFrameShown(FrameSide::Send), sendShown);
        QCOMPARE(window.isFrameShown(FrameSide::Recv), recvShown);
        QCOMPARE(child<QWidget>(window, "Frame2_0")->isHidden(), !sendShown);
        QCOMPARE(child<QWidget>(window, "Frame2_1")->isHidden(), !recvShown);
        QCOMPARE(window.settingsLine(), QStringLiteral("2.串口设置:9600,奇,8,1"));
        // A shown frame counts its own fields; a hidden one is left untouched.
        if (recvShown) {
            QCOMPARE(child<QLabel>(window, "Label4_1")->text(), QStringLiteral("(3位)"));
            QCOMPARE(child<QLabel>(window, "Label9_1")->text(), QStringLiteral("(4位)"));
        } else {
            QCOMPARE(child<QLabel>(window, "Label4_1")->text(), QString());
        }
    }

    void hiddenSendFrameKeepsItsPlace() {
        CommDefinition both = newCommunication(3, {1, 2, 1, 1, 1, 2, 1, 1});
        DocumentWindow bothWindow(both);
        bothWindow.show();
        CommDefinition receiveOnly = newCommunication(2, {1, 2, 1, 1, 1, 2, 1, 1});
        DocumentWindow receiveWindow(receiveOnly);
        receiveWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&receiveWindow));
        QCOMPARE(receiveWindow.framePanel(FrameSide::Recv)->x(),
                 bothWindow.framePanel(FrameSide::Recv)->x());
    }

    void newCommunicationStartsEmpty() {
        CommDefinition def = newCommunication(1, {2, 3, 1, 1, 2, 2, 2, 2});
        DocumentWindow window(def);
        QCOMPARE(window.saveFlag(), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(window, "SaveFlag")->text(), QStringLiteral("0"));
        QVERIFY(child<QLabel>(window, "SaveFlag")->isHidden());
        for (auto option :
             {DocumentWindow::LoopForever, DocumentWindow::NoDelay, DocumentWindow::NoWait})
            QVERIFY(window.isOptionSelected(option));
        for (const char* box : {"Text1", "Text2", "Text11"}) {
            QVERIFY(!child<QLineEdit>(window, box)->isEnabled());
            QCOMPARE(child<QLineEdit>(window, box)->text(), QString());
        }
        // Counted entries are cleared; what lies beyond the counts is never touched.
        QCOMPARE(def.SendStartBytes[0], comm::kNotEntered);
        QCOMPARE(def.SendStartBytes[1], comm::kNotEntered);
        QCOMPARE(def.SendStartBytes[2], qint16(0x55));
        QCOMPARE(def.SendDataBytes[2], comm::kNotEntered);
        QCOMPARE(def.SendDataBytes[3], qint16(0x55));
        QCOMPARE(def.RecvEndBytes[1], comm::kNotEntered);

        comm::FramePanel* send = window.framePanel(FrameSide::Send);
        QCOMPARE(send->selector()->currentText(), QStringLiteral("起始符"));
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(!send->fieldCharBox(k)->isHidden(), k < 2);
            QCOMPARE(send->fieldHexBox(k)->text(), QString());
        }
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(send->rowNumber(r)->text(), r < 3 ? QString::number(r + 1) : QString());
            QCOMPARE(!send->dataHexBox(r)->isHidden(), r < 3);
        }
        QVERIFY(!send->scrollBar()->isEnabled());
        QCOMPARE(child<QLabel>(window, "Label4_0")->text(), QStringLiteral("(2位)"));
        QCOMPARE(child<QLabel>(window, "Label9_0")->text(), QStringLiteral("(3位)"));
    }

    void optionsFromFile_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("wait");
        QTest::newRow("all zero") << 3 << 0 << 0 << 0;
        QTest::newRow("all set") << 3 << 5 << 100 << 2000;
        QTest::newRow("largest loop") << 3 << 255 << 1 << 1;
        QTest::newRow("kind 4 delay") << 4 << 12 << 750 << 0;
        QTest::newRow("damaged negative times") << 3 << 0 << -5 << -1;
    }
    void optionsFromFile() {
        QFETCH(int, kind);
        QFETCH(int, loop);
        QFETCH(int, delay);
        QFETCH(int, wait);
        const CommDefinition source = newCommunication(kind, {1, 1, 1, 1, 1, 1, 1, 1});
        CommDefinition def = openedFrom(source, {quint8(loop), delay, wait}, false);
        DocumentWindow window(def);
        QCOMPARE(def.CommKind, qint16(kind));
        QCOMPARE(window.saveFlag(), QStringLiteral("1"));
        const struct {
            DocumentWindow::Option zero, valued;
            const char* box;
            int value;
        } pairs[] = {{DocumentWindow::LoopForever, DocumentWindow::LoopCount, "Text1", loop},
                     {DocumentWindow::NoDelay, DocumentWindow::DelayTime, "Text2", delay},
                     {DocumentWindow::NoWait, DocumentWindow::WaitTime, "Text11", wait}};
        for (const auto& pair : pairs) {
            const bool valued = pair.value > 0;
            QCOMPARE(window.isOptionSelected(pair.zero), !valued);
            QCOMPARE(window.isOptionSelected(pair.valued), valued);
            QLineEdit* box = child<QLineEdit>(window, pair.box);
            QCOMPARE(box->isEnabled(), valued);
            QCOMPARE(box->text(), valued ? QString::number(pair.value) : QString());
        }
    }

    void valuesFromFile_data() {
        QTest::addColumn<bool>("withValues");
        QTest::newRow("with values") << true;
        QTest::newRow("layout only") << false;
    }
    void valuesFromFile() {
        QFETCH(bool, withValues);
        CommDefinition source = newCommunication(3, {3, 9, 1, 1, 2, 1, 1, 1});
        for (int i = 0; i < 3; ++i) source.SendStartBytes[i] = qint16(0x41 + i);
        for (int i = 0; i < 9; ++i) source.SendDataBytes[i] = qint16(i * 30);
        source.RecvStartBytes[0] = 10;
        source.RecvStartBytes[1] = comm::kNotEntered;
        CommDefinition def = openedFrom(source, {}, withValues);
        DocumentWindow window(def);
        comm::FramePanel* send = window.framePanel(FrameSide::Send);
        comm::FramePanel* recv = window.framePanel(FrameSide::Recv);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(send->fieldHexBox(k)->text(),
                     withValues ? comm::HexText(0x41 + k) : QString());
        QCOMPARE(send->fieldCharBox(1)->text(), withValues ? QStringLiteral("B") : QString());
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(send->rowNumber(r)->text(), QString::number(r + 1));
            QCOMPARE(send->dataHexBox(r)->text(), withValues ? comm::HexText(r * 30) : QString());
        }
        QVERIFY(send->scrollBar()->isEnabled());
        QCOMPARE(send->scrollBar()->maximum(), 2);
        QCOMPARE(recv->fieldHexBox(0)->text(), withValues ? QStringLiteral("0A") : QString());
        QCOMPARE(recv->fieldCharBox(0)->text(), withValues ? QStringLiteral("Φ") : QString());
        QCOMPARE(recv->fieldHexBox(1)->text(), QString());
    }

    void optionsRoundTrip_data() {
        QTest::addColumn<bool>("loopForever");
        QTest::addColumn<bool>("noDelay");
        QTest::addColumn<bool>("noWait");
        QTest::newRow("all first") << true << true << true;
        QTest::newRow("all second") << false << false << false;
        QTest::newRow("mixed") << false << true << false;
    }
    void optionsRoundTrip() {
        QFETCH(bool, loopForever);
        QFETCH(bool, noDelay);
        QFETCH(bool, noWait);
        CommDefinition def = newCommunication(3, {});
        DocumentWindow window(def);
        comm::CommOptions set;
        set.loopForever = loopForever;
        set.loopText = QStringLiteral("12");
        set.noDelay = noDelay;
        set.delayText = QStringLiteral("340");
        set.noWait = noWait;
        set.waitText = QStringLiteral("5000");
        window.setOptions(set);
        const comm::CommOptions got = window.options();
        QCOMPARE(got.loopForever, loopForever);
        QCOMPARE(got.noDelay, noDelay);
        QCOMPARE(got.noWait, noWait);
        QCOMPARE(got.loopText, set.loopText);
        QCOMPARE(got.delayText, set.delayText);
        QCOMPARE(got.waitText, set.waitText);
        QCOMPARE(child<QLineEdit>(window, "Text1")->isEnabled(), !loopForever);
        QCOMPARE(child<QLineEdit>(window, "Text2")->isEnabled(), !noDelay);
        QCOMPARE(child<QLineEdit>(window, "Text11")->isEnabled(), !noWait);
        QCOMPARE(child<QRadioButton>(window, "Option1_1")->isChecked(), !loopForever);
        QCOMPARE(child<QRadioButton>(window, "Option1_2")->isChecked(), !noDelay);
        QCOMPARE(child<QRadioButton>(window, "Option1_5")->isChecked(), !noWait);
    }

    void clickingOptionsSwitchesTheirBoxes() {
        CommDefinition def = newCommunication(3, {});
        DocumentWindow window(def);
        const struct {
            const char *on, *off, *box;
        } pairs[] = {{"Option1_1", "Option1_0", "Text1"},
                     {"Option1_2", "Option1_3", "Text2"},
                     {"Option1_5", "Option1_4", "Text11"}};
        for (const auto& pair : pairs) {
            QLineEdit* box = child<QLineEdit>(window, pair.box);
            child<QRadioButton>(window, pair.on)->click();
            QVERIFY(box->isEnabled());
            QVERIFY(!child<QRadioButton>(window, pair.off)->isChecked());
            child<QRadioButton>(window, pair.off)->click();
            QVERIFY(!box->isEnabled());
        }
        // The groups are independent: one choice never moves another group's option.
        child<QRadioButton>(window, "Option1_1")->click();
        QVERIFY(window.isOptionSelected(DocumentWindow::NoDelay));
        QVERIFY(window.isOptionSelected(DocumentWindow::NoWait));
    }

    void captions() {
        CommDefinition def = newCommunication(3, {});
        DocumentWindow window(def);
        QCOMPARE(window.groupCaption(0), QStringLiteral("3.循环通讯"));
        QCOMPARE(window.groupCaption(1), QStringLiteral("4.延迟"));
        QCOMPARE(window.groupCaption(2), QStringLiteral("5.接收最长等待时间"));
        QCOMPARE(child<QGroupBox>(window, "Frame1_2")->title(), window.groupCaption(2));
        QCOMPARE(window.optionCaption(DocumentWindow::WaitTime), QStringLiteral("等待"));
        QCOMPARE(child<QRadioButton>(window, "Option1_4")->text(),
                 QStringLiteral("不提示错误,直到收到数据"));
        QCOMPARE(window.frameCaption(FrameSide::Send), QStringLiteral("微机发送数据幀格式"));
        QCOMPARE(window.frameCaption(FrameSide::Recv), QStringLiteral("微机接收数据幀格式"));
        QCOMPARE(child<QLabel>(window, "Label12")->text(), QStringLiteral("更改设置"));
    }

    void optionBoxesTakeDigitsOnly() {
        int beeps = 0;
        comm::ui::SetBeepHandler([&beeps] { ++beeps; });
        CommDefinition def = newCommunication(3, {});
        DocumentWindow window(def);
        for (const char* name : {"Text1", "Text2", "Text11"}) {
            child<QRadioButton>(window, name == QLatin1String("Text1")   ? "Option1_1"
                                        : name == QLatin1String("Text2") ? "Option1_2"
                                                                         : "Option1_5")
                ->click();
            QLineEdit* box = child<QLineEdit>(window, name);
            QTest::keyClicks(box, "4x.5");
            QCOMPARE(box->text(), QStringLiteral("45"));
        }
        QCOMPARE(beeps, 6);
        QLineEdit* loop = child<QLineEdit>(window, "Text1");
        QTest::keyClicks(loop, "678");
        QCOMPARE(loop->text(), QStringLiteral("456"));
        comm::ui::SetBeepHandler({});
    }

    void pointerGivesFocusToEnabledBoxes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("enablingOption");
        QTest::newRow("loop count") << "Text1"
                                    << "Option1_1";
        QTest::newRow("delay") << "Text2"
                               << "Option1_2";
        QTest::newRow("wait") << "Text11"
                              << "Option1_5";
        QTest::newRow("send field byte") << "Text4_0" << QString();
        QTest::newRow("receive data character") << "Text9_0" << QString();
    }
    // Moving the pointer over an edit box gives it the focus, but only while it is enabled.
    void pointerGivesFocusToEnabledBoxes() {
        QFETCH(QString, box);
        QFETCH(QString, enablingOption);
        CommDefinition def = newCommunication(3, {1, 1, 1, 1, 1, 1, 1, 1});
        DocumentWindow window(def);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* target = child<QLineEdit>(window, box);
        auto* elsewhere = child<QComboBox>(window, "Combo1_0");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        if (!enablingOption.isEmpty()) {
            elsewhere->setFocus();
            QVERIFY(!target->isEnabled());
            QApplication::sendEvent(target, &enter);
            QVERIFY(elsewhere->hasFocus());
            child<QRadioButton>(window, enablingOption)->click();
        }
        elsewhere->setFocus();
        QVERIFY(target->isEnabled());
        QApplication::sendEvent(target, &enter);
        QVERIFY(target->hasFocus());
    }

    void settingsButtonLooksLikeAButton() {
        CommDefinition def = newCommunication(1, {});
        DocumentWindow window(def);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* button = child<comm::FlatTextButton>(window, "Label12");
        QList<QFrame*> lines;
        for (int i = 0; i < 4; ++i)
            lines << child<QFrame>(window, QStringLiteral("Line16_%1").arg(i));
        for (QFrame* line : lines) QVERIFY(line->isHidden());

        QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QApplication::sendEvent(button, &enter);
        for (QFrame* line : lines) QVERIFY(!line->isHidden());
        const QColor light = button->palette().color(QPalette::Base);
        QCOMPARE(button->lineColor(comm::FlatTextButton::Top), light);
        QCOMPARE(button->lineColor(comm::FlatTextButton::Right), QColor(Qt::black));
        // The lines frame the caption exactly.
        QCOMPARE(lines[2]->geometry().bottom(), button->height() - 1);
        QCOMPARE(lines[3]->geometry().right(), button->width() - 1);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        for (QFrame* line : lines) QVERIFY(line->isHidden());

        QTest::mousePress(button, Qt::LeftButton);
        QCOMPARE(button->lineColor(comm::FlatTextButton::Top), QColor(Qt::black));
        QCOMPARE(button->lineColor(comm::FlatTextButton::Left), QColor(Qt::black));
        QCOMPARE(button->lineColor(comm::FlatTextButton::Bottom), light);

        bool seen = false;
        whenSettingsDialogShows([](comm::SettingsDialog* d) { d->abandon(); }, &seen);
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(seen);
        for (QFrame* line : lines) QVERIFY(line->isHidden());
        QCOMPARE(button->lineColor(comm::FlatTextButton::Top), light);
        QCOMPARE(button->lineColor(comm::FlatTextButton::Bottom), QColor(Qt::black));
    }

    void abandoningTheSettingsDialogKeepsTheSettings() {
        CommDefinition def = newCommunication(3, {});
        DocumentWindow window(def);
        bool seen = false;
        whenSettingsDialogShows(
            [](comm::SettingsDialog* d) {
                d->list(comm::SettingsDialog::BaudList)->setCurrentText(QStringLiteral("110"));
                d->findChild<QPushButton*>("Command2")->click();
            },
            &seen);
        window.changePortSettings();
        QVERIFY(seen);
        QCOMPARE(def.CommSettings, QStringLiteral("9600,O,8,1"));
        QCOMPARE(def.CommSettingsText, QStringLiteral("9600,奇,8,1"));
        QCOMPARE(def.PortSettingIndex, (comm::SettingIndexes{6, 4, 1, 0}));
        QCOMPARE(window.settingsLine(), QStringLiteral("2.串口设置:9600,奇,8,1"));
    }

    void confirmingTheSettingsDialogChangesTheLine() {
        CommDefinition def = newCommunication(3, {});
        DocumentWindow window(def);
        bool seen = false;
        whenSettingsDialogShows(
            [](comm::SettingsDialog* d) {
                d->list(comm::SettingsDialog::BaudList)->setCurrentText(QStringLiteral("115200"));
                d->list(comm::SettingsDialog::ParityList)->setCurrentIndex(0);
                d->findChild<QPushButton*>("Command1")->click();
            },
            &seen);
        window.changePortSettings();
        QVERIFY(seen);
        QCOMPARE(def.CommSettings, QStringLiteral("115200,E,8,1"));
        QCOMPARE(window.settingsLine(), QStringLiteral("2.串口设置:115200,偶,8,1"));
        QCOMPARE(def.PortSettingIndex, (comm::SettingIndexes{12, 4, 0, 0}));
    }

    void monitorSettingsAreLeftAlone() {
        CommDefinition def = newCommunication(3, {});
        def.MonitorSettingsText = QStringLiteral("300,偶,5,2");
        DocumentWindow window(def);
        bool seen = false;
        QStringList shown;
        whenSettingsDialogShows(
            [&shown](comm::SettingsDialog* d) {
                shown << d->list(comm::SettingsDialog::BaudList)->currentText();
                d->confirm();
            },
            &seen);
        window.changePortSettings();
        QVERIFY(seen);
        QCOMPARE(shown, QStringList{"9600"});
        QCOMPARE(def.MonitorSettingsText, QStringLiteral("300,偶,5,2"));
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "test_documentwindow.moc"
