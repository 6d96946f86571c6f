// The editor's one rule for testing a text against a find pattern.
#pragma once

#include <cstdint>

namespace r8
{

constexpr std::uint32_t kFindWholeWord = 0x1;
constexpr std::uint32_t kFindMatchCase = 0x100;

// A null pattern never matches (a null text reads as empty). Unless
// kFindMatchCase is set both are compared upper-cased (ASCII letters only).
// Occurrences are examined from the start, each search resuming after the
// previous occurrence; with kFindWholeWord an occurrence is rejected when a
// digit, an ASCII letter or "_" stands right before or right after it. The
// first occurrence not rejected is a match.
bool MatchText(std::uint32_t flags, const char* text, const char* pattern);

} // namespace r8
