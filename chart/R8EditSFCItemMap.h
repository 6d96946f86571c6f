// The chart's elements: an owning list in insertion order and three indexes,
// by id, by number and by cell.
#pragma once

#include "chart/R8EditSFCCellIndex.h"
#include "chart/R8EditSFCItem.h"
#include "chart/R8EditSFCNumberIndex.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CR8NoteParent;

// Receives the complete chart text after each change (the code completion
// link of the window layer).
class CR8EditSFCChangeTarget
{
public:
    virtual ~CR8EditSFCChangeTarget() = default;
    virtual void ChangeProgram(const std::string& chartText) = 0;
};

using CR8EditSFCItemList = std::vector<std::unique_ptr<CR8EditSFCItem>>;

class CR8EditSFCItemMap
{
public:
    CR8EditSFCItemMap() = default;
    CR8EditSFCItemMap(const CR8EditSFCItemMap&) = delete;
    CR8EditSFCItemMap& operator=(const CR8EditSFCItemMap&) = delete;
    virtual ~CR8EditSFCItemMap() = default;

    // Creates and indexes a new element. A negative number asks for the next
    // number; a number given explicitly never lowers that counter. The key is
    // left 0 for the caller to give. The new element takes its cell and its
    // number key from any element that held them.
    CR8EditSFCItem* AddItem(int code, int number, int column, int row, CR8NoteParent* noteParent);
    // Removes and deletes the element, and removes its cell key and number key
    // whatever element they point to now, and every former number's key that
    // still points to it. An unknown id does nothing.
    void RemoveItem(int id);
    // RemoveItem for each id, in one pass over the list (deleting a large
    // selection stays linear).
    void RemoveItems(const std::vector<int>& ids);
    void MoveItem(int id, int column, int row);
    void SetNumber(int id, int number);
    // Renumbering form of SetNumber: the key of the former number stays in the
    // index, still pointing to the element.
    void TakeNumber(int id, int number);
    // Swaps the element's style and moves its number key to the new code, so
    // the number index keeps finding it; true when the code changed.
    bool SwapItemStyle(int id);

    CR8EditSFCItem* ItemAt(int column, int row) const;
    // Steps of every kind (codes 13, 21, 29, 16413) share one number space;
    // macro steps, transitions and each other code have their own.
    CR8EditSFCItem* FindByNumber(int code, int number) const;
    // FindByNumber, but only an element that carries the number now: a former
    // number that renumbering left in the index names no element here.
    CR8EditSFCItem* FindNumbered(int code, int number) const;
    CR8EditSFCItem* FindById(int id) const;

    // Deletes every element; ids and numbers start again at 1.
    void RemoveAll();
    // Room for count elements in the list and indexes (loading a chart).
    void Reserve(std::size_t count);
    void ReloadAll();
    void ResetOnlineStates();

    // Every element in insertion order (also those no longer reachable by cell).
    const CR8EditSFCItemList& GetItems() const { return m_items; }
    int GetNextId() const { return m_nextId; }
    int GetNextNumber() const { return m_nextNumber; }
    void SetNextNumber(int number) { m_nextNumber = number; }

    void SetChangeTarget(CR8EditSFCChangeTarget* target) { m_changeTarget = target; }
    CR8EditSFCChangeTarget* GetChangeTarget() const { return m_changeTarget; }

    // True once two elements were given the same cell, or an element a code
    // without the used bit (only a malformed chart text or a crafted call
    // does either): the cell index may then miss elements, and the matrix and
    // the extent must be derived from the elements themselves. Cleared by
    // RemoveAll.
    bool HasIrregularCells() const { return m_irregular; }

protected:
    // Every element the cell index reaches, in reading order.
    const CR8EditSFCCellIndex& GetCellIndex() const { return m_byCell; }

    // The number index's key: steps of every kind share one space.
    static std::uint64_t NumberKey(int code, int number);

private:
    void SetNumberKey(CR8EditSFCItem& item);
    // Drops the element's cell key and number key, whatever they point to.
    void UnindexItem(const CR8EditSFCItem& item);

    // Ids are handed out in sequence from 1, so most are a slot in a vector;
    // only ids past the vector's bound go to the map.
    static constexpr int kDenseIds = 1 << 22;
    CR8EditSFCItem* IdSlot(int id) const;
    void SetIdSlot(int id, CR8EditSFCItem* item);
    std::vector<CR8EditSFCItem*> m_byId;
    std::unordered_map<int, CR8EditSFCItem*> m_byIdBeyond;
    CR8EditSFCNumberIndex m_byNumber;
    CR8EditSFCCellIndex m_byCell;
    CR8EditSFCItemList m_items;
    int m_nextId = 1;
    int m_nextNumber = 1;
    CR8EditSFCChangeTarget* m_changeTarget = nullptr;
    // Set once TakeNumber has left a former number's key in the index.
    bool m_formerKeys = false;
    bool m_irregular = false;
};
