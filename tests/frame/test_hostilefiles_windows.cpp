#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "daxfile.h"
#include "filebytes.h"
#include "mainwindow.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "monitorcapture.h"
#include "monitordialogs.h"
#include "monitorwindow.h"
#include "sendfilewindow.h"
#include "virtualclock.h"

using namespace comm;

// A FIFO, a device and a folder chosen in a window that reads or writes files: each gets a
// message saying what it is, and nothing blocks on it or reads it without end.
class TestHostileFilesWindows : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    MessageRecorder boxes_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    static SerialPortFactory memoryPort() {
        return [] { return std::unique_ptr<SerialPort>(std::make_unique<MemorySerialPort>()); };
    }

private slots:
    void initTestCase() {
        QVERIFY(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero")));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(WriteWholeFile(path("good.Dax"), EncodeDax("abc")));
    }
    void init() { boxes_.clear(); }

    static void hostileRows(bool withFolder) {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("FIFO") << "fifo"
                              << "不是普通文件";
        QTest::newRow("link to /dev/zero") << "zero"
                                           << "不是普通文件";
        if (withFolder)
            QTest::newRow("folder") << "folder"
                                    << "是文件夹";
    }
    void hostile_data() { hostileRows(true); }

    void openCommunication_data() { hostile_data(); }
    void openCommunication() {
        QFETCH(QString, name);
        QFETCH(QString, said);
        CommDefinition def;
        MainWindow window(def, dir_.path());
        window.setFileChooser([&](QWidget*, FileDialogMode, const QString&) { return path(name); });
        window.action("OpenComm")->trigger();
        QCOMPARE(boxes_.shown.size(), 1);
        QVERIFY2(boxes_.shown[0].text.contains(said), qPrintable(boxes_.shown[0].text));
        QVERIFY(!window.documentWindow());
    }

    void monitorImportAndStore_data() { hostile_data(); }
    void monitorImportAndStore() {
        QFETCH(QString, name);
        QFETCH(QString, said);
        CommDefinition def;
        def.MonitorSettings = QStringLiteral("9600,O,8,1");
        VirtualClock clock;
        MonitorWindow window(def, 1, memoryPort(), clock);
        QString chosen = path("good.Dax");
        monitor::SetStorageFileChooser([&] { return chosen; });
        const auto restore = qScopeGuard([] { monitor::SetStorageFileChooser({}); });
        auto* import = window.findChild<QPushButton*>(QStringLiteral("Command8"));
        auto* store = window.findChild<QPushButton*>(QStringLiteral("Command6"));
        import->click();  // a capture to store
        QVERIFY(boxes_.shown.isEmpty());
        chosen = path(name);
        import->click();
        QCOMPARE(boxes_.shown.size(), 1);
        QVERIFY2(boxes_.shown[0].text.contains(said), qPrintable(boxes_.shown[0].text));
        QCOMPARE(window.capture().capture(), QByteArray("abc"));
        boxes_.answer = true;  // overwrite: yes
        store->click();
        QCOMPARE(boxes_.shown.constLast().text.contains(said), true);
    }

    // A folder cannot be chosen to send at all.
    void sendFile_data() { hostileRows(false); }
    void sendFile() {
        QFETCH(QString, name);
        QFETCH(QString, said);
        VirtualClock clock;
        SendFileWindow window(1, memoryPort(), clock, dir_.path());
        window.setFileChooser([&](QWidget*, const QString&) { return path(name); });
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        QTRY_COMPARE(boxes_.shown.size(), 1);
        QVERIFY2(boxes_.shown[0].text.contains(said), qPrintable(boxes_.shown[0].text));
    }
};

QTEST_MAIN(TestHostileFilesWindows)
#include "test_hostilefiles_windows.moc"
