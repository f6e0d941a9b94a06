#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The one text-file class of every file the program keeps: UTF-16LE with a byte-order mark,
// lines ended by a single line feed, no newline translation.
class CStdioFileEx {
  public:
    CStdioFileEx() = default;
    CStdioFileEx(const CStdioFileEx&) = delete;
    CStdioFileEx& operator=(const CStdioFileEx&) = delete;
    ~CStdioFileEx();

    // Read-only, so a read-only file can still be imported.
    bool OpenForRead(const std::filesystem::path& path);
    // An empty line ends reading exactly like the end of the file; stored files rely on it.
    bool ReadString(std::u16string& line);
    // 1-based number of the line the last ReadString returned, for diagnostics.
    int LineNumber() const { return line_number_; }

    // Writes go to a temporary file beside the target, which replaces the target only on
    // Close(), so a crash or a full disk mid-write never loses the previous file.
    bool OpenForWrite(const std::filesystem::path& path);
    void WriteString(const std::u16string& line);
    bool Close();

    // Convenience: the whole file in one call.
    static bool WriteLines(const std::filesystem::path& path,
                           const std::vector<std::u16string>& lines);

  private:
    std::u16string content_;
    size_t pos_ = 0;
    int line_number_ = 0;
    std::filesystem::path target_;
    std::filesystem::path temp_;
    std::string out_;
    bool writing_ = false;
};
