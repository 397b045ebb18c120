#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include "documentwindow.h"
#include "mainwindow.h"
#include "messagerecorder.h"
#include "portmap.h"
#include "statuspanels.h"
#include "texthelpers.h"

using comm::MainWindow;
using comm::StatusPanels;

namespace {

// A new communication as the wizard leaves it.
void prepareNew(comm::CommDefinition* def, int kind) {
    def->CommKind = qint16(kind);
    def->FrameFieldCount = {1, 2, 1, 1, 1, 2, 1, 1};
    def->CommSettingsText = QStringLiteral("9600,奇,8,1");
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir folder_;
    MessageRecorder boxes_;

    QAction* act(const MainWindow& w, const char* name) {
        QAction* a = w.findChild<QAction*>(QLatin1String(name));
        if (!a) qFatal("no action %s", name);
        return a;
    }

private slots:
    void init() { boxes_.clear(); }

    void menuTree_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        const struct {
            const char *menu, *name, *caption, *shortcut;
            bool enabled, checked;
        } rows[] = {
            {"Comm", "NewComm", "新建通讯[&N]", "Ctrl+N", true, false},
            {"Comm", "OpenComm", "打开通讯[&O]...", "Ctrl+O", true, false},
            {"Comm", "RunComm", "执行通讯[&R]", "Ctrl+R", false, false},
            {"Comm", "CloseComm", "关闭通讯[&C]", "Ctrl+C", false, false},
            {"Comm", "line1", "-", "", true, false},
            {"Comm", "SaveComm", "保存通讯[&S]", "Ctrl+S", false, false},
            {"Comm", "SaveAsComm", "通讯另存为...", "", false, false},
            {"Comm", "SaveData", "保存幀数据", "", true, true},
            {"Comm", "line2", "-", "", true, false},
            {"Comm", "PrintComm", "打印通讯[&P]", "Ctrl+P", false, false},
            {"Comm", "PrintSetup", "打印设置", "", true, false},
            {"Comm", "line4", "-", "", true, false},
            {"Comm", "Exit", "退出[&X]", "Ctrl+X", true, false},
            {"listen", "listencomm", "监听活动串口", "", true, false},
            {"listen", "autoSee", "自动识别设置", "", true, false},
            {"file", "sendfile", "发送文件", "", true, false},
            {"file", "receivefile", "接收文件", "", true, false},
            {"Setup", "ck1", "串口一", "", true, true},
            {"Setup", "ck2", "串口二", "", true, false},
            {"Setup", "ck3", "串口三", "", true, false},
            {"Setup", "ck4", "串口四", "", true, false},
            {"Setup", "bindPorts", "串口对应设备...", "", true, false},
            {"Windows", "sppp", "水平平铺[&H]", "", true, false},
            {"Windows", "czpp", "垂直平铺[&V]", "", true, false},
            {"Windows", "ct", "层叠    [&C]", "", true, false},
            {"Windows", "pltb", "排列图标[&A]", "", true, false},
            {"Help", "nr", "内容", "", true, false},
            {"Help", "jscc", "技术支持", "", true, false},
            {"Help", "line5", "-", "", true, false},
            {"Help", "About", "关于系统[&A]", "Ctrl+A", true, false},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << r.menu << r.name << QString::fromUtf8(r.caption) << r.shortcut
                                  << r.enabled << r.checked;
    }
    void menuTree() {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        auto* owner = window.findChild<QMenu*>(menu);
        QVERIFY(owner);
        QAction* item = window.action(name);
        QVERIFY(item);
        QVERIFY(owner->actions().contains(item));
        if (caption == QLatin1String("-"))
            QVERIFY(item->isSeparator());
        else
            QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), QKeySequence(shortcut));
        QCOMPARE(item->isEnabled(), enabled);
        QCOMPARE(item->isChecked(), checked);
    }

    void menuBarOrder() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        QStringList captions;
        for (QAction* top : window.menuBar()->actions()) captions << top->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("通讯[&C]"), QStringLiteral("监听[&L]"),
                                        QStringLiteral("文件[&F]"), QStringLiteral("设置[&O]"),
                                        QStringLiteral("窗口[&W]"), QStringLiteral("帮助[&H]")}));
        QCOMPARE(window.objectName(), QStringLiteral("MDIForm1"));
        QCOMPARE(window.windowTitle(), QStringLiteral("通用RS232通讯程序"));
        QCOMPARE(window.lineBreak(), QStringLiteral("\r\n"));
    }

    void toolBar_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("enabled");
        const struct {
            int index;
            const char *key, *tip;
            bool enabled;
        } rows[] = {{1, "t1", "新建通讯", true},
                    {2, "t2", "打开通讯", true},
                    {3, "t3", "保存通讯", false},
                    {4, "t4", "打印通讯", false},
                    {5, "", "", true},
                    {6, "", "", true},
                    {7, "t5", "执行通讯", false},
                    {8, "", "", true},
                    {9, "t14", "监听串口", true},
                    {10, "", "", true},
                    {11, "t15", "发送文件", true},
                    {12, "t16", "接收文件", true},
                    {13, "", "", true},
                    {14, "t6", "串口一有效", true},
                    {15, "t7", "串口二有效", true},
                    {16, "t8", "串口三有效", true},
                    {17, "t9", "串口四有效", true},
                    {18, "", "", true},
                    {19, "", "", true},
                    {20, "t17", "自动识别串口设置", true},
                    {21, "", "", true},
                    {22, "t10", "帮助主题", true},
                    {23, "t11", "技术支持", true},
                    {24, "t12", "关于程序", true},
                    {25, "t13", "退出程序", true}};
        for (const auto& r : rows)
            QTest::newRow(qPrintable(QString::number(r.index)))
                << r.index << r.key << QString::fromUtf8(r.tip) << r.enabled;
    }
    void toolBar() {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QString, tip);
        QFETCH(bool, enabled);
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        auto* bar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QVERIFY(bar);
        // The terminal's button stands beyond the 25 entries, right after the monitor's.
        QList<QAction*> entries = bar->actions();
        QCOMPARE(entries.at(entries.indexOf(window.action(QStringLiteral("t14"))) + 1),
                 window.action(QStringLiteral("t18")));
        entries.removeOne(window.action(QStringLiteral("t18")));
        QCOMPARE(entries.size(), 25);
        QAction* button = window.toolButton(index);
        QCOMPARE(entries.at(index - 1), button);
        if (key.isEmpty()) {
            QVERIFY(button->isSeparator());
            return;
        }
        QCOMPARE(window.action(key), button);
        const bool portButton = index >= 14 && index <= 17;
        // A port button's tip goes on, after a line break, with the device it stands for.
        QCOMPARE(button->toolTip().section(QLatin1Char('\n'), 0, 0), tip);
        QCOMPARE(button->toolTip().contains(QLatin1Char('\n')), portButton);
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->isEnabled(), enabled);
        QCOMPARE(button->isCheckable(), portButton);
        QCOMPARE(button->isChecked(), index == 14);
    }

    void startStatusPanels() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        StatusPanels* panels = window.statusPanels();
        QCOMPARE(panels->text(StatusPanels::ActivePort), QStringLiteral("活动串口:串口一"));
        QCOMPARE(panels->text(StatusPanels::Caps), QStringLiteral("CAPS"));
        QCOMPARE(panels->text(StatusPanels::Num), QStringLiteral("NUM"));
        QCOMPARE(panels->text(StatusPanels::Insert), QStringLiteral("Ins"));
        QCOMPARE(panels->text(StatusPanels::Scroll), QStringLiteral("SCRL"));
        QVERIFY(!panels->text(StatusPanels::Fixed).isEmpty());
        for (int i = 1; i <= 7; ++i)
            QVERIFY(window.findChild<QLabel*>(QStringLiteral("Panels_%1").arg(i)));
        // The clock shows the minute the window started in (or the next, at a minute's turn).
        const QDateTime after = QDateTime::currentDateTime();
        const QString shown = panels->text(StatusPanels::Clock);
        const auto clockText = [](const QDateTime& t) {
            return QStringLiteral("时间日期:") + comm::DateText(t.date()) + QLatin1Char(' ') +
                   comm::TimeText(t.time());
        };
        QVERIFY2(shown == clockText(after) || shown == clockText(after.addSecs(-60)),
                 qPrintable(shown));
        QCOMPARE(panels->clockTimer()->interval(), 60000);
        QVERIFY(panels->clockTimer()->isActive());
        QCOMPARE(panels->clockTimer()->objectName(), QStringLiteral("Timer1"));
    }

    void clockTick() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        StatusPanels* panels = window.statusPanels();
        QDateTime now(QDate(2024, 5, 6), QTime(9, 5, 42));
        panels->setTimeSource([&now] { return now; });
        panels->tick();
        QCOMPARE(panels->text(StatusPanels::Clock), QStringLiteral("时间日期:2024-05-06 09:05"));
        now = QDateTime(QDate(2025, 12, 31), QTime(23, 59));
        QMetaObject::invokeMethod(panels->clockTimer(), "timeout");
        QCOMPARE(panels->text(StatusPanels::Clock), QStringLiteral("时间日期:2025-12-31 23:59"));
    }

    void insertKeyToggles() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        StatusPanels* panels = window.statusPanels();
        QVERIFY(!panels->isLit(StatusPanels::Insert));
        QTest::keyClick(window.windowHandle(), Qt::Key_Insert);
        QVERIFY(panels->isLit(StatusPanels::Insert));
        QTest::keyClick(window.windowHandle(), Qt::Key_Insert);
        QVERIFY(!panels->isLit(StatusPanels::Insert));
    }

    void portFromMenu_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("panel");
        QTest::newRow("one") << 1 << QStringLiteral("活动串口: 串口一");
        QTest::newRow("two") << 2 << QStringLiteral("活动串口: 串口二");
        QTest::newRow("three") << 3 << QStringLiteral("活动串口: 串口三");
        QTest::newRow("four") << 4 << QStringLiteral("活动串口: 串口四");
    }
    void portFromMenu() {
        QFETCH(int, port);
        QFETCH(QString, panel);
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.action(QStringLiteral("ck%1").arg(port))->trigger();
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(window.action(QStringLiteral("ck%1").arg(i))->isChecked(), i == port);
        QCOMPARE(window.activePort(), port);
        QCOMPARE(window.statusPanels()->text(StatusPanels::ActivePort), panel);
        // The toolbar is left as it was.
        QVERIFY(window.action("t6")->isChecked());
        for (const char* key : {"t7", "t8", "t9"}) QVERIFY(!window.action(key)->isChecked());
        // Choosing the checked port again keeps it checked.
        window.action(QStringLiteral("ck%1").arg(port))->trigger();
        QVERIFY(window.action(QStringLiteral("ck%1").arg(port))->isChecked());
    }

    void portFromToolbar_data() {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("panel");
        QTest::newRow("two") << 2 << QStringLiteral("活动串口: 串口二");
        QTest::newRow("three") << 3 << QStringLiteral("活动串口: 串口三");
        QTest::newRow("four") << 4 << QStringLiteral("活动串口: 串口四");
        QTest::newRow("one again") << 1 << QStringLiteral("活动串口: 串口一");
    }
    void portFromToolbar() {
        QFETCH(int, port);
        QFETCH(QString, panel);
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.action("ck3")->trigger();
        window.toolButton(13 + port)->trigger();
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(window.toolButton(13 + i)->isChecked(), i == port);
            QCOMPARE(window.action(QStringLiteral("ck%1").arg(i))->isChecked(), i == port);
        }
        QCOMPARE(window.activePort(), port);
        QCOMPARE(window.statusPanels()->text(StatusPanels::ActivePort), panel);
        // Pressing the pressed button again leaves it pressed.
        window.toolButton(13 + port)->trigger();
        QVERIFY(window.toolButton(13 + port)->isChecked());
    }

    void portItemsNameTheirDevice() {
        qputenv("RS232_COM2", "/tmp/virtual-line-b");
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        for (int port = 1; port <= 4; ++port)
            QVERIFY(window.action(QStringLiteral("ck%1").arg(port))
                        ->toolTip()
                        .contains(comm::PortDevice(port)));
        QVERIFY(window.action("ck2")->toolTip().contains(QStringLiteral("/tmp/virtual-line-b")));
        qunsetenv("RS232_COM2");
    }

    void saveDataToggles() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        const comm::CommDefinition before = def;
        QVERIFY(window.saveFrameData());
        window.action("SaveData")->trigger();
        QVERIFY(!window.saveFrameData());
        window.action("SaveData")->trigger();
        QVERIFY(window.saveFrameData());
        QCOMPARE(def.CommKind, before.CommKind);
        QCOMPARE(window.documentWindow(), nullptr);
        QVERIFY(boxes_.shown.isEmpty());
    }

    void exitQuestion_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("ok");
        for (const char* how : {"close box", "Exit", "t13"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1 cancel").arg(how))) << how << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 ok").arg(how))) << how << true;
        }
    }
    void exitQuestion() {
        QFETCH(QString, how);
        QFETCH(bool, ok);
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        prepareNew(&def, 3);
        window.newDocumentWindow();
        boxes_.answer = ok;
        if (how == QLatin1String("close box"))
            window.close();
        else
            window.action(how)->trigger();
        QCOMPARE(boxes_.shown.size(), 1);
        QCOMPARE(boxes_.shown[0].text, QStringLiteral("是否退出程序？"));
        QCOMPARE(boxes_.shown[0].icon, comm::ui::MessageIcon::Question);
        QVERIFY(boxes_.shown[0].okCancel);
        QCOMPARE(window.isVisible(), !ok);
        QVERIFY(window.documentWindow() != nullptr || ok);
    }

    void documentRule() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        prepareNew(&def, 1);
        def.DocumentCounter = 4;
        comm::DocumentWindow* document = window.newDocumentWindow();
        QVERIFY(document);
        QCOMPARE(window.documentWindow(), document);
        QCOMPARE(document->caption(), QStringLiteral("通讯 5"));
        QCOMPARE(def.DocumentCounter, 5);
        QCOMPARE(document->saveFlag(), QStringLiteral("0"));
        for (const char* name :
             {"RunComm", "CloseComm", "SaveComm", "SaveAsComm", "PrintComm", "t3", "t4", "t5"})
            QVERIFY2(window.action(name)->isEnabled(), name);
        for (const char* name : {"NewComm", "OpenComm", "t1", "t2"})
            QVERIFY2(!window.action(name)->isEnabled(), name);
        // One communication at a time.
        QCOMPARE(window.newDocumentWindow(), nullptr);
        QCOMPARE(def.DocumentCounter, 5);

        const comm::CommDefinition before = def;
        window.action("CloseComm")->trigger();
        QTRY_COMPARE(window.documentWindow(), nullptr);
        QVERIFY(boxes_.shown.isEmpty());
        for (const char* name :
             {"RunComm", "CloseComm", "SaveComm", "SaveAsComm", "PrintComm", "t3", "t4", "t5"})
            QVERIFY2(!window.action(name)->isEnabled(), name);
        for (const char* name : {"NewComm", "OpenComm", "t1", "t2"})
            QVERIFY2(window.action(name)->isEnabled(), name);
        // Closing leaves the definition as it was.
        QCOMPARE(def.FrameFieldCount, before.FrameFieldCount);
        QCOMPARE(def.SendStartBytes, before.SendStartBytes);
        QCOMPARE(def.CommKind, before.CommKind);
    }

    void closingTheDocumentByItsCloseBox() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        prepareNew(&def, 2);
        window.newDocumentWindow();
        window.mdiArea()->subWindowList().constFirst()->close();
        QTRY_COMPARE(window.documentWindow(), nullptr);
        QVERIFY(window.action("OpenComm")->isEnabled());
        QVERIFY(!window.action("t5")->isEnabled());
    }

    void arrangement_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("tile horizontally") << "sppp";
        QTest::newRow("tile vertically") << "czpp";
        QTest::newRow("cascade") << "ct";
    }
    void arrangement() {
        QFETCH(QString, item);
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        prepareNew(&def, 3);
        window.newDocumentWindow();
        QMdiSubWindow* child = window.mdiArea()->subWindowList().constFirst();
        child->setGeometry(40, 30, 200, 150);
        window.action(item)->trigger();
        const QRect space = window.mdiArea()->viewport()->rect();
        if (item == QLatin1String("ct")) {
            QVERIFY(child->geometry() != QRect(40, 30, 200, 150));
            QVERIFY(space.contains(child->geometry().topLeft()));
        } else {
            // A single child fills the area either way.
            QCOMPARE(child->geometry(), space);
        }
    }

    void arrangeIconsLinesUpMinimisedWindows() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        prepareNew(&def, 3);
        window.newDocumentWindow();
        QMdiSubWindow* child = window.mdiArea()->subWindowList().constFirst();
        child->showMinimized();
        child->move(100, 10);
        window.action("pltb")->trigger();
        const QRect space = window.mdiArea()->viewport()->rect();
        QCOMPARE(child->x(), 0);
        QCOMPARE(child->geometry().bottom(), space.bottom());
    }

    void windowMenuListsTheDocument() {
        comm::CommDefinition def;
        MainWindow window(def, folder_.path());
        window.show();
        prepareNew(&def, 3);
        window.newDocumentWindow();
        auto* menu = window.findChild<QMenu*>(QStringLiteral("Windows"));
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        QVERIFY2(texts.last().endsWith(QStringLiteral("通讯 1")), qPrintable(texts.join('|')));
        // Shown twice, the list is not doubled.
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QCOMPARE(menu->actions().size(), texts.size());
    }

    void helpFileWhenPresent() {
        comm::CommDefinition def;
        {
            MainWindow window(def, folder_.path());
            QCOMPARE(window.helpFile(), QString());
        }
        QFile help(folder_.filePath(QStringLiteral("Comm.hlp")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        MainWindow window(def, folder_.path());
        QCOMPARE(window.helpFile(), help.fileName());
        help.remove();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
