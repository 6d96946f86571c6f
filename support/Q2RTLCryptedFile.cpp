#include "support/Q2RTLCryptedFile.h"

#include "support/Platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace r8
{

namespace
{

constexpr char kHeader[4] = {'!', 'C', 'R', '5'};
constexpr std::uint32_t kHeaderSize = 5; // the four header bytes and the key

} // namespace

CQ2RTLCryptedFile::CQ2RTLCryptedFile()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    m_key = static_cast<std::uint32_t>(std::rand()) & 0xFFu;
}

CQ2RTLCryptedFile::~CQ2RTLCryptedFile()
{
    Close();
}

std::uint8_t CQ2RTLCryptedFile::NextKey(std::uint8_t key)
{
    return static_cast<std::uint8_t>(((key * 7u) & 0xFFu) % 199u + 1u);
}

bool CQ2RTLCryptedFile::OpenRead(const char* path)
{
    Close();
    m_openError = 0;
    m_textSize = 0;
    errno = 0;
    m_file = OpenFileDenyWrite(path, "rb");
    if (m_file == nullptr)
    {
        m_openError = errno != 0 ? errno : ENOENT;
        return false;
    }
    m_writing = false;

    long size = 0;
    if (std::fseek(m_file, 0, SEEK_END) == 0)
        size = std::ftell(m_file);
    std::rewind(m_file);
    if (size < 0)
        size = 0;
    m_textSize = static_cast<std::uint32_t>(static_cast<unsigned long>(size));

    if (m_scramble)
    {
        char header[4];
        if (std::fread(header, 1, sizeof header, m_file) == sizeof header &&
            std::memcmp(header, kHeader, sizeof header) == 0)
        {
            int key = std::fgetc(m_file);
            if (key == EOF)
            {
                Close();
                m_openError = EINVAL;
                return false;
            }
            m_key = static_cast<std::uint32_t>(key) & 0xFFu;
            m_textSize = m_textSize >= kHeaderSize ? m_textSize - kHeaderSize : 0;
        }
        else
        {
            std::rewind(m_file);
            m_scramble = false;
        }
    }
    return true;
}

bool CQ2RTLCryptedFile::OpenWrite(const char* path)
{
    Close();
    m_openError = 0;
    m_textSize = 0;
    errno = 0;
    m_file = path != nullptr ? std::fopen(path, "wb") : nullptr;
    if (m_file == nullptr)
    {
        m_openError = path == nullptr ? EINVAL : (errno != 0 ? errno : EACCES);
        return false;
    }
    m_writing = true;
    if (m_scramble)
    {
        bool written = std::fwrite(kHeader, 1, sizeof kHeader, m_file) == sizeof kHeader &&
                       std::fputc(static_cast<int>(m_key & 0xFFu), m_file) != EOF;
        if (!written)
        {
            m_openError = errno != 0 ? errno : EIO;
            Close();
            return false;
        }
    }
    return true;
}

void CQ2RTLCryptedFile::Close()
{
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_writing = false;
}

bool CQ2RTLCryptedFile::ReadChar(char& c)
{
    if (m_file == nullptr || m_writing)
        return false;
    int got = std::fgetc(m_file);
    if (got == EOF)
        return false;
    std::uint8_t byte = static_cast<std::uint8_t>(got);
    if (m_scramble)
    {
        byte = static_cast<std::uint8_t>(byte ^ m_key);
        m_key = NextKey(static_cast<std::uint8_t>(m_key));
    }
    c = static_cast<char>(byte);
    return true;
}

bool CQ2RTLCryptedFile::ReadLine(std::string& line)
{
    line.clear();
    char c = 0;
    while (ReadChar(c))
    {
        if (c == '\n')
            return true;
        if (c != '\r')
            line.push_back(c);
    }
    return !line.empty();
}

std::string CQ2RTLCryptedFile::ReadAll()
{
    std::string text;
    char c = 0;
    // Grows as bytes arrive rather than trusting the recorded size up front.
    while (text.size() < m_textSize && ReadChar(c))
        text.push_back(c);
    return text;
}

bool CQ2RTLCryptedFile::WriteChar(char c)
{
    if (m_file == nullptr || !m_writing)
        return false;
    std::uint8_t byte = static_cast<std::uint8_t>(c);
    if (m_scramble)
    {
        byte = static_cast<std::uint8_t>(byte ^ m_key);
        m_key = NextKey(static_cast<std::uint8_t>(m_key));
    }
    return std::fputc(byte, m_file) != EOF;
}

bool CQ2RTLCryptedFile::WriteString(const char* text, bool newLine)
{
    bool ok = m_file != nullptr && m_writing;
    if (text != nullptr)
    {
        for (const char* p = text; *p != '\0' && ok; ++p)
            ok = WriteChar(*p);
    }
    if (newLine && ok)
        ok = WriteChar('\r') && WriteChar('\n');
    return ok;
}

} // namespace r8
