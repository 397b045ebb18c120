// The verdict of whole runs on the in-memory port and the virtual clock, against devices whose
// characters reach the port through the UART model: it names a setting only when the evidence
// tells one apart from the rest.
#include <QtTest>

#include "holdpanestarter.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "settingsidentifier.h"
#include "virtualclock.h"

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
    void wholeRuns_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QList<QByteArray>>("bursts");
        QTest::addColumn<bool>("reportsErrors");
        QTest::addColumn<Verdict::Kind>("kind");
        QTest::addColumn<QStringList>("named");
        const QList<QByteArray> sensor = {"T=21.5C RH=40%\r\n", "$GPGGA,123519,4807.038,N*47\r\n"};
        QTest::newRow("9600 8E1") << "9600,E,8,1" << sensor << true << Verdict::Kind::Likely
                                  << QStringList{"9600,E,8,1"};
        // Not among the candidates: single characters with an even number of ones pass the
        // parity of two of them alike.
        QTest::newRow("9600 8N1") << "9600,N,8,1" << QList<QByteArray>{"A", "B", "c", "0"} << true
                                  << Verdict::Kind::Tied << QStringList{"9600,O,8,1", "9600,E,7,1"};
        // Not among them either: only slow rates list anything, one byte value each.
        QTest::newRow("38400 8N1") << "38400,N,8,1" << QList<QByteArray>{"Hello world 12345\r\n"}
                                   << true << Verdict::Kind::OnlyGarbage << QStringList();
        // Readings between STX and ETX are less readable than the garbage "aaa" and "!!!".
        QTest::newRow("19200 7E1") << "19200,E,7,1" << QList<QByteArray>{"\x02" "21.5\x03\x02" "40\x03"}
                                   << true << Verdict::Kind::Likely << QStringList{"19200,E,7,1"};
        QTest::newRow("no error reporting")
            << "9600,E,8,1" << sensor << false << Verdict::Kind::ErrorsUnreported << QStringList();
    }
    void wholeRuns() {
        QFETCH(QString, device);
        QFETCH(QList<QByteArray>, bursts);
        QFETCH(bool, reportsErrors);
        comm::VirtualClock clock;
        comm::MemorySerialPort port;
        port.setReportsLineErrors(reportsErrors);
        NoHoldpane holdpane;
        comm::SettingsIdentifier engine(port, clock, holdpane);
        MemoryDevice sender(port, clock);
        sender.sendBursts(device, bursts, 100);
        engine.start();
        for (int guard = 0; engine.isRunning() && guard < 1000; ++guard) clock.advance(1000);
        QVERIFY(!engine.listed().isEmpty());
        QTEST(engine.verdict().kind, "kind");
        QTEST(engine.verdict().settings, "named");
        // What looks like the device's traffic ranks above every garbage listing.
        bool garbageSeen = false;
        for (int i : engine.ranking()) {
            const bool garbage = comm::LooksLikeGarbage(engine.listed()[i].evidence);
            QVERIFY2(garbage || !garbageSeen, qPrintable(engine.listed()[i].settings));
            garbageSeen = garbageSeen || garbage;
        }
    }
};

QTEST_GUILESS_MAIN(TestVerdict)
#include "test_verdict.moc"
