#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/Platform.h"

// Window timers on a manual clock; any thread may arm and kill them.
class TimerTable {
  public:
    struct Due {
        WindowId window = 0;
        int id = 0;
        uint64_t at = 0;
    };

    // Arms or restarts the timer: it fires at now + period, now + 2 period, ...
    void Set(WindowId window, int id, int ms, uint64_t now);
    void Kill(WindowId window, int id);
    bool IsArmed(WindowId window, int id) const;
    void DropWindow(WindowId window);
    // The earliest firing at or before the limit (equal times in arming order), already
    // rescheduled for its next period.
    std::optional<Due> TakeNext(uint64_t limit);
    // When the earliest timer fires next.
    std::optional<uint64_t> NextAt() const;

  private:
    struct Entry {
        WindowId window;
        int id;
        uint64_t period;
        uint64_t due;
        uint64_t order;
    };
    std::vector<Entry>::const_iterator Earliest() const;

    mutable std::mutex lock_;
    std::vector<Entry> entries_;
    uint64_t nextOrder_ = 0;
};
