#include "settings/ButtonMenu.h"

#include <gtest/gtest.h>

namespace {

ButtonFunction Code(uint8_t a, uint8_t b, uint8_t c) {
    return {{a, b, c}};
}

TEST(ButtonMenu, MainMenuHasSeventeenNumberedItems) {
    const auto menu = MainMenu();
    ASSERT_EQ(menu.size(), 17u);
    for (std::size_t i = 0; i < menu.size(); ++i)
        EXPECT_EQ(menu[i].item, static_cast<int>(i + 1));
}

struct MainCase {
    int item;
    int text;
    MenuItemAction action;
    ButtonFunction code;
    ButtonSubmenu submenu;
};

class MainMenuTest : public testing::TestWithParam<MainCase> {};

TEST_P(MainMenuTest, ItemHasTextAndAction) {
    const auto c = GetParam();
    const auto& item = MainMenu()[c.item - 1];
    EXPECT_EQ(item.textNumber, c.text);
    EXPECT_EQ(item.action, c.action);
    EXPECT_EQ(item.code, c.code);
    EXPECT_EQ(item.submenu, c.submenu);
}

using A = MenuItemAction;
using S = ButtonSubmenu;

INSTANTIATE_TEST_SUITE_P(
    Items, MainMenuTest,
    testing::Values(MainCase{1, 20, A::AssignCode, Code(0x10, 0x01, 0), S::None},
                    MainCase{4, 23, A::AssignCode, Code(0x10, 0x10, 0), S::None},
                    MainCase{5, 24, A::AssignCode, Code(0x10, 0x08, 0), S::None},
                    MainCase{6, 25, A::OpenSubmenu, {}, S::Dpi},
                    MainCase{7, 26, A::OpenFireKey, {}, S::None},
                    MainCase{8, 27, A::AssignCode, Code(0x30, 0x32, 0x03), S::None},
                    MainCase{9, 28, A::OpenMacroSelect, {}, S::None},
                    MainCase{10, 29, A::OpenShortcut, {}, S::None},
                    MainCase{13, 32, A::OpenSubmenu, {}, S::Windows},
                    MainCase{14, 33, A::AssignCode, Code(0x60, 0x04, 0), S::None},
                    MainCase{15, 36, A::OpenSubmenu, {}, S::DpiLock},
                    MainCase{16, 39, A::OpenQuickLaunch, {}, S::None},
                    MainCase{17, 34, A::AssignCode, Code(0, 0, 0), S::None}));

struct SubCase {
    ButtonSubmenu submenu;
    std::size_t size;
    int firstText;
    ButtonFunction first;
    ButtonFunction last;
};

class SubmenuTest : public testing::TestWithParam<SubCase> {};

TEST_P(SubmenuTest, ItemsAreNumberedWithConsecutiveTexts) {
    const auto c = GetParam();
    const auto items = SubmenuItems(c.submenu);
    ASSERT_EQ(items.size(), c.size);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].item, static_cast<int>(i + 1));
        EXPECT_EQ(items[i].textNumber, c.firstText + static_cast<int>(i));
    }
    EXPECT_EQ(items.front().code, c.first);
    EXPECT_EQ(items.back().code, c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Submenus, SubmenuTest,
    testing::Values(SubCase{S::Dpi, 3, 40, Code(0x40, 2, 0), Code(0x40, 1, 0)},
                    SubCase{S::Multimedia, 10, 45, Code(0x80, 0x83, 0x01), Code(0x80, 0x92, 0x01)},
                    SubCase{S::Office, 9, 60, Code(0x70, 0x01, 0x06), Code(0x70, 0x01, 0x1D)},
                    SubCase{S::Windows, 6, 75, Code(0x80, 0x94, 0x01), Code(0x70, 0x08, 0x52)}));

TEST(ButtonMenu, InnerSubmenuCodes) {
    EXPECT_EQ(SubmenuItems(S::Multimedia)[4].code, Code(0x80, 0xCD, 0x00));
    EXPECT_EQ(SubmenuItems(S::Office)[7].code, Code(0x70, 0x08, 0x08));
    EXPECT_EQ(SubmenuItems(S::Windows)[1].code, Code(0x70, 0x04, 0x3D));
}

TEST(ButtonMenu, NoCodeItemsForNoneOrDpiLock) {
    EXPECT_TRUE(SubmenuItems(S::None).empty());
    EXPECT_TRUE(SubmenuItems(S::DpiLock).empty());
}

TEST(DpiLockMenu, ItemNumberIsTheLockByte) {
    const auto items = DpiLockMenu();
    ASSERT_EQ(items.size(), 11u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].item, static_cast<int>(i + 1));
        EXPECT_EQ(items[i].code, Code(0x50, static_cast<uint8_t>(i + 1), 0));
    }
    EXPECT_EQ(items[0].name, u"200");
    EXPECT_EQ(items[5].name, u"700");
}

TEST(DpiLockMenu, LastItemNameAndCode) {
    const auto& last = DpiLockMenu().back();
    EXPECT_EQ(last.code, Code(0x50, 0x0B, 0x00));
    EXPECT_EQ(DpiLockAssignmentName(u"DPI Lock", last), u"DPI Lock-1200");
}

} // namespace
