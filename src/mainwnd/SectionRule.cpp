#include "mainwnd/SectionRule.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 8> kAllHeaders{3001, 3002, 3004, 3011, 3012, 3003, 3013, 3014};

struct PriorityRow {
    int header;
    std::array<int, 5> priority;
};

// 3012 has no row: its header is never shown, so it never opens.
constexpr std::array<PriorityRow, 7> kPriority{{
    {3001, {3002, 3004, 3011, 3012, 3003}},
    {3002, {3001, 3004, 3011, 3012, 3003}},
    {3004, {3001, 3002, 3011, 3012, 3003}},
    {3011, {3001, 3002, 3004, 3012, 3003}},
    {3003, {3001, 3002, 3004, 3011, 3012}},
    {3014, {3001, 3002, 3004, 3011, 3003}},
    {3013, {3001, 3002, 3004, 3011, 3003}},
}};

} // namespace

std::vector<int> HeadersToCloseOnOpen(int opened, const std::function<bool(int header)>& isOpen) {
    const auto row = std::find_if(kPriority.begin(), kPriority.end(),
                                  [&](const PriorityRow& r) { return r.header == opened; });
    if (row == kPriority.end())
        return {};
    const auto kept = std::find_if(row->priority.begin(), row->priority.end(), isOpen);
    if (kept == row->priority.end())
        return {};
    std::vector<int> close;
    for (int header : kAllHeaders)
        if (header != opened && header != *kept)
            close.push_back(header);
    return close;
}
