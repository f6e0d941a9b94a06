#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The controls of the main window as data: what CreateControls builds, in creation order.
// Rectangles are base pixels of the 1127 x 740 design; controls of the right-hand column other
// than the DPI section carry only their size here and get their places at each paint
// (MainWindowColumn.h).

enum class ControlKind {
    ImageButton,
    CheckButton,
    RadioButton,
    DpiRadioButton,
    ColorSelectButton,
    ColorSelectCheckButton,
    ComboButton,
    LinkButton,
    PowerManageButton,
    TabControl,
    StaticImage,
    StaticText,
    Slider,
    VerticalSlider,
    DpiValueShow,
    Battery,
};

// The fonts of the window: the control font, or "Tahoma" at the given base height.
enum class FontKind { Control, Battery, Link, DpiLabel };

enum class Display {
    Shown,
    NotShownAtStart, // some page or the device scan shows it later
    NeverShown,      // exists and carries a value, never drawn
};

struct BaseRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr Colour kTextGrey = 0xB4B4B4;
inline constexpr Colour kTextYellow = 0x00FFFF;

// A control in the main window.
struct ControlEntry {
    int id = 0;
    ControlKind kind = ControlKind::StaticImage;
    int list = 0; // 0: always present and headers; 1-8: the content of one section
    BaseRect rect;
    // Relative to the skins folder, '/' separated, in the class's picture-slot order.
    std::vector<std::u16string> pictures{};
    int textNumber = 0;          // language text, 0 for none
    std::u16string fixedText{};  // used when textNumber is 0
    std::u16string textSuffix{}; // appended to the text
    uint32_t textFormat = 0;     // TextFlag alignment
    Colour textColour = kTextGrey;
    FontKind font = FontKind::Control;
    Display display = Display::Shown;
    bool checked = false;
    bool disabled = false;
    int leftInset = 0; // text inset of the headers
    bool whiteCheckedText = false;
    int message = 0; // notification message of a combo button
    int stops = 0;   // sliders and level bars; 0 for level bars: the sensor's count
    int marginA = 0; // left or top margin
    int marginB = 0; // right or bottom margin
    int initial = 0; // initial stop of a slider
};

// Every control of the main window in creation order.
const std::vector<ControlEntry>& MainWindowControls();

// The first control with that identifier, or nullptr.
const ControlEntry* FindControlEntry(int id);

// Controls that the window's code names (the table above holds them all).
namespace MainControl {
inline constexpr int PollingHeader = 3004;
inline constexpr int LiftOffHeader = 3011;
inline constexpr int FirstPollingRadio = 3034;
inline constexpr int FirstValueBox = 3300; // DPI level value boxes 3300-3307
inline constexpr int BatteryText = 3405;
inline constexpr int BatteryGauge = 3406;
inline constexpr int OfflineNotice = 3024;
inline constexpr int MacroManagerButton = 2062;
} // namespace MainControl

// Base size of the main window.
inline constexpr Size kMainWindowBaseSize{1127, 740};

// Each edge scaled and truncated separately: truncate((origin + base edge) x scale).
int ScaleEdge(int origin, int base, float scale);
Rect ScaleRect(Point origin, const BaseRect& base, float scale);
// Left, top, width and height each scaled and truncated (the panels of the painting).
Rect ScalePanel(const BaseRect& base, float scale);

// Font height of a font kind at the scale; 0 for the control font (the toolkit's own).
int FontHeight(FontKind font, float scale);

// The eight section headers and the lists they open.
struct SectionEntry {
    int header;
    int list;
};
std::span<const SectionEntry> Sections();
// The list a section header opens, or 0.
int SectionList(int header);
