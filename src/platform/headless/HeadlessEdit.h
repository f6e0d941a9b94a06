#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/Platform.h"

class HeadlessEdit;

// The edit fields of one backend and the keyboard focus among them. Edits keep a weak link, so
// an edit that outlives its backend just stops reporting.
struct EditBoard {
    std::vector<HeadlessEdit*> edits;
    HeadlessEdit* focused = nullptr;
    // Reports a change to the parent window: (parent, wParam of the Command message).
    std::function<void(WindowId, uintptr_t)> notify;
};

// A single-line edit: text, caret and selection, typed characters and the editing keys.
class HeadlessEdit : public EditField {
  public:
    HeadlessEdit(std::weak_ptr<EditBoard> board, WindowId parent, int id, const Rect& rect,
                 FontRequest font, const EditStyle& style);
    ~HeadlessEdit() override;
    HeadlessEdit(const HeadlessEdit&) = delete;
    HeadlessEdit& operator=(const HeadlessEdit&) = delete;

    std::u16string Text() const override { return text_; }
    // Reports a change when the text differs.
    void SetText(const std::u16string& text) override;
    void SelectAll() override;
    void CaretToEnd() override;
    void Focus() override;
    bool HasFocus() const override;
    void Enable(bool enabled) override;
    void Show(bool shown) override;
    void SetRect(const Rect& rect) override { rect_ = rect; }

    // A typed character: inserts over the selection (within the length limit) or, for
    // backspace, deletes; control characters are ignored.
    void TypeChar(char16_t ch);
    // Left, Right, Home, End and Delete; other keys are ignored.
    void PressKey(int vk);

    WindowId Parent() const { return parent_; }
    int Id() const { return id_; }
    const Rect& GetRect() const { return rect_; }
    const FontRequest& Font() const { return font_; }
    const EditStyle& Style() const { return style_; }
    bool IsEnabled() const { return enabled_; }
    bool IsShown() const { return shown_; }
    size_t Caret() const { return caret_; }
    size_t SelectionStart() const { return std::min(anchor_, caret_); }
    size_t SelectionEnd() const { return std::max(anchor_, caret_); }

  private:
    void Replace(size_t from, size_t to, const std::u16string& with);
    void Notify();
    void LoseFocus();

    std::weak_ptr<EditBoard> board_;
    WindowId parent_;
    int id_;
    Rect rect_;
    FontRequest font_;
    EditStyle style_;
    std::u16string text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;
    bool enabled_ = true;
    bool shown_ = true;
};
