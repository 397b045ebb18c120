#include "raisedlabels.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "shadowcaption.h"

namespace comm::help {

namespace {
QLabel* makeLabel(QWidget* box, const QString& name, const QFont& font, const QRect& place,
                  bool wordWrap) {
    auto* label = new QLabel(box);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
    return label;
}
}  // namespace

RaisedLabels AddRaisedLabels(QWidget* box, int index, const QString& caption, const QFont& font,
                             const QRect& place, bool wordWrap) {
    RaisedLabels pair;
    pair.shadow = makeLabel(box, QStringLiteral("Label2_%1").arg(index), font, place, wordWrap);
    pair.front = makeLabel(box, QStringLiteral("Label1_%1").arg(index), font, place, wordWrap);
    if (wordWrap) {
        pair.front->setText(caption);
        const int needed = pair.front->heightForWidth(place.width());
        if (needed > place.height()) pair.front->resize(place.width(), needed);
    }
    ShadowCaption(pair.front, pair.shadow, kShadowDownRight, caption);
    return pair;
}

void UseBoxBackground(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(212, 208, 200));
    box->setPalette(palette);
    box->setAutoFillBackground(true);
}

QPushButton* AddCloseButton(QWidget* box, const QRect& place) {
    auto* button = new QPushButton(QCoreApplication::translate("HelpBoxes", "确定[&Y]"), box);
    button->setObjectName(QStringLiteral("Command1"));
    button->setGeometry(place);
    button->setDefault(true);
    if (auto* dialog = qobject_cast<QDialog*>(box))
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

}  // namespace comm::help
