#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

namespace comm::monitor {

// The monitor's drawing area (Picture1): keeps the lines of its last redraw, each under a rule,
// and paints them until the next redraw or clear, whatever the capture does meanwhile. Navigation
// keys pressed in it are handed on. Owned by the monitor window.
class MonitorCanvas : public QWidget {
    Q_OBJECT
public:
    explicit MonitorCanvas(QWidget* parent = nullptr);

    // Empties the area: no text, no rules.
    void clear();
    // Draws these lines from the top, a rule above each and one below the last.
    void drawLines(const QStringList& lines);

    QStringList lines() const { return lines_; }
    // Rules drawn: lines().size() + 1 after a redraw, 0 after a clear.
    int ruleCount() const { return ruled_ ? int(lines_.size()) + 1 : 0; }
    // Redraws since the area was made, for those who check when it is (not) redrawn.
    int redrawCount() const { return redraws_; }

    QColor background() const { return background_; }
    void setBackground(const QColor& colour);

    // One drawn line's height and the rule's length in pixels of this screen.
    int lineHeight() const;
    int ruleWidth() const;

    QSize sizeHint() const override;

signals:
    void keyPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList lines_;
    bool ruled_ = false;
    int redraws_ = 0;
    QColor background_ = Qt::white;
};

// The font of the drawing area and the labels around it: Song at 10.5 points, whose Latin
// characters share one width so the byte columns line up under their headers.
QFont MonitorFont();

}  // namespace comm::monitor
