#include "device/MacroUpload.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "device/CommandFrame.h"
#include "device/DeviceClock.h"
#include "macro/LibraryItem.h"
#include "macro/MacroLibraryTree.h"
#include "settings/KeyUsageTable.h"
#include "settings/LanguageTexts.h"
#include "settings/ProfileSettings.h"

namespace {

constexpr uint8_t kDelayCode = 3;
constexpr uint32_t kMaxStepDelay = 0xFFF;
constexpr uint8_t kImageHead = 0x09;
constexpr size_t kStepsOffset = 4;
constexpr uint8_t kMacroBeginPayload = 0xFF;

struct StepClass {
    uint8_t type;
    uint8_t code;
};

StepClass ClassifyUsage(uint8_t h, const MacroAction& action) {
    const uint8_t bit = static_cast<uint8_t>(1u << (h % 8));
    if (h < 0x91)
        return {3, h};
    if (h <= 0xE7)
        return {2, bit};
    if (h >= 0xF0 && h <= 0xF4)
        return {1, bit};
    if (h >= 0xF5 && h <= 0xF7)
        return {static_cast<uint8_t>(4 + (h - 0xF5)), action.bytes[3]};
    return {0, h};
}

bool IsDelay(const MacroAction& action) {
    return action.bytes[0] == kDelayCode;
}

// Lists of one level of the library, in search order.
void CollectLists(const SiblingList& list, int level, int wanted,
                  std::vector<const SiblingList*>& out) {
    if (level == wanted) {
        out.push_back(&list);
        return;
    }
    for (const auto& item : list.items) {
        if (item.IsFree())
            break;
        if (item.children)
            CollectLists(*item.children, level + 1, wanted, out);
    }
}

// Top-level entries first, then every child, then every grandchild; folders are skipped and
// each list ends at its first free entry.
const LibraryItem* FindLibraryMacro(const MacroLibraryTree& library, uint32_t id) {
    const SiblingList* top = library.ChildList(MacroLocation::None());
    if (!top)
        return nullptr;
    for (int level = 0; level < 3; ++level) {
        std::vector<const SiblingList*> lists;
        CollectLists(*top, 0, level, lists);
        for (const SiblingList* list : lists)
            for (const auto& item : list->items) {
                if (item.IsFree())
                    break;
                if (!item.IsFolderItem() && item.macro && item.macro->MacroKeyIndex == id)
                    return &item;
            }
    }
    return nullptr;
}

bool IsMacroButton(const KeyAssignment& key) {
    return key.Value.Type() == kMacroFunction;
}

uint8_t SlotOf(const KeyAssignment& key) {
    return key.Value.bytes[1] & 0x0F;
}

} // namespace

std::array<uint8_t, 3> EncodeMacroStep(const MacroAction& action, uint32_t delayMs) {
    const uint32_t delay = std::min(delayMs, kMaxStepDelay);
    const StepClass c = ClassifyUsage(KeyUsage(action.bytes[0]), action);
    const uint8_t release = action.bytes[1] & 0x80;
    return {static_cast<uint8_t>(release | c.type << 4 | delay >> 8),
            static_cast<uint8_t>(delay & 0xFF), c.code};
}

MacroImage BuildMacroImage(const KeyAssignment& key) {
    MacroImage image;
    image.slot = SlotOf(key);
    const MacroRecord& macro = key.Macro;
    const uint32_t count = macro.ValidActionCount();
    size_t steps = 0;
    for (uint32_t i = 0; i < count && steps < kMaxMacroSteps; ++i) {
        const MacroAction action = macro.GetAction(i);
        if (IsDelay(action))
            continue;
        uint32_t delay = 0;
        if (i + 1 < count && IsDelay(macro.GetAction(i + 1)))
            delay = macro.GetAction(i + 1).DelayMs();
        const auto step = EncodeMacroStep(action, delay);
        std::copy(step.begin(), step.end(), image.area.begin() + kStepsOffset + steps * 3);
        ++steps;
    }
    image.area[0] = kImageHead;
    image.area[1] = kMacroFunction;
    image.area[2] = image.slot;
    image.area[3] = static_cast<uint8_t>(steps);
    image.stepBytes = steps * 3;
    return image;
}

void MacroUploader::ResolveMacroSlots(ProfileSettings& profile, const MacroLibraryTree& library,
                                      const LanguageTexts& texts) {
    std::vector<std::pair<const LibraryItem*, uint8_t>> slots;
    uint8_t next = 1;
    for (auto& key : profile.Keys) {
        if (!IsMacroButton(key))
            continue;
        const LibraryItem* item = FindLibraryMacro(library, key.MacroKeyIndex);
        if (!item) {
            key.Name = texts.Get(kDeletedMacroText);
            key.Value = {};
            continue;
        }
        auto found = std::find_if(slots.begin(), slots.end(),
                                  [item](const auto& entry) { return entry.first == item; });
        uint8_t slot = found != slots.end() ? found->second : 0;
        if (found == slots.end() && next <= kMaxMacroSlot)
            slots.emplace_back(item, slot = next++);
        if (macroCopy_)
            key.AssignMacro(item->macro.get());
        const MacroRecord& macro = *item->macro;
        key.Value.bytes = {kMacroFunction,
                           static_cast<uint8_t>((macro.MacroKeyLoopType << 4) | slot),
                           macro.MacroKeyLoopType == 2 ? macro.MacroKeyLoopNum : uint8_t{0}};
    }
    macroCopy_ = false;
}

void MacroUploader::UploadMacros(const ProfileSettings& profile, bool send) {
    bool changed = false;
    for (const auto& key : profile.Keys) {
        if (!IsMacroButton(key) || SlotOf(key) == 0)
            continue;
        const MacroImage image = BuildMacroImage(key);
        changed = changed || caches_[image.slot] != image.area;
        caches_[image.slot] = image.area;
    }
    if (!send || !changed)
        return;
    const uint8_t begin[] = {kMacroBeginPayload};
    sender_.Send(CommandCode::MacroBegin, kSinglePacket, begin);
    sender_.Clock().SleepMs(kBeginWaitMs);
    ClearCaches();
    for (const auto& key : profile.Keys) {
        if (!IsMacroButton(key) || SlotOf(key) == 0)
            continue;
        const MacroImage image = BuildMacroImage(key);
        caches_[image.slot] = image.area;
        SendMacro(image);
    }
}

void MacroUploader::SendMacro(const MacroImage& image) {
    const size_t total = image.stepBytes;
    const size_t chunks = std::max<size_t>(1, (total + kMacroChunkBytes - 1) / kMacroChunkBytes);
    size_t offset = 0;
    for (size_t i = 0; i < chunks; ++i) {
        const size_t remaining = total - offset;
        const size_t length = std::min(remaining, kMacroChunkBytes);
        std::array<uint8_t, 2 + kMacroChunkBytes> payload{};
        payload[0] = static_cast<uint8_t>(remaining > kMacroChunkBytes ? kMacroChunkBytes + 1
                                                                       : remaining + 1);
        payload[1] = image.slot;
        std::copy_n(image.area.begin() + kStepsOffset + offset, length, payload.begin() + 2);
        sender_.SendMacroChunk(static_cast<uint8_t>(i * 16 + chunks % 16), payload);
        offset += length;
    }
}
