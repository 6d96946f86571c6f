// The SFC chart editor window: the concrete editor this module builds on the
// family's window base. It owns the view (geometry, caret, selection,
// drawing) and the document (the chart and its undo history), answers the
// base's operations for the chart, and tells the host what changed.
#pragma once

#include "chart/R8EditSFCBeep.h"
#include "chart/R8EditSFCDoc.h"
#include "chart/R8EditSFCDocView.h"
#include "chart/R8EditSFCPrompt.h"
#include "chart/R8NoteBox.h"
#include "frame/R8EditWnd.h"
#include "sfcview/R8EditSFCDCo.h"

#include <string>

// The settings record of SetSFCSettings: the editor reads its first field.
struct str_R8SFCSettings
{
    DWORD dwFlags;
};

// The printer setup record of SetPrinterSetup: its first field is the
// black-and-white flag.
struct str_R8PrintFolioSetup
{
    DWORD dwBlackWhite;
};

class CR8EditSFCWnd : public CR8EditWnd
{
public:
    CR8EditSFCWnd();
    ~CR8EditSFCWnd() override;

    // WM_CREATE: the base initialisation, then the chart window's own.
    void OnCreate(HWND window, const CREATESTRUCTA* create);

    // Timer and drag-and-drop messages, offered before the procedure's own
    // list; true when taken.
    bool PreHandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The chart window's private messages WM_USER + 1 ... + 248; true when taken.
    bool HandleChartMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void OnSize(int width, int height);
    void OnSysColorChange();
    // Keyboard handling; a non-zero answer means the key was used.
    int OnKeyDown(WPARAM key, LPARAM flags);
    void OnChar(WPARAM ch, LPARAM flags);
    void OnScroll(int bar, int code, int position);

    void OnMouseMove(WPARAM keys, POINT pt);
    void OnLButtonDown(WPARAM keys, POINT pt);
    void OnLButtonUp(WPARAM keys, POINT pt);
    // True when the chart handles the double click itself.
    bool OnLButtonDblClk(WPARAM keys, POINT pt);
    void OnRButtonUp(WPARAM keys, POINT pt);
    void OnMButtonDown(POINT pt);
    void OnMButtonUp();
    void SelectCellAt(POINT pt);
    void HideTooltip();

    // Moves the caret to the element after the one at the caret (wrapping
    // with loop); null when there is none.
    const CR8EditSFCItem* SelectNextItem(bool loop);

    CR8EditSFCDoc& GetDocument() { return doc; }
    CR8EditSFCDCo& GetView() { return view; }
    DWORD GetSettings() const { return settings; }

    // --- operations of the base ---
    LPCSTR GetClassName() override;
    void SetFocusState(BOOL bFocus) override;
    void DrawContent(HDC hDC, PAINTSTRUCT* pPaint) override;
    int PaintRectToDC(HDC hDC, const RECT* pRect) override;
    BOOL Find(const CR8FindRecord* pRecord, CR8FindResult* pResult) override;
    BOOL FindAgain() override;
    void InsertTextAt(POINT cell, LPCSTR szText) override;
    void GetScrollUnits(int* pUnitX, int* pUnitY) override;

    void SetReadOnly(BOOL bReadOnly) override;
    BOOL IsReadOnly() override;
    void SetModified(BOOL bModified) override;
    BOOL IsModified() override;
    void SetDebug(BOOL bDebug) override;
    BOOL IsEmpty() override;
    BOOL HasSelection() override;
    BOOL CanCut() override;
    void Cut() override;
    void Clear() override;
    BOOL CanCopy() override;
    void Copy() override;
    BOOL CanPaste() override;
    void Paste() override;
    BOOL CanUndo() override;
    void Undo() override;
    BOOL CanRedo() override;
    void Redo() override;
    BOOL CanSelectAll() override;
    void SelectAll() override;
    void SetZoom(int iDir, int iRatio) override;
    int GetZoom() override;
    void SetGrid(BOOL bGrid) override;
    BOOL IsGridVisible() override;
    void EnsureSelVisible() override;
    void EmptyUndoStack() override;
    BOOL CanSave() override;
    void Save(LPCSTR szPath) override;
    void Load(LPCSTR szPath) override;
    void SetText(LPCSTR szText) override;
    LPCSTR GetText() override;
    int GetTextLenght() override;
    void LocateError(LPCSTR szError) override;
    long GetCurPos() override;
    long GetSelSize() override;
    long GetSelPos() override;
    int GetCellHeight() override;
    int GetCellWidth() override;
    void SetCellHeight(int iHeight) override;
    void SetCellWidth(int iWidth) override;
    DWORD GetItemType() override;
    int UndoRedoSize(int iSize) override;
    BOOL HideScroll(BOOL bHide) override;
    BOOL SetSFCSettings(str_R8SFCSettings* pStrSettings) override;
    BOOL SetSFCSettings2(DWORD dwFlags) override;
    void InsertJump() override;
    void InsertComment() override;
    void LockElement(BOOL bLock, int iKind, int iRef) override;
    BOOL IsElementLock(int iKind, int iRef) override;
    BOOL CanInsert() override;
    void InsertStep() override;
    void InsertTrans() override;
    void InsertMainDiv() override;
    void InsertDiv() override;
    void InsertCnv() override;
    void InsertMacro() override;
    void InsertMacroBody() override;
    BOOL CanSwapStyle() override;
    void SwapStyle() override;
    void InsertInitStep() override;
    LPCSTR GetElementText(int iKind, int iRef, int iPart) override;
    void SetElementText(int iKind, int iRef, int iPart, LPCSTR szText) override;
    long IsSelStep() override;
    long IsSelTrans() override;
    long IsSelMacro() override;
    DWORD IsSelComment() override;
    long GetSelRefNum() override;
    void Lock(BOOL bLock) override;
    void EnterSelRef() override;
    BOOL CanEnterSelRef() override;
    BOOL CanEditSelCode() override;
    int GetElementLanguage(int iKind, int iRef, int iPart) override;
    void SetNoteDisplay(BOOL bSet) override;
    BOOL GetNoteDisplay() override;
    void SetDisplay(WORD wDisplay) override;
    WORD GetDisplay() override;
    BOOL CanRenumber() override;
    void Renumber() override;
    long NextPosItem(BOOL bLoop) override;
    long IsStep(int iX, int iY) override;
    long IsTrans(int iX, int iY) override;
    long IsComment(int iX, int iY) override;
    long IsMacro(int iX, int iY) override;
    BOOL CanSwapItemStyle() override;
    void SwapItemStyle() override;
    LPCSTR GetParent() override;
    LPCSTR GetInstance() override;
    void SetTimer() override;
    DWORD GetItemGUID(int iX, int iY) override;
    void GotoXY(DWORD dwX, DWORD dwY) override;
    int GetHeight() override;
    int GetWidth() override;
    int GetContentWidth() override;
    int GetContentHeight() override;
    BOOL SetBW(BOOL bBackWhite) override;
    void SetInstance(LPCSTR szInstance) override;
    void SetParent(LPCSTR szParent) override;
    void SetBookmark(BOOL bSet) override;
    BOOL IsBookmark() override;
    void DeleteAllBookmark() override;
    void ToggleBookmarkAtCaret() override;
    void GoNextBookmark() override;
    void GoPrevBookmark() override;
    long GetCaret() override;
    void SetPrinterSetup(str_R8PrintFolioSetup* pStrSetup) override;

    // --- printing and folios (the chart's cells are the folio units) ---
    BOOL CollectFolio(POINT point, RECT* pCells, std::vector<DWORD>* pList) override;
    BOOL CollectFolioEx(int iFolioX, int iFolioY, RECT* pCells, std::vector<DWORD>* pList) override;
    void DrawFolioFrame(HDC hDC, int iLeft, int iTop, int iRight, int iBottom) override;
    std::unique_ptr<CR8EditPicture> RenderFolioBitmap(const std::vector<DWORD>* pList,
                                                      const RECT* pCells) override;
    std::unique_ptr<CR8EditPicture> RenderFolio(const std::vector<DWORD>* pList, const RECT* pCells,
                                                HDC hDC) override;
    void DrawSummary(RECT* pExtent, BOOL bAll, HDC hDC) override;
    int PrintGetNbVertFolio() override;
    int PrintGetNbHorzFolio() override;
    BOOL IsPrintGraphic() override;
    BOOL SetPrinter(int iDPIX, int iDPIY, int iFolioWidth, int iFolioHeight) override;
    int GetNbVertFolioEx() override;
    int GetNbHorzFolioEx() override;
    BOOL ForcePrintZoom(BOOL bForce, int iZoom) override;
    BOOL AdjustFolio(int iMaxFolioX, int iMaxFolioY) override;

    // Cell packing of the position commands: row high, column low.
    static long PackCell(int column, int row);

private:
    // The document's window side, kept apart so the interfaces' names do not
    // meet the commands of the same names.
    class DocView : public CR8EditSFCDocView
    {
    public:
        explicit DocView(CR8EditSFCWnd& owner) : owner(owner) {}
        R8Point GetCaret() const override;
        R8Point GetAnchor() const override;
        void SetCaret(int column, int row) override;
        void ScrollCaretIntoView() override;
        void RepaintCell(int column, int row) override;
        void RepaintAll() override;
        std::intptr_t GetWindowHandle() const override;
        const CR8EditSFCItemView* GetGeometry() const override;

    private:
        CR8EditSFCWnd& owner;
    };
    class Prompt : public CR8EditSFCPrompt
    {
    public:
        // Until the reference dialog exists every question is cancelled.
        bool AskNumber(std::intptr_t, const R8Rect&, int, int&) override { return false; }
    };
    class NoteParent : public CR8NoteParent
    {
    public:
        std::unique_ptr<CR8NoteBox> CreateNoteBox() override;
    };
    class Beeper : public CR8EditSFCBeep
    {
    public:
        void Beep() override { MessageBeep(MB_OK); }
    };

    // Recompute the view after a change of the chart or its size.
    void Refresh();
    // Units per folio for the current cell size.
    void RecomputeFolio();
    // Content changed: code 20 to the host.
    void NotifyChanged();
    // After an edit that may have changed the chart: refresh and notify.
    void AfterEdit(bool changed);
    void MoveCaret(int column, int row, bool extend);
    R8Point Caret() const { return view.GetCaret(); }
    CR8EditSFCItem* ItemAtCaret() const;
    // The number of the element at the cell when test accepts it, else 0.
    long NumberAt(int column, int row, bool (*test)(const CR8EditSFCItem&)) const;
    bool SelectionHoldsElement() const;
    LPCSTR Keep(std::string text);
    UINT ChartClipboardFormat() const;

    CR8EditSFCDCo view;
    CR8EditSFCDoc doc;
    DocView docView{*this};
    Prompt prompt;
    Beeper beeper;
    NoteParent noteParent;
    HCURSOR panCursor = nullptr;
    BOOL followActive = FALSE;
    DWORD settings = 0;
    std::string instanceName;
    std::string parentName;
    std::string textResult; // storage behind the texts the commands return
};
