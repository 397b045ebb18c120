#include "documentwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "commkind.h"
#include "flattextbutton.h"
#include "framepanel.h"
#include "hoverfocus.h"
#include "keyfilter.h"
#include "settingsdialog.h"
#include "texthelpers.h"

namespace comm {

namespace {

const QString kSettingsLinePrefix = QStringLiteral("2.串口设置:");

const char* const kOptionCaptions[] = {
    "一直循环", "循环次数", "延迟时间", "不延迟", "不提示错误,直到收到数据", "等待"};

}  // namespace

DocumentWindow::DocumentWindow(CommDefinition& definition, QWidget* parent)
    : QWidget(parent), definition_(definition) {
    setObjectName(QStringLiteral("Form4"));
    ui::GiveFocusOnHoverWithin(this);

    saveFlag_ = new QLabel(QStringLiteral("0"), this);
    saveFlag_->setObjectName(QStringLiteral("SaveFlag"));
    saveFlag_->hide();

    frames_[0] = new FramePanel(definition_, FrameSide::Send, this);
    frames_[1] = new FramePanel(definition_, FrameSide::Recv, this);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildInfoPanel(), 0, Qt::AlignTop);
    layout->addWidget(frames_[0], 0, Qt::AlignTop);
    layout->addWidget(frames_[1], 0, Qt::AlignTop);
    layout->addStretch();

    buildFromDefinition();
}

QGroupBox* DocumentWindow::buildInfoPanel() {
    auto* panel = new QGroupBox(QStringLiteral("通讯基础信息"), this);
    auto* column = new QVBoxLayout(panel);

    kindLine_ = new QLabel(panel);
    kindLine_->setObjectName(QStringLiteral("Label1_0"));
    column->addWidget(kindLine_);

    settingsLine_ = new QLabel(panel);
    settingsLine_->setObjectName(QStringLiteral("Label1_1"));
    settingsButton_ =
        new FlatTextButton(QStringLiteral("更改设置"), QStringLiteral("Line16"), panel);
    settingsButton_->setObjectName(QStringLiteral("Label12"));
    connect(settingsButton_, &FlatTextButton::clicked, this, &DocumentWindow::changePortSettings);
    auto* settingsRow = new QHBoxLayout;
    settingsRow->addWidget(settingsLine_);
    settingsRow->addWidget(settingsButton_);
    settingsRow->addStretch();
    column->addLayout(settingsRow);

    loopBox_ = makeOptionBox(QStringLiteral("Text1"));
    loopBox_->setMaxLength(3);
    delayBox_ = makeOptionBox(QStringLiteral("Text2"));
    waitBox_ = makeOptionBox(QStringLiteral("Text11"));
    column->addWidget(buildOptionGroup(0, QStringLiteral("3.循环通讯"), LoopForever, LoopCount,
                                       loopBox_, {QStringLiteral("次")}));
    column->addWidget(buildOptionGroup(1, QStringLiteral("4.延迟"), NoDelay, DelayTime, delayBox_,
                                       {QStringLiteral("ms")}));
    column->addWidget(buildOptionGroup(2, QStringLiteral("5.接收最长等待时间"), NoWait, WaitTime,
                                       waitBox_,
                                       {QStringLiteral("ms后提"), QStringLiteral("示错误")}));
    column->addStretch();
    return panel;
}

QLineEdit* DocumentWindow::makeOptionBox(const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setFixedWidth(60);
    box->setEnabled(false);
    ui::KeyFilter::install(box, kDigitKeys);
    return box;
}

// One pair of options: the option without a value on the first line, the option with its box
// and units on the second. Selecting the second enables the box.
QGroupBox* DocumentWindow::buildOptionGroup(int group, const QString& caption, Option first,
                                            Option second, QLineEdit* box,
                                            const QStringList& units) {
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QStringLiteral("Frame1_%1").arg(group));
    groups_[group] = frame;
    for (Option option : {first, second}) {
        auto* button = new QRadioButton(QString::fromUtf8(kOptionCaptions[option]), frame);
        button->setObjectName(QStringLiteral("Option1_%1").arg(int(option)));
        options_[option] = button;
    }
    connect(options_[second], &QRadioButton::toggled, box, &QLineEdit::setEnabled);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(options_[first], 0, 0, 1, 2 + int(units.size()));
    grid->addWidget(options_[second], 1, 0);
    box->setParent(frame);
    grid->addWidget(box, 1, 1);
    auto* unitRow = new QHBoxLayout;
    unitRow->setSpacing(0);
    for (const QString& unit : units) unitRow->addWidget(new QLabel(unit, frame));
    unitRow->addStretch();
    grid->addLayout(unitRow, 1, 2);
    return frame;
}

void DocumentWindow::select(Option option) {
    options_[option]->setChecked(true);
}

void DocumentWindow::buildFromDefinition() {
    CommDefinition& d = definition_;
    if (d.CommKind != 0) {
        setSaveFlag(QStringLiteral("0"));
        select(LoopForever);
        select(NoDelay);
        select(NoWait);
        d.clearCountedValues();
    } else {
        d.CommKind = d.FileCommKind;
        setSaveFlag(QStringLiteral("1"));
        setOptions(OptionsFromFile(d));
    }
    settingsLine_->setText(kSettingsLinePrefix + d.CommSettingsText);
    showKind();
}

void DocumentWindow::showKind() {
    const int kind = definition_.CommKind;
    if (!IsCommKind(kind)) return;
    kindLine_->setText(KindLine(kind));
    const bool shown[2] = {KindRules(kind).sends, KindRules(kind).receives};
    for (int s = 0; s < 2; ++s) {
        FramePanel* frame = frames_[s];
        frame->setVisible(shown[s]);
        if (!shown[s]) continue;
        frame->selector()->setCurrentIndex(0);
        frame->refresh();
    }
}

CommOptions DocumentWindow::options() const {
    CommOptions o;
    o.loopForever = options_[LoopForever]->isChecked();
    o.loopText = loopBox_->text();
    o.noDelay = options_[NoDelay]->isChecked();
    o.delayText = delayBox_->text();
    o.noWait = options_[NoWait]->isChecked();
    o.waitText = waitBox_->text();
    return o;
}

void DocumentWindow::setOptions(const CommOptions& o) {
    select(o.loopForever ? LoopForever : LoopCount);
    loopBox_->setText(o.loopText);
    select(o.noDelay ? NoDelay : DelayTime);
    delayBox_->setText(o.delayText);
    select(o.noWait ? NoWait : WaitTime);
    waitBox_->setText(o.waitText);
}

QString DocumentWindow::saveFlag() const {
    return saveFlag_->text();
}

void DocumentWindow::setSaveFlag(const QString& flag) {
    saveFlag_->setText(flag);
}

QString DocumentWindow::kindLine() const {
    return kindLine_->text();
}

QString DocumentWindow::settingsLine() const {
    return settingsLine_->text();
}

QString DocumentWindow::groupCaption(int group) const {
    return group >= 0 && group < int(groups_.size()) ? groups_[group]->title() : QString();
}

QString DocumentWindow::optionCaption(Option option) const {
    return options_[option]->text();
}

bool DocumentWindow::isOptionSelected(Option option) const {
    return options_[option]->isChecked();
}

bool DocumentWindow::isFrameShown(FrameSide side) const {
    return !framePanel(side)->isHidden();
}

QString DocumentWindow::frameCaption(FrameSide side) const {
    return framePanel(side)->title();
}

void DocumentWindow::changePortSettings() {
    const std::optional<LineSettings> line =
        SettingsDialog::edit(definition_.CommSettingsText, this);
    if (!line || !definition_.setPortSettings(*line->indexes())) return;
    settingsLine_->setText(kSettingsLinePrefix + definition_.CommSettingsText);
}

}  // namespace comm
