// Interactive mode: one frame window per chart, with menus, shortcuts and a
// status line showing the caret cell and the modified flag.
#pragma once

#include "workbench/host/ChartHost.h"
#include "workbench/host/CommandRunner.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace sfchost
{

class FrameWindow
{
public:
    FrameWindow(const EditorLibrary& library, CommandRunner& runner);
    ~FrameWindow();
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    bool Create();
    bool Open(const std::string& file);
    HWND Window() const { return frame; }
    bool IsEmptyAndClean() const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void OnInitMenu(HMENU menu);
    void Layout();
    void UpdateStatus();
    bool Save(bool askName);
    bool ConfirmClose();
    void ExportPicture(bool wholeChart);
    DWORD_PTR Exec(const std::vector<std::string>& args);

    const EditorLibrary& library;
    CommandRunner& runner;
    HWND frame = nullptr;
    HWND status = nullptr;
    std::unique_ptr<ChartHost> chart;
};

// Opens one frame per chart file (or one empty frame) and runs the message
// loop until the last frame is closed; returns the exit status.
int RunFrames(const EditorLibrary& library, const std::vector<std::string>& files);

} // namespace sfchost
