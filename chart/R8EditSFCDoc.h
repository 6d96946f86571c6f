// The chart document: every change a user or the host makes to a chart, with
// its undo history. Positions come from the chart view (caret and selection);
// numbers are asked through the prompt; the complete chart text goes to the
// change target after each change.
//
// Every undoable change runs one frame: the whole chart text before the
// change is taken, the change is made and followed by RecomputeExtent and
// RebuildMatrix, the modified flag is set and the new text handed to the
// change target, and the text before is recorded as one undo step.
#pragma once

#include "chart/R8EditSFCBeep.h"
#include "chart/R8EditSFCDocData.h"
#include "chart/R8EditSFCDocView.h"
#include "chart/R8EditSFCPrompt.h"
#include "editing/R8EditUndoRedo.h"

#include <memory>
#include <string>
#include <string_view>

class CR8EditSFCDoc : public CR8EditSFCDocData
{
public:
    CR8EditSFCDoc();
    ~CR8EditSFCDoc() override;

    // --- the window side (each may be null) ---
    // Without a view the document keeps its own caret, starting at (0, 0).
    void SetView(CR8EditSFCDocView* view);
    void SetPrompt(CR8EditSFCPrompt* prompt) { m_prompt = prompt; }
    void SetBeep(CR8EditSFCBeep* beep) { m_beep = beep; }

    // --- insertion ---
    // Makes room at the cell and places a new element there with the next
    // key; unless it is a jump, the caret moves below it. Null when nothing
    // was inserted: read-only, a cell outside the grid's limits, or room that
    // could not be made without pushing an element past the last row.
    CR8EditSFCItem* InsertElement(int code, int column, int row, int number);
    // Pushes the element at the cell (with its column and line) one row down
    // and records an undo step, also when nothing moved. False, with no
    // record, when read-only or when an element would leave the grid.
    bool MakeRoom(int column, int row);
    // The insert commands at the caret, with their follow-ups; each answers
    // the element it inserted first, or null.
    CR8EditSFCItem* InsertStep();
    CR8EditSFCItem* InsertInitStep();
    CR8EditSFCItem* InsertMacro();
    CR8EditSFCItem* InsertTrans();
    CR8EditSFCItem* InsertMacroBody();
    CR8EditSFCItem* InsertMainDiv();
    CR8EditSFCItem* InsertDiv();
    CR8EditSFCItem* InsertCnv();
    CR8EditSFCItem* InsertJump();
    CR8EditSFCItem* InsertComment();
    bool CanInsert() const { return !IsReadOnly(); }

    // --- deleting and moving ---
    // Removes the unlocked elements of the selection; a one-cell selection
    // without a note closes the gap below. Always one undo step.
    void DeleteSelection();
    // Moves the selected block so that outline (cells relative to the cell
    // where the drag started) lands moved by (column, row). Beeps and answers
    // false when a target cell is taken outside the selection or lies beyond
    // the grid's limits; a read-only chart answers true and stays as it is.
    bool MoveBlock(int column, int row, const R8Rect& outline);

    // --- numbers ---
    // Steps and transitions numbered again column by column; false when
    // read-only or when any element is locked.
    bool Renumber();
    bool CanRenumber() const { return !IsReadOnly(); }
    // Asks a new number for the element at the caret (digit: the digit the
    // user began typing with, or -1). True when the number changed; a number
    // another element of the same number space holds is refused.
    bool EnterReference(int digit);
    // Sets the condition of the transition at the caret (one is inserted on an
    // empty cell) to a timer on the step before it: "GS<s>.T>t#<ms>ms".
    bool SetTimer();

    // --- style ---
    // Swaps step and initial step, or single and double node; one undo step
    // in every case (not when read-only). True when the style changed.
    bool SwapStyleAt(int column, int row);
    bool CanSwapStyle() const;

    // --- texts ---
    // The text of index (main, note, P1, N, P0) of the element with the code
    // and number; one undo step whether or not the element exists.
    bool SetElementText(int code, int number, int index, const std::string& text);
    std::string GetElementText(int code, int number, int index) const;
    int GetElementLanguage(int code, int number, int index) const;

    // --- locks and bookmarks (no undo step) ---
    void LockElement(bool locked, int code, int number);
    void LockAtCaret(bool locked);
    bool IsElementLock(int code, int number) const;
    void SetBookmark(bool set);
    void ToggleBookmark();
    // True when any bookmark was set.
    bool ClearBookmarks();
    bool IsBookmark() const;
    // Moves the caret to the next or previous bookmarked element (with wrap).
    bool NextBookmark();
    bool PreviousBookmark();

    // --- queries on the selection ---
    // The element at the caret when the selection is one cell.
    CR8EditSFCItem* GetSelItem() const;
    bool CanCut() const;
    bool CanEditSelCode() const;
    bool CanEnterSelRef() const;
    int GetSelRefNum() const;
    // The number of the element at the caret when it is of the asked kind,
    // else 0.
    int IsSelStep() const;
    int IsSelTrans() const;
    int IsSelMacro() const;
    int IsSelComment() const;
    // A double click on the element at the caret; 0 when not handled.
    int ActivateAtCaret();

    // --- fragments ---
    // The chart text of the selection; false (and empty) without an element.
    bool CopyFragment(std::string& fragment) const;
    // Merges a fragment with its cells moved by (dx, dy); extent is the
    // fragment's rectangle of cells (ScanExtent). A fragment that does not
    // land on free cells inside the grid is not merged: beep and false. An
    // undo step is recorded in both cases; read-only answers true.
    bool PasteFragment(std::string_view text, int dx, int dy, const R8Rect& extent);
    // "0:GS<n>" and "0:GS<n>.T" lines for every step line of the fragment's
    // chart block; empty when there is none or the block has no end.
    static std::string MakeSpyList(std::string_view fragment);
    // The selection's cells relative to the cell where a drag starts.
    static R8Rect MakeDragOutline(const R8Rect& selection, R8Point start);
    R8Rect GetDragOutline(R8Point start) const;

    // --- undo and redo ---
    // Records text as one undo step and discards every redo step.
    bool SaveUndoSnapshot(std::string text);
    // One step back (undo) or forward; true when a snapshot was applied.
    bool UndoRedoStep(bool undo);
    bool ApplyUndoCommand(CR8EditUndoCommand& command);
    bool CanUndo() const { return m_undoRedo.CanUndo(); }
    bool CanRedo() const { return m_undoRedo.CanRedo(); }
    void EmptyUndoStack() { m_undoRedo.ClearHistory(); }
    // The limit of both stacks; both are emptied. Answers size.
    int UndoRedoSize(int size) { return m_undoRedo.SetLimit(size); }
    const CR8EditUndoRedo& GetUndoRedo() const { return m_undoRedo; }
    bool IsRedoInProgress() const { return m_redoInProgress; }

private:
    class DetachedView;

    CR8EditSFCDocView& View() const;
    const CR8EditSFCItemView& Geometry() const;
    // The link word of a cell, with LINK_USED also where an element without
    // links stands, so nothing is moved onto it.
    std::uint16_t Word(int column, int row) const;

    // Change frame.
    std::string BeforeText();
    void Rebuild();
    void NotifyChanged();
    void FinishChange();

    CR8EditSFCItem* InsertStepLike(int code);
    CR8EditSFCItem* InsertAtCaret(int code, int number);
    void MoveCaretTo(int column, int row);

    // Shifting; both walk with their own stack, so a tall chart cannot
    // exhaust the call stack.
    bool ShiftDown(int column, int row, int stop);
    bool ShiftUp(int column, int row, int stop);

    bool SetItemText(CR8EditSFCItem* item, int index, const std::string& text);
    bool HasRefArea(const CR8EditSFCItem& item) const;
    void RepaintItem(const CR8EditSFCItem& item);

    std::unique_ptr<DetachedView> m_detached;
    CR8EditSFCDocView* m_view = nullptr;
    CR8EditSFCPrompt* m_prompt = nullptr;
    CR8EditSFCBeep* m_beep = nullptr;
    bool m_redoInProgress = false;
    CR8EditUndoRedo m_undoRedo;
};
