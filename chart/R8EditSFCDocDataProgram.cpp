// The program section behind the chart block: successor lines, and step
// references in code following renumbered steps.
#include "chart/R8EditSFCDocData.h"
#include "chart/R8EditSFCFile.h"
#include "chart/R8SFCText.h"

#include <limits>

namespace
{

std::string Unsigned(int value)
{
    return std::to_string(static_cast<std::uint32_t>(value));
}

} // namespace

CR8EditSFCDocData::CR8EditSFCProgramIndex CR8EditSFCDocData::MakeProgramIndex() const
{
    CR8EditSFCProgramIndex index;
    for (const CR8EditSFCItem* item : ItemsInRange({0, 0, m_width, m_height}))
        index[NumberKey(item->GetType(), item->GetNumber())] = item;
    return index;
}

void CR8EditSFCDocData::WriteNext(const CR8EditSFCItem& item, CR8EditSFCFile& file) const
{
    WriteNext(item, file, MakeProgramIndex());
}

void CR8EditSFCDocData::WriteNext(const CR8EditSFCItem& item, CR8EditSFCFile& file,
                                  const CR8EditSFCProgramIndex& index) const
{
    const auto find = [&index](int code, int number) -> const CR8EditSFCItem*
    {
        const auto found = index.find(NumberKey(code, number));
        return found == index.end() ? nullptr : found->second;
    };
    int column = item.GetColumn();
    int row = item.GetRow();
    if (item.GetType() == SFC_END_STEP)
    {
        // The end of a macro body goes on where its macro step goes on.
        const CR8EditSFCItem* top = FindChainTop(column, row);
        const CR8EditSFCItem* macro = top ? find(SFC_MACRO, top->GetNumber()) : nullptr;
        if (!macro)
            return;
        column = macro->GetColumn();
        row = macro->GetRow();
    }
    std::vector<CR8EditSFCItem*> successors;
    if (!CollectSuccessors(column, row, successors))
        return;
    std::string line = "_next";
    bool first = true;
    for (const CR8EditSFCItem* next : successors)
    {
        std::string entry;
        switch (next->GetType())
        {
        case SFC_STEP:
        case SFC_BEGIN_STEP:
        case SFC_END_STEP:
        case SFC_INIT_STEP:
        case SFC_JUMP:
            entry = " GS" + Unsigned(next->GetNumber());
            break;
        case SFC_TRANS:
            entry = " GT" + Unsigned(next->GetNumber());
            break;
        case SFC_MACRO:
            // A macro step stands for the begin step of its body.
            if (const CR8EditSFCItem* begin = find(SFC_STEP, next->GetNumber()))
                entry = " GS" + Unsigned(begin->GetNumber());
            break;
        default:
            break;
        }
        if (entry.empty())
            continue;
        if (!first)
            line += ",";
        line += entry;
        first = false;
    }
    line += ";";
    file.WriteLine(line);
}

std::string CR8EditSFCDocData::RenameReferences(std::string_view text,
                                                const CR8EditSFCNumberMap& map)
{
    std::string out;
    out.reserve(text.size());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size)
    {
        const char g = text[i];
        if (g != 'G' && g != 'g')
        {
            out += g;
            ++i;
            continue;
        }
        if (i + 1 >= size || (text[i + 1] != 'S' && text[i + 1] != 's'))
        {
            out += text.substr(i, 2);
            i += 2;
            continue;
        }
        if (i + 2 >= size || !r8sfc::IsDigit(text[i + 2]))
        {
            out += text.substr(i, 3);
            i += 3;
            continue;
        }
        const std::string_view letters = text.substr(i, 2);
        std::size_t end = i + 2;
        std::int64_t value = 0;
        bool fits = true;
        for (; end < size && r8sfc::IsDigit(text[end]); ++end)
        {
            value = value * 10 + (text[end] - '0');
            if (value > std::numeric_limits<int>::max())
            {
                fits = false;
                value = 0;
            }
        }
        // A number no element can carry is left as written.
        std::string number =
            fits ? std::to_string(value) : std::string(text.substr(i + 2, end - i - 2));
        out += letters;
        const char* suffix = nullptr;
        if (end + 1 < size && text[end] == '.')
        {
            const char s = text[end + 1];
            if (s == 'X' || s == 'x' || s == 'T' || s == 't')
                suffix = &text[end + 1];
        }
        if (suffix && fits)
        {
            const auto mapped = map.find(static_cast<int>(value));
            if (mapped != map.end() && mapped->second)
                number = std::to_string(mapped->second->GetNumber());
        }
        out += number;
        // The character after the number, and after a "." the one after it,
        // are copied as they are.
        const std::size_t copy = (end < size && text[end] == '.') ? 2 : 1;
        out += text.substr(std::min(end, size), copy);
        i = end + copy;
    }
    return out;
}

bool CR8EditSFCDocData::ApplyRenumbering(const CR8EditSFCNumberMap& map,
                                         const std::vector<CR8EditSFCItem*>& list)
{
    // The code texts of a step and of a transition; notes are not code.
    static const std::vector<int> stepTexts{SFC_TEXT_MAIN, SFC_TEXT_P1, SFC_TEXT_N, SFC_TEXT_P0};
    static const std::vector<int> transTexts{SFC_TEXT_MAIN};
    bool changed = false;
    for (CR8EditSFCItem* item : list)
    {
        if (!item)
            continue;
        if (item->IsStep() || item->IsTrans())
        {
            for (int index : item->IsStep() ? stepTexts : transTexts)
            {
                const std::string before = item->GetText(index);
                const std::string after = RenameReferences(before, map);
                if (after != before)
                {
                    item->SetText(index, after);
                    changed = true;
                }
            }
        }
        else if (item->IsJump() || item->IsMacro())
        {
            // A jump follows its target, a macro step its body's begin step.
            const auto mapped = map.find(item->GetNumber());
            if (mapped != map.end() && mapped->second)
                TakeNumber(item->GetId(), mapped->second->GetNumber());
        }
    }
    return changed;
}
