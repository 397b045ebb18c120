#pragma once

#include <QLabel>

namespace comm::monitor {

// A line-number label beside the drawing area: its text is the numbers of the shown lines one
// after another ("0001 0002 "), and each number is painted level with its drawn line. Owned by
// the monitor window.
class LineNumberLabel : public QLabel {
    Q_OBJECT
public:
    LineNumberLabel(int lineHeight, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineHeight_;
};

}  // namespace comm::monitor
