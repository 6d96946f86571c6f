#include "chart/R8EditSFCCellIndex.h"
#include "chart/R8EditSFCChart.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{

// Entries stand for elements by their address only; the index never reads them.
CR8EditSFCItem* Tag(std::uintptr_t n)
{
    return reinterpret_cast<CR8EditSFCItem*>(n * 16);
}

std::string Walk(const CR8EditSFCCellIndex& index, std::int64_t left, std::int64_t top,
                 std::int64_t right, std::int64_t bottom, int stopAfter = -1)
{
    std::string cells;
    int seen = 0;
    index.VisitRange(left, top, right, bottom,
                     [&](int c, int r, CR8EditSFCItem*)
                     {
                         cells += "(" + std::to_string(c) + "," + std::to_string(r) + ")";
                         return ++seen == stopAfter;
                     });
    return cells;
}

} // namespace

TEST(CellIndex, VisitsInReadingOrderAcrossDenseAndOutsideRows)
{
    CR8EditSFCCellIndex index;
    const int cells[][2] = {{3, 2}, {0, SFC_MAX_ROWS}, {1, 2}, {5, -4}, {-2, 2}, {0, 0}, {2, -4}, {7, 40000}};
    std::uintptr_t n = 1;
    for (const auto& cell : cells)
        EXPECT_EQ(index.Put(cell[0], cell[1], Tag(n++)), nullptr);
    EXPECT_EQ(index.Size(), 8u);

    constexpr std::int64_t lo = INT32_MIN;
    constexpr std::int64_t hi = INT32_MAX;
    EXPECT_EQ(Walk(index, lo, lo, hi, hi),
              "(2,-4)(5,-4)(0,0)(-2,2)(1,2)(3,2)(0,10000)(7,40000)");
    EXPECT_EQ(Walk(index, 0, 0, 3, 9999), "(0,0)(1,2)(3,2)");
    EXPECT_EQ(Walk(index, 1, -4, 5, 2), "(2,-4)(5,-4)(1,2)(3,2)");
    EXPECT_EQ(Walk(index, 0, 3, 6, 10000), "(0,10000)");
    EXPECT_EQ(Walk(index, lo, lo, hi, hi, 3), "(2,-4)(5,-4)(0,0)");
    EXPECT_EQ(Walk(index, 4, 0, 3, 9), "");
}

TEST(CellIndex, PutDisplacesTakeRemovesFindLooksUp)
{
    CR8EditSFCCellIndex index;
    for (int row : {5, -1, SFC_MAX_ROWS + 3})
    {
        SCOPED_TRACE(row);
        EXPECT_EQ(index.Put(4, row, Tag(1)), nullptr);
        EXPECT_EQ(index.Put(4, row, Tag(2)), Tag(1));
        EXPECT_EQ(index.Size(), 1u);
        EXPECT_EQ(index.Find(4, row), Tag(2));
        EXPECT_EQ(index.Find(3, row), nullptr);
        EXPECT_EQ(index.Find(4, row + 1), nullptr);
        EXPECT_EQ(index.Take(3, row), nullptr);
        EXPECT_EQ(index.Take(4, row), Tag(2));
        EXPECT_EQ(index.Take(4, row), nullptr);
        EXPECT_EQ(index.Size(), 0u);
    }
    index.Put(1, 1, Tag(3));
    index.Clear();
    EXPECT_EQ(index.Find(1, 1), nullptr);
    EXPECT_EQ(Walk(index, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), "");
}
