#include "settings/ProfileFile.h"

#include "settings/CStdioFileEx.h"
#include "settings/TextFormat.h"

namespace ProfileFile {

namespace {

using TextFormat::Dec;
using TextFormat::Hex;

constexpr size_t kAllActionLength = MacroRecord::kMaxActions * 8;

std::u16string Byte(uint8_t value) {
    return Hex(value, 2);
}

std::u16string Colour3(Colour c) {
    return Byte(c & 0xFF) + Byte((c >> 8) & 0xFF) + Byte((c >> 16) & 0xFF);
}

std::u16string Bytes3(const std::array<uint8_t, 3>& b) {
    return Byte(b[0]) + Byte(b[1]) + Byte(b[2]);
}

template <size_t N> std::u16string ByteList(const std::array<uint8_t, N>& bytes) {
    std::u16string out;
    for (size_t i = 0; i < N; ++i)
        out += Byte(bytes[i]) + (i + 1 < N ? u"|" : u"");
    return out;
}

template <typename T, typename Format>
std::u16string
Groups(const std::array<std::array<T, LightingZone::kSlots>, LightingZone::kEffects>& groups,
       Format format) {
    std::u16string out;
    for (const auto& group : groups)
        for (size_t s = 0; s < group.size(); ++s)
            out += format(group[s]) + (s + 1 < group.size() ? u"|" : u";");
    return out;
}

void WriteDpi(CStdioFileEx& f, const ProfileSettings& p) {
    f.WriteString(u"DPIOffOnFlagValue=" + Byte(p.DPIOffOnFlagValue));
    for (size_t i = 0; i < ProfileSettings::kDpiLevels; ++i) {
        std::u16string n = Dec(static_cast<int64_t>(i + 1));
        f.WriteString(u"\tXYSetting" + n + u"ValueX=" + Hex(p.XYSettingX[i], 4));
        f.WriteString(u"\tXYSetting" + n + u"ValueY=" + Hex(p.XYSettingY[i], 4));
    }
    f.WriteString(u"\tCurrentDPILevelValue=" + Byte(p.CurrentDPILevelValue));
    for (size_t i = 0; i < ProfileSettings::kDpiLevels; ++i)
        f.WriteString(u"\tDPILevelIndication" + Dec(static_cast<int64_t>(i)) + u"Valuer=" +
                      Colour3(p.DPILevelIndication[i]));
    f.WriteString(u"\tAngleSnapValue=" + Byte(p.AngleSnapValue));
    f.WriteString(u"\tLiftDetectionValue=" + Byte(p.LiftDetectionValue));
}

void WriteLighting(CStdioFileEx& f, const ProfileSettings& p) {
    const LightingZone& l = p.Lighting1;
    f.WriteString(u"Lighting1Name=" + l.Name);
    f.WriteString(u"\tLighting1ModeValue=" + Bytes3(l.ModeValue));
    f.WriteString(u"\tLighting1OffOn=" + Byte(l.OffOn));
    f.WriteString(u"\tLighting1Speed=" + ByteList(l.Speed));
    f.WriteString(u"\tLighting1Brightness=" + ByteList(l.Brightness));
    f.WriteString(u"\tLighting1ColorSelected=" + Groups(l.ColorSelected, Byte));
    f.WriteString(u"\tLighting1FixedColor=" + Groups(l.FixedColor, Colour3));
    f.WriteString(u"\tLighting1Direction=" + ByteList(l.Direction));
    const SimpleLightingZone& m = p.Lighting2;
    f.WriteString(u"Lighting2Name=" + m.Name);
    f.WriteString(u"\tLighting2ModeValue=" + Bytes3(m.ModeValue));
    f.WriteString(u"\tLighting2OffOn=" + Byte(m.OffOn));
    f.WriteString(u"\tLighting2Speed=" + Byte(m.Speed));
    f.WriteString(u"\tLighting2Brightness=" + Byte(m.Brightness));
    f.WriteString(u"\tLighting2FixedColor=" + Colour3(m.FixedColor));
}

void WriteKeys(CStdioFileEx& f, const ProfileSettings& p) {
    for (size_t i = 0; i < ProfileSettings::kKeyCount; ++i) {
        const KeyAssignment& k = p.Keys[i];
        std::u16string n = Dec(static_cast<int64_t>(i));
        f.WriteString(u"Key" + n + u"Name=" + k.Name);
        f.WriteString(u"\tKey" + n + u"URL=" + k.URL);
        f.WriteString(u"\tKey" + n + u"Value=" + Bytes3(k.Value.bytes));
        f.WriteString(u"\tMacroKeyIndex=" + Dec(k.MacroKeyIndex));
        f.WriteString(u"\tMacroKey" + n + u"Name=" + k.Macro.Name());
        f.WriteString(u"\t\tMacroActionNum=" + Dec(k.Macro.ActionCount()));
        std::u16string actions;
        actions.reserve(kAllActionLength);
        for (uint32_t j = 0; j < MacroRecord::kMaxActions; ++j)
            for (uint8_t b : k.Macro.GetAction(j).bytes)
                actions += Byte(b);
        f.WriteString(u"\t\tAllAction=" + actions);
    }
}

// One line of the file at a time; `p` is the position of its first "=".
class LineReader {
  public:
    explicit LineReader(CStdioFileEx& file) : file_(file) {}

    // False at the end of the file, an empty line, or a line without "=" (at 0 unless allowed).
    bool Next(bool equalsMayStart = false) {
        int before = file_.LineNumber();
        bool read = file_.ReadString(line_);
        atEnd_ = file_.LineNumber() == before;
        if (!read)
            return false;
        p_ = line_.find(u'=');
        return p_ != std::u16string::npos && (equalsMayStart || p_ != 0);
    }
    // The line a failed read stopped at: the one read, or the missing one after the last.
    int StopLine() const { return file_.LineNumber() + (atEnd_ ? 1 : 0); }
    std::u16string Before() const { return line_.substr(0, p_); }
    std::u16string After() const { return line_.substr(p_ + 1); }
    uint32_t HexAt(size_t offset, size_t width) const {
        size_t k = p_ + offset;
        return k < line_.size() ? TextFormat::ParseHex(std::u16string_view(line_).substr(k, width))
                                : 0;
    }
    uint8_t ByteAt(size_t offset) const { return static_cast<uint8_t>(HexAt(offset, 2)); }
    Colour ColourAt(size_t offset) const {
        return Rgb(ByteAt(offset), ByteAt(offset + 2), ByteAt(offset + 4));
    }
    std::array<uint8_t, 3> Bytes3() const { return {ByteAt(1), ByteAt(3), ByteAt(5)}; }

    // Next line's value into one field; false when the line is missing or malformed.
    bool Text(std::u16string& out) { return Next() && (out = After(), true); }
    bool Byte(uint8_t& out) { return Next() && (out = ByteAt(1), true); }
    bool Word(uint16_t& out) { return Next() && (out = static_cast<uint16_t>(HexAt(1, 4)), true); }
    bool Swatch(Colour& out) { return Next() && (out = ColourAt(1), true); }
    bool Triple(std::array<uint8_t, 3>& out) { return Next() && (out = Bytes3(), true); }

  private:
    CStdioFileEx& file_;
    std::u16string line_;
    size_t p_ = 0;
    bool atEnd_ = false;
};

bool ReadDpi(LineReader& r, ProfileSettings& p) {
    if (!r.Byte(p.DPIOffOnFlagValue))
        return false;
    for (size_t i = 0; i < ProfileSettings::kDpiLevels; ++i)
        if (!r.Word(p.XYSettingX[i]) || !r.Word(p.XYSettingY[i]))
            return false;
    if (!r.Byte(p.CurrentDPILevelValue))
        return false;
    for (auto& colour : p.DPILevelIndication)
        if (!r.Swatch(colour))
            return false;
    return r.Byte(p.AngleSnapValue) && r.Byte(p.LiftDetectionValue);
}

template <size_t N> bool ReadByteList(LineReader& r, std::array<uint8_t, N>& bytes) {
    if (!r.Next())
        return false;
    for (size_t k = 0; k < N; ++k)
        bytes[k] = r.ByteAt(1 + 3 * k);
    return true;
}

bool ReadLighting1(LineReader& r, LightingZone& l) {
    if (!r.Text(l.Name) || !r.Triple(l.ModeValue) || !r.Byte(l.OffOn) ||
        !ReadByteList(r, l.Speed) || !ReadByteList(r, l.Brightness) || !r.Next())
        return false;
    constexpr size_t kSlots = LightingZone::kSlots;
    for (size_t k = 0; k < LightingZone::kEffects * kSlots; ++k)
        l.ColorSelected[k / kSlots][k % kSlots] = r.ByteAt(1 + 3 * k);
    if (!r.Next())
        return false;
    for (size_t k = 0; k < LightingZone::kEffects * kSlots; ++k)
        l.FixedColor[k / kSlots][k % kSlots] = r.ColourAt(1 + 7 * k);
    return ReadByteList(r, l.Direction);
}

bool ReadLighting2(LineReader& r, SimpleLightingZone& l) {
    return r.Text(l.Name) && r.Triple(l.ModeValue) && r.Byte(l.OffOn) && r.Byte(l.Speed) &&
           r.Byte(l.Brightness) && r.Swatch(l.FixedColor);
}

bool ReadKey(LineReader& r, KeyAssignment& k) {
    if (!r.Text(k.Name) || !r.Text(k.URL) || !r.Triple(k.Value.bytes) || !r.Next() ||
        r.After().empty())
        return false;
    k.MacroKeyIndex = static_cast<uint32_t>(TextFormat::ParseDec(r.After()));
    if (!r.Next(true))
        return false;
    k.Macro.SetName(r.After());
    if (!r.Next(true) || r.After().empty())
        return false;
    k.Macro.SetActionCount(static_cast<uint32_t>(TextFormat::ParseDec(r.After())));
    if (!r.Next(true))
        return false;
    std::u16string all = r.After();
    if (all.size() != kAllActionLength)
        return false;
    for (uint32_t j = 0; j < MacroRecord::kMaxActions; ++j) {
        MacroAction action;
        for (size_t b = 0; b < 4; ++b)
            action.bytes[b] = static_cast<uint8_t>(
                TextFormat::ParseHex(std::u16string_view(all).substr(8 * j + 2 * b, 2)));
        k.Macro.SetAction(j, action);
    }
    return true;
}

} // namespace

bool Write(const ProfileSettings& p, const std::filesystem::path& path) {
    CStdioFileEx f;
    if (!f.OpenForWrite(path))
        return false;
    f.WriteString(u"[Setting]");
    for (const auto& pair : p.SettingPairs)
        f.WriteString(pair.key + u"=" + pair.value);
    WriteDpi(f, p);
    f.WriteString(u"PollingRateName=" + p.PollingRateName);
    f.WriteString(u"\tPollingRateValue=" + Bytes3(p.PollingRateValue));
    WriteLighting(f, p);
    WriteKeys(f, p);
    return f.Close();
}

static bool ReadBody(LineReader& r, ProfileSettings& p) {
    for (auto& pair : p.SettingPairs) {
        if (!r.Next())
            return false;
        pair = {r.Before(), r.After()};
    }
    if (!ReadDpi(r, p) || !r.Text(p.PollingRateName) || !r.Triple(p.PollingRateValue) ||
        !ReadLighting1(r, p.Lighting1) || !ReadLighting2(r, p.Lighting2))
        return false;
    for (auto& key : p.Keys)
        if (!ReadKey(r, key))
            return false;
    return true;
}

bool Read(ProfileSettings& p, const std::filesystem::path& path, int* failedLine) {
    CStdioFileEx f;
    std::u16string header;
    int stop = 0;
    bool read = f.OpenForRead(path);
    if (read) {
        stop = 1;
        read = f.ReadString(header) && header == u"[Setting]";
    }
    if (read) {
        LineReader r(f);
        read = ReadBody(r, p);
        stop = r.StopLine();
    }
    if (!read && failedLine)
        *failedLine = stop;
    return read;
}

} // namespace ProfileFile
