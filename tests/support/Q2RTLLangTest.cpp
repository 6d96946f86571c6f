#include "support/Q2RTLLang.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

using r8::CQ2RTLArrLang;
using r8::CQ2RTLLang;
using r8test::ScopedEnvironment;
using r8test::TempFolder;

TEST(Languages, TableRows)
{
    struct Row
    {
        std::uint32_t id;
        const char* code;
        const char* nativeName;
        std::uint32_t script;
        const char* helpFile;
        const char* dictionary;
    };
    // Native names as Windows-1252 bytes.
    const Row rows[] = {
        {0, "USA", "English", 0, "Q2Help.chm", ""},
        {2, "FRA", "Fran\347ais", 0, "Q2HelpFR.chm", "Q2ResFR\\DicUKToFr.txt"},
        {1, "GER", "Deutsch", 0, "Q2HelpGR.chm", "Q2ResGR\\DicUKToGr.txt"},
        {3, "ITA", "Italiano", 0, "Q2Help.chm", "Q2ResIT\\DicUKToIt.txt"},
        {4, "SPA", "Espa\361ol", 0, "Q2Help.chm", "Q2ResSP\\DicUKToSP.txt"},
        {5, "KOR", "Korean", 1, "Q2Help.chm", "Q2ResKO\\DicUKToKo.txt"},
        {6, "RUS", "Russian", 1, "Q2HelpRU.chm", "Q2ResRU\\DicUKToRU.txt"},
        {7, "POR", "Portugu\352s", 0, "Q2Help.chm", "Q2ResPO\\DicUKToPO.txt"},
        {8, "CHT", "Traditional Chinese", 1, "Q2Help.chm", "Q2ResCHT\\DicUKToCHT.txt"},
        {9, "CHS", "Simplified Chinese", 1, "Q2Help.chm", "Q2ResCHT\\DicUKToCHS.txt"},
    };
    CQ2RTLArrLang table;
    ASSERT_EQ(table.GetSize(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i)
    {
        SCOPED_TRACE(rows[i].code);
        const CQ2RTLLang* language = table.GetAt(i);
        ASSERT_NE(language, nullptr);
        EXPECT_EQ(language->m_id, rows[i].id);
        EXPECT_EQ(language->m_code, rows[i].code);
        EXPECT_EQ(language->m_nativeName, rows[i].nativeName);
        EXPECT_EQ(language->m_script, rows[i].script);
        EXPECT_EQ(language->m_helpFile, rows[i].helpFile);
        EXPECT_EQ(language->m_dictionary, rows[i].dictionary);
    }
    EXPECT_EQ(table.GetAt(std::size(rows)), nullptr);
    // Windows-1252: c cedilla, n tilde, e circumflex are single bytes.
    EXPECT_EQ(static_cast<unsigned char>(table.GetAt(1)->m_nativeName.at(4)), 0xE7);
    EXPECT_EQ(static_cast<unsigned char>(table.GetAt(4)->m_nativeName.at(4)), 0xF1);
    EXPECT_EQ(static_cast<unsigned char>(table.GetAt(7)->m_nativeName.at(7)), 0xEA);

    const CQ2RTLLang* german = table.GetAt(2);
    EXPECT_EQ(german->m_errorFile, "Act.ger");
    EXPECT_EQ(german->m_resourceLibrary, "Q2ResGR.dll");
    EXPECT_EQ(german->m_messageExtension, ".GER");
    EXPECT_EQ(german->m_aboutLibrary, "Q2AboutGR.dll");
    EXPECT_EQ(german->m_englishName, "german");
    const CQ2RTLLang* english = table.GetAt(0);
    EXPECT_EQ(english->m_errorFile, "Act.err");
    EXPECT_EQ(english->m_messageExtension, ".ERR");
    EXPECT_EQ(english->m_englishName, "neutral");
}

TEST(Languages, FindLanguage)
{
    CQ2RTLArrLang table;
    for (const char* code : {"FRA", "fra", "fRa"})
    {
        const CQ2RTLLang* found = table.FindLanguage(code);
        ASSERT_NE(found, nullptr) << code;
        EXPECT_EQ(found->m_id, 2u) << code;
    }
    EXPECT_EQ(table.FindLanguage("chs")->m_id, 9u);
    for (const char* unknown : {"XYZ", "", "FRAN"})
    {
        const CQ2RTLLang* found = table.FindLanguage(unknown);
        ASSERT_NE(found, nullptr) << unknown;
        EXPECT_EQ(found->m_code, "USA") << unknown;
    }
    EXPECT_EQ(table.FindLanguage(nullptr), nullptr);
}

TEST(Languages, LanguageInUse)
{
    struct Case
    {
        const char* what;
        const char* settings; // Q2.INI in the data folder; null: no file
        const char* code;
        const char* resource;
        std::uint32_t id;
    };
    const Case cases[] = {
        {"no settings file", nullptr, "USA", "Q2Res.dll", 0},
        {"no Language section", "[Settings]\r\nLg=GER\r\n", "USA", "Q2Res.dll", 0},
        {"empty values", "[Language]\r\nLg=\r\nRes=\r\n", "USA", "Q2Res.dll", 0},
        {"German", "[language]\r\nlg=ger\r\nres=Q2ResGR.dll\r\n", "ger", "Q2ResGR.dll", 1},
        {"unknown code", "[Language]\r\nLg=KLINGON\r\n", "KLINGON", "Q2Res.dll", 0},
        {"code cut to 10 characters", "[Language]\r\nLg=FRA4567890123\r\n", "FRA4567890",
         "Q2Res.dll", 0},
    };
    TempFolder folder;
    ScopedEnvironment main("Q2MAIN", folder.Folder().c_str());
    CQ2RTLArrLang table;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(folder.Path("Q2.INI"));
        if (c.settings != nullptr)
            folder.Write("Q2.INI", c.settings);
        std::string code;
        std::string resource;
        EXPECT_EQ(table.GetLanguageId(&code, &resource), c.id);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(resource, c.resource);
        EXPECT_EQ(table.GetLanguageId(nullptr, nullptr), c.id);
    }

    folder.Write("Q2.INI", "[Language]\r\nRes=" + std::string(300, 'r') + "\r\n");
    std::string resource;
    table.GetLanguageId(nullptr, &resource);
    EXPECT_EQ(resource, std::string(256, 'r'));
}
