#include "sendfilewindow.h"

#include <QFileDialog>
#include <QPushButton>

#include "filedialogs.h"

namespace comm {

namespace {
const QString kSendCaption = QStringLiteral("发送文件");
const QString kStopCaption = QStringLiteral("结束发送");
}  // namespace

QString ChooseFileToSend(QWidget* parent, const QString& folder) {
    const auto dialog = ui::MakeFileDialog(parent, QStringLiteral("打开/另存为[通讯]"), folder,
                                           {QStringLiteral(" 所有文件(*.*)")});
    // The save form of the dialog, as the program has always shown it; a name that names no file
    // is let through and then does nothing.
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setFileMode(QFileDialog::AnyFile);
    return ui::RunFileDialog(*dialog);
}

SendFileWindow::SendFileWindow(int activePort, const SerialPortFactory& factory, Clock& clock,
                               const QString& programFolder, QWidget* parent)
    : TransferWindow(QStringLiteral("Form10"), transfer::SendWords(), activePort, factory, parent),
      programFolder_(programFolder) {
    choose_ = addButton(QStringLiteral("Command1"), QStringLiteral("选择文件"));
    send_ = addButton(QStringLiteral("Command2"), kSendCaption);
    exit_ = addButton(QStringLiteral("Command3"), QStringLiteral("退出[&X]"));
    connect(choose_, &QPushButton::clicked, this, &SendFileWindow::chooseFile);
    connect(send_, &QPushButton::clicked, this, &SendFileWindow::startOrStop);
    connect(exit_, &QPushButton::clicked, this, &SendFileWindow::close);
    if (!port()) {
        send_->setEnabled(false);
        return;
    }
    engine_ = std::make_unique<FileSender>(*port(), clock);
    attach(*engine_);
}

SendFileWindow::~SendFileWindow() {
    // The engine lets go of the port before the port goes.
    engine_.reset();
}

void SendFileWindow::chooseFile() {
    if (!engine_ || engine_->isRunning()) return;
    const QString path = chooser_(this, programFolder_);
    if (!path.isEmpty()) engine_->choose(path);
}

void SendFileWindow::showRunning(bool running) {
    send_->setText(running ? kStopCaption : kSendCaption);
    choose_->setEnabled(!running);
    exit_->setEnabled(!running);
}

}  // namespace comm
