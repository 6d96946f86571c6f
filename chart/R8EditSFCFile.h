// Line reader and writer for chart texts. One object works in one of four
// modes at a time: reading a disk file, reading a text in memory, writing a
// disk file, appending to a string. Opening a mode closes the previous one.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

class CR8EditSFCFile
{
public:
    CR8EditSFCFile() = default;
    CR8EditSFCFile(const CR8EditSFCFile&) = delete;
    CR8EditSFCFile& operator=(const CR8EditSFCFile&) = delete;
    ~CR8EditSFCFile();

    // Disk file, read in binary: a line ends at LF and is then cut at its
    // first CR, so CR alone does not end a line.
    bool OpenRead(const std::string& path);
    // Text in memory, read up to its first NUL: CR LF, LF and CR each end a
    // line (LF CR ends two). The text is read where it is, so it must outlive
    // the reading (as a string written to must outlive the writing).
    bool OpenReadText(std::string_view text);
    // Disk file, created or truncated, written in binary.
    bool OpenWrite(const std::string& path);
    // Appends to out, which must outlive the writing.
    bool OpenWriteString(std::string& out);
    // Closes the current mode; false when a disk write failed at any point.
    bool Close();

    // False at the end of the text.
    bool ReadLine(std::string& line);
    // The same without a copy: the line where it stands in the text being
    // read, valid until the file is closed or opened again.
    bool ReadLine(std::string_view& line);
    // The text, then CR LF unless the text already ends with CR LF.
    void WriteLine(std::string_view text);
    // A line written in pieces, without building it first: bytes as they
    // are, a number in decimal (as unsigned), then EndLine's CR LF.
    void Write(std::string_view bytes);
    void WriteNumber(std::uint32_t value);
    void EndLine() { Write("\r\n"); }
    // Empties text, then appends every line, each with CR LF, up to the end or
    // a line beginning with prefix (without regard to case).
    void ReadUntil(std::string_view prefix, std::string& text);

    // errno of the last failed open, 0 after a successful one.
    int GetOpenError() const { return m_openError; }

private:
    enum class Mode
    {
        None,
        ReadDisk,
        ReadText,
        WriteDisk,
        WriteString
    };

    Mode m_mode = Mode::None;
    std::string m_buffer;     // a disk file's text
    std::string_view m_text;  // the text being read: m_buffer, or the caller's
    std::size_t m_pos = 0;
    std::FILE* m_file = nullptr;
    std::string* m_out = nullptr;
    bool m_writeFailed = false;
    int m_openError = 0;
};
