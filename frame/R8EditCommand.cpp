#include "frame/R8EditCommand.h"

#include "frame/CommandDispatch.h"
#include "frame/CommandFormatter.h"
#include "frame/CommandMonitor.h"
#include "frame/R8EditSFCApp.h"
#include "frame/R8EditWnd.h"
#include "support/TextCase.h"

#include <cstdio>

namespace
{

constexpr int kHelpId = 0;
constexpr int kHelpOnId = 457;
constexpr int kGetInterfacesId = 496;

} // namespace

CR8EditCommand::CR8EditCommand(CR8EditWnd* owner) : owner(owner) {}

CR8EditCommand::~CR8EditCommand() = default;

DWORD_PTR CR8EditCommand::Execute(int argc, const char* const* argv)
{
    const char* name = (argv != nullptr && argc > 0) ? argv[0] : nullptr;
    const int id = ModuleCommandMap().Lookup(name);
    const DWORD_PTR result = Dispatch(id, argc, argv);

    const char* className = owner->GetClassName();
    if (r8::EqualsNoCase(className != nullptr ? className : "", "CR8EditTLWnd_CtrlClient"))
        return result;
    MirrorCommand(owner->GetHwnd(), className, argc, argv, result);
    return result;
}

DWORD_PTR CR8EditCommand::Dispatch(int id, int argc, const char* const* argv)
{
    const r8::CommandRow* row = r8::FindCommandRow(id);
    if (row == nullptr)
        return 0;
    if (helpMode != 0)
    {
        r8::AppendCommandEntry(helpText, style, r8::SignatureOf(*row));
        return 0;
    }
    switch (id)
    {
    case kHelpId:
        return Help(argc, argv);
    case kHelpOnId:
        return HelpOn(argc, argv);
    case kGetInterfacesId:
        return GetInterfaces(argc, argv);
    default:
        break;
    }
    CommandInvoker invoke = FindCommandInvoker(id);
    if (invoke == nullptr)
        return 0;
    return invoke(*owner, r8::CommandArgs{argc, argv});
}

void CR8EditCommand::DispatchAll(const char* const* argv)
{
    for (int i = 0; i < r8::kCommandCount; ++i)
        Dispatch(i, -1, argv);
}

DWORD_PTR CR8EditCommand::Help(int argc, const char* const* argv)
{
    helpMode = 1;
    helpText.clear();
    r8::AppendCommandEntry(helpText, style, r8::CommandSignature{"Function", "Return", {"Parameters"}});
    DispatchAll(argv);
    helpMode = 0;

    const char* path = r8::CommandArgs{argc, argv}.Text(1);
    if (path != nullptr)
    {
        // Binary mode: the file holds the text byte for byte, LF line ends.
        if (std::FILE* file = std::fopen(path, "wb"))
        {
            std::fwrite(helpText.data(), 1, helpText.size(), file);
            std::fclose(file);
        }
    }
    return HelpResult();
}

DWORD_PTR CR8EditCommand::HelpOn(int argc, const char* const* argv)
{
    helpMode = 1;
    helpText.clear();
    style = 0;
    Dispatch(ModuleCommandMap().Lookup(r8::CommandArgs{argc, argv}.Text(1)), -1, argv);
    helpMode = 0;
    return HelpResult();
}

DWORD_PTR CR8EditCommand::GetInterfaces(int argc, const char* const* argv)
{
    // helpText is not emptied: successive calls accumulate.
    helpMode = 1;
    style = r8::CommandArgs{argc, argv}.Word(1);
    DispatchAll(argv);
    helpMode = 0;
    return HelpResult();
}
