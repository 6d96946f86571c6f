// The chart document driven as the window drives it: a view with a caret and
// a selection, a scripted number prompt, a counted beep and a change target.
#pragma once

#include "ChartTestSupport.h"

#include "chart/R8EditSFCDoc.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace doctest
{

class TestView : public CR8EditSFCDocView
{
public:
    R8Point anchor;
    R8Point caret;
    int cellRepaints = 0;
    int fullRepaints = 0;
    int scrolls = 0;
    charttest::FakeView geometry;

    R8Point GetCaret() const override { return caret; }
    R8Point GetAnchor() const override { return anchor; }
    void SetCaret(int column, int row) override { anchor = caret = {column, row}; }
    void ScrollCaretIntoView() override { ++scrolls; }
    void RepaintCell(int, int) override { ++cellRepaints; }
    void RepaintAll() override { ++fullRepaints; }
    std::intptr_t GetWindowHandle() const override { return 0x1234; }
    const CR8EditSFCItemView* GetGeometry() const override { return &geometry; }

    void Select(int left, int top, int right, int bottom)
    {
        anchor = {left, top};
        caret = {right, bottom};
    }
};

// Answers from a queue; an empty queue or a nullopt entry is a cancel.
class ScriptedPrompt : public CR8EditSFCPrompt
{
public:
    std::deque<std::optional<int>> answers;
    int calls = 0;
    int lastInitial = 0;
    int lastStartDigit = 0;
    std::intptr_t lastOwner = 0;
    R8Rect lastArea;

    bool AskNumber(std::intptr_t owner, const R8Rect& area, int startDigit, int& number) override
    {
        ++calls;
        lastOwner = owner;
        lastArea = area;
        lastStartDigit = startDigit;
        lastInitial = number;
        if (answers.empty())
            return false;
        const std::optional<int> answer = answers.front();
        answers.pop_front();
        if (!answer)
            return false;
        number = *answer;
        return true;
    }
};

class CountingBeep : public CR8EditSFCBeep
{
public:
    int beeps = 0;
    void Beep() override { ++beeps; }
};

class RecordingTarget : public CR8EditSFCChangeTarget
{
public:
    std::vector<std::string> texts;
    void ChangeProgram(const std::string& chartText) override { texts.push_back(chartText); }
};

// The grid as text, rows separated by "|", cells by " ": a letter and the
// number for numbered kinds (S1, T2, J1, N4, ...), the letter alone for nodes
// and branches, "." for an empty cell.
inline std::string Grid(const CR8EditSFCDocData& doc)
{
    std::string grid;
    for (int r = 0; r < doc.GetHeight(); ++r)
    {
        if (r > 0)
            grid += "|";
        for (int c = 0; c < doc.GetWidth(); ++c)
        {
            if (c > 0)
                grid += " ";
            const CR8EditSFCItem* item = doc.ItemAt(c, r);
            if (!item)
            {
                grid += ".";
                continue;
            }
            grid += SFCTypeLetter(item->GetType());
            const int t = item->GetType();
            const bool numbered = t == SFC_STEP || t == SFC_INIT_STEP || t == SFC_BEGIN_STEP ||
                                  t == SFC_END_STEP || t == SFC_MACRO || t == SFC_TRANS ||
                                  t == SFC_JUMP || t == SFC_NOTE;
            if (numbered)
                grid += std::to_string(item->GetNumber());
        }
    }
    return grid;
}

// A chart block of element lines (the lines given without the header and end).
inline std::string Chart(std::initializer_list<std::string_view> elementLines)
{
    std::string text = "#info=SFCCHART\r\n";
    for (std::string_view line : elementLines)
    {
        text += line;
        text += "\r\n";
    }
    return text + "#endinfo\r\n";
}

class DocTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.SetView(&view);
        doc.SetPrompt(&prompt);
        doc.SetBeep(&beep);
        doc.SetChangeTarget(&target);
    }

    void Load(const std::string& text)
    {
        doc.LoadFromText(text);
        doc.EmptyUndoStack();
    }
    void Caret(int column, int row) { view.SetCaret(column, row); }
    std::string Text() const { return charttest::Save(doc); }
    std::size_t UndoCount() const { return doc.GetUndoRedo().GetUndoStack().GetCount(); }
    std::size_t RedoCount() const { return doc.GetUndoRedo().GetRedoStack().GetCount(); }

    CR8EditSFCDoc doc;
    TestView view;
    ScriptedPrompt prompt;
    CountingBeep beep;
    RecordingTarget target;
};

} // namespace doctest
