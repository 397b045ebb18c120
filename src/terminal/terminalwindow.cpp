#include "terminalwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "checksums.h"
#include "hoverfocus.h"
#include "linesettings.h"
#include "linestatepanel.h"
#include "messages.h"
#include "monitorlayout.h"
#include "portmap.h"
#include "recordingcontrol.h"
#include "sendline.h"
#include "serialsettings.h"
#include "terminalsession.h"

namespace comm {

namespace {

// Rates offered beyond those of a communication; any other positive number may be typed.
constexpr int kFastRates[] = {230400, 460800, 921600};
constexpr int kHistoryLength = 30;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* choices(QWidget* parent, const char* name,
                   std::initializer_list<std::pair<QString, QVariant>> items) {
    auto* box = named(new QComboBox(parent), name);
    for (const auto& [caption, data] : items) box->addItem(caption, data);
    return box;
}

}  // namespace

TerminalWindow::TerminalWindow(int activePort, const SerialPortFactory& factory, Clock& clock,
                               QWidget* parent)
    : QDialog(parent), drawTimer_(clock.makeTimer()) {
    setObjectName(QStringLiteral("Terminal"));
    setWindowTitle(tr("终端"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);

    session_ = new TerminalSession(factory(), clock, this);
    numeral_ = monitor::PortNumeral(activePort);
    if (!numeral_.isEmpty()) session_->setCommPort(activePort);

    auto* layout = new QVBoxLayout(this);
    buildSettings(layout);
    buildView(layout);
    buildSend(layout);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);

    connect(session_, &TerminalSession::openChanged, this, &TerminalWindow::showOpen);
    connect(session_, &TerminalSession::received, this, [this](const QByteArray& batch, qint64 ms) {
        onBatch(LogDirection::Received, batch, ms);
    });
    connect(session_, &TerminalSession::sent, this,
            [this](const QByteArray& bytes, qint64 ms) { onBatch(LogDirection::Sent, bytes, ms); });
    connect(session_, &TerminalSession::breakEnded, this,
            [this] { breakButton_->setEnabled(session_->isOpen() && lineControl_); });
    connect(session_, &TerminalSession::portLost, this, [this](const QString& reason) {
        complain(BusyPortMessage() + QLatin1Char('\n') + reason);
    });
    connect(session_, &TerminalSession::recordingFailed, recording_,
            &ui::RecordingControl::reportStopped);
    connect(&session_->port(), &SerialPort::lineStateChanged, lineState_,
            &ui::LineStatePanel::showState);
    connect(drawTimer_.get(), &ClockTimer::timeout, this, &TerminalWindow::drawPending);
    showOpen(false);
}

TerminalWindow::~TerminalWindow() {
    // Nothing of the window may be touched by the engine's last signals.
    disconnect(session_, nullptr, this, nullptr);
    session_->stopRecording();
    session_->close();
}

void TerminalWindow::buildSettings(QLayout* into) {
    auto* box = named(new QGroupBox(tr("串口设置"), this), "PortSettings");
    portLabel_ = named(new QLabel(box), "PortLabel");
    portLabel_->setTextFormat(Qt::PlainText);
    baud_ = named(new QComboBox(box), "BaudRate");
    baud_->setEditable(true);
    baud_->setInsertPolicy(QComboBox::NoInsert);
    for (int rate : kBaudRates) baud_->addItem(QString::number(rate));
    for (int rate : kFastRates) baud_->addItem(QString::number(rate));
    baud_->setCurrentText(QStringLiteral("9600"));
    baud_->setToolTip(tr("可选常用波特率，也可直接输入设备支持的任意波特率"));
    const LineCapabilities caps = PlatformLineCapabilities();
    dataBits_ = named(new QComboBox(box), "DataBits");
    for (int bits : kDataBits)
        if (bits != 4 || caps.fourDataBits) dataBits_->addItem(QString::number(bits));
    dataBits_->setCurrentText(QStringLiteral("8"));
    parity_ = choices(box, "Parity",
                      {{tr("无"), QStringLiteral("N")},
                       {tr("奇"), QStringLiteral("O")},
                       {tr("偶"), QStringLiteral("E")}});
    if (caps.markSpaceParity) {
        parity_->addItem(tr("标记"), QStringLiteral("M"));
        parity_->addItem(tr("空号"), QStringLiteral("S"));
    }
    stopBits_ = named(new QComboBox(box), "StopBits");
    for (const QString& stop : kStopBits)
        if (stop != QLatin1String("1.5") || caps.oneAndHalfStopBits) stopBits_->addItem(stop);
    flow_ = choices(box, "FlowControl",
                    {{tr("无"), int(FlowControl::None)},
                     {QStringLiteral("RTS/CTS"), int(FlowControl::RtsCts)},
                     {QStringLiteral("XON/XOFF"), int(FlowControl::XonXoff)}});
    openButton_ = named(new QPushButton(box), "OpenPort");

    dtr_ = named(new QCheckBox(QStringLiteral("DTR"), box), "Dtr");
    rts_ = named(new QCheckBox(QStringLiteral("RTS"), box), "Rts");
    dtr_->setChecked(true);
    rts_->setChecked(true);
    breakButton_ = named(new QPushButton(tr("发送中断"), box), "SendBreak");
    breakButton_->setToolTip(tr("让线路保持中断状态 %1 毫秒").arg(TerminalSession::kBreakMs));
    lineNote_ = named(new QLabel(box), "LineControlNote");
    lineNote_->setTextFormat(Qt::PlainText);
    lineNote_->setWordWrap(true);
    lineState_ = new ui::LineStatePanel(this);

    auto* grid = new QGridLayout(box);
    grid->addWidget(portLabel_, 0, 0, 1, 6);
    const QStringList captions = {tr("波特率"), tr("数据位"), tr("校验"), tr("停止位"), tr("流控")};
    const QList<QWidget*> fields = {baud_, dataBits_, parity_, stopBits_, flow_};
    for (int i = 0; i < fields.size(); ++i) {
        grid->addWidget(new QLabel(captions[i], box), 1, i);
        grid->addWidget(fields[i], 2, i);
    }
    grid->addWidget(openButton_, 2, 5);
    auto* lines = new QHBoxLayout;
    lines->addWidget(dtr_);
    lines->addWidget(rts_);
    lines->addWidget(breakButton_);
    lines->addWidget(lineNote_, 1);
    grid->addLayout(lines, 3, 0, 1, 6);

    auto* row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(lineState_);
    static_cast<QBoxLayout*>(into)->addLayout(row);

    connect(openButton_, &QPushButton::clicked, this, &TerminalWindow::openOrClose);
    connect(dtr_, &QCheckBox::clicked, this, &TerminalWindow::toggleDtr);
    connect(rts_, &QCheckBox::clicked, this, &TerminalWindow::toggleRts);
    connect(breakButton_, &QPushButton::clicked, this, &TerminalWindow::sendBreak);
}

void TerminalWindow::buildView(QLayout* into) {
    received_ = named(new QPlainTextEdit(this), "ReceivedView");
    received_->setReadOnly(true);
    // Nothing to undo in a view, and an undo history would grow with every batch.
    received_->setUndoRedoEnabled(false);
    received_->setMaximumBlockCount(kViewLines);
    received_->setLineWrapMode(QPlainTextEdit::NoWrap);
    received_->setFont(QFont(QStringLiteral("Monospace")));
    received_->setMinimumSize(640, 280);
    textView_ = named(new QRadioButton(tr("文本"), this), "ViewText");
    hexView_ = named(new QRadioButton(tr("十六进制"), this), "ViewHex");
    auto* modes = new QButtonGroup(this);
    modes->addButton(textView_);
    modes->addButton(hexView_);
    textView_->setChecked(true);
    timestamps_ = named(new QCheckBox(tr("时间戳"), this), "Timestamps");
    clearButton_ = named(new QPushButton(tr("清除"), this), "ClearView");
    search_ = named(new QLineEdit(this), "SearchText");
    search_->setPlaceholderText(tr("在收到的内容中查找"));
    findButton_ = named(new QPushButton(tr("查找"), this), "FindNext");
    counts_ = named(new QLabel(this), "Counts");
    counts_->setTextFormat(Qt::PlainText);
    auto* note = named(
        new QLabel(tr("窗口只保留最近 %1 行；要留下全部数据，请开始记录").arg(kViewLines), this),
        "ViewNote");
    recording_ = new ui::RecordingControl(tr("终端记录"), this);

    auto* options = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{textView_, hexView_, timestamps_,
                                                      clearButton_, search_, findButton_})
        options->addWidget(w);
    auto* foot = new QHBoxLayout;
    foot->addWidget(counts_);
    foot->addStretch();
    foot->addWidget(note);
    auto* box = static_cast<QBoxLayout*>(into);
    box->addLayout(options);
    box->addWidget(received_, 1);
    box->addLayout(foot);
    box->addWidget(recording_);

    connect(textView_, &QRadioButton::toggled, this, &TerminalWindow::redrawAll);
    connect(timestamps_, &QCheckBox::toggled, this, &TerminalWindow::redrawAll);
    connect(clearButton_, &QPushButton::clicked, this, &TerminalWindow::clearView);
    connect(findButton_, &QPushButton::clicked, this, &TerminalWindow::findNext);
    connect(search_, &QLineEdit::returnPressed, this, &TerminalWindow::findNext);
    connect(
        recording_, &ui::RecordingControl::startRequested, this,
        [this](const QString& path, RecordFormat format) { startRecording(path, int(format)); });
    connect(recording_, &ui::RecordingControl::stopRequested, this, &TerminalWindow::stopRecording);
}

void TerminalWindow::buildSend(QLayout* into) {
    auto* box = named(new QGroupBox(tr("发送"), this), "SendPanel");
    sendLine_ = named(new QLineEdit(box), "SendLine");
    sendLine_->setMinimumWidth(260);
    history_ = named(new QComboBox(box), "SendHistory");
    history_->setMaxCount(kHistoryLength);
    history_->setPlaceholderText(tr("历史"));
    history_->setToolTip(tr("选用发送过的内容"));
    history_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    history_->setMinimumContentsLength(6);
    sendMode_ = choices(box, "SendMode",
                        {{tr("文本"), int(SendMode::Text)}, {tr("十六进制"), int(SendMode::Hex)}});
    lineEnd_ = choices(box, "LineEnd",
                       {{tr("无结尾"), int(LineEnd::None)},
                        {QStringLiteral("CR"), int(LineEnd::Cr)},
                        {QStringLiteral("LF"), int(LineEnd::Lf)},
                        {QStringLiteral("CR LF"), int(LineEnd::CrLf)}});
    lineEnd_->setToolTip(tr("文本后面加上的行结尾"));
    checksum_ = choices(box, "SendChecksum", {{tr("不加校验"), QString()}});
    for (const ChecksumInfo& info : Checksums())
        checksum_->addItem(info.caption(), QString::fromLatin1(info.name));
    checksum_->setToolTip(tr("在发送的字节后面加上它们的校验"));
    sendButton_ = named(new QPushButton(tr("发送"), box), "Send");
    sendFileButton_ = named(new QPushButton(tr("发送文件..."), box), "SendFile");
    exitButton_ = named(new QPushButton(tr("退出"), this), "Exit");

    auto* row = new QHBoxLayout(box);
    for (QWidget* w : std::initializer_list<QWidget*>{sendLine_, history_, sendMode_, lineEnd_,
                                                      checksum_, sendButton_, sendFileButton_})
        row->addWidget(w);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(box, 1);
    bottom->addWidget(exitButton_, 0, Qt::AlignBottom);
    static_cast<QBoxLayout*>(into)->addLayout(bottom);

    connect(sendLine_, &QLineEdit::returnPressed, this, &TerminalWindow::sendLine);
    connect(history_, &QComboBox::textActivated, sendLine_, &QLineEdit::setText);
    connect(sendButton_, &QPushButton::clicked, this, &TerminalWindow::sendLine);
    connect(sendFileButton_, &QPushButton::clicked, this, &TerminalWindow::sendFile);
    connect(sendMode_, &QComboBox::currentIndexChanged, this, [this] {
        lineEnd_->setEnabled(SendMode(sendMode_->currentData().toInt()) == SendMode::Text);
    });
    connect(exitButton_, &QPushButton::clicked, this, &TerminalWindow::close);
}

QString TerminalWindow::settingsText() const {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(baud_->currentText().trimmed(), parity_->currentData().toString(),
             dataBits_->currentText(), stopBits_->currentText());
}

void TerminalWindow::done(int result) {
    session_->stopRecording();
    recording_->showRecording(QString());
    session_->close();
    QDialog::done(result);
}

void TerminalWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void TerminalWindow::openOrClose() {
    if (session_->isOpen()) {
        session_->close();
        return;
    }
    const QString settings = settingsText();
    const QString refusal = CheckPortSettings(settings);
    if (!refusal.isEmpty()) {
        complain(refusal);
        return;
    }
    QString error, notice;
    if (!session_->open(settings, FlowControl(flow_->currentData().toInt()), dtr_->isChecked(),
                        rts_->isChecked(), &error, &notice)) {
        complain(BusyPortMessage() + QLatin1Char('\n') + error);
        return;
    }
    lineControl_ = !notice.contains(NoLineControlMessage());
    lineNote_->setText(notice);
    showOpen(session_->isOpen());
}

void TerminalWindow::showOpen(bool open) {
    const QString device = session_->port().deviceName();
    portLabel_->setText(
        tr("串口%1（%2）%3 %4")
            .arg(numeral_, device, open ? tr("已打开") : tr("未打开"), settingsText()));
    openButton_->setText(open ? tr("关闭串口") : tr("打开串口"));
    for (QWidget* w : std::initializer_list<QWidget*>{baud_, dataBits_, parity_, stopBits_, flow_})
        w->setEnabled(!open);
    for (QWidget* w : std::initializer_list<QWidget*>{dtr_, rts_, breakButton_})
        w->setEnabled(open && lineControl_);
    for (QWidget* w : std::initializer_list<QWidget*>{sendButton_, sendFileButton_})
        w->setEnabled(open);
    if (!open) {
        lineControl_ = true;
        lineNote_->clear();
    }
    showCounts();
}

void TerminalWindow::sendLine() {
    if (!session_->isOpen()) return;
    const QString typed = sendLine_->text();
    const QString checksumName = checksum_->currentData().toString();
    const SendLineBytes line = SendLineToBytes(
        typed, SendMode(sendMode_->currentData().toInt()), LineEnd(lineEnd_->currentData().toInt()),
        checksumName.isEmpty() ? nullptr : FindChecksum(checksumName));
    if (!line.error.isEmpty()) {
        complain(line.error);
        return;
    }
    QString error;
    if (!session_->send(line.bytes, &error)) {
        complain(error);
        return;
    }
    if (!typed.isEmpty()) {
        const int old = history_->findText(typed);
        if (old >= 0) history_->removeItem(old);
        history_->insertItem(0, typed);
        history_->setCurrentIndex(-1);
    }
    sendLine_->clear();
}

void TerminalWindow::sendFile() {
    const QString path = sendFileChooser_
                             ? sendFileChooser_()
                             : QFileDialog::getOpenFileName(this, tr("发送文件"),
                                                            QCoreApplication::applicationDirPath());
    if (path.isEmpty()) return;
    QString error;
    if (!session_->sendFile(path, &error)) complain(error);
}

void TerminalWindow::toggleDtr(bool on) {
    QString error;
    if (session_->setDtr(on, &error)) return;
    dtr_->setChecked(!on);
    complain(error);
}

void TerminalWindow::toggleRts(bool on) {
    QString error;
    if (session_->setRts(on, &error)) return;
    rts_->setChecked(!on);
    complain(error);
}

void TerminalWindow::sendBreak() {
    QString error;
    if (!session_->sendBreak(&error)) {
        complain(error);
        return;
    }
    breakButton_->setEnabled(false);
}

void TerminalWindow::startRecording(const QString& path, int format) {
    QString error;
    const QString title = tr("%1 串口%2 %3").arg(windowTitle(), numeral_, settingsText());
    if (!session_->startRecording(path, RecordFormat(format), title, &error)) {
        recording_->reportNotStarted(path, error);
        return;
    }
    recording_->showRecording(path);
}

void TerminalWindow::stopRecording() {
    session_->stopRecording();
    recording_->showRecording(QString());
}

void TerminalWindow::onBatch(LogDirection direction, const QByteArray& bytes, qint64 ms) {
    const ViewPiece piece = view_.add(direction, ms, bytes);
    if (!pending_.isEmpty() && pending_.last().sent == piece.sent)
        pending_.last().text += piece.text;
    else
        pending_.append(piece);
    if (!drawTimer_->isActive()) drawTimer_->start(kDrawEveryMs);
}

void TerminalWindow::drawPending() {
    QScrollBar* bar = received_->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor cursor(received_->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat sentFormat;
    sentFormat.setForeground(QColor(0x20, 0x40, 0xC0));
    const QTextCharFormat plain;
    for (const ViewPiece& piece : std::as_const(pending_))
        cursor.insertText(piece.text, piece.sent ? sentFormat : plain);
    pending_.clear();
    if (atEnd) bar->setValue(bar->maximum());
    showCounts();
}

void TerminalWindow::redrawAll() {
    view_.setMode(textView_->isChecked() ? ViewMode::Text : ViewMode::Hex);
    view_.setTimestamps(timestamps_->isChecked());
    received_->clear();
    pending_ = view_.redraw();
    drawPending();
}

void TerminalWindow::clearView() {
    view_.clear();
    pending_.clear();
    received_->clear();
    showCounts();
}

void TerminalWindow::findNext() {
    const QString text = search_->text();
    if (text.isEmpty()) return;
    if (received_->find(text)) return;
    // Past the last one: from the top again.
    received_->moveCursor(QTextCursor::Start);
    if (!received_->find(text))
        ui::ShowMessage(this, tr("收到的内容中找不到“%1”").arg(text), ui::MessageIcon::Information);
}

void TerminalWindow::showCounts() {
    counts_->setText(
        tr("收到 %1 字节，发送 %2 字节").arg(session_->receivedCount()).arg(session_->sentCount()));
}

void TerminalWindow::complain(const QString& text) {
    ui::ShowMessage(this, text, ui::MessageIcon::Exclamation);
}

}  // namespace comm
