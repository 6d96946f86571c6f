// Batch mode: runs a command script against editor windows and prints every
// result on standard output; errors go to standard error as FILE:LINE.
#pragma once

#include "workbench/host/ChartHost.h"
#include "workbench/host/CommandRunner.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace sfchost
{

class BatchScript
{
public:
    BatchScript(const EditorLibrary& library, std::FILE* out, std::FILE* err);

    // Opens the chart files (or one empty chart), then runs the script.
    // Returns the exit status: 0 all well, 1 an expectation failed, 2 the
    // script itself is wrong (the run stops at that line).
    int Run(const std::string& scriptFile, const std::vector<std::string>& chartFiles);

private:
    bool RunLine(const std::string& line);
    bool RunDirective(const std::vector<ScriptWord>& words);
    bool RunCommand(const std::vector<ScriptWord>& words);
    bool OpenChart(const std::string* file);
    bool Picture(const std::vector<ScriptWord>& words);
    bool Fail(const std::string& message); // a script error: reported, stops the run
    void PrintValue(const std::string& head, const std::string& value, bool text);
    ChartHost& Current() { return *charts[current]; }

    const EditorLibrary& library;
    CommandRunner runner;
    std::FILE* out;
    std::FILE* err;
    std::vector<std::unique_ptr<ChartHost>> charts;
    std::size_t current = 0;
    std::string scriptName;
    int lineNumber = 0;
    std::string lastValue;
    bool haveValue = false;
    int failedExpectations = 0;
};

} // namespace sfchost
