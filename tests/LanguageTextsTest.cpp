#include "SettingsTestSupport.h"

#include "settings/LanguageTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace settings_test;

struct LanguageTextsTest : ::testing::Test {
    TempDataFolder data;
    LanguageTexts texts;

    void Language(const std::u16string& value) {
        WriteLines(data.Config(u"LanSetting.ini"), {u"[ChangeLanguage]", u"Any=" + value});
    }
};

TEST_F(LanguageTextsTest, ChineseMarkerChoosesChineseFont) {
    WriteLines(data.Config(u"Lan.txt"), {u"[Setting]", u"0=中文", u"1=打开"});
    EXPECT_TRUE(texts.ChangeLanguage(data.folder, 1.5f));
    EXPECT_EQ(texts.Get(1), u"打开");
    EXPECT_EQ(texts.GetFont().face, u"宋体");
    EXPECT_EQ(texts.GetFont().charset, 134);
    EXPECT_EQ(texts.GetFont().height, 18);
}

TEST_F(LanguageTextsTest, ValueEnSelectsEnglishFileCaseSensitively) {
    WriteLines(data.Config(u"Lan_EN.txt"), {u"[Setting]", u"0=English", u"2=Exit"});
    WriteLines(data.Config(u"Lan.txt"), {u"[Setting]", u"2=退出"});
    Language(u"EN");
    EXPECT_TRUE(texts.ChangeLanguage(data.folder, 2.0f));
    EXPECT_EQ(texts.Get(2), u"Exit");
    EXPECT_EQ(texts.GetFont().face, u"Tahoma");
    EXPECT_EQ(texts.GetFont().height, 32);
    Language(u"en");
    EXPECT_TRUE(texts.ChangeLanguage(data.folder, 1.0f));
    EXPECT_EQ(texts.Get(2), u"退出");
}

TEST_F(LanguageTextsTest, EmptyTextsSecondEqualsAndOutOfRangeNumbers) {
    WriteLines(data.Config(u"Lan.txt"), {u"[Setting]", u"3=old", u"3=", u"4=a=b", u"500=x",
                                         u"99999999=y", u"-1=z", u"499=last"});
    EXPECT_TRUE(texts.ChangeLanguage(data.folder, 1.0f));
    EXPECT_EQ(texts.Get(3), u"");
    EXPECT_EQ(texts.Get(4), u"a=b");
    EXPECT_EQ(texts.Get(499), u"last");
    EXPECT_EQ(texts.Get(500), u"");
}

TEST_F(LanguageTextsTest, BadLineEndsReadingAndKeepsInitialFont) {
    const std::u16string bad[] = {u"=x", u"7 no equals"};
    for (const auto& line : bad) {
        LanguageTexts fresh;
        WriteLines(data.Config(u"Lan.txt"), {u"[Setting]", u"5=kept", line, u"6=lost"});
        EXPECT_FALSE(fresh.ChangeLanguage(data.folder, 2.0f));
        EXPECT_EQ(fresh.Get(5), u"kept");
        EXPECT_EQ(fresh.Get(6), u"");
        EXPECT_EQ(fresh.GetFont().face, u"宋体");
        EXPECT_EQ(fresh.GetFont().height, 12);
    }
}

TEST_F(LanguageTextsTest, MissingFileOrHeaderFails) {
    EXPECT_FALSE(texts.ChangeLanguage(data.folder, 1.0f));
    WriteLines(data.Config(u"Lan.txt"), {u"[Settings]", u"1=x"});
    EXPECT_FALSE(texts.ChangeLanguage(data.folder, 1.0f));
    EXPECT_EQ(texts.Get(1), u"");
}

} // namespace

namespace {

using namespace settings_test;

TEST(ProductLanguageFiles, LoadCompletelyInBothLanguages) {
    TempDataFolder data;
    for (const char* name : {"Lan_EN.txt", "Lan.txt", "LanSetting.ini"})
        fs::copy_file(fs::path(CORVEX_ASSETS_DIR) / "lang" / name, data.root / "config" / name);
    LanguageTexts english;
    ASSERT_TRUE(english.ChangeLanguage(data.folder, 1.0f));
    EXPECT_EQ(english.Get(2), u"Exit");
    EXPECT_EQ(english.Get(289), u"Choose a program");
    EXPECT_EQ(english.GetFont().face, u"Tahoma");

    fs::remove(data.root / "config" / "LanSetting.ini");
    LanguageTexts chinese;
    ASSERT_TRUE(chinese.ChangeLanguage(data.folder, 1.0f));
    EXPECT_EQ(chinese.Get(0), u"中文");
    EXPECT_EQ(chinese.Get(2), u"退出");
    EXPECT_EQ(chinese.GetFont().face, u"宋体");
}

} // namespace
