// The project file: what is written survives a reopen, the text is plain,
// a damaged file is refused without being touched, and a failed write
// changes nothing.
#include "ServiceFixture.h"

namespace
{

const char kValidHead[] = "[project]\nformat = 1\nnext = 3\n"
                          "[type 1]\nname = BOOL\nflags = 1\n"
                          "[group 2]\nname = Globals\nkind = 1\n";

} // namespace

TEST_F(ServiceTest, WhatIsWrittenIsReadBackAfterAReopen)
{
    CreateAndOpen("alice");
    const DWORD main = NewProgram("Main");
    DWORD local = 0;
    api.Q2DB_GetProgramDesc(conn, prj, main, nullptr, nullptr, &local);
    const DWORD start = NewVar(globals, "Start", Q2DB_VAR_FLAGGED);
    NewVar(local, "Done", Q2DB_VAR_OUTPUT);
    const std::string comment = " Starts the line.\n\tTwice = no\\yes ";
    ASSERT_EQ(api.Q2DB_SetComment(conn, prj, start, comment.c_str()), Q2DB_OK);
    ASSERT_EQ(api.Q2DB_LockProgram(conn, prj, main), Q2DB_OK);
    ASSERT_EQ(api.Q2DB_SetProperty(conn, prj, 0, Q2DB_PROP_DESCRIPTION, "Bottling [line 2]"),
              Q2DB_OK);
    for (DWORD c : connections)
        api.Q2DB_Disconnect(c);
    connections.clear();

    EXPECT_FALSE(GetFileAttributesA((file + ".tmp").c_str()) != INVALID_FILE_ATTRIBUTES);
    const std::string text = ReadText(file);
    EXPECT_NE(text.find("[program "), std::string::npos) << text;
    EXPECT_NE(text.find("name = Main\n"), std::string::npos) << text;
    EXPECT_NE(text.find("locked = alice\n"), std::string::npos) << text;

    const DWORD bob = Connect("bob");
    const DWORD again = api.Q2DB_OpenProject(bob, folder.c_str());
    ASSERT_NE(again, 0u);
    EXPECT_EQ(api.Q2DB_FindProgram(bob, again, "Main"), main) << "identifiers persist";
    EXPECT_EQ(api.Q2DB_FindVar(bob, again, "Start"), start);
    EXPECT_EQ(Text(api.Q2DB_GetComment(bob, again, start)), comment);
    EXPECT_EQ(api.Q2DB_GetCommentLength(bob, again, start), static_cast<int>(comment.size()));
    EXPECT_STREQ(api.Q2DB_GetProgramOwner(bob, again, main), "alice");
    EXPECT_STREQ(api.Q2DB_GetProperty(bob, again, 0, Q2DB_PROP_DESCRIPTION), "Bottling [line 2]");
    EXPECT_NE(api.Q2DB_FindVarInGroup(bob, again, local, "Done"), 0u);
    DWORD flags = 0;
    api.Q2DB_GetVarDesc(bob, again, start, nullptr, &flags, nullptr);
    EXPECT_EQ(flags, static_cast<DWORD>(Q2DB_VAR_FLAGGED));
    // New objects never take an identifier already in use.
    DWORD fresh = 0;
    ASSERT_EQ(api.Q2DB_CreateVar(bob, again, globals, "Fresh", boolType, 0, &fresh), Q2DB_OK);
    EXPECT_EQ(api.Q2DB_GetKindOfObject(fresh), Q2DB_KIND_VAR);
    EXPECT_NE(fresh & 0xFFFFFF, main & 0xFFFFFF);
    EXPECT_NE(fresh, start);
}

TEST_F(ServiceTest, AHandEditedFileOpensAndKeepsItsIdentifiers)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    // "next" left behind the objects a person added: no identifier is reused.
    WriteText(file,
              std::string(kValidHead) +
                  "\r\n; added by hand\r\n[var 40]\r\nname = Pump\r\ngroup = 2\r\ntype = 1\r\n");
    conn = Connect("alice");
    prj = api.Q2DB_OpenProject(conn, folder.c_str());
    ASSERT_NE(prj, 0u);
    const DWORD pump = api.Q2DB_FindVar(conn, prj, "PUMP");
    EXPECT_EQ(pump, (6u << 24) | 40u);
    DWORD fresh = 0;
    boolType = api.Q2DB_FindType(conn, prj, "BOOL");
    globals = api.Q2DB_FindGroup(conn, prj, "Globals");
    ASSERT_EQ(api.Q2DB_CreateVar(conn, prj, globals, "Valve", boolType, 0, &fresh), Q2DB_OK);
    EXPECT_GT(fresh & 0xFFFFFF, 40u);
}

TEST_F(ServiceTest, ADamagedFileIsRefusedAndLeftAsItWas)
{
    const std::string head(kValidHead);
    const struct
    {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0\xff", 11)},
        {"no project section", "[type 1]\nname = BOOL\n"},
        {"unknown section", head + "[widget 4]\nname = W\n"},
        {"unknown key", head + "[var 4]\nname = V\ngroup = 2\ntype = 1\ncolour = red\n"},
        {"entry before a section", "name = V\n" + head},
        {"line without =", head + "[var 4]\nname V\n"},
        {"unclosed header", head + "[var 4\n"},
        {"zero serial", head + "[var 0]\nname = V\ngroup = 2\ntype = 1\n"},
        {"serial too large", head + "[var 16777216]\nname = V\ngroup = 2\ntype = 1\n"},
        {"bad number", head + "[var 4]\nname = V\ngroup = two\ntype = 1\n"},
        {"number overflow", head + "[var 4]\nname = V\nflags = 99999999999\ngroup = 2\ntype = 1\n"},
        {"bad escape", head + "[var 4]\nname = V\ngroup = 2\ntype = 1\ncomment = a\\q\n"},
        {"trailing backslash", head + "[var 4]\nname = V\ngroup = 2\ntype = 1\ncomment = a\\\n"},
        {"missing group", head + "[var 4]\nname = V\ngroup = 9\ntype = 1\n"},
        {"missing type", head + "[var 4]\nname = V\ngroup = 2\ntype = 0\n"},
        {"duplicate identifier", head + "[var 2]\nname = V\ngroup = 2\ntype = 1\n"},
        {"duplicate key", head + "[var 4]\nname = V\nname = W\ngroup = 2\ntype = 1\n"},
        {"duplicate variable", head + "[var 4]\nname = V\ngroup = 2\ntype = 1\n"
                                      "[var 5]\nname = v\ngroup = 2\ntype = 1\n"},
        {"invalid name", head + "[var 4]\nname = 2fast\ngroup = 2\ntype = 1\n"},
        {"no name", head + "[var 4]\ngroup = 2\ntype = 1\n"},
        {"program without group", head + "[program 4]\nname = P\nlanguage = 1\ngroup = 2\n"},
        {"orphan local group", head + "[group 4]\nname = L\nkind = 2\nowner = 7\n"},
        {"unknown format", "[project]\nformat = 7\n"},
        {"empty lock owner", head + "[var 4]\nname = V\ngroup = 2\ntype = 1\nlocked =\n"},
    };
    CreateDirectoryA(folder.c_str(), nullptr);
    conn = Connect("alice");
    for (const auto& c : cases)
    {
        WriteText(file, c.text);
        EXPECT_EQ(api.Q2DB_OpenProject(conn, folder.c_str()), 0u) << c.what;
        EXPECT_EQ(ReadText(file), c.text) << c.what;
    }
    EXPECT_EQ(api.Q2DB_CreateProject(conn, folder.c_str()), Q2DB_E_PROJECTEXISTS)
        << "a damaged project is not replaced by a fresh one";
}

TEST_F(ServiceTest, AFailedWriteKeepsTheFileAndTheProjectAsTheyWere)
{
    CreateAndOpen();
    NewProgram("Main");
    const std::string before = ReadText(file);
    // The temporary file can't be made while a folder takes its name.
    ASSERT_TRUE(CreateDirectoryA((file + ".tmp").c_str(), nullptr));
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, "Second", 1, 0, nullptr), Q2DB_E_WRITE);
    EXPECT_EQ(api.Q2DB_FindProgram(conn, prj, "Second"), 0u);
    EXPECT_EQ(api.Q2DB_GetNbProgram(conn, prj), 1);
    EXPECT_EQ(ReadText(file), before);
    RemoveDirectoryA((file + ".tmp").c_str());
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, "Second", 1, 0, nullptr), Q2DB_OK);
}

TEST_F(ServiceTest, AnEditOfTheOpenProjectsFileIsKeptByTheNextChange)
{
    CreateAndOpen();
    NewProgram("Main");
    const std::string before = ReadText(file);
    // A person adds a variable while the project is open.
    WriteText(file,
              before + "\n[var 900]\nname = ByHand\ngroup = " + std::to_string(globals & 0xFFFFFF) +
                  "\ntype = " + std::to_string(boolType & 0xFFFFFF) + "\n");
    ASSERT_EQ(api.Q2DB_CreateProgram(conn, prj, "Second", 1, 0, nullptr), Q2DB_OK);
    EXPECT_NE(api.Q2DB_FindVar(conn, prj, "ByHand"), 0u);
    EXPECT_NE(ReadText(file).find("name = ByHand"), std::string::npos);

    const std::string damaged = ReadText(file) + "[nonsense\n";
    WriteText(file, damaged);
    EXPECT_EQ(api.Q2DB_CreateProgram(conn, prj, "Third", 1, 0, nullptr), Q2DB_E_DAMAGED);
    EXPECT_EQ(ReadText(file), damaged) << "the damaged edit is not overwritten";
    EXPECT_NE(api.Q2DB_FindProgram(conn, prj, "Second"), 0u) << "reads go on from memory";
}
