// comm-cli identify end to end: a simulated device at 9600,E,8,1 on a pseudo-terminal, read by
// the real serial back end under every candidate; the simulator's UART model gives the errors a
// real line gives, and its counters reach the port's line watcher.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "builtprogram.h"
#include "candidates.h"
#include "filebytes.h"
#include "simprocess.h"

namespace {
const QStringList kDevice = {"device",
                             "--baud",
                             "9600",
                             "--format",
                             "8E1",
                             "--stream",
                             "54 3D 32 31 2E 35 43 20 52 48 3D 34 30 25 0D 0A",
                             "--interval",
                             "20"};

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliResult Cli(const QStringList& args, int timeoutMs = 120000) {
    QProcess cli;
    cli.start(BuiltProgram(QStringLiteral("comm-cli")), args);
    CliResult r;
    if (!cli.waitForFinished(timeoutMs)) {
        cli.kill();
        cli.waitForFinished();
        return r;
    }
    r.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    r.out = cli.readAllStandardOutput();
    r.err = cli.readAllStandardError();
    return r;
}

CliResult Identify(const QStringList& args, int timeoutMs = 120000) {
    return Cli(QStringList{"identify"} + args, timeoutMs);
}
}  // namespace

class TestIdentifyEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void findsTheSimulatedDevicesSettings() {
        SimProcess sim(kDevice);
        QVERIFY2(sim.waitForPorts({"PORT"}), "rs232sim named no port");
        const CliResult r = Identify({"--port", sim.port("PORT"), "--listen-ms", "1000", "--json"});
        QCOMPARE(r.exitCode, 0);
        QStringList tried, listed, ranked;
        QJsonObject verdict;
        int count = -1;
        for (const QByteArray& line : r.out.split('\n')) {
            if (line.isEmpty()) continue;
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            const QString event = o.value("event").toString();
            const QString settings = o.value("settings").toString();
            if (event == QLatin1String("candidate")) tried << settings;
            if (event == QLatin1String("listed")) listed << settings;
            if (event == QLatin1String("rejected"))
                QVERIFY2(QList<int>({1001, 1004, 1006, 1009}).contains(o.value("code").toInt()),
                         line.constData());
            if (event == QLatin1String("finished")) {
                count = o.value("count").toInt();
                for (const QJsonValue& v : o.value("ranked").toArray()) ranked << v.toString();
                verdict = o.value("verdict").toObject();
            }
        }
        QStringList all;
        for (const comm::LineSettings& c : comm::CandidateLists::standard().all()) all << c.text();
        QCOMPARE(tried, all);
        // The port tells the simulator the data bits and parity it applied: at the device's rate
        // only its own settings come through (slower rates may list garbage).
        QVERIFY2(listed.contains(QStringLiteral("9600,E,8,1")), qPrintable(listed.join(' ')));
        for (const QString& s : listed)
            if (s.startsWith(QLatin1String("9600,"))) QCOMPARE(s, QStringLiteral("9600,E,8,1"));
        QCOMPARE(count, int(listed.size()));
        QCOMPARE(ranked.value(0), QStringLiteral("9600,E,8,1"));
        QCOMPARE(verdict.value("kind").toString(), QStringLiteral("likely"));
        QCOMPARE(verdict.value("settings").toArray(), QJsonArray{"9600,E,8,1"});
    }

    // Not among the candidates: its characters fail the parity, or the stop bit, of every
    // candidate at its rate, as on a real UART.
    void aDeviceWithoutParityIsNotTakenForOneWithIt() {
        QStringList device = kDevice;
        device.replace(device.indexOf(QStringLiteral("8E1")), QStringLiteral("8N1"));
        SimProcess sim(device);
        QVERIFY(sim.waitForPorts({"PORT"}));
        const CliResult r = Identify({"--port", sim.port("PORT"), "--listen-ms", "500"});
        QCOMPARE(r.exitCode, 0);
        const QString out = QString::fromUtf8(r.out);
        static const QRegularExpression at9600("^9600,", QRegularExpression::MultilineOption);
        QVERIFY2(!out.contains(at9600) && !out.contains(QStringLiteral("VERDICT\tlikely")),
                 qPrintable(out));
    }

    void plainOutputListsThenRanks() {
        SimProcess sim(kDevice);
        QVERIFY(sim.waitForPorts({"PORT"}));
        const CliResult r = Identify({"--port", sim.port("PORT"), "--listen-ms", "500"});
        QCOMPARE(r.exitCode, 0);
        // A SETTINGS<TAB>BYTES line for each listed candidate, then the ranked ones, then the
        // verdict.
        static const QRegularExpression shape(
            "^(([0-9]+,[EO],[678],1\t([0-9A-F]{2} "
            "){1,10}\n)+)(#[0-9]+\t[0-9]+,[EO],[678],1\t[^\n]+\n)+"
            "VERDICT\tlikely\t9600,E,8,1\n$");
        const QString out = QString::fromUtf8(r.out);
        QVERIFY2(shape.match(out).hasMatch(), qPrintable(out));
        QCOMPARE(out.count('#'), (out.count('\n') - 1) / 2);
        QVERIFY(QString::fromUtf8(r.err).endsWith(QStringLiteral("最可能的设置: 9600,E,8,1\n")));
    }

    // The same counters end a run the way a real UART's do: a communication at 115200,N,8,1
    // against the device at 9600.
    void lineErrorsOnTheVirtualLineEndARun() {
        QTemporaryDir dir;
        const QString json = dir.filePath("run.json");
        const QString txl = dir.filePath("run.Txl");
        QVERIFY(WriteWholeFile(
            json,
            R"({"kind":2,"portSettingIndex":[12,4,2,0],"counts":[0,0,0,0,1,3,0,1],"loopCount":3})"));
        QCOMPARE(Cli({"make", json, txl}, 20000).exitCode, 0);
        SimProcess sim(kDevice);
        QVERIFY(sim.waitForPorts({"PORT"}));
        const CliResult r = Cli({"run", txl, "--port", sim.port("PORT"), "--json"}, 30000);
        QCOMPARE(r.exitCode, 4);
        bool lineEvent = false;
        for (const QByteArray& line : r.out.split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o.value("event").toString() != QLatin1String("line")) continue;
            lineEvent = QList<int>({1001, 1004, 1009}).contains(o.value("code").toInt());
        }
        QVERIFY2(lineEvent, r.out.constData());
    }

    void badArgumentsAndAPortThatCannotBeOpened_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no port") << QStringList{"--json"} << 2;
        QTest::newRow("listen time zero") << QStringList{"--port", "1", "--listen-ms", "0"} << 2;
        QTest::newRow("missing device") << QStringList{"--port", "/nonexistent/tty"} << 3;
    }
    void badArgumentsAndAPortThatCannotBeOpened() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const CliResult r = Identify(args, 20000);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 2) QVERIFY(r.err.contains("usage: comm-cli identify"));
        if (exitCode == 3) QVERIFY(QString::fromUtf8(r.err).contains("当前活动串口是非空闲串口！"));
    }
};

QTEST_GUILESS_MAIN(TestIdentifyEndToEnd)
#include "test_identify_e2e.moc"
