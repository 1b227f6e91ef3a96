// The run script's road of a help request: loads the installed barcode dialog module, opens
// the dialog, presses its start/stop help button and waits for the viewer that button starts.
//   viewer_from_dialog MODULE READY GO   MODULE: the installed TolvekDravel.dll; once the
//                                        viewer shows its page, creates the file READY, waits
//                                        for the file GO, then closes the viewer and the dialog
// The exit code is 0 when the viewer showed the page.
#include "DialogScript.h"
#include "Files.h"
#include "InsertBarcodeData.h"
#include "Resource.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

constexpr char kLoadDialogExport[] = "LoadDialog";
// The page of topic 5, which the start/stop help asks for; the frame's caption names it.
constexpr char kViewerPageTitle[] = "Using Vantrix Helper for Office";
constexpr DWORD kViewerTimeoutMs = 90000;
constexpr DWORD kGoTimeoutMs = 60000;
// The page has painted once the title is there; a moment more for the images.
constexpr DWORD kSettleMs = 1500;

using LoadDialogFn = int(WINAPI*)(InsertBarcodeData*);

BOOL CALLBACK MatchViewer(HWND window, LPARAM lParam)
{
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    if (::IsWindowVisible(window) && std::strstr(caption, kViewerPageTitle) != nullptr) {
        *reinterpret_cast<HWND*>(lParam) = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForViewer()
{
    const DWORD start = ::GetTickCount();
    HWND viewer = nullptr;
    while (viewer == nullptr && ::GetTickCount() - start < kViewerTimeoutMs) {
        ::EnumWindows(&MatchViewer, reinterpret_cast<LPARAM>(&viewer));
        if (viewer == nullptr)
            ::Sleep(100);
    }
    return viewer;
}

void Script(const char* ready, const char* go, bool& viewerShown)
{
    DialogScript dialog;
    if (!dialog.WaitForDialog()) {
        std::printf("The barcode dialog did not open.\n");
        return;
    }
    dialog.Click(IDC_START_STOP_HELP);
    const HWND viewer = WaitForViewer();
    viewerShown = viewer != nullptr;
    if (viewerShown) {
        ::Sleep(kSettleMs);
        std::printf("The help button started the viewer on \"%s\".\n", kViewerPageTitle);
    } else {
        std::printf("The help button started no viewer that showed \"%s\".\n", kViewerPageTitle);
    }
    std::fflush(stdout);
    TouchFile(ready);
    const DWORD start = ::GetTickCount();
    while (!FileExists(go) && ::GetTickCount() - start < kGoTimeoutMs)
        ::Sleep(100);
    if (viewer != nullptr)
        ::PostMessageA(viewer, WM_CLOSE, 0, 0);
    dialog.CloseBox();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::printf("usage: viewer_from_dialog MODULE READY GO\n");
        return 2;
    }
    const HMODULE module = ::LoadLibraryA(argv[1]);
    const auto loadDialog = module
        ? reinterpret_cast<LoadDialogFn>(reinterpret_cast<void*>(::GetProcAddress(module, kLoadDialogExport)))
        : nullptr;
    if (loadDialog == nullptr) {
        std::printf("Could not load LoadDialog from %s.\n", argv[1]);
        return 1;
    }
    ::CoInitialize(nullptr);
    bool viewerShown = false;
    std::thread script(Script, argv[2], argv[3], std::ref(viewerShown));
    InsertBarcodeData data {};
    loadDialog(&data);
    script.join();
    ::FreeLibrary(module);
    ::CoUninitialize();
    return viewerShown ? 0 : 1;
}
