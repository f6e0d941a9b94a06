#include "macro/MacroLibraryFile.h"

#include "settings/CStdioFileEx.h"
#include "settings/TextFormat.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

constexpr char16_t kHeader[] = u"[MacroLibrary]";
constexpr size_t kActionTextLength = MacroRecord::kMaxActions * 8;

std::u16string Widen(const std::string& s) {
    return {s.begin(), s.end()};
}

std::u16string Num(int64_t v) {
    return Widen(std::to_string(v));
}

std::u16string LocationText(const MacroLocation& l) {
    return u"stage=" + Num(l.stage) + u";stage0Index=" + Num(l.stage0Index) + u";stage1Index=" +
           Num(l.stage1Index) + u";stage2Index=" + Num(l.stage2Index) + u";";
}

char16_t HexDigit(unsigned v) {
    return static_cast<char16_t>(v < 10 ? u'0' + v : u'A' + v - 10);
}

std::u16string ActionText(const MacroRecord& record) {
    std::u16string text;
    text.reserve(kActionTextLength);
    for (uint32_t i = 0; i < MacroRecord::kMaxActions; ++i)
        for (uint8_t b : record.GetAction(i).bytes) {
            text.push_back(HexDigit(b >> 4));
            text.push_back(HexDigit(b & 0xF));
        }
    return text;
}

void WriteItem(CStdioFileEx& file, const LibraryItem& item, const MacroLocation& location) {
    const std::u16string prefix(static_cast<size_t>(location.stage), u'\t');
    file.WriteString(prefix + u"++++++++MacroItemName=" + item.name);
    file.WriteString(prefix + u"MacroItemLocation:" + LocationText(location));
    file.WriteString(prefix + u"MacroItemIsFolder=" + Num(item.IsFolder));
    file.WriteString(prefix + u"MacroItemFolderIsOpen=" + Num(item.IsOpen));
    if (!item.macro)
        return;
    const MacroRecord& r = *item.macro;
    file.WriteString(prefix + u"MacroKeyIndex=" + Num(r.MacroKeyIndex));
    file.WriteString(prefix + u"MacroKeyLoopType=" + Num(r.MacroKeyLoopType));
    file.WriteString(prefix + u"MacroKeyLoopNum=" + Num(r.MacroKeyLoopNum));
    file.WriteString(prefix + u"MacroActionNum=" + Num(r.ActionCount()));
    file.WriteString(prefix + u"MacroCommandActionNum=" + Num(r.MacroCommandActionNum));
    file.WriteString(prefix + u"AllAction=" + ActionText(r));
}

// Like a C decimal conversion: optional blanks and sign, leading digits, 0 without any.
// Saturates instead of overflowing.
int64_t ReadDecimal(const std::u16string& s, size_t pos) {
    while (pos < s.size() && (s[pos] == u' ' || s[pos] == u'\t'))
        ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == u'-' || s[pos] == u'+'))
        negative = s[pos++] == u'-';
    constexpr int64_t kLimit = int64_t{1} << 40;
    int64_t value = 0;
    for (; pos < s.size() && s[pos] >= u'0' && s[pos] <= u'9'; ++pos)
        if (value < kLimit)
            value = value * 10 + (s[pos] - u'0');
    return negative ? -value : value;
}

int32_t ToInt32(int64_t v) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v < lo ? lo : v > hi ? hi : v);
}

// Position after the first "="; npos when it is missing or the last character.
size_t ValueStart(const std::u16string& line, size_t from = 0) {
    size_t eq = line.find(u'=', from);
    if (eq == std::u16string::npos || eq + 1 >= line.size())
        return std::u16string::npos;
    return eq + 1;
}

// A pair with an invalid digit reads as its valid leading digits, or 0.
uint8_t ReadHexPair(char16_t hi, char16_t lo) {
    int h = TextFormat::HexDigit(hi);
    if (h < 0)
        return 0;
    int l = TextFormat::HexDigit(lo);
    return static_cast<uint8_t>(l < 0 ? h : h * 16 + l);
}

void ReadActions(const std::u16string& text, MacroRecord& record) {
    for (uint32_t i = 0; i < MacroRecord::kMaxActions; ++i) {
        MacroAction action;
        for (size_t b = 0; b < 4; ++b) {
            size_t at = i * 8 + b * 2;
            action.bytes[b] = ReadHexPair(text[at], text[at + 1]);
        }
        record.SetAction(i, action);
    }
}

class LibraryReader {
  public:
    LibraryReader(CStdioFileEx& file, MacroLibraryTree& tree, LoadError* error)
        : file_(file), tree_(tree), error_(error) {}

    bool Read(MacroLocation* header);

  private:
    bool Fail(const char* reason) {
        if (error_)
            *error_ = {line_, reason};
        return false;
    }
    // False without a report: the end of the file (or an empty line) where an item may start.
    bool Next(std::u16string& line) {
        ++line_;
        return file_.ReadString(line);
    }
    bool Need(std::u16string& line) { return Next(line) || Fail("missing line"); }
    bool NeedValue(int64_t& value);
    bool NeedLocation(MacroLocation& location);
    bool ReadItem(const std::u16string& nameLine);
    bool ReadRecord(MacroRecord& record);

    CStdioFileEx& file_;
    MacroLibraryTree& tree_;
    LoadError* error_;
    int line_ = 0;
};

bool LibraryReader::NeedValue(int64_t& value) {
    std::u16string line;
    if (!Need(line))
        return false;
    size_t start = ValueStart(line);
    if (start == std::u16string::npos)
        return Fail("missing value after '='");
    value = ReadDecimal(line, start);
    return true;
}

bool LibraryReader::NeedLocation(MacroLocation& location) {
    std::u16string line;
    if (!Need(line))
        return false;
    auto parsed = ParseLocation(line);
    if (!parsed)
        return Fail("malformed location");
    if (!parsed->IsValid())
        return Fail("location outside the library");
    location = *parsed;
    return true;
}

bool LibraryReader::Read(MacroLocation* header) {
    std::u16string line;
    if (!Need(line))
        return false;
    if (line != kHeader)
        return Fail("first line is not [MacroLibrary]");
    int64_t next = 0;
    if (!NeedValue(next))
        return false;
    tree_.NextMacroIndex = ToInt32(next);
    MacroLocation location;
    if (!NeedLocation(location))
        return false;
    if (header)
        *header = location;
    while (Next(line))
        if (!ReadItem(line))
            return false;
    return true;
}

bool LibraryReader::ReadItem(const std::u16string& nameLine) {
    size_t start = ValueStart(nameLine);
    if (start == std::u16string::npos)
        return Fail("missing item name");
    MacroLocation location;
    int64_t folder = 0;
    int64_t open = 0;
    if (!NeedLocation(location))
        return false;
    if (location.IsNone())
        return Fail("item location names no level");
    if (!NeedValue(folder) || !NeedValue(open))
        return false;
    LibraryItem item;
    item.name = nameLine.substr(start);
    item.IsFolder = folder != 0 ? 1 : 0;
    item.IsOpen = folder != 0 ? ToInt32(open) : 0;
    if (folder == 0) {
        item.macro = std::make_unique<MacroRecord>(item.name);
        if (!ReadRecord(*item.macro))
            return false;
    }
    LibraryItem& slot = *tree_.ItemAt(location);
    slot.name = std::move(item.name);
    slot.macro = std::move(item.macro);
    slot.IsFolder = item.IsFolder;
    slot.IsOpen = item.IsOpen;
    return true;
}

bool LibraryReader::ReadRecord(MacroRecord& record) {
    int64_t id = 0, loopType = 0, loopNum = 0, count = 0, commandCount = 0;
    if (!NeedValue(id) || !NeedValue(loopType) || !NeedValue(loopNum) || !NeedValue(count))
        return false;
    if (count < 0 || count > MacroRecord::kMaxActions)
        return Fail("action count above 250");
    if (!NeedValue(commandCount))
        return false;
    std::u16string line;
    if (!Need(line))
        return false;
    size_t start = ValueStart(line);
    if (start == std::u16string::npos || line.size() - start != kActionTextLength)
        return Fail("action text is not 2000 characters");
    record.MacroKeyIndex = static_cast<uint32_t>(id);
    record.MacroKeyLoopType = static_cast<uint8_t>(loopType);
    record.MacroKeyLoopNum = static_cast<uint8_t>(loopNum);
    record.SetActionCount(static_cast<uint32_t>(count));
    record.MacroCommandActionNum = static_cast<uint8_t>(commandCount);
    ReadActions(line.substr(start), record);
    return true;
}

} // namespace

std::filesystem::path LibraryFilePath(const std::filesystem::path& dataFolder) {
    return dataFolder / "config" / "MacroLibraryFile.mlf";
}

bool SaveLibraryFile(const MacroLibraryTree& tree, const std::filesystem::path& path,
                     const MacroLocation& header) {
    CStdioFileEx file;
    if (!file.OpenForWrite(path))
        return false;
    file.WriteString(kHeader);
    file.WriteString(u"MacroKeyIndex=" + Num(tree.NextMacroIndex));
    file.WriteString(u"Select Locaton:" + LocationText(header));
    const int32_t n = MacroLocation::kListSize;
    auto writeAt = [&](const MacroLocation& location) {
        const LibraryItem* item = tree.ItemAt(location);
        if (item && !item->IsFree())
            WriteItem(file, *item, location);
    };
    for (int32_t i = 0; i < n; ++i)
        writeAt(MacroLocation::At(i));
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; tree.ChildList(MacroLocation::At(i)) && j < n; ++j)
            writeAt(MacroLocation::At(i, j));
    for (int32_t i = 0; i < n; ++i)
        for (int32_t j = 0; tree.ChildList(MacroLocation::At(i)) && j < n; ++j)
            for (int32_t k = 0; tree.ChildList(MacroLocation::At(i, j)) && k < n; ++k)
                writeAt(MacroLocation::At(i, j, k));
    return file.Close();
}

bool LoadLibraryFile(const std::filesystem::path& path, MacroLibraryTree& tree,
                     MacroLocation* header, LoadError* error) {
    CStdioFileEx file;
    if (!file.OpenForRead(path)) {
        if (error)
            *error = {0, "cannot open file"};
        return false;
    }
    tree.ClearLibrary();
    return LibraryReader(file, tree, error).Read(header);
}

std::optional<MacroLocation> ParseLocation(const std::u16string& line, MacroLocation* partial) {
    std::array<int32_t, 4> values{-1, 0, 0, 0};
    size_t pos = 0;
    bool ok = true;
    for (size_t i = 0; i < values.size() && ok; ++i) {
        pos = ValueStart(line, pos);
        ok = pos != std::u16string::npos;
        if (ok)
            values[i] = ToInt32(ReadDecimal(line, pos));
    }
    MacroLocation location{values[0], values[1], values[2], values[3]};
    if (partial)
        *partial = location;
    return ok ? std::optional(location) : std::nullopt;
}
