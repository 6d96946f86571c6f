#include "support/TextCase.h"

#include <gtest/gtest.h>

TEST(TextCase, OnlyAsciiLettersChange)
{
    EXPECT_EQ(r8::ToUpperAscii("SetEnable_9 x"), "SETENABLE_9 X");
    // Bytes above 0x7F (Windows-1252 letters) are not letters to this rule.
    EXPECT_EQ(r8::ToUpperAscii("\xe9t\xe9"), "\xe9T\xe9");
    EXPECT_TRUE(r8::EqualsNoCase("CR8EditTLWnd_CtrlClient", "cr8edittlwnd_ctrlclient"));
    EXPECT_FALSE(r8::EqualsNoCase("int", "int "));
}
