#include "frame/CommandFormatter.h"

#include "frame/CommandTable.h"
#include "support/TextCase.h"

namespace r8
{

namespace
{

constexpr char DQ = '"';

std::string Trim(std::string_view s)
{
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string Blanks(std::size_t n)
{
    return std::string(n, ' ');
}

void PadTo(std::string& s, std::size_t width)
{
    if (s.size() < width)
        s.append(width - s.size(), ' ');
}

bool Is(std::string_view type, std::string_view name)
{
    return EqualsNoCase(type, name);
}

std::string Quoted(std::string_view s)
{
    std::string q;
    q += DQ;
    q += s;
    q += DQ;
    return q;
}

std::string ReturnTypeOf(const CommandSignature& sig)
{
    return sig.returnType.empty() ? std::string("void") : sig.returnType;
}

void AppendHelp(std::string& out, const CommandSignature& sig)
{
    out += Quoted(ReturnTypeOf(sig));
    out += ';';
    out += Quoted(sig.name);
    for (const std::string& p : sig.params)
    {
        out += ';';
        out += Quoted(SplitParam(p).type);
    }
    out += '\n';
}

void AppendXml(std::string& out, const CommandSignature& sig)
{
    out += "<COMMAND NAME=" + Quoted(sig.name) + ">\n";
    out += "<RETURN TYPE=" + Quoted(ReturnTypeOf(sig)) + "/>\n";
    for (const std::string& p : sig.params)
    {
        ParamParts parts = SplitParam(p);
        out += "<PARAM NAME=" + Quoted(parts.name) + " TYPE=" + Quoted(parts.type);
        if (!parts.defaultValue.empty())
            out += " DEFAULT=" + Quoted(parts.defaultValue);
        out += "/>\n";
    }
    out += "</COMMAND>\n";
}

// The three lines that format a number into a string and store its buffer.
void AppendFormatted(std::string& body, const std::string& idx, const std::string& name,
                     const char* format)
{
    body += Blanks(8) + "CString sParam" + idx + ";\n";
    body += Blanks(8) + "sParam" + idx + ".Format(" + Quoted(format) + ", " + name + ");\n";
    body += Blanks(8) + "argv[" + idx + "] = sParam" + idx + ".GetBuffer(255);\n\n";
}

bool IsShortCpp(const std::vector<ParamParts>& ps)
{
    if (ps.empty())
        return true;
    if (ps.size() == 1)
    {
        for (const char* t : {"HTREEITEM", "BOOL", "LPCSTR", "int", "DWORD", "long", "WORD"})
            if (Is(ps[0].type, t))
                return true;
        return false;
    }
    return ps.size() == 2 && Is(ps[0].type, "int") &&
           (Is(ps[1].type, "LPCSTR") || Is(ps[1].type, "int"));
}

void AppendCpp(std::string& out, const CommandSignature& sig)
{
    const std::string ret = ReturnTypeOf(sig);
    std::string head = Blanks(4) + ret + " " + sig.name + "(";
    std::string body = Blanks(8) + "argv[0] = " + Quoted(sig.name) + ";\n\n";
    std::string decl;
    std::vector<ParamParts> ps;
    int k = 0;
    for (const std::string& text : sig.params)
    {
        ParamParts p = SplitParam(text);
        const std::string idx = std::to_string(++k);
        const std::string& t = p.type;
        if (Is(t, "int") || Is(t, "WORD"))
        {
            if (p.name.empty())
                p.name = (Is(t, "int") ? "iParam" : "wParam") + idx;
            AppendFormatted(body, idx, p.name, "%d");
        }
        else if (Is(t, "BOOL"))
        {
            if (p.name.empty())
                p.name = "bParam" + idx;
            body += Blanks(8) + "argv[" + idx + "] = " + p.name + "?" + Quoted("1") + ":" +
                    Quoted("0") + ";\n\n";
        }
        else if (Is(t, "LPCSTR"))
        {
            if (p.name.empty())
                p.name = "szParam" + idx;
            body += Blanks(8) + "argv[" + idx + "] = (LPSTR)" + p.name + ";\n\n";
        }
        else if (Is(t, "DWORD") || Is(t, "long") || Is(t, "COLORREF"))
        {
            if (p.name.empty())
                p.name = (Is(t, "DWORD") ? "dwParam" : Is(t, "long") ? "lParam" : "rgbParam") + idx;
            AppendFormatted(body, idx, p.name, "%ld");
        }
        else
        {
            if (p.name.empty())
            {
                const char* prefix = t.find('*') != std::string::npos           ? "pParam"
                                     : t.find("HTREEITEM") != std::string::npos ? "hItem"
                                     : t.find("LPCRECT") != std::string::npos   ? "lpcRect"
                                                                                : "hParam";
                p.name = prefix + idx;
            }
            body += Blanks(8) + "CString sParam" + idx + ";\n";
            body += "#ifdef _WIN64\n";
            body += Blanks(8) + "sParam" + idx + ".Format(" + Quoted("%I64u") +
                    ", (unsigned __int64)" + p.name + ");\n";
            body += "#else\n";
            body += Blanks(8) + "sParam" + idx + ".Format(" + Quoted("%ld") + ", (long)" +
                    p.name + ");\n";
            body += "#endif\n";
            body += Blanks(8) + "argv[" + idx + "] = sParam" + idx + ".GetBuffer(255);\n\n";
        }
        if (!decl.empty())
            decl += ", ";
        decl += t + " " + p.name;
        if (!p.defaultValue.empty())
            decl += " = " + p.defaultValue;
        ps.push_back(std::move(p));
    }
    head += (decl.empty() ? std::string("void") : decl) + ")";

    std::string retPart;
    if (ret == "BOOL")
        retPart = "return ";
    else if (ret != "void")
        retPart = "return (" + ret + ")";
    const char* const notZero = ret == "BOOL" ? " != 0" : "";

    if (IsShortCpp(ps))
    {
        PadTo(head, 56);
        std::string call = "Execute(" + Quoted(sig.name);
        for (const ParamParts& p : ps)
            call += ", " + p.name;
        call += ")";
        out += head + " { " + retPart + call + notZero + "; }\n";
        return;
    }
    const std::string argc = std::to_string(ps.size() + 1);
    out += head + "\n" + Blanks(4) + "{\n";
    out += Blanks(8) + "LPSTR argv[" + argc + "];\n\n";
    out += body;
    out += Blanks(8) + retPart + "Execute(" + argc + ", argv)" + notZero + ";\n" + Blanks(4) +
           "}\n";
}

std::string CSharpType(std::string_view t)
{
    if (Is(t, "void"))
        return "void";
    if (Is(t, "char*") || Is(t, "LPCSTR"))
        return "string";
    if (Is(t, "BOOL"))
        return "bool";
    if (Is(t, "DWORD"))
        return "UInt32";
    if (Is(t, "WORD"))
        return "UInt16";
    if (Is(t, "long"))
        return "Int32";
    if (Is(t, "int"))
        return "int";
    return "IntPtr";
}

void AppendCSharp(std::string& out, const CommandSignature& sig)
{
    const std::string ret = CSharpType(ReturnTypeOf(sig));
    std::string head = Blanks(8) + "public " + ret + " " + sig.name + "(";
    std::string plist;
    std::string args;
    int unnamed = 0;
    for (const std::string& text : sig.params)
    {
        ParamParts p = SplitParam(text);
        const std::string t = CSharpType(p.type);
        if (p.name.empty())
        {
            const char* prefix = t == "string"   ? "sParam"
                                 : t == "bool"   ? "bParam"
                                 : t == "UInt32" ? "ui32Param"
                                 : t == "UInt16" ? "ui16Param"
                                 : t == "int"    ? "iParam"
                                                 : "ptrParam";
            p.name = prefix + std::to_string(++unnamed);
        }
        if (!plist.empty())
            plist += ", ";
        plist += t + " " + p.name;
        args += ", " + p.name;
        if (t != "string")
            args += ".ToString()";
    }
    if (sig.params.size() > 3)
    {
        out += head + plist + ")\n" + Blanks(8) + "{\n";
        out += Blanks(12) + "string[] argv = new string[] { " + Quoted(sig.name) + args + " };\n";
        if (ret == "void")
            out += Blanks(12) + "_Execute(argv);";
        else if (ret == "string")
            out += Blanks(12) + "IntPtr ptr = (IntPtr)_Execute(argv);\n" + Blanks(12) +
                   "return System.Runtime.InteropServices.Marshal.PtrToStringAnsi(ptr);\n";
        else if (ret == "bool")
            out += Blanks(12) + "return _Execute(argv) != 0;";
        else
            out += Blanks(12) + "return (" + ret + ")_Execute(argv);";
        out += "\n" + Blanks(8) + "}\n";
        return;
    }
    head += plist + ")";
    PadTo(head, 50);
    const std::string a = Quoted(sig.name) + args;
    if (ret == "void")
        head += "{ _Execute(" + a + "); }";
    else if (ret == "bool")
        head += "{ return _Execute(" + a + ") != 0; }";
    else if (ret == "string")
        head += "{ return _ExecuteString(" + a + "); }";
    else if (ret == "int")
        head += "{ return _Execute(" + a + "); }";
    else
        head += "{ return (" + ret + ")_Execute(" + a + "); }";
    out += head + "\n";
}

} // namespace

ParamParts SplitParam(std::string_view text)
{
    ParamParts parts;
    std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
    {
        parts.type = std::string(text);
        return parts;
    }
    parts.type = std::string(text.substr(0, blank));
    std::string_view rest = text.substr(blank + 1);
    std::size_t eq = rest.find('=');
    if (eq == std::string_view::npos)
    {
        parts.name = Trim(rest);
        return parts;
    }
    parts.name = Trim(rest.substr(0, eq));
    parts.defaultValue = Trim(rest.substr(eq + 1));
    return parts;
}

CommandSignature SignatureOf(const CommandRow& row)
{
    CommandSignature sig;
    sig.name = row.name != nullptr ? row.name : "";
    sig.returnType = row.returnType != nullptr ? row.returnType : "";
    for (const char* p : row.params)
    {
        if (p != nullptr && *p != '\0')
            sig.params.emplace_back(p);
    }
    return sig;
}

void AppendCommandEntry(std::string& out, unsigned style, const CommandSignature& sig)
{
    switch (style)
    {
    case kStyleCpp:
        AppendCpp(out, sig);
        break;
    case kStyleCSharp:
        AppendCSharp(out, sig);
        break;
    case kStyleXml:
        AppendXml(out, sig);
        break;
    default:
        AppendHelp(out, sig);
        break;
    }
}

void AppendHelpHeader(std::string& out)
{
    AppendHelp(out, CommandSignature{"Function", "Return", {"Parameters"}});
}

} // namespace r8
