// The symbols of the chart: every element kind drawn into its cell from the
// element's public state and the cell's link word, and the links of cells
// without an element. Each symbol stands in a square of side u at the left
// of its cell with the link line down its middle; a cell at least 2u wide
// also holds the element's text box.
#pragma once

#include "sfcview/R8EditSFCCanvas.h"

#include <cstdint>
#include <string>

class CR8EditSFCDocData;
class CR8EditSFCItem;
class CR8EditSFCItemStep;
class CR8EditSFCItemTrans;
class CR8EditSFCItemJump;
class CR8EditSFCItemNote;

// What a frame of drawing shares: sizes, modes and fonts.
struct CR8EditSFCPaintStyle
{
    int u = 50;                // symbol size
    int a = 3;                 // frame margin and arrow size
    std::uint16_t display = 0; // 0 normal, 1 notes only, 2 action code only
    bool offscreen = false;    // picture or printer rather than the window
    HFONT chartFont = nullptr; // numbers and labels
    HFONT textBoxFont = nullptr;
    int qualifierWidth = 0;                      // width of " Act." in the text-box font
    const CR8EditSFCDocData* document = nullptr; // jump targets
};

class CR8EditSFCItemPainter
{
public:
    // Fixed colours of the symbols.
    static constexpr COLORREF kStepFrame = RGB(111, 111, 255);
    static constexpr COLORREF kStepGradient = RGB(210, 210, 255);
    static constexpr COLORREF kStepBox = RGB(244, 244, 255);
    static constexpr COLORREF kActiveFrame = RGB(255, 0, 0);
    static constexpr COLORREF kActiveGradient = RGB(255, 200, 200);
    static constexpr COLORREF kActiveBox = RGB(255, 244, 244);
    static constexpr COLORREF kTransText = RGB(128, 0, 128);
    static constexpr COLORREF kJumpLabel = RGB(111, 111, 255);

    CR8EditSFCItemPainter(CR8EditSFCCanvas& canvas, const CR8EditSFCPaintStyle& style);

    void PaintItem(const CR8EditSFCItem& item, const RECT& cell, std::uint16_t link);
    // Links through a cell by the bits of its link word (empty cells, and the
    // node and branch elements, which are only lines).
    void PaintLinks(const RECT& cell, std::uint16_t link);

    // Text-box content rules, by themselves.
    static bool HoldsCode(const std::string& code);
    // The target step number, or "??" when no step carries it.
    static std::string JumpLabel(const CR8EditSFCItem& jump, const CR8EditSFCDocData* document);
    static std::string TransitionText(const CR8EditSFCItem& trans, std::uint16_t display,
                                      bool offscreen);

private:
    void PaintStep(const CR8EditSFCItem& step, const RECT& cell, std::uint16_t link);
    void PaintStepBox(const CR8EditSFCItem& step, const RECT& cell, COLORREF ink, COLORREF gradient,
                      COLORREF fill);
    void PaintTrans(const CR8EditSFCItem& trans, const RECT& cell);
    void PaintJump(const CR8EditSFCItem& jump, const RECT& cell);
    void PaintNote(const CR8EditSFCItemNote& note, const RECT& cell);

    void LockMark(int x, int y);
    void BookmarkMark(int left, int top);
    void OnlineMark(const RECT& cell, int state);
    // Wrapped text, centred vertically when it is shorter than the box.
    void BoxText(const RECT& box, const std::string& text, COLORREF ink, bool centre);

    CR8EditSFCCanvas& m_canvas;
    const CR8EditSFCPaintStyle& m_style;
};
