// The project database service: connections and projects, objects and their
// lists, kinds, locks, messages and change events.
#include "ServiceFixture.h"

TEST_F(ServiceTest, ExportsEveryEntryTheWrappersLookUp)
{
#define Q2DB_CHECK_ENTRY(name, type) EXPECT_NE(api.name, nullptr) << #name;
    Q2DB_ENTRIES(Q2DB_CHECK_ENTRY)
#undef Q2DB_CHECK_ENTRY
}

TEST_F(ServiceTest, CreatesOpensAndReportsAProject)
{
    CreateAndOpen();
    EXPECT_EQ(api.Q2DB_CreateProject(conn, folder.c_str()), Q2DB_E_PROJECTEXISTS);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(conn), Q2DB_KIND_CLIENT);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(prj), Q2DB_KIND_PROJECT);
    EXPECT_STREQ(api.Q2DB_GetClientName(conn), "alice");
    char full[MAX_PATH];
    GetFullPathNameA(folder.c_str(), MAX_PATH, full, nullptr);
    EXPECT_EQ(Text(api.Q2DB_GetProjectPath(conn, prj)), full);
    // The same folder written another way opens the same project.
    const DWORD again = api.Q2DB_OpenProject(conn, (folder + "\\").c_str());
    ASSERT_NE(again, 0u);
    EXPECT_NE(again, prj);
    EXPECT_EQ(api.Q2DB_FindGroup(conn, again, "globals"), globals);
}

TEST_F(ServiceTest, OpenFailsWithoutAProjectOrAConnection)
{
    conn = Connect("alice");
    EXPECT_EQ(api.Q2DB_OpenProject(conn, folder.c_str()), 0u) << "no folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_EQ(api.Q2DB_OpenProject(conn, folder.c_str()), 0u) << "no project file";
    EXPECT_EQ(api.Q2DB_OpenProject(conn, nullptr), 0u);
    EXPECT_EQ(api.Q2DB_OpenProject(conn, ""), 0u);
    ASSERT_EQ(api.Q2DB_CreateProject(conn, folder.c_str()), Q2DB_OK) << "an empty folder will do";
    EXPECT_EQ(api.Q2DB_OpenProject(0, folder.c_str()), 0u);
    EXPECT_EQ(api.Q2DB_OpenProject(conn + 1000, folder.c_str()), 0u);
    EXPECT_EQ(api.Q2DB_CreateProject(0, folder.c_str()), Q2DB_E_BADHANDLE);
}

TEST_F(ServiceTest, ProgramsAndVariablesAreFoundByNameWithoutRegardToCase)
{
    CreateAndOpen();
    const DWORD main = NewProgram("Main");
    ASSERT_NE(main, 0u);
    EXPECT_EQ(api.Q2DB_FindProgram(conn, prj, "MAIN"), main);
    DWORD language = 0, flags = 99, local = 0;
    EXPECT_STREQ(api.Q2DB_GetProgramDesc(conn, prj, main, &language, &flags, &local), "Main");
    EXPECT_EQ(language, 1u);
    EXPECT_EQ(flags, 0u);
    DWORD kind = 0, owner = 0;
    EXPECT_STREQ(api.Q2DB_GetGroupDesc(conn, prj, local, &kind, &owner), "Main");
    EXPECT_EQ(kind, static_cast<DWORD>(Q2DB_GROUP_LOCAL));
    EXPECT_EQ(owner, main);

    const DWORD start = NewVar(globals, "Start");
    const DWORD step = NewVar(local, "Step", Q2DB_VAR_INPUT);
    EXPECT_EQ(api.Q2DB_FindVar(conn, prj, "start"), start);
    EXPECT_EQ(api.Q2DB_FindVar(conn, prj, "Step"), 0u) << "local variables are not global";
    EXPECT_EQ(api.Q2DB_FindVarInGroup(conn, prj, local, "STEP"), step);
    DWORD type = 0, group = 0;
    EXPECT_STREQ(api.Q2DB_GetVarDesc(conn, prj, step, &type, &flags, &group), "Step");
    EXPECT_EQ(type, boolType);
    EXPECT_EQ(flags, static_cast<DWORD>(Q2DB_VAR_INPUT));
    EXPECT_EQ(group, local);
    EXPECT_STREQ(api.Q2DB_GetVarDesc(conn, prj, step, nullptr, nullptr, nullptr), "Step");

    EXPECT_EQ(api.Q2DB_CreateVar(conn, prj, globals, "START", boolType, 0, nullptr), Q2DB_E_EXISTS);
    EXPECT_EQ(api.Q2DB_CreateVar(conn, prj, globals, "Other", main, 0, nullptr), Q2DB_E_NOTFOUND)
        << "a program is not a type";
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, "main", 1, 0, nullptr), Q2DB_E_EXISTS);
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, "Globals", 1, 0, nullptr), Q2DB_E_EXISTS)
        << "its local group would clash with the global one";
    EXPECT_EQ(api.Q2DB_FindProgram(conn, prj, nullptr), 0u);
    EXPECT_EQ(api.Q2DB_GetProgramDesc(conn, prj, start, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(ServiceTest, RefusesNamesThatAreNotIdentifiers)
{
    CreateAndOpen();
    const std::string tooLong(65, 'a');
    for (const char* name :
         {static_cast<const char*>(nullptr), "", "1st", "a b", "a-b", "\xE9t\xE9", tooLong.c_str()})
    {
        EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, name, 1, 0, nullptr), Q2DB_E_BADNAME)
            << Text(name);
        EXPECT_EQ(api.Q2DB_CreateVar(conn, prj, globals, name, boolType, 0, nullptr),
                  Q2DB_E_BADNAME)
            << Text(name);
    }
    EXPECT_EQ(api.Q2DB_GetNbProgram(conn, prj), 0);
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, std::string(64, 'a').c_str(), 1, 0, nullptr),
              Q2DB_OK);
}

TEST_F(ServiceTest, ListPairsCountAndFillWithinTheCapacity)
{
    CreateAndOpen();
    const DWORD a = NewProgram("A"), b = NewProgram("B"), c = NewProgram("C");
    ASSERT_EQ(api.Q2DB_GetNbProgram(conn, prj), 3);
    DWORD ids[5] = {};
    EXPECT_EQ(api.Q2DB_GetPrograms(conn, prj, ids, 5), 3);
    EXPECT_EQ(ids[0], a);
    EXPECT_EQ(ids[1], b);
    EXPECT_EQ(ids[2], c);
    DWORD one[2] = {0, 0xDEAD};
    EXPECT_EQ(api.Q2DB_GetPrograms(conn, prj, one, 1), 1);
    EXPECT_EQ(one[1], 0xDEADu) << "nothing written past the capacity";
    EXPECT_EQ(api.Q2DB_GetPrograms(conn, prj, nullptr, 5), 0);
    EXPECT_EQ(api.Q2DB_GetPrograms(conn, prj, ids, -1), 0);

    EXPECT_EQ(api.Q2DB_GetNbGroup(conn, prj), 4) << "Globals and three local groups";
    DWORD zeta = 0;
    ASSERT_EQ(api.Q2DB_CreateIOGroup(conn, prj, "Zeta", &zeta), Q2DB_OK);
    DWORD groups[8] = {};
    ASSERT_EQ(api.Q2DB_GetSortedGroups(conn, prj, 1, groups, 8), 5);
    std::vector<std::string> names;
    for (int i = 0; i < 5; ++i)
        names.push_back(Text(api.Q2DB_GetGroupDesc(conn, prj, groups[i], nullptr, nullptr)));
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C", "Globals", "Zeta"}));

    EXPECT_EQ(api.Q2DB_GetNbVar(conn, prj, globals), 0);
    NewVar(globals, "X");
    NewVar(globals, "Y");
    EXPECT_EQ(api.Q2DB_GetNbVar(conn, prj, globals), 2);
    EXPECT_EQ(api.Q2DB_GetVars(conn, prj, globals, ids, 5), 2);
    EXPECT_GE(api.Q2DB_GetNbType(conn, prj), 10);
    EXPECT_EQ(api.Q2DB_GetTypes(conn, prj, ids, 5), 5);
    EXPECT_EQ(api.Q2DB_GetNbProgram(0, prj), 0) << "another connection's handle";
}

TEST_F(ServiceTest, KindsComeFromTheIdentifierOfAnObjectThatExists)
{
    CreateAndOpen();
    const DWORD main = NewProgram("Main");
    const DWORD var = NewVar(globals, "V");
    EXPECT_EQ(api.Q2DB_GetKindOfObject(main), Q2DB_KIND_PROGRAM);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(globals), Q2DB_KIND_GROUP);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(boolType), Q2DB_KIND_TYPE);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(var), Q2DB_KIND_VAR);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(0), 0);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(main + 1000), 0);
    ASSERT_EQ(api.Q2DB_DeleteProgram(conn, prj, main), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(main), 0);
    EXPECT_EQ(api.Q2DB_DeleteProgram(conn, prj, main), Q2DB_E_NOTFOUND);
}

TEST_F(ServiceTest, UserBlocksAreTypesWithPinCounts)
{
    CreateAndOpen();
    const DWORD block = NewProgram("Blink", Q2DB_PROG_USERBLOCK);
    DWORD local = 0;
    api.Q2DB_GetProgramDesc(conn, prj, block, nullptr, nullptr, &local);
    NewVar(local, "Enable", Q2DB_VAR_INPUT);
    NewVar(local, "Period", Q2DB_VAR_INPUT);
    NewVar(local, "Lamp", Q2DB_VAR_OUTPUT);
    NewVar(local, "Count");
    const DWORD type = api.Q2DB_FindType(conn, prj, "blink");
    ASSERT_NE(type, 0u);
    DWORD flags = 0;
    EXPECT_STREQ(api.Q2DB_GetTypeDesc(conn, prj, type, &flags), "Blink");
    EXPECT_EQ(flags, static_cast<DWORD>(Q2DB_TYPE_USERBLOCK));
    for (DWORD id : {block, type})
    {
        int in = -1, out = -1;
        EXPECT_EQ(api.Q2DB_GetUDFBNbIO(conn, prj, id, &in, &out), Q2DB_OK);
        EXPECT_EQ(in, 2);
        EXPECT_EQ(out, 1);
    }
    int in = -1, out = -1;
    EXPECT_EQ(api.Q2DB_GetUDFBNbIO(conn, prj, boolType, &in, &out), Q2DB_E_NOTFOUND);
    EXPECT_EQ(in, 0);
    EXPECT_EQ(out, 0);

    ASSERT_EQ(api.Q2DB_RenameProgram(conn, prj, block, "Flash"), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_FindType(conn, prj, "Flash"), type) << "its type follows the rename";
    EXPECT_EQ(api.Q2DB_FindGroup(conn, prj, "Flash"), local);

    ASSERT_EQ(api.Q2DB_CreateVar(conn, prj, globals, "F1", type, 0, nullptr), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_DeleteProgram(conn, prj, block), Q2DB_E_REFUSED) << "its type is in use";
    EXPECT_NE(api.Q2DB_FindProgram(conn, prj, "Flash"), 0u);
}

TEST_F(ServiceTest, LocksBelongToTheirUserAndGuardChanges)
{
    CreateAndOpen("alice");
    const DWORD main = NewProgram("Main");
    const DWORD var = NewVar(globals, "V");
    const DWORD bob = Connect("bob");
    const DWORD bobPrj = api.Q2DB_OpenProject(bob, folder.c_str());
    ASSERT_NE(bobPrj, 0u);

    ASSERT_EQ(api.Q2DB_LockProgram(conn, prj, main), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_LockProgram(conn, prj, main), Q2DB_OK) << "taking one's own lock again";
    EXPECT_TRUE(api.Q2DB_IsObjectLocked(bob, bobPrj, main));
    EXPECT_STREQ(api.Q2DB_GetProgramOwner(bob, bobPrj, main), "alice");
    EXPECT_EQ(api.Q2DB_LockProgram(bob, bobPrj, main), Q2DB_E_LOCKED);
    EXPECT_EQ(api.Q2DB_UnlockProgram(bob, bobPrj, main), Q2DB_E_LOCKED);
    EXPECT_EQ(api.Q2DB_RenameProgram(bob, bobPrj, main, "Other"), Q2DB_E_LOCKED);
    EXPECT_EQ(api.Q2DB_SaveProgramChanges(bob, bobPrj, main), Q2DB_E_LOCKED);
    EXPECT_EQ(api.Q2DB_SetComment(bob, bobPrj, main, "mine"), Q2DB_E_LOCKED);
    EXPECT_EQ(api.Q2DB_RenameProgram(conn, prj, main, "Renamed"), Q2DB_OK);
    ASSERT_EQ(api.Q2DB_UnlockProgram(conn, prj, main), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_UnlockProgram(conn, prj, main), Q2DB_E_NOTLOCKED);
    EXPECT_EQ(api.Q2DB_GetProgramOwner(bob, bobPrj, main), nullptr);

    EXPECT_EQ(api.Q2DB_LockVar(bob, bobPrj, globals + 1000, var), Q2DB_E_NOTFOUND)
        << "not the variable's group";
    ASSERT_EQ(api.Q2DB_LockVar(bob, bobPrj, globals, var), Q2DB_OK);
    EXPECT_STREQ(api.Q2DB_GetVarOwner(conn, prj, var), "bob");
    EXPECT_EQ(api.Q2DB_DeleteVar(conn, prj, var), Q2DB_E_LOCKED);
    ASSERT_EQ(api.Q2DB_LockGroup(bob, bobPrj, globals), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_CreateVar(conn, prj, globals, "W", boolType, 0, nullptr), Q2DB_E_LOCKED);
    EXPECT_STREQ(api.Q2DB_GetGroupOwner(conn, prj, globals), "bob");
    EXPECT_EQ(api.Q2DB_LockProgram(conn, prj, var), Q2DB_E_NOTFOUND) << "a variable is no program";
}

TEST_F(ServiceTest, FailureCodesHaveTexts)
{
    for (DWORD code : {Q2DB_E_REFUSED, Q2DB_E_BADHANDLE, Q2DB_E_NOTFOUND, Q2DB_E_EXISTS,
                       Q2DB_E_BADNAME, Q2DB_E_LOCKED, Q2DB_E_NOTLOCKED, Q2DB_E_WRITE,
                       Q2DB_E_READONLY, Q2DB_E_BADKIND, Q2DB_E_UNAVAILABLE})
        EXPECT_GT(Text(api.Q2DB_GetMessage(code)).size(), 10u) << code;
    EXPECT_STREQ(api.Q2DB_GetMessage(Q2DB_E_LOCKED), "The object is locked by another user.");
    EXPECT_STREQ(api.Q2DB_GetMessage(Q2DB_OK), "");
    EXPECT_EQ(api.Q2DB_GetMessage(12345), nullptr);
}

TEST_F(ServiceTest, ChangesArePostedToTheOtherConnectionsOfTheProject)
{
    CreateAndOpen();
    EventWindow mine, theirs, elsewhere;
    const DWORD me = Connect("alice", mine.hWnd);
    const DWORD mePrj = api.Q2DB_OpenProject(me, folder.c_str());
    const DWORD other = Connect("bob", theirs.hWnd);
    const DWORD otherPrj = api.Q2DB_OpenProject(other, folder.c_str());
    const DWORD otherPrj2 = api.Q2DB_OpenProject(other, folder.c_str());
    ASSERT_NE(otherPrj, 0u);
    ASSERT_NE(otherPrj2, 0u);
    // A connection on another project hears nothing.
    const std::string otherFolder = folder + "_b";
    const DWORD stranger = Connect("carol", elsewhere.hWnd);
    ASSERT_EQ(api.Q2DB_CreateProject(stranger, otherFolder.c_str()), Q2DB_OK);
    ASSERT_NE(api.Q2DB_OpenProject(stranger, otherFolder.c_str()), 0u);

    DWORD main = 0;
    ASSERT_EQ(api.Q2DB_CreateProgram(me, mePrj, "Main", 1, 0, &main), Q2DB_OK);
    ASSERT_EQ(api.Q2DB_SaveProgramChanges(me, mePrj, main), Q2DB_OK);
    DWORD var = 0;
    ASSERT_EQ(api.Q2DB_CreateVar(me, mePrj, globals, "V", boolType, 0, &var), Q2DB_OK);
    ASSERT_EQ(api.Q2DB_LockProgram(me, mePrj, main), Q2DB_OK);

    const std::vector<PostedEvent> events = theirs.Take();
    ASSERT_EQ(events.size(), 4u) << "once per connection, not per open handle";
    const std::pair<WPARAM, LPARAM> expected[] = {
        {Q2DB_EVT_PROGRAMS, static_cast<LPARAM>(main)},
        {Q2DB_EVT_PROGRAM_CHANGED, static_cast<LPARAM>(main)},
        {Q2DB_EVT_VAR_CREATED, static_cast<LPARAM>(var)},
        {Q2DB_EVT_LOCKED, static_cast<LPARAM>(main)},
    };
    for (size_t i = 0; i < events.size(); ++i)
    {
        EXPECT_EQ(events[i].message, static_cast<UINT>(WM_USER));
        EXPECT_EQ(events[i].code, expected[i].first) << i;
        EXPECT_EQ(events[i].param, expected[i].second) << i;
    }
    EXPECT_TRUE(mine.Take().empty()) << "not to the connection that made the change";
    EXPECT_TRUE(elsewhere.Take().empty());

    api.Q2DB_EnableEvents(other, FALSE);
    ASSERT_EQ(api.Q2DB_SaveProgramChanges(me, mePrj, main), Q2DB_OK);
    EXPECT_TRUE(theirs.Take().empty());
    ASSERT_EQ(api.Q2DB_SaveProgramChanges(other, otherPrj, main), Q2DB_E_LOCKED);
    EXPECT_TRUE(mine.Take().empty()) << "a refused change is not announced";

    RemoveDirectoryA(otherFolder.c_str());
    DeleteFileA((otherFolder + "\\" Q2DBSRV_PROJECT_FILE).c_str());
    RemoveDirectoryA(otherFolder.c_str());
}

TEST_F(ServiceTest, AReadOnlyConnectionChangesNothing)
{
    CreateAndOpen();
    const DWORD reader = Connect("bob", nullptr, Q2DB_CONNECT_READONLY);
    const DWORD readerPrj = api.Q2DB_OpenProject(reader, folder.c_str());
    ASSERT_NE(readerPrj, 0u);
    EXPECT_EQ(api.Q2DB_CreateProgram(reader, readerPrj, "Main", 1, 0, nullptr), Q2DB_E_READONLY);
    EXPECT_EQ(api.Q2DB_LockGroup(reader, readerPrj, globals), Q2DB_E_READONLY);
    EXPECT_EQ(api.Q2DB_FindProgram(conn, prj, "Main"), 0u);
    EXPECT_EQ(api.Q2DB_FindGroup(reader, readerPrj, "Globals"), globals) << "reads work";
}

TEST_F(ServiceTest, ClosingAHandleOrDisconnectingEndsItsUse)
{
    CreateAndOpen();
    api.Q2DB_CloseProject(conn + 1, prj); // not this connection's: ignored
    EXPECT_EQ(api.Q2DB_FindGroup(conn, prj, "Globals"), globals);
    api.Q2DB_CloseProject(conn, prj);
    EXPECT_EQ(api.Q2DB_FindGroup(conn, prj, "Globals"), 0u);
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, "Main", 1, 0, nullptr), Q2DB_E_BADHANDLE);
    const DWORD again = api.Q2DB_OpenProject(conn, folder.c_str());
    ASSERT_NE(again, 0u);
    api.Q2DB_Disconnect(conn);
    EXPECT_EQ(api.Q2DB_FindGroup(conn, again, "Globals"), 0u);
    EXPECT_EQ(api.Q2DB_GetClientName(conn), nullptr);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(conn), 0);
}
