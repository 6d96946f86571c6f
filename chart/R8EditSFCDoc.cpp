// The document's frame: the view it edits through, the change frame, undo and
// redo, texts, locks, bookmarks and the queries on the selection.
#include "chart/R8EditSFCDoc.h"

#include "chart/R8EditSFCItemNote.h"

#include <unordered_map>

// Stands in for the view while the window has none: a caret of its own and a
// plain cell geometry, so the document works (and is testable) without one.
class CR8EditSFCDoc::DetachedView : public CR8EditSFCDocView, public CR8EditSFCItemView
{
public:
    R8Point GetCaret() const override { return m_caret; }
    R8Point GetAnchor() const override { return m_caret; }
    void SetCaret(int column, int row) override { m_caret = {column, row}; }
    void ScrollCaretIntoView() override {}
    void RepaintCell(int, int) override {}
    void RepaintAll() override {}
    std::intptr_t GetWindowHandle() const override { return 0; }
    const CR8EditSFCItemView* GetGeometry() const override { return this; }

    int GetCellWidth() const override { return 50; }
    int GetCellHeight() const override { return 50; }
    R8Rect GetCellRect(int column, int row) const override
    {
        return {column * 50, row * 50, column * 50 + 50, row * 50 + 50};
    }
    int GetTextBoxWidth(std::string_view text) const override
    {
        return static_cast<int>(text.size()) * 6;
    }
    int GetDisplayMode() const override { return 0; }

private:
    R8Point m_caret;
};

CR8EditSFCDoc::CR8EditSFCDoc() : m_detached(std::make_unique<DetachedView>()) {}

CR8EditSFCDoc::~CR8EditSFCDoc() = default;

void CR8EditSFCDoc::SetView(CR8EditSFCDocView* view)
{
    m_view = view;
}

CR8EditSFCDocView& CR8EditSFCDoc::View() const
{
    return m_view ? *m_view : *m_detached;
}

const CR8EditSFCItemView& CR8EditSFCDoc::Geometry() const
{
    const CR8EditSFCItemView* geometry = View().GetGeometry();
    return geometry ? *geometry : *m_detached;
}

std::uint16_t CR8EditSFCDoc::Word(int column, int row) const
{
    std::uint16_t word = GetLink(column, row);
    if (ItemAt(column, row))
        word |= LINK_USED;
    return word;
}

// --- change frame ---

std::string CR8EditSFCDoc::BeforeText()
{
    std::string text = m_undoRedo.TakeSpareText();
    SaveToString(nullptr, text);
    return text;
}

void CR8EditSFCDoc::Rebuild()
{
    RecomputeExtent();
    RebuildMatrix();
}

void CR8EditSFCDoc::NotifyChanged()
{
    SetModified(true);
    if (CR8EditSFCChangeTarget* target = GetChangeTarget())
    {
        std::string text = m_undoRedo.TakeSpareText();
        SaveToString(nullptr, text);
        target->ChangeProgram(text);
        m_undoRedo.KeepSpareText(std::move(text));
    }
}

void CR8EditSFCDoc::FinishChange()
{
    Rebuild();
    NotifyChanged();
}

void CR8EditSFCDoc::MoveCaretTo(int column, int row)
{
    CR8EditSFCDocView& view = View();
    view.SetCaret(column, row);
    view.ScrollCaretIntoView();
}

void CR8EditSFCDoc::RepaintItem(const CR8EditSFCItem& item)
{
    View().RepaintCell(item.GetColumn(), item.GetRow());
}

// --- undo and redo ---

bool CR8EditSFCDoc::SaveUndoSnapshot(std::string text)
{
    CR8EditUndoCommand command;
    command.SetSnapshot(std::move(text));
    m_undoRedo.RecordUndo(std::move(command), false);
    return true;
}

bool CR8EditSFCDoc::UndoRedoStep(bool undo)
{
    CR8EditUndoCommand command;
    bool popped = false;
    if (undo)
        popped = m_undoRedo.PopUndo(&command);
    else
    {
        m_redoInProgress = true;
        popped = m_undoRedo.PopRedo(&command);
    }
    if (!popped)
    {
        m_redoInProgress = false;
        return false;
    }
    const bool applied = ApplyUndoCommand(command);
    m_redoInProgress = false;
    if (applied)
        NotifyChanged();
    return applied;
}

bool CR8EditSFCDoc::ApplyUndoCommand(CR8EditUndoCommand& command)
{
    std::string current = m_undoRedo.TakeSpareText();
    SaveToString(nullptr, current);
    bool applied = false;
    if (command.IsApplicable())
    {
        // Locks and bookmarks are run-time state that no text carries; they
        // stay with the elements (by key) that the snapshot brings back, so
        // an undo cannot unlock an element the workbench has locked.
        std::unordered_map<std::uint32_t, std::pair<bool, bool>> state;
        for (const auto& item : GetItems())
        {
            if (item->IsLocked() || item->IsBookmark())
                state[item->GetKey()] = {item->IsLocked(), item->IsBookmark()};
        }
        LoadFromText(command.GetText());
        for (const auto& item : GetItems())
        {
            const auto found = state.find(item->GetKey());
            if (found == state.end())
                continue;
            if (found->second.first)
                item->SetLock(1);
            if (found->second.second)
                item->ToggleBookmark();
        }
        // The snapshot just loaded is done with; its room serves the next one.
        m_undoRedo.KeepSpareText(command.TakeText());
        command.SetText(std::move(current));
        applied = true;
    }
    else
        m_undoRedo.KeepSpareText(std::move(current));
    if (m_redoInProgress)
        m_undoRedo.RecordUndo(std::move(command), true);
    else
        m_undoRedo.RecordRedo(std::move(command));
    return applied;
}

// --- texts ---

bool CR8EditSFCDoc::SetItemText(CR8EditSFCItem* item, int index, const std::string& text)
{
    if (IsReadOnly())
        return false;
    std::string before = BeforeText();
    if (item)
    {
        item->SetText(index, text);
        RepaintItem(*item);
        NotifyChanged();
    }
    SaveUndoSnapshot(std::move(before));
    return item != nullptr;
}

bool CR8EditSFCDoc::SetElementText(int code, int number, int index, const std::string& text)
{
    if (IsReadOnly())
        return false;
    return SetItemText(FindNumbered(code, number), index, text);
}

std::string CR8EditSFCDoc::GetElementText(int code, int number, int index) const
{
    const CR8EditSFCItem* item = FindNumbered(code, number);
    return item ? item->GetText(index) : std::string();
}

int CR8EditSFCDoc::GetElementLanguage(int code, int number, int index) const
{
    const CR8EditSFCItem* item = FindNumbered(code, number);
    return item ? item->GetLanguage(index) : 0;
}

// --- style ---

bool CR8EditSFCDoc::SwapStyleAt(int column, int row)
{
    if (IsReadOnly())
        return false;
    std::string before = BeforeText();
    bool swapped = false;
    if (CR8EditSFCItem* item = ItemAt(column, row))
    {
        swapped = SwapItemStyle(item->GetId());
        if (swapped)
        {
            RebuildMatrix();
            NotifyChanged();
            View().RepaintAll();
        }
    }
    SaveUndoSnapshot(std::move(before));
    return swapped;
}

bool CR8EditSFCDoc::CanSwapStyle() const
{
    const R8Point caret = View().GetCaret();
    const CR8EditSFCItem* item = ItemAt(caret.x, caret.y);
    return !IsReadOnly() && item && item->CanSwapStyle();
}

// --- locks and bookmarks ---

void CR8EditSFCDoc::LockElement(bool locked, int code, int number)
{
    if (CR8EditSFCItem* item = FindNumbered(code, number))
    {
        item->SetLock(locked ? 1 : 0);
        RepaintItem(*item);
    }
}

void CR8EditSFCDoc::LockAtCaret(bool locked)
{
    const R8Point caret = View().GetCaret();
    if (CR8EditSFCItem* item = ItemAt(caret.x, caret.y))
    {
        item->SetLock(locked ? 1 : 0);
        RepaintItem(*item);
    }
}

bool CR8EditSFCDoc::IsElementLock(int code, int number) const
{
    const CR8EditSFCItem* item = FindNumbered(code, number);
    return item && item->IsLocked();
}

void CR8EditSFCDoc::SetBookmark(bool set)
{
    CR8EditSFCItem* item = GetSelItem();
    if (item && item->IsBookmark() != set)
    {
        item->ToggleBookmark();
        RepaintItem(*item);
    }
}

void CR8EditSFCDoc::ToggleBookmark()
{
    if (CR8EditSFCItem* item = GetSelItem())
    {
        item->ToggleBookmark();
        RepaintItem(*item);
    }
}

bool CR8EditSFCDoc::ClearBookmarks()
{
    bool any = false;
    for (const auto& item : GetItems())
    {
        if (item->IsBookmark())
        {
            item->ToggleBookmark();
            any = true;
        }
    }
    if (any)
        View().RepaintAll();
    return any;
}

bool CR8EditSFCDoc::IsBookmark() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return item && item->IsBookmark();
}

bool CR8EditSFCDoc::NextBookmark()
{
    const R8Point caret = View().GetCaret();
    const CR8EditSFCItem* found = FindNext(ItemAt(caret.x, caret.y), true, 1);
    if (!found)
        return false;
    MoveCaretTo(found->GetColumn(), found->GetRow());
    return true;
}

bool CR8EditSFCDoc::PreviousBookmark()
{
    const R8Point caret = View().GetCaret();
    const CR8EditSFCItem* found = FindPrevious(ItemAt(caret.x, caret.y), true, 1);
    if (!found)
        return false;
    MoveCaretTo(found->GetColumn(), found->GetRow());
    return true;
}

// --- queries ---

CR8EditSFCItem* CR8EditSFCDoc::GetSelItem() const
{
    const CR8EditSFCDocView& view = View();
    if (!view.IsOneCellSelection())
        return nullptr;
    const R8Point caret = view.GetCaret();
    return ItemAt(caret.x, caret.y);
}

bool CR8EditSFCDoc::HasRefArea(const CR8EditSFCItem& item) const
{
    R8Rect area;
    return item.GetRefRect(Geometry(), area);
}

bool CR8EditSFCDoc::CanCut() const
{
    const CR8EditSFCDocView& view = View();
    const R8Rect cells = view.GetSelection();
    bool any = false;
    const bool locked = GetCellIndex().VisitRange(cells.left, cells.top, cells.right, cells.bottom,
                                                  [&any](int, int, CR8EditSFCItem* item)
                                                  {
                                                      any = true;
                                                      return item->IsLocked();
                                                  });
    if (locked)
        return false;
    if (any)
        return true;
    const R8Point caret = view.GetCaret();
    return view.IsOneCellSelection() && GetLink(caret.x, caret.y) != 0;
}

bool CR8EditSFCDoc::CanEditSelCode() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return !IsReadOnly() && item && !item->IsLocked() && item->HasCode();
}

bool CR8EditSFCDoc::CanEnterSelRef() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return !IsReadOnly() && item && HasRefArea(*item);
}

int CR8EditSFCDoc::GetSelRefNum() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return item ? item->GetNumber() : 0;
}

int CR8EditSFCDoc::IsSelStep() const
{
    const CR8EditSFCItem* item = GetSelItem();
    if (!item)
        return 0;
    const int t = item->GetType();
    const bool step =
        t == SFC_STEP || t == SFC_END_STEP || t == SFC_BEGIN_STEP || t == SFC_INIT_STEP;
    return step ? item->GetNumber() : 0;
}

int CR8EditSFCDoc::IsSelTrans() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return item && item->IsTrans() ? item->GetNumber() : 0;
}

int CR8EditSFCDoc::IsSelMacro() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return item && item->IsMacro() ? item->GetNumber() : 0;
}

int CR8EditSFCDoc::IsSelComment() const
{
    const CR8EditSFCItem* item = GetSelItem();
    return item && item->IsNote() ? item->GetNumber() : 0;
}

int CR8EditSFCDoc::ActivateAtCaret()
{
    if (IsReadOnly())
        return 0;
    CR8EditSFCItem* item = GetSelItem();
    if (!item)
        return 0;
    if (item->EditsByReference())
    {
        EnterReference(-1);
        return 1;
    }
    if (item->IsNote())
    {
        CR8NoteBox* box = static_cast<CR8EditSFCItemNote*>(item)->GetNoteBox();
        return box ? box->Edit() : 0;
    }
    return 0;
}
