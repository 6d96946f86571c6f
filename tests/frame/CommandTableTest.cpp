#include "frame/CommandArgs.h"
#include "frame/CommandTable.h"
#include "frame/R8MapCommand.h"

#include <gtest/gtest.h>

#include <string>

using namespace r8;

TEST(CommandTable, RowsFollowIdentifiersAndLeaveTwoGaps)
{
    int commands = 0;
    for (int id = 0; id < kCommandCount; ++id)
    {
        const CommandRow* row = FindCommandRow(id);
        if (id == 107 || id == 225)
        {
            EXPECT_EQ(row, nullptr) << id;
            continue;
        }
        ASSERT_NE(row, nullptr) << id;
        EXPECT_EQ(row->id, id);
        ++commands;
    }
    EXPECT_EQ(commands, 582);
    EXPECT_EQ(FindCommandRow(-1), nullptr);
    EXPECT_EQ(FindCommandRow(584), nullptr);
}

TEST(CommandTable, RowsKeepTheirTextsAsWritten)
{
    struct Case
    {
        int id;
        const char* name;
        const char* ret;
        std::vector<std::string> params;
    };
    const Case cases[] = {
        {0, "Help", "LPCSTR", {"LPCSTR szCsvFile = NULL"}},
        {1, "SetEnable", "void", {"BOOL bEnable=TRUE"}},
        {30, "GetTextLenght", "int", {}},
        {46, "FindReplace", "long",
         {"LPCSTR szFind", "LPCSTR szReplace", "DWORD dwCommand", "DWORD dwFlags",
          "HWND hListBox = NULL"}},
        {262, "InsertCol", "int",
         {"int iCol=R8F_CURRENTCOL", "LPCSTR szCol=NULL", "WORD wColType=NO_TYPE",
          "WORD wColTypeEx=0"}},
        {473, "PrintFolioEx", "LPCRECT",
         {"int iFolioX", "int iFolioY", "HDC hDC", "int iLeftPos", "int iTopPos"}},
        {567, "ForcePrintZoom", "BOOL", {"BOOL bForce", "int iZoom = 100"}},
    };
    for (const Case& c : cases)
    {
        const CommandRow* row = FindCommandRow(c.id);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->name, c.name);
        EXPECT_STREQ(row->returnType, c.ret);
        std::vector<std::string> params;
        for (const char* p : row->params)
            if (p != nullptr)
                params.emplace_back(p);
        EXPECT_EQ(params, c.params) << c.name;
    }
}

TEST(MapCommand, LooksUpNamesWithoutRegardToCase)
{
    CR8MapCommand map;
    EXPECT_EQ(map.InsertionCount(), 583);
    struct Case
    {
        const char* name;
        int id;
    };
    const Case cases[] = {
        {"InsertStep", 134},      {"INSERTSTEP", 134},    {"insertstep", 134},
        {"iNsErTsTeP", 134},      {"InsertStep ", -1},    {" InsertStep", -1},
        {"GETTEXTLENGHT", 30},    {"GetTextLength", -1},  {"INSERTJUMP", 124},
        {"insertjump", 124},      {"Help", 0},            {"SetItemImageStatus", 583},
        {"", -1},                 {nullptr, -1},          {"NoSuchCommand", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(map.Lookup(c.name), c.id) << (c.name ? c.name : "(null)");
    // Every row's own name, in any case, finds its identifier.
    for (const CommandRow& row : CommandRows())
    {
        if (row.name == nullptr)
            continue;
        std::string lower(row.name);
        for (char& ch : lower)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_EQ(map.Lookup(lower.c_str()), row.id) << row.name;
    }
}

TEST(CommandArgs, ConvertsByDeclaredType)
{
    struct BoolCase
    {
        const char* text;
        bool value;
    };
    const BoolCase bools[] = {
        {nullptr, false}, {"", false},     {"0", false},    {"1", true},   {"2", true},
        {"-1", true},     {"yes", false},  {"off", false},  {"OFF", false}, {"on", true},
        {"ON", true},     {"True", true},  {"FALSE", false}, {"12abc", true}, {" 3", true},
        {"TRUE ", false}, {"onward", false},
    };
    for (const BoolCase& c : bools)
        EXPECT_EQ(ParseBool(c.text), c.value) << (c.text ? c.text : "(null)");

    EXPECT_EQ(ParseInt(nullptr), 0);
    EXPECT_EQ(ParseInt("42"), 42);
    EXPECT_EQ(ParseInt("  -7x"), -7);
    EXPECT_EQ(ParseInt("abc"), 0);
    EXPECT_EQ(ParseInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseLong("-99999999999"), -2147483647L - 1);
    EXPECT_EQ(ParsePointer("4294967295"), 4294967295u);
    EXPECT_EQ(ParsePointer(nullptr), 0u);

    const char* argv[] = {"SetZoom", "70000", "-1", nullptr};
    CommandArgs a{4, argv};
    EXPECT_EQ(a.Word(1), 70000 & 0xFFFF); // a 16-bit parameter keeps the low 16 bits
    EXPECT_EQ(a.Int(2), -1);
    EXPECT_EQ(a.Text(3), nullptr);
    // Past argc every argument reads as null, so nothing reads past the array.
    CommandArgs shortArgs{2, argv};
    EXPECT_EQ(shortArgs.Text(2), nullptr);
    EXPECT_EQ(shortArgs.Int(2), 0);
    CommandArgs none{3, nullptr};
    EXPECT_EQ(none.Text(0), nullptr);
}

TEST(CommandArgs, ArgcSensitiveCommands)
{
    const char* argv[] = {"DlgCreateVar", "bRun", "7", "extra"};
    struct Case
    {
        int argc;
        const char* name;
        long type;
        const char* itemName; // CreateItem's third argument
    };
    const Case cases[] = {
        {-1, nullptr, 0, nullptr}, {0, nullptr, 0, nullptr}, {1, nullptr, 0, nullptr},
        {2, "bRun", 0, nullptr},   {3, "bRun", 7, nullptr},  {4, "bRun", 7, "extra"},
    };
    for (const Case& c : cases)
    {
        CommandArgs a{c.argc, argv};
        DlgCreateVarArgs d = ArgsOfDlgCreateVar(a);
        EXPECT_EQ(d.name, c.name) << c.argc;
        EXPECT_EQ(d.type, c.type) << c.argc;
        EXPECT_EQ(NameArgOfCreateItem(a), c.itemName) << c.argc;
    }
    const char* five[] = {"CreateItem", "1", "2", "name", "more"};
    EXPECT_EQ(NameArgOfCreateItem(CommandArgs{5, five}), nullptr);
}
