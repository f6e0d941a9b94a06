#pragma once

#include <cstdint>
#include <span>

#include "GalleryCaption.h"

class CDlgBase;

// The gallery's combo buttons report enter, leave and release under this message.
inline constexpr uint32_t kGalleryComboMessage = 0x502;

// One button-like control of every kind, with its skin pictures, added to a list of the dialog.
void AddGalleryButtons(CDlgBase& dialog, int list);
// The class names written above those controls.
std::span<const GalleryCaption> GalleryButtonCaptions();
// Puts the controls the screenshot shows hovered or pressed into that state.
void ShowGalleryButtonStates(CDlgBase& dialog);
