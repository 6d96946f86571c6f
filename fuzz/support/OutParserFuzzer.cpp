// Any text given to the message parser: no crash, no read past its end, and
// the kinds it answers are always ones the parser defines.
#include "support/Q2RTLOutParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

bool IsObjectKind(int kind)
{
    return (kind >= 0 && kind <= 7) || kind == 13 || kind == 14 || kind == 18;
}

bool IsElementKind(int kind)
{
    return kind == 0 || (kind >= 8 && kind <= 12) || kind == 15;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The parser reads zero-terminated text; a zero inside ends it early.
    const std::string text(reinterpret_cast<const char*>(data), size);
    r8::CQ2RTLOutParser parser;
    int result = parser.ParseLine(text.c_str());

    std::string object;
    std::string element;
    std::string network;
    int objectKind = parser.GetObjectPart(&object);
    int elementKind = parser.GetElementPart(&element);
    int networkKind = parser.GetNetworkPart(&network);
    if (!IsObjectKind(objectKind) || !IsElementKind(elementKind) ||
        (networkKind != 0 && networkKind != 16 && networkKind != 17))
        std::abort();
    if (result == 0 && (objectKind != 0 || !object.empty() || parser.GetLine() != 0))
        std::abort();
    if ((elementKind != 0) != !element.empty() || (networkKind != 0) != !network.empty())
        std::abort();
    return 0;
}
