// Elements by cell, kept in reading order (rows, then columns): one sorted
// list of (column, element, code, number) per row. Walks over a range of
// cells need neither a sort nor a visit of the elements themselves, and a
// lookup is a binary search in one row. The code and number beside each entry
// let the matrix, the extent and the program's successor lines be derived
// from the index alone, without reading the elements (which a large chart
// spreads over far more memory than its index).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class CR8EditSFCItem;

class CR8EditSFCCellIndex
{
public:
    // What the index keeps of a cell's element.
    struct Cell
    {
        CR8EditSFCItem* item;
        int code;
        int number;
    };

    CR8EditSFCItem* Find(int column, int row) const;
    // The cell's entry; null when the cell is empty.
    const Cell* Lookup(int column, int row) const;
    // Puts the element with its code and number at the cell; answers the
    // element it displaced, or null.
    CR8EditSFCItem* Put(int column, int row, const Cell& cell);
    // The code and number kept for the cell, when the cell holds cell.item.
    void Update(int column, int row, const Cell& cell);
    // Removes the cell's entry whatever element it names; answers it, or null.
    CR8EditSFCItem* Take(int column, int row);
    void Clear();
    std::size_t Size() const { return m_size; }

    // Calls visit(column, row, item) for every entry inside the cells
    // left..right x top..bottom (inclusive), in reading order, until visit
    // answers true; answers whether it stopped there.
    template <class Visit>
    bool VisitRange(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                    Visit&& visit) const;
    // The same with visit(column, row, const Cell&).
    template <class Visit>
    bool VisitCellRange(std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, Visit&& visit) const;
    // Calls visit(column, row, code) for every entry, dense rows in reading
    // order first, then the cells outside them; the code as a matrix word
    // takes it (its low 16 bits).
    template <class Visit>
    void VisitCodes(Visit&& visit) const;
    // One past the greatest column and row of any entry (0 when none is at
    // 0 or beyond).
    std::pair<std::int64_t, std::int64_t> Extent() const;

private:
    struct Entry
    {
        int column;
        Cell cell;
    };
    using Row = std::vector<Entry>;

    // Rows 0 .. dense limit - 1 are held by index; the rare cells beyond (a
    // negative row, or past the grid's limits) go to m_outside.
    static bool Dense(int row);
    static Row::const_iterator Lower(const Row& row, int column);

    template <class Visit>
    static bool VisitRow(const Row& entries, int row, std::int64_t left, std::int64_t right,
                         Visit& visit);
    template <class Visit>
    bool VisitOutside(std::int64_t fromRow, std::int64_t toRow, std::int64_t left,
                      std::int64_t right, Visit& visit) const;

    std::vector<Row> m_rows;
    std::map<std::pair<int, int>, Cell> m_outside; // (row, column)
    std::size_t m_size = 0;
};

template <class Visit>
bool CR8EditSFCCellIndex::VisitRow(const Row& entries, int row, std::int64_t left,
                                   std::int64_t right, Visit& visit)
{
    auto it = std::lower_bound(entries.begin(), entries.end(), left,
                               [](const Entry& e, std::int64_t c) { return e.column < c; });
    for (; it != entries.end() && it->column <= right; ++it)
    {
        if (visit(it->column, row, it->cell))
            return true;
    }
    return false;
}

template <class Visit>
bool CR8EditSFCCellIndex::VisitOutside(std::int64_t fromRow, std::int64_t toRow,
                                       std::int64_t left, std::int64_t right, Visit& visit) const
{
    if (fromRow > toRow || m_outside.empty())
        return false;
    const auto first = static_cast<int>(std::clamp<std::int64_t>(fromRow, INT32_MIN, INT32_MAX));
    for (auto it = m_outside.lower_bound({first, INT32_MIN});
         it != m_outside.end() && it->first.first <= toRow; ++it)
    {
        const int column = it->first.second;
        if (column >= left && column <= right && visit(column, it->first.first, it->second))
            return true;
    }
    return false;
}

template <class Visit>
bool CR8EditSFCCellIndex::VisitRange(std::int64_t left, std::int64_t top, std::int64_t right,
                                     std::int64_t bottom, Visit&& visit) const
{
    return VisitCellRange(left, top, right, bottom,
                          [&visit](int c, int r, const Cell& cell) { return visit(c, r, cell.item); });
}

template <class Visit>
bool CR8EditSFCCellIndex::VisitCellRange(std::int64_t left, std::int64_t top, std::int64_t right,
                                         std::int64_t bottom, Visit&& visit) const
{
    if (left > right || top > bottom)
        return false;
    // Negative rows come first in reading order, then the dense rows, then
    // the rows past them.
    if (VisitOutside(top, std::min<std::int64_t>(bottom, -1), left, right, visit))
        return true;
    const std::int64_t dense = static_cast<std::int64_t>(m_rows.size());
    for (std::int64_t r = std::max<std::int64_t>(top, 0); r <= bottom && r < dense; ++r)
    {
        const Row& entries = m_rows[static_cast<std::size_t>(r)];
        if (!entries.empty() && VisitRow(entries, static_cast<int>(r), left, right, visit))
            return true;
    }
    return VisitOutside(std::max<std::int64_t>(top, dense), bottom, left, right, visit);
}

template <class Visit>
void CR8EditSFCCellIndex::VisitCodes(Visit&& visit) const
{
    for (std::size_t r = 0; r < m_rows.size(); ++r)
    {
        for (const Entry& e : m_rows[r])
            visit(e.column, static_cast<int>(r), static_cast<std::uint16_t>(e.cell.code));
    }
    for (const auto& [at, cell] : m_outside)
        visit(at.second, at.first, static_cast<std::uint16_t>(cell.code));
}
