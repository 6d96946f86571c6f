#include "chart/R8EditSFCItemJump.h"

bool CR8EditSFCItemJump::GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const
{
    const int u = view.GetSymbolSize();
    const int a = SFCArrowSize(u);
    rect = view.GetCellRect(GetColumn(), GetRow());
    rect.top += u / 2;
    rect.right = rect.left + u;
    rect.left += 2 * a;
    rect.right -= 2 * a;
    return true;
}
