#include "platform/headless/TimerTable.h"

#include <algorithm>

void TimerTable::Set(WindowId window, int id, int ms, uint64_t now) {
    // A zero or negative period would fire forever at one instant; the window system clamps too.
    const uint64_t period = uint64_t(std::max(ms, 1));
    std::lock_guard guard(lock_);
    std::erase_if(entries_, [&](const Entry& e) { return e.window == window && e.id == id; });
    entries_.push_back({window, id, period, now + period, nextOrder_++});
}

void TimerTable::Kill(WindowId window, int id) {
    std::lock_guard guard(lock_);
    std::erase_if(entries_, [&](const Entry& e) { return e.window == window && e.id == id; });
}

bool TimerTable::IsArmed(WindowId window, int id) const {
    std::lock_guard guard(lock_);
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const Entry& e) { return e.window == window && e.id == id; });
}

void TimerTable::DropWindow(WindowId window) {
    std::lock_guard guard(lock_);
    std::erase_if(entries_, [&](const Entry& e) { return e.window == window; });
}

std::vector<TimerTable::Entry>::const_iterator TimerTable::Earliest() const {
    return std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
}

std::optional<TimerTable::Due> TimerTable::TakeNext(uint64_t limit) {
    std::lock_guard guard(lock_);
    const auto earliest = Earliest();
    if (earliest == entries_.end() || earliest->due > limit) {
        return std::nullopt;
    }
    Entry& e = entries_[size_t(earliest - entries_.cbegin())];
    const Due due{e.window, e.id, e.due};
    e.due += e.period;
    return due;
}

std::optional<uint64_t> TimerTable::NextAt() const {
    std::lock_guard guard(lock_);
    const auto earliest = Earliest();
    if (earliest == entries_.end()) {
        return std::nullopt;
    }
    return earliest->due;
}
