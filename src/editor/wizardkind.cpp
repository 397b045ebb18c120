#include "wizardkind.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "commkind.h"
#include "hoverfocus.h"

namespace comm {

namespace {

// The marker's course is given in twips; at the usual 96 dots per inch a pixel is 15 twips.
constexpr int kTwipsPerPixel = 15;
int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

struct MarkerCourse {
    int start;
    int end;
    int top;
    int step;
};
// Group 1 runs left to right, group 2 right to left.
constexpr MarkerCourse kGroupCourse[2] = {{960, 2760, 840, 100}, {2760, 960, 3000, -100}};

constexpr int kMarkerInterval = 200;

}  // namespace

WizardKindStep::WizardKindStep(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("建立通讯向导步骤一"));
    setModal(true);
    ui::GiveFocusOnHoverWithin(this);
    setFixedSize(400, 340);

    // The two groups hold one choice between them.
    auto* choice = new QButtonGroup(this);
    // Each group offers the kind without an answer, then the one with.
    struct KindGroup {
        const char* caption;
        int noAnswerKind;
        int answerKind;
    };
    const KindGroup groups[2] = {{QT_TR_NOOP("1.微机发送数据至下位机系统"), 1, 3},
                                 {QT_TR_NOOP("2.微机接收下位机发送的数据"), 2, 4}};
    for (int g = 0; g < 2; ++g) {
        auto* group = new QGroupBox(tr(groups[g].caption), this);
        group->setObjectName(QStringLiteral("Frame1_%1").arg(g));
        group->setGeometry(16, g == 0 ? 32 : 176, 368, 112);
        auto* first = new QRadioButton(KindWords(groups[g].noAnswerKind), group);
        first->setObjectName(QStringLiteral("Option1_%1").arg(g));
        first->setGeometry(40, 50, 300, 22);
        auto* second = new QRadioButton(KindWords(groups[g].answerKind), group);
        second->setObjectName(QStringLiteral("Option2_%1").arg(g));
        second->setGeometry(40, 76, 300, 22);
        options_[groups[g].noAnswerKind - 1] = first;
        options_[groups[g].answerKind - 1] = second;
        for (QRadioButton* option : {first, second}) {
            choice->addButton(option);
            option->setProperty("markerGroup", g + 1);
            option->installEventFilter(this);
        }
    }
    options_[0]->setChecked(true);

    next_ = new QPushButton(tr("下一步[&N]"), this);
    next_->setObjectName(QStringLiteral("NextButton"));
    next_->setGeometry(190, 300, 92, 28);
    next_->setDefault(true);
    abandon_ = new QPushButton(tr("放弃[&X]"), this);
    abandon_->setObjectName(QStringLiteral("AbandonButton"));
    abandon_->setGeometry(292, 300, 92, 28);

    marker_ = new QLabel(QStringLiteral("I"), this);
    marker_->setObjectName(QStringLiteral("Marker"));
    marker_->setFixedSize(10, 18);
    marker_->raise();
    markerTimer_ = new QTimer(this);
    markerTimer_->setInterval(kMarkerInterval);
    connect(markerTimer_, &QTimer::timeout, this, &WizardKindStep::moveMarker);
    followGroup(1);
}

int WizardKindStep::kind() const {
    for (int k = 0; k < 4; ++k)
        if (options_[k]->isChecked()) return k + 1;
    return 1;
}

QRadioButton* WizardKindStep::option(int kind) const {
    return options_.at(kind - 1);
}

void WizardKindStep::followGroup(int group) {
    if (group == markerGroup_) return;
    const MarkerCourse& course = kGroupCourse[group - 1];
    markerGroup_ = group;
    markerStart_ = course.start;
    markerEnd_ = course.end;
    markerStep_ = course.step;
    markerLeft_ = course.start;
    marker_->move(pixels(course.start), pixels(course.top));
}

void WizardKindStep::moveMarker() {
    markerLeft_ += markerStep_;
    const bool past = markerStep_ > 0 ? markerLeft_ > markerEnd_ : markerLeft_ < markerEnd_;
    if (past) markerLeft_ = markerStart_;
    marker_->move(pixels(markerLeft_), marker_->y());
}

bool WizardKindStep::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        const QVariant group = watched->property("markerGroup");
        if (group.isValid()) followGroup(group.toInt());
    }
    return QDialog::eventFilter(watched, event);
}

void WizardKindStep::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    markerTimer_->start();
}

void WizardKindStep::hideEvent(QHideEvent* event) {
    markerTimer_->stop();
    QDialog::hideEvent(event);
}

}  // namespace comm
