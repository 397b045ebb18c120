#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "builtprogram.h"
#include "filebytes.h"
#include "txlfile.h"

namespace {

const QByteArray kWorkedExample =
    QByteArray::fromHex("0106040100000000000000000000010201010000000001AA0003000D0001000200");
const QByteArray kWorkedJson =
    R"({"kind":1,"settings":"9600,O,8,1","settingsText":"9600,奇,8,1","portSettingIndex":[6,4,1,0],)"
    R"("loopCount":0,"delay":0,"wait":0,"counts":[1,2,1,1,0,0,0,0],"hasValues":true,)"
    R"("send":{"start":[170],"data":[1,2],"check":[3],"end":[13],"checkName":null},)"
    R"("recv":{"start":[],"data":[],"check":[],"end":[],"checkName":null}})";

struct Result {
    int status;
    QByteArray out;
    QByteArray err;
};

Result cli(const QStringList& args) {
    QProcess p;
    p.start(BuiltProgram(QStringLiteral("comm-cli")), args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace

class TestCliFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    // Caught before any port is opened or file read, so none of these touches a device.
    void argumentsItCannotTakeGiveStatusTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("send without a file") << QStringList{"send", "--port", "1"};
        QTest::newRow("send with two files") << QStringList{"send", "a", "b", "--port", "1"};
        QTest::newRow("send without a port") << QStringList{"send", "a"};
        QTest::newRow("send, --port without its value") << QStringList{"send", "a", "--port"};
        QTest::newRow("send, an option it does not know")
            << QStringList{"send", "a", "--port", "1", "--dir", "x"};
        QTest::newRow("receive without a port") << QStringList{"receive", "--dir", "x"};
        QTest::newRow("receive with a plain argument")
            << QStringList{"receive", "x", "--port", "1"};
        QTest::newRow("receive, --dir without its value")
            << QStringList{"receive", "--port", "1", "--dir"};
        QTest::newRow("run without a file") << QStringList{"run", "--port", "1"};
        QTest::newRow("run, an answer it does not know")
            << QStringList{"run", "a.Txl", "--port", "1", "--on-timeout", "maybe"};
        QTest::newRow("monitor with no byte")
            << QStringList{"monitor", "--port", "1", "--bytes", "0"};
        // Any baud rate is taken now; a parity it does not know is not.
        QTest::newRow("monitor, settings it cannot read")
            << QStringList{"monitor", "--port", "1", "--settings", "9601,X,8,1"};
        QTest::newRow("identify with a plain argument")
            << QStringList{"identify", "--port", "1", "now"};
        QTest::newRow("identify, listening longer than a day")
            << QStringList{"identify", "--port", "1", "--listen-ms", "86400001"};
    }
    void argumentsItCannotTakeGiveStatusTwo() {
        QFETCH(QStringList, args);
        QCOMPARE(cli(args).status, 2);
    }

    // The reason, not the port: a Linux serial driver has no 1.5 stop bits.
    void monitorRefusesSettingsThePortCannotRun() {
        const Result r = cli({"monitor", "--port", "1", "--settings", "9600,N,8,1.5"});
        QCOMPARE(r.status, 2);
        QVERIFY2(QString::fromUtf8(r.err).contains(QStringLiteral("1.5 位停止位")),
                 r.err.constData());
        QVERIFY(!r.err.contains("Usage") && !r.err.contains("usage"));
    }

    void showPrintsTheWorkedExample() {
        QVERIFY(WriteWholeFile(dir.filePath("ex.Txl"), kWorkedExample));
        const Result r = cli({"show", dir.filePath("ex.Txl")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.trimmed(), kWorkedJson);
    }

    void makeReproducesTheWorkedExample() {
        QVERIFY(WriteWholeFile(dir.filePath("ex.json"), kWorkedJson));
        const Result r = cli({"make", dir.filePath("ex.json"), dir.filePath("made.Txl")});
        QCOMPARE(r.status, 0);
        QCOMPARE(ReadWholeFile(dir.filePath("made.Txl")), kWorkedExample);
    }

    // A checksum's name in place of the check bytes stands for the checksum of the data bytes,
    // and the file keeps the name.
    void makeComputesANamedChecksum() {
        QVERIFY(WriteWholeFile(dir.filePath("sum.json"),
                               QByteArray(kWorkedJson).replace("[3]", "\"sum8\"")));
        QCOMPARE(cli({"make", dir.filePath("sum.json"), dir.filePath("sum.Txl")}).status, 0);
        const QByteArray made = ReadWholeFile(dir.filePath("sum.Txl"));
        QVERIFY(made.startsWith(kWorkedExample));  // 01 + 02 = 03
        QCOMPARE(cli({"show", dir.filePath("sum.Txl")}).out.trimmed(),
                 QByteArray(kWorkedJson)
                     .replace(R"([13],"checkName":null)", R"([13],"checkName":"sum8")"));
    }

    // The smallest form: kind, settings and the byte lists; counts follow from the lists, a named
    // checksum over data not all entered keeps its length and stays unentered.
    void makeTakesTheSmallestForm() {
        QVERIFY(WriteWholeFile(dir.filePath("small.json"),
                               R"({"kind":1,"settings":"9600,O,8,1","send":{"start":[170],)"
                               R"("data":[1,2],"check":[3],"end":[13]}})"));
        QCOMPARE(cli({"make", dir.filePath("small.json"), dir.filePath("small.Txl")}).status, 0);
        QCOMPARE(ReadWholeFile(dir.filePath("small.Txl")), kWorkedExample);

        QVERIFY(WriteWholeFile(dir.filePath("any.json"),
                               R"({"kind":2,"settings":"19200,E,7,2","recv":{"data":[1,-1],)"
                               R"("checkName":"crc16-modbus"}})"));
        QCOMPARE(cli({"make", dir.filePath("any.json"), dir.filePath("any.Txl")}).status, 0);
        const QByteArray shown = cli({"show", dir.filePath("any.Txl")}).out;
        QVERIFY2(shown.contains(R"("settings":"19200,E,7,2")"), shown.constData());
        QVERIFY2(shown.contains(R"("counts":[0,0,0,0,0,2,2,0])"), shown.constData());
        QVERIFY2(shown.contains(R"("check":[-1,-1],"end":[],"checkName":"crc16-modbus")"),
                 shown.constData());
    }

    void makeAppliesTheWritersRules() {
        // Kind 1 keeps no delay or wait; a loop of 300 is stored as 255; without values every
        // entry reads back as not entered.
        QByteArray json = kWorkedJson;
        json.replace(R"("loopCount":0,"delay":0,"wait":0)",
                     R"("loopCount":300,"delay":50,"wait":70)");
        QVERIFY(WriteWholeFile(dir.filePath("rules.json"), json));
        QCOMPARE(cli({"make", dir.filePath("rules.json"), dir.filePath("rules.Txl"), "--no-values"})
                     .status,
                 0);
        const QByteArray bytes = ReadWholeFile(dir.filePath("rules.Txl"));
        QCOMPARE(bytes.size(), comm::kTxlHeaderSize);
        QCOMPARE(quint8(bytes[5]), quint8(255));
        QCOMPARE(bytes.mid(6, 8), QByteArray(8, '\0'));
        const Result r = cli({"show", dir.filePath("rules.Txl")});
        QVERIFY(r.out.contains(R"("hasValues":false)"));
        QVERIFY(r.out.contains(
            R"("send":{"start":[-1],"data":[-1,-1],"check":[-1],"end":[-1],"checkName":null})"));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("not json") << QByteArray("{kind:1") << "JSON";
        QTest::newRow("kind 5") << QByteArray(kWorkedJson).replace("\"kind\":1", "\"kind\":5")
                                << "kind";
        QTest::newRow("baud index 13")
            << QByteArray(kWorkedJson).replace("[6,4,1,0]", "[13,4,1,0]") << "portSettingIndex";
        QTest::newRow("count over capacity")
            << QByteArray(kWorkedJson).replace("[1,2,1,1,0,0,0,0]", "[11,2,1,1,0,0,0,0]")
            << "counts";
        QTest::newRow("value 256") << QByteArray(kWorkedJson).replace("[170]", "[256]") << "start";
        QTest::newRow("too few values")
            << QByteArray(kWorkedJson).replace("[1,2]", "[1]") << "data";
        QTest::newRow("settings and indexes disagree")
            << QByteArray(kWorkedJson).replace("9600,O,8,1", "19200,E,7,2")
            << "\"settings\" 19200,E,7,2 and \"portSettingIndex\" (9600,O,8,1) disagree";
        QTest::newRow("settings not listed")
            << QByteArray(kWorkedJson).replace("9600,O,8,1", "9601,O,8,1") << "settings";
        QTest::newRow("no settings at all")
            << QByteArray(R"({"kind":1,"send":{"data":[1]}})") << "settings";
        QTest::newRow("the send frame missing")
            << QByteArray(R"({"kind":3,"settings":"9600,N,8,1","recv":{"data":[1]}})")
            << "\"send\" must be an object";
        QTest::newRow("a negative delay")
            << QByteArray(kWorkedJson).replace("\"delay\":0", "\"delay\":-1") << "delay";
        QTest::newRow("a negative wait")
            << QByteArray(kWorkedJson).replace("\"wait\":0", "\"wait\":-5") << "wait";
        QTest::newRow("check bytes that are not the named checksum")
            << QByteArray(kWorkedJson)
                   .replace(R"([13],"checkName":null)", R"([13],"checkName":"crc8")")
            << "not the crc8 of the data bytes";
        QTest::newRow("checksum longer than the field")
            << QByteArray(kWorkedJson).replace("[3]", "\"crc32\"")
            << "crc32 gives 4 bytes, the checksum field has 1";
    }
    void refusals() {
        QFETCH(QByteArray, json);
        QFETCH(QString, complaint);
        QVERIFY(WriteWholeFile(dir.filePath("bad.json"), json));
        QFile::remove(dir.filePath("bad.Txl"));
        const Result r = cli({"make", dir.filePath("bad.json"), dir.filePath("bad.Txl")});
        QCOMPARE(r.status, 2);
        QVERIFY2(QString::fromUtf8(r.err).contains(complaint), r.err.constData());
        QVERIFY(!QFile::exists(dir.filePath("bad.Txl")));
    }

    void showRefusesBadFiles() {
        QVERIFY(WriteWholeFile(dir.filePath("wrong.Txl"), QByteArray::fromHex("05060401")));
        Result r = cli({"show", dir.filePath("wrong.Txl")});
        QCOMPARE(r.status, 2);
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), comm::WrongFormatMessage());
        QVERIFY(r.out.isEmpty());
        r = cli({"show", dir.filePath("nothing-here.Txl")});
        QCOMPARE(r.status, 2);
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), comm::MissingFileMessage());
    }
};

QTEST_GUILESS_MAIN(TestCliFile)
#include "test_cli_file.moc"
