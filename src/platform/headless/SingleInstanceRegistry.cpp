#include "platform/headless/SingleInstanceRegistry.h"

HeadlessPlatform* SingleInstanceRegistry::Holder(const std::u16string& name) const {
    const auto found = holders_.find(name);
    return found == holders_.end() ? nullptr : found->second;
}

void SingleInstanceRegistry::Claim(const std::u16string& name, HeadlessPlatform& holder) {
    holders_[name] = &holder;
}

void SingleInstanceRegistry::ReleaseAll(const HeadlessPlatform& holder) {
    std::erase_if(holders_, [&](const auto& entry) { return entry.second == &holder; });
}
