#pragma once

#include <QTimer>
#include <QWidget>

class QListWidget;

namespace holdpane {

// The Holdpane window (Form1): builds its list of 3000 items, hides itself at once and unloads at
// the first tick of its 300 ms timer. Owned by main(), which ends the program on unloaded().
class HoldpaneForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kItems = 3000;
    static constexpr int kTickMs = 300;

    explicit HoldpaneForm(QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    const QTimer& timer() const { return timer_; }

signals:
    // The first tick came and the window closed; nothing is left to do.
    void unloaded();

private:
    void onTick();

    QListWidget* list_;
    QTimer timer_;
};

}  // namespace holdpane
