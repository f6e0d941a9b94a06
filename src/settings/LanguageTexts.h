#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

// The 500 numbered interface texts and the font they choose.
class LanguageTexts {
  public:
    static constexpr size_t kCount = 500;

    struct Font {
        std::u16string face = u"宋体";
        int charset = 134;
        int height = 12;
    };

    // Empty for a number outside 0..499.
    const std::u16string& Get(size_t number) const;
    // Ignored for a number outside 0..499.
    void Set(size_t number, std::u16string text);
    const Font& GetFont() const { return font_; }

    // Loads the language chosen by config/LanSetting.ini; true when the file was read to its end.
    bool ChangeLanguage(const std::u16string& dataFolder, float uiScale);

    // Reads the texts of one language file into this object; on failure `why` names the line.
    bool LoadTextFile(const std::filesystem::path& path, std::string* why = nullptr);
    // The code a LanSetting.ini file selects ("EN"), empty when it selects none.
    static std::u16string ReadLanguageCode(const std::filesystem::path& path);

  private:
    std::array<std::u16string, kCount> texts_;
    Font font_;
};
