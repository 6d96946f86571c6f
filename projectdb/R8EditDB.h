// The editor window's binding to the project database: the last level of
// the wrapper chain, with the edited program, the target configuration and
// the block lookups the editor needs.
#pragma once

#include "projectdb/Q2DBWrapRW.h"
#include "projectdb/Q2RTCApi.h"

class CR8EditDB : public CQ2DBWrapRW
{
public:
    CR8EditDB() = default;
    ~CR8EditDB() override;

    // Opens the configuration project and the database project for the
    // path; change events go to the window as WM_USER. The configuration
    // project is closed again when the database can't be opened.
    BOOL ConnectProject(HWND hWnd, LPCSTR path, LPCSTR user, DWORD flag);
    void DisconnectProject();
    void Close() override;

    // Same value and meaning as the service's kind (3 = program).
    using CQ2DBWrapEnum::GetKindOfObject;

    void SetEditedProgramID(DWORD id) { editedProgramId = id; }
    DWORD GetEditedProgramID() const { return editedProgramId; }
    // The edited program's name; empty when none is set or it is unknown.
    std::string GetEditedProgramName();
    // Whether the window edits a program (content type 1) rather than
    // definitions.
    void SetProgramContent(BOOL isProgram) { programContent = isProgram; }
    BOOL IsProgramContent() const { return programContent; }

    // With projectFlag clear, a standard block of the registry; otherwise a
    // user block type of the project (description flags 8 or 64), or a
    // program of that name. 0 when there is none.
    DWORD FindBlock(BOOL projectFlag, LPCSTR name);
    // Input and output counts of a block: from the registry first (flag
    // clear), else from the project. TRUE when counts were found.
    BOOL GetBlockPinCounts(BOOL projectFlag, DWORD id, int* nbIn, int* nbOut);

    // Hands the program to code completion; the editor has no code
    // completion link yet, so there is nothing to bind.
    void BindCodeCompletion(DWORD programId);

    CQ2RTCApi& GetTargetConfig() { return rtc; }

private:
    DWORD editedProgramId = 0;
    CQ2RTCApi rtc;
    BOOL programContent = FALSE;
};
