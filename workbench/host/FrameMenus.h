// The frame's menus as data: each item names the editor command it sends,
// the command that tells whether it is available, and its shortcut.
#pragma once

#include <windows.h>

namespace sfchost
{

enum FrameAction : int
{
    kNoAction = 0,
    kFileNew = 100,
    kFileOpen,
    kFileSave,
    kFileSaveAs,
    kExportVisible,
    kExportChart,
    kFileClose,
    kFileExit,
    kEditorCommand = 200, // items from here on send an editor command
};

struct MenuItem
{
    int id;              // 0 for a separator
    const char* label;   // with its shortcut after a tab
    const char* command; // editor command, or null for the frame's own actions
    const char* arg1;    // its arguments, or null
    const char* arg2;
    const char* enabledWhen; // command answering whether it can run, or null
    const char* checkedWhen; // command whose answer checks the item, or null
    int checkedValue;        // the answer that checks it
};

struct MenuGroup
{
    const char* title;
    const MenuItem* items;
    int count;
};

// The menu bar, in order.
const MenuGroup* FrameMenuGroups(int& count);

// Finds an item by identifier; null when there is none.
const MenuItem* FindMenuItem(int id);

HMENU CreateFrameMenu();
HACCEL CreateFrameAccelerators();

} // namespace sfchost
