#pragma once

#include "platform/Platform.h"

#include <functional>

// The program's entry: one instance at a time, then the main window run modally for the whole
// life of the process.
class CCorvexApp {
  public:
    static constexpr const char16_t* kInstanceName = u"20210610 Mouse 33XX";
    static constexpr uint32_t kHandOverMessage = 2999;

    // Builds, runs and ends the main window; called only in the first instance.
    using MainWindowRun = std::function<void(Platform&)>;

    CCorvexApp(Platform& platform, MainWindowRun runMainWindow)
        : platform_(platform), runMainWindow_(std::move(runMainWindow)) {}

    // False when another instance runs: it has been asked to come forward, and this one ends
    // without showing anything. True after the main window of this instance has ended.
    bool InitInstance();

  private:
    Platform& platform_;
    MainWindowRun runMainWindow_;
};
