// The simulator's argument parsing and line faults, without terminals.
#include <QtTest>

#include "lineimpairment.h"
#include "seensettings.h"
#include "simoptions.h"

using namespace rs232sim;

class TestSimOptions : public QObject {
    Q_OBJECT
private slots:
    void pairArguments() {
        SimCommand c;
        QCOMPARE(ParseSimArguments({"pair"}, &c), QString());
        QCOMPARE(c.kind, SimCommand::Kind::Pair);
        QCOMPARE(c.pair.timing.baud, 0);
        QCOMPARE(c.pair.timing.characterNs(), 0);
        QVERIFY(!c.pair.seed.has_value());

        QCOMPARE(ParseSimArguments(
                     {"pair", "--baud", "9600", "--format=7E2", "--corrupt", "0.25", "--drop=0.5",
                      "--seed", "18446744073709551615", "--link-a", "/tmp/a", "--link-b=/tmp/b"},
                     &c),
                 QString());
        QCOMPARE(c.pair.timing.baud, 9600);
        QCOMPARE(c.pair.timing.format.dataBits, 7);
        QCOMPARE(c.pair.timing.format.parity, comm::Parity::Even);
        QCOMPARE(c.pair.timing.format.stopBits, comm::StopBits::Two);
        QCOMPARE(c.pair.corrupt, 0.25);
        QCOMPARE(c.pair.drop, 0.5);
        QCOMPARE(*c.pair.seed, Q_UINT64_C(18446744073709551615));
        QCOMPARE(c.pair.linkA, QStringLiteral("/tmp/a"));
        QCOMPARE(c.pair.linkB, QStringLiteral("/tmp/b"));
    }

    void deviceArguments() {
        SimCommand c;
        QCOMPARE(ParseSimArguments({"device", "--echo", "--link", "/tmp/dev"}, &c), QString());
        QCOMPARE(c.kind, SimCommand::Kind::Device);
        QCOMPARE(c.device.mode, DeviceOptions::Mode::Echo);
        QCOMPARE(c.device.link, QStringLiteral("/tmp/dev"));

        QCOMPARE(ParseSimArguments({"device", "--answer", "AA 55,0d", "--every", "3"}, &c),
                 QString());
        QCOMPARE(c.device.mode, DeviceOptions::Mode::Answer);
        QCOMPARE(c.device.bytes, QByteArray("\xAA\x55\x0D"));
        QCOMPARE(c.device.every, 3);

        QCOMPARE(
            ParseSimArguments({"device", "--interval=250", "--stream=0102", "--baud=115200"}, &c),
            QString());
        QCOMPARE(c.device.mode, DeviceOptions::Mode::Stream);
        QCOMPARE(c.device.bytes, QByteArray("\x01\x02"));
        QCOMPARE(c.device.intervalMs, 250);
        QCOMPARE(c.device.timing.baud, 115200);
    }

    void helpIsNoError() {
        SimCommand c;
        c.kind = SimCommand::Kind::Pair;
        QCOMPARE(ParseSimArguments({"--help"}, &c), QString());
        QCOMPARE(c.kind, SimCommand::Kind::Help);
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("nothing") << QStringList{} << "missing command";
        QTest::newRow("unknown command") << QStringList{"triple"} << "\"triple\"";
        QTest::newRow("unknown option") << QStringList{"pair", "--speed", "9600"} << "\"--speed\"";
        QTest::newRow("stray word") << QStringList{"pair", "9600"} << "\"9600\"";
        QTest::newRow("baud not a number") << QStringList{"pair", "--baud", "fast"} << "\"fast\"";
        QTest::newRow("baud zero") << QStringList{"pair", "--baud", "0"} << "--baud";
        QTest::newRow("baud negative") << QStringList{"pair", "--baud", "-9600"} << "\"-9600\"";
        QTest::newRow("baud too high") << QStringList{"pair", "--baud", "20000000"} << "10000000";
        QTest::newRow("baud missing") << QStringList{"pair", "--baud"} << "--baud needs a value";
        QTest::newRow("format 9 bits") << QStringList{"pair", "--format", "9N1"} << "\"9N1\"";
        QTest::newRow("format 4 bits") << QStringList{"pair", "--format", "4N1"} << "5-8";
        QTest::newRow("format parity") << QStringList{"pair", "--format", "8X1"} << "N/E/O";
        QTest::newRow("format stop") << QStringList{"pair", "--format", "8N3"} << "1/1.5/2";
        QTest::newRow("corrupt above 1") << QStringList{"pair", "--corrupt", "1.5"} << "\"1.5\"";
        QTest::newRow("drop below 0") << QStringList{"pair", "--drop", "-0.1"} << "\"-0.1\"";
        QTest::newRow("drop not a number")
            << QStringList{"pair", "--drop", "often"} << "probability";
        QTest::newRow("drop nan") << QStringList{"pair", "--drop", "nan"} << "probability";
        QTest::newRow("seed negative") << QStringList{"pair", "--seed", "-1"} << "--seed";
        QTest::newRow("same links")
            << QStringList{"pair", "--link-a", "/tmp/x", "--link-b", "/tmp/x"} << "different";
        QTest::newRow("empty link") << QStringList{"pair", "--link-a="} << "--link-a wants a path";
        QTest::newRow("device without mode") << QStringList{"device"} << "exactly one";
        QTest::newRow("device two modes")
            << QStringList{"device", "--echo", "--stream", "01", "--interval", "5"}
            << "exactly one";
        QTest::newRow("answer without every")
            << QStringList{"device", "--answer", "01"} << "--every";
        QTest::newRow("every without answer")
            << QStringList{"device", "--stream", "01", "--interval", "5", "--every", "2"}
            << "--answer and --every";
        QTest::newRow("stream without interval")
            << QStringList{"device", "--stream", "01"} << "--interval";
        QTest::newRow("interval zero")
            << QStringList{"device", "--stream", "01", "--interval", "0"} << "--interval";
        QTest::newRow("every fraction")
            << QStringList{"device", "--answer", "01", "--every", "1.5"} << "\"1.5\"";
        QTest::newRow("odd hex") << QStringList{"device", "--answer", "123", "--every", "1"}
                                 << "half a byte";
        QTest::newRow("split hex byte")
            << QStringList{"device", "--answer", "1 23", "--every", "1"} << "single hex digit";
        QTest::newRow("empty hex")
            << QStringList{"device", "--answer", " ", "--every", "1"} << "no bytes";
        QTest::newRow("echo with value") << QStringList{"device", "--echo=yes"} << "--echo";
        QTest::newRow("device option on pair") << QStringList{"pair", "--echo"} << "\"--echo\"";
    }
    void badArguments() {
        QFETCH(QStringList, args);
        QFETCH(QString, mentions);
        SimCommand c;
        const QString error = ParseSimArguments(args, &c);
        QVERIFY2(error.contains(mentions), qPrintable(error));
    }

    void characterTime_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("format");
        QTest::addColumn<qint64>("ns");
        QTest::newRow("9600 8N1") << 9600 << "8N1" << qint64(1041667);
        QTest::newRow("9600 8O1") << 9600 << "8O1" << qint64(1145833);
        QTest::newRow("115200 8N1") << 115200 << "8N1" << qint64(86806);
        QTest::newRow("110 7E2") << 110 << "7E2" << qint64(100000000);
        QTest::newRow("300 5N1.5") << 300 << "5N1.5" << qint64(25000000);
    }
    void characterTime() {
        QFETCH(int, baud);
        QFETCH(QString, format);
        QFETCH(qint64, ns);
        LineTiming timing;
        timing.baud = baud;
        QString error;
        QVERIFY(ParseFormat(format, &timing.format, &error));
        QCOMPARE(timing.characterNs(), ns);
    }

    void harmlessLinePassesEverything() {
        LineImpairment line(0.0, 0.0, 1);
        QVERIFY(line.harmless());
        for (int i = 0; i < 256; ++i) QCOMPARE(line.carry(char(i)), std::optional<char>(char(i)));
    }

    void certainFaults() {
        LineImpairment lossy(0.0, 1.0, 1);
        for (int i = 0; i < 256; ++i) QVERIFY(!lossy.carry(char(i)).has_value());
        // Every byte flipped in exactly one of its 7 data bits, never in the eighth.
        LineImpairment noisy(1.0, 0.0, 1, 7);
        QList<int> bitsSeen(8, 0);
        for (int i = 0; i < 4096; ++i) {
            const char in = char(i);
            const std::optional<char> out = noisy.carry(in);
            QVERIFY(out.has_value());
            const quint32 diff = quint8(*out ^ in);
            QCOMPARE(int(qPopulationCount(diff)), 1);
            ++bitsSeen[int(qCountTrailingZeroBits(diff))];
        }
        QCOMPARE(bitsSeen[7], 0);
        for (int bit = 0; bit < 7; ++bit) QVERIFY(bitsSeen[bit] > 4096 / 7 / 2);
    }

    void faultRatesComeNearP_data() {
        QTest::addColumn<double>("corrupt");
        QTest::addColumn<double>("drop");
        QTest::newRow("1% corrupt") << 0.01 << 0.0;
        QTest::newRow("10% drop") << 0.0 << 0.1;
        QTest::newRow("both 20%") << 0.2 << 0.2;
    }
    void faultRatesComeNearP() {
        QFETCH(double, corrupt);
        QFETCH(double, drop);
        const int n = 100000;
        for (quint64 seed : {1ull, 2ull, 99ull}) {
            LineImpairment line(corrupt, drop, seed);
            int dropped = 0, flipped = 0;
            for (int i = 0; i < n; ++i) {
                const std::optional<char> out = line.carry(char(i));
                if (!out)
                    ++dropped;
                else if (*out != char(i))
                    ++flipped;
            }
            const double dropRate = double(dropped) / n;
            const double flipRate = double(flipped) / (n - dropped);
            // Five standard deviations: a wrong rate fails, an honest one practically never does.
            QVERIFY2(qAbs(dropRate - drop) <= 5 * std::sqrt(drop * (1 - drop) / n) + 1e-9,
                     qPrintable(QString::number(dropRate)));
            QVERIFY2(qAbs(flipRate - corrupt) <= 5 * std::sqrt(corrupt * (1 - corrupt) / n) + 1e-9,
                     qPrintable(QString::number(flipRate)));
        }
    }

    void sameSeedSameFaults() {
        LineImpairment first(0.3, 0.3, 1234), second(0.3, 0.3, 1234), other(0.3, 0.3, 1235);
        bool differs = false;
        for (int i = 0; i < 1000; ++i) {
            const auto a = first.carry(char(i));
            QCOMPARE(second.carry(char(i)), a);
            differs = differs || other.carry(char(i)) != a;
        }
        QVERIFY(differs);
    }

    // What the simulator takes the program's receiver to be: what the terminal shows, the rest
    // as the device's own.
    void receiverAsTheTerminalShowsIt_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("baud");
        QTest::addColumn<bool>("twoStop");
        QTest::addColumn<bool>("odd");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("same") << "9600,E,8,1" << 9600 << false << false << "9600,E,8,1";
        QTest::newRow("odd shown") << "9600,E,8,1" << 19200 << false << true << "19200,O,8,1";
        QTest::newRow("odd device, flag clear")
            << "9600,O,7,1" << 9600 << false << false << "9600,E,7,1";
        QTest::newRow("no parity, odd shown")
            << "4800,N,8,1" << 4800 << false << true << "4800,O,8,1";
    }
    void receiverAsTheTerminalShowsIt() {
        QFETCH(QString, device);
        QFETCH(int, baud);
        QFETCH(bool, twoStop);
        QFETCH(bool, odd);
        QFETCH(QString, receiver);
        comm::LineSettings d, expected;
        QString error;
        QVERIFY(comm::LineSettings::parse(device, &d, &error));
        QVERIFY(comm::LineSettings::parse(receiver, &expected, &error));
        const comm::LineSettings seen = rs232sim::ReceiverAsSeen(d, baud, twoStop, odd);
        QCOMPARE(seen.baudRate, expected.baudRate);
        QCOMPARE(int(seen.parity), int(expected.parity));
        QCOMPARE(seen.dataBits, expected.dataBits);
        QCOMPARE(int(seen.stopBits), int(expected.stopBits));
    }

    // What the program said it applied counts where the terminal agrees with it.
    void receiverAsTheProgramAppliedIt_data() {
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("applied");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("agrees") << "9600,N,8,1"
                                << "9600,E,7,1"
                                << "9600,E,7,1";
        QTest::newRow("another rate") << "9600,N,8,1"
                                      << "19200,E,7,1"
                                      << "9600,N,8,1";
        QTest::newRow("odd not shown") << "9600,E,8,1"
                                       << "9600,O,8,1"
                                       << "9600,E,8,1";
        QTest::newRow("two stop bits not shown") << "9600,E,8,1"
                                                 << "9600,E,8,2"
                                                 << "9600,E,8,1";
    }
    void receiverAsTheProgramAppliedIt() {
        QFETCH(QString, seen);
        QFETCH(QString, applied);
        comm::LineSettings s, a;
        QString error;
        QVERIFY(comm::LineSettings::parse(seen, &s, &error));
        QVERIFY(comm::LineSettings::parse(applied, &a, &error));
        QTEST(rs232sim::ReceiverApplied(s, a).text(), "receiver");
    }
};

QTEST_GUILESS_MAIN(TestSimOptions)
#include "test_simoptions.moc"
