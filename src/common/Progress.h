#pragma once
// How long work reports progress and lets the event loop run.

#include <cstdint>
#include <string_view>

namespace dvx {

// The desktop lets its event loop run in yield(); the command line draws a
// bar on a terminal; tests record the calls. processed mirrors the progress
// dialog's count of elaborated columns and is written directly, since it
// changes once per unit of work.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void yield() {}
    virtual void setPercent(int /*percent*/) {}
    virtual void setCaption(std::string_view /*caption*/) {}
    virtual void setAlarm(std::string_view /*text*/) {}

    std::int32_t processed = 0;
};

} // namespace dvx
