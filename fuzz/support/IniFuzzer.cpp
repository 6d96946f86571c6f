// Any text given to the INI parser, line by line: no crash, every key the
// parser kept is found again in its section, and a section name finds the
// last section of that name.
#include "support/Q2RTLIni.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{

const r8::CQ2RTLIniSection* LastNamed(const r8::CQ2RTLIni& ini, const r8::CQ2RTLIniSection& section)
{
    const r8::CQ2RTLIniSection* last = nullptr;
    for (const auto& candidate : ini.GetSections())
    {
        if (candidate->GetName() == section.GetName())
            last = candidate.get();
    }
    return last;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    r8::CQ2RTLIni ini;
    while (!text.empty())
    {
        std::size_t end = text.find('\n');
        ini.ParseIniLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }

    for (const auto& section : ini.GetSections())
    {
        // Names and keys may hold zero bytes; lookups take C strings.
        const std::string& name = section->GetName();
        if (name.find('\0') != std::string::npos)
            continue;
        if (ini.FindSection(name.c_str()) != LastNamed(ini, *section))
            std::abort();
        for (const auto& entry : section->GetEntries())
        {
            const std::string& key = entry->GetKey();
            if (key.empty())
                std::abort();
            if (key.find('\0') != std::string::npos)
                continue;
            if (section->FindEntry(key.c_str()) == nullptr)
                std::abort();
            ini.GetIniString(name.c_str(), key.c_str(), nullptr);
            ini.GetIniBool(name.c_str(), key.c_str(), true);
        }
    }
    ini.ClearIni();
    if (!ini.GetSections().empty())
        std::abort();
    return 0;
}
