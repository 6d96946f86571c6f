// One project folder loaded in memory, shared by every connection of the
// process that opened it. Every change is written back at once, atomically:
// the new text goes to a temporary file in the folder which then replaces
// the project file, so a failed write leaves the previous file whole.
#pragma once

#include "ProjectModel.h"

#include <windows.h>

#include <memory>
#include <string>

namespace q2db
{

class ProjectStore
{
public:
    // The folder's full path without a trailing separator; empty when the
    // path is unusable.
    static std::string NormalFolder(const char* path);

    // Reads the folder's project file; null with a reason on failure.
    static std::unique_ptr<ProjectStore> Load(const std::string& folder, std::string& error);

    // Makes the folder when needed and writes a fresh project into it.
    // Answers a result code.
    static unsigned long Create(const std::string& folder);

    const std::string& Folder() const { return folder; }
    std::string FilePath() const;

    // Writes the model; false when the file could not be replaced.
    bool Save();
    // Before a change: when someone edited the file since it was last read
    // or written, reads it again so the edit is not overwritten. False when
    // the edited file can't be read.
    bool Refresh();

    ProjectModel model;

private:
    explicit ProjectStore(std::string f) : folder(std::move(f)) {}

    // Remembers the file's time and size as this store last saw them.
    void NoteFile();

    std::string folder;
    FILETIME written = {};
    unsigned long size = 0;
};

} // namespace q2db
