// Inserting elements: making room in a column (with the horizontal line a
// cell belongs to) and the insert commands with their follow-ups.
#include "chart/R8EditSFCDoc.h"

#include <vector>

namespace
{

constexpr std::uint16_t USED_OR_LINE = LINK_USED | LINK_HLINE;

} // namespace

// Moves the element at (column, row) one row down with everything below it in
// its column and, when it stands on a horizontal line, the whole line with
// its branches. Each shifted cell first shifts the line cells to its right
// and what stands below it, and the matrix is brought up to date after each
// cell, so the walks read the chart as it is at that moment. Elements that
// would pass the last row are put back and the answer is false.
bool CR8EditSFCDoc::ShiftDown(int column, int row, int stop)
{
    // The matrix is rebuilt whole once, then kept current by relinking only
    // what each move touched (a rebuild per moved cell would make an insert
    // cost the chart's size times the column's length).
    bool current = false;
    const auto bringUpToDate = [this, &current](const CR8EditSFCItem* moved, int fromRow)
    {
        if (current && (!moved || RelinkMovedDown(*moved, fromRow)))
            return;
        Rebuild();
        current = true;
    };
    struct Frame
    {
        int c;
        int r;
        int stop;
        int a = 0;
        int phase = 0;
        int x = 0;
    };
    std::vector<Frame> frames{{column, row, stop}};
    std::vector<int> moved;

    while (!frames.empty())
    {
        Frame& f = frames.back();
        if (f.phase == 0)
        {
            const std::uint16_t w = Word(f.c, f.r);
            if (!(w & USED_OR_LINE))
            {
                bringUpToDate(nullptr, 0);
                frames.pop_back();
                continue;
            }
            // The anchor is the line's main node when the cell lies on a line.
            f.a = f.c;
            if (w & (LINK_FROM_LEFT | LINK_HLINE))
            {
                for (int x = f.c - 1; x != f.stop && x >= 0; --x)
                {
                    const std::uint16_t v = Word(x, f.r);
                    if (v & LINK_BOX)
                        break;
                    if ((v & LINK_USED) && !(v & LINK_FROM_LEFT))
                    {
                        f.a = x;
                        break;
                    }
                }
            }
            const std::uint16_t anchor = Word(f.a, f.r);
            f.x = f.a + 1;
            f.phase = (anchor & (LINK_TO_RIGHT | LINK_HLINE)) ? 1 : 2;
            continue;
        }
        if (f.phase == 1)
        {
            // Along the line to the right: every line cell goes down first.
            if (f.x >= GetChart().GetWidth())
            {
                f.phase = 2;
                continue;
            }
            const int x = f.x++;
            const std::uint16_t v = Word(x, f.r);
            if ((v & LINK_USED) && !(v & LINK_FROM_LEFT))
            {
                f.phase = 2;
                continue;
            }
            if (v & (LINK_FROM_LEFT | LINK_HLINE))
            {
                const Frame child{x, f.r, f.a};
                frames.push_back(child);
            }
            continue;
        }
        if (f.phase == 2)
        {
            f.phase = 3;
            if (Word(f.a, f.r + 1) & USED_OR_LINE)
            {
                const Frame child{f.a, f.r + 1, f.a};
                frames.push_back(child);
            }
            continue;
        }
        CR8EditSFCItem* shifted = nullptr;
        if (CR8EditSFCItem* item = ItemAt(f.a, f.r))
        {
            if (!ItemAt(f.a, f.r + 1))
            {
                MoveItem(item->GetId(), f.a, f.r + 1);
                moved.push_back(item->GetId());
                shifted = item;
            }
        }
        bringUpToDate(shifted, f.r);
        frames.pop_back();
    }

    bool fits = true;
    for (int id : moved)
    {
        const CR8EditSFCItem* item = FindById(id);
        if (item && item->GetRow() >= SFC_MAX_ROWS)
            fits = false;
    }
    if (fits)
        return true;
    // Saved, such an element would be skipped when the chart is read again.
    for (auto id = moved.rbegin(); id != moved.rend(); ++id)
    {
        if (const CR8EditSFCItem* item = FindById(*id))
            MoveItem(*id, item->GetColumn(), item->GetRow() - 1);
    }
    Rebuild();
    return false;
}

bool CR8EditSFCDoc::MakeRoom(int column, int row)
{
    if (IsReadOnly())
        return false;
    std::string before = BeforeText();
    if (ItemAt(column, row))
    {
        if (!ShiftDown(column, row, column))
            return false;
        NotifyChanged();
    }
    SaveUndoSnapshot(std::move(before));
    return true;
}

CR8EditSFCItem* CR8EditSFCDoc::InsertElement(int code, int column, int row, int number)
{
    if (IsReadOnly() || !SFCCellInLimits(column, row))
        return nullptr;
    if (!MakeRoom(column, row))
        return nullptr;
    // An element that the shift could not move keeps its cell.
    if (ItemAt(column, row))
        return nullptr;
    CR8EditSFCItem* item = AddItem(code, number, column, row, GetNoteParent());
    item->SetKey(TakeNextKey());
    FinishChange();
    if (code != SFC_JUMP)
        MoveCaretTo(column, row + 1 < SFC_MAX_ROWS ? row + 1 : row);
    return item;
}

CR8EditSFCItem* CR8EditSFCDoc::InsertAtCaret(int code, int number)
{
    const R8Point caret = View().GetCaret();
    return InsertElement(code, caret.x, caret.y, number);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertStepLike(int code)
{
    CR8EditSFCItem* item = InsertAtCaret(code, GetNextNumber());
    if (item && IsFollowedByStep(item->GetColumn(), item->GetRow()))
        InsertAtCaret(SFC_TRANS, GetNextNumber());
    return item;
}

CR8EditSFCItem* CR8EditSFCDoc::InsertStep()
{
    return InsertStepLike(SFC_STEP);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertInitStep()
{
    return InsertStepLike(SFC_INIT_STEP);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertMacro()
{
    return InsertStepLike(SFC_MACRO);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertTrans()
{
    CR8EditSFCItem* item = InsertAtCaret(SFC_TRANS, GetNextNumber());
    if (item && IsFollowedByTrans(item->GetColumn(), item->GetRow()))
        InsertAtCaret(SFC_STEP, GetNextNumber());
    return item;
}

CR8EditSFCItem* CR8EditSFCDoc::InsertMacroBody()
{
    CR8EditSFCItem* begin = InsertAtCaret(SFC_BEGIN_STEP, GetNextNumber());
    if (begin && InsertAtCaret(SFC_TRANS, GetNextNumber()))
        InsertAtCaret(SFC_END_STEP, GetNextNumber());
    return begin;
}

CR8EditSFCItem* CR8EditSFCDoc::InsertMainDiv()
{
    return InsertAtCaret(SFC_NODE, 0);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertDiv()
{
    return InsertAtCaret(SFC_DIVERGENCE, 0);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertCnv()
{
    return InsertAtCaret(SFC_CONVERGENCE, 0);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertJump()
{
    return InsertAtCaret(SFC_JUMP, 0);
}

CR8EditSFCItem* CR8EditSFCDoc::InsertComment()
{
    return InsertAtCaret(SFC_NOTE, GetNextNumber());
}
