#pragma once

#include <QByteArray>
#include <QString>

#include "receivedfile.h"
#include "transferengine.h"

namespace comm {

// The receiving side of the file transfer (the engine of Form11 and of comm-cli receive): waits
// for a header without a time limit, then takes each data frame within kReplyLimitMs, answering
// every frame 0x66 or 0x55, and writes the file into its folder under a safe form of the name the
// header carries. Owned by its window or comm-cli.
class FileReceiver : public TransferEngine {
    Q_OBJECT
public:
    // A frame cut short (a character lost on the line) is answered 0x55 once nothing more came
    // for this long, so the sender sends it again instead of both sides waiting on.
    static constexpr int kShortFrameQuietMs = 500;

    FileReceiver(SerialPort& port, Clock& clock, const QString& folder, QObject* parent = nullptr);
    ~FileReceiver() override;

    QString folder() const { return folder_; }
    // The receive button while idle. False, after finished(PortFailed), when the port cannot be
    // opened.
    bool start() override;

    // The name the last header carried, as the labels show it.
    QString receivedName() const { return name_; }
    // Where the file of the last header goes, and where the data of a cut reception stayed.
    QString targetPath() const { return file_.targetPath(); }
    QString keptPath() const { return keptPath_; }

signals:
    // Where the file went (or the data of a cut reception stays); empty when a reception starts.
    void placeTextChanged(const QString& text);

protected:
    void releaseFile(Outcome outcome) override;
    QString stopMessage() const override;

private:
    void waitHeader();
    void onHeaderFrame();
    void receiveEmpty();
    void waitData();
    void onDataFrame();
    void onDataFrameGood(const QByteArray& frame);
    void onLineEvent(int code);
    void onQuietLine();
    // Takes the 16 bytes that wait and discards the rest; good when the sum fits and the line
    // reported no error while they came in.
    bool takeFrame(QByteArray* frame);
    bool reply(char byte) { return send(QByteArray(1, byte)); }

    QString folder_;
    ReceivedFile file_;
    QString name_;
    qint64 size_ = 0;
    int frames_ = 0;  // N
    int taken_ = 0;   // data frames written
    bool lineError_ = false;
    bool inData_ = false;
    QString keptPath_;
};

}  // namespace comm
