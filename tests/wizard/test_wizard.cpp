#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "commdefinition.h"
#include "linesettings.h"
#include "messages.h"
#include "spinbuttons.h"
#include "widgetdriver.h"
#include "wizard.h"
#include "wizardcounts.h"
#include "wizardkind.h"
#include "wizardsettings.h"

using namespace comm;

namespace {

template <typename T>
T* named(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    if (widget == nullptr) qWarning("no control %s", qPrintable(name));
    return widget;
}

void click(QAbstractButton* button) {
    QVERIFY(button != nullptr);
    QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces the whole text of a box by typing, the way a user does after the box selects itself.
void retype(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

}  // namespace

class TestWizard : public QObject {
    Q_OBJECT

    CommDefinition definition_;
    std::unique_ptr<NewCommWizard> wizard_;
    int documentsCreated_ = 0;
    int beeps_ = 0;
    QList<bool> finishedWith_;

    WizardKindStep* step1() const { return wizard_->kindStep(); }
    WizardCountsStep* step2() const { return wizard_->countsStep(); }
    WizardSettingsStep* step3() const { return wizard_->settingsStep(); }

    void goToStep2(int kind) {
        click(step1()->option(kind));
        click(named<QPushButton>(step1(), "NextButton"));
    }
    void goToStep3(int kind) {
        goToStep2(kind);
        click(named<QPushButton>(step2(), "NextButton"));
    }
    QToolButton* spinButton(FrameSide side, const char* field, const char* direction) const {
        auto* spin =
            named<SpinButtons>(step2(), QStringLiteral("%1Spin_%2").arg(field).arg(int(side)));
        return spin == nullptr ? nullptr : spin->findChild<QToolButton*>(QLatin1String(direction));
    }

private slots:
    void init() {
        definition_ = CommDefinition{};
        documentsCreated_ = 0;
        beeps_ = 0;
        finishedWith_.clear();
        ui::SetBeepHandler([this] { ++beeps_; });
        wizard_ = std::make_unique<NewCommWizard>(definition_, [this] { ++documentsCreated_; });
        connect(wizard_.get(), &NewCommWizard::finished, this,
                [this](bool created) { finishedWith_ << created; });
        wizard_->start();
        QVERIFY(QTest::qWaitForWindowExposed(step1()));
    }
    void cleanup() {
        wizard_.reset();
        ui::SetBeepHandler({});
    }

    void stepsCarryTheirNamesAndCaptions() {
        QCOMPARE(step1()->objectName(), QStringLiteral("Form1"));
        QCOMPARE(step1()->windowTitle(), QStringLiteral("建立通讯向导步骤一"));
        QCOMPARE(step2()->windowTitle(), QStringLiteral("建立通讯向导步骤二"));
        QCOMPARE(step3()->windowTitle(), QStringLiteral("建立通讯向导步骤三"));
        QVERIFY(step1()->isModal());
        QVERIFY(!step2()->isVisible());
        QVERIFY(!step3()->isVisible());
        QCOMPARE(named<QRadioButton>(step1(), "Option1_0")->text(),
                 QStringLiteral("发送数据后不向微机回送数据"));
        QVERIFY(named<QRadioButton>(step1(), "Option1_0")->isChecked());
        QCOMPARE(named<QPushButton>(step1(), "NextButton")->text(), QStringLiteral("下一步[&N]"));
        QCOMPARE(named<QPushButton>(step1(), "AbandonButton")->text(), QStringLiteral("放弃[&X]"));
    }

    void kindChoosesCommKindAndPanels_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("sendShown");
        QTest::addColumn<bool>("recvShown");
        QTest::newRow("send, no answer") << "Option1_0" << 1 << true << false;
        QTest::newRow("receive, no answer") << "Option1_1" << 2 << false << true;
        QTest::newRow("send, answer") << "Option2_0" << 3 << true << true;
        QTest::newRow("receive, answer") << "Option2_1" << 4 << true << true;
    }
    void kindChoosesCommKindAndPanels() {
        QFETCH(QString, option);
        QFETCH(int, kind);
        QFETCH(bool, sendShown);
        QFETCH(bool, recvShown);
        click(named<QRadioButton>(step1(), option));
        click(named<QPushButton>(step1(), "NextButton"));
        QCOMPARE(int(definition_.CommKind), kind);
        QVERIFY(!step1()->isVisible());
        QVERIFY(step2()->isVisible());
        QCOMPARE(named<QGroupBox>(step2(), "Frame1_0")->isVisible(), sendShown);
        QCOMPARE(named<QGroupBox>(step2(), "Frame1_1")->isVisible(), recvShown);
    }

    void fourOptionsAreOneChoice() {
        click(named<QRadioButton>(step1(), "Option2_1"));
        int checked = 0;
        for (int kind = 1; kind <= 4; ++kind) checked += step1()->option(kind)->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);
        QCOMPARE(step1()->kind(), 4);
    }

    void dataCountEnablesNext_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enabled");
        for (int side : {0, 1}) {
            const QByteArray s = side == 0 ? "send " : "receive ";
            QTest::newRow(s + "0") << side << "0" << false;
            QTest::newRow(s + "256") << side << "256" << false;
            QTest::newRow(s + "empty") << side << "" << false;
            QTest::newRow(s + "1") << side << "1" << true;
            QTest::newRow(s + "255") << side << "255" << true;
            QTest::newRow(s + "leading zero 007") << side << "007" << true;
            QTest::newRow(s + "000") << side << "000" << false;
        }
    }
    void dataCountEnablesNext() {
        QFETCH(int, side);
        QFETCH(QString, typed);
        QFETCH(bool, enabled);
        goToStep2(3);
        auto* box = named<QLineEdit>(step2(), QStringLiteral("Text1_%1").arg(side));
        auto* next = named<QPushButton>(step2(), "NextButton");
        QVERIFY(next->isEnabled());
        retype(box, typed);
        QCOMPARE(box->text(), typed);
        QCOMPARE(next->isEnabled(), enabled);
        QCOMPARE(beeps_, 0);
        // The other box spoils a valid count just as well.
        auto* other = named<QLineEdit>(step2(), QStringLiteral("Text1_%1").arg(1 - side));
        retype(other, QStringLiteral("0"));
        QVERIFY(!next->isEnabled());
        retype(other, QStringLiteral("12"));
        QCOMPARE(next->isEnabled(), enabled);
    }

    void disabledNextCannotBeForced() {
        goToStep2(1);
        retype(named<QLineEdit>(step2(), "Text1_0"), QString());
        wizard_->nextFromCounts();
        QVERIFY(step2()->isVisible());
        QVERIFY(!step3()->isVisible());
        QCOMPARE(definition_.FrameFieldCount, (std::array<qint16, 8>{}));
    }

    // A box the chosen kind hides cannot be mended on the step, so it must not hold Next back;
    // its frame keeps the initial data count.
    void hiddenBoxDoesNotHoldNextBack_data() {
        QTest::addColumn<int>("firstKind");
        QTest::addColumn<int>("spoiledSide");
        QTest::addColumn<QString>("spoiled");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("receive emptied, send only") << 3 << 1 << "" << 1 << true;
        QTest::newRow("send 0, receive only") << 4 << 0 << "0" << 2 << true;
        QTest::newRow("receive 256, send only") << 4 << 1 << "256" << 1 << true;
        QTest::newRow("receive emptied, both shown") << 3 << 1 << "" << 4 << false;
        QTest::newRow("send emptied, send only") << 3 << 0 << "" << 1 << false;
    }
    void hiddenBoxDoesNotHoldNextBack() {
        QFETCH(int, firstKind);
        QFETCH(int, spoiledSide);
        QFETCH(QString, spoiled);
        QFETCH(int, kind);
        QFETCH(bool, enabled);
        goToStep2(firstKind);
        retype(named<QLineEdit>(step2(), QStringLiteral("Text1_%1").arg(spoiledSide)), spoiled);
        click(named<QPushButton>(step2(), "BackButton"));
        goToStep2(kind);
        auto* next = named<QPushButton>(step2(), "NextButton");
        QCOMPARE(next->isEnabled(), enabled);
        if (!enabled) return;
        click(next);
        QVERIFY(step3()->isVisible());
        const int dataIndex = spoiledSide == 0 ? 1 : 5;
        QCOMPARE(int(definition_.FrameFieldCount[dataIndex]), 1);
        QCOMPARE(int(definition_.FrameFieldCount[6 - dataIndex]), 1);
    }

    void dataCountRefusesOtherKeysWithBeep_data() {
        QTest::addColumn<QString>("key");
        QTest::newRow("letter") << "a";
        QTest::newRow("minus") << "-";
        QTest::newRow("point") << ".";
        QTest::newRow("blank") << " ";
        QTest::newRow("full-width digit") << "１";
    }
    void dataCountRefusesOtherKeysWithBeep() {
        QFETCH(QString, key);
        goToStep2(1);
        auto* box = named<QLineEdit>(step2(), "Text1_0");
        retype(box, QStringLiteral("2"));
        TypeText(box, key);
        QCOMPARE(box->text(), QStringLiteral("2"));
        QCOMPARE(beeps_, 1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QCOMPARE(beeps_, 1);
    }

    void spinButtonsStayInRange_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::newRow("start up 3") << "Start"
                                    << "Up" << 3 << "3";
        QTest::newRow("start up past 10") << "Start"
                                          << "Up" << 13 << "10";
        QTest::newRow("start down below 0") << "Start"
                                            << "Down" << 2 << "0";
        QTest::newRow("check up 10") << "Check"
                                     << "Up" << 10 << "10";
        QTest::newRow("end up 11") << "End"
                                   << "Up" << 11 << "10";
        QTest::newRow("data down below 1") << "Data"
                                           << "Down" << 3 << "1";
        QTest::newRow("data up 4") << "Data"
                                   << "Up" << 4 << "5";
    }
    void spinButtonsStayInRange() {
        QFETCH(QString, field);
        QFETCH(QString, direction);
        QFETCH(int, clicks);
        QFETCH(QString, shown);
        goToStep2(3);
        for (FrameSide side : {FrameSide::Send, FrameSide::Recv}) {
            QToolButton* button = spinButton(side, qPrintable(field), qPrintable(direction));
            for (int i = 0; i < clicks; ++i) click(button);
            const QString text =
                field == QLatin1String("Data")
                    ? named<QLineEdit>(step2(), QStringLiteral("Text1_%1").arg(int(side)))->text()
                    : named<QLabel>(step2(), QStringLiteral("%1Count_%2").arg(field).arg(int(side)))
                          ->text();
            QCOMPARE(text, shown);
        }
    }

    void dataSpinStartsFromTypedCount() {
        goToStep2(1);
        auto* box = named<QLineEdit>(step2(), "Text1_0");
        retype(box, QStringLiteral("255"));
        click(spinButton(FrameSide::Send, "Data", "Up"));
        QCOMPARE(box->text(), QStringLiteral("255"));
        click(spinButton(FrameSide::Send, "Data", "Down"));
        QCOMPARE(box->text(), QStringLiteral("254"));
        retype(box, QString());
        QVERIFY(!named<QPushButton>(step2(), "NextButton")->isEnabled());
        click(spinButton(FrameSide::Send, "Data", "Up"));
        QCOMPARE(box->text(), QStringLiteral("1"));
        QVERIFY(named<QPushButton>(step2(), "NextButton")->isEnabled());
    }

    void finishWithInitialValues() {
        goToStep3(3);
        click(named<QPushButton>(step3(), "FinishButton"));
        QCOMPARE(definition_.PortSettingIndex, (SettingIndexes{6, 4, 1, 0}));
        QCOMPARE(definition_.CommSettings, QStringLiteral("9600,O,8,1"));
        QCOMPARE(definition_.CommSettingsText, QStringLiteral("9600,奇,8,1"));
        QCOMPARE(definition_.FrameFieldCount, (std::array<qint16, 8>{0, 1, 0, 0, 0, 1, 0, 0}));
        QCOMPARE(int(definition_.CommKind), 3);
        QCOMPARE(documentsCreated_, 1);
        QCOMPARE(finishedWith_, QList<bool>{true});
        QVERIFY(!step1()->isVisible());
        QVERIFY(!step2()->isVisible());
        QVERIFY(!step3()->isVisible());
        QVERIFY(!wizard_->isRunning());
    }

    void finishStoresListPositions_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("dataBits");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stopBits");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("settingsText");
        QTest::newRow("parity none") << 6 << 4 << 2 << 0 << "9600,N,8,1"
                                     << "9600,缺省,8,1";
        QTest::newRow("parity even") << 6 << 4 << 0 << 0 << "9600,E,8,1"
                                     << "9600,偶,8,1";
        QTest::newRow("first of every list") << 0 << 0 << 0 << 0 << "110,E,4,1"
                                             << "110,偶,4,1";
        QTest::newRow("last of every list") << 12 << 4 << 2 << 2 << "115200,N,8,2"
                                            << "115200,缺省,8,2";
        QTest::newRow("one and a half") << 7 << 3 << 1 << 1 << "14400,O,7,1.5"
                                        << "14400,奇,7,1.5";
    }
    void finishStoresListPositions() {
        QFETCH(int, baud);
        QFETCH(int, dataBits);
        QFETCH(int, parity);
        QFETCH(int, stopBits);
        QFETCH(QString, settings);
        QFETCH(QString, settingsText);
        goToStep3(1);
        const int wanted[4] = {baud, dataBits, parity, stopBits};
        for (int i = 0; i < 4; ++i) {
            // Picked by keyboard, as a user without a mouse would.
            auto* list = named<QComboBox>(step3(), QStringLiteral("Combo1_%1").arg(i));
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Home);
            for (int k = 0; k < wanted[i]; ++k) QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(list->currentIndex(), wanted[i]);
        }
        click(named<QPushButton>(step3(), "FinishButton"));
        QCOMPARE(definition_.PortSettingIndex, (SettingIndexes{qint16(baud), qint16(dataBits),
                                                               qint16(parity), qint16(stopBits)}));
        QCOMPARE(definition_.CommSettings, settings);
        QCOMPARE(definition_.CommSettingsText, settingsText);
    }

    void listsOfferTheFixedItems() {
        goToStep3(1);
        const QStringList parity = {QStringLiteral("偶校验"), QStringLiteral("奇校验"),
                                    QStringLiteral("缺省")};
        auto* parityList = named<QComboBox>(step3(), "Combo1_2");
        QVERIFY(!parityList->isEditable());
        QCOMPARE(parityList->count(), parity.size());
        for (int i = 0; i < parity.size(); ++i) QCOMPARE(parityList->itemText(i), parity[i]);
        QCOMPARE(named<QComboBox>(step3(), "Combo1_0")->count(), int(kBaudRates.size()));
        QCOMPARE(named<QComboBox>(step3(), "Combo1_0")->currentText(), QStringLiteral("9600"));
        QCOMPARE(named<QComboBox>(step3(), "Combo1_1")->currentText(), QStringLiteral("8"));
        QCOMPARE(named<QComboBox>(step3(), "Combo1_3")->currentText(), QStringLiteral("1"));
    }

    void backAndNextKeepValues() {
        goToStep2(4);
        for (int i = 0; i < 3; ++i) click(spinButton(FrameSide::Send, "Start", "Up"));
        click(spinButton(FrameSide::Recv, "End", "Up"));
        retype(named<QLineEdit>(step2(), "Text1_0"), QStringLiteral("20"));
        retype(named<QLineEdit>(step2(), "Text1_1"), QStringLiteral("9"));
        click(named<QPushButton>(step2(), "NextButton"));
        const std::array<qint16, 8> counts{3, 20, 0, 0, 0, 9, 0, 1};
        QCOMPARE(definition_.FrameFieldCount, counts);
        auto* parity = named<QComboBox>(step3(), "Combo1_2");
        parity->setCurrentIndex(2);

        click(named<QPushButton>(step3(), "BackButton"));
        QVERIFY(step2()->isVisible() && !step3()->isVisible());
        QCOMPARE(named<QLineEdit>(step2(), "Text1_0")->text(), QStringLiteral("20"));
        click(named<QPushButton>(step2(), "BackButton"));
        QVERIFY(step1()->isVisible() && !step2()->isVisible());
        QVERIFY(step1()->option(4)->isChecked());
        click(named<QPushButton>(step1(), "NextButton"));
        QVERIFY(named<QGroupBox>(step2(), "Frame1_1")->isVisible());
        click(named<QPushButton>(step2(), "NextButton"));
        QCOMPARE(parity->currentIndex(), 2);
        QCOMPARE(definition_.FrameFieldCount, counts);
        click(named<QPushButton>(step3(), "FinishButton"));
        QCOMPARE(definition_.FrameFieldCount, counts);
        QCOMPARE(int(definition_.CommKind), 4);
        QCOMPARE(definition_.CommSettings, QStringLiteral("9600,N,8,1"));
    }

    void hiddenPanelCountsAreStoredToo() {
        goToStep2(3);
        click(spinButton(FrameSide::Recv, "Check", "Up"));
        click(spinButton(FrameSide::Recv, "Check", "Up"));
        click(named<QPushButton>(step2(), "BackButton"));
        goToStep2(1);
        QVERIFY(!named<QGroupBox>(step2(), "Frame1_1")->isVisible());
        click(named<QPushButton>(step2(), "NextButton"));
        QCOMPARE(int(definition_.FrameFieldCount[6]), 2);
        QCOMPARE(int(definition_.CommKind), 1);
    }

    // The wizard stays where the user put it, and step two is no bigger than what it shows.
    void stepsOpenWhereThePreviousStood() {
        const QPoint first(137, 91);
        step1()->move(first);
        goToStep2(3);
        QCOMPARE(step2()->pos(), first);
        const int bothHigh = step2()->height();
        const QPoint moved(260, 180);
        step2()->move(moved);
        click(named<QPushButton>(step2(), "NextButton"));
        QCOMPARE(step3()->pos(), moved);
        click(named<QPushButton>(step3(), "BackButton"));
        QCOMPARE(step2()->pos(), moved);
        click(named<QPushButton>(step2(), "BackButton"));
        QCOMPARE(step1()->pos(), moved);
        goToStep2(1);
        QCOMPARE(step2()->pos(), moved);
        QVERIFY2(step2()->height() < bothHigh * 2 / 3,
                 qPrintable(QStringLiteral("%1 of %2").arg(step2()->height()).arg(bothHigh)));
    }

    void abandonCreatesNothing_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("byEscape");
        for (int step = 1; step <= 3; ++step) {
            QTest::addRow("step %d, button", step) << step << false;
            QTest::addRow("step %d, Escape", step) << step << true;
        }
    }
    void abandonCreatesNothing() {
        QFETCH(int, step);
        QFETCH(bool, byEscape);
        if (step >= 2) goToStep2(2);
        if (step >= 3) click(named<QPushButton>(step2(), "NextButton"));
        QDialog* const steps[] = {step1(), step2(), step3()};
        QDialog* current = steps[step - 1];
        QVERIFY(current->isVisible());
        if (byEscape)
            QTest::keyClick(current, Qt::Key_Escape);
        else
            click(named<QPushButton>(current, "AbandonButton"));
        QCOMPARE(documentsCreated_, 0);
        QCOMPARE(finishedWith_, QList<bool>{false});
        for (QDialog* s : steps) QVERIFY(!s->isVisible());
        // What an earlier Next wrote stays; settings are written by Finish only.
        QCOMPARE(int(definition_.CommKind), step >= 2 ? 2 : 0);
        QVERIFY(definition_.CommSettings.isEmpty());
        // A late button press of a closed wizard does nothing.
        wizard_->finish();
        QCOMPARE(documentsCreated_, 0);
        QCOMPARE(finishedWith_.size(), 1);
    }

    void pointerGivesFocusAndSelectsDataCount() {
        goToStep2(1);
        step2()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(step2()));
        auto* box = named<QLineEdit>(step2(), "Text1_0");
        retype(box, QStringLiteral("42"));
        named<QPushButton>(step2(), "NextButton")->setFocus();
        QVERIFY(!box->hasFocus());
        QTest::mouseMove(box);
        QTRY_VERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), QStringLiteral("42"));
        QTest::keyClicks(box, QStringLiteral("7"));
        QCOMPARE(box->text(), QStringLiteral("7"));
        // The click that follows the pointer in does not drop the cursor into the count.
        retype(box, QStringLiteral("42"));
        QTest::mouseMove(named<QPushButton>(step2(), "NextButton"));
        QTRY_VERIFY(!box->hasFocus());
        QTest::mouseMove(box);
        QTRY_VERIFY(box->hasFocus());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
        QTest::keyClicks(box, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("9"));
    }

    void pointerGivesFocusToStepButtons_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("button");
        QTest::newRow("step 1 next") << 1 << "NextButton";
        QTest::newRow("step 1 abandon") << 1 << "AbandonButton";
        QTest::newRow("step 2 back") << 2 << "BackButton";
        QTest::newRow("step 2 next") << 2 << "NextButton";
        QTest::newRow("step 2 abandon") << 2 << "AbandonButton";
        QTest::newRow("step 3 back") << 3 << "BackButton";
        QTest::newRow("step 3 finish") << 3 << "FinishButton";
        QTest::newRow("step 3 abandon") << 3 << "AbandonButton";
    }
    void pointerGivesFocusToStepButtons() {
        QFETCH(int, step);
        QFETCH(QString, button);
        if (step >= 2) goToStep2(3);
        if (step >= 3) click(named<QPushButton>(step2(), "NextButton"));
        QDialog* const steps[] = {step1(), step2(), step3()};
        QDialog* current = steps[step - 1];
        current->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(current));
        auto* target = named<QPushButton>(current, button);
        QVERIFY(target);
        current->setFocus();
        target->clearFocus();
        QVERIFY(!target->hasFocus());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(target, &enter);
        QVERIFY(target->hasFocus());
    }

    void markerRunsAlongTheGroupUnderThePointer() {
        QLabel* marker = step1()->marker();
        QCOMPARE(marker->text(), QStringLiteral("I"));
        QCOMPARE(step1()->markerGroup(), 1);
        const QPoint start = marker->pos();
        step1()->moveMarker();
        QVERIFY(marker->x() > start.x());
        QCOMPARE(marker->y(), start.y());
        // Back to the start once beyond the end of the course.
        int ticks = 1;
        while (marker->x() > start.x() && ticks < 100) {
            step1()->moveMarker();
            ++ticks;
        }
        QCOMPARE(marker->pos(), start);
        QCOMPARE(ticks, 19);

        QTest::mouseMove(named<QRadioButton>(step1(), "Option2_1"));
        QTRY_COMPARE(step1()->markerGroup(), 2);
        const QPoint start2 = marker->pos();
        QVERIFY(start2.y() > start.y());
        step1()->moveMarker();
        QVERIFY(marker->x() < start2.x());
        // Moving over the same group again does not restart the course.
        const QPoint moved = marker->pos();
        QTest::mouseMove(named<QRadioButton>(step1(), "Option1_1"));
        QCOMPARE(marker->pos(), moved);
    }

    void countHelpers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("leading");
        QTest::addColumn<bool>("dataCount");
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("0") << "0" << 0 << false;
        QTest::newRow("1") << "1" << 1 << true;
        QTest::newRow("255") << "255" << 255 << true;
        QTest::newRow("256") << "256" << 256 << false;
        QTest::newRow("blank around") << " 12 " << 12 << false;
        QTest::newRow("digits then text") << "12ab" << 12 << false;
        QTest::newRow("sign") << "-5" << 0 << false;
        QTest::newRow("too long") << "0001" << 1 << false;
    }
    void countHelpers() {
        QFETCH(QString, text);
        QFETCH(int, leading);
        QFETCH(bool, dataCount);
        QCOMPARE(LeadingNumber(text), leading);
        QCOMPARE(IsDataCount(text), dataCount);
    }
};

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
