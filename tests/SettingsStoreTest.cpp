#include "SettingsTestSupport.h"

#include "settings/LanguageTexts.h"
#include "settings/ProfileFiles.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

using namespace settings_test;

struct SettingsStoreTest : ::testing::Test, ProfileWorld {
    fs::path Ini() const { return data.Config(u"config.ini"); }
    fs::path Slot(int i) const {
        return data.Config(u"default" + std::u16string(1, char16_t(u'0' + i)) + u".psf");
    }
    std::vector<std::u16string> DefaultLines() const {
        std::vector<std::u16string> lines = {u"[Setting]"};
        for (size_t i = 0; i < SettingsStore::kPairCount; ++i)
            lines.push_back(settings.GetSetting(i, 0) + u"=" + settings.GetSetting(i, 1));
        return lines;
    }
};

TEST_F(SettingsStoreTest, DefaultsAreTheStoredKeysAndValues) {
    EXPECT_EQ(settings.GetSetting(0, 0), u"Sensor");
    EXPECT_EQ(settings.GetSetting(0, 1), u"0x3311");
    EXPECT_EQ(settings.GetSetting(1, 1), u"0xCCEE");
    EXPECT_EQ(settings.GetSetting(2, 1), u"0xFFFFFFFF");
    EXPECT_EQ(settings.GetSetting(10, 0), u"ProfileShowList4");
    EXPECT_EQ(settings.GetSetting(13, 1), Slot(2).u16string());
    EXPECT_EQ(settings.GetSetting(16, 0), u"");
    EXPECT_EQ(settings.GetSetting(16, 1), u"");
}

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndWritesSixFiles) {
    EXPECT_FALSE(settings.LoadSettings(files));
    EXPECT_EQ(ReadLines(Ini()), DefaultLines());
    EXPECT_EQ(ReadLines(Ini())[1], u"Sensor=0x3311");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(ReadLines(Slot(i)).size(), 180u) << i;
    EXPECT_EQ(settings.SensorModel(), 0x3311);
    EXPECT_EQ(table[0].XYSettingX, *FindDpiResetSteps(0x3311));
    EXPECT_EQ(table[4].XYSettingY, *FindDpiResetSteps(0x3311));
    EXPECT_FALSE(fs::exists(Ini().u16string() + u".tmp"));
}

struct BadLine {
    const char* what;
    std::vector<std::u16string> lines;
};

class MalformedSettings : public SettingsStoreTest,
                          public ::testing::WithParamInterface<BadLine> {};

TEST_P(MalformedSettings, WholeFileFallsBackToDefaults) {
    WriteLines(Ini(), GetParam().lines);
    WriteLines(Slot(1), {u"[Setting]", u"ProfileName=Mine"});
    EXPECT_FALSE(settings.LoadSettings(files));
    EXPECT_EQ(settings.GetSetting(5, 1), u"3");
    EXPECT_EQ(settings.GetSetting(0, 0), u"Sensor");
    EXPECT_EQ(ReadLines(Ini()), DefaultLines());
    EXPECT_EQ(ReadLines(Slot(1)).size(), 180u);
}

std::vector<std::u16string> SeventeenLines() {
    std::vector<std::u16string> lines = {u"[Setting]"};
    for (int i = 0; i < 17; ++i)
        lines.push_back(u"K=1");
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedSettings,
    ::testing::Values(BadLine{"empty_value", {u"[Setting]", u"Sensor=0x3104", u"PreST="}},
                      BadLine{"equals_first", {u"[Setting]", u"Sensor=0x3104", u"=3"}},
                      BadLine{"no_equals", {u"[Setting]", u"Sensor"}},
                      BadLine{"header_case", {u"[setting]", u"Sensor=0x3104"}},
                      BadLine{"no_header", {u"Sensor=0x3104"}},
                      BadLine{"seventeen_lines", SeventeenLines()}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsStoreTest, HeaderOnlyIsAcceptedAndLeavesPairs) {
    WriteLines(Ini(), {u"[Setting]"});
    EXPECT_TRUE(settings.LoadSettings(files));
    EXPECT_EQ(settings.GetSetting(0, 1), u"0x3311");
    // Every profile file was missing: each was reset and written.
    EXPECT_EQ(ReadLines(Slot(3)).size(), 180u);
}

TEST_F(SettingsStoreTest, BlankLineEndsReadingAndIsAccepted) {
    WriteLines(Ini(), {u"[Setting]", u"Sensor=0x3311", u"PreST=0xCCEE", u"Mac_ID=0x1",
                       u"DataChange=0x1234", u"CurrentProfile=2", u"", u"ProfileShowList0=4"});
    EXPECT_TRUE(settings.LoadSettings(files));
    EXPECT_EQ(settings.GetCurrentProfile(), 2u);
    EXPECT_EQ(settings.GetSetting(2, 1), u"0x1");
    EXPECT_EQ(settings.GetProfileShowCount(), 3u);
    EXPECT_EQ(settings.GetProfileShowList(0), 0u);
}

TEST_F(SettingsStoreTest, TrailingLineFeedAfterSixteenPairsIsAccepted) {
    std::vector<std::u16string> lines = DefaultLines();
    lines[6] = u"ProfileShowCount=5";
    WriteLines(Ini(), lines);
    std::string bytes = ReadBytes(Ini()) + std::string("\n\0", 2);
    std::ofstream(Ini(), std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_TRUE(settings.LoadSettings(files));
    EXPECT_EQ(settings.GetProfileShowCount(), 5u);
}

TEST_F(SettingsStoreTest, KeysAreTakenByPosition) {
    WriteLines(Ini(), {u"[Setting]", u"Whatever=0x3104"});
    EXPECT_TRUE(settings.LoadSettings(files));
    EXPECT_EQ(settings.SensorModel(), 0x3104);
    // The sensor differs from the one the profiles were made for, so the file was rewritten.
    std::vector<std::u16string> lines = ReadLines(Ini());
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[1], u"Whatever=0x3104");
    EXPECT_EQ(lines[2], u"PreST=0xCEFB");
}

TEST_F(SettingsStoreTest, SensorChangeResetsDpiOfAllProfilesAndCurrentProfile) {
    ASSERT_FALSE(settings.LoadSettings(files));
    for (int i = 0; i < 5; ++i) {
        table[i].XYSettingX.fill(0x99);
        table[i].SettingPairs[0].value = u"kept";
    }
    files.SaveAllProfiles();
    settings.SetSensor(0x3360);
    settings.SaveSettings(3);

    ProfileTable fresh;
    SettingsStore reloaded(data.folder);
    ProfileFiles freshFiles(fresh, reloaded, texts);
    EXPECT_TRUE(reloaded.LoadSettings(freshFiles));
    EXPECT_EQ(reloaded.ProfilesSensorModel(), 0x3360);
    EXPECT_EQ(reloaded.GetCurrentProfile(), 0u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(fresh[i].XYSettingX, *FindDpiResetSteps(0x3360)) << i;
        EXPECT_EQ(fresh[i].GetPair(0, 1), u"kept");
        EXPECT_EQ(ReadLines(Slot(i))[25], u"\tXYSetting1ValueX=0003");
    }
    EXPECT_EQ(ReadLines(Ini())[5], u"CurrentProfile=0");
}

TEST_F(SettingsStoreTest, UnchangedSensorKeepsProfilesAndCurrentProfile) {
    ASSERT_FALSE(settings.LoadSettings(files));
    table[1].XYSettingX.fill(0x99);
    files.SaveAllProfiles();
    settings.SaveSettings(3);

    ProfileTable fresh;
    SettingsStore reloaded(data.folder);
    ProfileFiles freshFiles(fresh, reloaded, texts);
    EXPECT_TRUE(reloaded.LoadSettings(freshFiles));
    EXPECT_EQ(reloaded.GetCurrentProfile(), 3u);
    EXPECT_EQ(fresh[1].XYSettingX[0], 0x99);
}

TEST_F(SettingsStoreTest, HexValuesAreFourWideSpacePadded) {
    settings.SetPreST(0x123);
    EXPECT_EQ(settings.GetSetting(1, 1), u"0x 123");
    settings.SetSensor(0xCCEE);
    EXPECT_EQ(settings.GetSetting(0, 1), u"0xCCEE");
    EXPECT_EQ(settings.SensorModel(), 0xCCEE);
    settings.SetPreST(0x3104);
    EXPECT_EQ(settings.ProfilesSensorModel(), static_cast<uint16_t>(~0x3104));
}

TEST_F(SettingsStoreTest, ProfileIndicesAreClampedToTheTable) {
    settings.SetCurrentProfile(9);
    EXPECT_EQ(settings.GetSetting(4, 1), u"9");
    EXPECT_EQ(settings.GetCurrentProfile(), 4u);
    settings.SetProfileShowList(2, 1);
    EXPECT_EQ(settings.GetProfileShowList(2), 1u);
    settings.SetProfileShowList(5, 3);
    EXPECT_EQ(settings.GetSetting(11, 0), u"ProfileSlot0URL");
    settings.SetProfileShowCount(4);
    EXPECT_EQ(settings.GetProfileShowCount(), 4u);
}

TEST_F(SettingsStoreTest, SaveWritesCurrentProfileAndReportsFailure) {
    EXPECT_TRUE(settings.SaveSettings(2));
    EXPECT_EQ(ReadLines(Ini())[5], u"CurrentProfile=2");
    fs::remove_all(data.root / "config");
    EXPECT_FALSE(settings.SaveSettings(1));
    EXPECT_EQ(settings.GetCurrentProfile(), 1u);
}

TEST_F(SettingsStoreTest, ReadOnlySettingsFileIsRead) {
    WriteLines(Ini(), {u"[Setting]", u"Sensor=0x3311", u"PreST=0xCCEE", u"Mac_ID=0x7"});
    fs::permissions(Ini(), fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_TRUE(settings.LoadSettings(files));
    EXPECT_EQ(settings.GetSetting(2, 1), u"0x7");
    fs::permissions(Ini(), fs::perms::owner_all, fs::perm_options::replace);
}

} // namespace
