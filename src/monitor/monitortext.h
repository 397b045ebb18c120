#pragma once

#include <QString>

namespace comm::monitor {

// The monitor's messages that its window and comm-cli both give, in the interface language.

// A capture that could not be written to its storage file.
QString StoreFailedMessage();
// A storage file to import that could not be read (one that is not there gets the
// communication file's MissingFileMessage()).
QString CaptureFileUnreadableMessage();
// The device went away while listening waits for it (`reason`: why it went), and came back.
QString DeviceGoneMessage(const QString& reason);
QString DeviceBackMessage();

}  // namespace comm::monitor
