#include <QProcess>
#include <QtTest>

#include "builtprogram.h"

// Arguments comm-cli cannot take: status 2, the command's usage, and after it which argument is
// wrong and why.
class TestCliUsage : public QObject {
    Q_OBJECT
private slots:
    void saysWhichArgumentAndWhy_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no port") << QStringList{"send", "a"} << "--port is required";
        QTest::newRow("port without its value")
            << QStringList{"send", "a", "--port"} << "--port needs a value";
        QTest::newRow("unknown option") << QStringList{"send", "a", "--port", "1", "--dir", "x"}
                                        << "unknown argument \"--dir\"";
        QTest::newRow("no file") << QStringList{"run", "--port", "1"} << "FILE.Txl is missing";
        QTest::newRow("one file too many")
            << QStringList{"send", "a", "b", "--port", "1"} << "unexpected argument \"b\"";
        QTest::newRow("answer not known")
            << QStringList{"run", "a.Txl", "--port", "1", "--on-timeout", "maybe"}
            << "--on-timeout must be ask, continue or stop, not \"maybe\"";
        QTest::newRow("no byte") << QStringList{"monitor", "--port", "1", "--bytes", "0"}
                                 << "--bytes must be a whole number above 0, not \"0\"";
        QTest::newRow("settings no port takes")
            << QStringList{"monitor", "--port", "1", "--settings", "9600,X,8,1"}
            << "--settings \"9600,X,8,1\"";
        QTest::newRow("listening longer than a day")
            << QStringList{"identify", "--port", "1", "--listen-ms", "86400001"}
            << "--listen-ms must be a whole number from 1 to 86400000";
        QTest::newRow("make with one file")
            << QStringList{"make", "a.json"} << "FILE.json and FILE.Txl is missing";
        QTest::newRow("dax, option not known")
            << QStringList{"dax", "a.Dax", "--hex"} << "unknown argument \"--hex\"";
    }
    void saysWhichArgumentAndWhy() {
        QFETCH(QStringList, args);
        QFETCH(QString, reason);
        QProcess cli;
        cli.start(BuiltProgram(QStringLiteral("comm-cli")), args);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 2);
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        const QStringList lines = err.split(QLatin1Char('\n'));
        QVERIFY2(lines.first().startsWith(QStringLiteral("usage: comm-cli ") + args.first()),
                 qPrintable(err));
        QVERIFY2(lines.value(1).startsWith(QStringLiteral("comm-cli: ") + reason), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCliUsage)
#include "test_cli_usage.moc"
