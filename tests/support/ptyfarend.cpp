#include "ptyfarend.h"

#include <QSocketNotifier>

PtyFarEnd::PtyFarEnd() {
    if (!line_.ok()) return;
    notifier_ = new QSocketNotifier(line_.masterFd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyFarEnd::readAvailable);
}

PtyFarEnd::~PtyFarEnd() {
    hangUp();
}

void PtyFarEnd::hangUp() {
    delete notifier_;
    notifier_ = nullptr;
    line_.hangUp();
}

void PtyFarEnd::readAvailable() {
    const QByteArray all = line_.received();
    if (all.size() == received_.size()) return;
    received_ = all;
    if (onReceived) onReceived(received_);
}
