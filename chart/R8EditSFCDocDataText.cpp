// The chart text: the chart block of element lines and its reading.
#include "chart/ChartPlatform.h"
#include "chart/R8EditSFCDocData.h"

#include "chart/R8EditSFCFile.h"
#include "chart/R8SFCText.h"
#include "support/TextCase.h"

#include <algorithm>
#include <cstring>
#include <charconv>
#include <cstdint>
#include <cstdio>

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

int CodeOfLetter(char letter, bool joinsRight)
{
    switch (letter)
    {
    case 'A':
        return SFC_NODE_DOUBLE;
    case 'B':
        return SFC_BEGIN_STEP;
    case 'C':
    case 'c':
        return joinsRight ? SFC_CONVERGENCE_RIGHT : SFC_CONVERGENCE;
    case 'D':
    case 'd':
        return joinsRight ? SFC_DIVERGENCE_RIGHT : SFC_DIVERGENCE;
    case 'E':
        return SFC_END_STEP;
    case 'I':
        return SFC_INIT_STEP;
    case 'J':
        return SFC_JUMP;
    case 'M':
        return SFC_MACRO;
    case 'N':
        return SFC_NOTE;
    case 'O':
        return SFC_NODE;
    case 'S':
        return SFC_STEP;
    case 'T':
        return SFC_TRANS;
    default:
        return 0;
    }
}

} // namespace

bool CR8EditSFCDocData::WriteChart(const R8Rect& range, CR8EditSFCFile& file) const
{
    // The range is walked twice in reading order straight from the cell
    // index; no list of its elements is made.
    const auto eachItem = [this, &range](auto&& write)
    {
        return GetCellIndex().VisitRange(range.left, range.top, range.right, range.bottom,
                                         [&write](int, int, const CR8EditSFCItem* item)
                                         {
                                             write(*item);
                                             return false;
                                         });
    };
    bool any = false;
    file.WriteLine("#info=SFCCHART");
    // One buffer for every element line: numbers go in without temporaries.
    std::string line;
    line.reserve(128);
    const auto number = [&line](std::uint32_t value)
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        line.append(digits, end);
    };
    eachItem([&](const CR8EditSFCItem& item)
    {
        any = true;
        line.assign(1, '@');
        line += SFCTypeLetter(item.GetType());
        number(item.GetKey());
        line += ':';
        number(r8sfc::RelativeCell(item.GetRow(), range.top));
        line += ',';
        number(r8sfc::RelativeCell(item.GetColumn(), range.left));
        line += '=';
        number(static_cast<std::uint32_t>(item.GetNumber()));
        line += ';';
        if (const std::string* note = item.TextOf(SFC_TEXT_NOTE))
            r8sfc::AppendEscapedLineBreaks(line, *note);
        file.WriteLine(line);
    });
    file.WriteLine("#endinfo");
    const CR8EditSFCProgramIndex index = MakeProgramIndex();
    std::vector<CR8EditSFCCellIndex::Cell> successors;
    eachItem([&](const CR8EditSFCItem& item)
    {
        if (!item.WriteDeclaration(file))
            return;
        item.WriteCode(file, {range.left, range.top});
        WriteNext(item, file, index, successors);
    });
    return any;
}

bool CR8EditSFCDocData::SaveToString(const R8Rect* range, std::string& text) const
{
    CR8EditSFCFile file;
    const std::size_t start = text.size();
    if (!range)
        text.reserve(start + m_textSizeHint + m_textSizeHint / 16);
    file.OpenWriteString(text);
    const R8Rect whole{0, 0, m_width, m_height};
    const bool any = WriteChart(range ? *range : whole, file);
    file.Close();
    if (!range)
        m_textSizeHint = text.size() - start;
    if (!any)
        text.clear();
    return any;
}

bool CR8EditSFCDocData::SaveToFile(const std::string& path)
{
    // The old file stays until the new one is complete on disk.
    const std::string temporary = path + ".r8save";
    CR8EditSFCFile file;
    if (!file.OpenWrite(temporary))
        return false;
    WriteChart({0, 0, m_width, m_height}, file);
    if (!file.Close() || !r8sfc::ReplaceFileWith(temporary, path))
    {
        std::remove(temporary.c_str());
        return false;
    }
    m_modified = false;
    return true;
}

bool CR8EditSFCDocData::LoadFromFile(const std::string& path)
{
    Clear();
    CR8EditSFCFile file;
    const bool opened = file.OpenRead(path);
    if (opened)
        ReadChart(file);
    RebuildMatrix();
    m_modified = false;
    return opened;
}

namespace
{

// Element lines of a chart text, counted ahead so the indexes are sized once.
// They stand in the chart block, so the count ends at its first line after
// the opening one that begins with '#' (the rest, the program, is most of the
// text); a count that is off only sizes the indexes less well.
std::size_t CountElementLines(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size();)
    {
        if (text[at] == '@')
            ++count;
        else if (text[at] == '#' && at > 0)
            break;
        const void* lf = std::memchr(text.data() + at, '\n', text.size() - at);
        if (!lf)
            break;
        at = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) + 1;
    }
    return count;
}

} // namespace

void CR8EditSFCDocData::LoadFromText(std::string_view text)
{
    Clear();
    Reserve(CountElementLines(text));
    // The chart written again is about the text it came from.
    m_textSizeHint = text.size();
    CR8EditSFCFile file;
    file.OpenReadText(text);
    ReadChart(file);
    RebuildMatrix();
}

void CR8EditSFCDocData::ReadChart(CR8EditSFCFile& file)
{
    std::string_view line;
    while (file.ReadLine(line))
    {
        if (IsChartHeader(line))
        {
            while (file.ReadLine(line) && !IsChartEnd(line))
            {
                if (!line.empty() && line[0] == '@')
                    ReadElementLine(line, true, nullptr, nullptr);
            }
        }
        else if (r8sfc::StartsWithNoCase(line, "#sfc="))
        {
            const int column = r8sfc::ReadDecimalAfter(line, '(', -1);
            const int row = r8sfc::ReadDecimalAfter(line, ',', -1);
            if (CR8EditSFCItem* item = ItemAt(column, row))
                item->ReadCode(file);
        }
    }
}

CR8EditSFCItem* CR8EditSFCDocData::ReadElementLine(std::string_view line, bool keepKeys,
                                                   const R8Point* offset, CR8EditSFCPasteMap* map)
{
    std::size_t pos = 1;
    bool joinsRight = false;
    if (pos < line.size() && line[pos] == 'R')
    {
        joinsRight = true;
        ++pos;
    }
    const char letter = pos < line.size() ? line[pos] : '\0';
    const int code = CodeOfLetter(letter, joinsRight);
    const std::uint32_t key = r8sfc::ReadDecimal(line, pos + 1);
    const std::string_view fields = pos < line.size() ? line.substr(pos) : std::string_view();
    const R8Point cell = ElementLineCell(line);
    std::int64_t row = cell.y;
    std::int64_t column = cell.x;
    const int numberRead = r8sfc::ReadDecimalAfter(fields, '=', 0);
    const std::size_t semicolon = fields.find(';');
    const std::string_view text =
        semicolon == std::string_view::npos ? std::string_view() : fields.substr(semicolon + 1);

    int number = numberRead;
    if (offset)
    {
        column += offset->x;
        row += offset->y;
        if (code != SFC_JUMP)
            number = -1;
    }
    // A cell beyond the grid's limits would make the link matrix huge.
    if (column < 0 || column >= SFC_MAX_COLUMNS || row < 0 || row >= SFC_MAX_ROWS)
        return nullptr;
    const int c = static_cast<int>(column);
    const int r = static_cast<int>(row);
    m_width = std::max(m_width, c + 1);
    m_height = std::max(m_height, r + 1);

    CR8EditSFCItem* item = AddItem(code, number, c, r, m_noteParent);
    if (keepKeys && key != 0)
    {
        item->SetKey(key);
        if (key != UINT32_MAX)
            m_nextKey = std::max(m_nextKey, key + 1);
    }
    else
        item->SetKey(TakeNextKey());
    if (map)
        map->emplace_back(item, numberRead);
    if (!text.empty())
        item->SetText(SFC_TEXT_NOTE, r8sfc::UnescapeLineBreaks(text));
    return item;
}

R8Point CR8EditSFCDocData::ElementLineCell(std::string_view line)
{
    std::size_t pos = 1;
    if (pos < line.size() && line[pos] == 'R')
        ++pos;
    const std::string_view fields = pos < line.size() ? line.substr(pos) : std::string_view();
    return {r8sfc::ReadDecimalAfter(fields, ',', 0), r8sfc::ReadDecimalAfter(fields, ':', 0)};
}

R8Rect CR8EditSFCDocData::ScanExtent(std::string_view text)
{
    R8Rect extent{0, 0, 0, 0};
    CR8EditSFCFile file;
    file.OpenReadText(text);
    std::string line;
    bool inBlock = false;
    while (!inBlock && file.ReadLine(line))
        inBlock = IsChartHeader(line);
    while (inBlock && file.ReadLine(line) && !IsChartEnd(line))
    {
        extent.right = std::max(extent.right, r8sfc::ReadDecimalAfter(line, ',', 0));
        extent.bottom = std::max(extent.bottom, r8sfc::ReadDecimalAfter(line, ':', 0));
    }
    // Nothing can stand beyond the limits, so no caller needs to test there.
    extent.right = std::min(extent.right, SFC_MAX_COLUMNS - 1);
    extent.bottom = std::min(extent.bottom, SFC_MAX_ROWS - 1);
    return extent;
}
