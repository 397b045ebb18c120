// The main window in English, and the 语言 choice of the 设置 menu switching the open window at
// once and remembering the choice. The remembered-choices file lives in a folder of the test's own.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "chinesetexts.h"
#include "documentwindow.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "rememberedchoices.h"
#include "statuspanels.h"
#include "translations.h"

using comm::MainWindow;
using comm::StatusPanels;
using comm::texts::Language;

namespace {

std::optional<Language> Remembered() {
    return comm::texts::StoredLanguage(*comm::texts::OpenRememberedChoices());
}

// The Chinese on the window's menus, toolbar and status bar, but for the one choice that names
// Chinese in Chinese.
QStringList ChineseOnFrame(const MainWindow& window) {
    QStringList left;
    for (const QWidget* part : {static_cast<const QWidget*>(window.menuBar()),
                                static_cast<const QWidget*>(window.findChild<QToolBar*>()),
                                static_cast<const QWidget*>(window.statusBar())})
        left += ChineseTextsOn(part);
    left.removeAll(QStringLiteral("mnuLanguage: 中文"));
    return left;
}

}  // namespace

class TestMainWindowEnglish : public QObject {
    Q_OBJECT
    QTemporaryDir folder_;

private slots:
    void cleanup() { comm::texts::InstallLanguage(Language::Chinese); }

    void builtInEnglish() {
        QVERIFY(comm::texts::InstallLanguage(Language::English));
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.newDocumentWindow();
        const QStringList left = ChineseOnFrame(window);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QCOMPARE(window.windowTitle(), QStringLiteral("General RS232 Communication Program"));
        QCOMPARE(window.action(QStringLiteral("t6"))->toolTip().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Port 1 active"));
        QCOMPARE(window.statusPanels()->text(StatusPanels::ActivePort),
                 QStringLiteral("Active port: Port 1"));
        QCOMPARE(window.documentWindow()->caption(), QStringLiteral("Communication 1"));
        QVERIFY(window.action(QStringLiteral("mnuEnglish"))->isChecked());
        MessageRecorder boxes;
        boxes.answer = false;
        window.close();
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Exit the program?")});
        // Starting in a language is no choice of the user's: nothing is written.
        QCOMPARE(Remembered(), std::nullopt);
    }

    void menuChoiceSwitchesAtOnce() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.newDocumentWindow();
        window.action(QStringLiteral("ck3"))->trigger();
        auto* language = window.findChild<QMenu*>(QStringLiteral("Setup"))
                             ->findChild<QMenu*>(QStringLiteral("mnuLanguage"));
        QCOMPARE(language->title(), QStringLiteral("语言"));

        window.action(QStringLiteral("mnuEnglish"))->trigger();
        QTRY_COMPARE(window.action(QStringLiteral("NewComm"))->text(),
                     QStringLiteral("&New Communication"));
        const QStringList left = ChineseOnFrame(window);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QCOMPARE(language->title(), QStringLiteral("Language"));
        QCOMPARE(window.statusPanels()->text(StatusPanels::ActivePort),
                 QStringLiteral("Active port: Port 3"));
        QCOMPARE(window.documentWindow()->caption(), QStringLiteral("Communication 1"));
        QVERIFY(window.action(QStringLiteral("mnuEnglish"))->isChecked());
        QCOMPARE(Remembered(), Language::English);

        window.action(QStringLiteral("mnuChinese"))->trigger();
        QTRY_COMPARE(window.action(QStringLiteral("NewComm"))->text(),
                     QStringLiteral("新建通讯[&N]"));
        QCOMPARE(window.statusPanels()->text(StatusPanels::ActivePort),
                 QStringLiteral("活动串口: 串口三"));
        QCOMPARE(window.documentWindow()->caption(), QStringLiteral("通讯 1"));
        QCOMPARE(Remembered(), Language::Chinese);
    }
};

// The settings folder is set before anything opens the settings, which fixes its place.
int main(int argc, char* argv[]) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    TestMainWindowEnglish test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_english.moc"
