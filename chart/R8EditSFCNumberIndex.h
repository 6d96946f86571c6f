// Elements by number key, in one open-addressing array: loading a chart puts
// a key for most of its elements, and a node per key would cost an
// allocation each (and one more to free when the chart goes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CR8EditSFCItem;

class CR8EditSFCNumberIndex
{
public:
    CR8EditSFCItem* Find(std::uint64_t key) const;
    // Sets the key's element (item must not be null), replacing any other.
    void Put(std::uint64_t key, CR8EditSFCItem* item);
    void Erase(std::uint64_t key);
    // Erases every key whose element the predicate names.
    template <class Pred>
    void EraseIf(Pred&& names);
    // Forgets every key; the room stays for a chart of about the same size.
    void Clear();
    // Room for count keys without growing; a table far larger is given back.
    void Reserve(std::size_t count);
    std::size_t Size() const { return m_size; }

private:
    struct Slot
    {
        std::uint64_t key;
        CR8EditSFCItem* item; // null: a free slot
    };
    std::size_t Home(std::uint64_t key) const;
    std::size_t Next(std::size_t i) const { return (i + 1) & (m_slots.size() - 1); }
    // The slot of key, or of the free slot where it would go.
    std::size_t Probe(std::uint64_t key) const;
    void EraseAt(std::size_t i);
    void Rehash(std::size_t slots);

    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
};

template <class Pred>
void CR8EditSFCNumberIndex::EraseIf(Pred&& names)
{
    std::vector<Slot> kept;
    kept.reserve(m_size);
    for (const Slot& slot : m_slots)
    {
        if (slot.item && !names(slot.item))
            kept.push_back(slot);
    }
    if (kept.size() == m_size)
        return;
    Clear();
    for (const Slot& slot : kept)
        Put(slot.key, slot.item);
}
