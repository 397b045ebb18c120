#pragma once

#include <memory>

#include "filereceiver.h"
#include "transferwindow.h"

namespace comm {

// The receive-file window (Form11): receive a file into the receive folder, stop receiving.
// Thin over its FileReceiver; shows where the file went.
class ReceiveFileWindow : public TransferWindow {
    Q_OBJECT
public:
    // activePort: the checked port item 1..4; files go to DefaultReceiveFolder(programFolder).
    ReceiveFileWindow(int activePort, const SerialPortFactory& factory, Clock& clock,
                      const QString& programFolder, QWidget* parent = nullptr);
    ~ReceiveFileWindow() override;

    FileReceiver* engine() const { return engine_.get(); }

protected:
    void showRunning(bool running) override;

private:
    std::unique_ptr<FileReceiver> engine_;
    QPushButton* receive_ = nullptr;  // Command2
    QPushButton* exit_ = nullptr;     // Command1
};

}  // namespace comm
