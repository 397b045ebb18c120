#pragma once

#include <QString>

namespace comm {

// The identification's messages that its window and comm-cli both give, in the interface
// language, and the ones its window alone gives about a run.

// The user stopped the run.
QString IdentifyStoppedMessage();
// The run is over: how many settings were listed.
QString IdentifyFinishedMessage(int count);
// The Holdpane program did not start (`reason`: the program's path or why).
QString HoldpaneFailedMessage(const QString& reason);
// The port cannot tell line errors: the window's notice under the list, and comm-cli's warning.
QString ErrorsUnreportedNotice();
QString ErrorsUnreportedWarning();

}  // namespace comm
