#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "mainwindow.h"

using comm::CommDefinition;
using comm::MainWindow;

class TestHelpCommands : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

private slots:
    // Menu item and toolbar button open the same box, modally over the main window.
    void commandsOpenTheirWindows_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("busy");
        QTest::newRow("nr") << "nr"
                            << "Form13" << false;
        QTest::newRow("t10") << "t10"
                             << "Form13" << false;
        QTest::newRow("jscc") << "jscc"
                              << "Form6" << true;
        QTest::newRow("t11") << "t11"
                             << "Form6" << true;
        QTest::newRow("About") << "About"
                               << "Form5" << true;
        QTest::newRow("t12") << "t12"
                             << "Form5" << true;
    }
    void commandsOpenTheirWindows() {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(bool, busy);
        CommDefinition def;
        MainWindow main(def, folder_.path());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QAction* action = main.action(command);
        QVERIFY(action);

        QString opened;
        bool modal = false;
        bool ownedByMain = false;
        Qt::CursorShape pointer = Qt::ArrowCursor;
        QTimer probe;
        probe.setSingleShot(true);
        connect(&probe, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            opened = dialog->objectName();
            modal = dialog->isModal();
            ownedByMain = dialog->parentWidget() == &main;
            pointer = main.cursor().shape();
            if (auto* button = dialog->findChild<QPushButton*>(QStringLiteral("Command1")))
                button->click();
            else
                dialog->reject();
        });
        probe.start(0);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        guard.start(10000);

        action->trigger();

        QCOMPARE(opened, window);
        QVERIFY(modal);
        QVERIFY(ownedByMain);
        QCOMPARE(pointer == Qt::WaitCursor, busy);
        QVERIFY(main.cursor().shape() != Qt::WaitCursor);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestHelpCommands)
#include "test_helpcommands.moc"
