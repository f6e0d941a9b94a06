#include "platform/headless/MessageQueue.h"

#include <algorithm>

void MessageQueue::Push(Item item) {
    std::lock_guard guard(lock_);
    items_.push_back(std::move(item));
}

std::optional<MessageQueue::Item> MessageQueue::Pop() {
    std::lock_guard guard(lock_);
    if (items_.empty()) {
        return std::nullopt;
    }
    Item item = std::move(items_.front());
    items_.pop_front();
    return item;
}

void MessageQueue::DropWindow(WindowId window) {
    std::lock_guard guard(lock_);
    std::erase_if(items_,
                  [window](const Item& item) { return !item.task && item.window == window; });
}

bool MessageQueue::Empty() const {
    std::lock_guard guard(lock_);
    return items_.empty();
}

size_t MessageQueue::Count() const {
    std::lock_guard guard(lock_);
    return items_.size();
}
