#include "ProjectText.h"

#include <charconv>
#include <set>
#include <sstream>

namespace q2db
{

namespace
{

constexpr int kFormat = 1;

std::string Escape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c == ' ' && (i == 0 || i + 1 == text.size()))
            out += "\\s";
        else
            out += c;
    }
    return out;
}

bool Unescape(const std::string& text, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] != '\\')
        {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i])
        {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 's':
            out += ' ';
            break;
        default:
            return false;
        }
    }
    return true;
}

std::string Trim(const std::string& s)
{
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    const size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool ParseNumber(const std::string& text, uint32_t& value, uint32_t max = 0xFFFFFFFFu)
{
    if (text.empty())
        return false;
    unsigned long long v = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v > max)
        return false;
    value = static_cast<uint32_t>(v);
    return true;
}

void Line(std::ostringstream& out, const char* key, const std::string& value)
{
    out << key << " = " << Escape(value) << "\n";
}

void Line(std::ostringstream& out, const char* key, uint32_t value)
{
    out << key << " = " << value << "\n";
}

void Common(std::ostringstream& out, const char* section, const DbObject& o)
{
    out << "\n[" << section << " " << (o.id & kSerialMask) << "]\n";
    Line(out, "name", o.name);
    if (o.flags != 0)
        Line(out, "flags", o.flags);
    if (!o.comment.empty())
        Line(out, "comment", o.comment);
    if (!o.lockOwner.empty())
        Line(out, "locked", o.lockOwner);
}

// One block being read: which object it fills and the keys seen so far.
struct Block
{
    std::string section;
    std::set<std::string> keys;
};

class Reader
{
public:
    explicit Reader(ProjectModel& m) : model(m) {}

    bool Header(const std::string& inside, std::string& error);
    bool Entry(const std::string& key, const std::string& raw, std::string& error);

    bool sawProject = false;

private:
    // The object of the current block: always the newest of its list.
    DbObject& Current();
    bool Reference(const std::string& raw, int kind, uint32_t& out, std::string& error);

    ProjectModel& model;
    Block block;
};

bool Reader::Header(const std::string& inside, std::string& error)
{
    block = Block{};
    const size_t space = inside.find(' ');
    block.section = inside.substr(0, space);
    if (block.section == "project")
    {
        if (space != std::string::npos || sawProject)
        {
            error = "bad or repeated [project] section";
            return false;
        }
        sawProject = true;
        return true;
    }
    uint32_t serial = 0;
    if (space == std::string::npos ||
        !ParseNumber(Trim(inside.substr(space + 1)), serial, kSerialMask) || serial == 0)
    {
        error = "bad section header [" + inside + "]";
        return false;
    }
    if (block.section == "type")
        model.types.emplace_back().id = MakeId(5, serial);
    else if (block.section == "group")
        model.groups.emplace_back().id = MakeId(4, serial);
    else if (block.section == "program")
        model.programs.emplace_back().id = MakeId(3, serial);
    else if (block.section == "var")
        model.vars.emplace_back().id = MakeId(6, serial);
    else
    {
        error = "unknown section [" + inside + "]";
        return false;
    }
    return true;
}

DbObject& Reader::Current()
{
    if (block.section == "type")
        return model.types.back();
    if (block.section == "group")
        return model.groups.back();
    if (block.section == "program")
        return model.programs.back();
    return model.vars.back();
}

bool Reader::Reference(const std::string& raw, int kind, uint32_t& out, std::string& error)
{
    uint32_t serial = 0;
    if (!ParseNumber(raw, serial, kSerialMask))
    {
        error = "bad reference \"" + raw + "\"";
        return false;
    }
    out = serial == 0 ? 0 : MakeId(kind, serial);
    return true;
}

bool Reader::Entry(const std::string& key, const std::string& raw, std::string& error)
{
    if (block.section.empty())
    {
        error = "entry before any section";
        return false;
    }
    if (!block.keys.insert(key).second)
    {
        error = "key \"" + key + "\" given twice";
        return false;
    }
    std::string text;
    if (!Unescape(raw, text))
    {
        error = "bad escape in \"" + raw + "\"";
        return false;
    }
    auto number = [&](uint32_t& v)
    {
        if (ParseNumber(raw, v))
            return true;
        error = "bad number \"" + raw + "\" for " + key;
        return false;
    };

    if (block.section == "project")
    {
        uint32_t v = 0;
        if (key == "format")
        {
            if (!number(v))
                return false;
            if (v != kFormat)
            {
                error = "unknown format " + raw;
                return false;
            }
            return true;
        }
        if (key == "next")
            return number(model.nextSerial);
        if (key.rfind("property.", 0) == 0 && ParseNumber(key.substr(9), v) && v <= 0x7FFFFFFF)
        {
            model.properties[static_cast<int>(v)] = text;
            return true;
        }
    }
    else
    {
        DbObject& o = Current();
        if (key == "name")
        {
            o.name = text;
            return true;
        }
        if (key == "flags")
            return number(o.flags);
        if (key == "comment")
        {
            o.comment = text;
            return true;
        }
        if (key == "locked")
        {
            o.lockOwner = text;
            if (text.empty())
                error = "empty lock owner";
            return !text.empty();
        }
        if (block.section == "group")
        {
            auto& g = static_cast<DbGroup&>(o);
            if (key == "kind")
                return number(g.kind);
            if (key == "owner")
                return Reference(raw, 3, g.owner, error);
        }
        else if (block.section == "program")
        {
            auto& p = static_cast<DbProgram&>(o);
            if (key == "language")
                return number(p.language);
            if (key == "group")
                return Reference(raw, 4, p.group, error);
        }
        else if (block.section == "var")
        {
            auto& v = static_cast<DbVar&>(o);
            if (key == "group")
                return Reference(raw, 4, v.group, error);
            if (key == "type")
                return Reference(raw, 5, v.type, error);
        }
    }
    error = "unknown key \"" + key + "\" in [" + block.section + "]";
    return false;
}

} // namespace

std::string FormatProject(const ProjectModel& model)
{
    std::ostringstream out;
    out << "; Project database. One block per object; keep the numbers, they are the\n"
           "; objects' identifiers. Texts escape \\\\, \\n, \\r, \\t and \\s (an end space).\n";
    out << "[project]\n";
    Line(out, "format", static_cast<uint32_t>(kFormat));
    Line(out, "next", model.nextSerial);
    for (const auto& [number, value] : model.properties)
        out << "property." << number << " = " << Escape(value) << "\n";
    for (const auto& t : model.types)
        Common(out, "type", t);
    for (const auto& g : model.groups)
    {
        Common(out, "group", g);
        Line(out, "kind", g.kind);
        if (g.owner != 0)
            Line(out, "owner", g.owner & kSerialMask);
    }
    for (const auto& p : model.programs)
    {
        Common(out, "program", p);
        Line(out, "language", p.language);
        Line(out, "group", p.group & kSerialMask);
    }
    for (const auto& v : model.vars)
    {
        Common(out, "var", v);
        Line(out, "group", v.group & kSerialMask);
        Line(out, "type", v.type & kSerialMask);
    }
    return out.str();
}

bool ParseProject(const std::string& text, ProjectModel& model, std::string& error)
{
    model = ProjectModel{};
    Reader reader(model);
    std::istringstream in(text);
    int lineNo = 0;
    for (std::string line; std::getline(in, line);)
    {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#')
            continue;
        bool ok = false;
        if (trimmed.front() == '[')
        {
            ok = trimmed.back() == ']' &&
                 reader.Header(trimmed.substr(1, trimmed.size() - 2), error);
            if (!ok && error.empty())
                error = "unclosed section header";
        }
        else if (const size_t eq = trimmed.find('='); eq != std::string::npos)
            ok = reader.Entry(Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1)), error);
        else
            error = "line without \"=\"";
        if (!ok)
        {
            error = "line " + std::to_string(lineNo) + ": " + error;
            return false;
        }
    }
    if (!reader.sawProject)
    {
        error = "no [project] section";
        return false;
    }
    model.FixNextSerial();
    error = model.Validate();
    return error.empty();
}

} // namespace q2db
