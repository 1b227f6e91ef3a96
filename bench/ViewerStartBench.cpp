#include "ViewerStartBench.h"

#include "BenchConstants.h"
#include "Files.h"
#include "ResultTable.h"
#include "Stopwatch.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// How long one start may take before it counts as failed.
constexpr double kStartLimitSeconds = 60;
constexpr DWORD kExitLimitMs = 30000;
// Between two looks at the screen: each look costs the display server time that the program
// under test needs too.
constexpr DWORD kPollMs = 10;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && ::IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND ProcessWindow(DWORD processId)
{
    WindowSearch search {processId, nullptr};
    ::EnumWindows(&MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The window's client area holds more than one colour on the screen: something is drawn on
// its background.
bool ShowsDrawing(HWND window)
{
    RECT client {};
    if (!::GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0)
        return false;
    POINT origin {0, 0};
    ::ClientToScreen(window, &origin);
    const int width = client.right;
    const int height = client.bottom;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool drawn = false;
    if (bitmap != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
        ::GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
        for (size_t i = 1; i < count && !drawn; ++i)
            drawn = (pixels[i] & 0xFFFFFF) != (pixels[0] & 0xFFFFFF);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return drawn;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM lParam)
{
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (::GetDlgCtrlID(child) != search->id)
        return TRUE;
    search->found = child;
    return FALSE;
}

// The window whose drawing counts: the top-level window itself, or its child with that id.
HWND DrawingWindow(HWND topLevel, int childId)
{
    if (childId == 0)
        return topLevel;
    ChildSearch search {childId, nullptr};
    ::EnumChildWindows(topLevel, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Starts the program and returns the seconds until the window (or its child with that id)
// shows a drawing; 0 when it did not. The program is closed afterwards, untimed.
double TimeToFirstDrawing(const std::string& program, const std::string& arguments, int childId)
{
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    const double start = CStopwatch::Now();
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          ProgramFolder().c_str(), &startup, &process))
        return 0;
    double drawnAt = 0;
    HWND topLevel = nullptr;
    while (CStopwatch::Now() - start < kStartLimitSeconds) {
        if (topLevel == nullptr)
            topLevel = ProcessWindow(process.dwProcessId);
        const HWND drawing = topLevel ? DrawingWindow(topLevel, childId) : nullptr;
        if (drawing != nullptr && ShowsDrawing(drawing)) {
            drawnAt = CStopwatch::Now();
            break;
        }
        if (::WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0)
            break;
    }
    if (topLevel != nullptr)
        ::PostMessageA(topLevel, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, kExitLimitMs) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return drawnAt > 0 ? drawnAt - start : 0;
}

double TimeBare()
{
    return TimeToFirstDrawing(ProgramFile(Bench::kBareWindowProgram), "", 0);
}

}  // namespace

double CViewerStartBench::TimeViewerStart()
{
    return TimeToFirstDrawing(ProgramFile(Bench::kViewerProgram), Bench::kViewerArguments, Bench::kViewerPaneId);
}

void CViewerStartBench::Run(CResultTable& table)
{
    table.AddSection("Help viewer: process start to first page painted, read from the screen");
    // The first start of each fills the caches and writes the viewer's first state.
    if (TimeBare() == 0 || TimeViewerStart() == 0) {
        table.AddValue("the viewer or the bare program does not show", "skipped");
        return;
    }
    CRatioStats stats;
    for (int round = 0; round < Bench::kRounds; ++round) {
        const double bare = TimeBare();
        const double viewer = TimeViewerStart();
        if (bare > 0 && viewer > 0)
            stats.Add(bare, viewer);
    }
    if (stats.Count() == 0) {
        table.AddValue("no round completed", "skipped");
        return;
    }
    std::string subject = "Lumidoc.exe ";
    subject += Bench::kViewerArguments;
    subject += ", start to page painted";
    table.AddRatio(subject, CResultTable::Duration(stats.MedianSubject()),
                   "bare Win32 window program " + CResultTable::Duration(stats.MedianBaseline()), stats,
                   Bench::kViewerStartGoal);
}
