#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

#include "clock.h"
#include "serialport.h"
#include "streamrecorder.h"

namespace comm {

class StepMachine;

// The terminal's engine: one open port, what comes in handed on batch by batch, what the user
// sends written at once, the line control, a timed break, and the whole stream recorded to a
// file while asked. Driven by the port's readyRead through the step machinery, so a silent line
// costs nothing; times come from the clock it is given, which must outlive it. Owns its port;
// owned by the terminal window.
class TerminalSession : public QObject {
    Q_OBJECT
public:
    // How long the break button holds the line in break.
    static constexpr int kBreakMs = 250;
    // The largest file sent in one piece; the port queues all of it.
    static constexpr qint64 kMaxFileBytes = qint64(16) * 1024 * 1024;

    explicit TerminalSession(std::unique_ptr<SerialPort> port, Clock& clock,
                             QObject* parent = nullptr);
    ~TerminalSession() override;

    SerialPort& port() { return *port_; }
    void setCommPort(int port);

    // Opens the port at the settings text (mark and space parity allowed) with the flow control,
    // then sets DTR and RTS. False with the reason in *error when the port does not open; a
    // flow control or line the device cannot drive leaves it open and says so in *notice.
    bool open(const QString& settings, FlowControl flow, bool dtr, bool rts, QString* error,
              QString* notice);
    void close();
    bool isOpen() const { return open_; }
    qint64 elapsedMs() const;

    // Writes the bytes and records them as sent; false with the reason while closed or when
    // the device refuses them.
    bool send(const QByteArray& bytes, QString* error);
    // The file's bytes, unchanged, as one send; refused for a missing or too large file.
    bool sendFile(const QString& path, QString* error);

    bool setDtr(bool on, QString* error);
    bool setRts(bool on, QString* error);
    // Holds the line in break for kBreakMs on the clock; breakEnded follows.
    bool sendBreak(QString* error);
    bool breaking() const { return breaking_; }

    // Records the stream from now on, until stopRecording() or the window closes.
    bool startRecording(const QString& path, RecordFormat format, const QString& title,
                        QString* error);
    void stopRecording();
    const StreamRecorder& recorder() const { return recorder_; }

    qint64 receivedCount() const { return received_; }
    qint64 sentCount() const { return sent_; }

signals:
    void openChanged(bool open);
    // ms: since the open, on the clock.
    void received(const QByteArray& batch, qint64 ms);
    void sent(const QByteArray& bytes, qint64 ms);
    void breakEnded();
    // The port failed while open and is closed now.
    void portLost(const QString& reason);
    // The recording stopped because its file could not be written.
    void recordingFailed(const QString& reason);

private:
    void waitForInput();
    void takeInput();
    void record(LogDirection direction, const QByteArray& bytes, qint64 ms);
    void onDeviceLost(const QString& reason);
    bool lineControl(bool ok, QString* error);

    std::unique_ptr<SerialPort> port_;
    StepMachine* machine_;
    StreamRecorder recorder_;
    bool open_ = false;
    bool breaking_ = false;
    qint64 received_ = 0;
    qint64 sent_ = 0;
};

}  // namespace comm
