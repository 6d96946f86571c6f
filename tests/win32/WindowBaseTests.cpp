// The window base reached through a subclass, for the behaviours only an
// override can observe: which operation a message reaches, the hooks the
// database events call, the decisions of the find frame.
#include "frame/R8EditWnd.h"
#include "projectdb/Q2DBWrapRW.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{

// Records what the base tells its tooltip object.
class FakeTooltip : public CR8EditTooltip
{
public:
    explicit FakeTooltip(std::vector<std::string>& log) : log(log) {}
    void ReleaseWindow() override { log.push_back("ReleaseWindow"); }
    void SetDebugMode(BOOL d) override { log.push_back(d ? "Debug(1)" : "Debug(0)"); }
    void SetProjectPath(LPCSTR p) override { log.push_back(std::string("Path(") + (p ? p : "") + ")"); }
    void SetProgramID(DWORD id) override { log.push_back("ID(" + std::to_string(id) + ")"); }
    void SetInfos(BOOL, str_R8TooltipInfos*) override { log.push_back("Infos"); }
    void SetInfosEx(BOOL, BOOL, int i) override { log.push_back("InfosEx(" + std::to_string(i) + ")"); }

private:
    std::vector<std::string>& log;
};

class RecordingWnd : public CR8EditWnd
{
public:
    std::vector<std::string> calls;
    BOOL findAnswer = FALSE;
    CR8FindResult replaceAnswer;
    BOOL replaceAllAnswer = FALSE;
    BOOL hookAnswer = FALSE;
    std::string lastFind;

    void Note(const std::string& what) { calls.push_back(what); }
    bool Called(const std::string& what) const
    {
        return std::find(calls.begin(), calls.end(), what) != calls.end();
    }
    int Count(const std::string& what) const
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), what));
    }

    // Access for the tests.
    const std::string& Qualifier() const { return qualifier; }
    const std::string& QualifierSuffix() const { return qualifierSuffix; }
    int ContentType() const { return contentType; }
    void* Callback(int id) const { return callbacks[id]; }
    void* CallbackData(int id) const { return callbackData[id]; }
    const std::string& InfoText() const { return infoText; }
    int SummaryWidth() const { return summaryWidth; }
    int SummaryHeight() const { return summaryHeight; }
    void SetFirstChar(DWORD c) { firstChar = c; }
    void Attach(HWND h) { hWnd = h; }
    void InstallTooltip(std::unique_ptr<CR8EditTooltip> t) { tooltip = std::move(t); }

    void Redraw() override { Note("Redraw"); }
    BOOL OnDBReload() override { Note("OnDBReload"); return hookAnswer; }
    BOOL OnDBObjectChanged(DWORD_PTR) override { Note("OnDBObjectChanged"); return hookAnswer; }
    BOOL OnDBItemChanged(DWORD_PTR) override { Note("OnDBItemChanged"); return hookAnswer; }
    BOOL OnDBRefresh() override { Note("OnDBRefresh"); return hookAnswer; }
    BOOL OnDBProgramChanged() override { Note("OnDBProgramChanged"); return hookAnswer; }
    void SetModified(BOOL b) override { Note(b ? "SetModified(1)" : "SetModified(0)"); }
    BOOL Find(const CR8FindRecord* r, CR8FindResult* res) override
    {
        Note("Find");
        lastFind = r->find != nullptr ? r->find : "(null)";
        if (findAnswer)
        {
            res->found = TRUE;
            res->line = 12;
            res->column = 4;
        }
        return findAnswer;
    }
    void Replace(const CR8FindRecord*, CR8FindResult* res) override
    {
        Note("Replace");
        *res = replaceAnswer;
    }
    BOOL ReplaceAll(const CR8FindRecord*) override { Note("ReplaceAll"); return replaceAllAnswer; }
    BOOL FindAgain() override { Note("FindAgain"); return TRUE; }
    void SetFocusState(BOOL b) override { Note(b ? "Focus(1)" : "Focus(0)"); }
    bool realProject = false; // let the base's project operations run
    str_R8Block block = {};
    void SetBlock(const str_R8Block* b) override { Note("SetBlock"); block = *b; }
    BOOL SetCurrentBlock(const str_R8Block* b) override { Note("SetCurrentBlock"); block = *b; return TRUE; }
    void GetCurrentBlock(str_R8Block* b) override { *b = block; }
    LPCSTR GetProgramName() override
    {
        return realProject ? CR8EditWnd::GetProgramName() : "Main";
    }
    BOOL SetProjectPath(LPCSTR path) override
    {
        Note("SetProjectPath");
        return realProject ? CR8EditWnd::SetProjectPath(path) : TRUE;
    }

#define R8_RECORD_VOID(name, params) \
    void name params override { Note(#name); }
#define R8_RECORD(ret, name, params, value) \
    ret name params override { Note(#name); return value; }
    R8_RECORD_VOID(Save, (LPCSTR))
    R8_RECORD_VOID(Load, (LPCSTR))
    R8_RECORD(BOOL, CanUndo, (), 7)
    R8_RECORD_VOID(Undo, ())
    R8_RECORD(BOOL, CanRedo, (), 8)
    R8_RECORD_VOID(Redo, ())
    R8_RECORD(BOOL, CanCut, (), 9)
    R8_RECORD_VOID(Cut, ())
    R8_RECORD(BOOL, CanCopy, (), 10)
    R8_RECORD_VOID(Copy, ())
    R8_RECORD(BOOL, CanPaste, (), 11)
    R8_RECORD_VOID(Paste, ())
    R8_RECORD_VOID(Clear, ())
    R8_RECORD(BOOL, CanSelectAll, (), 12)
    R8_RECORD_VOID(SelectAll, ())
    R8_RECORD(BOOL, IsModified, (), 13)
    R8_RECORD_VOID(LocateError, (LPCSTR))
    R8_RECORD_VOID(InsertFile, (LPCSTR))
    R8_RECORD_VOID(SetText, (LPCSTR))
    R8_RECORD(LPCSTR, GetText, (), "chart")
    R8_RECORD(BOOL, IsEmpty, (), 14)
    R8_RECORD(int, UndoRedoSize, (int), 0)
    R8_RECORD_VOID(KeepFBDSelect, (BOOL))
    R8_RECORD_VOID(SetVertVarSize, (int))
    R8_RECORD_VOID(SetHorzVarSize, (int))
    R8_RECORD(BOOL, PrintSetProperty, (int, DWORD_PTR), 0)
    R8_RECORD(int, PrintGetNbVertFolio, (), 15)
    R8_RECORD(int, PrintGetNbHorzFolio, (), 16)
    R8_RECORD(BOOL, CollectFolio, (POINT, RECT*, std::vector<DWORD>*), 17)
    R8_RECORD(int, GetCellHeight, (), 18)
    R8_RECORD(int, GetCellWidth, (), 19)
    R8_RECORD_VOID(SetCellHeight, (int))
    R8_RECORD_VOID(SetCellWidth, (int))
    R8_RECORD(BOOL, CanAlignCoils, (), 20)
    R8_RECORD(BOOL, CanDisplayFBDOrder, (), 21)
    R8_RECORD(int, CountFolioSymbols, (POINT, DWORD*), 22)
    R8_RECORD(BOOL, SummaryPrint, (BOOL, HDC), 0)
    R8_RECORD(int, GetTextLenght, (), 23)
    R8_RECORD(LRESULT, OnUserMessage131, (LPARAM), 24)
    R8_RECORD(BOOL, HideScroll, (BOOL), 0)
    R8_RECORD(LRESULT, OnUserMessage135, (WPARAM, LPARAM), 25)
    R8_RECORD(LRESULT, OnUserMessage136, (WPARAM, LPARAM), 26)
    R8_RECORD_VOID(InsertVarAfterInsertFB, (BOOL))
    R8_RECORD(LRESULT, OnUserMessage140, (WPARAM, LPARAM), 27)
    R8_RECORD_VOID(SetAutoConnectVariable, (BOOL))
    R8_RECORD_VOID(UnderlineGlobal, (BOOL))
    R8_RECORD_VOID(SnapFBDGrid, (BOOL))
    R8_RECORD_VOID(DrawFBDBridge, (BOOL))
    R8_RECORD(LRESULT, OnUserMessage146, (WPARAM), 28)
#undef R8_RECORD
#undef R8_RECORD_VOID
};

// A plain window for the object: the base only needs a handle.
HWND MakeWindow()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "R8BaseTestWindow";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "R8BaseTestWindow", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

class WindowBase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = MakeWindow();
        ASSERT_NE(window, nullptr);
        wnd.Attach(window);
    }
    void TearDown() override { DestroyWindow(window); }

    LRESULT Send(UINT offset, WPARAM wp = 0, LPARAM lp = 0)
    {
        LRESULT result = -99;
        const bool taken = wnd.HandleBaseMessage(window, WM_USER + offset, wp, lp, result);
        EXPECT_TRUE(taken) << "WM_USER + " << offset;
        return result;
    }

    HWND window = nullptr;
    RecordingWnd wnd;
};

} // namespace

TEST_F(WindowBase, EveryUserMessageReachesItsOperation)
{
    const WPARAM folioPtr = MAKEWPARAM(1, 2);
    struct Case
    {
        UINT offset;
        WPARAM wp;
        const char* op;
        LRESULT result; // -1: not checked
    };
    const Case cases[] = {
        {3, 0, "SetProjectPath", 1}, {10, 0, "Save", 0},       {11, 0, "Load", 0},
        {12, 0, "CanUndo", 7},       {13, 0, "Undo", 0},       {14, 0, "CanRedo", 8},
        {15, 0, "Redo", 0},          {16, 0, "CanCut", 9},     {17, 0, "Cut", 0},
        {18, 0, "CanCopy", 10},      {19, 0, "Copy", 0},       {20, 0, "CanPaste", 11},
        {21, 0, "Paste", 0},         {22, 0, "CanCut", 9},     {23, 0, "Clear", 0},
        {24, 0, "CanSelectAll", 12}, {25, 0, "SelectAll", 0},  {38, 0, "IsModified", 13},
        {39, 0, "LocateError", 0},   {40, 0, "LocateError", 0}, {50, 0, "InsertFile", 0},
        {53, 0, "SetText", 0},       {67, 0, "IsEmpty", 14},   {68, 1, "SetModified(1)", 0},
        {70, 5, "UndoRedoSize", 0},  {71, 1, "KeepFBDSelect", 0}, {76, 3, "SetVertVarSize", 0},
        {77, 3, "SetHorzVarSize", 0}, {80, 1, "PrintSetProperty", 0},
        {81, 0, "PrintGetNbVertFolio", 15}, {82, 0, "PrintGetNbHorzFolio", 16},
        {83, folioPtr, "CollectFolio", 17}, {85, 0, "GetCellHeight", 18},
        {86, 0, "GetCellWidth", 19}, {87, 9, "SetCellHeight", 0}, {88, 9, "SetCellWidth", 0},
        {118, 0, "CanAlignCoils", 20}, {119, 0, "CanDisplayFBDOrder", 21},
        {122, folioPtr, "CountFolioSymbols", 22}, {123, folioPtr, "CountFolioSymbols", 22},
        {125, 1, "SummaryPrint", 0}, {130, 0, "GetTextLenght", 23},
        {131, 0, "OnUserMessage131", 24}, {132, 1, "HideScroll", 0},
        {135, 0, "OnUserMessage135", 25}, {136, 0, "OnUserMessage136", 26},
        {138, 1, "InsertVarAfterInsertFB", 0}, {140, 0, "OnUserMessage140", 27},
        {141, 1, "SetAutoConnectVariable", 0}, {142, 1, "UnderlineGlobal", 0},
        {143, 1, "SnapFBDGrid", 0}, {144, 1, "DrawFBDBridge", 0},
        {146, 0, "OnUserMessage146", 28},
    };
    for (const Case& c : cases)
    {
        wnd.calls.clear();
        const LRESULT r = Send(c.offset, c.wp, 0);
        EXPECT_TRUE(wnd.Called(c.op)) << "WM_USER + " << c.offset << " should reach " << c.op;
        EXPECT_EQ(r, c.result) << "WM_USER + " << c.offset;
    }
    EXPECT_STREQ(reinterpret_cast<const char*>(Send(54)), "chart");
}

TEST_F(WindowBase, UserMessagesSetTheBaseState)
{
    Send(5, 1);
    EXPECT_EQ(Send(4), 1);
    Send(7, 0);
    EXPECT_EQ(Send(6), 0);
    EXPECT_EQ(Send(9), 0); // CanSave needs an enabled window
    Send(7, 1);
    EXPECT_EQ(Send(9), 0); // ... and a writable one
    Send(5, 0);
    EXPECT_EQ(Send(9), 1);
    Send(8, 1);
    EXPECT_TRUE(wnd.IsDebug());
    EXPECT_FALSE(wnd.CanModify());
    wnd.SetFirstChar(0x1241);
    EXPECT_EQ(Send(65), 0x1241);
    EXPECT_EQ(wnd.GetFirstChar(), 0x41);
    Send(128, 640);
    Send(129, 480);
    EXPECT_EQ(wnd.SummaryWidth(), 640);
    EXPECT_EQ(wnd.SummaryHeight(), 480);
    const char* quali = "Machine-Line2";
    Send(79, 5, reinterpret_cast<LPARAM>(quali));
    EXPECT_EQ(wnd.ContentType(), 5);
    EXPECT_EQ(wnd.Qualifier(), "Machine");
    EXPECT_EQ(wnd.QualifierSuffix(), "Line2");
    // Messages for another window are not the base's.
    LRESULT r = 0;
    EXPECT_FALSE(wnd.HandleBaseMessage(nullptr, WM_USER + 6, 0, 0, r));
    EXPECT_FALSE(wnd.HandleBaseMessage(window, WM_USER + 1, 0, 0, r));
}

TEST_F(WindowBase, ContentsSplitAtTheFirstDash)
{
    struct Case
    {
        const char* prefix;
        const char* qualifier;
        const char* suffix;
    };
    const Case cases[] = {{"A-B", "A", "B"}, {"Alone", "Alone", ""}, {"A-B-C", "A", "B-C"},
                          {"-B", "", "B"},   {nullptr, "", ""},      {"A-", "A", ""}};
    for (const Case& c : cases)
    {
        EXPECT_EQ(wnd.SetContents(2, c.prefix), 2);
        EXPECT_EQ(wnd.Qualifier(), c.qualifier);
        EXPECT_EQ(wnd.QualifierSuffix(), c.suffix);
    }
}

TEST_F(WindowBase, CallbacksAndInfos)
{
    int data = 0;
    for (int id : {1, 2, 3, 4, 6, 7})
    {
        EXPECT_TRUE(wnd.SetCallback(id, &data, &data + id));
        EXPECT_EQ(wnd.Callback(id), &data);
        EXPECT_EQ(wnd.CallbackData(id), &data + id);
    }
    for (int id : {0, 5, 8, -1})
        EXPECT_FALSE(wnd.SetCallback(id, &data, &data));

    BOOL on = TRUE;
    EXPECT_TRUE(wnd.SetInfos(1, &on));
    DWORD out[3] = {9, 9, 9};
    EXPECT_TRUE(wnd.GetInfos(1, out));
    EXPECT_EQ(out[0], 1u);
    EXPECT_EQ(out[1], 0u);
    EXPECT_EQ(out[2], 1u);
    EXPECT_TRUE(wnd.Called("Redraw"));
    char text[] = "info";
    EXPECT_TRUE(wnd.SetInfos(3, text));
    EXPECT_EQ(wnd.InfoText(), "info");
    EXPECT_FALSE(wnd.SetInfos(2, text));
    EXPECT_FALSE(wnd.SetInfos(1, nullptr));
    EXPECT_FALSE(wnd.GetInfos(3, out));
    EXPECT_FALSE(wnd.GetInfos(1, nullptr));
}

TEST_F(WindowBase, DatabaseEventsCallTheirHooks)
{
    struct Case
    {
        DWORD code;
        BOOL hooks;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0x010002, TRUE, {"OnDBReload", "Redraw"}},
        {0x090001, FALSE, {"OnDBReload"}},
        {0x020004, TRUE, {"OnDBItemChanged", "SetModified(1)", "Redraw"}},
        {0x050007, FALSE, {"OnDBItemChanged"}},
        {0x070001, FALSE, {"Redraw"}},
        {0x070002, FALSE, {"OnDBObjectChanged", "OnDBProgramChanged"}},
        {0x070005, TRUE, {"OnDBObjectChanged", "OnDBProgramChanged", "Redraw"}},
        {0x090003, TRUE, {"OnDBObjectChanged", "Redraw"}},
        {0x8000000B, FALSE, {"Redraw"}},
        {0x8000000C, TRUE, {"OnDBRefresh", "Redraw"}},
        {0x8000000C, FALSE, {"OnDBRefresh"}},
        {0x40000000, TRUE, {}}, // another program's identifier
        {0x12345, TRUE, {}},
    };
    for (const Case& c : cases)
    {
        wnd.calls.clear();
        wnd.hookAnswer = c.hooks;
        EXPECT_EQ(Send(0, c.code, 77), 0);
        EXPECT_EQ(wnd.calls, c.calls) << std::hex << c.code;
    }
}

TEST_F(WindowBase, FindFrameDecisions)
{
    struct Case
    {
        const char* find;
        const char* replace;
        DWORD command;
        DWORD flags;
        BOOL findAnswer;
        BOOL replaced; // Replace's report
        BOOL replaceAll;
        std::vector<std::string> calls;
        long result;
    };
    const Case cases[] = {
        {"x", "y", 0x8, 0, FALSE, FALSE, FALSE, {"FindAgain"}, 1},
        {"", nullptr, 0x1, 0x4, TRUE, FALSE, FALSE, {"Find", "Redraw"}, 1},
        {nullptr, nullptr, 0x1, 0x4, TRUE, FALSE, FALSE, {}, 0},
        {"", nullptr, 0x1, 0, TRUE, FALSE, FALSE, {}, 0},
        {"x", nullptr, 0x1, 0, TRUE, FALSE, FALSE, {"Find", "Redraw"}, 1},
        {"x", nullptr, 0x1, 0x40, TRUE, FALSE, FALSE, {"Find", "Redraw", "Focus(1)"}, 1},
        {"x", nullptr, 0x1, 0, FALSE, FALSE, FALSE, {"Find"}, 0},
        {"x", nullptr, 0x2, 0, FALSE, FALSE, FALSE, {}, 0}, // replace needs a replace text
        {"x", "y", 0x2, 0, FALSE, TRUE, FALSE, {"Replace", "Redraw"}, 2},
        {"x", "y", 0x2, 0, FALSE, FALSE, FALSE, {"Replace"}, 0},
        {"x", "y", 0x4, 0, FALSE, FALSE, TRUE, {"ReplaceAll", "Redraw"}, 2},
        {"x", "y", 0x4, 0, FALSE, FALSE, FALSE, {"ReplaceAll"}, 0},
    };
    for (const Case& c : cases)
    {
        wnd.calls.clear();
        wnd.findAnswer = c.findAnswer;
        wnd.replaceAnswer = CR8FindResult{};
        wnd.replaceAnswer.replaced = c.replaced;
        wnd.replaceAllAnswer = c.replaceAll;
        EXPECT_EQ(wnd.FindReplace(c.find, c.replace, c.command, c.flags, nullptr), c.result)
            << c.command << "/" << c.flags;
        EXPECT_EQ(wnd.calls, c.calls) << c.command << "/" << c.flags;
    }
    // SearchIn reads the five leading fields of the host's record.
    str_R8FindReplace fr{"needle", nullptr, 0x1, 0, nullptr};
    wnd.findAnswer = TRUE;
    EXPECT_EQ(wnd.SearchIn(&fr), 1);
    EXPECT_EQ(wnd.lastFind, "needle");
    EXPECT_EQ(wnd.SearchIn(nullptr), 0);
}

TEST_F(WindowBase, FindReportsGoToTheListBox)
{
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_HASSTRINGS, 0, 0, 100, 100, window,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    auto lastLine = [&] {
        const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
        if (n <= 0)
            return std::string("(none)");
        char buf[512] = {};
        SendMessageA(list, LB_GETTEXT, n - 1, reinterpret_cast<LPARAM>(buf));
        return std::string(buf);
    };
    wnd.findAnswer = TRUE;
    wnd.FindReplace("bStart", nullptr, 0x1, 0, list);
    EXPECT_EQ(lastLine(), "Main(12,4): bStart");
    wnd.SetContents(3, nullptr);
    wnd.FindReplace("bStart", nullptr, 0x1, 0, list);
    EXPECT_EQ(lastLine(), "#define <Common>(12,4): bStart");
    wnd.SetContents(2, nullptr);
    wnd.replaceAnswer = CR8FindResult{};
    wnd.replaceAnswer.found = TRUE;
    wnd.FindReplace("a", "b", 0x2, 0, list);
    EXPECT_EQ(lastLine(), "#define <Main>(0,0): Find first 'a'");
    wnd.replaceAnswer.replaced = TRUE;
    wnd.FindReplace("a", "b", 0x2, 0, list);
    EXPECT_EQ(lastLine(), "#define <Main>(0,0): a --> b");
    wnd.SetContents(4, nullptr);
    wnd.replaceAllAnswer = TRUE;
    wnd.FindReplace("a", "b", 0x4, 0, list);
    EXPECT_EQ(lastLine(), "#define <Global>(0,0): a --> b");
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), SendMessageA(list, LB_GETCOUNT, 0, 0) - 1);
    DestroyWindow(list);
}

// The window's binding over the real project database service.
class WindowProject : public WindowBase
{
protected:
    void SetUp() override
    {
        WindowBase::SetUp();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "r8window_" + std::to_string(GetCurrentProcessId());
        ASSERT_EQ(maker.CreateProject(folder.c_str()), 0u);
        ASSERT_TRUE(maker.OpenByPath(folder.c_str(), "maker"));
        ASSERT_TRUE(maker.CreateProgram("Main", 1, 0, &main));
        ASSERT_TRUE(maker.CreateProgram("Other", 1, 0, &other));
        wnd.realProject = true;
    }
    void TearDown() override
    {
        maker.Close();
        WindowBase::TearDown();
        DeleteFileA((folder + "\\project.q2db").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string folder;
    CQ2DBWrapRW maker;
    DWORD main = 0;
    DWORD other = 0;
};

TEST_F(WindowProject, SetIdReloadsOnlyFromTheSecondCall)
{
    ASSERT_TRUE(wnd.SetProjectPath(folder.c_str()));
    EXPECT_NE(wnd.GetProjectID(), 0u);
    wnd.calls.clear();
    wnd.SetID(main);
    EXPECT_FALSE(wnd.Called("OnDBReload"));
    EXPECT_FALSE(wnd.Called("Redraw"));
    EXPECT_STREQ(wnd.GetProgramName(), "Main");
    wnd.SetID(main);
    EXPECT_EQ(wnd.Count("OnDBReload"), 1);
    EXPECT_EQ(wnd.Count("Redraw"), 1);

    // Change events for this program redraw; for another program nothing.
    wnd.calls.clear();
    wnd.OnDBEvent(0x40000000, other);
    EXPECT_TRUE(wnd.calls.empty());
    wnd.OnDBEvent(0x40000000, main);
    EXPECT_EQ(wnd.calls, (std::vector<std::string>{"OnDBProgramChanged", "Redraw"}));

    // Opening again reloads, since the binding was open.
    wnd.calls.clear();
    EXPECT_TRUE(wnd.SetProjectPath(folder.c_str()));
    EXPECT_EQ(wnd.Count("OnDBReload"), 1);
}

TEST_F(WindowProject, ABadPathAnswersFalseAndTheWindowStaysUsable)
{
    EXPECT_FALSE(wnd.SetProjectPath("Z:\\no\\such\\project"));
    EXPECT_FALSE(wnd.SetProjectPath(nullptr));
    EXPECT_EQ(wnd.GetProjectID(), 0u);
    EXPECT_STREQ(wnd.GetProgramName(), "");
    EXPECT_STREQ(wnd.GetProjectPath(), "");
    EXPECT_TRUE(wnd.IsEnable());
    EXPECT_TRUE(wnd.CanModify());
}

TEST_F(WindowProject, InitialisationMakesTheAndBlockCurrent)
{
    RecordingWnd fresh;
    HWND h = MakeWindow();
    fresh.Initialise(h, nullptr);
    EXPECT_TRUE(GetWindowLongA(h, GWL_STYLE) & WS_CLIPCHILDREN);
    // The 50 ms timer with identifier 1000 runs on the window.
    EXPECT_TRUE(KillTimer(h, 1000));
    DestroyWindow(h);
}

TEST_F(WindowBase, TheTooltipHearsOnlyChanges)
{
    std::vector<std::string> log;
    {
        RecordingWnd w;
        w.InstallTooltip(std::make_unique<FakeTooltip>(log));
        w.SetDebug(FALSE); // already off: not told
        w.SetDebug(TRUE);
        w.SetDebug(TRUE);
        w.SetDebug(FALSE);
        EXPECT_TRUE(w.SetTooltipInfos(TRUE, nullptr));
        EXPECT_TRUE(w.SetTooltipInfosEx(TRUE, FALSE, 3));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"Debug(1)", "Debug(0)", "Infos", "InfosEx(3)", "ReleaseWindow"}));
}

TEST_F(WindowBase, BlockRecordsAndDialogsWithoutTheResourceLibrary)
{
    wnd.SetFB("TON", 42, 2, 2, TRUE, FALSE);
    EXPECT_TRUE(wnd.Called("SetBlock"));
    EXPECT_STREQ(wnd.block.name, "TON");
    EXPECT_EQ(wnd.block.id, 42u);
    EXPECT_EQ(wnd.block.nbIn, 2u);
    EXPECT_EQ(wnd.block.instanciable, 1u);
    EXPECT_EQ(wnd.block.reserved, 0u);
    EXPECT_STREQ(wnd.GetFB(), "TON");
    EXPECT_TRUE(wnd.SetCurrentFB("&", 7, 2, 1, FALSE, FALSE));
    EXPECT_STREQ(wnd.GetFB(), "&");
    // Without R8EditRes.dll the dialogs do nothing.
    wnd.calls.clear();
    wnd.SelectBlockDialog('A');
    wnd.EditVarPropsDialog({1, 2, 3});
    wnd.EditVarPropsDialog({});
    EXPECT_TRUE(wnd.calls.empty());
    EXPECT_STREQ(wnd.GetFB(), "&");
}
