#include "chart/R8EditSFCCellIndex.h"

#include "chart/R8EditSFCChart.h"

bool CR8EditSFCCellIndex::Dense(int row)
{
    return row >= 0 && row < SFC_MAX_ROWS;
}

CR8EditSFCCellIndex::Row::const_iterator CR8EditSFCCellIndex::Lower(const Row& row, int column)
{
    return std::lower_bound(row.begin(), row.end(), column,
                            [](const Entry& e, int c) { return e.column < c; });
}

const CR8EditSFCCellIndex::Cell* CR8EditSFCCellIndex::Lookup(int column, int row) const
{
    if (!Dense(row))
    {
        auto found = m_outside.find({row, column});
        return found == m_outside.end() ? nullptr : &found->second;
    }
    if (static_cast<std::size_t>(row) >= m_rows.size())
        return nullptr;
    const Row& entries = m_rows[static_cast<std::size_t>(row)];
    auto it = Lower(entries, column);
    return it != entries.end() && it->column == column ? &it->cell : nullptr;
}

CR8EditSFCItem* CR8EditSFCCellIndex::Find(int column, int row) const
{
    const Cell* cell = Lookup(column, row);
    return cell ? cell->item : nullptr;
}

CR8EditSFCItem* CR8EditSFCCellIndex::Put(int column, int row, const Cell& cell)
{
    if (!Dense(row))
    {
        auto [it, added] = m_outside.try_emplace({row, column}, cell);
        if (added)
        {
            ++m_size;
            return nullptr;
        }
        return std::exchange(it->second, cell).item;
    }
    if (static_cast<std::size_t>(row) >= m_rows.size())
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    Row& entries = m_rows[static_cast<std::size_t>(row)];
    auto it = entries.begin() + (Lower(entries, column) - entries.cbegin());
    if (it != entries.end() && it->column == column)
        return std::exchange(it->cell, cell).item;
    entries.insert(it, Entry{column, cell});
    ++m_size;
    return nullptr;
}

CR8EditSFCItem* CR8EditSFCCellIndex::Take(int column, int row)
{
    if (!Dense(row))
    {
        auto found = m_outside.find({row, column});
        if (found == m_outside.end())
            return nullptr;
        CR8EditSFCItem* item = found->second.item;
        m_outside.erase(found);
        --m_size;
        return item;
    }
    if (static_cast<std::size_t>(row) >= m_rows.size())
        return nullptr;
    Row& entries = m_rows[static_cast<std::size_t>(row)];
    auto it = entries.begin() + (Lower(entries, column) - entries.cbegin());
    if (it == entries.end() || it->column != column)
        return nullptr;
    CR8EditSFCItem* item = it->cell.item;
    entries.erase(it);
    --m_size;
    // Trailing empty rows go, so a chart that shrank gives its rows back.
    while (!m_rows.empty() && m_rows.back().empty())
        m_rows.pop_back();
    return item;
}

void CR8EditSFCCellIndex::Update(int column, int row, const Cell& cell)
{
    // Lookup answers a const entry; the index owns it, so it may be changed.
    auto* held = const_cast<Cell*>(Lookup(column, row));
    if (held && held->item == cell.item)
        *held = cell;
}

std::pair<std::int64_t, std::int64_t> CR8EditSFCCellIndex::Extent() const
{
    // Each row is sorted by column, so its last entry holds its widest cell;
    // trailing empty rows are never kept.
    std::int64_t width = 0;
    std::int64_t height = m_rows.empty() ? 0 : static_cast<std::int64_t>(m_rows.size());
    for (const Row& entries : m_rows)
    {
        if (!entries.empty())
            width = std::max<std::int64_t>(width, std::int64_t{entries.back().column} + 1);
    }
    for (const auto& entry : m_outside)
    {
        width = std::max<std::int64_t>(width, std::int64_t{entry.first.second} + 1);
        height = std::max<std::int64_t>(height, std::int64_t{entry.first.first} + 1);
    }
    return {width, height};
}

void CR8EditSFCCellIndex::Clear()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_outside.clear();
    m_size = 0;
}
