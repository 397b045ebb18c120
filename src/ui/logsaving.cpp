#include "logsaving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include "messages.h"
#include "timedlog.h"

namespace comm::ui {

namespace {
LogFileChooser& chooser() {
    static LogFileChooser c;
    return c;
}

QString chooseLogFile(QWidget* parent, const QString& suggestedName) {
    if (chooser()) return chooser()(suggestedName);
    return QFileDialog::getSaveFileName(
        parent, QStringLiteral("保存日志"),
        QDir(QCoreApplication::applicationDirPath()).filePath(suggestedName),
        QStringLiteral("日志文件(*.log *.txt);;所有文件(*.*)"));
}
}  // namespace

void SaveTimedLog(QWidget* parent, const TimedLog& log, const QString& title,
                  const QString& suggestedName) {
    if (log.isEmpty()) {
        ShowMessage(parent, QStringLiteral("还没有带时间的收发记录可以保存！"),
                    MessageIcon::Exclamation);
        return;
    }
    const QString path = chooseLogFile(parent, suggestedName);
    if (path.isEmpty()) return;
    QString error;
    if (!WriteLogFile(path, log, title, &error))
        ShowMessage(parent, QStringLiteral("保存日志失败：%1").arg(error), MessageIcon::Critical);
}

void SetLogFileChooser(LogFileChooser replacement) {
    chooser() = std::move(replacement);
}

}  // namespace comm::ui
