// The line format of host scripts: blank-separated words, double quotes
// around words that hold blanks, backslash escapes, and a null argument.
#pragma once

#include <string>
#include <vector>

namespace sfchost
{

struct ScriptWord
{
    std::string text;
    bool null = false; // passed to the editor as a null pointer
};

// Splits one script line into words. A line that is empty or starts with '#'
// gives no words. Returns false with a message for a malformed line.
bool SplitScriptLine(const std::string& line, std::vector<ScriptWord>& words, std::string& error);

// Writes a word back in script form (quoted when needed), for echoing
// commands; texts longer than maxLength are cut and marked with "...".
std::string QuoteScriptWord(const ScriptWord& word, std::size_t maxLength = 60);

// Upper-cases a to z only, as the editor's own name lookup does.
std::string UpperAscii(std::string text);

} // namespace sfchost
