#include "support/Q2RTLFolders.h"

#include "support/Platform.h"
#include "support/Q2RTLIni.h"
#include "support/TextCase.h"
#include "support/TextTrim.h"

namespace r8
{

namespace
{

std::string JoinPath(std::string folder, const char* name, const char* extension)
{
    if (name != nullptr)
        folder += name;
    if (extension != nullptr)
        folder += extension;
    return folder;
}

// The trail byte of a double-byte character is not a separator.
bool EndsWithSeparator(const std::string& path)
{
    bool separator = false;
    for (std::size_t i = 0; i < path.size(); ++i)
    {
        separator = false;
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else
            separator = IsPathSeparator(path[i]);
    }
    return separator;
}

} // namespace

std::string GetRootFolder()
{
    std::string value;
    if (!GetEnvironmentValue("Q2MAIN", value) || value.empty())
    {
        std::string executable = GetExecutablePath();
        CQ2RTLIni settings;
        // Without the executable's path there is no folder to look in (and the
        // current folder's Q2.INI is not ours).
        if (!executable.empty())
            settings.LoadIni((PathDirectoryPart(executable) + "Q2.INI").c_str());
        value = settings.GetIniString("PATH", "ROOT", executable.c_str());
    }
    CutText(value, kMaxFolderLength);
    return PathDirectoryPart(value);
}

std::string MakeRootPath(const char* name, const char* extension)
{
    return JoinPath(GetRootFolder(), name, extension);
}

std::string GetDataFolder()
{
    std::string root = GetRootFolder();
    std::string rootSettingsPath = JoinPath(root, "Q2ROOT", ".INI");
    CQ2RTLIni rootSettings;
    rootSettings.LoadIni(rootSettingsPath.c_str());
    std::string folder = rootSettings.GetIniString("ROOT", "DATA", "");
    if (EqualsNoCase(folder, "THIS"))
        folder = root;
    if (folder.empty())
        folder = ReadMachineRegistryString(kDataFolderRegistryKey, kDataFolderRegistryValue,
                                           kMaxFolderLength);
    if (!folder.empty() && !EndsWithSeparator(folder))
        folder += PathSeparator();
    if (folder.empty())
        folder = root;
    return folder;
}

std::string MakeDataPath(const char* name, const char* extension)
{
    return JoinPath(GetDataFolder(), name, extension);
}

} // namespace r8
