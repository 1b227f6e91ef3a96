// The benchmarks: every figure a ratio of a subject to a baseline timed side by side in one
// run, in alternating rounds. Arguments choose sections (encoder, encoding, dialog, html,
// memory, toolbar, menubar, viewer, viewerstate); none runs them all.

#include "BenchConstants.h"
#include "DialogBench.h"
#include "EncoderBench.h"
#include "HtmlBench.h"
#include "MenuBarBench.h"
#include "MemoryBench.h"
#include "ResultTable.h"
#include "ToolBarBench.h"
#include "ViewerStartBench.h"
#include "ViewerStateBench.h"

#include "win/WinApp.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>

CWinApp theApp("GlyphoraBench");

namespace {
struct Section {
    const char* name;
    void (*run)(CResultTable& table);
};

const Section kSections[] = {
    {"encoder", CEncoderBench::RunDispatch}, {"encoding", CEncoderBench::RunInProcess},
    {"dialog", CDialogBench::Run},           {"html", CHtmlBench::Run},
    {"memory", CMemoryBench::Run},           {"toolbar", CToolBarBench::Run},
    {"menubar", CMenuBarBench::Run},         {"viewer", CViewerStartBench::Run},
    {"viewerstate", CViewerStateBench::Run},
};

bool IsChosen(const char* name, int argc, char** argv)
{
    if (argc < 2)
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return true;
    }
    return false;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return CMemoryBench::RunChild(argv[2]);
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    CResultTable table;
    for (const Section& section : kSections) {
        if (!IsChosen(section.name, argc, argv))
            continue;
        std::fprintf(stderr, "bench: %s\n", section.name);
        section.run(table);
    }
    std::printf("Median of %d rounds; ratio = subject / baseline, both timed in each round.\n\n", Bench::kRounds);
    table.Print();
    CoUninitialize();
    return 0;
}
