#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

// What the transfer windows' labels, buttons and frame show, by object name.
inline QString WindowText(QWidget& window, const QString& name) {
    if (auto* label = window.findChild<QLabel*>(name)) return label->text();
    if (auto* button = window.findChild<QPushButton*>(name)) return button->text();
    if (auto* frame = window.findChild<QGroupBox*>(name)) return frame->title();
    return QStringLiteral("<no %1>").arg(name);
}

inline QStringList WindowTexts(QWidget& window, const QStringList& names) {
    QStringList out;
    for (const QString& name : names) out << WindowText(window, name);
    return out;
}
