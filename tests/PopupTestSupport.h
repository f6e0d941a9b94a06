#pragma once

#include <memory>
#include <string>
#include <vector>

#include "HeadlessTestWindow.h"
#include "platform/headless/HeadlessPlatform.h"
#include "settings/LanguageTexts.h"
#include "ui/CListPopup.h"
#include "ui/UiContext.h"

namespace popup_test {

// What the owner of a popup received; the result record is read during the call, the only time
// it is valid.
struct OwnerMessage {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    std::u16string resultText;
    ButtonFunction resultCode;
};

inline std::u16string Numbered(size_t number) {
    const std::string digits = "T" + std::to_string(number);
    return {digits.begin(), digits.end()};
}

// A headless screen at UiScale 1.5 with the real skins, texts "T<number>" and an owner window
// that records every message it gets.
class PopupWorld {
  public:
    static constexpr uint32_t kChoice = 1027;
    static constexpr uintptr_t kParam = 2015;

    explicit PopupWorld(float scale = 1.5f)
        : platform({Size{1920, 1200}, Rect{0, 0, 1920, 1160}, 96}),
          ui(platform, texts, std::u16string(u"" CORVEX_ASSETS_DIR "/"), scale), owner(log) {
        for (size_t n = 0; n < LanguageTexts::kCount; ++n) {
            texts.Set(n, Numbered(n));
        }
        owner.onMessage = [this](uint32_t message, uintptr_t wParam, intptr_t lParam) {
            OwnerMessage got{message, wParam, lParam, {}, {}};
            if (message == choiceMessage && lParam > 0xFFFF) {
                const auto* result = reinterpret_cast<const PopupResult*>(lParam);
                got.resultText = result->text;
                got.resultCode = result->code;
            }
            received.push_back(got);
            if (onOwnerMessage) {
                onOwnerMessage(message, wParam, lParam);
            }
            return intptr_t(0);
        };
        ownerWindow = platform.MakeWindow(owner, WindowKind::Dialog, 0, {100, 100, 900, 700});
        platform.Show(ownerWindow, ShowCommand::Show);
    }

    // Popups still open are deleted with their windows.
    ~PopupWorld() {
        for (const WindowId window : platform.Windows()) {
            platform.DestroyWindow(window);
        }
    }
    PopupWorld(const PopupWorld&) = delete;
    PopupWorld& operator=(const PopupWorld&) = delete;

    WindowId Open(std::unique_ptr<CWndPopup> popup, Point at = {300, 200}) {
        received.clear();
        const WindowId window =
            CWndPopup::Open(std::move(popup), ownerWindow, {at.x, at.y, at.x + 10, at.y + 10},
                            choiceMessage, kParam);
        platform.Pump();
        return window;
    }

    // The centre of the popup's row (0-based), in the popup's client pixels.
    Point RowCentre(const CListPopup& popup, size_t row) const {
        const Rect r = popup.Items().at(row).row;
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    std::vector<OwnerMessage> Messages(uint32_t message) const {
        std::vector<OwnerMessage> found;
        for (const OwnerMessage& m : received) {
            if (m.message == message) {
                found.push_back(m);
            }
        }
        return found;
    }

    HeadlessPlatform platform;
    LanguageTexts texts;
    UiContext ui;
    std::vector<std::string> log;
    headless_test::LogWindow owner;
    WindowId ownerWindow = 0;
    uint32_t choiceMessage = kChoice;
    std::vector<OwnerMessage> received;
    std::function<void(uint32_t, uintptr_t, intptr_t)> onOwnerMessage;
};

} // namespace popup_test
