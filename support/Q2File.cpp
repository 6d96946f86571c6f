#include "support/Q2File.h"

namespace r8
{

CQ2File::~CQ2File()
{
    Close();
}

bool CQ2File::Open(const char* path, unsigned mode)
{
    Close();
    if (path == nullptr)
        return false;
    bool write = (mode & modeWrite) != 0;
    m_file = std::fopen(path, write ? "wb" : "rb");
    if (m_file == nullptr)
        return false;
    m_path = path;
    if (write)
        m_writeOpen = true;
    else
        m_readOpen = true;
    return true;
}

bool CQ2File::OpenWrite(const char* path)
{
    return Open(path, modeWrite);
}

void CQ2File::OpenMemory(std::string_view text)
{
    Close();
    m_memory.assign(text);
    m_memoryPos = 0;
    m_fromMemory = true;
    m_readOpen = true;
}

void CQ2File::OpenMemory(const char* text)
{
    OpenMemory(text != nullptr ? std::string_view(text) : std::string_view());
}

void CQ2File::OpenString(std::string* target)
{
    Close();
    m_target = target;
    m_writeOpen = target != nullptr;
}

void CQ2File::Close()
{
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
    m_fromMemory = false;
    m_memory.clear();
    m_memoryPos = 0;
    m_target = nullptr;
    m_readOpen = false;
    m_writeOpen = false;
}

bool CQ2File::ReadLine(std::string& line)
{
    line.clear();
    if (!m_readOpen)
        return false;
    if (m_fromMemory)
    {
        if (m_memoryPos >= m_memory.size())
            return false;
        std::size_t end = m_memory.find_first_of("\r\n", m_memoryPos);
        if (end == std::string::npos)
            end = m_memory.size();
        line.assign(m_memory, m_memoryPos, end - m_memoryPos);
        m_memoryPos = end;
        if (m_memoryPos < m_memory.size() && m_memory[m_memoryPos] == '\r')
            ++m_memoryPos;
        if (m_memoryPos < m_memory.size() && m_memory[m_memoryPos] == '\n')
            ++m_memoryPos;
        return true;
    }
    if (m_file == nullptr)
        return false;
    // The same line ends as the memory source, so that a file saved with
    // bare CRs yields all its lines rather than losing what follows each CR.
    for (;;)
    {
        int c = std::fgetc(m_file);
        if (c == EOF)
            return !line.empty();
        if (c == '\n')
            return true;
        if (c == '\r')
        {
            int next = std::fgetc(m_file);
            if (next != '\n' && next != EOF)
                std::ungetc(next, m_file);
            return true;
        }
        line.push_back(static_cast<char>(c));
    }
}

void CQ2File::WriteString(std::string_view text)
{
    if (!m_writeOpen)
        return;
    if (m_target != nullptr)
        m_target->append(text);
    else if (m_file != nullptr && !text.empty())
        std::fwrite(text.data(), 1, text.size(), m_file);
}

void CQ2File::WriteString(const char* text)
{
    if (text != nullptr)
        WriteString(std::string_view(text));
}

void CQ2File::SetFilePath(const char* path)
{
    if (path != nullptr)
        m_path = path;
    else
        m_path.clear();
}

} // namespace r8
