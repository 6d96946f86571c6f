// The installation's root folder and data folder, from which the system builds
// the paths of its settings files and picture folders. Both answers end with
// the system's path separator (or are empty when nothing could be found).
//
// Root folder: the environment variable Q2MAIN when it is set and not empty;
// otherwise the value ROOT of section PATH in "Q2.INI" beside the running
// executable, else the executable's own path. The value is cut to 260
// characters and its drive and folder part is taken, so a folder written
// without a final separator counts as a file name and its parent is used.
//
// Data folder: the value DATA of section ROOT in "Q2ROOT.INI" in the root
// folder ("THIS" in any case meaning the root folder itself); when that is
// empty, the installer's record in the machine-wide registry (Windows only);
// when that is empty too, the root folder.
#pragma once

#include <cstddef>
#include <string>

namespace r8
{

// Where the installer records the data folder: a string value under
// HKEY_LOCAL_MACHINE. A 32-bit process on 64-bit Windows reads the 32-bit view
// of the registry, which is where a 32-bit installer writes.
inline constexpr const char* kDataFolderRegistryKey = "SOFTWARE\\Q2\\Setup";
inline constexpr const char* kDataFolderRegistryValue = "DataFolder";

// Longest folder value taken from the environment, a settings file or the
// registry.
inline constexpr std::size_t kMaxFolderLength = 260;

std::string GetRootFolder();
std::string GetDataFolder();

// The folder, then the name, then the extension (each when not null).
std::string MakeRootPath(const char* name, const char* extension);
std::string MakeDataPath(const char* name, const char* extension);

} // namespace r8
