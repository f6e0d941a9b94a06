#pragma once

#include <string>

// Where the per-user files live. The platform layer finds the base folder (the shell's
// application data folder, or the XDG data home) and hands it in.
namespace DataFolder {

#ifdef _WIN32
inline constexpr char16_t kSeparator = u'\\';
#else
inline constexpr char16_t kSeparator = u'/';
#endif

// Base folder + "CorvexData20250321A" + separator.
std::u16string FromBase(const std::u16string& base);
// ${XDG_DATA_HOME:-$HOME/.local/share}; pass the two environment values (empty when unset).
std::u16string LinuxBase(const std::u16string& xdgDataHome, const std::u16string& home);
// Data folder + "config" + separator + name.
std::u16string ConfigFile(const std::u16string& dataFolder, const std::u16string& name);

} // namespace DataFolder
