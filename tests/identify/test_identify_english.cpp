// The identification window in English, through a whole run and a stop, on an in-memory port and
// the virtual clock.
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "chinesetexts.h"
#include "holdpanestarter.h"
#include "identifywindow.h"
#include "memorydevice.h"
#include "memoryserialport.h"
#include "messagerecorder.h"
#include "settingsidentifier.h"
#include "translations.h"
#include "virtualclock.h"

using namespace comm;

namespace {
class NoHoldpane : public HoldpaneStarter {
public:
    bool start(QString*) override { return true; }
};
}  // namespace

class TestIdentifyEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(texts::InstallLanguage(texts::Language::English)); }

    void windowInEnglish() {
        MessageRecorder boxes;
        VirtualClock clock;
        MemorySerialPort* port = nullptr;
        IdentifyWindow window(2, MemoryPortFactory(&port), clock, std::make_unique<NoHoldpane>());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Identify Port Settings"));
        auto* startStop = window.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* current = window.findChild<QLabel*>(QStringLiteral("Label1_0"));
        QCOMPARE(startStop->text(), QStringLiteral("Start Identifying"));
        port->setReportsLineErrors(false);

        startStop->click();
        clock.advance(100);
        port->inject("T=21.5C\r\n");
        clock.advance(19900);
        QCOMPARE(startStop->text(), QStringLiteral("Stop Identifying"));
        QVERIFY(current->text().startsWith(QStringLiteral("Current settings: ")));
        QVERIFY2(ChineseTextsOn(&window).isEmpty(), qPrintable(ChineseTextsOn(&window).join('\n')));

        startStop->click();
        QCOMPARE(boxes.texts(),
                 (QStringList{QStringLiteral("Identification stopped by the user!!!"),
                              QStringLiteral("Identification finished, possible settings: 1")}));
        auto* results = window.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        QCOMPARE(results->topLevelItemCount(), 1);
        QVERIFY2(
            results->topLevelItem(0)->text(2).contains(QStringLiteral("  line errors unknown")),
            qPrintable(results->topLevelItem(0)->text(2)));
        QCOMPARE(results->headerItem()->text(2), QStringLiteral("Evidence"));
        QVERIFY2(ChineseTextsOn(&window).isEmpty(), qPrintable(ChineseTextsOn(&window).join('\n')));
    }
};

QTEST_MAIN(TestIdentifyEnglish)
#include "test_identify_english.moc"
