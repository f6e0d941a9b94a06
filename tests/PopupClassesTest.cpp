#include "PopupTestSupport.h"

#include "ui/CComboActionInsertPopup.h"
#include "ui/CComboLightingPopup.h"
#include "ui/CComboPollingRatePopup.h"
#include "ui/CComboPopup.h"
#include "ui/CComboProfilePopup.h"
#include "ui/CDPILockPopup.h"
#include "ui/CDPIPopup.h"
#include "ui/CMacroListPopup.h"
#include "ui/CMultimediaPopup.h"
#include "ui/COfficePopup.h"
#include "ui/CProfilePopup.h"
#include "ui/CProfileRKeyPopup.h"
#include "ui/CWindowsManagePopup.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

using popup_test::PopupWorld;

struct ClassCase {
    const char* name;
    std::function<std::unique_ptr<CListPopup>(UiContext&)> make;
    int kind;
    uint32_t dismissal;
    size_t items;
    int width; // at UiScale 1.5
    int rowHeight;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.name;
}

template <class T> std::function<std::unique_ptr<CListPopup>(UiContext&)> Maker() {
    return [](UiContext& ui) { return std::make_unique<T>(ui); };
}

const ClassCase kClasses[] = {
    {"combo", Maker<CComboPopup>(), 0, 0x405, 17, 243, 33},
    {"profile", Maker<CProfilePopup>(), 1, 0x408, 3, 243, 33},
    {"dpi", Maker<CDPIPopup>(), 2, 0x412, 3, 243, 33},
    {"multimedia", Maker<CMultimediaPopup>(), 3, 0x415, 10, 243, 33},
    {"profile list",
     [](UiContext& ui) {
         return std::make_unique<CComboProfilePopup>(ui, u"skins\\header2_nr.png");
     },
     7, 0x466, 6, 345, 37},
    {"polling", Maker<CComboPollingRatePopup>(), 8, 0x470, 4, 283, 33},
    {"lighting", Maker<CComboLightingPopup>(), 9, 0x47A, 11, 283, 33},
    {"dpi lock", Maker<CDPILockPopup>(), 10, 0x484, 11, 243, 33},
    {"windows", Maker<CWindowsManagePopup>(), 11, 0x487, 6, 243, 33},
    {"office", Maker<COfficePopup>(), 12, 0x48A, 9, 243, 33},
    {"profile action", Maker<CProfileRKeyPopup>(), 13, 0x48D, 4, 243, 33},
    {"insert", Maker<CComboActionInsertPopup>(), 14, 0x490, 9, 177, 33},
    {"macro list", [](UiContext& ui) { return std::make_unique<CMacroListPopup>(ui, 1); }, 15,
     0x492, 8, 243, 33},
};

class PopupClass : public testing::TestWithParam<ClassCase> {};

TEST_P(PopupClass, KindSizeAndDismissal) {
    const ClassCase& c = GetParam();
    PopupWorld world;
    std::unique_ptr<CListPopup> popup = c.make(world.ui);
    CListPopup* raw = popup.get();
    EXPECT_EQ(raw->Kind(), c.kind);
    const WindowId window = world.Open(std::move(popup));
    ASSERT_NE(window, 0u);
    EXPECT_EQ(raw->Items().size(), c.items);
    const Rect rect = world.platform.WindowRect(window);
    EXPECT_EQ(rect.Width(), c.width);
    EXPECT_EQ(rect.Height(), 1 + int(c.items) * c.rowHeight + 1);
    world.platform.Deactivate(window);
    const auto dismissals = world.Messages(c.dismissal);
    ASSERT_EQ(dismissals.size(), 1u);
    EXPECT_EQ(dismissals[0].lParam, c.kind);
}

INSTANTIATE_TEST_SUITE_P(All, PopupClass, testing::ValuesIn(kClasses));

// Opens the popup, clicks its row and returns what the owner got.
template <class T, class... Args>
std::vector<popup_test::OwnerMessage> ClickRow(PopupWorld& world, size_t row, Args&&... args) {
    auto popup = std::make_unique<T>(world.ui, std::forward<Args>(args)...);
    T* raw = popup.get();
    const WindowId window = world.Open(std::move(popup));
    const Point at = world.RowCentre(*raw, row);
    world.platform.MouseMove(window, at);
    world.received.clear();
    world.platform.Click(window, at);
    return world.received;
}

struct ChoiceCase {
    const char* name;
    std::function<std::vector<popup_test::OwnerMessage>(PopupWorld&)> click;
    std::u16string text;
    ButtonFunction code;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
    *os << c.name;
}

const ChoiceCase kChoices[] = {
    {"dpi third",
     [](PopupWorld& w) { return ClickRow<CDPIPopup>(w, 2); },
     u"T42",
     {{0x40, 0x01, 0x00}}},
    {"dpi lock 1200",
     [](PopupWorld& w) { return ClickRow<CDPILockPopup>(w, 10); },
     u"T36-1200",
     {{0x50, 0x0B, 0x00}}},
    {"office undo",
     [](PopupWorld& w) { return ClickRow<COfficePopup>(w, 8); },
     u"T68",
     {{0x70, 0x01, 0x1D}}},
    {"windows run",
     [](PopupWorld& w) { return ClickRow<CWindowsManagePopup>(w, 3); },
     u"T78",
     {{0x70, 0x08, 0x15}}},
    {"profile down",
     [](PopupWorld& w) { return ClickRow<CProfilePopup>(w, 2); },
     u"",
     {{18, 0, 0}}},
    {"profile delete",
     [](PopupWorld& w) { return ClickRow<CProfileRKeyPopup>(w, 3); },
     u"T93",
     {{3, 0, 0}}},
    {"insert move down",
     [](PopupWorld& w) { return ClickRow<CComboActionInsertPopup>(w, 8); },
     u"T210",
     {{8, 0, 0}}},
    {"lighting last",
     [](PopupWorld& w) { return ClickRow<CComboLightingPopup>(w, 10); },
     u"T110",
     {{0, 0, 0}}},
    {"lighting fourth",
     [](PopupWorld& w) { return ClickRow<CComboLightingPopup>(w, 3); },
     u"T103",
     {{4, 0, 0}}},
    {"polling 1000",
     [](PopupWorld& w) { return ClickRow<CComboPollingRatePopup>(w, 3); },
     u"1000HZ",
     {{3, 0, 0}}},
    {"macro list nothing selected, third row",
     [](PopupWorld& w) { return ClickRow<CMacroListPopup>(w, 2, 0); },
     u"",
     {{3, 0, 0}}},
    {"macro list folder, fourth row",
     [](PopupWorld& w) { return ClickRow<CMacroListPopup>(w, 3, 2); },
     u"",
     {{4, 0, 0}}},
    {"combo left button",
     [](PopupWorld& w) { return ClickRow<CComboPopup>(w, 0); },
     u"T20",
     {{0x10, 0x01, 0x00}}},
    {"combo disable",
     [](PopupWorld& w) { return ClickRow<CComboPopup>(w, 16); },
     u"T34",
     {{0, 0, 0}}},
};

class PopupChoice : public testing::TestWithParam<ChoiceCase> {};

TEST_P(PopupChoice, ReportsTextAndCode) {
    const ChoiceCase& c = GetParam();
    PopupWorld world;
    const auto got = c.click(world);
    std::vector<popup_test::OwnerMessage> choices;
    for (const auto& m : got) {
        if (m.message == PopupWorld::kChoice && m.lParam > 0xFFFF) {
            choices.push_back(m);
        }
    }
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].wParam, PopupWorld::kParam);
    EXPECT_EQ(choices[0].resultText, c.text);
    EXPECT_EQ(choices[0].resultCode, c.code);
}

INSTANTIATE_TEST_SUITE_P(All, PopupChoice, testing::ValuesIn(kChoices));

TEST(MacroListPopup, ModesOfferTheirCommands) {
    struct Case {
        int mode;
        std::vector<std::u16string> texts;
    } cases[] = {
        {0, {u"T245", u"T246", u"T248", u"T251", u"T252"}},
        {2, {u"T245", u"T246", u"T248", u"T249", u"T250", u"T251", u"T252"}},
        {1, {u"T245", u"T246", u"T247", u"T248", u"T249", u"T250", u"T251", u"T252"}},
    };
    for (const Case& c : cases) {
        PopupWorld world;
        auto popup = std::make_unique<CMacroListPopup>(world.ui, c.mode);
        CMacroListPopup* raw = popup.get();
        world.Open(std::move(popup));
        std::vector<std::u16string> texts;
        for (const PopupItem& item : raw->Items()) {
            texts.push_back(item.text);
        }
        EXPECT_EQ(texts, c.texts) << "mode " << c.mode;
    }
}

struct ComboFixture : testing::Test {
    ComboFixture() {
        auto made = std::make_unique<CComboPopup>(world.ui);
        popup = made.get();
        window = world.Open(std::move(made));
    }
    void MoveTo(size_t row) { world.platform.MouseMove(window, world.RowCentre(*popup, row)); }
    std::vector<std::pair<uint32_t, intptr_t>> Reports() const {
        std::vector<std::pair<uint32_t, intptr_t>> reports;
        for (const auto& m : world.received) {
            reports.emplace_back(m.message, m.lParam);
        }
        return reports;
    }

    PopupWorld world;
    CComboPopup* popup = nullptr;
    WindowId window = 0;
};

TEST_F(ComboFixture, FlaggedItemsUseTheSubListPictures) {
    std::vector<int> flagged;
    for (const PopupItem& item : popup->Items()) {
        if (item.flagged) {
            flagged.push_back(item.number);
        }
    }
    EXPECT_EQ(flagged, (std::vector<int>{6, 11, 12, 13, 15}));
}

TEST_F(ComboFixture, HoverReportsEachNewItemOnce) {
    MoveTo(0);
    world.platform.MouseMove(window,
                             {world.RowCentre(*popup, 0).x + 3, world.RowCentre(*popup, 0).y});
    MoveTo(1);
    MoveTo(5);
    MoveTo(10);
    MoveTo(11);
    MoveTo(12);
    MoveTo(14);
    MoveTo(16);
    using R = std::pair<uint32_t, intptr_t>;
    EXPECT_EQ(Reports(), (std::vector<R>{{0x409, 1},
                                         {0x409, 2},
                                         {0x410, 6},
                                         {0x413, 11},
                                         {0x488, 12},
                                         {0x485, 13},
                                         {0x482, 15},
                                         {0x409, 17}}));
    for (const auto& m : world.received) {
        EXPECT_EQ(m.wParam, PopupWorld::kParam);
    }
}

TEST_F(ComboFixture, DialogItemsSendTheirOwnMessagesAndSubListItemsNothing) {
    struct Case {
        size_t row;
        uint32_t message;
    } cases[] = {{6, 0x426}, {8, 0x429}, {9, 0x40B}, {15, 0x40D}, {5, 0}, {10, 0}, {14, 0}};
    for (const Case& c : cases) {
        MoveTo(c.row);
        world.received.clear();
        world.platform.Click(window, world.RowCentre(*popup, c.row));
        if (c.message == 0) {
            EXPECT_TRUE(world.received.empty()) << "row " << c.row;
        } else {
            ASSERT_EQ(world.received.size(), 1u) << "row " << c.row;
            EXPECT_EQ(world.received[0].message, c.message);
            EXPECT_EQ(world.received[0].wParam, PopupWorld::kParam);
            EXPECT_EQ(world.received[0].lParam, 0);
        }
    }
}

TEST_F(ComboFixture, PressOnTheFirstFourItemsBringsThePopupsToTheFront) {
    for (size_t row : {size_t(0), size_t(3), size_t(4)}) {
        MoveTo(row);
        world.received.clear();
        world.platform.LeftDown(window, world.RowCentre(*popup, row));
        const auto fronts = world.Messages(PopupWorld::kChoice);
        EXPECT_EQ(fronts.size(), row < 4 ? 1u : 0u) << "row " << row;
        if (!fronts.empty()) {
            EXPECT_EQ(fronts[0].wParam, 0u);
            EXPECT_EQ(fronts[0].lParam, 0);
        }
        world.platform.LeftUp(window, {-5, -5});
    }
}

struct ProfileListFixture : testing::Test {
    ProfileListFixture() {
        auto made = std::make_unique<CComboProfilePopup>(world.ui, u"skins\\header2_nr.png");
        made->SetProfileName(0, u"Work");
        made->SetProfileName(1, u"Games");
        made->SetProfileName(2, u"");
        made->SetCurrentRow(2);
        popup = made.get();
        window = world.Open(std::move(made));
    }
    Point Row(size_t row) const { return world.RowCentre(*popup, row); }

    PopupWorld world;
    CComboProfilePopup* popup = nullptr;
    WindowId window = 0;
};

TEST_F(ProfileListFixture, RowsStartAtTheLeftEdgeWithHeaderAndNames) {
    EXPECT_EQ(popup->Items()[0].row.left, 0);
    EXPECT_EQ(popup->Items()[0].text, u"T10");
    EXPECT_EQ(popup->Items()[1].text, u"Work");
    EXPECT_EQ(popup->Items()[3].text, u"");
    EXPECT_EQ(popup->Items()[4].text, u"defaultProfile4");
}

TEST_F(ProfileListFixture, LeftAndRightReleasesReportTheItemNumber) {
    world.platform.MouseMove(window, Row(1));
    world.platform.Click(window, Row(1));
    world.platform.RightUp(window, Row(2));
    const auto reports = world.Messages(PopupWorld::kChoice);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].wParam, 2u);
    EXPECT_EQ(reports[0].lParam, 2);
    EXPECT_EQ(reports[1].wParam, 11u);
    EXPECT_EQ(reports[1].lParam, 3);
}

TEST_F(ProfileListFixture, HeaderAndEmptyRowsCannotBeChosen) {
    for (size_t row : {size_t(0), size_t(3)}) {
        world.platform.MouseMove(window, Row(row));
        world.platform.Click(window, Row(row));
        world.platform.RightUp(window, Row(row));
    }
    EXPECT_TRUE(world.Messages(PopupWorld::kChoice).empty());
}

TEST_F(ProfileListFixture, CurrentHoveredAndEmptyRowsHaveTheirOwnFills) {
    world.platform.MouseMove(window, Row(1));
    std::vector<Colour> fills;
    std::vector<Colour> texts;
    for (const PaintOp& op : world.platform.LastPaintOps(window)) {
        if (op.kind == PaintKind::Fill && op.colour != 0) {
            fills.push_back(op.colour);
        }
        if (op.kind == PaintKind::DrawString) {
            texts.push_back(op.colour);
        }
    }
    // Work hovered, Games current, the empty row, two default names.
    EXPECT_EQ(fills, (std::vector<Colour>{0x373737, 0x000078, 0x1F1F1F, 0x1F1F1F, 0x1F1F1F}));
    EXPECT_EQ(texts, (std::vector<Colour>{0xB4B4B4, 0xFFFFFF, 0xB4B4B4, 0xB4B4B4, 0xB4B4B4}));
}

} // namespace
