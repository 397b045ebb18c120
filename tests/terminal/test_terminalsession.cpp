#include <QTemporaryDir>
#include <QtTest>

#include "filebytes.h"
#include "memoryserialport.h"
#include "porttext.h"
#include "randombytes.h"
#include "terminalsession.h"
#include "terminalview.h"
#include "virtualclock.h"

using namespace comm;

// The terminal's engine over an in-memory port on a virtual clock, and the text of its view.
class TestTerminalSession : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    VirtualClock clock_;
    MemorySerialPort* port_ = nullptr;
    std::unique_ptr<TerminalSession> session_;

    void open(const QString& settings = QStringLiteral("230400,M,8,1"),
              FlowControl flow = FlowControl::None, bool dtr = true, bool rts = true,
              QString* notice = nullptr) {
        QString error, ignored;
        QVERIFY2(session_->open(settings, flow, dtr, rts, &error, notice ? notice : &ignored),
                 qPrintable(error));
    }
    void feed(const QByteArray& bytes) {
        port_->inject(bytes);
        QTRY_COMPARE_WITH_TIMEOUT(port_->inBufferCount(), 0, 10000);
        clock_.settle();
    }

private slots:
    void init() {
        auto port = std::make_unique<MemorySerialPort>();
        port_ = port.get();
        session_ = std::make_unique<TerminalSession>(std::move(port), clock_);
    }
    void cleanup() { session_.reset(); }

    // Everything received and sent reaches the file in order, the raw form holding exactly
    // the received bytes, the log both directions with their times on the clock.
    void recordsTheWholeStream_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("raw") << int(RecordFormat::Raw);
        QTest::newRow("timed log") << int(RecordFormat::TimedLog);
    }
    void recordsTheWholeStream() {
        QFETCH(int, format);
        const QString path = dir_.filePath(QStringLiteral("stream"));
        open();
        QString error;
        QVERIFY(
            session_->startRecording(path, RecordFormat(format), QStringLiteral("终端"), &error));
        const QByteArray first = RandomBytes(40000, 7);
        clock_.advance(1250);
        feed(first);
        QVERIFY(session_->send("AT\r", &error));
        clock_.advance(1000);
        feed("OK");
        session_->stopRecording();
        QCOMPARE(session_->receivedCount(), qint64(40002));
        QCOMPARE(session_->sentCount(), qint64(3));
        QCOMPARE(port_->written(), QByteArray("AT\r"));
        const QByteArray file = ReadWholeFile(path);
        if (RecordFormat(format) == RecordFormat::Raw) {
            QCOMPARE(file, first + "OK");
            return;
        }
        const QList<QByteArray> lines = file.split('\n');
        QCOMPARE(lines[0], QByteArray("# 终端"));
        QCOMPARE(lines[3].left(16), QByteArray("     1.250 RX " + first.left(1).toHex().toUpper()));
        QCOMPARE(lines[4], QByteArray("     1.250 TX 41 54 0D"));
        QCOMPARE(lines[5], QByteArray("     2.250 RX 4F 4B"));
    }

    // DTR, RTS, a break that ends by itself after its time, and flow control reach the port.
    void lineControlReachesThePort() {
        open(QStringLiteral("9600,N,8,1"), FlowControl::RtsCts, false, true);
        QCOMPARE(port_->flowControl(), FlowControl::RtsCts);
        QVERIFY(!port_->dtr());
        QVERIFY(port_->rts());
        QString error;
        QVERIFY(session_->setRts(false, &error));
        QVERIFY(!port_->rts());
        QSignalSpy ended(session_.get(), &TerminalSession::breakEnded);
        QVERIFY(session_->sendBreak(&error));
        QVERIFY(port_->breakOn());
        clock_.advance(TerminalSession::kBreakMs - 1);
        QVERIFY(port_->breakOn());
        clock_.advance(1);
        QVERIFY(!port_->breakOn());
        QCOMPARE(ended.count(), 1);
        QCOMPARE(port_->breakCount(), 1);
    }

    // A device without modem lines opens all the same, says why the lines are its own, and
    // refuses each control with that reason; XON/XOFF needs no lines.
    void aDeviceWithoutModemLinesSaysSo() {
        port_->setModemLines(false);
        QString notice;
        open(QStringLiteral("9600,N,8,1"), FlowControl::RtsCts, false, true, &notice);
        QCOMPARE(notice, NoLineControlMessage());
        QVERIFY(session_->isOpen());
        QString error;
        QVERIFY(!session_->sendBreak(&error));
        QCOMPARE(error, NoLineControlMessage());
        QVERIFY(!session_->breaking());
        QVERIFY(port_->setFlowControl(FlowControl::XonXoff));
    }

    // A file goes out unchanged; one that cannot be read sends nothing and says why.
    void sendsAFileRaw() {
        open();
        const QString path = dir_.filePath(QStringLiteral("out.bin"));
        const QByteArray bytes = RandomBytes(5000, 3);
        QVERIFY(WriteWholeFile(path, bytes));
        QString error;
        QVERIFY(session_->sendFile(path, &error));
        QCOMPARE(port_->written(), bytes);
        QVERIFY(!session_->sendFile(dir_.filePath(QStringLiteral("none")), &error));
        QVERIFY(error.startsWith(QStringLiteral("打不开文件")));
        QCOMPARE(port_->written(), bytes);
    }

    void theDeviceGoingAwayEndsTheSession() {
        open();
        QSignalSpy lost(session_.get(), &TerminalSession::portLost);
        port_->vanish(QStringLiteral("拔掉了"));
        QTRY_COMPARE(lost.count(), 1);
        QVERIFY(!session_->isOpen());
        QString error;
        QVERIFY(!session_->send("x", &error));
    }

    void viewText_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("stamps");
        QTest::addColumn<QList<QByteArray>>("batches");
        QTest::addColumn<QString>("shown");
        const int text = int(ViewMode::Text), hex = int(ViewMode::Hex);
        QTest::newRow("CR LF split between batches is one line end")
            << text << false << QList<QByteArray>{"A\r", "\nB\rC\n"} << "A\nB\nC\n";
        QTest::newRow("UTF-8 split between batches")
            << text << false << QList<QByteArray>{"\xE6\xB8", "\xA9"} << "温";
        QTest::newRow("controls as dots")
            << text << false << QList<QByteArray>{"\x01\x7F\tx"} << "··\tx";
        QTest::newRow("timestamp opens each batch")
            << text << true << QList<QByteArray>{"ab", "c"} << "[     0.000] ab\n[     0.100] c";
        QTest::newRow("hex offsets run on across batches")
            << hex << false << QList<QByteArray>{QByteArray(17, 'A'), "B"}
            << "00000000  " + QString("41 ").repeated(16).trimmed() +
                   "\n00000010  41\n00000011  42\n";
    }
    void viewText() {
        QFETCH(int, mode);
        QFETCH(bool, stamps);
        QFETCH(QList<QByteArray>, batches);
        QFETCH(QString, shown);
        TerminalView view;
        view.setMode(ViewMode(mode));
        view.setTimestamps(stamps);
        QString text;
        for (int i = 0; i < batches.size(); ++i)
            text += view.add(LogDirection::Received, i * 100, batches[i]).text;
        QCOMPARE(text, shown);
        // Drawn again from what it keeps, the view reads the same.
        QCOMPARE(view.redraw().value(0).text, shown);
    }

    // A stream without line ends still makes lines of bounded length, and sent bytes stand on
    // their own line.
    void linesStayBounded() {
        TerminalView view;
        const QString text = view.add(LogDirection::Received, 0, QByteArray(1000, 'x')).text;
        for (const QString& line : text.split(QLatin1Char('\n')))
            QVERIFY(line.size() <= TerminalView::kLineWidth);
        const ViewPiece sent = view.add(LogDirection::Sent, 0, "AT\r\n");
        QVERIFY(sent.sent);
        QCOMPARE(sent.text, QStringLiteral("\nTX AT\n"));
    }
};

QTEST_GUILESS_MAIN(TestTerminalSession)
#include "test_terminalsession.moc"
