#include "support/TextMatch.h"

#include <gtest/gtest.h>

TEST(TextMatch, CaseWholeWordAndResumedOccurrences)
{
    using r8::kFindMatchCase;
    using r8::kFindWholeWord;
    struct Case
    {
        std::uint32_t flags;
        const char* text;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {0, "bStart AND x", "bstart", true},
        {kFindMatchCase, "bStart AND x", "bstart", false},
        {kFindMatchCase, "bStart AND x", "bStart", true},
        {0, "anything", nullptr, false},
        {0, nullptr, "x", false},
        {kFindWholeWord, "Motor1 := TRUE", "Motor", false},  // digit after
        {kFindWholeWord, "xMotor := TRUE", "Motor", false},  // letter before
        {kFindWholeWord, "_Motor", "Motor", false},          // underscore before
        {kFindWholeWord, "Motor_ := 1", "Motor", false},     // underscore after
        {kFindWholeWord, "(Motor)", "motor", true},          // punctuation around
        {kFindWholeWord, "Motor", "Motor", true},            // the whole text
        {kFindWholeWord, "Motors; Motor", "Motor", true},    // resumed after a rejected one
        {kFindWholeWord, "MotorMotor", "Motor", false},      // each occurrence is rejected
        {kFindWholeWord | kFindMatchCase, "motor Motor", "Motor", true},
        {0, "\xe9t\xe9", "\xc9T\xc9", false},                // only ASCII letters fold
        {0, "abc", "", true},
        {kFindWholeWord, "ab", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(r8::MatchText(c.flags, c.text, c.pattern), c.match)
            << (c.text ? c.text : "(null)") << " / " << (c.pattern ? c.pattern : "(null)");
}
