#include "mainwnd/MainWindowLayout.h"
#include "mainwnd/ButtonMenuSession.h"
#include "mainwnd/ButtonPage.h"
#include "mainwnd/MainWindowColumn.h"
#include "mainwnd/SectionRule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const ControlEntry& Entry(int id) {
    const ControlEntry* entry = FindControlEntry(id);
    EXPECT_NE(entry, nullptr) << id;
    static const ControlEntry none;
    return entry ? *entry : none;
}

struct Headers {
    std::set<int> open;
    bool operator()(int h) const { return open.contains(h); }
};

std::map<int, int> Tops(const std::set<int>& open, bool sensorPage) {
    std::map<int, int> tops;
    for (const PlacedSection& p : LayoutColumn(Headers{open}, sensorPage))
        tops[p.header] = p.top;
    return tops;
}

TEST(MainWindowLayout, EdgesAreScaledAndTruncatedSeparately) {
    const BaseRect mouse = Entry(3400).rect;
    struct Case {
        float scale;
        Rect expected;
    };
    for (const Case& c : {Case{1.0f, {437, 171, 837, 571}}, Case{1.5f, {655, 256, 1255, 856}},
                          Case{2.0f, {874, 342, 1674, 1142}}}) {
        EXPECT_EQ(ScaleRect({0, 0}, mouse, c.scale), c.expected) << c.scale;
    }
    // The client origin is added before scaling.
    EXPECT_EQ(ScaleEdge(1, 437, 1.5f), 657);
}

TEST(MainWindowLayout, PanelsScaleWidthAndHeightOnTheirOwn) {
    // (36, 89) 413 x 284 at 1.5: 54, 133, width 619, height 426.
    EXPECT_EQ(ScalePanel(LeftPanels()[0], 1.5f), (Rect{54, 133, 54 + 619, 133 + 426}));
    EXPECT_EQ(ScalePanel(kDpiPanel, 2.0f), (Rect{1692, 178, 1692 + 524, 178 + 392}));
}

TEST(MainWindowLayout, FirstIdentifier3400IsTheFirstMouseView) {
    const ControlEntry& first = Entry(3400);
    EXPECT_EQ(first.pictures.front(), u"mouse/mouse_nr.png");
    EXPECT_EQ(first.display, Display::Shown);
    const auto& all = MainWindowControls();
    const auto count =
        std::count_if(all.begin(), all.end(), [](const ControlEntry& s) { return s.id == 3400; });
    EXPECT_EQ(count, 2 + 2 + 16); // two views, two never-shown pictures, sixteen badges
}

TEST(MainWindowLayout, EveryControlIsInAValidListAndSectionControlsFollowTheirHeaders) {
    std::set<int> lists;
    int lastList = 0;
    for (const ControlEntry& s : MainWindowControls()) {
        ASSERT_GE(s.list, 0);
        ASSERT_LE(s.list, 8);
        lists.insert(s.list);
        // Lists are created in the order 0, 1, 2, 3, 4, 5, 6, 8, 7.
        const auto rank = [](int l) { return l == 8 ? 7 : l == 7 ? 8 : l; };
        EXPECT_GE(rank(s.list), rank(lastList)) << s.id;
        lastList = s.list;
    }
    EXPECT_EQ(lists.size(), 9u);
}

TEST(MainWindowLayout, ButtonControlsAndBadges) {
    for (int id = 2013; id <= 2028; ++id) {
        const ControlEntry& s = Entry(id);
        EXPECT_EQ(s.kind, ControlKind::ComboButton);
        EXPECT_EQ(s.message, 1028);
        EXPECT_EQ(s.fixedText, u"Disable");
        EXPECT_EQ(s.rect.width, 162);
    }
    EXPECT_EQ(Entry(2026).rect.y, 341); // key 13 is the ninth row
    // Badge 2 sits left of control 2021, one pixel lower.
    const auto& all = MainWindowControls();
    const auto badge = std::find_if(all.begin(), all.end(), [](const ControlEntry& s) {
        return !s.pictures.empty() && s.pictures[0] == u"mouse/serial_number2.png";
    });
    ASSERT_NE(badge, all.end());
    EXPECT_EQ(badge->rect.x, 44);
    EXPECT_EQ(badge->rect.y, 139);
    EXPECT_EQ(badge->rect.width, 20);
}

TEST(MainWindowLayout, DisplayFlagsOfTheTable) {
    struct Case {
        int id;
        Display display;
    };
    for (const Case& c : {Case{3409, Display::NotShownAtStart},
                          {3024, Display::NotShownAtStart},
                          {3011, Display::NotShownAtStart},
                          {3012, Display::NeverShown},
                          {3100, Display::NeverShown},
                          {2049, Display::NeverShown},
                          {3266, Display::NeverShown},
                          {3307, Display::NeverShown},
                          {3285, Display::NeverShown},
                          {3265, Display::Shown},
                          {3110, Display::NeverShown},
                          {2043, Display::NeverShown},
                          {3330, Display::Shown},
                          {3040, Display::NotShownAtStart}}) {
        EXPECT_EQ(Entry(c.id).display, c.display) << c.id;
    }
    for (int id : {3008, 3007, 3010})
        EXPECT_TRUE(Entry(id).disabled) << id;
    EXPECT_TRUE(Entry(3001).checked);
    EXPECT_TRUE(Entry(3002).checked);
    EXPECT_FALSE(Entry(3004).checked);
    EXPECT_EQ(Entry(3021).textSuffix, u":2.1.14");
    EXPECT_EQ(FontHeight(Entry(3405).font, 1.5f), 24);
    EXPECT_EQ(FontHeight(Entry(3503).font, 1.5f), 27);
    EXPECT_EQ(FontHeight(Entry(3290).font, 1.5f), 16);
}

TEST(MainWindowColumn, HeaderTopsFollowTheOpenSections) {
    struct Case {
        std::set<int> open;
        bool sensorPage;
        std::map<int, int> tops;
    };
    const std::vector<Case> cases{
        {{3001, 3002},
         false,
         {{3001, 64}, {3002, 290}, {3004, 400}, {3003, 430}, {3014, 460}, {3013, 490}}},
        {{3002},
         false,
         {{3001, 64}, {3002, 94}, {3004, 204}, {3003, 234}, {3014, 264}, {3013, 294}}},
        {{},
         true,
         {{3001, 64}, {3002, 94}, {3004, 124}, {3011, 154}, {3003, 184}, {3014, 214}, {3013, 244}}},
        // A checked 3012 adds its panel although it has no place.
        {{3012},
         false,
         {{3001, 64}, {3002, 94}, {3004, 124}, {3003, 239}, {3014, 269}, {3013, 299}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tops(c.open, c.sensorPage), c.tops);
    EXPECT_EQ(Tops({3001, 3004}, true).at(3013), 620);
}

TEST(MainWindowColumn, HeaderAndControlsAtEachScale) {
    // The start state: 3002 at 290, its body at 315.
    EXPECT_EQ(HeaderRect(290, 2.0f), (Rect{1692, 580, 2216, 630}));
    EXPECT_EQ(HeaderRect(290, 1.0f), (Rect{846, 290, 1108, 315}));
    const SectionPlacement& selector = ColumnSections()[1].placements[0];
    ASSERT_EQ(selector.id, 3120);
    EXPECT_EQ(PlaceInSection(315, selector.offset, 1.0f), (Rect{886, 326, 1075, 351}));
    EXPECT_EQ(PlaceInSection(315, selector.offset, 1.5f), (Rect{1329, 489, 1612, 526}));
}

TEST(MainWindowColumn, SixPollingRatesFillThreeRowsOfTwo) {
    const auto polling = ColumnSections()[2].placements;
    const auto at = [&](int id, int cls) {
        for (const SectionPlacement& p : polling)
            if (p.id == id)
                return p.OffsetFor(cls);
        return BaseRect{};
    };
    EXPECT_EQ(at(3039, 8).x, 120);
    EXPECT_EQ(at(3039, 4).x, 185);
    EXPECT_EQ(at(3151, 4).x, 130);
    EXPECT_EQ(at(3038, 4).x, 55);
    // The picture-layout caption lies over the inner corners of the four pictures.
    EXPECT_EQ(at(3142, 1).x, 88);
    EXPECT_LT(at(3142, 1).x, at(3030, 1).x + 72);
}

TEST(SectionRule, OpeningKeepsTheHighestPriorityOpenSection) {
    struct Case {
        int opened;
        std::set<int> openBefore;
        std::set<int> openAfter;
    };
    const std::vector<Case> cases{
        {3004, {3001, 3002}, {3001, 3004}},
        {3001, {3013, 3014}, {3001, 3013, 3014}},
        {3013, {3014, 3003}, {3013, 3003}},
        {3002, {}, {3002}},
    };
    for (const Case& c : cases) {
        std::set<int> open = c.openBefore;
        open.insert(c.opened);
        for (int h : HeadersToCloseOnOpen(c.opened, Headers{open}))
            open.erase(h);
        EXPECT_EQ(open, c.openAfter) << c.opened;
    }
}

TEST(ButtonPage, ViewFollowsTheLastPointedKey) {
    ButtonPageHighlight page;
    EXPECT_FALSE(page.SecondView());
    page.PointerEntered(7); // control 2020
    EXPECT_TRUE(page.SecondView());
    page.PointerLeft();
    EXPECT_EQ(page.Highlighted(), 0);
    EXPECT_TRUE(page.SecondView());
    page.PointerEntered(6); // control 2019
    EXPECT_EQ(page.Highlighted(), 7);
    EXPECT_FALSE(page.SecondView());
}

TEST(ButtonPage, PopupMovesUpToStayAboveTheWindowBottom) {
    const Rect control{278, 283, 440, 304};
    EXPECT_EQ(PopupOrigin(control, {162, 300}, 740), (Point{440, 283}));
    EXPECT_EQ(PopupOrigin(control, {162, 500}, 740), (Point{440, 240}));
    EXPECT_EQ(PopupOrigin(control, {162, 900}, 740), (Point{440, 0}));
}

TEST(ButtonPage, HoverMessagesChooseSubLists) {
    EXPECT_EQ(SubmenuOfHoverMessage(0x410), ButtonSubmenu::Dpi);
    EXPECT_EQ(SubmenuOfHoverMessage(0x482), ButtonSubmenu::DpiLock);
    EXPECT_EQ(SubmenuOfHoverMessage(0x409), ButtonSubmenu::None);
    EXPECT_EQ(SubmenuOfHoverMessage(0x411), std::nullopt);
    EXPECT_EQ(SubmenuDismissMessage(ButtonSubmenu::Office), 0x48Au);
}

} // namespace

namespace {

const Rect* Find(const std::vector<std::pair<int, Rect>>& rects, int id) {
    for (const auto& [key, rect] : rects)
        if (key == id)
            return &rect;
    return nullptr;
}

TEST(MainWindowPlan, StartStateAtEachScale) {
    struct Case {
        float scale;
        Rect lightingPanel;
        Rect selector;
        Rect header3002;
    };
    const Rect client{0, 0, 1127, 740};
    for (const Case& c :
         {Case{1.0f, {846, 315, 1108, 395}, {886, 326, 1075, 351}, {846, 290, 1108, 315}},
          Case{1.5f,
               {1269, 472, 1269 + 393, 472 + 120},
               {1329, 489, 1612, 526},
               {1269, 435, 1662, 472}},
          Case{2.0f, {1692, 630, 2216, 790}, {1772, 652, 2150, 702}, {1692, 580, 2216, 630}}}) {
        const ColumnPlan plan = PlanMainWindow(Headers{{3001, 3002}}, false, 1, c.scale, client);
        // Four left panels, the DPI panel, the lighting panel.
        ASSERT_EQ(plan.panels.size(), 6u) << c.scale;
        EXPECT_EQ(plan.panels[5], c.lightingPanel) << c.scale;
        ASSERT_NE(Find(plan.controls, 3120), nullptr);
        EXPECT_EQ(*Find(plan.controls, 3120), c.selector) << c.scale;
        EXPECT_EQ(*Find(plan.headers, 3002), c.header3002) << c.scale;
        EXPECT_EQ(Find(plan.headers, 3011), nullptr);
    }
}

TEST(MainWindowPlan, ClosingDpiDropsItsPanelAndClosedSectionsStillPlaceControls) {
    const ColumnPlan plan = PlanMainWindow(Headers{{3002}}, true, 1, 1.0f, {0, 0, 1127, 740});
    EXPECT_EQ(plan.panels.size(), 5u);
    EXPECT_EQ(Find(plan.headers, 3002)->top, 94);
    EXPECT_EQ(Find(plan.headers, 3011)->top, 234);
    // The pairing section is closed; its button still gets its place below the header.
    const Rect* pairing = Find(plan.controls, 2054);
    ASSERT_NE(pairing, nullptr);
    EXPECT_EQ(pairing->top, Find(plan.headers, 3013)->top + 25 + 30);
    EXPECT_EQ(pairing->left, 846 + 96);
}

} // namespace

namespace {

TEST(ButtonMenuSession, SubListsOpenAndCloseWithTheHoveredItem) {
    ButtonMenuSession menu;
    EXPECT_EQ(menu.Hover(0x410), std::nullopt); // no menu open
    menu.Open(2020);
    EXPECT_EQ(menu.Hover(0x409), std::nullopt); // nothing open to close
    EXPECT_EQ(menu.Hover(0x410), ButtonSubmenu::Dpi);
    EXPECT_EQ(menu.Hover(0x410), std::nullopt); // still the same item
    EXPECT_EQ(menu.Hover(0x482), ButtonSubmenu::DpiLock);
    EXPECT_EQ(menu.Hover(0x409), ButtonSubmenu::None);
    EXPECT_EQ(menu.Choose(), 2020);
    EXPECT_FALSE(menu.IsOpen());
}

TEST(ButtonMenuSession, DismissalEndsTheSessionOnlyWhenNoSubListTookOver) {
    ButtonMenuSession menu;
    menu.Open(2013);
    menu.Hover(0x413);
    EXPECT_FALSE(menu.MainDismissed()); // the sub-list took the activation
    EXPECT_TRUE(menu.IsOpen());
    EXPECT_FALSE(menu.SubmenuDismissed(true)); // back on the function menu
    EXPECT_EQ(menu.Submenu(), ButtonSubmenu::None);
    EXPECT_TRUE(menu.MainDismissed());
    EXPECT_FALSE(menu.IsOpen());

    menu.Open(2014);
    menu.Hover(0x488);
    EXPECT_TRUE(menu.SubmenuDismissed(false)); // clicked elsewhere
    EXPECT_FALSE(menu.IsOpen());
    EXPECT_FALSE(menu.MainDismissed()); // a late dismissal of the closed menu changes nothing
}

} // namespace

namespace {

TEST(MainWindowLayout, SectionsInTheirShowingOrderWithTheirLists) {
    std::vector<std::pair<int, int>> sections;
    for (const SectionEntry& s : Sections())
        sections.emplace_back(s.header, s.list);
    const std::vector<std::pair<int, int>> expected{{3001, 1}, {3002, 2}, {3004, 4}, {3011, 5},
                                                    {3012, 6}, {3003, 3}, {3013, 7}, {3014, 8}};
    EXPECT_EQ(sections, expected);
    EXPECT_EQ(SectionList(3008), 0); // a left header opens nothing
    // Every section list holds controls.
    for (const auto& [header, list] : expected) {
        const auto& all = MainWindowControls();
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [list = list](const ControlEntry& c) {
            return c.list == list;
        })) << header;
    }
}

} // namespace
