// The wrapper chain and the editor's binding over the real service: connect
// and open, close, borrowed handles, lists, kinds, locks, blocks, the edited
// program; and every failure answer when the service library is missing.
#include "projectdb/R8EditDB.h"
#include "projectdb/Q2DBSrvLoader.h"
#include "tests/workbench/IsolatedRun.h"

#include <string>

namespace
{

class EditDBTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CQ2DBSrvLoader::Instance().IsLoaded()) << "Q2DBSrv.dll not beside the test";
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        folder = std::string(temp) + "r8editdb_" + std::to_string(GetCurrentProcessId()) + "_" +
                 std::to_string(++serial);
        ASSERT_EQ(maker.CreateProject(folder.c_str()), static_cast<DWORD>(Q2DB_OK));
        ASSERT_TRUE(maker.OpenByPath(folder.c_str(), "maker"));
        ASSERT_TRUE(maker.CreateProgram("Main", 1, 0, &main));
    }

    void TearDown() override
    {
        maker.Close();
        db.Close();
        DeleteFileA((folder + "\\" Q2DBSRV_PROJECT_FILE).c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string folder;
    CQ2DBWrapRW maker;
    CR8EditDB db;
    DWORD main = 0;
};

} // namespace

TEST_F(EditDBTest, ConnectsAsTheEditorAndNamesTheEditedProgram)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "CR8EditSFCWnd", 0));
    EXPECT_TRUE(db.IsProjectOpen());
    EXPECT_EQ(db.GetKindOfObject(db.GetProjectHandle()), Q2DB_KIND_PROJECT);
    std::string client;
    EXPECT_TRUE(db.GetObjectName(db.GetConnectionHandle(), client));
    EXPECT_EQ(client, "CR8EditSFCWnd");

    EXPECT_EQ(db.GetEditedProgramName(), "") << "no program set yet";
    db.SetEditedProgramID(main);
    EXPECT_EQ(db.GetEditedProgramID(), main);
    EXPECT_EQ(db.GetKindOfObject(main), Q2DB_KIND_PROGRAM);
    EXPECT_EQ(db.GetEditedProgramName(), "Main");
    ASSERT_TRUE(maker.RenameProgram(main, "Filling"));
    EXPECT_EQ(db.GetEditedProgramName(), "Filling");
    db.SetEditedProgramID(main + 1000);
    EXPECT_EQ(db.GetEditedProgramName(), "");
}

TEST_F(EditDBTest, WithoutAUserTheLoggedOnUserConnects)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), nullptr, 0));
    std::string client;
    EXPECT_TRUE(db.GetObjectName(db.GetConnectionHandle(), client));
    EXPECT_FALSE(client.empty());
    EXPECT_EQ(client, CQ2DBWrap::LoggedOnUser());
}

TEST_F(EditDBTest, AFailedOpenLeavesNoConnectionAndReopenReplacesTheOld)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    const DWORD oldConnection = db.GetConnectionHandle();
    EXPECT_FALSE(db.ConnectProject(nullptr, (folder + "_missing").c_str(), "editor", 0));
    DWORD c = 1, p = 1;
    db.GetHandles(&c, &p);
    EXPECT_EQ(c, 0u);
    EXPECT_EQ(p, 0u);
    EXPECT_FALSE(db.IsProjectOpen());
    EXPECT_EQ(db.GetKindOfObject(oldConnection), 0) << "the earlier connection was closed";
    EXPECT_FALSE(db.ConnectProject(nullptr, nullptr, "editor", 0));
    EXPECT_EQ(db.FindProgram("Main"), 0u);
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    EXPECT_EQ(db.FindProgram("Main"), main);
}

TEST_F(EditDBTest, ClosingABorrowerLeavesTheLenderOpen)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    {
        CQ2DBWrapR borrower;
        borrower.Borrow(db);
        EXPECT_TRUE(borrower.IsBorrowed());
        EXPECT_EQ(borrower.GetProjectHandle(), db.GetProjectHandle());
        EXPECT_EQ(borrower.FindProgram("Main"), main);
        borrower.Close();
        EXPECT_FALSE(borrower.IsProjectOpen());
        borrower.Borrow(db.GetConnectionHandle(), db.GetProjectHandle());
    } // destroyed while borrowing
    EXPECT_EQ(db.FindProgram("Main"), main);

    CQ2DBWrapR late;
    late.Borrow(db);
    db.Close();
    EXPECT_FALSE(db.IsProjectOpen());
    EXPECT_EQ(late.FindProgram("Main"), 0u) << "the lender's close ended the handles";
    late.GiveBack();
    EXPECT_EQ(late.GetConnectionHandle(), 0u);
}

TEST_F(EditDBTest, ListsAndItemsAnswerZeroOutsideTheList)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    DWORD second = 0;
    ASSERT_TRUE(maker.CreateProgram("Second", 1, 0, &second));
    EXPECT_EQ(db.Item(0), 0u) << "no list yet";
    ASSERT_TRUE(db.ListPrograms());
    ASSERT_EQ(db.Count(), 2);
    EXPECT_EQ(db.Item(0), main);
    EXPECT_EQ(db.Item(1), second);
    EXPECT_EQ(db.Item(-1), 0u);
    EXPECT_EQ(db.Item(2), 0u);
    const auto map = db.CopyToMap();
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(map.at(second).position, 1u);

    const DWORD globals = db.FindGroup("Globals");
    EXPECT_FALSE(db.ListVars(globals)) << "an empty list";
    EXPECT_EQ(db.Count(), 0);
    EXPECT_EQ(db.Item(0), 0u);
    ASSERT_TRUE(db.ListGroups());
    EXPECT_EQ(db.Count(), 3);
    db.FreeList();
    EXPECT_EQ(db.Count(), 0);
}

TEST_F(EditDBTest, LocksByKindAndTheirOwners)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    const DWORD globals = db.FindGroup("Globals");
    const DWORD boolType = db.FindType("BOOL");
    DWORD var = 0;
    ASSERT_TRUE(db.CreateVar(globals, "V", boolType, 0, &var));

    for (DWORD id : {main, globals, var})
    {
        ASSERT_TRUE(db.Lock(id)) << id;
        std::string owner;
        EXPECT_TRUE(maker.GetLockOwner(id, owner)) << id;
        EXPECT_EQ(owner, "editor");
        EXPECT_FALSE(maker.Lock(id)) << "held by another user";
        EXPECT_EQ(maker.GetLastResult(), static_cast<DWORD>(Q2DB_E_LOCKED));
        EXPECT_FALSE(CQ2DBWrap::GetMessageText(maker.GetLastResult()).empty());
        EXPECT_TRUE(db.Unlock(id));
        EXPECT_FALSE(maker.GetLockOwner(id, owner));
        EXPECT_EQ(owner, "");
    }
    EXPECT_FALSE(db.Lock(boolType)) << "types can't be locked";
    EXPECT_EQ(db.GetLastResult(), static_cast<DWORD>(Q2DB_E_BADKIND));
    EXPECT_FALSE(db.Lock(0));
    EXPECT_EQ(db.GetLastResult(), static_cast<DWORD>(Q2DB_E_BADKIND));
    EXPECT_TRUE(db.SetComment(main, "note"));
    EXPECT_EQ(db.GetLastResult(), static_cast<DWORD>(Q2DB_OK));
}

TEST_F(EditDBTest, FindsBlocksInTheRegistryAndInTheProject)
{
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    const DWORD andBlock = db.FindBlock(FALSE, "&");
    ASSERT_NE(andBlock, 0u);
    int in = -1, out = -1;
    EXPECT_TRUE(db.GetBlockPinCounts(FALSE, andBlock, &in, &out));
    EXPECT_EQ(in, 2);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(db.FindBlock(FALSE, "Main"), 0u) << "programs are not registry blocks";

    DWORD blink = 0;
    ASSERT_TRUE(maker.CreateProgram("Blink", 1, Q2DB_PROG_USERBLOCK, &blink));
    std::string name;
    DWORD local = 0;
    ASSERT_TRUE(maker.GetProgramDesc(blink, name, nullptr, nullptr, &local));
    const DWORD boolType = maker.FindType("BOOL");
    ASSERT_TRUE(maker.CreateVar(local, "Run", boolType, Q2DB_VAR_INPUT));
    ASSERT_TRUE(maker.CreateVar(local, "Lamp", boolType, Q2DB_VAR_OUTPUT));
    ASSERT_TRUE(maker.CreateVar(local, "Both", boolType, Q2DB_VAR_INPUT | Q2DB_VAR_OUTPUT));

    const DWORD blinkType = db.FindBlock(TRUE, "Blink");
    EXPECT_EQ(db.GetKindOfObject(blinkType), Q2DB_KIND_TYPE) << "the user block's type";
    EXPECT_EQ(db.FindBlock(TRUE, "BOOL"), 0u) << "an elementary type is no block";
    EXPECT_EQ(db.FindBlock(TRUE, "Main"), main) << "a program of that name";
    EXPECT_EQ(db.FindBlock(TRUE, "&"), 0u);

    // A program counts its flagged variables, on a second wrapper: the
    // binding's own list survives.
    ASSERT_TRUE(db.ListPrograms());
    const int listed = db.Count();
    in = out = -1;
    EXPECT_TRUE(db.GetBlockPinCounts(TRUE, blink, &in, &out));
    EXPECT_EQ(in, 2);
    EXPECT_EQ(out, 2);
    EXPECT_EQ(db.Count(), listed);
    EXPECT_EQ(db.Item(0), main);
    in = out = -1;
    EXPECT_TRUE(db.GetBlockPinCounts(TRUE, blinkType, &in, &out));
    EXPECT_EQ(in, 2);
    EXPECT_EQ(out, 2);
    in = out = -1;
    EXPECT_TRUE(db.GetBlockPinCounts(FALSE, blink, &in, &out)) << "not in the registry";
    EXPECT_EQ(in, 2);
    in = out = -1;
    EXPECT_FALSE(db.GetBlockPinCounts(TRUE, boolType, &in, &out));
    EXPECT_EQ(in, 0);
    EXPECT_EQ(out, 0);
    EXPECT_FALSE(db.GetBlockPinCounts(FALSE, 0, nullptr, nullptr));
}

TEST_F(EditDBTest, TheWindowHearsOtherConnectionsChanges)
{
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(db.ConnectProject(window, folder.c_str(), "CR8EditSFCWnd", 0));
    ASSERT_TRUE(maker.SaveProgramChanges(main));
    MSG msg = {};
    ASSERT_TRUE(PeekMessageA(&msg, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(0x40000000));
    EXPECT_EQ(msg.lParam, static_cast<LPARAM>(main));
    DestroyWindow(window);
}

TEST_F(EditDBTest, TargetConfigurationIsSkippedWithoutItsLibrary)
{
    CQ2RTCApi& rtc = db.GetTargetConfig();
    if (rtc.IsLoaded())
        GTEST_SKIP() << "a target configuration library is installed";
    ASSERT_TRUE(db.ConnectProject(nullptr, folder.c_str(), "editor", 0));
    EXPECT_EQ(rtc.GetConfigHandle(), 0u);
    EXPECT_FALSE(rtc.EditConfig(nullptr));
    EXPECT_EQ(rtc.GetActiveConfig(), "");
    EXPECT_TRUE(rtc.IsBlockSupported("TON"));
    EXPECT_TRUE(rtc.IsTypeSupported("REAL"));
    EXPECT_FALSE(rtc.IsBlockIEC("TON"));
}

// Run by Isolated.* from a folder without the service library.
TEST(DISABLED_WithoutService, EveryCallAnswersItsFailure)
{
    ASSERT_EQ(LoadLibraryA(Q2DBSRV_LIBRARY), nullptr) << "run through Isolated.*";
    EXPECT_FALSE(CQ2DBSrvLoader::Instance().IsLoaded());
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    CR8EditDB db;
    EXPECT_EQ(db.CreateProject(temp), static_cast<DWORD>(Q2DB_E_UNAVAILABLE));
    EXPECT_FALSE(db.ConnectProject(nullptr, temp, "editor", 0));
    EXPECT_FALSE(db.IsProjectOpen());
    EXPECT_EQ(db.GetProjectHandle(), 0u);
    EXPECT_EQ(db.GetKindOfObject(3u << 24 | 1), 0);
    EXPECT_EQ(db.FindBlock(FALSE, "&"), 0u);
    EXPECT_EQ(db.FindBlock(TRUE, "Main"), 0u);
    int in = -1, out = -1;
    EXPECT_FALSE(db.GetBlockPinCounts(FALSE, 1, &in, &out));
    EXPECT_EQ(in, 0);
    EXPECT_EQ(out, 0);
    db.SetEditedProgramID(3u << 24 | 1);
    EXPECT_EQ(db.GetEditedProgramName(), "");
    EXPECT_FALSE(db.ListPrograms());
    EXPECT_EQ(db.Count(), 0);
    EXPECT_FALSE(db.CreateProgram("Main", 1, 0));
    EXPECT_EQ(db.GetLastResult(), static_cast<DWORD>(Q2DB_E_UNAVAILABLE));
    std::string text = "stale";
    EXPECT_FALSE(db.GetComment(1, text));
    EXPECT_EQ(text, "");
    EXPECT_EQ(CQ2DBWrap::GetMessageText(Q2DB_E_LOCKED), "");
    db.Close();
    db.DisconnectProject();

    CQ2RTCApi rtc;
    EXPECT_FALSE(rtc.IsLoaded());
    EXPECT_FALSE(rtc.OpenProject(temp));
    EXPECT_TRUE(rtc.IsBlockSupported("TON"));
}

TEST(Isolated, WrappersAnswerFailuresWithoutTheService)
{
    EXPECT_ISOLATED_PASS("DISABLED_WithoutService.*");
}
