#include "chart/R8EditSFCDocData.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

namespace
{

bool Before(int rowA, int columnA, int rowB, int columnB)
{
    return rowA < rowB || (rowA == rowB && columnA < columnB);
}

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
    std::int64_t width = 0;
    std::int64_t height = 0;
    for (const auto& item : GetItems())
    {
        width = std::max<std::int64_t>(width, std::int64_t{item->GetColumn()} + 1);
        height = std::max<std::int64_t>(height, std::int64_t{item->GetRow()} + 1);
    }
    constexpr std::int64_t most = std::numeric_limits<int>::max();
    m_width = static_cast<int>(std::min(width, most));
    m_height = static_cast<int>(std::min(height, most));
}

void CR8EditSFCDocData::RebuildMatrix()
{
    m_chart.Reset(m_width, m_height);
    for (const auto& item : GetItems())
        m_chart.Set(item->GetColumn(), item->GetRow(), static_cast<std::uint16_t>(item->GetType()));
    m_chart.ComputeLinks();
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
    const int width = m_chart.GetWidth();
    const int height = m_chart.GetHeight();
    // One pending walk along a horizontal line.
    struct Walk
    {
        int row;
        int column;
    };
    std::vector<Walk> walks;
    std::unordered_set<std::uint64_t> entered;
    bool found = false;

    // From a cell down to what follows it: appends a boxed element or starts a
    // walk along the line below.
    auto enter = [&](int c, int r)
    {
        const std::uint64_t key =
            (std::uint64_t{static_cast<std::uint32_t>(c)} << 32) | static_cast<std::uint32_t>(r);
        if (!entered.insert(key).second)
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
            if (CR8EditSFCItem* item = ItemAt(c, below))
                list.push_back(item);
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
// element in reading order before or after the start cell.
CR8EditSFCItem* CR8EditSFCDocData::FindNext(const CR8EditSFCItem* from, bool wrap, int filter) const
{
    CR8EditSFCItem* after = nullptr;
    CR8EditSFCItem* first = nullptr;
    for (const auto& [key, item] : GetPositionIndex())
    {
        const int c = item->GetColumn();
        const int r = item->GetRow();
        if (c < 0 || c > m_width || r < 0 || r > m_height || !PassesFilter(*item, filter))
            continue;
        if (from && !Before(from->GetRow(), from->GetColumn(), r, c))
        {
            if (Before(r, c, from->GetRow(), from->GetColumn()) &&
                (!first || Before(r, c, first->GetRow(), first->GetColumn())))
                first = item;
            continue;
        }
        if (!after || Before(r, c, after->GetRow(), after->GetColumn()))
            after = item;
    }
    if (after)
        return after;
    return wrap ? first : nullptr;
}

CR8EditSFCItem* CR8EditSFCDocData::FindPrevious(const CR8EditSFCItem* from, bool wrap,
                                                int filter) const
{
    CR8EditSFCItem* before = nullptr;
    CR8EditSFCItem* last = nullptr;
    for (const auto& [key, item] : GetPositionIndex())
    {
        const int c = item->GetColumn();
        const int r = item->GetRow();
        if (c < 0 || c > m_width || r < 0 || r > m_height || !PassesFilter(*item, filter))
            continue;
        if (from && !Before(r, c, from->GetRow(), from->GetColumn()))
        {
            if (Before(from->GetRow(), from->GetColumn(), r, c) &&
                (!last || Before(last->GetRow(), last->GetColumn(), r, c)))
                last = item;
            continue;
        }
        if (!before || Before(before->GetRow(), before->GetColumn(), r, c))
            before = item;
    }
    if (before)
        return before;
    return wrap ? last : nullptr;
}

std::vector<CR8EditSFCItem*> CR8EditSFCDocData::ItemsInRange(const R8Rect& range) const
{
    // Sorting plain (row, column) keys keeps the comparisons in cache; the
    // elements themselves are touched once more only to be listed.
    std::vector<std::pair<std::uint64_t, CR8EditSFCItem*>> keyed;
    keyed.reserve(GetPositionIndex().size());
    for (const auto& [key, item] : GetPositionIndex())
    {
        const int c = item->GetColumn();
        const int r = item->GetRow();
        if (c >= range.left && c <= range.right && r >= range.top && r <= range.bottom)
            keyed.emplace_back((static_cast<std::uint64_t>(static_cast<std::uint32_t>(r)) << 32) |
                                   static_cast<std::uint32_t>(c),
                               item);
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CR8EditSFCItem*> items;
    items.reserve(keyed.size());
    for (const auto& entry : keyed)
        items.push_back(entry.second);
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
    // Once round the chart in reading order from the start element.
    const std::vector<CR8EditSFCItem*> order = ItemsInRange({0, 0, m_width, m_height});
    const auto next = std::find_if(
        order.begin(), order.end(),
        [start](const CR8EditSFCItem* item)
        { return Before(start->GetRow(), start->GetColumn(), item->GetRow(), item->GetColumn()); });
    const std::size_t from = static_cast<std::size_t>(next - order.begin());
    for (std::size_t i = 0; i < order.size(); ++i)
    {
        CR8EditSFCItem* item = order[(from + i) % order.size()];
        if (item == start)
            break;
        if (item->MatchFind(record))
            return item;
    }
    return nullptr;
}
