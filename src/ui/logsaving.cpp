#include "logsaving.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "filedialogs.h"
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
    const auto dialog =
        MakeFileDialog(parent, QCoreApplication::translate("LogSaving", "保存日志"),
                       QCoreApplication::applicationDirPath(),
                       {QCoreApplication::translate("LogSaving", "日志文件(*.log *.txt)"),
                        QCoreApplication::translate("LogSaving", "所有文件(*.*)")});
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->selectFile(suggestedName);
    return RunFileDialog(*dialog);
}
}  // namespace

void SaveTimedLog(QWidget* parent, const TimedLog& log, const QString& title,
                  const QString& suggestedName) {
    if (log.isEmpty()) {
        ShowMessage(parent,
                    QCoreApplication::translate("LogSaving", "还没有带时间的收发记录可以保存！"),
                    MessageIcon::Exclamation);
        return;
    }
    const QString path = chooseLogFile(parent, suggestedName);
    if (path.isEmpty()) return;
    QString error;
    if (!WriteLogFile(path, log, title, &error))
        ShowMessage(parent, QCoreApplication::translate("LogSaving", "保存日志失败：%1").arg(error),
                    MessageIcon::Critical);
}

void SetLogFileChooser(LogFileChooser replacement) {
    chooser() = std::move(replacement);
}

}  // namespace comm::ui
