#pragma once

#include <functional>
#include <memory>

#include "filesender.h"
#include "transferwindow.h"

namespace comm {

// Asks for the file to send, starting in folder; empty when the user cancelled.
using SendFileChooser = std::function<QString(QWidget* parent, const QString& folder)>;
// The main window's file dialog as the send-file window uses it: "打开/另存为[通讯]", all files.
QString ChooseFileToSend(QWidget* parent, const QString& folder);

// The send-file window (Form10): choose a file, send it, stop sending. Thin over its FileSender.
class SendFileWindow : public TransferWindow {
    Q_OBJECT
public:
    // activePort: the checked port item 1..4; programFolder: where the file dialog starts.
    SendFileWindow(int activePort, const SerialPortFactory& factory, Clock& clock,
                   const QString& programFolder, QWidget* parent = nullptr);
    ~SendFileWindow() override;

    FileSender* engine() const { return engine_.get(); }
    // Replaces the file dialog (tests hand in a name directly).
    void setFileChooser(SendFileChooser chooser) { chooser_ = std::move(chooser); }

protected:
    void showRunning(bool running) override;

private:
    void chooseFile();

    QString programFolder_;
    SendFileChooser chooser_ = ChooseFileToSend;
    std::unique_ptr<FileSender> engine_;
    QPushButton* choose_ = nullptr;  // Command1
    QPushButton* send_ = nullptr;    // Command2
    QPushButton* exit_ = nullptr;    // Command3
};

}  // namespace comm
