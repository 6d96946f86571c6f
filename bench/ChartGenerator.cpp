#include "ChartGenerator.h"

#include "chart/R8EditSFCItem.h"

#include <string>
#include <vector>

namespace
{

constexpr int kTileWidth = 4;
constexpr int kTileHeight = 10;

enum class Role
{
    Step,      // a new step number
    Top,       // the tile's first step (a jump returns to it)
    Trans,     // a new transition number
    Node,      // branch and node elements carry no number
    Jump,      // to the tile's first step
    Macro,     // a macro step: number shared with its body's begin step
    Begin,     // begin step of the body
    Note,
};

struct Cell
{
    int code;
    int row;
    int column;
    Role role;
};

// Alternative branches: one path of two taken by condition, joined again.
const std::vector<Cell> kAlternative = {
    {SFC_STEP, 0, 0, Role::Top},          {SFC_TRANS, 1, 0, Role::Trans},
    {SFC_NODE, 2, 0, Role::Node},         {SFC_DIVERGENCE, 2, 1, Role::Node},
    {SFC_TRANS, 3, 0, Role::Trans},       {SFC_TRANS, 3, 1, Role::Trans},
    {SFC_STEP, 4, 0, Role::Step},         {SFC_STEP, 4, 1, Role::Step},
    {SFC_TRANS, 5, 0, Role::Trans},       {SFC_TRANS, 5, 1, Role::Trans},
    {SFC_NODE, 6, 0, Role::Node},         {SFC_CONVERGENCE, 6, 1, Role::Node},
    {SFC_STEP, 7, 0, Role::Step},         {SFC_TRANS, 8, 0, Role::Trans},
    {SFC_JUMP, 9, 0, Role::Jump},         {SFC_NOTE, 0, 2, Role::Note},
};

// Simultaneous branches: both paths run, synchronised at the end.
const std::vector<Cell> kSimultaneous = {
    {SFC_STEP, 0, 0, Role::Top},          {SFC_TRANS, 1, 0, Role::Trans},
    {SFC_NODE_DOUBLE, 2, 0, Role::Node},  {SFC_DIVERGENCE, 2, 2, Role::Node},
    {SFC_STEP, 3, 0, Role::Step},         {SFC_STEP, 3, 2, Role::Step},
    {SFC_NODE_DOUBLE, 4, 0, Role::Node},  {SFC_CONVERGENCE, 4, 2, Role::Node},
    {SFC_TRANS, 5, 0, Role::Trans},       {SFC_STEP, 6, 0, Role::Step},
    {SFC_TRANS, 7, 0, Role::Trans},       {SFC_JUMP, 8, 0, Role::Jump},
};

// A macro step with its body beside it.
const std::vector<Cell> kMacro = {
    {SFC_STEP, 0, 0, Role::Top},          {SFC_BEGIN_STEP, 0, 2, Role::Begin},
    {SFC_TRANS, 1, 0, Role::Trans},       {SFC_TRANS, 1, 2, Role::Trans},
    {SFC_MACRO, 2, 0, Role::Macro},       {SFC_STEP, 2, 2, Role::Step},
    {SFC_TRANS, 3, 0, Role::Trans},       {SFC_TRANS, 3, 2, Role::Trans},
    {SFC_STEP, 4, 0, Role::Step},         {SFC_END_STEP, 4, 2, Role::Step},
    {SFC_TRANS, 5, 0, Role::Trans},       {SFC_JUMP, 6, 0, Role::Jump},
    {SFC_NOTE, 7, 2, Role::Note},
};

const std::vector<Cell>* const kTiles[] = {&kAlternative, &kSimultaneous, &kAlternative, &kMacro};

std::string StepAction(int n)
{
    return "bValve" + std::to_string(n) + " := TRUE;\r\nnCount" + std::to_string(n) +
           " := nCount" + std::to_string(n) + " + 1;";
}

std::string Condition(int n)
{
    return "bSensor" + std::to_string(n) + " AND NOT bFault AND tLevel > T#" +
           std::to_string(100 + n % 900) + "ms";
}

} // namespace

void GenerateChart(CR8EditSFCDocData& doc, const ChartGeneratorOptions& options)
{
    doc.Clear();
    // One counter for every kind, as the editor numbers new elements.
    int stepNumber = 1;
    int& transNumber = stepNumber;
    std::size_t count = 0;
    for (int tile = 0; count < options.elements; ++tile)
    {
        const std::vector<Cell>& cells = *kTiles[tile % 4];
        const int column0 = (tile % options.tilesPerRow) * kTileWidth;
        const int row0 = (tile / options.tilesPerRow) * kTileHeight;
        int top = 0;
        int macro = 0;
        for (const Cell& c : cells)
        {
            int number = 0;
            switch (c.role)
            {
            case Role::Top:
                top = number = stepNumber++;
                break;
            case Role::Step:
                number = stepNumber++;
                break;
            case Role::Trans:
                number = transNumber++;
                break;
            case Role::Jump:
                number = top;
                break;
            case Role::Begin:
                macro = number = stepNumber++;
                break;
            case Role::Macro:
                number = macro;
                break;
            case Role::Node:
            case Role::Note:
                break;
            }
            CR8EditSFCItem* item = doc.AddItem(c.code, number, column0 + c.column, row0 + c.row,
                                               doc.GetNoteParent());
            ++count;
            if (item == nullptr)
                continue;
            item->SetKey(doc.TakeNextKey());
            if (!options.texts)
                continue;
            if (c.code == SFC_TRANS)
                item->SetText(SFC_TEXT_MAIN, Condition(number));
            else if (c.code == SFC_STEP)
            {
                item->SetText(number % 3 == 0 ? SFC_TEXT_P1 : SFC_TEXT_N, StepAction(number));
                if (number % 5 == 0)
                    item->SetText(SFC_TEXT_NOTE, "Wait for the tank to fill");
            }
            else if (c.code == SFC_NOTE)
                item->SetText(SFC_TEXT_NOTE, "Operator confirms the batch\r\nbefore the next cycle");
        }
    }
    doc.RecomputeExtent();
    doc.RebuildMatrix();
}
