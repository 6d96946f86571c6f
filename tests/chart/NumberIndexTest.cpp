#include "chart/R8EditSFCNumberIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <unordered_map>

namespace
{

CR8EditSFCItem* Tag(std::uintptr_t n)
{
    return reinterpret_cast<CR8EditSFCItem*>(n * 16);
}

void ExpectSame(const CR8EditSFCNumberIndex& index,
                const std::unordered_map<std::uint64_t, CR8EditSFCItem*>& model, std::uint64_t keys)
{
    ASSERT_EQ(index.Size(), model.size());
    for (std::uint64_t n = 0; n < keys; ++n)
    {
        for (const std::uint64_t key : {n, n << 32})
        {
            const auto found = model.find(key);
            ASSERT_EQ(index.Find(key), found == model.end() ? nullptr : found->second) << key;
        }
    }
}

} // namespace

// Puts, erases, erasing by element, clearing and reserving against a plain
// map: keys from a small range, so runs of neighbouring slots form and
// erasing inside them must keep every later key reachable.
TEST(NumberIndex, AgreesWithAMapThroughRandomChanges)
{
    constexpr std::uint64_t keys = 300;
    std::mt19937 random(20261210);
    CR8EditSFCNumberIndex index;
    std::unordered_map<std::uint64_t, CR8EditSFCItem*> model;
    EXPECT_EQ(index.Find(7), nullptr);
    index.Erase(7);
    for (int step = 0; step < 20000; ++step)
    {
        const std::uint64_t key = (random() % keys) << (step % 3 == 0 ? 32 : 0);
        const auto n = static_cast<std::uintptr_t>(1 + random() % 40);
        switch (random() % 10)
        {
        case 0:
            index.Erase(key);
            model.erase(key);
            break;
        case 1:
            if (step % 50 == 0)
            {
                index.EraseIf([n](const CR8EditSFCItem* item) { return item == Tag(n); });
                std::erase_if(model, [n](const auto& entry) { return entry.second == Tag(n); });
            }
            break;
        case 2:
            if (step % 997 == 0)
            {
                index.Clear();
                model.clear();
            }
            else if (step % 101 == 0)
                index.Reserve(random() % 2000);
            break;
        default:
            index.Put(key, Tag(n));
            model[key] = Tag(n);
            break;
        }
        if (step % 500 == 0)
            ExpectSame(index, model, keys);
    }
    ExpectSame(index, model, keys);
    index.Put(5, nullptr); // a null element is no entry
    EXPECT_EQ(index.Find(5), model.count(5) ? model[5] : nullptr);
}
