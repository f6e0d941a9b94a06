#include "ui/UiContext.h"

#include <utility>

UiContext::UiContext(Platform& platform, const LanguageTexts& texts, std::u16string programFolder,
                     float uiScale)
    : platform_(platform), texts_(texts), programFolder_(std::move(programFolder)),
      uiScale_(uiScale) {}

Rect UiContext::Scale(const Rect& base, Point origin) const {
    return {Scale(origin.x + base.left), Scale(origin.y + base.top), Scale(origin.x + base.right),
            Scale(origin.y + base.bottom)};
}

std::u16string UiContext::SkinPath(std::u16string_view relative) const {
    const bool backslash = !programFolder_.empty() && programFolder_.back() == u'\\';
    const char16_t separator = backslash ? u'\\' : u'/';
    std::u16string path = programFolder_;
    for (const char16_t c : relative) {
        path += (c == u'\\' || c == u'/') ? separator : c;
    }
    return path;
}
