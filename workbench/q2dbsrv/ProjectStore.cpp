#include "ProjectStore.h"

#include "ProjectText.h"
#include "projectdb/Q2DBSrvApi.h"

namespace q2db
{

namespace
{

// A project file beyond this is not one this service wrote.
constexpr DWORD kMaxFileSize = 64u * 1024 * 1024;

bool ReadWholeFile(const std::string& path, std::string& text, std::string& error)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
    {
        error = "no project file in the folder";
        return false;
    }
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kMaxFileSize;
    if (ok)
    {
        text.resize(size);
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, text.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    if (!ok)
        error = "the project file can't be read";
    return ok;
}

bool WriteAtomically(const std::string& path, const std::string& text)
{
    const std::string temp = path + ".tmp";
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size() && FlushFileBuffers(file);
    CloseHandle(file);
    if (ok)
        ok = MoveFileExA(temp.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileA(temp.c_str());
    return ok;
}

} // namespace

std::string ProjectStore::NormalFolder(const char* path)
{
    if (path == nullptr || *path == '\0')
        return {};
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH)
        return {};
    std::string folder(full, n);
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
    return folder;
}

std::string ProjectStore::FilePath() const
{
    return folder + "\\" Q2DBSRV_PROJECT_FILE;
}

std::unique_ptr<ProjectStore> ProjectStore::Load(const std::string& folder, std::string& error)
{
    std::unique_ptr<ProjectStore> store(new ProjectStore(folder));
    std::string text;
    if (!ReadWholeFile(store->FilePath(), text, error))
        return nullptr;
    if (!ParseProject(text, store->model, error))
        return nullptr;
    store->NoteFile();
    return store;
}

unsigned long ProjectStore::Create(const std::string& folder)
{
    if (folder.empty())
        return Q2DB_E_BADARG;
    ProjectStore store(folder);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
    {
        if (!CreateDirectoryA(folder.c_str(), nullptr))
            return Q2DB_E_FOLDER;
    }
    else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return Q2DB_E_FOLDER;
    if (GetFileAttributesA(store.FilePath().c_str()) != INVALID_FILE_ATTRIBUTES)
        return Q2DB_E_PROJECTEXISTS;
    store.model = ProjectModel::MakeNew();
    return store.Save() ? Q2DB_OK : Q2DB_E_WRITE;
}

bool ProjectStore::Save()
{
    if (!WriteAtomically(FilePath(), FormatProject(model)))
        return false;
    NoteFile();
    return true;
}

void ProjectStore::NoteFile()
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (GetFileAttributesExA(FilePath().c_str(), GetFileExInfoStandard, &data))
    {
        written = data.ftLastWriteTime;
        size = data.nFileSizeLow;
    }
}

bool ProjectStore::Refresh()
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(FilePath().c_str(), GetFileExInfoStandard, &data))
        return true; // gone: the next save writes it again
    if (CompareFileTime(&data.ftLastWriteTime, &written) == 0 && data.nFileSizeLow == size)
        return true;
    std::string text, error;
    ProjectModel edited;
    if (!ReadWholeFile(FilePath(), text, error) || !ParseProject(text, edited, error))
        return false;
    model = std::move(edited);
    NoteFile();
    return true;
}

} // namespace q2db
