#include "support/Q2RTLFolders.h"

#include "support/Platform.h"
#include "support/Q2RTLCryptedFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using r8test::ScopedEnvironment;
using r8test::TempFolder;

namespace
{

std::string WithoutFinalSeparator(std::string folder)
{
    folder.pop_back();
    return folder;
}

} // namespace

TEST(Folders, RootFromEnvironment)
{
    TempFolder folder;
    std::string root = folder.Folder();
    {
        ScopedEnvironment main("Q2MAIN", root.c_str());
        EXPECT_EQ(r8::GetRootFolder(), root);
        EXPECT_EQ(r8::MakeRootPath("Q2ROOT", ".INI"), root + "Q2ROOT.INI");
        EXPECT_EQ(r8::MakeRootPath(nullptr, ".INI"), root + ".INI");
        EXPECT_EQ(r8::MakeRootPath("Q2ROOT", nullptr), root + "Q2ROOT");
    }
    {
        // Without its final separator the folder counts as a file name.
        ScopedEnvironment main("Q2MAIN", WithoutFinalSeparator(root).c_str());
        EXPECT_EQ(r8::GetRootFolder(), r8::PathDirectoryPart(WithoutFinalSeparator(root)));
        EXPECT_NE(r8::GetRootFolder(), root);
    }
    {
        // The value is cut to 260 characters before its folder part is taken.
        std::string deep = root + std::string(250, 'a') + r8::PathSeparator() + "b";
        ASSERT_GT(deep.size(), r8::kMaxFolderLength);
        ASSERT_LT(root.size(), r8::kMaxFolderLength);
        ScopedEnvironment main("Q2MAIN", deep.c_str());
        EXPECT_EQ(r8::GetRootFolder(), root);
    }
}

// Both cases in one test: they share the settings file beside the executable.
TEST(Folders, RootBesideTheExecutable)
{
    std::string executable = r8::GetExecutablePath();
    ASSERT_FALSE(executable.empty());
    std::string exeFolder = r8::PathDirectoryPart(executable);
    ASSERT_FALSE(exeFolder.empty());
    std::string settingsPath = exeFolder + "Q2.INI";
    if (std::filesystem::exists(settingsPath))
        GTEST_SKIP() << settingsPath << " exists already";

    for (const char* unset : {static_cast<const char*>(nullptr), ""})
    {
        ScopedEnvironment main("Q2MAIN", unset);
        EXPECT_EQ(r8::GetRootFolder(), exeFolder);
    }

    TempFolder folder;
    struct Removal
    {
        std::string path;
        ~Removal() { std::filesystem::remove(path); }
    } removal{settingsPath};
    ScopedEnvironment main("Q2MAIN", nullptr);
    {
        std::ofstream out(settingsPath, std::ios::binary);
        out << "[Path]\r\nRoot = " << folder.Folder() << "\r\n";
    }
    EXPECT_EQ(r8::GetRootFolder(), folder.Folder());
    {
        std::ofstream out(settingsPath, std::ios::binary);
        out << "[Other]\r\nRoot=" << folder.Folder() << "\r\n";
    }
    EXPECT_EQ(r8::GetRootFolder(), exeFolder);
}

TEST(Folders, DataFolder)
{
    TempFolder rootFolder;
    std::string root = rootFolder.Folder();
    std::string data = root + "data" + r8::PathSeparator();
    std::filesystem::create_directories(data);
    ScopedEnvironment main("Q2MAIN", root.c_str());

    struct Case
    {
        const char* what;
        std::string settings; // Q2ROOT.INI
        bool file;            // false: no Q2ROOT.INI at all
        std::string expected;
    };
    const Case cases[] = {
        {"no Q2ROOT.INI", "", false, root},
        {"no DATA value", "[Root]\r\nOther=x\r\n", true, root},
        {"THIS", "[ROOT]\r\nDATA=THIS\r\n", true, root},
        {"this in any case", "[root]\r\ndata = This\r\n", true, root},
        {"a folder with its separator", "[ROOT]\r\nDATA=" + data + "\r\n", true, data},
        {"a folder without it gets one", "[ROOT]\r\nDATA=" + WithoutFinalSeparator(data) + "\r\n",
         true, data},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(root + "Q2ROOT.INI");
        if (c.file)
            rootFolder.Write("Q2ROOT.INI", c.settings);
        EXPECT_EQ(r8::GetDataFolder(), c.expected);
        EXPECT_EQ(r8::MakeDataPath("Q2", ".INI"), c.expected + "Q2.INI");
    }
}

TEST(Folders, ScrambledRootSettings)
{
    TempFolder folder;
    std::string root = folder.Folder();
    std::string data = root + "scrambled" + r8::PathSeparator();
    {
        r8::CQ2RTLCryptedFile writer;
        ASSERT_TRUE(writer.OpenWrite((root + "Q2ROOT.INI").c_str()));
        writer.WriteString("[ROOT]", true);
        writer.WriteString(("DATA=" + data).c_str(), true);
    }
    ScopedEnvironment main("Q2MAIN", root.c_str());
    EXPECT_EQ(r8::GetDataFolder(), data);
}
