#include "workbench/host/CommandTypes.h"

#include "workbench/host/ScriptParser.h"

#include <vector>

namespace sfchost
{

namespace
{

// Splits "A";"B";"C" into its quoted fields; false for any other shape.
bool QuotedFields(const std::string& line, std::vector<std::string>& fields)
{
    fields.clear();
    std::size_t i = 0;
    while (i < line.size())
    {
        if (line[i] != '"')
            return false;
        const std::size_t close = line.find('"', i + 1);
        if (close == std::string::npos)
            return false;
        fields.push_back(line.substr(i + 1, close - i - 1));
        i = close + 1;
        if (i == line.size())
            break;
        if (line[i] != ';')
            return false;
        ++i;
    }
    return !fields.empty();
}

} // namespace

std::size_t CommandTypes::Parse(const std::string& table)
{
    std::size_t count = 0;
    std::size_t start = 0;
    std::vector<std::string> fields;
    while (start < table.size())
    {
        std::size_t end = table.find('\n', start);
        if (end == std::string::npos)
            end = table.size();
        std::string line = table.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!QuotedFields(line, fields) || fields.size() < 2 || fields[1].empty())
            continue;
        CommandType type;
        type.returnType = fields[0].empty() ? "void" : fields[0];
        type.name = fields[1];
        type.parameters = static_cast<int>(fields.size()) - 2;
        types[UpperAscii(type.name)] = type;
        ++count;
    }
    return count;
}

const CommandType* CommandTypes::Find(const std::string& name) const
{
    const auto it = types.find(UpperAscii(name));
    return it != types.end() ? &it->second : nullptr;
}

bool IsTextType(const std::string& returnType)
{
    return returnType == "LPCSTR";
}

std::string FormatNumber(const std::string& returnType, std::uint32_t value)
{
    if (returnType == "void")
        return std::string();
    if (returnType == "int" || returnType == "long")
        return std::to_string(static_cast<std::int32_t>(value));
    if (returnType == "WORD")
        return std::to_string(value & 0xFFFFu);
    if (returnType == "TCHAR")
        return std::to_string(value & 0xFFu);
    return std::to_string(value);
}

} // namespace sfchost
