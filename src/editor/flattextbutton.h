#pragma once

#include <QLabel>
#include <array>

class QFrame;

namespace comm {

// A caption that acts as a flat button: four border lines appear raised while the pointer is
// over it, turn sunken while it is pressed, and vanish when it is released, which clicks it.
// The lines are named `<lineName>_0`..`_3` (top, left, bottom, right). Owned by its parent.
class FlatTextButton : public QLabel {
    Q_OBJECT
public:
    enum Edge { Top = 0, Left = 1, Bottom = 2, Right = 3 };

    FlatTextButton(const QString& text, const QString& lineName, QWidget* parent = nullptr);

    QFrame* line(Edge edge) const { return lines_[edge]; }
    // The colour a border line is drawn in.
    QColor lineColor(Edge edge) const;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setLinesShown(bool shown);
    // Raised: light top and left, dark bottom and right; sunken the other way round.
    void setRaised(bool raised);
    void placeLines();

    std::array<QFrame*, 4> lines_{};
    bool pressed_ = false;
};

}  // namespace comm
