#include "monitorwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWindow>

#include "busypointer.h"
#include "daxfile.h"
#include "filecheck.h"
#include "hoverfocus.h"
#include "linenumberlabel.h"
#include "linestatepanel.h"
#include "logsaving.h"
#include "messages.h"
#include "monitorcanvas.h"
#include "monitorcapture.h"
#include "monitordialogs.h"
#include "monitortext.h"
#include "portmap.h"
#include "recordingcontrol.h"
#include "settingsdialog.h"
#include "txlfile.h"

namespace comm {

using namespace monitor;

namespace {

QPixmap lampPicture(const QColor& colour) {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    return picture;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLabel* makeLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

MonitorWindow::MonitorWindow(CommDefinition& definition, int activePort,
                             const SerialPortFactory& factory, Clock& clock, QWidget* parent)
    : QDialog(parent), definition_(definition) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("监听活动串口"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);

    capture_ = new MonitorCapture(factory(), clock, this);
    numeral_ = PortNumeral(activePort);
    if (!numeral_.isEmpty()) capture_->setCommPort(activePort);

    // The drawing area with its headers, line numbers and scroll bar.
    canvas_ = new MonitorCanvas(this);
    canvas_->setObjectName(QStringLiteral("Picture1"));
    canvas_->setFixedSize(canvas_->sizeHint());
    ui::GiveFocusOnHover(canvas_);
    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("VScroll1"));
    scroll_->setRange(0, 0);
    auto* view = new QGridLayout;
    view->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        QLabel* header = makeLabel(QStringLiteral("Label1_%1").arg(i), this);
        header->setFont(canvas_->font());
        header->setText(ColumnHeaderText());
        view->addWidget(header, i == 0 ? 0 : 2, 1);
        numbers_[i] = new LineNumberLabel(canvas_->lineHeight(), this);
        numbers_[i]->setFont(canvas_->font());
        numbers_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        numbers_[i]->setTextFormat(Qt::PlainText);
        view->addWidget(numbers_[i], 1, i == 0 ? 0 : 3, Qt::AlignTop);
    }
    view->addWidget(canvas_, 1, 1);
    view->addWidget(scroll_, 1, 2);
    lineState_ = new ui::LineStatePanel(this);
    view->addWidget(lineState_, 3, 1, Qt::AlignLeft);

    // The control panel.
    auto* panel = new QGroupBox(tr("   控制面板   "), this);
    panel->setObjectName(QStringLiteral("Frame1"));
    startButton_ = makeButton(QStringLiteral("Command1"), startCaption(), panel);
    pinButton_ = makeButton(QStringLiteral("Command2"), pinCaption(), panel);
    exitButton_ = makeButton(QStringLiteral("Command3"), tr("退出"), panel);
    colourButton_ = makeButton(QStringLiteral("Command4"), tr("背景颜色"), panel);
    storeButton_ = makeButton(QStringLiteral("Command6"), tr("存储数据"), panel);
    settingsButton_ = makeButton(QStringLiteral("Command7"), tr("通讯设置"), panel);
    importButton_ = makeButton(QStringLiteral("Command8"), tr("导入数据"), panel);
    saveLogButton_ = makeButton(QStringLiteral("SaveLog"), tr("保存日志"), panel);
    saveLogButton_->setToolTip(tr("把本次监听收到的每一批字节连同时间（毫秒）保存为文本"));
    hexOption_ = new QRadioButton(tr("十六进制"), panel);
    hexOption_->setObjectName(QStringLiteral("Option2"));
    charsOption_ = new QRadioButton(QStringLiteral("ASC"), panel);
    charsOption_->setObjectName(QStringLiteral("Option1"));
    reconnectBox_ = new QCheckBox(tr("断开后等待设备恢复"), panel);
    reconnectBox_->setObjectName(QStringLiteral("Reconnect"));
    reconnectBox_->setToolTip(tr("设备拔出或断开时不结束监听：等同一设备回来后以相同设置继续接收"));
    auto* modes = new QButtonGroup(this);
    modes->addButton(hexOption_);
    modes->addButton(charsOption_);
    hexOption_->setChecked(true);

    lampOff_ = makeLabel(QStringLiteral("Image2"), panel);
    lampOff_->setPixmap(lampPicture(QColor(0x60, 0x60, 0x60)));
    lampOff_->hide();
    lampOn_ = makeLabel(QStringLiteral("Image3"), panel);
    lampOn_->setPixmap(lampPicture(QColor(0xE0, 0x20, 0x20)));
    lampOn_->hide();
    lamp_ = makeLabel(QStringLiteral("Image1"), panel);
    lamp_->setPixmap(lampOff_->pixmap());
    portState_ = makeLabel(QStringLiteral("Label4"), panel);
    monitorState_ = makeLabel(QStringLiteral("Label3"), panel);
    portState_->setFont(canvas_->font());
    monitorState_->setFont(canvas_->font());

    auto* controls = new QVBoxLayout(panel);
    auto* lampRow = new QHBoxLayout;
    lampRow->addWidget(lamp_, 0, Qt::AlignTop);
    lampRow->addWidget(portState_, 1);
    controls->addLayout(lampRow);
    controls->addWidget(monitorState_);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(hexOption_);
    modeRow->addWidget(charsOption_);
    controls->addLayout(modeRow);
    controls->addWidget(reconnectBox_);
    for (QPushButton* button : {startButton_, pinButton_, colourButton_, settingsButton_,
                                storeButton_, importButton_, saveLogButton_, exitButton_})
        controls->addWidget(button);
    // Beside the capture and its limit: the whole stream to a file, when asked.
    recording_ = new ui::RecordingControl(tr("监听记录"), panel);
    controls->addWidget(recording_);
    controls->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(view);
    layout->addWidget(panel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    portState_->setText(PortStateText(numeral_, false, definition_.MonitorSettingsText));
    monitorState_->setText(MonitorStateText(false, 0));

    connect(startButton_, &QPushButton::clicked, this, &MonitorWindow::startOrStop);
    connect(pinButton_, &QPushButton::clicked, this, &MonitorWindow::togglePin);
    connect(exitButton_, &QPushButton::clicked, this, &MonitorWindow::close);
    connect(colourButton_, &QPushButton::clicked, this, &MonitorWindow::chooseBackground);
    connect(storeButton_, &QPushButton::clicked, this, &MonitorWindow::store);
    connect(settingsButton_, &QPushButton::clicked, this, &MonitorWindow::changeSettings);
    connect(importButton_, &QPushButton::clicked, this, &MonitorWindow::importCapture);
    connect(saveLogButton_, &QPushButton::clicked, this, &MonitorWindow::saveLog);
    connect(
        recording_, &ui::RecordingControl::startRequested, this,
        [this](const QString& path, RecordFormat format) { startRecording(path, int(format)); });
    connect(recording_, &ui::RecordingControl::stopRequested, this, [this] {
        capture_->stopRecording();
        recording_->showRecording(QString());
    });
    connect(capture_, &MonitorCapture::recordingFailed, recording_,
            &ui::RecordingControl::reportStopped);
    connect(&capture_->port(), &SerialPort::lineStateChanged, lineState_,
            &ui::LineStatePanel::showState);
    for (QRadioButton* option : {hexOption_, charsOption_})
        connect(option, &QRadioButton::clicked, this, [this] {
            if (view_.shown()) redraw();
        });
    connect(scroll_, &QScrollBar::valueChanged, this, &MonitorWindow::onScroll);
    connect(canvas_, &MonitorCanvas::keyPressed, this, &MonitorWindow::onKey);
    connect(capture_, &MonitorCapture::listeningChanged, this, &MonitorWindow::showListening);
    connect(capture_, &MonitorCapture::refreshed, this, &MonitorWindow::onRefreshed);
    connect(capture_, &MonitorCapture::portLost, this, &MonitorWindow::onPortLost);
    connect(reconnectBox_, &QCheckBox::toggled, capture_, &MonitorCapture::setReconnect);
    // The lamp tells the gap: off while the device is away, on again when it is back.
    connect(capture_, &MonitorCapture::deviceGone, this,
            [this] { lamp_->setPixmap(lampOff_->pixmap()); });
    connect(capture_, &MonitorCapture::deviceBack, this,
            [this] { lamp_->setPixmap(lampOn_->pixmap()); });
}

MonitorWindow::~MonitorWindow() {
    // Nothing of the window may be touched by the engine's last signals.
    disconnect(capture_, nullptr, this, nullptr);
    capture_->stop();
}

void MonitorWindow::done(int result) {
    capture_->stop();
    capture_->stopRecording();
    recording_->showRecording(QString());
    if (pinned_) togglePin();
    QDialog::done(result);
}

QString MonitorWindow::pinCaption() {
    return tr("钉在前面");
}

QString MonitorWindow::unpinCaption() {
    return tr("恢复正常");
}

QString MonitorWindow::startCaption() {
    return tr("开始监听");
}

void MonitorWindow::startOrStop() {
    if (capture_->listening()) {
        capture_->stop();
        return;
    }
    QString refusal;
    if (!capture_->start(definition_.MonitorSettings, &refusal)) {
        if (refusal.isEmpty())
            showPortProblem();
        else
            ui::ShowMessage(this, refusal, ui::MessageIcon::Exclamation);
        return;
    }
    view_.clear();
    for (LineNumberLabel* label : numbers_) label->clear();
    canvas_->clear();
    resetScrollSilently();
}

void MonitorWindow::showListening(bool listening) {
    lamp_->setPixmap(listening ? lampOn_->pixmap() : lampOff_->pixmap());
    portState_->setText(PortStateText(numeral_, listening, definition_.MonitorSettingsText));
    monitorState_->setText(MonitorStateText(listening, capture_->count()));
    startButton_->setText(listening ? tr("结束监听") : startCaption());
    for (QPushButton* button :
         {exitButton_, colourButton_, storeButton_, settingsButton_, importButton_})
        button->setEnabled(!listening);
}

void MonitorWindow::onRefreshed(int count) {
    view_.showFromStart(count);
    scroll_->setMaximum(view_.lineCount());
    // Returning to line 1 redraws through the scroll bar when the user had scrolled away.
    scroll_->setValue(0);
    if (view_.lineCount() <= kAutoRedrawLines) redraw();
    monitorState_->setText(MonitorStateText(true, count));
}

void MonitorWindow::onPortLost() {
    showPortProblem();
}

void MonitorWindow::showPortProblem() {
    ui::ShowMessage(this, BusyPortMessage(), PortProblemText(capture_->port().failure()),
                    ui::MessageIcon::Exclamation);
}

void MonitorWindow::togglePin() {
    pinned_ = !pinned_;
    pinMainWindow(pinned_);
    pinButton_->setText(pinned_ ? unpinCaption() : pinCaption());
}

void MonitorWindow::pinMainWindow(bool onTop) {
    QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main) return;
    // Told to the window system directly: changing the widget's flags would recreate the
    // main window underneath this modal one.
    main->overrideWindowFlags(onTop ? main->windowFlags() | Qt::WindowStaysOnTopHint
                                    : main->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* handle = main->windowHandle()) handle->setFlags(main->windowFlags());
}

void MonitorWindow::chooseBackground() {
    const QColor colour = ChooseBackgroundColour(this, canvas_->background());
    if (!colour.isValid()) return;
    canvas_->setBackground(colour);
    // Before anything was shown there is nothing to draw on the new colour.
    if (view_.shown()) redraw();
}

void MonitorWindow::changeSettings() {
    const BusyPointer busy(this);
    if (const std::optional<LineSettings> line =
            SettingsDialog::edit(definition_.MonitorSettingsText, this)) {
        definition_.MonitorSettings = line->text();
        definition_.MonitorSettingsText = line->shownText();
    }
    if (!definition_.MonitorSettingsText.isEmpty())
        portState_->setText(PortStateText(numeral_, false, definition_.MonitorSettingsText));
}

void MonitorWindow::store() {
    // Nothing captured or imported since the window opened: nothing to store.
    if (!view_.shown()) return;
    const QString name = ChooseStorageFile(this);
    if (name.isEmpty()) return;
    if (QFileInfo::exists(name) &&
        !ui::ShowMessage(this, ui::OverwriteQuestion(), ui::MessageIcon::Question, true))
        return;
    // A FIFO, a device or a folder gets its own message; any other failure the usual one.
    const FileCheck check = CheckFileToWrite(name);
    if (!check.ok() && check.problem != FileCheck::Problem::Missing) {
        ui::ShowMessage(this, check.message, ui::MessageIcon::Exclamation);
        return;
    }
    if (!WriteDaxFile(name, capture_->capture(), DaxWriteMode::OverExisting))
        ui::ShowMessage(this, StoreFailedMessage(), ui::MessageIcon::Critical);
}

void MonitorWindow::importCapture() {
    const QString name = ChooseStorageFile(this);
    if (name.isEmpty()) return;
    const DaxContent content = ReadDaxFile(name);
    if (content.status == DaxStatus::Missing) {
        ui::ShowMessage(this, MissingFileMessage(), ui::MessageIcon::Exclamation);
        return;
    }
    if (content.status == DaxStatus::Refused) {
        ui::ShowMessage(this, content.message, ui::MessageIcon::Exclamation);
        return;
    }
    if (content.status != DaxStatus::Ok || !capture_->replaceCapture(content.bytes)) {
        ui::ShowMessage(this, CaptureFileUnreadableMessage(), ui::MessageIcon::Critical);
        return;
    }
    view_.showFromStart(capture_->count());
    {
        const QSignalBlocker quiet(scroll_);
        scroll_->setMaximum(view_.lineCount());
        scroll_->setValue(0);
    }
    redraw();
}

void MonitorWindow::saveLog() {
    ui::SaveTimedLog(this, capture_->log(),
                     windowTitle() + QLatin1Char(' ') + definition_.MonitorSettingsText,
                     tr("监听日志.log"));
}

void MonitorWindow::startRecording(const QString& path, int format) {
    QString error;
    const QString title = windowTitle() + QLatin1Char(' ') + definition_.MonitorSettingsText;
    if (!capture_->startRecording(path, RecordFormat(format), title, &error)) {
        recording_->reportNotStarted(path, error);
        return;
    }
    recording_->showRecording(path);
}

void MonitorWindow::onScroll(int value) {
    view_.setTopLine(value + 1);
    redraw();
}

void MonitorWindow::onKey(int key) {
    const int before = view_.topLine();
    switch (key) {
        case Qt::Key_PageUp:
            view_.navigate(NavigationKey::PageUp);
            break;
        case Qt::Key_PageDown:
            view_.navigate(NavigationKey::PageDown);
            break;
        case Qt::Key_End:
            view_.navigate(NavigationKey::End);
            break;
        case Qt::Key_Home:
            view_.navigate(NavigationKey::Home);
            break;
        case Qt::Key_Up:
            view_.navigate(NavigationKey::Up);
            break;
        case Qt::Key_Down:
            view_.navigate(NavigationKey::Down);
            break;
        default:
            break;
    }
    const int target = qBound(scroll_->minimum(), view_.topLine() - 1, scroll_->maximum());
    if (scroll_->value() != target)
        scroll_->setValue(target);  // redraws through onScroll
    else if (view_.topLine() != before)
        redraw();
}

void MonitorWindow::redraw() {
    const int top = view_.topLine();
    const int shown = LinesShown(view_.lineCount(), top);
    const DisplayMode mode = displayMode();
    QStringList lines;
    QString numbers;
    for (int i = 0; i < shown; ++i) {
        numbers += LineNumberText(top + i);
        lines << CaptureLineText(capture_->capture(), capture_->count(), top + i, mode);
    }
    canvas_->drawLines(lines);
    for (LineNumberLabel* label : numbers_) label->setText(numbers);
}

void MonitorWindow::resetScrollSilently() {
    // A start empties the view without drawing it, so the scroll bar must not redraw here.
    const QSignalBlocker quiet(scroll_);
    scroll_->setRange(0, 0);
    scroll_->setValue(0);
}

DisplayMode MonitorWindow::displayMode() const {
    return charsOption_->isChecked() ? DisplayMode::Chars : DisplayMode::Hex;
}

}  // namespace comm
