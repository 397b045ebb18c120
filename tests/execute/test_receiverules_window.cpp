#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "executionwindow.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "rundefs.h"
#include "runtext.h"
#include "virtualclock.h"

// The execution window's options for received frames reach the run, and what the run judges
// reaches the window.
class ReceiveRulesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void judgedRunShowsVerdictsCountsAndWhatWaited() {
        MessageRecorder boxes;
        boxes.answer = false;
        comm::VirtualClock clock;
        comm::MemorySerialPort* port = nullptr;
        comm::RunRequest request;
        request.definition = testdefs::make(3, {}, {1}, {}, {}, {0, 0, 0, 0});
        testdefs::fill(&request.definition, comm::FrameSide::Recv, comm::Field::Data, {1, 2, 3});
        request.options.noWait = false;
        request.options.waitText = QStringLiteral("500");
        request.saved = true;
        comm::ExecutionWindow window(request, MemoryPortFactory(&port), clock);
        auto* check = window.findChild<QCheckBox*>(QStringLiteral("CheckFrames"));
        QVERIFY(check && check->isVisibleTo(&window));
        check->setChecked(true);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(!check->isEnabled());  // fixed while the run goes
        clock.advance(100);
        port->inject(QByteArray::fromHex("010209"));  // a wrong last byte
        clock.advance(100);
        port->inject(QByteArray::fromHex("0102"));  // two bytes, then nothing
        clock.advance(1000);
        QTRY_COMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.texts().first(), comm::TimeoutQuestion());
        QCOMPARE(boxes.shown.first().detail, QStringLiteral("已收到 2 字节: 01 02"));
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("Text3"))
                    ->toPlainText()
                    .contains(QStringLiteral("不完整的幀：已收到 2 字节\n01   数据位第: 1位")));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("JudgedCounts"))->text(),
                 QStringLiteral("正确：0幀  错误：1幀"));
        QTRY_VERIFY(check->isEnabled());
    }
};

QTEST_MAIN(ReceiveRulesWindowTest)
#include "test_receiverules_window.moc"
