#pragma once

#include "platform/Platform.h"

#include <array>
#include <cstddef>

// The ten secondary windows the main window closes when the mouse disappears and at exit. Used
// slots stay at the front; a dialog opened when all ten are taken is simply not listed.
class SecondaryWindowTable {
  public:
    static constexpr size_t kSlots = 10;

    // False when the table is full or the window is listed already.
    bool Add(WindowId window);
    // Removes the window and moves the later entries down; nothing when it is not listed.
    void Remove(WindowId window);
    void Clear() { slots_.fill(0); }
    size_t Count() const;
    WindowId At(size_t slot) const { return slot < kSlots ? slots_[slot] : 0; }

    // Sends Msg::Close to every listed window. A window leaves the table while it closes, so the
    // walk works on a copy taken first.
    void CloseAll(Platform& platform) const;

  private:
    std::array<WindowId, kSlots> slots_{};
};

// The process-wide table.
SecondaryWindowTable& SecondaryWindows();
