#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "clock.h"
#include "serialport.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace comm {

class HoldpaneStarter;
class SettingsIdentifier;
struct ListedCandidate;

// The settings identification window (Form12): forwards its start/stop and exit buttons to a
// SettingsIdentifier and shows what it reports: the candidate being tried in the four lists, the
// port lamp, the progress, the result list with the evidence, and the verdict at the end. Owns its
// port (MSComm1, made by the factory it is given) and the engine; shown modally by the
// identification command, which owns the window.
class IdentifyWindow : public QDialog {
    Q_OBJECT
public:
    // activePort: the checked port item 1..4. Without a starter the window starts the Holdpane
    // beside the running program.
    IdentifyWindow(int activePort, const SerialPortFactory& portFactory, Clock& clock,
                   std::unique_ptr<HoldpaneStarter> holdpane = nullptr, QWidget* parent = nullptr);
    ~IdentifyWindow() override;

    SettingsIdentifier* engine() const { return engine_.get(); }
    SerialPort* port() const { return port_.get(); }

    // Closing by any means ends an identification in progress and closes the port.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void connectEngine();
    void onStartStop();
    void onCandidateStarted(int number, const std::array<int, 4>& indexes, const QString& settings);
    void onListed(const ListedCandidate& candidate);
    void onProgress(int done, int total);
    void onFinished(int count);
    void onFailed(int failure, const QString& reason);
    void showIdle();
    void showLamp(bool open);
    void markMostLikely();

    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<HoldpaneStarter> holdpane_;
    std::unique_ptr<SettingsIdentifier> engine_;

    std::array<QComboBox*, 4> lists_{};
    std::array<QLabel*, 3> lamp_{};   // Image2: the lamp, its closed and its open picture
    QLabel* current_ = nullptr;       // Label1_0
    QLabel* progressText_ = nullptr;  // Label1_2
    QLabel* verdict_ = nullptr;
    QLabel* notice_ = nullptr;  // the port cannot report line errors
    QProgressBar* progress_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QPushButton* startStop_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace comm
