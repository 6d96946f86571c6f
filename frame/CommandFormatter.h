// Turns a command's signature into one entry of the help table (style 0), a
// C++ wrapper method (1), a C# wrapper method (2) or an XML description (3).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace r8
{

struct CommandRow;

// A parameter text split into type, name and default ("BOOL bEnable=TRUE").
struct ParamParts
{
    std::string type;
    std::string name;
    std::string defaultValue;
};

ParamParts SplitParam(std::string_view text);

struct CommandSignature
{
    std::string name;
    std::string returnType;          // empty is printed as "void"
    std::vector<std::string> params; // non-empty parameter texts, in order
};

CommandSignature SignatureOf(const CommandRow& row);

enum CommandStyle : unsigned
{
    kStyleHelp = 0,
    kStyleCpp = 1,
    kStyleCSharp = 2,
    kStyleXml = 3,
};

// Appends the entry of sig in the given style; styles above 3 format as 0.
void AppendCommandEntry(std::string& out, unsigned style, const CommandSignature& sig);

// The header line of the help table: return type, function, parameter types.
void AppendHelpHeader(std::string& out);

} // namespace r8
