#include "transferwindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "hoverfocus.h"
#include "messages.h"
#include "portmap.h"

namespace comm {

namespace {

ui::MessageIcon iconFor(TransferEngine::Outcome outcome) {
    switch (outcome) {
        case TransferEngine::Outcome::Completed:
        case TransferEngine::Outcome::Stopped:
            return ui::MessageIcon::Information;
        case TransferEngine::Outcome::Refused:
        case TransferEngine::Outcome::PortFailed:
            return ui::MessageIcon::Exclamation;
        case TransferEngine::Outcome::TimedOut:
        case TransferEngine::Outcome::Failed:
            break;
    }
    return ui::MessageIcon::Critical;
}

}  // namespace

TransferWindow::TransferWindow(const QString& name, const transfer::SideWords& words,
                               int activePort, const SerialPortFactory& factory, QWidget* parent)
    : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(words.title);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    frame_ = new QGroupBox(words.title, this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    auto* inside = new QVBoxLayout(frame_);
    const QString initial[4] = {transfer::NameCaption(), transfer::SizeCaption(), words.progress,
                                words.frames};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(initial[i], frame_);
        labels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        inside->addWidget(labels_[i]);
    }
    progress_ = new QProgressBar(frame_);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    inside->addWidget(progress_);
    layout->addWidget(frame_);
    rate_ = addLine(QStringLiteral("RateLabel"));
    digest_ = addLine(QStringLiteral("DigestLabel"));
    buttons_ = new QHBoxLayout;
    layout->addLayout(buttons_);

    ui::GiveFocusOnHoverWithin(this);
    if (factory) port_ = factory();
    if (port_) {
        port_->setObjectName(QStringLiteral("MSComm1"));
        port_->setCommPort(activePort);
    }
    resize(460, 300);
}

TransferWindow::~TransferWindow() = default;

QPushButton* TransferWindow::addButton(const QString& name, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    buttons_->addWidget(button);
    return button;
}

// A line of its own beside the texts of the frame, which stay as they have always been.
QLabel* TransferWindow::addLine(const QString& name) {
    auto* line = new QLabel(this);
    line->setObjectName(name);
    line->setWordWrap(true);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->insertWidget(buttons_ ? box->count() - 1 : box->count(), line);
    return line;
}

void TransferWindow::attach(TransferEngine& engine) {
    engine_ = &engine;
    using E = TransferEngine;
    connect(&engine, &E::nameTextChanged, labels_[0], &QLabel::setText);
    connect(&engine, &E::sizeTextChanged, labels_[1], &QLabel::setText);
    connect(&engine, &E::progressTextChanged, labels_[2], &QLabel::setText);
    connect(&engine, &E::framesTextChanged, labels_[3], &QLabel::setText);
    connect(&engine, &E::progressRangeChanged, this,
            [this](int maximum) { progress_->setRange(0, maximum); });
    connect(&engine, &E::progressValueChanged, progress_, &QProgressBar::setValue);
    connect(&engine, &E::clockCaptionChanged, frame_, &QGroupBox::setTitle);
    connect(&engine, &E::rateTextChanged, rate_, &QLabel::setText);
    connect(&engine, &E::digestTextChanged, digest_, &QLabel::setText);
    connect(&engine, &E::runningChanged, this, &TransferWindow::showRunning);
    // Boxes are shown from the event loop, never from inside an engine step.
    connect(&engine, &E::finished, this, &TransferWindow::onFinished, Qt::QueuedConnection);
}

void TransferWindow::startOrStop() {
    if (!engine_) return;
    if (engine_->isRunning())
        engine_->stop();
    else
        engine_->start();
}

void TransferWindow::onFinished(TransferEngine::Outcome outcome, const QString& message) {
    if (closing_) return;
    if (outcome == TransferEngine::Outcome::PortFailed)
        ui::ShowMessage(this, message, PortProblemText(port_->failure()), iconFor(outcome));
    else
        ui::ShowMessage(this, message, iconFor(outcome));
    if (engine_) engine_->resetDisplay();
}

void TransferWindow::done(int result) {
    // A box still queued for a window that is going away is not shown.
    closing_ = true;
    if (engine_) engine_->abort();
    QDialog::done(result);
}

void TransferWindow::showEvent(QShowEvent* event) {
    closing_ = false;
    QDialog::showEvent(event);
}

}  // namespace comm
