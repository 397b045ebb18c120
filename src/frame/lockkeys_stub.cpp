#include "lockkeys.h"

namespace comm {

// This platform tells nothing about its lock lamps; the panels stay as they are.
LockKeyStates ReadLockKeys() {
    return {};
}

}  // namespace comm
