#include "support/Q2RTLOut.h"

#include "support/Platform.h"

namespace r8
{

namespace
{

std::string TextOrEmpty(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

void CQ2RTLOut::SetCategory(const char* category)
{
    m_category = TextOrEmpty(category);
}

void CQ2RTLOut::SetObject(const char* object)
{
    m_object = TextOrEmpty(object);
    m_subObject.clear();
}

void CQ2RTLOut::SetSubObject(const char* subObject)
{
    m_subObject = TextOrEmpty(subObject);
}

void CQ2RTLOut::SetPosition(std::uint32_t first, std::uint32_t second)
{
    m_first = first;
    m_second = second;
}

void CQ2RTLOut::SetOutput(std::uintptr_t listWindow, std::FILE* logFile)
{
    m_listWindow = listWindow;
    m_list = nullptr;
    m_logFile = logFile;
}

void CQ2RTLOut::SetOutput(CQ2RTLOutList* list, std::FILE* logFile)
{
    m_listWindow = 0;
    m_list = list;
    m_logFile = logFile;
}

std::string CQ2RTLOut::FormatLine(const char* message) const
{
    std::string line;
    if (!m_category.empty())
        line += m_category + ": ";
    line += m_object;
    if (!m_subObject.empty())
        line += "-" + m_subObject;
    if (m_showPosition)
    {
        if (m_network > 0)
            line += "NW" + std::to_string(m_network);
        if (m_twoCoordinates)
            line += "(" + std::to_string(m_first) + "," + std::to_string(m_second) + "): ";
        else
            line += "(" + std::to_string(m_first) + "): ";
    }
    if (message != nullptr)
        line += message;
    return line;
}

void CQ2RTLOut::WriteLine(const char* message)
{
    if ((m_flags & flagSilent) != 0)
        return;
    const std::string line = FormatLine(message);
    if (m_list != nullptr)
        m_list->AddLine(line);
    else if (m_listWindow != 0)
        ListBoxAddString(m_listWindow, line.c_str());
    if (m_logFile != nullptr)
    {
        std::fwrite(line.data(), 1, line.size(), m_logFile);
        std::fwrite("\r\n", 1, 2, m_logFile);
    }
}

} // namespace r8
