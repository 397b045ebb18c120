#pragma once

#include <QDialog>
#include <QList>
#include <functional>
#include <memory>

#include "clock.h"
#include "serialport.h"
#include "terminalview.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace comm {

class ClockTimer;
class TerminalSession;

namespace ui {
class LineStatePanel;
class RecordingControl;
}  // namespace ui

// The terminal window (Terminal): opens the active port at settings of its own, shows what comes
// in as text or hexadecimal, sends what is typed or a file, drives DTR, RTS and break, and
// records the stream to a file. Thin: the port, the sending and the recording live in
// TerminalSession, the text of the view in TerminalView. Shown modally by the main window, like
// the monitor, since both take the port for themselves.
class TerminalWindow : public QDialog {
    Q_OBJECT
public:
    // How many lines the view keeps; older ones go (the recording keeps everything).
    static constexpr int kViewLines = 5000;
    // How often the view takes what came meanwhile, so a fast line is drawn a few times a second
    // instead of once a batch.
    static constexpr int kDrawEveryMs = 50;

    // activePort: the checked port item 1..4. The factory makes the window's port; the engine's
    // times and the view's pace come from the clock.
    TerminalWindow(int activePort, const SerialPortFactory& factory, Clock& clock = Clock::real(),
                   QWidget* parent = nullptr);
    ~TerminalWindow() override;

    TerminalSession& session() { return *session_; }
    // The settings text the controls stand for: "115200,N,8,1".
    QString settingsText() const;

    // Answers the file dialog of 发送文件 instead of showing it, for tests: returns the chosen
    // path or an empty text for a cancel. An empty function restores the dialog.
    using FileChooser = std::function<QString()>;
    void setSendFileChooser(FileChooser chooser) { sendFileChooser_ = std::move(chooser); }

    // Closing ends the recording and closes the port first.
    void done(int result) override;

protected:
    // Enter belongs to the send line and the search box, never to a button of the dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildSettings(QLayout* into);
    void buildView(QLayout* into);
    void buildSend(QLayout* into);
    void openOrClose();
    void showOpen(bool open);
    void sendLine();
    void sendFile();
    void toggleDtr(bool on);
    void toggleRts(bool on);
    void sendBreak();
    void startRecording(const QString& path, int format);
    void stopRecording();
    void onBatch(LogDirection direction, const QByteArray& bytes, qint64 ms);
    void drawPending();
    void redrawAll();
    void clearView();
    void findNext();
    void showCounts();
    void complain(const QString& text);

    TerminalSession* session_ = nullptr;
    TerminalView view_;
    QList<ViewPiece> pending_;
    std::unique_ptr<ClockTimer> drawTimer_;
    QString numeral_;
    FileChooser sendFileChooser_;
    bool lineControl_ = true;

    QLabel* portLabel_ = nullptr;
    QComboBox* baud_ = nullptr;
    QComboBox* dataBits_ = nullptr;
    QComboBox* parity_ = nullptr;
    QComboBox* stopBits_ = nullptr;
    QComboBox* flow_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QCheckBox* dtr_ = nullptr;
    QCheckBox* rts_ = nullptr;
    QPushButton* breakButton_ = nullptr;
    QLabel* lineNote_ = nullptr;
    ui::LineStatePanel* lineState_ = nullptr;
    QPlainTextEdit* received_ = nullptr;
    QRadioButton* textView_ = nullptr;
    QRadioButton* hexView_ = nullptr;
    QCheckBox* timestamps_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QLineEdit* search_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QLabel* counts_ = nullptr;
    ui::RecordingControl* recording_ = nullptr;
    QLineEdit* sendLine_ = nullptr;
    QComboBox* history_ = nullptr;
    QComboBox* sendMode_ = nullptr;
    QComboBox* lineEnd_ = nullptr;
    QComboBox* checksum_ = nullptr;
    QPushButton* sendButton_ = nullptr;
    QPushButton* sendFileButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};

}  // namespace comm
