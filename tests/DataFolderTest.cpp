#include "settings/DataFolder.h"

#include <gtest/gtest.h>

namespace {

const std::u16string S(1, DataFolder::kSeparator);

TEST(DataFolder, AppendsFolderNameAndEndsWithSeparator) {
    EXPECT_EQ(DataFolder::FromBase(u"base"), u"base" + S + u"CorvexData20250321A" + S);
    EXPECT_EQ(DataFolder::FromBase(u"base" + S), u"base" + S + u"CorvexData20250321A" + S);
}

TEST(DataFolder, LinuxBasePrefersXdgDataHome) {
    EXPECT_EQ(DataFolder::LinuxBase(u"/x/data", u"/home/u"), u"/x/data");
    EXPECT_EQ(DataFolder::LinuxBase(u"", u"/home/u"), u"/home/u" + S + u".local" + S + u"share");
}

TEST(DataFolder, ConfigFileIsPlainConcatenation) {
    std::u16string folder = DataFolder::FromBase(u"b");
    EXPECT_EQ(DataFolder::ConfigFile(folder, u"default0.psf"),
              folder + u"config" + S + u"default0.psf");
}

} // namespace
