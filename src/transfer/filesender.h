#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>

#include "transferengine.h"

namespace comm {

// The sending side of the file transfer (the engine of Form10 and of comm-cli send): the header
// exchange without a time limit, then each data frame until its 0x66, sent again on a 0x55, with
// kReplyLimitMs for each reply. Owned by its window or comm-cli.
class FileSender : public TransferEngine {
    Q_OBJECT
public:
    FileSender(SerialPort& port, Clock& clock, QObject* parent = nullptr);
    ~FileSender() override;

    // The choose button: keeps the file, forms its transfer name and measures it. False, and
    // nothing changed, when no file of that name exists or a transfer runs.
    bool choose(const QString& path);
    bool hasFile() const { return !transferName_.isEmpty(); }
    QString transferName() const { return transferName_; }
    qint64 fileSize() const { return size_; }

    // The send button while idle: sends the chosen file. False when nothing started: no file
    // (silently), a file that cannot be sent (Refused) or a port that cannot be opened
    // (PortFailed), each reported through finished() but the first.
    bool start() override;

protected:
    void releaseFile(Outcome outcome) override;
    QString stopMessage() const override;
    void resetSide() override;

private:
    void sendHeader();
    void onHeaderReply();
    void onHeaderAccepted();
    void sendFrame();
    void onDataReply();
    // Reads data frame j into the frame buffer; false after ending the transfer.
    bool loadFrame(int j);
    char takeReply();

    QString path_;
    QString transferName_;
    qint64 size_ = 0;
    QFile file_;
    QByteArray frame_;
    int frames_ = 0;        // N
    int acknowledged_ = 0;  // data frames answered 0x66
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

}  // namespace comm
