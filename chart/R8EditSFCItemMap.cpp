#include "chart/R8EditSFCItemMap.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

std::uint64_t CR8EditSFCItemMap::NumberKey(int code, int number)
{
    if (code == SFC_END_STEP || code == SFC_BEGIN_STEP || code == SFC_INIT_STEP)
        code = SFC_STEP;
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(code)) << 32) |
           static_cast<std::uint32_t>(number);
}

void CR8EditSFCItemMap::SetNumberKey(CR8EditSFCItem& item)
{
    if (item.m_type & 0x0005)
        m_byNumber.Put(NumberKey(item.m_type, item.m_number), &item);
}

CR8EditSFCItem* CR8EditSFCItemMap::IdSlot(int id) const
{
    if (id >= 0 && id < kDenseIds)
        return static_cast<std::size_t>(id) < m_byId.size() ? m_byId[static_cast<std::size_t>(id)] : nullptr;
    auto found = m_byIdBeyond.find(id);
    return found == m_byIdBeyond.end() ? nullptr : found->second;
}

void CR8EditSFCItemMap::SetIdSlot(int id, CR8EditSFCItem* item)
{
    if (id >= 0 && id < kDenseIds)
    {
        if (static_cast<std::size_t>(id) >= m_byId.size())
        {
            if (!item)
                return;
            m_byId.resize(static_cast<std::size_t>(id) + 1, nullptr);
        }
        m_byId[static_cast<std::size_t>(id)] = item;
    }
    else if (item)
        m_byIdBeyond[id] = item;
    else
        m_byIdBeyond.erase(id);
}

CR8EditSFCItem* CR8EditSFCItemMap::AddItem(int code, int number, int column, int row,
                                           CR8NoteParent* noteParent)
{
    if (number < 0)
        number = m_nextNumber;
    if (number >= m_nextNumber)
        m_nextNumber = number == std::numeric_limits<int>::max() ? number : number + 1;
    std::unique_ptr<CR8EditSFCItem> item = CreateSFCItem(code, noteParent);
    item->m_type = code;
    item->m_id = m_nextId;
    if (m_nextId < std::numeric_limits<int>::max())
        ++m_nextId;
    item->m_number = number;
    item->m_column = column;
    item->m_row = row;
    CR8EditSFCItem* raw = item.get();
    m_items.push_back(std::move(item));
    SetIdSlot(raw->m_id, raw);
    if (m_byCell.Put(column, row, {raw, code, number}) || !(code & LINK_USED))
        m_irregular = true;
    SetNumberKey(*raw);
    return raw;
}

void CR8EditSFCItemMap::RemoveItem(int id)
{
    CR8EditSFCItem* item = IdSlot(id);
    if (!item)
        return;
    SetIdSlot(id, nullptr);
    UnindexItem(*item);
    // A former number that TakeNumber left behind must not outlive the
    // element it points to.
    if (m_formerKeys)
        m_byNumber.EraseIf([item](const CR8EditSFCItem* named) { return named == item; });
    auto entry = std::find_if(m_items.begin(), m_items.end(),
                              [item](const auto& candidate) { return candidate.get() == item; });
    if (entry != m_items.end())
        m_items.erase(entry);
}

void CR8EditSFCItemMap::UnindexItem(const CR8EditSFCItem& item)
{
    m_byCell.Take(item.m_column, item.m_row);
    m_byNumber.Erase(NumberKey(item.m_type, item.m_number));
}

void CR8EditSFCItemMap::RemoveItems(const std::vector<int>& ids)
{
    // Unindexed one by one in the given order, as RemoveItem would, then
    // deleted together.
    std::unordered_set<const CR8EditSFCItem*> doomed;
    for (int id : ids)
    {
        CR8EditSFCItem* item = IdSlot(id);
        if (!item)
            continue;
        SetIdSlot(id, nullptr);
        UnindexItem(*item);
        doomed.insert(item);
    }
    if (doomed.empty())
        return;
    if (m_formerKeys)
        m_byNumber.EraseIf([&doomed](const CR8EditSFCItem* named) { return doomed.count(named) != 0; });
    std::erase_if(m_items, [&doomed](const auto& item) { return doomed.count(item.get()) != 0; });
}

void CR8EditSFCItemMap::MoveItem(int id, int column, int row)
{
    CR8EditSFCItem* item = FindById(id);
    if (!item)
        return;
    m_byCell.Take(item->m_column, item->m_row);
    item->m_column = column;
    item->m_row = row;
    if (m_byCell.Put(column, row, {item, item->m_type, item->m_number}))
        m_irregular = true;
}

void CR8EditSFCItemMap::SetNumber(int id, int number)
{
    CR8EditSFCItem* item = FindById(id);
    if (!item)
        return;
    m_byNumber.Erase(NumberKey(item->m_type, item->m_number));
    item->m_number = number;
    m_byCell.Update(item->m_column, item->m_row, {item, item->m_type, number});
    SetNumberKey(*item);
}

void CR8EditSFCItemMap::TakeNumber(int id, int number)
{
    CR8EditSFCItem* item = FindById(id);
    if (!item)
        return;
    if (item->m_number != number)
        m_formerKeys = true;
    item->m_number = number;
    SetNumber(id, number);
}

bool CR8EditSFCItemMap::SwapItemStyle(int id)
{
    CR8EditSFCItem* item = FindById(id);
    if (!item)
        return false;
    const std::uint64_t before = NumberKey(item->m_type, item->m_number);
    if (!item->SwapStyle())
        return false;
    m_byCell.Update(item->m_column, item->m_row, {item, item->m_type, item->m_number});
    // Another element may hold the old key (several nodes numbered 0): only
    // this element's own entry goes.
    if (m_byNumber.Find(before) == item)
        m_byNumber.Erase(before);
    SetNumberKey(*item);
    return true;
}

CR8EditSFCItem* CR8EditSFCItemMap::ItemAt(int column, int row) const
{
    return m_byCell.Find(column, row);
}

CR8EditSFCItem* CR8EditSFCItemMap::FindByNumber(int code, int number) const
{
    return m_byNumber.Find(NumberKey(code, number));
}

CR8EditSFCItem* CR8EditSFCItemMap::FindNumbered(int code, int number) const
{
    CR8EditSFCItem* item = FindByNumber(code, number);
    return item && item->m_number == number ? item : nullptr;
}

CR8EditSFCItem* CR8EditSFCItemMap::FindById(int id) const
{
    return IdSlot(id);
}

void CR8EditSFCItemMap::RemoveAll()
{
    m_byId.clear();
    m_byIdBeyond.clear();
    m_byNumber.Clear();
    m_byCell.Clear();
    m_formerKeys = false;
    m_irregular = false;
    m_nextId = 1;
    m_nextNumber = 1;
    m_items.clear();
}

void CR8EditSFCItemMap::Reserve(std::size_t count)
{
    m_items.reserve(count);
    m_byId.reserve(std::min<std::size_t>(count + 1, kDenseIds));
    m_byNumber.Reserve(count);
}

void CR8EditSFCItemMap::ReloadAll()
{
    for (const auto& item : m_items)
        item->Reload();
}

void CR8EditSFCItemMap::ResetOnlineStates()
{
    for (const auto& item : m_items)
        item->SetOnlineState(0);
}
