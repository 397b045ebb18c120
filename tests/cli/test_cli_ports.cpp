// comm-cli ports: what the four items stand for and why, as a script reads it.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "builtprogram.h"

class TestCliPorts : public QObject {
    Q_OBJECT
    QTemporaryDir config_;

    QByteArray run(const QStringList& args, int* exitCode) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("RS232_COM2"), QStringLiteral("/tmp/line-b"));
        // Bindings from a settings file of the test's own, never the user's.
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        process.setProcessEnvironment(env);
        process.start(BuiltProgram(QStringLiteral("comm-cli")), QStringList{"ports"} + args);
        if (!process.waitForFinished(20000)) return {};
        *exitCode = process.exitCode();
        return process.readAllStandardOutput();
    }

private slots:
    void jsonNamesEveryItemAndItsSource() {
        int code = -1;
        const QJsonObject o = QJsonDocument::fromJson(run({"--json"}, &code)).object();
        QCOMPARE(code, 0);
        QVERIFY(o.value("devices").isArray());
        const QJsonArray items = o.value("items").toArray();
        QCOMPARE(items.size(), 4);
        for (int i = 0; i < 4; ++i) {
            const QJsonObject item = items[i].toObject();
            QCOMPARE(item.value("item").toInt(), i + 1);
            const QString source = item.value("source").toString();
            QVERIFY(QStringList({"variable", "binding", "automatic", "none"}).contains(source));
            QCOMPARE(item.value("device").isNull(), source == QLatin1String("none"));
        }
        QCOMPARE(items[1].toObject().value("source").toString(), QStringLiteral("variable"));
        QCOMPARE(items[1].toObject().value("device").toString(), QStringLiteral("/tmp/line-b"));
    }

    void textNamesTheItems() {
        int code = -1;
        const QString text = QString::fromUtf8(run({}, &code));
        QCOMPARE(code, 0);
        QVERIFY(text.contains(QStringLiteral("串口二: /tmp/line-b（由环境变量 RS232_COM2 指定）")));
        QVERIFY(text.contains(QStringLiteral("串口四: ")));
    }
};

QTEST_GUILESS_MAIN(TestCliPorts)
#include "test_cli_ports.moc"
