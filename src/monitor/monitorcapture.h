#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

#include "clock.h"
#include "monitorlayout.h"
#include "serialport.h"
#include "stepmachine.h"
#include "streamrecorder.h"
#include "timedlog.h"

namespace comm {

// The port monitor's capture engine: listens on its own port, keeps every received byte up to
// the capture limit, and decides when the view refreshes (every 100 bytes, or whenever no byte
// waits any more). Driven by the port's readyRead only, so a silent line costs nothing.
// Each batch taken is logged with its time on the clock it is given, which must outlive it.
// Owns its port; owned by the monitor window or by comm-cli.
class MonitorCapture : public QObject {
    Q_OBJECT
public:
    MonitorCapture(std::unique_ptr<SerialPort> port, Clock& clock, QObject* parent = nullptr);
    ~MonitorCapture() override;

    SerialPort& port() { return *port_; }
    void setCommPort(int port);

    // Opens the port with the settings and empties the capture. False when nothing has changed:
    // settings this machine's driver cannot run give *refusal the message saying why (the port is
    // not touched); a port that cannot be opened leaves it empty, with port().failure() telling
    // why.
    bool start(const QString& settings, QString* refusal = nullptr);
    // Closes the port; the capture stays. Nothing happens when not listening.
    void stop();
    bool listening() const { return steps_.running(); }

    // With reconnect on, a device that goes away while listening does not end it: the port is
    // tried again every kRetryMs on the clock, with the same settings, until the device is back,
    // and capturing goes on where it was. Off (the default), a lost device ends listening.
    static constexpr int kRetryMs = 500;
    void setReconnect(bool on) { reconnect_ = on; }
    bool reconnect() const { return reconnect_; }
    // Listening, with the device gone and not back yet.
    bool waitingForDevice() const { return listening() && waiting_; }

    // The captured bytes; size() is the capture count.
    const QByteArray& capture() const { return capture_; }
    int count() const { return int(capture_.size()); }
    // Bytes received since the start, dropped ones included.
    qint64 received() const { return received_; }
    // The captured bytes batch by batch, each with its time since the start. An import empties
    // it: imported bytes have no times.
    const TimedLog& log() const { return log_; }
    // Milliseconds on the clock since the last start.
    qint64 elapsedMs() const { return steps_.elapsedMs(); }

    // Besides the capture, records every received byte to a file, without its limit, from now
    // until stopRecording(); recordingFailed when the file cannot be written any more.
    bool startRecording(const QString& path, RecordFormat format, const QString& title,
                        QString* error);
    void stopRecording() { recorder_.stop(); }
    const StreamRecorder& recorder() const { return recorder_; }

    // Replaces the capture with imported bytes. Ignored while
    // listening (the import command is disabled then) or for more than the buffer holds.
    bool replaceCapture(const QByteArray& bytes);

signals:
    void listeningChanged(bool listening);
    // The receive loop's refresh: the view shows the capture of `count` bytes from line 1 again.
    void refreshed(int count);
    // A batch of bytes was taken from the port (dropped ones included), ms after the start.
    void bytesReceived(const QByteArray& batch, qint64 ms);
    // The port failed while listening: listening has ended and the port is closed; the
    // capture is kept.
    void portLost(const QString& reason);
    // With reconnect on: the device went away ms after the start, and came back.
    void deviceGone(qint64 ms, const QString& reason);
    void deviceBack(qint64 ms);
    void recordingFailed(const QString& reason);

private:
    void takeWaitingBytes();
    void refresh();
    void onDeviceLost(const QString& reason);
    void retryOpen();

    std::unique_ptr<SerialPort> port_;
    // Nothing to step through: the bytes are taken as they come. It keeps the state and the time.
    StepMachine steps_;
    TimedLog log_;
    StreamRecorder recorder_;
    QByteArray capture_;
    qint64 received_ = 0;
    bool reconnect_ = false;
    bool waiting_ = false;
    bool taking_ = false;
    int sinceRefresh_ = 0;
    int lastShown_ = 0;
};

}  // namespace comm
