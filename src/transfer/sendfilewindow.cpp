#include "sendfilewindow.h"

#include <QFileDialog>
#include <QPushButton>

#include "filedialogs.h"
#include "transfertext.h"

namespace comm {

QString ChooseFileToSend(QWidget* parent, const QString& folder) {
    const auto dialog = ui::MakeFileDialog(parent, transfer::ChooseFileTitle(), folder,
                                           {transfer::AllFilesFilter()});
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
    choose_ = addButton(QStringLiteral("Command1"), transfer::ChooseFileCaption());
    send_ = addButton(QStringLiteral("Command2"), transfer::SendWords().title);
    exit_ = addButton(QStringLiteral("Command3"), transfer::ExitCaption());
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
    send_->setText(running ? transfer::StopSendingCaption() : transfer::SendWords().title);
    choose_->setEnabled(!running);
    exit_->setEnabled(!running);
}

}  // namespace comm
