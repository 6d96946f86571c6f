#include "chart/R8EditSFCChart.h"

#include "chart/R8EditSFCItem.h"

#include <algorithm>

void CR8EditSFCMatrix::Reset(int width, int height)
{
    m_width = std::clamp(width, 0, SFC_MAX_COLUMNS);
    m_height = std::clamp(height, 0, SFC_MAX_ROWS);
    // The words are kept where they are while the size stays about the same:
    // a fresh block of a large chart's size comes from the system each time,
    // page by page. A chart that shrank to less than half gives them back.
    const std::size_t count = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    if (count <= m_words.capacity() && count >= m_words.capacity() / 2)
        m_words.assign(count, 0);
    else
        m_words = std::vector<std::uint16_t>(count);
}

std::uint16_t CR8EditSFCMatrix::Get(int column, int row) const
{
    if (!Inside(column, row))
        return 0;
    return m_words[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width) +
                   static_cast<std::size_t>(column)];
}

void CR8EditSFCMatrix::Set(int column, int row, std::uint16_t word)
{
    if (Inside(column, row))
        At(column, row) = word;
}

void CR8EditSFCChart::FillVertical(int column, int row)
{
    int above = row - 1;
    while (above >= 0 && !(At(column, above) & LINK_USED))
        --above;
    if (above < 0 || !(At(column, above) & LINK_DOWN) || row - above < 2)
        return;
    for (int r = above + 1; r < row; ++r)
        At(column, r) |= LINK_VUPPER | LINK_VLOWER;
}

void CR8EditSFCChart::FillHorizontal(int column, int row)
{
    int left = -1;
    for (int c = column - 1; c >= 0; --c)
    {
        std::uint16_t w = At(c, row);
        if (w & LINK_TO_RIGHT)
        {
            left = c;
            break;
        }
        if (w & LINK_USED)
            break;
    }
    int right = -1;
    for (int c = column + 1; c < GetWidth(); ++c)
    {
        std::uint16_t w = At(c, row);
        if (w & LINK_FROM_LEFT)
        {
            right = c;
            break;
        }
        if (w & LINK_USED)
            break;
    }
    std::uint16_t& branch = At(column, row);
    int partner;
    if (left >= 0 && (right < 0 || !(branch & LINK_JOIN_RIGHT)))
        partner = left;
    else if (right >= 0)
        partner = right;
    else
        return;
    const std::uint16_t isDouble = At(partner, row) & LINK_DOUBLE;
    const std::uint16_t lineBits = LINK_HLINE | isDouble;
    for (int c = std::min(partner, column) + 1; c < std::max(partner, column); ++c)
        At(c, row) |= lineBits;
    branch = static_cast<std::uint16_t>((branch & ~LINK_DOUBLE) | isDouble);
}

void CR8EditSFCChart::ComputeLinks()
{
    // Vertical fills touch only empty cells of one column and read only
    // element bits, and the horizontal lines of a row read only that row's
    // elements and line bits, so the two can be derived apart (and each again
    // alone after a local change). Both are done row by row in one walk over
    // the words in memory order: a fill reaches back only to rows just walked.
    for (int r = 0; r < GetHeight(); ++r)
    {
        for (int c = 0; c < GetWidth(); ++c)
        {
            if (At(c, r) & LINK_UP)
                FillVertical(c, r);
        }
        DeriveRowLines(r);
    }
}

void CR8EditSFCChart::DeriveRowLines(int row)
{
    const std::uint16_t divergence = SFC_DIVERGENCE;
    const std::uint16_t convergence = SFC_CONVERGENCE;
    for (int c = 0; c < GetWidth(); ++c)
    {
        const std::uint16_t w = At(c, row);
        const bool branch = (w & divergence) == divergence || (w & convergence) == convergence;
        if (branch && (w & (LINK_VUPPER | LINK_VLOWER)) != (LINK_VUPPER | LINK_VLOWER))
            FillHorizontal(c, row);
    }
    for (int c = 0; c < GetWidth(); ++c)
    {
        std::uint16_t& w = At(c, row);
        if (!(w & LINK_HLINE))
            continue;
        bool reachesRight = (w & LINK_USED) && !(w & LINK_FROM_LEFT);
        if (!reachesRight && c < GetWidth() - 1)
        {
            const std::uint16_t v = At(c + 1, row);
            reachesRight =
                (v & LINK_HLINE) && ((v & LINK_FROM_LEFT) || !(v & (LINK_USED | LINK_BOX)));
        }
        if (reachesRight)
            w |= LINK_HRIGHT;
    }
}

void CR8EditSFCChart::RelinkColumnAround(int column, int top, int bottom)
{
    const int height = GetHeight();
    if (column < 0 || column >= GetWidth() || height == 0)
        return;
    top = std::clamp(top, 0, height - 1);
    bottom = std::clamp(bottom, top, height - 1);
    int first = top - 1;
    while (first >= 0 && !(At(column, first) & LINK_USED))
        --first;
    int last = bottom + 1;
    while (last < height && !(At(column, last) & LINK_USED))
        ++last;
    for (int r = first + 1; r < last; ++r)
    {
        std::uint16_t& w = At(column, r);
        if (!(w & LINK_USED))
            w &= static_cast<std::uint16_t>(~(LINK_VUPPER | LINK_VLOWER));
    }
    for (int r = first + 1; r <= last && r < height; ++r)
    {
        if (At(column, r) & LINK_UP)
            FillVertical(column, r);
    }
}

void CR8EditSFCChart::RelinkRow(int row, const std::vector<std::pair<int, std::uint16_t>>& codes)
{
    if (row < 0 || row >= GetHeight())
        return;
    for (int c = 0; c < GetWidth(); ++c)
    {
        std::uint16_t& w = At(c, row);
        w = (w & LINK_USED) ? 0 : static_cast<std::uint16_t>(w & (LINK_VUPPER | LINK_VLOWER));
    }
    for (const auto& [column, code] : codes)
        Set(column, row, code);
    DeriveRowLines(row);
}

void CR8EditSFCMatrix::ResizeRows(int height)
{
    m_height = std::clamp(height, 0, SFC_MAX_ROWS);
    m_words.resize(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
}
