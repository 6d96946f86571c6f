#include "chart/R8EditSFCItemStep.h"

#include "chart/R8EditSFCFile.h"
#include "chart/R8SFCText.h"

#include <string_view>
#include <utility>

void CR8EditSFCItemStep::ReadCode(CR8EditSFCFile& file)
{
    m_main.clear();
    m_p1.clear();
    m_n.clear();
    m_p0.clear();
    std::string* current = &m_main;
    std::string_view line;
    while (file.ReadLine(line))
    {
        if (r8sfc::StartsWithNoCase(line, "#sfc=end"))
            break;
        if (r8sfc::StartsWithNoCase(line, "__BEGIN_P1"))
            current = &m_p1;
        else if (r8sfc::StartsWithNoCase(line, "__BEGIN_N"))
            current = &m_n;
        else if (r8sfc::StartsWithNoCase(line, "__BEGIN_P0"))
            current = &m_p0;
        else if (r8sfc::StartsWithNoCase(line, "__END_ACTION"))
            current = &m_main;
        else
        {
            // Leading empty lines are dropped: a block always holds the main
            // action's line, even when that action is empty.
            *current += line;
            if (!current->empty())
                *current += "\r\n";
        }
    }
}

bool CR8EditSFCItemStep::SetActivity(int value)
{
    if (IsMacroCode())
        return false;
    bool changed = m_activity != value;
    m_activity = value;
    return changed;
}

std::string* CR8EditSFCItemStep::Field(int index)
{
    return const_cast<std::string*>(std::as_const(*this).Field(index));
}

const std::string* CR8EditSFCItemStep::Field(int index) const
{
    switch (index)
    {
    case SFC_TEXT_MAIN:
        return &m_main;
    case SFC_TEXT_NOTE:
        return &m_note;
    case SFC_TEXT_P1:
        return &m_p1;
    case SFC_TEXT_N:
        return &m_n;
    case SFC_TEXT_P0:
        return &m_p0;
    default:
        return nullptr;
    }
}

void CR8EditSFCItemStep::SetText(int index, const std::string& text)
{
    if (std::string* field = Field(index))
        *field = text;
}

const std::string* CR8EditSFCItemStep::TextOf(int index) const
{
    const std::string* field = Field(index);
    if (!field)
        return nullptr;
    return IsMacroCode() ? &m_note : field;
}

int CR8EditSFCItemStep::GetLanguage(int index) const
{
    if (IsMacroCode() || index == SFC_TEXT_NOTE)
        return 0;
    const std::string* field = Field(index);
    return field ? SFCCodeLanguage(*field) : 0;
}

void CR8EditSFCItemStep::WriteCode(CR8EditSFCFile& file, R8Point origin) const
{
    if (IsMacroCode())
        return;
    if (m_main.empty() && m_p1.empty() && m_n.empty() && m_p0.empty())
        return;
    WriteBlockHeader(file, "GS", origin);
    file.WriteLine(m_main);
    const std::pair<const char*, const std::string*> actions[] = {
        {"__BEGIN_P1", &m_p1}, {"__BEGIN_N", &m_n}, {"__BEGIN_P0", &m_p0}};
    for (const auto& [keyword, text] : actions)
    {
        if (text->empty())
            continue;
        file.WriteLine(keyword);
        file.WriteLine(*text);
        file.WriteLine("__END_ACTION");
    }
    file.WriteLine("#sfc=end");
}

bool CR8EditSFCItemStep::WriteDeclaration(CR8EditSFCFile& file) const
{
    switch (GetType())
    {
    case SFC_STEP:
    case SFC_BEGIN_STEP:
    case SFC_END_STEP:
        WriteNamedLine(file, "_step ", "GS");
        return true;
    case SFC_INIT_STEP:
        WriteNamedLine(file, "_step _init ", "GS");
        return true;
    default:
        return false;
    }
}

bool CR8EditSFCItemStep::GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const
{
    const R8Rect cell = view.GetCellRect(GetColumn(), GetRow());
    const int u = view.GetSymbolSize();
    const int a = SFCArrowSize(u);
    rect = {cell.left, cell.top, cell.left + u, cell.top + u};
    rect.Deflate(a + 1, a + 1);
    if (GetType() == SFC_MACRO)
        rect.Deflate(0, 3);
    else if (GetType() == SFC_INIT_STEP)
        rect.Deflate(3, 3);
    return true;
}

int CR8EditSFCItemStep::HitTestText(const R8Rect& rect, int x, int y,
                                    const CR8EditSFCItemView& view) const
{
    const int u = view.GetSymbolSize();
    const int a = SFCArrowSize(u);
    if (rect.Width() < 2 * u)
        return -1;
    const int qualifierWidth = view.GetTextBoxWidth(" Act.");
    const int x0 = rect.left + u + a;
    if (x < x0)
        return -1;
    const int mode = view.GetDisplayMode();
    if (mode == 1)
        return SFC_TEXT_NOTE;
    if (mode == 2)
        return SFC_TEXT_MAIN;
    if (IsMacroCode())
        return -1;
    if (x >= x0 + qualifierWidth)
        return SFC_TEXT_NOTE;
    const int h = rect.Height();
    if (y < rect.top + h / 4)
        return SFC_TEXT_MAIN;
    if (y > rect.top + 3 * h / 4)
        return SFC_TEXT_P0;
    if (y < rect.top + h / 2)
        return SFC_TEXT_P1;
    return SFC_TEXT_N;
}

bool CR8EditSFCItemStep::CanSwapStyle() const
{
    return GetType() == SFC_STEP || GetType() == SFC_INIT_STEP;
}

bool CR8EditSFCItemStep::SwapStyle()
{
    if (GetType() == SFC_STEP)
        StoreType(SFC_INIT_STEP);
    else if (GetType() == SFC_INIT_STEP)
        StoreType(SFC_STEP);
    else
        return false;
    return true;
}
