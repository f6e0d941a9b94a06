#include "dialogs/CAttentionDlg.h"
#include "dialogs/SecondaryWindowTable.h"
#include "ui/UiContext.h"

#include "platform/headless/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

struct AttentionBench : ::testing::TestWithParam<float> {
    HeadlessPlatform platform{[] {
        HeadlessSetup setup;
        setup.programFolder = std::u16string(u"" CORVEX_ASSETS_DIR) + u"/";
        return setup;
    }()};
    LanguageTexts texts;
    UiContext ui{platform, texts, platform.ProgramFolder(), GetParam()};

    void SetUp() override {
        SecondaryWindows().Clear();
        texts.Set(CAttentionDlg::kOkText, u"OK");
    }
    int Scaled(int base) const { return int(base * GetParam()); }
    Point CentreOf(const CAttentionDlg& dialog, int id) const {
        const Rect r = dialog.FindControl(unsigned(id))->GetRect();
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    const PaintOp* TextOp(WindowId window, const std::u16string& text) const {
        for (const PaintOp& op : platform.LastPaintOps(window))
            if (op.kind == PaintKind::DrawString && op.text == text)
                return &op;
        return nullptr;
    }
};

} // namespace

TEST_P(AttentionBench, ModalShowsTheProductTitleTheMessageAndEndsOnOk) {
    CAttentionDlg dialog(ui, u"Caller's title", u"The mouse is not connected.");
    WindowId window = 0;
    platform.SetModalHook([&](WindowId w) {
        window = w;
        EXPECT_EQ(platform.WindowRect(w).Width(), Scaled(319));
        EXPECT_EQ(platform.WindowRect(w).Height(), Scaled(102));
        EXPECT_EQ(SecondaryWindows().Count(), 1u);
        platform.Pump();
        const PaintOp* title = TextOp(w, u"Vantor Mouse");
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->colour, CAttentionDlg::kTitleColour);
        EXPECT_EQ(TextOp(w, u"Caller's title"), nullptr);
        const PaintOp* message = TextOp(w, u"The mouse is not connected.");
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(message->colour, CAttentionDlg::kMessageColour);
        EXPECT_TRUE(message->flags & TextFlag::Center);
        EXPECT_TRUE(message->flags & TextFlag::WordBreak);
        EXPECT_NE(TextOp(w, u"OK"), nullptr);
        bool framed = false;
        for (const PaintOp& op : platform.LastPaintOps(w))
            framed |=
                op.kind == PaintKind::StretchBitmap && op.image.ends_with(u"Frame_warning.bmp");
        EXPECT_TRUE(framed);
        const Point ok = CentreOf(dialog, CAttentionDlg::kOkButton);
        platform.MouseMove(w, ok);
        platform.Click(w, ok);
    });
    EXPECT_EQ(dialog.DoModal(), DialogResult::Ok);
    EXPECT_FALSE(platform.IsWindow(window));
    EXPECT_EQ(SecondaryWindows().Count(), 0u);
}

TEST_P(AttentionBench, CloseButtonCancels) {
    CAttentionDlg dialog(ui, u"", u"Notice");
    platform.SetModalHook([&](WindowId w) {
        const Point close = CentreOf(dialog, 2004);
        platform.MouseMove(w, close);
        platform.Click(w, close);
    });
    EXPECT_EQ(dialog.DoModal(), DialogResult::Cancel);
}

TEST_P(AttentionBench, NonModalHasNoOwnerStaysOnTopAndLeavesTheTableWhenClosed) {
    CAttentionDlg first(ui, u"", u"No mouse", 0, WindowKind::Notice);
    CAttentionDlg second(ui, u"", u"No mouse", 0, WindowKind::Notice);
    ASSERT_TRUE(first.Open());
    ASSERT_TRUE(second.Open());
    EXPECT_TRUE(platform.IsTopmost(first.Window()));
    EXPECT_EQ(platform.Kind(first.Window()), WindowKind::Notice);
    EXPECT_EQ(platform.Owner(first.Window()), 0u);
    EXPECT_TRUE(platform.ModalStack().empty());
    EXPECT_EQ(SecondaryWindows().Count(), 2u);

    const WindowId window = first.Window();
    const Point ok = CentreOf(first, CAttentionDlg::kOkButton);
    platform.MouseMove(window, ok);
    platform.Click(window, ok);
    EXPECT_FALSE(platform.IsWindow(window));
    EXPECT_EQ(first.Window(), 0u);
    EXPECT_EQ(SecondaryWindows().Count(), 1u);

    SecondaryWindows().CloseAll(platform);
    platform.Pump();
    EXPECT_EQ(second.Window(), 0u);
    EXPECT_EQ(SecondaryWindows().Count(), 0u);
    EXPECT_FALSE(first.Open()) << "a closed notice is not reused";
}

INSTANTIATE_TEST_SUITE_P(Scales, AttentionBench, ::testing::Values(1.0f, 1.5f, 2.0f));
