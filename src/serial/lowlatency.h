#pragma once

#include <QtGlobal>

namespace comm {

// The driver's low-latency switch of an open device behind a native handle: received bytes are
// passed on at once instead of after the latency timer of a USB adapter. One implementation per
// platform: lowlatency_linux.cpp, lowlatency_stub.cpp.

// Switches it on; *savedFlags gets what RestoreLowLatency needs. False, nothing changed, where the
// device has no such switch (a pseudo-terminal, a platform without an implementation).
bool EnableLowLatency(qintptr handle, int* savedFlags);
// Puts back the setting EnableLowLatency found.
void RestoreLowLatency(qintptr handle, int savedFlags);

}  // namespace comm
