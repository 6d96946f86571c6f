// Helpers shared by the chart tests.
#pragma once

#include "chart/R8EditSFCDocData.h"
#include "chart/R8EditSFCItemView.h"

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

namespace charttest
{

// Lines joined with CR LF, each line ended, as the chart text writes them.
inline std::string Lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines)
    {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Adds an element with the next key, as loading and inserting do.
inline CR8EditSFCItem* Insert(CR8EditSFCDocData& doc, int code, int number, int column, int row)
{
    CR8EditSFCItem* item = doc.AddItem(code, number, column, row, nullptr);
    item->SetKey(doc.TakeNextKey());
    return item;
}

inline void Rebuild(CR8EditSFCDocData& doc)
{
    doc.RecomputeExtent();
    doc.RebuildMatrix();
}

inline std::string FixturePath(const std::string& name)
{
    return std::string(R8_CHART_FIXTURES) + "/" + name;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline std::string Save(const CR8EditSFCDocData& doc)
{
    std::string text;
    doc.SaveToString(nullptr, text);
    return text;
}

// Cells of 180 x 50 pixels behind rulers of 8 pixels; " Act." is 30 pixels wide.
class FakeView : public CR8EditSFCItemView
{
public:
    int cellWidth = 180;
    int cellHeight = 50;
    int displayMode = 0;

    int GetCellWidth() const override { return cellWidth; }
    int GetCellHeight() const override { return cellHeight; }
    R8Rect GetCellRect(int column, int row) const override
    {
        const int left = 8 + column * cellWidth;
        const int top = 8 + row * cellHeight;
        return {left, top, left + cellWidth, top + cellHeight};
    }
    int GetTextBoxWidth(std::string_view text) const override
    {
        return static_cast<int>(text.size()) * 6;
    }
    int GetDisplayMode() const override { return displayMode; }
};

} // namespace charttest
