#include "sfcview/R8EditSFCItemPainter.h"

#include "chart/R8EditSFCDocData.h"
#include "chart/R8EditSFCItemNote.h"
#include "chart/R8SFCText.h"
#include "sfcview/R8EditSFCCommentBox.h"

#include <algorithm>
#include <string_view>

namespace
{

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr UINT kWrapped = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS;
constexpr UINT kOneLine = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

// The texts an empty program of the ladder and flow editors leaves behind.
constexpr std::string_view kEmptyHeaders[] = {
    "#info=WSED1EDT\r\n#endinfo\r\n",
    "#info=LDEDIT\r\nBOF\r\nEOF\r\n#endinfo\r\n",
};

std::string WithoutEmptyHeaders(std::string text)
{
    for (std::string_view header : kEmptyHeaders)
    {
        for (std::size_t at = text.find(header); at != std::string::npos; at = text.find(header))
            text.erase(at, header.size());
    }
    return text;
}

// Trailing line ends removed (condition texts).
std::string TrimLineEnds(std::string text)
{
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return text;
}

std::string Number(int n)
{
    return std::to_string(static_cast<unsigned>(n));
}

class SelectedObjects
{
public:
    SelectedObjects(HDC dc, HGDIOBJ pen, HGDIOBJ brush)
        : m_dc(dc), m_pen(SelectObject(dc, pen)), m_brush(SelectObject(dc, brush))
    {
    }
    ~SelectedObjects()
    {
        SelectObject(m_dc, m_pen);
        SelectObject(m_dc, m_brush);
    }
    SelectedObjects(const SelectedObjects&) = delete;
    SelectedObjects& operator=(const SelectedObjects&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_pen;
    HGDIOBJ m_brush;
};

} // namespace

CR8EditSFCItemPainter::CR8EditSFCItemPainter(CR8EditSFCCanvas& canvas,
                                             const CR8EditSFCPaintStyle& style)
    : m_canvas(canvas), m_style(style)
{
}

bool CR8EditSFCItemPainter::HoldsCode(const std::string& code)
{
    return !WithoutEmptyHeaders(code).empty();
}

std::string CR8EditSFCItemPainter::TransitionText(const CR8EditSFCItem& trans,
                                                  std::uint16_t display, bool offscreen)
{
    if (display == 1)
        return TrimLineEnds(trans.GetText(SFC_TEXT_NOTE));
    std::string condition = TrimLineEnds(trans.GetText(SFC_TEXT_MAIN));
    const int language = trans.GetLanguage(SFC_TEXT_MAIN);
    if (language == 2 || language == 4)
        return "...LD...";
    if (offscreen && condition.empty())
        return TrimLineEnds(trans.GetText(SFC_TEXT_NOTE));
    return condition;
}

std::string CR8EditSFCItemPainter::JumpLabel(const CR8EditSFCItem& jump,
                                             const CR8EditSFCDocData* document)
{
    if (document == nullptr || document->FindByNumber(SFC_STEP, jump.GetNumber()) == nullptr)
        return "??";
    return Number(jump.GetNumber());
}

void CR8EditSFCItemPainter::PaintItem(const CR8EditSFCItem& item, const RECT& cell,
                                      std::uint16_t link)
{
    if (item.IsStep() || item.IsMacro())
        PaintStep(item, cell, link);
    else if (item.IsTrans())
        PaintTrans(item, cell);
    else if (item.IsJump())
        PaintJump(item, cell);
    else if (item.IsNote())
        PaintNote(static_cast<const CR8EditSFCItemNote&>(item), cell);
    else
        PaintLinks(cell, link);
}

void CR8EditSFCItemPainter::PaintLinks(const RECT& cell, std::uint16_t link)
{
    const int u = m_style.u;
    const int a = m_style.a;
    const int x = cell.left + u / 2;
    const int yc = cell.top + u / 2;
    const bool line = (link & LINK_HLINE) != 0;
    const bool used = (link & LINK_USED) != 0;
    const bool doubled = (link & LINK_DOUBLE) != 0;
    // A vertical that only crosses a horizontal line stops short of it.
    if (link & LINK_VUPPER)
        m_canvas.LinkV(x, cell.top, line && !used ? yc - 4 : (doubled ? yc - 2 : yc));
    if (link & LINK_VLOWER)
        m_canvas.LinkV(x, line && !used ? yc + 5 : (doubled ? yc + 3 : yc), cell.bottom);
    if (!line)
        return;
    const bool starts = (link & (LINK_USED | LINK_BOX)) != 0 && (link & LINK_FROM_LEFT) == 0;
    const int x0 = cell.left + (starts ? 2 * a : 0);
    const int x1 = (link & LINK_HRIGHT) != 0 ? cell.right : cell.left + u;
    if (!doubled)
    {
        m_canvas.LinkH(x0, x1, yc);
        return;
    }
    m_canvas.HLine(x0, x1, yc - 2, kBlack);
    m_canvas.HLine(x0, x1, yc + 2, kBlack);
}

void CR8EditSFCItemPainter::PaintStep(const CR8EditSFCItem& step, const RECT& cell,
                                      std::uint16_t link)
{
    const int u = m_style.u;
    const int a = m_style.a;
    const bool active = step.GetActivity() != 0;
    const COLORREF ink = m_canvas.Ink(active ? kActiveFrame : kStepFrame);
    const COLORREF gradient = active ? kActiveGradient : kStepGradient;
    const COLORREF fill = active ? kActiveBox : kStepBox;

    RECT frame = {cell.left, cell.top, cell.left + u, cell.top + u};
    InflateRect(&frame, -a, -a);
    m_canvas.Frame(frame, ink);
    RECT inside = frame;
    InflateRect(&inside, -1, -1);
    if (link & KIND_MACRO)
    {
        RECT second = {frame.left, frame.top + 3, frame.right, frame.bottom - 3};
        m_canvas.Frame(second, ink);
        inside = second;
        InflateRect(&inside, -1, -1);
    }
    else if (link & KIND_MARK)
    {
        RECT second = frame;
        InflateRect(&second, -3, -3);
        m_canvas.Frame(second, ink);
        inside = second;
        InflateRect(&inside, -1, -1);
    }
    if (!m_canvas.IsBlackWhite())
        m_canvas.GradientRows(inside, kWhite, gradient);
    m_canvas.Text(inside, Number(step.GetNumber()), kOneLine | DT_CENTER | DT_VCENTER, ink,
                  m_style.chartFont);
    if (step.IsLocked())
        LockMark(inside.left, inside.top);
    if (step.IsBookmark())
        BookmarkMark(cell.left, cell.top);

    const int x = cell.left + u / 2;
    if (link & LINK_UP)
        m_canvas.LinkV(x, cell.top, cell.top + a);
    if (link & LINK_DOWN)
        m_canvas.LinkV(x, cell.top + u - a, cell.bottom);

    if (cell.right - cell.left >= 2 * u)
        PaintStepBox(step, cell, ink, gradient, fill);
}

void CR8EditSFCItemPainter::PaintStepBox(const CR8EditSFCItem& step, const RECT& cell, COLORREF ink,
                                         COLORREF gradient, COLORREF fill)
{
    const int u = m_style.u;
    const int a = m_style.a;
    HDC dc = m_canvas.GetDC();
    m_canvas.HLine(cell.left + u - a, cell.left + u + a, cell.top + u / 2, ink);
    RECT box = {cell.left + u, cell.top, cell.right, cell.bottom};
    InflateRect(&box, -a, -a);
    if (box.right - box.left < 4 || box.bottom - box.top < 4)
        return;
    {
        SelectedObjects objects(dc, m_canvas.SolidPen(ink),
                                m_canvas.SolidBrush(m_canvas.Paper(fill)));
        RoundRect(dc, box.left, box.top, box.right, box.bottom, 10, 10);
    }

    const std::string note = r8sfc::TrimRight(step.GetText(SFC_TEXT_NOTE));
    RECT whole = {box.left + 3, box.top + 1, box.right - 3, box.bottom - 1};
    if (m_style.display == 1 || step.IsMacro())
    {
        BoxText(whole, note, ink, false);
        return;
    }
    const std::string main = r8sfc::TrimRight(step.GetText(SFC_TEXT_MAIN));
    if (m_style.display == 2)
    {
        BoxText(whole, main, ink, false);
        return;
    }
    const bool has[4] = {!main.empty(), HoldsCode(step.GetText(SFC_TEXT_P1)),
                         HoldsCode(step.GetText(SFC_TEXT_N)), HoldsCode(step.GetText(SFC_TEXT_P0))};
    if (m_style.offscreen)
    {
        // A picture shows the one text a simple step has, over the whole box:
        // its main action when it has nothing else, or its note when it has
        // no code at all.
        if (has[0] && !has[1] && !has[2] && !has[3] && note.empty())
        {
            BoxText(whole, main, ink, false);
            return;
        }
        if (!has[0] && !has[1] && !has[2] && !has[3] && !note.empty())
        {
            BoxText(whole, note, ink, false);
            return;
        }
    }

    // The qualifier column: one row per action kind, filled when it holds code.
    const RECT column = {box.left, box.top,
                         std::min<LONG>(box.left + m_style.qualifierWidth, box.right), box.bottom};
    const int height = column.bottom - column.top;
    static const char* const kLabels[4] = {" Act.", " P1", " N", " P0"};
    {
        CR8SavedDC saved(dc);
        // The fills stay inside the rounded outline. Regions take device
        // coordinates; pictures draw with a shifted origin.
        POINT corners[2] = {{box.left + 1, box.top + 1}, {box.right, box.bottom}};
        LPtoDP(dc, corners, 2);
        if (HRGN round =
                CreateRoundRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y, 9, 9))
        {
            ExtSelectClipRgn(dc, round, RGN_AND);
            DeleteObject(round);
        }
        for (int i = 0; i < 4; ++i)
        {
            RECT row = {column.left, column.top + i * height / 4, column.right,
                        i == 3 ? column.bottom : column.top + (i + 1) * height / 4};
            if (has[i])
            {
                RECT inner = {row.left + 1, row.top + 1, row.right, row.bottom};
                m_canvas.Fill(inner, m_canvas.Paper(gradient));
            }
            if (i > 0)
                m_canvas.HLine(row.left, row.right, row.top, ink);
            m_canvas.Text(row, kLabels[i], kOneLine | DT_LEFT | DT_VCENTER, ink,
                          m_style.textBoxFont);
        }
    }
    m_canvas.VLine(column.right, column.top, column.bottom, ink);
    const RECT noteRect = {column.right + 2, box.top + 1, box.right - 3, box.bottom - 1};
    BoxText(noteRect, note, ink, false);
}

void CR8EditSFCItemPainter::PaintTrans(const CR8EditSFCItem& trans, const RECT& cell)
{
    const int u = m_style.u;
    const int a = m_style.a;
    const COLORREF ink = m_canvas.Ink(kTransText);
    m_canvas.LinkV(cell.left + u / 2, cell.top, cell.bottom);
    const int middle = cell.top + (cell.bottom - cell.top) / 2;
    const RECT bar = {cell.left + u / 4 + 2, middle - 3, cell.left + 3 * u / 4, middle + 1};
    m_canvas.Fill(bar, ink);
    const RECT number = {cell.left, middle + 1, cell.left + u / 2 - 2, cell.bottom};
    m_canvas.Text(number, Number(trans.GetNumber()), kOneLine | DT_RIGHT | DT_TOP, ink,
                  m_style.chartFont);
    if (trans.IsLocked())
        LockMark(number.left, number.top);
    if (trans.GetOnlineState() == 1 || trans.GetOnlineState() == 2)
        OnlineMark(cell, trans.GetOnlineState());
    if (trans.IsBookmark())
        BookmarkMark(cell.left, cell.top);

    if (cell.right - cell.left < 2 * u)
        return;
    RECT box = {cell.left + u, cell.top, cell.right, cell.bottom};
    InflateRect(&box, -a, -a);
    m_canvas.Fill(box, m_canvas.IsBlackWhite() ? m_canvas.SolidBrush(kWhite)
                                               : m_canvas.GetGDI().GetBrush(3));
    RECT text = box;
    InflateRect(&text, -1, -1);
    const std::string shown = TransitionText(trans, m_style.display, m_style.offscreen);
    if (shown.find_first_of("\r\n") == std::string::npos)
        m_canvas.Text(text, shown, kOneLine | DT_LEFT | DT_VCENTER | DT_EXPANDTABS, ink,
                      m_style.textBoxFont);
    else
        BoxText(text, shown, ink, true);
}

void CR8EditSFCItemPainter::PaintJump(const CR8EditSFCItem& jump, const RECT& cell)
{
    const int u = m_style.u;
    const int a = m_style.a;
    const int x = cell.left + u / 2;
    const int yc = cell.top + u / 2;
    HDC dc = m_canvas.GetDC();
    m_canvas.LinkV(x, cell.top, yc);
    if (a > 0)
    {
        SelectedObjects objects(dc, GetStockObject(BLACK_PEN), GetStockObject(BLACK_BRUSH));
        const POINT head[3] = {{x, yc}, {x - 2 * a, yc - 2 * a}, {x + 2 * a, yc - 2 * a}};
        Polygon(dc, head, 3);
    }
    TEXTMETRICA metrics = {};
    HGDIOBJ old = m_style.chartFont != nullptr ? SelectObject(dc, m_style.chartFont) : nullptr;
    GetTextMetricsA(dc, &metrics);
    if (old != nullptr)
        SelectObject(dc, old);
    const RECT label = {cell.left + 2 * a, yc, cell.left + u - 2 * a,
                        static_cast<LONG>(yc + metrics.tmHeight)};
    if (m_canvas.IsBlackWhite())
        m_canvas.Frame(label, kBlack);
    else
        m_canvas.Fill(label, m_canvas.GetGDI().GradientColor(5, 10, kWhite, kStepGradient));
    m_canvas.Text(label, JumpLabel(jump, m_style.document), kOneLine | DT_CENTER | DT_VCENTER,
                  m_canvas.Ink(kJumpLabel), m_style.chartFont);
    if (jump.IsBookmark())
        BookmarkMark(cell.left, cell.top);
}

void CR8EditSFCItemPainter::PaintNote(const CR8EditSFCItemNote& note, const RECT& cell)
{
    RECT rect = cell;
    InflateRect(&rect, -3, -3);
    HDC dc = m_canvas.GetDC();
    HGDIOBJ old = m_style.textBoxFont != nullptr ? SelectObject(dc, m_style.textBoxFont) : nullptr;
    if (auto* box = dynamic_cast<CR8EditSFCCommentBox*>(note.GetNoteBox()))
        box->DrawNote(dc, rect, false, m_canvas.IsBlackWhite(), m_canvas.GetGDI());
    else
        DrawTextNote(dc, rect, r8sfc::TrimRight(note.GetText(SFC_TEXT_NOTE)), false,
                     m_canvas.IsBlackWhite(), m_canvas.GetGDI());
    if (old != nullptr)
        SelectObject(dc, old);
    if (note.IsLocked())
        LockMark(rect.left, rect.top);
    if (note.IsBookmark())
        BookmarkMark(rect.left, rect.top);
}

void CR8EditSFCItemPainter::LockMark(int x, int y)
{
    const int a = m_style.a;
    if (a <= 0)
        return;
    HDC dc = m_canvas.GetDC();
    CQ2GDIWrapApi& gdi = m_canvas.GetGDI();
    const bool bw = m_canvas.IsBlackWhite();
    SelectedObjects objects(dc, bw ? GetStockObject(BLACK_PEN) : gdi.GetPen(36),
                            bw ? GetStockObject(BLACK_BRUSH) : gdi.GetBrush(36));
    const POINT corner[3] = {{x, y}, {x + a, y}, {x, y + a}};
    Polygon(dc, corner, 3);
}

void CR8EditSFCItemPainter::BookmarkMark(int left, int top)
{
    const int u = m_style.u;
    RECT mark = {left, top, left + u / 3, top + u / 4};
    InflateRect(&mark, -1, -1);
    if (mark.right <= mark.left || mark.bottom <= mark.top)
        return;
    HDC dc = m_canvas.GetDC();
    HBRUSH brush = m_canvas.IsBlackWhite() ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                           : m_canvas.GetGDI().GetBrush(100);
    SelectedObjects objects(dc, GetCurrentObject(dc, OBJ_PEN), brush);
    RoundRect(dc, mark.left, mark.top, mark.right, mark.bottom, 5, 5);
}

void CR8EditSFCItemPainter::OnlineMark(const RECT& cell, int state)
{
    const int u = m_style.u;
    RECT mark = {cell.left, cell.top, cell.left + 2 * u / 3, cell.top + u / 4};
    InflateRect(&mark, -1, -1);
    if (mark.right <= mark.left || mark.bottom <= mark.top)
        return;
    HDC dc = m_canvas.GetDC();
    CQ2GDIWrapApi& gdi = m_canvas.GetGDI();
    HBRUSH brush = nullptr;
    if (m_canvas.IsBlackWhite())
        brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    else if (state == 1)
        brush = gdi.GetBrush(101);
    else
        brush = m_canvas.SolidBrush(gdi.LightenColor(gdi.GetColor(101), 0.65));
    SelectedObjects objects(
        dc, m_canvas.IsBlackWhite() ? GetStockObject(BLACK_PEN) : gdi.GetPen(101), brush);
    RoundRect(dc, mark.left, mark.top, mark.right, mark.bottom, 5, 5);
}

void CR8EditSFCItemPainter::BoxText(const RECT& box, const std::string& text, COLORREF ink,
                                    bool centre)
{
    if (text.empty() || box.right <= box.left || box.bottom <= box.top)
        return;
    RECT target = box;
    if (centre)
    {
        const int height = m_canvas.MeasureHeight(box, text, kWrapped, m_style.textBoxFont);
        const int room = box.bottom - box.top;
        if (height < room)
            target.top += (room - height) / 2;
    }
    m_canvas.Text(target, text, kWrapped, ink, m_style.textBoxFont);
}
