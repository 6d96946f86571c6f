// The find-and-replace frame the host drives with FindReplace, SearchIn and
// WM_USER + 37: it decides which find operation of the concrete editor runs
// and reports what was found in the host's output list.
#include "frame/R8EditWnd.h"

#include "support/Q2RTLOut.h"

#include <cstdio>

namespace
{

constexpr DWORD kCommandFind = 0x1;
constexpr DWORD kCommandReplace = 0x2;
constexpr DWORD kCommandReplaceAll = 0x4;
constexpr DWORD kCommandFindAgain = 0x8;
constexpr DWORD kFlagInPlaces = 0x4;
constexpr DWORD kFlagFocus = 0x40;

bool IsEmptyText(LPCSTR text)
{
    return text == nullptr || *text == '\0';
}

} // namespace

long CR8EditWnd::FindReplace(LPCSTR szFind, LPCSTR szReplace, DWORD dwCommand, DWORD dwFlags,
                             HWND hListBox)
{
    CR8FindRecord record;
    record.find = szFind;
    record.replace = szReplace;
    record.command = dwCommand;
    record.flags = dwFlags;
    record.listBox = hListBox;
    return RunFindFrame(record);
}

long CR8EditWnd::SearchIn(str_R8FindReplace* pStrFR)
{
    if (pStrFR == nullptr)
        return 0;
    return FindReplace(pStrFR->find, pStrFR->replace, pStrFR->command, pStrFR->flags,
                       pStrFR->listBox);
}

long CR8EditWnd::RunFindFrame(const CR8FindRecord& record)
{
    CR8FindResult result;
    BOOL found = FALSE;
    BOOL replaced = FALSE;
    if (record.command & kCommandFindAgain)
        return FindAgain() ? 1 : 0;

    if (record.flags & kFlagInPlaces)
    {
        if (record.find != nullptr)
            found = Find(&record, &result);
    }
    else if (!IsEmptyText(record.find))
    {
        if (record.command & kCommandFind)
        {
            found = Find(&record, &result);
        }
        else if ((record.command & kCommandReplace) && record.replace != nullptr)
        {
            Replace(&record, &result);
            if (!result.replaced && !result.found)
                return 0;
            found = result.found;
            replaced = result.replaced;
        }
        else if ((record.command & kCommandReplaceAll) && record.replace != nullptr)
        {
            replaced = ReplaceAll(&record);
        }
    }
    if (found || replaced)
    {
        Redraw();
        ReportFind(record, result);
        if (record.flags & kFlagFocus)
            SetFocusState(TRUE);
    }
    return (found ? 1 : 0) + (replaced ? 2 : 0);
}

void CR8EditWnd::ReportFind(const CR8FindRecord& record, const CR8FindResult& result)
{
    if (record.listBox == nullptr && record.secondOutput == nullptr)
        return;
    r8::CQ2RTLOut out;
    out.SetOutput(reinterpret_cast<std::uintptr_t>(record.listBox),
                  static_cast<std::FILE*>(record.secondOutput));

    const std::string program = GetProgramName();
    switch (contentType)
    {
    case 2:
        out.SetObject(("#define <" + program + ">").c_str());
        break;
    case 3:
        out.SetObject("#define <Common>");
        break;
    case 4:
        out.SetObject("#define <Global>");
        break;
    case 5:
        out.SetObject(program.c_str());
        out.SetCategory(qualifier.c_str());
        out.SetSubObject(qualifierSuffix.c_str());
        break;
    default:
        out.SetObject(program.c_str());
        break;
    }
    if (ReportsLineAndColumn())
    {
        out.SetTwoCoordinates(true);
        out.SetPosition(static_cast<std::uint32_t>(result.line), static_cast<std::uint32_t>(result.column));
    }
    else
    {
        out.SetPosition(static_cast<std::uint32_t>(result.column));
    }

    const std::string foundText = result.foundText[0] != '\0'  ? std::string(result.foundText)
                                  : record.find != nullptr     ? std::string(record.find)
                                                               : std::string();
    const std::string replaceText = record.replace != nullptr ? record.replace : "";
    std::string line;
    if (record.command & kCommandFind)
    {
        line = foundText;
    }
    else if (record.command & kCommandReplace)
    {
        line = result.replaced ? foundText + " --> " + replaceText : "Find first '" + foundText + "'";
    }
    else if (record.command & kCommandReplaceAll)
    {
        line = std::string(record.find != nullptr ? record.find : "") + " --> " + replaceText;
    }
    out.WriteLine(line.c_str());
    if ((record.command & kCommandReplaceAll) && !(record.command & (kCommandFind | kCommandReplace)) &&
        record.listBox != nullptr)
        SendMessageA(record.listBox, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(out.FormatLine(line.c_str()).c_str()));
}
