#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace comm {

// An up/down button pair that steps a count by one inside a range. It holds no value of its own:
// the count lives in the label or box it is paired with, read through valueSource and written
// through stepped(). Owned by the window it sits in.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // Where the current count is read from before each step.
    void setValueSource(std::function<int()> source) { source_ = std::move(source); }

signals:
    // The new count, already held inside the range.
    void stepped(int value);

private:
    void step(int delta);

    int minimum_;
    int maximum_;
    std::function<int()> source_;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace comm
