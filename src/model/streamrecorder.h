#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

#include "timedlog.h"

namespace comm {

// How a recording lays out the stream: the received bytes exactly as they came, or the text
// log (timedlog.h) with every batch received and every piece sent, marked RX and TX.
enum class RecordFormat { Raw, TimedLog };

// Writes the stream of an open port to a file while it flows, without a limit and keeping
// nothing in memory: each record goes to the file at once, so the file holds everything up to
// the last batch even when the program is stopped. Owned by the engine that records.
class StreamRecorder {
public:
    StreamRecorder() = default;
    ~StreamRecorder() { stop(); }
    StreamRecorder(const StreamRecorder&) = delete;
    StreamRecorder& operator=(const StreamRecorder&) = delete;

    // Creates (or empties) the file and, for the text log, writes its comment lines. False with
    // the reason in *error when the file cannot be written; a recording already running stops.
    bool start(const QString& path, RecordFormat format, const QString& title,
               const QDateTime& startedAt, QString* error);
    // Appends a batch. A failed write stops the recording and returns false with the reason in
    // error(); what was written stays.
    bool record(qint64 ms, LogDirection direction, const QByteArray& bytes);
    void stop();

    bool active() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }
    RecordFormat format() const { return format_; }
    // Bytes of the stream recorded since the start (received ones only in the raw format).
    qint64 streamBytes() const { return streamBytes_; }
    QString error() const { return error_; }

private:
    bool write(const QByteArray& bytes);

    QFile file_;
    RecordFormat format_ = RecordFormat::Raw;
    qint64 streamBytes_ = 0;
    QString error_;
};

}  // namespace comm
