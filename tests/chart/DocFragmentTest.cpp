#include "DocTestSupport.h"

using charttest::Lines;
using doctest::Chart;
using doctest::DocTest;
using doctest::Grid;

namespace
{

class DocFragment : public DocTest
{
protected:
    // The fragment of a source chart's cells.
    static std::string Copy(const std::string& chart, R8Rect cells)
    {
        CR8EditSFCDoc source;
        doctest::TestView sourceView;
        source.SetView(&sourceView);
        source.LoadFromText(chart);
        sourceView.Select(cells.left, cells.top, cells.right, cells.bottom);
        std::string fragment;
        source.CopyFragment(fragment);
        return fragment;
    }

    bool PasteAt(const std::string& fragment, int column, int row)
    {
        return doc.PasteFragment(fragment, column, row, CR8EditSFCDoc::ScanExtent(fragment));
    }
};

} // namespace

TEST_F(DocFragment, PastedStepsTakeFreshNumbersAndTheirReferencesFollow)
{
    CR8EditSFCDoc source;
    source.LoadFromText(Chart({"@S1:0,0=3;", "@T2:1,0=7;", "@S3:2,0=4;", "@S4:0,1=9;"}));
    source.SetElementText(SFC_TRANS, 7, SFC_TEXT_MAIN, "GS3.X AND GS9.X");
    const R8Rect cells{0, 0, 0, 2};
    std::string fragment;
    ASSERT_TRUE(source.SaveToString(&cells, fragment));

    Load(Chart({"@S1:0,0=19;"}));
    ASSERT_EQ(doc.GetNextNumber(), 20);
    EXPECT_TRUE(PasteAt(fragment, 1, 0));
    EXPECT_EQ(Grid(doc), "S19 S20|. T21|. S22");
    EXPECT_EQ(doc.GetElementText(SFC_TRANS, 21, SFC_TEXT_MAIN), "GS20.X AND GS9.X\r\n");
    EXPECT_EQ(doc.ItemAt(1, 0)->GetKey(), 2u);
    EXPECT_EQ(doc.ItemAt(1, 2)->GetKey(), 4u);
    EXPECT_EQ(UndoCount(), 1u);
    EXPECT_EQ(beep.beeps, 0);
}

TEST_F(DocFragment, JumpFollowsItsTargetOnlyWhenPastedWithIt)
{
    const std::string chart = Chart({"@S1:0,0=4;", "@T2:1,0=5;", "@J3:2,0=4;"});
    Load(Chart({"@S1:0,0=30;"}));
    EXPECT_TRUE(PasteAt(Copy(chart, {0, 0, 0, 2}), 1, 0));
    EXPECT_EQ(Grid(doc), "S30 S31|. T32|. J31");
    EXPECT_TRUE(PasteAt(Copy(chart, {0, 2, 0, 2}), 2, 0));
    EXPECT_EQ(Grid(doc), "S30 S31 J4|. T32 .|. J31 .");
}

TEST_F(DocFragment, MacroStepKeepsItsBodyOrGetsZero)
{
    // Begin step 5 and its macro step 5, and a step whose old number is the
    // begin step's new one: the macro step stays bound to the body.
    const std::string chart = Chart({"@B1:0,0=5;", "@M2:0,1=5;", "@S3:1,0=6;"});
    Load(Chart({"@S1:0,3=5;"}));
    ASSERT_EQ(doc.GetNextNumber(), 6);
    EXPECT_TRUE(PasteAt(Copy(chart, {0, 0, 1, 1}), 0, 0));
    EXPECT_EQ(Grid(doc), "B6 M6 . S5|S8 . . .");
    EXPECT_TRUE(PasteAt(Copy(chart, {1, 0, 1, 0}), 1, 1));
    EXPECT_EQ(Grid(doc), "B6 M6 . S5|S8 M0 . .");
}

TEST_F(DocFragment, NegativeOffsetIsClampedAtTheTopLeft)
{
    const std::string fragment = Copy(Chart({"@S1:0,0=1;", "@T2:1,0=2;"}), {0, 0, 0, 1});
    EXPECT_TRUE(PasteAt(fragment, -3, -2));
    EXPECT_EQ(Grid(doc), "S1|T2");
}

TEST_F(DocFragment, AFragmentThatDoesNotFitIsNotMerged)
{
    Load(Chart({"@S1:0,0=1;", "@S2:2,1=2;"}));
    const std::string fragment = Copy(Chart({"@S1:0,0=1;", "@T2:1,0=2;"}), {0, 0, 0, 1});
    const std::string before = Text();
    EXPECT_FALSE(PasteAt(fragment, 1, 1));
    EXPECT_EQ(beep.beeps, 1);
    EXPECT_EQ(Text(), before);
    // Marked and recorded all the same.
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(UndoCount(), 1u);

    // An empty extent tests only the anchor cell, but nothing is ever pasted
    // over an element: the second line would land on step 2.
    EXPECT_FALSE(doc.PasteFragment(fragment, 1, 1, {0, 0, 0, 0}));
    // Nor beyond the grid's last row.
    EXPECT_FALSE(PasteAt(fragment, 0, SFC_MAX_ROWS - 1));
    EXPECT_EQ(beep.beeps, 3);
    EXPECT_EQ(Text(), before);

    doc.SetReadOnly(true);
    EXPECT_TRUE(PasteAt(fragment, 5, 5));
    EXPECT_EQ(Text(), before);
    EXPECT_EQ(UndoCount(), 3u);
}

TEST_F(DocFragment, CodeBlocksGoOnlyToPastedElements)
{
    Load(Chart({"@S1:3,3=1;"}));
    doc.SetElementText(SFC_STEP, 1, SFC_TEXT_MAIN, "own\r\n");
    const std::string fragment = Lines({"#info=SFCCHART", "@S1:0,0=1;", "#endinfo", "#sfc=GS1(0,0)",
                                        "mine", "#sfc=end", "#sfc=GS9(3,3)", "other", "#sfc=end"});
    EXPECT_TRUE(doc.PasteFragment(fragment, 0, 0, {0, 0, 0, 0}));
    EXPECT_EQ(doc.GetElementText(SFC_STEP, 2, SFC_TEXT_MAIN), "mine\r\n");
    EXPECT_EQ(doc.GetElementText(SFC_STEP, 1, SFC_TEXT_MAIN), "own\r\n");
}

TEST_F(DocFragment, CopyOfCellsWithoutElementsIsEmpty)
{
    Load(Chart({"@S1:0,0=1;"}));
    view.Select(2, 2, 3, 3);
    std::string fragment = "stale";
    EXPECT_FALSE(doc.CopyFragment(fragment));
    EXPECT_EQ(fragment, "");
    Caret(0, 0);
    EXPECT_TRUE(doc.CopyFragment(fragment));
    EXPECT_EQ(fragment.rfind("#info=SFCCHART\r\n@S1:0,0=1;\r\n#endinfo\r\n", 0), 0u);
}

TEST(DocFragmentText, SpyListNamesEveryStepOfTheChartBlock)
{
    const std::string fragment =
        Chart({"@S1:0,0=1;", "@T2:1,0=2;", "@J3:2,0=1;", "@S4:3,0=5;"}) + "_step GS1;\r\n";
    EXPECT_EQ(CR8EditSFCDoc::MakeSpyList(fragment), "0:GS1\n0:GS1.T\n0:GS5\n0:GS5.T\n");
    EXPECT_EQ(CR8EditSFCDoc::MakeSpyList(
                  Chart({"  @I1:0,0=2; ", "@B2:1,0=3;", "@E3:2,0=4;", "@M4:0,1=9;", "@SX"})),
              "0:GS2\n0:GS2.T\n0:GS3\n0:GS3.T\n0:GS4\n0:GS4.T\n0:GS0\n0:GS0.T\n");
    EXPECT_EQ(CR8EditSFCDoc::MakeSpyList(Chart({"@T1:0,0=1;"})), "");
    EXPECT_EQ(CR8EditSFCDoc::MakeSpyList("#info=SFCCHART\r\n@S1:0,0=1;\r\n"), "");
}

TEST(DocFragmentText, DragOutlineIsTheSelectionAroundTheStartCell)
{
    const R8Rect outline = CR8EditSFCDoc::MakeDragOutline({2, 3, 4, 5}, {3, 5});
    EXPECT_EQ(outline.left, -1);
    EXPECT_EQ(outline.top, -2);
    EXPECT_EQ(outline.right, 1);
    EXPECT_EQ(outline.bottom, 0);
}
