// sfchost.exe run on scripts against the real editor library: results,
// expectations, script errors with their line numbers, notifications and
// pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace
{

struct HostRun
{
    DWORD status = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

std::string TempFolder()
{
    char path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, path);
    return path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The host writes text mode output: CR LF line ends on Windows.
std::string PlainLineEnds(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            plain += text[i];
    return plain;
}

HANDLE Inheritable(const std::string& path)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    return CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Writes the script and runs the host on it in the temp folder.
HostRun RunHost(const std::string& script, const std::string& charts = std::string())
{
    const std::string folder = TempFolder();
    const std::string scriptFile = folder + "host-test.script";
    std::ofstream(scriptFile, std::ios::binary) << script;
    const std::string outFile = folder + "host-test.out";
    const std::string errFile = folder + "host-test.err";
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string host = exe;
    host = host.substr(0, host.find_last_of("\\/") + 1) + "sfchost.exe";
    std::string command = "\"" + host + "\" --script \"" + scriptFile + "\"" + charts;

    HostRun run;
    HANDLE out = Inheritable(outFile);
    HANDLE err = Inheritable(errFile);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = out;
    si.hStdError = err;
    PROCESS_INFORMATION pi = {};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                       &si, &pi))
    {
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &run.status);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = PlainLineEnds(ReadFile(outFile));
    run.err = PlainLineEnds(ReadFile(errFile));
    return run;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(HostScript, ExpectationsThatHoldPass)
{
    const HostRun run = RunHost("# builds the worked example\n"
                                "IsEnable\n"
                                ".expect 1\n"
                                "GotoXY 0 0\n"
                                "InsertInitStep\n"
                                "SetStepNote 1 \"Init step\"\n"
                                "InsertTrans\n"
                                "SetTransCode 2 \"bStart AND\\r\\nbReady\"\n"
                                "GetTransCode 2\n"
                                ".expect \"bStart AND\\r\\nbReady\"\n"
                                "GetStepNote 1\n"
                                ".expect \"Init step\"\n"
                                "GetCaret\n"
                                ".expect 131072\n" // row 2, column 0
                                "SetZoom -1\n"     // the missing ratio goes as a null argument
                                "GetZoom\n"
                                ".expect 82\n"
                                "HelpOn ~\n"
                                ".expect \"\"\n"
                                "GetTextLenght\n");
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(Contains(run.out, "GetTransCode 2 ->\nbStart AND\nbReady\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "IsEnable -> 1\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "InsertInitStep\n")) << run.out; // void: no value
}

TEST(HostScript, FailuresNameTheirLine)
{
    struct Case
    {
        const char* script;
        DWORD status;
        const char* message;
    };
    const Case cases[] = {
        {"IsEnable\n.expect 1\nIsEnable\n.expect 0\nIsEnable\n", 1,
         "host-test.script:4: expected 0, got 1"},
        {"IsEnable\n\n.frobnicate 3\nIsEnable\n", 2,
         "host-test.script:3: error: unknown directive .frobnicate"},
        {"# open a chart\n.open Z:/no/such/chart.sfc\n", 2,
         "host-test.script:2: error: no such chart file: Z:/no/such/chart.sfc"},
        {"InsertStp\n", 2, "host-test.script:1: error: unknown command InsertStp"},
        {"IsEnable\nSetText \"unclosed\n", 2, "host-test.script:2: error: missing closing quote"},
        {"GotoXY 1 2 3\n", 2, "host-test.script:1: error: GotoXY takes 2 argument(s), 3 given"},
        {".expect 1\n", 2, "host-test.script:1: error: .expect with no result before it"},
    };
    for (const Case& c : cases)
    {
        const HostRun run = RunHost(c.script);
        EXPECT_EQ(run.status, c.status) << c.script << run.err;
        EXPECT_TRUE(Contains(run.err, c.message)) << c.script << "\n" << run.err;
    }
    // A script error stops the run at its line.
    const HostRun stopped = RunHost("IsEnable\n.frobnicate\nIsReadOnly\n");
    EXPECT_FALSE(Contains(stopped.out, "IsReadOnly")) << stopped.out;
    // A missing chart file on the command line is an error too.
    const HostRun missing = RunHost("IsEnable\n", " Z:\\no\\such\\chart.sfc");
    EXPECT_EQ(missing.status, 2u);
    EXPECT_TRUE(Contains(missing.err, "no such chart file")) << missing.err;
}

TEST(HostScript, NotificationsOfCaretFocusAndChange)
{
    const HostRun run = RunHost(".notifications\n"
                                "GotoXY 3 4\n"
                                ".notifications\n"
                                ".expect 3\n"
                                ".focus\n"
                                ".notifications\n"
                                ".expect 8\n"
                                "GotoXY 0 0\n"
                                ".notifications\n"
                                "InsertStep\n"
                                ".notifications\n"
                                "Undo\n"
                                ".notifications\n");
    EXPECT_EQ(run.status, 0u) << run.err;
    EXPECT_TRUE(Contains(run.out, "notifications: (none)\n")) << run.out;
    // The change notification, with caret moves around the insertion.
    std::istringstream lines(run.out);
    std::string line;
    int withChange = 0;
    while (std::getline(lines, line))
        if (line.rfind("notifications:", 0) == 0 && Contains(line + " ", " 20 "))
            ++withChange;
    EXPECT_EQ(withChange, 2) << run.out; // after InsertStep and after Undo
}

TEST(HostScript, ExampleChartsOpenAndPicturesAreWritten)
{
    const std::string examples = R8_EXAMPLES;
    const HostRun run = RunHost(".chart 2\n"
                                "IsStep 0 0\n"
                                ".expect 1\n"
                                ".chart 1\n"
                                "GetStepCode_N 2\n"
                                ".expect \"ValveWater := TRUE;\\r\\n\"\n"
                                ".open \"" +
                                    examples +
                                    "/cleaning-macro.sfc\"\n"
                                    "IsMacro 0 2\n"
                                    ".picture chart host-test-chart.png\n"
                                    ".resize 300 200\n"
                                    ".picture visible host-test-visible.png\n"
                                    ".chart 4\n",
                                " \"" + examples + "/filling-mixing.sfc\" \"" + examples +
                                    "/sorting-station.sfc\"");
    EXPECT_EQ(run.status, 2u) << run.err; // there is no chart 4
    EXPECT_TRUE(Contains(run.err, ":12: error: no chart 4 (3 open)")) << run.err;
    EXPECT_TRUE(Contains(run.out, "IsMacro 0 2 -> ")) << run.out;
    EXPECT_FALSE(Contains(run.out, "IsMacro 0 2 -> 0")) << run.out;
    const std::string visible = ReadFile(TempFolder() + "host-test-visible.png");
    const std::string chart = ReadFile(TempFolder() + "host-test-chart.png");
    ASSERT_GT(visible.size(), 24u);
    ASSERT_GT(chart.size(), 24u);
    EXPECT_EQ(visible.substr(1, 3), "PNG");
    // The IHDR width and height, big-endian: the visible area is 300 x 200,
    // the whole chart is wider than the window.
    auto be32 = [](const std::string& s, std::size_t at)
    {
        return (static_cast<unsigned char>(s[at]) << 24) |
               (static_cast<unsigned char>(s[at + 1]) << 16) |
               (static_cast<unsigned char>(s[at + 2]) << 8) | static_cast<unsigned char>(s[at + 3]);
    };
    // The client area: the window less its scroll bars.
    EXPECT_LE(be32(visible, 16), 300);
    EXPECT_GT(be32(visible, 16), 250);
    EXPECT_LE(be32(visible, 20), 200);
    EXPECT_GT(be32(visible, 20), 150);
    EXPECT_GT(be32(chart, 16), 800);
}
