#include "mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include "documentwindow.h"
#include "messages.h"
#include "statuspanels.h"
#include "windowarrangement.h"

namespace comm {

MainWindow::MainWindow(CommDefinition& definition, const QString& programFolder,
                       PortServices services, QWidget* parent)
    : QMainWindow(parent),
      definition_(definition),
      programFolder_(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : programFolder),
      chooser_(&ChooseCommFile),
      services_(std::move(services)) {
    setObjectName(QStringLiteral("MDIForm1"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdiArea_);
    buildMenus();
    buildToolBar();
    panels_ = new StatusPanels(statusBar());
    connectCommands();

    const QString help = programFolder_ + QStringLiteral("/Comm.hlp");
    if (QFileInfo(help).isFile()) helpFile_ = help;
    action(QStringLiteral("t6"))->setChecked(true);
    lineBreak_ = QStringLiteral("\r\n");

    retranslate();
    updateActions();
    resize(1100, 720);
}

MainWindow::~MainWindow() {
    // The document window goes with the main window's children, after this window has stopped
    // being a main window: it must not report back.
    if (document_) disconnect(document_, nullptr, this, nullptr);
}

QAction* MainWindow::action(const QString& name) const {
    return actions_.value(name);
}

QAction* MainWindow::toolButton(int index) const {
    return index >= 1 && index <= int(toolButtons_.size()) ? toolButtons_[index - 1] : nullptr;
}

int MainWindow::activePort() const {
    for (int port = 1; port <= 4; ++port)
        if (action(QStringLiteral("ck%1").arg(port))->isChecked()) return port;
    return 1;
}

bool MainWindow::saveFrameData() const {
    return action(QStringLiteral("SaveData"))->isChecked();
}

void MainWindow::updateActions() {
    const bool open = document_ != nullptr;
    for (const char* name :
         {"RunComm", "CloseComm", "SaveComm", "SaveAsComm", "PrintComm", "t3", "t4", "t5"})
        action(QLatin1String(name))->setEnabled(open);
    for (const char* name : {"NewComm", "OpenComm", "t1", "t2"})
        action(QLatin1String(name))->setEnabled(!open);
}

DocumentWindow* MainWindow::newDocumentWindow() {
    if (document_) return nullptr;
    ++definition_.DocumentCounter;
    auto* document = new DocumentWindow(definition_);
    document_ = document;
    captionDocument(QT_TR_NOOP("通讯 %1"), QString::number(definition_.DocumentCounter));
    QMdiSubWindow* frame = mdiArea_->addSubWindow(document);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    documentFrame_ = frame;
    // A widget announces its end before its guards are cleared, so forget it explicitly.
    connect(document, &QObject::destroyed, this, [this] {
        document_ = nullptr;
        documentFrame_ = nullptr;
        updateActions();
    });
    frame->show();
    mdiArea_->setActiveSubWindow(frame);
    updateActions();
    return document;
}

void MainWindow::captionDocument(const char* form, const QString& argument) {
    captionForm_ = form;
    captionArgument_ = argument;
    if (document_) document_->setCaption(tr(form).arg(argument));
}

void MainWindow::retranslate() {
    setWindowTitle(tr("通用RS232通讯程序"));
    retranslateMenus();
    panels_->retranslate();
    panels_->setActivePortText(activePortText());
    showPortDevices();
    if (document_ && captionForm_) captionDocument(captionForm_, captionArgument_);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::closeComm() {
    if (documentFrame_) documentFrame_->close();
}

void MainWindow::tileHorizontally() {
    TileHorizontally(mdiArea_);
}

void MainWindow::tileVertically() {
    TileVertically(mdiArea_);
}

void MainWindow::cascade() {
    mdiArea_->cascadeSubWindows();
}

void MainWindow::arrangeIcons() {
    ArrangeIcons(mdiArea_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ui::ShowMessage(this, tr("是否退出程序？"), ui::MessageIcon::Question, true)) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace comm
