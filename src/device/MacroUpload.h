#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class CommandSender;
class LanguageTexts;
struct MacroAction;
class MacroLibraryTree;
class ProfileSettings;
struct KeyAssignment;

// One slot's area of macro memory as the upload compares it; the unused rest is zero.
using MacroArea = std::array<uint8_t, 512>;

struct MacroImage {
    MacroArea area{};
    uint8_t slot = 0;
    size_t stepBytes = 0; // step data from area byte 4 on
};

inline constexpr uint8_t kMacroFunction = 0x90;
// Fifteen chunks of 25 bytes is all one packet byte can number.
inline constexpr size_t kMacroChunkBytes = 25;
inline constexpr size_t kMaxMacroChunks = 15;
inline constexpr size_t kMaxMacroSteps = kMaxMacroChunks * kMacroChunkBytes / 3;
inline constexpr uint8_t kMaxMacroSlot = 15;

// The mouse's 3-byte step for one action, with the delay that follows it (limited to 4095).
std::array<uint8_t, 3> EncodeMacroStep(const MacroAction& action, uint32_t delayMs);

// 09 90 slot count, then the steps of the button's own macro record. Byte 3 counts the steps
// actually built, so a record whose stored count disagrees with its actions never makes the
// upload read past them.
MacroImage BuildMacroImage(const KeyAssignment& key);

// Slot numbers of the macros the current profile uses, and their upload.
class MacroUploader {
  public:
    static constexpr size_t kSlotAreas = 20;
    static constexpr int kDeletedMacroText = 34;
    static constexpr uint32_t kBeginWaitMs = 10;

    explicit MacroUploader(CommandSender& sender) : sender_(sender) {}

    // Set when the macro manager closes: the next resolution copies the library macros into
    // the buttons' own records.
    void SetMacroCopy() { macroCopy_ = true; }
    bool MacroCopy() const { return macroCopy_; }

    // Slots 1 to 15 in the order buttons 0 to 15 meet their macros; the same library macro
    // shares one slot. A macro no longer in the library leaves its button without function,
    // named with text 34. A sixteenth distinct macro gets slot 0 and is not sent.
    void ResolveMacroSlots(ProfileSettings& profile, const MacroLibraryTree& library,
                           const LanguageTexts& texts);
    // Stores every macro image in its slot area; with `send`, when any differed, erases the
    // mouse's macro memory and sends all macros of the profile again.
    void UploadMacros(const ProfileSettings& profile, bool send);
    void ClearCaches() { caches_ = {}; }
    const MacroArea& Cache(size_t slot) const { return caches_[slot % kSlotAreas]; }

  private:
    void SendMacro(const MacroImage& image);

    CommandSender& sender_;
    std::array<MacroArea, kSlotAreas> caches_{};
    bool macroCopy_ = false;
};
