// One step of editing history: a whole-chart snapshot in the chart text format.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

// Kinds of command. Only snapshots are recorded; kinds 1 to 3 are applied and
// any other kind is carried along untouched.
constexpr std::uint16_t UNDO_KIND_EMPTY = 0;
constexpr std::uint16_t UNDO_KIND_SNAPSHOT = 3;

class CR8EditUndoCommand
{
public:
    CR8EditUndoCommand() = default;
    CR8EditUndoCommand(std::uint16_t kind, std::string text) : m_kind(kind), m_text(std::move(text))
    {
    }
    virtual ~CR8EditUndoCommand() = default;

    // Copies kind and text; a null source makes the command empty again.
    virtual void CopyFrom(const CR8EditUndoCommand* source);
    // Takes kind and text over from source, which is left empty.
    void TakeFrom(CR8EditUndoCommand& source);
    void SetSnapshot(std::string text);

    std::uint16_t GetKind() const { return m_kind; }
    void SetKind(std::uint16_t kind) { m_kind = kind; }
    const std::string& GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }
    // Moves the text out, leaving it empty; the kind stays.
    std::string TakeText() { return std::exchange(m_text, std::string()); }
    // Whether applying the command replaces the chart (kinds 1 to 3).
    bool IsApplicable() const { return m_kind >= 1 && m_kind <= 3; }

private:
    std::uint16_t m_kind = UNDO_KIND_EMPTY;
    std::string m_text;
};
