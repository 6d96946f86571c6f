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
    m_mode = Mode::ReadDisk;
    return true;
}

bool CR8EditSFCFile::OpenReadText(std::string_view text)
{
    Close();
    m_buffer.assign(text.substr(0, text.find('\0')));
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
    m_pos = 0;
    m_out = nullptr;
    m_writeFailed = false;
    return ok;
}

bool CR8EditSFCFile::ReadLine(std::string& line)
{
    line.clear();
    if (m_pos >= m_buffer.size())
        return false;
    std::string_view rest(m_buffer);
    rest.remove_prefix(m_pos);
    if (m_mode == Mode::ReadDisk)
    {
        std::size_t lf = rest.find('\n');
        std::string_view raw = rest.substr(0, lf);
        m_pos = lf == std::string_view::npos ? m_buffer.size() : m_pos + lf + 1;
        // The line as a C string would hold it, cut at its first CR.
        std::size_t cut = 0;
        while (cut < raw.size() && raw[cut] != '\r' && raw[cut] != '\0')
            ++cut;
        line.assign(raw.substr(0, cut));
        return true;
    }
    if (m_mode != Mode::ReadText)
        return false;
    // The line ends at its first CR or LF: LF found first, then a CR looked
    // for only before it (both searches run a word at a time).
    const char* begin = rest.data();
    const void* lf = std::memchr(begin, '\n', rest.size());
    std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : rest.size();
    if (const void* cr = std::memchr(begin, '\r', end))
        end = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
    line.assign(rest.substr(0, end));
    m_pos += end;
    if (m_pos < m_buffer.size() && m_buffer[m_pos] == '\r')
        ++m_pos;
    if (m_pos < m_buffer.size() && m_buffer[m_pos] == '\n')
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
    std::string line;
    while (ReadLine(line))
    {
        if (r8sfc::StartsWithNoCase(line, prefix))
            break;
        text += line;
        text += "\r\n";
    }
}
