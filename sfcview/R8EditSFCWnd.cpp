#include "sfcview/R8EditSFCWnd.h"

CR8EditSFCWnd::CR8EditSFCWnd() = default;

CR8EditSFCWnd::~CR8EditSFCWnd() = default;

void CR8EditSFCWnd::OnCreate(HWND window, const CREATESTRUCTA* create)
{
    Initialise(window, create);
}

bool CR8EditSFCWnd::PreHandleMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CR8EditSFCWnd::HandleChartMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

void CR8EditSFCWnd::OnSize(int, int) {}

void CR8EditSFCWnd::OnSysColorChange()
{
    Redraw();
}

int CR8EditSFCWnd::OnKeyDown(WPARAM, LPARAM)
{
    return 0;
}

void CR8EditSFCWnd::OnChar(WPARAM, LPARAM) {}

void CR8EditSFCWnd::OnScroll(int, int, int) {}

void CR8EditSFCWnd::OnMouseMove(WPARAM, POINT) {}

void CR8EditSFCWnd::OnLButtonDown(WPARAM, POINT) {}

void CR8EditSFCWnd::OnLButtonUp(WPARAM, POINT) {}

bool CR8EditSFCWnd::OnLButtonDblClk(WPARAM, POINT)
{
    return false;
}

void CR8EditSFCWnd::OnRButtonUp(WPARAM, POINT) {}

void CR8EditSFCWnd::OnMButtonDown(POINT) {}

void CR8EditSFCWnd::OnMButtonUp() {}

void CR8EditSFCWnd::SelectCellAt(POINT) {}

void CR8EditSFCWnd::HideTooltip() {}

LPCSTR CR8EditSFCWnd::GetClassName()
{
    return "CR8EditSFCWnd";
}
