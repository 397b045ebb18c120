// The main window's menu tree and toolbar, and which command each item runs.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "mainwindow.h"
#include "portdirectory.h"
#include "portmap.h"
#include "statuspanels.h"
#include "toolbaricons.h"
#include "toolcommands.h"

namespace comm {

namespace {

struct MenuItemEntry {
    const char* name;
    const char* caption;  // nullptr for a separator
    const char* shortcut = nullptr;
};

struct MenuEntry {
    const char* name;
    const char* caption;
    std::initializer_list<MenuItemEntry> items;
};

const MenuEntry kMenus[] = {
    {"Comm",
     "通讯[&C]",
     {{"NewComm", "新建通讯[&N]", "Ctrl+N"},
      {"OpenComm", "打开通讯[&O]...", "Ctrl+O"},
      {"RunComm", "执行通讯[&R]", "Ctrl+R"},
      {"CloseComm", "关闭通讯[&C]", "Ctrl+C"},
      {"line1", nullptr},
      {"SaveComm", "保存通讯[&S]", "Ctrl+S"},
      {"SaveAsComm", "通讯另存为..."},
      {"SaveData", "保存幀数据"},
      {"line2", nullptr},
      {"PrintComm", "打印通讯[&P]", "Ctrl+P"},
      {"PrintSetup", "打印设置"},
      {"line4", nullptr},
      {"Exit", "退出[&X]", "Ctrl+X"}}},
    {"listen",
     "监听[&L]",
     {{"listencomm", "监听活动串口"}, {"autoSee", "自动识别设置"}, {"terminal", "终端"}}},
    {"file", "文件[&F]", {{"sendfile", "发送文件"}, {"receivefile", "接收文件"}}},
    {"Setup",
     "设置[&O]",
     {{"ck1", "串口一"},
      {"ck2", "串口二"},
      {"ck3", "串口三"},
      {"ck4", "串口四"},
      {"bindPorts", "串口对应设备..."}}},
    {"Windows",
     "窗口[&W]",
     {{"sppp", "水平平铺[&H]"},
      {"czpp", "垂直平铺[&V]"},
      {"ct", "层叠    [&C]"},
      {"pltb", "排列图标[&A]"}}},
    {"Help",
     "帮助[&H]",
     {{"nr", "内容"},
      {"jscc", "技术支持"},
      {"line5", nullptr},
      {"About", "关于系统[&A]", "Ctrl+A"}}},
};

// Toolbar entries in index order 1..25; a null key is a separator.
struct ToolEntry {
    const char* key;
    const char* tip;
    const char* runs;  // the menu item whose command the button runs
};
const ToolEntry kToolButtons[25] = {
    {"t1", "新建通讯", "NewComm"},     {"t2", "打开通讯", "OpenComm"},
    {"t3", "保存通讯", "SaveComm"},    {"t4", "打印通讯", "PrintComm"},
    {nullptr, nullptr, nullptr},       {nullptr, nullptr, nullptr},
    {"t5", "执行通讯", "RunComm"},     {nullptr, nullptr, nullptr},
    {"t14", "监听串口", "listencomm"}, {nullptr, nullptr, nullptr},
    {"t15", "发送文件", "sendfile"},   {"t16", "接收文件", "receivefile"},
    {nullptr, nullptr, nullptr},       {"t6", "串口一有效", nullptr},
    {"t7", "串口二有效", nullptr},     {"t8", "串口三有效", nullptr},
    {"t9", "串口四有效", nullptr},     {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},       {"t17", "自动识别串口设置", "autoSee"},
    {nullptr, nullptr, nullptr},       {"t10", "帮助主题", "nr"},
    {"t11", "技术支持", "jscc"},       {"t12", "关于程序", "About"},
    {"t13", "退出程序", "Exit"},
};

// Buttons beyond the 25 entries, each placed right after an entry: key, tip, menu item, the
// entry's key. They take no index, so the entries keep theirs.
const ToolEntry kAddedButtons[] = {{"t18", "终端", "terminal"}};
const char* const kAddedAfter[] = {"t14"};

const char* const kPortNames[] = {"串口一", "串口二", "串口三", "串口四"};
const char* const kPortButtons[] = {"t6", "t7", "t8", "t9"};

}  // namespace

void MainWindow::buildMenus() {
    for (const MenuEntry& entry : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QLatin1String(entry.name));
        for (const MenuItemEntry& item : entry.items) {
            QAction* action = item.caption ? menu->addAction(QString::fromUtf8(item.caption))
                                           : menu->addSeparator();
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
    auto* windows = findChild<QMenu*>(QStringLiteral("Windows"));
    connect(windows, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
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
        QAction* button = toolBar_->addAction(ToolBarIcon(key), QString::fromUtf8(entry.tip));
        button->setObjectName(key);
        actions_.insert(key, button);
        button->setToolTip(QString::fromUtf8(entry.tip));
        toolButtons_[i] = button;
    }
    for (const char* key : kPortButtons) action(QLatin1String(key))->setCheckable(true);
    for (size_t i = 0; i < std::size(kAddedButtons); ++i) {
        const ToolEntry& entry = kAddedButtons[i];
        const QString key = QLatin1String(entry.key);
        const QList<QAction*> all = toolBar_->actions();
        const int after = int(all.indexOf(action(QLatin1String(kAddedAfter[i]))));
        auto* button = new QAction(ToolBarIcon(key), QString::fromUtf8(entry.tip), toolBar_);
        button->setObjectName(key);
        button->setToolTip(QString::fromUtf8(entry.tip));
        toolBar_->insertAction(all.value(after + 1), button);
        actions_.insert(key, button);
    }
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
            ->setToolTip(QString::fromUtf8(kToolButtons[12 + choice.item].tip) + QLatin1Char('\n') +
                         device);
    }
    const PortChoice& active = choices[size_t(activePort() - 1)];
    panels_->setDeviceText(PortChoiceShortText(active), PortChoiceText(active));
}

void MainWindow::choosePort(int port) {
    if (port < 1 || port > 4) return;
    for (int i = 1; i <= 4; ++i) action(QStringLiteral("ck%1").arg(i))->setChecked(i == port);
    panels_->setActivePortText(QStringLiteral("活动串口: ") +
                               QString::fromUtf8(kPortNames[port - 1]));
    showPortDevices();
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
