// The send-file and receive-file windows in English: captions, labels and file dialog, a file sent
// to a far end that answers, a busy port and a stopped reception, no Chinese left in any of them.
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "chinesetexts.h"
#include "filebytes.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "receivefilewindow.h"
#include "sendfilewindow.h"
#include "transferframe.h"
#include "translations.h"
#include "virtualclock.h"
#include "windowtexts.h"

namespace {
void click(QWidget& window, const QString& name) {
    window.findChild<QPushButton*>(name)->click();
}
comm::SerialPortFactory memoryPorts(bool busy) {
    return [busy]() -> std::unique_ptr<comm::SerialPort> {
        auto port = std::make_unique<comm::MemorySerialPort>();
        port->setBusy(busy);
        return port;
    };
}
}  // namespace

class TransferEnglishTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(comm::texts::InstallLanguage(comm::texts::Language::English)); }

    void sendWindowSendsInEnglish() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("data.bin"));
        QVERIFY(WriteWholeFile(file, QByteArray(40, 'x')));
        comm::VirtualClock clock;
        MessageRecorder boxes;
        comm::SendFileWindow tx(1, memoryPorts(false), clock, dir.path());
        QCOMPARE(tx.windowTitle(), QStringLiteral("Send File"));
        QCOMPARE(WindowTexts(tx, {"Label1_0", "Label1_3", "Command1", "Command2", "Command3"}),
                 QStringList({"File name:", "Sent:", "Choose File", "Send File", "E&xit"}));
        MemoryDevice device(static_cast<comm::MemorySerialPort&>(*tx.port()), clock);
        device.answer(
            [](int, const QByteArray&) { return QByteArray(1, comm::transfer::kReplyGood); }, 0);
        tx.setFileChooser([&](QWidget*, const QString&) { return file; });
        click(tx, "Command1");
        click(tx, "Command2");
        QCOMPARE(WindowTexts(tx, {"Frame1", "Label1_1", "Label1_2", "Command2"}),
                 QStringList(
                     {"Send File 00:00:00", "File size: 40 bytes", "Sending: 0%", "Stop Sending"}));
        for (int i = 0; i < 1000 && tx.engine()->isRunning(); ++i) clock.advance(10);
        QTRY_COMPARE(boxes.texts(), QStringList{QStringLiteral("File data.bin     sent!!!")});
        QVERIFY(WindowText(tx, "DigestLabel").startsWith(QStringLiteral("SHA-256 (read): ")));
        QVERIFY(WindowText(tx, "RateLabel").startsWith(QStringLiteral("Speed: ")));
        const QStringList left = ChineseTextsOn(&tx);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }

    void fileDialogInEnglish() {
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = QStringList{dialog->windowTitle()} + dialog->nameFilters();
            dialog->reject();
        });
        QCOMPARE(comm::ChooseFileToSend(nullptr, QDir::tempPath()), QString());
        QCOMPARE(seen, QStringList({"Open/Save As [Communication]", "All files(*.*)"}));
    }

    // The serial layer's words reach the box in English too.
    void receiveWindowBusyAndStoppedInEnglish() {
        comm::VirtualClock clock;
        MessageRecorder boxes;
        comm::ReceiveFileWindow rx(1, memoryPorts(true), clock, QDir::tempPath());
        click(rx, "Command2");
        QTRY_COMPARE(boxes.texts(), QStringList{QStringLiteral("The active port is not free!")});
        QVERIFY2(boxes.shown[0].detail.contains(QStringLiteral(" is in use by another program")),
                 qPrintable(boxes.shown[0].detail));
        static_cast<comm::MemorySerialPort*>(rx.port())->setBusy(false);
        click(rx, "Command2");
        QCOMPARE(WindowTexts(rx, {"Label1_2", "Label1_3", "Command2", "Command1"}),
                 QStringList({"Receiving: 0%", "Received: 0 frames", "Stop Receiving", "E&xit"}));
        const QStringList left = ChineseTextsOn(&rx);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        click(rx, "Command2");
        QTRY_COMPARE(boxes.shown.size(), 2);
        QCOMPARE(boxes.shown[1].text, QStringLiteral("File : receiving stopped by the user!!!"));
    }
};

QTEST_MAIN(TransferEnglishTest)
#include "test_transfer_english.moc"
