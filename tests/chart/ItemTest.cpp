#include "ChartTestSupport.h"

#include "chart/R8EditSFCItemNote.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

struct KindCase
{
    int code;
    bool isStep, isMacro, isTrans, isJump, isNote, hasCode, hasActions, editsByReference, canSwap;
    int itemType;
    const char* typeName;
};

} // namespace

TEST(SFCItem, EachCodeMakesItsKind)
{
    const KindCase cases[] = {
        {SFC_NOTE, false, false, false, false, true, false, false, false, false, 8, ""},
        {SFC_END_STEP, true, false, false, false, false, true, true, false, false, 29, "Step"},
        {SFC_BEGIN_STEP, true, false, false, false, false, true, true, false, false, 29, "Step"},
        {SFC_STEP, true, false, false, false, false, true, true, false, true, 29, "Step"},
        {SFC_INIT_STEP, true, false, false, false, false, true, true, false, true, 29, "Step"},
        {SFC_MACRO, false, true, false, false, false, true, false, false, false, 30, "Macro"},
        {SFC_TRANS, false, false, true, false, false, true, false, false, false, 31, "Transition"},
        {SFC_JUMP, false, false, false, true, false, false, false, true, false, 16, "Jump"},
        {SFC_NODE, false, false, false, false, false, false, false, false, true, 0, ""},
        {SFC_NODE_DOUBLE, false, false, false, false, false, false, false, false, true, 0, ""},
        {SFC_DIVERGENCE, false, false, false, false, false, false, false, false, false, 0, ""},
        {SFC_CONVERGENCE_RIGHT, false, false, false, false, false, false, false, false, false, 0,
         ""},
        {0, false, false, false, false, false, false, false, false, false, 0, ""},
    };
    CR8EditSFCItemMap map;
    for (const KindCase& c : cases)
    {
        SCOPED_TRACE(c.code);
        const CR8EditSFCItem* item = map.AddItem(c.code, 1, c.code, 0, nullptr);
        EXPECT_EQ(item->IsStep(), c.isStep);
        EXPECT_EQ(item->IsMacro(), c.isMacro);
        EXPECT_EQ(item->IsTrans(), c.isTrans);
        EXPECT_EQ(item->IsJump(), c.isJump);
        EXPECT_EQ(item->IsNote(), c.isNote);
        EXPECT_EQ(item->HasCode(), c.hasCode);
        EXPECT_EQ(item->HasActions(), c.hasActions);
        EXPECT_EQ(item->EditsByReference(), c.editsByReference);
        EXPECT_EQ(item->CanSwapStyle(), c.canSwap);
        EXPECT_EQ(item->GetItemType(), c.itemType);
        EXPECT_STREQ(item->GetTypeName(), c.typeName);
    }
}

TEST(SFCItem, TextIndexTable)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* step = map.AddItem(SFC_STEP, 1, 0, 0, nullptr);
    CR8EditSFCItem* macro = map.AddItem(SFC_MACRO, 2, 1, 0, nullptr);
    CR8EditSFCItem* trans = map.AddItem(SFC_TRANS, 3, 2, 0, nullptr);
    CR8EditSFCItem* jump = map.AddItem(SFC_JUMP, 1, 3, 0, nullptr);
    CR8EditSFCItem* node = map.AddItem(SFC_NODE, 0, 4, 0, nullptr);
    for (CR8EditSFCItem* item : {step, macro, trans, jump, node})
        for (int i = -1; i <= 5; ++i)
            item->SetText(i, "t" + std::to_string(i));

    for (int i = 0; i <= 4; ++i)
    {
        EXPECT_EQ(step->GetText(i), "t" + std::to_string(i));
        // A macro step answers with its note for every index; the writes to
        // 0, 2, 3 and 4 went to the action fields, not into the note.
        EXPECT_EQ(macro->GetText(i), "t1");
        EXPECT_EQ(jump->GetText(i), "");
        EXPECT_EQ(node->GetText(i), "");
    }
    EXPECT_EQ(trans->GetText(0), "t0");
    EXPECT_EQ(trans->GetText(1), "t1");
    EXPECT_EQ(trans->GetText(2), "");
    EXPECT_EQ(step->GetText(-1), "");
    EXPECT_EQ(step->GetText(5), "");
}

TEST(SFCItem, LanguageOfCodeTexts)
{
    EXPECT_EQ(SFCCodeLanguage(""), 0);
    EXPECT_EQ(SFCCodeLanguage("x := 1;"), 1);
    EXPECT_EQ(SFCCodeLanguage("#info=LDEDIT\r\nBOF"), 2);
    EXPECT_EQ(SFCCodeLanguage("#INFO=wsed1edt"), 3);
    EXPECT_EQ(SFCCodeLanguage("#info=FFL"), 4);
    EXPECT_EQ(SFCCodeLanguage("#info=FF"), 1);

    CR8EditSFCItemMap map;
    CR8EditSFCItem* step = map.AddItem(SFC_STEP, 1, 0, 0, nullptr);
    step->SetText(SFC_TEXT_NOTE, "#info=LDEDIT");
    step->SetText(SFC_TEXT_P1, "#info=FFL");
    EXPECT_EQ(step->GetLanguage(SFC_TEXT_NOTE), 0);
    EXPECT_EQ(step->GetLanguage(SFC_TEXT_P1), 4);
    EXPECT_EQ(step->GetLanguage(SFC_TEXT_MAIN), 0);

    CR8EditSFCItem* macro = map.AddItem(SFC_MACRO, 1, 1, 0, nullptr);
    macro->SetText(SFC_TEXT_MAIN, "x");
    EXPECT_EQ(macro->GetLanguage(SFC_TEXT_MAIN), 0);

    CR8EditSFCItem* trans = map.AddItem(SFC_TRANS, 2, 2, 0, nullptr);
    trans->SetText(SFC_TEXT_MAIN, "#info=LDEDIT");
    EXPECT_EQ(trans->GetLanguage(SFC_TEXT_NOTE), 2);
    EXPECT_EQ(trans->GetLanguage(3), 2);
}

TEST(SFCItem, SwapStyleExchangesOnlyItsPair)
{
    struct Case
    {
        int code;
        bool swaps;
        int after;
    };
    const Case cases[] = {
        {SFC_STEP, true, SFC_INIT_STEP},        {SFC_INIT_STEP, true, SFC_STEP},
        {SFC_NODE, true, SFC_NODE_DOUBLE},      {SFC_NODE_DOUBLE, true, SFC_NODE},
        {SFC_MACRO, false, SFC_MACRO},          {SFC_BEGIN_STEP, false, SFC_BEGIN_STEP},
        {SFC_TRANS, false, SFC_TRANS},          {SFC_NOTE, false, SFC_NOTE},
        {SFC_DIVERGENCE, false, SFC_DIVERGENCE}};
    CR8EditSFCItemMap map;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.code);
        CR8EditSFCItem* item = map.AddItem(c.code, 1, c.code, 0, nullptr);
        EXPECT_EQ(map.SwapItemStyle(item->GetId()), c.swaps);
        EXPECT_EQ(item->GetType(), c.after);
    }
}

TEST(SFCItem, MatchFindCandidates)
{
    struct Case
    {
        int code;
        int number;
        const char* find;
        std::uint32_t flags;
        bool match;
    };
    const Case cases[] = {
        {SFC_JUMP, 12, "S7", 0, false},
        {SFC_JUMP, 12, "S1", 0, true},  // inside GS12
        {SFC_JUMP, 12, "S1", 1, false}, // whole word: followed by a digit
        {SFC_JUMP, 12, "gs12", 0, true},
        {SFC_JUMP, 12, "12", 1, true}, // the bare number is a candidate of its own
        {SFC_STEP, 5, "GS5", 1, true},
        {SFC_INIT_STEP, 5, "s5", 1, true},
        {SFC_MACRO, 3, "GM3", 0, true},
        {SFC_MACRO, 3, "GS3", 0, false},
        {SFC_TRANS, 4, "T4", 1, true},
        {SFC_TRANS, 4, "GS4", 0, false},
        {SFC_TRANS, 4, nullptr, 0, false},
        {SFC_NOTE, 4, "4", 0, false},
        {SFC_NODE, 0, "0", 0, false},
    };
    CR8EditSFCItemMap map;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.find ? c.find : "(null)") + " in " + std::to_string(c.code));
        const CR8EditSFCItem* item = map.AddItem(c.code, c.number, 0, 0, nullptr);
        R8SFCFindRecord record;
        record.findText = c.find;
        record.flags = c.flags;
        EXPECT_EQ(item->MatchFind(record), c.match);
        EXPECT_EQ(SFCMatchElement(record, c.code, c.number), c.match);
    }
}

TEST(SFCItem, WholeWordLooksPastARejectedOccurrence)
{
    R8SFCFindRecord record;
    record.findText = "ab";
    record.flags = 1;
    EXPECT_TRUE(SFCMatchName(record, "xab ab"));
    EXPECT_FALSE(SFCMatchName(record, "xab abc"));
    EXPECT_TRUE(SFCMatchName(record, "ab"));
    record.findText = "";
    EXPECT_FALSE(SFCMatchName(record, "GS1")); // and it ends
}

TEST(SFCItem, RunTimeStateIsPerElement)
{
    CR8EditSFCItemMap map;
    CR8EditSFCItem* step = map.AddItem(SFC_STEP, 1, 0, 0, nullptr);
    CR8EditSFCItem* macro = map.AddItem(SFC_MACRO, 2, 1, 0, nullptr);
    CR8EditSFCItem* trans = map.AddItem(SFC_TRANS, 3, 2, 0, nullptr);
    CR8EditSFCItem* jump = map.AddItem(SFC_JUMP, 1, 3, 0, nullptr);

    EXPECT_TRUE(step->SetActivity(4));
    EXPECT_FALSE(step->SetActivity(4));
    EXPECT_EQ(step->GetActivity(), 4);
    EXPECT_FALSE(macro->SetActivity(4));
    EXPECT_EQ(macro->GetActivity(), 0);
    EXPECT_FALSE(trans->SetActivity(4));
    EXPECT_EQ(trans->GetActivity(), 0);

    trans->SetLock(1);
    jump->SetLock(1);
    EXPECT_TRUE(trans->IsLocked());
    EXPECT_FALSE(jump->IsLocked());

    jump->ToggleBookmark();
    EXPECT_TRUE(jump->IsBookmark());
    jump->ToggleBookmark();
    EXPECT_FALSE(jump->IsBookmark());

    for (int state = 0; state <= 5; ++state)
    {
        step->SetOnlineState(state);
        EXPECT_EQ(step->IsOnlineStateA(), state == 1 || state == 2);
        EXPECT_EQ(step->IsOnlineStateB(), state == 3 || state == 4);
    }
}

namespace
{

struct RecordingBox : CR8NoteBox
{
    std::vector<std::string>* shown;
    int* reloads;
    void SetNoteText(const std::string& text) override { shown->push_back(text); }
    void Reload() override { ++*reloads; }
};

struct RecordingParent : CR8NoteParent
{
    std::vector<std::string> shown;
    int reloads = 0;
    std::unique_ptr<CR8NoteBox> CreateNoteBox() override
    {
        auto box = std::make_unique<RecordingBox>();
        box->shown = &shown;
        box->reloads = &reloads;
        return box;
    }
};

} // namespace

TEST(SFCItem, NoteKeepsItsTextAndShowsItTrimmed)
{
    RecordingParent parent;
    CR8EditSFCItemMap map;
    CR8EditSFCItem* note = map.AddItem(SFC_NOTE, 1, 0, 0, &parent);
    note->SetText(3, "Line\r\n\r\n  \t");
    EXPECT_EQ(note->GetText(1), "Line\r\n\r\n  \t");
    EXPECT_EQ(note->GetText(0), "Line\r\n\r\n  \t");
    ASSERT_EQ(parent.shown.size(), 1u);
    EXPECT_EQ(parent.shown[0], "Line");
    map.ReloadAll();
    EXPECT_EQ(parent.reloads, 1);

    // Without a parent there is no box, and nothing breaks.
    CR8EditSFCItem* bare = map.AddItem(SFC_NOTE, 2, 1, 0, nullptr);
    bare->SetText(1, "x ");
    bare->Reload();
    EXPECT_EQ(bare->GetText(1), "x ");
}

TEST(SFCItem, ReferenceAreas)
{
    struct Case
    {
        int code;
        int cellWidth, cellHeight;
        bool has;
        R8Rect expected; // relative to the cell's top left
    };
    const Case cases[] = {
        // u = 50, a = 3
        {SFC_STEP, 180, 50, true, {4, 4, 46, 46}},
        {SFC_END_STEP, 180, 50, true, {4, 4, 46, 46}},
        {SFC_MACRO, 180, 50, true, {4, 7, 46, 43}},
        {SFC_INIT_STEP, 180, 50, true, {7, 7, 43, 43}},
        {SFC_TRANS, 180, 50, true, {6, 14, 44, 44}},
        {SFC_JUMP, 180, 50, true, {6, 25, 44, 50}},
        // u = 12, a = 1
        {SFC_STEP, 100, 12, true, {2, 2, 10, 10}},
        {SFC_TRANS, 100, 12, true, {2, 5, 10, 10}},
        // u = 8, a = 0
        {SFC_JUMP, 8, 40, true, {0, 4, 8, 40}},
        {SFC_NOTE, 180, 50, false, {}},
        {SFC_NODE, 180, 50, false, {}},
    };
    charttest::FakeView view;
    CR8EditSFCItemMap map;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.code) + " in " + std::to_string(c.cellWidth) + "x" +
                     std::to_string(c.cellHeight));
        view.cellWidth = c.cellWidth;
        view.cellHeight = c.cellHeight;
        const CR8EditSFCItem* item = map.AddItem(c.code, 1, 2, 3, nullptr);
        const R8Rect cell = view.GetCellRect(2, 3);
        R8Rect rect;
        ASSERT_EQ(item->GetRefRect(view, rect), c.has);
        if (!c.has)
            continue;
        EXPECT_EQ(rect.left - cell.left, c.expected.left);
        EXPECT_EQ(rect.top - cell.top, c.expected.top);
        EXPECT_EQ(rect.right - cell.left, c.expected.right);
        EXPECT_EQ(rect.bottom - cell.top, c.expected.bottom);
    }
}

TEST(SFCItem, StepTextHitTest)
{
    // Cell (0, 0): left 8, top 8, 180 x 50; u = 50, a = 3, so the text box
    // starts at x0 = 61 and its qualifier column is 30 wide.
    struct Case
    {
        int code;
        int mode;
        int width;
        int x, y;
        int expected;
    };
    const Case cases[] = {
        {SFC_STEP, 0, 180, 60, 10, -1},  // on the symbol
        {SFC_STEP, 0, 180, 61, 10, 0},   // first quarter: main action
        {SFC_STEP, 0, 180, 70, 20, 2},   // second quarter: P1
        {SFC_STEP, 0, 180, 70, 33, 3},   // third quarter: N
        {SFC_STEP, 0, 180, 70, 45, 3},   // top + 3h/4 is still N
        {SFC_STEP, 0, 180, 70, 46, 4},   // below it: P0
        {SFC_STEP, 0, 180, 91, 10, 1},   // right of the qualifier column: note
        {SFC_STEP, 1, 180, 70, 10, 1},   // notes only
        {SFC_STEP, 2, 180, 150, 10, 0},  // action code only
        {SFC_MACRO, 0, 180, 70, 10, -1}, // a macro step has no zones
        {SFC_MACRO, 1, 180, 70, 10, 1},  // except in the modes that show one text
        {SFC_STEP, 0, 99, 70, 10, -1},   // narrower than 2u: no text box
        {SFC_TRANS, 0, 180, 70, 10, -1},
    };
    charttest::FakeView view;
    CR8EditSFCItemMap map;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " mode " +
                     std::to_string(c.mode));
        view.displayMode = c.mode;
        const CR8EditSFCItem* item = map.AddItem(c.code, 1, 0, 0, nullptr);
        const R8Rect rect{8, 8, 8 + c.width, 58};
        EXPECT_EQ(item->HitTestText(rect, c.x, c.y, view), c.expected);
    }
}
