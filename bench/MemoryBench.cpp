#include "MemoryBench.h"

#include "BenchConstants.h"
#include "DialogShow.h"
#include "HelpPages.h"
#include "ResultTable.h"

#include "core/Handle.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr char kBareDialogMode[] = "bare-dialog";
constexpr char kDialogMode[] = "dialog";
constexpr char kHtmlViewMode[] = "html-view";

// Runs this program with "--child mode" and reads the number it prints; 0 when it fails.
double ChildPeak(const char* mode)
{
    SECURITY_ATTRIBUTES inherit {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return 0;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = std::string("\"") + program + "\" --child " + mode;
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process {};
    const BOOL started =
        CreateProcessA(program, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
            output.append(buffer, read);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return std::strtod(output.c_str(), nullptr);
}

std::string Megabytes(double bytes)
{
    return CResultTable::Format("%.1f MB", bytes / (1024.0 * 1024.0));
}

bool ShowHelpPages()
{
    const CModuleHandle module(CHelpPages::LoadModule());
    if (!module.IsValid())
        return false;
    CCountingHtmlView view;
    if (!view.CreateShown())
        return false;
    bool shown = true;
    for (int page = 1; page <= Bench::kHelpPageCount; ++page)
        shown = view.Visit(CHelpPages::Address(page)) && shown;
    view.DestroyWindow();
    return shown;
}
}  // namespace

int CMemoryBench::RunChild(const std::string& mode)
{
    bool done = false;
    if (mode == kBareDialogMode) {
        const HMODULE module = CDialogShow::LoadModuleResources();
        done = module != nullptr && CDialogShow::ShowBare(module).painted > 0;
    } else if (mode == kDialogMode) {
        const HMODULE module = CDialogShow::LoadModule();
        done = module != nullptr && CDialogShow::ShowProduct(module).painted > 0;
    } else if (mode == kHtmlViewMode) {
        done = ShowHelpPages();
    }
    PROCESS_MEMORY_COUNTERS counters {};
    counters.cb = sizeof counters;
    if (!done || !GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        return 1;
    std::printf("%.0f\n", static_cast<double>(counters.PeakWorkingSetSize));
    std::fflush(stdout);
    return 0;
}

void CMemoryBench::Run(CResultTable& table)
{
    table.AddSection("Memory: peak working set, each in a program of its own");
    CRatioStats dialog;
    CRatioStats html;
    for (int round = 0; round < Bench::kMemoryRounds; ++round) {
        const double bare = ChildPeak(kBareDialogMode);
        dialog.Add(bare, ChildPeak(kDialogMode));
        html.Add(bare, ChildPeak(kHtmlViewMode));
    }
    if (dialog.MedianBaseline() == 0) {
        table.AddValue("the bare dialog program did not report", "skipped");
        return;
    }
    const std::string bare = "bare dialog program " + Megabytes(dialog.MedianBaseline());
    table.AddRatio("dialog module loaded and shown", Megabytes(dialog.MedianSubject()), bare, dialog);
    table.AddRatio("HTML view, all pages visited once", Megabytes(html.MedianSubject()), bare, html);
}
