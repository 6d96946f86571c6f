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

CR8EditSFCItem* CR8EditSFCCellIndex::Find(int column, int row) const
{
    if (!Dense(row))
    {
        auto found = m_outside.find({row, column});
        return found == m_outside.end() ? nullptr : found->second;
    }
    if (static_cast<std::size_t>(row) >= m_rows.size())
        return nullptr;
    const Row& entries = m_rows[static_cast<std::size_t>(row)];
    auto it = Lower(entries, column);
    return it != entries.end() && it->column == column ? it->item : nullptr;
}

CR8EditSFCItem* CR8EditSFCCellIndex::Put(int column, int row, CR8EditSFCItem* item)
{
    if (!Dense(row))
    {
        auto [it, added] = m_outside.try_emplace({row, column}, item);
        if (added)
        {
            ++m_size;
            return nullptr;
        }
        return std::exchange(it->second, item);
    }
    if (static_cast<std::size_t>(row) >= m_rows.size())
        m_rows.resize(static_cast<std::size_t>(row) + 1);
    Row& entries = m_rows[static_cast<std::size_t>(row)];
    auto it = entries.begin() + (Lower(entries, column) - entries.cbegin());
    if (it != entries.end() && it->column == column)
        return std::exchange(it->item, item);
    entries.insert(it, Entry{column, item});
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
        CR8EditSFCItem* item = found->second;
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
    CR8EditSFCItem* item = it->item;
    entries.erase(it);
    --m_size;
    // Trailing empty rows go, so a chart that shrank gives its rows back.
    while (!m_rows.empty() && m_rows.back().empty())
        m_rows.pop_back();
    return item;
}

void CR8EditSFCCellIndex::Clear()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_outside.clear();
    m_size = 0;
}
