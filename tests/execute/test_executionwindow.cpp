#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "executionwindow.h"
#include "linestatepanel.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "rundefs.h"
#include "runtext.h"
#include "virtualclock.h"

using comm::ExecutionWindow;
using comm::MemorySerialPort;
using comm::RunRequest;
using comm::ui::MessageIcon;

namespace {

// Image3's pictures the indicators copy.
constexpr int kReceivingPicture = 3;
constexpr int kIdlePicture = 4;

// The window with an in-memory port on a virtual clock, every box it shows recorded and
// answered. The boxes and the clock are declared first so that they outlive the window.
struct WindowRig {
    MessageRecorder boxes;
    comm::VirtualClock clock;
    MemorySerialPort* port = nullptr;
    std::unique_ptr<ExecutionWindow> window;

    explicit WindowRig(const RunRequest& request) {
        window = std::make_unique<ExecutionWindow>(request, MemoryPortFactory(&port), clock);
    }
    template <typename T>
    T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QPushButton* startStop() const { return find<QPushButton>(QStringLiteral("Command1")); }
    QPushButton* exitButton() const { return find<QPushButton>(QStringLiteral("Command2")); }
    QString text(const QString& name) const {
        if (auto* l = find<QLabel>(name)) return l->text();
        if (auto* e = find<QPlainTextEdit>(name)) return e->toPlainText();
        if (auto* e = find<QLineEdit>(name)) return e->text();
        return QStringLiteral("<no %1>").arg(name);
    }
    // Which of the three pictures (indexes 2, 3, 4) the indicator shows a copy of; 0 for none.
    int picture(int indicator) const {
        const auto image = [this](int index) {
            return find<QLabel>(QStringLiteral("Image3_%1").arg(index))->pixmap().toImage();
        };
        const QImage shown = image(indicator);
        for (int source = 2; source <= 4; ++source)
            if (image(source) == shown) return source;
        return 0;
    }
};

RunRequest request(int kind, const QString& loop = QString(), bool saved = true) {
    RunRequest r;
    r.definition = testdefs::make(kind, {0x7E, 0x7F}, {1, 2, 3}, {0xAA}, {0x0D}, {0, 2, 0, 0});
    r.options.loopForever = loop.isNull();
    r.options.loopText = loop;
    r.kindLine = QStringLiteral("1.接收数据后不向下位机回送数据");
    r.saved = saved;
    r.port = 3;
    return r;
}

}  // namespace

class ExecutionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void loadsWithItsElements();
    void notesBoxHoldsTheTwentyOneLines();
    void unsavedCommunicationIsRefused();
    void startStopCaptionsFollowTheRun();
    void countedSendRunShowsListingCounterAndIdlePicture();
    void receiveIndicatorFollowsFrames();
    void busyPortIsReportedAndTheWindowStaysIdle();
    void incompleteFrameIsReported();
    void timeoutQuestionIsAskedAndCancelEndsTheRun();
    void lineEventShowsItsMessageAndClosesTheWindow();
    void closingDuringARunReleasesThePort_data();
    void closingDuringARunReleasesThePort();
    void vanishedDeviceIsReportedAndTheWindowStaysOpen();
    void buttonsTakeTheFocusUnderThePointer();
    void lineStateShowsWhileThePortIsOpen();
};

// A device that cannot tell its line (a pseudo-terminal) shows 不可用 while the run holds the
// port open; a closed port shows no counts.
void ExecutionWindowTest::lineStateShowsWhileThePortIsOpen() {
    using Panel = comm::ui::LineStatePanel;
    WindowRig rig(request(2));
    auto* panel = rig.find<Panel>(QStringLiteral("LineState"));
    comm::LineState device;
    rig.port->injectLineState(device);
    QVERIFY(!panel->isEnabled());
    QCOMPARE(panel->counter(Panel::Framing)->text(), QStringLiteral("-"));
    QVERIFY(!panel->lampsNote()->isVisibleTo(panel));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QTRY_VERIFY(panel->isEnabled());
    QVERIFY(panel->lampsNote()->isVisibleTo(panel));
    QVERIFY(panel->errorsNote()->isVisibleTo(panel));
    QCOMPARE(panel->lampsNote()->text(), QStringLiteral("CTS DSR DCD RI: 不可用"));
    QCOMPARE(panel->errorsNote()->text(), QStringLiteral("线路错误: 不可用"));
    QVERIFY(!panel->lamp(Panel::Dsr)->isVisibleTo(panel));
    QVERIFY(!panel->counter(Panel::Break)->isVisibleTo(panel));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QTRY_VERIFY(!panel->isEnabled());
}

void ExecutionWindowTest::loadsWithItsElements() {
    WindowRig rig(request(2));
    QCOMPARE(rig.window->objectName(), QStringLiteral("Form7"));
    QCOMPARE(rig.window->windowTitle(), QStringLiteral("通讯执行窗口"));
    QVERIFY(rig.window->isModal());
    QCOMPARE(rig.text("Text4"), QStringLiteral("1.接收数据后不向下位机回送数据[9600,缺省,8,1]"));
    QCOMPARE(rig.startStop()->text(), QStringLiteral("开始执行[&S]"));
    QCOMPARE(rig.exitButton()->text(), QStringLiteral("退出"));
    QVERIFY(rig.exitButton()->isEnabled());
    QVERIFY(rig.text("Text2").isEmpty());
    QVERIFY(rig.text("Text3").isEmpty());
    for (int i = 0; i < 5; ++i)
        QVERIFY2(rig.find<QLabel>(QStringLiteral("Image3_%1").arg(i)),
                 qPrintable(QString::number(i)));
    QCOMPARE(rig.picture(0), kIdlePicture);
    QCOMPARE(rig.picture(1), kIdlePicture);
    for (const char* name : {"Label2", "Label3", "Label5"})
        QVERIFY(rig.find<QLabel>(QString::fromLatin1(name)));
    // The port is set up when the window loads, but not opened.
    QVERIFY(rig.port);
    QCOMPARE(rig.port->objectName(), QStringLiteral("MSComm1"));
    QCOMPARE(rig.port->commPort(), 3);
    QCOMPARE(rig.port->settings(), QStringLiteral("9600,N,8,1"));
    QCOMPARE(rig.port->inputMode(), 1);
    QCOMPARE(rig.port->openCount(), 0);
}

void ExecutionWindowTest::notesBoxHoldsTheTwentyOneLines() {
    WindowRig rig(request(1));
    const QStringList expected = {"1、当您的通讯是第一种或者第",
                                  "三种类型时，您必须先执行下",
                                  "位机的接收数据程序段，再执",
                                  "行本微机程序，即点击本窗体",
                                  "的开始执行按钮。",
                                  "2、当您的通讯是第二种或者第",
                                  "三四种类型时，您必须先执行",
                                  "本微机程序，再执行下微机的",
                                  "发送数据程序段。",
                                  "3、为了防止您通讯的数据丢失",
                                  "请您先运行接收数据端的程序",
                                  "再运行发送数据的端的程序，",
                                  "请您千万注意程序运行顺序，",
                                  "否则可能会出现错误。",
                                  "4、当程序在进行数据通讯时，",
                                  "请您务必不要试图关闭通讯执",
                                  "行窗口。",
                                  "5、在断开通讯时，请您先停止",
                                  "微机段程序，即先点击停止执",
                                  "行按钮。停止程序通讯执行，",
                                  "否则可能会出现错误。"};
    QCOMPARE(rig.text("Text1"), expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QVERIFY(rig.find<QPlainTextEdit>(QStringLiteral("Text1"))->isReadOnly());
}

void ExecutionWindowTest::unsavedCommunicationIsRefused() {
    WindowRig rig(request(1, QStringLiteral("3"), false));
    rig.find<QPlainTextEdit>(QStringLiteral("Text2"))->setPlainText(QStringLiteral("earlier"));
    rig.find<QLabel>(QStringLiteral("Label2"))->setText(QStringLiteral("9幀"));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QCOMPARE(rig.boxes.shown.size(), 1);
    QCOMPARE(rig.boxes.shown[0].text, QStringLiteral("请您先保存当前通讯，再执行！"));
    QCOMPARE(rig.boxes.shown[0].icon, MessageIcon::Exclamation);
    QVERIFY(!rig.boxes.shown[0].okCancel);
    QCOMPARE(rig.text("Text2"), QStringLiteral("earlier"));
    QCOMPARE(rig.text("Label2"), QStringLiteral("9幀"));
    QCOMPARE(rig.port->openCount(), 0);
    QCOMPARE(rig.startStop()->text(), comm::StartCaption());
}

void ExecutionWindowTest::startStopCaptionsFollowTheRun() {
    WindowRig rig(request(2));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QCOMPARE(rig.startStop()->text(), QStringLiteral("停止执行[&N]"));
    QVERIFY(!rig.exitButton()->isEnabled());
    QVERIFY(rig.port->portOpen());
    QCOMPARE(rig.text("Label5"), QStringLiteral("0秒"));
    rig.clock.advance(30);
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QCOMPARE(rig.startStop()->text(), QStringLiteral("开始执行[&S]"));
    QVERIFY(rig.exitButton()->isEnabled());
    QVERIFY(!rig.port->portOpen());
    QCOMPARE(rig.text("Label5"), QStringLiteral("0.03秒"));
    QVERIFY(rig.boxes.shown.isEmpty());
}

void ExecutionWindowTest::countedSendRunShowsListingCounterAndIdlePicture() {
    WindowRig rig(request(1, QStringLiteral("3")));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    rig.clock.advance(1000);
    QCOMPARE(rig.startStop()->text(), comm::StartCaption());
    QCOMPARE(rig.text("Label2"), QStringLiteral("3幀"));
    QCOMPARE(rig.text("Label3"), QStringLiteral("0幀"));
    QCOMPARE(rig.port->written().size(), 21);
    QCOMPARE(rig.text("Text2"),
             QStringLiteral("7E   起始位第: 1位\n7F   起始位第: 2位\n01   数据位第: 1位\n"
                            "02   数据位第: 2位\n03   数据位第: 3位\nAA   校验和第: 1位\n"
                            "0D   结束位第: 1位\n"));
    QCOMPARE(rig.picture(0), kIdlePicture);
    QVERIFY(rig.exitButton()->isEnabled());
}

void ExecutionWindowTest::receiveIndicatorFollowsFrames() {
    WindowRig rig(request(2));
    QList<int> pictures;
    QObject::connect(rig.window->engine(), &comm::RunEngine::receiveActivityChanged,
                     [&](comm::RunEngine::Activity) { pictures.append(rig.picture(1)); });
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    rig.port->inject(testdefs::bytes({0x11, 0x22, 0x33}));
    rig.clock.settle();
    QCOMPARE(pictures.size(), 2);
    QCOMPARE(pictures, (QList<int>{kReceivingPicture, kIdlePicture}));
    QCOMPARE(rig.text("Label3"), QStringLiteral("1幀"));
    QCOMPARE(rig.text("Text3"),
             QStringLiteral("\n第1幀\n11   数据位第: 1位\n22   数据位第: 2位\n"));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
}

void ExecutionWindowTest::busyPortIsReportedAndTheWindowStaysIdle() {
    WindowRig rig(request(2));
    rig.port->setBusy(true);
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QTRY_COMPARE(rig.boxes.shown.size(), 1);
    QCOMPARE(rig.boxes.shown[0].text, QStringLiteral("当前活动串口是非空闲串口！"));
    QCOMPARE(rig.boxes.shown[0].icon, MessageIcon::Exclamation);
    QCOMPARE(rig.startStop()->text(), comm::StartCaption());
    QVERIFY(rig.exitButton()->isEnabled());
    // Free again: the next start runs.
    rig.port->setBusy(false);
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QCOMPARE(rig.startStop()->text(), comm::StopCaption());
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
}

void ExecutionWindowTest::incompleteFrameIsReported() {
    RunRequest r = request(1, QStringLiteral("1"));
    r.definition.SendDataBytes[1] = comm::kNotEntered;
    WindowRig rig(r);
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QTRY_COMPARE(rig.boxes.shown.size(), 1);
    QCOMPARE(rig.boxes.shown[0].text,
             QStringLiteral("您输入的数据不完整，请检查输入完整后重新执行！"));
    QCOMPARE(rig.boxes.shown[0].icon, MessageIcon::Exclamation);
    QCOMPARE(rig.text("Text2").count(QLatin1Char('\n')), 6);
    QCOMPARE(rig.port->openCount(), 0);
}

void ExecutionWindowTest::timeoutQuestionIsAskedAndCancelEndsTheRun() {
    RunRequest r = request(2);
    r.options.noWait = false;
    r.options.waitText = QStringLiteral("100");
    WindowRig rig(r);
    rig.boxes.answer = false;
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    rig.clock.advance(99);
    QVERIFY(rig.boxes.shown.isEmpty());
    rig.clock.advance(1);
    QCOMPARE(rig.boxes.shown.size(), 1);
    QCOMPARE(rig.boxes.shown[0].text,
             QStringLiteral("超过最大接收数据时间，请检查您的发送程序，继续吗？"));
    QCOMPARE(rig.boxes.shown[0].icon, MessageIcon::Critical);
    QVERIFY(rig.boxes.shown[0].okCancel);
    rig.clock.settle();
    QCOMPARE(rig.startStop()->text(), comm::StartCaption());
    QVERIFY(!rig.port->portOpen());
    QCOMPARE(rig.text("Label5"), QStringLiteral("0.1秒"));
}

void ExecutionWindowTest::lineEventShowsItsMessageAndClosesTheWindow() {
    WindowRig rig(request(2));
    rig.window->show();
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QVERIFY(rig.port->portOpen());
    rig.port->injectEvent(1004);
    QTRY_COMPARE(rig.boxes.shown.size(), 1);
    QCOMPARE(rig.boxes.shown[0].text, QStringLiteral("Framing Error"));
    QCOMPARE(rig.boxes.shown[0].icon, MessageIcon::Critical);
    QTRY_VERIFY(!rig.window->isVisible());
    QVERIFY(!rig.port->portOpen());
    QVERIFY(!rig.window->engine()->isRunning());
}

void ExecutionWindowTest::closingDuringARunReleasesThePort_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("close()") << 0;
    QTest::newRow("Escape") << 1;
}

void ExecutionWindowTest::closingDuringARunReleasesThePort() {
    QFETCH(int, how);
    WindowRig rig(request(1));
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    rig.clock.advance(100);
    QVERIFY(rig.window->engine()->sentCount() > 0);
    if (how == 0)
        rig.window->close();
    else
        QTest::keyClick(rig.window.get(), Qt::Key_Escape);
    QVERIFY(!rig.window->isVisible());
    QVERIFY(!rig.port->portOpen());
    QVERIFY(!rig.window->engine()->isRunning());
    const QByteArray written = rig.port->written();
    rig.clock.advance(1000);
    QCOMPARE(rig.port->written(), written);
    QVERIFY(rig.boxes.shown.isEmpty());
}

void ExecutionWindowTest::vanishedDeviceIsReportedAndTheWindowStaysOpen() {
    WindowRig rig(request(2));
    rig.window->show();
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    rig.port->vanish(QStringLiteral("USB adapter unplugged"));
    QTRY_COMPARE(rig.boxes.shown.size(), 1);
    QVERIFY(rig.boxes.shown[0].text.contains(QStringLiteral("USB adapter unplugged")));
    QCOMPARE(rig.boxes.shown[0].icon, MessageIcon::Critical);
    QCOMPARE(rig.startStop()->text(), comm::StartCaption());
    QVERIFY(rig.exitButton()->isEnabled());
    QVERIFY(rig.window->isVisible());
}

void ExecutionWindowTest::buttonsTakeTheFocusUnderThePointer() {
    WindowRig rig(request(2));
    rig.window->show();
    rig.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(rig.exitButton(), &enter);
    QVERIFY(rig.exitButton()->hasFocus());
    QApplication::sendEvent(rig.startStop(), &enter);
    QVERIFY(rig.startStop()->hasFocus());
    // During a run the exit button is disabled and leaves the focus where it is.
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
    QVERIFY(!rig.exitButton()->isEnabled());
    QApplication::sendEvent(rig.exitButton(), &enter);
    QVERIFY(rig.startStop()->hasFocus());
    QTest::mouseClick(rig.startStop(), Qt::LeftButton);
}

QTEST_MAIN(ExecutionWindowTest)
#include "test_executionwindow.moc"
