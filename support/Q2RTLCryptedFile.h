// A text file that may be stored scrambled, so that settings files are not
// readable as plain text. A scrambled file begins with the four bytes "!CR5"
// and a starting key byte; every following byte is combined with a running key
// by exclusive or. A file without that header is read as plain text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace r8
{

class CQ2RTLCryptedFile
{
public:
    // Seeds the C random generator with the current time and takes the low
    // byte of rand() as the key of the next file written.
    CQ2RTLCryptedFile();
    virtual ~CQ2RTLCryptedFile();

    CQ2RTLCryptedFile(const CQ2RTLCryptedFile&) = delete;
    CQ2RTLCryptedFile& operator=(const CQ2RTLCryptedFile&) = delete;

    // The key that follows k: ((k * 7) mod 256) mod 199 + 1. Reading and
    // writing advance it after every byte, so it lies in 1..199 after the first.
    static std::uint8_t NextKey(std::uint8_t key);

    // Opens for reading. With the scramble flag set, a file beginning with
    // "!CR5" is read scrambled with the key stored after the header; any other
    // file is read as plain text and the flag is cleared. A header without its
    // key byte fails the open. False when the file cannot be opened.
    bool OpenRead(const char* path);

    // Creates (or empties) the file; with the scramble flag set, writes the
    // header and the key.
    bool OpenWrite(const char* path);

    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    // Set before opening; 1 at construction.
    void SetScramble(bool scramble) { m_scramble = scramble; }
    bool IsScrambled() const { return m_scramble; }

    // The running key; set before OpenWrite to choose the key a file gets.
    void SetKey(std::uint8_t key) { m_key = key; }
    std::uint8_t GetKey() const { return static_cast<std::uint8_t>(m_key); }

    // Number of text bytes of the file opened for reading (without the header).
    std::uint32_t GetTextSize() const { return m_textSize; }

    // errno of the last failed open (EINVAL for a header without its key).
    int GetOpenError() const { return m_openError; }

    // One byte, unscrambled. False at the end of the file.
    bool ReadChar(char& c);

    // Reads up to a line feed, which ends the line and is dropped; carriage
    // returns are dropped wherever they are. True when a line feed ended the
    // line or some text came before the end of the file.
    bool ReadLine(std::string& line);

    // The remaining text, at most the counted number of text bytes.
    std::string ReadAll();

    bool WriteChar(char c);

    // Writes the text, then CR LF when newLine is set. A null text writes
    // nothing but the line end.
    bool WriteString(const char* text, bool newLine);

private:
    std::FILE* m_file = nullptr;
    bool m_writing = false;
    std::uint32_t m_key = 0;
    bool m_scramble = true;
    std::uint32_t m_textSize = 0;
    int m_openError = 0;
};

} // namespace r8
