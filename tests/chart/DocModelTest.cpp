// Random editing sessions on random charts, checking after every operation
// that the indexes, the link matrix and the chart text agree, and at the end
// of a session that undoing everything and redoing everything restores the
// texts. Seeded and reproducible: R8_MODEL_SEED, R8_MODEL_SESSIONS and
// R8_MODEL_OPERATIONS set a longer run.
#include "DocTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>

using doctest::DocTest;

namespace
{

unsigned EnvNumber(const char* name, unsigned fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}

// Code texts that survive a save and a load unchanged, with step references
// for renumbering and pasting to rewrite.
const char* const codeTexts[] = {"", "x := GS1.X;\r\n", "IF GS2.T > t#1s THEN y := 1; END_IF\r\n",
                                 "GS3.X AND NOT GS12.X", "a\r\nb\r\n"};
const char* const noteTexts[] = {"", "note", "two\r\nlines", "GS1.X"};

class Model : public DocTest
{
protected:
    std::mt19937 random;
    std::string trail;

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }
    bool Chance(int percent) { return Pick(0, 99) < percent; }

    R8Point RandomCell()
    {
        return {Pick(0, std::min(doc.GetWidth() + 1, 9)),
                Pick(0, std::min(doc.GetHeight() + 1, 18))};
    }
    CR8EditSFCItem* RandomItem()
    {
        const auto& items = doc.GetItems();
        if (items.empty())
            return nullptr;
        return items[static_cast<std::size_t>(Pick(0, static_cast<int>(items.size()) - 1))].get();
    }
    void RandomSelection()
    {
        const R8Point a = RandomCell();
        if (Chance(70))
        {
            Caret(a.x, a.y);
            return;
        }
        const R8Point b{a.x + Pick(-2, 2), a.y + Pick(-3, 3)};
        view.Select(a.x, a.y, std::max(b.x, 0), std::max(b.y, 0));
    }

    void Operate()
    {
        using Insert = CR8EditSFCItem* (CR8EditSFCDoc::*)();
        static const Insert inserts[] = {
            &CR8EditSFCDoc::InsertStep,      &CR8EditSFCDoc::InsertInitStep,
            &CR8EditSFCDoc::InsertMacro,     &CR8EditSFCDoc::InsertTrans,
            &CR8EditSFCDoc::InsertMacroBody, &CR8EditSFCDoc::InsertMainDiv,
            &CR8EditSFCDoc::InsertDiv,       &CR8EditSFCDoc::InsertCnv,
            &CR8EditSFCDoc::InsertJump,      &CR8EditSFCDoc::InsertComment};
        const bool crowded = doc.GetItems().size() > 50;
        const int op = Pick(0, 15);
        trail += std::to_string(op) + " ";
        switch (op)
        {
        case 0:
        case 1:
        case 2:
            if (crowded)
                break;
            RandomSelection();
            (doc.*inserts[Pick(0, 9)])();
            break;
        case 3:
        {
            const R8Point cell = RandomCell();
            doc.MakeRoom(cell.x, cell.y);
            break;
        }
        case 4:
        case 5:
            RandomSelection();
            doc.DeleteSelection();
            break;
        case 6:
        {
            RandomSelection();
            const R8Point start = view.caret;
            const R8Point target = RandomCell();
            doc.MoveBlock(target.x, target.y, doc.GetDragOutline(start));
            break;
        }
        case 7:
            doc.Renumber();
            break;
        case 8:
        {
            const R8Point cell = RandomCell();
            doc.SwapStyleAt(cell.x, cell.y);
            break;
        }
        case 9:
            if (CR8EditSFCItem* item = RandomItem())
            {
                const int index = Pick(0, 4);
                const char* text =
                    index == SFC_TEXT_NOTE ? noteTexts[Pick(0, 3)] : codeTexts[Pick(0, 4)];
                doc.SetElementText(item->GetType(), item->GetNumber(), index, text);
            }
            break;
        case 10:
            RandomSelection();
            prompt.answers = {Chance(50) ? Pick(0, 12) : Pick(0, 300)};
            doc.EnterReference(Chance(50) ? -1 : Pick(0, 9));
            break;
        case 11:
            RandomSelection();
            prompt.answers = {Pick(0, 5000)};
            doc.SetTimer();
            break;
        case 12:
        {
            if (crowded)
                break;
            RandomSelection();
            std::string fragment;
            if (doc.CopyFragment(fragment))
            {
                const R8Point at = RandomCell();
                doc.PasteFragment(fragment, at.x - 1, at.y - 1,
                                  CR8EditSFCDoc::ScanExtent(fragment));
            }
            break;
        }
        case 13:
        {
            const std::string before = Text();
            if (doc.UndoRedoStep(true) && Chance(30))
            {
                const std::string undone = Text();
                ASSERT_TRUE(doc.UndoRedoStep(false));
                ASSERT_EQ(Text(), before);
                ASSERT_TRUE(doc.UndoRedoStep(true));
                ASSERT_EQ(Text(), undone);
            }
            for (int more = Pick(0, 2); more > 0; --more)
                doc.UndoRedoStep(true);
            break;
        }
        case 14:
            for (int steps = Pick(1, 3); steps > 0; --steps)
                doc.UndoRedoStep(false);
            break;
        default:
            // Locks block renumbering and deleting: few of them, now and then
            // all taken off again.
            if (Chance(10))
            {
                for (const auto& item : doc.GetItems())
                    item->SetLock(0);
            }
            else if (CR8EditSFCItem* item = RandomItem())
            {
                if (Chance(20))
                    item->SetLock(item->IsLocked() ? 0 : 1);
                else
                    item->ToggleBookmark();
            }
            break;
        }
    }

    void CheckInvariants()
    {
        std::set<std::uint32_t> keys;
        int width = 0;
        int height = 0;
        for (const auto& item : doc.GetItems())
        {
            ASSERT_EQ(doc.ItemAt(item->GetColumn(), item->GetRow()), item.get()) << "cell index";
            ASSERT_EQ(doc.FindById(item->GetId()), item.get()) << "id index";
            ASSERT_TRUE(SFCCellInLimits(item->GetColumn(), item->GetRow()));
            ASSERT_NE(item->GetKey(), 0u);
            ASSERT_TRUE(keys.insert(item->GetKey()).second) << "duplicate key";
            // Numbers may be shared (nodes, jumps), so the index holds one of
            // them; whichever it holds carries that number.
            const CR8EditSFCItem* byNumber = doc.FindByNumber(item->GetType(), item->GetNumber());
            if (byNumber)
            {
                ASSERT_EQ(byNumber->GetNumber(), item->GetNumber()) << "number index";
            }
            width = std::max(width, item->GetColumn() + 1);
            height = std::max(height, item->GetRow() + 1);
        }
        ASSERT_EQ(doc.GetWidth(), width);
        ASSERT_EQ(doc.GetHeight(), height);

        CR8EditSFCDocData fresh;
        const std::string text = Text();
        fresh.LoadFromText(text);
        ASSERT_EQ(charttest::Save(fresh), text) << "save, load, save";
        ASSERT_EQ(fresh.GetItems().size(), doc.GetItems().size());
        ASSERT_EQ(fresh.GetWidth(), width);
        ASSERT_EQ(fresh.GetHeight(), height);
        for (int r = 0; r < height; ++r)
        {
            for (int c = 0; c < width; ++c)
                ASSERT_EQ(doc.GetLink(c, r), fresh.GetLink(c, r)) << "matrix at " << c << "," << r;
        }
    }

    void Session(unsigned seed, const std::string& fixture, unsigned operations)
    {
        random.seed(seed);
        trail.clear();
        if (!fixture.empty())
            doc.LoadFromFile(fixture);
        else
            doc.LoadFromText("");
        // History without bound, so the whole session can be walked back.
        doc.UndoRedoSize(1 << 30);
        const std::string start = Text();
        unsigned changed = 0;
        for (unsigned i = 0; i < operations; ++i)
        {
            SCOPED_TRACE("seed " + std::to_string(seed) + " operations " + trail);
            const std::string was = Text();
            Operate();
            if (Text() != was)
                ++changed;
            CheckInvariants();
            if (HasFatalFailure())
                return;
        }
        // Most operations must have done something, or the session tested little.
        EXPECT_GT(changed, operations / 5) << "seed " << seed;
        // Steps still to redo belong to the history too: go to its far end.
        while (doc.UndoRedoStep(false))
            ;
        CheckInvariants();
        const std::string end = Text();
        while (doc.UndoRedoStep(true))
            ;
        ASSERT_EQ(Text(), start) << "undo all, seed " << seed;
        while (doc.UndoRedoStep(false))
            ;
        ASSERT_EQ(Text(), end) << "redo all, seed " << seed;
    }
};

} // namespace

TEST_F(Model, RandomSessionsKeepTheChartConsistent)
{
    std::vector<std::string> fixtures{""};
    for (const auto& entry : std::filesystem::directory_iterator(charttest::FixturePath("")))
    {
        if (entry.path().extension() == ".sfc")
            fixtures.push_back(entry.path().string());
    }
    std::sort(fixtures.begin(), fixtures.end());

    const unsigned base = EnvNumber("R8_MODEL_SEED", 20240611);
    const unsigned sessions = EnvNumber("R8_MODEL_SESSIONS", 9);
    const unsigned operations = EnvNumber("R8_MODEL_OPERATIONS", 200);
    for (unsigned s = 0; s < sessions; ++s)
    {
        Session(base + s, fixtures[s % fixtures.size()], operations);
        if (HasFatalFailure())
            return;
    }
}
