// Mirrors every command and notification to an outside command monitor: a
// top-level window of a known class that reads a shared record while it
// handles message 2025.
#pragma once

#include "frame/Win32.h"

#include <cstddef>
#include <cstdint>

constexpr const char* kCommandMonitorName = "CBE90676-81C5-4A4E-B428-95BD92288CF1";
constexpr UINT kCommandMonitorMessage = 2025;
constexpr int kMonitorArgSlots = 7;
constexpr int kMonitorArgSize = 257; // 256 characters and a terminator

// Shared-memory record, 1852 bytes, little-endian.
struct CommandMonitorRecord
{
    std::uint32_t window;
    char className[32]; // no terminator when the name fills it
    std::uint32_t argc;
    char argv[kMonitorArgSlots][kMonitorArgSize];
    std::uint8_t zero1;
    std::uint32_t result;
    std::uint16_t kind; // 0 command, 1 notification
    std::uint16_t zero2;
    std::uint32_t code;
};
static_assert(sizeof(CommandMonitorRecord) == 1852);
static_assert(offsetof(CommandMonitorRecord, window) == 0x000);
static_assert(offsetof(CommandMonitorRecord, className) == 0x004);
static_assert(offsetof(CommandMonitorRecord, argc) == 0x024);
static_assert(offsetof(CommandMonitorRecord, argv) == 0x028);
static_assert(offsetof(CommandMonitorRecord, zero1) == 0x72F);
static_assert(offsetof(CommandMonitorRecord, result) == 0x730);
static_assert(offsetof(CommandMonitorRecord, kind) == 0x734);
static_assert(offsetof(CommandMonitorRecord, zero2) == 0x736);
static_assert(offsetof(CommandMonitorRecord, code) == 0x738);

// Mirror a command (kind 0) with its first min(argc, 7) arguments.
void MirrorCommand(HWND editor, const char* className, int argc, const char* const* argv,
                   DWORD_PTR result);
// Mirror a notification (kind 1) with its code.
void MirrorNotification(HWND editor, const char* className, DWORD code);
