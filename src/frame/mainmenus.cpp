// The main window's menu tree and toolbar, and which command each item runs.

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "mainwindow.h"
#include "portdirectory.h"
#include "portmap.h"
#include "rememberedchoices.h"
#include "statuspanels.h"
#include "toolbaricons.h"
#include "toolcommands.h"
#include "translations.h"

namespace comm {

namespace {

struct MenuItemEntry {
    const char* name;
    const char* caption;  // nullptr for a separator and a port item
    const char* shortcut = nullptr;
    int port = 0;  // a port item, captioned with the port's name
};

struct MenuEntry {
    const char* name;
    const char* caption;
    std::initializer_list<MenuItemEntry> items;
};

const MenuEntry kMenus[] = {
    {"Comm",
     QT_TRANSLATE_NOOP("comm::MainWindow", "通讯[&C]"),
     {{"NewComm", QT_TRANSLATE_NOOP("comm::MainWindow", "新建通讯[&N]"), "Ctrl+N"},
      {"OpenComm", QT_TRANSLATE_NOOP("comm::MainWindow", "打开通讯[&O]..."), "Ctrl+O"},
      {"RunComm", QT_TRANSLATE_NOOP("comm::MainWindow", "执行通讯[&R]"), "Ctrl+R"},
      {"CloseComm", QT_TRANSLATE_NOOP("comm::MainWindow", "关闭通讯[&C]"), "Ctrl+C"},
      {"line1", nullptr},
      {"SaveComm", QT_TRANSLATE_NOOP("comm::MainWindow", "保存通讯[&S]"), "Ctrl+S"},
      {"SaveAsComm", QT_TRANSLATE_NOOP("comm::MainWindow", "通讯另存为...")},
      {"SaveData", QT_TRANSLATE_NOOP("comm::MainWindow", "保存幀数据")},
      {"line2", nullptr},
      {"PrintComm", QT_TRANSLATE_NOOP("comm::MainWindow", "打印通讯[&P]"), "Ctrl+P"},
      {"PrintSetup", QT_TRANSLATE_NOOP("comm::MainWindow", "打印设置")},
      {"line4", nullptr},
      {"Exit", QT_TRANSLATE_NOOP("comm::MainWindow", "退出[&X]"), "Ctrl+X"}}},
    {"listen",
     QT_TRANSLATE_NOOP("comm::MainWindow", "监听[&L]"),
     {{"listencomm", QT_TRANSLATE_NOOP("comm::MainWindow", "监听活动串口")},
      {"autoSee", QT_TRANSLATE_NOOP("comm::MainWindow", "自动识别设置")},
      {"terminal", QT_TRANSLATE_NOOP("comm::MainWindow", "终端")}}},
    {"file",
     QT_TRANSLATE_NOOP("comm::MainWindow", "文件[&F]"),
     {{"sendfile", QT_TRANSLATE_NOOP("comm::MainWindow", "发送文件")},
      {"receivefile", QT_TRANSLATE_NOOP("comm::MainWindow", "接收文件")}}},
    {"Setup",
     QT_TRANSLATE_NOOP("comm::MainWindow", "设置[&O]"),
     {{"ck1", nullptr, nullptr, 1},
      {"ck2", nullptr, nullptr, 2},
      {"ck3", nullptr, nullptr, 3},
      {"ck4", nullptr, nullptr, 4},
      {"bindPorts", QT_TRANSLATE_NOOP("comm::MainWindow", "串口对应设备...")}}},
    {"Windows",
     QT_TRANSLATE_NOOP("comm::MainWindow", "窗口[&W]"),
     {{"sppp", QT_TRANSLATE_NOOP("comm::MainWindow", "水平平铺[&H]")},
      {"czpp", QT_TRANSLATE_NOOP("comm::MainWindow", "垂直平铺[&V]")},
      {"ct", QT_TRANSLATE_NOOP("comm::MainWindow", "层叠    [&C]")},
      {"pltb", QT_TRANSLATE_NOOP("comm::MainWindow", "排列图标[&A]")}}},
    {"Help",
     QT_TRANSLATE_NOOP("comm::MainWindow", "帮助[&H]"),
     {{"nr", QT_TRANSLATE_NOOP("comm::MainWindow", "内容")},
      {"jscc", QT_TRANSLATE_NOOP("comm::MainWindow", "技术支持")},
      {"line5", nullptr},
      {"About", QT_TRANSLATE_NOOP("comm::MainWindow", "关于系统[&A]"), "Ctrl+A"}}},
};

// Toolbar entries in index order 1..25; a null key is a separator.
struct ToolEntry {
    const char* key;
    const char* tip;   // nullptr for a port button, whose tip names its port
    const char* runs;  // the menu item whose command the button runs
    int port = 0;
};
const ToolEntry kToolButtons[25] = {
    {"t1", QT_TRANSLATE_NOOP("comm::MainWindow", "新建通讯"), "NewComm"},
    {"t2", QT_TRANSLATE_NOOP("comm::MainWindow", "打开通讯"), "OpenComm"},
    {"t3", QT_TRANSLATE_NOOP("comm::MainWindow", "保存通讯"), "SaveComm"},
    {"t4", QT_TRANSLATE_NOOP("comm::MainWindow", "打印通讯"), "PrintComm"},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {"t5", QT_TRANSLATE_NOOP("comm::MainWindow", "执行通讯"), "RunComm"},
    {nullptr, nullptr, nullptr},
    {"t14", QT_TRANSLATE_NOOP("comm::MainWindow", "监听串口"), "listencomm"},
    {nullptr, nullptr, nullptr},
    {"t15", QT_TRANSLATE_NOOP("comm::MainWindow", "发送文件"), "sendfile"},
    {"t16", QT_TRANSLATE_NOOP("comm::MainWindow", "接收文件"), "receivefile"},
    {nullptr, nullptr, nullptr},
    {"t6", nullptr, nullptr, 1},
    {"t7", nullptr, nullptr, 2},
    {"t8", nullptr, nullptr, 3},
    {"t9", nullptr, nullptr, 4},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {"t17", QT_TRANSLATE_NOOP("comm::MainWindow", "自动识别串口设置"), "autoSee"},
    {nullptr, nullptr, nullptr},
    {"t10", QT_TRANSLATE_NOOP("comm::MainWindow", "帮助主题"), "nr"},
    {"t11", QT_TRANSLATE_NOOP("comm::MainWindow", "技术支持"), "jscc"},
    {"t12", QT_TRANSLATE_NOOP("comm::MainWindow", "关于程序"), "About"},
    {"t13", QT_TRANSLATE_NOOP("comm::MainWindow", "退出程序"), "Exit"},
};

// Buttons beyond the 25 entries, each placed right after an entry: key, tip, menu item, the
// entry's key. They take no index, so the entries keep theirs.
const ToolEntry kAddedButtons[] = {
    {"t18", QT_TRANSLATE_NOOP("comm::MainWindow", "终端"), "terminal"}};
const char* const kAddedAfter[] = {"t14"};

const char* const kPortButtons[] = {"t6", "t7", "t8", "t9"};

// Each language is offered in its own name, so it can be found whichever one is showing.
struct LanguageEntry {
    const char* name;
    const char* caption;
    texts::Language language;
};
const LanguageEntry kLanguages[] = {
    {"mnuChinese", "中文", texts::Language::Chinese},  // untranslated: the language's own name
    {"mnuEnglish", "English", texts::Language::English},
};

}  // namespace

void MainWindow::buildMenus() {
    for (const MenuEntry& entry : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(QLatin1String(entry.name));
        for (const MenuItemEntry& item : entry.items) {
            QAction* action =
                item.caption || item.port ? menu->addAction(QString()) : menu->addSeparator();
            action->setObjectName(QLatin1String(item.name));
            actions_.insert(action->objectName(), action);
            if (item.shortcut) action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
        }
    }
    for (const char* name : {"SaveData", "ck1", "ck2", "ck3", "ck4"}) {
        action(QLatin1String(name))->setCheckable(true);
    }
    action(QStringLiteral("SaveData"))->setChecked(true);
    action(QStringLiteral("ck1"))->setChecked(true);

    auto* setup = findChild<QMenu*>(QStringLiteral("Setup"));
    setup->setToolTipsVisible(true);
    connect(setup, &QMenu::aboutToShow, this, &MainWindow::showPortDevices);
    buildLanguageMenu(setup);
    auto* windows = findChild<QMenu*>(QStringLiteral("Windows"));
    connect(windows, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
}

void MainWindow::buildLanguageMenu(QMenu* setup) {
    languageMenu_ = new QMenu(setup);
    languageMenu_->setObjectName(QStringLiteral("mnuLanguage"));
    setup->addMenu(languageMenu_);
    auto* choices = new QActionGroup(languageMenu_);
    for (const LanguageEntry& entry : kLanguages) {
        QAction* choice = languageMenu_->addAction(QString::fromUtf8(entry.caption));
        choice->setObjectName(QLatin1String(entry.name));
        choice->setCheckable(true);
        choices->addAction(choice);
        actions_.insert(choice->objectName(), choice);
        const texts::Language language = entry.language;
        connect(choice, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
}

void MainWindow::chooseLanguage(texts::Language language) {
    // Qt tells every window of the change, this one included, which retranslates then.
    texts::InstallLanguage(language);
    texts::StoreLanguage(*texts::OpenRememberedChoices(), language);
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolBar_->setObjectName(QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setIconSize(QSize(24, 24));
    for (int i = 0; i < 25; ++i) {
        const ToolEntry& entry = kToolButtons[i];
        if (!entry.key) {
            toolButtons_[i] = toolBar_->addSeparator();
            continue;
        }
        const QString key = QLatin1String(entry.key);
        QAction* button = toolBar_->addAction(ToolBarIcon(key), QString());
        button->setObjectName(key);
        actions_.insert(key, button);
        toolButtons_[i] = button;
    }
    for (const char* key : kPortButtons) action(QLatin1String(key))->setCheckable(true);
    for (size_t i = 0; i < std::size(kAddedButtons); ++i) {
        const QString key = QLatin1String(kAddedButtons[i].key);
        const QList<QAction*> all = toolBar_->actions();
        const int after = int(all.indexOf(action(QLatin1String(kAddedAfter[i]))));
        auto* button = new QAction(ToolBarIcon(key), QString(), toolBar_);
        button->setObjectName(key);
        toolBar_->insertAction(all.value(after + 1), button);
        actions_.insert(key, button);
    }
}

void MainWindow::retranslateMenus() {
    for (const MenuEntry& entry : kMenus) {
        findChild<QMenu*>(QLatin1String(entry.name))->setTitle(tr(entry.caption));
        for (const MenuItemEntry& item : entry.items) {
            if (item.port)
                action(QLatin1String(item.name))->setText(PortItemName(item.port));
            else if (item.caption)
                action(QLatin1String(item.name))->setText(tr(item.caption));
        }
    }
    languageMenu_->setTitle(tr("语言"));
    for (const LanguageEntry& entry : kLanguages) {
        action(QLatin1String(entry.name))->setChecked(entry.language == texts::InstalledLanguage());
    }
    QList<ToolEntry> buttons(std::begin(kToolButtons), std::end(kToolButtons));
    buttons += QList<ToolEntry>(std::begin(kAddedButtons), std::end(kAddedButtons));
    for (const ToolEntry& entry : std::as_const(buttons)) {
        if (!entry.key) continue;
        const QString tip = toolTipText(entry.key);
        action(QLatin1String(entry.key))->setText(tip);
        action(QLatin1String(entry.key))->setToolTip(tip);
    }
}

QString MainWindow::toolTipText(const char* key) const {
    for (const ToolEntry& entry : kToolButtons) {
        if (!entry.key || qstrcmp(entry.key, key) != 0) continue;
        return entry.port ? tr("%1有效").arg(PortItemName(entry.port)) : tr(entry.tip);
    }
    for (const ToolEntry& entry : kAddedButtons) {
        if (qstrcmp(entry.key, key) == 0) return tr(entry.tip);
    }
    return QString();
}

void MainWindow::connectCommands() {
    // Each keyed button runs its menu item's command, so both always do the same.
    QList<ToolEntry> buttons(std::begin(kToolButtons), std::end(kToolButtons));
    buttons += QList<ToolEntry>(std::begin(kAddedButtons), std::end(kAddedButtons));
    for (const ToolEntry& entry : std::as_const(buttons)) {
        if (!entry.key || !entry.runs) continue;
        connect(action(QLatin1String(entry.key)), &QAction::triggered,
                action(QLatin1String(entry.runs)), &QAction::trigger);
    }
    for (int port = 1; port <= 4; ++port) {
        connect(action(QStringLiteral("ck%1").arg(port)), &QAction::triggered, this,
                [this, port] { choosePort(port); });
        connect(action(QLatin1String(kPortButtons[port - 1])), &QAction::triggered, this,
                [this, port] { choosePortFromToolbar(port); });
    }

    const auto on = [this](const char* name, auto slot) {
        connect(action(QLatin1String(name)), &QAction::triggered, this, slot);
    };
    on("NewComm", [this] { NewCommand(*this); });
    on("OpenComm", &MainWindow::openComm);
    on("RunComm", [this] { RunCommand(*this); });
    on("CloseComm", &MainWindow::closeComm);
    on("SaveComm", &MainWindow::saveComm);
    on("SaveAsComm", &MainWindow::saveAsComm);
    on("PrintComm", [this] { PrintCommand(*this); });
    on("PrintSetup", [this] { PrintSetupCommand(*this); });
    on("Exit", [this] { close(); });
    on("listencomm", [this] { MonitorCommand(*this); });
    on("autoSee", [this] { IdentifyCommand(*this); });
    on("terminal", [this] { TerminalCommand(*this); });
    on("sendfile", [this] { SendFileCommand(*this); });
    on("receivefile", [this] { ReceiveFileCommand(*this); });
    on("sppp", &MainWindow::tileHorizontally);
    on("czpp", &MainWindow::tileVertically);
    on("ct", &MainWindow::cascade);
    on("pltb", &MainWindow::arrangeIcons);
    on("nr", [this] { HelpContentsCommand(*this); });
    on("jscc", [this] { SupportCommand(*this); });
    on("About", [this] { AboutCommand(*this); });
    on("bindPorts", [this] { PortBindingCommand(*this); });
    connect(&PortDirectory::current(), &PortDirectory::changed, this, &MainWindow::showPortDevices);
}

void MainWindow::showPortDevices() {
    const std::array<PortChoice, 4> choices = PortDirectory::current().choices();
    for (const PortChoice& choice : choices) {
        const QString device = PortChoiceText(choice);
        action(QStringLiteral("ck%1").arg(choice.item))
            ->setToolTip(QStringLiteral("%1: %2").arg(PortItemName(choice.item), device));
        action(QLatin1String(kPortButtons[choice.item - 1]))
            ->setToolTip(toolTipText(kPortButtons[choice.item - 1]) + QLatin1Char('\n') + device);
    }
    const PortChoice& active = choices[size_t(activePort() - 1)];
    panels_->setDeviceText(PortChoiceShortText(active), PortChoiceText(active));
}

void MainWindow::choosePort(int port) {
    if (port < 1 || port > 4) return;
    for (int i = 1; i <= 4; ++i) action(QStringLiteral("ck%1").arg(i))->setChecked(i == port);
    portChosen_ = true;
    panels_->setActivePortText(activePortText());
    showPortDevices();
}

QString MainWindow::activePortText() const {
    // Until a port is chosen the panel reads without the blank.
    const QString name = PortItemName(activePort());
    return portChosen_ ? tr("活动串口: %1").arg(name) : tr("活动串口:%1").arg(name);
}

void MainWindow::choosePortFromToolbar(int port) {
    if (port < 1 || port > 4) return;
    for (int i = 1; i <= 4; ++i) action(QLatin1String(kPortButtons[i - 1]))->setChecked(i == port);
    choosePort(port);
}

void MainWindow::fillWindowMenu() {
    auto* windows = findChild<QMenu*>(QStringLiteral("Windows"));
    for (QAction* old : std::as_const(windowListActions_)) {
        windows->removeAction(old);
        old->deleteLater();
    }
    windowListActions_.clear();
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
    if (children.isEmpty()) return;
    windowListActions_ << windows->addSeparator();
    int number = 0;
    for (QMdiSubWindow* child : children) {
        QAction* item =
            windows->addAction(QStringLiteral("&%1 %2").arg(++number).arg(child->windowTitle()));
        item->setCheckable(true);
        item->setChecked(child == mdiArea_->currentSubWindow());
        const QPointer<QMdiSubWindow> target(child);
        connect(item, &QAction::triggered, mdiArea_, [this, target] {
            if (target) mdiArea_->setActiveSubWindow(target);
        });
        windowListActions_ << item;
    }
}

}  // namespace comm
