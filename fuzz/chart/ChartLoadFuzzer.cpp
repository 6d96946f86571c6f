// Any text loads without crashing, and a chart once loaded writes a text that
// loads back into the same chart: save -> load -> save gives the same text.
#include "chart/R8EditSFCDocData.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace
{

// Two inputs are unstable by the chart's own rules, and only they are left out
// of the comparison (they still load and save):
// - two element lines for one cell: the earlier element is not written again,
//   yet while loaded it still answers number lookups (a macro step's "_next"
//   entry names it);
// - two macro steps with one number: an end step's successors are those of the
//   macro step the number index holds, the one read last, and the text's
//   order of lines decides which that is.
bool StableByDesign(const CR8EditSFCDocData& doc)
{
    std::set<int> macroNumbers;
    for (const auto& item : doc.GetItems())
    {
        if (doc.ItemAt(item->GetColumn(), item->GetRow()) != item.get())
            return false;
        if (item->GetType() == SFC_MACRO && !macroNumbers.insert(item->GetNumber()).second)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CR8EditSFCDocData first;
    first.LoadFromText(text);
    std::string saved;
    first.SaveToString(nullptr, saved);
    if (!StableByDesign(first))
        return 0;

    CR8EditSFCDocData second;
    second.LoadFromText(saved);
    std::string again;
    second.SaveToString(nullptr, again);
    if (again != saved)
        std::abort();
    return 0;
}
