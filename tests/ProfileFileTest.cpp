#include "SettingsTestSupport.h"

#include "settings/LanguageTexts.h"
#include "settings/ProfileFile.h"
#include "settings/ProfileFiles.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

using namespace settings_test;

struct ProfileFileTest : ::testing::Test, ProfileWorld {
    ProfileFileTest() {
        texts.Set(87, u"Third");
        texts.Set(20, u"Left");
        settings.SetSensor(0x3311);
    }

    // A profile with something unusual in every block.
    void Fill(ProfileSettings& p) {
        p.Reset(1, texts, FindDpiResetSteps(0x3395));
        p.SettingPairs[1].value = u"C:\\games\\a=b.exe";
        p.XYSettingY[3] = 0xABCD;
        p.DPILevelIndication[2] = Rgb(0x12, 0x34, 0x56);
        p.Lighting1.FixedColor[10][9] = Rgb(0xFE, 0xDC, 0xBA);
        p.Lighting1.ColorSelected[10][9] = 1;
        p.Lighting1.Direction[10] = 0xEE;
        p.Lighting2.FixedColor = Rgb(1, 2, 3);
        p.PollingRateValue = {0x03, 0xA0, 0x0B};
        KeyAssignment& key = p.Keys[15];
        key.Name = u"宏";
        key.URL = u"/usr/bin/x";
        key.MacroKeyIndex = 4000000000u;
        key.Macro.SetName(u"m");
        key.Macro.SetAction(0, MacroAction{{0x00, 0x12, 0x34, 0x56}});
        key.Macro.SetAction(1, MacroAction{{0x1E, 0x80, 0x00, 0x01}});
        key.Macro.SetActionCount(2);
        key.Macro.SetAction(249, MacroAction::Key(0x2A, false));
    }
};

TEST_F(ProfileFileTest, RoundTripIsByteForByte) {
    Fill(table[0]);
    fs::path a = data.root / "a.psf", b = data.root / "b.psf";
    ASSERT_TRUE(files.WriteProfileFile(0, a));
    ASSERT_TRUE(files.ReadProfileFile(1, a));
    ASSERT_TRUE(files.WriteProfileFile(1, b));
    EXPECT_EQ(ReadBytes(a), ReadBytes(b));
    EXPECT_EQ(table[1].XYSettingY[3], 0xABCD);
    EXPECT_EQ(table[1].Lighting1.FixedColor[10][9], Rgb(0xFE, 0xDC, 0xBA));
    EXPECT_EQ(table[1].Keys[15].Macro, table[0].Keys[15].Macro);
    EXPECT_EQ(table[1].Keys[15].MacroKeyIndex, 4000000000u);
    EXPECT_EQ(table[1].GetPair(1, 1), u"C:\\games\\a=b.exe");
}

TEST_F(ProfileFileTest, WritesTheFixedLineFormats) {
    Fill(table[0]);
    fs::path a = data.root / "a.psf";
    ASSERT_TRUE(files.WriteProfileFile(0, a));
    std::vector<std::u16string> lines = ReadLines(a);
    ASSERT_EQ(lines.size(), 180u);
    EXPECT_EQ(lines[0], u"[Setting]");
    EXPECT_EQ(lines[1], u"ProfileName=");
    EXPECT_EQ(lines[17], u"PowerDownTime=20");
    EXPECT_EQ(lines[24], u"DPIOffOnFlagValue=3F");
    EXPECT_EQ(lines[25], u"\tXYSetting1ValueX=000F");
    EXPECT_EQ(lines[32], u"\tXYSetting4ValueY=ABCD");
    EXPECT_EQ(lines[41], u"\tCurrentDPILevelValue=01");
    EXPECT_EQ(lines[44], u"\tDPILevelIndication2Valuer=123456");
    EXPECT_EQ(lines[50], u"\tAngleSnapValue=00");
    EXPECT_EQ(lines[52], u"PollingRateName=500HZ");
    EXPECT_EQ(lines[53], u"\tPollingRateValue=03A00B");
    EXPECT_EQ(lines[56], u"\tLighting1OffOn=01");
    EXPECT_EQ(lines[57], u"\tLighting1Speed=01|01|01|01|01|01|01|01|01|01|00");
    EXPECT_EQ(lines[59].substr(0, 56),
              u"\tLighting1ColorSelected=00|00|00|00|00|00|00|00|00|00;00");
    EXPECT_EQ(lines[60].substr(lines[60].size() - 14), u"000000|FEDCBA;");
    EXPECT_EQ(lines[67], u"\tLighting2FixedColor=010203");
    EXPECT_EQ(lines[68], u"Key0Name=Left");
    EXPECT_EQ(lines[71], u"\tMacroKeyIndex=0");
    EXPECT_EQ(lines[176], u"\tMacroKeyIndex=4000000000");
    EXPECT_EQ(lines[177], u"\tMacroKey15Name=m");
    EXPECT_EQ(lines[178], u"\t\tMacroActionNum=2");
    EXPECT_EQ(lines[179].size(), 12u + 2000u);
    EXPECT_EQ(lines[179].substr(0, 22), u"\t\tAllAction=00123456" + std::u16string(u"1E"));
    EXPECT_EQ(lines[179].substr(lines[179].size() - 8), u"2A000000");
    EXPECT_EQ(lines[175], u"\tKey15Value=700022");
}

// Rewrites line `n` of the written profile 0 and reads it back into profile 2.
struct EditedFile : ProfileFileTest {
    fs::path path = data.root / "edited.psf";
    std::vector<std::u16string> lines;
    std::string written;

    EditedFile() {
        Fill(table[0]);
        EXPECT_TRUE(files.WriteProfileFile(0, path));
        lines = ReadLines(path);
    }
    bool ReadBack() {
        WriteLines(path, lines);
        written = ReadBytes(path);
        return files.ReadProfileFile(2, path);
    }
};

TEST_F(EditedFile, ValuesAreFoundByPositionNotByKey) {
    lines[17] = u"Anything=8";
    lines[25] = u"x=0123";
    lines[179][2] = u'Q'; // AllAction's key text is not looked at either
    ASSERT_TRUE(ReadBack());
    EXPECT_EQ(table[2].GetPair(16, 0), u"Anything");
    EXPECT_EQ(table[2].GetPair(16, 1), u"8");
    EXPECT_EQ(table[2].XYSettingX[0], 0x0123);
}

TEST_F(EditedFile, EmptyPairValueIsAccepted) {
    lines[2] = u"GameFile0=";
    EXPECT_TRUE(ReadBack());
}

TEST_F(EditedFile, ActionCountAboveLimitIsKeptAsRead) {
    lines[178] = u"\t\tMacroActionNum=300";
    ASSERT_TRUE(ReadBack());
    EXPECT_EQ(table[2].Keys[15].Macro.ActionCount(), 300u);
    files.WriteProfileFile(2, path);
    EXPECT_EQ(ReadLines(path)[179].size(), 12u + 2000u);
}

struct Damage {
    const char* what;
    size_t line;
    std::u16string text;
};

class DamagedFile : public EditedFile, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, ResetsProfileAndRewritesItsSlotFile) {
    const Damage& d = GetParam();
    if (d.line < lines.size())
        lines[d.line] = d.text;
    else
        lines.resize(179);
    table[2].Reset(2, texts, std::nullopt);
    EXPECT_FALSE(ReadBack());
    ProfileSettings expected;
    expected.Reset(2, texts, FindDpiResetSteps(settings.SensorModel()));
    EXPECT_EQ(table[2].GetPair(0, 1), u"Third");
    EXPECT_EQ(table[2].XYSettingY, expected.XYSettingY);
    EXPECT_EQ(table[2].Keys[15].Name, expected.Keys[15].Name);
    fs::path slot(settings.ProfileSlotPath(2));
    ASSERT_TRUE(fs::exists(slot));
    EXPECT_EQ(ReadLines(slot)[1], u"ProfileName=Third");
    EXPECT_EQ(ReadBytes(path), written); // the damaged file is left as it was

    int stop = 0;
    ProfileSettings scratch;
    EXPECT_FALSE(ProfileFile::Read(scratch, path, &stop));
    EXPECT_EQ(stop, static_cast<int>(std::min<size_t>(d.line, 179)) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(Damage{"header", 0, u"[setting]"}, Damage{"cut", 999, u""},
                      Damage{"no equals", 5, u"PointerSpeed5"},
                      Damage{"equals first", 30, u"=0001"},
                      Damage{"empty macro id", 176, u"\tMacroKeyIndex="},
                      Damage{"empty count", 178, u"\t\tMacroActionNum="},
                      Damage{"short actions", 179, u"\t\tAllAction=" + std::u16string(1999, u'0')},
                      Damage{"long actions", 179, u"\t\tAllAction=" + std::u16string(2001, u'0')},
                      Damage{"blank line", 100, u""}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

TEST_F(ProfileFileTest, MissingFileResetsAndWritesSlot) {
    table[4].SettingPairs[0].value = u"kept?";
    EXPECT_FALSE(files.ReadProfileFile(4, data.root / "nothing.psf"));
    EXPECT_EQ(table[4].GetPair(0, 1), u"");
    EXPECT_EQ(ReadLines(fs::path(settings.ProfileSlotPath(4))).size(), 180u);
}

TEST_F(ProfileFileTest, ReadOnlyFileCanBeImported) {
    Fill(table[0]);
    fs::path a = data.root / "ro.psf";
    ASSERT_TRUE(files.WriteProfileFile(0, a));
    fs::permissions(a, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_TRUE(files.ReadProfileFile(3, a));
    fs::permissions(a, fs::perms::owner_all, fs::perm_options::replace);
}

TEST_F(ProfileFileTest, SaveAllProfilesWritesTheFiveSlots) {
    for (size_t i = 0; i < ProfileTable::kCount; ++i)
        files.ResetProfile(i);
    files.SaveAllProfiles();
    for (size_t i = 0; i < ProfileTable::kCount; ++i)
        EXPECT_EQ(ReadLines(data.Config(u"default" + std::u16string(1, u'0' + i) + u".psf")).size(),
                  180u);
}

TEST_F(ProfileFileTest, UnwritableTargetReportsFailure) {
    EXPECT_FALSE(files.WriteProfileFile(0, data.root / "no-such-dir" / "x.psf"));
}

} // namespace
