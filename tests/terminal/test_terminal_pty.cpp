// The terminal window over rs232sim's paced line and the real serial back end: the test plays
// the device on the far port.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "porttext.h"
#include "recordingcontrol.h"
#include "serialfactory.h"
#include "simprocess.h"
#include "terminalsession.h"
#include "terminalwindow.h"
#include "widgetdriver.h"

using namespace comm;

class TestTerminalPty : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    MessageRecorder boxes_;

    template <typename T>
    static T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
    // Types a line into the send line and sends it with Enter.
    static void typeAndSend(TerminalWindow& window, const QString& typed, const QString& mode,
                            const QString& checksum, const QString& end) {
        child<QComboBox>(&window, "SendMode")->setCurrentText(mode);
        child<QComboBox>(&window, "SendChecksum")->setCurrentText(checksum);
        child<QComboBox>(&window, "LineEnd")->setCurrentText(end);
        QLineEdit* line = child<QLineEdit>(&window, "SendLine");
        TypeText(line, typed);
        QTest::keyClick(line, Qt::Key_Return);
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void cleanupTestCase() { ui::RecordingControl::setFileChooser({}); }

    // At 230400 baud on a paced line: typed text and hexadecimal reach the far end exactly,
    // 100 KB from the far end are shown and recorded exactly.
    void typesShowsAndRecordsAt230400() {
        SimProcess sim({"pair", "--baud", "230400"});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        qputenv("RS232_COM2", QFile::encodeName(sim.port("A")));
        std::unique_ptr<SerialPort> far = FixedDeviceSerialPortFactory(sim.port("B"))();
        far->setSettings(QStringLiteral("230400,N,8,1"));
        QVERIFY(far->setPortOpen(true));
        QByteArray farGot;
        connect(far.get(), &SerialPort::readyRead, this, [&] { farGot += far->input(); });

        TerminalWindow window(2, RealSerialPortFactory());
        window.show();
        child<QComboBox>(&window, "BaudRate")->setCurrentText(QStringLiteral("230400"));
        child<QPushButton>(&window, "OpenPort")->click();
        QVERIFY2(window.session().isOpen(), qPrintable(boxes_.texts().join('\n')));
        QVERIFY(
            child<QLabel>(&window, "PortLabel")->text().contains(QStringLiteral("230400,N,8,1")));
        const QString record = dir_.filePath(QStringLiteral("stream.bin"));
        ui::RecordingControl::setFileChooser([&](const QString&) { return record; });
        child<QPushButton>(&window, "Record")->click();

        typeAndSend(window, QStringLiteral("01 03 00 00 00 02"), QStringLiteral("十六进制"),
                    QStringLiteral("CRC-16/MODBUS(低字节在前)"), QStringLiteral("无结尾"));
        typeAndSend(window, QStringLiteral("AT+温度?"), QStringLiteral("文本"),
                    QStringLiteral("不加校验"), QStringLiteral("CR LF"));
        const QByteArray typed = QByteArray::fromHex("010300000002C40B") + "AT+温度?\r\n";
        QTRY_COMPARE_WITH_TIMEOUT(farGot, typed, 10000);
        QCOMPARE(child<QComboBox>(&window, "SendHistory")->itemText(0), QStringLiteral("AT+温度?"));

        QByteArray stream;
        for (int line = 0; stream.size() < 100 * 1024; ++line)
            stream += QByteArray("reading ") + QByteArray::number(line).rightJustified(6, '0') +
                      " " + QByteArray(24, char('a' + line % 26)) + "\r\n";
        QVERIFY(far->output(stream));
        QTRY_COMPARE_WITH_TIMEOUT(window.session().receivedCount(), qint64(stream.size()), 30000);
        child<QPushButton>(&window, "Record")->click();  // stops
        QCOMPARE(ReadWholeFile(record), stream);
        QTRY_VERIFY(child<QPlainTextEdit>(&window, "ReceivedView")
                        ->toPlainText()
                        .endsWith(QString::fromLatin1(stream).replace("\r\n", "\n")));
        const QString shown = child<QPlainTextEdit>(&window, "ReceivedView")->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("\nTX AT+温度?\n")));
        QCOMPARE(shown.count(QStringLiteral("reading ")), stream.count("reading "));
        QVERIFY(boxes_.shown.isEmpty());
    }

    // A pseudo-terminal has no modem lines: the window says so and offers none of the controls.
    void saysWhenTheLineCannotBeControlled() {
        SimProcess sim({"pair"});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        qputenv("RS232_COM1", QFile::encodeName(sim.port("A")));
        MainWindow main(*new CommDefinition);
        QString note;
        bool breakOffered = true;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QLatin1String("Terminal")) return;
            poll.stop();
            child<QPushButton>(modal, "OpenPort")->click();
            note = child<QLabel>(modal, "LineControlNote")->text();
            breakOffered = child<QPushButton>(modal, "SendBreak")->isEnabled();
            child<QPushButton>(modal, "Exit")->click();
        });
        poll.start();
        main.action(QStringLiteral("t18"))->trigger();
        QCOMPARE(note, NoLineControlMessage());
        QVERIFY(!breakOffered);
        QVERIFY2(boxes_.shown.isEmpty(), qPrintable(boxes_.texts().join('\n')));
    }
};

QTEST_MAIN(TestTerminalPty)
#include "test_terminal_pty.moc"
