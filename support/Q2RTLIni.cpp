#include "support/Q2RTLIni.h"

#include "support/Q2RTLCryptedFile.h"
#include "support/TextCase.h"
#include "support/TextTrim.h"

namespace r8
{

void CQ2RTLIniSection::AddEntry(std::string key, std::string value)
{
    std::string upper = ToUpperAscii(key);
    m_entries.push_back(std::make_unique<CQ2RTLIniEntry>(std::move(key), std::move(value)));
    m_map[std::move(upper)] = m_entries.back().get();
}

const CQ2RTLIniEntry* CQ2RTLIniSection::FindEntry(const char* key) const
{
    if (key == nullptr)
        return nullptr;
    auto found = m_map.find(ToUpperAscii(key));
    return found != m_map.end() ? found->second : nullptr;
}

bool CQ2RTLIni::LoadIni(const char* path)
{
    ClearIni();
    CQ2RTLCryptedFile file;
    if (!file.OpenRead(path))
        return false;
    std::string line;
    while (file.ReadLine(line))
        ParseIniLine(line);
    return true;
}

void CQ2RTLIni::ParseIniLine(std::string_view line)
{
    if (!line.empty() && line.front() == '[')
    {
        std::string_view name = line.substr(1);
        name = name.substr(0, name.find(';'));
        name = name.substr(0, name.find(']'));
        std::string upper = ToUpperAscii(Trim(name));
        m_sections.push_back(std::make_unique<CQ2RTLIniSection>(upper));
        m_current = m_sections.back().get();
        m_map[std::move(upper)] = m_current;
        return;
    }
    if (m_current == nullptr || line.find('=') == std::string_view::npos)
        return;
    std::string_view text = TrimLeft(line);
    if (!text.empty() && text.front() == ';')
        return;
    std::size_t equals = text.find('=');
    std::string_view key = Trim(text.substr(0, equals));
    if (key.empty())
        return;
    m_current->AddEntry(std::string(key), std::string(Trim(text.substr(equals + 1))));
}

const CQ2RTLIniSection* CQ2RTLIni::FindSection(const char* name) const
{
    if (name == nullptr)
        return nullptr;
    auto found = m_map.find(ToUpperAscii(name));
    return found != m_map.end() ? found->second : nullptr;
}

const CQ2RTLIniEntry* CQ2RTLIni::FindEntry(const char* section, const char* key) const
{
    const CQ2RTLIniSection* found = FindSection(section);
    return found != nullptr ? found->FindEntry(key) : nullptr;
}

bool CQ2RTLIni::GetIniBool(const char* section, const char* key, bool defaultValue) const
{
    const CQ2RTLIniEntry* entry = FindEntry(section, key);
    if (entry == nullptr || entry->GetValue().empty())
        return defaultValue;
    const std::string& value = entry->GetValue();
    return value == "1" || EqualsNoCase(value, "ON") || EqualsNoCase(value, "TRUE");
}

std::string CQ2RTLIni::GetIniString(const char* section, const char* key,
                                    const char* defaultValue) const
{
    const CQ2RTLIniEntry* entry = FindEntry(section, key);
    if (entry == nullptr || entry->GetValue().empty())
        return defaultValue != nullptr ? std::string(defaultValue) : std::string();
    return entry->GetValue();
}

void CQ2RTLIni::ClearIni()
{
    m_current = nullptr;
    m_map.clear();
    m_sections.clear();
}

} // namespace r8
