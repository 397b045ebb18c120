#pragma once

#include <sys/resource.h>

// While it lives, the process can open no further file (EMFILE): the descriptor limit sits at the
// lowest free descriptor. Fails an open for root too, unlike a folder without write permission.
class NoFreeDescriptor {
public:
    NoFreeDescriptor();
    ~NoFreeDescriptor();
    NoFreeDescriptor(const NoFreeDescriptor&) = delete;
    NoFreeDescriptor& operator=(const NoFreeDescriptor&) = delete;

    bool ok() const { return ok_; }

private:
    rlimit before_{};
    bool ok_ = false;
};
