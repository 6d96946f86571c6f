// Renders a demonstration chart with every element kind to PNG files beside
// the test program (bin/render-demo.png: the window frame with rulers, grid
// and a selection; bin/render-demo-folio.png: the picture of the whole
// chart; bin/render-demo-library.png: the same picture drawn with the
// installed drawing library, or its stock fallbacks when there is none), so a
// person can look at the result.
#include "RenderSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace
{

const char* const kDemoChart = "#info=SFCCHART\r\n"
                               "@I1:0,0=1;Wait for start\r\n"
                               "@N2:0,1=0;Filling sequence: an alternative branch, a simultaneous "
                               "branch and a macro step with its body\r\n"
                               "@B3:0,3=10;Heating\r\n"
                               "@T4:1,0=1;\r\n"
                               "@T5:1,3=8;\r\n"
                               "@S6:2,0=2;Fill the tank\r\n"
                               "@S7:2,3=11;Heat\r\n"
                               "@O8:3,0=0;\r\n"
                               "@d9:3,1=0;\r\n"
                               "@T10:3,3=9;\r\n"
                               "@T11:4,0=2;\r\n"
                               "@T12:4,1=3;\r\n"
                               "@E13:4,3=12;\r\n"
                               "@M14:5,0=10;Heat the batch\r\n"
                               "@S15:5,1=3;Drain\r\n"
                               "@T16:6,0=4;\r\n"
                               "@T17:6,1=5;\r\n"
                               "@N18:6,3=0;The body runs while the macro step is active\r\n"
                               "@O19:7,0=0;\r\n"
                               "@c20:7,1=0;\r\n"
                               "@S21:8,0=4;Mix\r\n"
                               "@T22:9,0=6;\r\n"
                               "@A23:10,0=0;\r\n"
                               "@d24:10,1=0;\r\n"
                               "@S25:11,0=5;Stir\r\n"
                               "@S26:11,1=6;Measure\r\n"
                               "@A27:12,0=0;\r\n"
                               "@c28:12,1=0;\r\n"
                               "@T29:13,0=7;\r\n"
                               "@J30:14,0=1;\r\n"
                               "@J31:14,2=99;\r\n"
                               "#endinfo\r\n";

struct Code
{
    int column;
    int row;
    int index;
    const char* text;
};

const Code kCodes[] = {
    {0, 0, SFC_TEXT_P1, "bReady := TRUE;"},
    {0, 1, SFC_TEXT_MAIN, "bStart AND NOT bFault"},
    {0, 2, SFC_TEXT_MAIN, "Valve1 := TRUE;"},
    {0, 2, SFC_TEXT_P0, "Valve1 := FALSE;"},
    {0, 4, SFC_TEXT_MAIN, "Level > 80"},
    {1, 4, SFC_TEXT_MAIN, "bAbort"},
    {1, 5, SFC_TEXT_N, "Pump := TRUE;"},
    {0, 6, SFC_TEXT_MAIN, "GS10.X AND Temp > 60"},
    {1, 6, SFC_TEXT_MAIN, "#info=LDEDIT\r\nBOF\r\n-| |-\r\nEOF\r\n#endinfo\r\n"},
    {0, 8, SFC_TEXT_MAIN, "Mixer := TRUE;"},
    {0, 9, SFC_TEXT_MAIN, "GS4.T > T#10s"},
    {0, 11, SFC_TEXT_N, "Stirrer := TRUE;"},
    {1, 11, SFC_TEXT_P1, "Count := Count + 1;"},
    {0, 13, SFC_TEXT_MAIN, "bDone\r\nAND bQualityOk"},
    {3, 1, SFC_TEXT_MAIN, "Temp > 20"},
    {3, 2, SFC_TEXT_N, "Heater := TRUE;"},
    {3, 3, SFC_TEXT_MAIN, "Temp > 60"},
};

TEST(RenderDemo, DemonstrationChartToPng)
{
    CR8EditSFCDocData doc;
    doc.LoadFromText(kDemoChart);
    ASSERT_EQ(4, doc.GetWidth());
    ASSERT_EQ(15, doc.GetHeight());
    for (const Code& c : kCodes)
    {
        CR8EditSFCItem* item = doc.ItemAt(c.column, c.row);
        ASSERT_NE(nullptr, item) << c.column << "," << c.row;
        item->SetText(c.index, c.text);
    }
    doc.ItemAt(0, 8)->SetLock(1);         // the Mix step is locked
    doc.ItemAt(0, 9)->ToggleBookmark();   // its transition is bookmarked
    doc.ItemAt(0, 11)->SetActivity(1);    // Stir is active online
    doc.ItemAt(0, 13)->SetOnlineState(1); // that transition holds

    PaletteView view;
    view.SetDocument(&doc);
    view.SetGrid(true);
    view.SetSelection(R8Point{1, 5}, R8Point{1, 6});
    view.SetFocusShown(true);
    Surface screen(CR8EditSFCDCo::kLeftRuler + 4 * view.GetCellWidth(),
                   CR8EditSFCDCo::kTopRuler + 15 * view.GetCellHeight());
    view.DrawScreen(screen.dc());
    std::remove("render-demo.png");
    ASSERT_TRUE(screen.SavePng("render-demo.png"));

    auto folio = view.RenderFolio(RECT{0, 0, 4, 15}, nullptr);
    ASSERT_TRUE(folio->HasBitmap());
    Surface picture = Surface::FromBitmap(folio->GetBitmap());
    std::remove("render-demo-folio.png");
    ASSERT_TRUE(picture.SavePng("render-demo-folio.png"));

    CR8EditSFCDCo plain;
    plain.SetDocument(&doc);
    auto library = plain.RenderFolio(RECT{0, 0, 4, 15}, nullptr);
    ASSERT_TRUE(library->HasBitmap());
    std::remove("render-demo-library.png");
    ASSERT_TRUE(Surface::FromBitmap(library->GetBitmap()).SavePng("render-demo-library.png"));

    FILE* file = std::fopen("render-demo.png", "rb");
    ASSERT_NE(nullptr, file);
    unsigned char signature[8] = {};
    EXPECT_EQ(8u, std::fread(signature, 1, 8, file));
    std::fclose(file);
    EXPECT_EQ(0x89, signature[0]);
    EXPECT_EQ('P', signature[1]);
}

} // namespace
