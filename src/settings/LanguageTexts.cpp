#include "settings/LanguageTexts.h"

#include "settings/CStdioFileEx.h"
#include "settings/DataFolder.h"
#include "settings/TextFormat.h"

#include <filesystem>

namespace {

const std::u16string kEmpty;

bool Reject(std::string* why, size_t line, const char* reason) {
    if (why)
        *why = "line " + std::to_string(line) + ": " + reason;
    return false;
}

} // namespace

const std::u16string& LanguageTexts::Get(size_t number) const {
    return number < kCount ? texts_[number] : kEmpty;
}

void LanguageTexts::Set(size_t number, std::u16string text) {
    if (number < kCount)
        texts_[number] = std::move(text);
}

std::u16string LanguageTexts::ReadLanguageCode(const std::filesystem::path& path) {
    CStdioFileEx file;
    std::u16string line;
    if (!file.OpenForRead(path) || !file.ReadString(line) || line != u"[ChangeLanguage]" ||
        !file.ReadString(line))
        return {};
    size_t eq = line.find(u'=');
    if (eq == std::u16string::npos || eq == 0 || eq + 1 >= line.size())
        return {};
    return line.substr(eq + 1);
}

bool LanguageTexts::LoadTextFile(const std::filesystem::path& path, std::string* why) {
    CStdioFileEx file;
    std::u16string line;
    if (!file.OpenForRead(path))
        return Reject(why, 0, "cannot be opened");
    if (!file.ReadString(line) || line != u"[Setting]")
        return Reject(why, 1, "\"[Setting]\" expected");
    while (file.ReadString(line)) {
        size_t eq = line.find(u'=');
        if (eq == std::u16string::npos || eq == 0)
            return Reject(why, file.LineNumber(), "\"number=text\" expected");
        int64_t number = TextFormat::ParseDec(std::u16string_view(line).substr(0, eq));
        if (number >= 0)
            Set(static_cast<size_t>(number), line.substr(eq + 1));
    }
    return true;
}

bool LanguageTexts::ChangeLanguage(const std::u16string& dataFolder, float uiScale) {
    std::u16string code = ReadLanguageCode(DataFolder::ConfigFile(dataFolder, u"LanSetting.ini"));
    const char16_t* name = code == u"EN" ? u"Lan_EN.txt" : u"Lan.txt";
    if (!LoadTextFile(DataFolder::ConfigFile(dataFolder, name)))
        return false;
    if (texts_[0] == u"中文")
        font_ = {u"宋体", 134, static_cast<int>(uiScale * 12)};
    else
        font_ = {u"Tahoma", 1, static_cast<int>(uiScale * 16)};
    return true;
}
