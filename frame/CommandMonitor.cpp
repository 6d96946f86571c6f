#include "frame/CommandMonitor.h"

#include <cstring>

namespace
{

CommandMonitorRecord MakeRecord(HWND editor, const char* className)
{
    CommandMonitorRecord record;
    std::memset(&record, 0, sizeof record);
    record.window = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(editor));
    // Cut so the field always ends in a NUL for the monitor that reads it.
    if (className != nullptr)
        std::memcpy(record.className, className,
                    strnlen(className, sizeof record.className - 1));
    return record;
}

// The record lives only while the monitor handles the message.
void Send(const CommandMonitorRecord& record, HWND editor)
{
    HWND monitor = FindWindowA(kCommandMonitorName, nullptr);
    if (monitor == nullptr)
        return;
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof record, kCommandMonitorName);
    if (mapping == nullptr)
        return;
    void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof record);
    if (view != nullptr)
    {
        std::memcpy(view, &record, sizeof record);
        SendMessageA(monitor, kCommandMonitorMessage, 0, reinterpret_cast<LPARAM>(editor));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
}

} // namespace

void MirrorCommand(HWND editor, const char* className, int argc, const char* const* argv,
                   DWORD_PTR result)
{
    if (FindWindowA(kCommandMonitorName, nullptr) == nullptr)
        return;
    CommandMonitorRecord record = MakeRecord(editor, className);
    record.argc = static_cast<std::uint32_t>(argc < 0 ? 0 : argc);
    const int slots = argc < kMonitorArgSlots ? argc : kMonitorArgSlots;
    for (int i = 0; argv != nullptr && i < slots; ++i)
    {
        if (argv[i] != nullptr)
            std::strncpy(record.argv[i], argv[i], kMonitorArgSize - 1);
    }
    record.result = static_cast<std::uint32_t>(result);
    record.kind = 0;
    Send(record, editor);
}

void MirrorNotification(HWND editor, const char* className, DWORD code)
{
    if (FindWindowA(kCommandMonitorName, nullptr) == nullptr)
        return;
    CommandMonitorRecord record = MakeRecord(editor, className);
    record.kind = 1;
    record.code = code;
    Send(record, editor);
}
