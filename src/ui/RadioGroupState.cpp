#include "ui/RadioGroupState.h"

#include <array>

namespace {

// Every radio of the program with its group's bits and its own bit.
struct Member {
    unsigned identifier;
    uint32_t groupBits;
    uint32_t bit;
};

constexpr std::array<Member, 22> kMembers{{
    {3034, 0x7F, 0x1},          {3035, 0x7F, 0x2},        {3036, 0x7F, 0x4},
    {3037, 0x7F, 0x8},          {3038, 0x7F, 0x10},       {3039, 0x7F, 0x20},
    {3040, 0x7F, 0x40},         {2009, 0x180, 0x80},      {2010, 0x180, 0x100},
    {3501, 0x600, 0x200},       {3502, 0x600, 0x400},     {3240, 0x1800, 0x800},
    {3250, 0x1800, 0x1000},     {2031, 0xE000, 0x2000},   {2032, 0xE000, 0x4000},
    {2033, 0xE000, 0x8000},     {3030, 0xF0000, 0x10000}, {3031, 0xF0000, 0x20000},
    {3032, 0xF0000, 0x40000},   {3033, 0xF0000, 0x80000}, {3510, 0x300000, 0x100000},
    {3511, 0x300000, 0x200000},
}};

} // namespace

std::optional<RadioGroupState::Membership> RadioGroupState::Find(unsigned identifier) {
    for (const Member& member : kMembers) {
        if (member.identifier == identifier) {
            return Membership{member.groupBits, member.bit};
        }
    }
    return std::nullopt;
}

bool RadioGroupState::IsSelected(unsigned identifier) const {
    const auto member = Find(identifier);
    return member && (word_ & member->bit) != 0;
}

bool RadioGroupState::Select(unsigned identifier) {
    const auto member = Find(identifier);
    if (!member) {
        return false;
    }
    word_ = (word_ & ~member->groupBits) + member->bit;
    return true;
}
