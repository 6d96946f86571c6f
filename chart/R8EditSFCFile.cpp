#include "chart/R8EditSFCFile.h"

#include "chart/R8SFCText.h"

#include <cerrno>
#include <charconv>
#include <cstring>

CR8EditSFCFile::~CR8EditSFCFile()
{
    Close();
}

bool CR8EditSFCFile::OpenRead(const std::string& path)
{
    Close();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
    {
        m_openError = errno;
        return false;
    }
    m_openError = 0;
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        m_buffer.append(chunk, got);
    std::fclose(file);
    m_text = m_buffer;
    m_mode = Mode::ReadDisk;
    return true;
}

namespace
{

// The index of the first CR or LF in p[0..n), or n. Chart lines are short, so
// one pass testing eight bytes at a time beats a library search per kind of
// line end: a word holds a CR or LF byte exactly when the test below is
// nonzero for it.
std::size_t LineEnd(const char* p, std::size_t n)
{
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    constexpr std::uint64_t highs = 0x8080808080808080ull;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
    {
        std::uint64_t word;
        std::memcpy(&word, p + i, sizeof word);
        const std::uint64_t lf = word ^ (ones * '\n');
        const std::uint64_t cr = word ^ (ones * '\r');
        if ((((lf - ones) & ~lf) | ((cr - ones) & ~cr)) & highs)
            break;
    }
    while (i < n && p[i] != '\n' && p[i] != '\r')
        ++i;
    return i;
}

} // namespace

bool CR8EditSFCFile::OpenReadText(std::string_view text)
{
    Close();
    m_text = text.substr(0, text.find('\0'));
    m_openError = 0;
    m_mode = Mode::ReadText;
    return true;
}

bool CR8EditSFCFile::OpenWrite(const std::string& path)
{
    Close();
    m_file = std::fopen(path.c_str(), "wb");
    if (!m_file)
    {
        m_openError = errno;
        return false;
    }
    m_openError = 0;
    m_mode = Mode::WriteDisk;
    return true;
}

bool CR8EditSFCFile::OpenWriteString(std::string& out)
{
    Close();
    m_out = &out;
    m_openError = 0;
    m_mode = Mode::WriteString;
    return true;
}

bool CR8EditSFCFile::Close()
{
    bool ok = true;
    if (m_file)
    {
        if (std::fflush(m_file) != 0 || std::ferror(m_file))
            m_writeFailed = true;
        if (std::fclose(m_file) != 0)
            m_writeFailed = true;
        m_file = nullptr;
        ok = !m_writeFailed;
    }
    m_mode = Mode::None;
    m_buffer.clear();
    m_text = {};
    m_pos = 0;
    m_out = nullptr;
    m_writeFailed = false;
    return ok;
}

bool CR8EditSFCFile::ReadLine(std::string& line)
{
    std::string_view view;
    const bool read = ReadLine(view);
    line.assign(view);
    return read;
}

bool CR8EditSFCFile::ReadLine(std::string_view& line)
{
    line = {};
    if (m_pos >= m_text.size())
        return false;
    std::string_view rest = m_text.substr(m_pos);
    if (m_mode == Mode::ReadDisk)
    {
        std::size_t lf = rest.find('\n');
        std::string_view raw = rest.substr(0, lf);
        m_pos = lf == std::string_view::npos ? m_text.size() : m_pos + lf + 1;
        // The line as a C string would hold it, cut at its first CR.
        std::size_t cut = 0;
        while (cut < raw.size() && raw[cut] != '\r' && raw[cut] != '\0')
            ++cut;
        line = raw.substr(0, cut);
        return true;
    }
    if (m_mode != Mode::ReadText)
        return false;
    // The line ends at its first CR or LF.
    const std::size_t end = LineEnd(rest.data(), rest.size());
    line = rest.substr(0, end);
    m_pos += end;
    if (m_pos < m_text.size() && m_text[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
    return true;
}

void CR8EditSFCFile::Write(std::string_view bytes)
{
    if (m_mode == Mode::WriteString)
        m_out->append(bytes);
    else if (m_mode == Mode::WriteDisk && !m_writeFailed && !bytes.empty())
    {
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
            m_writeFailed = true;
    }
}

void CR8EditSFCFile::WriteNumber(std::uint32_t value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    Write(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void CR8EditSFCFile::WriteLine(std::string_view text)
{
    Write(text);
    if (!(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n"))
        Write("\r\n");
}

void CR8EditSFCFile::ReadUntil(std::string_view prefix, std::string& text)
{
    text.clear();
    std::string_view line;
    while (ReadLine(line))
    {
        if (r8sfc::StartsWithNoCase(line, prefix))
            break;
        text += line;
        text += "\r\n";
    }
}
