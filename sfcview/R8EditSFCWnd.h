// The SFC chart editor window: the concrete editor this module builds on the
// family's window base. The window procedure creates it on WM_CREATE and
// hands it the messages the base does not take.
#pragma once

#include "frame/R8EditWnd.h"

class CR8EditSFCWnd : public CR8EditWnd
{
public:
    CR8EditSFCWnd();
    ~CR8EditSFCWnd() override;

    // WM_CREATE: the base initialisation, then the chart window's own.
    void OnCreate(HWND window, const CREATESTRUCTA* create);

    // Timer and drag-and-drop messages, offered before the procedure's own
    // list; true when taken.
    bool PreHandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The chart window's private messages WM_USER + 1 ... + 248; true when taken.
    bool HandleChartMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void OnSize(int width, int height);
    void OnSysColorChange();
    // Keyboard handling; a non-zero answer means the key was used.
    int OnKeyDown(WPARAM key, LPARAM flags);
    void OnChar(WPARAM ch, LPARAM flags);
    void OnScroll(int bar, int code, int position);

    void OnMouseMove(WPARAM keys, POINT pt);
    void OnLButtonDown(WPARAM keys, POINT pt);
    void OnLButtonUp(WPARAM keys, POINT pt);
    // True when the chart handles the double click itself.
    bool OnLButtonDblClk(WPARAM keys, POINT pt);
    void OnRButtonUp(WPARAM keys, POINT pt);
    void OnMButtonDown(POINT pt);
    void OnMButtonUp();
    void SelectCellAt(POINT pt);
    void HideTooltip();

    LPCSTR GetClassName() override;
};
