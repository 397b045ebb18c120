#include "identifywindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "candidates.h"
#include "evidence.h"
#include "holdpanestarter.h"
#include "hoverfocus.h"
#include "identifypictures.h"
#include "identifytext.h"
#include "messages.h"
#include "portmap.h"
#include "settingsidentifier.h"
#include "verdict.h"

namespace comm {

namespace {

QString currentCaption() {
    return QCoreApplication::translate("IdentifyWindow", "当前设置:");
}

QString progressCaption() {
    return QCoreApplication::translate("IdentifyWindow", "识别进程:");
}

QString startCaption() {
    return QCoreApplication::translate("IdentifyWindow", "开始识别");
}

QLabel* label(const QString& text, QWidget* parent, const QString& name = QString()) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (!name.isEmpty()) l->setObjectName(name);
    return l;
}

}  // namespace

IdentifyWindow::IdentifyWindow(int activePort, const SerialPortFactory& portFactory, Clock& clock,
                               std::unique_ptr<HoldpaneStarter> holdpane, QWidget* parent)
    : QDialog(parent), holdpane_(std::move(holdpane)) {
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QCoreApplication::translate("IdentifyWindow", "自动识别串口设置"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);
    buildControls();
    if (!holdpane_) holdpane_ = std::make_unique<ProgramHoldpaneStarter>();

    if (portFactory) port_ = portFactory();
    if (!port_) {
        startStop_->setEnabled(false);
        return;
    }
    port_->setObjectName(QStringLiteral("MSComm1"));
    // Loading: raw input one byte a read (the engine sets both), then the port number.
    engine_ = std::make_unique<SettingsIdentifier>(*port_, clock, *holdpane_);
    port_->setCommPort(activePort);
    connectEngine();
}

IdentifyWindow::~IdentifyWindow() {
    // The engine lets go of the port before the port goes.
    engine_.reset();
}

void IdentifyWindow::buildControls() {
    const CandidateLists lists = CandidateLists::standard();
    auto* choices = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        lists_[i] = new QComboBox(this);
        lists_[i]->setObjectName(QStringLiteral("Combo%1").arg(i + 1));
        lists_[i]->addItems(lists.entries(i));
        choices->addWidget(lists_[i]);
    }

    for (int i = 0; i < 3; ++i)
        lamp_[i] = label(QString(), this, QStringLiteral("Image2_%1").arg(i));
    lamp_[1]->setPixmap(PortLampPicture(false));
    lamp_[2]->setPixmap(PortLampPicture(true));
    lamp_[1]->hide();
    lamp_[2]->hide();
    lamp_[0]->setFixedSize(32, 32);
    showLamp(false);
    choices->addSpacing(16);
    choices->addWidget(label(QCoreApplication::translate("IdentifyWindow", "串口状态:"), this,
                             QStringLiteral("Label1_3")));
    choices->addWidget(lamp_[0]);
    choices->addStretch();

    current_ = label(currentCaption(), this, QStringLiteral("Label1_0"));
    progressText_ = label(progressCaption(), this, QStringLiteral("Label1_2"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setRange(0, lists.total());
    progress_->setValue(0);
    progress_->setTextVisible(false);

    results_ = new QTreeWidget(this);
    results_->setObjectName(QStringLiteral("ListView1"));
    results_->setRootIsDecorated(false);
    results_->setHeaderLabels(
        {QCoreApplication::translate("IdentifyWindow", "可能的设置"),
         QCoreApplication::translate("IdentifyWindow", "接收的数据(十六进制)"),
         QCoreApplication::translate("IdentifyWindow", "依据")});
    results_->setColumnWidth(0, 110);
    results_->setColumnWidth(1, 250);
    results_->setMinimumSize(640, 200);

    verdict_ = label(QString(), this, QStringLiteral("Verdict"));
    notice_ = label(ErrorsUnreportedNotice(), this, QStringLiteral("ErrorsUnreported"));
    notice_->setWordWrap(true);
    notice_->hide();
    auto* note =
        label(QCoreApplication::translate(
                  "IdentifyWindow",
                  "1、o为奇校验、e为偶校验  2、波特率大的可能性比较大，波特率小的可能性比较小"),
              this, QStringLiteral("Label2"));
    note->setWordWrap(true);

    startStop_ = new QPushButton(startCaption(), this);
    startStop_->setObjectName(QStringLiteral("Command1"));
    exit_ = new QPushButton(QCoreApplication::translate("IdentifyWindow", "退出[&X]"), this);
    exit_->setObjectName(QStringLiteral("Command3"));
    connect(startStop_, &QPushButton::clicked, this, &IdentifyWindow::onStartStop);
    connect(exit_, &QPushButton::clicked, this, &IdentifyWindow::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startStop_);
    buttons->addWidget(exit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(current_);
    layout->addWidget(progressText_);
    layout->addWidget(progress_);
    layout->addWidget(
        label(QCoreApplication::translate("IdentifyWindow", "可能的串口设置(仅供参考):"), this,
              QStringLiteral("Label1_1")));
    layout->addWidget(results_, 1);
    layout->addWidget(notice_);
    layout->addWidget(verdict_);
    layout->addWidget(note);
    layout->addLayout(buttons);
}

void IdentifyWindow::connectEngine() {
    SettingsIdentifier* e = engine_.get();
    connect(e, &SettingsIdentifier::candidateStarted, this, &IdentifyWindow::onCandidateStarted);
    connect(e, &SettingsIdentifier::portOpenChanged, this, &IdentifyWindow::showLamp);
    // Said in the window, not in a box: an unattended run must not wait for someone to read it.
    connect(e, &SettingsIdentifier::lineErrorsUnreported, this, [this] { notice_->show(); });
    connect(e, &SettingsIdentifier::candidateListed, this, &IdentifyWindow::onListed);
    connect(e, &SettingsIdentifier::progressed, this, &IdentifyWindow::onProgress);
    connect(e, &SettingsIdentifier::stopped, this, [this] {
        ui::ShowMessage(this, IdentifyStoppedMessage(), ui::MessageIcon::Information);
    });
    connect(e, &SettingsIdentifier::finished, this, &IdentifyWindow::onFinished);
    connect(e, &SettingsIdentifier::failed, this,
            [this](SettingsIdentifier::Failure failure, const QString& reason) {
                onFailed(int(failure), reason);
            });
}

void IdentifyWindow::done(int result) {
    if (engine_) engine_->abort();
    showIdle();
    QDialog::done(result);
}

void IdentifyWindow::keyPressEvent(QKeyEvent* event) {
    // Escape would close the window and lose the run; only the frame's close or the stop button
    // end one.
    if (event->key() == Qt::Key_Escape && engine_ && engine_->isRunning()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void IdentifyWindow::onStartStop() {
    if (engine_->isRunning()) {
        engine_->stop();
        return;
    }
    startStop_->setText(QCoreApplication::translate("IdentifyWindow", "结束识别"));
    exit_->setEnabled(false);
    results_->clear();
    verdict_->clear();
    notice_->hide();
    progress_->setRange(0, engine_->lists().total());
    progress_->setValue(0);
    engine_->start();
}

void IdentifyWindow::onCandidateStarted(int, const std::array<int, 4>& indexes,
                                        const QString& settings) {
    for (int i = 0; i < 4; ++i) lists_[i]->setCurrentIndex(indexes[i]);
    current_->setText(currentCaption() + QLatin1Char(' ') + settings);
}

void IdentifyWindow::onListed(const ListedCandidate& candidate) {
    auto* item = new QTreeWidgetItem(results_);
    item->setText(0, candidate.settings);
    item->setText(1, RecordText(candidate.bytes));
    item->setText(2, EvidenceText(candidate.evidence));
    item->setIcon(0, QIcon(CandidatePicture(false)));
}

void IdentifyWindow::onProgress(int done, int total) {
    progress_->setValue(done);
    progressText_->setText(progressCaption() + QLatin1Char(' ') +
                           QString::number(done * 100 / total) + QLatin1Char('%'));
    showLamp(false);
}

void IdentifyWindow::onFinished(int count) {
    ui::ShowMessage(this, IdentifyFinishedMessage(count), ui::MessageIcon::Information);
    showIdle();
    markMostLikely();
}

void IdentifyWindow::onFailed(int failure, const QString& reason) {
    if (failure == int(SettingsIdentifier::Failure::HoldpaneFailed))
        ui::ShowMessage(this, HoldpaneFailedMessage(reason), ui::MessageIcon::Exclamation);
    else
        ui::ShowMessage(this, BusyPortMessage(), PortProblemText(port_->failure()),
                        ui::MessageIcon::Exclamation);
    close();
}

// The end of a run, however it ended: the buttons, labels, progress and lamp as before it.
void IdentifyWindow::showIdle() {
    startStop_->setText(startCaption());
    exit_->setEnabled(true);
    current_->setText(currentCaption());
    progressText_->setText(progressCaption());
    progress_->setValue(0);
    showLamp(false);
}

void IdentifyWindow::showLamp(bool open) {
    lamp_[0]->setPixmap(lamp_[open ? 2 : 1]->pixmap());
}

// Marks the settings the verdict names (none when it cannot tell), the first of them current.
void IdentifyWindow::markMostLikely() {
    const Verdict& verdict = engine_->verdict();
    verdict_->setText(VerdictText(verdict));
    QTreeWidgetItem* first = nullptr;
    for (int i : engine_->ranking()) {
        QTreeWidgetItem* item = results_->topLevelItem(i);
        if (!item || !verdict.settings.contains(item->text(0))) continue;
        item->setIcon(0, QIcon(CandidatePicture(true)));
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int column = 0; column < results_->columnCount(); ++column)
            item->setFont(column, bold);
        if (!first) first = item;
    }
    if (first) results_->setCurrentItem(first);
}

}  // namespace comm
