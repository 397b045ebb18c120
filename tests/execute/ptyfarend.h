#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

// The device end of a pseudo-terminal: the program under test opens path(), the test reads what
// it writes and writes what a device would send. The test keeps the device side open itself, so
// the line stays up between opens and closes of the program.
class PtyFarEnd : public QObject {
    Q_OBJECT
public:
    PtyFarEnd();
    ~PtyFarEnd() override;

    bool isOpen() const { return master_ >= 0; }
    QString path() const { return path_; }
    QByteArray received() const { return received_; }
    void write(const QByteArray& bytes);
    // The device goes away: both ends close, the program sees its port fail.
    void hangUp();

    // Called after every arrival, with all bytes received so far.
    std::function<void(const QByteArray&)> onReceived;

private:
    void readAvailable();

    int master_ = -1;
    int slave_ = -1;
    QString path_;
    QByteArray received_;
    QSocketNotifier* notifier_ = nullptr;
};
