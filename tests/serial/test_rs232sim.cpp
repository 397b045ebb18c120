// rs232sim end to end: its pseudo-terminals opened by the real port back end.
#include <signal.h>

#include <QtTest>

#include "builtprogram.h"
#include "filebytes.h"
#include "qtserialportbackend.h"
#include "simprocess.h"

using comm::SerialPort;

namespace {
// A port of the real back end on `path`, under the port number `number`.
std::unique_ptr<SerialPort> OpenPort(int number, const QString& path,
                                     const QString& settings = QStringLiteral("9600,N,8,1")) {
    qputenv(qPrintable(QStringLiteral("RS232_COM%1").arg(number)), path.toLocal8Bit());
    auto port = std::make_unique<comm::QtSerialPortBackend>();
    port->setCommPort(number);
    port->setSettings(settings);
    if (!port->setPortOpen(true)) return nullptr;
    return port;
}

// Reads until `expected` bytes came or nothing came for idleMs.
QByteArray Collect(SerialPort& port, int expected, int idleMs = 1000) {
    QSignalSpy ready(&port, &SerialPort::readyRead);
    QByteArray got = port.input();
    while (got.size() < expected && ready.wait(idleMs)) got += port.input();
    return got + port.input();
}

QByteArray Pattern(int n) {
    QByteArray bytes;
    for (int i = 0; i < n; ++i) bytes.append(char((i * 7 + i / 256) & 0xFF));
    return bytes;
}

bool IsOrderedSubsequence(const QByteArray& part, const QByteArray& whole) {
    qsizetype j = 0;
    for (const char c : part) {
        while (j < whole.size() && whole[j] != c) ++j;
        if (j == whole.size()) return false;
        ++j;
    }
    return true;
}

// Every value once in each run of 256 bytes, so a byte out of place finds no match close by.
QByteArray Distinct(int n) {
    QByteArray bytes;
    for (int i = 0; i < n; ++i) bytes.append(char((i * 37) & 0xFF));
    return bytes;
}
}  // namespace

class TestRs232Sim : public QObject {
    Q_OBJECT
private slots:
    void pairCarriesEveryByteBothWays_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unpaced") << QStringList{"pair"};
        QTest::newRow("115200 8E1 paced")
            << QStringList{"pair", "--baud", "115200", "--format", "8E1"};
    }
    void pairCarriesEveryByteBothWays() {
        QFETCH(QStringList, args);
        SimProcess sim(args);
        QVERIFY(sim.waitForPorts({"A", "B"}));
        auto a = OpenPort(1, sim.port("A"));
        auto b = OpenPort(2, sim.port("B"));
        QVERIFY(a && b);
        QByteArray all;
        for (int round = 0; round < 4; ++round)
            for (int i = 0; i < 256; ++i) all.append(char(i));
        QVERIFY(a->output(all));
        QVERIFY(b->output(all));
        QCOMPARE(Collect(*b, int(all.size())), all);
        QCOMPARE(Collect(*a, int(all.size())), all);

        // The line outlives a close and reopen of one end.
        QVERIFY(a->setPortOpen(false));
        QVERIFY(a->setPortOpen(true));
        QVERIFY(a->output("again"));
        QCOMPARE(Collect(*b, 5), QByteArray("again"));
    }

    // With --baud every character occupies the line for its start, data, parity and stop bits,
    // so the far end cannot have the whole block any sooner.
    void pacedLineTakesEachCharacterItsTime_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("bitsPerCharacter");
        QTest::newRow("8N1") << "8N1" << 10;
        QTest::newRow("8E2") << "8E2" << 12;
    }
    void pacedLineTakesEachCharacterItsTime() {
        QFETCH(QString, format);
        QFETCH(int, bitsPerCharacter);
        const int baud = 9600;
        const int n = 480;
        SimProcess sim({"pair", "--baud", QString::number(baud), "--format", format});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        auto a = OpenPort(1, sim.port("A"));
        auto b = OpenPort(2, sim.port("B"));
        QVERIFY(a && b);
        const QByteArray sent = Pattern(n);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(a->output(sent));
        const QByteArray got = Collect(*b, n);
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        QCOMPARE(got, sent);
        const double lineSeconds = double(n) * bitsPerCharacter / baud;
        QVERIFY2(seconds >= 0.95 * lineSeconds,
                 qPrintable(
                     QStringLiteral("%1 s for a line time of %2 s").arg(seconds).arg(lineSeconds)));
    }

    void corruptionFlipsOneBitAtRateP() {
        const double p = 0.05;
        const int n = 20000;
        SimProcess sim({"pair", "--corrupt", QString::number(p), "--seed", "11"});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        auto a = OpenPort(1, sim.port("A"));
        auto b = OpenPort(2, sim.port("B"));
        QVERIFY(a && b);
        const QByteArray sent = Pattern(n);
        QVERIFY(a->output(sent));
        const QByteArray got = Collect(*b, n);
        QCOMPARE(got.size(), sent.size());
        int flipped = 0;
        for (int i = 0; i < n; ++i) {
            const quint32 diff = quint8(got[i] ^ sent[i]);
            if (!diff) continue;
            QCOMPARE(int(qPopulationCount(diff)), 1);
            ++flipped;
        }
        const double rate = double(flipped) / n;
        QVERIFY2(qAbs(rate - p) < 5 * std::sqrt(p * (1 - p) / n),
                 qPrintable(QString::number(rate)));
    }

    void dropLosesBytesAtRatePAndKeepsOrder() {
        const double p = 0.1;
        const int n = 20000;
        SimProcess sim({"pair", "--drop", QString::number(p), "--seed", "5"});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        auto a = OpenPort(1, sim.port("A"));
        auto b = OpenPort(2, sim.port("B"));
        QVERIFY(a && b);
        const QByteArray sent = Distinct(n);
        QVERIFY(b->output(sent));  // the other direction this time
        const QByteArray got = Collect(*a, n);
        QVERIFY(IsOrderedSubsequence(got, sent));
        const double rate = 1.0 - double(got.size()) / n;
        QVERIFY2(qAbs(rate - p) < 5 * std::sqrt(p * (1 - p) / n),
                 qPrintable(QString::number(rate)));
    }

    void sameSeedSameFaults() {
        const QStringList args{"pair", "--corrupt", "0.1", "--drop", "0.1", "--seed", "42"};
        const QByteArray sent = Pattern(3000);
        QList<QByteArray> runs;
        for (int run = 0; run < 2; ++run) {
            SimProcess sim(args);
            QVERIFY(sim.waitForPorts({"A", "B"}));
            auto a = OpenPort(1, sim.port("A"));
            auto b = OpenPort(2, sim.port("B"));
            QVERIFY(a && b);
            QVERIFY(a->output(sent));
            runs.append(Collect(*b, int(sent.size())));
        }
        QVERIFY(runs[0] != sent);
        QCOMPARE(runs[1], runs[0]);
    }

    void linksGoAwayOnStop_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void linksGoAwayOnStop() {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString linkA = dir.filePath("ttyA"), linkB = dir.filePath("ttyB");
        // A link left behind by a crashed run is replaced.
        QVERIFY(QFile::link(dir.filePath("gone"), linkB));
        SimProcess sim({"pair", "--link-a", linkA, "--link-b", linkB});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        QCOMPARE(sim.port("A"), linkA);
        QCOMPARE(sim.port("B"), linkB);
        QVERIFY(QFileInfo(linkA).symLinkTarget().startsWith("/dev/pts/"));
        QVERIFY(QFileInfo(linkB).symLinkTarget().startsWith("/dev/pts/"));
        auto a = OpenPort(1, linkA);
        QVERIFY(a);
        QVERIFY(sim.stop(signal));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY(!QFileInfo(linkA).isSymLink());
        QVERIFY(!QFileInfo(linkB).isSymLink());
    }

    void deviceLinkGoesAwayOnStop() {
        QTemporaryDir dir;
        const QString link = dir.filePath("ttyDevice");
        SimProcess sim({"device", "--echo", "--link", link});
        QVERIFY(sim.waitForPorts({"PORT"}));
        QCOMPARE(sim.port("PORT"), link);
        auto port = OpenPort(3, link);
        QVERIFY(port);
        QVERIFY(port->output("ping"));
        QCOMPARE(Collect(*port, 4), QByteArray("ping"));
        QVERIFY(sim.stop(SIGTERM));
        QCOMPARE(sim.process().exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void refusesToReplaceAFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("precious");
        QVERIFY(WriteWholeFile(path, "keep me"));
        SimProcess sim({"device", "--echo", "--link", path});
        QVERIFY(sim.process().waitForFinished(10000));
        QCOMPARE(sim.process().exitCode(), 1);
        QVERIFY(sim.process().readAllStandardError().contains(path.toLocal8Bit()));
        QCOMPARE(ReadWholeFile(path), QByteArray("keep me"));
    }

    void badArgumentsExitWithAMessage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no command") << QStringList{} << "missing command";
        QTest::newRow("bad rate") << QStringList{"pair", "--corrupt", "2"} << "\"2\"";
        QTest::newRow("no device mode") << QStringList{"device"} << "exactly one";
    }
    void badArgumentsExitWithAMessage() {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        SimProcess sim(args);
        QVERIFY(sim.process().waitForFinished(10000));
        QCOMPARE(sim.process().exitCode(), 2);
        const QString err = QString::fromLocal8Bit(sim.process().readAllStandardError());
        QVERIFY2(err.contains(mentions), qPrintable(err));
        QVERIFY(err.contains("usage: rs232sim pair"));
        QVERIFY(sim.process().readAllStandardOutput().isEmpty());
    }

    // A device with a baud rate has settings of its own: the port opened at the same ones gets
    // every byte back.
    // A program killed while it holds an end at odd parity leaves the terminal with the odd flag
    // and parity disabled, which refuses to open at odd parity again: rs232sim puts the end back
    // as it began once nobody holds it.
    void anEndOpensAgainAfterItsProgramWasKilled() {
        SimProcess sim({"pair", "--baud", "57600", "--format", "8O1"});
        QVERIFY(sim.waitForPorts({"A", "B"}));
        QProcess holder;
        holder.setProcessChannelMode(QProcess::MergedChannels);
        holder.start(BuiltProgram(QStringLiteral("comm-cli")),
                     {"monitor", "--port", sim.port("A"), "--settings", "57600,O,8,1"});
        QByteArray said;
        QTRY_VERIFY2_WITH_TIMEOUT((said += holder.readAll()).contains("57600"), said.constData(),
                                  10000);
        holder.kill();
        QVERIFY(holder.waitForFinished());
        std::unique_ptr<SerialPort> port;
        QTRY_VERIFY_WITH_TIMEOUT(
            (port = OpenPort(1, sim.port("A"), QStringLiteral("57600,O,8,1"))) != nullptr, 5000);
        // And it carries bytes as before.
        const std::unique_ptr<SerialPort> far = OpenPort(2, sim.port("B"), "57600,O,8,1");
        QVERIFY(far);
        QVERIFY(far->output("ok"));
        QCOMPARE(Collect(*port, 2), QByteArray("ok"));
    }

    void echoDevice() {
        SimProcess sim({"device", "--echo", "--baud", "57600"});
        QVERIFY(sim.waitForPorts({"PORT"}));
        auto port = OpenPort(3, sim.port("PORT"), QStringLiteral("57600,N,8,1"));
        QVERIFY(port);
        QByteArray all;
        for (int i = 0; i < 256; ++i) all.append(char(i));
        QVERIFY(port->output(all));
        QCOMPARE(Collect(*port, 256), all);
    }

    void answeringDevice() {
        SimProcess sim({"device", "--answer", "AA 55", "--every", "3"});
        QVERIFY(sim.waitForPorts({"PORT"}));
        auto port = OpenPort(3, sim.port("PORT"));
        QVERIFY(port);
        QVERIFY(port->output("1234567"));  // two full threes, one byte over
        QCOMPARE(Collect(*port, 100, 500), QByteArray("\xAA\x55\xAA\x55"));
        QVERIFY(port->output("89"));  // completes the third
        QCOMPARE(Collect(*port, 2), QByteArray("\xAA\x55"));
    }

    void streamingDevice() {
        SimProcess sim({"device", "--stream", "01 02 03", "--interval", "20"});
        QVERIFY(sim.waitForPorts({"PORT"}));
        auto port = OpenPort(3, sim.port("PORT"));
        QVERIFY(port);
        port->clearInput();
        const QByteArray got = Collect(*port, 12);
        QVERIFY(got.size() >= 12);
        const QByteArray whole = got.left(got.size() - got.size() % 3);
        QCOMPARE(whole, QByteArray("\x01\x02\x03").repeated(int(whole.size() / 3)));
    }
};

QTEST_GUILESS_MAIN(TestRs232Sim)
#include "test_rs232sim.moc"
