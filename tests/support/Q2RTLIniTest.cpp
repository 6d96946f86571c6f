#include "support/Q2RTLIni.h"

#include "support/Q2RTLCryptedFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using r8::CQ2RTLIni;
using r8test::TempFolder;

namespace
{

void ParseText(CQ2RTLIni& ini, const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        ini.ParseIniLine(line);
}

} // namespace

TEST(Ini, ParsingRules)
{
    struct Case
    {
        const char* what;
        const char* text;
        const char* section;
        const char* key;
        const char* expected; // "def" is the default passed in
    };
    const Case cases[] = {
        {"header with blanks and a comment", "[ Settings ; comment ]\nKey=v", "settings", "KEY",
         "v"},
        {"header cut at the bracket", "[Paths]trailing\nRoot=C:\\Q2\\", "PATHS", "root",
         "C:\\Q2\\"},
        {"the later of two keys wins", "[S]\nk=first\nK=second", "S", "k", "second"},
        {"entry before any header", "k=early\n[S]\nother=1", "S", "k", "def"},
        {"commented line holding =", "[S]\n   ; k=commented", "S", "k", "def"},
        {"empty value gives the default", "[S]\nk=   ", "S", "k", "def"},
        {"split at the first =, both sides trimmed", "[S]\n  key name \t=  a = b  ", "S",
         "KEY NAME", "a = b"},
        {"empty key is ignored", "[S]\n = v", "S", "", "def"},
        {"bracket after a blank is no header", "[S]\n [T]\nk=v", "S", "k", "v"},
        {"a repeated section hides the first", "[S]\na=1\n[T]\n[s]\nb=2", "S", "a", "def"},
        {"the repeated section is found", "[S]\na=1\n[T]\n[s]\nb=2", "S", "b", "2"},
        {"missing section", "[S]\nk=v", "T", "k", "def"},
        {"null section", "[S]\nk=v", nullptr, "k", "def"},
        {"null key", "[S]\nk=v", "S", nullptr, "def"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        CQ2RTLIni ini;
        ParseText(ini, c.text);
        EXPECT_EQ(ini.GetIniString(c.section, c.key, "def"), c.expected);
    }
}

TEST(Ini, BoolValues)
{
    struct Case
    {
        const char* value;
        int expected; // -1: the default
    };
    const Case cases[] = {
        {"  on  ", 1}, {"ON", 1}, {"oN", 1}, {"1", 1},   {"true", 1}, {"TRUE", 1},
        {"yes", 0},    {"0", 0},  {"11", 0}, {"off", 0}, {"", -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.value);
        CQ2RTLIni ini;
        ParseText(ini, std::string("[S]\nk=") + c.value);
        for (bool fallback : {false, true})
        {
            bool expected = c.expected < 0 ? fallback : c.expected == 1;
            EXPECT_EQ(ini.GetIniBool("s", "K", fallback), expected);
        }
    }
    CQ2RTLIni ini;
    EXPECT_TRUE(ini.GetIniBool("SETTINGS", "TOGGLE_ACTIVE", true));
}

TEST(Ini, KeepsEverySectionAndEntryInFileOrder)
{
    CQ2RTLIni ini;
    ParseText(ini, "[One]\nk=1\nk=2\n[two]\n[ONE]\nx=3");
    const auto& sections = ini.GetSections();
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0]->GetName(), "ONE");
    EXPECT_EQ(sections[1]->GetName(), "TWO");
    EXPECT_EQ(sections[2]->GetName(), "ONE");
    EXPECT_EQ(ini.FindSection("one"), sections[2].get());

    const auto& entries = sections[0]->GetEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]->GetValue(), "1");
    EXPECT_EQ(entries[1]->GetValue(), "2");
    EXPECT_EQ(sections[0]->FindEntry("K"), entries[1].get());
}

TEST(Ini, ClearForgetsEverythingAndTheCurrentSection)
{
    CQ2RTLIni ini;
    ParseText(ini, "[S]\nk=v");
    ini.ClearIni();
    EXPECT_TRUE(ini.GetSections().empty());
    EXPECT_EQ(ini.GetIniString("S", "k", "def"), "def");
    ini.ParseIniLine("k=after clear"); // no section is current any more
    EXPECT_TRUE(ini.GetSections().empty());
}

TEST(Ini, LoadsPlainAndScrambledFiles)
{
    TempFolder folder;
    std::string plain = folder.Write("plain.ini", "[Language]\r\nLg=FRA\r\n");
    std::string scrambled = folder.Path("scrambled.ini");
    {
        r8::CQ2RTLCryptedFile writer;
        ASSERT_TRUE(writer.OpenWrite(scrambled.c_str()));
        writer.WriteString("[Language]", true);
        writer.WriteString("Lg=GER", true);
    }
    ASSERT_EQ(TempFolder::Read(scrambled).find("Lg=GER"), std::string::npos);

    CQ2RTLIni ini;
    ASSERT_TRUE(ini.LoadIni(plain.c_str()));
    EXPECT_EQ(ini.GetIniString("LANGUAGE", "LG", ""), "FRA");
    ASSERT_TRUE(ini.LoadIni(scrambled.c_str()));
    EXPECT_EQ(ini.GetSections().size(), 1u); // the earlier file is forgotten
    EXPECT_EQ(ini.GetIniString("Language", "Lg", ""), "GER");

    EXPECT_FALSE(ini.LoadIni(folder.Path("missing.ini").c_str()));
    EXPECT_TRUE(ini.GetSections().empty());
    EXPECT_FALSE(ini.LoadIni(nullptr));
}
