#pragma once

#include <QGroupBox>
#include <functional>

#include "streamrecorder.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace comm::ui {

// The recording controls of a window that listens to a port: the format (RecordFormat, raw bytes
// or the timed log), a button that asks for a file and starts, or stops, and where the stream
// goes. It only asks; the window starts and stops its engine's recorder and tells it the
// outcome with showRecording(). Object names: RecordFormat, Record, RecordPath.
class RecordingControl : public QGroupBox {
    Q_OBJECT
public:
    explicit RecordingControl(const QString& suggestedName, QWidget* parent = nullptr);

    // Recording to path (empty: not recording).
    void showRecording(const QString& path);
    RecordFormat format() const;
    // Tells the user, through the message service, why the recording did not start or why it
    // stopped, and shows it stopped.
    void reportNotStarted(const QString& path, const QString& error);
    void reportStopped(const QString& reason);

    QPushButton* button() const { return button_; }

    // Answers the save dialog instead of showing it, for tests: gets the suggested name, returns
    // the chosen path or an empty text for a cancel. An empty function restores the dialog.
    using FileChooser = std::function<QString(const QString& suggestedName)>;
    static void setFileChooser(FileChooser chooser);

signals:
    void startRequested(const QString& path, comm::RecordFormat format);
    void stopRequested();

private:
    void onClicked();

    QString suggestedName_;
    QComboBox* format_ = nullptr;
    QPushButton* button_ = nullptr;
    QLabel* path_ = nullptr;
    bool recording_ = false;
};

}  // namespace comm::ui
