#pragma once

#include <string>
#include <vector>

#include "HeadlessTestWindow.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/RecordingSurface.h"
#include "settings/LanguageTexts.h"
#include "ui/CControlBase.h"
#include "ui/UiContext.h"

namespace control_test {

struct Note {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    friend bool operator==(const Note&, const Note&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Note& n) {
    return os << "(" << n.message << ", " << n.wParam << ", " << n.lParam << ")";
}

// A headless dialog window with the real skins that records what its controls send it.
class ControlWorld {
  public:
    explicit ControlWorld(float scale = 1.0f)
        : platform(Setup()), ui(platform, texts, std::u16string(u"" CORVEX_ASSETS_DIR "/"), scale),
          parent(log) {
        parent.onMessage = [this](uint32_t message, uintptr_t wParam, intptr_t lParam) {
            notes.push_back({message, wParam, lParam});
            if (onNote) {
                onNote(message, wParam, lParam);
            }
            return intptr_t(0);
        };
        window = platform.MakeWindow(parent, WindowKind::Dialog, 0, {0, 0, 800, 600});
    }
    ~ControlWorld() { platform.DestroyWindow(window); }
    ControlWorld(const ControlWorld&) = delete;
    ControlWorld& operator=(const ControlWorld&) = delete;

    static HeadlessSetup Setup() {
        HeadlessSetup setup;
        setup.programFolder = u"" CORVEX_ASSETS_DIR "/";
        return setup;
    }

    // The codes the control with this identifier sent, in order.
    std::vector<intptr_t> Codes(uint32_t identifier) const {
        std::vector<intptr_t> codes;
        for (const Note& n : notes) {
            if (n.message == identifier) {
                codes.push_back(n.lParam);
            }
        }
        return codes;
    }

    // The operations of drawing one control into a fresh surface.
    static std::vector<PaintOp> DrawOps(CControlBase& control) {
        RecordingSurface surface(Size{800, 600});
        control.Draw(surface, {0, 0, 800, 600});
        return surface.TakeOps();
    }

    HeadlessPlatform platform;
    LanguageTexts texts;
    UiContext ui;
    std::vector<std::string> log;
    headless_test::LogWindow parent;
    WindowId window = 0;
    std::vector<Note> notes;
    std::function<void(uint32_t, uintptr_t, intptr_t)> onNote;
};

} // namespace control_test
