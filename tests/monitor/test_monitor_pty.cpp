// The monitor over real pseudo-terminals and the real serial back end: socat links two ports,
// the test plays the device on one end and the monitor (window or comm-cli) listens on the other.
#include <fcntl.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "builtprogram.h"
#include "cliprocess.h"
#include "daxfile.h"
#include "filebytes.h"
#include "messagerecorder.h"
#include "monitorcapture.h"
#include "monitordialogs.h"
#include "monitorwindow.h"
#include "porttext.h"
#include "randombytes.h"
#include "serialfactory.h"

using namespace comm;

namespace {
// The bytes of a listing: every token after the line number is one hexadecimal byte.
QByteArray bytesOfListing(const QByteArray& listing, int* lines) {
    QByteArray bytes;
    *lines = 0;
    for (const QByteArray& line : listing.split('\n')) {
        if (line.isEmpty()) continue;
        ++*lines;
        const QList<QByteArray> tokens = line.simplified().split(' ');
        if (tokens.value(0).toInt() != *lines) return "bad line number: " + line;
        for (int i = 1; i < tokens.size(); ++i) bytes.append(char(tokens[i].toInt(nullptr, 16)));
    }
    return bytes;
}
}  // namespace

class TestMonitorPty : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QProcess socat_;
    int far_ = -1;
    MessageRecorder boxes_;

    QString near() const { return dir_.filePath(QStringLiteral("near")); }
    QString farPath() const { return dir_.filePath(QStringLiteral("far")); }
    QString cli() const { return BuiltProgram(QStringLiteral("comm-cli")); }

    void send(const QByteArray& bytes) {
        qint64 done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(far_, bytes.constData() + done, size_t(bytes.size() - done));
            QVERIFY(n > 0);
            done += n;
        }
    }
    // Starts comm-cli monitor and returns once it has its port open.
    void startCli(QProcess& process, const QStringList& extra) {
        process.start(cli(), QStringList{"monitor", "--port", near()} + extra);
        QVERIFY(process.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardError()).contains("已打开") ||
                                     process.state() != QProcess::Running,
                                 20000);
        QVERIFY2(process.state() == QProcess::Running, said.constData());
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void init() {
        boxes_.clear();
        socat_.start(QStringLiteral("socat"),
                     {"pty,raw,echo=0,link=" + near(), "pty,raw,echo=0,link=" + farPath()});
        QVERIFY2(socat_.waitForStarted(), "socat is needed for this test");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(near()) && QFileInfo::exists(farPath()), 10000);
        far_ = ::open(QFile::encodeName(farPath()).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(far_ >= 0);
        qputenv("RS232_COM1", QFile::encodeName(near()));
    }
    void cleanup() {
        if (far_ >= 0) ::close(far_);
        far_ = -1;
        socat_.terminate();
        socat_.waitForFinished(5000);
    }
    void cleanupTestCase() { monitor::SetStorageFileChooser({}); }

    void cliCapturesAndStoresExactly() {
        const QString out = dir_.filePath(QStringLiteral("cli.Dax"));
        // A longer file of that name is replaced, not written over from its start.
        QVERIFY(WriteWholeFile(out, RandomBytes(5000, 41)));
        QProcess process;
        startCli(process, {"--bytes", "1000", "--out", out});
        const QByteArray sent = RandomBytes(1000, 42);
        send(sent);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        const QByteArray file = ReadWholeFile(out);
        QCOMPARE(file.size(), 1002);
        QCOMPARE(quint8(file[0]), quint8(0x03));
        QCOMPARE(quint8(file[1]), quint8(0xE8));
        QCOMPARE(file.mid(2), sent);
        int lines = 0;
        QCOMPARE(bytesOfListing(process.readAllStandardOutput(), &lines), sent);
        QCOMPARE(lines, 50);

        // comm-cli dax prints the stored file the same way.
        QProcess dax;
        dax.start(cli(), {"dax", out});
        QVERIFY(dax.waitForFinished(20000));
        QCOMPARE(dax.exitCode(), 0);
        QCOMPARE(bytesOfListing(dax.readAllStandardOutput(), &lines), sent);
    }

    // --record keeps every byte, past the capture's limit, exactly; any baud rate and the line
    // options are taken (a pseudo-terminal drives no DTR, so that one is refused).
    void cliRecordsTheWholeStream() {
        const QString record = dir_.filePath(QStringLiteral("whole.bin"));
        QProcess process;
        startCli(process, {"--settings", "250000,S,8,1", "--flow", "xonxoff", "--record", record,
                           "--bytes", "102400"});
        // Without XON and XOFF bytes, which the flow control takes out of the stream.
        QByteArray sent = RandomBytes(102400, 43);
        sent.replace('\x11', '\x12').replace('\x13', '\x14');
        send(sent);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(ReadWholeFile(record), sent);
        QProcess refused;
        refused.start(cli(), {"monitor", "--port", near(), "--dtr", "off"});
        QVERIFY(refused.waitForFinished(20000));
        QCOMPARE(refused.exitCode(), 3);
        QVERIFY(refused.readAllStandardError().contains(NoLineControlMessage().toUtf8()));
    }

    // --json: each batch as it arrives with its time, up to --bytes, and the count at the end.
    void cliJsonGivesEachBatchWithItsTime() {
        QProcess process;
        startCli(process, {"--bytes", "5", "--json"});
        send("ABC");
        QTest::qWait(300);
        send("DEFG");
        QVERIFY(process.waitForFinished(20000));
        QStringList bytes, events;
        QList<double> t;
        for (const QByteArray& line : process.readAllStandardOutput().trimmed().split('\n')) {
            const QJsonObject e = QJsonDocument::fromJson(line).object();
            t << e.value("t").toDouble(-1);
            events << e.value("event").toString();
            if (e.contains("bytes")) bytes << e.value("bytes").toString();
        }
        QCOMPARE(bytes.join(' '), QStringLiteral("41 42 43 44 45"));
        QCOMPARE(events.last(), QStringLiteral("finished"));
        QVERIFY2(std::is_sorted(t.begin(), t.end()) && t[0] >= 0, qPrintable(events.join(' ')));
        QVERIFY(t[t.size() - 2] >= t[0] + 250);  // the second batch came 300 ms after the first
    }

    // The far end goes away and comes back at the same path: with --reconnect the monitor waits,
    // opens the new line and captures on; no byte of either side of the gap is lost.
    void cliReconnectsWhenTheDeviceComesBack() {
        CliProcess monitor(
            {"monitor", "--port", near(), "--reconnect", "--json", "--bytes", "1300"});
        QTRY_VERIFY_WITH_TIMEOUT(monitor.standardError().contains("已打开") || !monitor.running(),
                                 20000);
        const QByteArray before = RandomBytes(700, 51), after = RandomBytes(600, 52);
        send(before);
        QTRY_VERIFY_WITH_TIMEOUT(monitor.count(QStringLiteral("bytes")) > 0, 10000);
        ::close(far_);
        far_ = -1;
        socat_.terminate();
        QVERIFY(socat_.waitForFinished(5000));
        QVERIFY(monitor.waitForEvent(QStringLiteral("lost")));
        QVERIFY(monitor.running());
        socat_.start(QStringLiteral("socat"),
                     {"pty,raw,echo=0,link=" + near(), "pty,raw,echo=0,link=" + farPath()});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(near()) && QFileInfo::exists(farPath()), 10000);
        far_ = ::open(QFile::encodeName(farPath()).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(far_ >= 0);
        QVERIFY(monitor.waitForEvent(QStringLiteral("back")));
        send(after);
        QVERIFY(monitor.waitForExit());
        QCOMPARE(monitor.exitCode(), 0);
        QByteArray got;
        QStringList order;
        for (const QJsonObject& e : monitor.events()) {
            order << e.value("event").toString();
            if (e.contains("bytes"))
                got += QByteArray::fromHex(e.value("bytes").toString().toLatin1());
        }
        QCOMPARE(got, before + after);
        QCOMPARE(order.indexOf("lost") < order.indexOf("back"), true);
        QVERIFY(monitor.last(QStringLiteral("back")).value("t").toDouble() >=
                monitor.last(QStringLiteral("lost")).value("t").toDouble());
    }

    // A port that cannot be opened: the message, then the device and the reason in words.
    void cliNamesTheDeviceAndTheReason() {
        const QString missing = dir_.filePath(QStringLiteral("nothing-here"));
        QProcess process;
        process.start(cli(), {"monitor", "--port", missing});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 3);
        const QString said = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(said.startsWith(QStringLiteral("当前活动串口是非空闲串口！")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("设备：") + missing), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("原因：设备不存在")), qPrintable(said));
    }

    void cliRefusesBadArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("withPort");
        QTest::newRow("no port") << QStringList{"--bytes", "10"} << false;
        QTest::newRow("settings outside the lists")
            << QStringList{"--settings", "9600,X,8,1"} << true;
        QTest::newRow("no byte count") << QStringList{"--bytes", "0"} << true;
        QTest::newRow("quiet time not a number") << QStringList{"--quiet-ms", "soon"} << true;
        QTest::newRow("unknown option") << QStringList{"--baud", "9600"} << true;
        QTest::newRow("unknown flow control") << QStringList{"--flow", "dsrdtr"} << true;
        QTest::newRow("DTR neither on nor off") << QStringList{"--dtr", "1"} << true;
        QTest::newRow("option without its value") << QStringList{"--out"} << true;
    }
    void cliRefusesBadArguments() {
        QFETCH(QStringList, args);
        QFETCH(bool, withPort);
        if (withPort) args = QStringList{"--port", near()} + args;
        QProcess process;
        process.start(cli(), QStringList{"monitor"} + args);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 2);
        QVERIFY(process.readAllStandardError().startsWith("usage: comm-cli monitor"));
        QVERIFY(process.readAllStandardOutput().isEmpty());
    }

    void daxReportsWhatItCannotShow_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such file")
            << QByteArray() << QStringLiteral("该文件不存在，请重新打开！");
        QTest::newRow("declares 32769 bytes") << QByteArray("\x80\x01", 2) + RandomBytes(32769, 3)
                                              << QStringLiteral("打开该文件失败!!!");
    }
    void daxReportsWhatItCannotShow() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString file = dir_.filePath(QStringLiteral("refused.Dax"));
        QFile::remove(file);
        if (!content.isEmpty()) QVERIFY(WriteWholeFile(file, content));
        QProcess dax;
        dax.start(cli(), {"dax", file});
        QVERIFY(dax.waitForFinished(20000));
        QCOMPARE(dax.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(dax.readAllStandardError()).trimmed(), message);
        QVERIFY(dax.readAllStandardOutput().isEmpty());
    }

    void cliStopsWhenTheLineGoesQuiet() {
        QProcess process;
        startCli(process, {"--quiet-ms", "300", "--ascii"});
        send("Hello, line!\x01");
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(),
                 QByteArray("0001    H   e   l   l   o   ,       l   i   n   e   !   .\n"));
    }

    void cliStopsOnInterrupt() {
        QProcess process;
        startCli(process, {});
        send("abc");
        QTest::qWait(1000);  // the bytes cross a pty in well under a millisecond
        ::kill(pid_t(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardOutput(), QByteArray("0001   61  62  63\n"));
    }

    void cliRefusesABusyPort() {
        QProcess first;
        startCli(first, {});
        QProcess second;
        second.start(cli(), {"monitor", "--port", near()});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 3);
        QVERIFY(QString::fromUtf8(second.readAllStandardError())
                    .startsWith(QStringLiteral("当前活动串口是非空闲串口！")));
        first.terminate();
        QVERIFY(first.waitForFinished(20000));
    }

    void windowCapturesAndStoresExactly() {
        CommDefinition def;
        def.MonitorSettings = QStringLiteral("9600,O,8,1");
        def.MonitorSettingsText = QStringLiteral("9600,奇,8,1");
        MonitorWindow window(def, 1, RealSerialPortFactory(), Clock::real());
        window.show();
        QPushButton* start = window.findChild<QPushButton*>(QStringLiteral("Command1"));
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(boxes_.shown.isEmpty());
        QVERIFY(window.capture().listening());

        const QByteArray sent = RandomBytes(1000, 7);
        send(sent);
        QTRY_COMPARE_WITH_TIMEOUT(window.capture().count(), 1000, 20000);
        QTRY_COMPARE(window.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
                     QStringLiteral("监听状态\n共收到 : 1000个"));
        QTest::mouseClick(start, Qt::LeftButton);

        const QString out = dir_.filePath(QStringLiteral("window.Dax"));
        monitor::SetStorageFileChooser([out] { return out; });
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command6")),
                          Qt::LeftButton);
        const QByteArray file = ReadWholeFile(out);
        QCOMPARE(file.size(), 1002);
        QCOMPARE(file.left(2), QByteArray("\x03\xE8", 2));
        QCOMPARE(file.mid(2), sent);
    }

    void secondWindowFindsThePortBusy() {
        CommDefinition def;
        def.MonitorSettings = QStringLiteral("9600,O,8,1");
        MonitorWindow first(def, 1, RealSerialPortFactory(), Clock::real());
        MonitorWindow second(def, 1, RealSerialPortFactory(), Clock::real());
        QTest::mouseClick(first.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(first.capture().listening());
        QTest::mouseClick(second.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(boxes_.texts(), QStringList{QStringLiteral("当前活动串口是非空闲串口！")});
        QVERIFY(!second.capture().listening());
    }

    void farEndGoingAwayEndsTheCapture() {
        CommDefinition def;
        def.MonitorSettings = QStringLiteral("9600,O,8,1");
        MonitorWindow window(def, 1, RealSerialPortFactory(), Clock::real());
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        send("kept");
        QTRY_COMPARE_WITH_TIMEOUT(window.capture().count(), 4, 20000);
        ::close(far_);
        far_ = -1;
        socat_.terminate();
        QVERIFY(socat_.waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!window.capture().listening(), 20000);
        QCOMPARE(boxes_.texts(), QStringList{QStringLiteral("当前活动串口是非空闲串口！")});
        QCOMPARE(window.capture().capture(), QByteArray("kept"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
                 QStringLiteral("开始监听"));
    }
};

QTEST_MAIN(TestMonitorPty)
#include "test_monitor_pty.moc"
