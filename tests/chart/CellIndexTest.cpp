#include "chart/R8EditSFCCellIndex.h"
#include "chart/R8EditSFCChart.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
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
    {
        EXPECT_EQ(index.Put(cell[0], cell[1], {Tag(n), static_cast<int>(n), 0}), nullptr);
        ++n;
    }
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
        EXPECT_EQ(index.Put(4, row, {Tag(1), 1, 0}), nullptr);
        EXPECT_EQ(index.Put(4, row, {Tag(2), 2, 0}), Tag(1));
        EXPECT_EQ(index.Size(), 1u);
        EXPECT_EQ(index.Find(4, row), Tag(2));
        EXPECT_EQ(index.Find(3, row), nullptr);
        EXPECT_EQ(index.Find(4, row + 1), nullptr);
        EXPECT_EQ(index.Take(3, row), nullptr);
        EXPECT_EQ(index.Take(4, row), Tag(2));
        EXPECT_EQ(index.Take(4, row), nullptr);
        EXPECT_EQ(index.Size(), 0u);
    }
    index.Put(1, 1, {Tag(3), 3, 0});
    index.Clear();
    EXPECT_EQ(index.Find(1, 1), nullptr);
    EXPECT_EQ(Walk(index, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), "");
}

// The codes and numbers beside the entries are what the matrix, the extent
// and the program's successor lines come from: every entry once, dense rows
// in reading order, then the outside cells; an entry changes only for the
// element that holds the cell.
TEST(CellIndex, CodesNumbersAndExtentComeFromTheEntries)
{
    CR8EditSFCCellIndex index;
    const auto codes = [&index]
    {
        std::string seen;
        index.VisitCodes([&seen](int c, int r, std::uint16_t code)
                         { seen += std::to_string(c) + "," + std::to_string(r) + "=" + std::to_string(code) + " "; });
        return seen;
    };
    const auto numberAt = [&index](int c, int r)
    {
        const CR8EditSFCCellIndex::Cell* cell = index.Lookup(c, r);
        return cell ? cell->number : -1;
    };
    EXPECT_EQ(index.Extent(), (std::pair<std::int64_t, std::int64_t>{0, 0}));
    index.Put(-3, -2, {Tag(1), 11, 1});
    EXPECT_EQ(index.Extent(), (std::pair<std::int64_t, std::int64_t>{0, 0}));
    index.Put(6, 1, {Tag(2), 22, 2});
    index.Put(2, 4, {Tag(3), 33, 3});
    index.Put(9, SFC_MAX_ROWS + 5, {Tag(4), 0x1002C, 4}); // a matrix word keeps 16 bits
    EXPECT_EQ(index.Extent(), (std::pair<std::int64_t, std::int64_t>{10, SFC_MAX_ROWS + 6}));
    EXPECT_EQ(codes(), "6,1=22 2,4=33 -3,-2=11 9,10005=44 ");
    EXPECT_EQ(index.Lookup(9, SFC_MAX_ROWS + 5)->code, 0x1002C);

    index.Update(6, 1, {Tag(3), 99, 9}); // another element: unchanged
    index.Update(6, 1, {Tag(2), 23, 7});
    index.Update(9, SFC_MAX_ROWS + 5, {Tag(4), 45, 8});
    index.Update(5, 5, {Tag(2), 1, 1}); // an empty cell: nothing
    EXPECT_EQ(index.Lookup(5, 5), nullptr);
    EXPECT_EQ(index.Put(2, 4, {Tag(5), 55, 5}), Tag(3));
    EXPECT_EQ(codes(), "6,1=23 2,4=55 -3,-2=11 9,10005=45 ");
    EXPECT_EQ(numberAt(6, 1), 7);
    EXPECT_EQ(numberAt(2, 4), 5);
    EXPECT_EQ(numberAt(9, SFC_MAX_ROWS + 5), 8);
    EXPECT_EQ(numberAt(-3, -2), 1);

    // Emptied rows at the end no longer count.
    index.Take(9, SFC_MAX_ROWS + 5);
    index.Take(2, 4);
    EXPECT_EQ(index.Extent(), (std::pair<std::int64_t, std::int64_t>{7, 2}));
}
