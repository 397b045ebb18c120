#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "chinesetexts.h"
#include "executionwindow.h"
#include "linesettings.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "rundefs.h"
#include "translations.h"
#include "virtualclock.h"

// The execution window in English: a judged exchange on the in-memory port leaves no Chinese on
// the window, and its listings, counters and messages read in English.
class ExecutionWindowEnglishTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(comm::texts::InstallLanguage(comm::texts::Language::English)); }

    void judgedExchangeInEnglish() {
        MessageRecorder boxes;
        boxes.answer = false;
        comm::VirtualClock clock;
        comm::MemorySerialPort* port = nullptr;
        comm::RunRequest request;
        request.definition = testdefs::make(3, {0x7E}, {1}, {}, {});
        testdefs::fill(&request.definition, comm::FrameSide::Recv, comm::Field::Start, {0x7E});
        testdefs::fill(&request.definition, comm::FrameSide::Recv, comm::Field::Data, {2, 3});
        request.options.waitText = QStringLiteral("300");
        request.options.noWait = false;
        request.kindLine = QStringLiteral("3.PC sends, the device answers");
        request.saved = true;
        comm::ExecutionWindow w(request, MemoryPortFactory(&port), clock);
        const auto text = [&w](const char* name) {
            if (auto* box = w.findChild<QPlainTextEdit*>(QLatin1String(name)))
                return box->toPlainText();
            return w.findChild<QLabel*>(QLatin1String(name))->text();
        };
        w.findChild<QCheckBox*>(QStringLiteral("CheckFrames"))->setChecked(true);
        auto* startStop = w.findChild<QPushButton*>(QStringLiteral("Command1"));
        QTest::mouseClick(startStop, Qt::LeftButton);
        QCOMPARE(startStop->text(), QStringLiteral("S&top"));
        clock.advance(100);
        port->inject(QByteArray::fromHex("7e0209"));  // a wrong last byte
        clock.advance(100);
        port->inject(QByteArray::fromHex("7e02"));  // two bytes, then nothing
        clock.advance(1000);
        QTRY_COMPARE(boxes.texts(), QStringList{QStringLiteral(
                                        "Receive time limit exceeded. Please check your sending "
                                        "program. Continue?")});
        QCOMPARE(boxes.shown[0].detail, QStringLiteral("2 bytes received: 7E 02"));
        QTRY_COMPARE(startStop->text(), QStringLiteral("&Start"));

        QCOMPARE(text("Text2"), QStringLiteral("7E   Start byte 1\n01   Data byte 1\n"));
        QVERIFY2(text("Text3").startsWith(QStringLiteral("\nFrame 1 bad: ")),
                 qPrintable(text("Text3")));
        QVERIFY(text("Text3").contains(QStringLiteral("09   Data byte 2")));
        QCOMPARE(text("Label3"), QStringLiteral("1 frame"));
        QCOMPARE(text("JudgedCounts"), QStringLiteral("Good: 0 frames  Bad: 1 frame"));
        QCOMPARE(text("Label5"), QStringLiteral("0.5 s"));
        // The settings in the title line are the model's shown form, in the model's texts.
        comm::LineSettings settings;
        QString error;
        QVERIFY(comm::LineSettings::parse(QStringLiteral("9600,N,8,1"), &settings, &error));
        const QString title = request.kindLine + '[' + settings.shownText() + ']';
        QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("Text4"))->text(), title);
        QStringList left = ChineseTextsOn(&w);
        left.removeAll(QStringLiteral("Text4: ") + title);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(ExecutionWindowEnglishTest)
#include "test_executionwindow_english.moc"
