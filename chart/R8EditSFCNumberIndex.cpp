#include "chart/R8EditSFCNumberIndex.h"

#include <algorithm>

std::size_t CR8EditSFCNumberIndex::Home(std::uint64_t key) const
{
    // Fibonacci hashing spreads neighbouring numbers over the table.
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (m_slots.size() - 1);
}

std::size_t CR8EditSFCNumberIndex::Probe(std::uint64_t key) const
{
    std::size_t i = Home(key);
    while (m_slots[i].item && m_slots[i].key != key)
        i = Next(i);
    return i;
}

CR8EditSFCItem* CR8EditSFCNumberIndex::Find(std::uint64_t key) const
{
    if (m_size == 0)
        return nullptr;
    return m_slots[Probe(key)].item;
}

void CR8EditSFCNumberIndex::Put(std::uint64_t key, CR8EditSFCItem* item)
{
    if (!item)
        return;
    // At most half full, so a probe ends soon and always finds a free slot.
    if (2 * (m_size + 1) > m_slots.size())
        Rehash(std::max<std::size_t>(16, 2 * m_slots.size()));
    Slot& slot = m_slots[Probe(key)];
    if (!slot.item)
        ++m_size;
    slot = Slot{key, item};
}

void CR8EditSFCNumberIndex::Erase(std::uint64_t key)
{
    if (m_size == 0)
        return;
    const std::size_t i = Probe(key);
    if (m_slots[i].item)
        EraseAt(i);
}

void CR8EditSFCNumberIndex::EraseAt(std::size_t i)
{
    // Backward shift: each later key of the run whose home does not lie in
    // (i, j] moves into the hole, so no probe ever stops short of its key.
    std::size_t j = i;
    for (;;)
    {
        j = Next(j);
        if (!m_slots[j].item)
            break;
        const std::size_t k = Home(m_slots[j].key);
        const bool stays = i <= j ? (i < k && k <= j) : (i < k || k <= j);
        if (stays)
            continue;
        m_slots[i] = m_slots[j];
        i = j;
    }
    m_slots[i] = Slot{0, nullptr};
    --m_size;
}

void CR8EditSFCNumberIndex::Clear()
{
    std::fill(m_slots.begin(), m_slots.end(), Slot{0, nullptr});
    m_size = 0;
}

void CR8EditSFCNumberIndex::Reserve(std::size_t count)
{
    std::size_t slots = 16;
    while (slots < 2 * count)
        slots *= 2;
    if (slots > m_slots.size())
        Rehash(slots);
    else if (m_slots.size() > 4 * slots && 2 * m_size <= slots)
        Rehash(slots);
}

void CR8EditSFCNumberIndex::Rehash(std::size_t slots)
{
    std::vector<Slot> old(slots, Slot{0, nullptr});
    old.swap(m_slots);
    m_size = 0;
    for (const Slot& slot : old)
    {
        if (slot.item)
            Put(slot.key, slot.item);
    }
}
