// The command interpreter every editor window embeds: looks a command name
// up, converts its arguments, calls the window operation, and mirrors the
// command to the command monitor. While a help command runs, every command
// appends its description instead of executing.
#pragma once

#include "frame/Win32.h"

#include <string>

class CR8EditWnd;

class CR8EditCommand
{
public:
    explicit CR8EditCommand(CR8EditWnd* owner);
    virtual ~CR8EditCommand();
    CR8EditCommand(const CR8EditCommand&) = delete;
    CR8EditCommand& operator=(const CR8EditCommand&) = delete;

    // Lookup, dispatch and mirroring; returns the command's 32-bit result.
    DWORD_PTR Execute(int argc, const char* const* argv);

    // Runs command id (or appends its description in help mode).
    DWORD_PTR Dispatch(int id, int argc, const char* const* argv);

private:
    DWORD_PTR Help(int argc, const char* const* argv);
    DWORD_PTR HelpOn(int argc, const char* const* argv);
    DWORD_PTR GetInterfaces(int argc, const char* const* argv);
    void DispatchAll(const char* const* argv);
    DWORD_PTR HelpResult() const { return reinterpret_cast<DWORD_PTR>(helpText.c_str()); }

    CR8EditWnd* owner;
    std::string helpText;
    DWORD helpMode = 0;
    WORD style = 0;
};
