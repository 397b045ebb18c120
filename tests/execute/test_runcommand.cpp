#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "documentwindow.h"
#include "mainwindow.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "ptyfarend.h"
#include "rundefs.h"
#include "runtext.h"
#include "txlfile.h"
#include "virtualclock.h"

// The Run command of the main window, all the way down to a pseudo-terminal with the real back end.
namespace {

QWidget* executionWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form7") && w->isVisible()) return w;
    return nullptr;
}

QPushButton* button(QWidget* form, const char* name) {
    return form->findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class RunCommandTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void runsTheSavedCommunicationOnTheActivePort();
    void unsavedCommunicationIsRefused();
    void theWindowRunsOnThePortAndClockOfTheMainWindow();

private:
    QTemporaryDir dir_;
    MessageRecorder boxes_;
};

void RunCommandTest::init() {
    boxes_.clear();
}

void RunCommandTest::runsTheSavedCommunicationOnTheActivePort() {
    auto def =
        testdefs::make(1, {0x7E, 0x7F}, {1, 2, 3}, {0xAA}, {0x0D}, {0, 0, 0, 0}, {12, 4, 2, 0});
    comm::CommOptions options;
    options.loopForever = false;
    options.loopText = QStringLiteral("2");
    QString error;
    QVERIFY(
        comm::WriteCommFile(dir_.filePath(QStringLiteral("two.Txl")), def, &options, true, &error));

    PtyFarEnd device;
    qputenv("RS232_COM2", device.path().toLocal8Bit());
    comm::CommDefinition store;
    comm::MainWindow main(store, dir_.path());
    main.show();
    main.startFromCommandLine(QStringLiteral("two.Txl"));
    comm::DocumentWindow* document = main.documentWindow();
    QVERIFY(document);
    QVERIFY(document->isSaved());
    main.choosePort(2);

    main.action(QStringLiteral("RunComm"))->trigger();
    QTRY_VERIFY(executionWindow());
    QWidget* form = executionWindow();
    QVERIFY(form->isModal());
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Text4"))->text(),
             document->kindLine() + QStringLiteral("[115200,缺省,8,1]"));

    QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
    QTRY_COMPARE(device.received(), testdefs::bytes({0x7E, 0x7F, 1, 2, 3, 0xAA, 0x0D}).repeated(2));
    QTRY_COMPARE(button(form, "Command1")->text(), comm::StartCaption());
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("2幀"));
    QVERIFY(boxes_.shown.isEmpty());

    QPointer<QWidget> alive(form);
    QTest::mouseClick(button(form, "Command2"), Qt::LeftButton);
    QTRY_VERIFY(!alive || !alive->isVisible());
    QVERIFY(!executionWindow());
}

void RunCommandTest::unsavedCommunicationIsRefused() {
    comm::CommDefinition store = testdefs::make(3, {1}, {2}, {}, {}, {0, 1, 0, 0});
    comm::MainWindow main(store, dir_.path());
    main.show();
    QVERIFY(main.newDocumentWindow());
    main.action(QStringLiteral("RunComm"))->trigger();
    QTRY_VERIFY(executionWindow());
    QWidget* form = executionWindow();
    QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
    QTRY_COMPARE(boxes_.texts(), QStringList{QStringLiteral("请您先保存当前通讯，再执行！")});
    QCOMPARE(button(form, "Command1")->text(), comm::StartCaption());
    form->close();
}

void RunCommandTest::theWindowRunsOnThePortAndClockOfTheMainWindow() {
    const auto def = testdefs::make(3, {0x01}, {0x02}, {}, {}, {0, 1, 0, 0});
    comm::CommOptions options;
    QString error;
    QVERIFY(comm::WriteCommFile(dir_.filePath(QStringLiteral("three.Txl")), def, &options, true,
                                &error));
    QPointer<comm::MemorySerialPort> port;
    comm::VirtualClock clock;
    comm::PortServices services{[&port] {
                                    auto made = std::make_unique<comm::MemorySerialPort>();
                                    port = made.get();
                                    return made;
                                },
                                &clock};
    comm::CommDefinition store;
    comm::MainWindow main(store, dir_.path(), services);
    main.show();
    main.startFromCommandLine(QStringLiteral("three.Txl"));
    main.action(QStringLiteral("RunComm"))->trigger();
    QTRY_VERIFY(executionWindow());
    QWidget* form = executionWindow();
    QVERIFY(port);

    QTest::mouseClick(button(form, "Command1"), Qt::LeftButton);
    QVERIFY(port->portOpen());
    // The exchange pause is the clock's: nothing goes out before 100 ms of its time.
    clock.advance(99);
    QVERIFY(port->written().isEmpty());
    clock.advance(1);
    QCOMPARE(port->written(), testdefs::bytes({0x01, 0x02}));
    form->close();
    QVERIFY(!port || !port->portOpen());
}

QTEST_MAIN(RunCommandTest)
#include "test_runcommand.moc"
