#include "receivefilewindow.h"

#include <QLabel>
#include <QPushButton>

#include "receivedfile.h"
#include "transfertext.h"

namespace comm {

ReceiveFileWindow::ReceiveFileWindow(int activePort, const SerialPortFactory& factory, Clock& clock,
                                     const QString& programFolder, QWidget* parent)
    : TransferWindow(QStringLiteral("Form11"), transfer::ReceiveWords(), activePort, factory,
                     parent) {
    QLabel* place = addLine(QStringLiteral("PlaceLabel"));
    receive_ = addButton(QStringLiteral("Command2"), transfer::ReceiveWords().title);
    exit_ = addButton(QStringLiteral("Command1"), transfer::ExitCaption());
    connect(receive_, &QPushButton::clicked, this, &ReceiveFileWindow::startOrStop);
    connect(exit_, &QPushButton::clicked, this, &ReceiveFileWindow::close);
    if (!port()) {
        receive_->setEnabled(false);
        return;
    }
    engine_ = std::make_unique<FileReceiver>(*port(), clock, DefaultReceiveFolder(programFolder));
    attach(*engine_);
    connect(engine_.get(), &FileReceiver::placeTextChanged, place, &QLabel::setText);
}

ReceiveFileWindow::~ReceiveFileWindow() {
    // The engine lets go of the port before the port goes.
    engine_.reset();
}

void ReceiveFileWindow::showRunning(bool running) {
    receive_->setText(running ? transfer::StopReceivingCaption() : transfer::ReceiveWords().title);
    exit_->setEnabled(!running);
}

}  // namespace comm
