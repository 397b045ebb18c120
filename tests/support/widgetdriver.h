#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// Types characters one by one as key events carrying their text; unlike QTest::keyClicks it also
// handles characters outside Latin-1.
void TypeText(QWidget* widget, const QString& text);

// The colour a label draws its text in.
QColor TextColour(const QLabel* label);
