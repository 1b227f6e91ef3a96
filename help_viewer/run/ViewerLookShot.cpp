// The run script's picture of a look: starts the installed viewer on topic 5, opens its View
// menu with Alt+V as a user does, and holds it open for the screenshot.
//   viewer_look_shot VIEWER READY GO   VIEWER: the installed Lumidoc.exe; once the menu is open,
//                                      creates the file READY, waits for the file GO, then
//                                      closes the menu and the viewer
// The exit code is 0 when the viewer showed the page.
#include "Files.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <string>

namespace {

constexpr char kStartSwitch[] = " /doc=PendrelEn:5";
constexpr char kViewerPageTitle[] = "Using Vantrix Helper for Office";
constexpr DWORD kViewerTimeoutMs = 90000;
constexpr DWORD kGoTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;
// The page has painted once the title is there; a moment more for the images, and for the menu.
constexpr DWORD kSettleMs = 1500;
constexpr DWORD kMenuSettleMs = 800;

struct ViewerSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchViewer(HWND window, LPARAM lParam)
{
    auto* search = reinterpret_cast<ViewerSearch*>(lParam);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    if (processId == search->processId && ::IsWindowVisible(window) &&
        std::strstr(caption, kViewerPageTitle) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForViewer(DWORD processId)
{
    ViewerSearch search {processId, nullptr};
    const DWORD start = ::GetTickCount();
    while (search.found == nullptr && ::GetTickCount() - start < kViewerTimeoutMs) {
        ::EnumWindows(&MatchViewer, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr)
            ::Sleep(100);
    }
    return search.found;
}

void PressKeys(std::initializer_list<WORD> keys)
{
    for (WORD key : keys) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        ::SendInput(1, &input, sizeof input);
    }
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(1, &input, sizeof input);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::printf("usage: viewer_look_shot VIEWER READY GO\n");
        return 2;
    }
    std::string commandLine = std::string("\"") + argv[1] + "\"" + kStartSwitch;
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (!::CreateProcessA(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("Could not start %s.\n", argv[1]);
        return 1;
    }
    const HWND viewer = WaitForViewer(process.dwProcessId);
    if (viewer != nullptr) {
        ::Sleep(kSettleMs);
        ::SetForegroundWindow(viewer);
        PressKeys({VK_MENU, 'V'});
        ::Sleep(kMenuSettleMs);
    } else {
        std::printf("The viewer did not show \"%s\".\n", kViewerPageTitle);
    }
    std::fflush(stdout);
    TouchFile(argv[2]);
    const DWORD start = ::GetTickCount();
    while (!FileExists(argv[3]) && ::GetTickCount() - start < kGoTimeoutMs)
        ::Sleep(100);
    if (viewer != nullptr) {
        PressKeys({VK_ESCAPE});
        PressKeys({VK_ESCAPE});
        ::PostMessageA(viewer, WM_CLOSE, 0, 0);
    }
    ::WaitForSingleObject(process.hProcess, kExitTimeoutMs);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return viewer != nullptr ? 0 : 1;
}
