#include "workbench/host/ScriptParser.h"

namespace sfchost
{

namespace
{

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads the escape after a backslash; false for an unknown one.
bool Unescape(char c, std::string& out)
{
    switch (c)
    {
    case 'n':
        out += '\n';
        return true;
    case 'r':
        out += '\r';
        return true;
    case 't':
        out += '\t';
        return true;
    case '\\':
        out += '\\';
        return true;
    case '"':
        out += '"';
        return true;
    case '~':
        out += '~';
        return true;
    default:
        return false;
    }
}

} // namespace

bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>& words, std::string& error)
{
    words.clear();
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n && IsBlank(line[i]))
        ++i;
    if (i == n || line[i] == '#')
        return true;
    while (i < n)
    {
        ScriptWord word;
        bool quotedOrEscaped = false;
        bool inQuotes = false;
        while (i < n && (inQuotes || !IsBlank(line[i])))
        {
            const char c = line[i++];
            if (c == '"')
            {
                inQuotes = !inQuotes;
                quotedOrEscaped = true;
            }
            else if (c == '\\')
            {
                if (i == n)
                {
                    error = "backslash at the end of the line";
                    return false;
                }
                if (!Unescape(line[i], word.text))
                {
                    error = std::string("unknown escape \\") + line[i];
                    return false;
                }
                ++i;
                quotedOrEscaped = true;
            }
            else
            {
                word.text += c;
            }
        }
        if (inQuotes)
        {
            error = "missing closing quote";
            return false;
        }
        word.null = !quotedOrEscaped && word.text == "~";
        if (word.null)
            word.text.clear();
        if (quotedOrEscaped || !word.text.empty() || word.null)
            words.push_back(std::move(word));
        while (i < n && IsBlank(line[i]))
            ++i;
    }
    return true;
}

std::string QuoteScriptWord(const ScriptWord& word, std::size_t maxLength)
{
    if (word.null)
        return "~";
    std::string body;
    bool quote = word.text.empty() || word.text == "~";
    for (std::size_t i = 0; i < word.text.size(); ++i)
    {
        if (body.size() >= maxLength)
        {
            body += "...";
            break;
        }
        const char c = word.text[i];
        switch (c)
        {
        case '\n':
            body += "\\n";
            break;
        case '\r':
            body += "\\r";
            break;
        case '\t':
            body += "\\t";
            break;
        case '\\':
            body += "\\\\";
            break;
        case '"':
            body += "\\\"";
            break;
        case ' ':
            body += c;
            quote = true;
            break;
        default:
            body += c;
            break;
        }
    }
    if (!word.text.empty() && word.text[0] == '#')
        quote = true;
    return quote ? "\"" + body + "\"" : body;
}

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace sfchost
