#include "chart/R8EditSFCDocData.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>
#include <unordered_set>

namespace
{

// Cells a walk entered. A walk enters one or a few cells, so a short list is
// searched in place; a long line of branches switches to hashing.
class EnteredCells
{
public:
    // True when the key is new.
    bool Insert(std::uint64_t key)
    {
        if (!m_many.empty())
            return m_many.insert(key).second;
        if (std::find(m_few.begin(), m_few.end(), key) != m_few.end())
            return false;
        m_few.push_back(key);
        if (m_few.size() > 32)
            m_many.insert(m_few.begin(), m_few.end());
        return true;
    }

private:
    std::vector<std::uint64_t> m_few;
    std::unordered_set<std::uint64_t> m_many;
};

bool PassesFilter(const CR8EditSFCItem& item, int filter)
{
    return filter == 0 || ((filter & 1) && item.IsBookmark()) ||
           ((filter & 2) && item.IsOnlineStateA());
}

} // namespace

std::uint32_t CR8EditSFCDocData::TakeNextKey()
{
    if (m_nextKey == 0)
        m_nextKey = 1;
    return m_nextKey++;
}

void CR8EditSFCDocData::RecomputeExtent()
{
    // The cell index holds every element's cell unless the chart is irregular.
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (!HasIrregularCells())
        std::tie(width, height) = GetCellIndex().Extent();
    else
    {
        for (const auto& item : GetItems())
        {
            width = std::max<std::int64_t>(width, std::int64_t{item->GetColumn()} + 1);
            height = std::max<std::int64_t>(height, std::int64_t{item->GetRow()} + 1);
        }
    }
    constexpr std::int64_t most = std::numeric_limits<int>::max();
    m_width = static_cast<int>(std::min(width, most));
    m_height = static_cast<int>(std::min(height, most));
}

void CR8EditSFCDocData::RebuildMatrix()
{
    m_chart.Reset(m_width, m_height);
    // From the index's codes alone; an irregular chart (where a later element
    // on a shared cell wins) is read from the elements in their order.
    if (!HasIrregularCells())
        GetCellIndex().VisitCodes([this](int c, int r, std::uint16_t code) { m_chart.Set(c, r, code); });
    else
    {
        for (const auto& item : GetItems())
            m_chart.Set(item->GetColumn(), item->GetRow(), static_cast<std::uint16_t>(item->GetType()));
    }
    m_chart.ComputeLinks();
}

bool CR8EditSFCDocData::RelinkMovedDown(const CR8EditSFCItem& item, int fromRow)
{
    const int column = item.GetColumn();
    const int row = item.GetRow();
    if (HasIrregularCells() || m_chart.GetWidth() != m_width || m_chart.GetHeight() != m_height ||
        fromRow < 0 || row != fromRow + 1 || row >= SFC_MAX_ROWS || column < 0 ||
        column >= m_width)
        return false;
    // Moving down never narrows the chart and can only make it taller.
    if (row >= m_height)
    {
        m_height = row + 1;
        m_chart.ResizeRows(m_height);
    }
    m_chart.Set(column, fromRow, 0);
    m_chart.Set(column, row, static_cast<std::uint16_t>(item.GetType()));
    m_chart.RelinkColumnAround(column, fromRow, row);
    m_chart.RelinkRow(fromRow, RowCodes(fromRow));
    m_chart.RelinkRow(row, RowCodes(row));
    return true;
}

std::vector<std::pair<int, std::uint16_t>> CR8EditSFCDocData::RowCodes(int row) const
{
    std::vector<std::pair<int, std::uint16_t>> codes;
    GetCellIndex().VisitRange(0, row, std::int64_t{m_chart.GetWidth()} - 1, row,
                              [&codes](int c, int, const CR8EditSFCItem* element)
                              {
                                  codes.emplace_back(c, static_cast<std::uint16_t>(element->GetType()));
                                  return false;
                              });
    return codes;
}

void CR8EditSFCDocData::Clear()
{
    RemoveAll();
    m_width = 0;
    m_height = 0;
}

bool CR8EditSFCDocData::CollectSuccessors(int column, int row,
                                          std::vector<CR8EditSFCItem*>& list) const
{
    std::vector<CR8EditSFCCellIndex::Cell> cells;
    const bool found = CollectSuccessorCells(column, row, cells);
    for (const auto& cell : cells)
        list.push_back(cell.item);
    return found;
}

bool CR8EditSFCDocData::CollectSuccessorCells(int column, int row,
                                              std::vector<CR8EditSFCCellIndex::Cell>& list) const
{
    const int width = m_chart.GetWidth();
    const int height = m_chart.GetHeight();
    // One pending walk along a horizontal line.
    struct Walk
    {
        int row;
        int column;
    };
    std::vector<Walk> walks;
    EnteredCells entered;
    bool found = false;

    // From a cell down to what follows it: appends a boxed element or starts a
    // walk along the line below.
    auto enter = [&](int c, int r)
    {
        const std::uint64_t key =
            (std::uint64_t{static_cast<std::uint32_t>(c)} << 32) | static_cast<std::uint32_t>(r);
        if (!entered.Insert(key))
            return;
        if (!(GetLink(c, r) & LINK_DOWN))
            return;
        int below = r + 1;
        while (below < height && !(GetLink(c, below) & LINK_USED))
            ++below;
        const std::uint16_t w = GetLink(c, below);
        if (below >= height || !(w & LINK_UP))
            return;
        if (w & LINK_BOX)
        {
            if (const CR8EditSFCCellIndex::Cell* cell = GetCellIndex().Lookup(c, below))
                list.push_back(*cell);
            found = true;
            return;
        }
        if (!(w & LINK_HLINE))
            return;
        int start = c;
        if (!(w & LINK_DOWN))
        {
            // A convergence input: the line starts at the partner it joins.
            for (int x = c - 1; x >= 0; --x)
            {
                const std::uint16_t v = GetLink(x, below);
                if (v & LINK_BOX)
                    break;
                if (v & LINK_TO_RIGHT)
                {
                    start = x;
                    if (!(v & LINK_FROM_LEFT))
                        break;
                }
            }
        }
        walks.push_back({below, start});
    };

    enter(column, row);
    while (!walks.empty())
    {
        Walk& walk = walks.back();
        const int x = walk.column;
        const int r = walk.row;
        const std::uint16_t w = GetLink(x, r);
        if (x >= width || (w & LINK_BOX) || !(w & LINK_HLINE))
        {
            walks.pop_back();
            continue;
        }
        const std::uint16_t next = GetLink(x + 1, r);
        if ((w & LINK_TO_RIGHT) && x + 1 < width && (next & LINK_USED) && !(next & LINK_FROM_LEFT))
            walks.pop_back();
        else
            ++walk.column;
        // The walk resumes after what hangs below this cell is collected.
        if (w & LINK_DOWN)
            enter(x, r);
    }
    return found;
}

CR8EditSFCItem* CR8EditSFCDocData::FindPredecessor(int column, int row) const
{
    if (row < 1 || column < 0)
        return nullptr;
    for (int r = row - 1; r >= 0; --r)
    {
        const std::uint16_t w = GetLink(column, r);
        if (w & LINK_USED)
            return (w & LINK_DOWN) ? ItemAt(column, r) : nullptr;
    }
    return nullptr;
}

CR8EditSFCItem* CR8EditSFCDocData::FindChainTop(int column, int row) const
{
    CR8EditSFCItem* top = nullptr;
    while (CR8EditSFCItem* above = FindPredecessor(column, row))
    {
        top = above;
        column = above->GetColumn();
        row = above->GetRow();
    }
    return top;
}

bool CR8EditSFCDocData::IsFollowedByStep(int column, int row) const
{
    std::vector<CR8EditSFCItem*> next;
    CollectSuccessors(column, row, next);
    return std::any_of(next.begin(), next.end(),
                       [](const CR8EditSFCItem* item)
                       {
                           const int t = item->GetType();
                           return t == SFC_MACRO || t == SFC_END_STEP || t == SFC_STEP ||
                                  t == SFC_JUMP || t == SFC_INIT_STEP;
                       });
}

bool CR8EditSFCDocData::IsFollowedByTrans(int column, int row) const
{
    std::vector<CR8EditSFCItem*> next;
    CollectSuccessors(column, row, next);
    return std::any_of(next.begin(), next.end(),
                       [](const CR8EditSFCItem* item) { return item->GetType() == SFC_TRANS; });
}

// The scans of the grid cell by cell come down to the nearest reachable
// element in reading order before or after the start cell, over the grid
// plus one empty row and column.
bool CR8EditSFCDocData::VisitGrid(std::int64_t left, std::int64_t top, std::int64_t right,
                                  std::int64_t bottom,
                                  const CellVisit& visit) const
{
    return GetCellIndex().VisitCellRange(
        std::max<std::int64_t>(left, 0), std::max<std::int64_t>(top, 0),
        std::min<std::int64_t>(right, m_width), std::min<std::int64_t>(bottom, m_height),
        [&visit](int, int, const CR8EditSFCCellIndex::Cell& cell) { return visit(cell); });
}

bool CR8EditSFCDocData::VisitAfter(const CR8EditSFCItem& from, const CellVisit& visit) const
{
    const std::int64_t c = from.GetColumn();
    const std::int64_t r = from.GetRow();
    return VisitGrid(c + 1, r, m_width, r, visit) || VisitGrid(0, r + 1, m_width, m_height, visit);
}

bool CR8EditSFCDocData::VisitBefore(const CR8EditSFCItem& from, bool inclusive,
                                    const CellVisit& visit) const
{
    const std::int64_t c = from.GetColumn();
    const std::int64_t r = from.GetRow();
    return VisitGrid(0, 0, m_width, r - 1, visit) ||
           VisitGrid(0, r, inclusive ? c : c - 1, r, visit);
}

CR8EditSFCItem* CR8EditSFCDocData::FindNext(const CR8EditSFCItem* from, bool wrap, int filter) const
{
    CR8EditSFCItem* found = nullptr;
    const auto take = [&found, filter](const CR8EditSFCCellIndex::Cell& cell)
    {
        if (!PassesFilter(*cell.item, filter))
            return false;
        found = cell.item;
        return true;
    };
    if (!from)
    {
        VisitGrid(0, 0, m_width, m_height, take);
        return found;
    }
    if (VisitAfter(*from, take))
        return found;
    if (wrap)
        VisitBefore(*from, false, take);
    return found;
}

CR8EditSFCItem* CR8EditSFCDocData::FindPrevious(const CR8EditSFCItem* from, bool wrap,
                                                int filter) const
{
    // The last one passing in the region wins.
    CR8EditSFCItem* found = nullptr;
    const auto keep = [&found, filter](const CR8EditSFCCellIndex::Cell& cell)
    {
        if (PassesFilter(*cell.item, filter))
            found = cell.item;
        return false;
    };
    if (!from)
    {
        VisitGrid(0, 0, m_width, m_height, keep);
        return found;
    }
    VisitBefore(*from, false, keep);
    if (!found && wrap)
        VisitAfter(*from, keep);
    return found;
}

std::vector<CR8EditSFCItem*> CR8EditSFCDocData::ItemsInRange(const R8Rect& range) const
{
    std::vector<CR8EditSFCItem*> items;
    GetCellIndex().VisitRange(range.left, range.top, range.right, range.bottom,
                              [&items](int, int, CR8EditSFCItem* item)
                              {
                                  items.push_back(item);
                                  return false;
                              });
    return items;
}

CR8EditSFCItem* CR8EditSFCDocData::Find(const R8SFCFindRecord& record, const R8Rect& selection,
                                        R8Point caret) const
{
    const R8Rect cells{
        std::min(selection.left, selection.right), std::min(selection.top, selection.bottom),
        std::max(selection.left, selection.right), std::max(selection.top, selection.bottom)};
    CR8EditSFCItem* start = nullptr;
    if (!ItemsInRange(cells).empty())
    {
        if (cells.left != cells.right || cells.top != cells.bottom)
            return nullptr;
        start = ItemAt(caret.x, caret.y);
        if (!start)
            return nullptr;
        if ((record.command & 0x11) == 0x11 && start->MatchFind(record))
            return start;
    }
    else
    {
        start = FindNext(nullptr, true, 0);
        if (!start)
            return nullptr;
        if (start->MatchFind(record))
            return start;
    }
    // Once round the chart in reading order from the start element: what
    // follows it, then from the top back to it. The test needs only each
    // cell's code and number, which the index holds: no element is read.
    CR8EditSFCItem* hit = nullptr;
    const auto match = [&](const CR8EditSFCCellIndex::Cell& cell)
    {
        if (cell.item == start)
            return true;
        if (SFCMatchElement(record, cell.code, cell.number))
            hit = cell.item;
        return hit != nullptr;
    };
    if (!VisitAfter(*start, match))
        VisitBefore(*start, true, match);
    return hit;
}
