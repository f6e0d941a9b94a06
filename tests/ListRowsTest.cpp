#include "ui/ListRows.h"

#include <gtest/gtest.h>

namespace {

// Folder F (0) holding macro a and folder G (holding b); folder E (1) empty; macro M (2).
void Fill(MacroLibraryTree& tree) {
    tree.AddFolder(MacroLocation::None(), u"F");
    tree.AddMacro(MacroLocation::At(0), u"a");
    tree.AddFolder(MacroLocation::At(0), u"G");
    tree.AddMacro(MacroLocation::At(0, 1), u"b");
    tree.AddFolder(MacroLocation::None(), u"E");
    tree.AddMacro(MacroLocation::None(), u"M");
}

std::u16string Names(const std::vector<LibraryRow>& rows) {
    std::u16string names;
    for (const LibraryRow& row : rows) {
        names += row.name;
    }
    return names;
}

TEST(LibraryRows, ClosedFoldersHideTheirChildren) {
    MacroLibraryTree tree;
    Fill(tree);
    std::vector<LibraryRow> rows = LibraryRows(tree);
    EXPECT_EQ(Names(rows), u"FEM");
    EXPECT_TRUE(rows[0].folder);
    EXPECT_FALSE(rows[0].open);
    EXPECT_TRUE(rows[1].folder);
    EXPECT_FALSE(rows[2].folder);
}

TEST(LibraryRows, OpenFoldersShowChildrenWithTheirDepth) {
    MacroLibraryTree tree;
    Fill(tree);
    tree.ItemAt(MacroLocation::At(0))->IsOpen = 1;
    tree.ItemAt(MacroLocation::At(0, 1))->IsOpen = 1;
    std::vector<LibraryRow> rows = LibraryRows(tree);
    EXPECT_EQ(Names(rows), u"FaGbEM");
    EXPECT_EQ(rows[1].depth, 1);
    EXPECT_EQ(rows[3].depth, 2);
    EXPECT_EQ(rows[3].location, MacroLocation::At(0, 1, 0));
    EXPECT_TRUE(rows[2].open);
}

TEST(StepRows, TextAndIconOfEachStepKind) {
    struct Case {
        MacroAction action;
        std::u16string text;
        StepIcon icon;
    } cases[] = {
        {MacroAction::Delay(50), u"50ms", StepIcon::Delay},
        {MacroAction::Key(0x41, false), u"A", StepIcon::Press},
        {MacroAction::Key(0x41, true), u"A", StepIcon::Release},
        {{{0xE5, 0, 0, 0xFB}}, u"Move Left 5", StepIcon::Press},
        {{{0xE7, 0, 0, 0x02}}, u"Wheel Down 2", StepIcon::Press},
    };
    for (const Case& c : cases) {
        const StepRow row = StepRowOf(c.action);
        EXPECT_EQ(row.text, c.text);
        EXPECT_EQ(row.icon, c.icon);
    }
}

TEST(ListScroll, RowUnderAPoint) {
    ListScroll scroll{.first = 2, .selected = -1, .count = 5, .capacity = 3};
    EXPECT_EQ(scroll.RowAt(0, 30), 2);
    EXPECT_EQ(scroll.RowAt(59, 30), 3);
    EXPECT_EQ(scroll.RowAt(90, 30), -1);
    EXPECT_EQ(scroll.RowAt(-1, 30), -1);
}

TEST(ListScroll, EnsureVisibleKeepsTheSelectionInView) {
    struct Case {
        ListScroll before;
        int first;
    } cases[] = {
        {{.first = 0, .selected = 9, .count = 20, .capacity = 4}, 6},
        {{.first = 10, .selected = 3, .count = 20, .capacity = 4}, 3},
        {{.first = 5, .selected = 6, .count = 20, .capacity = 4}, 5},
        {{.first = 5, .selected = -1, .count = 3, .capacity = 4}, 0},
        {{.first = 18, .selected = -1, .count = 20, .capacity = 4}, 16},
        {{.first = 3, .selected = -1, .count = 0, .capacity = 4}, 0},
    };
    for (Case& c : cases) {
        c.before.EnsureVisible();
        EXPECT_EQ(c.before.first, c.first);
    }
}

TEST(ListScroll, ScrollingStopsAtBothEnds) {
    ListScroll scroll{.first = 0, .selected = -1, .count = 10, .capacity = 4};
    scroll.ScrollBy(-1);
    EXPECT_EQ(scroll.first, 0);
    scroll.ScrollBy(100);
    EXPECT_EQ(scroll.first, 6);
}

TEST(ListScroll, CapacityCountsAHalfVisibleRow) {
    EXPECT_EQ(VisibleRowCapacity(269, 1.0f), 13);
    EXPECT_EQ(VisibleRowCapacity(403, 1.5f), 13);
    EXPECT_EQ(VisibleRowCapacity(9, 1.0f), 0);
}

} // namespace
