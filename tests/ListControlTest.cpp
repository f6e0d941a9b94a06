#include "ControlTestSupport.h"

#include "ui/CEditShowList.h"
#include "ui/CImageShowList.h"

#include <gtest/gtest.h>

namespace {

using control_test::ControlWorld;

// Folder F (0) holding macro a and folder G (holding b); folder E (1) empty; macro M (2).
void Fill(MacroLibraryTree& tree) {
    tree.AddFolder(MacroLocation::None(), u"F");
    tree.AddMacro(MacroLocation::At(0), u"a");
    tree.AddFolder(MacroLocation::At(0), u"G");
    tree.AddMacro(MacroLocation::At(0, 1), u"b");
    tree.AddFolder(MacroLocation::None(), u"E");
    tree.AddMacro(MacroLocation::None(), u"M");
}

struct TreeFixture : testing::Test {
    // At 1.5 a row is 30 pixels: rows start at y 100, 130, 160...
    TreeFixture() : list(world.ui, world.window, 0, {50, 100, 265, 503}, u"", tree, selection) {
        Fill(tree);
        list.LoadIcons(u"skins\\foldr_open.png", u"skins\\foldr_close.png");
    }
    Point RowPoint(int row, int x = 200) const { return {x, 100 + row * 30 + 10}; }
    std::vector<std::u16string> Texts() {
        std::vector<std::u16string> texts;
        for (const PaintOp& op : ControlWorld::DrawOps(list)) {
            if (op.kind == PaintKind::DrawString) {
                texts.push_back(op.text);
            }
        }
        return texts;
    }

    ControlWorld world{1.5f};
    MacroLibraryTree tree;
    SelectedLocation selection;
    CEditShowList list;
};

TEST_F(TreeFixture, IsControl2015WithThirteenRows) {
    EXPECT_EQ(list.Identifier(), 2015u);
    EXPECT_EQ(list.VisibleRows(), 13);
}

TEST_F(TreeFixture, PressSelectsTheRowAndTheSharedLocation) {
    list.OnLButtonDown(0, RowPoint(2));
    EXPECT_EQ(list.SelectedRow(), 2);
    EXPECT_EQ(selection, MacroLocation::At(2));
    list.OnLButtonUp(0, RowPoint(2));
    EXPECT_EQ(world.Codes(2015), (std::vector<intptr_t>{2}));
    list.OnLButtonDown(0, RowPoint(3));
    EXPECT_EQ(list.SelectedRow(), -1) << "below the last row";
    EXPECT_TRUE(selection.IsNone());
}

TEST_F(TreeFixture, PressOnAFolderIconOpensIt) {
    list.OnLButtonDown(0, RowPoint(0, 50 + 10));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0))->IsOpen, 1);
    EXPECT_EQ(Texts(), (std::vector<std::u16string>{u"F", u"a", u"G", u"E", u"M"}));
    // The name of an open folder's row does not toggle it.
    list.OnLButtonDown(0, RowPoint(2, 200));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0, 1))->IsOpen, 0);
    // G is at depth 1: its icon area reaches 2 x 16 x 1.5 pixels from the left.
    list.OnLButtonDown(0, RowPoint(2, 50 + 40));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0, 1))->IsOpen, 1);
    EXPECT_EQ(Texts().size(), 6u);
    EXPECT_TRUE(world.notes.empty()) << "presses do not notify";
}

TEST_F(TreeFixture, DoubleClickOnAFolderTogglesItAndNotifies) {
    list.OnLButtonDblClk(0, RowPoint(1));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(1))->IsOpen, 1);
    list.OnLButtonDblClk(0, RowPoint(2));
    EXPECT_EQ(world.Codes(2015), (std::vector<intptr_t>{10})) << "a macro row does nothing";
}

TEST_F(TreeFixture, RightClickOnAnEmptyRowSelectsNothingAndStillReports) {
    list.OnLButtonDown(0, RowPoint(1));
    Point reported{-1, -1};
    world.onNote = [&](uint32_t, uintptr_t wParam, intptr_t code) {
        if (code == 11) {
            reported = *reinterpret_cast<const Point*>(wParam);
        }
    };
    list.OnRButtonUp(0, RowPoint(6));
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_TRUE(selection.IsNone());
    EXPECT_EQ(reported, RowPoint(6));
    list.OnRButtonUp(0, RowPoint(0));
    EXPECT_EQ(selection, MacroLocation::At(0));
}

TEST_F(TreeFixture, DrawingIndentsByDepthAndFillsTheSelection) {
    tree.ItemAt(MacroLocation::At(0))->IsOpen = 1;
    list.SetSelectedRow(1);
    const std::vector<PaintOp> ops = ControlWorld::DrawOps(list);
    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(ops[0].colour, 0x4B4B4Bu);
    EXPECT_EQ(ops[0].rect, list.GetRect());
    // Row 0: open folder icon then its name after it; indent = (16 + 3) x 1.5 = 28.
    EXPECT_NE(ops[1].image.find(u"foldr_open.png"), std::u16string::npos);
    EXPECT_EQ(ops[1].dest, (RectF{53, 101, 24, 24}));
    EXPECT_EQ(ops[2].rect.left, 53 + 28);
    EXPECT_EQ(ops[2].colour, 0xFFFFFFu);
    EXPECT_EQ(ops[2].flags, 0x40024u);
    // Row 1: the selected macro at depth 1.
    EXPECT_EQ(ops[3].kind, PaintKind::Fill);
    EXPECT_EQ(ops[3].rect, (Rect{53, 130, 262, 160}));
    EXPECT_EQ(ops[4].text, u"a");
    EXPECT_EQ(ops[4].rect.left, 53 + 28);
}

TEST_F(TreeFixture, EnsureVisibleScrollsToTheSelection) {
    for (int i = 0; i < 20; ++i) {
        tree.AddMacro(MacroLocation::None(), u"m" + std::u16string(1, char16_t(u'A' + i)));
    }
    list.SetSelectedRow(20);
    list.EnsureVisible();
    EXPECT_EQ(list.FirstVisibleRow(), 20 - 13 + 1);
    list.OnLButtonDown(0, RowPoint(0));
    EXPECT_EQ(list.SelectedRow(), 8);
    EXPECT_EQ(Texts().front(), u"mF");
}

struct StepsFixture : testing::Test {
    StepsFixture() : list(world.ui, world.window, 0, {0, 0, 143, 269}, u"") {
        list.LoadIcons(u"skins\\macro_time.png", u"skins\\macro_down.png", u"skins\\macro_up.png");
        macro.InsertAction(0, MacroAction::Key(0x41, false));
        macro.InsertAction(1, MacroAction::Delay(50));
        macro.InsertAction(2, MacroAction::Key(0x41, true));
        macro.InsertAction(3, {{0xE6, 0, 0, 0xFD}});
        list.SetMacro(&macro);
    }
    ControlWorld world;
    MacroRecord macro;
    CImageShowList list;
};

TEST_F(StepsFixture, EachStepShowsItsTextAndIcon) {
    EXPECT_EQ(list.Identifier(), 2020u);
    std::vector<std::u16string> icons;
    std::vector<std::u16string> texts;
    for (const PaintOp& op : ControlWorld::DrawOps(list)) {
        if (op.kind == PaintKind::DrawImage) {
            icons.push_back(op.image.substr(op.image.rfind(u'/') + 1));
            if (icons.size() == 1) {
                EXPECT_EQ(op.dest, (RectF{2, 3, 13, 13}));
            }
        } else if (op.kind == PaintKind::DrawString) {
            texts.push_back(op.text);
        }
    }
    EXPECT_EQ(icons, (std::vector<std::u16string>{u"macro_down.png", u"macro_time.png",
                                                  u"macro_up.png", u"macro_down.png"}));
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"A", u"50ms", u"A", u"Move Up 3"}));
}

TEST_F(StepsFixture, PressSelectsAStepAndIgnoresRowsBelowTheLast) {
    list.OnLButtonDown(0, {50, 45});
    EXPECT_EQ(list.SelectedRow(), 2);
    list.OnLButtonDown(0, {50, 85});
    EXPECT_EQ(list.SelectedRow(), 2);
    list.OnLButtonDblClk(0, {50, 5});
    EXPECT_EQ(world.Codes(2020), (std::vector<intptr_t>{10}));
}

TEST(ImageShowList, WithoutAMacroTheListIsEmpty) {
    ControlWorld world;
    CImageShowList list(world.ui, world.window, 0, {0, 0, 143, 269}, u"");
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(ControlWorld::DrawOps(list).size(), 1u);
    list.OnLButtonDown(0, {20, 5});
    EXPECT_EQ(list.SelectedRow(), -1);
}

} // namespace
