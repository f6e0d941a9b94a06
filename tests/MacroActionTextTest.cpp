#include "macro/MacroActionText.h"

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    MacroAction action;
    std::u16string text;
    std::u16string picture;
};

class MacroActionTextTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(MacroActionTextTest, ShowsTextAndPicture) {
    const auto shown = MacroActionText(GetParam().action);
    EXPECT_EQ(shown.text, GetParam().text);
    EXPECT_EQ(shown.picture, GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, MacroActionTextTest,
    testing::Values(DisplayCase{{{0x03, 0x00, 0x01, 0xF4}}, u"500ms", u"macro_time.png"},
                    DisplayCase{{{0x00, 0x00, 0x00, 0x00}}, u"0ms", u"macro_time.png"},
                    DisplayCase{{{0x07, 0xFF, 0xFF, 0xFF}}, u"16777215ms", u"macro_time.png"},
                    DisplayCase{{{0xE5, 0x00, 0x00, 0xFB}}, u"Move Left 5", u"macro_down.png"},
                    DisplayCase{{{0xE5, 0x00, 0x00, 0x80}}, u"Move Left 128", u"macro_down.png"},
                    DisplayCase{{{0xE5, 0x00, 0x00, 0x7F}}, u"Move Right 127", u"macro_down.png"},
                    DisplayCase{{{0xE6, 0x00, 0x00, 0x05}}, u"Move Down 5", u"macro_down.png"},
                    DisplayCase{{{0xE6, 0x00, 0x00, 0xFF}}, u"Move Up 1", u"macro_down.png"},
                    DisplayCase{{{0xE7, 0x00, 0x00, 0xFF}}, u"Wheel Up 1", u"macro_down.png"},
                    DisplayCase{{{0xE7, 0x00, 0x00, 0x00}}, u"Wheel Down 0", u"macro_down.png"},
                    DisplayCase{{{0xE7, 0x80, 0x00, 0x02}}, u"Wheel Down 2", u"macro_up.png"},
                    DisplayCase{{{0x41, 0x80, 0x00, 0x00}}, u"A", u"macro_up.png"},
                    DisplayCase{{{0x41, 0x00, 0x00, 0x00}}, u"A", u"macro_down.png"},
                    DisplayCase{{{0xE0, 0x00, 0x00, 0x00}}, u"L Key", u"macro_down.png"},
                    DisplayCase{{{0xE4, 0x80, 0x00, 0x00}}, u"K5", u"macro_up.png"},
                    DisplayCase{{{0x08, 0x00, 0x00, 0x00}}, u"Backspace", u"macro_down.png"},
                    DisplayCase{{{0xFF, 0x00, 0x00, 0x00}}, u"Undefined", u"macro_down.png"}));

} // namespace
