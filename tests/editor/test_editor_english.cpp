#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "chinesetexts.h"
#include "documentwindow.h"
#include "framepanel.h"
#include "messagerecorder.h"
#include "settingsdialog.h"
#include "translations.h"

using comm::CommDefinition;
using comm::DocumentWindow;
using comm::FrameSide;
using comm::texts::InstallLanguage;
using comm::texts::Language;

namespace {

// A communication of kind 3 as the wizard leaves it, on 9600,O,8,1, with no checksum bytes.
CommDefinition sampleCommunication() {
    CommDefinition def;
    def.CommKind = 3;
    def.FrameFieldCount = {1, 2, 0, 1, 1, 2, 1, 1};
    def.setPortSettings({6, 4, 1, 0});
    def.FrameCheckName[1] = comm::Checksum::Xor8;
    return def;
}

// Installs a language and lets the open windows take it in.
void switchTo(Language language) {
    InstallLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

void verifyNoChinese(const QWidget* window) {
    const QStringList left = ChineseTextsOn(window);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

}  // namespace

// The document window, its frame panels and the settings dialog in English.
class TestEditorEnglish : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallLanguage(Language::English)); }

    void documentWindowInEnglish() {
        CommDefinition def = sampleCommunication();
        DocumentWindow window(def);
        verifyNoChinese(&window);
        QCOMPARE(window.settingsLine(), QStringLiteral("2.Port settings:9600,Odd,8,1"));
        QCOMPARE(window.optionCaption(DocumentWindow::LoopForever),
                 QStringLiteral("Repeat forever"));
        QCOMPARE(window.frameCaption(FrameSide::Recv), QStringLiteral("PC receive frame"));
        QCOMPARE(window.framePanel(FrameSide::Recv)->checkNameLabel()->text(),
                 QStringLiteral("Checksum: XOR"));

        // The checksum helper's refusal is English too.
        MessageRecorder boxes;
        window.framePanel(FrameSide::Send)->checksumButton()->menu()->actions().first()->trigger();
        QCOMPARE(boxes.texts(), QStringList{"Some data bytes are not entered yet. Enter them all "
                                            "before computing the checksum!"});
    }

    void settingsDialogInEnglish() {
        // A shown text made in Chinese still opens on its settings.
        comm::SettingsDialog dialog(QStringLiteral("4800,偶,7,2"));
        verifyNoChinese(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Communication Settings"));
        QCOMPARE(dialog.list(comm::SettingsDialog::ParityList)->currentText(),
                 QStringLiteral("Even"));
        dialog.confirm();
        QCOMPARE(dialog.chosen()->shownText(), QStringLiteral("4800,Even,7,2"));
        QCOMPARE(dialog.chosen()->text(), QStringLiteral("4800,E,7,2"));
        // comm-cli's reading takes the Chinese shown text in any language.
        QVERIFY(comm::LineSettings::fromListedText(QStringLiteral("4800,偶,7,2")) ==
                dialog.chosen());
        QVERIFY(comm::LineSettings::fromListedText(QStringLiteral("4800,Even,7,2")) ==
                dialog.chosen());
    }

    // The open window follows the language both ways and keeps what the user typed and chose.
    void switchingLanguageKeepsTheEdits() {
        switchTo(Language::Chinese);
        CommDefinition def = sampleCommunication();
        DocumentWindow window(def);
        const QString chineseCaption = window.groupCaption(0);
        window.findChild<QRadioButton*>(QStringLiteral("Option1_1"))->setChecked(true);
        window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("12"));
        QComboBox* selector = window.framePanel(FrameSide::Send)->selector();
        selector->setCurrentIndex(2);
        const comm::CommOptions before = window.options();

        switchTo(Language::English);
        verifyNoChinese(&window);
        QCOMPARE(window.groupCaption(0), QStringLiteral("3.Repeat"));
        QCOMPARE(selector->currentText(), QStringLiteral("End bytes"));
        QCOMPARE(def.CommSettingsText, QStringLiteral("9600,Odd,8,1"));
        QCOMPARE(def.CommSettings, QStringLiteral("9600,O,8,1"));
        QCOMPARE(window.options().loopForever, before.loopForever);
        QCOMPARE(window.options().loopText, QStringLiteral("12"));
        QCOMPARE(selector->currentIndex(), 2);

        switchTo(Language::Chinese);
        QCOMPARE(window.groupCaption(0), chineseCaption);
        QCOMPARE(window.settingsLine(), QStringLiteral("2.串口设置:9600,奇,8,1"));
        QCOMPARE(window.options().loopText, QStringLiteral("12"));
        switchTo(Language::English);
    }
};

QTEST_MAIN(TestEditorEnglish)
#include "test_editor_english.moc"
