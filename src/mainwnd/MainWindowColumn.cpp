#include "mainwnd/MainWindowColumn.h"

#include <array>

namespace {

constexpr std::array<SectionPlacement, 21> kLighting{{
    {3120, {40, 11, 189, 25}},  {3162, {42, 42, 90, 18}},   {3163, {42, 42, 90, 18}},
    {3220, {42, 67, 145, 13}},  {3200, {42, 67, 145, 13}},  {3191, {42, 72, 145, 3}},
    {3190, {42, 72, 145, 3}},   {3230, {195, 64, 40, 18}},  {3210, {195, 64, 31, 18}},
    {3164, {42, 87, 90, 18}},   {3161, {42, 107, 210, 18}}, {3240, {42, 114, 29, 18}},
    {3250, {81, 114, 29, 18}},  {3180, {42, 134, 21, 20}},  {3181, {68, 134, 21, 20}},
    {3182, {94, 134, 21, 20}},  {3183, {120, 134, 21, 20}}, {3184, {146, 134, 21, 20}},
    {3185, {172, 134, 21, 20}}, {3186, {198, 134, 21, 20}}, {3187, {224, 134, 21, 20}},
}};

// Both layouts of the polling section are placed; the page decides which one is shown.
constexpr std::array<SectionPlacement, 22> kPolling{{
    // List layout: captions 130 x 18, radios 15 x 15; with six rates item 5 moves right.
    {3146, {0, 50, 130, 18}},
    {3034, {55, 30, 15, 15}},
    {3147, {130, 50, 130, 18}},
    {3035, {185, 30, 15, 15}},
    {3148, {0, 100, 130, 18}},
    {3036, {55, 80, 15, 15}},
    {3149, {130, 100, 130, 18}},
    {3037, {185, 80, 15, 15}},
    {3150, {0, 150, 130, 18}},
    {3038, {55, 130, 15, 15}},
    {3151, {65, 150, 130, 18}, {130, 150, 130, 18}},
    {3039, {120, 130, 15, 15}, {185, 130, 15, 15}},
    {3152, {130, 150, 130, 18}},
    {3040, {185, 130, 15, 15}},
    // Picture layout: a two-by-two square, the current rate's caption across its middle.
    {3030, {59, 20, 72, 72}},
    {3033, {131, 20, 72, 72}},
    {3031, {59, 92, 72, 72}},
    {3032, {131, 92, 72, 72}},
    {3142, {88, 83, 85, 18}},
    {3143, {88, 83, 85, 18}},
    {3144, {88, 83, 85, 18}},
    {3145, {88, 83, 85, 18}},
}};

constexpr std::array<SectionPlacement, 4> kLiftOff{{
    {3510, {80, 27, 15, 15}},
    {3511, {160, 27, 15, 15}},
    {3520, {64, 47, 47, 18}},
    {3521, {144, 47, 47, 18}},
}};

constexpr std::array<SectionPlacement, 1> kPointer{{{3330, {20, 30, 215, 45}}}};

constexpr std::array<SectionPlacement, 6> kSensor{{
    {3540, {20, 10, 15, 15}},
    {3541, {20, 35, 15, 15}},
    {3542, {20, 60, 15, 15}},
    {3543, {40, 12, 100, 18}},
    {3544, {40, 37, 100, 18}},
    {3545, {40, 62, 100, 18}},
}};

constexpr std::array<SectionPlacement, 1> kPairing{{{2054, {96, 30, 69, 20}}}};

constexpr std::array<ColumnSection, 8> kColumn{{
    {3001, 196, true, {}},
    {3002, 80, true, kLighting},
    {3004, 180, true, kPolling},
    {3011, 85, true, kLiftOff},
    {3012, 85, false, {}},
    {3003, 110, true, kPointer},
    {3014, 85, true, kSensor},
    {3013, 85, true, kPairing},
}};

constexpr std::array<BaseRect, 4> kLeftPanels{{
    {36, 89, 413, 284},
    {36, 378, 230, 43},
    {36, 451, 230, 82},
    {36, 563, 230, 144},
}};

} // namespace

std::span<const ColumnSection> ColumnSections() {
    return kColumn;
}

std::vector<PlacedSection> LayoutColumn(const std::function<bool(int header)>& isOpen,
                                        bool sensorPageShown, int clientTop) {
    std::vector<PlacedSection> placed;
    int top = kFirstHeaderTop;
    for (const ColumnSection& section : kColumn) {
        const bool open = isOpen(section.header);
        const bool hidden = section.header == 3011 && !sensorPageShown;
        if (section.takesSlot && !hidden) {
            placed.push_back({section.header, clientTop + top, section.panelHeight, open});
            top += kHeaderPitch;
        }
        // A section that is checked adds its panel even without a place of its own.
        if (open && section.panelHeight > 0)
            top += section.panelHeight;
    }
    return placed;
}

Rect PlaceInSection(int bodyTop, const BaseRect& offset, float scale, int clientLeft) {
    return ScaleRect({clientLeft + kColumnX, bodyTop}, offset, scale);
}

Rect HeaderRect(int top, float scale, int clientLeft) {
    return ScaleRect({clientLeft, top}, {kColumnX, 0, kHeaderWidth, kHeaderHeight}, scale);
}

std::span<const BaseRect> LeftPanels() {
    return kLeftPanels;
}

ColumnPlan PlanMainWindow(const std::function<bool(int header)>& isOpen, bool sensorPageShown,
                          int maxRateClass, float scale, const Rect& client) {
    ColumnPlan plan;
    plan.sensorHeaderShown = sensorPageShown;
    for (const BaseRect& panel : LeftPanels())
        plan.panels.push_back(ScalePanel(panel, scale));
    if (isOpen(3001))
        plan.panels.push_back(ScalePanel(kDpiPanel, scale));
    for (const PlacedSection& placed : LayoutColumn(isOpen, sensorPageShown, client.top)) {
        if (placed.header == 3001)
            continue; // keeps its place of creation, as its controls do
        plan.headers.emplace_back(placed.header, HeaderRect(placed.top, scale, client.left));
        const int body = placed.top + kHeaderHeight;
        if (placed.open)
            plan.panels.push_back(ScalePanel(
                {client.left + kColumnX, body, kHeaderWidth, placed.panelHeight}, scale));
        for (const ColumnSection& section : kColumn)
            if (section.header == placed.header)
                for (const SectionPlacement& p : section.placements)
                    plan.controls.emplace_back(
                        p.id, PlaceInSection(body, p.OffsetFor(maxRateClass), scale, client.left));
    }
    return plan;
}
