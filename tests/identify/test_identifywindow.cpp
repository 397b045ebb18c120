// The identification window (Form12) on an in-memory port and the virtual clock: its controls and
// texts, a whole identification of a device at 19200,O,7,1, the stop, the failures and closing.
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "evidence.h"
#include "holdpanestarter.h"
#include "identifypictures.h"
#include "identifywindow.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "settingsidentifier.h"
#include "virtualclock.h"

using comm::IdentifyWindow;
using comm::MemorySerialPort;
using comm::ui::MessageIcon;

namespace {

const QString kEnd = QStringLiteral("自动识别过程完毕,可能的设置有:%1个");

class RecordingStarter : public comm::HoldpaneStarter {
public:
    explicit RecordingStarter(int* starts, bool fail) : starts_(starts), fail_(fail) {}
    bool start(QString* error) override {
        ++*starts_;
        if (fail_) *error = QStringLiteral("/nowhere/Holdpane");
        return !fail_;
    }

private:
    int* starts_;
    bool fail_;
};

// The window with an in-memory port on port 3; every box it shows is recorded and answered.
// The boxes and the clock are declared first so that they outlive the window.
struct WindowRig {
    MessageRecorder boxes;
    comm::VirtualClock clock;
    MemorySerialPort* port = nullptr;
    int holdpaneStarts = 0;
    std::unique_ptr<IdentifyWindow> window;

    explicit WindowRig(bool holdpaneFails = false) {
        window = std::make_unique<IdentifyWindow>(
            3, MemoryPortFactory(&port), clock,
            std::make_unique<RecordingStarter>(&holdpaneStarts, holdpaneFails));
        window->show();
    }
    template <typename T>
    T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QString text(const char* name) const {
        if (auto* l = find<QLabel>(QLatin1String(name))) return l->text();
        if (auto* b = find<QPushButton>(QLatin1String(name))) return b->text();
        return QStringLiteral("<no %1>").arg(QLatin1String(name));
    }
    QPushButton* startStop() const { return find<QPushButton>(QStringLiteral("Command1")); }
    QPushButton* exitButton() const { return find<QPushButton>(QStringLiteral("Command3")); }
    QTreeWidget* results() const { return find<QTreeWidget>(QStringLiteral("ListView1")); }
    QProgressBar* progress() const { return find<QProgressBar>(QStringLiteral("ProgressBar1")); }
    // The lamp shows a copy of Image2 index 2 (open) or 1 (closed); 0 for neither.
    int lamp() const {
        const auto image = [this](int i) {
            return find<QLabel>(QStringLiteral("Image2_%1").arg(i))->pixmap().toImage();
        };
        const QImage shown = image(0);
        return shown == image(2) ? 2 : shown == image(1) ? 1 : 0;
    }
    void runOut() {
        for (int guard = 0; window->engine()->isRunning() && guard < 10000; ++guard)
            clock.advance(1000);
    }
};

}  // namespace

class TestIdentifyWindow : public QObject {
    Q_OBJECT
private slots:
    void loadsWithItsControls() {
        WindowRig rig;
        QCOMPARE(rig.window->objectName(), QStringLiteral("Form12"));
        QCOMPARE(rig.window->windowTitle(), QStringLiteral("自动识别串口设置"));
        QVERIFY(rig.window->isModal());
        const QList<QStringList> entries = {
            {"115200", "57600", "28800", "19200", "14400", "9600", "4800", "2400", "1200"},
            {"E", "O"},
            {"6", "7", "8"},
            {"1"}};
        for (int i = 0; i < 4; ++i) {
            auto* combo = rig.find<QComboBox>(QStringLiteral("Combo%1").arg(i + 1));
            QVERIFY(combo);
            QStringList items;
            for (int j = 0; j < combo->count(); ++j) items << combo->itemText(j);
            QCOMPARE(items, entries[i]);
        }
        QCOMPARE(rig.text("Command1"), QStringLiteral("开始识别"));
        QCOMPARE(rig.text("Command3"), QStringLiteral("退出[&X]"));
        QCOMPARE(rig.text("Label1_0"), QStringLiteral("当前设置:"));
        QCOMPARE(rig.text("Label1_2"), QStringLiteral("识别进程:"));
        QCOMPARE(rig.text("Label1_1"), QStringLiteral("可能的串口设置(仅供参考):"));
        QCOMPARE(rig.text("Label1_3"), QStringLiteral("串口状态:"));
        QCOMPARE(rig.text("Label2"),
                 QStringLiteral("1、o为奇校验、e为偶校验  2、波特率大的可能性比较大，"
                                "波特率小的可能性比较小"));
        QTreeWidgetItem* header = rig.results()->headerItem();
        QCOMPARE(header->text(0), QStringLiteral("可能的设置"));
        QCOMPARE(header->text(1), QStringLiteral("接收的数据(十六进制)"));
        QCOMPARE(rig.lamp(), 1);
        QVERIFY(rig.find<QLabel>(QStringLiteral("Image2_1"))->pixmap().toImage() !=
                rig.find<QLabel>(QStringLiteral("Image2_2"))->pixmap().toImage());
        QCOMPARE(rig.port->objectName(), QStringLiteral("MSComm1"));
        QCOMPARE(rig.port->commPort(), 3);
        QCOMPARE(rig.port->inputMode(), 1);
        QCOMPARE(rig.port->inputLen(), 1);
        QCOMPARE(rig.port->openCount(), 0);
    }

    // The acceptance: a device at 19200,O,7,1 sending text; the UART model's errors drop every
    // other candidate at once, and only its own settings are listed and ranked first.
    void identifiesADeviceAt19200O71() {
        WindowRig rig;
        const QByteArray gga("$GPGGA,123519,4807.038,N*47\r\n");
        const QByteArray temperature("T=21.5C\r\n");
        MemoryDevice device(*rig.port, rig.clock);
        device.sendBursts(QStringLiteral("19200,O,7,1"), {gga, temperature}, 100);
        rig.startStop()->click();
        QCOMPARE(rig.text("Command1"), QStringLiteral("结束识别"));
        QVERIFY(!rig.exitButton()->isEnabled());
        QCOMPARE(rig.text("Label1_0"), QStringLiteral("当前设置: 115200,E,6,1"));
        QCOMPARE(rig.lamp(), 2);
        QCOMPARE(rig.progress()->maximum(), 54);
        rig.clock.advance(100);  // the next burst brings the first candidate its errors
        QCOMPARE(rig.progress()->value(), 1);
        QCOMPARE(rig.text("Label1_2"), QStringLiteral("识别进程: 1%"));

        rig.runOut();
        QCOMPARE(rig.boxes.texts(), QStringList{kEnd.arg(1)});
        QCOMPARE(rig.boxes.shown.first().icon, MessageIcon::Information);
        QCOMPARE(rig.results()->topLevelItemCount(), 1);
        QTreeWidgetItem* item = rig.results()->topLevelItem(0);
        QCOMPARE(item->text(0), QStringLiteral("19200,O,7,1"));
        const QStringList records = {comm::RecordText(gga.left(10)),
                                     comm::RecordText(temperature + gga.left(1))};
        QVERIFY2(records.contains(item->text(1)), qPrintable(item->text(1)));
        QVERIFY(item->text(2).contains(QStringLiteral("可读 100%")));
        QVERIFY(item->font(0).bold());
        QCOMPARE(item->icon(0).pixmap(16).toImage(),
                 QIcon(comm::CandidatePicture(true)).pixmap(16).toImage());
        QCOMPARE(rig.text("Verdict"), QStringLiteral("最可能的设置: 19200,O,7,1"));
        QCOMPARE(rig.window->engine()->ranking(), QList<int>{0});

        QCOMPARE(rig.text("Command1"), QStringLiteral("开始识别"));
        QVERIFY(rig.exitButton()->isEnabled());
        QCOMPARE(rig.text("Label1_0"), QStringLiteral("当前设置:"));
        QCOMPARE(rig.text("Label1_2"), QStringLiteral("识别进程:"));
        QCOMPARE(rig.progress()->value(), 0);
        QCOMPARE(rig.lamp(), 1);
        QVERIFY(!rig.port->portOpen());
        QCOMPARE(rig.holdpaneStarts, 54);
        // The lists show the last candidate tried.
        QCOMPARE(rig.find<QComboBox>(QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral("1200"));
        QCOMPARE(rig.find<QComboBox>(QStringLiteral("Combo3"))->currentText(), QStringLiteral("8"));
    }

    void stopDuringTheThirdCandidate() {
        WindowRig rig;
        rig.startStop()->click();
        rig.clock.advance(100);
        rig.port->inject("AB\r");
        rig.clock.advance(10000);
        rig.port->injectEvent(comm::SerialPort::ErFrame);
        rig.clock.advance(1000);
        QCOMPARE(rig.text("Label1_0"), QStringLiteral("当前设置: 115200,E,8,1"));
        rig.port->inject("C");
        rig.startStop()->click();
        QCOMPARE(rig.boxes.texts(),
                 (QStringList{QStringLiteral("自动识别过程用户中断!!!"), kEnd.arg(1)}));
        QCOMPARE(rig.boxes.shown.first().icon, MessageIcon::Information);
        QCOMPARE(rig.results()->topLevelItemCount(), 1);
        QCOMPARE(rig.results()->topLevelItem(0)->text(1), QStringLiteral("41 42 0D "));
        QCOMPARE(rig.progress()->value(), 0);
        QCOMPARE(rig.text("Label1_2"), QStringLiteral("识别进程:"));
        QCOMPARE(rig.text("Command1"), QStringLiteral("开始识别"));
        QVERIFY(!rig.port->portOpen());
        QCOMPARE(rig.port->openCount(), 3);
    }

    void failuresShowTheirMessageAndCloseTheWindow_data() {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("message");
        QTest::newRow("busy port") << true << "当前活动串口是非空闲串口！";
        QTest::newRow("no Holdpane") << false << "无法启动Holdpane程序：/nowhere/Holdpane";
    }
    void failuresShowTheirMessageAndCloseTheWindow() {
        QFETCH(bool, busy);
        QFETCH(QString, message);
        WindowRig rig(!busy);
        rig.port->setBusy(busy);
        rig.startStop()->click();
        QCOMPARE(rig.boxes.texts(), QStringList{message});
        QCOMPARE(rig.boxes.shown.first().icon, MessageIcon::Exclamation);
        QVERIFY(!rig.window->isVisible());
        QVERIFY(!rig.port->portOpen());
        QVERIFY(!rig.window->engine()->isRunning());
    }

    void closingWhileIdentifyingEndsTheRunAndClosesThePort() {
        WindowRig rig;
        rig.startStop()->click();
        rig.clock.advance(3000);
        QVERIFY(rig.port->portOpen());
        rig.window->close();
        QVERIFY(!rig.port->portOpen());
        QVERIFY(!rig.window->engine()->isRunning());
        QCOMPARE(rig.clock.activeTimers(), 0);
        QVERIFY(rig.boxes.shown.isEmpty());
    }

    // Told in the window, so nothing waits for a box to be read; the verdict names nothing.
    void aPortThatCannotReportErrorsIsToldInTheWindow() {
        WindowRig rig;
        auto* notice = rig.find<QLabel>(QStringLiteral("ErrorsUnreported"));
        QVERIFY(notice && notice->isHidden());
        rig.port->setReportsLineErrors(false);
        rig.startStop()->click();
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().startsWith(QStringLiteral("当前串口无法报告线路差错")));
        rig.clock.advance(100);
        rig.port->inject("T=21.5C\r\n");
        rig.clock.advance(19900);
        rig.startStop()->click();
        QCOMPARE(rig.boxes.texts(),
                 (QStringList{QStringLiteral("自动识别过程用户中断!!!"), kEnd.arg(1)}));
        QVERIFY(rig.results()->topLevelItem(0)->text(2).contains(QStringLiteral("线路差错 不详")));
        QVERIFY(!rig.results()->topLevelItem(0)->font(0).bold());
        rig.port->setReportsLineErrors(true);
        rig.startStop()->click();
        QVERIFY(notice->isHidden());
    }

    // Escape would close the window and lose the run: it does nothing until the run is over.
    void escapeDoesNothingWhileIdentifying() {
        WindowRig rig;
        rig.startStop()->click();
        rig.clock.advance(3000);
        QTest::keyClick(rig.window.get(), Qt::Key_Escape);
        QVERIFY(rig.window->isVisible());
        QVERIFY(rig.window->engine()->isRunning());
        QVERIFY(rig.port->portOpen());
        rig.startStop()->click();
        QVERIFY(!rig.window->engine()->isRunning());
        QTest::keyClick(rig.window.get(), Qt::Key_Escape);
        QVERIFY(!rig.window->isVisible());
    }
};

QTEST_MAIN(TestIdentifyWindow)
#include "test_identifywindow.moc"
