#include "ChartTestSupport.h"

#include <gtest/gtest.h>

using charttest::FixturePath;
using charttest::Lines;
using charttest::Save;

namespace
{

std::string ProgramSection(const std::string& text)
{
    const std::string end = "#endinfo\r\n";
    const std::size_t at = text.find(end);
    return at == std::string::npos ? std::string() : text.substr(at + end.size());
}

class LinkMatrix : public ::testing::Test
{
protected:
    void Load(const char* fixture) { ASSERT_TRUE(doc.LoadFromFile(FixturePath(fixture))); }

    std::vector<int> SuccessorNumbers(int column, int row) const
    {
        std::vector<CR8EditSFCItem*> list;
        doc.CollectSuccessors(column, row, list);
        std::vector<int> numbers;
        for (const CR8EditSFCItem* item : list)
            numbers.push_back(item->GetNumber());
        return numbers;
    }

    CR8EditSFCDocData doc;
};

} // namespace

TEST_F(LinkMatrix, DivergenceIntoTwoTransitions)
{
    Load("divergence.sfc");
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_step GS3;", "_next GT4, GT6;", "_trans GT4;", "_trans GT6;"}));
    EXPECT_EQ(doc.GetLink(0, 1), SFC_NODE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(1, 1), SFC_DIVERGENCE);
    EXPECT_EQ(doc.GetLink(1, 0), 0);
    EXPECT_EQ(doc.GetLink(2, 0), 0); // outside the matrix
    EXPECT_EQ(doc.GetLink(-1, 0), 0);
    EXPECT_TRUE(doc.IsFollowedByTrans(0, 0));
    EXPECT_FALSE(doc.IsFollowedByStep(0, 0));
    // The element above a transition may be the node or a branch.
    EXPECT_EQ(doc.FindPredecessor(0, 2), doc.ItemAt(0, 1));
    EXPECT_EQ(doc.FindPredecessor(1, 2), doc.ItemAt(1, 1));
    EXPECT_EQ(doc.FindChainTop(1, 2), doc.ItemAt(1, 1)); // nothing stands above the branch
    EXPECT_EQ(doc.FindChainTop(0, 2), doc.ItemAt(0, 0));
}

TEST_F(LinkMatrix, SimultaneousDivergenceAndConvergence)
{
    Load("simultaneous.sfc");
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_step GS1;", "_next GT2;", "_trans GT2;", "_next GS3, GS4;", "_step GS3;",
                     "_next GT5;", "_step GS4;", "_next GT5;", "_trans GT5;"}));
    // The double lines: the line cells and the branches take the node's double bit.
    EXPECT_EQ(doc.GetLink(0, 2), SFC_NODE_DOUBLE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(1, 2), LINK_HLINE | LINK_DOUBLE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(2, 2), SFC_DIVERGENCE | LINK_DOUBLE);
    EXPECT_EQ(doc.GetLink(1, 4), LINK_HLINE | LINK_DOUBLE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(2, 4), SFC_CONVERGENCE | LINK_DOUBLE);
    // The gap between the node and the transition below it.
    EXPECT_EQ(doc.GetLink(0, 5), LINK_VUPPER | LINK_VLOWER);
    EXPECT_EQ(doc.GetLink(1, 3), 0);

    // Single nodes make single lines at the next rebuild.
    ASSERT_TRUE(doc.SwapItemStyle(doc.ItemAt(0, 2)->GetId()));
    ASSERT_TRUE(doc.SwapItemStyle(doc.ItemAt(0, 4)->GetId()));
    doc.RebuildMatrix();
    EXPECT_EQ(doc.GetLink(1, 2), LINK_HLINE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(2, 2), SFC_DIVERGENCE);
    EXPECT_EQ(doc.GetLink(2, 4), SFC_CONVERGENCE);
}

TEST_F(LinkMatrix, BranchBetweenTwoPartnersJoinsTheLeftOne)
{
    Load("partners.sfc");
    EXPECT_EQ(doc.GetLink(1, 0), LINK_HLINE | LINK_DOUBLE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(2, 0), SFC_DIVERGENCE | LINK_DOUBLE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(3, 0), LINK_HLINE | LINK_DOUBLE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(4, 0), SFC_DIVERGENCE | LINK_DOUBLE);
}

TEST_F(LinkMatrix, RightJoinedBranchJoinsTheRightOne)
{
    Load("partners-right.sfc");
    // The gap to the node stays open, and the line follows the single partner.
    EXPECT_EQ(doc.GetLink(1, 0), 0);
    EXPECT_EQ(doc.GetLink(2, 0), SFC_DIVERGENCE_RIGHT | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(3, 0), LINK_HLINE | LINK_HRIGHT);
    EXPECT_EQ(doc.GetLink(4, 0), SFC_DIVERGENCE);
    const std::string text = Save(doc);
    EXPECT_NE(text.find("@Rd2:0,2=0;\r\n"), std::string::npos);
}

TEST_F(LinkMatrix, TransitionAboveAConvergenceInput)
{
    Load("convergence.sfc");
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_step GS1;", "_next GT3;", "_step GS2;", "_next GT4;", "_trans GT3;",
                     "_next GS5;", "_trans GT4;", "_next GS5;", "_step GS5;"}));
    EXPECT_EQ(SuccessorNumbers(2, 1), std::vector<int>{5});
    EXPECT_TRUE(doc.IsFollowedByStep(2, 1));
    EXPECT_FALSE(doc.IsFollowedByTrans(2, 1));
    EXPECT_EQ(doc.GetLink(1, 2), LINK_HLINE | LINK_HRIGHT);
    // Above the input there is a link down; above the transition below the
    // convergence input's cell there is none.
    EXPECT_EQ(doc.FindPredecessor(2, 2), doc.ItemAt(2, 1));
    EXPECT_EQ(doc.FindPredecessor(2, 3), nullptr);
}

TEST_F(LinkMatrix, MacroStepAndItsBody)
{
    Load("macro.sfc");
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_step _init GS1;", "_next GT2;", "_step GS7;", "_next GT8;", "_trans GT2;",
                     "_next GS7;", "_trans GT8;", "_next GS9;", "_step GS9;", "_next GT3;",
                     "_trans GT3;", "_next GS1;"}));
    EXPECT_EQ(doc.FindChainTop(2, 2), doc.ItemAt(2, 0));
    EXPECT_EQ(doc.FindPredecessor(2, 2), doc.ItemAt(2, 1));
    EXPECT_EQ(doc.FindPredecessor(0, 0), nullptr);
    EXPECT_TRUE(doc.IsFollowedByStep(0, 3)); // a jump counts as a step
}

TEST_F(LinkMatrix, UnboundMacroAndEndStep)
{
    // A macro step without a body gives no entry; an end step whose chain top
    // names no macro step gives no line.
    doc.LoadFromText(Lines(
        {"#info=SFCCHART", "@T1:0,0=1;", "@M2:1,0=5;", "@B3:0,1=6;", "@E4:1,1=7;", "#endinfo"}));
    EXPECT_EQ(ProgramSection(Save(doc)),
              Lines({"_trans GT1;", "_next;", "_step GS6;", "_next GS7;", "_step GS7;"}));
}

TEST_F(LinkMatrix, EmptyChart)
{
    doc.LoadFromText("");
    EXPECT_EQ(doc.GetWidth(), 0);
    EXPECT_EQ(doc.GetHeight(), 0);
    EXPECT_EQ(doc.GetLink(0, 0), 0);
    std::vector<CR8EditSFCItem*> list;
    EXPECT_FALSE(doc.CollectSuccessors(0, 0, list));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(doc.FindPredecessor(0, 1), nullptr);
    EXPECT_EQ(doc.FindChainTop(0, 1), nullptr);
    EXPECT_EQ(doc.FindNext(nullptr, true, 0), nullptr);
    EXPECT_EQ(doc.FindPrevious(nullptr, true, 0), nullptr);
    R8SFCFindRecord record;
    record.findText = "1";
    EXPECT_EQ(doc.Find(record, {0, 0, 0, 0}, {0, 0}), nullptr);
}

TEST_F(LinkMatrix, FindNextAndPreviousInReadingOrder)
{
    Load("convergence.sfc");
    CR8EditSFCItem* s1 = doc.ItemAt(0, 0);
    CR8EditSFCItem* s2 = doc.ItemAt(2, 0);
    CR8EditSFCItem* t3 = doc.ItemAt(0, 1);
    CR8EditSFCItem* t4 = doc.ItemAt(2, 1);
    CR8EditSFCItem* node = doc.ItemAt(0, 2);
    CR8EditSFCItem* s5 = doc.ItemAt(0, 3);

    EXPECT_EQ(doc.FindNext(nullptr, false, 0), s1);
    EXPECT_EQ(doc.FindNext(s2, false, 0), t3);
    EXPECT_EQ(doc.FindNext(s5, false, 0), nullptr);
    EXPECT_EQ(doc.FindNext(s5, true, 0), s1);
    EXPECT_EQ(doc.FindPrevious(nullptr, false, 0), s5);
    EXPECT_EQ(doc.FindPrevious(t3, false, 0), s2);
    EXPECT_EQ(doc.FindPrevious(s1, false, 0), nullptr);
    EXPECT_EQ(doc.FindPrevious(s1, true, 0), s5);

    t4->ToggleBookmark();
    node->ToggleBookmark();
    EXPECT_EQ(doc.FindNext(s1, true, 1), t4);
    EXPECT_EQ(doc.FindNext(t4, true, 1), node);
    EXPECT_EQ(doc.FindNext(node, true, 1), t4);
    EXPECT_EQ(doc.FindNext(node, false, 1), nullptr);
    EXPECT_EQ(doc.FindPrevious(t4, true, 1), node);

    s5->SetOnlineState(3);
    EXPECT_EQ(doc.FindNext(nullptr, false, 2), nullptr);
    s5->SetOnlineState(2);
    EXPECT_EQ(doc.FindNext(nullptr, false, 2), s5);
    EXPECT_EQ(doc.FindNext(nullptr, false, 3), t4);

    // From the only element of a chart, wrapping finds nothing else.
    CR8EditSFCDocData single;
    single.LoadFromText(Lines({"#info=SFCCHART", "@S1:4,4=1;", "#endinfo"}));
    EXPECT_EQ(single.FindNext(single.ItemAt(4, 4), true, 0), nullptr);
    EXPECT_EQ(single.FindPrevious(single.ItemAt(4, 4), true, 0), nullptr);
}

TEST_F(LinkMatrix, FindWalksFromTheCaretOrTheFirstElement)
{
    Load("convergence.sfc");
    R8SFCFindRecord record;
    record.findText = "T4";
    // No element in the selection: the walk starts at the first element.
    EXPECT_EQ(doc.Find(record, {1, 1, 1, 1}, {1, 1}), doc.ItemAt(2, 1));
    // A selection of several cells with elements gives no result.
    EXPECT_EQ(doc.Find(record, {0, 0, 2, 1}, {2, 1}), nullptr);

    record.findText = "T3";
    // The start element itself answers only with command bits 0x01 and 0x10.
    EXPECT_EQ(doc.Find(record, {0, 1, 0, 1}, {0, 1}), nullptr);
    record.command = 0x11;
    EXPECT_EQ(doc.Find(record, {0, 1, 0, 1}, {0, 1}), doc.ItemAt(0, 1));

    record.command = 0x01;
    record.findText = "s";
    EXPECT_EQ(doc.Find(record, {0, 1, 0, 1}, {0, 1}), doc.ItemAt(0, 3));
    // Past the end it wraps to the top.
    EXPECT_EQ(doc.Find(record, {0, 3, 0, 3}, {0, 3}), doc.ItemAt(0, 0));
    // The first element answers when it matches and nothing is selected.
    record.findText = "GS1";
    EXPECT_EQ(doc.Find(record, {5, 5, 5, 5}, {5, 5}), doc.ItemAt(0, 0));
}

namespace
{

// The link computation exactly as stated: column by column, each column from
// the top. The matrix walks rows in memory order; both must give the same words.
std::vector<std::uint16_t> LinksColumnByColumn(std::vector<std::uint16_t> w, int width, int height)
{
    auto at = [&](int c, int r) -> std::uint16_t& { return w[r * width + c]; };
    for (int c = 0; c < width; ++c)
    {
        for (int r = 0; r < height; ++r)
        {
            const std::uint16_t word = at(c, r);
            if (word & LINK_UP)
            {
                int up = r - 1;
                while (up >= 0 && !(at(c, up) & LINK_USED))
                    --up;
                if (up >= 0 && (at(c, up) & LINK_DOWN) && r - up > 1)
                    for (int x = up + 1; x < r; ++x)
                        at(c, x) |= 0x0300;
            }
            const bool branch = (word & 0x02F1) == 0x02F1 || (word & 0x01E9) == 0x01E9;
            if (!branch || (word & 0x0300) == 0x0300)
                continue;
            int left = -1, right = -1;
            for (int x = c - 1; x >= 0; --x)
            {
                if (at(x, r) & LINK_TO_RIGHT)
                {
                    left = x;
                    break;
                }
                if (at(x, r) & LINK_USED)
                    break;
            }
            for (int x = c + 1; x < width; ++x)
            {
                if (at(x, r) & LINK_FROM_LEFT)
                {
                    right = x;
                    break;
                }
                if (at(x, r) & LINK_USED)
                    break;
            }
            int partner = -1;
            if (left >= 0 && (right < 0 || !(at(c, r) & LINK_JOIN_RIGHT)))
                partner = left;
            else if (right >= 0)
                partner = right;
            if (partner < 0)
                continue;
            const std::uint16_t d = at(partner, r) & LINK_DOUBLE;
            for (int x = std::min(partner, c) + 1; x < std::max(partner, c); ++x)
                at(x, r) |= LINK_HLINE | d;
            at(c, r) = static_cast<std::uint16_t>((at(c, r) & ~LINK_DOUBLE) | d);
        }
    }
    for (int c = 0; c < width; ++c)
        for (int r = 0; r < height; ++r)
        {
            const std::uint16_t word = at(c, r);
            const std::uint16_t next = c < width - 1 ? at(c + 1, r) : 0;
            if (((word & LINK_USED) && (word & LINK_HLINE) && !(word & LINK_FROM_LEFT)) ||
                (c < width - 1 && (word & LINK_HLINE) && (next & LINK_HLINE) &&
                 ((next & LINK_FROM_LEFT) || !(next & (LINK_USED | LINK_BOX)))))
                at(c, r) |= LINK_HRIGHT;
        }
    return w;
}

} // namespace

TEST(LinkMatrixOrder, RowByRowGivesTheWordsOfColumnByColumn)
{
    const int codes[] = {0,
                         0,
                         0,
                         0,
                         SFC_STEP,
                         SFC_TRANS,
                         SFC_NODE,
                         SFC_NODE_DOUBLE,
                         SFC_DIVERGENCE,
                         SFC_CONVERGENCE,
                         SFC_DIVERGENCE_RIGHT,
                         SFC_CONVERGENCE_RIGHT,
                         SFC_MACRO,
                         SFC_BEGIN_STEP,
                         SFC_END_STEP,
                         SFC_JUMP};
    std::uint32_t seed = 12345;
    auto next = [&seed]() { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int round = 0; round < 300; ++round)
    {
        const int width = 1 + static_cast<int>(next() % 9);
        const int height = 1 + static_cast<int>(next() % 9);
        CR8EditSFCChart chart;
        chart.Reset(width, height);
        std::vector<std::uint16_t> words(static_cast<std::size_t>(width * height));
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c)
            {
                const auto code = static_cast<std::uint16_t>(codes[next() % std::size(codes)]);
                chart.Set(c, r, code);
                words[r * width + c] = code;
            }
        chart.ComputeLinks();
        const std::vector<std::uint16_t> expected = LinksColumnByColumn(words, width, height);
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c)
                ASSERT_EQ(chart.Get(c, r), expected[r * width + c])
                    << "round " << round << " cell " << c << "," << r;
    }
}

TEST_F(LinkMatrix, MergingLinesAreWalkedOnce)
{
    // Levels of a divergence straight into a convergence, with no element in
    // between: each level reaches the next one twice. The walk enters each
    // cell once, so it ends and names the transition at the bottom once.
    std::string text = Lines({"#info=SFCCHART", "@S1:0,0=1;"});
    const int levels = 20;
    for (int level = 0; level < levels; ++level)
    {
        const int row = 1 + 2 * level;
        text += "@O0:" + std::to_string(row) + ",0=0;\r\n";
        text += "@d0:" + std::to_string(row) + ",1=0;\r\n";
        text += "@O0:" + std::to_string(row + 1) + ",0=0;\r\n";
        text += "@c0:" + std::to_string(row + 1) + ",1=0;\r\n";
    }
    text += "@T0:" + std::to_string(1 + 2 * levels) + ",0=2;\r\n#endinfo\r\n";
    doc.LoadFromText(text);
    EXPECT_EQ(SuccessorNumbers(0, 0), std::vector<int>{2});
}
