#include "support/Q2RTLLang.h"

#include "support/Q2RTLFolders.h"
#include "support/Q2RTLIni.h"
#include "support/TextCase.h"
#include "support/TextTrim.h"

namespace r8
{

namespace
{

struct LanguageRow
{
    std::uint32_t id;
    const char* code;
    const char* nativeName;
    std::uint32_t script;
    const char* errorFile;
    const char* resourceLibrary;
    const char* helpFile;
    const char* messageExtension;
    const char* aboutLibrary;
    const char* englishName;
    const char* dictionary;
};

// Native names are Windows-1252 bytes. The Simplified Chinese dictionary does
// lie in the Traditional Chinese resource folder.
constexpr LanguageRow kRows[] = {
    {0, "USA", "English", 0, "Act.err", "Q2Res.dll", "Q2Help.chm", ".ERR", "Q2About.dll", "neutral",
     ""},
    {2, "FRA", "Fran\347ais", 0, "Act.fra", "Q2ResFR.dll", "Q2HelpFR.chm", ".FRA", "Q2AboutFR.dll",
     "french", "Q2ResFR\\DicUKToFr.txt"},
    {1, "GER", "Deutsch", 0, "Act.ger", "Q2ResGR.dll", "Q2HelpGR.chm", ".GER", "Q2AboutGR.dll",
     "german", "Q2ResGR\\DicUKToGr.txt"},
    {3, "ITA", "Italiano", 0, "Act.ita", "Q2ResIT.dll", "Q2Help.chm", ".ITA", "Q2AboutIT.dll",
     "italian", "Q2ResIT\\DicUKToIt.txt"},
    {4, "SPA", "Espa\361ol", 0, "Act.spa", "Q2ResSP.dll", "Q2Help.chm", ".SPA", "Q2AboutSP.dll",
     "spanish", "Q2ResSP\\DicUKToSP.txt"},
    {5, "KOR", "Korean", 1, "Act.kor", "Q2ResKO.dll", "Q2Help.chm", ".KOR", "Q2AboutKO.dll",
     "korean", "Q2ResKO\\DicUKToKo.txt"},
    {6, "RUS", "Russian", 1, "Act.rus", "Q2ResRU.dll", "Q2HelpRU.chm", ".RUS", "Q2AboutRU.dll",
     "russian", "Q2ResRU\\DicUKToRU.txt"},
    {7, "POR", "Portugu\352s", 0, "Act.por", "Q2ResPO.dll", "Q2Help.chm", ".POR", "Q2AboutPO.dll",
     "portuguese", "Q2ResPO\\DicUKToPO.txt"},
    {8, "CHT", "Traditional Chinese", 1, "Act.cht", "Q2ResCHT.dll", "Q2Help.chm", ".CHT",
     "Q2AboutCHT.dll", "Traditional Chinese", "Q2ResCHT\\DicUKToCHT.txt"},
    {9, "CHS", "Simplified Chinese", 1, "Act.chs", "Q2ResCHS.dll", "Q2Help.chm", ".CHS",
     "Q2AboutCHS.dll", "Simplified Chinese", "Q2ResCHT\\DicUKToCHS.txt"},
};

constexpr std::size_t kMaxCodeLength = 10;
constexpr std::size_t kMaxResourceLength = 256;

} // namespace

CQ2RTLArrLang::CQ2RTLArrLang()
{
    for (const LanguageRow& row : kRows)
    {
        auto language = std::make_unique<CQ2RTLLang>();
        language->m_id = row.id;
        language->m_code = row.code;
        language->m_nativeName = row.nativeName;
        language->m_script = row.script;
        language->m_errorFile = row.errorFile;
        language->m_resourceLibrary = row.resourceLibrary;
        language->m_helpFile = row.helpFile;
        language->m_messageExtension = row.messageExtension;
        language->m_aboutLibrary = row.aboutLibrary;
        language->m_englishName = row.englishName;
        language->m_dictionary = row.dictionary;
        m_languages.push_back(std::move(language));
    }
}

const CQ2RTLLang* CQ2RTLArrLang::GetAt(std::size_t position) const
{
    return position < m_languages.size() ? m_languages[position].get() : nullptr;
}

const CQ2RTLLang* CQ2RTLArrLang::FindLanguage(const char* code) const
{
    if (code == nullptr)
        return nullptr;
    const CQ2RTLLang* english = nullptr;
    for (const auto& language : m_languages)
    {
        if (EqualsNoCase(language->m_code, code))
            return language.get();
        if (english == nullptr && language->m_id == kEnglish)
            english = language.get();
    }
    return english;
}

std::uint32_t CQ2RTLArrLang::GetLanguageId(std::string* code, std::string* resourceLibrary) const
{
    CQ2RTLIni settings;
    settings.LoadIni(MakeDataPath("Q2", ".INI").c_str());
    std::string lg = settings.GetIniString("Language", "Lg", "USA");
    CutText(lg, kMaxCodeLength);
    if (resourceLibrary != nullptr)
    {
        *resourceLibrary = settings.GetIniString("Language", "Res", "Q2Res.dll");
        CutText(*resourceLibrary, kMaxResourceLength);
    }
    const CQ2RTLLang* language = FindLanguage(lg.c_str());
    if (code != nullptr)
        *code = std::move(lg);
    return language != nullptr ? language->m_id : kEnglish;
}

} // namespace r8
