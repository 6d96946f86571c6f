// Benchmarks of the editing operations, each with its full change frame
// (text before, change, rebuild, undo record).
#include "ChartGenerator.h"

#include "chart/R8EditSFCDoc.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace
{

// The caret the operations work at; nothing is drawn.
class BenchView : public CR8EditSFCDocView
{
public:
    R8Point caret{0, 0};
    R8Point GetCaret() const override { return caret; }
    R8Point GetAnchor() const override { return caret; }
    void SetCaret(int column, int row) override { caret = {column, row}; }
    void ScrollCaretIntoView() override {}
    void RepaintCell(int, int) override {}
    void RepaintAll() override {}
    std::intptr_t GetWindowHandle() const override { return 0; }
    const CR8EditSFCItemView* GetGeometry() const override { return nullptr; }
};

struct EditFixture
{
    BenchView view;
    CR8EditSFCDoc doc;
    // Generated, then loaded from its text as an opened chart is.
    explicit EditFixture(std::size_t elements)
    {
        CR8EditSFCDocData generated;
        ChartGeneratorOptions options;
        options.elements = elements;
        GenerateChart(generated, options);
        std::string text;
        generated.SaveToString(nullptr, text);
        doc.LoadFromText(text);
        doc.EmptyUndoStack();
        doc.SetView(&view);
    }
};

std::string FragmentOf(std::size_t elements)
{
    CR8EditSFCDocData data;
    ChartGeneratorOptions options;
    options.elements = elements;
    options.tilesPerRow = 4;
    GenerateChart(data, options);
    std::string text;
    data.SaveToString(nullptr, text);
    return text;
}

// A step inserted above a step takes a transition after it as follow-up:
// two change frames, two undo records. Each run is undone whole, untimed, so
// the chart and the undo stack stay as they were.
void UndoAll(CR8EditSFCDoc& doc)
{
    while (doc.UndoRedoStep(true))
    {
    }
}

void InsertStepInTheMiddle(benchmark::State& state)
{
    EditFixture f(static_cast<std::size_t>(state.range(0)));
    const R8Point middle{0, f.doc.GetHeight() / 2};
    for (auto _ : state)
    {
        f.view.caret = middle;
        benchmark::DoNotOptimize(f.doc.InsertStep());
        state.PauseTiming();
        UndoAll(f.doc);
        state.ResumeTiming();
    }
}

// One undo or one redo command, as a key press gives it: the insert's
// follow-up record (the transition), restored from its snapshot.
void UndoOrRedoTheFollowUp(benchmark::State& state, bool undo)
{
    EditFixture f(static_cast<std::size_t>(state.range(0)));
    const R8Point middle{0, f.doc.GetHeight() / 2};
    for (auto _ : state)
    {
        state.PauseTiming();
        f.view.caret = middle;
        f.doc.InsertStep();
        if (!undo)
            f.doc.UndoRedoStep(true);
        state.ResumeTiming();
        benchmark::DoNotOptimize(f.doc.UndoRedoStep(undo));
        state.PauseTiming();
        UndoAll(f.doc);
        state.ResumeTiming();
    }
}

void UndoInsert(benchmark::State& state)
{
    UndoOrRedoTheFollowUp(state, true);
}

void RedoInsert(benchmark::State& state)
{
    UndoOrRedoTheFollowUp(state, false);
}

// Each run is undone whole, untimed, as for the other edits: every run then
// renumbers the chart as it was loaded, with the undo stack at one size.
void Renumber(benchmark::State& state)
{
    EditFixture f(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(f.doc.Renumber());
        state.PauseTiming();
        UndoAll(f.doc);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * f.doc.GetItems().size()));
}

// A 1,000-element fragment pasted beside the chart.
void PasteFragment(benchmark::State& state)
{
    EditFixture f(static_cast<std::size_t>(state.range(0)));
    const std::string fragment = FragmentOf(1000);
    const R8Rect extent = CR8EditSFCDocData::ScanExtent(fragment);
    const int dx = f.doc.GetWidth() + 1;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(f.doc.PasteFragment(fragment, dx, 0, extent));
        state.PauseTiming();
        UndoAll(f.doc);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(InsertStepInTheMiddle)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(UndoInsert)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(RedoInsert)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(Renumber)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(PasteFragment)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
