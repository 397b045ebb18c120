#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "cliprocess.h"
#include "filebytes.h"
#include "ptyfarend.h"
#include "randombytes.h"
#include "simprocess.h"
#include "transferframe.h"

// comm-cli send against comm-cli receive over rs232sim pairs, real serial back end on both ends.
namespace {

struct Transfer {
    int sendStatus = -1;
    int receiveStatus = -1;
    QJsonObject sent, received;  // the done events
    QStringList sendEvents, receiveEvents;
};

QStringList names(const QList<QJsonObject>& events) {
    QStringList out;
    for (const QJsonObject& e : events) out << e.value(QStringLiteral("event")).toString();
    return out;
}

QString sha(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// One file across a pair; both ends are stopped (Ctrl+C) when they are not done by the deadline.
Transfer Run(const QString& a, const QString& b, const QString& file, const QString& dir,
             int deadlineMs) {
    Transfer t;
    CliProcess receive({QStringLiteral("receive"), QStringLiteral("--port"), b,
                        QStringLiteral("--dir"), dir, QStringLiteral("--json")});
    if (!receive.waitForEvent(QStringLiteral("started"))) return t;
    CliProcess send(
        {QStringLiteral("send"), file, QStringLiteral("--port"), a, QStringLiteral("--json")});
    QElapsedTimer clock;
    clock.start();
    while ((send.running() || receive.running()) && clock.elapsed() < deadlineMs) {
        send.waitForExit(100);
        receive.waitForExit(100);
    }
    send.sendSignal(SIGINT);
    receive.sendSignal(SIGINT);
    send.waitForExit(10000);
    receive.waitForExit(10000);
    t.sendStatus = send.exitCode();
    t.receiveStatus = receive.exitCode();
    t.sent = send.last(QStringLiteral("done"));
    t.received = receive.last(QStringLiteral("done"));
    t.sendEvents = names(send.events());
    t.receiveEvents = names(receive.events());
    return t;
}

}  // namespace

class TransferEndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void fileArrivesIdenticalAtLineSpeed() {
        SimProcess sim({QStringLiteral("pair"), QStringLiteral("--baud"), QStringLiteral("57600"),
                        QStringLiteral("--format"), QStringLiteral("8O1")});
        QVERIFY(sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")}));
        const QByteArray content = RandomBytes(20000, 16);
        const QString file = dir_.filePath(QStringLiteral("random.bin"));
        QVERIFY(WriteWholeFile(file, content));
        const QString out = dir_.filePath(QStringLiteral("clean"));
        QVERIFY(QDir().mkpath(out));

        const Transfer t = Run(sim.port("A"), sim.port("B"), file, out, 120000);
        QCOMPARE(t.sendStatus, 0);
        QCOMPARE(t.receiveStatus, 0);
        QCOMPARE(ReadWholeFile(QDir(out).filePath(QStringLiteral("random.bin"))), content);
        const int frames = comm::transfer::DataFrameCount(content.size());
        for (const QStringList& events : {t.sendEvents, t.receiveEvents})
            QCOMPARE(events, QStringList({"started", "header"}) +
                                 QStringList(frames, QStringLiteral("frame")) +
                                 QStringList{"done"});
        QCOMPARE(t.sent.value("sha256").toString(), sha(content));
        QCOMPARE(t.received.value("sha256").toString(), sha(content));
        QCOMPARE(t.received.value("bytes").toInt(), content.size());
        QCOMPARE(t.received.value("name").toString(), QStringLiteral("random.bin"));
    }

    // Bits flipped and bytes lost on the line: a transfer arrives identical or ends with a clear
    // failure on both ends, and a file is never reported complete that is not the one sent.
    void noisyLineNeverGivesAWrongFile_data() {
        QTest::addColumn<int>("seed");
        for (int seed : {3, 5, 7}) QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void noisyLineNeverGivesAWrongFile() {
        QFETCH(int, seed);
        SimProcess sim({QStringLiteral("pair"), QStringLiteral("--format"), QStringLiteral("8O1"),
                        QStringLiteral("--corrupt"), QStringLiteral("0.001"),
                        QStringLiteral("--drop"), QStringLiteral("0.0003"),
                        QStringLiteral("--seed"), QString::number(seed)});
        QVERIFY(sim.waitForPorts({QStringLiteral("A"), QStringLiteral("B")}));
        const QByteArray content = RandomBytes(8000, quint32(seed));
        const QString file = dir_.filePath(QStringLiteral("noisy.bin"));
        QVERIFY(WriteWholeFile(file, content));
        const QString out = dir_.filePath(QStringLiteral("noisy%1").arg(seed));
        QVERIFY(QDir().mkpath(out));

        const Transfer t = Run(sim.port("A"), sim.port("B"), file, out, 30000);
        const QString target = QDir(out).filePath(QStringLiteral("noisy.bin"));
        qInfo() << "seed" << seed << "send" << t.sendStatus << t.sendEvents.last() << "receive"
                << t.receiveStatus << t.receiveEvents.last();
        if (t.receiveStatus == 0) {
            QCOMPARE(ReadWholeFile(target), content);
            QCOMPARE(t.received.value("sha256").toString(), sha(content));
        } else {
            QVERIFY(!QFileInfo::exists(target));
            QVERIFY2(QStringList({"timeout", "error", "stopped"}).contains(t.receiveEvents.last()),
                     qPrintable(t.receiveEvents.last()));
        }
        // The last 0x66 goes out only once the file is in its place.
        if (t.sendStatus == 0)
            QCOMPARE(t.receiveStatus, 0);
        else
            QVERIFY(QStringList({"timeout", "error", "stopped"}).contains(t.sendEvents.last()));
    }

    void statuses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        const QString none = QDir(dir_.path()).filePath(QStringLiteral("none"));
        QTest::newRow("send: no file") << QStringList{"send", none, "--port", "1"} << 2;
        QTest::newRow("receive: no folder")
            << QStringList{"receive", "--port", "1", "--dir", none} << 2;
        QTest::newRow("receive: port cannot be opened")
            << QStringList{"receive", "--port", none, "--dir", dir_.path()} << 3;
    }
    void statuses() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        CliProcess cli(args);
        QVERIFY(cli.waitForExit());
        QCOMPARE(cli.exitCode(), status);
        QVERIFY(!cli.standardError().isEmpty());
    }

    // A header and then silence: the receiver gives up after 3000 ms with status 5; a receiver
    // waiting for a header is stopped with Ctrl+C and status 6.
    void timeOutAndStop() {
        PtyFarEnd sender;
        QVERIFY(sender.isOpen());
        CliProcess receive({QStringLiteral("receive"), QStringLiteral("--port"), sender.path(),
                            QStringLiteral("--dir"), dir_.path(), QStringLiteral("--json")});
        QVERIFY(receive.waitForEvent(QStringLiteral("started")));
        sender.write(comm::transfer::HeaderFrame(QStringLiteral("cut.bin     "), 100));
        QVERIFY(receive.waitForEvent(QStringLiteral("header")));
        QTRY_COMPARE(sender.received(), QByteArray(1, comm::transfer::kReplyGood));
        QVERIFY(receive.waitForExit(10000));
        QCOMPARE(receive.exitCode(), 5);
        QCOMPARE(names(receive.events()).last(), QStringLiteral("timeout"));

        CliProcess waiting({QStringLiteral("receive"), QStringLiteral("--port"), sender.path(),
                            QStringLiteral("--dir"), dir_.path(), QStringLiteral("--json")});
        QVERIFY(waiting.waitForEvent(QStringLiteral("started")));
        waiting.sendSignal(SIGINT);
        QVERIFY(waiting.waitForExit());
        QCOMPARE(waiting.exitCode(), 6);
        QCOMPARE(names(waiting.events()).last(), QStringLiteral("stopped"));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TransferEndToEndTest)
#include "test_transfer_e2e.moc"
