#include "mainwnd/MainWindowLayout.h"

#include "platform/Messages.h"

#include <array>
#include <string>

namespace {

using K = ControlKind;
using D = Display;
constexpr uint32_t kLeft = TextFlag::Left;
constexpr uint32_t kCentre = TextFlag::Center;

// The sixteen button controls, in the order of their rows: control, left, top, badge number.
struct KeyRow {
    int control;
    int x;
    int y;
    int badge;
};
constexpr std::array<KeyRow, 16> kKeyRows{{
    {2020, 70, 108, 1},
    {2021, 70, 138, 2},
    {2022, 70, 167, 3},
    {2023, 70, 196, 4},
    {2024, 70, 225, 5},
    {2025, 70, 254, 6},
    {2027, 70, 283, 7},
    {2028, 70, 312, 8},
    {2026, 70, 341, 9},
    {2018, 278, 108, 10},
    {2019, 278, 138, 11},
    {2013, 278, 167, 12},
    {2014, 278, 196, 13},
    {2015, 278, 225, 14},
    {2016, 278, 254, 15},
    {2017, 278, 283, 16},
}};

using Controls = std::vector<ControlEntry>;

std::vector<std::u16string> CheckPictures() {
    return {u"check_nr.png", u"check_ov.png", u"check_dn.png"};
}
std::vector<std::u16string> RadioPictures() {
    return {u"radio_nr.png", u"radio_ov.png", u"radio_dn.png"};
}

ControlEntry Label(int id, int list, BaseRect rect, int text, uint32_t format,
                   D display = D::Shown) {
    return {.id = id,
            .kind = K::StaticText,
            .list = list,
            .rect = rect,
            .textNumber = text,
            .textFormat = format,
            .display = display};
}

ControlEntry FixedLabel(int id, int list, BaseRect rect, std::u16string text, uint32_t format,
                        D display = D::Shown) {
    return {.id = id,
            .kind = K::StaticText,
            .list = list,
            .rect = rect,
            .fixedText = std::move(text),
            .textFormat = format,
            .display = display};
}

ControlEntry Picture(int id, int list, BaseRect rect, std::u16string picture,
                     D display = D::Shown) {
    return {.id = id,
            .kind = K::StaticImage,
            .list = list,
            .rect = rect,
            .pictures = {std::move(picture)},
            .display = display};
}

ControlEntry Slider(int id, int list, BaseRect rect, int stops, int initial, D display) {
    return {.id = id,
            .kind = K::Slider,
            .list = list,
            .rect = rect,
            .pictures = {u"Slider_Circle.png"},
            .display = display,
            .stops = stops,
            .marginA = 6,
            .marginB = 7,
            .initial = initial};
}

ControlEntry Header(int id, BaseRect rect, std::u16string normal, std::u16string checked,
                    int text) {
    return {.id = id,
            .kind = K::CheckButton,
            .rect = rect,
            .pictures = {normal, normal, std::move(checked)},
            .textNumber = text,
            .textFormat = kLeft,
            .leftInset = 10,
            .whiteCheckedText = true};
}

void AddCentre(Controls& c) {
    c.push_back(Picture(3400, 0, {437, 171, 400, 400}, u"mouse/mouse_nr.png"));
    c.push_back(Picture(3400, 0, {437, 171, 400, 400}, u"mouse/mouse_nr2.png", D::NotShownAtStart));
    c.push_back(Picture(3409, 0, {617, 121, 50, 50}, u"Status_Wired.png", D::NotShownAtStart));
    c.push_back(Picture(3410, 0, {617, 121, 50, 50}, u"Status_Wireless.png", D::NotShownAtStart));
    c.push_back(Picture(3408, 0, {617, 121, 50, 50}, u"Status_BLE.png", D::NotShownAtStart));
    ControlEntry notice = Label(3024, 0, {470, 600, 200, 18}, 284, kCentre, D::NotShownAtStart);
    notice.textColour = kTextYellow;
    c.push_back(notice);
    c.push_back(Picture(3400, 0, {552, 570, 170, 24}, u"device name.png", D::NeverShown));
    c.push_back(Picture(3400, 0, {519, 10, 90, 30}, u"Logo pic.png", D::NeverShown));
}

void AddBattery(Controls& c) {
    c.push_back({.id = 3406,
                 .kind = K::Battery,
                 .rect = {80, 461, 30, 61},
                 .pictures = {u"battery_full.png", u"battery_empty.png", u"battery_charging.png",
                              u"battery_lighting.png"}});
    ControlEntry percent = FixedLabel(3405, 0, {115, 508, 40, 18}, u"100%", kLeft);
    percent.font = FontKind::Battery;
    c.push_back(percent);
    const std::array<std::pair<const char16_t*, int>, 3> legend{
        {{u"battery_green.png", 16}, {u"battery_orange.png", 17}, {u"battery_red.png", 18}}};
    const std::array<int, 3> dotTops{469, 490, 512};
    const std::array<int, 3> textTops{467, 488, 510};
    for (size_t i = 0; i < legend.size(); ++i) {
        c.push_back(Picture(3401, 0, {165, dotTops[i], 8, 8}, legend[i].first));
        c.push_back(Label(3402, 0, {180, textTops[i], 140, 18}, legend[i].second, kLeft));
    }
}

void AddPowerSaving(Controls& c) {
    ControlEntry dial{.id = 3500, .kind = K::PowerManageButton, .rect = {81, 563, 140, 84}};
    for (int minutes = 3; minutes <= 10; ++minutes) {
        const std::u16string n =
            minutes == 10 ? u"10" : std::u16string(1, char16_t(u'0' + minutes));
        dial.pictures.push_back(u"power_manage_" + n + u"min.png");
    }
    c.push_back(dial);
    c.push_back(Label(3407, 0, {36, 653, 230, 18}, 0, kCentre));
    c.push_back({.id = 3504,
                 .kind = K::CheckButton,
                 .rect = {50, 671, 15, 15},
                 .pictures = CheckPictures(),
                 .checked = true});
    c.push_back(Label(3402, 0, {70, 671, 200, 18}, 274, kLeft));
    c.push_back({.id = 3501,
                 .kind = K::CheckButton,
                 .rect = {50, 689, 15, 15},
                 .pictures = CheckPictures(),
                 .checked = true});
    c.push_back(Label(3402, 0, {70, 689, 200, 18}, 268, kLeft));
}

void AddWindowButtons(Controls& c) {
    c.push_back({.id = 2001,
                 .kind = K::ImageButton,
                 .rect = {1092, 12, 15, 15},
                 .pictures = {u"exit_nr.png", u"exit_ov.png"}});
    c.push_back({.id = 2002,
                 .kind = K::ImageButton,
                 .rect = {1072, 12, 15, 15},
                 .pictures = {u"min_nr.png", u"min_ov.png"}});
}

void AddBadges(Controls& c) {
    for (const KeyRow& row : kKeyRows)
        c.push_back(Picture(3400, 0, {row.x - 26, row.y + 1, 20, 20},
                            u"mouse/serial_number" + std::u16string(row.badge >= 10 ? u"1" : u"") +
                                char16_t(u'0' + row.badge % 10) + u".png"));
}

void AddButtonControls(Controls& c) {
    for (const KeyRow& row : kKeyRows)
        c.push_back({.id = row.control,
                     .kind = K::ComboButton,
                     .rect = {row.x, row.y, 162, 21},
                     .pictures = {u"combo2_nr.png", u"combo2_ov.png"},
                     .fixedText = u"Disable",
                     .textFormat = kCentre,
                     .message = 1028});
    c.push_back({.id = 2062,
                 .kind = K::ImageButton,
                 .rect = {36, 387, 230, 25},
                 .pictures = {u"button1_nr.png", u"button1_ov.png"},
                 .textNumber = 8,
                 .textFormat = kCentre});
}

// Never shown: the profiles are reached through the profile list button alone.
void AddProfileControls(Controls& c) {
    c.push_back({.id = 3100,
                 .kind = K::ComboButton,
                 .rect = {36, 600, 162, 21},
                 .pictures = {u"combo2_nr.png", u"combo2_ov.png"},
                 .fixedText = u"Disable",
                 .textFormat = kCentre,
                 .display = D::NeverShown,
                 .message = 1124});
    for (int tab = 0; tab < 5; ++tab)
        c.push_back({.id = 2049 + tab,
                     .kind = K::TabControl,
                     .rect = {36 + 82 * tab, 630, 80, 24},
                     .pictures = {u"profile_slot_nr.png", u"profile_slot_ov.png",
                                  u"profile_slot_nr2.png", u"profile_slot_ov2.png"},
                     .textFormat = kCentre,
                     .display = D::NeverShown,
                     .leftInset = 6});
    const std::array<int, 4> adds{2071, 2068, 2069, 2070};
    for (size_t i = 0; i < adds.size(); ++i)
        c.push_back({.id = adds[i],
                     .kind = K::ImageButton,
                     .rect = {446 + 22 * int(i), 630, 20, 20},
                     .pictures = {u"add_nr.png", u"add_ov.png"},
                     .display = D::NeverShown});
    ControlEntry profileHeader =
        Header(3009, {36, 600, 230, 25}, u"header2_nr.png", u"header2_ov.png", 10);
    profileHeader.display = D::NeverShown;
    profileHeader.disabled = true;
    c.push_back(profileHeader);
    c.push_back({.id = 2047,
                 .kind = K::ImageButton,
                 .rect = {36, 660, 69, 20},
                 .pictures = {u"button2_nr.png", u"button2_ov.png"},
                 .textNumber = 6,
                 .textFormat = kCentre,
                 .display = D::NeverShown});
}

// Titles: they take no input.
void AddLeftHeaders(Controls& c) {
    const std::array<std::pair<int, BaseRect>, 3> headers{
        {{3008, {36, 64, 413, 25}}, {3007, {36, 426, 230, 25}}, {3010, {36, 538, 230, 25}}}};
    const std::array<int, 3> texts{9, 15, 265};
    for (size_t i = 0; i < headers.size(); ++i) {
        ControlEntry h = Header(headers[i].first, headers[i].second, u"header2_nr.png",
                                u"header2_ov.png", texts[i]);
        h.disabled = true;
        c.push_back(h);
    }
}

void AddSectionHeaders(Controls& c) {
    struct Row {
        int id;
        int text;
        bool open;
        D display;
    };
    const std::array<Row, 8> rows{{{3001, 11, true, D::Shown},
                                   {3002, 12, true, D::Shown},
                                   {3004, 13, false, D::Shown},
                                   {3011, 19, false, D::NotShownAtStart},
                                   {3003, 14, false, D::Shown},
                                   {3012, 272, false, D::NeverShown},
                                   {3014, 285, false, D::Shown},
                                   {3013, 275, false, D::Shown}}};
    for (const Row& row : rows) {
        ControlEntry h =
            Header(row.id, {846, 64, 262, 25}, u"header_nr.png", u"header_ov.png", row.text);
        h.checked = row.open;
        h.display = row.display;
        c.push_back(h);
    }
}

void AddBottomLine(Controls& c) {
    c.push_back({.id = 3502,
                 .kind = K::ImageButton,
                 .rect = {36, 710, 69, 20},
                 .pictures = {u"button2_nr.png", u"button2_ov.png"},
                 .textNumber = 1,
                 .textFormat = kCentre});
    ControlEntry version = Label(3021, 0, {150, 712, 210, 18}, 3, kLeft);
    version.textSuffix = u":2.1.14";
    c.push_back(version);
    c.push_back({.id = 3503,
                 .kind = K::LinkButton,
                 .rect = {526, 704, 200, 18},
                 .fixedText = u"https://corvex.example/",
                 .textFormat = kCentre,
                 .font = FontKind::Link});
    c.push_back({.id = 2045,
                 .kind = K::ImageButton,
                 .rect = {1040, 710, 69, 20},
                 .pictures = {u"button2_nr.png", u"button2_ov.png"},
                 .textNumber = 7,
                 .textFormat = kCentre});
}

// Levels 6 and 7 exist and carry their values; the section offers six.
D DpiLevelDisplay(int level) {
    return level >= 6 ? D::NeverShown : D::Shown;
}

void AddDpiSection(Controls& c) {
    for (int i = 0; i < 8; ++i)
        c.push_back({.id = 3300 + i,
                     .kind = K::DpiValueShow,
                     .list = 1,
                     .rect = {883 + 36 * i, 102, 7, 132},
                     .pictures = {u"mouse/dpi_bar_1.png", u"mouse/dpi_bar_2.png"},
                     .display = DpiLevelDisplay(i),
                     .marginA = 12,
                     .marginB = 12});
    for (int i = 0; i < 8; ++i)
        c.push_back({.id = 3290 + i,
                     .kind = K::DpiRadioButton,
                     .list = 1,
                     .rect = {874 + 36 * i, 239, 26, 11},
                     .pictures = {u"dpi_value.png", u"dpi_value.png", u"dpi_value.png"},
                     .font = FontKind::DpiLabel,
                     .display = DpiLevelDisplay(i)});
    for (int i = 0; i < 8; ++i)
        c.push_back({.id = 3260 + i,
                     .kind = K::CheckButton,
                     .list = 1,
                     .rect = {881 + 36 * i, 253, 11, 11},
                     .pictures = {u"check_button_dpi_nr.png", u"check_button_dpi_ov.png",
                                  u"check_button_dpi_dn.png"},
                     .display = DpiLevelDisplay(i)});
    for (int i = 0; i < 8; ++i)
        c.push_back({.id = 3270 + i,
                     .kind = K::ColorSelectButton,
                     .list = 1,
                     .rect = {874 + 36 * i, 267, 26, 12},
                     .display = DpiLevelDisplay(i)});
    for (int i = 0; i < 8; ++i)
        c.push_back({.id = 3280 + i,
                     .kind = K::VerticalSlider,
                     .list = 1,
                     .rect = {883 + 36 * i, 102, 7, 132},
                     .pictures = {u"mouse/dpi_bar_1.png", u"mouse/dpi_bar_2.png"},
                     .display = D::NeverShown,
                     .marginA = 12,
                     .marginB = 12});
}

void AddLightingSection(Controls& c) {
    c.push_back({.id = 3120,
                 .kind = K::ComboButton,
                 .list = 2,
                 .rect = {0, 0, 189, 25},
                 .pictures = {u"combo3_nr.png", u"combo3_ov.png"},
                 .fixedText = u"Disable",
                 .textFormat = kCentre,
                 .message = 1144});
    c.push_back(Label(3162, 2, {0, 0, 90, 18}, 120, kLeft));
    c.push_back(Picture(3191, 2, {0, 0, 145, 3}, u"Slider_bar.png"));
    c.push_back(Slider(3220, 2, {0, 0, 145, 13}, 4, 1, D::Shown));
    c.push_back(FixedLabel(3230, 2, {0, 0, 40, 18}, u"6", kLeft));
    c.push_back(Label(3163, 2, {0, 0, 90, 18}, 121, kLeft));
    c.push_back(Picture(3190, 2, {0, 0, 145, 3}, u"Slider_bar.png"));
    c.push_back(Slider(3200, 2, {0, 0, 145, 13}, 3, 1, D::Shown));
    c.push_back(FixedLabel(3210, 2, {0, 0, 31, 18}, u"6", kLeft));
    c.push_back(Label(3161, 2, {0, 0, 210, 18}, 122, kLeft));
    for (int i = 0; i < 8; ++i)
        c.push_back({.id = 3180 + i,
                     .kind = K::ColorSelectCheckButton,
                     .list = 2,
                     .rect = {0, 0, 21, 20},
                     .pictures = {u"color_select_nr.png", u"color_select_check.png"}});
    c.push_back(Label(3164, 2, {0, 0, 90, 18}, 123, kLeft));
    c.push_back({.id = 3240,
                 .kind = K::RadioButton,
                 .list = 2,
                 .rect = {0, 0, 29, 18},
                 .pictures = {u"up_nr.png", u"up_ov.png", u"up_check.png"}});
    c.push_back({.id = 3250,
                 .kind = K::RadioButton,
                 .list = 2,
                 .rect = {0, 0, 29, 18},
                 .pictures = {u"down_nr.png", u"down_ov.png", u"down_check.png"}});
}

void AddPointerSection(Controls& c) {
    c.push_back({.id = 3330,
                 .kind = K::ImageButton,
                 .list = 3,
                 .rect = {0, 0, 215, 45},
                 .pictures = {u"button4_nr.png", u"button4_nr.png"},
                 .textNumber = 260,
                 .textFormat = kCentre});
    const std::array<std::pair<int, int>, 3> sliders{{{2043, 5}, {2041, 4}, {2044, 5}}};
    const std::array<int, 3> stops{11, 10, 11};
    for (size_t i = 0; i < sliders.size(); ++i)
        c.push_back(Slider(sliders[i].first, 3, {0, 0, 185, 13}, stops[i], sliders[i].second,
                           D::NeverShown));
    for (int bar : {3139, 3140, 3141})
        c.push_back(Picture(bar, 3, {0, 0, 185, 3}, u"Slider_bar2.png", D::NeverShown));
    const std::array<std::pair<int, const char16_t*>, 3> values{
        {{3130, u"6"}, {3131, u"5"}, {3132, u"6"}}};
    for (const auto& [id, text] : values)
        c.push_back(FixedLabel(id, 3, {0, 0, 40, 18}, text, kLeft, D::NeverShown));
    c.push_back({.id = 2030,
                 .kind = K::CheckButton,
                 .list = 3,
                 .rect = {0, 0, 15, 15},
                 .pictures = CheckPictures(),
                 .display = D::NeverShown});
    for (int radio : {2009, 2010})
        c.push_back({.id = radio,
                     .kind = K::RadioButton,
                     .list = 3,
                     .rect = {0, 0, 15, 15},
                     .pictures = RadioPictures(),
                     .display = D::NeverShown});
    const std::array<std::pair<int, int>, 6> captions{
        {{3133, 130}, {3134, 131}, {3135, 132}, {3137, 133}, {3136, 134}, {3138, 135}}};
    for (const auto& [id, text] : captions)
        c.push_back(Label(id, 3, {0, 0, 90, 18}, text, kLeft, D::NeverShown));
}

void AddPollingSection(Controls& c) {
    c.push_back({.id = 3110,
                 .kind = K::ComboButton,
                 .list = 4,
                 .rect = {0, 0, 189, 25},
                 .pictures = {u"combo2_nr.png", u"combo2_ov.png"},
                 .fixedText = u"Disable",
                 .textFormat = kCentre,
                 .display = D::NeverShown,
                 .message = 1134});
    const std::array<const char16_t*, 4> stems{u"125hz", u"250hz", u"500hz", u"1000hz"};
    for (int i = 0; i < 4; ++i) {
        const std::u16string stem = stems[i];
        c.push_back({.id = 3030 + i,
                     .kind = K::RadioButton,
                     .list = 4,
                     .rect = {0, 0, 72, 72},
                     .pictures = {stem + u"_nr.png", stem + u"_dn.png", stem + u"_dn.png"}});
    }
    for (int i = 0; i < 4; ++i)
        c.push_back(Label(3142 + i, 4, {0, 0, 47, 18}, 261 + i, kCentre, D::NotShownAtStart));
    for (int i = 0; i < 7; ++i)
        c.push_back({.id = 3034 + i,
                     .kind = K::RadioButton,
                     .list = 4,
                     .rect = {0, 0, 15, 15},
                     .pictures = RadioPictures(),
                     .display = D::NotShownAtStart});
    const std::array<const char16_t*, 7> rates{u"125Hz",  u"250Hz",  u"500Hz", u"1000Hz",
                                               u"2000Hz", u"4000Hz", u"8000Hz"};
    for (int i = 0; i < 7; ++i)
        c.push_back(FixedLabel(3146 + i, 4, {0, 0, 47, 18}, rates[i], kCentre, D::NotShownAtStart));
}

void AddLiftOffSection(Controls& c) {
    for (int i = 0; i < 2; ++i)
        c.push_back({.id = 3510 + i,
                     .kind = K::RadioButton,
                     .list = 5,
                     .rect = {0, 0, 15, 15},
                     .pictures = RadioPictures()});
    for (int i = 0; i < 2; ++i)
        c.push_back(Label(3520 + i, 5, {0, 0, 47, 18}, 270 + i, kCentre));
}

void AddDebounceSection(Controls& c) {
    c.push_back(Picture(3531, 6, {0, 0, 145, 3}, u"Slider_bar.png"));
    c.push_back(Slider(3530, 6, {0, 0, 145, 13}, 31, 1, D::Shown));
    c.push_back(FixedLabel(3532, 6, {0, 0, 31, 18}, u"12ms", kLeft));
}

void AddSensorSection(Controls& c) {
    for (int i = 0; i < 3; ++i)
        c.push_back({.id = 3540 + i,
                     .kind = K::CheckButton,
                     .list = 8,
                     .rect = {0, 0, 15, 15},
                     .pictures = CheckPictures(),
                     .checked = true});
    for (int i = 0; i < 3; ++i)
        c.push_back(Label(3543 + i, 8, {0, 0, 100, 18}, 286 + i, kLeft));
}

void AddPairingSection(Controls& c) {
    c.push_back({.id = 2054,
                 .kind = K::ImageButton,
                 .list = 7,
                 .rect = {0, 0, 69, 20},
                 .pictures = {u"button2_nr.png", u"button2_nr.png"},
                 .textNumber = 276,
                 .textFormat = kCentre});
}

Controls BuildControls() {
    Controls c;
    AddCentre(c);
    AddBattery(c);
    AddPowerSaving(c);
    AddWindowButtons(c);
    AddBadges(c);
    AddButtonControls(c);
    AddProfileControls(c);
    AddLeftHeaders(c);
    AddSectionHeaders(c);
    AddBottomLine(c);
    AddDpiSection(c);
    AddLightingSection(c);
    AddPointerSection(c);
    AddPollingSection(c);
    AddLiftOffSection(c);
    AddDebounceSection(c);
    AddSensorSection(c);
    AddPairingSection(c);
    return c;
}

constexpr std::array<SectionEntry, 8> kSections{
    {{3001, 1}, {3002, 2}, {3004, 4}, {3011, 5}, {3012, 6}, {3003, 3}, {3013, 7}, {3014, 8}}};

} // namespace

const std::vector<ControlEntry>& MainWindowControls() {
    static const Controls controls = BuildControls();
    return controls;
}

const ControlEntry* FindControlEntry(int id) {
    for (const ControlEntry& entry : MainWindowControls())
        if (entry.id == id)
            return &entry;
    return nullptr;
}

int ScaleEdge(int origin, int base, float scale) {
    return static_cast<int>(static_cast<float>(origin + base) * scale);
}

Rect ScaleRect(Point origin, const BaseRect& base, float scale) {
    return {ScaleEdge(origin.x, base.x, scale), ScaleEdge(origin.y, base.y, scale),
            ScaleEdge(origin.x, base.x + base.width, scale),
            ScaleEdge(origin.y, base.y + base.height, scale)};
}

Rect ScalePanel(const BaseRect& base, float scale) {
    const int left = ScaleEdge(0, base.x, scale);
    const int top = ScaleEdge(0, base.y, scale);
    return {left, top, left + ScaleEdge(0, base.width, scale),
            top + ScaleEdge(0, base.height, scale)};
}

int FontHeight(FontKind font, float scale) {
    switch (font) {
    case FontKind::Battery:
        return ScaleEdge(0, 16, scale);
    case FontKind::Link:
        return ScaleEdge(0, 18, scale);
    case FontKind::DpiLabel:
        return ScaleEdge(0, 11, scale);
    case FontKind::Control:
        break;
    }
    return 0;
}

std::span<const SectionEntry> Sections() {
    return kSections;
}

int SectionList(int header) {
    for (const SectionEntry& s : kSections)
        if (s.header == header)
            return s.list;
    return 0;
}
