#include "dialogs/COSDDialog.h"

namespace {

constexpr int kVariablePitchSwiss = 0x22;
constexpr Colour kWhite = 0xFFFFFF;

} // namespace

COSDDialog::COSDDialog(Platform& platform, Style style, std::function<std::u16string()> profileName)
    : platform_(platform), style_(std::move(style)), profileName_(std::move(profileName)) {
    fontA_ = platform_.MakeFont(
        {style_.face, Scaled(24), Scaled(12), 700, style_.charset, kVariablePitchSwiss});
    fontB_ = platform_.MakeFont(
        {style_.face, Scaled(48), Scaled(24), 400, style_.charset, kVariablePitchSwiss});
}

COSDDialog::~COSDDialog() {
    Destroy();
}

Rect COSDDialog::PlaceIn(const Rect& workArea, float uiScale) {
    const int w = static_cast<int>(kWidth * uiScale);
    const int h = static_cast<int>(kHeight * uiScale);
    return {workArea.right - w, workArea.bottom - h, workArea.right, workArea.bottom};
}

void COSDDialog::Create() {
    if (window_ != 0)
        return;
    window_ = platform_.MakeWindow(*this, WindowKind::Osd, 0,
                                   PlaceIn(platform_.WorkArea(), style_.uiScale));
    platform_.SetOpacity(window_, kOpacity);
    platform_.SetTopmost(window_, true);
    platform_.Show(window_, ShowCommand::ShowNoActivate);
}

void COSDDialog::SetLines(OsdLines lines) {
    lines_ = std::move(lines);
    if (window_ != 0)
        platform_.Invalidate(window_);
}

void COSDDialog::Destroy() {
    if (window_ != 0)
        platform_.DestroyWindow(window_);
    window_ = 0;
}

int COSDDialog::Line2X(const std::u16string& line2, const std::u16string& face) {
    const bool song = face == u"宋体";
    switch (line2.size()) {
    case 5:
        return song ? 34 : 16;
    case 4:
        return song ? 44 : 34;
    default:
        return 50;
    }
}

void COSDDialog::DrawLine(Surface& surface, const std::u16string& text, int x, int y,
                          const Font& font, const Rect& client) const {
    const Rect rect{Scaled(x), Scaled(y), client.right, client.bottom};
    surface.DrawString(text, rect, font, kWhite,
                       TextFlag::Left | TextFlag::SingleLine | TextFlag::NoClip);
}

void COSDDialog::OnPaint(Surface& surface, const Rect& client) {
    surface.Fill(client, kBackground);
    DrawLine(surface, lines_.line1, 58, 20, *fontA_, client);
    DrawLine(surface, lines_.line2, Line2X(lines_.line2, style_.face), 44, *fontB_, client);
    DrawLine(surface, lines_.line3, lines_.line3.size() == 6 ? 50 : 57, 92, *fontA_, client);
    DrawLine(surface, profileName_ ? profileName_() : std::u16string(), 57, 116, *fontA_, client);
}
