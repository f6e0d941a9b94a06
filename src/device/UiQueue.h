#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

// Hands work from reader and notification threads to the UI thread, which runs it in the order
// it was posted. Post may be called from any thread.
class UiQueue {
  public:
    using Task = std::function<void()>;
    virtual ~UiQueue() = default;
    virtual void Post(Task task) = 0;
};

// A queue the owning thread empties itself: tests, command-line tools.
class PumpedUiQueue : public UiQueue {
  public:
    void Post(Task task) override {
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        posted_.notify_all();
    }

    // Runs what is queued, including what those tasks post; returns how many ran.
    size_t Pump() {
        size_t ran = 0;
        while (Task task = Take())
            task(), ++ran;
        return ran;
    }

    // Waits up to `timeout` for work, then pumps; returns how many tasks ran.
    size_t WaitAndPump(std::chrono::milliseconds timeout) {
        {
            std::unique_lock lock(mutex_);
            posted_.wait_for(lock, timeout, [this] { return !tasks_.empty(); });
        }
        return Pump();
    }

  private:
    Task Take() {
        std::lock_guard lock(mutex_);
        if (tasks_.empty())
            return {};
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        return task;
    }

    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<Task> tasks_;
};
