// comm-cli send and receive speak the desktop's language: English under LANGUAGE=en, the Chinese
// unchanged under a C locale, with the same status either way.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "builtprogram.h"

class TestCliEnglish : public QObject {
    Q_OBJECT
    QTemporaryDir config_;

private slots:
    void messagesFollowTheLanguage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QStringList busy{"receive", "--port", "/nonexistent/ttyNone"};
        const QStringList missing{"send", "/nonexistent/a.bin", "--port", "1"};
        QTest::newRow("busy port, English")
            << busy << "en"
            << "C" << 3 << "The active port is not free! (/nonexistent/ttyNone";
        QTest::newRow("busy port, C")
            << busy << ""
            << "C" << 3 << "当前活动串口是非空闲串口！（/nonexistent/ttyNone";
        QTest::newRow("no such file, English")
            << missing << "en"
            << "" << 2 << "The file does not exist: /nonexistent/a.bin";
        QTest::newRow("no such file, C") << missing << ""
                                         << "C" << 2 << "文件不存在：/nonexistent/a.bin";
    }
    void messagesFollowTheLanguage() {
        QFETCH(QStringList, args);
        QFETCH(QString, language);
        QFETCH(QString, lang);
        QFETCH(int, status);
        QFETCH(QString, message);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            env.remove(QString::fromLatin1(name));
        if (!language.isEmpty()) env.insert(QStringLiteral("LANGUAGE"), language);
        if (!lang.isEmpty()) env.insert(QStringLiteral("LANG"), lang);
        // No language chosen in a settings file of the user's.
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(BuiltProgram(QStringLiteral("comm-cli")), args);
        QVERIFY(cli.waitForFinished(30000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QCOMPARE(cli.exitCode(), status);
        QVERIFY2(err.contains(message), qPrintable(err));
        if (!language.isEmpty()) {
            static const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
            QVERIFY2(!err.contains(chinese), qPrintable(err));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliEnglish)
#include "test_cli_english.moc"
