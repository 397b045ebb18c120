#include "recordingcontrol.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "messages.h"

namespace comm::ui {

namespace {
RecordingControl::FileChooser& chooser() {
    static RecordingControl::FileChooser instance;
    return instance;
}
}  // namespace

RecordingControl::RecordingControl(const QString& suggestedName, QWidget* parent)
    : QGroupBox(tr("记录"), parent), suggestedName_(suggestedName) {
    setObjectName(QStringLiteral("Recording"));
    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("RecordFormat"));
    format_->addItem(tr("原始字节"), int(RecordFormat::Raw));
    format_->addItem(tr("时间日志"), int(RecordFormat::TimedLog));
    format_->setToolTip(
        tr("原始字节：收到的字节原样写入文件\n时间日志：收发的每一批字节连同时间写成文本"));
    button_ = new QPushButton(tr("开始记录"), this);
    button_->setObjectName(QStringLiteral("Record"));
    path_ = new QLabel(tr("未记录"), this);
    path_->setObjectName(QStringLiteral("RecordPath"));
    path_->setTextFormat(Qt::PlainText);
    auto* row = new QHBoxLayout;
    row->addWidget(format_);
    row->addWidget(button_);
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(path_);
    connect(button_, &QPushButton::clicked, this, &RecordingControl::onClicked);
}

void RecordingControl::showRecording(const QString& path) {
    recording_ = !path.isEmpty();
    button_->setText(recording_ ? tr("停止记录") : tr("开始记录"));
    format_->setEnabled(!recording_);
    // The name alone keeps the window's width; the whole path is the tool tip.
    path_->setText(recording_ ? tr("记录到 %1").arg(QFileInfo(path).fileName()) : tr("未记录"));
    path_->setToolTip(QDir::toNativeSeparators(path));
}

RecordFormat RecordingControl::format() const {
    return RecordFormat(format_->currentData().toInt());
}

void RecordingControl::reportNotStarted(const QString& path, const QString& error) {
    showRecording(QString());
    ShowMessage(window(), tr("不能记录到“%1”：%2").arg(path, error), MessageIcon::Exclamation);
}

void RecordingControl::reportStopped(const QString& reason) {
    showRecording(QString());
    ShowMessage(window(), tr("记录已停止，写文件失败：%1").arg(reason), MessageIcon::Exclamation);
}

void RecordingControl::setFileChooser(FileChooser chooser) {
    ui::chooser() = std::move(chooser);
}

void RecordingControl::onClicked() {
    if (recording_) {
        emit stopRequested();
        return;
    }
    const QString suggested = format() == RecordFormat::TimedLog
                                  ? suggestedName_ + QStringLiteral(".log")
                                  : suggestedName_ + QStringLiteral(".bin");
    const QString path =
        ui::chooser() ? ui::chooser()(suggested)
                      : QFileDialog::getSaveFileName(
                            this, tr("记录到文件"),
                            QDir(QCoreApplication::applicationDirPath()).filePath(suggested));
    if (!path.isEmpty()) emit startRequested(path, format());
}

}  // namespace comm::ui
