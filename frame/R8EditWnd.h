// Base of every editor window of the family. The Win32 window is made by the
// module's window procedure; this object is found through window long 0. It
// holds what every editor shares and one virtual operation per command of the
// family's command set: an operation a kind of editor does not support keeps
// the base's answer, so a host can send any command to any editor.
#pragma once

#include "frame/R8EditCommand.h"
#include "frame/R8EditFolioLayout.h"
#include "frame/R8EditTooltip.h"
#include "frame/R8EditTypes.h"
#include "sfcview/R8EditPicture.h"

#include <memory>
#include <string>
#include <vector>

class CR8EditDB;

class CR8EditWnd
{
public:
    CR8EditWnd();
    CR8EditWnd(const CR8EditWnd&) = delete;
    CR8EditWnd& operator=(const CR8EditWnd&) = delete;

    // Runs a host command through the embedded interpreter.
    DWORD_PTR ExecuteCommand(int argc, const char* const* argv);

    // Posts WM_COMMAND with the code to the parent and mirrors it to the
    // command monitor.
    void NotifyHost(WORD code);

    // The base's share of WM_CREATE: remembers the window.
    void Initialise(HWND window, const CREATESTRUCTA* create);

    // Offers a message to the base handler; true when it took it. Only
    // messages for the editor's own window are taken.
    bool HandleBaseMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // WM_USER + 37: the find frame for a caller's record.
    long FindRecordMessage(const CR8FindRecord* record);
    // WM_USER + 65: the whole character that started a keyboard edit.
    DWORD GetFirstCharWord() const { return firstChar; }
    // WM_USER + 128, + 129: picture size limits for the next summary print.
    void SetSummaryWidth(int width) { summaryWidth = width; }
    void SetSummaryHeight(int height) { summaryHeight = height; }
    // WM_USER + 84: the picture route for the folio at the point.
    void SaveFolioPicture(POINT folio, LPCSTR szFile);
    // The program identifier set by SetID (0 before).
    DWORD ProgramIdentifier() const;

    HWND GetHwnd() const { return hWnd; }

    // Middle-button panning: the window procedure calls these while it holds
    // the capture.
    void BeginPan(POINT client);
    void PanTo(POINT client);
    void EndPan();
    bool IsPanning() const { return panAnchor != nullptr; }

    // Commands the base answers without a virtual operation.
    long SearchIn(str_R8FindReplace* pStrFR);
    BOOL SetTooltipInfos(BOOL bEdit, str_R8TooltipInfos* pStrTI);
    BOOL SetTooltipInfosEx(BOOL bEdit, BOOL bSet, int iTooltipInfo);

    // Virtual operations, in the order of the family's virtual table.
    virtual ~CR8EditWnd();
    virtual LPCSTR GetClassName();
    virtual void SetFocusState(BOOL bFocus);
    virtual void Paint(HDC hDC, PAINTSTRUCT* pPaint);
    virtual BOOL CanModify();
    virtual BOOL ReportsLineAndColumn() { return TRUE; }
    virtual BOOL PrintGetFolio(int iX, int iY);
    virtual BOOL CollectFolio(POINT, RECT*, std::vector<DWORD>*) { return 0; }
    virtual int PrintGetNbSymbols(int iX, int iY);
    virtual int CountFolioSymbols(POINT, DWORD*) { return 0; }
    virtual BOOL CollectFolioEx(int, int, RECT*, std::vector<DWORD>*) { return 0; }
    virtual void DrawContent(HDC, PAINTSTRUCT*) {}
    virtual void DrawFolioFrame(HDC, int, int, int, int) {}
    // The pictures are the caller's; null when the editor renders none.
    virtual std::unique_ptr<CR8EditPicture> RenderFolioBitmap(const std::vector<DWORD>*, const RECT*)
    {
        return nullptr;
    }
    virtual std::unique_ptr<CR8EditPicture> RenderFolio(const std::vector<DWORD>*, const RECT*, HDC)
    {
        return nullptr;
    }
    // Sets the pixel extent of the summary picture and, with a context, draws it.
    virtual void DrawSummary(RECT* pExtent, BOOL, HDC)
    {
        if (pExtent != nullptr)
            *pExtent = RECT{0, 0, 0, 0};
    }
    virtual BOOL PrintHook() { return TRUE; }
    virtual BOOL ReplaceAll(const CR8FindRecord*) { return 0; }
    virtual void Replace(const CR8FindRecord*, CR8FindResult*) {}
    virtual BOOL Find(const CR8FindRecord*, CR8FindResult*) { return 0; }
    virtual BOOL FindAgain() { return 0; }
    virtual BOOL OnDBReload() { return 0; }
    virtual BOOL OnDBObjectChanged(DWORD_PTR) { return 0; }
    virtual BOOL OnDBItemChanged(DWORD_PTR) { return 0; }
    virtual BOOL OnDBRefresh() { return 0; }
    virtual BOOL OnDBProgramChanged() { return 0; }
    virtual void SetFB(LPCSTR szName, DWORD dwID, int nbIn, int nbOut, BOOL bInstanciable, BOOL bDBObject);
    virtual void SetBlock(const str_R8Block*) {}
    virtual BOOL SetCurrentBlock(const str_R8Block*) { return 0; }
    virtual void GetCurrentBlock(str_R8Block*) {}
    virtual void InsertText(int iX, int iY, LPCSTR szText);
    virtual void InsertTextAt(POINT, LPCSTR) {}
    virtual LRESULT OnDBEvent(DWORD code, DWORD_PTR param);
    virtual LRESULT OnUserMessage140(WPARAM, LPARAM) { return 0; }
    virtual LRESULT OnUserMessage135(WPARAM, LPARAM) { return 0; }
    virtual LRESULT OnUserMessage136(WPARAM, LPARAM) { return 0; }
    virtual DWORD ReservedQuery1(DWORD_PTR, DWORD_PTR, DWORD* pResult);
    virtual DWORD ReservedQuery2(DWORD_PTR, DWORD_PTR, DWORD* pResult);
    virtual DWORD ReservedQuery3(DWORD_PTR, DWORD_PTR, DWORD* pResult);
    virtual void Redraw();
    virtual void GetScrollUnits(int* pUnitX, int* pUnitY);
    virtual BOOL EditSymbolDialog(LPCSTR) { return 0; }
    virtual void SelectBlockDialog(char cFirst);
    virtual void EditVarPropsDialog(const std::vector<DWORD>& ids);
    virtual void SetEnable(BOOL bEnable);
    virtual BOOL IsEnable();
    virtual void SetReadOnly(BOOL bReadOnly);
    virtual BOOL IsReadOnly();
    virtual void SetModified(BOOL) {}
    virtual BOOL IsModified() { return 0; }
    virtual void SetDebug(BOOL bDebug);
    virtual void DebugProject(DWORD dwPrj, BOOL bDebug);
    virtual BOOL IsDebug();
    virtual BOOL IsEmpty() { return TRUE; }
    virtual BOOL HasSelection() { return 0; }
    virtual BOOL SetProjectPath(LPCSTR szProjectPath);
    virtual void RemoveProject() {}
    virtual void SetID(DWORD dwID);
    virtual DWORD GetProjectID();
    virtual BOOL CanCut() { return 0; }
    virtual void Cut() {}
    virtual BOOL CanClear();
    virtual void Clear() {}
    virtual BOOL CanCopy() { return 0; }
    virtual void Copy() {}
    virtual BOOL CanPaste() { return 0; }
    virtual void Paste() {}
    virtual BOOL CanUndo() { return 0; }
    virtual void Undo() {}
    virtual BOOL CanRedo() { return 0; }
    virtual void Redo() {}
    virtual BOOL CanSelectAll() { return 0; }
    virtual void SelectAll() {}
    virtual void DeselectAll() {}
    virtual BOOL CanSetZoom() { return TRUE; }
    virtual void SetZoom(int, int) {}
    virtual int GetZoom() { return 100; }
    virtual LRESULT OnUserMessage131(LPARAM) { return 0; }
    virtual BOOL CanSetGrid() { return TRUE; }
    virtual void SetGrid(BOOL bGrid);
    virtual BOOL IsGridVisible();
    virtual void EnsureSelVisible() {}
    virtual void EmptyUndoStack() {}
    virtual BOOL CanSave();
    virtual void Save(LPCSTR) {}
    virtual void Load(LPCSTR) {}
    virtual void InsertFile(LPCSTR) {}
    virtual BOOL CanInsertFile() { return 0; }
    virtual void LoadExpand() {}
    virtual void SaveExpand() {}
    virtual void NewFile() {}
    virtual void SetText(LPCSTR) {}
    virtual LPCSTR GetText() { return ""; }
    virtual int GetTextLenght() { return 0; }
    virtual int GetSelTextLength() { return 0; }
    virtual LPCSTR GetSelText() { return ""; }
    virtual BOOL CanInsertText();
    virtual void LocateError(LPCSTR) {}
    virtual long FindReplace(LPCSTR szFind, LPCSTR szReplace, DWORD dwCommand, DWORD dwFlags, HWND hListBox);
    virtual void Goto(LPCSTR szGoto);
    virtual long GetCurPos() { return 0; }
    virtual long GetSelSize() { return 0; }
    virtual long GetSelPos() { return 0; }
    virtual long GetSymbolPos(LPCSTR) { return 0; }
    virtual BOOL CanSetTab() { return 0; }
    virtual int SetTab(int) { return -1; }
    virtual BOOL CanFormatProgram() { return 0; }
    virtual void FormatProgram() {}
    virtual BOOL CanViewInfo() { return 0; }
    virtual void ViewInfo() {}
    virtual int GetCellHeight() { return 0; }
    virtual int GetCellWidth() { return 0; }
    virtual void SetCellHeight(int) {}
    virtual void SetCellWidth(int) {}
    virtual int PaintRectToDC(HDC, const RECT*) { return 0; }
    virtual int PaintToDC(HDC hDC, int iLeft, int iTop, int iRight, int iBottom);
    virtual void SetBGColor(COLORREF) {}
    virtual BOOL SetCurrentFB(LPCSTR szName, DWORD dwID, int nbIn, int nbOut, BOOL bInstanciable, BOOL bDBObject);
    virtual BOOL CanInsertFB() { return 0; }
    virtual void InsertFB() {}
    virtual LPCSTR GetFB();
    virtual BOOL CanChangeProperties() { return 0; }
    virtual BOOL SetProperties(void*) { return 0; }
    virtual BOOL SetGraphicProperties(void*) { return 0; }
    virtual BOOL GetProperties(void*) { return 0; }
    virtual BOOL CanInsertSymbol() { return 0; }
    virtual void InsertSymbol() {}
    virtual LPCSTR GetSymbolName() { return ""; }
    virtual LPCSTR GetTypeName() { return ""; }
    virtual DWORD GetItemType() { return 0; }
    virtual DWORD GetItemSubType() { return 0; }
    virtual LPCSTR GetItemTypeSel() { return ""; }
    virtual TCHAR GetFirstChar();
    virtual BOOL EnableDragnDrop(BOOL bEnable);
    virtual int UndoRedoSize(int) { return -1; }
    virtual void KeepFBDSelect(BOOL) {}
    virtual BOOL CopyBitmap(BOOL bSet);
    virtual void SetValueInText(BOOL bSet);
    virtual BOOL PromptVarname(BOOL bSet);
    virtual BOOL PromptInstance(BOOL bSet);
    virtual BOOL EnablePulse(BOOL bSet);
    virtual void SetVertVarSize(int) {}
    virtual void SetHorzVarSize(int) {}
    virtual LRESULT OnUserMessage146(WPARAM) { return 0; }
    virtual int SetPageWidth(int) { return -1; }
    virtual int SetContents(int iContentType, LPCSTR szQualifPrefix);
    virtual BOOL AutoDeclareInst(BOOL bSet);
    virtual BOOL AutoDeclareSymbol(BOOL bSet);
    virtual BOOL HideOptionDlgVar(BOOL bHide);
    virtual BOOL EnableCopy(BOOL bEnable);
    virtual BOOL HideScroll(BOOL) { return 0; }
    virtual void DisplayConfirmation(BOOL) {}
    virtual void DisplayIO(BOOL) {}
    virtual void SetAutoConnectVariable(BOOL) {}
    virtual BOOL SetSFCSettings(str_R8SFCSettings*) { return 0; }
    virtual BOOL SetSFCSettings2(DWORD) { return 0; }
    virtual void UnderlineGlobal(BOOL) {}
    virtual void SnapFBDGrid(BOOL) {}
    virtual void DrawFBDBridge(BOOL) {}
    virtual BOOL SetCsvSeparatorComa(BOOL bSetComa);
    virtual BOOL PrintSetProperty(int, DWORD_PTR) { return 0; }
    virtual int PrintGetNbVertFolio() { return TRUE; }
    virtual int PrintGetNbHorzFolio() { return TRUE; }
    virtual void PrintFolio(int iX, int iY, LPCSTR szFile);
    virtual LPCSTR PrintGetSymbols(int iX, int iY);
    virtual BOOL CanPrint() { return TRUE; }
    virtual BOOL IsPrintText() { return 0; }
    virtual BOOL IsPrintGraphic() { return 0; }
    virtual BOOL SummaryPrint(BOOL bAll, HDC hDC);
    virtual int SetWidthSummaryPrint(int iWidth);
    virtual int SetHeightSummaryPrint(int iHeight);
    virtual BOOL SetPrinter(int, int, int, int) { return 0; }
    virtual LPCRECT PrintFolioEx(int iFolioX, int iFolioY, HDC hDC, int iLeftPos, int iTopPos);
    virtual int GetNbVertFolioEx() { return 0; }
    virtual int GetNbHorzFolioEx() { return 0; }
    virtual void DisplayFolio(BOOL bDisplay);
    virtual BOOL IsDisplayFolio();
    virtual BOOL ForcePrintZoom(BOOL, int) { return 0; }
    virtual BOOL AdjustFolio(int, int) { return 0; }
    virtual LPCRECT GetFolioRect(int iFolioX, int iFolioY);
    virtual LPCSTR GetHeaderXY(int, int, LPCRECT) { return ""; }
    virtual BOOL FocusVar(LPCSTR) { return 0; }
    virtual BOOL FilterGroup(LPCSTR) { return 0; }
    virtual LPCSTR GetSelGroupName() { return ""; }
    virtual BOOL FocusGroup(LPCSTR) { return 0; }
    virtual BOOL SetFilter(LPCSTR) { return 0; }
    virtual BOOL CanFilter() { return 0; }
    virtual void SetSyntaxColoring(BOOL) {}
    virtual void EnableSyntax(BOOL) {}
    virtual BOOL CanIndent() { return 0; }
    virtual void Indent(BOOL) {}
    virtual BOOL CanAlign() { return 0; }
    virtual void Align() {}
    virtual BOOL IsCheck() { return 0; }
    virtual BOOL CanCheck() { return 0; }
    virtual BOOL Check(int) { return 0; }
    virtual BOOL CanDisplayFBDOrder() { return 0; }
    virtual void DisplayFBDOrder() {}
    virtual BOOL CanAlignCoils() { return 0; }
    virtual void AlignCoils() {}
    virtual void WrapRungs() {}
    virtual BOOL CanInsertContactBefore() { return 0; }
    virtual void InsertContactBefore() {}
    virtual BOOL CanInsertContactAfter() { return 0; }
    virtual void InsertContactAfter() {}
    virtual BOOL CanInsertContactParallel() { return 0; }
    virtual void InsertContactParallel() {}
    virtual BOOL CanInsertCoil() { return 0; }
    virtual void InsertCoil() {}
    virtual BOOL CanInsertFBBefore() { return 0; }
    virtual void InsertFBBefore() {}
    virtual BOOL CanInsertFBAfter() { return 0; }
    virtual void InsertFBAfter() {}
    virtual BOOL CanInsertFBParallel() { return 0; }
    virtual void InsertFBParallel() {}
    virtual BOOL CanInsertJump() { return 0; }
    virtual void InsertJump() {}
    virtual BOOL CanInsertRung() { return 0; }
    virtual void InsertRung() {}
    virtual BOOL CanInsertComment() { return 0; }
    virtual void InsertComment() {}
    virtual BOOL CanRemoveComment() { return 0; }
    virtual void RemoveComment() {}
    virtual BOOL CanInsertHorz() { return 0; }
    virtual void InsertHorz() {}
    virtual void LockElement(BOOL, int, int) {}
    virtual BOOL IsElementLock(int, int) { return 0; }
    virtual BOOL CanInsert() { return 0; }
    virtual void InsertStep() {}
    virtual void InsertTrans() {}
    virtual void InsertMainDiv() {}
    virtual void InsertDiv() {}
    virtual void InsertCnv() {}
    virtual void InsertMacro() {}
    virtual void InsertMacroBody() {}
    virtual BOOL CanSwapStyle() { return 0; }
    virtual void SwapStyle() {}
    virtual void InsertInitStep() {}
    virtual LPCSTR GetElementText(int, int, int) { return ""; }
    virtual void SetElementText(int, int, int, LPCSTR) {}
    virtual long IsSelStep() { return 0; }
    virtual long IsSelTrans() { return 0; }
    virtual long IsSelMacro() { return 0; }
    virtual DWORD IsSelComment() { return 0; }
    virtual long GetSelRefNum() { return 0; }
    virtual void Lock(BOOL) {}
    virtual void EnterSelRef() {}
    virtual BOOL CanEnterSelRef() { return 0; }
    virtual BOOL CanEditSelCode() { return 0; }
    virtual int GetElementLanguage(int, int, int) { return 0; }
    virtual void SetNoteDisplay(BOOL) {}
    virtual BOOL GetNoteDisplay() { return 0; }
    virtual void SetDisplay(WORD) {}
    virtual WORD GetDisplay() { return 0xFFFF; }
    virtual BOOL CanRenumber() { return 0; }
    virtual void Renumber() {}
    virtual long NextPosItem(BOOL) { return 0; }
    virtual void ActiveStep(int) {}
    virtual long IsStep(int, int) { return 0; }
    virtual long IsTrans(int, int) { return 0; }
    virtual long IsComment(int, int) { return 0; }
    virtual long IsMacro(int, int) { return 0; }
    virtual BOOL CanSwapItemStyle() { return 0; }
    virtual void SwapItemStyle() {}
    virtual BOOL CanChangeBkColor() { return 0; }
    virtual void ChangeBkColor(COLORREF) {}
    virtual LPCSTR GetParent() { return ""; }
    virtual LPCSTR GetInstance() { return ""; }
    virtual void SetTimer() {}
    virtual BOOL SelectTreeItem(HTREEITEM) { return 0; }
    virtual BOOL SelectItem(DWORD) { return 0; }
    virtual DWORD GetItemID() { return 0; }
    virtual DWORD GetItemGUID(int, int) { return 0; }
    virtual BOOL CanActivate() { return 0; }
    virtual BOOL GetActivation() { return 0; }
    virtual void SetActivation(BOOL) {}
    virtual void SetUserID(DWORD) {}
    virtual LPCSTR GetLink() { return ""; }
    virtual void GotoXY(DWORD, DWORD) {}
    virtual int GetHeight() { return 0; }
    virtual int GetWidth() { return 0; }
    virtual void SaveSel() {}
    virtual void RestoreSel() {}
    virtual HTREEITEM GetTreeParent(HTREEITEM) { return nullptr; }
    virtual void FocusTree() {}
    virtual void Empty() {}
    virtual void CollapseAll() {}
    virtual void ExpandAll() {}
    virtual LPCSTR GetProgramName();
    virtual void SetProgramName(LPCSTR) {}
    virtual BOOL CanMoveDown() { return 0; }
    virtual void MoveDown() {}
    virtual BOOL CanMoveUp() { return 0; }
    virtual void MoveUp() {}
    virtual BOOL CanHexDisplay() { return 0; }
    virtual BOOL IsHexDisplay() { return 0; }
    virtual void SwapHexDisplay() {}
    virtual BOOL CanSort() { return 0; }
    virtual void Sort() {}
    virtual HTREEITEM InsertItem(LPCSTR, HTREEITEM, HTREEITEM) { return nullptr; }
    virtual BOOL CanSaveValues() { return 0; }
    virtual void SaveValues() {}
    virtual BOOL CanSendReceipe() { return 0; }
    virtual void SendReceipe() {}
    virtual BOOL CanRemoveCol() { return 0; }
    virtual BOOL RemoveCol(int) { return 0; }
    virtual BOOL CanInsertCol() { return 0; }
    virtual int InsertCol(int, LPCSTR, WORD, WORD) { return -1; }
    virtual BOOL CanRenameCol() { return 0; }
    virtual BOOL RenameCol(int, LPCSTR) { return 0; }
    virtual BOOL CanCopyCol() { return 0; }
    virtual BOOL CopyCol(int) { return 0; }
    virtual BOOL CanDecrease() { return 0; }
    virtual void Decrease() {}
    virtual BOOL CanIncrease() { return 0; }
    virtual void Increase() {}
    virtual BOOL CanUncheck() { return 0; }
    virtual void Uncheck() {}
    virtual BOOL CanCheckTree() { return 0; }
    virtual void CheckTree() {}
    virtual void ResetValues() {}
    virtual LPCSTR GetSerialCol() { return ""; }
    virtual LPCSTR GetSerialExpand() { return ""; }
    virtual void SetSerialCol(LPCSTR) {}
    virtual void SetSerialExpand(LPCSTR) {}
    virtual void SetLocalSel(BOOL) {}
    virtual DWORD ReservedHook1() { return 0; }
    virtual void Expand(HTREEITEM) {}
    virtual void SwapCollapse(HTREEITEM) {}
    virtual int GetEditMode() { return 0; }
    virtual void SetEditMode(int) {}
    virtual void EditInPlace(HTREEITEM, int) {}
    virtual DWORD GetGroupID() { return 0; }
    virtual DWORD GetSelVarID() { return 0; }
    virtual BOOL IsDicoEnable() { return 0; }
    virtual void ArrangeColumns() {}
    virtual BOOL CanInsertStructure() { return 0; }
    virtual void InsertStructure() {}
    virtual BOOL CanMoveStructure() { return 0; }
    virtual void MoveStructure() {}
    virtual void EditStructure() {}
    virtual BOOL CanEdit() { return 0; }
    virtual BOOL CanExpand() { return 0; }
    virtual void Collapse(HTREEITEM) {}
    virtual BOOL CanExpandAll() { return 0; }
    virtual BOOL CanSwapGlobalRet() { return 0; }
    virtual void SwapGlobalRet() {}
    virtual LPCSTR GetSelVarName() { return ""; }
    virtual BOOL CanEditProperties() { return 0; }
    virtual int GetSortedCol() { return -1; }
    virtual BOOL IsSortAscending() { return 0; }
    virtual BOOL CanCollapse() { return 0; }
    virtual BOOL CanCollapseAll() { return 0; }
    virtual BOOL MoveItemAfter(HTREEITEM, HTREEITEM) { return 0; }
    virtual BOOL IsItemExpanded(HTREEITEM) { return 0; }
    virtual BOOL ExpandItem(HTREEITEM, BOOL) { return 0; }
    virtual BOOL SetItemText(HTREEITEM, LPCSTR) { return 0; }
    virtual LPCSTR GetItemText(HTREEITEM) { return ""; }
    virtual BOOL SetColWidth(int, int) { return 0; }
    virtual int GetColWidth(int) { return 0; }
    virtual HTREEITEM GetFirstItem() { return nullptr; }
    virtual HTREEITEM GetNextLineItem(HTREEITEM) { return nullptr; }
    virtual BOOL IsOutOfDate() { return 0; }
    virtual BOOL IsLoaded() { return 0; }
    virtual LPCSTR GetProjectPath();
    virtual void EVTChanged(DWORD) {}
    virtual void LockBinding(BOOL) {}
    virtual void Refresh() {}
    virtual DWORD GetPrgID() { return 0; }
    virtual LPCSTR GetPrgName(DWORD) { return ""; }
    virtual BOOL CanMovePrg() { return 0; }
    virtual BOOL MovePrg(DWORD, DWORD) { return 0; }
    virtual BOOL CanAddPrg() { return 0; }
    virtual BOOL AddPrg(LPCSTR) { return 0; }
    virtual BOOL CanRenamePrg() { return 0; }
    virtual BOOL CanCmdPrg() { return 0; }
    virtual BOOL CmdPrg(DWORD, int) { return 0; }
    virtual BOOL CanOpenPrg() { return 0; }
    virtual int GetNbPrg() { return 0; }
    virtual BOOL CanCopyPrg() { return 0; }
    virtual WORD GetColType(int) { return 0; }
    virtual WORD GetExColType(int) { return 0; }
    virtual HTREEITEM GetSelectedItem() { return nullptr; }
    virtual int GetCurrentCol() { return -1; }
    virtual DWORD GetItemData(HTREEITEM) { return 0; }
    virtual BOOL SetItemData(HTREEITEM, DWORD) { return 0; }
    virtual int GetNbCol() { return 0; }
    virtual BOOL SetItemColor(HTREEITEM, COLORREF) { return 0; }
    virtual HTREEITEM GetPrevLineItem(HTREEITEM) { return nullptr; }
    virtual BOOL SetCurrentCol(int) { return 0; }
    virtual BOOL SetSortCol(int, BOOL) { return 0; }
    virtual HTREEITEM GetFirstSel() { return nullptr; }
    virtual HTREEITEM GetNextSel(HTREEITEM) { return nullptr; }
    virtual HTREEITEM InsertItemEx(LPCSTR, HTREEITEM, DWORD) { return nullptr; }
    virtual BOOL SetItemBold(HTREEITEM, BOOL) { return 0; }
    virtual BOOL SetColItemText(HTREEITEM, int, LPCSTR) { return 0; }
    virtual BOOL SetColItemParam(HTREEITEM, int, DWORD) { return 0; }
    virtual DWORD GetColItemParam(HTREEITEM, int) { return 0; }
    virtual LPCSTR GetColItemText(HTREEITEM, int) { return ""; }
    virtual BOOL EnsureVisible(HTREEITEM) { return 0; }
    virtual HTREEITEM GetParentItem(HTREEITEM) { return nullptr; }
    virtual HTREEITEM GetPrevSiblingItem(HTREEITEM) { return nullptr; }
    virtual HTREEITEM GetNextSiblingItem(HTREEITEM) { return nullptr; }
    virtual HTREEITEM GetChildItem(HTREEITEM) { return nullptr; }
    virtual HTREEITEM GetNextVisibleItem(HTREEITEM) { return nullptr; }
    virtual HTREEITEM GetFirstVisibleItem() { return nullptr; }
    virtual BOOL DeleteItem(HTREEITEM) { return 0; }
    virtual DWORD ReservedHook2() { return 0; }
    virtual LPCSTR GetCSVFormat() { return ""; }
    virtual BOOL CanStartSampling() { return 0; }
    virtual BOOL ChangeSetup(void*) { return 0; }
    virtual BOOL NeedSetup() { return 0; }
    virtual void StartSampling() {}
    virtual BOOL CanStopSampling() { return 0; }
    virtual void StopSampling() {}
    virtual BOOL CanSetupSampling() { return 0; }
    virtual void StartRecordSampling() {}
    virtual void StopRecordSampling() {}
    virtual BOOL CanRecordSampling() { return 0; }
    virtual BOOL IsRecording() { return 0; }
    virtual BOOL IsAutoScroll() { return 0; }
    virtual void EnableAutoScroll(BOOL) {}
    virtual LPCSTR GetUsedBlock() { return ""; }
    virtual BOOL SetPropGroup(int, LPCSTR) { return 0; }
    virtual BOOL SetPropValue(int, LPCSTR) { return 0; }
    virtual BOOL SetPropName(int, LPCSTR) { return 0; }
    virtual BOOL SetPropReadOnly(int, BOOL) { return 0; }
    virtual BOOL IsPropReadOnly(int) { return 0; }
    virtual BOOL SetPropHeader(int, BOOL) { return 0; }
    virtual BOOL GetPropHeader(int) { return 0; }
    virtual BOOL SetPropType(int, WORD) { return 0; }
    virtual WORD GetPropType(int) { return 0; }
    virtual BOOL SetPropDesc(int, LPCSTR) { return 0; }
    virtual BOOL SetPropMaxLen(int, int) { return 0; }
    virtual BOOL SetPropMinInt(int, long) { return 0; }
    virtual BOOL SetPropMaxInt(int, long) { return 0; }
    virtual BOOL SetPropEnum(int, LPCSTR) { return 0; }
    virtual BOOL SetPropEnumEdit(int, BOOL) { return 0; }
    virtual BOOL SetPropFilter(int, LPCSTR) { return 0; }
    virtual LPCSTR GetPropValue(int) { return ""; }
    virtual LPCSTR GetPropName(int) { return ""; }
    virtual BOOL SetPropSyntax(int, LPCSTR) { return 0; }
    virtual BOOL CheckAllProp() { return TRUE; }
    virtual LPCSTR GetAllProps() { return ""; }
    virtual void SetUsed(BOOL) {}
    virtual void SortTree() {}
    virtual int GetSortMethod() { return 0; }
    virtual DWORD GetProgramID() { return 0; }
    virtual DWORD GetFolderID() { return 0; }
    virtual DWORD GetScreenID() { return 0; }
    virtual void SetScreenID(DWORD) {}
    virtual void EditProperties() {}
    virtual BOOL CanEditParameters() { return 0; }
    virtual void EditParameters() {}
    virtual BOOL CanCreateFile() { return 0; }
    virtual BOOL CreateFile(LPCSTR) { return 0; }
    virtual BOOL AddFileTypes(LPCSTR) { return 0; }
    virtual DWORD GetFileID() { return 0; }
    virtual LPCSTR GetFileSection() { return ""; }
    virtual BOOL CanCreateItem() { return 0; }
    virtual HTREEITEM CreateItem(HTREEITEM, int, LPCSTR) { return nullptr; }
    virtual void SetRedraw(BOOL) {}
    virtual void SetErrorMode(BOOL) {}
    virtual LPCSTR GetPrintableText() { return ""; }
    virtual void NotifChanges() {}
    virtual void EnableNotif(BOOL) {}
    virtual BOOL CanInsertNetwork() { return 0; }
    virtual void InsertNetwork() {}
    virtual BOOL CanInsertMasterPort() { return 0; }
    virtual void InsertMasterPort() {}
    virtual BOOL CanInsertSlaveRequest() { return 0; }
    virtual void InsertSlaveRequest() {}
    virtual void LockConfig(BOOL) {}
    virtual LPCSTR GetKey() { return ""; }
    virtual BOOL CanExecCommand(int) { return 0; }
    virtual BOOL ExecCommand(int) { return 0; }
    virtual int GetNbCommand() { return 0; }
    virtual LPCSTR GetCommand(int) { return ""; }
    virtual BOOL CanExport() { return 0; }
    virtual BOOL Export(LPCSTR) { return 0; }
    virtual BOOL CanImport() { return 0; }
    virtual BOOL Import(LPCSTR) { return 0; }
    virtual BOOL CanExportTree() { return 0; }
    virtual BOOL ExportTree(LPCSTR) { return 0; }
    virtual BOOL CanImportTree() { return 0; }
    virtual BOOL ImportTree(LPCSTR) { return 0; }
    virtual LPCSTR GetError() { return ""; }
    virtual TCHAR GetLastChar() { return 0; }
    virtual WORD GetLastKeyDown() { return 0; }
    virtual BOOL GetValueInText() { return 0; }
    virtual void HideArrangeCol(BOOL) {}
    virtual BOOL SetStyle(DWORD) { return 0; }
    virtual BOOL RemoveStyle(DWORD) { return 0; }
    virtual BOOL SelectItems(LPCSTR) { return 0; }
    virtual int GetContentWidth() { return 0; }
    virtual int GetContentHeight() { return 0; }
    virtual LPCSTR GetTargetMark() { return ""; }
    virtual BOOL IsUndef() { return 0; }
    virtual void SetUndef(BOOL) {}
    virtual BOOL CanInsertFFLDItem() { return 0; }
    virtual void InsertFFLDItem() {}
    virtual DWORD GetNetSel() { return 0; }
    virtual DWORD GetNetItemSel() { return 0; }
    virtual BOOL UpdateUDFB(LPCSTR) { return 0; }
    virtual BOOL NeedUpdateUDFB(LPCSTR) { return 0; }
    virtual LPCSTR ListUpdateUDFB() { return ""; }
    virtual void SetLinePerComment(int) {}
    virtual BOOL ImportComment(LPCSTR) { return 0; }
    virtual BOOL ExportComment(LPCSTR) { return 0; }
    virtual BOOL CanClearRow() { return 0; }
    virtual void ClearRow() {}
    virtual BOOL CanClearNetwork() { return 0; }
    virtual void ClearNetwork() {}
    virtual BOOL SetCallback(int iCallBack, void* pfCB, void* pData);
    virtual BOOL SetTreeIcon(HTREEITEM, int) { return 0; }
    virtual void EditPropAfterInsertVar(BOOL) {}
    virtual int SetChildOffset(int) { return -1; }
    virtual void SetFirstNetworkTag(int) {}
    virtual void LockItemType(WORD, BOOL) {}
    virtual BOOL SetRules(LPCSTR) { return 0; }
    virtual LPCSTR GetRules() { return "-1"; }
    virtual BOOL CanConnect() { return 0; }
    virtual void Connect() {}
    virtual BOOL CanRotateCorners() { return 0; }
    virtual void RotateCorners() {}
    virtual DWORD SetAutoEdit(DWORD dwAutoEdit);
    virtual BOOL SetItemImage(HTREEITEM, int) { return 0; }
    virtual BOOL SetItemTooltip(HTREEITEM, LPCSTR) { return 0; }
    virtual BOOL SetItemBitmap(HTREEITEM, HBITMAP) { return 0; }
    virtual BOOL SetItemImageStatus(HTREEITEM, int) { return 0; }
    virtual BOOL SetItemBreakpoint(HTREEITEM, WORD) { return 0; }
    virtual BOOL SetItemCurPos(HTREEITEM, BOOL) { return 0; }
    virtual DWORD GetDBID() { return 0; }
    virtual LPCSTR GetInputBlockVar() { return ""; }
    virtual BOOL SetInfos(DWORD dwInfo, void* pInfos);
    virtual BOOL GetInfos(DWORD dwInfo, void* pInfos);
    virtual void HideIOName(BOOL) {}
    virtual BOOL CanShowSpy() { return 0; }
    virtual BOOL IsSpyVisible() { return 0; }
    virtual void ShowSpy() {}
    virtual BOOL CanPreview() { return 0; }
    virtual BOOL IsPreview() { return 0; }
    virtual void TogglePreview() {}
    virtual void SetMaxWidth(int) {}
    virtual void SetMaxHeight(int) {}
    virtual BOOL SetBW(BOOL) { return 0; }
    virtual BOOL DlgCreateVar(LPCSTR, long) { return 0; }
    virtual BOOL AutoComplete(LPCSTR) { return 0; }
    virtual BOOL CanFindVariables() { return 0; }
    virtual void FindVariables() {}
    virtual BOOL CanRenameVariables() { return 0; }
    virtual void RenameVariables(LPCSTR, LPCSTR) {}
    virtual BOOL CanForceInitValue() { return 0; }
    virtual void ForceInitValue(LPCSTR) {}
    virtual BOOL FindVarInput(LPCSTR) { return 0; }
    virtual BOOL CanGenerateShared() { return 0; }
    virtual void GenerateShared() {}
    virtual void SetInstance(LPCSTR) {}
    virtual void SetParent(LPCSTR) {}
    virtual void SetBookmark(BOOL) {}
    virtual BOOL IsBookmark() { return 0; }
    virtual void DeleteAllBookmark() {}
    virtual void ToggleBookmarkAtCaret() {}
    virtual void GoNextBookmark() {}
    virtual void GoPrevBookmark() {}
    virtual void ResetStepPos() {}
    virtual void SetStepPos(int, int) {}
    virtual void RemoveAllBkp() {}
    virtual void SetBkp(LPCSTR) {}
    virtual void SetTracePoint(LPCSTR) {}
    virtual BOOL HasTracepoint() { return 0; }
    virtual void RemoveBkp(LPCSTR) {}
    virtual long GetCaret() { return -1; }
    virtual BOOL HasBreakpoint() { return 0; }
    virtual DWORD ReservedHook3() { return 0; }
    virtual BOOL SetBkpEx(LPCSTR, DWORD) { return 0; }
    virtual LPCSTR GetBkpList() { return ""; }
    virtual BOOL ReloadBitmap() { return 0; }
    virtual int GetNbItem() { return 0; }
    virtual BOOL GetZOrderStruct(void*) { return 0; }
    virtual BOOL CanMoveTop() { return 0; }
    virtual void MoveTop() {}
    virtual BOOL CanMoveBottom() { return 0; }
    virtual void MoveBottom() {}
    virtual BOOL MoveBefore(DWORD) { return 0; }
    virtual BOOL MoveAfter(DWORD) { return 0; }
    virtual BOOL CanResize() { return 0; }
    virtual void Resize(int, int) {}
    virtual void SetPrompt(LPCSTR) {}
    virtual LPCSTR GetCommandLine() { return ""; }
    virtual BOOL CanCreateUDFB() { return 0; }
    virtual void CreateUDFB() {}
    virtual void InsertVarAfterInsertFB(BOOL) {}
    virtual void SetPrinterSetup(str_R8PrintFolioSetup*) {}
    virtual LPCSTR GetSymbolInFolio(int, int) { return ""; }
    virtual BOOL CanEditPins() { return 0; }
    virtual void EditPins() {}
    virtual BOOL CanGroupVar() { return 0; }
    virtual void GroupVar() {}
    virtual BOOL SelectItemType(WORD) { return 0; }

protected:
    std::unique_ptr<CR8EditDB> db;
    DWORD timerId = 0;
    BOOL gridVisible = FALSE;
    HWND hWnd = nullptr;
    BOOL readOnly = FALSE;
    BOOL debug = FALSE;
    BOOL hasFocus = FALSE;
    std::string projectPath;
    std::string infoText;
    DWORD firstChar = 0;
    BOOL enabled = TRUE;
    std::string programName;
    BOOL valueInText = TRUE;
    BOOL promptVarname = FALSE;
    BOOL promptInstance = FALSE;
    BOOL enablePulse = TRUE;
    BOOL dragAndDrop = TRUE;
    BOOL copyBitmap = TRUE;
    BOOL autoDeclareInst = FALSE;
    BOOL autoDeclareSymbol = FALSE;
    BOOL enableCopy = TRUE;
    BOOL hideOptionDlgVar = FALSE;
    BOOL csvComma = FALSE;
    int summaryWidth = 0;
    std::unique_ptr<CR8EditTooltip> tooltip;
    int summaryHeight = 0;
    int contentType = 1;
    std::string qualifier;
    std::string qualifierSuffix;
    RECT lastFolioRect = {0, 0, 0, 0};
    // Also holds the printing and folio display flags.
    CR8EditFolioLayout folioLayout;
    void* callbacks[8] = {};
    void* callbackData[8] = {};
    std::string defaultType = "BOOL";
    DWORD autoEdit = 0;
    CR8EditCommand command;
    std::string blockName;
    std::string symbolList;
    std::unique_ptr<POINT> panAnchor;

    static constexpr UINT_PTR kTimerId = 1000;
    static constexpr UINT kTimerPeriod = 50;

    static str_R8Block MakeBlock(LPCSTR name, DWORD id, int nbIn, int nbOut, BOOL instanciable,
                                 BOOL dbObject);
    // The identifier of a standard block in the block registry, 0 when unknown.
    DWORD FindStandardBlock(LPCSTR name);
    // SetContents tells the binding whether the content is a program.
    void TellBindingContentType(int type);

    // Sets both scroll positions without redrawing; answers the former ones.
    POINT SwapScrollPositions(POINT positions);

private:
    bool HandleUserMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    long RunFindFrame(const CR8FindRecord& record);
    void ReportFind(const CR8FindRecord& record, const CR8FindResult& result);
};
