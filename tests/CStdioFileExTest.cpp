#include "settings/CStdioFileEx.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("corvex-textfile-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

std::vector<std::u16string> ReadAll(const fs::path& p) {
    CStdioFileEx f;
    EXPECT_TRUE(f.OpenForRead(p));
    std::vector<std::u16string> lines;
    std::u16string line;
    while (f.ReadString(line))
        lines.push_back(line);
    return lines;
}

TEST(CStdioFileEx, WritesBomUtf16LeAndLineFeedsOnly) {
    TempDir dir;
    auto p = dir.path / "a.txt";
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, {u"[A]", u"\u4e2d"}));
    EXPECT_EQ(ReadBytes(p), std::string("\xFF\xFE[\0A\0]\0\n\0\x2d\x4e\n\0", 14));
    EXPECT_FALSE(fs::exists(dir.path / "a.txt.tmp"));
}

TEST(CStdioFileEx, LineFeedInsideAValueKeepsTheLinesInPlace) {
    TempDir dir;
    auto p = dir.path / "n.txt";
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, {u"Name=two\nlines", u"Next=1"}));
    EXPECT_EQ(ReadAll(p), (std::vector<std::u16string>{u"Name=two lines", u"Next=1"}));
}

TEST(CStdioFileEx, ReadSkipsFirstTwoBytesWhateverTheyAre) {
    TempDir dir;
    auto p = dir.path / "b.txt";
    WriteBytes(p, std::string("XYa\0b\0\n\0c\0", 10));
    EXPECT_EQ(ReadAll(p), (std::vector<std::u16string>{u"ab", u"c"}));
}

TEST(CStdioFileEx, EmptyLineEndsReadingAndCarriageReturnStays) {
    TempDir dir;
    auto p = dir.path / "c.txt";
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, {u"one\r", u"", u"three"}));
    EXPECT_EQ(ReadAll(p), (std::vector<std::u16string>{u"one\r"}));
}

TEST(CStdioFileEx, LongLinesHaveNoLimit) {
    TempDir dir;
    auto p = dir.path / "d.txt";
    std::u16string longLine(1000, u'x');
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, {longLine, u"end"}));
    EXPECT_EQ(ReadAll(p), (std::vector<std::u16string>{longLine, u"end"}));
}

TEST(CStdioFileEx, ReadOnlyFileCanBeRead) {
    TempDir dir;
    auto p = dir.path / "ro.txt";
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, {u"x"}));
    fs::permissions(p, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(ReadAll(p), (std::vector<std::u16string>{u"x"}));
}

TEST(CStdioFileEx, FailedWriteKeepsPreviousFile) {
    TempDir dir;
    auto p = dir.path / "keep.txt";
    ASSERT_TRUE(CStdioFileEx::WriteLines(p, {u"old"}));
    {
        // A writer that never closes (the program died) leaves the old file in place.
        CStdioFileEx f;
        ASSERT_TRUE(f.OpenForWrite(p));
        f.WriteString(u"new");
    }
    EXPECT_EQ(ReadAll(p), (std::vector<std::u16string>{u"old"}));
    EXPECT_FALSE(CStdioFileEx::WriteLines(dir.path / "missing" / "x.txt", {u"y"}));
}

TEST(CStdioFileEx, MissingFileFailsToOpen) {
    CStdioFileEx f;
    EXPECT_FALSE(f.OpenForRead("/nonexistent/corvex/file.txt"));
}

} // namespace
