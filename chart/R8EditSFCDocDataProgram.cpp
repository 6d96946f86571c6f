// The program section behind the chart block: successor lines, and step
// references in code following renumbered steps.
#include "chart/R8EditSFCDocData.h"
#include "chart/R8EditSFCFile.h"
#include "chart/R8SFCText.h"

#include <limits>

void CR8EditSFCDocData::CR8EditSFCProgramIndex::Build() const
{
    m_built = true;
    // Only steps and macro steps are asked for. The chart's cells are walked
    // in reading order as the index holds their elements' codes and numbers,
    // so no element is read: once to count the keys, so the table is sized
    // for them alone, then to put them.
    const std::uint64_t steps = NumberKey(SFC_STEP, 0) >> 32;
    const std::uint64_t macros = NumberKey(SFC_MACRO, 0) >> 32;
    const auto eachKey = [this, steps, macros](auto&& take)
    {
        m_doc.GetCellIndex().VisitCellRange(0, 0, m_doc.m_width, m_doc.m_height,
                                            [&](int, int, const CR8EditSFCCellIndex::Cell& cell)
                                            {
                                                const std::uint64_t key = NumberKey(cell.code, cell.number);
                                                if ((key >> 32) == steps || (key >> 32) == macros)
                                                    take(key, cell.item);
                                                return false;
                                            });
    };
    std::size_t count = 0;
    eachKey([&count](std::uint64_t, CR8EditSFCItem*) { ++count; });
    m_keys.Reserve(count);
    // Of several elements with one key, the last in reading order stays.
    eachKey([this](std::uint64_t key, CR8EditSFCItem* item) { m_keys.Put(key, item); });
}

const CR8EditSFCItem* CR8EditSFCDocData::CR8EditSFCProgramIndex::Find(int code, int number) const
{
    if (!m_built)
        Build();
    return m_keys.Find(NumberKey(code, number));
}

void CR8EditSFCDocData::WriteNext(const CR8EditSFCItem& item, CR8EditSFCFile& file) const
{
    std::vector<CR8EditSFCCellIndex::Cell> successors;
    WriteNext(item, file, MakeProgramIndex(), successors);
}

void CR8EditSFCDocData::WriteNext(const CR8EditSFCItem& item, CR8EditSFCFile& file,
                                  const CR8EditSFCProgramIndex& index,
                                  std::vector<CR8EditSFCCellIndex::Cell>& successors) const
{
    int column = item.GetColumn();
    int row = item.GetRow();
    if (item.GetType() == SFC_END_STEP)
    {
        // The end of a macro body goes on where its macro step goes on.
        const CR8EditSFCItem* top = FindChainTop(column, row);
        const CR8EditSFCItem* macro = top ? index.Find(SFC_MACRO, top->GetNumber()) : nullptr;
        if (!macro)
            return;
        column = macro->GetColumn();
        row = macro->GetRow();
    }
    // The successors' codes and numbers come from the cell index: the
    // elements below are not read.
    successors.clear();
    if (!CollectSuccessorCells(column, row, successors))
        return;
    // Written in pieces: "_next", then " GSn" or " GTn" for each successor
    // the program names, separated by commas, then ";".
    file.Write("_next");
    bool first = true;
    for (const CR8EditSFCCellIndex::Cell& next : successors)
    {
        const char* prefix = nullptr;
        int number = 0;
        switch (next.code)
        {
        case SFC_STEP:
        case SFC_BEGIN_STEP:
        case SFC_END_STEP:
        case SFC_INIT_STEP:
        case SFC_JUMP:
            prefix = " GS";
            number = next.number;
            break;
        case SFC_TRANS:
            prefix = " GT";
            number = next.number;
            break;
        case SFC_MACRO:
            // A macro step stands for the begin step of its body (which
            // carries the macro step's number).
            if (index.Find(SFC_STEP, next.number))
            {
                prefix = " GS";
                number = next.number;
            }
            break;
        default:
            break;
        }
        if (!prefix)
            continue;
        if (!first)
            file.Write(",");
        file.Write(prefix);
        file.WriteNumber(static_cast<std::uint32_t>(number));
        first = false;
    }
    file.Write(";");
    file.EndLine();
}

namespace
{

// Whether the text holds "GS" (either case) and a digit: a code without one
// names no step, and renaming would leave it as it is.
bool NamesAStep(std::string_view text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i)
    {
        if ((text[i] == 'G' || text[i] == 'g') && (text[i + 1] == 'S' || text[i + 1] == 's') &&
            r8sfc::IsDigit(text[i + 2]))
            return true;
    }
    return false;
}

} // namespace

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
                // Read in place, and rewritten only when it names a step.
                const std::string* before = item->TextOf(index);
                if (!before || !NamesAStep(*before))
                    continue;
                std::string after = RenameReferences(*before, map);
                if (after != *before)
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
