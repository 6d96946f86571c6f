// The block registry's standard blocks.
#include "ServiceFixture.h"

TEST_F(ServiceTest, RegistryDescribesTheAndBlock)
{
    const DWORD id = api.Q2DBReg_FindBlock("&");
    ASSERT_NE(id, 0u);
    int in = 0, out = 0;
    DWORD kind = 0;
    EXPECT_STREQ(api.Q2DBReg_GetBlockDesc(id, &in, &out, &kind), "&");
    EXPECT_EQ(in, 2);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(kind, static_cast<DWORD>(Q2DBREG_OPERATOR));
    LPCSTR type = nullptr;
    EXPECT_STREQ(api.Q2DBReg_GetBlockInput(id, 1, &type), "IN2");
    EXPECT_STREQ(type, "BOOL");
    EXPECT_STREQ(api.Q2DBReg_GetBlockOutput(id, 0, nullptr), "Q");
    EXPECT_FALSE(api.Q2DBReg_BlockNeedEN(id));
    EXPECT_FALSE(api.Q2DBReg_BlockNeedENO(id));
}

TEST_F(ServiceTest, RegistryLooksUpWithoutRegardToCaseAndRefusesTheUnknown)
{
    const DWORD ton = api.Q2DBReg_FindBlock("ton");
    ASSERT_NE(ton, 0u);
    int in = 0, out = 0;
    DWORD kind = 0;
    EXPECT_STREQ(api.Q2DBReg_GetBlockDesc(ton, &in, &out, &kind), "TON");
    EXPECT_EQ(kind, static_cast<DWORD>(Q2DBREG_FUNCTION_BLOCK));
    EXPECT_EQ(out, 2);
    LPCSTR type = nullptr;
    EXPECT_STREQ(api.Q2DBReg_GetBlockOutput(ton, 1, &type), "ET");
    EXPECT_STREQ(type, "TIME");
    for (int bad : {-1, 2, 1000})
    {
        type = "stale";
        EXPECT_EQ(api.Q2DBReg_GetBlockOutput(ton, bad, &type), nullptr) << bad;
        EXPECT_EQ(type, nullptr);
    }
    const DWORD move = api.Q2DBReg_FindBlock("Move");
    EXPECT_TRUE(api.Q2DBReg_BlockNeedEN(move));
    EXPECT_TRUE(api.Q2DBReg_BlockNeedENO(move));

    EXPECT_EQ(api.Q2DBReg_FindBlock("NO_SUCH_BLOCK"), 0u);
    EXPECT_EQ(api.Q2DBReg_FindBlock(""), 0u);
    EXPECT_EQ(api.Q2DBReg_FindBlock(nullptr), 0u);
    EXPECT_EQ(api.Q2DBReg_FindBlock("&&"), 0u);
    for (DWORD bad : {0u, 100000u, 0xFFFFFFFFu})
    {
        in = out = 7;
        EXPECT_EQ(api.Q2DBReg_GetBlockDesc(bad, &in, &out, nullptr), nullptr);
        EXPECT_EQ(in, 0);
        EXPECT_EQ(out, 0);
        EXPECT_EQ(api.Q2DBReg_GetBlockInput(bad, 0, nullptr), nullptr);
        EXPECT_FALSE(api.Q2DBReg_BlockNeedEN(bad));
    }
}
