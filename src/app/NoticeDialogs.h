#pragma once

// The attention and progress dialogs as the shell opens them; the skinned dialogs implement it.
class NoticeDialogs {
  public:
    virtual ~NoticeDialogs() = default;
    // Modal notice with a numbered language text.
    virtual void ShowAttention(int textNumber) = 0;
    // Non-modal notice without owner, always on top.
    virtual void OpenAttention(int textNumber) = 0;
    // The support contact behind the hidden key sequence, modal.
    virtual void ShowSupportContact() = 0;
    // Modal progress bar that ends by itself.
    virtual void ShowProgress(int textNumber) = 0;
};
