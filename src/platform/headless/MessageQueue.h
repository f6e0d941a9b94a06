#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "platform/Platform.h"

// Posted messages and tasks in posting order; any thread may push, the UI thread pops.
class MessageQueue {
  public:
    struct Item {
        WindowId window = 0; // 0 for a task
        uint32_t message = 0;
        uintptr_t wParam = 0;
        intptr_t lParam = 0;
        std::function<void()> task;
    };

    void Push(Item item);
    std::optional<Item> Pop();
    void DropWindow(WindowId window);
    bool Empty() const;
    size_t Count() const;

  private:
    mutable std::mutex lock_;
    std::deque<Item> items_;
};
