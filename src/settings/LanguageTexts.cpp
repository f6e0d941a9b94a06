#include "settings/LanguageTexts.h"

#include "settings/CStdioFileEx.h"
#include "settings/DataFolder.h"
#include "settings/TextFormat.h"

#include <filesystem>

namespace {

const std::u16string kEmpty;

std::u16string LanguageCode(const std::u16string& dataFolder) {
    CStdioFileEx file;
    std::u16string line;
    if (!file.OpenForRead(
            std::filesystem::path(DataFolder::ConfigFile(dataFolder, u"LanSetting.ini"))) ||
        !file.ReadString(line) || line != u"[ChangeLanguage]" || !file.ReadString(line))
        return {};
    size_t eq = line.find(u'=');
    if (eq == std::u16string::npos || eq == 0 || eq + 1 >= line.size())
        return {};
    return line.substr(eq + 1);
}

} // namespace

const std::u16string& LanguageTexts::Get(size_t number) const {
    return number < kCount ? texts_[number] : kEmpty;
}

void LanguageTexts::Set(size_t number, std::u16string text) {
    if (number < kCount)
        texts_[number] = std::move(text);
}

bool LanguageTexts::ChangeLanguage(const std::u16string& dataFolder, float uiScale) {
    const char16_t* name = LanguageCode(dataFolder) == u"EN" ? u"Lan_EN.txt" : u"Lan.txt";
    CStdioFileEx file;
    std::u16string line;
    if (!file.OpenForRead(std::filesystem::path(DataFolder::ConfigFile(dataFolder, name))) ||
        !file.ReadString(line) || line != u"[Setting]")
        return false;
    while (file.ReadString(line)) {
        size_t eq = line.find(u'=');
        if (eq == std::u16string::npos || eq == 0)
            return false;
        int64_t number = TextFormat::ParseDec(std::u16string_view(line).substr(0, eq));
        if (number >= 0)
            Set(static_cast<size_t>(number), line.substr(eq + 1));
    }
    if (texts_[0] == u"中文")
        font_ = {u"宋体", 134, static_cast<int>(uiScale * 12)};
    else
        font_ = {u"Tahoma", 1, static_cast<int>(uiScale * 16)};
    return true;
}
