// Chart elements: everything that stands in a cell of the chart grid. The
// type code of an element is at the same time the pattern of its links.
#pragma once

#include "chart/R8EditSFCItemView.h"
#include "chart/R8Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CR8EditSFCFile;
class CR8NoteParent;

// Link bits of a type code and of a link-matrix cell.
constexpr std::uint16_t LINK_USED = 0x0001;       // the cell holds an element
constexpr std::uint16_t LINK_DOUBLE = 0x0002;     // the horizontal line is double
constexpr std::uint16_t LINK_BOX = 0x0004;        // symbol with a text box
constexpr std::uint16_t LINK_UP = 0x0008;         // connects to the element above
constexpr std::uint16_t LINK_DOWN = 0x0010;       // connects to the element below
constexpr std::uint16_t LINK_FROM_LEFT = 0x0020;  // a horizontal line arrives from the left
constexpr std::uint16_t LINK_TO_RIGHT = 0x0040;   // the horizontal line goes on to the right
constexpr std::uint16_t LINK_HLINE = 0x0080;      // the cell lies on a horizontal line
constexpr std::uint16_t LINK_VUPPER = 0x0100;     // vertical line, upper half
constexpr std::uint16_t LINK_VLOWER = 0x0200;     // vertical line, lower half
constexpr std::uint16_t LINK_HRIGHT = 0x0400;     // horizontal line reaches the right edge
constexpr std::uint16_t LINK_JOIN_RIGHT = 0x0800; // a branch joins the partner on its right
constexpr std::uint16_t KIND_MACRO = 0x1000;
constexpr std::uint16_t KIND_TRANS = 0x2000;
constexpr std::uint16_t KIND_MARK = 0x4000; // initial step or jump

// Type codes.
constexpr int SFC_NOTE = 0x0005;
constexpr int SFC_END_STEP = 0x000D;   // end of a macro body
constexpr int SFC_BEGIN_STEP = 0x0015; // head of a macro body
constexpr int SFC_STEP = 0x001D;
constexpr int SFC_CONVERGENCE = 0x01E9;
constexpr int SFC_DIVERGENCE = 0x02F1;
constexpr int SFC_NODE = 0x03D9;        // single line: alternative branches
constexpr int SFC_NODE_DOUBLE = 0x03DB; // double line: simultaneous branches
constexpr int SFC_CONVERGENCE_RIGHT = 0x09E9;
constexpr int SFC_DIVERGENCE_RIGHT = 0x0AF1;
constexpr int SFC_MACRO = 0x101D;
constexpr int SFC_TRANS = 0x201D;
constexpr int SFC_JUMP = 0x400D;
constexpr int SFC_INIT_STEP = 0x401D;

// Text indexes.
constexpr int SFC_TEXT_MAIN = 0; // main action of a step, condition of a transition
constexpr int SFC_TEXT_NOTE = 1;
constexpr int SFC_TEXT_P1 = 2;
constexpr int SFC_TEXT_N = 3;
constexpr int SFC_TEXT_P0 = 4;

// Languages of a code text.
int SFCCodeLanguage(const std::string& code);

// What an element's find test sees of the find record: the search text (null
// never matches) and the flag bits, of which bit 0 is the whole-word option.
struct R8SFCFindRecord
{
    const char* findText = nullptr;
    std::uint32_t command = 0;
    std::uint32_t flags = 0;
};

// The search text against one candidate name, without regard to case.
bool SFCMatchName(const R8SFCFindRecord& record, const std::string& candidate);
// The candidates prefix + n, shortPrefix + n and n in turn ("GS12", "S12", "12").
// The find test of an element of the code and number: a step or jump by GSn,
// Sn or n, a macro step by GMn, Mn or n, a transition by GTn, Tn or n; other
// elements never match. What MatchFind answers, without the element at hand.
bool SFCMatchElement(const R8SFCFindRecord& record, int code, int number);
bool SFCMatchNumbered(const R8SFCFindRecord& record, const char* prefix, const char* shortPrefix,
                      int number);

class CR8EditSFCItem
{
public:
    CR8EditSFCItem() = default;
    CR8EditSFCItem(const CR8EditSFCItem&) = delete;
    CR8EditSFCItem& operator=(const CR8EditSFCItem&) = delete;
    virtual ~CR8EditSFCItem() = default;

    // Identity and place. Cell, number, id and code change only through the
    // item map, which keeps its indexes in step.
    int GetType() const { return m_type; }
    int GetId() const { return m_id; }
    std::uint32_t GetKey() const { return m_key; }
    void SetKey(std::uint32_t key) { m_key = key; }
    int GetNumber() const { return m_number; }
    int GetColumn() const { return m_column; }
    int GetRow() const { return m_row; }
    bool IsLocked() const { return m_locked != 0; }

    virtual bool MatchFind(const R8SFCFindRecord& record) const;
    // Reads the element's code block from the lines after its header.
    virtual void ReadCode(CR8EditSFCFile& file);
    virtual void SetLock(int locked);
    virtual bool HasCode() const { return false; }
    // Stores an online activity value; true when it changed.
    virtual bool SetActivity(int value);
    virtual bool HasActions() const { return false; }
    virtual void SetText(int index, const std::string& text);
    // A copy of the text; TextOf reads it in place (null for no such text).
    std::string GetText(int index) const
    {
        const std::string* text = TextOf(index);
        return text ? *text : std::string();
    }
    virtual const std::string* TextOf(int index) const;
    virtual int GetLanguage(int index) const;
    // Writes the code block with cells relative to origin (the written range's
    // left and top).
    virtual void WriteCode(CR8EditSFCFile& file, R8Point origin) const;
    // Writes the declaration line; false when the element has none.
    virtual bool WriteDeclaration(CR8EditSFCFile& file) const;
    // The area where the element's number is shown; false when it has none.
    virtual bool GetRefRect(const CR8EditSFCItemView& view, R8Rect& rect) const;
    virtual bool EditsByReference() const { return false; }
    // Text index under the point (pixels) of the element's cell rectangle, -1 for none.
    virtual int HitTestText(const R8Rect& rect, int x, int y, const CR8EditSFCItemView& view) const;
    virtual bool IsStep() const { return false; }
    virtual bool IsTrans() const { return false; }
    virtual bool IsMacro() const { return false; }
    virtual bool IsJump() const { return false; }
    virtual bool IsNote() const { return false; }
    // The value the command GetItemType reports.
    virtual int GetItemType() const { return 0; }
    virtual void Reload() {}
    // Help topic name; empty for none.
    virtual const char* GetTypeName() const { return ""; }
    virtual bool CanSwapStyle() const;
    virtual int GetActivity() const { return 0; }

    void ToggleBookmark() { m_bookmark = !m_bookmark; }
    bool IsBookmark() const { return m_bookmark != 0; }
    bool IsOnlineStateA() const { return m_onlineState == 1 || m_onlineState == 2; }
    bool IsOnlineStateB() const { return m_onlineState == 3 || m_onlineState == 4; }
    void SetOnlineState(int state) { m_onlineState = state; }
    int GetOnlineState() const { return m_onlineState; }

protected:
    // Exchanges the element's style pair; true when the code changed. Only
    // the item map calls it (SwapItemStyle), which keeps its indexes in step.
    virtual bool SwapStyle();
    void StoreLock(int locked) { m_locked = locked; }
    // "#sfc=<prefix><number>(<column>,<row>)" with the cell relative to origin.
    void WriteBlockHeader(CR8EditSFCFile& file, std::string_view prefix, R8Point origin) const;
    // "<keyword><prefix><number>;"
    void WriteNamedLine(CR8EditSFCFile& file, std::string_view keyword,
                        std::string_view prefix) const;
    void StoreType(int type) { m_type = type; }

private:
    friend class CR8EditSFCItemMap;

    int m_locked = 0;
    int m_type = 0;
    int m_id = 0;
    std::uint32_t m_key = 0;
    int m_number = 0;
    int m_column = 0;
    int m_row = 0;
    int m_bookmark = 0;
    int m_onlineState = 0;
};

// A new element of the class the code calls for, all fields zero; a note gets
// its comment box from noteParent when one is given.
std::unique_ptr<CR8EditSFCItem> CreateSFCItem(int code, CR8NoteParent* noteParent);

// The kind letter (or "Rc", "Rd", "?") of a code in element lines.
const char* SFCTypeLetter(int code);
