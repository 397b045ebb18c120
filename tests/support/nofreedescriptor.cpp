#include "nofreedescriptor.h"

#include <unistd.h>

NoFreeDescriptor::NoFreeDescriptor() {
    const int lowestFree = ::dup(0);
    if (lowestFree < 0 || ::getrlimit(RLIMIT_NOFILE, &before_) != 0) return;
    ::close(lowestFree);
    rlimit none = before_;
    none.rlim_cur = rlim_t(lowestFree);
    ok_ = ::setrlimit(RLIMIT_NOFILE, &none) == 0;
}

NoFreeDescriptor::~NoFreeDescriptor() {
    if (ok_) ::setrlimit(RLIMIT_NOFILE, &before_);
}
