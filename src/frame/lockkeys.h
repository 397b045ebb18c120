#pragma once

namespace comm {

// The keyboard's lock lamps as the windowing system reports them.
struct LockKeyStates {
    bool known = false;  // false where the platform does not tell (offscreen, no X server)
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

LockKeyStates ReadLockKeys();

}  // namespace comm
