#include "frame/CommandFormatter.h"
#include "frame/CommandTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace r8;

namespace
{

std::string Entry(unsigned style, int id)
{
    std::string out;
    AppendCommandEntry(out, style, SignatureOf(*FindCommandRow(id)));
    return out;
}

std::string Entry(unsigned style, const CommandSignature& sig)
{
    std::string out;
    AppendCommandEntry(out, style, sig);
    return out;
}

std::string Pad(const std::string& head, std::size_t width)
{
    return head + std::string(width > head.size() ? width - head.size() : 0, ' ');
}

} // namespace

TEST(CommandFormatter, SplitsParameterTexts)
{
    struct Case
    {
        const char* text;
        const char* type;
        const char* name;
        const char* def;
    };
    const Case cases[] = {
        {"BOOL bEnable=TRUE", "BOOL", "bEnable", "TRUE"},
        {"LPCSTR szCsvFile = NULL", "LPCSTR", "szCsvFile", "NULL"},
        {"int iZoom = 100", "int", "iZoom", "100"},
        {"HDC hDC", "HDC", "hDC", ""},
        {"DWORD", "DWORD", "", ""},
        {"BOOL ", "BOOL", "", ""},
        {"int a=b=c", "int", "a", "b=c"},
    };
    for (const Case& c : cases)
    {
        ParamParts p = SplitParam(c.text);
        EXPECT_EQ(p.type, c.type) << c.text;
        EXPECT_EQ(p.name, c.name) << c.text;
        EXPECT_EQ(p.defaultValue, c.def) << c.text;
    }
}

TEST(CommandFormatter, HelpTableListsTypesOnly)
{
    std::string header;
    AppendHelpHeader(header);
    EXPECT_EQ(header, "\"Return\";\"Function\";\"Parameters\"\n");
    EXPECT_EQ(Entry(kStyleHelp, 1), "\"void\";\"SetEnable\";\"BOOL\"\n");
    EXPECT_EQ(Entry(kStyleHelp, 2), "\"BOOL\";\"IsEnable\"\n");
    EXPECT_EQ(Entry(kStyleHelp, 0), "\"LPCSTR\";\"Help\";\"LPCSTR\"\n");
    EXPECT_EQ(Entry(kStyleHelp, 59),
              "\"int\";\"PaintToDC\";\"HDC\";\"int\";\"int\";\"int\";\"int\"\n");
    // Unknown styles format as the help table; an empty return type prints void.
    EXPECT_EQ(Entry(7, CommandSignature{"X", "", {"int i"}}), "\"void\";\"X\";\"int\"\n");
}

TEST(CommandFormatter, XmlCarriesNamesTypesAndDefaults)
{
    EXPECT_EQ(Entry(kStyleXml, 2), "<COMMAND NAME=\"IsEnable\">\n<RETURN TYPE=\"BOOL\"/>\n</COMMAND>\n");
    EXPECT_EQ(Entry(kStyleXml, 262), "<COMMAND NAME=\"InsertCol\">\n"
                                      "<RETURN TYPE=\"int\"/>\n"
                                      "<PARAM NAME=\"iCol\" TYPE=\"int\" DEFAULT=\"R8F_CURRENTCOL\"/>\n"
                                      "<PARAM NAME=\"szCol\" TYPE=\"LPCSTR\" DEFAULT=\"NULL\"/>\n"
                                      "<PARAM NAME=\"wColType\" TYPE=\"WORD\" DEFAULT=\"NO_TYPE\"/>\n"
                                      "<PARAM NAME=\"wColTypeEx\" TYPE=\"WORD\" DEFAULT=\"0\"/>\n"
                                      "</COMMAND>\n");
    EXPECT_EQ(Entry(kStyleXml, CommandSignature{"F", "", {"DWORD", "HDC hDC"}}),
              "<COMMAND NAME=\"F\">\n<RETURN TYPE=\"void\"/>\n"
              "<PARAM NAME=\"\" TYPE=\"DWORD\"/>\n<PARAM NAME=\"hDC\" TYPE=\"HDC\"/>\n</COMMAND>\n");
}

TEST(CommandFormatter, CppShortForms)
{
    EXPECT_EQ(Entry(kStyleCpp, 2), Pad("    BOOL IsEnable(void)", 56) +
                                       " { return Execute(\"IsEnable\") != 0; }\n");
    EXPECT_EQ(Entry(kStyleCpp, 1), Pad("    void SetEnable(BOOL bEnable = TRUE)", 56) +
                                       " { Execute(\"SetEnable\", bEnable); }\n");
    EXPECT_EQ(Entry(kStyleCpp, 0), Pad("    LPCSTR Help(LPCSTR szCsvFile = NULL)", 56) +
                                       " { return (LPCSTR)Execute(\"Help\", szCsvFile); }\n");
    // int then LPCSTR is short; the head already past 56 still gets " {".
    EXPECT_EQ(Entry(kStyleCpp, 146),
              Pad("    void SetTransNote(int iRef, LPCSTR szCode)", 56) +
                  " { Execute(\"SetTransNote\", iRef, szCode); }\n");
    const std::string longHead = "    LPCSTR AVeryLongCommandNameThatFillsTheHead(int iFirst, int iSecond)";
    ASSERT_GE(longHead.size(), 56u);
    EXPECT_EQ(Entry(kStyleCpp, CommandSignature{"AVeryLongCommandNameThatFillsTheHead", "LPCSTR",
                                                {"int iFirst", "int iSecond"}}),
              longHead + " { return (LPCSTR)Execute(\"AVeryLongCommandNameThatFillsTheHead\", "
                         "iFirst, iSecond); }\n");
}

TEST(CommandFormatter, CppLongFormWithHandle)
{
    const std::string expected = "    int PaintToDC(HDC hDC, int iLeft, int iTop, int iRight, int iBottom)\n"
                                 "    {\n"
                                 "        LPSTR argv[6];\n"
                                 "\n"
                                 "        argv[0] = \"PaintToDC\";\n"
                                 "\n"
                                 "        CString sParam1;\n"
                                 "#ifdef _WIN64\n"
                                 "        sParam1.Format(\"%I64u\", (unsigned __int64)hDC);\n"
                                 "#else\n"
                                 "        sParam1.Format(\"%ld\", (long)hDC);\n"
                                 "#endif\n"
                                 "        argv[1] = sParam1.GetBuffer(255);\n"
                                 "\n"
                                 "        CString sParam2;\n"
                                 "        sParam2.Format(\"%d\", iLeft);\n"
                                 "        argv[2] = sParam2.GetBuffer(255);\n"
                                 "\n"
                                 "        CString sParam3;\n"
                                 "        sParam3.Format(\"%d\", iTop);\n"
                                 "        argv[3] = sParam3.GetBuffer(255);\n"
                                 "\n"
                                 "        CString sParam4;\n"
                                 "        sParam4.Format(\"%d\", iRight);\n"
                                 "        argv[4] = sParam4.GetBuffer(255);\n"
                                 "\n"
                                 "        CString sParam5;\n"
                                 "        sParam5.Format(\"%d\", iBottom);\n"
                                 "        argv[5] = sParam5.GetBuffer(255);\n"
                                 "\n"
                                 "        return (int)Execute(6, argv);\n"
                                 "    }\n";
    EXPECT_EQ(Entry(kStyleCpp, 59), expected);

    // BOOL result in the long form, a pointer parameter, a BOOL and a text.
    EXPECT_EQ(Entry(kStyleCpp, CommandSignature{"F", "BOOL", {"BOOL bSet", "DWORD dw", "LPCSTR sz"}}),
              "    BOOL F(BOOL bSet, DWORD dw, LPCSTR sz)\n"
              "    {\n"
              "        LPSTR argv[4];\n\n"
              "        argv[0] = \"F\";\n\n"
              "        argv[1] = bSet?\"1\":\"0\";\n\n"
              "        CString sParam2;\n"
              "        sParam2.Format(\"%ld\", dw);\n"
              "        argv[2] = sParam2.GetBuffer(255);\n\n"
              "        argv[3] = (LPSTR)sz;\n\n"
              "        return Execute(4, argv) != 0;\n"
              "    }\n");
}

TEST(CommandFormatter, MadeUpNamesForUnnamedParameters)
{
    const CommandSignature sig{"G", "void",
                               {"int", "WORD ", "BOOL", "LPCSTR", "DWORD", "long", "COLORREF",
                                "str_R8X*", "HTREEITEM", "LPCRECT", "HDC"}};
    const std::string cpp = Entry(kStyleCpp, sig);
    EXPECT_NE(cpp.find("    void G(int iParam1, WORD wParam2, BOOL bParam3, LPCSTR szParam4, "
                       "DWORD dwParam5, long lParam6, COLORREF rgbParam7, str_R8X* pParam8, "
                       "HTREEITEM hItem9, LPCRECT lpcRect10, HDC hParam11)\n"),
              std::string::npos)
        << cpp;
    EXPECT_NE(cpp.find("        Execute(12, argv);\n    }\n"), std::string::npos);

    // C# counts only the unnamed parameters and names them by mapped type.
    const CommandSignature cs{"H", "DWORD", {"LPCSTR", "BOOL b", "DWORD", "WORD", "int", "long"}};
    EXPECT_EQ(Entry(kStyleCSharp, cs),
              "        public UInt32 H(string sParam1, bool b, UInt32 ui32Param2, UInt16 ui16Param3, "
              "int iParam4, Int32 ptrParam5)\n"
              "        {\n"
              "            string[] argv = new string[] { \"H\", sParam1, b.ToString(), "
              "ui32Param2.ToString(), ui16Param3.ToString(), iParam4.ToString(), "
              "ptrParam5.ToString() };\n"
              "            return (UInt32)_Execute(argv);\n"
              "        }\n");
}

TEST(CommandFormatter, CSharpForms)
{
    EXPECT_EQ(Entry(kStyleCSharp, 2),
              Pad("        public bool IsEnable()", 50) + "{ return _Execute(\"IsEnable\") != 0; }\n");
    EXPECT_EQ(Entry(kStyleCSharp, 1), Pad("        public void SetEnable(bool bEnable)", 50) +
                                          "{ _Execute(\"SetEnable\", bEnable.ToString()); }\n");
    EXPECT_EQ(Entry(kStyleCSharp, 0), Pad("        public string Help(string szCsvFile)", 50) +
                                          "{ return _ExecuteString(\"Help\", szCsvFile); }\n");
    EXPECT_EQ(Entry(kStyleCSharp, 30), Pad("        public int GetTextLenght()", 50) +
                                           "{ return _Execute(\"GetTextLenght\"); }\n");
    // A head of 50 or more is followed by the brace with no blank.
    EXPECT_EQ(Entry(kStyleCSharp, 581),
              "        public bool SetTooltipInfosEx(bool bEdit, bool bSet, int iTooltipInfo)"
              "{ return _Execute(\"SetTooltipInfosEx\", bEdit.ToString(), bSet.ToString(), "
              "iTooltipInfo.ToString()) != 0; }\n");
    EXPECT_EQ(Entry(kStyleCSharp, 48),
              Pad("        public Int32 GetCurPos()", 50) + "{ return (Int32)_Execute(\"GetCurPos\"); }\n");

    // More than three parameters, returning text.
    EXPECT_EQ(Entry(kStyleCSharp, CommandSignature{"T", "LPCSTR", {"int a", "int b", "HDC c", "LPCSTR d"}}),
              "        public string T(int a, int b, IntPtr c, string d)\n"
              "        {\n"
              "            string[] argv = new string[] { \"T\", a.ToString(), b.ToString(), "
              "c.ToString(), d };\n"
              "            IntPtr ptr = (IntPtr)_Execute(argv);\n"
              "            return System.Runtime.InteropServices.Marshal.PtrToStringAnsi(ptr);\n"
              "\n"
              "        }\n");
    EXPECT_EQ(Entry(kStyleCSharp, 46),
              "        public Int32 FindReplace(string szFind, string szReplace, UInt32 dwCommand, "
              "UInt32 dwFlags, IntPtr hListBox)\n"
              "        {\n"
              "            string[] argv = new string[] { \"FindReplace\", szFind, szReplace, "
              "dwCommand.ToString(), dwFlags.ToString(), hListBox.ToString() };\n"
              "            return (Int32)_Execute(argv);\n"
              "        }\n");
}
