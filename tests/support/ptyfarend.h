#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

#include "ptyline.h"

class QSocketNotifier;

// The device end of a pseudo-terminal: the program under test opens path(), the test reads what
// it writes and writes what a device would send. The test keeps the device side open itself, so
// the line stays up between opens and closes of the program. Unlike PtyLine, arrivals are
// announced from the event loop.
class PtyFarEnd : public QObject {
    Q_OBJECT
public:
    PtyFarEnd();
    ~PtyFarEnd() override;

    bool isOpen() const { return line_.ok(); }
    QString path() const { return line_.slavePath(); }
    QByteArray received() const { return received_; }
    void write(const QByteArray& bytes) { line_.send(bytes); }
    // The device goes away: both ends close, the program sees its port fail.
    void hangUp();

    // Called after every arrival, with all bytes received so far.
    std::function<void(const QByteArray&)> onReceived;

private:
    void readAvailable();

    PtyLine line_;
    QByteArray received_;
    QSocketNotifier* notifier_ = nullptr;
};
