// The Win32 bodies of the support library: backslash paths, the registry
// record of the data folder and the list-box window of the output lines.
#include "support/Platform.h"
#include "support/Q2RTLFolders.h"
#include "support/Q2RTLOut.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

using r8test::ScopedEnvironment;
using r8test::TempFolder;

TEST(Win32Folders, BackslashRules)
{
    struct Case
    {
        const char* main;
        const char* root;
    };
    const Case cases[] = {
        {"C:\\Q2\\", "C:\\Q2\\"},
        {"C:\\Q2", "C:\\"},
        {"C:\\Q2\\bin\\q2.exe", "C:\\Q2\\bin\\"},
        {"C:/Q2/", "C:/Q2/"},
        {"D:", "D:"},
        {"D:setup", "D:"},
        {"\\\\server\\share\\Q2\\", "\\\\server\\share\\Q2\\"},
        {"Q2", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.main);
        ScopedEnvironment main("Q2MAIN", c.main);
        EXPECT_EQ(r8::GetRootFolder(), c.root);
    }
}

class Win32Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, r8::kDataFolderRegistryKey, 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &m_key, nullptr) != ERROR_SUCCESS)
            GTEST_SKIP() << "no write access to HKEY_LOCAL_MACHINE";
    }
    void TearDown() override
    {
        if (m_key == nullptr)
            return;
        RegCloseKey(m_key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, r8::kDataFolderRegistryKey);
    }
    // size counts the bytes stored, so a string may be stored without its zero.
    void SetValue(DWORD type, const char* text, DWORD size)
    {
        ASSERT_EQ(RegSetValueExA(m_key, r8::kDataFolderRegistryValue, 0, type,
                                 reinterpret_cast<const BYTE*>(text), size),
                  ERROR_SUCCESS);
    }

    HKEY m_key = nullptr;
};

TEST_F(Win32Registry, DataFolderFallsBackToTheInstallerRecord)
{
    TempFolder folder;
    ScopedEnvironment main("Q2MAIN", folder.Folder().c_str());
    SetValue(REG_SZ, "C:\\Q2Data", 10);
    EXPECT_EQ(r8::GetDataFolder(), "C:\\Q2Data\\");
    SetValue(REG_SZ, "C:\\Q2Data\\NoZero", 16); // stored without its terminating zero
    EXPECT_EQ(r8::GetDataFolder(), "C:\\Q2Data\\NoZero\\");

    // The settings file comes first.
    folder.Write("Q2ROOT.INI", "[ROOT]\r\nDATA=THIS\r\n");
    EXPECT_EQ(r8::GetDataFolder(), folder.Folder());
    std::filesystem::remove(folder.Path("Q2ROOT.INI"));

    // What is not a string, or is longer than 260 bytes, counts as no value.
    SetValue(REG_DWORD, "\x01\x00\x00\x00", 4);
    EXPECT_EQ(r8::GetDataFolder(), folder.Folder());
    std::string longValue(300, 'x');
    SetValue(REG_SZ, longValue.c_str(), static_cast<DWORD>(longValue.size() + 1));
    EXPECT_EQ(r8::GetDataFolder(), folder.Folder());
    SetValue(REG_SZ, "", 1);
    EXPECT_EQ(r8::GetDataFolder(), folder.Folder());
}

TEST(Win32Out, LinesReachTheListBox)
{
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr);
    r8::CQ2RTLOut out;
    out.SetOutput(reinterpret_cast<std::uintptr_t>(list), nullptr);
    out.SetObject("Main");
    out.SetTwoCoordinates(true);
    out.SetPosition(12, 4);
    out.WriteLine("first");
    out.SetFlags(r8::CQ2RTLOut::flagSilent);
    out.WriteLine("silent");

    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    char text[64] = {};
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Main(12,4): first");
    DestroyWindow(list);
}
