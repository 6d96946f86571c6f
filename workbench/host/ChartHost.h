// One open chart: a host window that owns an editor window as its child,
// keeps the editor filling it, and records the editor's notifications.
#pragma once

#include "workbench/host/EditorLibrary.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace sfchost
{

class ChartHost
{
public:
    using Listener = std::function<void(ChartHost&, WORD code)>;

    // A null parent makes a hidden top-level host (batch mode); otherwise
    // the host is a visible child of parent.
    ChartHost(const EditorLibrary& library, HWND parent, int width, int height);
    ~ChartHost();
    ChartHost(const ChartHost&) = delete;
    ChartHost& operator=(const ChartHost&) = delete;

    bool IsValid() const { return editor != nullptr; }
    HWND Window() const { return host; }
    HWND Editor() const { return editor; }

    // Sets the size of the editor's area, in client pixels.
    void Resize(int width, int height);

    // The notification codes received since the last call.
    std::vector<WORD> TakeNotifications();
    void SetListener(Listener callback) { listener = std::move(callback); }

    std::string path; // the chart's file, empty for a new chart

    static constexpr int kEditorId = 100;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND host = nullptr;
    HWND editor = nullptr;
    std::vector<WORD> received;
    Listener listener;
};

// Delivers every message waiting in the thread's queue (posted
// notifications, paints, timers).
void PumpMessages();

} // namespace sfchost
