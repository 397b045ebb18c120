#include "documentwindow.h"

#include <QComboBox>
#include <QEvent>
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

const char* const kOptionCaptions[] = {
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "一直循环"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "循环次数"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "延迟时间"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "不延迟"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "不提示错误,直到收到数据"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "等待")};

const char* const kGroupCaptions[] = {
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "3.循环通讯"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "4.延迟"),
    QT_TRANSLATE_NOOP("comm::DocumentWindow", "5.接收最长等待时间")};

// The units after each group's box, one or two; the last group's two read as one phrase.
const char* const kUnits[3][2] = {{QT_TRANSLATE_NOOP("comm::DocumentWindow", "次"), nullptr},
                                  {QT_TRANSLATE_NOOP("comm::DocumentWindow", "ms"), nullptr},
                                  {QT_TRANSLATE_NOOP("comm::DocumentWindow", "ms后提"),
                                   QT_TRANSLATE_NOOP("comm::DocumentWindow", "示错误")}};

int unitCount(int group) {
    return kUnits[group][1] ? 2 : 1;
}

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
    retranslate();
}

void DocumentWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void DocumentWindow::retranslate() {
    infoPanel_->setTitle(tr("通讯基础信息"));
    settingsButton_->setText(tr("更改设置"));
    for (int g = 0; g < int(groups_.size()); ++g) {
        groups_[g]->setTitle(tr(kGroupCaptions[g]));
        for (int u = 0; u < unitCount(g); ++u) units_[g][u]->setText(tr(kUnits[g][u]));
    }
    for (int o = 0; o < int(options_.size()); ++o) options_[o]->setText(tr(kOptionCaptions[o]));
    showKind();
    // The shown settings text is kept with the communication (the execution window shows it
    // too), so it follows the language here, made again from the component's text.
    if (!definition_.CommSettings.isEmpty())
        definition_.CommSettingsText = ShownSettingsText(definition_.CommSettings);
    showSettingsLine();
}

void DocumentWindow::showSettingsLine() {
    settingsLine_->setText(tr("2.串口设置:%1").arg(definition_.CommSettingsText));
}

QGroupBox* DocumentWindow::buildInfoPanel() {
    auto* panel = new QGroupBox(this);
    infoPanel_ = panel;
    auto* column = new QVBoxLayout(panel);

    kindLine_ = new QLabel(panel);
    kindLine_->setObjectName(QStringLiteral("Label1_0"));
    column->addWidget(kindLine_);

    settingsLine_ = new QLabel(panel);
    settingsLine_->setObjectName(QStringLiteral("Label1_1"));
    settingsButton_ = new FlatTextButton(QString(), QStringLiteral("Line16"), panel);
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
    column->addWidget(buildOptionGroup(0, LoopForever, LoopCount, loopBox_));
    column->addWidget(buildOptionGroup(1, NoDelay, DelayTime, delayBox_));
    column->addWidget(buildOptionGroup(2, NoWait, WaitTime, waitBox_));
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
QGroupBox* DocumentWindow::buildOptionGroup(int group, Option first, Option second,
                                            QLineEdit* box) {
    const int units = unitCount(group);
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1_%1").arg(group));
    groups_[group] = frame;
    for (Option option : {first, second}) {
        auto* button = new QRadioButton(frame);
        button->setObjectName(QStringLiteral("Option1_%1").arg(int(option)));
        options_[option] = button;
    }
    connect(options_[second], &QRadioButton::toggled, box, &QLineEdit::setEnabled);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(options_[first], 0, 0, 1, 2 + units);
    grid->addWidget(options_[second], 1, 0);
    box->setParent(frame);
    grid->addWidget(box, 1, 1);
    auto* unitRow = new QHBoxLayout;
    unitRow->setSpacing(0);
    for (int u = 0; u < units; ++u) {
        units_[group][u] = new QLabel(frame);
        unitRow->addWidget(units_[group][u]);
    }
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
    showFrames();
}

void DocumentWindow::showKind() {
    kindLine_->setText(KindLine(definition_.CommKind));
}

void DocumentWindow::showFrames() {
    const int kind = definition_.CommKind;
    if (!IsCommKind(kind)) return;
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
    showSettingsLine();
}

}  // namespace comm
