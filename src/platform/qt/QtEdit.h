#pragma once

#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "platform/Platform.h"

class QtWindow;

// An edit field as a QLineEdit child of its window. Its keys pass through the window's
// pre-translation first; text changes are reported to the window.
class QtEdit : public QObject, public EditField {
  public:
    // notify gets the wParam of the Command message to the parent window.
    QtEdit(QtWindow& parent, int id, const Rect& rect, const Font& font, const EditStyle& style,
           std::function<void(uintptr_t)> notify);
    ~QtEdit() override;
    QtEdit(const QtEdit&) = delete;
    QtEdit& operator=(const QtEdit&) = delete;

    std::u16string Text() const override;
    void SetText(const std::u16string& text) override;
    void SelectAll() override;
    void CaretToEnd() override;
    void Focus() override;
    bool HasFocus() const override;
    void Enable(bool enabled) override;
    void Show(bool shown) override;
    void SetRect(const Rect& rect) override;

    QLineEdit* Widget() const { return edit_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QtWindow> parent_;
    // Goes with its window when the window is destroyed first.
    QPointer<QLineEdit> edit_;
};
