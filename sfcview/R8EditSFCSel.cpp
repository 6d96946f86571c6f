#include "sfcview/R8EditSFCSel.h"

#include <algorithm>
#include <cstdlib>

namespace
{

R8Point NonNegative(R8Point p)
{
    return R8Point{std::max(p.x, 0), std::max(p.y, 0)};
}

} // namespace

void CR8EditSFCSel::SetCaret(R8Point cell, bool extend)
{
    m_caret = NonNegative(cell);
    if (!extend)
        m_anchor = m_caret;
}

void CR8EditSFCSel::Set(R8Point anchor, R8Point caret)
{
    m_anchor = NonNegative(anchor);
    m_caret = NonNegative(caret);
}

R8Rect CR8EditSFCSel::GetRect() const
{
    return R8Rect{std::min(m_anchor.x, m_caret.x), std::min(m_anchor.y, m_caret.y),
                  std::max(m_anchor.x, m_caret.x), std::max(m_anchor.y, m_caret.y)};
}

bool CR8EditSFCSel::Contains(int column, int row) const
{
    const R8Rect r = GetRect();
    return column >= r.left && column <= r.right && row >= r.top && row <= r.bottom;
}

int CR8EditSFCSel::GetWidth() const
{
    return std::abs(m_caret.x - m_anchor.x) + 1;
}

int CR8EditSFCSel::GetHeight() const
{
    return std::abs(m_caret.y - m_anchor.y) + 1;
}
