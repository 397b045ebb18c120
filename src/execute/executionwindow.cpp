#include "executionwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "activitypictures.h"
#include "commkind.h"
#include "framejudge.h"
#include "hoverfocus.h"
#include "linesettings.h"
#include "linestatepanel.h"
#include "logsaving.h"
#include "messages.h"
#include "receiverulespanel.h"
#include "refreshgate.h"
#include "runtext.h"

namespace comm {

namespace {

enum Indicator { kSendIndicator = 0, kReceiveIndicator = 1 };

// Image3 holds the two indicators, then the pictures they copy: sending, receiving, idle.
int PictureIndex(RunEngine::Activity activity) {
    switch (activity) {
        case RunEngine::Activity::Sending:
            return 2;
        case RunEngine::Activity::Receiving:
            return 3;
        case RunEngine::Activity::Idle:
            break;
    }
    return 4;
}

// The settings in the interface language ("9600,奇,8,1"), made from the component's text; a text
// no port takes is shown as it is.
QString shownSettings(const QString& settings) {
    LineSettings line;
    QString error;
    return LineSettings::parse(settings, &line, &error) ? line.shownText() : settings;
}

QPlainTextEdit* readOnlyBox(const QString& name, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

QLabel* label(const QString& text, QWidget* parent, const QString& name = QString()) {
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

}  // namespace

ExecutionWindow::ExecutionWindow(const RunRequest& request, const SerialPortFactory& portFactory,
                                 Clock& clock, QWidget* parent)
    : QDialog(parent), request_(request) {
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(tr("通讯执行窗口"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);
    buildControls();
    sendLines_ = std::make_unique<BoundedListing>(sendListing_);
    receiveLines_ = std::make_unique<BoundedListing>(receiveListing_);
    refresh_ = new RefreshGate(
        clock, [this] { refresh(); }, this);

    if (portFactory) port_ = portFactory();
    if (!port_) {
        startStop_->setEnabled(false);
        saveLog_->setEnabled(false);
        return;
    }
    port_->setObjectName(QStringLiteral("MSComm1"));
    connect(port_.get(), &SerialPort::lineStateChanged, lineState_, &ui::LineStatePanel::showState);
    // Loading: settings and raw input (the engine sets both), then the port number.
    engine_ = std::make_unique<RunEngine>(request_.definition, request_.options, *port_, clock);
    port_->setCommPort(request_.port);
    connectEngine();
}

ExecutionWindow::~ExecutionWindow() {
    // The engine lets go of the port before the port goes.
    engine_.reset();
}

void ExecutionWindow::buildControls() {
    auto* layout = new QGridLayout(this);

    titleLine_ = new QLineEdit(this);
    titleLine_->setObjectName(QStringLiteral("Text4"));
    titleLine_->setReadOnly(true);
    titleLine_->setText(request_.kindLine + QLatin1Char('[') +
                        shownSettings(request_.definition.CommSettings) + QLatin1Char(']'));
    layout->addWidget(titleLine_, 0, 0, 1, 2);

    sendListing_ = readOnlyBox(QStringLiteral("Text2"), this);
    receiveListing_ = readOnlyBox(QStringLiteral("Text3"), this);
    notes_ = readOnlyBox(QStringLiteral("Text1"), this);
    notes_->setPlainText(notesText());
    notes_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* listings = new QVBoxLayout;
    listings->addWidget(label(tr("发送窗口"), this));
    listings->addWidget(sendListing_, 1);
    listings->addWidget(label(tr("接收窗口"), this));
    listings->addWidget(receiveListing_, 2);
    receiveRules_ = new ReceiveRulesPanel(this);
    receiveRules_->setVisible(KindRules(request_.definition.CommKind).receives);
    listings->addWidget(receiveRules_);
    lineState_ = new ui::LineStatePanel(this);
    listings->addWidget(lineState_, 0, Qt::AlignLeft);
    layout->addLayout(listings, 1, 0);

    for (int i = 0; i < int(pictures_.size()); ++i) {
        pictures_[i] = label(QString(), this, QStringLiteral("Image3_%1").arg(i));
        pictures_[i]->setFixedSize(32, 32);
    }
    for (const RunEngine::Activity a :
         {RunEngine::Activity::Sending, RunEngine::Activity::Receiving, RunEngine::Activity::Idle})
        pictures_[PictureIndex(a)]->setPixmap(ActivityPicture(a));
    // The three pictures are only sources for the two indicators.
    for (int i = 2; i < 5; ++i) pictures_[i]->hide();
    showActivity(kSendIndicator, RunEngine::Activity::Idle);
    showActivity(kReceiveIndicator, RunEngine::Activity::Idle);

    sentCounter_ = label(CounterText(0), this, QStringLiteral("Label2"));
    receivedCounter_ = label(CounterText(0), this, QStringLiteral("Label3"));
    elapsed_ = label(ElapsedText(0), this, QStringLiteral("Label5"));

    auto* side = new QVBoxLayout;
    side->addWidget(label(tr("提示窗口"), this));
    side->addWidget(notes_, 1);
    auto* counters = new QGridLayout;
    counters->addWidget(pictures_[kSendIndicator], 0, 0);
    counters->addWidget(sentCounter_, 0, 1);
    counters->addWidget(pictures_[kReceiveIndicator], 1, 0);
    counters->addWidget(receivedCounter_, 1, 1);
    counters->addWidget(label(tr("执行时间："), this), 2, 0);
    counters->addWidget(elapsed_, 2, 1);
    counters->setColumnStretch(1, 1);
    side->addLayout(counters);

    startStop_ = new QPushButton(StartCaption(), this);
    startStop_->setObjectName(QStringLiteral("Command1"));
    startStop_->setAutoDefault(false);
    exit_ = new QPushButton(tr("退出"), this);
    exit_->setObjectName(QStringLiteral("Command2"));
    exit_->setAutoDefault(false);
    saveLog_ = new QPushButton(tr("保存日志"), this);
    saveLog_->setObjectName(QStringLiteral("SaveLog"));
    saveLog_->setAutoDefault(false);
    saveLog_->setToolTip(tr("把本次执行收发的每一幀连同时间（毫秒）保存为文本"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(startStop_);
    buttons->addWidget(saveLog_);
    buttons->addWidget(exit_);
    side->addLayout(buttons);
    layout->addLayout(side, 1, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);

    connect(startStop_, &QPushButton::clicked, this, &ExecutionWindow::onStartStop);
    connect(exit_, &QPushButton::clicked, this, &ExecutionWindow::close);
    connect(saveLog_, &QPushButton::clicked, this, &ExecutionWindow::saveLog);
    resize(720, 560);
}

// The notes box: the Chinese keeps its 21 short lines, each ending in a line break.
QString ExecutionWindow::notesText() {
    return tr(
        "1、当您的通讯是第一种或者第\n"
        "三种类型时，您必须先执行下\n"
        "位机的接收数据程序段，再执\n"
        "行本微机程序，即点击本窗体\n"
        "的开始执行按钮。\n"
        "2、当您的通讯是第二种或者第\n"
        "三四种类型时，您必须先执行\n"
        "本微机程序，再执行下微机的\n"
        "发送数据程序段。\n"
        "3、为了防止您通讯的数据丢失\n"
        "请您先运行接收数据端的程序\n"
        "再运行发送数据的端的程序，\n"
        "请您千万注意程序运行顺序，\n"
        "否则可能会出现错误。\n"
        "4、当程序在进行数据通讯时，\n"
        "请您务必不要试图关闭通讯执\n"
        "行窗口。\n"
        "5、在断开通讯时，请您先停止\n"
        "微机段程序，即先点击停止执\n"
        "行按钮。停止程序通讯执行，\n"
        "否则可能会出现错误。\n");
}

void ExecutionWindow::connectEngine() {
    RunEngine* e = engine_.get();
    connect(e, &RunEngine::runningChanged, this, &ExecutionWindow::setRunning);
    connect(e, &RunEngine::sendListingCleared, this, [this] { sendLines_->clear(); });
    connect(e, &RunEngine::receiveListingCleared, this, [this] { receiveLines_->clear(); });
    connect(e, &RunEngine::sendListingAppended, this, [this](const QString& text) {
        sendLines_->add(text);
        refresh_->request();
    });
    connect(e, &RunEngine::receiveListingAppended, this, [this](const QString& text) {
        receiveLines_->add(text);
        refresh_->request();
    });
    connect(e, &RunEngine::sentCountChanged, this, [this](int n) { showCount(&sentCount_, n); });
    connect(e, &RunEngine::receivedCountChanged, this,
            [this](int n) { showCount(&receivedCount_, n); });
    connect(e, &RunEngine::elapsedChanged, elapsed_, &QLabel::setText);
    connect(e, &RunEngine::judgedCountsChanged, receiveRules_, &ReceiveRulesPanel::showCounts);
    connect(e, &RunEngine::sendActivityChanged, this,
            [this](RunEngine::Activity a) { showActivity(kSendIndicator, a); });
    connect(e, &RunEngine::receiveActivityChanged, this,
            [this](RunEngine::Activity a) { showActivity(kReceiveIndicator, a); });

    // Boxes are shown from the event loop, never from inside an engine step.
    connect(
        e, &RunEngine::timeoutQuestion, this,
        [this] {
            if (closing_ || !engine_->timeoutQuestionPending()) return;
            const QByteArray waiting = engine_->waitingAtTimeout();
            asking_ = true;
            const bool goOn =
                ui::ShowMessage(this, TimeoutQuestion(), ui::MessageIcon::Critical, true,
                                waiting.isEmpty() ? QString() : WaitingText(waiting));
            asking_ = false;
            engine_->answerTimeout(goOn);
        },
        Qt::QueuedConnection);
    connect(
        e, &RunEngine::refused, this,
        [this](const QString& message) {
            if (!closing_) ui::ShowMessage(this, message, ui::MessageIcon::Exclamation);
        },
        Qt::QueuedConnection);
    connect(
        e, &RunEngine::failed, this,
        [this](int code, const QString& message) {
            if (closing_) return;
            if (code == SerialPort::kOpenFailure)
                ui::ShowMessage(this, message, PortProblemText(port_->failure()),
                                ui::MessageIcon::Exclamation);
            else
                ui::ShowMessage(this, message, ui::MessageIcon::Critical);
        },
        Qt::QueuedConnection);
    connect(
        e, &RunEngine::lineEvent, this,
        [this](int, const QString& message) {
            if (closing_) return;
            ui::ShowMessage(this, message, ui::MessageIcon::Critical);
            close();
        },
        Qt::QueuedConnection);
}

void ExecutionWindow::onStartStop() {
    if (!engine_) return;
    if (engine_->isRunning()) {
        engine_->stop();
        return;
    }
    if (!request_.saved) {
        ui::ShowMessage(this, UnsavedMessage(), ui::MessageIcon::Exclamation);
        return;
    }
    const ReceiveRules rules = receiveRules_->rules();
    if (!rules.check) receiveRules_->clearCounts();
    engine_->setReceiveRules(rules);
    engine_->start();
}

void ExecutionWindow::saveLog() {
    if (!engine_) return;
    QString title = windowTitle() + QLatin1Char(' ') + titleLine_->text();
    const QString names = CheckNamesText(request_.definition);
    if (!names.isEmpty()) title += QLatin1Char('\n') + names;
    ui::SaveTimedLog(this, engine_->log(), title, tr("执行日志.log"));
}

void ExecutionWindow::setRunning(bool running) {
    // The last frames of a run are on the screen when it ends.
    if (!running) refresh_->applyNow();
    // A run that ended another way (its device went) leaves no question about it open.
    if (!running && asking_)
        for (QMessageBox* box : findChildren<QMessageBox*>(Qt::FindDirectChildrenOnly))
            box->reject();
    startStop_->setText(running ? StopCaption() : StartCaption());
    exit_->setEnabled(!running);
    receiveRules_->setEnabled(!running);
}

void ExecutionWindow::showActivity(int indicator, RunEngine::Activity activity) {
    QLabel* target = pictures_[indicator];
    // The source pictures are drawn once: a busy line changes an indicator twice a frame.
    target->setPixmap(pictures_[PictureIndex(activity)]->pixmap());
    target->setProperty("picture", PictureIndex(activity));
}

void ExecutionWindow::showCount(int* count, int value) {
    *count = value;
    // The zero of a new start shows at once and leaves the first frame its prompt refresh.
    if (value == 0)
        refresh();
    else
        refresh_->request();
}

void ExecutionWindow::refresh() {
    sendLines_->show();
    receiveLines_->show();
    sentCounter_->setText(CounterText(sentCount_));
    receivedCounter_->setText(CounterText(receivedCount_));
}

void ExecutionWindow::done(int result) {
    // A box still queued for a window that is going away is not shown.
    closing_ = true;
    if (engine_) engine_->abort();
    QDialog::done(result);
}

void ExecutionWindow::showEvent(QShowEvent* event) {
    closing_ = false;
    QDialog::showEvent(event);
}

}  // namespace comm
