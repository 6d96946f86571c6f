// The chart editor end to end through the real DLL: commands, notifications,
// texts, files, locations, zoom and a rendering probe.
#include "EditorHarness.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{

std::string Fixture(const char* name)
{
    std::ifstream in(std::string(R8_FIXTURES) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

long Pack(int column, int row)
{
    return (row << 16) | column;
}

class ChartWindow : public EditorTest
{
protected:
    std::vector<WORD> TakeNotifications()
    {
        std::vector<WORD> codes = parent.Notifications();
        parent.codes.clear();
        parent.senders.clear();
        return codes;
    }
    static bool Has(const std::vector<WORD>& codes, WORD code)
    {
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }
};

} // namespace

TEST_F(ChartWindow, TheWorkedExampleBuiltWithCommands)
{
    Exec({"GotoXY", "0", "0"});
    Exec({"InsertInitStep"});
    Exec({"SetStepNote", "1", "Init"});
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 1)));
    Exec({"InsertTrans"});
    Exec({"SetTransCode", "2", "bStart"});
    Exec({"InsertStep"});
    Exec({"SetStepCode_P1", "3", "x := 1;"});
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 3)));
    Exec({"InsertJump"});
    // The jump keeps the caret; its target comes from the reference dialog,
    // which is not there yet, so the text of the example's target is set.
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 3)));
    std::string text = Text({"GetText"});
    const std::string expected = Fixture("worked-example.sfc");
    const std::string unresolved = "@J4:3,0=0;";
    ASSERT_NE(text.find(unresolved), std::string::npos) << text;
    text.replace(text.find(unresolved), unresolved.size(), "@J4:3,0=1;");
    Exec({"SetText", text.c_str()});
    EXPECT_EQ(Text({"GetText"}), expected);
    EXPECT_EQ(Exec({"GetTextLenght"}), expected.size());
    EXPECT_EQ(Exec({"GetWidth"}), 1u);
    EXPECT_EQ(Exec({"GetHeight"}), 4u);
    // Code read from chart text keeps the line end of every line it read.
    EXPECT_EQ(Text({"GetStepCode_P1", "3"}), "x := 1;\r\n");
    EXPECT_EQ(Text({"GetTransCode", "2"}), "bStart\r\n");
    EXPECT_EQ(Text({"GetStepNote", "1"}), "Init");
}

TEST_F(ChartWindow, TextsAndFilesRoundTrip)
{
    const std::string example = Fixture("worked-example.sfc");
    Exec({"SetText", example.c_str()});
    EXPECT_EQ(Text({"GetText"}), example);
    EXPECT_EQ(Exec({"IsEmpty"}), 0u);

    const std::string file = TempPath("r8chart.sfc");
    Exec({"Save", file.c_str()});
    Exec({"SetText", ""});
    EXPECT_EQ(Exec({"IsEmpty"}), 1u);
    Exec({"Load", file.c_str()});
    EXPECT_EQ(Text({"GetText"}), example);
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 0)));
    std::remove(file.c_str());

    // A chart one row high leaves the caret on row 1, ready for the next element.
    const std::string oneRow = "#info=SFCCHART\r\n@S1:0,0=1;\r\n#endinfo\r\n_step GS1;\r\n";
    {
        std::ofstream out(file, std::ios::binary);
        out << oneRow;
    }
    Exec({"Load", file.c_str()});
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 1)));
    std::remove(file.c_str());
    // A missing file leaves an empty chart.
    Exec({"Load", "Z:\\\\missing\\\\chart.sfc"});
    EXPECT_EQ(Exec({"IsEmpty"}), 1u);
}

TEST_F(ChartWindow, NotificationsForEditsCaretAndFocus)
{
    TakeNotifications();
    Exec({"InsertStep"});
    std::vector<WORD> codes = TakeNotifications();
    EXPECT_TRUE(Has(codes, 20));
    EXPECT_TRUE(Has(codes, 3)); // the caret moved below the new step
    Exec({"GotoXY", "2", "5"});
    codes = TakeNotifications();
    EXPECT_TRUE(Has(codes, 3));
    EXPECT_FALSE(Has(codes, 20));
    Exec({"GotoXY", "2", "5"}); // no move, no notification
    EXPECT_FALSE(Has(TakeNotifications(), 3));
    SetFocus(parent.hWnd);
    SetFocus(editor);
    EXPECT_TRUE(Has(TakeNotifications(), 8));
    // A refused edit (read-only) changes nothing and tells nothing.
    Exec({"SetReadOnly", "1"});
    Exec({"InsertStep"});
    EXPECT_FALSE(Has(TakeNotifications(), 20));
    EXPECT_EQ(Exec({"CanInsert"}), 0u);
    EXPECT_EQ(Exec({"IsReadOnly"}), 1u);
}

TEST_F(ChartWindow, PositionsArePackedRowHighColumnLow)
{
    Exec({"GotoXY", "3", "7"});
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(3, 7)));
    EXPECT_EQ(Exec({"GetSelPos"}), static_cast<DWORD_PTR>(Pack(3, 7)));
    EXPECT_EQ(Exec({"GetSelSize"}), static_cast<DWORD_PTR>(Pack(1, 1)));
    // With the pointer outside the window the caret answers.
    SetCursorPos(5000, 5000);
    EXPECT_EQ(Exec({"GetCurPos"}), static_cast<DWORD_PTR>(Pack(3, 7)));
    EXPECT_EQ(SendMessageA(editor, WM_USER + 41, 0, 0), Pack(3, 7));
}

TEST_F(ChartWindow, LocateErrorSelectsTheNamedElement)
{
    // Steps 1 and 3, transition 2, a jump to step 7 (no step 7 exists).
    const std::string chart = "#info=SFCCHART\r\n@S1:0,0=1;\r\n@T2:1,0=2;\r\n@S3:2,0=3;\r\n"
                              "@T4:3,0=4;\r\n@J5:4,0=7;\r\n#endinfo\r\n";
    Exec({"SetText", chart.c_str()});
    struct Case
    {
        const char* location;
        long cell;
    };
    const Case cases[] = {{"Main: GT2 (3): unknown variable", Pack(0, 1)},
                          {"Main: GS3-P1 (1,4): syntax error", Pack(0, 2)},
                          {"Main: GS7: no such step", Pack(0, 4)},
                          {"GT4", Pack(0, 3)},
                          {"Main: GT99: nothing there", Pack(0, 3)}}; // unchanged
    for (const Case& c : cases)
    {
        Exec({"LocateError", c.location});
        EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(c.cell)) << c.location;
    }
    Exec({"Goto", "Main: GS1: x"});
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 0)));
}

TEST_F(ChartWindow, ZoomStepsAndLimits)
{
    EXPECT_EQ(Exec({"GetZoom"}), 100u);
    struct Case
    {
        const char* dir;
        const char* ratio;
        DWORD_PTR zoom;
    };
    // Absolute zooms clamp to 20..400; steps scale the current cells by 120 %
    // and 83 % (180 x 83 / 100 = 149 wide, which reads as 82 %).
    const Case cases[] = {{"0", "1000", 400}, {"0", "10", 20}, {"0", "100", 100},
                          {"1", "0", 120},    {"0", "100", 100}, {"-1", "0", 82},
                          {"0", "250", 250}};
    for (const Case& c : cases)
    {
        Exec({"SetZoom", c.dir, c.ratio});
        EXPECT_EQ(Exec({"GetZoom"}), c.zoom) << c.dir << " " << c.ratio;
    }
    // Zooming in stops once the cells are 500 high, zooming out once under 11.
    for (int i = 0; i < 30; ++i)
        Exec({"SetZoom", "1", "0"});
    EXPECT_GE(Exec({"GetCellHeight"}), 500u);
    EXPECT_LT(Exec({"GetCellHeight"}), 600u);
    for (int i = 0; i < 60; ++i)
        Exec({"SetZoom", "-1", "0"});
    EXPECT_LT(Exec({"GetCellHeight"}), 11u);
    EXPECT_GE(Exec({"GetCellHeight"}), 8u);
}

TEST_F(ChartWindow, CellSizesAndContentSize)
{
    Exec({"SetCellWidth", "0"});
    Exec({"SetCellHeight", "-4"});
    EXPECT_EQ(Exec({"GetCellWidth"}), 180u);
    EXPECT_EQ(Exec({"GetCellHeight"}), 50u);
    Exec({"SetText", Fixture("worked-example.sfc").c_str()});
    const DWORD_PTR width = Exec({"GetContentWidth"});
    const DWORD_PTR height = Exec({"GetContentHeight"});
    EXPECT_GT(width, 0u);
    EXPECT_GT(height, width); // four rows, one column
}

TEST_F(ChartWindow, QueriesOnCellsAndTheCaret)
{
    Exec({"SetText", Fixture("worked-example.sfc").c_str()});
    EXPECT_EQ(Exec({"IsStep", "0", "0"}), 1u); // the initial step counts as a step
    EXPECT_EQ(Exec({"IsTrans", "0", "1"}), 2u);
    EXPECT_EQ(Exec({"IsStep", "0", "1"}), 0u);
    EXPECT_EQ(Exec({"IsMacro", "0", "0"}), 0u);
    EXPECT_EQ(Exec({"GetItemGUID", "0", "2"}), 3u);
    Exec({"GotoXY", "0", "1"});
    EXPECT_EQ(Exec({"IsSelTrans"}), 2u);
    EXPECT_EQ(Exec({"IsSelStep"}), 0u);
    EXPECT_EQ(Exec({"GetItemType"}), 31u);
    DWORD number = 99;
    EXPECT_EQ(SendMessageA(editor, WM_USER + 228, 0, reinterpret_cast<LPARAM>(&number)), 1);
    EXPECT_EQ(number, 2u);
    EXPECT_EQ(SendMessageA(editor, WM_USER + 227, 0, reinterpret_cast<LPARAM>(&number)), 0);
    int cell[2] = {0, 2};
    EXPECT_NE(SendMessageA(editor, WM_USER + 247, reinterpret_cast<WPARAM>(cell), reinterpret_cast<LPARAM>(&number)), 0);
    EXPECT_EQ(number, 3u);
    EXPECT_EQ(SendMessageA(editor, WM_USER + 248, reinterpret_cast<WPARAM>(cell), reinterpret_cast<LPARAM>(&number)), 0);
    EXPECT_EQ(number, 0u);
    // Next element in position order, with and without wrap.
    Exec({"GotoXY", "0", "3"});
    EXPECT_EQ(Exec({"NextPosItem", "0"}), 0u);
    EXPECT_EQ(Exec({"NextPosItem", "1"}), 1u);
    EXPECT_EQ(Exec({"GetCaret"}), static_cast<DWORD_PTR>(Pack(0, 0)));
    // Locks and bookmarks.
    Exec({"LockStep", "1", "3"});
    EXPECT_EQ(Exec({"IsStepLock", "3"}), 1u);
    Exec({"GotoXY", "0", "2"});
    Exec({"SetBookmark", "1"});
    EXPECT_EQ(Exec({"IsBookmark"}), 1u);
}

TEST_F(ChartWindow, ZoneNotificationsFollowTheSettingsWord)
{
    Exec({"SetText", "#info=SFCCHART\r\n@S1:0,0=1;\r\n#endinfo\r\n_step GS1;\r\n"});
    // The content size of a one-cell chart is where cell (1, 1) starts.
    const int right = static_cast<int>(Exec({"GetContentWidth"}));
    const int bottom = static_cast<int>(Exec({"GetContentHeight"}));
    const int width = static_cast<int>(Exec({"GetCellWidth"}));
    const int height = static_cast<int>(Exec({"GetCellHeight"}));
    const LPARAM noteZone = MAKELPARAM(right - 10, bottom - height / 2);
    const LPARAM p0Zone = MAKELPARAM(right - width + width / 3, bottom - 3);
    struct Case
    {
        const char* command;
        const char* value;
        LPARAM where;
        WORD code;
    };
    int two = 2;
    const std::string address = std::to_string(reinterpret_cast<std::uintptr_t>(&two));
    const Case cases[] = {{"SetSFCSettings", address.c_str(), noteZone, 31},
                          {"SetSFCSettings", address.c_str(), p0Zone, 34},
                          {"SetSFCSettings2", "2", noteZone, 1}, // only bit 0 is taken
                          {"SetSFCSettings2", "1", noteZone, 31}};
    for (const Case& c : cases)
    {
        Exec({c.command, c.value});
        TakeNotifications();
        SendMessageA(editor, WM_LBUTTONDBLCLK, 0, c.where);
        EXPECT_TRUE(Has(TakeNotifications(), c.code)) << c.command << " " << c.value;
    }
}

TEST_F(ChartWindow, SettingsWordsAndDisplayModes)
{
    int flags = 2;
    const std::string address = std::to_string(reinterpret_cast<std::uintptr_t>(&flags));
    EXPECT_EQ(Exec({"SetSFCSettings", address.c_str()}), 1u);
    EXPECT_EQ(Exec({"SetSFCSettings2", "2"}), 1u);
    EXPECT_EQ(Exec({"SetSFCSettings", nullptr}), 0u);
    Exec({"SetNoteDisplay", "1"});
    EXPECT_EQ(Exec({"GetNoteDisplay"}), 1u);
    EXPECT_EQ(Exec({"GetDisplay"}), 1u);
    Exec({"SetDisplay", "2"});
    EXPECT_EQ(Exec({"GetNoteDisplay"}), 0u);
    Exec({"SetInstance", "Line1"});
    Exec({"SetParent", "Cell"});
    EXPECT_EQ(Text({"GetInstance"}), "Line1");
    EXPECT_EQ(Text({"GetParent"}), "Cell");
}

TEST_F(ChartWindow, UndoRestoresTheText)
{
    const std::string start = Text({"GetText"});
    Exec({"InsertStep"});
    Exec({"InsertTrans"});
    const std::string edited = Text({"GetText"});
    EXPECT_EQ(Exec({"CanUndo"}), 1u);
    Exec({"Undo"});
    Exec({"Undo"});
    EXPECT_EQ(Text({"GetText"}), start);
    EXPECT_EQ(Exec({"CanRedo"}), 1u);
    Exec({"Redo"});
    Exec({"Redo"});
    EXPECT_EQ(Text({"GetText"}), edited);
    Exec({"EmptyUndoStack"});
    EXPECT_EQ(Exec({"CanUndo"}), 0u);
}

TEST_F(ChartWindow, PaintToDCDrawsTheStepFrame)
{
    Exec({"InsertStep"});
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 400;
    bi.bmiHeader.biHeight = -300;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(bmp, nullptr);
    HGDIOBJ old = SelectObject(dc, bmp);
    const std::string hdc = std::to_string(reinterpret_cast<std::uintptr_t>(dc));
    Exec({"PaintToDC", hdc.c_str(), "0", "0", "400", "300"});
    int frame = 0;
    const auto* px = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < 400 * 300; ++i)
        frame += (px[i] & 0xFFFFFF) == 0x6F6FFF ? 1 : 0; // RGB(111,111,255) as BGRA
    EXPECT_GT(frame, 20);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
}
