// The monitor window, its messages and comm-cli's monitor messages in English.
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "builtprogram.h"
#include "chinesetexts.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "monitordialogs.h"
#include "monitorwindow.h"
#include "recordingcontrol.h"
#include "timedlog.h"
#include "translations.h"
#include "virtualclock.h"

using namespace comm;

class TestMonitorEnglish : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    static QString text(const QWidget& window, const char* name) {
        if (auto* label = window.findChild<QLabel*>(QLatin1String(name))) return label->text();
        if (auto* button = window.findChild<QPushButton*>(QLatin1String(name)))
            return button->text();
        return QStringLiteral("<no %1>").arg(QLatin1String(name));
    }
    // The recording control is the shared controls' own and is checked with them.
    static QStringList chineseLeft(const MonitorWindow& window) {
        QStringList left = ChineseTextsOn(&window);
        for (const QString& shared : ChineseTextsOn(window.findChild<ui::RecordingControl*>()))
            left.removeOne(shared);
        return left;
    }

private slots:
    void initTestCase() { QVERIFY(texts::InstallLanguage(texts::Language::English)); }

    void windowInEnglish() {
        MessageRecorder boxes;
        VirtualClock clock;
        CommDefinition definition;
        definition.MonitorSettings = definition.MonitorSettingsText = QStringLiteral("9600,O,8,1");
        MemorySerialPort* port = nullptr;
        MonitorWindow window(definition, 1, MemoryPortFactory(&port), clock);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Monitor Active Port"));
        QCOMPARE(text(window, "Label4"), QStringLiteral("Port 1 closed\n9600,O,8,1"));
        QCOMPARE(text(window, "Command1"), QStringLiteral("Start Monitoring"));
        QVERIFY2(chineseLeft(window).isEmpty(), qPrintable(chineseLeft(window).join('\n')));

        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        port->inject("AB");
        QTRY_COMPARE(text(window, "Label3"), QStringLiteral("Listening\nReceived: 2"));
        QCOMPARE(text(window, "Command1"), QStringLiteral("Stop Monitoring"));
        QVERIFY2(chineseLeft(window).isEmpty(), qPrintable(chineseLeft(window).join('\n')));
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();

        // The pin button knows its state by its caption, in English too.
        auto* pin = window.findChild<QPushButton*>(QStringLiteral("Command2"));
        pin->click();
        QCOMPARE(pin->text(), QStringLiteral("Back to Normal"));
        pin->click();
        QCOMPARE(pin->text(), QStringLiteral("Keep on Top"));

        monitor::SetStorageFileChooser([this] { return dir_.filePath(QStringLiteral("no.Dax")); });
        window.findChild<QPushButton*>(QStringLiteral("Command8"))->click();
        monitor::SetStorageFileChooser({});
        QCOMPARE(boxes.texts(),
                 QStringList{QStringLiteral("This file does not exist. Please choose another!")});
    }

    // The log's comments are for its reader; its records stay one form for the scripts.
    void logCommentsInEnglishRecordsUnchanged() {
        TimedLog log;
        log.restart(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
        log.append(1250, LogDirection::Lost, QByteArray());
        const QString text = QString::fromUtf8(LogFileText(log, QStringLiteral("t")));
        QVERIFY2(text.contains(QStringLiteral("# Started 2026-01-02 03:04:05.000\n")),
                 qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("     1.250 -- 设备断开\n")));
    }

    void cliMessages_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString missing = dir_.filePath(QStringLiteral("missing.Dax"));
        const QStringList store = {QStringLiteral("monitor"), QStringLiteral("--port"),
                                   QStringLiteral("1"), QStringLiteral("--out"),
                                   dir_.filePath(QStringLiteral("no/such/folder/x.Dax"))};
        QTest::newRow("dax en") << "en" << QStringList{"dax", missing}
                                << "This file does not exist. Please choose another!";
        QTest::newRow("dax C") << "" << QStringList{"dax", missing} << "该文件不存在，请重新打开！";
        QTest::newRow("store en") << "en" << store << "Could not store the data!!!";
        QTest::newRow("store C") << "" << store << "存储数据失败!!!";
    }
    void cliMessages() {
        QFETCH(QString, language);
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        cli.setProcessEnvironment(environment);
        cli.start(BuiltProgram(QStringLiteral("comm-cli")), args);
        QVERIFY(cli.waitForFinished(30000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(err.startsWith(message), qPrintable(err));
        QVERIFY(cli.exitCode() != 0);
    }
};

QTEST_MAIN(TestMonitorEnglish)
#include "test_monitor_english.moc"
