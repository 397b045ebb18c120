#include "spinbuttons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace comm {

SpinButtons::SpinButtons(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto makeButton = [this, layout](Qt::ArrowType arrow, const char* name, int delta) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(18, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, delta] { step(delta); });
        layout->addWidget(button);
        return button;
    };
    up_ = makeButton(Qt::UpArrow, "Up", 1);
    down_ = makeButton(Qt::DownArrow, "Down", -1);
}

void SpinButtons::step(int delta) {
    // A count that was typed out of range comes back into it on the first step.
    const int current = source_ ? source_() : minimum_;
    emit stepped(qBound(minimum_, current + delta, maximum_));
}

}  // namespace comm
