// Runs some cases of this test program again from a fresh temporary folder
// that holds only a copy of the program, so that no stand-in library is found
// beside it. The cases to run that way are named DISABLED_... so a normal
// run leaves them out; the copy runs them with --gtest_also_run_disabled_tests
// and writes an XML report that the caller checks.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

struct IsolatedResult
{
    DWORD exitCode = 1;
    int tests = 0;
    std::string report;
};

inline IsolatedResult RunIsolated(const std::string& filter)
{
    IsolatedResult result;
    char exe[MAX_PATH], temp[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    GetTempPathA(MAX_PATH, temp);
    const std::string dir =
        std::string(temp) + "r8isolated" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string copy = dir + "isolated.exe";
    const std::string xml = dir + "report.xml";
    if (!CopyFileA(exe, copy.c_str(), FALSE))
        return result;
    std::string command = "\"" + copy +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=" + filter +
                          " --gtest_output=xml:" + xml;
    // The copy's console output would only repeat what its report says.
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE nul =
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi = {};
    const BOOL started = CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, dir.c_str(), &si, &pi);
    if (nul != INVALID_HANDLE_VALUE)
        CloseHandle(nul);
    if (started)
    {
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &result.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    std::ifstream in(xml, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    in.close();
    result.report = text.str();
    const size_t at = result.report.find("tests=\"");
    if (at != std::string::npos)
        result.tests = std::atoi(result.report.c_str() + at + 7);
    DeleteFileA(xml.c_str());
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(dir.c_str());
    return result;
}

// The isolated cases passed, and there were some.
#define EXPECT_ISOLATED_PASS(filter)                                                               \
    do                                                                                             \
    {                                                                                              \
        const IsolatedResult r = RunIsolated(filter);                                              \
        EXPECT_EQ(r.exitCode, 0u) << r.report;                                                     \
        EXPECT_GT(r.tests, 0) << r.report;                                                         \
        EXPECT_NE(r.report.find("failures=\"0\""), std::string::npos) << r.report;                 \
    } while (false)
