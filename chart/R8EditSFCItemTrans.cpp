#include "chart/R8EditSFCItemTrans.h"

#include "chart/R8EditSFCFile.h"
#include "chart/R8SFCText.h"

void CR8EditSFCItemTrans::ReadCode(CR8EditSFCFile& file)
{
    file.ReadUntil("#sfc=end", m_condition);
}

void CR8EditSFCItemTrans::SetText(int index, const std::string& text)
{
    if (index == SFC_TEXT_MAIN)
        m_condition = text;
    else if (index == SFC_TEXT_NOTE)
        m_note = text;
}

const std::string* CR8EditSFCItemTrans::TextOf(int index) const
{
    if (index == SFC_TEXT_MAIN)
        return &m_condition;
    if (index == SFC_TEXT_NOTE)
        return &m_note;
    return nullptr;
}

void CR8EditSFCItemTrans::WriteCode(CR8EditSFCFile& file, R8Point origin) const
{
    if (m_condition.empty())
        return;
    WriteBlockHeader(file, "GT", origin);
    file.WriteLine(m_condition);
    file.WriteLine("#sfc=end");
}

bool CR8EditSFCItemTrans::WriteDeclaration(CR8EditSFCFile& file) const
{
    WriteNamedLine(file, "_trans ", "GT");
    return true;
}

bool CR8EditSFCItemTrans::GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const
{
    const int u = view.GetSymbolSize();
    const int a = SFCArrowSize(u);
    rect = view.GetCellRect(GetColumn(), GetRow());
    rect.right = rect.left + u;
    rect.top += u / 4;
    rect.Deflate(2 * a, 2 * a);
    rect.top += 2 - 2 * a;
    return true;
}
