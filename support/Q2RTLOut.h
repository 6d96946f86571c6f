// Composes lines for the workbench's output list (find and replace reports,
// messages) and sends each to a list window and to a log file. A line reads
//
//     category: object-subobjectNWn(line,column): message
//
// where every part before the message is optional: the category with ": "
// when one is set, the object, "-" and the sub-object, then (unless the
// position is hidden) "NW" and the network number when above 0 and the
// position as "(line,column): " in two-coordinate mode or "(value): ".
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace r8
{

// Where the lines go in place of a list-box window: tests and hosts without
// windows collect them here.
class CQ2RTLOutList
{
public:
    virtual ~CQ2RTLOutList() = default;
    virtual void AddLine(const std::string& line) = 0;
};

class CQ2RTLOut
{
public:
    static constexpr std::uint32_t flagSilent = 0x1; // WriteLine writes nothing

    CQ2RTLOut() = default;
    virtual ~CQ2RTLOut() = default;

    // Null texts read as empty.
    void SetCategory(const char* category);
    void SetObject(const char* object); // also clears the sub-object
    void SetSubObject(const char* subObject);

    // The position: one value, or line and column in two-coordinate mode.
    void SetPosition(std::uint32_t first, std::uint32_t second = 0);
    void SetTwoCoordinates(bool twoCoordinates) { m_twoCoordinates = twoCoordinates; }
    void SetShowPosition(bool show) { m_showPosition = show; }      // on at construction
    void SetNetwork(std::uint32_t network) { m_network = network; } // 0: none

    // The list-box window (a window handle as an integer, 0 none; it gets each
    // line by LB_ADDSTRING) and the log file (an open C stream the caller
    // owns, null none). Each call replaces both outputs.
    void SetOutput(std::uintptr_t listWindow, std::FILE* logFile);
    // The same with a list object the caller owns in place of the window.
    void SetOutput(CQ2RTLOutList* list, std::FILE* logFile);

    void SetFlags(std::uint32_t flags) { m_flags = flags; }
    std::uint32_t GetFlags() const { return m_flags; }

    // The line WriteLine would send for message (null reads as empty).
    std::string FormatLine(const char* message) const;

    // Sends the line to the list and to the log file (followed there by CR
    // LF). With the silent flag set, nothing is written anywhere.
    void WriteLine(const char* message);

private:
    std::string m_category;
    std::string m_object;
    std::string m_subObject;
    std::uintptr_t m_listWindow = 0;
    CQ2RTLOutList* m_list = nullptr;
    std::FILE* m_logFile = nullptr;
    bool m_twoCoordinates = false;
    std::uint32_t m_first = 0;
    std::uint32_t m_second = 0;
    std::uint32_t m_flags = 0;
    bool m_showPosition = true;
    std::uint32_t m_network = 0;
};

} // namespace r8
