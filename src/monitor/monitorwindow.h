#pragma once

#include <QDialog>

#include "clock.h"
#include "commdefinition.h"
#include "monitorlayout.h"
#include "serialport.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace comm {

class MonitorCapture;

namespace ui {
class LineStatePanel;
class RecordingControl;
}  // namespace ui

namespace monitor {
class MonitorCanvas;
class LineNumberLabel;
}  // namespace monitor

// The port monitor window (Form8): listens on the active port with the monitor's settings,
// shows the capture twenty bytes a line, and stores or imports storage files. Thin: the capture,
// its refresh rule and the navigation arithmetic live in MonitorCapture. Shown modally by the
// main window, which owns it for the length of one exec().
class MonitorWindow : public QDialog {
    Q_OBJECT
public:
    // activePort: the checked port item 1..4 (0: none). The factory makes the window's own port;
    // the capture's times come from the clock.
    MonitorWindow(CommDefinition& definition, int activePort, const SerialPortFactory& factory,
                  Clock& clock, QWidget* parent = nullptr);
    ~MonitorWindow() override;

    MonitorCapture& capture() { return *capture_; }
    const monitor::ViewPosition& view() const { return view_; }

    // Closing while listening ends the capture and closes the port first.
    void done(int result) override;

private:
    static QString pinCaption();
    static QString unpinCaption();
    static QString startCaption();
    void startOrStop();
    void showListening(bool listening);
    void onRefreshed(int count);
    void onPortLost();
    // "当前活动串口是非空闲串口！" with the device and the reason the port gave.
    void showPortProblem();
    void togglePin();
    void pinMainWindow(bool onTop);
    void chooseBackground();
    void changeSettings();
    void store();
    void importCapture();
    void saveLog();
    void startRecording(const QString& path, int format);
    void onScroll(int value);
    void onKey(int key);
    void redraw();
    void resetScrollSilently();
    monitor::DisplayMode displayMode() const;

    CommDefinition& definition_;
    MonitorCapture* capture_ = nullptr;
    monitor::ViewPosition view_;
    QString numeral_;

    monitor::MonitorCanvas* canvas_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    monitor::LineNumberLabel* numbers_[2] = {};
    QLabel* portState_ = nullptr;            // Label4
    QLabel* monitorState_ = nullptr;         // Label3
    QLabel* lamp_ = nullptr;                 // Image1
    QLabel* lampOff_ = nullptr;              // Image2
    QLabel* lampOn_ = nullptr;               // Image3
    QRadioButton* charsOption_ = nullptr;    // Option1
    QRadioButton* hexOption_ = nullptr;      // Option2
    QCheckBox* reconnectBox_ = nullptr;      // wait for a lost device to come back
    QPushButton* startButton_ = nullptr;     // Command1
    QPushButton* pinButton_ = nullptr;       // Command2
    bool pinned_ = false;                    // the main window is kept on top
    QPushButton* exitButton_ = nullptr;      // Command3
    QPushButton* colourButton_ = nullptr;    // Command4
    QPushButton* storeButton_ = nullptr;     // Command6
    QPushButton* settingsButton_ = nullptr;  // Command7
    QPushButton* importButton_ = nullptr;    // Command8
    QPushButton* saveLogButton_ = nullptr;
    ui::LineStatePanel* lineState_ = nullptr;
    ui::RecordingControl* recording_ = nullptr;
};

}  // namespace comm
