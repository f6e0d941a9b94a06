#include "macro/MacroExchange.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

class MacroExchangeTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("corvex-exchange-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        // Level 0: m1 m2 m3 (identifiers 1-3), folder F holding f1 and folder G (holding g1).
        for (auto name : {u"m1", u"m2", u"m3"})
            source_.AddMacro(MacroLocation::None(), name);
        source_.AddFolder(MacroLocation::None(), u"F");
        source_.AddMacro(MacroLocation::At(3), u"f1");
        source_.AddFolder(MacroLocation::At(3), u"G");
        source_.AddMacro(MacroLocation::At(3, 1), u"g1");
        source_.ItemAt(MacroLocation::At(1))->macro->InsertAction(0, MacroAction::Delay(7));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::u16string NameAt(const MacroLocation& l) const { return target_.ItemAt(l)->name; }

    fs::path dir_;
    MacroLibraryTree source_;
    MacroLibraryTree target_;
};

TEST_F(MacroExchangeTest, MacroExportNeedsASelectedMacro) {
    EXPECT_FALSE(ExportMacro(source_, MacroLocation::At(3), dir_ / "f.mkf"));
    EXPECT_FALSE(fs::exists(dir_ / "f.mkf"));
    EXPECT_EQ(ExportMacroFileName(source_, MacroLocation::At(1)), u"m2.mkf");
    EXPECT_EQ(ExportGroupFileName(source_, MacroLocation::None()), u"AllMacroKey.mbf");
}

TEST_F(MacroExchangeTest, ImportedMacroGetsFreshIdentifierAndCopiedRecord) {
    ASSERT_TRUE(ExportMacro(source_, MacroLocation::At(1), dir_ / "m.mkf"));
    target_.NextMacroIndex = 50;
    SelectedLocation sel;
    EXPECT_EQ(ImportMacro(target_, sel, dir_ / "m.mkf"), ImportResult::Imported);
    EXPECT_EQ(sel, MacroLocation::At(0));
    const MacroRecord& r = *target_.ItemAt(sel)->macro;
    EXPECT_EQ(r.Name(), u"m2");
    EXPECT_EQ(r.MacroKeyIndex, 50u);
    EXPECT_EQ(r.ActionCount(), 1u);
    EXPECT_EQ(r.GetAction(0), MacroAction::Delay(7));
    EXPECT_EQ(target_.MacroById(2), nullptr);
    EXPECT_EQ(ImportMacro(target_, sel, dir_ / "m.mkf"), ImportResult::Duplicate);
    EXPECT_TRUE(target_.ItemAt(MacroLocation::At(1))->IsFree());
    EXPECT_EQ(ImportMacro(target_, sel, dir_ / "absent.mkf"), ImportResult::Nothing);
}

TEST_F(MacroExchangeTest, GroupFromAMacroTakesItAndLaterSiblings) {
    ASSERT_TRUE(ExportGroup(source_, MacroLocation::At(2), dir_ / "g.mbf"));
    target_.AddFolder(MacroLocation::None(), u"T");
    SelectedLocation sel = MacroLocation::At(0);
    EXPECT_EQ(ImportGroup(target_, sel, dir_ / "g.mbf"), ImportResult::Imported);
    EXPECT_EQ(NameAt(MacroLocation::At(0, 0)), u"m3");
    EXPECT_EQ(NameAt(MacroLocation::At(0, 1)), u"F");
    EXPECT_EQ(NameAt(MacroLocation::At(0, 1, 0)), u"f1");
    EXPECT_TRUE(target_.ItemAt(MacroLocation::At(0, 1, 1))->IsFree()); // folder G dropped
    EXPECT_EQ(target_.ItemAt(MacroLocation::At(0))->IsOpen, 1);
    EXPECT_EQ(sel, MacroLocation::At(0, 1));
}

TEST_F(MacroExchangeTest, WholeGroupWithoutSelectionSkipsFolders) {
    ASSERT_TRUE(ExportGroup(source_, MacroLocation::None(), dir_ / "all.mbf"));
    SelectedLocation sel;
    EXPECT_EQ(ImportGroup(target_, sel, dir_ / "all.mbf"), ImportResult::Imported);
    EXPECT_EQ(target_.VisibleRowCount(), 3);
    EXPECT_EQ(NameAt(MacroLocation::At(2)), u"m3");
    EXPECT_EQ(sel, MacroLocation::At(2));
    int32_t next = target_.NextMacroIndex;
    EXPECT_EQ(ImportGroup(target_, sel, dir_ / "all.mbf"), ImportResult::Duplicate);
    EXPECT_EQ(target_.NextMacroIndex, next);
    EXPECT_EQ(target_.VisibleRowCount(), 3);
}

} // namespace
