#include "dialogs/SecondaryWindowTable.h"

#include <algorithm>

bool SecondaryWindowTable::Add(WindowId window) {
    if (window == 0 || std::find(slots_.begin(), slots_.end(), window) != slots_.end())
        return false;
    auto free = std::find(slots_.begin(), slots_.end(), WindowId{0});
    if (free == slots_.end())
        return false;
    *free = window;
    return true;
}

void SecondaryWindowTable::Remove(WindowId window) {
    if (window == 0)
        return;
    auto end = std::remove(slots_.begin(), slots_.end(), window);
    std::fill(end, slots_.end(), WindowId{0});
}

size_t SecondaryWindowTable::Count() const {
    return static_cast<size_t>(slots_.size() - std::count(slots_.begin(), slots_.end(), 0));
}

void SecondaryWindowTable::CloseAll(Platform& platform) const {
    const auto listed = slots_;
    for (WindowId window : listed) {
        if (window != 0 && platform.IsWindow(window))
            platform.Send(window, Msg::Close, 0, 0);
    }
}

SecondaryWindowTable& SecondaryWindows() {
    static SecondaryWindowTable table;
    return table;
}
