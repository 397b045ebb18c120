#include <QtTest>

#include "options.h"

using cli::Options;

// What one scan makes of the arguments when the command asks for the flag --all and the values
// --port and --dir: the port, the plain arguments, and the problem (empty when none).
class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void scan_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("problem");
        QTest::newRow("value after the name") << QStringList{"--port", "3"} << "3"
                                              << ""
                                              << "";
        QTest::newRow("value after =") << QStringList{"--port=/tmp/a"} << "/tmp/a"
                                       << ""
                                       << "";
        QTest::newRow("empty value after =") << QStringList{"--port="} << ""
                                             << ""
                                             << "";
        QTest::newRow("the last one counts") << QStringList{"--port", "1", "--port=2"} << "2"
                                             << ""
                                             << "";
        QTest::newRow("a value that looks like an option")
            << QStringList{"--port", "--all"} << "--all"
            << ""
            << "";
        QTest::newRow("plain arguments in order") << QStringList{"a", "--all", "b"} << "<none>"
                                                  << "a b"
                                                  << "";
        QTest::newRow("no value") << QStringList{"--all", "--port"} << "<none>"
                                  << ""
                                  << "--port needs a value";
        QTest::newRow("flag with a value") << QStringList{"--all=yes"} << "<none>"
                                           << ""
                                           << "--all takes no value";
        QTest::newRow("never asked for, the first named")
            << QStringList{"--speed", "--colour=red"} << "<none>"
            << ""
            << "x: unknown argument \"--speed\"";
    }
    void scan() {
        QFETCH(QStringList, args);
        QFETCH(QString, port);
        QFETCH(QString, plain);
        QFETCH(QString, problem);
        Options o(args, {QStringLiteral("--port"), QStringLiteral("--dir")});
        o.flag(QStringLiteral("--all"));
        o.value(QStringLiteral("--dir"));
        QCOMPARE(o.value(QStringLiteral("--port")).value_or(QStringLiteral("<none>")), port);
        QCOMPARE(o.plain().join(QLatin1Char(' ')), plain);
        QCOMPARE(o.problem(QStringLiteral("x")), problem);
        QCOMPARE(o.ok(), problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "test_options.moc"
