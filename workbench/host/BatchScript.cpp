#include "workbench/host/BatchScript.h"

#include "workbench/host/PictureWriter.h"

#include <fstream>
#include <sstream>

namespace sfchost
{

namespace
{

constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ParseInt(const ScriptWord& word, int& value)
{
    if (word.null || word.text.empty())
        return false;
    std::size_t used = 0;
    try
    {
        value = std::stoi(word.text, &used);
    }
    catch (...)
    {
        return false;
    }
    return used == word.text.size();
}

// CR LF line ends of the editor's texts are printed as plain line ends.
std::string PlainLineEnds(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            plain += text[i];
    return plain;
}

std::string JoinCodes(const std::vector<WORD>& codes)
{
    std::string joined;
    for (WORD code : codes)
        joined += (joined.empty() ? "" : " ") + std::to_string(code);
    return joined;
}

} // namespace

BatchScript::BatchScript(const EditorLibrary& library, std::FILE* out, std::FILE* err)
    : library(library), runner(library), out(out), err(err)
{
}

bool BatchScript::Fail(const std::string& message)
{
    if (lineNumber == 0)
        std::fprintf(err, "%s: error: %s\n", scriptName.c_str(), message.c_str());
    else
        std::fprintf(err, "%s:%d: error: %s\n", scriptName.c_str(), lineNumber, message.c_str());
    return false;
}

int BatchScript::Run(const std::string& scriptFile, const std::vector<std::string>& chartFiles)
{
    scriptName = scriptFile;
    std::ifstream script(scriptFile, std::ios::binary);
    if (!script)
    {
        std::fprintf(err, "%s: error: cannot open the script\n", scriptFile.c_str());
        return 2;
    }
    for (const std::string& file : chartFiles)
        if (!OpenChart(&file))
            return 2;
    if (charts.empty() && !OpenChart(nullptr))
        return 2;
    current = 0;

    std::string line;
    while (std::getline(script, line))
    {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!RunLine(line))
        {
            std::fflush(out);
            return 2;
        }
        std::fflush(out);
    }
    if (failedExpectations > 0)
    {
        std::fprintf(err, "%s: %d expectation(s) failed\n", scriptName.c_str(), failedExpectations);
        return 1;
    }
    return 0;
}

bool BatchScript::RunLine(const std::string& line)
{
    std::vector<ScriptWord> words;
    std::string error;
    if (!SplitScriptLine(line, words, error))
        return Fail(error);
    if (words.empty())
        return true;
    if (words[0].text.size() > 1 && words[0].text[0] == '.')
        return RunDirective(words);
    return RunCommand(words);
}

bool BatchScript::OpenChart(const std::string* file)
{
    if (file != nullptr && !FileExists(*file))
        return Fail("no such chart file: " + *file);
    auto chart = std::make_unique<ChartHost>(library, nullptr, kDefaultWidth, kDefaultHeight);
    if (!chart->IsValid())
        return Fail("the editor window could not be created");
    if (runner.Types().Size() == 0 && !runner.LoadTypes(chart->Editor()))
        return Fail("the editor gave no command table (GetInterfaces)");
    if (file != nullptr)
    {
        runner.Execute(chart->Editor(), {"Load", *file});
        chart->path = *file;
    }
    charts.push_back(std::move(chart));
    current = charts.size() - 1;
    return true;
}

void BatchScript::PrintValue(const std::string& head, const std::string& value, bool text)
{
    lastValue = value;
    haveValue = true;
    if (!text)
    {
        std::fprintf(out, value.empty() ? "%s\n" : "%s -> %s\n", head.c_str(), value.c_str());
        return;
    }
    const std::string plain = PlainLineEnds(value);
    if (plain.find('\n') == std::string::npos && plain.find('\r') == std::string::npos)
    {
        std::fprintf(out, "%s -> %s\n", head.c_str(), plain.c_str());
        return;
    }
    std::fprintf(out, "%s ->\n%s%s", head.c_str(), plain.c_str(),
                 plain.empty() || plain.back() != '\n' ? "\n" : "");
}

bool BatchScript::RunCommand(const std::vector<ScriptWord>& words)
{
    CommandResult result;
    std::string error;
    if (!runner.Run(Current().Editor(), words, result, error))
        return Fail(error);
    std::string head = result.type->name;
    for (std::size_t i = 1; i < words.size(); ++i)
        head += " " + QuoteScriptWord(words[i]);
    PrintValue(head, result.value, IsTextType(result.type->returnType));
    return true;
}

bool BatchScript::RunDirective(const std::vector<ScriptWord>& words)
{
    const std::string name = UpperAscii(words[0].text);
    const std::size_t args = words.size() - 1;
    auto needs = [&](std::size_t n, const char* usage)
    { return args == n ? true : Fail(std::string("usage: ") + usage); };
    if (name == ".NEW")
        return needs(0, ".new") && OpenChart(nullptr);
    if (name == ".OPEN")
        return needs(1, ".open FILE") && OpenChart(&words[1].text);
    if (name == ".CHART")
    {
        int n = 0;
        if (!needs(1, ".chart N"))
            return false;
        if (!ParseInt(words[1], n) || n < 1 || static_cast<std::size_t>(n) > charts.size())
            return Fail("no chart " + words[1].text + " (" + std::to_string(charts.size()) +
                        " open)");
        current = static_cast<std::size_t>(n) - 1;
        return true;
    }
    if (name == ".RESIZE")
    {
        int w = 0;
        int h = 0;
        if (!needs(2, ".resize WIDTH HEIGHT"))
            return false;
        if (!ParseInt(words[1], w) || !ParseInt(words[2], h) || w < 1 || h < 1 || w > 16000 ||
            h > 16000)
            return Fail("bad size " + words[1].text + " x " + words[2].text);
        Current().Resize(w, h);
        PumpMessages();
        return true;
    }
    if (name == ".FOCUS")
    {
        if (!needs(0, ".focus"))
            return false;
        SetFocus(Current().Editor());
        PumpMessages();
        return true;
    }
    if (name == ".NOTIFICATIONS")
    {
        if (!needs(0, ".notifications"))
            return false;
        PumpMessages();
        const std::string codes = JoinCodes(Current().TakeNotifications());
        std::fprintf(out, "notifications: %s\n", codes.empty() ? "(none)" : codes.c_str());
        lastValue = codes;
        haveValue = true;
        return true;
    }
    if (name == ".EXPECT")
    {
        if (!needs(1, ".expect VALUE"))
            return false;
        if (!haveValue)
            return Fail(".expect with no result before it");
        if (lastValue != words[1].text)
        {
            ++failedExpectations;
            std::fprintf(err, "%s:%d: expected %s, got %s\n", scriptName.c_str(), lineNumber,
                         QuoteScriptWord(words[1], 200).c_str(),
                         QuoteScriptWord(ScriptWord{lastValue, false}, 200).c_str());
        }
        return true;
    }
    if (name == ".ECHO")
    {
        std::string text;
        for (std::size_t i = 1; i < words.size(); ++i)
            text += (i > 1 ? " " : "") + words[i].text;
        std::fprintf(out, "%s\n", text.c_str());
        return true;
    }
    if (name == ".PROGRAM")
    {
        // The program section: what follows the chart block of the chart text.
        if (!needs(0, ".program"))
            return false;
        const std::string text = runner.Text(Current().Editor(), {"GetText"});
        const std::size_t end = UpperAscii(text).find("#ENDINFO");
        const std::size_t start = end == std::string::npos ? text.size() : text.find('\n', end);
        PrintValue("program section",
                   start == std::string::npos ? std::string() : text.substr(start + 1), true);
        return true;
    }
    if (name == ".PICTURE")
        return Picture(words);
    return Fail("unknown directive " + words[0].text);
}

bool BatchScript::Picture(const std::vector<ScriptWord>& words)
{
    const std::string kind = words.size() > 1 ? UpperAscii(words[1].text) : std::string();
    std::string error;
    HWND editor = Current().Editor();
    PumpMessages();
    if ((kind == "VISIBLE" || kind == "CHART") && words.size() == 3)
    {
        const std::string& file = words[2].text;
        const bool ok = kind == "VISIBLE" ? SaveVisiblePicture(runner, editor, file, error)
                                          : SaveChartPicture(runner, editor, file, error);
        if (!ok)
            return Fail(error);
        std::fprintf(out, "picture %s -> %s\n", kind == "VISIBLE" ? "visible" : "chart",
                     file.c_str());
        return true;
    }
    if (kind == "FOLIO" && words.size() == 5)
    {
        int x = 0;
        int y = 0;
        if (!ParseInt(words[2], x) || !ParseInt(words[3], y))
            return Fail("bad folio " + words[2].text + " " + words[3].text);
        const std::string& file = words[4].text;
        DeleteFileA(file.c_str());
        runner.Execute(editor, {"PrintFolio", std::to_string(x), std::to_string(y), file});
        std::fprintf(out,
                     FileExists(file) ? "picture folio %d %d -> %s\n"
                                      : "picture folio %d %d -> %s (not written by the editor)\n",
                     x, y, file.c_str());
        return true;
    }
    if (kind == "FOLIOS" && words.size() == 3)
    {
        // Every folio the chart needs, as PREFIX-X-Y.png.
        const int across = static_cast<int>(runner.Execute(editor, {"PrintGetNbHorzFolio"}));
        const int down = static_cast<int>(runner.Execute(editor, {"PrintGetNbVertFolio"}));
        int written = 0;
        for (int y = 0; y < down && y < 100; ++y)
        {
            for (int x = 0; x < across && x < 100; ++x)
            {
                const std::string file =
                    words[2].text + "-" + std::to_string(x) + "-" + std::to_string(y) + ".png";
                DeleteFileA(file.c_str());
                runner.Execute(editor, {"PrintFolio", std::to_string(x), std::to_string(y), file});
                if (FileExists(file))
                {
                    ++written;
                    std::fprintf(out, "picture folio %d %d -> %s\n", x, y, file.c_str());
                }
            }
        }
        std::fprintf(out, "folios: %d across, %d down, %d picture(s) written\n", across, down,
                     written);
        return true;
    }
    return Fail("usage: .picture visible FILE | .picture chart FILE | .picture folio X Y FILE | "
                ".picture folios PREFIX");
}

} // namespace sfchost
