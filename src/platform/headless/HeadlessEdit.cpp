#include "platform/headless/HeadlessEdit.h"

#include <algorithm>

namespace {
constexpr char16_t kBackspace = 8;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkRight = 0x27;
constexpr int kVkDelete = 0x2E;
} // namespace

HeadlessEdit::HeadlessEdit(std::weak_ptr<EditBoard> board, WindowId parent, int id,
                           const Rect& rect, FontRequest font, const EditStyle& style)
    : board_(std::move(board)), parent_(parent), id_(id), rect_(rect), font_(std::move(font)),
      style_(style) {
    if (auto b = board_.lock()) {
        b->edits.push_back(this);
    }
}

HeadlessEdit::~HeadlessEdit() {
    if (auto b = board_.lock()) {
        std::erase(b->edits, this);
        if (b->focused == this) {
            b->focused = nullptr;
        }
    }
}

void HeadlessEdit::SetText(const std::u16string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    caret_ = anchor_ = 0;
    Notify();
}

void HeadlessEdit::SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

void HeadlessEdit::CaretToEnd() {
    caret_ = anchor_ = text_.size();
}

void HeadlessEdit::Focus() {
    auto b = board_.lock();
    if (b && enabled_ && shown_) {
        b->focused = this;
    }
}

bool HeadlessEdit::HasFocus() const {
    auto b = board_.lock();
    return b && b->focused == this;
}

void HeadlessEdit::LoseFocus() {
    auto b = board_.lock();
    if (b && b->focused == this) {
        b->focused = nullptr;
    }
}

void HeadlessEdit::Enable(bool enabled) {
    enabled_ = enabled;
    if (!enabled) {
        LoseFocus();
    }
}

void HeadlessEdit::Show(bool shown) {
    shown_ = shown;
    if (!shown) {
        LoseFocus();
    }
}

void HeadlessEdit::TypeChar(char16_t ch) {
    const size_t from = SelectionStart();
    const size_t to = SelectionEnd();
    if (ch == kBackspace) {
        if (from != to) {
            Replace(from, to, u"");
        } else if (from > 0) {
            Replace(from - 1, from, u"");
        }
        return;
    }
    if (ch < 0x20) {
        return;
    }
    const size_t length = text_.size() - (to - from) + 1;
    if (style_.maxLength > 0 && length > size_t(style_.maxLength)) {
        return;
    }
    Replace(from, to, std::u16string(1, ch));
}

void HeadlessEdit::PressKey(int vk) {
    const size_t from = SelectionStart();
    const size_t to = SelectionEnd();
    switch (vk) {
    case kVkLeft:
        caret_ = anchor_ = from != to ? from : (from > 0 ? from - 1 : 0);
        break;
    case kVkRight:
        caret_ = anchor_ = from != to ? to : std::min(to + 1, text_.size());
        break;
    case kVkHome:
        caret_ = anchor_ = 0;
        break;
    case kVkEnd:
        CaretToEnd();
        break;
    case kVkDelete:
        if (from != to || to < text_.size()) {
            Replace(from, from != to ? to : to + 1, u"");
        }
        break;
    default:
        break;
    }
}

void HeadlessEdit::Replace(size_t from, size_t to, const std::u16string& with) {
    text_.replace(from, to - from, with);
    caret_ = anchor_ = from + with.size();
    Notify();
}

void HeadlessEdit::Notify() {
    auto b = board_.lock();
    if (b && b->notify) {
        b->notify(parent_, uintptr_t(id_) | uintptr_t(kEditChanged) << 16);
    }
}
