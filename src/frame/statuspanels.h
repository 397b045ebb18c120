#pragma once

#include <QDateTime>
#include <QObject>
#include <array>
#include <functional>

class QLabel;
class QStatusBar;
class QTimer;

namespace comm {

// The seven panels of the main window's status bar (StatusBar1): a fixed text, the active port
// (followed by the device it stands for), the Caps, Num, Insert and Scroll lock indicators and the
// minute clock (Timer1). Owned by the main window.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    enum Panel { Fixed = 1, ActivePort = 2, Caps = 3, Num = 4, Insert = 5, Scroll = 6, Clock = 7 };

    explicit StatusPanels(QStatusBar* bar);
    ~StatusPanels() override;

    QLabel* panel(Panel which) const { return panels_[which - 1]; }
    QString text(Panel which) const;
    // An indicator panel reads as lit (enabled) while its key is on.
    bool isLit(Panel which) const;

    void setActivePortText(const QString& text);
    // Beside the active port: the device it stands for ("ttyUSB0 USB2.0-Serial", "无设备").
    QLabel* devicePanel() const { return device_; }
    void setDeviceText(const QString& text, const QString& toolTip);
    QTimer* clockTimer() const { return clock_; }
    // Where the clock takes the time from; tests hand in a fixed one.
    void setTimeSource(std::function<QDateTime()> now);
    // The Insert key toggles between inserting and overwriting; no lamp tells, so it is counted.
    bool insertOn() const { return insertOn_; }

    // The fixed text and the clock in the interface language; the owner sets the active port's.
    void retranslate();

public slots:
    // Rewrites the clock panel from the current date and time.
    void tick();
    void updateLockKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 7> panels_{};
    QLabel* device_ = nullptr;
    QTimer* clock_ = nullptr;
    std::function<QDateTime()> now_;
    bool insertOn_ = false;
};

}  // namespace comm
