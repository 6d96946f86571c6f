// Fragments: a rectangle of the chart as chart text, merged into a chart with
// fresh keys and numbers while the bindings inside it are kept; the spy list
// and the outline that travel with a drag.
#include "chart/R8EditSFCDoc.h"

#include "chart/R8EditSFCFile.h"
#include "chart/R8SFCText.h"
#include "support/TextCase.h"

#include <set>
#include <unordered_set>
#include <utility>
#include <vector>

namespace
{

bool IsChartHeader(std::string_view line)
{
    return r8::EqualsNoCase(line, "#info=WSGE1EDT") || r8::EqualsNoCase(line, "#info=SFCCHART");
}

bool IsChartEnd(std::string_view line)
{
    return r8::EqualsNoCase(line, "#endinfo");
}

std::string_view Trim(std::string_view text)
{
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

bool CR8EditSFCDoc::CopyFragment(std::string& fragment) const
{
    fragment.clear();
    const R8Rect selection = View().GetSelection();
    return SaveToString(&selection, fragment);
}

bool CR8EditSFCDoc::PasteFragment(std::string_view text, int dx, int dy, const R8Rect& extent)
{
    if (IsReadOnly())
        return true;
    std::string before = BeforeText();
    std::int64_t offsetX = dx;
    std::int64_t offsetY = dy;
    if (extent.left + offsetX < 0)
        offsetX = -std::int64_t{extent.left};
    if (extent.top + offsetY < 0)
        offsetY = -std::int64_t{extent.top};

    // The target is free when no element stands in the extent moved, and -
    // whatever extent the caller gave - when every element line of the
    // fragment lands on a free cell of its own inside the grid. Nothing is
    // ever pasted over an element.
    const std::int64_t left = extent.left + offsetX;
    const std::int64_t top = extent.top + offsetY;
    const std::int64_t right = extent.right + offsetX;
    const std::int64_t bottom = extent.bottom + offsetY;
    bool free = !GetCellIndex().VisitRange(left, top, right, bottom,
                                           [](int, int, CR8EditSFCItem*) { return true; });
    {
        CR8EditSFCFile file;
        file.OpenReadText(text);
        std::string line;
        std::set<std::pair<std::int64_t, std::int64_t>> landing;
        bool inBlock = false;
        while (free && file.ReadLine(line))
        {
            if (!inBlock)
            {
                inBlock = IsChartHeader(line);
                continue;
            }
            if (IsChartEnd(line))
            {
                inBlock = false;
                continue;
            }
            if (line.empty() || line[0] != '@')
                continue;
            const R8Point cell = ElementLineCell(line);
            const std::int64_t c = cell.x + offsetX;
            const std::int64_t r = cell.y + offsetY;
            if (c < 0 || c >= SFC_MAX_COLUMNS || r < 0 || r >= SFC_MAX_ROWS ||
                ItemAt(static_cast<int>(c), static_cast<int>(r)) || !landing.insert({c, r}).second)
                free = false;
        }
    }

    if (!free)
    {
        if (m_beep)
            m_beep->Beep();
    }
    else
    {
        CR8EditSFCPasteMap pasted;
        std::unordered_set<const CR8EditSFCItem*> fresh;
        const R8Point offset{static_cast<int>(offsetX), static_cast<int>(offsetY)};
        CR8EditSFCFile file;
        file.OpenReadText(text);
        std::string line;
        while (file.ReadLine(line))
        {
            if (IsChartHeader(line))
            {
                while (file.ReadLine(line) && !IsChartEnd(line))
                {
                    if (line.empty() || line[0] != '@')
                        continue;
                    if (CR8EditSFCItem* item = ReadElementLine(line, false, &offset, &pasted))
                        fresh.insert(item);
                }
            }
            else if (r8sfc::StartsWithNoCase(line, "#sfc="))
            {
                // Only an element of this fragment takes the code block.
                const std::int64_t c =
                    std::int64_t{r8sfc::ReadDecimalAfter(line, '(', -1)} + offsetX;
                const std::int64_t r =
                    std::int64_t{r8sfc::ReadDecimalAfter(line, ',', -1)} + offsetY;
                if (c >= 0 && c < SFC_MAX_COLUMNS && r >= 0 && r < SFC_MAX_ROWS)
                {
                    CR8EditSFCItem* item = ItemAt(static_cast<int>(c), static_cast<int>(r));
                    if (item && fresh.count(item))
                        item->ReadCode(file);
                }
            }
        }

        // Bindings inside the fragment: code references and jumps follow the
        // pasted steps' new numbers, a macro step its body's begin step.
        CR8EditSFCNumberMap numbers;
        std::vector<CR8EditSFCItem*> list;
        for (const auto& [item, old] : pasted)
        {
            if (item->IsStep())
                numbers[old] = item;
        }
        for (const auto& [item, old] : pasted)
        {
            if (!item->IsMacro() && !item->IsJump())
            {
                list.push_back(item);
                continue;
            }
            bool bound = false;
            for (const auto& [other, otherOld] : pasted)
            {
                if (other->IsStep() && otherOld == old)
                {
                    SetNumber(item->GetId(), other->GetNumber());
                    bound = true;
                }
            }
            // A bound element has its final number; renaming it again could
            // take it to a step whose old number is its new one.
            if (bound)
                continue;
            if (item->IsMacro())
                SetNumber(item->GetId(), 0);
            list.push_back(item);
        }
        ApplyRenumbering(numbers, list);
    }
    FinishChange();
    SaveUndoSnapshot(std::move(before));
    return free;
}

std::string CR8EditSFCDoc::MakeSpyList(std::string_view fragment)
{
    const std::size_t end = fragment.find("#endinfo");
    if (end == std::string_view::npos)
        return std::string();
    std::string list;
    std::string_view rest = fragment.substr(0, end);
    while (!rest.empty())
    {
        const std::size_t lf = rest.find('\n');
        const std::string_view piece = Trim(rest.substr(0, lf));
        rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
        if (piece.size() < 2 || piece[0] != '@')
            continue;
        const char kind = piece[1];
        if (kind != 'I' && kind != 'S' && kind != 'B' && kind != 'E')
            continue;
        const std::string n = std::to_string(r8sfc::ReadDecimalAfter(piece, '=', 0));
        list += "0:GS" + n + "\n0:GS" + n + ".T\n";
    }
    return list;
}

R8Rect CR8EditSFCDoc::MakeDragOutline(const R8Rect& selection, R8Point start)
{
    return {selection.left - start.x, selection.top - start.y, selection.right - start.x,
            selection.bottom - start.y};
}

R8Rect CR8EditSFCDoc::GetDragOutline(R8Point start) const
{
    return MakeDragOutline(View().GetSelection(), start);
}
