#include "macro/MacroLibraryFile.h"

#include "settings/CStdioFileEx.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class MacroLibraryFileTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("corvex-mlf-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        path_ = dir_ / "lib.mlf";
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::u16string> Lines() const {
        CStdioFileEx file;
        std::vector<std::u16string> lines;
        std::u16string line;
        EXPECT_TRUE(file.OpenForRead(path_));
        while (file.ReadString(line))
            lines.push_back(line);
        return lines;
    }
    void Write(const std::vector<std::u16string>& lines) const {
        ASSERT_TRUE(CStdioFileEx::WriteLines(path_, lines));
    }

    fs::path dir_;
    fs::path path_;
};

// The open folder Games holding the macro Jump, identifier 1.
void BuildGames(MacroLibraryTree& tree) {
    tree.AddFolder(MacroLocation::None(), u"Games");
    tree.ItemAt(MacroLocation::At(0))->IsOpen = 1;
    tree.AddMacro(MacroLocation::At(0), u"Jump");
    MacroRecord& jump = *tree.ItemAt(MacroLocation::At(0, 0))->macro;
    jump.InsertAction(0, {{0x20, 0, 0, 0}});
    jump.InsertAction(1, MacroAction::Delay(50));
    jump.InsertAction(2, {{0x20, 0x80, 0, 0}});
    jump.MacroCommandActionNum = 2;
}

std::u16string JumpActions() {
    return u"200000000300003220800000" + [] {
        std::u16string zeros;
        for (int i = 0; i < 247; ++i)
            zeros += u"00000000";
        return zeros;
    }();
}

std::vector<std::u16string> GamesLines() {
    return {u"[MacroLibrary]",
            u"MacroKeyIndex=2",
            u"Select Locaton:stage=-1;stage0Index=0;stage1Index=0;stage2Index=0;",
            u"++++++++MacroItemName=Games",
            u"MacroItemLocation:stage=0;stage0Index=0;stage1Index=0;stage2Index=0;",
            u"MacroItemIsFolder=1",
            u"MacroItemFolderIsOpen=1",
            u"\t++++++++MacroItemName=Jump",
            u"\tMacroItemLocation:stage=1;stage0Index=0;stage1Index=0;stage2Index=0;",
            u"\tMacroItemIsFolder=0",
            u"\tMacroItemFolderIsOpen=0",
            u"\tMacroKeyIndex=1",
            u"\tMacroKeyLoopType=2",
            u"\tMacroKeyLoopNum=1",
            u"\tMacroActionNum=3",
            u"\tMacroCommandActionNum=2",
            u"\tAllAction=" + JumpActions()};
}

TEST_F(MacroLibraryFileTest, WritesTheDocumentedLines) {
    MacroLibraryTree tree;
    BuildGames(tree);
    ASSERT_TRUE(SaveLibraryFile(tree, path_, MacroLocation::None()));
    EXPECT_EQ(Lines(), GamesLines());
}

TEST_F(MacroLibraryFileTest, EmptyLibraryWritesOnlyTheHeader) {
    MacroLibraryTree tree;
    ASSERT_TRUE(SaveLibraryFile(tree, path_, MacroLocation::At(1, 2)));
    EXPECT_EQ(Lines(), (std::vector<std::u16string>{
                           u"[MacroLibrary]", u"MacroKeyIndex=1",
                           u"Select Locaton:stage=1;stage0Index=1;stage1Index=2;stage2Index=0;"}));
}

TEST_F(MacroLibraryFileTest, SaveIntoMissingFolderReportsFailure) {
    MacroLibraryTree tree;
    EXPECT_FALSE(SaveLibraryFile(tree, dir_ / "no" / "lib.mlf", MacroLocation::None()));
}

TEST_F(MacroLibraryFileTest, RoundTripKeepsEveryLevelAndField) {
    MacroLibraryTree tree;
    BuildGames(tree);
    tree.AddFolder(MacroLocation::At(0), u"Sub");
    tree.AddMacro(MacroLocation::At(0, 1), u"a=b");
    MacroRecord& deep = *tree.ItemAt(MacroLocation::At(0, 1, 0))->macro;
    deep.MacroKeyLoopType = 4;
    deep.MacroKeyLoopNum = 255;
    deep.SetAction(249, {{0xAB, 0xCD, 0xEF, 0x01}});
    tree.AddMacro(MacroLocation::None(), u"Top");
    ASSERT_TRUE(SaveLibraryFile(tree, path_, MacroLocation::At(0, 1, 0)));

    MacroLibraryTree read;
    MacroLocation header;
    LoadError error;
    ASSERT_TRUE(LoadLibraryFile(path_, read, &header, &error)) << error.reason;
    EXPECT_EQ(header, MacroLocation::At(0, 1, 0));
    EXPECT_EQ(read.NextMacroIndex, 4);
    for (auto loc : {MacroLocation::At(0), MacroLocation::At(1), MacroLocation::At(0, 0),
                     MacroLocation::At(0, 1), MacroLocation::At(0, 1, 0)}) {
        const LibraryItem* a = tree.ItemAt(loc);
        const LibraryItem* b = read.ItemAt(loc);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(a->name, b->name);
        EXPECT_EQ(a->IsFolder, b->IsFolder);
        EXPECT_EQ(a->IsOpen, b->IsOpen);
        ASSERT_EQ(a->macro == nullptr, b->macro == nullptr);
        if (a->macro) {
            EXPECT_EQ(*a->macro, *b->macro);
        }
    }
    ASSERT_TRUE(SaveLibraryFile(read, dir_ / "again.mlf", MacroLocation::At(0, 1, 0)));
    EXPECT_EQ(fs::file_size(path_), fs::file_size(dir_ / "again.mlf"));
}

TEST_F(MacroLibraryFileTest, MissingFileKeepsTheTree) {
    MacroLibraryTree tree;
    BuildGames(tree);
    LoadError error;
    EXPECT_FALSE(LoadLibraryFile(dir_ / "absent.mlf", tree, nullptr, &error));
    EXPECT_EQ(error.line, 0);
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0))->name, u"Games");
}

TEST_F(MacroLibraryFileTest, ItemsAreStoredWhereTheFileSaysInAnyOrder) {
    auto lines = GamesLines();
    // Child before parent, and the parent moved to position 7.
    std::vector<std::u16string> moved(lines.begin(), lines.begin() + 3);
    moved.insert(moved.end(), lines.begin() + 7, lines.end());
    moved[4] = u"\tMacroItemLocation:stage=1;stage0Index=7;stage1Index=3;stage2Index=0;";
    moved.insert(moved.end(), lines.begin() + 3, lines.begin() + 7);
    moved.back() = u"MacroItemFolderIsOpen=0";
    moved[moved.size() - 3] =
        u"MacroItemLocation:stage=0;stage0Index=7;stage1Index=9;stage2Index=0;";
    Write(moved);
    MacroLibraryTree tree;
    ASSERT_TRUE(LoadLibraryFile(path_, tree));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(7))->name, u"Games");
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(7, 3))->name, u"Jump");
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(0))->IsFree());
}

struct BadFile {
    const char* what;
    size_t line;         // 0-based line of GamesLines() to replace
    std::u16string text; // replacement; empty cuts the file there
    bool gamesKept;      // the folder before the bad item survives
    int errorLine;
};

void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.what;
}

class MalformedLibraryFile : public MacroLibraryFileTest,
                             public testing::WithParamInterface<BadFile> {};

TEST_P(MalformedLibraryFile, StopsAtTheBadLineAndKeepsEarlierItems) {
    const auto& c = GetParam();
    auto lines = GamesLines();
    if (c.text.empty())
        lines.resize(c.line);
    else
        lines[c.line] = c.text;
    Write(lines);
    MacroLibraryTree tree;
    tree.AddMacro(MacroLocation::None(), u"old");
    LoadError error;
    EXPECT_FALSE(LoadLibraryFile(path_, tree, nullptr, &error));
    EXPECT_EQ(error.line, c.errorLine) << error.reason;
    EXPECT_FALSE(error.reason.empty());
    EXPECT_NE(tree.ItemAt(MacroLocation::At(0))->name, u"old");
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0))->name == u"Games", c.gamesKept);
    EXPECT_TRUE(tree.ItemAt(MacroLocation::At(0, 0))->IsFree());
}

const std::u16string kLoc = u"\tMacroItemLocation:stage=";

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedLibraryFile,
    testing::Values(
        BadFile{"wrong first line", 0, u"[MacroLibrary] ", false, 1},
        BadFile{"no identifier", 1, u"MacroKeyIndex=", false, 2},
        BadFile{"no header location", 2, u"", false, 3},
        BadFile{"header location cut", 2, u"Select Locaton:stage=0;stage0Index=1;", false, 3},
        BadFile{"header index too large", 2,
                u"Select Locaton:stage=0;stage0Index=60;stage1Index=0;stage2Index=0;", false, 3},
        BadFile{"name without value", 7, u"\t++++++++MacroItemName=", true, 8},
        BadFile{"stage -1", 8, kLoc + u"-1;stage0Index=0;stage1Index=0;stage2Index=0;", true, 9},
        BadFile{"stage 3", 8, kLoc + u"3;stage0Index=0;stage1Index=0;stage2Index=0;", true, 9},
        BadFile{"index 60", 8, kLoc + u"1;stage0Index=0;stage1Index=60;stage2Index=0;", true, 9},
        BadFile{"negative index", 8, kLoc + u"1;stage0Index=-1;stage1Index=0;stage2Index=0;", true,
                9},
        BadFile{"huge index", 8,
                kLoc + u"1;stage0Index=99999999999999999999;stage1Index=0;stage2Index=0;", true, 9},
        BadFile{"folder flag missing", 9, u"\tMacroItemIsFolder", true, 10},
        BadFile{"action count 251", 14, u"\tMacroActionNum=251", true, 15},
        BadFile{"action count negative", 14, u"\tMacroActionNum=-1", true, 15},
        BadFile{"action text 1999", 16, u"\tAllAction=" + JumpActions().substr(1), true, 17},
        BadFile{"action text 2001", 16, u"\tAllAction=" + JumpActions() + u"0", true, 17},
        BadFile{"action text missing", 16, u"", true, 17},
        BadFile{"record cut", 12, u"", true, 13}));

TEST_F(MacroLibraryFileTest, WithoutHeaderLocationTreeIsEmptyButIdentifierRead) {
    auto lines = GamesLines();
    lines.resize(2);
    lines[1] = u"MacroKeyIndex=42";
    Write(lines);
    MacroLibraryTree tree;
    EXPECT_FALSE(LoadLibraryFile(path_, tree));
    EXPECT_EQ(tree.NextMacroIndex, 42);
    EXPECT_EQ(tree.VisibleRowCount(), 0);
}

TEST_F(MacroLibraryFileTest, ActionCountAtLimitIsKept) {
    auto lines = GamesLines();
    lines[14] = u"\tMacroActionNum=250";
    Write(lines);
    MacroLibraryTree tree;
    ASSERT_TRUE(LoadLibraryFile(path_, tree));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0, 0))->macro->ActionCount(), 250u);
}

TEST_F(MacroLibraryFileTest, MalformedHexReadsLeadingDigits) {
    auto lines = GamesLines();
    std::u16string actions = JumpActions();
    actions.replace(0, 8, u"G12Zzz-1");
    lines[16] = u"\tAllAction=" + actions;
    Write(lines);
    MacroLibraryTree tree;
    ASSERT_TRUE(LoadLibraryFile(path_, tree));
    const MacroRecord& r = *tree.ItemAt(MacroLocation::At(0, 0))->macro;
    EXPECT_EQ(r.GetAction(0).bytes, (std::array<uint8_t, 4>{0x00, 0x02, 0x00, 0x00}));
    EXPECT_EQ(r.GetAction(1), MacroAction::Delay(50));
}

TEST_F(MacroLibraryFileTest, SmallFieldsKeepLowBitsAndEmptyLineEndsRead) {
    auto lines = GamesLines();
    lines[12] = u"\tMacroKeyLoopType=260";
    lines.push_back(u"");
    lines.push_back(u"garbage that is never read");
    Write(lines);
    MacroLibraryTree tree;
    ASSERT_TRUE(LoadLibraryFile(path_, tree));
    EXPECT_EQ(tree.ItemAt(MacroLocation::At(0, 0))->macro->MacroKeyLoopType, 4);
}

struct LocationCase {
    std::u16string line;
    bool ok;
    MacroLocation value;
};

TEST(ParseLocation, ReadsNumbersAfterEachEqualsSign) {
    const LocationCase cases[] = {
        {u"x:stage=2;stage0Index=3;stage1Index=4;stage2Index=5;", true, {2, 3, 4, 5}},
        {u"a=-1;b=+7;c=x;d=12abc", true, {-1, 7, 0, 12}},
        {u"a=1;b=2;c=3", false, {1, 2, 3, 0}},
        {u"a=1;b=2;c=3;d=", false, {1, 2, 3, 0}},
        {u"", false, {-1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        MacroLocation partial;
        auto parsed = ParseLocation(c.line, &partial);
        EXPECT_EQ(parsed.has_value(), c.ok);
        EXPECT_EQ(partial, c.value);
    }
}

} // namespace
