#pragma once

#include <QList>

#include "serialport.h"

namespace comm {

struct LineSettings;
struct PortSettings;

// Shared part of every SerialPort implementation: the settings kept until the next open, the last
// failure, and the delivery of signals. Implementations only move bytes.
//
// Every signal is delivered from the event loop, never from inside a call into the port, so a
// handler may call the port, open a modal box or delete the port without pulling the floor from
// under the code that raised it. readyRead is coalesced: one emission may stand for several
// arrivals, and bytes left unread do not raise it again. Notifications raised while a handler of
// commNotified is still running (a modal box) are delivered after it returns, in order, with
// commEvent() holding the code being delivered.
class SerialPortBase : public SerialPort {
    Q_OBJECT
public:
    explicit SerialPortBase(QObject* parent = nullptr);

    void setCommPort(int port) override { commPort_ = port; }
    int commPort() const override { return commPort_; }
    void setSettings(const QString& settings) override { settings_ = settings; }
    QString settings() const override { return settings_; }
    void setInputMode(int mode) override { inputMode_ = mode; }
    int inputMode() const { return inputMode_; }
    void setInputLen(int length) override { inputLen_ = length < 0 ? 0 : length; }
    int inputLen() const override { return inputLen_; }
    int commEvent() const override { return commEvent_; }
    LineState lineState() const override { return lineState_; }
    Failure failure() const override { return failure_; }
    // The device port numbers stand for (the port map) unless one is fixed here: a path given
    // as such (comm-cli --port PATH) is opened whatever the port number. Empty: the map again.
    QString deviceName() const override;
    void setFixedDevice(const QString& device) { fixedDevice_ = device; }

protected:
    // How many of `available` waiting bytes one input() takes.
    int readLength(int available) const;
    void setFailure(int code, const QString& reason);
    // An open failed on `device` for this reason.
    void setOpenFailure(const QString& device, Problem problem, const QString& reason);
    // Checks the port number and the settings text before an open; on a problem sets the open
    // failure and returns false.
    bool checkBeforeOpen(PortSettings* settings);
    // For a line control call: true while open and the device drives modem lines (or the call
    // needs none); otherwise sets the failure and returns false.
    bool checkLineControl(bool needsModemLines, bool hasModemLines);
    void postReadyRead();
    void postEvent(int code);
    void postDeviceLost(const QString& reason);
    // Keeps the state and, when it differs, delivers lineStateChanged from the event loop with
    // whatever the state is by then.
    void setLineState(const LineState& state);

private:
    void deliverEvents();

    int commPort_ = 1;
    QString fixedDevice_;
    QString settings_ = QStringLiteral("9600,N,8,1");
    int inputMode_ = 1;
    int inputLen_ = 0;
    int commEvent_ = 0;
    Failure failure_;
    LineState lineState_;
    bool readyPosted_ = false;
    bool linePosted_ = false;
    bool delivering_ = false;
    QList<int> pendingEvents_;
};

}  // namespace comm
