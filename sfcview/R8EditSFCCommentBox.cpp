#include "sfcview/R8EditSFCCommentBox.h"

#include "sfcview/R8EditSFCCanvas.h"

#include <algorithm>

namespace
{

// Tabs show as four spaces, as the full comment box shows them.
std::string ExpandTabs(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
    {
        if (c == '\t')
            out.append(4, ' ');
        else
            out.push_back(c);
    }
    return out;
}

} // namespace

void CR8EditSFCTextNoteBox::DrawNote(HDC dc, const RECT& rect, bool highlight, bool blackWhite,
                                     CQ2GDIWrapApi& gdi)
{
    DrawTextNote(dc, rect, m_text, highlight, blackWhite, gdi);
}

std::unique_ptr<CR8NoteBox> CreateChartNoteBox()
{
    return std::make_unique<CR8EditSFCTextNoteBox>();
}

void DrawTextNote(HDC dc, const RECT& rect, const std::string& text, bool highlight,
                  bool blackWhite, CQ2GDIWrapApi& gdi)
{
    if (rect.right - rect.left < 4 || rect.bottom - rect.top < 4)
        return;
    CR8EditSFCCanvas canvas(dc, gdi, blackWhite);
    COLORREF color = RGB(0, 0, 0);
    if (!blackWhite)
        color = gdi.GetColor(highlight ? 127 : 9);
    // The raised look: a light outer edge at the top left, a darker inner
    // edge at the bottom right, the outline in the note colour.
    const bool plain = blackWhite || highlight;
    const COLORREF light = plain ? color : gdi.LightenColor(color, 0.6);
    const COLORREF dark = plain ? color : gdi.LightenColor(color, 0.8);
    canvas.Frame(rect, color);
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    canvas.HLine(inner.left, inner.right - 1, inner.top, light);
    canvas.VLine(inner.left, inner.top, inner.bottom - 1, light);
    canvas.HLine(inner.left, inner.right, inner.bottom - 1, dark);
    canvas.VLine(inner.right - 1, inner.top, inner.bottom, dark);
    RECT paper = rect;
    InflateRect(&paper, -2, -2);
    canvas.Fill(paper, RGB(255, 255, 255));

    RECT box = rect;
    InflateRect(&box, -3, -2);
    canvas.Text(box, ExpandTabs(text), DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL, color,
                static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));
}
