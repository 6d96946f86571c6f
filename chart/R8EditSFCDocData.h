// The chart's data: elements and their indexes (the item map), the grid's
// extent, the link matrix, the walks over the chart, and the chart text that
// is at the same time file, undo snapshot, clipboard fragment and program.
//
// Every change to the elements goes through AddItem, RemoveItem, MoveItem,
// SetNumber or TakeNumber and is followed by RecomputeExtent and then
// RebuildMatrix; the walks read the matrix as last rebuilt.
#pragma once

#include "chart/R8EditSFCChart.h"
#include "chart/R8EditSFCItemMap.h"
#include "chart/R8Geometry.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class CR8EditSFCFile;

// Old step number -> the element that now carries it (renumbering, pasting).
using CR8EditSFCNumberMap = std::map<int, CR8EditSFCItem*>;
// Element read while pasting -> the number its line gave, in reading order.
using CR8EditSFCPasteMap = std::vector<std::pair<CR8EditSFCItem*, int>>;

class CR8EditSFCDocData : public CR8EditSFCItemMap
{
public:
    // --- state ---
    const CR8EditSFCChart& GetChart() const { return m_chart; }
    // Link word of a cell; 0 outside the matrix.
    std::uint16_t GetLink(int column, int row) const { return m_chart.Get(column, row); }
    // The next key a new element takes (keys never start again).
    std::uint32_t GetNextKey() const { return m_nextKey; }
    void SetNextKey(std::uint32_t key) { m_nextKey = key; }
    // Hands out the next key (never 0, which marks "no key" in chart text).
    std::uint32_t TakeNextKey();
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    // 1 + the largest column and row of any element; 0 x 0 when empty.
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    // Given to every new note for its comment box; may be null.
    void SetNoteParent(CR8NoteParent* parent) { m_noteParent = parent; }
    CR8NoteParent* GetNoteParent() const { return m_noteParent; }

    // --- grid ---
    void RecomputeExtent();
    // Writes the element codes into a fresh matrix of the extent (at most
    // SFC_MAX_COLUMNS x SFC_MAX_ROWS) and derives the lines.
    void RebuildMatrix();
    // After MoveItem took the element one row down from fromRow, with extent
    // and matrix current before the move: brings both to what RecomputeExtent
    // and RebuildMatrix would give, touching only the element's column and the
    // two rows. False, with nothing changed, when that cannot be done exactly;
    // the caller then rebuilds.
    bool RelinkMovedDown(const CR8EditSFCItem& item, int fromRow);
    // RemoveAll and extent 0 x 0 (the matrix keeps its words until rebuilt).
    void Clear();

    // --- walks ---
    // Appends the boxed elements that follow the cell, left to right; true when
    // any was appended. A sub-walk reached twice by merging lines is not
    // repeated (it would only add the same elements again).
    bool CollectSuccessors(int column, int row, std::vector<CR8EditSFCItem*>& list) const;
    // The same as the index holds them (element, code, number), so a caller
    // needing no more than that reads no element.
    bool CollectSuccessorCells(int column, int row,
                               std::vector<CR8EditSFCCellIndex::Cell>& list) const;
    CR8EditSFCItem* FindPredecessor(int column, int row) const;
    // The top of the chain of predecessors above the cell.
    CR8EditSFCItem* FindChainTop(int column, int row) const;
    bool IsFollowedByStep(int column, int row) const;
    bool IsFollowedByTrans(int column, int row) const;
    // Next or previous element in reading order (rows, then columns) over the
    // grid plus one empty row and column. filter 0 takes all, bit 0
    // bookmarked ones, bit 1 those in online state 1 or 2. From null the scan
    // covers the whole grid.
    CR8EditSFCItem* FindNext(const CR8EditSFCItem* from, bool wrap, int filter) const;
    CR8EditSFCItem* FindPrevious(const CR8EditSFCItem* from, bool wrap, int filter) const;
    // Find of the window: selection (cells, inclusive) and caret from the view.
    CR8EditSFCItem* Find(const R8SFCFindRecord& record, const R8Rect& selection,
                         R8Point caret) const;

    // --- chart text ---
    // Load: clear, read, rebuild. From a file the modified flag is cleared; a
    // file that cannot be opened leaves an empty chart and answers false.
    bool LoadFromFile(const std::string& path);
    void LoadFromText(std::string_view text);
    // Writes the whole chart to a temporary file beside path and then puts it
    // in place of path, so a failed save leaves the old file whole. The
    // modified flag is cleared only when the file was written.
    bool SaveToFile(const std::string& path);
    // Appends the chart text of range (cells, inclusive; null for the whole
    // chart) to text; when no element line was written, text is emptied.
    bool SaveToString(const R8Rect* range, std::string& text) const;
    bool WriteChart(const R8Rect& range, CR8EditSFCFile& file) const;
    void ReadChart(CR8EditSFCFile& file);
    // Reads one element line ("@..."). With keepKeys a non-zero key of the line
    // is kept; with an offset the cell moves and the number is renewed (a jump
    // keeps its target); with a map the number of the line is recorded. A line
    // whose cell lies outside the grid's limits is skipped (answer null).
    CR8EditSFCItem* ReadElementLine(std::string_view line, bool keepKeys, const R8Point* offset,
                                    CR8EditSFCPasteMap* map);
    // The cell (column, row) an element line names, before any offset.
    static R8Point ElementLineCell(std::string_view line);
    // The cells a fragment covers: (0, 0, largest column, largest row) of its
    // chart block, kept inside the grid's limits.
    static R8Rect ScanExtent(std::string_view text);

    // --- program text ---
    // Number key -> the element the program names by it: of several elements
    // sharing a number, the last in reading order, as a fresh load of the
    // chart text would index them, so the program never depends on the
    // index's history.
    // Only macro bodies ask it, and only for steps and macro steps: it is
    // built on the first question and holds just those.
    class CR8EditSFCProgramIndex
    {
    public:
        explicit CR8EditSFCProgramIndex(const CR8EditSFCDocData& doc) : m_doc(doc) {}
        const CR8EditSFCItem* Find(int code, int number) const;

    private:
        void Build() const;

        const CR8EditSFCDocData& m_doc;
        mutable bool m_built = false;
        mutable CR8EditSFCNumberIndex m_keys;
    };
    CR8EditSFCProgramIndex MakeProgramIndex() const { return CR8EditSFCProgramIndex(*this); }
    void WriteNext(const CR8EditSFCItem& item, CR8EditSFCFile& file) const;
    // successors is room for the walk, reused from element to element.
    void WriteNext(const CR8EditSFCItem& item, CR8EditSFCFile& file,
                   const CR8EditSFCProgramIndex& index,
                   std::vector<CR8EditSFCCellIndex::Cell>& successors) const;
    // Rewrites step activity and time references (GSn.X, GSn.T) to the numbers
    // the map gives.
    static std::string RenameReferences(std::string_view text, const CR8EditSFCNumberMap& map);
    // Rewrites the code of the listed steps and transitions and moves jumps and
    // macro steps to the new numbers; true when any code text changed.
    bool ApplyRenumbering(const CR8EditSFCNumberMap& map, const std::vector<CR8EditSFCItem*>& list);

protected:
    // Writes one link word; editing moves words with their elements between
    // rebuilds.
    void SetLink(int column, int row, std::uint16_t word) { m_chart.Set(column, row, word); }

private:
    // (column, code) of the row's elements inside the matrix.
    std::vector<std::pair<int, std::uint16_t>> RowCodes(int row) const;
    // Elements reachable by cell inside range, in reading order.
    std::vector<CR8EditSFCItem*> ItemsInRange(const R8Rect& range) const;
    // Reading-order visits of the reachable elements (as the cell index
    // holds them) within the grid plus one empty row and column, until visit
    // answers true (the answer then).
    using CellVisit = std::function<bool(const CR8EditSFCCellIndex::Cell&)>;
    bool VisitGrid(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                   const CellVisit& visit) const;
    // Those strictly after from in reading order.
    bool VisitAfter(const CR8EditSFCItem& from, const CellVisit& visit) const;
    // Those before from (and at its cell when inclusive).
    bool VisitBefore(const CR8EditSFCItem& from, bool inclusive, const CellVisit& visit) const;

    CR8EditSFCChart m_chart;
    std::uint32_t m_nextKey = 1;
    bool m_readOnly = false;
    bool m_modified = false;
    // The size of the last whole text written, so the next one is written
    // into room made once rather than grown by copying.
    mutable std::size_t m_textSizeHint = 0;
    int m_width = 0;
    int m_height = 0;
    CR8NoteParent* m_noteParent = nullptr;
};
