#include "CorvexctlRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path = fs::temp_directory_path() /
                    ("corvexctl-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    TempDir() { fs::remove_all(path); }
    ~TempDir() { fs::remove_all(path); }
};

TEST(Corvexctl, InitMakesEveryFileAndDumpReadsTheProfiles) {
    TempDir dir;
    auto init = Corvexctl("init " + dir.path.string());
    ASSERT_EQ(init.code, 0) << init.out;
    for (auto name :
         {"config.ini", "LanSetting.ini", "Lan.txt", "Lan_EN.txt", "default0.psf", "default4.psf"})
        EXPECT_TRUE(fs::exists(dir.path / "config" / name)) << name;
    EXPECT_NE(init.out.find("default4.psf"), std::string::npos);

    auto dump = Corvexctl("dump " + (dir.path / "config" / "default2.psf").string());
    ASSERT_EQ(dump.code, 0) << dump.out;
    EXPECT_NE(dump.out.find("\"settingPairs\""), std::string::npos);
    EXPECT_NE(dump.out.find("\"value\": \"100100\""), std::string::npos);
}

TEST(Corvexctl, DumpShowsDefaultSettingsAndNamesTheBadLine) {
    TempDir dir;
    ASSERT_EQ(Corvexctl("init " + dir.path.string()).code, 0);
    auto ini = dir.path / "config" / "config.ini";
    auto dump = Corvexctl("dump " + ini.string());
    ASSERT_EQ(dump.code, 0) << dump.out;
    EXPECT_NE(dump.out.find("\"value\": \"0x3311\""), std::string::npos);
    EXPECT_NE(dump.out.find("default0.psf"), std::string::npos);

    std::ofstream(ini, std::ios::binary | std::ios::app).write("X\0\n\0", 4);
    auto bad = Corvexctl("dump " + ini.string());
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.out.find("line 18"), std::string::npos) << bad.out;
}

TEST(Corvexctl, DumpRejectsADamagedFileWithoutWriting) {
    TempDir dir;
    ASSERT_EQ(Corvexctl("init " + dir.path.string()).code, 0);
    auto psf = dir.path / "config" / "default1.psf";
    fs::resize_file(psf, fs::file_size(psf) / 2);
    auto before = fs::file_size(psf);
    auto dump = Corvexctl("dump " + psf.string());
    EXPECT_EQ(dump.code, 1);
    EXPECT_NE(dump.out.find("default1.psf"), std::string::npos);
    EXPECT_NE(dump.out.find("line "), std::string::npos) << dump.out;
    EXPECT_EQ(fs::file_size(psf), before);
}

TEST(Corvexctl, DumpReadsTheLanguageFiles) {
    TempDir dir;
    ASSERT_EQ(Corvexctl("init " + dir.path.string()).code, 0);
    const struct {
        const char* file;
        const char* expected;
    } cases[] = {
        {"LanSetting.ini", "\"language\": \"EN\""},
        {"Lan.txt", "\"0\": \"中文\""},
        {"Lan_EN.txt", "\"texts\""},
    };
    for (const auto& c : cases) {
        auto dump = Corvexctl("dump " + (dir.path / "config" / c.file).string());
        EXPECT_EQ(dump.code, 0) << c.file << dump.out;
        EXPECT_NE(dump.out.find(c.expected), std::string::npos) << c.file << dump.out;
    }
}

TEST(Corvexctl, DumpNamesTheBadLineOfALanguageFile) {
    TempDir dir;
    ASSERT_EQ(Corvexctl("init " + dir.path.string()).code, 0);
    auto lan = dir.path / "config" / "Lan_EN.txt";
    std::ofstream(lan, std::ios::binary | std::ios::trunc)
        .write("\xFF\xFE[\0S\0e\0t\0t\0i\0n\0g\0]\0\n\0"
               "1\0=\0A\0\n\0"
               "B\0\n\0",
               34);
    auto bad = Corvexctl("dump " + lan.string());
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.out.find("line 3"), std::string::npos) << bad.out;
}

TEST(Corvexctl, UsageErrorsExitTwo) {
    EXPECT_EQ(Corvexctl("").code, 2);
    EXPECT_EQ(Corvexctl("dump").code, 2);
    EXPECT_EQ(Corvexctl("dump file.unknown").code, 2);
    EXPECT_EQ(Corvexctl("dump /nonexistent/x.mlf").code, 1);
}

} // namespace
