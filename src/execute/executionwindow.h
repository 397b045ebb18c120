#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

#include "boundedlisting.h"
#include "commdefinition.h"
#include "runengine.h"
#include "serialport.h"
#include "txlfile.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace comm {

class ReceiveRulesPanel;
class RefreshGate;

namespace ui {
class LineStatePanel;
}

// What the Run command reads off the main window and the document window for a run.
struct RunRequest {
    CommDefinition definition;
    CommOptions options;
    QString kindLine;    // the document window's Label1_0
    bool saved = false;  // its SaveFlag reads "1"
    int port = 1;        // the active port
};

// The execution window (Form7): shows a run of the open communication and forwards the start,
// stop and exit buttons to its RunEngine. Owns its port (MSComm1), made by the factory it is
// given, and the engine, which runs on the clock it is given; shown modally by the Run command,
// which owns the window.
class ExecutionWindow : public QDialog {
    Q_OBJECT
public:
    ExecutionWindow(const RunRequest& request, const SerialPortFactory& portFactory, Clock& clock,
                    QWidget* parent = nullptr);
    ~ExecutionWindow() override;

    RunEngine* engine() const { return engine_.get(); }
    SerialPort* port() const { return port_.get(); }

    // Closing by any means ends a run in progress and releases the port.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    static QString notesText();
    void onStartStop();
    void setRunning(bool running);
    void showActivity(int indicator, RunEngine::Activity activity);
    // Puts what the run changed since the last refresh on the screen.
    void refresh();
    void showCount(int* count, int value);
    void connectEngine();
    void saveLog();

    RunRequest request_;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<RunEngine> engine_;
    bool closing_ = false;
    bool asking_ = false;  // the time-out question is open

    QLineEdit* titleLine_ = nullptr;
    QPushButton* startStop_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* saveLog_ = nullptr;
    ui::LineStatePanel* lineState_ = nullptr;
    ReceiveRulesPanel* receiveRules_ = nullptr;
    QPlainTextEdit* sendListing_ = nullptr;
    QPlainTextEdit* receiveListing_ = nullptr;
    QLabel* sentCounter_ = nullptr;
    QLabel* receivedCounter_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    std::array<QLabel*, 5> pictures_{};

    // A busy line changes the listings and counters thousands of times a second; they reach
    // the screen once a refresh.
    std::unique_ptr<BoundedListing> sendLines_;
    std::unique_ptr<BoundedListing> receiveLines_;
    RefreshGate* refresh_ = nullptr;
    int sentCount_ = 0;
    int receivedCount_ = 0;
};

}  // namespace comm
