#include "wizardcounts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "commkind.h"
#include "hoverfocus.h"
#include "keyfilter.h"
#include "selectonfocus.h"
#include "spinbuttons.h"
#include "texthelpers.h"

namespace comm {

namespace {

struct CountRow {
    Field field;
    const char* caption;
    int initial;
    int minimum;
    int maximum;
};
constexpr int kInitialDataCount = 1;
// In the order the rows are shown.
constexpr CountRow kRows[4] = {
    {Field::Start, QT_TRANSLATE_NOOP("comm::WizardCountsStep", "起始字节"), 0, 0, 10},
    {Field::Data, QT_TRANSLATE_NOOP("comm::WizardCountsStep", "数据指令字节"), kInitialDataCount, 1,
     255},
    {Field::Check, QT_TRANSLATE_NOOP("comm::WizardCountsStep", "校验和字节"), 0, 0, 10},
    {Field::End, QT_TRANSLATE_NOOP("comm::WizardCountsStep", "结束字节"), 0, 0, 10}};

const char* fieldName(Field field) {
    switch (field) {
        case Field::Start:
            return "Start";
        case Field::Data:
            return "Data";
        case Field::Check:
            return "Check";
        case Field::End:
            break;
    }
    return "End";
}

}  // namespace

int LeadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    int value = 0;
    for (QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 99999) break;  // far beyond any count; keeps the sum from overflowing
    }
    return value;
}

bool IsDataCount(const QString& text) {
    if (text.isEmpty() || text.size() > 3) return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    const int value = text.toInt();
    return value >= 1 && value <= 255;
}

WizardCountsStep::WizardCountsStep(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("建立通讯向导步骤二"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);

    auto* layout = new QVBoxLayout(this);
    // The step is as big as the panels the kind shows: a hidden panel leaves no blank behind.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildPanel(FrameSide::Send));
    layout->addWidget(buildPanel(FrameSide::Recv));

    back_ = new QPushButton(tr("上一步[&B]"), this);
    back_->setObjectName(QStringLiteral("BackButton"));
    next_ = new QPushButton(tr("下一步[&N]"), this);
    next_->setObjectName(QStringLiteral("NextButton"));
    next_->setDefault(true);
    abandon_ = new QPushButton(tr("放弃[&X]"), this);
    abandon_->setObjectName(QStringLiteral("AbandonButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {back_, next_, abandon_}) buttons->addWidget(button);
    layout->addLayout(buttons);
    updateNext();
}

QGroupBox* WizardCountsStep::buildPanel(FrameSide side) {
    const int s = int(side);
    auto* panel = new QGroupBox(tr("幀格式生成器"), this);
    panel->setObjectName(QStringLiteral("Frame1_%1").arg(s));
    panels_[s] = panel;

    auto* grid = new QGridLayout(panel);
    auto* heading = new QLabel(side == FrameSide::Send ? tr("微机发送数据格式[下位机接收数据格式]")
                                                       : tr("微机接收数据格式[下位机发送数据格式]"),
                               panel);
    heading->setObjectName(QStringLiteral("Heading_%1").arg(s));
    grid->addWidget(heading, 0, 0, 1, 4);

    for (int row = 0; row < 4; ++row) {
        const CountRow& rowDef = kRows[row];
        const int f = int(rowDef.field);
        auto* caption = new QLabel(tr(rowDef.caption), panel);
        QWidget* countWidget = nullptr;
        auto* spin = new SpinButtons(rowDef.minimum, rowDef.maximum, panel);
        spin->setObjectName(
            QStringLiteral("%1Spin_%2").arg(QLatin1String(fieldName(rowDef.field))).arg(s));
        spins_[s][f] = spin;
        if (rowDef.field == Field::Data) {
            auto* box = new QLineEdit(QString::number(rowDef.initial), panel);
            box->setObjectName(QStringLiteral("Text1_%1").arg(s));
            box->setMaxLength(3);
            box->setFixedWidth(48);
            box->setAlignment(Qt::AlignRight);
            ui::KeyFilter::install(box, kDigitKeys);
            SelectAllOnFocus(box);
            connect(box, &QLineEdit::textChanged, this, &WizardCountsStep::updateNext);
            spin->setValueSource([box] { return LeadingNumber(box->text()); });
            connect(spin, &SpinButtons::stepped, box,
                    [box](int value) { box->setText(QString::number(value)); });
            dataBoxes_[s] = box;
            countWidget = box;
        } else {
            auto* label = new QLabel(QString::number(rowDef.initial), panel);
            label->setObjectName(
                QStringLiteral("%1Count_%2").arg(QLatin1String(fieldName(rowDef.field))).arg(s));
            label->setFixedWidth(48);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setFrameShape(QFrame::Panel);
            label->setFrameShadow(QFrame::Sunken);
            spin->setValueSource([label] { return LeadingNumber(label->text()); });
            connect(spin, &SpinButtons::stepped, label,
                    [label](int value) { label->setText(QString::number(value)); });
            labels_[s][f] = label;
            countWidget = label;
        }
        grid->addWidget(caption, row + 1, 0);
        grid->addWidget(countWidget, row + 1, 1);
        grid->addWidget(spin, row + 1, 2);
        grid->addWidget(new QLabel(tr("个"), panel), row + 1, 3);
    }
    grid->setColumnStretch(4, 1);
    return panel;
}

void WizardCountsStep::prepareForKind(int kind) {
    kind_ = kind;
    panels_[int(FrameSide::Send)]->setVisible(showsSide(FrameSide::Send));
    panels_[int(FrameSide::Recv)]->setVisible(showsSide(FrameSide::Recv));
    updateNext();
}

bool WizardCountsStep::showsSide(FrameSide side) const {
    if (!IsCommKind(kind_)) return true;
    return side == FrameSide::Send ? KindRules(kind_).sends : KindRules(kind_).receives;
}

QLabel* WizardCountsStep::countLabel(FrameSide side, Field field) const {
    return labels_[int(side)][int(field)];
}

SpinButtons* WizardCountsStep::spin(FrameSide side, Field field) const {
    return spins_[int(side)][int(field)];
}

QString WizardCountsStep::countText(FrameSide side, Field field) const {
    return field == Field::Data ? dataBox(side)->text() : countLabel(side, field)->text();
}

std::array<qint16, 8> WizardCountsStep::counts() const {
    std::array<qint16, 8> result{};
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv})
        for (Field field : {Field::Start, Field::Data, Field::Check, Field::End})
            result[CommDefinition::countIndex(side, field)] =
                qint16(qMin(LeadingNumber(countText(side, field)), 32767));
    // A hidden panel's data box is not judged, so it may hold no count at all; its frame then
    // keeps the initial count rather than one a file cannot hold.
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv})
        if (!showsSide(side) && !IsDataCount(dataBox(side)->text()))
            result[CommDefinition::countIndex(side, Field::Data)] = kInitialDataCount;
    return result;
}

// A box the kind hides does not count: left invalid from an earlier kind, it would hold Next
// disabled with nothing on the step to mend it.
bool WizardCountsStep::countsValid() const {
    for (FrameSide side : {FrameSide::Send, FrameSide::Recv})
        if (showsSide(side) && !IsDataCount(dataBox(side)->text())) return false;
    return true;
}

void WizardCountsStep::updateNext() {
    if (next_ != nullptr) next_->setEnabled(countsValid());
}

}  // namespace comm
