// Benchmarks of the chart model. Every goal is a ratio measured in the same
// run (or a throughput), so it holds on a noisy machine; the summary at the
// end prints each figure beside its goal.
#include "AllocationCounter.h"
#include "BenchSummary.h"
#include "ChartGenerator.h"

#include "chart/R8EditSFCItem.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace
{

// One generated chart and its text per size, made once. The chart is then
// loaded from its text, as the editor holds a chart it opened: elements lie
// in memory in reading order, not in the generator's order.
struct Fixture
{
    std::unique_ptr<CR8EditSFCDocData> doc = std::make_unique<CR8EditSFCDocData>();
    std::string text;
};

Fixture& ChartOfSize(std::size_t elements)
{
    static std::map<std::size_t, Fixture> fixtures;
    Fixture& f = fixtures[elements];
    if (f.text.empty())
    {
        ChartGeneratorOptions options;
        options.elements = elements;
        GenerateChart(*f.doc, options);
        f.doc->SaveToString(nullptr, f.text);
        f.doc->LoadFromText(f.text);
    }
    return f;
}

void LoadFromText(benchmark::State& state)
{
    const std::string& text = ChartOfSize(static_cast<std::size_t>(state.range(0))).text;
    CR8EditSFCDocData doc;
    for (auto _ : state)
    {
        doc.LoadFromText(text);
        benchmark::DoNotOptimize(doc.GetWidth());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["elements"] = static_cast<double>(doc.GetItems().size());
}

// The floor a reader cannot beat: find every line end and keep the lines.
void LineSplit(benchmark::State& state)
{
    const std::string& text = ChartOfSize(static_cast<std::size_t>(state.range(0))).text;
    std::vector<std::string_view> lines;
    for (auto _ : state)
    {
        lines.clear();
        std::size_t from = 0;
        while (from < text.size())
        {
            const char* end = static_cast<const char*>(std::memchr(text.data() + from, '\n', text.size() - from));
            const std::size_t to = end != nullptr ? static_cast<std::size_t>(end - text.data()) : text.size();
            lines.emplace_back(text.data() + from, to - from);
            from = to + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void SaveToString(benchmark::State& state)
{
    Fixture& f = ChartOfSize(static_cast<std::size_t>(state.range(0)));
    std::string out;
    for (auto _ : state)
    {
        out.clear();
        f.doc->SaveToString(nullptr, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}

// The floor a writer cannot beat: the same bytes appended line by line.
void CopyLines(benchmark::State& state)
{
    const std::string& text = ChartOfSize(static_cast<std::size_t>(state.range(0))).text;
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < text.size();)
    {
        std::size_t to = text.find("\r\n", from);
        if (to == std::string::npos)
            to = text.size();
        lines.emplace_back(text.substr(from, to - from));
        from = to + 2;
    }
    std::string out;
    for (auto _ : state)
    {
        out.clear();
        for (const std::string& line : lines)
        {
            out += line;
            out += "\r\n";
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void RebuildMatrix(benchmark::State& state)
{
    Fixture& f = ChartOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
    {
        f.doc->RebuildMatrix();
        benchmark::DoNotOptimize(f.doc->GetLink(0, 0));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * f.doc->GetItems().size()));
}

// A search for a name no element carries visits the whole chart.
void Find(benchmark::State& state)
{
    Fixture& f = ChartOfSize(static_cast<std::size_t>(state.range(0)));
    R8SFCFindRecord record;
    record.findText = "bMissing";
    record.command = 1;
    const R8Rect selection{0, 0, 0, 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(f.doc->Find(record, selection, R8Point{0, 0}));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * f.doc->GetItems().size()));
}

// Bytes a loaded chart keeps per element (elements, indexes, matrix), for
// elements without texts.
void MemoryPerElement(benchmark::State& state)
{
    std::string text;
    {
        CR8EditSFCDocData generated;
        ChartGeneratorOptions options;
        options.elements = static_cast<std::size_t>(state.range(0));
        options.texts = false;
        GenerateChart(generated, options);
        generated.SaveToString(nullptr, text);
    }
    double perElement = 0;
    for (auto _ : state)
    {
        const std::size_t before = LiveHeapBytes();
        auto doc = std::make_unique<CR8EditSFCDocData>();
        doc->LoadFromText(text);
        const std::size_t held = LiveHeapBytes() - before;
        perElement = static_cast<double>(held) / static_cast<double>(doc->GetItems().size());
        benchmark::DoNotOptimize(doc.get());
    }
    state.counters["bytes_per_element"] = perElement;
}

} // namespace

BENCHMARK(LoadFromText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LineSplit)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveToString)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyLines)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(RebuildMatrix)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Find)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryPerElement)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

namespace
{

void AddGoals(BenchSummary& s)
{
    for (const char* size : {"1000", "10000", "100000"})
    {
        const std::string n = size;
        s.AtLeast("LoadFromText/" + n + " MB/s", s.MegabytesPerSecond("LoadFromText/" + n), 50);
        s.AtMost("LoadFromText/" + n + " / LineSplit", s.Ratio("LoadFromText/" + n, "LineSplit/" + n), 20);
        s.AtLeast("SaveToString/" + n + " MB/s", s.MegabytesPerSecond("SaveToString/" + n), 100);
        s.AtMost("SaveToString/" + n + " / CopyLines", s.Ratio("SaveToString/" + n, "CopyLines/" + n), 10);
    }
    s.AtMost("RebuildMatrix 100000 / 10000", s.Ratio("RebuildMatrix/100000", "RebuildMatrix/10000"), 12);
    s.AtMost("Find 100000 / 10000", s.Ratio("Find/100000", "Find/10000"), 12);
    s.AtMost("InsertStep 10000 / SaveToString", s.Ratio("InsertStepInTheMiddle/10000", "SaveToString/10000"), 3);
    s.AtMost("Undo 10000 / SaveToString", s.Ratio("UndoInsert/10000", "SaveToString/10000"), 3);
    s.AtMost("Redo 10000 / SaveToString", s.Ratio("RedoInsert/10000", "SaveToString/10000"), 3);
    s.AtMost("Renumber 100000 / 10000", s.Ratio("Renumber/100000", "Renumber/10000"), 12);
    s.AtMost("PasteFragment 100000 / 10000", s.Ratio("PasteFragment/100000", "PasteFragment/10000"), 12);
    s.AtMost("bytes per element (no texts)", s.Counter("MemoryPerElement/100000/iterations:1", "bytes_per_element"), 300);
}

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithSummary(argc, argv, AddGoals);
}
