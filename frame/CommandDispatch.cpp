#include "frame/CommandDispatch.h"

#include "frame/CommandRows.h"
#include "frame/R8EditWnd.h"

using r8::CommandArgs;

namespace
{

template <class T> DWORD_PTR Ptr(T value)
{
    return reinterpret_cast<DWORD_PTR>(value);
}

// Indexed by identifier. Arguments convert by the declared parameter types;
// a void command answers 0 whatever its operation computed.
constexpr CommandInvoker kInvokers[r8::kCommandCount] = {
    nullptr, // 0 Help: the interpreter answers it
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetEnable(a.Bool(1)); return 0; }, // 1
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsEnable()); }, // 2
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetReadOnly(a.Bool(1)); return 0; }, // 3
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsReadOnly()); }, // 4
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetModified(a.Bool(1)); return 0; }, // 5
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsModified()); }, // 6
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsEmpty()); }, // 7
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetDebug(a.Bool(1)); return 0; }, // 8
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetProjectPath(a.Text(1))); }, // 9
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCut()); }, // 10
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Cut(); return 0; }, // 11
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanClear()); }, // 12
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Clear(); return 0; }, // 13
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCopy()); }, // 14
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Copy(); return 0; }, // 15
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanPaste()); }, // 16
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Paste(); return 0; }, // 17
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanUndo()); }, // 18
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Undo(); return 0; }, // 19
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRedo()); }, // 20
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Redo(); return 0; }, // 21
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSelectAll()); }, // 22
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SelectAll(); return 0; }, // 23
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSave()); }, // 24
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Save(a.Text(1)); return 0; }, // 25
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Load(a.Text(1)); return 0; }, // 26
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.InsertFile(a.Text(1)); return 0; }, // 27
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetText(a.Text(1)); return 0; }, // 28
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetText()); }, // 29
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetTextLenght()); }, // 30
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.FocusGroup(a.Text(1))); }, // 31
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.FilterGroup(a.Text(1))); }, // 32
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSelGroupName()); }, // 33
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetGroupID()); }, // 34
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetSyntaxColoring(a.Bool(1)); return 0; }, // 35
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LocateError(a.Text(1)); return 0; }, // 36
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EmptyUndoStack(); return 0; }, // 37
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetID(static_cast<DWORD>(a.Long(1))); return 0; }, // 38
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertSymbol()); }, // 39
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertSymbol(); return 0; }, // 40
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetTab(a.Int(1))); }, // 41
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSetZoom()); }, // 42
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetZoom(a.Int(1), a.Int(2)); return 0; }, // 43
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSetGrid()); }, // 44
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetGrid(a.Bool(1)); return 0; }, // 45
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.FindReplace(a.Text(1), a.Text(2), static_cast<DWORD>(a.Long(3)), static_cast<DWORD>(a.Long(4)), a.As<HWND>(5))); }, // 46
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Goto(a.Text(1)); return 0; }, // 47
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetCurPos()); }, // 48
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsCheck()); }, // 49
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCheck()); }, // 50
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.Check(a.Int(1))); }, // 51
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanFormatProgram()); }, // 52
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.FormatProgram(); return 0; }, // 53
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanViewInfo()); }, // 54
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ViewInfo(); return 0; }, // 55
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertFile()); }, // 56
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSelTextLength()); }, // 57
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSelText()); }, // 58
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PaintToDC(a.As<HDC>(1), a.Int(2), a.Int(3), a.Int(4), a.Int(5))); }, // 59
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetBGColor(static_cast<COLORREF>(a.Long(1))); return 0; }, // 60
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetCurrentFB(a.Text(1), static_cast<DWORD>(a.Long(2)), a.Int(3), a.Int(4), a.Bool(5), a.Bool(6))); }, // 61
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertFB()); }, // 62
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertFB(); return 0; }, // 63
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetFB(a.Text(1), static_cast<DWORD>(a.Long(2)), a.Int(3), a.Int(4), a.Bool(5), a.Bool(6)); return 0; }, // 64
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetFB()); }, // 65
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSymbolName()); }, // 66
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetTypeName()); }, // 67
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<unsigned char>(w.GetFirstChar()); }, // 68
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsGridVisible()); }, // 69
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.EnableDragnDrop(a.Bool(1))); }, // 70
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.UndoRedoSize(a.Int(1))); }, // 71
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.KeepFBDSelect(a.Bool(1)); return 0; }, // 72
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CopyBitmap(a.Bool(1))); }, // 73
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PromptVarname(a.Bool(1))); }, // 74
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PromptInstance(a.Bool(1))); }, // 75
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.EnablePulse(a.Bool(1))); }, // 76
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetVertVarSize(a.Int(1)); return 0; }, // 77
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetHorzVarSize(a.Int(1)); return 0; }, // 78
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPageWidth(a.Int(1))); }, // 79
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetContents(a.Int(1), a.Text(2))); }, // 80
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PrintSetProperty(a.Int(1), a.Pointer(2))); }, // 81
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PrintGetNbVertFolio()); }, // 82
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PrintGetNbHorzFolio()); }, // 83
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PrintGetFolio(a.Int(1), a.Int(2))); }, // 84
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.PrintFolio(a.Int(1), a.Int(2), a.Text(3)); return 0; }, // 85
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetCellHeight()); }, // 86
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetCellWidth()); }, // 87
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetCellHeight(a.Int(1)); return 0; }, // 88
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetCellWidth(a.Int(1)); return 0; }, // 89
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.DisplayFBDOrder(); return 0; }, // 90
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanChangeProperties()); }, // 91
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetProperties(a.As<void*>(1))); }, // 92
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetProperties(a.As<void*>(1))); }, // 93
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EnsureSelVisible(); return 0; }, // 94
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.AlignCoils(); return 0; }, // 95
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanAlignCoils()); }, // 96
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanDisplayFBDOrder()); }, // 97
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertText()); }, // 98
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.InsertText(a.Int(1), a.Int(2), a.Text(3)); return 0; }, // 99
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.PrintGetNbSymbols(a.Int(1), a.Int(2))); }, // 100
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.PrintGetSymbols(a.Int(1), a.Int(2))); }, // 101
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.WrapRungs(); return 0; }, // 102
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SummaryPrint(a.Bool(1), a.As<HDC>(2))); }, // 103
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.AutoDeclareInst(a.Bool(1))); }, // 104
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetWidthSummaryPrint(a.Int(1))); }, // 105
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetHeightSummaryPrint(a.Int(1))); }, // 106
    nullptr, // 107
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.HasSelection()); }, // 108
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertContactBefore()); }, // 109
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertContactBefore(); return 0; }, // 110
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertContactAfter()); }, // 111
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertContactAfter(); return 0; }, // 112
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertContactParallel()); }, // 113
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertContactParallel(); return 0; }, // 114
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertCoil()); }, // 115
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertCoil(); return 0; }, // 116
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertFBBefore()); }, // 117
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertFBBefore(); return 0; }, // 118
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertFBAfter()); }, // 119
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertFBAfter(); return 0; }, // 120
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertFBParallel()); }, // 121
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertFBParallel(); return 0; }, // 122
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertJump()); }, // 123
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertJump(); return 0; }, // 124
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertRung()); }, // 125
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertRung(); return 0; }, // 126
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertComment()); }, // 127
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertComment(); return 0; }, // 128
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertHorz()); }, // 129
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertHorz(); return 0; }, // 130
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.EnableSyntax(a.Bool(1)); return 0; }, // 131
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Lock(a.Bool(1)); return 0; }, // 132
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsert()); }, // 133
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertStep(); return 0; }, // 134
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertTrans(); return 0; }, // 135
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertMainDiv(); return 0; }, // 136
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertDiv(); return 0; }, // 137
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertCnv(); return 0; }, // 138
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertMacro(); return 0; }, // 139
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertMacroBody(); return 0; }, // 140
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSwapStyle()); }, // 141
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SwapStyle(); return 0; }, // 142
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertInitStep(); return 0; }, // 143
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(8221, a.Int(1), 0)); }, // 144
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(8221, a.Int(1), 1)); }, // 145
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(8221, a.Int(1), 1, a.Text(2)); return 0; }, // 146
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(29, a.Int(1), 0)); }, // 147
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(29, a.Int(1), 0, a.Text(2)); return 0; }, // 148
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(29, a.Int(1), 2)); }, // 149
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(29, a.Int(1), 2, a.Text(2)); return 0; }, // 150
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(29, a.Int(1), 3)); }, // 151
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(29, a.Int(1), 3, a.Text(2)); return 0; }, // 152
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(29, a.Int(1), 4)); }, // 153
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(29, a.Int(1), 4, a.Text(2)); return 0; }, // 154
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(29, a.Int(1), 1)); }, // 155
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(29, a.Int(1), 1, a.Text(2)); return 0; }, // 156
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsSelStep()); }, // 157
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsSelTrans()); }, // 158
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSelRefNum()); }, // 159
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockElement(a.Bool(1), 16413, a.Int(2)); return 0; }, // 160
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockElement(a.Bool(1), 8221, a.Int(2)); return 0; }, // 161
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EnterSelRef(); return 0; }, // 162
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanEnterSelRef()); }, // 163
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanEditSelCode()); }, // 164
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetElementLanguage(29, a.Int(1), 2)); }, // 165
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetElementLanguage(29, a.Int(1), 3)); }, // 166
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetElementLanguage(29, a.Int(1), 4)); }, // 167
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetElementLanguage(8221, a.Int(1), 0)); }, // 168
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetNoteDisplay(a.Bool(1)); return 0; }, // 169
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNoteDisplay()); }, // 170
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRenumber()); }, // 171
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Renumber(); return 0; }, // 172
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.NextPosItem(a.Bool(1))); }, // 173
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.ActiveStep(a.Int(1)); return 0; }, // 174
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsStep(a.Int(1), a.Int(2))); }, // 175
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsTrans(a.Int(1), a.Int(2))); }, // 176
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSetTab()); }, // 177
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.EnableCopy(a.Bool(1))); }, // 178
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(8221, a.Int(1), 0, a.Text(2)); return 0; }, // 179
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetZoom()); }, // 180
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.FocusVar(a.Text(1))); }, // 181
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsElementLock(16413, a.Int(1))); }, // 182
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsElementLock(8221, a.Int(1))); }, // 183
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSymbolPos(a.Text(1))); }, // 184
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsDebug()); }, // 185
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ResetStepPos(); return 0; }, // 186
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetStepPos(a.Int(1), a.Int(2)); return 0; }, // 187
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.RemoveAllBkp(); return 0; }, // 188
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetBkp(a.Text(1)); return 0; }, // 189
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetCaret()); }, // 190
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.HasBreakpoint()); }, // 191
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetInstance(a.Text(1)); return 0; }, // 192
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetParent(a.Text(1)); return 0; }, // 193
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.LoadExpand(); return 0; }, // 194
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SaveExpand(); return 0; }, // 195
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ReloadBitmap()); }, // 196
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanAlign()); }, // 197
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Align(); return 0; }, // 198
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNbItem()); }, // 199
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetZOrderStruct(a.As<void*>(1))); }, // 200
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanMoveTop()); }, // 201
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.MoveTop(); return 0; }, // 202
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanMoveBottom()); }, // 203
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.MoveBottom(); return 0; }, // 204
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanResize()); }, // 205
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Resize(a.Int(1), a.Int(2)); return 0; }, // 206
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSelSize()); }, // 207
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSelPos()); }, // 208
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.NewFile(); return 0; }, // 209
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSwapItemStyle()); }, // 210
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SwapItemStyle(); return 0; }, // 211
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanChangeBkColor()); }, // 212
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.ChangeBkColor(static_cast<COLORREF>(a.Long(1))); return 0; }, // 213
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetParent()); }, // 214
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetInstance()); }, // 215
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.HideScroll(a.Bool(1))); }, // 216
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SetTimer(); return 0; }, // 217
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SelectItem(static_cast<DWORD>(a.Long(1)))); }, // 218
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetItemID()); }, // 219
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.MoveBefore(static_cast<DWORD>(a.Long(1)))); }, // 220
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.MoveAfter(static_cast<DWORD>(a.Long(1)))); }, // 221
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanActivate()); }, // 222
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetActivation()); }, // 223
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetActivation(a.Bool(1)); return 0; }, // 224
    nullptr, // 225
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetUserID(static_cast<DWORD>(a.Long(1))); return 0; }, // 226
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetLink()); }, // 227
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetPrompt(a.Text(1)); return 0; }, // 228
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetCommandLine()); }, // 229
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCreateUDFB()); }, // 230
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.CreateUDFB(); return 0; }, // 231
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetValueInText(a.Bool(1)); return 0; }, // 232
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.GotoXY(static_cast<DWORD>(a.Long(1)), static_cast<DWORD>(a.Long(2))); return 0; }, // 233
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetHeight()); }, // 234
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetWidth()); }, // 235
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SaveSel(); return 0; }, // 236
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.RestoreSel(); return 0; }, // 237
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetTooltipInfos(a.Bool(1), a.As<str_R8TooltipInfos*>(2))); }, // 238
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetTreeParent(a.As<HTREEITEM>(1))); }, // 239
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.FocusTree(); return 0; }, // 240
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.CollapseAll(); return 0; }, // 241
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ExpandAll(); return 0; }, // 242
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetProgramName()); }, // 243
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetProgramName(a.Text(1)); return 0; }, // 244
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanMoveDown()); }, // 245
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.MoveDown(); return 0; }, // 246
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanMoveUp()); }, // 247
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.MoveUp(); return 0; }, // 248
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanHexDisplay()); }, // 249
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsHexDisplay()); }, // 250
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SwapHexDisplay(); return 0; }, // 251
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSort()); }, // 252
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Sort(); return 0; }, // 253
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.InsertItem(a.Text(1), a.As<HTREEITEM>(2), a.As<HTREEITEM>(3))); }, // 254
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Empty(); return 0; }, // 255
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSaveValues()); }, // 256
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SaveValues(); return 0; }, // 257
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSendReceipe()); }, // 258
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SendReceipe(); return 0; }, // 259
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRemoveCol()); }, // 260
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertCol()); }, // 261
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.InsertCol(a.Int(1), a.Text(2), a.Word(3), a.Word(4))); }, // 262
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRenameCol()); }, // 263
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.RenameCol(a.Int(1), a.Text(2))); }, // 264
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCopyCol()); }, // 265
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CopyCol(a.Int(1))); }, // 266
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanDecrease()); }, // 267
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Decrease(); return 0; }, // 268
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanIncrease()); }, // 269
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Increase(); return 0; }, // 270
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanUncheck()); }, // 271
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Uncheck(); return 0; }, // 272
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCheckTree()); }, // 273
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.CheckTree(); return 0; }, // 274
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ResetValues(); return 0; }, // 275
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.DeselectAll(); return 0; }, // 276
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanPrint()); }, // 277
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsPrintText()); }, // 278
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsPrintGraphic()); }, // 279
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSerialCol()); }, // 280
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSerialExpand()); }, // 281
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetSerialCol(a.Text(1)); return 0; }, // 282
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetSerialExpand(a.Text(1)); return 0; }, // 283
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetLocalSel(a.Bool(1)); return 0; }, // 284
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Expand(a.As<HTREEITEM>(1)); return 0; }, // 285
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SwapCollapse(a.As<HTREEITEM>(1)); return 0; }, // 286
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetEditMode()); }, // 287
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetEditMode(a.Int(1)); return 0; }, // 288
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSelVarID()); }, // 289
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsDicoEnable()); }, // 290
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ArrangeColumns(); return 0; }, // 291
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertStructure()); }, // 292
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertStructure(); return 0; }, // 293
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanMoveStructure()); }, // 294
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.MoveStructure(); return 0; }, // 295
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanEdit()); }, // 296
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanExpand()); }, // 297
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Collapse(a.As<HTREEITEM>(1)); return 0; }, // 298
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanExpandAll()); }, // 299
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSwapGlobalRet()); }, // 300
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SwapGlobalRet(); return 0; }, // 301
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSelVarName()); }, // 302
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanEditProperties()); }, // 303
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSortedCol()); }, // 304
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsSortAscending()); }, // 305
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemText(a.As<HTREEITEM>(1), a.Text(2))); }, // 306
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetItemText(a.As<HTREEITEM>(1))); }, // 307
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetColWidth(a.Int(1), a.Int(2))); }, // 308
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetFirstItem()); }, // 309
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetNextLineItem(a.As<HTREEITEM>(1))); }, // 310
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.EVTChanged(static_cast<DWORD>(a.Long(1))); return 0; }, // 311
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsLoaded()); }, // 312
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsOutOfDate()); }, // 313
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetProjectPath()); }, // 314
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockBinding(a.Bool(1)); return 0; }, // 315
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.RemoveCol(a.Int(1))); }, // 316
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Refresh(); return 0; }, // 317
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetPrgID()); }, // 318
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetPrgName(static_cast<DWORD>(a.Long(1)))); }, // 319
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanMovePrg()); }, // 320
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.MovePrg(static_cast<DWORD>(a.Long(1)), static_cast<DWORD>(a.Long(2)))); }, // 321
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanAddPrg()); }, // 322
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.AddPrg(a.Text(1))); }, // 323
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRenamePrg()); }, // 324
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCmdPrg()); }, // 325
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CmdPrg(static_cast<DWORD>(a.Long(1)), a.Int(2))); }, // 326
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanOpenPrg()); }, // 327
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNbPrg()); }, // 328
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCopyPrg()); }, // 329
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetColWidth(a.Int(1))); }, // 330
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetColType(a.Int(1))); }, // 331
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetExColType(a.Int(1))); }, // 332
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetSelectedItem()); }, // 333
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetCurrentCol()); }, // 334
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetItemData(a.As<HTREEITEM>(1))); }, // 335
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemData(a.As<HTREEITEM>(1), static_cast<DWORD>(a.Long(2)))); }, // 336
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNbCol()); }, // 337
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemColor(a.As<HTREEITEM>(1), static_cast<COLORREF>(a.Long(2)))); }, // 338
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetPrevLineItem(a.As<HTREEITEM>(1))); }, // 339
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetCurrentCol(a.Int(1))); }, // 340
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetSortCol(a.Int(1), a.Bool(2))); }, // 341
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetFirstSel()); }, // 342
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetNextSel(a.As<HTREEITEM>(1))); }, // 343
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.InsertItemEx(a.Text(1), a.As<HTREEITEM>(2), static_cast<DWORD>(a.Long(3)))); }, // 344
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemBold(a.As<HTREEITEM>(1), a.Bool(2))); }, // 345
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetColItemText(a.As<HTREEITEM>(1), a.Int(2), a.Text(3))); }, // 346
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetColItemParam(a.As<HTREEITEM>(1), a.Int(2), static_cast<DWORD>(a.Long(3)))); }, // 347
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetColItemParam(a.As<HTREEITEM>(1), a.Int(2))); }, // 348
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetColItemText(a.As<HTREEITEM>(1), a.Int(2))); }, // 349
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.EnsureVisible(a.As<HTREEITEM>(1))); }, // 350
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetParentItem(a.As<HTREEITEM>(1))); }, // 351
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetPrevSiblingItem(a.As<HTREEITEM>(1))); }, // 352
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetNextSiblingItem(a.As<HTREEITEM>(1))); }, // 353
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetChildItem(a.As<HTREEITEM>(1))); }, // 354
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetCSVFormat()); }, // 355
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanStartSampling()); }, // 356
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ChangeSetup(a.As<void*>(1))); }, // 357
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.NeedSetup()); }, // 358
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.StartSampling(); return 0; }, // 359
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanStopSampling()); }, // 360
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.StopSampling(); return 0; }, // 361
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanSetupSampling()); }, // 362
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsAutoScroll()); }, // 363
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.EnableAutoScroll(a.Bool(1)); return 0; }, // 364
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetUsedBlock()); }, // 365
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropValue(a.Int(1), a.Text(2))); }, // 366
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropName(a.Int(1), a.Text(2))); }, // 367
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropReadOnly(a.Int(1), a.Bool(2))); }, // 368
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropHeader(a.Int(1), a.Bool(2))); }, // 369
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetPropHeader(a.Int(1))); }, // 370
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropType(a.Int(1), a.Word(2))); }, // 371
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetPropType(a.Int(1))); }, // 372
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropDesc(a.Int(1), a.Text(2))); }, // 373
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropMaxLen(a.Int(1), a.Int(2))); }, // 374
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropEnum(a.Int(1), a.Text(2))); }, // 375
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetPropValue(a.Int(1))); }, // 376
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetPropName(a.Int(1))); }, // 377
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropSyntax(a.Int(1), a.Text(2))); }, // 378
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CheckAllProp()); }, // 379
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetAllProps()); }, // 380
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsSelMacro()); }, // 381
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockElement(a.Bool(1), 4125, a.Int(2)); return 0; }, // 382
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(4125, a.Int(1), 1)); }, // 383
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(4125, a.Int(1), 1, a.Text(2)); return 0; }, // 384
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetUsed(a.Bool(1)); return 0; }, // 385
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.SortTree(); return 0; }, // 386
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetSortMethod()); }, // 387
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetProgramID()); }, // 388
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetFolderID()); }, // 389
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EditProperties(); return 0; }, // 390
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanEditParameters()); }, // 391
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EditParameters(); return 0; }, // 392
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCreateFile()); }, // 393
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CreateFile(a.Text(1))); }, // 394
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.AddFileTypes(a.Text(1))); }, // 395
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetFileID()); }, // 396
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetFileSection()); }, // 397
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetRedraw(a.Bool(1)); return 0; }, // 398
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetErrorMode(a.Bool(1)); return 0; }, // 399
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetPrintableText()); }, // 400
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.NotifChanges(); return 0; }, // 401
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertNetwork()); }, // 402
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertNetwork(); return 0; }, // 403
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertMasterPort()); }, // 404
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertMasterPort(); return 0; }, // 405
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertSlaveRequest()); }, // 406
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertSlaveRequest(); return 0; }, // 407
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockConfig(a.Bool(1)); return 0; }, // 408
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetKey()); }, // 409
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanExecCommand(a.Int(1))); }, // 410
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ExecCommand(a.Int(1))); }, // 411
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNbCommand()); }, // 412
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetCommand(a.Int(1))); }, // 413
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanExport()); }, // 414
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.Export(a.Text(1))); }, // 415
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanImport()); }, // 416
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.Import(a.Text(1))); }, // 417
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanExportTree()); }, // 418
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ExportTree(a.Text(1))); }, // 419
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanImportTree()); }, // 420
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ImportTree(a.Text(1))); }, // 421
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetError()); }, // 422
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<unsigned char>(w.GetLastChar()); }, // 423
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetLastKeyDown()); }, // 424
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.AutoDeclareSymbol(a.Bool(1))); }, // 425
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetValueInText()); }, // 426
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.HideArrangeCol(a.Bool(1)); return 0; }, // 427
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetStyle(static_cast<DWORD>(a.Long(1)))); }, // 428
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SelectItems(a.Text(1))); }, // 429
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetContentWidth()); }, // 430
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetContentHeight()); }, // 431
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropEnumEdit(a.Int(1), a.Bool(2))); }, // 432
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockElement(a.Bool(1), 5, a.Int(2)); return 0; }, // 433
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsSelComment()); }, // 434
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetElementText(5, a.Int(1), 1, a.Text(2)); return 0; }, // 435
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetElementText(5, a.Int(1), 1)); }, // 436
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetTargetMark()); }, // 437
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRecordSampling()); }, // 438
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsRecording()); }, // 439
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.StartRecordSampling(); return 0; }, // 440
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.StopRecordSampling(); return 0; }, // 441
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropMinInt(a.Int(1), a.Long(2))); }, // 442
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropMaxInt(a.Int(1), a.Long(2))); }, // 443
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanInsertFFLDItem()); }, // 444
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.InsertFFLDItem(); return 0; }, // 445
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNetSel()); }, // 446
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNetItemSel()); }, // 447
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.UpdateUDFB(a.Text(1))); }, // 448
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.NeedUpdateUDFB(a.Text(1))); }, // 449
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.ListUpdateUDFB()); }, // 450
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetLinePerComment(a.Int(1)); return 0; }, // 451
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ImportComment(a.Text(1))); }, // 452
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ExportComment(a.Text(1))); }, // 453
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.DisplayConfirmation(a.Bool(1)); return 0; }, // 454
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsUndef()); }, // 455
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetUndef(a.Bool(1)); return 0; }, // 456
    nullptr, // 457 HelpOn: the interpreter answers it
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetItemType()); }, // 458
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanClearRow()); }, // 459
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ClearRow(); return 0; }, // 460
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanClearNetwork()); }, // 461
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ClearNetwork(); return 0; }, // 462
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCollapseAll()); }, // 463
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCollapse()); }, // 464
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetProjectID()); }, // 465
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.RemoveProject(); return 0; }, // 466
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.DebugProject(static_cast<DWORD>(a.Long(1)), a.Bool(2)); return 0; }, // 467
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.DisplayIO(a.Bool(1)); return 0; }, // 468
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetItemTypeSel()); }, // 469
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanCreateItem()); }, // 470
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.CreateItem(a.As<HTREEITEM>(1), a.Int(2), r8::NameArgOfCreateItem(a))); }, // 471
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.EditInPlace(a.As<HTREEITEM>(1), a.Int(2)); return 0; }, // 472
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.PrintFolioEx(a.Int(1), a.Int(2), a.As<HDC>(3), a.Int(4), a.Int(5))); }, // 473
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNbVertFolioEx()); }, // 474
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetNbHorzFolioEx()); }, // 475
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPrinter(a.Int(1), a.Int(2), a.Int(3), a.Int(4))); }, // 476
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.DisplayFolio(a.Bool(1)); return 0; }, // 477
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsDisplayFolio()); }, // 478
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetCallback(a.Int(1), a.As<void*>(2), a.As<void*>(3))); }, // 479
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.AdjustFolio(a.Int(1), a.Int(2))); }, // 480
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.MoveItemAfter(a.As<HTREEITEM>(1), a.As<HTREEITEM>(2))); }, // 481
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsItemExpanded(a.As<HTREEITEM>(1))); }, // 482
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ExpandItem(a.As<HTREEITEM>(1), a.Bool(2))); }, // 483
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetTreeIcon(a.As<HTREEITEM>(1), a.Int(2))); }, // 484
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.RemoveBkp(a.Text(1)); return 0; }, // 485
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.EditPropAfterInsertVar(a.Bool(1)); return 0; }, // 486
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetChildOffset(a.Int(1))); }, // 487
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetScreenID()); }, // 488
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetFirstNetworkTag(a.Int(1)); return 0; }, // 489
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetItemGUID(a.Int(1), a.Int(2))); }, // 490
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.LockItemType(a.Word(1), a.Bool(2)); return 0; }, // 491
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetScreenID(static_cast<DWORD>(a.Long(1))); return 0; }, // 492
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetRules(a.Text(1))); }, // 493
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetRules()); }, // 494
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetNextVisibleItem(a.As<HTREEITEM>(1))); }, // 495
    nullptr, // 496 GetInterfaces: the interpreter answers it
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetFilter(a.Text(1))); }, // 497
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanConnect()); }, // 498
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.Connect(); return 0; }, // 499
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetAutoConnectVariable(a.Bool(1)); return 0; }, // 500
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.InsertVarAfterInsertFB(a.Bool(1)); return 0; }, // 501
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetItemSubType()); }, // 502
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetPrinterSetup(a.As<str_R8PrintFolioSetup*>(1)); return 0; }, // 503
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetSFCSettings(a.As<str_R8SFCSettings*>(1))); }, // 504
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRotateCorners()); }, // 505
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.RotateCorners(); return 0; }, // 506
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SearchIn(a.As<str_R8FindReplace*>(1))); }, // 507
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetDisplay(a.Word(1)); return 0; }, // 508
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetDisplay()); }, // 509
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRemoveComment()); }, // 510
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.RemoveComment(); return 0; }, // 511
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetGraphicProperties(a.As<void*>(1))); }, // 512
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetTracePoint(a.Text(1)); return 0; }, // 513
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.HasTracepoint()); }, // 514
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetBkpEx(a.Text(1), static_cast<DWORD>(a.Long(2)))); }, // 515
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetBkpList()); }, // 516
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetSFCSettings2(static_cast<DWORD>(a.Long(1)))); }, // 517
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetAutoEdit(static_cast<DWORD>(a.Long(1)))); }, // 518
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemImage(a.As<HTREEITEM>(1), a.Int(2))); }, // 519
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemTooltip(a.As<HTREEITEM>(1), a.Text(2))); }, // 520
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetDBID()); }, // 521
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetInputBlockVar()); }, // 522
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetInfos(static_cast<DWORD>(a.Long(1)), a.As<void*>(2))); }, // 523
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.GetInfos(static_cast<DWORD>(a.Long(1)), a.As<void*>(2))); }, // 524
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.HideIOName(a.Bool(1)); return 0; }, // 525
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetFolioRect(a.Int(1), a.Int(2))); }, // 526
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetHeaderXY(a.Int(1), a.Int(2), a.As<LPCRECT>(3))); }, // 527
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return Ptr(w.GetSymbolInFolio(a.Int(1), a.Int(2))); }, // 528
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemBitmap(a.As<HTREEITEM>(1), a.As<HBITMAP>(2))); }, // 529
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanShowSpy()); }, // 530
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsSpyVisible()); }, // 531
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.ShowSpy(); return 0; }, // 532
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanEditPins()); }, // 533
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EditPins(); return 0; }, // 534
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.UnderlineGlobal(a.Bool(1)); return 0; }, // 535
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsBookmark()); }, // 536
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetBookmark(a.Bool(1)); return 0; }, // 537
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.GoNextBookmark(); return 0; }, // 538
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.GoPrevBookmark(); return 0; }, // 539
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.DeleteAllBookmark(); return 0; }, // 540
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanPreview()); }, // 541
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsPreview()); }, // 542
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.TogglePreview(); return 0; }, // 543
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.DeleteItem(a.As<HTREEITEM>(1))); }, // 544
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropGroup(a.Int(1), a.Text(2))); }, // 545
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetMaxWidth(a.Int(1)); return 0; }, // 546
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SetMaxHeight(a.Int(1)); return 0; }, // 547
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.EditStructure(); return 0; }, // 548
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetBW(a.Bool(1))); }, // 549
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.SnapFBDGrid(a.Bool(1)); return 0; }, // 550
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.DrawFBDBridge(a.Bool(1)); return 0; }, // 551
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.DlgCreateVar(r8::ArgsOfDlgCreateVar(a).name, r8::ArgsOfDlgCreateVar(a).type)); }, // 552
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetPropFilter(a.Int(1), a.Text(2))); }, // 553
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.AutoComplete(a.Text(1))); }, // 554
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsPropReadOnly(a.Int(1))); }, // 555
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanFindVariables()); }, // 556
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.FindVariables(); return 0; }, // 557
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanRenameVariables()); }, // 558
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.RenameVariables(a.Text(1), a.Text(2)); return 0; }, // 559
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanForceInitValue()); }, // 560
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.ForceInitValue(a.Text(1)); return 0; }, // 561
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.FindVarInput(a.Text(1))); }, // 562
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanGenerateShared()); }, // 563
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.GenerateShared(); return 0; }, // 564
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsComment(a.Int(1), a.Int(2))); }, // 565
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.IsMacro(a.Int(1), a.Int(2))); }, // 566
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.ForcePrintZoom(a.Bool(1), a.Int(2))); }, // 567
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.HideOptionDlgVar(a.Bool(1))); }, // 568
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return Ptr(w.GetFirstVisibleItem()); }, // 569
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanIndent()); }, // 570
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.Indent(a.Bool(1)); return 0; }, // 571
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.RemoveStyle(static_cast<DWORD>(a.Long(1)))); }, // 572
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanFilter()); }, // 573
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemBreakpoint(a.As<HTREEITEM>(1), a.Word(2))); }, // 574
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemCurPos(a.As<HTREEITEM>(1), a.Bool(2))); }, // 575
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetCsvSeparatorComa(a.Bool(1))); }, // 576
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.CanGroupVar()); }, // 577
    [](CR8EditWnd& w, const CommandArgs&) -> DWORD_PTR { w.GroupVar(); return 0; }, // 578
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SelectTreeItem(a.As<HTREEITEM>(1))); }, // 579
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { w.EnableNotif(a.Bool(1)); return 0; }, // 580
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetTooltipInfosEx(a.Bool(1), a.Bool(2), a.Int(3))); }, // 581
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SelectItemType(a.Word(1))); }, // 582
    [](CR8EditWnd& w, const CommandArgs& a) -> DWORD_PTR { return static_cast<DWORD_PTR>(w.SetItemImageStatus(a.As<HTREEITEM>(1), a.Int(2))); }, // 583
};

// Every command of the table has its entry, and only those do.
constexpr bool EveryRowDispatches()
{
    for (int id = 0; id < r8::kCommandCount; ++id)
    {
        const r8::CommandRoute route = r8::kCommandRows[id].route;
        const bool needsEntry = route != r8::CommandRoute::None && route != r8::CommandRoute::Frame;
        if (needsEntry != (kInvokers[id] != nullptr))
            return false;
    }
    return true;
}
static_assert(EveryRowDispatches(), "a command row has no dispatch entry");

} // namespace

CommandInvoker FindCommandInvoker(int id)
{
    if (id < 0 || id >= r8::kCommandCount)
        return nullptr;
    return kInvokers[id];
}
