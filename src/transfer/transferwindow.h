#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "clock.h"
#include "serialport.h"
#include "transferengine.h"

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;

namespace comm {

// What the send-file and receive-file windows share: the frame with the elapsed time in its
// caption, the four labels and the progress bar, the speed, digest and place lines beside them,
// the row of buttons, the window's own port (MSComm1, made by the factory on the active port)
// and the showing of what the engine reports. Shown modally by the main window's file commands.
class TransferWindow : public QDialog {
    Q_OBJECT
public:
    ~TransferWindow() override;

    SerialPort* port() const { return port_.get(); }

    // Closing by any means ends a transfer in progress, closing the port and the file.
    void done(int result) override;

protected:
    TransferWindow(const QString& name, const transfer::SideWords& words, int activePort,
                   const SerialPortFactory& factory, QWidget* parent);

    // Renders the engine; the side reacts to the running state with showRunning().
    void attach(TransferEngine& engine);
    // The start/stop button (Command2 on both sides).
    void startOrStop();
    virtual void showRunning(bool running) = 0;
    QPushButton* addButton(const QString& name, const QString& text);
    QLabel* addLine(const QString& name);
    void showEvent(QShowEvent* event) override;

private:
    void onFinished(TransferEngine::Outcome outcome, const QString& message);

    std::unique_ptr<SerialPort> port_;
    TransferEngine* engine_ = nullptr;
    bool closing_ = false;
    QGroupBox* frame_ = nullptr;
    std::array<QLabel*, 4> labels_{};
    QProgressBar* progress_ = nullptr;
    QLabel* rate_ = nullptr;
    QLabel* digest_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

}  // namespace comm
