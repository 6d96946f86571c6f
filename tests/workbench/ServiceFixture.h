// A fresh project folder per test, with the service's entries and windows
// that collect the change events posted to them.
#pragma once

#include "projectdb/Q2DBSrvLoader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct PostedEvent
{
    UINT message;
    WPARAM code;
    LPARAM param;
};

// A message-only window; its events are read off the thread's queue.
class EventWindow
{
public:
    EventWindow()
        : hWnd(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~EventWindow() { DestroyWindow(hWnd); }
    EventWindow(const EventWindow&) = delete;
    EventWindow& operator=(const EventWindow&) = delete;

    std::vector<PostedEvent> Take()
    {
        std::vector<PostedEvent> events;
        MSG msg;
        while (PeekMessageA(&msg, hWnd, WM_USER, WM_USER + 0x100, PM_REMOVE))
            events.push_back({msg.message, msg.wParam, msg.lParam});
        return events;
    }

    HWND hWnd;
};

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

class ServiceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(api.IsLoaded()) << "Q2DBSrv.dll not beside the test";
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        folder = std::string(temp) + "r8proj_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(++serial);
        file = folder + "\\" Q2DBSRV_PROJECT_FILE;
    }

    void TearDown() override
    {
        for (DWORD c : connections)
            api.Q2DB_Disconnect(c);
        DeleteFileA(file.c_str());
        RemoveDirectoryA((file + ".tmp").c_str());
        DeleteFileA((file + ".tmp").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    DWORD Connect(const char* user, HWND window = nullptr, DWORD flags = 0)
    {
        const DWORD c = api.Q2DB_Connect(window, window != nullptr ? WM_USER : 0, flags, 0, user);
        if (c != 0)
            connections.push_back(c);
        return c;
    }

    // Creates the project and opens it for a connection of that user.
    void CreateAndOpen(const char* user = "alice")
    {
        conn = Connect(user);
        ASSERT_NE(conn, 0u);
        ASSERT_EQ(api.Q2DB_CreateProject(conn, folder.c_str()), Q2DB_OK);
        prj = api.Q2DB_OpenProject(conn, folder.c_str());
        ASSERT_NE(prj, 0u);
        globals = api.Q2DB_FindGroup(conn, prj, "Globals");
        boolType = api.Q2DB_FindType(conn, prj, "BOOL");
        ASSERT_NE(globals, 0u);
        ASSERT_NE(boolType, 0u);
    }

    DWORD NewProgram(const char* name, DWORD flags = 0)
    {
        DWORD id = 0;
        EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, name, 1, flags, &id), Q2DB_OK) << name;
        return id;
    }

    DWORD NewVar(DWORD group, const char* name, DWORD flags = 0)
    {
        DWORD id = 0;
        EXPECT_EQ(api.Q2DB_CreateVar(conn, prj, group, name, boolType, flags, &id), Q2DB_OK)
            << name;
        return id;
    }

    std::string Text(LPCSTR text) { return text != nullptr ? text : "(null)"; }

    CQ2DBSrvLoader& api = CQ2DBSrvLoader::Instance();
    std::string folder, file;
    std::vector<DWORD> connections;
    DWORD conn = 0, prj = 0, globals = 0, boolType = 0;
};
