// The chart window's private messages: the older road to its operations.
#include "sfcview/R8EditSFCWnd.h"

#include "chart/R8EditSFCItem.h"

namespace
{

using Handler = LRESULT (*)(CR8EditSFCWnd& w, WPARAM wp, LPARAM lp);

struct ChartMessage
{
    UINT offset; // from WM_USER
    Handler handler;
};

BOOL Flag(WPARAM wp)
{
    return wp != 0 ? TRUE : FALSE;
}

LPCSTR TextOf(LPARAM lp)
{
    return reinterpret_cast<LPCSTR>(lp);
}

LRESULT Text(LPCSTR text)
{
    return reinterpret_cast<LRESULT>(text);
}

// Two ints (column, row) at the address; false for a null address.
bool CellAt(WPARAM wp, int& column, int& row)
{
    if (wp == 0)
        return false;
    const int* cell = reinterpret_cast<const int*>(wp);
    column = cell[0];
    row = cell[1];
    return true;
}

void Store(LPARAM lp, DWORD value)
{
    if (lp != 0)
        *reinterpret_cast<DWORD*>(lp) = value;
}

bool IsStepKind(int type)
{
    return type == SFC_STEP || type == SFC_END_STEP || type == SFC_BEGIN_STEP || type == SFC_INIT_STEP;
}

// The element is of the asked kind: its number goes to lParam, answer 1.
LRESULT NumberIfKind(const CR8EditSFCItem* item, LPARAM lp, bool step)
{
    if (item == nullptr)
        return 0;
    const bool match = step ? IsStepKind(item->GetType()) : item->GetType() == SFC_TRANS;
    if (!match)
        return 0;
    Store(lp, static_cast<DWORD>(item->GetNumber()));
    return 1;
}

// WM_USER + 227 / + 228: is the selected element of the kind, and which one.
LRESULT SelectedOfKind(CR8EditSFCWnd& w, LPARAM lp, bool step)
{
    const R8Point c = w.GetView().GetCaret();
    return NumberIfKind(w.GetDocument().ItemAt(c.x, c.y), lp, step);
}

// WM_USER + 247 / + 248: is the element at the given cell of the kind.
LRESULT CellOfKind(CR8EditSFCWnd& w, WPARAM wp, LPARAM lp, bool step)
{
    Store(lp, 0);
    int column = 0;
    int row = 0;
    if (!CellAt(wp, column, row))
        return 0;
    return NumberIfKind(w.GetDocument().ItemAt(column, row), lp, step);
}

// WM_USER + 121: chart text at the cell whose column and row are at wParam.
void InsertAtCell(CR8EditSFCWnd& w, WPARAM wp, LPARAM lp)
{
    int column = 0;
    int row = 0;
    if (CellAt(wp, column, row))
        w.InsertTextAt(POINT{column, row}, TextOf(lp));
}

// WM_USER + 245: the element after the selected one, its number at lParam.
LRESULT NextItem(CR8EditSFCWnd& w, WPARAM wp, LPARAM lp)
{
    const CR8EditSFCItem* next = w.SelectNextItem(wp != 0);
    if (next == nullptr)
        return 0;
    Store(lp, static_cast<DWORD>(next->GetNumber()));
    return 1;
}

#define R8_DO(expr) [](CR8EditSFCWnd & w, WPARAM wp, LPARAM lp) -> LRESULT { (void)w; (void)wp; (void)lp; expr; return 0; }
#define R8_RET(expr) [](CR8EditSFCWnd & w, WPARAM wp, LPARAM lp) -> LRESULT { (void)w; (void)wp; (void)lp; return static_cast<LRESULT>(expr); }

const ChartMessage kChartMessages[] = {
    {2, R8_DO(w.SetID(static_cast<DWORD>(lp)))},
    {31, R8_RET(w.CanSetTab())},
    {33, R8_RET(1)},
    {35, R8_RET(1)},
    {34, R8_DO(w.SetZoom(static_cast<int>(wp), static_cast<int>(lp)))},
    {36, R8_DO(w.SetGrid(Flag(wp)))},
    {41, R8_RET(w.GetCurPos())},
    {55, R8_RET(w.PaintRectToDC(reinterpret_cast<HDC>(wp), reinterpret_cast<const RECT*>(lp)))},
    {66, R8_RET(w.IsGridVisible())},
    {89, R8_RET(w.HasSelection())},
    {112, R8_RET(0)},
    {116, R8_DO(w.EnsureSelVisible())},
    {121, R8_DO(InsertAtCell(w, wp, lp))},
    {200, R8_DO(w.Lock(Flag(wp)))},
    {201, R8_RET(w.CanInsert())},
    {202, R8_DO(w.InsertStep())},
    {203, R8_DO(w.InsertTrans())},
    {204, R8_DO(w.InsertJump())},
    {205, R8_DO(w.InsertMainDiv())},
    {206, R8_DO(w.InsertDiv())},
    {207, R8_DO(w.InsertCnv())},
    {208, R8_DO(w.InsertMacro())},
    {209, R8_DO(w.InsertMacroBody())},
    {210, R8_RET(w.CanSwapStyle())},
    {211, R8_DO(w.SwapStyle())},
    {212, R8_DO(w.InsertInitStep())},
    {213, R8_RET(Text(w.GetElementText(SFC_TRANS, static_cast<int>(wp), 0)))},
    {214, R8_DO(w.SetElementText(SFC_TRANS, static_cast<int>(wp), 0, TextOf(lp)))},
    {215, R8_RET(Text(w.GetElementText(SFC_TRANS, static_cast<int>(wp), 1)))},
    {216, R8_DO(w.SetElementText(SFC_TRANS, static_cast<int>(wp), 1, TextOf(lp)))},
    {217, R8_RET(Text(w.GetElementText(SFC_STEP, static_cast<int>(wp), 0)))},
    {218, R8_DO(w.SetElementText(SFC_STEP, static_cast<int>(wp), 0, TextOf(lp)))},
    {219, R8_RET(Text(w.GetElementText(SFC_STEP, static_cast<int>(wp), 2)))},
    {220, R8_DO(w.SetElementText(SFC_STEP, static_cast<int>(wp), 2, TextOf(lp)))},
    {221, R8_RET(Text(w.GetElementText(SFC_STEP, static_cast<int>(wp), 3)))},
    {222, R8_DO(w.SetElementText(SFC_STEP, static_cast<int>(wp), 3, TextOf(lp)))},
    {223, R8_RET(Text(w.GetElementText(SFC_STEP, static_cast<int>(wp), 4)))},
    {224, R8_DO(w.SetElementText(SFC_STEP, static_cast<int>(wp), 4, TextOf(lp)))},
    {225, R8_RET(Text(w.GetElementText(SFC_STEP, static_cast<int>(wp), 1)))},
    {226, R8_DO(w.SetElementText(SFC_STEP, static_cast<int>(wp), 1, TextOf(lp)))},
    {227, R8_RET(SelectedOfKind(w, lp, true))},
    {228, R8_RET(SelectedOfKind(w, lp, false))},
    {229, R8_RET(w.GetSelRefNum())},
    {230, R8_DO(w.LockElement(Flag(wp), SFC_INIT_STEP, static_cast<int>(lp)))},
    {231, R8_DO(w.LockElement(Flag(wp), SFC_TRANS, static_cast<int>(lp)))},
    {232, R8_DO(w.EnterSelRef())},
    {233, R8_RET(w.CanEnterSelRef())},
    {236, R8_RET(w.CanEditSelCode())},
    {237, R8_RET(w.GetElementLanguage(SFC_STEP, static_cast<int>(wp), 2))},
    {238, R8_RET(w.GetElementLanguage(SFC_STEP, static_cast<int>(wp), 3))},
    {239, R8_RET(w.GetElementLanguage(SFC_STEP, static_cast<int>(wp), 4))},
    {240, R8_RET(w.GetElementLanguage(SFC_TRANS, static_cast<int>(wp), 0))},
    {241, R8_DO(w.SetNoteDisplay(Flag(wp)))},
    {242, R8_RET(w.GetNoteDisplay())},
    {243, R8_RET(w.CanRenumber())},
    {244, R8_DO(w.Renumber())},
    {245, R8_RET(NextItem(w, wp, lp))},
    {246, R8_DO(w.ActiveStep(static_cast<int>(wp)))},
    {247, R8_RET(CellOfKind(w, wp, lp, true))},
    {248, R8_RET(CellOfKind(w, wp, lp, false))},
};

#undef R8_DO
#undef R8_RET

} // namespace

bool CR8EditSFCWnd::HandleChartMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const ChartMessage& m : kChartMessages)
    {
        if (msg == WM_USER + m.offset)
        {
            result = m.handler(*this, wParam, lParam);
            return true;
        }
    }
    return false;
}
