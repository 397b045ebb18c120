#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "daxfile.h"
#include "filebytes.h"
#include "linestatepanel.h"
#include "logsaving.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "monitorcanvas.h"
#include "monitorcapture.h"
#include "monitordialogs.h"
#include "monitorwindow.h"
#include "randombytes.h"
#include "recordingcontrol.h"
#include "serialsettings.h"
#include "virtualclock.h"

using namespace comm;
using comm::monitor::MonitorCanvas;

// Drives a real monitor window over an in-memory port; storage and colour dialogs and message
// boxes are answered by the test.
class TestMonitorWindow : public QObject {
    Q_OBJECT
    CommDefinition def_;
    MessageRecorder boxes_;
    std::unique_ptr<QWidget> mainWindow_;
    VirtualClock clock_;
    std::unique_ptr<MonitorWindow> window_;
    MemorySerialPort* port_ = nullptr;
    QString chosenFile_;
    int fileDialogs_ = 0;
    QTemporaryDir dir_;

    template <typename T>
    T* child(const QString& name) {
        T* widget = window_->findChild<T*>(name);
        if (!widget) qFatal("no %s in the monitor window", qPrintable(name));
        return widget;
    }
    QString text(const QString& label) { return child<QLabel>(label)->text(); }
    void click(const QString& button) {
        QPushButton* b = child<QPushButton>(button);
        QVERIFY2(b->isEnabled(), qPrintable(button + " is disabled"));
        QTest::mouseClick(b, Qt::LeftButton);
    }
    MonitorCanvas* canvas() { return child<MonitorCanvas>(QStringLiteral("Picture1")); }
    QScrollBar* scroll() { return child<QScrollBar>(QStringLiteral("VScroll1")); }
    void feed(const QByteArray& bytes) {
        port_->inject(bytes);
        QTRY_COMPARE_WITH_TIMEOUT(port_->inBufferCount(), 0, 10000);
        QCoreApplication::sendPostedEvents();
    }
    void key(int k) { QTest::keyClick(canvas(), Qt::Key(k)); }
    int topShown() { return text(QStringLiteral("Label2_0")).left(4).toInt(); }
    void openWindow(int activePort = 1) {
        window_ = std::make_unique<MonitorWindow>(
            def_, activePort,
            [this]() {
                auto port = std::make_unique<MemorySerialPort>();
                port_ = port.get();
                return std::unique_ptr<SerialPort>(std::move(port));
            },
            clock_, mainWindow_.get());
        window_->show();
    }
    // Listens, takes the bytes, stops.
    void capture(const QByteArray& bytes) {
        click(QStringLiteral("Command1"));
        feed(bytes);
        click(QStringLiteral("Command1"));
        QVERIFY(!window_->capture().listening());
    }
    QString path(const QString& name) { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        monitor::SetStorageFileChooser([this] {
            ++fileDialogs_;
            return chosenFile_;
        });
    }
    void cleanupTestCase() {
        monitor::SetStorageFileChooser({});
        monitor::SetColourChooser({});
    }
    void init() {
        def_ = CommDefinition();
        def_.MonitorSettings = QStringLiteral("9600,O,8,1");
        def_.MonitorSettingsText = QStringLiteral("9600,奇,8,1");
        boxes_.clear();
        chosenFile_.clear();
        fileDialogs_ = 0;
        mainWindow_ = std::make_unique<QWidget>();
        mainWindow_->show();
        openWindow();
    }
    void cleanup() {
        window_.reset();
        mainWindow_.reset();
    }

    // Recording, when asked, keeps every byte past the capture's limit, in the log format too.
    void recordsBesideTheCapture() {
        const QString file = path(QStringLiteral("whole.log"));
        ui::RecordingControl::setFileChooser([&](const QString& suggested) {
            return suggested == QStringLiteral("监听记录.log") ? file : QString();
        });
        child<QComboBox>(QStringLiteral("RecordFormat"))->setCurrentIndex(1);
        click(QStringLiteral("Record"));
        ui::RecordingControl::setFileChooser({});
        QVERIFY(text(QStringLiteral("RecordPath")).contains(QStringLiteral("whole.log")));
        clock_.advance(2000);
        capture(QByteArray(monitor::kCaptureLimit, 'x') + "\x0D\x0A");
        click(QStringLiteral("Record"));
        QCOMPARE(window_->capture().count(), monitor::kCaptureLimit);
        const QList<QByteArray> lines = ReadWholeFile(file).trimmed().split('\n');
        QCOMPARE(lines.value(0), QByteArray("# 监听活动串口 9600,奇,8,1"));
        QVERIFY(lines.last().startsWith("     0.000 RX 78 78"));
        QVERIFY(lines.last().endsWith(" 78 0D 0A"));
        QVERIFY(boxes_.shown.isEmpty());
    }

    void initialState() {
        window_.reset();
        openWindow(2);
        QCOMPARE(window_->windowTitle(), QStringLiteral("监听活动串口"));
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("串口二未打开\n9600,奇,8,1"));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("初始状态\n共收到 : 0个"));
        QVERIFY(text(QStringLiteral("Label2_0")).isEmpty());
        QVERIFY(text(QStringLiteral("Label2_1")).isEmpty());
        const QString header = QStringLiteral(
            "  01  02  03  04  05  06  07  08  09  10  11  12  13  14  15  16  17  18  19  20  ");
        QCOMPARE(text(QStringLiteral("Label1_0")), header);
        QCOMPARE(text(QStringLiteral("Label1_1")), header);
        QCOMPARE(child<QGroupBox>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("   控制面板   "));
        QVERIFY(child<QRadioButton>(QStringLiteral("Option2"))->isChecked());
        QCOMPARE(child<QRadioButton>(QStringLiteral("Option2"))->text(),
                 QStringLiteral("十六进制"));
        QCOMPARE(child<QRadioButton>(QStringLiteral("Option1"))->text(), QStringLiteral("ASC"));
        QCOMPARE(scroll()->maximum(), 0);
        QCOMPARE(child<QLabel>(QStringLiteral("Image1"))->pixmap().toImage(),
                 child<QLabel>(QStringLiteral("Image2"))->pixmap().toImage());
        // The lamp's two pictures tell the states apart.
        QVERIFY(child<QLabel>(QStringLiteral("Image2"))->pixmap().toImage() !=
                child<QLabel>(QStringLiteral("Image3"))->pixmap().toImage());
        const QStringList captions = {"开始监听", "钉在前面", "退出",    "背景颜色",
                                      "存储数据", "通讯设置", "导入数据"};
        const QStringList names = {"Command1", "Command2", "Command3", "Command4",
                                   "Command6", "Command7", "Command8"};
        for (int i = 0; i < names.size(); ++i) {
            QCOMPARE(child<QPushButton>(names[i])->text(), captions[i]);
            QVERIFY(child<QPushButton>(names[i])->isEnabled());
        }
        QVERIFY(!port_->portOpen());
        QCOMPARE(port_->commPort(), 2);
    }

    void startAndStop() {
        click(QStringLiteral("Command1"));
        QVERIFY(port_->portOpen());
        QCOMPARE(port_->settings(), QStringLiteral("9600,O,8,1"));
        QCOMPARE(child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("结束监听"));
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("串口一已打开\n9600,奇,8,1"));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("监听状态\n共收到 : 0个"));
        QCOMPARE(child<QLabel>(QStringLiteral("Image1"))->pixmap().toImage(),
                 child<QLabel>(QStringLiteral("Image3"))->pixmap().toImage());
        for (const char* name : {"Command3", "Command4", "Command6", "Command7", "Command8"})
            QVERIFY(!child<QPushButton>(name)->isEnabled());
        QVERIFY(child<QPushButton>(QStringLiteral("Command2"))->isEnabled());

        feed(RandomBytes(250, 1));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("监听状态\n共收到 : 250个"));
        QCOMPARE(scroll()->maximum(), 13);

        click(QStringLiteral("Command1"));
        QVERIFY(!port_->portOpen());
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("初始状态\n共收到 : 250个"));
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("串口一未打开\n9600,奇,8,1"));
        QCOMPARE(child<QLabel>(QStringLiteral("Image1"))->pixmap().toImage(),
                 child<QLabel>(QStringLiteral("Image2"))->pixmap().toImage());
        for (const char* name : {"Command3", "Command4", "Command6", "Command7", "Command8"})
            QVERIFY(child<QPushButton>(name)->isEnabled());
        QCOMPARE(window_->capture().count(), 250);
        QVERIFY(boxes_.shown.isEmpty());
        QVERIFY(port_->written().isEmpty());
    }

    void startEmptiesTheView() {
        capture(RandomBytes(90, 2));
        QCOMPARE(canvas()->lines().size(), 5);
        click(QStringLiteral("Command1"));
        QVERIFY(canvas()->lines().isEmpty());
        QCOMPARE(canvas()->ruleCount(), 0);
        QVERIFY(text(QStringLiteral("Label2_1")).isEmpty());
        QCOMPARE(scroll()->maximum(), 0);
        QCOMPARE(window_->capture().count(), 0);
    }

    void busyPortLeavesTheWindowIdle() {
        port_->setBusy(true);
        click(QStringLiteral("Command1"));
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("当前活动串口是非空闲串口！"));
        // Below it, the device and why it could not be opened.
        QVERIFY(boxes_.shown[0].detail.contains(QStringLiteral("正被其他程序")));
        QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Exclamation);
        QCOMPARE(child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("开始监听"));
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("串口一未打开\n9600,奇,8,1"));
        QVERIFY(child<QPushButton>(QStringLiteral("Command3"))->isEnabled());
        port_->setBusy(false);
        click(QStringLiteral("Command1"));
        QVERIFY(port_->portOpen());
    }

    void vanishedPortStopsAndKeepsTheCapture() {
        click(QStringLiteral("Command1"));
        const QByteArray bytes = RandomBytes(130, 3);
        feed(bytes);
        port_->vanish(QStringLiteral("unplugged"));
        QTRY_COMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("当前活动串口是非空闲串口！"));
        QVERIFY(boxes_.shown[0].detail.contains(QStringLiteral("unplugged")));
        QCOMPARE(child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("开始监听"));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("初始状态\n共收到 : 130个"));
        QVERIFY(child<QPushButton>(QStringLiteral("Command6"))->isEnabled());
        QCOMPARE(window_->capture().capture(), bytes);
    }

    void reconnectBoxKeepsListeningThroughTheGap() {
        auto* box = child<QCheckBox>(QStringLiteral("Reconnect"));
        QVERIFY(!window_->capture().reconnect());
        box->setChecked(true);
        QVERIFY(window_->capture().reconnect());
        click(QStringLiteral("Command1"));
        port_->vanish(QStringLiteral("unplugged"));
        QTRY_VERIFY(window_->capture().waitingForDevice());
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("结束监听"));
    }

    void captureLimitInTheCountLabel() {
        click(QStringLiteral("Command1"));
        feed(RandomBytes(33000, 4));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("监听状态\n共收到 : 32767个"));
        feed(RandomBytes(500, 5));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("监听状态\n共收到 : 32767个"));
        QCOMPARE(scroll()->maximum(), 1639);
    }

    // Up to 31 lines every refresh redraws; from 621 bytes on the page stays as last drawn.
    void autoRedrawStopsAfter31Lines() {
        click(QStringLiteral("Command1"));
        feed(RandomBytes(600, 6));
        const int before = canvas()->redrawCount();
        feed(RandomBytes(20, 7));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("监听状态\n共收到 : 620个"));
        QVERIFY(canvas()->redrawCount() > before);
        QCOMPARE(canvas()->lines().size(), 30);
        QCOMPARE(text(QStringLiteral("Label2_0")).left(5), QStringLiteral("0001 "));
        QVERIFY(text(QStringLiteral("Label2_0")).endsWith(QStringLiteral("0030 ")));

        const int at620 = canvas()->redrawCount();
        feed(RandomBytes(1, 8));
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("监听状态\n共收到 : 621个"));
        QCOMPARE(scroll()->maximum(), 32);
        QCOMPARE(canvas()->redrawCount(), at620);
        feed(RandomBytes(400, 9));
        QCOMPARE(scroll()->maximum(), 52);
        QCOMPARE(canvas()->redrawCount(), at620);

        // Browsing while it grows: the next refresh brings the view back to line 1.
        scroll()->setValue(10);
        QCOMPARE(topShown(), 11);
        feed(RandomBytes(5, 10));
        QCOMPARE(scroll()->value(), 0);
        QCOMPARE(topShown(), 1);
    }

    void renderingOfBytes() {
        capture(QByteArray("\x41\x7F\x1F", 3));
        QCOMPARE(canvas()->lines(), QStringList{QStringLiteral("  41  7F  1F")});
        QCOMPARE(text(QStringLiteral("Label2_0")), QStringLiteral("0001 "));
        QCOMPARE(canvas()->ruleCount(), 2);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1")), Qt::LeftButton);
        QCOMPARE(canvas()->lines(), QStringList{QStringLiteral("   A   .   .")});
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option2")), Qt::LeftButton);
        QCOMPARE(canvas()->lines(), QStringList{QStringLiteral("  41  7F  1F")});
    }

    void switchingModeBeforeAnyCaptureDrawsNothing() {
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1")), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option2")), Qt::LeftButton);
        QCOMPARE(canvas()->redrawCount(), 0);
        // A start and stop with nothing received shows nothing either.
        click(QStringLiteral("Command1"));
        click(QStringLiteral("Command1"));
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1")), Qt::LeftButton);
        QCOMPARE(canvas()->redrawCount(), 0);
        QVERIFY(text(QStringLiteral("Label2_0")).isEmpty());
    }

    void navigationKeys_data() {
        QTest::addColumn<int>("startTop");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("top");
        QTest::newRow("End with 45 lines") << 1 << int(Qt::Key_End) << 16;
        QTest::newRow("PageUp from 29") << 29 << int(Qt::Key_PageUp) << 1;
        QTest::newRow("PageUp from 30") << 30 << int(Qt::Key_PageUp) << 1;
        QTest::newRow("PageUp from 31") << 31 << int(Qt::Key_PageUp) << 2;
        QTest::newRow("PageDown from 1") << 1 << int(Qt::Key_PageDown) << 30;
        QTest::newRow("Home") << 20 << int(Qt::Key_Home) << 1;
        QTest::newRow("Down") << 3 << int(Qt::Key_Down) << 4;
        QTest::newRow("Up") << 3 << int(Qt::Key_Up) << 2;
        QTest::newRow("Down stops at the last line") << 45 << int(Qt::Key_Down) << 45;
        QTest::newRow("other key") << 7 << int(Qt::Key_A) << 7;
    }
    void navigationKeys() {
        QFETCH(int, startTop);
        QFETCH(int, key);
        QFETCH(int, top);
        capture(RandomBytes(45 * 20, 11));
        scroll()->setValue(startTop - 1);
        QCOMPARE(topShown(), startTop);
        this->key(key);
        QCOMPARE(window_->view().topLine(), top);
        QCOMPARE(scroll()->value(), top - 1);
        QCOMPARE(topShown(), top);
        QCOMPARE(canvas()->lines().size(), qMin(30, 45 - top + 1));
    }

    // The scroll maximum is the line count: its last position shows an empty area.
    void scrollPastTheLastLine() {
        capture(RandomBytes(45 * 20, 12));
        scroll()->setValue(scroll()->maximum());
        QCOMPARE(window_->view().topLine(), 46);
        QVERIFY(canvas()->lines().isEmpty());
        QCOMPARE(canvas()->ruleCount(), 1);
        key(Qt::Key_Up);
        QCOMPARE(topShown(), 45);
    }

    void storeAndImportRoundTrip() {
        const QByteArray bytes = RandomBytes(1000, 13);
        capture(bytes);
        chosenFile_ = path(QStringLiteral("round.Dax"));
        click(QStringLiteral("Command6"));
        QVERIFY(boxes_.shown.isEmpty());
        const QByteArray file = ReadWholeFile(chosenFile_);
        QCOMPARE(file.size(), 1002);
        QCOMPARE(quint8(file[0]), quint8(0x03));
        QCOMPARE(quint8(file[1]), quint8(0xE8));
        QCOMPARE(file.mid(2), bytes);

        // A fresh window imports it and shows it from line 1; its count label stays.
        window_.reset();
        openWindow();
        click(QStringLiteral("Command8"));
        QCOMPARE(window_->capture().capture(), bytes);
        QCOMPARE(scroll()->maximum(), 50);
        QCOMPARE(scroll()->value(), 0);
        QCOMPARE(topShown(), 1);
        QCOMPARE(canvas()->lines().size(), 30);
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("初始状态\n共收到 : 0个"));
        // And stores it again unchanged.
        chosenFile_ = path(QStringLiteral("again.Dax"));
        click(QStringLiteral("Command6"));
        QCOMPARE(ReadWholeFile(chosenFile_), file);
    }

    void storeWithNothingShownDoesNothing() {
        chosenFile_ = path(QStringLiteral("never.Dax"));
        click(QStringLiteral("Command6"));
        click(QStringLiteral("Command1"));
        click(QStringLiteral("Command1"));
        click(QStringLiteral("Command6"));
        QCOMPARE(fileDialogs_, 0);
        QVERIFY(!QFile::exists(chosenFile_));

        // Also after an earlier capture that the user had scrolled: the start empties it.
        capture(RandomBytes(900, 18));
        scroll()->setValue(10);
        click(QStringLiteral("Command1"));
        QVERIFY(canvas()->lines().isEmpty());
        QVERIFY(text(QStringLiteral("Label2_0")).isEmpty());
        click(QStringLiteral("Command1"));
        click(QStringLiteral("Command6"));
        QCOMPARE(fileDialogs_, 0);
    }

    void storeOverAnExistingFile() {
        chosenFile_ = path(QStringLiteral("existing.Dax"));
        const QByteArray old = RandomBytes(400, 14);
        QVERIFY(WriteDaxFile(chosenFile_, old, DaxWriteMode::Replace));
        const QByteArray fresh = RandomBytes(100, 15);
        capture(fresh);

        boxes_.answer = false;
        click(QStringLiteral("Command6"));
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("该文件已经存在是否覆盖?"));
        QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Question);
        QVERIFY(boxes_.shown[0].okCancel);
        QCOMPARE(ReadWholeFile(chosenFile_), EncodeDax(old));

        boxes_.answer = true;
        click(QStringLiteral("Command6"));
        const QByteArray file = ReadWholeFile(chosenFile_);
        QCOMPARE(file.size(), 402);
        QCOMPARE(file.left(102), EncodeDax(fresh));
        QCOMPARE(file.mid(102), EncodeDax(old).mid(102));

        window_.reset();
        openWindow();
        click(QStringLiteral("Command8"));
        QCOMPARE(window_->capture().capture(), fresh);
    }

    void importLimit_data() {
        QTest::addColumn<int>("declared");
        QTest::addColumn<bool>("imports");
        QTest::newRow("32768") << 32768 << true;
        QTest::newRow("32769") << 32769 << false;
    }
    void importLimit() {
        QFETCH(int, declared);
        QFETCH(bool, imports);
        const QByteArray before = RandomBytes(77, 16);
        capture(before);
        chosenFile_ = path(QStringLiteral("limit%1.Dax").arg(declared));
        const QByteArray file = QByteArray(1, char(declared / 256)) +
                                QByteArray(1, char(declared % 256)) + RandomBytes(declared, 17);
        QVERIFY(WriteWholeFile(chosenFile_, file));
        click(QStringLiteral("Command8"));
        if (imports) {
            QVERIFY(boxes_.shown.isEmpty());
            QCOMPARE(window_->capture().count(), declared);
            QCOMPARE(scroll()->maximum(), 1639);
        } else {
            QCOMPARE(boxes_.shown.size(), 1);
            QCOMPARE(boxes_.shown[0].text, QStringLiteral("打开该文件失败!!!"));
            QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Critical);
            QCOMPARE(window_->capture().capture(), before);
            QCOMPARE(scroll()->maximum(), 4);
        }
        QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("初始状态\n共收到 : 77个"));
    }

    void storeFailureIsReported() {
        capture("abc");
        chosenFile_ = path(QStringLiteral("no-such-folder/x.Dax"));
        click(QStringLiteral("Command6"));
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("存储数据失败!!!"));
        QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Critical);
    }

    // A file that ends before its declared count imports the bytes it has, without a message.
    void importOfAShortFile() {
        chosenFile_ = path(QStringLiteral("short.Dax"));
        const QByteArray present = RandomBytes(30, 19);
        QVERIFY(WriteWholeFile(chosenFile_, QByteArray("\x00\x64", 2) + present));
        click(QStringLiteral("Command8"));
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(window_->capture().capture(), present);
        QCOMPARE(scroll()->maximum(), 2);
        QCOMPARE(canvas()->lines().size(), 2);
    }

    void importMissingOrCancelled() {
        chosenFile_ = path(QStringLiteral("absent.Dax"));
        click(QStringLiteral("Command8"));
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("该文件不存在，请重新打开！"));
        QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Exclamation);
        chosenFile_.clear();
        click(QStringLiteral("Command8"));
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(canvas()->redrawCount(), 0);
    }

    // A zero-count file imports as an empty capture and can be stored back as two bytes.
    void importOfAnEmptyCapture() {
        chosenFile_ = path(QStringLiteral("zero.Dax"));
        QVERIFY(WriteDaxFile(chosenFile_, QByteArray(), DaxWriteMode::Replace));
        click(QStringLiteral("Command8"));
        QCOMPARE(window_->view().topLine(), 1);
        chosenFile_ = path(QStringLiteral("zero-again.Dax"));
        click(QStringLiteral("Command6"));
        QCOMPARE(ReadWholeFile(chosenFile_), QByteArray(2, '\0'));
    }

    void pinKeepsTheMainWindowOnTop() {
        click(QStringLiteral("Command2"));
        QCOMPARE(child<QPushButton>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("恢复正常"));
        QVERIFY(mainWindow_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(mainWindow_->isVisible());
        click(QStringLiteral("Command2"));
        QCOMPARE(child<QPushButton>(QStringLiteral("Command2"))->text(),
                 QStringLiteral("钉在前面"));
        QVERIFY(!mainWindow_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Closing a pinning monitor puts the main window back to normal.
        click(QStringLiteral("Command2"));
        click(QStringLiteral("Command3"));
        QVERIFY(!window_->isVisible());
        QVERIFY(!mainWindow_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void closingWhileListeningClosesThePort() {
        click(QStringLiteral("Command1"));
        feed("abc");
        QVERIFY(!child<QPushButton>(QStringLiteral("Command3"))->isEnabled());
        window_->close();
        QVERIFY(!window_->isVisible());
        QVERIFY(!port_->portOpen());
        QVERIFY(!window_->capture().listening());
        port_->inject("after close");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window_->capture().capture(), QByteArray("abc"));
    }

    void backgroundColour() {
        const QColor original = canvas()->background();
        monitor::SetColourChooser([](const QColor&) { return QColor(); });
        click(QStringLiteral("Command4"));
        QCOMPARE(canvas()->background(), original);
        capture("xyz");
        const int redraws = canvas()->redrawCount();
        monitor::SetColourChooser([](const QColor&) { return QColor(Qt::yellow); });
        click(QStringLiteral("Command4"));
        monitor::SetColourChooser({});
        QCOMPARE(canvas()->background(), QColor(Qt::yellow));
        QCOMPARE(canvas()->redrawCount(), redraws + 1);
        QCOMPARE(
            canvas()->grab().toImage().pixelColor(canvas()->width() - 2, canvas()->height() - 2),
            QColor(Qt::yellow));
    }

    void settingsDialogForTheMonitor_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirm") << true;
        QTest::newRow("abandon") << false;
    }
    void settingsDialogForTheMonitor() {
        QFETCH(bool, confirm);
        def_.CommSettings = QStringLiteral("2400,N,7,2");
        def_.CommSettingsText = QStringLiteral("2400,缺省,7,2");
        bool found = false;
        Qt::CursorShape pointerMeanwhile = Qt::ArrowCursor;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QLatin1String("Form9")) return;
            poll.stop();
            found = true;
            pointerMeanwhile = window_->cursor().shape();
            modal->findChild<QComboBox*>(QStringLiteral("Combo1_0"))->setCurrentText("19200");
            modal->findChild<QComboBox*>(QStringLiteral("Combo1_2"))->setCurrentText("偶");
            modal
                ->findChild<QPushButton*>(confirm ? QStringLiteral("Command1")
                                                  : QStringLiteral("Command2"))
                ->click();
        });
        poll.start();
        click(QStringLiteral("Command7"));
        QVERIFY(found);
        QCOMPARE(pointerMeanwhile, Qt::WaitCursor);
        QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(def_.CommSettings, QStringLiteral("2400,N,7,2"));
        QCOMPARE(def_.CommSettingsText, QStringLiteral("2400,缺省,7,2"));
        const QString settings =
            confirm ? QStringLiteral("19200,E,8,1") : QStringLiteral("9600,O,8,1");
        const QString shown =
            confirm ? QStringLiteral("19200,偶,8,1") : QStringLiteral("9600,奇,8,1");
        QCOMPARE(def_.MonitorSettings, settings);
        QCOMPARE(def_.MonitorSettingsText, shown);
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("串口一未打开\n") + shown);
        click(QStringLiteral("Command1"));
        QCOMPARE(port_->settings(), settings);
    }

    // Settings the driver here cannot run are refused with the reason, not blamed on the port.
    void settingsTheDriverCannotRunAreRefused_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("4 data bits") << "9600,O,4,1"
                                     << "4 位数据位";
        if (!PlatformLineCapabilities().oneAndHalfStopBits)
            QTest::newRow("1.5 stop bits") << "9600,O,8,1.5"
                                           << "1.5 位停止位";
    }
    void settingsTheDriverCannotRunAreRefused() {
        QFETCH(QString, settings);
        QFETCH(QString, mentions);
        def_.MonitorSettings = settings;
        click(QStringLiteral("Command1"));
        QCOMPARE(boxes_.shown.size(), 1);
        QVERIFY2(boxes_.shown[0].text.contains(mentions), qPrintable(boxes_.shown[0].text));
        QCOMPARE(boxes_.shown[0].icon, ui::MessageIcon::Exclamation);
        QCOMPARE(port_->openCount(), 0);
        QVERIFY(!window_->capture().listening());
        QCOMPARE(child<QPushButton>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("开始监听"));
        QCOMPARE(text(QStringLiteral("Label4")), QStringLiteral("串口一未打开\n9600,奇,8,1"));
    }

    // Store and import both use the save-file dialog, in the program's folder, with the storage
    // filter and no default extension; cancelling it does nothing.
    void storageFileDialog() {
        monitor::SetStorageFileChooser({});
        const auto restore = qScopeGuard([this] {
            monitor::SetStorageFileChooser([this] {
                ++fileDialogs_;
                return chosenFile_;
            });
        });
        struct Seen {
            QString title;
            QFileDialog::AcceptMode mode;
            QStringList filters;
            QString folder;
            QString suffix;
        };
        QList<Seen> seen;
        QString answer;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen.append({dialog->windowTitle(), dialog->acceptMode(), dialog->nameFilters(),
                         dialog->directory().absolutePath(), dialog->defaultSuffix()});
            if (answer.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(answer);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        poll.start();

        capture("abc");
        answer = path(QStringLiteral("typed-without-extension"));
        click(QStringLiteral("Command6"));
        QCOMPARE(ReadWholeFile(answer), EncodeDax("abc"));
        QVERIFY(!QFile::exists(answer + QStringLiteral(".Dax")));

        window_.reset();
        openWindow();
        answer.clear();
        click(QStringLiteral("Command8"));
        QVERIFY(boxes_.shown.isEmpty());
        QCOMPARE(window_->view().topLine(), 0);
        answer = path(QStringLiteral("typed-without-extension"));
        click(QStringLiteral("Command8"));
        QCOMPARE(window_->capture().capture(), QByteArray("abc"));

        QCOMPARE(seen.size(), 3);
        for (const Seen& s : seen) {
            QCOMPARE(s.title, QStringLiteral("打开/另存为[通讯]"));
            QCOMPARE(s.mode, QFileDialog::AcceptSave);
            // The dialog trims the leading blank of the filter text when it splits it.
            QCOMPARE(s.filters, (QStringList{QStringLiteral("存储文件(*.Dax)"),
                                             QStringLiteral("所有文件(*.*)")}));
            QCOMPARE(s.folder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
            QVERIFY(s.suffix.isEmpty());
        }
    }

    // The pointer over the drawing area or a button gives it the keyboard focus.
    void focusFollowsThePointer() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        for (const char* name : {"Picture1", "Command4", "Command1"}) {
            QWidget* widget = child<QWidget>(QString::fromLatin1(name));
            QApplication::sendEvent(widget, &enter);
            QVERIFY2(widget->hasFocus(), name);
        }
        // Disabled while listening: the exit button leaves the focus alone.
        click(QStringLiteral("Command1"));
        QApplication::sendEvent(child<QWidget>(QStringLiteral("Command3")), &enter);
        QVERIFY(child<QWidget>(QStringLiteral("Command1"))->hasFocus());
        click(QStringLiteral("Command1"));
    }

    // While listening the lamps and counters follow the line's events (the monitor goes on).
    void lineStateFollowsTheLineWhileListening() {
        using Panel = ui::LineStatePanel;
        auto* panel = child<Panel>(QStringLiteral("LineState"));
        click(QStringLiteral("Command1"));
        QSignalSpy events(port_, &SerialPort::commNotified);
        LineState line = port_->lineState();
        line.cts = line.ring = true;
        line.framing = 2;
        line.breaks = 1;
        port_->injectLineState(line);
        QTRY_COMPARE(events.count(), 4);  // break, framing, CTS, ring
        QList<bool> lit;
        for (Panel::Lamp lamp : {Panel::Cts, Panel::Dsr, Panel::Dcd, Panel::Ring}) {
            const QColor centre = panel->lamp(lamp)->pixmap().toImage().pixelColor(6, 6);
            lit << (centre.green() > 2 * centre.red());
        }
        QCOMPARE(lit, (QList<bool>{true, false, false, true}));
        QStringList counts;
        for (Panel::Counter c : {Panel::Framing, Panel::Parity, Panel::Overrun, Panel::Break})
            counts << panel->counter(c)->text();
        QCOMPARE(counts, (QStringList{"2", "0", "0", "1"}));
        QVERIFY(window_->capture().listening());
        QVERIFY(boxes_.shown.isEmpty());
    }

    void logHoldsEachBatchWithItsTime() {
        QString file = path(QStringLiteral("no/such/folder.log"));
        ui::SetLogFileChooser([&](const QString&) { return file; });
        const auto restore = qScopeGuard([] { ui::SetLogFileChooser({}); });
        click(QStringLiteral("Command1"));
        clock_.advance(15);
        feed("AB");
        clock_.advance(2000);
        feed(QByteArray::fromHex("0D0A"));
        click(QStringLiteral("SaveLog"));  // while listening: what came so far
        QCOMPARE(boxes_.shown.size(), 1);
        QVERIFY(boxes_.shown[0].text.startsWith(QStringLiteral("保存日志失败：")));
        file = path(QStringLiteral("monitor.log"));
        click(QStringLiteral("SaveLog"));
        const QStringList lines = QString::fromUtf8(ReadWholeFile(file)).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("# 监听活动串口 9600,奇,8,1"));
        QCOMPARE(lines.mid(3), (QStringList{"     0.015 RX 41 42", "     2.015 RX 0D 0A", ""}));
        // An imported capture has no times: nothing to save.
        click(QStringLiteral("Command1"));
        chosenFile_ = path(QStringLiteral("in.Dax"));
        QVERIFY(WriteDaxFile(chosenFile_, "xyz", DaxWriteMode::Replace));
        click(QStringLiteral("Command8"));
        click(QStringLiteral("SaveLog"));
        QCOMPARE(boxes_.shown.size(), 2);
        QCOMPARE(boxes_.shown[1].text, QStringLiteral("还没有带时间的收发记录可以保存！"));
    }

    // The drawing area and every label share one font whose Latin characters have one width, so
    // each drawn byte sits under its column number in either mode.
    void columnsLineUpUnderTheHeaders() {
        const QFont font = canvas()->font();
        for (const char* name :
             {"Label1_0", "Label1_1", "Label2_0", "Label2_1", "Label3", "Label4"})
            QVERIFY2(child<QLabel>(QString::fromLatin1(name))->font() == font, name);
        QByteArray bytes;
        for (int b = 0x20; b <= 0x7E; ++b) bytes.append(char(b));
        bytes += QByteArray::fromHex("00FF7F1F80");  // 100 bytes, five whole lines
        capture(bytes);
        const QFontMetricsF metrics(font);
        const QString header = text(QStringLiteral("Label1_0"));
        for (const char* option : {"Option2", "Option1"}) {
            QTest::mouseClick(child<QRadioButton>(QString::fromLatin1(option)), Qt::LeftButton);
            QCOMPARE(canvas()->lines().size(), 5);
            for (const QString& line : canvas()->lines()) {
                QCOMPARE(line.size(), 80);
                QCOMPARE(metrics.horizontalAdvance(line),
                         metrics.horizontalAdvance(header.left(80)));
            }
        }
    }
};

QTEST_MAIN(TestMonitorWindow)
#include "test_monitorwindow.moc"
