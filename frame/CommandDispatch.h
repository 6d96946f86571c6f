// The window operation behind each command identifier, as one small entry
// per command, built from the command table.
#pragma once

#include "frame/CommandArgs.h"
#include "frame/CommandTable.h"
#include "frame/Win32.h"

class CR8EditWnd;

using CommandInvoker = DWORD_PTR (*)(CR8EditWnd& window, const r8::CommandArgs& args);

// The invoker of identifier id; null for the help commands (the interpreter
// answers them), for 107 and 225, and outside 0..583.
CommandInvoker FindCommandInvoker(int id);
