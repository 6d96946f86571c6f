// The link matrix: one link word per cell, saying which lines pass through it.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// The largest grid the chart accepts: columns 0 to 9999 and rows 0 to 9999.
// Element lines outside it are skipped when reading, and the link matrix is
// never larger, so a crafted text cannot make the editor allocate without
// bound (at most 10000 x 10000 words).
constexpr int SFC_MAX_COLUMNS = 10000;
constexpr int SFC_MAX_ROWS = 10000;

inline bool SFCCellInLimits(int column, int row)
{
    return column >= 0 && column < SFC_MAX_COLUMNS && row >= 0 && row < SFC_MAX_ROWS;
}

// Width x height words in row order. Reading outside gives 0, writing there
// does nothing.
class CR8EditSFCMatrix
{
public:
    // Negative sizes count as 0; every word becomes 0.
    void Reset(int width, int height);
    // Keeps the width and the words of the rows that stay; new rows are 0.
    void ResizeRows(int height);
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    std::uint16_t Get(int column, int row) const;
    void Set(int column, int row, std::uint16_t word);

protected:
    bool Inside(int column, int row) const
    {
        return column >= 0 && column < m_width && row >= 0 && row < m_height;
    }
    std::uint16_t& At(int column, int row)
    {
        return m_words[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width) +
                       static_cast<std::size_t>(column)];
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint16_t> m_words;
};

class CR8EditSFCChart : public CR8EditSFCMatrix
{
public:
    // Derives the line bits from the element codes already written into the
    // words: vertical fills between linked elements, horizontal lines between
    // branches and their partners, then the right-edge bits.
    void ComputeLinks();
    // After the element cells of one column changed within rows top..bottom
    // (their words rewritten), derives that column's vertical fills again. A
    // fill depends only on the element cells nearest above and below it, so
    // only the fills between the element cell above top and the one below
    // bottom can change.
    void RelinkColumnAround(int column, int top, int bottom);
    // After the elements of one row changed: every element cell of the row
    // is rewritten from codes (column, code), other cells keep only their
    // vertical halves, and the row's lines are derived again.
    void RelinkRow(int row, const std::vector<std::pair<int, std::uint16_t>>& codes);

private:
    void DeriveRowLines(int row);
    void FillVertical(int column, int row);
    void FillHorizontal(int column, int row);
};
