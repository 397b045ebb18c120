#include "lowlatency.h"

namespace comm {

bool EnableLowLatency(qintptr, int*) {
    return false;
}

void RestoreLowLatency(qintptr, int) {}

}  // namespace comm
