// The main window's monitor command (listencomm, toolbar t14): fixed settings, the active port,
// the window's position, the hourglass while it is open.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "mainwindow.h"
#include "messagerecorder.h"
#include "monitorwindow.h"

class TestMonitorCommand : public QObject {
    Q_OBJECT

    struct Seen {
        bool found = false;
        QPoint position;
        QString portState;
        Qt::CursorShape mainCursor = Qt::ArrowCursor;
        QString settings;
    };

    // Triggers the action and looks at the monitor once it is up, then closes it.
    Seen openMonitor(comm::MainWindow& main, comm::CommDefinition& def, const QString& action) {
        Seen seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QLatin1String("Form8")) return;
            poll.stop();
            seen.found = true;
            seen.position = modal->pos();
            seen.portState = modal->findChild<QLabel*>(QStringLiteral("Label4"))->text();
            seen.mainCursor = main.cursor().shape();
            seen.settings = def.MonitorSettings;
            modal->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        });
        poll.start();
        main.findChild<QAction*>(action)->trigger();
        return seen;
    }

    // Any box the monitor shows is answered OK instead of waiting for a click.
    MessageRecorder boxes_;

private slots:
    void opensWithFixedSettingsOnTheActivePort_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("port");
        QTest::newRow("menu, port 3") << "listencomm" << 3;
        QTest::newRow("toolbar, port 1") << "t14" << 1;
    }
    void opensWithFixedSettingsOnTheActivePort() {
        QFETCH(QString, action);
        QFETCH(int, port);
        comm::CommDefinition def;
        // Settings changed in an earlier monitor do not carry over to the next one.
        def.MonitorSettings = QStringLiteral("115200,E,7,2");
        def.MonitorSettingsText = QStringLiteral("115200,偶,7,2");
        comm::MainWindow main(def);
        main.move(40, 30);
        main.show();
        main.choosePort(port);
        const Seen seen = openMonitor(main, def, action);
        QVERIFY(seen.found);
        QCOMPARE(seen.settings, QStringLiteral("9600,O,8,1"));
        const QString numeral = port == 3 ? QStringLiteral("三") : QStringLiteral("一");
        QCOMPARE(seen.portState,
                 QStringLiteral("串口") + numeral + QStringLiteral("未打开\n9600,奇,8,1"));
        const QPoint offset(100 * main.logicalDpiX() / 1440, 1080 * main.logicalDpiY() / 1440);
        QCOMPARE(seen.position, main.pos() + offset);
        QCOMPARE(seen.mainCursor, Qt::WaitCursor);
        QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestMonitorCommand)
#include "test_monitorcommand.moc"
