#include "widgetdriver.h"

#include <QLabel>
#include <QtTest>

void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
