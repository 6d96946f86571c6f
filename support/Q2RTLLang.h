// The ten user-interface languages of the workbench: for each its code, names
// and the installation files that carry its texts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace r8
{

class CQ2RTLLang
{
public:
    virtual ~CQ2RTLLang() = default;

    std::uint32_t m_id = 0;     // not the position in the table
    std::string m_code;         // "USA", "FRA", ...
    std::string m_nativeName;   // Windows-1252 bytes
    std::uint32_t m_script = 0; // 1 for languages that need a script of their own
    std::string m_errorFile;    // "Act.err", ...
    std::string m_resourceLibrary;
    std::string m_helpFile; // the English one where there is none of its own
    std::string m_messageExtension;
    std::string m_aboutLibrary;
    std::string m_englishName;
    std::string m_dictionary; // relative to the installation; empty for English
};

class CQ2RTLArrLang
{
public:
    // Identifier of the English entry, the answer for an unknown code.
    static constexpr std::uint32_t kEnglish = 0;

    CQ2RTLArrLang();
    virtual ~CQ2RTLArrLang() = default;

    std::size_t GetSize() const { return m_languages.size(); }

    // Null for a position outside the table.
    const CQ2RTLLang* GetAt(std::size_t position) const;

    // The first entry whose code equals code ignoring case, the English entry
    // when none does, null for a null code.
    const CQ2RTLLang* FindLanguage(const char* code) const;

    // Reads the language in use from the workbench settings file ("Q2.INI" in
    // the data folder), section "Language": "Lg" (at most 10 characters,
    // "USA" when missing or empty) into code and, when resourceLibrary is not
    // null, "Res" (at most 256 characters, "Q2Res.dll" by default). Answers
    // the identifier of FindLanguage for that code.
    std::uint32_t GetLanguageId(std::string* code, std::string* resourceLibrary) const;

private:
    std::vector<std::unique_ptr<CQ2RTLLang>> m_languages;
};

} // namespace r8
