#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace comm::help {

// A caption drawn as raised text by two labels of one box: Label1_<index> in front,
// Label2_<index> behind it as the shadow. Both are children of the box.
struct RaisedLabels {
    QLabel* front = nullptr;
    QLabel* shadow = nullptr;
};

// Creates the pair at the given place with the given font and draws the caption on it with
// the down-right shadow. A word-wrapped pair grows to the height its text needs.
RaisedLabels AddRaisedLabels(QWidget* box, int index, const QString& caption, const QFont& font,
                             const QRect& place, bool wordWrap = false);

// The background both boxes share; the white shadow needs a background darker than white.
void UseBoxBackground(QWidget* box);

// The box's only button, "确定[&Y]", which closes it.
QPushButton* AddCloseButton(QWidget* box, const QRect& place);

}  // namespace comm::help
