// The main window's identification command (autoSee, toolbar t17): the window on the active port,
// modal, with the hourglass on the main window while it is open.
#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "identifywindow.h"
#include "mainwindow.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "virtualclock.h"

class TestIdentifyCommand : public QObject {
    Q_OBJECT
private slots:
    // The toolbar's t17 runs the same command as the menu item autoSee.
    void opensModallyOnTheActivePort() {
        const QString action = QStringLiteral("t17");
        const int port = 4;
        MessageRecorder boxes;
        comm::VirtualClock clock;
        comm::PortServices services;
        services.makePort = [] { return std::make_unique<comm::MemorySerialPort>(); };
        services.clock = &clock;
        comm::CommDefinition def;
        comm::MainWindow main(def, QString(), services);
        main.show();
        main.choosePort(port);

        bool found = false;
        int commPort = 0;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* form = qobject_cast<comm::IdentifyWindow*>(QApplication::activeModalWidget());
            if (!form || form->objectName() != QLatin1String("Form12")) return;
            poll.stop();
            found = true;
            commPort = form->port()->commPort();
            cursor = main.cursor().shape();
            form->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
        });
        poll.start();
        main.findChild<QAction*>(action)->trigger();
        QVERIFY(found);
        QCOMPARE(commPort, port);
        QCOMPARE(cursor, Qt::WaitCursor);
        QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestIdentifyCommand)
#include "test_identifycommand.moc"
