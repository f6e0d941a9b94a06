#include "settings/DataFolder.h"

namespace DataFolder {

namespace {

std::u16string WithSeparator(std::u16string folder) {
    if (folder.empty() || folder.back() != kSeparator)
        folder.push_back(kSeparator);
    return folder;
}

} // namespace

std::u16string FromBase(const std::u16string& base) {
    return WithSeparator(WithSeparator(base) + u"CorvexData20250321A");
}

std::u16string LinuxBase(const std::u16string& xdgDataHome, const std::u16string& home) {
    if (!xdgDataHome.empty())
        return xdgDataHome;
    return WithSeparator(home) + u".local" + kSeparator + u"share";
}

std::u16string ConfigFile(const std::u16string& dataFolder, const std::u16string& name) {
    return dataFolder + u"config" + kSeparator + name;
}

} // namespace DataFolder
