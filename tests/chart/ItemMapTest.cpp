#include "chart/R8EditSFCItemMap.h"

#include <gtest/gtest.h>

TEST(ItemMap, StepKindsShareOneNumberSpace)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* step = map.AddItem(SFC_STEP, 5, 0, 0, nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 5), step);
    EXPECT_EQ(map.FindByNumber(SFC_INIT_STEP, 5), step);
    EXPECT_EQ(map.FindByNumber(SFC_END_STEP, 5), step);

    CR8EditSFCItem* macro = map.AddItem(SFC_MACRO, 5, 1, 0, nullptr);
    CR8EditSFCItem* trans = map.AddItem(SFC_TRANS, 5, 2, 0, nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 5), step);
    EXPECT_EQ(map.FindByNumber(SFC_MACRO, 5), macro);
    EXPECT_EQ(map.FindByNumber(SFC_TRANS, 5), trans);

    // A begin step with the same number takes the key from the step.
    CR8EditSFCItem* begin = map.AddItem(SFC_BEGIN_STEP, 5, 3, 0, nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 5), begin);
    EXPECT_EQ(map.FindByNumber(SFC_MACRO, 5), macro);
}

TEST(ItemMap, NumbersComeFromTheCounterUnlessGiven)
{
    CR8EditSFCItemMap map;
    EXPECT_EQ(map.AddItem(SFC_STEP, -1, 0, 0, nullptr)->GetNumber(), 1);
    EXPECT_EQ(map.AddItem(SFC_TRANS, 10, 0, 1, nullptr)->GetNumber(), 10);
    EXPECT_EQ(map.GetNextNumber(), 11);
    // Explicit numbers, 0 too, never lower the counter.
    EXPECT_EQ(map.AddItem(SFC_NODE, 0, 0, 2, nullptr)->GetNumber(), 0);
    EXPECT_EQ(map.AddItem(SFC_STEP, 3, 0, 3, nullptr)->GetNumber(), 3);
    EXPECT_EQ(map.AddItem(SFC_STEP, -5, 0, 4, nullptr)->GetNumber(), 11);
    EXPECT_EQ(map.GetNextNumber(), 12);
    // Ids count up from 1 in the order of insertion, which the list keeps.
    ASSERT_EQ(map.GetItems().size(), 5u);
    for (std::size_t i = 0; i < map.GetItems().size(); ++i)
    {
        EXPECT_EQ(map.GetItems()[i]->GetId(), static_cast<int>(i) + 1);
        EXPECT_EQ(map.GetItems()[i]->GetRow(), static_cast<int>(i));
    }

    map.RemoveAll();
    EXPECT_TRUE(map.GetItems().empty());
    EXPECT_EQ(map.ItemAt(0, 0), nullptr);
    CR8EditSFCItem* again = map.AddItem(SFC_STEP, -1, 0, 0, nullptr);
    EXPECT_EQ(again->GetId(), 1);
    EXPECT_EQ(again->GetNumber(), 1);
}

TEST(ItemMap, ALaterKeyReplacesAndRemovalTakesTheKeyWhateverItHolds)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* first = map.AddItem(SFC_NODE, 0, 0, 0, nullptr);
    CR8EditSFCItem* second = map.AddItem(SFC_NODE, 0, 1, 0, nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_NODE, 0), second);

    map.RemoveItem(first->GetId());
    EXPECT_EQ(map.FindByNumber(SFC_NODE, 0), nullptr);
    EXPECT_EQ(map.ItemAt(1, 0), second);

    // The same with cells: the later element takes the cell; removing the
    // earlier one removes the cell key although it points to the later one.
    CR8EditSFCItem* below = map.AddItem(SFC_STEP, 7, 4, 4, nullptr);
    CR8EditSFCItem* over = map.AddItem(SFC_TRANS, 8, 4, 4, nullptr);
    EXPECT_EQ(map.ItemAt(4, 4), over);
    map.RemoveItem(below->GetId());
    EXPECT_EQ(map.ItemAt(4, 4), nullptr);
    EXPECT_EQ(map.FindById(over->GetId()), over);
    EXPECT_EQ(map.FindByNumber(SFC_TRANS, 8), over);

    map.RemoveItem(12345); // unknown: nothing
    EXPECT_EQ(map.GetItems().size(), 2u);
}

TEST(ItemMap, MoveAndRenumberKeepTheIndexesInStep)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* step = map.AddItem(SFC_STEP, 5, 0, 0, nullptr);
    map.MoveItem(step->GetId(), 2, 3);
    EXPECT_EQ(map.ItemAt(0, 0), nullptr);
    EXPECT_EQ(map.ItemAt(2, 3), step);
    map.SetNumber(step->GetId(), 9);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 5), nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 9), step);

    map.MoveItem(999, 0, 0);
    map.SetNumber(999, 1);
    EXPECT_EQ(map.ItemAt(0, 0), nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 1), nullptr);
}

TEST(ItemMap, TakeNumberLeavesTheFormerKey)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* five = map.AddItem(SFC_STEP, 5, 0, 0, nullptr);
    CR8EditSFCItem* one = map.AddItem(SFC_STEP, 1, 0, 1, nullptr);

    // A sweep where the two numbers change places.
    map.TakeNumber(five->GetId(), 1);
    map.TakeNumber(one->GetId(), 2);
    EXPECT_EQ(five->GetNumber(), 1);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 1), five);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 2), one);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 5), five); // until the chart is loaded again

    // SetNumber, by contrast, gives the old key up.
    map.SetNumber(one->GetId(), 3);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 2), nullptr);

    // Removed, the element takes its former keys with it.
    map.RemoveItem(five->GetId());
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 5), nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 1), nullptr);
    EXPECT_EQ(map.FindByNumber(SFC_STEP, 3), one);
}

TEST(ItemMap, OnlineStatesReset)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* a = map.AddItem(SFC_STEP, 1, 0, 0, nullptr);
    CR8EditSFCItem* b = map.AddItem(SFC_TRANS, 2, 0, 1, nullptr);
    a->SetOnlineState(1);
    b->SetOnlineState(4);
    map.ResetOnlineStates();
    EXPECT_EQ(a->GetOnlineState(), 0);
    EXPECT_EQ(b->GetOnlineState(), 0);
}
