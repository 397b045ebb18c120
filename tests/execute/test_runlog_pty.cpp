// A kind 3 run in the execution window over a simulated device on a real pseudo-terminal with the
// real serial back end, its log saved through the window's command.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "executionwindow.h"
#include "filebytes.h"
#include "logsaving.h"
#include "messagerecorder.h"
#include "rundefs.h"
#include "runtext.h"
#include "serialfactory.h"
#include "simprocess.h"

using namespace comm;

class RunLogPtyTest : public QObject {
    Q_OBJECT
private slots:
    void kind3LogHoldsEveryListedByteWithIncreasingTimes() {
        if (!QFileInfo::exists(SimProcess::Program())) QSKIP("rs232sim is not built");
        SimProcess device({"device", "--answer", "55 AA 01", "--every", "7"});
        QVERIFY2(device.waitForPorts({QStringLiteral("PORT")}), "rs232sim named no port");
        qputenv("RS232_COM1", device.port(QStringLiteral("PORT")).toLocal8Bit());
        MessageRecorder boxes;
        RunRequest request;
        request.definition = testdefs::make(3, {0x7E, 0x7F}, {1, 2, 3}, {0xAA}, {0x0D}, {1, 1, 1});
        request.options.loopForever = false;
        request.options.loopText = QStringLiteral("4");
        request.saved = true;
        ExecutionWindow window(request, RealSerialPortFactory(), Clock::real());
        auto* startStop = window.findChild<QPushButton*>(QStringLiteral("Command1"));
        QTest::mouseClick(startStop, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(window.engine()->receivedCount(), 4, 20000);
        QTRY_COMPARE(startStop->text(), StartCaption());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.log"));
        ui::SetLogFileChooser([&](const QString&) { return path; });
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("SaveLog")),
                          Qt::LeftButton);
        ui::SetLogFileChooser({});
        QVERIFY2(boxes.shown.isEmpty(), qPrintable(boxes.texts().join('\n')));

        // The listings' bytes: the first word of every byte line, sent frame then received ones.
        QStringList listed[2];
        for (int i = 0; i < 2; ++i) {
            const auto* box = window.findChild<QPlainTextEdit*>(i == 0 ? "Text2" : "Text3");
            for (const QString& line : box->toPlainText().split('\n'))
                if (line.section(' ', 0, 0).size() == 2) listed[i] << line.section(' ', 0, 0);
        }
        QCOMPARE(listed[1].size(), 4 * 3);
        QStringList logged[2];
        double last = -1, lastSent = -1;
        int records = 0;
        for (const QString& line : QString::fromUtf8(ReadWholeFile(path)).split('\n')) {
            if (line.isEmpty() || line.startsWith('#')) continue;
            const QStringList words = line.simplified().split(' ');
            const double t = words[0].toDouble();
            QCOMPARE(words[1], records++ % 2 == 0 ? QStringLiteral("TX") : QStringLiteral("RX"));
            QVERIFY2(t >= last, qPrintable(line));
            last = t;
            if (words[1] == QLatin1String("TX")) {
                QCOMPARE(words.mid(2), listed[0]);
                QVERIFY2(t >= lastSent + 0.1, "each exchange waits 100 ms before it sends");
                lastSent = t;
            } else {
                logged[1] += words.mid(2);
            }
        }
        QCOMPARE(records, 8);
        QCOMPARE(logged[1], listed[1]);
    }
};

QTEST_MAIN(RunLogPtyTest)
#include "test_runlog_pty.moc"
