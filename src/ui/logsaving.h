#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace comm {
class TimedLog;
}

namespace comm::ui {

// Asks for a file name with the platform's save dialog (text logs, the suggested name in the
// program's folder) and writes the log there; a failed write says why and an empty log says
// there is nothing to save, both through the message service. Cancelling does nothing.
void SaveTimedLog(QWidget* parent, const TimedLog& log, const QString& title,
                  const QString& suggestedName);

// Answers the save dialog instead of showing it, for tests: gets the suggested name, returns the
// chosen path or an empty text for a cancel. An empty function restores the dialog.
using LogFileChooser = std::function<QString(const QString& suggestedName)>;
void SetLogFileChooser(LogFileChooser chooser);

}  // namespace comm::ui
