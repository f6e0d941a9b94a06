#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/headless/HeadlessPlatform.h"
#include "settings/LanguageTexts.h"
#include "ui/CDlgBase.h"
#include "ui/DrawingHelpers.h"
#include "ui/UiContext.h"

namespace ui_test {

// The skins of the repository, as the program folder would hold them.
inline std::u16string AssetsFolder() {
    const std::string path = std::string(CORVEX_ASSETS_DIR) + "/";
    return std::u16string(path.begin(), path.end());
}

// One notification as the dialog received it.
struct Notice {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t code = 0;
    friend bool operator==(const Notice&, const Notice&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const Notice& n) {
    return out << "{" << n.message << ", " << n.wParam << ", " << n.code << "}";
}

// A skinned dialog whose controls the test builds; it fills its client with the background
// colour, draws its controls and records every message it gets.
class TestDialog : public CDlgBase {
  public:
    TestDialog(UiContext& ui, WindowId owner = 0) : CDlgBase(ui, owner) {
        SetWindowSize(ui.Scale(400), ui.Scale(300));
    }

    std::function<void(TestDialog&)> build;
    // Runs for every message before the base; true stops it there.
    std::function<bool(uint32_t, uintptr_t, intptr_t)> onMessage;
    std::vector<Notice> notices;
    int createCalls = 0;

    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        notices.push_back({message, wParam, lParam});
        if (onMessage && onMessage(message, wParam, lParam)) {
            return 0;
        }
        return CDlgBase::OnMessage(message, wParam, lParam);
    }
    using CDlgBase::ClearHoverControl;

  protected:
    void CreateControls(int, int, int, int) override {
        ++createCalls;
        if (build) {
            build(*this);
        }
    }
    void Draw(Surface& surface, const Rect& client) override {
        FillSolid(surface, client, BackgroundColour());
        DrawControls(surface, client);
    }
};

// A headless platform, language texts, a UiContext over them and an open test dialog whose
// window sits at the screen's top-left corner.
class UiWorld {
  public:
    explicit UiWorld(float scale = 1.0f, std::u16string programFolder = AssetsFolder())
        : ui(platform, texts, std::move(programFolder), scale) {}

    // Builds and shows a dialog with the controls the function adds.
    TestDialog& Open(std::function<void(TestDialog&)> build) {
        dialog = std::make_unique<TestDialog>(ui);
        dialog->build = std::move(build);
        EXPECT_TRUE(dialog->Create());
        platform.SetWindowRect(dialog->Window(), {0, 0, ui.Scale(400), ui.Scale(300)});
        platform.Pump();
        return *dialog;
    }
    WindowId Window() const { return dialog->Window(); }
    std::vector<Notice> TakeNotices() {
        std::vector<Notice> out;
        out.swap(dialog->notices);
        return out;
    }
    void Move(Point p) { platform.MouseMove(Window(), p); }
    void Down(Point p) { platform.LeftDown(Window(), p); }
    void Up(Point p) { platform.LeftUp(Window(), p); }
    void Click(Point p) {
        Move(p);
        platform.Click(Window(), p);
    }

    HeadlessPlatform platform;
    LanguageTexts texts;
    UiContext ui;
    std::unique_ptr<TestDialog> dialog;
};

} // namespace ui_test
