#include "workbench/host/CommandRunner.h"

#include "workbench/host/ChartHost.h"

namespace sfchost
{

bool CommandRunner::LoadTypes(HWND editor)
{
    const std::string table = Text(editor, {"GetInterfaces", "0"});
    return types.Parse(table) > 0;
}

bool CommandRunner::Run(HWND editor, const std::vector<ScriptWord>& words, CommandResult& result,
                        std::string& error) const
{
    result = CommandResult();
    if (words.empty())
        return true;
    result.type = types.Find(words[0].text);
    if (result.type == nullptr)
    {
        error = "unknown command " + words[0].text;
        return false;
    }
    const int given = static_cast<int>(words.size()) - 1;
    if (given > result.type->parameters)
    {
        error = result.type->name + " takes " + std::to_string(result.type->parameters) +
                " argument(s), " + std::to_string(given) + " given";
        return false;
    }
    // The dispatcher reads one entry per parameter whatever argc says, so
    // the array always has them all; a trailing null guards the end.
    std::vector<const char*> argv(static_cast<std::size_t>(result.type->parameters) + 2, nullptr);
    argv[0] = result.type->name.c_str();
    for (int k = 1; k <= given; ++k)
        argv[k] = words[k].null ? nullptr : words[k].text.c_str();
    result.raw = library.Execute(editor, given + 1, argv.data());
    if (IsTextType(result.type->returnType))
    {
        const char* text = reinterpret_cast<const char*>(result.raw);
        result.value = text != nullptr ? text : "(null)";
    }
    else
    {
        result.value =
            FormatNumber(result.type->returnType, static_cast<std::uint32_t>(result.raw));
    }
    PumpMessages();
    return true;
}

DWORD_PTR CommandRunner::Execute(HWND editor, const std::vector<std::string>& args) const
{
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    argv.resize(argv.size() + 6, nullptr);
    const DWORD_PTR r = library.Execute(editor, static_cast<int>(args.size()), argv.data());
    PumpMessages();
    return r;
}

std::string CommandRunner::Text(HWND editor, const std::vector<std::string>& args) const
{
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    argv.resize(argv.size() + 6, nullptr);
    // Copied before the queue runs: the text lives in the editor's storage.
    const char* text = reinterpret_cast<const char*>(
        library.Execute(editor, static_cast<int>(args.size()), argv.data()));
    std::string copy = text != nullptr ? text : std::string();
    PumpMessages();
    return copy;
}

} // namespace sfchost
