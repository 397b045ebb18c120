#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace comm {

// Lost and Back mark a gap: the device went away, and later came back (no bytes in either).
enum class LogDirection { Sent, Received, Lost, Back };

// One frame or chunk that passed on the line, with its time in milliseconds since the start of
// the run or of the listening, read from the engine's clock when the bytes came.
struct LogRecord {
    qint64 ms = 0;
    LogDirection direction = LogDirection::Received;
    QByteArray bytes;
};

// What passed on a line during one run or one listening, record by record, for saving as a
// text log. Keeps the latest `limit` records, so a run that loops for days cannot eat the
// memory; how many went is counted. Owned by the engine that records it.
class TimedLog {
public:
    static constexpr int kDefaultLimit = 100000;

    explicit TimedLog(int limit = kDefaultLimit) : limit_(qMax(1, limit)) {}

    // Empties the log for a new start at this wall-clock moment.
    void restart(const QDateTime& startedAt);
    void append(qint64 ms, LogDirection direction, const QByteArray& bytes);

    const QList<LogRecord>& records() const { return records_; }
    bool isEmpty() const { return records_.isEmpty(); }
    // Records that made room for later ones.
    qint64 dropped() const { return dropped_; }
    QDateTime startedAt() const { return startedAt_; }

private:
    int limit_;
    QList<LogRecord> records_;
    qint64 dropped_ = 0;
    QDateTime startedAt_;
};

// One line of the text log: the time in seconds with three decimals right-aligned in ten
// places, "TX" or "RX", and the bytes as blank-separated hexadecimal pairs ("     1.250 RX 41 0D");
// a gap's ends read "-- 设备断开" and "-- 设备恢复" instead.
QString LogLine(const LogRecord& record);

// The comment lines that open a text log: the title, the start's date and time, the records
// dropped when there were any, the column names; each ends in LF.
QString LogHeaderText(const QString& title, const QDateTime& startedAt, qint64 dropped = 0);

// The whole text log: comment lines starting with "#" (the title, the start's date and time,
// records dropped, the column names), then one line per record, every line ending in LF; UTF-8.
// Each line of a title of several lines is a comment line of its own.
QByteArray LogFileText(const TimedLog& log, const QString& title);

// Writes the text log whole or not at all (an old file of that name stays on failure). False
// with the reason in *error.
bool WriteLogFile(const QString& path, const TimedLog& log, const QString& title, QString* error);

}  // namespace comm
