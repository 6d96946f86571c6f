// Runs editor commands by name, the way a workbench does: one argv entry per
// declared parameter (missing ones as null pointers), the result read by the
// command's return type.
#pragma once

#include "workbench/host/CommandTypes.h"
#include "workbench/host/EditorLibrary.h"
#include "workbench/host/ScriptParser.h"

#include <windows.h>

#include <string>
#include <vector>

namespace sfchost
{

struct CommandResult
{
    const CommandType* type = nullptr;
    DWORD_PTR raw = 0;
    std::string value; // the printed form: decimal, text, or empty for void
};

class CommandRunner
{
public:
    explicit CommandRunner(const EditorLibrary& library) : library(library) {}

    // Asks the editor once for its command table (help style 0).
    bool LoadTypes(HWND editor);
    const CommandTypes& Types() const { return types; }

    // words[0] is the command name, the rest its arguments. False with a
    // message for a name that is not in the table or too many arguments.
    bool Run(HWND editor, const std::vector<ScriptWord>& words, CommandResult& result,
             std::string& error) const;

    // Shortcuts for the host's own use.
    DWORD_PTR Execute(HWND editor, const std::vector<std::string>& args) const;
    std::string Text(HWND editor, const std::vector<std::string>& args) const;

private:
    const EditorLibrary& library;
    CommandTypes types;
};

} // namespace sfchost
