#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "documentwindow.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "widgetdriver.h"

using comm::CommDefinition;
using comm::MainWindow;

// The menus give Ctrl+C to closing the communication, Ctrl+X to exiting and Ctrl+A to the about
// box; inside an edit box of the document window the keys must keep their editing meaning.
class TestEditShortcuts : public QObject {
    Q_OBJECT

    MessageRecorder boxes_;
    CommDefinition def_;
    std::unique_ptr<MainWindow> main_;
    // Windows the keys opened, closed again at once so that a failing test cannot hang.
    QStringList opened_;
    QTimer closer_;

private slots:
    void initTestCase() {
        closer_.setInterval(10);
        connect(&closer_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened_ << modal->objectName();
                modal->close();
            }
        });
    }
    void init() {
        boxes_.clear();
        opened_.clear();
        def_ = CommDefinition();
        def_.CommKind = 3;
        def_.FrameFieldCount = {1, 2, 1, 1, 1, 2, 1, 1};
        def_.CommSettings = QStringLiteral("9600,O,8,1");
        def_.CommSettingsText = QStringLiteral("9600,奇,8,1");
        main_ = std::make_unique<MainWindow>(def_);
        main_->show();
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
        QVERIFY(main_->newDocumentWindow());
        closer_.start();
    }
    void cleanup() {
        closer_.stop();
        main_.reset();
    }

    void editingKeysStayInTheBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("typed");
        QTest::newRow("byte box, hexadecimal") << "Text6_0" << QString() << "4F";
        QTest::newRow("byte box, character") << "Text5_1" << QString() << "k";
        QTest::newRow("count box") << "Text1"
                                   << "Option1_1"
                                   << "25";
        QTest::newRow("text box") << "Text11"
                                  << "Option1_5"
                                  << "1500";
    }
    void editingKeysStayInTheBox() {
        QFETCH(QString, box);
        QFETCH(QString, option);
        QFETCH(QString, typed);
        comm::DocumentWindow* document = main_->documentWindow();
        if (!option.isEmpty()) document->findChild<QRadioButton*>(option)->click();
        auto* edit = document->findChild<QLineEdit*>(box);
        QVERIFY(edit && edit->isEnabled());
        edit->setFocus(Qt::TabFocusReason);
        edit->clear();
        TypeText(edit, typed);
        QCOMPARE(edit->text(), typed);

        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), typed);
        QApplication::clipboard()->clear();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), typed);
        QApplication::clipboard()->clear();
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), typed);
        QCOMPARE(edit->text(), QString());

        QTest::qWait(30);
        QCOMPARE(opened_, QStringList());
        QCOMPARE(boxes_.texts(), QStringList());
        QCOMPARE(main_->documentWindow(), document);
        QVERIFY(main_->isVisible());
    }

    // Where no box takes them the keys still run their menu items, as the checks above would
    // see.
    void outsideTheBoxesTheKeysRunTheMenus_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<bool>("documentStays");
        QTest::newRow("Ctrl+C closes") << int(Qt::Key_C) << QStringList() << QStringList() << false;
        QTest::newRow("Ctrl+X asks to exit")
            << int(Qt::Key_X) << QStringList() << QStringList{QStringLiteral("是否退出程序？")}
            << true;
        QTest::newRow("Ctrl+A shows the about box")
            << int(Qt::Key_A) << QStringList{QStringLiteral("Form5")} << QStringList() << true;
    }
    void outsideTheBoxesTheKeysRunTheMenus() {
        QFETCH(int, key);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, asked);
        QFETCH(bool, documentStays);
        boxes_.answer = false;
        main_->documentWindow()->setFocus();
        QTest::keyClick(main_->documentWindow(), Qt::Key(key), Qt::ControlModifier);
        QTest::qWait(30);
        QCOMPARE(opened_, opened);
        QCOMPARE(boxes_.texts(), asked);
        QTRY_COMPARE(main_->documentWindow() != nullptr, documentStays);
    }
};

QTEST_MAIN(TestEditShortcuts)
#include "test_editshortcuts.moc"
