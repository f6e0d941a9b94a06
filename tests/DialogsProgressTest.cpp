#include "dialogs/CProgressBarDlg.h"
#include "ui/UiContext.h"

#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

struct ProgressBench : ::testing::TestWithParam<float> {
    HeadlessPlatform platform{[] {
        HeadlessSetup setup;
        setup.programFolder = std::u16string(u"" CORVEX_ASSETS_DIR) + u"/";
        return setup;
    }()};
    LanguageTexts texts;
};

// The widths of the bar band in every paint of the dialog, in pixels.
std::vector<int> BarWidths(const HeadlessPlatform& platform, WindowId window) {
    std::vector<int> widths;
    for (const PaintRecord& paint : platform.Paints(window))
        for (const PaintOp& op : paint.ops)
            if (op.kind == PaintKind::StretchBitmap && op.image.ends_with(u"Frame_progress_ov.bmp"))
                widths.push_back(op.rect.Width());
    return widths;
}

} // namespace

TEST_P(ProgressBench, BarFillsOnTheTimerAndTheDialogEndsByItself) {
    const float scale = GetParam();
    UiContext ui(platform, texts, platform.ProgramFolder(), scale);
    CProgressBarDlg dialog(ui, u"Saving");
    WindowId window = 0;
    std::vector<int> widths;
    uint32_t endedAt = 0;
    platform.SetModalHook([&](WindowId w) {
        window = w;
        EXPECT_EQ(platform.WindowRect(w).Width(), int(429 * scale));
        for (int i = 0; i < 200 && (platform.IsTimerArmed(w, 1) || platform.IsTimerArmed(w, 2));
             ++i)
            platform.AdvanceMs(10);
        endedAt = platform.NowMs();
        widths = BarWidths(platform, w);
    });
    EXPECT_EQ(dialog.DoModal(), DialogResult::Ok);
    EXPECT_FALSE(platform.IsWindow(window));
    EXPECT_EQ(dialog.Progress(), 100);
    ASSERT_FALSE(widths.empty());
    EXPECT_TRUE(std::is_sorted(widths.begin(), widths.end()));
    EXPECT_EQ(widths.back(), int(429 * scale));
    // 50 steps of 10 ms and the 20 ms end timer.
    EXPECT_GE(endedAt, 520u);
    EXPECT_LE(endedAt, 540u);
}

INSTANTIATE_TEST_SUITE_P(Scales, ProgressBench, ::testing::Values(1.0f, 1.5f, 2.0f));
