#include "platform/qt/QtEdit.h"

#include <QKeyEvent>

#include "platform/Messages.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtFont.h"
#include "platform/qt/QtWindow.h"

namespace {
// What an edit control takes when no limit is set.
constexpr int kNoLimit = 32767;
} // namespace

QtEdit::QtEdit(QtWindow& parent, int id, const Rect& rect, const Font& font, const EditStyle& style,
               std::function<void(uintptr_t)> notify)
    : parent_(&parent), edit_(new QLineEdit(&parent)) {
    edit_->setFrame(false);
    edit_->setFont(QFontOf(font));
    edit_->setAlignment(style.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    edit_->setMaxLength(style.maxLength > 0 ? style.maxLength : kNoLimit);
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, ToQColor(style.text));
    palette.setColor(QPalette::Base, ToQColor(style.background));
    edit_->setPalette(palette);
    edit_->setGeometry(ToQRect(rect));
    edit_->installEventFilter(this);
    const uintptr_t changed = uintptr_t(uint32_t(id) & 0xFFFF) | uintptr_t(kEditChanged) << 16;
    QObject::connect(edit_, &QLineEdit::textChanged, this,
                     [notify = std::move(notify), changed] { notify(changed); });
    edit_->show();
}

// Later, since the edit may be in the middle of one of its own events.
QtEdit::~QtEdit() {
    if (edit_) {
        edit_->removeEventFilter(this);
        edit_->hide();
        edit_->deleteLater();
    }
}

std::u16string QtEdit::Text() const {
    return edit_ ? FromQString(edit_->text()) : std::u16string();
}

void QtEdit::SetText(const std::u16string& text) {
    if (edit_) {
        edit_->setText(ToQString(text));
    }
}

void QtEdit::SelectAll() {
    if (edit_) {
        edit_->selectAll();
    }
}

void QtEdit::CaretToEnd() {
    if (edit_) {
        edit_->end(false);
    }
}

void QtEdit::Focus() {
    if (edit_) {
        edit_->setFocus(Qt::OtherFocusReason);
    }
}

bool QtEdit::HasFocus() const {
    return edit_ && edit_->hasFocus();
}

void QtEdit::Enable(bool enabled) {
    if (edit_) {
        edit_->setEnabled(enabled);
    }
}

void QtEdit::Show(bool shown) {
    if (edit_) {
        edit_->setVisible(shown);
    }
}

void QtEdit::SetRect(const Rect& rect) {
    if (edit_) {
        edit_->setGeometry(ToQRect(rect));
    }
}

// Only the edit is watched. Its window may be deleting it, and then the edit still sends events
// (never a key) while neither pointer can be followed: the event's type is looked at first.
bool QtEdit::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !parent_) {
        return false;
    }
    return parent_->Translate(*static_cast<QKeyEvent*>(event));
}
