// Editing a chart by an operation stream: the input up to its first NUL is a
// chart text to start from, every byte after it picks an operation and its
// cells. After each operation the indexes must agree with the elements and
// the chart text must read back to itself; at the end undoing everything
// must give the starting text again.
#include "chart/R8EditSFCDoc.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

class FuzzView : public CR8EditSFCDocView
{
public:
    R8Point anchor;
    R8Point caret;
    R8Point GetCaret() const override { return caret; }
    R8Point GetAnchor() const override { return anchor; }
    void SetCaret(int column, int row) override { anchor = caret = {column, row}; }
    void ScrollCaretIntoView() override {}
    void RepaintCell(int, int) override {}
    void RepaintAll() override {}
    std::intptr_t GetWindowHandle() const override { return 0; }
    const CR8EditSFCItemView* GetGeometry() const override { return nullptr; }
};

class FuzzPrompt : public CR8EditSFCPrompt
{
public:
    int answer = 0;
    bool AskNumber(std::intptr_t, const R8Rect&, int, int& number) override
    {
        number = answer;
        return answer >= 0;
    }
};

std::string Save(const CR8EditSFCDocData& doc)
{
    std::string text;
    doc.SaveToString(nullptr, text);
    return text;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckChart(const CR8EditSFCDoc& doc)
{
    for (const auto& item : doc.GetItems())
        Check(doc.ItemAt(item->GetColumn(), item->GetRow()) == item.get());
    const std::string text = Save(doc);
    CR8EditSFCDocData fresh;
    fresh.LoadFromText(text);
    Check(Save(fresh) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view chart = input.substr(0, split);
    const std::string_view ops =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    CR8EditSFCDoc doc;
    FuzzView view;
    FuzzPrompt prompt;
    doc.SetView(&view);
    doc.SetPrompt(&prompt);
    doc.LoadFromText(chart);
    // Elements that share a cell in the text are not all reachable; the
    // checks hold for charts that editing itself produces.
    if (doc.GetItems().size() > 200)
        return 0;
    doc.UndoRedoSize(1 << 20);
    {
        const std::string text = Save(doc);
        CR8EditSFCDocData fresh;
        fresh.LoadFromText(text);
        doc.LoadFromText(Save(fresh));
    }
    const std::string start = Save(doc);

    using Insert = CR8EditSFCItem* (CR8EditSFCDoc::*)();
    static const Insert inserts[] = {
        &CR8EditSFCDoc::InsertStep,      &CR8EditSFCDoc::InsertInitStep,
        &CR8EditSFCDoc::InsertMacro,     &CR8EditSFCDoc::InsertTrans,
        &CR8EditSFCDoc::InsertMacroBody, &CR8EditSFCDoc::InsertMainDiv,
        &CR8EditSFCDoc::InsertDiv,       &CR8EditSFCDoc::InsertCnv,
        &CR8EditSFCDoc::InsertJump,      &CR8EditSFCDoc::InsertComment};
    for (std::size_t i = 0; i + 2 < ops.size() && i < 600; i += 3)
    {
        const int op = static_cast<std::uint8_t>(ops[i]) % 12;
        const int column = static_cast<std::uint8_t>(ops[i + 1]) % 12;
        const int row = static_cast<std::uint8_t>(ops[i + 2]) % 24;
        view.SetCaret(column, row);
        switch (op)
        {
        case 0:
            (doc.*inserts[(column + row) % 10])();
            break;
        case 1:
            doc.MakeRoom(column, row);
            break;
        case 2:
            view.anchor = {column / 2, row / 2};
            doc.DeleteSelection();
            break;
        case 3:
            doc.DeleteSelection();
            break;
        case 4:
            view.anchor = {column / 2, row};
            doc.MoveBlock(row % 7 - 3, column % 5 - 2, doc.GetDragOutline(view.caret));
            break;
        case 5:
            doc.Renumber();
            break;
        case 6:
            doc.SwapStyleAt(column, row);
            break;
        case 7:
            prompt.answer = (column * 24 + row) % 40 - 1;
            doc.EnterReference(-1);
            break;
        case 8:
        {
            view.anchor = {0, 0};
            std::string fragment;
            if (doc.CopyFragment(fragment))
                doc.PasteFragment(fragment, row - 3, column - 3,
                                  CR8EditSFCDoc::ScanExtent(fragment));
            break;
        }
        case 9:
            doc.UndoRedoStep(true);
            break;
        case 10:
            doc.UndoRedoStep(false);
            break;
        default:
            prompt.answer = row * 100;
            doc.SetTimer();
            break;
        }
        CheckChart(doc);
    }
    while (doc.UndoRedoStep(true))
        ;
    Check(Save(doc) == start);
    return 0;
}
