#include "settings/CStdioFileEx.h"

#include <fstream>
#include <iterator>
#include <system_error>

CStdioFileEx::~CStdioFileEx() {
    if (writing_) {
        std::error_code ec;
        std::filesystem::remove(temp_, ec);
    }
}

bool CStdioFileEx::OpenForRead(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // The first two bytes are skipped unread, whatever they are.
    content_.clear();
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        auto lo = static_cast<unsigned char>(bytes[i]);
        auto hi = static_cast<unsigned char>(bytes[i + 1]);
        content_.push_back(static_cast<char16_t>(lo | (hi << 8)));
    }
    pos_ = 0;
    line_number_ = 0;
    return true;
}

bool CStdioFileEx::ReadString(std::u16string& line) {
    if (pos_ >= content_.size())
        return false;
    size_t end = content_.find(u'\n', pos_);
    if (end == std::u16string::npos)
        end = content_.size();
    line = content_.substr(pos_, end - pos_);
    pos_ = end + 1;
    ++line_number_;
    return !line.empty();
}

bool CStdioFileEx::OpenForWrite(const std::filesystem::path& path) {
    target_ = path;
    temp_ = path;
    temp_ += ".tmp";
    out_.assign("\xFF\xFE", 2);
    writing_ = true;
    return true;
}

void CStdioFileEx::WriteString(const std::u16string& line) {
    auto put = [this](char16_t c) {
        out_.push_back(static_cast<char>(c & 0xFF));
        out_.push_back(static_cast<char>(c >> 8));
    };
    // A line feed inside a value (a typed or imported name) would shift every later line of a
    // file that is read by position; it becomes a space.
    for (char16_t c : line)
        put(c == u'\n' ? u' ' : c);
    put(u'\n');
}

bool CStdioFileEx::Close() {
    if (!writing_)
        return true;
    writing_ = false;
    {
        std::ofstream out(temp_, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(out_.data(), static_cast<std::streamsize>(out_.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temp_, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp_, target_, ec);
    if (ec) {
        std::filesystem::remove(temp_, ec);
        return false;
    }
    return true;
}

bool CStdioFileEx::WriteLines(const std::filesystem::path& path,
                              const std::vector<std::u16string>& lines) {
    CStdioFileEx file;
    if (!file.OpenForWrite(path))
        return false;
    for (const auto& line : lines)
        file.WriteString(line);
    return file.Close();
}
