#include "timedlog.h"

#include <QCoreApplication>

#include "ownedbytes.h"
#include "safesave.h"
#include "texthelpers.h"

namespace comm {

void TimedLog::restart(const QDateTime& startedAt) {
    records_.clear();
    dropped_ = 0;
    startedAt_ = startedAt;
}

void TimedLog::append(qint64 ms, LogDirection direction, const QByteArray& bytes) {
    if (records_.size() >= limit_) {
        records_.removeFirst();
        ++dropped_;
    }
    records_.append(LogRecord{ms, direction, OwnedBytes(bytes)});
}

QString LogLine(const LogRecord& record) {
    const qint64 ms = qMax<qint64>(0, record.ms);
    QString line = QStringLiteral("%1.%2")
                       .arg(ms / 1000)
                       .arg(ms % 1000, 3, 10, QLatin1Char('0'))
                       .rightJustified(10);
    switch (record.direction) {
        case LogDirection::Sent:
            line += QStringLiteral(" TX");
            break;
        case LogDirection::Received:
            line += QStringLiteral(" RX");
            break;
        // A gap's marks are record lines that scripts read as they read TX and RX: the same in
        // every interface language.
        case LogDirection::Lost:
            return line + QStringLiteral(" -- 设备断开");  // untranslated: a record in the log file
        case LogDirection::Back:
            return line + QStringLiteral(" -- 设备恢复");  // untranslated: a record in the log file
    }
    if (!record.bytes.isEmpty()) line += QLatin1Char(' ') + HexBytesText(record.bytes);
    return line;
}

QString LogHeaderText(const QString& title, const QDateTime& startedAt, qint64 dropped) {
    QString text;
    for (const QString& line : title.split(QLatin1Char('\n')))
        text += QStringLiteral("# %1\n").arg(line);
    // The comment lines are for the person who reads the log: in the interface language.
    text += QStringLiteral("# %1\n").arg(
        QCoreApplication::translate("TimedLog", "开始于 %1")
            .arg(startedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))));
    if (dropped > 0)
        text += QStringLiteral("# %1\n").arg(
            QCoreApplication::translate("TimedLog", "较早的 %1 条记录超出保留上限，未保存")
                .arg(dropped));
    text += QStringLiteral("# %1\n").arg(
        QCoreApplication::translate("TimedLog", "时间(秒) 方向 字节(十六进制)"));
    return text;
}

QByteArray LogFileText(const TimedLog& log, const QString& title) {
    QString text = LogHeaderText(title, log.startedAt(), log.dropped());
    for (const LogRecord& record : log.records()) text += LogLine(record) + QLatin1Char('\n');
    return text.toUtf8();
}

bool WriteLogFile(const QString& path, const TimedLog& log, const QString& title, QString* error) {
    const QByteArray bytes = LogFileText(log, title);
    return SaveFileWhole(path, bytes, error);
}

}  // namespace comm
