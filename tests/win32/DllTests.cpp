#include "EditorHarness.h"

#include "frame/CommandMonitor.h"
#include "frame/CommandTable.h"
#include "projectdb/Q2DBWrapRW.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

} // namespace

TEST(Module, RegistersBothClassesAsTabled)
{
    EditorLibrary lib;
    ASSERT_NE(lib.className, nullptr);
    EXPECT_STREQ(lib.className(), "R8EditSFC");

    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExA(lib.module, "R8EditSFC", &wc));
    EXPECT_EQ(wc.style, 0x4008u);
    EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(void*))); // 4 in the 32-bit DLL
    EXPECT_EQ(wc.hCursor, nullptr);
    EXPECT_EQ(wc.hbrBackground, nullptr);

    // The pan cursor is a resource of the module.
    EXPECT_NE(LoadCursorA(lib.module, "IDC_MIDDLE"), nullptr);

    ASSERT_TRUE(GetClassInfoExA(lib.module, "R8EditSFCTooltip", &wc));
    EXPECT_EQ(wc.style, 0x4000u);
    EXPECT_EQ(wc.cbWndExtra, static_cast<int>(sizeof(void*))); // 4 in the 32-bit DLL
    EXPECT_EQ(wc.hCursor, LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    EXPECT_EQ(wc.hbrBackground, nullptr);
}

TEST(Module, UnregistersItsClassesWhenUnloaded)
{
    {
        EditorLibrary lib;
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(lib.module, "R8EditSFC", &wc));
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    EXPECT_FALSE(GetClassInfoExA(nullptr, "R8EditSFC", &wc));
    EXPECT_FALSE(GetClassInfoExA(nullptr, "R8EditSFCTooltip", &wc));
}

TEST_F(EditorTest, NamesMatchWithoutRegardToCaseOnly)
{
    Exec({"SetEnable", "0"});
    EXPECT_EQ(Exec({"IsEnable"}), 0u);
    EXPECT_EQ(Exec({"setenable", "1"}), 0u); // a void command answers 0
    EXPECT_EQ(Exec({"ISENABLE"}), 1u);
    Exec({"SetEnable ", "0"}); // not a command name: nothing happens
    EXPECT_EQ(Exec({"isEnable"}), 1u);
    EXPECT_EQ(Exec({"NoSuchCommand"}), 0u);
    EXPECT_EQ(Exec({"GetTextLength"}), 0u);
    const char* nullName[] = {nullptr};
    EXPECT_EQ(lib.execute(editor, 1, nullName), 0u);
    EXPECT_EQ(lib.execute(editor, 0, nullptr), 0u);
}

TEST_F(EditorTest, BoolArgumentsFollowTheFlagRule)
{
    struct Case
    {
        const char* text;
        DWORD_PTR enabled;
    };
    const Case cases[] = {{"yes", 0}, {"2", 1}, {"off", 0}, {"ON", 1}, {nullptr, 0},
                          {"true", 1}, {"FALSE", 0}, {"-3", 1}, {"On ", 0}};
    for (const Case& c : cases)
    {
        Exec({"SetEnable", "1"});
        Exec({"SetEnable", c.text});
        EXPECT_EQ(Exec({"IsEnable"}), c.enabled) << (c.text ? c.text : "(null)");
    }
    // Missing arguments read as null: SetEnable with no argument disables.
    Exec({"SetEnable", "1"});
    Exec({"SetEnable"});
    EXPECT_EQ(Exec({"IsEnable"}), 0u);
}

TEST_F(EditorTest, WindowsWithoutAnEditorObjectAnswerZero)
{
    EXPECT_EQ(Exec(parent.hWnd, {"IsEnable"}), 0u);
    EXPECT_EQ(Exec(nullptr, {"IsEnable"}), 0u);
    EXPECT_EQ(Exec(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654)), {"IsEnable"}), 0u);
    EXPECT_EQ(Exec({"IsEnable"}), 1u);
    DestroyWindow(editor);
    EXPECT_EQ(Exec({"IsEnable"}), 0u);
    EXPECT_EQ(Exec({"Help"}), 0u);
}

TEST_F(EditorTest, HelpListsEveryCommandInIdentifierOrder)
{
    const std::string file = TempPath("r8help.csv");
    std::remove(file.c_str());
    const std::string text = Text({"Help", file.c_str()});
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 583u);
    EXPECT_EQ(lines[0], "\"Return\";\"Function\";\"Parameters\"");
    EXPECT_EQ(lines[1], "\"LPCSTR\";\"Help\";\"LPCSTR\"");
    EXPECT_EQ(lines[2], "\"void\";\"SetEnable\";\"BOOL\"");
    std::size_t at = 1;
    for (const r8::CommandRow& row : r8::CommandRows())
    {
        if (row.name == nullptr)
            continue;
        ASSERT_LT(at, lines.size());
        EXPECT_NE(lines[at].find(std::string(";\"") + row.name + "\""), std::string::npos)
            << row.id << " " << lines[at];
        ++at;
    }
    std::ifstream in(file, std::ios::binary);
    std::stringstream written;
    written << in.rdbuf();
    EXPECT_EQ(written.str(), text);

    // A file that can't be created is skipped; the text still comes back.
    EXPECT_EQ(Text({"Help", "Z:\\no\\such\\folder\\help.csv"}), text);
    std::remove(file.c_str());
}

TEST_F(EditorTest, HelpOnDescribesOneCommand)
{
    EXPECT_EQ(Text({"HelpOn", "NoSuchCommand"}), "");
    EXPECT_EQ(Text({"HelpOn", "help"}), "\"LPCSTR\";\"Help\";\"LPCSTR\"\n");
    EXPECT_EQ(Text({"HELPON", "PaintToDC"}),
              "\"int\";\"PaintToDC\";\"HDC\";\"int\";\"int\";\"int\";\"int\"\n");
    EXPECT_EQ(Text({"HelpOn", nullptr}), "");
}

TEST_F(EditorTest, GetInterfacesAppendsAndKeepsItsStyle)
{
    Exec({"HelpOn", "IsEnable"}); // leaves one style-0 line
    const std::string first = Text({"GetInterfaces", "3"});
    ASSERT_EQ(first.rfind("\"BOOL\";\"IsEnable\"\n", 0), 0u);
    const std::string xml = first.substr(std::strlen("\"BOOL\";\"IsEnable\"\n"));
    EXPECT_EQ(xml.rfind("<COMMAND NAME=\"Help\">\n<RETURN TYPE=\"LPCSTR\"/>\n", 0), 0u);
    EXPECT_EQ(Text({"GetInterfaces", "3"}), first + xml);
    // HELP formats with the style the last interface command left.
    EXPECT_EQ(Text({"Help", nullptr}).find("<COMMAND NAME=\"SetEnable\">") != std::string::npos, true);
    // HELPON resets it to the help table.
    Exec({"HelpOn", "Help"});
    EXPECT_EQ(Lines(Text({"Help", nullptr}))[2], "\"void\";\"SetEnable\";\"BOOL\"");
}

TEST_F(EditorTest, EveryCommandRunsWithNullArgumentsAndAnswersTheBaseDefaults)
{
    for (const r8::CommandRow& row : r8::CommandRows())
    {
        if (row.name == nullptr || row.route == r8::CommandRoute::Frame)
            continue;
        const DWORD_PTR result = Exec({row.name, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
        if (std::strcmp(row.returnType, "void") == 0 || row.returnType[0] == '\0')
        {
            EXPECT_EQ(result, 0u) << row.name;
        }
    }
    struct Case
    {
        const char* name;
        DWORD_PTR value;
    };
    const Case cases[] = {{"CanSetZoom", 1},    {"CanSetGrid", 1},    {"CanPrint", 1},
                          {"CheckAllProp", 1},  {"SetTab", 0xFFFFFFFF}, {"SetPageWidth", 0xFFFFFFFF},
                          {"SetChildOffset", 0xFFFFFFFF}, {"GetSortedCol", 0xFFFFFFFF},
                          {"GetCurrentCol", 0xFFFFFFFF}, {"InsertCol", 0xFFFFFFFF},
                          {"CanAlign", 0},      {"GetNbItem", 0},     {"EnableCopy", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<DWORD>(Exec({c.name, nullptr, nullptr, nullptr, nullptr})), c.value)
            << c.name;
    EXPECT_EQ(Text({"GetRules"}), "-1");
    EXPECT_EQ(Text({"GetSelText"}), "");
    EXPECT_EQ(Exec({"SetAutoEdit", "77"}), 77u);
}

// A stand-in command monitor: a top-level window of the monitor class that
// copies the shared record while it handles the message.
class CommandMonitor
{
public:
    CommandMonitor()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kCommandMonitorName;
        RegisterClassA(&wc);
        hWnd = CreateWindowExA(0, kCommandMonitorName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                               nullptr, wc.hInstance, nullptr);
        records().clear();
    }
    ~CommandMonitor()
    {
        DestroyWindow(hWnd);
        UnregisterClassA(kCommandMonitorName, GetModuleHandleA(nullptr));
    }
    CommandMonitor(const CommandMonitor&) = delete;
    CommandMonitor& operator=(const CommandMonitor&) = delete;

    static std::vector<CommandMonitorRecord>& records()
    {
        static std::vector<CommandMonitorRecord> r;
        return r;
    }
    static std::vector<HWND>& senders()
    {
        static std::vector<HWND> s;
        return s;
    }

    HWND hWnd = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
    {
        if (m == kCommandMonitorMessage)
        {
            HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kCommandMonitorName);
            if (mapping != nullptr)
            {
                if (void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, sizeof(CommandMonitorRecord)))
                {
                    CommandMonitorRecord r;
                    std::memcpy(&r, view, sizeof r);
                    records().push_back(r);
                    senders().push_back(reinterpret_cast<HWND>(l));
                    UnmapViewOfFile(view);
                }
                CloseHandle(mapping);
            }
            return 0;
        }
        return DefWindowProcA(h, m, w, l);
    }
};

TEST_F(EditorTest, CommandsAreMirroredToTheMonitor)
{
    CommandMonitor monitor;
    const std::string longArg(300, 'x');
    Exec({"SetEnable", "1", longArg.c_str(), nullptr, "4", "5", "6", "7", "8"});
    Exec({"IsEnable"});
    Exec({"NoSuchCommand", "a"});
    const auto& recs = CommandMonitor::records();
    ASSERT_EQ(recs.size(), 3u);

    const CommandMonitorRecord& r = recs[0];
    EXPECT_EQ(r.window, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(editor)));
    EXPECT_EQ(std::string(r.className, strnlen(r.className, 32)), "CR8EditSFCWnd");
    EXPECT_EQ(r.argc, 9u);
    EXPECT_STREQ(r.argv[0], "SetEnable");
    EXPECT_STREQ(r.argv[1], "1");
    EXPECT_EQ(std::string(r.argv[2]), std::string(256, 'x'));
    EXPECT_EQ(r.argv[3][0], '\0');
    EXPECT_STREQ(r.argv[6], "6");
    EXPECT_EQ(r.result, 0u);
    EXPECT_EQ(r.kind, 0u);
    EXPECT_EQ(r.code, 0u);
    EXPECT_EQ(r.zero1, 0u);
    EXPECT_EQ(r.zero2, 0u);
    EXPECT_EQ(CommandMonitor::senders()[0], editor);

    EXPECT_EQ(recs[1].argc, 1u);
    EXPECT_EQ(recs[1].result, 1u);
    EXPECT_EQ(recs[1].argv[1][0], '\0');
    EXPECT_STREQ(recs[2].argv[0], "NoSuchCommand"); // unknown names are mirrored too
    EXPECT_EQ(recs[2].result, 0u);
}

TEST_F(EditorTest, NotificationsReachTheParentAndTheMonitor)
{
    CommandMonitor monitor;
    SendMessageA(editor, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor), 0);
    const std::vector<WORD> codes = parent.Notifications();
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0], 2);
    EXPECT_EQ(parent.senders[0], editor);

    const auto& recs = CommandMonitor::records();
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(recs[0].kind, 1u);
    EXPECT_EQ(recs[0].code, 2u);
    EXPECT_EQ(recs[0].argc, 0u);
    EXPECT_EQ(recs[0].argv[0][0], '\0');
}

TEST_F(EditorTest, BaseWindowMessages)
{
    EXPECT_EQ(SendMessageA(editor, WM_GETDLGCODE, 0, 0), 132);
    EXPECT_EQ(SendMessageA(editor, WM_ERASEBKGND, 0, 0), 0);
    EXPECT_EQ(SendMessageA(editor, WM_USER + 26, 0, 0), 0);
    // Disabled windows ignore keys and answer 0.
    Exec({"SetEnable", "0"});
    EXPECT_EQ(SendMessageA(editor, WM_KEYDOWN, VK_DOWN, 0), 0);
    Exec({"SetEnable", "1"});
    // A key the chart uses answers 0, one it leaves answers 1.
    EXPECT_EQ(SendMessageA(editor, WM_KEYDOWN, VK_DOWN, 0), 0);
    EXPECT_EQ(SendMessageA(editor, WM_KEYDOWN, VK_F9, 0), 1);
}

TEST_F(EditorTest, AFreshWindowAnswersTheBaseState)
{
    struct Case
    {
        const char* name;
        DWORD_PTR value;
    };
    const Case cases[] = {{"IsEnable", 1},      {"IsReadOnly", 0}, {"IsDebug", 0},
                          {"IsGridVisible", 0}, {"CanSave", 1},    {"GetZoom", 100},
                          {"IsEmpty", 1},       {"GetProjectID", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(Exec({c.name}), c.value) << c.name;
    EXPECT_EQ(Text({"GetProgramName"}), "");
    EXPECT_EQ(Text({"GetProjectPath"}), "");
}

TEST_F(EditorTest, SetProjectPathOpensTheProjectThroughTheService)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "r8dll_" + std::to_string(GetCurrentProcessId());
    CQ2DBWrapRW maker;
    ASSERT_EQ(maker.CreateProject(folder.c_str()), 0u);
    ASSERT_TRUE(maker.OpenByPath(folder.c_str(), "maker"));
    DWORD main = 0;
    ASSERT_TRUE(maker.CreateProgram("Filling", 1, 0, &main));

    EXPECT_EQ(Exec({"SetProjectPath", folder.c_str()}), 1u);
    EXPECT_EQ(Text({"GetProjectPath"}), folder);
    EXPECT_NE(Exec({"GetProjectID"}), 0u);
    const std::string id = std::to_string(main);
    Exec({"SetID", id.c_str()});
    EXPECT_EQ(Text({"GetProgramName"}), "Filling");

    // A bad path answers FALSE; the window keeps working.
    EXPECT_EQ(Exec({"SetProjectPath", "Z:\\nowhere\\at\\all"}), 0u);
    EXPECT_EQ(Exec({"GetProjectID"}), 0u);
    EXPECT_EQ(Exec({"IsEnable"}), 1u);
    EXPECT_EQ(SendMessageA(editor, WM_USER + 3, 0, reinterpret_cast<LPARAM>(folder.c_str())), 1);

    Exec({"SetProjectPath", ""});
    maker.Close();
    DeleteFileA((folder + "\\project.q2db").c_str());
    RemoveDirectoryA(folder.c_str());
}
