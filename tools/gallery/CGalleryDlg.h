#pragma once

#include <memory>
#include <string>
#include <vector>

#include "macro/MacroLibraryTree.h"
#include "macro/MacroRecord.h"
#include "ui/CDlgBase.h"
#include "ui/SkinImage.h"

class CWndPopup;

// One skinned dialog with one control of every kind and, on its right, one open popup list of
// every class. With logNotifications every message it gets is printed on standard output, one
// line each ("notify <control> <code>" for a control's notification), so a script can check
// that clicks reach the controls.
class CGalleryDlg : public CDlgBase {
  public:
    CGalleryDlg(UiContext& ui, bool logNotifications);

    // Opens the popups beside the controls; the dialog must have been created.
    void OpenPopups();
    // Paints the dialog and its popups into one picture of the dialog's size.
    std::unique_ptr<Image> Render();

    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnMouseMove(uint32_t flags, Point point) override;

  protected:
    // Opens the popups once the modal run has started, when the window has its place.
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void Draw(Surface& surface, const Rect& client) override;

  private:
    struct OpenPopup {
        CWndPopup* popup;
        WindowId window;
        Point at; // client pixels of the dialog
    };
    void CreateButtons();
    void CreateGauges();
    void CreateLists();
    void Log(uint32_t message, uintptr_t wParam, intptr_t lParam) const;

    MacroLibraryTree library_;
    SelectedLocation selection_;
    MacroRecord macro_;
    std::unique_ptr<Image> background_;
    SkinImage sliderBar_;
    std::vector<OpenPopup> popups_;
    bool logNotifications_;
};
