#include <sys/stat.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "builtprogram.h"
#include "filebytes.h"

namespace {
const QByteArray kGoodJson =
    R"({"kind":1,"settings":"9600,O,8,1","settingsText":"9600,奇,8,1","portSettingIndex":[6,4,1,0],)"
    R"("loopCount":0,"delay":0,"wait":0,"counts":[1,2,1,1,0,0,0,0],"hasValues":true,)"
    R"("send":{"start":[170],"data":[1,2],"check":[3],"end":[13]},)"
    R"("recv":{"start":[],"data":[],"check":[],"end":[]}})";
}  // namespace

// Every comm-cli command that takes a file refuses a FIFO, a device and a folder with its reason,
// before it opens a port and without blocking or reading without end.
class TestCliHostileFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero")));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    }

    void refused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reason");
        // No port is ever opened: a port path that names nothing proves it.
        const QString noPort = path("no-such-port");
        const QString notRegular = QStringLiteral("不是普通文件");
        const QString folder = QStringLiteral("是文件夹");
        for (const char* name : {"fifo", "zero"}) {
            const QString file = path(QLatin1String(name));
            const QByteArray tag(name);
            QTest::newRow("show " + tag) << QStringList{"show", file} << notRegular;
            QTest::newRow("make from " + tag)
                << QStringList{"make", file, path("out.Txl")} << notRegular;
            QTest::newRow("make into " + tag)
                << QStringList{"make", path("good.json"), file} << notRegular;
            QTest::newRow("dax " + tag) << QStringList{"dax", file} << notRegular;
            QTest::newRow("run " + tag) << QStringList{"run", file, "--port", noPort} << notRegular;
            QTest::newRow("send " + tag)
                << QStringList{"send", file, "--port", noPort} << notRegular;
            QTest::newRow("monitor --out " + tag)
                << QStringList{"monitor", "--port", noPort, "--out", file} << notRegular;
        }
        QTest::newRow("monitor --out a folder")
            << QStringList{"monitor", "--port", noPort, "--out", path("folder")} << folder;
        QTest::newRow("show a folder") << QStringList{"show", path("folder")} << folder;
        QTest::newRow("make from a huge file")
            << QStringList{"make", path("huge.json"), path("out.Txl")} << QStringLiteral("超过");
    }
    void refused() {
        QFETCH(QStringList, args);
        QFETCH(QString, reason);
        QVERIFY(WriteWholeFile(path("good.json"), kGoodJson));
        QVERIFY(WriteWholeFile(path("huge.json"), QByteArray(2 * 1024 * 1024, ' ')));
        QProcess cli;
        cli.start(BuiltProgram(QStringLiteral("comm-cli")), args);
        const bool ended = cli.waitForFinished(20000);
        if (!ended) cli.kill();
        QVERIFY2(ended, "comm-cli blocked on the file");
        QVERIFY(cli.exitCode() != 0);
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(err.contains(reason), qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("no-such-port")), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCliHostileFiles)
#include "test_cli_hostilefiles.moc"
