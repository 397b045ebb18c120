#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "chinesetexts.h"
#include "executionwindow.h"
#include "linesettings.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "rundefs.h"
#include "translations.h"
#include "virtualclock.h"

namespace {

const QString kKindLine = QStringLiteral("3.PC sends, the device answers");

comm::RunRequest exchange(bool saved) {
    comm::RunRequest request;
    request.definition = testdefs::make(3, {0x7E}, {1}, {}, {});
    testdefs::fill(&request.definition, comm::FrameSide::Recv, comm::Field::Start, {0x7E});
    testdefs::fill(&request.definition, comm::FrameSide::Recv, comm::Field::Data, {2, 3});
    request.options.waitText = QStringLiteral("300");
    request.options.noWait = false;
    request.kindLine = kKindLine;
    request.saved = saved;
    return request;
}

}  // namespace

// The execution window in English: a judged exchange on the in-memory port leaves no Chinese on
// the window, and its listings, counters and messages read in English.
class ExecutionWindowEnglishTest : public QObject {
    Q_OBJECT
    MessageRecorder boxes;
    comm::VirtualClock clock;
    comm::MemorySerialPort* port = nullptr;

    std::unique_ptr<comm::ExecutionWindow> window(const comm::RunRequest& request) {
        return std::make_unique<comm::ExecutionWindow>(
            request,
            [this] {
                auto p = std::make_unique<comm::MemorySerialPort>();
                port = p.get();
                return std::unique_ptr<comm::SerialPort>(std::move(p));
            },
            clock);
    }
    template <typename T>
    static QString text(const QWidget& w, const char* name) {
        auto* child = w.findChild<T*>(QLatin1String(name));
        if constexpr (std::is_same_v<T, QPlainTextEdit>)
            return child->toPlainText();
        else
            return child->text();
    }

private slots:
    void initTestCase() { QVERIFY(comm::texts::InstallLanguage(comm::texts::Language::English)); }

    void judgedExchangeInEnglish() {
        const auto w = window(exchange(true));
        boxes.clear();
        boxes.answer = false;
        w->findChild<QCheckBox*>(QStringLiteral("CheckFrames"))->setChecked(true);
        auto* startStop = w->findChild<QPushButton*>(QStringLiteral("Command1"));
        QCOMPARE(startStop->text(), QStringLiteral("&Start"));
        QTest::mouseClick(startStop, Qt::LeftButton);
        QCOMPARE(startStop->text(), QStringLiteral("S&top"));
        clock.advance(100);
        port->inject(QByteArray::fromHex("7e0209"));  // a wrong last byte
        clock.advance(100);
        port->inject(QByteArray::fromHex("7e02"));  // two bytes, then nothing
        clock.advance(1000);
        QTRY_COMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Receive time limit exceeded. Please check "
                                                     "your sending program. Continue?"));
        QCOMPARE(boxes.shown[0].detail, QStringLiteral("2 bytes received: 7E 02"));
        QTRY_COMPARE(startStop->text(), QStringLiteral("&Start"));

        QCOMPARE(w->windowTitle(), QStringLiteral("Execution Window"));
        QCOMPARE(text<QPlainTextEdit>(*w, "Text2"),
                 QStringLiteral("7E   Start byte 1\n01   Data byte 1\n"));
        QVERIFY2(text<QPlainTextEdit>(*w, "Text3").startsWith(QStringLiteral("\nFrame 1 bad: ")),
                 qPrintable(text<QPlainTextEdit>(*w, "Text3")));
        QVERIFY(text<QPlainTextEdit>(*w, "Text3").contains(QStringLiteral("09   Data byte 2")));
        QCOMPARE(text<QLabel>(*w, "Label3"), QStringLiteral("1 frame"));
        QCOMPARE(text<QLabel>(*w, "JudgedCounts"), QStringLiteral("Good: 0 frames  Bad: 1 frame"));
        QCOMPARE(text<QLabel>(*w, "Label5"), QStringLiteral("0.5 s"));

        // The settings in the title line are the model's shown form, in the model's texts.
        comm::LineSettings settings;
        QString error;
        QVERIFY(comm::LineSettings::parse(QStringLiteral("9600,N,8,1"), &settings, &error));
        const QString title =
            kKindLine + QLatin1Char('[') + settings.shownText() + QLatin1Char(']');
        QCOMPARE(text<QLineEdit>(*w, "Text4"), title);
        QStringList left = ChineseTextsOn(w.get());
        left.removeAll(QStringLiteral("Text4: ") + title);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }

    void refusalAndLineEventInEnglish() {
        boxes.clear();
        const auto unsaved = window(exchange(false));
        QTest::mouseClick(unsaved->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        const auto saved = window(exchange(true));
        saved->show();
        QTest::mouseClick(saved->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        port->injectEvent(1001);
        QTRY_COMPARE(boxes.shown.size(), 2);
        QCOMPARE(
            boxes.texts(),
            (QStringList{QStringLiteral("Please save the current communication before running it!"),
                         QStringLiteral("Break received")}));
    }
};

QTEST_MAIN(ExecutionWindowEnglishTest)
#include "test_executionwindow_english.moc"
