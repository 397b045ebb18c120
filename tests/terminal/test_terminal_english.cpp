#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "chinesetexts.h"
#include "logsaving.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "sendline.h"
#include "terminalsession.h"
#include "terminalwindow.h"
#include "timedlog.h"
#include "translations.h"
#include "virtualclock.h"

using namespace comm;

// The terminal window in English over an in-memory port: captions, states and the refusal of
// its engine, with no Chinese left on it.
class TestTerminalEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(texts::InstallLanguage(texts::Language::English)); }

    void windowAndMessagesInEnglish() {
        MessageRecorder boxes;
        VirtualClock clock;
        TerminalWindow window(
            1, [] { return std::make_unique<MemorySerialPort>(); }, clock);
        window.show();
        window.findChild<QPushButton*>(QStringLiteral("OpenPort"))->click();
        QVERIFY(window.session().isOpen());
        auto* mode = window.findChild<QComboBox*>(QStringLiteral("SendMode"));
        mode->setCurrentIndex(mode->findData(int(SendMode::Hex)));
        auto* line = window.findChild<QLineEdit*>(QStringLiteral("SendLine"));
        for (const char* typed : {"01 0G", "41 42"}) {
            line->setText(QLatin1String(typed));
            QTest::keyClick(line, Qt::Key_Return);
        }
        clock.advance(TerminalWindow::kDrawEveryMs);
        ui::SaveTimedLog(&window, TimedLog(), QStringLiteral("t"), QStringLiteral("t.log"));
        QCOMPARE(boxes.texts(),
                 (QStringList{QStringLiteral("\"01 0G\" has the non-hexadecimal character \"G\"; "
                                             "only 0-9, A-F and blanks may be typed"),
                              QStringLiteral("There is no timed record of sending and receiving "
                                             "to save yet!")}));

        QCOMPARE(window.windowTitle(), QStringLiteral("Terminal"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Counts"))->text(),
                 QStringLiteral("Received 0 bytes, sent 2 bytes"));
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("PortLabel"))
                    ->text()
                    .startsWith(QStringLiteral("Port 1 (")));
        // The checksum names the model gives are in English too.
        const QStringList left = ChineseTextsOn(&window);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTerminalEnglish)
#include "test_terminal_english.moc"
