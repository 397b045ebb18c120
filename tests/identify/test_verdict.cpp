// The verdict of whole runs on the in-memory port and the virtual clock, against devices whose
// characters reach the port through the UART model: it names a setting only when the evidence
// tells one apart from the rest.
#include <QtTest>

#include "holdpanestarter.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "settingsidentifier.h"
#include "verdict.h"
#include "virtualclock.h"

using comm::CandidateEvidence;
using comm::SettingsIdentifier;
using comm::Verdict;

namespace {

class NoHoldpane : public comm::HoldpaneStarter {
public:
    bool start(QString*) override { return true; }
};

}  // namespace

class TestVerdict : public QObject {
    Q_OBJECT
private slots:
    void garbageEvidence_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("listenMs");
        QTest::addColumn<bool>("garbage");
        QTest::newRow("one value over and over") << QByteArray("YYY") << 10000 << true;
        QTest::newRow("a single byte is no repetition") << QByteArray("Y") << 10 << false;
        QTest::newRow("text") << QByteArray("T=21.5C\r\n") << 10 << false;
        // 9600,E,8,1 carries 8727 characters in 10 s.
        QTest::newRow("a thousandth of the line") << QByteArray("T=21.5C\r\n") << 10000 << false;
        QTest::newRow("less than that") << QByteArray("T=21.5C") << 10000 << true;
    }
    void garbageEvidence() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, listenMs);
        QFETCH(bool, garbage);
        const CandidateEvidence e = comm::GatherEvidence(
            bytes, {9600, comm::Parity::Even, 8, comm::StopBits::One}, listenMs, 0, true);
        QCOMPARE(comm::LooksLikeGarbage(e), garbage);
        QCOMPARE(comm::EvidenceText(e).endsWith(QStringLiteral("疑似乱码")), garbage);
    }

    void wholeRuns_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QList<QByteArray>>("bursts");
        QTest::addColumn<bool>("reportsErrors");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QString>("text");
        const QList<QByteArray> sensor = {"T=21.5C RH=40%\r\n", "$GPGGA,123519,4807.038,N*47\r\n"};
        QTest::newRow("9600 8E1") << "9600,E,8,1" << sensor << true << int(Verdict::Kind::Likely)
                                  << QStringList{"9600,E,8,1"} << "最可能的设置: 9600,E,8,1";
        // Not among the candidates: single characters with an even number of ones pass the
        // parity of two of them alike.
        QTest::newRow("9600 8N1") << "9600,N,8,1" << QList<QByteArray>{"A", "B", "c", "0"} << true
                                  << int(Verdict::Kind::Tied)
                                  << QStringList{"9600,O,8,1", "9600,E,7,1"}
                                  << "无法区分，可能的设置: 9600,O,8,1、9600,E,7,1";
        // Not among them either: only the slow rates list anything, one byte value each.
        QTest::newRow("38400 8N1") << "38400,N,8,1" << QList<QByteArray>{"Hello world 12345\r\n"}
                                   << true << int(Verdict::Kind::OnlyGarbage) << QStringList()
                                   << "无法判断: 收到的数据都像错误设置下的乱码，"
                                      "设备的设置可能不在候选之中";
        // Readings between STX and ETX are less readable than the garbage "aaa" and "!!!".
        QTest::newRow("19200 7E1") << "19200,E,7,1"
                                   << QList<QByteArray>{"\x02"
                                                        "21.5\x03\x02"
                                                        "40\x03"}
                                   << true << int(Verdict::Kind::Likely)
                                   << QStringList{"19200,E,7,1"} << "最可能的设置: 19200,E,7,1";
        QTest::newRow("no error reporting")
            << "9600,E,8,1" << sensor << false << int(Verdict::Kind::ErrorsUnreported)
            << QStringList() << "无法判断: 该串口无法报告线路差错，错误的设置无从排除";
    }
    void wholeRuns() {
        QFETCH(QString, device);
        QFETCH(QList<QByteArray>, bursts);
        QFETCH(bool, reportsErrors);
        QFETCH(int, kind);
        QFETCH(QStringList, named);
        QFETCH(QString, text);
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        port.setReportsLineErrors(reportsErrors);
        NoHoldpane holdpane;
        SettingsIdentifier engine(port, clock, holdpane);
        MemoryDevice sender(port, clock, device, bursts, 100);
        sender.start();
        engine.start();
        for (int guard = 0; engine.isRunning() && guard < 1000; ++guard) clock.advance(1000);
        QVERIFY(!engine.isRunning());
        QVERIFY(!engine.listed().isEmpty());
        const Verdict& verdict = engine.verdict();
        QCOMPARE(int(verdict.kind), kind);
        QCOMPARE(verdict.settings, named);
        QCOMPARE(comm::VerdictText(verdict), text);
        // What looks like the device's traffic ranks above every garbage listing.
        const QList<comm::ListedCandidate>& listed = engine.listed();
        bool garbageSeen = false;
        for (int i : engine.ranking()) {
            const bool garbage = comm::LooksLikeGarbage(listed[i].evidence);
            QVERIFY2(garbage || !garbageSeen, qPrintable(listed[i].settings));
            garbageSeen = garbageSeen || garbage;
        }
    }
};

QTEST_GUILESS_MAIN(TestVerdict)
#include "test_verdict.moc"
