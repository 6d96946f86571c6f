#include "workbench/host/FrameMenus.h"

#include <iterator>
#include <vector>

namespace sfchost
{

namespace
{

constexpr int E = kEditorCommand;

const MenuItem kFile[] = {
    {kFileNew, "&New Window\tCtrl+N", nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {kFileOpen, "&Open...\tCtrl+O", nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {kFileSave, "&Save\tCtrl+S", nullptr, nullptr, nullptr, "CanSave", nullptr, 0},
    {kFileSaveAs, "Save &As...", nullptr, nullptr, nullptr, "CanSave", nullptr, 0},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {kExportVisible, "Export &Visible Area as PNG...", nullptr, nullptr, nullptr, nullptr, nullptr,
     0},
    {kExportChart, "Export &Whole Chart as PNG...", nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {kFileClose, "&Close\tCtrl+W", nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {kFileExit, "E&xit", nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

const MenuItem kEdit[] = {
    {E + 1, "&Undo\tCtrl+Z", "Undo", nullptr, nullptr, "CanUndo", nullptr, 0},
    {E + 2, "&Redo\tCtrl+Y", "Redo", nullptr, nullptr, "CanRedo", nullptr, 0},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {E + 3, "Cu&t\tCtrl+X", "Cut", nullptr, nullptr, "CanCut", nullptr, 0},
    {E + 4, "&Copy\tCtrl+C", "Copy", nullptr, nullptr, "CanCopy", nullptr, 0},
    {E + 5, "&Paste\tCtrl+V", "Paste", nullptr, nullptr, "CanPaste", nullptr, 0},
    {E + 6, "&Delete", "Clear", nullptr, nullptr, "CanClear", nullptr, 0},
    {E + 7, "Select &All\tCtrl+A", "SelectAll", nullptr, nullptr, "CanSelectAll", nullptr, 0},
};

const MenuItem kInsert[] = {
    {E + 20, "&Step", "InsertStep", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 21, "&Initial Step", "InsertInitStep", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 22, "&Transition", "InsertTrans", nullptr, nullptr, "CanInsert", nullptr, 0},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {E + 23, "&Main Node", "InsertMainDiv", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 24, "&Divergence Branch", "InsertDiv", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 25, "&Convergence Branch", "InsertCnv", nullptr, nullptr, "CanInsert", nullptr, 0},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {E + 26, "M&acro Step", "InsertMacro", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 27, "Macro &Body", "InsertMacroBody", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 28, "&Jump", "InsertJump", nullptr, nullptr, "CanInsert", nullptr, 0},
    {E + 29, "&Note", "InsertComment", nullptr, nullptr, "CanInsert", nullptr, 0},
};

const MenuItem kView[] = {
    {E + 40, "Zoom &In\tCtrl+Up", "SetZoom", "1", "0", nullptr, nullptr, 0},
    {E + 41, "Zoom &Out\tCtrl+Down", "SetZoom", "-1", "0", nullptr, nullptr, 0},
    {E + 42, "Zoom &100 %\tCtrl+0", "SetZoom", "0", "100", nullptr, nullptr, 0},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {E + 43, "&Grid\tCtrl+G", "SetGrid", "toggle", nullptr, nullptr, "IsGridVisible", 1},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {E + 44, "&Normal Display", "SetDisplay", "0", nullptr, nullptr, "GetDisplay", 0},
    {E + 45, "N&otes Only", "SetDisplay", "1", nullptr, nullptr, "GetDisplay", 1},
    {E + 46, "&Action Code Only", "SetDisplay", "2", nullptr, nullptr, "GetDisplay", 2},
};

const MenuItem kChart[] = {
    {E + 60, "&Renumber\tCtrl+R", "Renumber", nullptr, nullptr, "CanRenumber", nullptr, 0},
    {E + 61, "&Swap Style", "SwapStyle", nullptr, nullptr, "CanSwapStyle", nullptr, 0},
};

const MenuGroup kGroups[] = {
    {"&File", kFile, static_cast<int>(std::size(kFile))},
    {"&Edit", kEdit, static_cast<int>(std::size(kEdit))},
    {"&Insert", kInsert, static_cast<int>(std::size(kInsert))},
    {"&View", kView, static_cast<int>(std::size(kView))},
    {"&Chart", kChart, static_cast<int>(std::size(kChart))},
};

struct Shortcut
{
    BYTE flags;
    WORD key;
    int id;
};

// Shortcuts the frame takes; every other key goes to the editor window.
const Shortcut kShortcuts[] = {
    {FCONTROL | FVIRTKEY, 'N', kFileNew},  {FCONTROL | FVIRTKEY, 'O', kFileOpen},
    {FCONTROL | FVIRTKEY, 'S', kFileSave}, {FCONTROL | FVIRTKEY, 'W', kFileClose},
    {FCONTROL | FVIRTKEY, 'Z', E + 1},     {FCONTROL | FVIRTKEY, 'Y', E + 2},
    {FCONTROL | FVIRTKEY, 'X', E + 3},     {FCONTROL | FVIRTKEY, 'C', E + 4},
    {FCONTROL | FVIRTKEY, 'V', E + 5},     {FCONTROL | FVIRTKEY, 'A', E + 7},
    {FCONTROL | FVIRTKEY, VK_UP, E + 40},  {FCONTROL | FVIRTKEY, VK_DOWN, E + 41},
    {FCONTROL | FVIRTKEY, '0', E + 42},    {FCONTROL | FVIRTKEY, 'G', E + 43},
    {FCONTROL | FVIRTKEY, 'R', E + 60},
};

} // namespace

const MenuGroup* FrameMenuGroups(int& count)
{
    count = static_cast<int>(std::size(kGroups));
    return kGroups;
}

const MenuItem* FindMenuItem(int id)
{
    if (id == 0)
        return nullptr;
    for (const MenuGroup& group : kGroups)
        for (int i = 0; i < group.count; ++i)
            if (group.items[i].id == id)
                return &group.items[i];
    return nullptr;
}

HMENU CreateFrameMenu()
{
    HMENU bar = CreateMenu();
    for (const MenuGroup& group : kGroups)
    {
        HMENU popup = CreatePopupMenu();
        for (int i = 0; i < group.count; ++i)
        {
            const MenuItem& item = group.items[i];
            if (item.id == 0)
                AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
            else
                AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.label);
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), group.title);
    }
    return bar;
}

HACCEL CreateFrameAccelerators()
{
    std::vector<ACCEL> table;
    for (const Shortcut& s : kShortcuts)
        table.push_back(ACCEL{s.flags, s.key, static_cast<WORD>(s.id)});
    return CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

} // namespace sfchost
