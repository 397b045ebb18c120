#include "statuspanels.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "lockkeys.h"
#include "texthelpers.h"

namespace comm {

namespace {
constexpr int kClockInterval = 60000;
}

StatusPanels::StatusPanels(QStatusBar* bar) : QObject(bar), now_(&QDateTime::currentDateTime) {
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const QString texts[] = {QString(),
                             QString(),
                             QStringLiteral("CAPS"),
                             QStringLiteral("NUM"),
                             QStringLiteral("Ins"),
                             QStringLiteral("SCRL"),
                             QString()};
    const auto sunken = [bar](const QString& text, const QString& name) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(name);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setContentsMargins(4, 0, 4, 0);
        return label;
    };
    for (int i = 0; i < 7; ++i) {
        QLabel* label = sunken(texts[i], QStringLiteral("Panels_%1").arg(i + 1));
        panels_[i] = label;
        if (i == 0)
            bar->addWidget(label, 1);
        else
            bar->addPermanentWidget(label);
        if (i + 1 == ActivePort) {
            device_ = sunken(QString(), QStringLiteral("PortDevicePanel"));
            bar->addPermanentWidget(device_);
        }
    }
    panel(Fixed)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("Timer1"));
    clock_->setInterval(kClockInterval);
    connect(clock_, &QTimer::timeout, this, &StatusPanels::tick);
    clock_->start();
    retranslate();

    qApp->installEventFilter(this);
    updateLockKeys();
}

StatusPanels::~StatusPanels() {
    qApp->removeEventFilter(this);
}

QString StatusPanels::text(Panel which) const {
    return panel(which)->text();
}

bool StatusPanels::isLit(Panel which) const {
    return panel(which)->isEnabled();
}

void StatusPanels::setActivePortText(const QString& text) {
    panel(ActivePort)->setText(text);
}

void StatusPanels::setDeviceText(const QString& text, const QString& toolTip) {
    device_->setText(text);
    device_->setToolTip(toolTip);
}

void StatusPanels::setTimeSource(std::function<QDateTime()> now) {
    now_ = std::move(now);
}

void StatusPanels::retranslate() {
    panel(Fixed)->setText(tr("欢迎使用通用RS232通讯程序"));
    tick();
}

void StatusPanels::tick() {
    const QDateTime now = now_();
    panel(Clock)->setText(tr("时间日期:%1 %2").arg(DateText(now.date()), TimeText(now.time())));
}

void StatusPanels::updateLockKeys() {
    panel(Insert)->setEnabled(insertOn_);
    const LockKeyStates states = ReadLockKeys();
    if (!states.known) return;
    panel(Caps)->setEnabled(states.capsLock);
    panel(Num)->setEnabled(states.numLock);
    panel(Scroll)->setEnabled(states.scrollLock);
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            // Key events reach several objects on their way; only the first, the focus
            // widget's window, counts a press of Insert.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Insert && !key->isAutoRepeat() && watched->isWindowType())
                insertOn_ = !insertOn_;
            [[fallthrough]];
        }
        case QEvent::KeyRelease:
        case QEvent::ApplicationActivate:
            if (watched->isWindowType() || event->type() == QEvent::ApplicationActivate)
                updateLockKeys();
            break;
        default:
            break;
    }
    return false;
}

}  // namespace comm
