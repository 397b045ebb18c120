#include "devicewatch.h"

namespace comm {

// No watch on this platform yet: the discovery reads the list on every call instead.
DeviceWatch::DeviceWatch(QObject* parent) : QObject(parent) {}
DeviceWatch::~DeviceWatch() = default;

bool DeviceWatch::start() {
    return false;
}

void DeviceWatch::readEvents() {}
void DeviceWatch::watchSerialFolders() {}

}  // namespace comm
