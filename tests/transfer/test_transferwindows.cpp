// The send-file (Form10) and receive-file (Form11) windows: a file from one to the other over a
// rs232sim pair with the real back end, their texts before, during and after; a busy port and the
// close on the in-memory port; the main window's commands that open them.
#include <QAction>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"
#include "mainwindow.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "randombytes.h"
#include "receivefilewindow.h"
#include "sendfilewindow.h"
#include "serialfactory.h"
#include "simprocess.h"
#include "virtualclock.h"
#include "windowtexts.h"

using comm::ui::MessageIcon;

namespace {

QPushButton* button(QWidget& window, const QString& name) {
    return window.findChild<QPushButton*>(name);
}

const QStringList kTexts = {"Frame1", "Label1_0", "Label1_1", "Label1_2", "Label1_3"};

}  // namespace

class TransferWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void fileGoesFromOneWindowToTheOther() {
        SimProcess sim({QStringLiteral("pair")});
        QVERIFY(sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")}));
        qputenv("RS232_COM1", sim.port("A").toLocal8Bit());
        qputenv("RS232_COM2", sim.port("B").toLocal8Bit());
        QTemporaryDir dir;
        const QByteArray content = RandomBytes(3000, 10);
        const QString file = dir.filePath(QStringLiteral("data.bin"));
        QVERIFY(WriteWholeFile(file, content));
        const QString folder = dir.filePath(QStringLiteral("recv"));
        QVERIFY(QDir().mkpath(folder));

        comm::SendFileWindow tx(1, comm::RealSerialPortFactory(), comm::Clock::real(), dir.path());
        comm::ReceiveFileWindow rx(2, comm::RealSerialPortFactory(), comm::Clock::real(), folder);
        QString dialogFolder;
        tx.setFileChooser([&](QWidget*, const QString& start) {
            dialogFolder = start;
            return file;
        });
        tx.show();
        rx.show();
        QCOMPARE(tx.windowTitle(), QStringLiteral("发送文件"));
        QCOMPARE(rx.windowTitle(), QStringLiteral("接收文件"));
        QCOMPARE(WindowTexts(tx, kTexts + QStringList{"Command1", "Command2", "Command3"}),
                 QStringList({"发送文件", "文件名称:", "文件大小:", "发送进程:", "发送幀数:",
                              "选择文件", "发送文件", "退出[&X]"}));
        QCOMPARE(WindowTexts(rx, kTexts + QStringList{"Command2", "Command1"}),
                 QStringList({"接收文件", "文件名称:", "文件大小:", "接收进程:", "接收幀数:",
                              "接收文件", "退出[&X]"}));

        MessageRecorder boxes;
        // What the window of each box showed behind it.
        QMap<QString, QStringList> behind;
        boxes.onShown = [&](const ShownMessage& box) {
            QWidget& window =
                box.text.contains(QStringLiteral("发送")) ? static_cast<QWidget&>(tx) : rx;
            behind[box.text] = WindowTexts(window, {"Label1_2", "Label1_3"});
        };
        button(rx, "Command2")->click();
        QCOMPARE(WindowTexts(rx, kTexts + QStringList{"Command2"}),
                 QStringList({"接收文件 00:00:00", "文件名称:", "文件大小:", "接收进程: 0%",
                              "接收幀数: 0幀", "结束接收"}));
        QVERIFY(!button(rx, "Command1")->isEnabled());
        button(tx, "Command1")->click();
        QCOMPARE(dialogFolder, dir.path());
        QCOMPARE(WindowTexts(tx, {"Label1_0", "Label1_1"}),
                 QStringList({"文件名称: data.bin    ", "文件大小: 3000个字节"}));
        button(tx, "Command2")->click();
        QCOMPARE(WindowText(tx, "Command2"), QStringLiteral("结束发送"));
        QVERIFY(!button(tx, "Command1")->isEnabled() && !button(tx, "Command3")->isEnabled());

        QTRY_COMPARE_WITH_TIMEOUT(boxes.shown.size(), 2, 60000);
        QStringList messages = boxes.texts();
        messages.sort();
        QCOMPARE(messages,
                 QStringList({"文件data.bin    发送完毕!!!", "文件data.bin    接收完毕!!!"}));
        for (const ShownMessage& box : boxes.shown) QCOMPARE(box.icon, MessageIcon::Information);
        // The sender counts one past the last frame only once its message has been seen.
        QCOMPARE(behind.value(QStringLiteral("文件data.bin    发送完毕!!!")),
                 QStringList({"发送进程: 100%", "发送幀数: 200幀"}));
        QCOMPARE(behind.value(QStringLiteral("文件data.bin    接收完毕!!!")),
                 QStringList({"接收进程: 100%", "接收幀数: 201幀"}));

        QCOMPARE(WindowTexts(tx, kTexts + QStringList{"Command2"}),
                 QStringList({"发送文件",
                              "文件名称:", "文件大小:", "发送进程: ", "发送幀数: ", "发送文件"}));
        QCOMPARE(WindowTexts(rx, kTexts + QStringList{"Command2"}),
                 QStringList({"接收文件",
                              "文件名称:", "文件大小:", "接收进程: ", "接收幀数: ", "接收文件"}));
        QVERIFY(button(tx, "Command3")->isEnabled() && button(rx, "Command1")->isEnabled());
        const QString sha = QString::fromLatin1(
            QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
        QCOMPARE(WindowText(tx, "DigestLabel"), QStringLiteral("SHA-256（读出）: ") + sha);
        QCOMPARE(WindowText(rx, "DigestLabel"), QStringLiteral("SHA-256（写入）: ") + sha);
        const QString saved = QDir(folder).filePath(QStringLiteral("data.bin"));
        QCOMPARE(WindowText(rx, "PlaceLabel"),
                 QStringLiteral("保存位置: ") + QDir::toNativeSeparators(saved));
        QVERIFY2(WindowText(tx, "RateLabel").startsWith(QStringLiteral("传输速度: ")),
                 qPrintable(WindowText(tx, "RateLabel")));
        QCOMPARE(ReadWholeFile(saved), content);
        QVERIFY(!tx.port()->portOpen() && !rx.port()->portOpen());
    }

    // A busy port is reported with its own icon and leaves the captions; closing the window
    // during a reception ends it and closes the port without a word.
    void busyPortAndClosingTheWindow() {
        bool busy = true;
        const comm::SerialPortFactory factory = [&busy]() -> std::unique_ptr<comm::SerialPort> {
            auto port = std::make_unique<comm::MemorySerialPort>();
            port->setBusy(busy);
            return port;
        };
        MessageRecorder boxes;
        comm::VirtualClock clock;
        comm::ReceiveFileWindow busyOne(1, factory, clock, QDir::tempPath());
        button(busyOne, "Command2")->click();
        QTRY_COMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QStringLiteral("当前活动串口是非空闲串口！"));
        QCOMPARE(boxes.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(WindowTexts(busyOne, {"Command2", "Label1_2"}),
                 QStringList({"接收文件", "接收进程:"}));

        busy = false;
        comm::ReceiveFileWindow rx(1, factory, clock, QDir::tempPath());
        rx.show();
        button(rx, "Command2")->click();
        QVERIFY(rx.engine()->isRunning() && rx.port()->portOpen());
        rx.close();
        QVERIFY(!rx.engine()->isRunning() && !rx.port()->portOpen());
        QTest::qWait(20);
        QCOMPARE(boxes.shown.size(), 1);
    }

    // sendfile / t15 and receivefile / t16 open their window modally on the active port; only
    // the receiver shows the hourglass meanwhile.
    void commandsOpenTheWindows_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("busy");
        QTest::newRow("sendfile") << "sendfile"
                                  << "Form10" << false;
        QTest::newRow("t15") << "t15"
                             << "Form10" << false;
        QTest::newRow("receivefile") << "receivefile"
                                     << "Form11" << true;
        QTest::newRow("t16") << "t16"
                             << "Form11" << true;
    }
    void commandsOpenTheWindows() {
        QFETCH(QString, action);
        QFETCH(QString, form);
        QFETCH(bool, busy);
        comm::CommDefinition def;
        comm::MainWindow main(def);
        main.show();
        main.choosePort(3);
        QString seen;
        int port = 0;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            poll.stop();
            seen = modal->objectName();
            port = qobject_cast<comm::TransferWindow*>(modal)->port()->commPort();
            cursor = main.cursor().shape();
            modal->close();
        });
        poll.start(10);
        main.findChild<QAction*>(action)->trigger();
        QCOMPARE(seen, form);
        QCOMPARE(port, 3);
        QCOMPARE(cursor, busy ? Qt::WaitCursor : Qt::ArrowCursor);
        QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TransferWindowsTest)
#include "test_transferwindows.moc"
