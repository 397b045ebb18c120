#include "streamrecorder.h"

namespace comm {

bool StreamRecorder::start(const QString& path, RecordFormat format, const QString& title,
                           const QDateTime& startedAt, QString* error) {
    stop();
    format_ = format;
    streamBytes_ = 0;
    error_.clear();
    file_.setFileName(path);
    // Unbuffered: each batch reaches the file when it comes, for whoever follows the file and
    // for a program stopped without warning.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        if (error) *error = file_.errorString();
        return false;
    }
    if (format == RecordFormat::TimedLog && !write(LogHeaderText(title, startedAt).toUtf8())) {
        if (error) *error = error_;
        return false;
    }
    return true;
}

bool StreamRecorder::record(qint64 ms, LogDirection direction, const QByteArray& bytes) {
    if (!active() || bytes.isEmpty()) return active();
    if (format_ == RecordFormat::Raw) {
        if (direction != LogDirection::Received) return true;
        if (!write(bytes)) return false;
    } else if (!write((LogLine(LogRecord{ms, direction, bytes}) + QLatin1Char('\n')).toUtf8())) {
        return false;
    }
    streamBytes_ += bytes.size();
    return true;
}

void StreamRecorder::stop() {
    if (file_.isOpen()) file_.close();
}

bool StreamRecorder::write(const QByteArray& bytes) {
    if (file_.write(bytes) == bytes.size()) return true;
    error_ = QStringLiteral("%1: %2").arg(file_.fileName(), file_.errorString());
    file_.close();
    return false;
}

}  // namespace comm
