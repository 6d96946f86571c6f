// Numbers: renumbering the chart, entering an element's number, and the timer
// condition on a transition.
#include "chart/R8EditSFCDoc.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{

// Numbers from this on are the user's own and renumbering leaves them.
constexpr int RENUMBER_KEEP_FROM = 10000;

} // namespace

bool CR8EditSFCDoc::Renumber()
{
    // Read-only means no edits, renumbering included: a chart that is online
    // must keep the names the controller knows.
    if (IsReadOnly())
        return false;
    const auto& all = GetItems();
    if (std::any_of(all.begin(), all.end(), [](const auto& item) { return item->IsLocked(); }))
        return false;
    std::string before = BeforeText();

    // The elements column by column, each column from the top. Reading order
    // gives them row by row; a counting pass over the columns turns that
    // round without a sort (a chart past the grid's width is sorted).
    std::vector<std::pair<int, CR8EditSFCItem*>> cells;
    cells.reserve(all.size());
    GetCellIndex().VisitRange(0, 0, GetWidth(), GetHeight(),
                              [&cells](int c, int, CR8EditSFCItem* item)
                              {
                                  cells.emplace_back(c, item);
                                  return false;
                              });
    std::vector<std::pair<int, CR8EditSFCItem*>> byColumn(cells.size());
    if (GetWidth() < SFC_MAX_COLUMNS)
    {
        std::vector<std::size_t> next(static_cast<std::size_t>(GetWidth()) + 2, 0);
        for (const auto& cell : cells)
            ++next[static_cast<std::size_t>(cell.first) + 1];
        for (std::size_t c = 1; c < next.size(); ++c)
            next[c] += next[c - 1];
        for (const auto& cell : cells)
            byColumn[next[static_cast<std::size_t>(cell.first)]++] = cell;
    }
    else
    {
        byColumn = cells;
        std::stable_sort(byColumn.begin(), byColumn.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    std::int64_t last = 0;
    CR8EditSFCNumberMap map;
    for (std::size_t k = 0; k < byColumn.size();)
    {
        // The column starts at the first hundred-plus-one above every number
        // given so far (a column without elements gives none, so only those
        // with elements are visited).
        const int x = byColumn[k].first;
        std::int64_t start = std::int64_t{100} * x + 1;
        if (start <= last)
            start += 100 * ((last - start) / 100 + 1);
        std::int64_t stepCounter = start;
        std::int64_t transCounter = start;
        for (; k < byColumn.size() && byColumn[k].first == x; ++k)
        {
            CR8EditSFCItem* item = byColumn[k].second;
            if (item->GetNumber() >= RENUMBER_KEEP_FROM)
                continue;
            std::int64_t* counter = nullptr;
            if (item->IsStep())
                counter = &stepCounter;
            else if (item->IsTrans())
                counter = &transCounter;
            else
                continue;
            const int number = static_cast<int>(std::min<std::int64_t>(*counter, INT32_MAX));
            ++*counter;
            if (item->IsStep())
                map[item->GetNumber()] = item;
            TakeNumber(item->GetId(), number);
            // The highest number given so far, not merely the latest: a
            // column that ends in a transition must not let the next column
            // or the next insertion reuse its step numbers.
            last = std::max<std::int64_t>(last, number);
        }
    }
    std::vector<CR8EditSFCItem*> list;
    list.reserve(all.size());
    for (const auto& item : all)
        list.push_back(item.get());
    ApplyRenumbering(map, list);
    NotifyChanged();
    SetNextNumber(static_cast<int>(std::min<std::int64_t>(last + 1, INT32_MAX)));
    SaveUndoSnapshot(std::move(before));
    View().RepaintAll();
    return true;
}

bool CR8EditSFCDoc::EnterReference(int digit)
{
    if (IsReadOnly() || !View().IsOneCellSelection())
        return false;
    const CR8EditSFCItem* asked = GetSelItem();
    R8Rect area;
    if (!asked || asked->IsLocked() || !asked->GetRefRect(Geometry(), area) || !m_prompt)
        return false;
    const int id = asked->GetId();
    const int old = asked->GetNumber();
    int number = old;
    if (!m_prompt->AskNumber(View().GetWindowHandle(), area, digit, number))
        return false;
    // The dialog runs while the window lives on; the element must still be
    // the one at the caret, and the text before is the chart as it is now.
    CR8EditSFCItem* item = FindById(id);
    if (!item || item != GetSelItem() || item->IsLocked() || number == old || number < 0)
        return false;
    // Numbers are unique within their space (steps of all kinds, macro steps,
    // transitions); any number of jumps may name one step.
    const CR8EditSFCItem* holder = FindByNumber(item->GetType(), number);
    if (holder && holder != item && !holder->IsJump())
        return false;
    std::string before = BeforeText();
    SetNumber(id, number);
    // As for any number given explicitly, the counter never hands it out
    // again (a jump's number is its target's, not a number of its own).
    if (!item->IsJump() && number >= GetNextNumber())
        SetNextNumber(number == INT32_MAX ? number : number + 1);
    if (item->IsStep())
    {
        const CR8EditSFCNumberMap map{{old, item}};
        std::vector<CR8EditSFCItem*> list;
        for (const auto& element : GetItems())
            list.push_back(element.get());
        ApplyRenumbering(map, list);
    }
    NotifyChanged();
    SaveUndoSnapshot(std::move(before));
    View().RepaintAll();
    return true;
}

bool CR8EditSFCDoc::SetTimer()
{
    CR8EditSFCDocView& view = View();
    if (IsReadOnly() || !view.IsOneCellSelection())
        return false;
    const R8Point caret = view.GetCaret();
    const CR8EditSFCItem* predecessor = FindPredecessor(caret.x, caret.y);
    const int predecessorNumber = predecessor ? predecessor->GetNumber() : 0;
    if (!ItemAt(caret.x, caret.y))
    {
        if (!InsertElement(SFC_TRANS, caret.x, caret.y, GetNextNumber()))
            return false;
        MoveCaretTo(caret.x, caret.y);
    }
    const CR8EditSFCItem* asked = ItemAt(caret.x, caret.y);
    R8Rect area;
    if (!asked || !asked->IsTrans() || asked->IsLocked() || !m_prompt ||
        !asked->GetRefRect(Geometry(), area))
        return false;
    const int id = asked->GetId();
    int duration = 0;
    if (!m_prompt->AskNumber(view.GetWindowHandle(), area, -1, duration))
        return false;
    CR8EditSFCItem* trans = FindById(id);
    if (!trans || trans != ItemAt(caret.x, caret.y) || trans->IsLocked())
        return false;
    std::int64_t step = predecessor ? predecessorNumber : std::int64_t{trans->GetNumber()} - 1;
    if (step < 1)
        step = 1;
    const std::string condition =
        "GS" + std::to_string(static_cast<int>(step)) + ".T>t#" + std::to_string(duration) + "ms";
    return SetItemText(trans, SFC_TEXT_MAIN, condition);
}
