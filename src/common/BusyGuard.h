#pragma once
// The busy cursor for the life of a value, so every way out of a long
// procedure (early return, refusal, error) puts the normal cursor back.

#include "Platform.h"

namespace dvx {

class BusyGuard final {
public:
    explicit BusyGuard(Platform& platform) : platform_(platform) { platform_.setBusy(true); }
    ~BusyGuard() { platform_.setBusy(false); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    Platform& platform_;
};

} // namespace dvx
