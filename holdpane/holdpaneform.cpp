#include "holdpaneform.h"

#include <QIcon>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

namespace holdpane {

namespace {

// The one picture of the image list (ImageList1): a small grey pane with a blue title bar,
// drawn at both icon sizes so the list shows it large and small.
QPixmap panePicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 16.0;
    p.scale(unit, unit);
    p.setPen(QPen(QColor(70, 70, 70), 0.8));
    p.setBrush(QColor(236, 236, 236));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    p.drawRect(QRectF(1.9, 2.9, 12.2, 2.6));
    return picture;
}

QIcon paneIcon() {
    QIcon icon;
    icon.addPixmap(panePicture(32));
    icon.addPixmap(panePicture(16));
    return icon;
}

}  // namespace

HoldpaneForm::HoldpaneForm(QWidget* parent) : QWidget(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Holdpane"));
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setViewMode(QListView::IconMode);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &HoldpaneForm::onTick);

    // The window's load: the list, the timer, and out of sight before anything is drawn.
    const QIcon icon = paneIcon();
    list_->setUpdatesEnabled(false);
    for (int n = 1; n <= kItems; ++n) new QListWidgetItem(icon, QString::number(n), list_);
    list_->setUpdatesEnabled(true);
    timer_.start();
    hide();
}

void HoldpaneForm::onTick() {
    if (!timer_.isActive()) return;
    timer_.stop();
    close();
    emit unloaded();
}

}  // namespace holdpane
