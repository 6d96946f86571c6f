// Makes realistic charts of a given size for the benchmarks: tiles of step
// and transition chains with alternative and simultaneous branches, macro
// steps with their bodies, jumps back to the top and notes, laid out in
// columns, with step actions and transition conditions of typical length.
#pragma once

#include "chart/R8EditSFCDocData.h"

#include <cstddef>

struct ChartGeneratorOptions
{
    std::size_t elements = 1000; // at least this many elements
    bool texts = true;           // step actions, conditions and notes
    int tilesPerRow = 20;        // tiles side by side
};

// Fills doc (emptied first) and rebuilds its matrix.
void GenerateChart(CR8EditSFCDocData& doc, const ChartGeneratorOptions& options);
