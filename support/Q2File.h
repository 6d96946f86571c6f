// A text file whose lines may come from a file or from a text in memory, and
// whose output may go to a file or be collected in a string, so that one piece
// of code can read or write either.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace r8
{

class CQ2File
{
public:
    // Open modes: without modeWrite the file is opened for reading.
    static constexpr unsigned modeRead = 0x0000;
    static constexpr unsigned modeWrite = 0x0001; // creates or empties the file

    CQ2File() = default;
    virtual ~CQ2File();

    CQ2File(const CQ2File&) = delete;
    CQ2File& operator=(const CQ2File&) = delete;

    // Each Open closes what is open first. Files are binary: a writer puts its
    // own line ends, a reader accepts CR LF, LF and CR.
    bool Open(const char* path, unsigned mode);
    bool OpenWrite(const char* path);

    // Reads lines from a copy of text (a null text reads as empty).
    void OpenMemory(std::string_view text);
    void OpenMemory(const char* text);

    // Appends what is written to target, which the caller owns and which must
    // outlive the writing; null makes nothing open for writing.
    void OpenString(std::string* target);

    // A memory source or string target is forgotten; a real file is closed.
    void Close();

    bool IsReadOpen() const { return m_readOpen; }
    bool IsWriteOpen() const { return m_writeOpen; }

    // The next line without its line end. False when nothing is open for
    // reading or the text is used up. A line ends at LF, CR LF or a lone CR;
    // the last line needs no line end.
    bool ReadLine(std::string& line);

    // Nothing happens when nothing is open for writing. A null text writes
    // nothing.
    void WriteString(const char* text);
    void WriteString(std::string_view text);

    // The path the file reports; a null path clears it.
    void SetFilePath(const char* path);
    const std::string& GetFilePath() const { return m_path; }

private:
    std::FILE* m_file = nullptr;
    bool m_readOpen = false;
    bool m_writeOpen = false;
    bool m_fromMemory = false;
    std::string m_memory;        // the memory source
    std::size_t m_memoryPos = 0; // read position inside it
    std::string* m_target = nullptr;
    std::string m_path;
};

} // namespace r8
