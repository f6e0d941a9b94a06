#include "macro/MacroLibraryTree.h"

#include <gtest/gtest.h>

namespace {

std::u16string Name(char c) {
    return std::u16string(1, static_cast<char16_t>(c));
}

TEST(MacroLibraryTree, NewTreeIsEmpty) {
    MacroLibraryTree tree;
    EXPECT_EQ(tree.NextMacroIndex, 1);
    EXPECT_EQ(tree.VisibleRowCount(), 0);
    EXPECT_EQ(tree.ItemAt(MacroLocation::None()), nullptr);
    EXPECT_EQ(tree.ItemAt({3, 0, 0, 0}), nullptr);
    EXPECT_EQ(tree.ItemAt({0, 60, 0, 0}), nullptr);
    EXPECT_EQ(tree.ItemAt({1, 0, -1, 0}), nullptr);
}

TEST(MacroLibraryTree, AddMacroTakesFirstFreeSlotAndNextIdentifier) {
    MacroLibraryTree tree;
    EXPECT_EQ(tree.AddMacro(MacroLocation::None(), u"a"), MacroLocation::At(0));
    EXPECT_EQ(tree.AddFolder(MacroLocation::None(), u"f"), MacroLocation::At(1));
    EXPECT_EQ(tree.AddMacro(MacroLocation::At(1), u"b"), MacroLocation::At(1, 0));
    EXPECT_EQ(tree.NextMacroIndex, 3);
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(1, 0))->macro->MacroKeyIndex, 2u);
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(1))->macro, nullptr);
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(1))->IsFolder, 1);
}

TEST(MacroLibraryTree, FullListAddsNothing) {
    MacroLibraryTree tree;
    for (int i = 0; i < 60; ++i)
        ASSERT_FALSE(
            tree.AddMacro(MacroLocation::None(), u"m" + Name('0' + i % 10) + Name('0' + i / 10))
                .IsNone());
    EXPECT_TRUE(tree.AddMacro(MacroLocation::None(), u"x").IsNone());
    EXPECT_EQ(tree.NextMacroIndex, 61);
    SelectedLocation sel;
    EXPECT_EQ(tree.CreateMacroAt(u"x", sel), CreateResult::NotCreated);
    EXPECT_TRUE(sel.IsNone());
}

struct CreateCase {
    const char* what;
    SelectedLocation selection;
    bool folder;
    CreateResult result;
    MacroLocation created;
};

void PrintTo(const CreateCase& c, std::ostream* os) {
    *os << c.what;
}

class CreateAt : public testing::TestWithParam<CreateCase> {};

// Level-0 folder F (0) with a level-1 folder G (0,0) and a macro m (0,1); level-0 macro M (1).
TEST_P(CreateAt, ChoosesTargetFromSelection) {
    MacroLibraryTree tree;
    tree.AddFolder(MacroLocation::None(), u"F");
    tree.AddMacro(MacroLocation::None(), u"M");
    tree.AddFolder(MacroLocation::At(0), u"G");
    tree.AddMacro(MacroLocation::At(0), u"m");
    const auto& c = GetParam();
    SelectedLocation sel = c.selection;
    int32_t next = tree.NextMacroIndex;
    auto result = c.folder ? tree.CreateFolderAt(u"new", sel) : tree.CreateMacroAt(u"new", sel);
    EXPECT_EQ(result, c.result) << c.what;
    if (c.result == CreateResult::Created) {
        EXPECT_EQ(sel, c.created) << c.what;
        EXPECT_EQ(tree.ItemAt(sel)->name, u"new");
        EXPECT_EQ(tree.NextMacroIndex, next + (c.folder ? 0 : 1));
    } else {
        EXPECT_EQ(sel, c.selection) << c.what;
        EXPECT_EQ(tree.NextMacroIndex, next);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CreateAt,
    testing::Values(CreateCase{"macro, nothing", MacroLocation::None(), false,
                               CreateResult::Created, MacroLocation::At(2)},
                    CreateCase{"macro in level-0 folder", MacroLocation::At(0), false,
                               CreateResult::Created, MacroLocation::At(0, 2)},
                    CreateCase{"macro in level-1 folder", MacroLocation::At(0, 0), false,
                               CreateResult::Created, MacroLocation::At(0, 0, 0)},
                    CreateCase{"macro beside level-1 macro", MacroLocation::At(0, 1), false,
                               CreateResult::Created, MacroLocation::At(2)},
                    CreateCase{"folder in level-0 folder", MacroLocation::At(0), true,
                               CreateResult::Created, MacroLocation::At(0, 2)},
                    CreateCase{"folder in level-1 folder",
                               MacroLocation::At(0, 0),
                               true,
                               CreateResult::NotCreated,
                               {}},
                    CreateCase{"folder with level-1 macro", MacroLocation::At(0, 1), true,
                               CreateResult::Created, MacroLocation::At(2)},
                    CreateCase{"free slot selected", MacroLocation::At(5), false,
                               CreateResult::Created, MacroLocation::At(2)}));

TEST(MacroLibraryTree, DuplicateNameChangesNothing) {
    MacroLibraryTree tree;
    tree.AddMacro(MacroLocation::None(), u"Jump");
    SelectedLocation sel;
    EXPECT_EQ(tree.CreateMacroAt(u"Jump", sel), CreateResult::Duplicate);
    EXPECT_EQ(tree.CreateFolderAt(u"Jump", sel), CreateResult::Duplicate);
    EXPECT_EQ(tree.NextMacroIndex, 2);
    EXPECT_TRUE(sel.IsNone());
    EXPECT_EQ(tree.CreateMacroAt(u"jump", sel), CreateResult::Created);
}

TEST(MacroLibraryTree, DeleteMovesFollowingSubtreesUp) {
    MacroLibraryTree tree;
    for (char c = 'a'; c <= 'e'; ++c)
        tree.AddFolder(MacroLocation::None(), Name(c));
    tree.AddFolder(MacroLocation::At(3), u"d1");
    tree.AddMacro(MacroLocation::At(3, 0), u"d11");
    tree.AddMacro(MacroLocation::At(4), u"e1");
    tree.AddMacro(MacroLocation::None(), u"z"); // position 5
    tree.DeleteItem(MacroLocation::At(2));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(2))->name, u"d");
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(2, 0))->name, u"d1");
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(2, 0, 0))->name, u"d11");
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(3, 0))->name, u"e1");
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(4))->name, u"z");
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(4, 0))->IsFree());
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(5))->IsFree());
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(59))->IsFree());
}

TEST(MacroLibraryTree, DeleteLastSlotOfFullList) {
    MacroLibraryTree tree;
    for (int i = 0; i < 60; ++i)
        tree.AddMacro(MacroLocation::None(), Name('A' + i % 26) + Name('A' + i / 26));
    tree.AddMacro(MacroLocation::At(59), u"not a folder, but safe");
    tree.DeleteItem(MacroLocation::At(59));
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(59))->IsFree());
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(59))->children, nullptr);
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(58))->name, Name('A' + 58 % 26) + Name('C'));
}

TEST(MacroLibraryTree, ClearAndCollapse) {
    MacroLibraryTree tree;
    tree.AddFolder(MacroLocation::None(), u"f");
    tree.AddFolder(MacroLocation::At(0), u"g");
    tree.ItemAt(MacroLocation::At(0))->IsOpen = 1;
    tree.ItemAt(MacroLocation::At(0, 0))->IsOpen = 1;
    tree.CollapseAllFolders();
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0))->IsOpen, 0);
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0, 0))->IsOpen, 0);
    tree.ClearLibrary();
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(0))->IsFree());
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(0, 0))->IsFree());
}

TEST(MacroLibraryTree, LookupsByIdentifier) {
    MacroLibraryTree tree;
    tree.AddFolder(MacroLocation::None(), u"f");
    tree.AddFolder(MacroLocation::At(0), u"g");
    tree.AddMacro(MacroLocation::At(0, 0), u"deep"); // identifier 1
    tree.AddMacro(MacroLocation::None(), u"top");    // identifier 2
    EXPECT_EQ(tree.FindMacro(1), MacroLocation::At(0, 0, 0));
    EXPECT_EQ(tree.FindMacro(2), MacroLocation::At(1));
    EXPECT_TRUE(tree.FindMacro(3).IsNone());
    ASSERT_NE(tree.MacroById(1), nullptr);
    EXPECT_EQ(tree.MacroById(1)->Name(), u"deep");
    EXPECT_EQ(tree.MacroById(9), nullptr);
    EXPECT_TRUE(tree.MacroInUse(1, MacroLocation::At(0)));
    EXPECT_TRUE(tree.MacroInUse(1, MacroLocation::At(0, 0)));
    EXPECT_FALSE(tree.MacroInUse(2, MacroLocation::At(0)));
    EXPECT_TRUE(tree.MacroInUse(2, MacroLocation::At(1)));
    EXPECT_FALSE(tree.MacroInUse(1, MacroLocation::None()));
}

TEST(MacroLibraryTree, RowsFollowOpenFolders) {
    MacroLibraryTree tree;
    tree.AddFolder(MacroLocation::None(), u"f");
    tree.AddFolder(MacroLocation::At(0), u"g");
    tree.AddMacro(MacroLocation::At(0, 0), u"deep");
    tree.AddMacro(MacroLocation::None(), u"top");
    EXPECT_EQ(tree.VisibleRowCount(), 2);
    EXPECT_EQ(tree.LocationToRow(MacroLocation::At(0, 0)), -1);
    EXPECT_EQ(tree.RowToLocation(1), MacroLocation::At(1));
    tree.ItemAt(MacroLocation::At(0))->IsOpen = 1;
    tree.ItemAt(MacroLocation::At(0, 0))->IsOpen = 1;
    EXPECT_EQ(tree.VisibleRowCount(), 4);
    EXPECT_EQ(tree.RowToLocation(1), MacroLocation::At(0, 0));
    EXPECT_EQ(tree.RowToLocation(2), MacroLocation::At(0, 0, 0));
    EXPECT_EQ(tree.LocationToRow(MacroLocation::At(1)), 3);
    EXPECT_TRUE(tree.RowToLocation(4).IsNone());
    EXPECT_TRUE(tree.RowToLocation(-1).IsNone());
}

} // namespace
