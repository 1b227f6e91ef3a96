#include "FirstPaintWatch.h"

#include "BenchConstants.h"
#include "Stopwatch.h"

#include <cstring>

namespace {
CFirstPaintWatch* g_watch = nullptr;
constexpr char kDialogClassName[] = "#32770";
}  // namespace

CFirstPaintWatch::CFirstPaintWatch(Closing closing) : m_closing(closing)
{
    g_watch = this;
    m_hook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
}

CFirstPaintWatch::~CFirstPaintWatch()
{
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    if (m_dialog != nullptr && IsWindow(m_dialog))
        SetWindowLongPtrA(m_dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_original));
    g_watch = nullptr;
}

LRESULT CALLBACK CFirstPaintWatch::CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    CFirstPaintWatch* watch = g_watch;
    if (code == HCBT_CREATEWND && watch != nullptr && watch->m_original == nullptr) {
        const HWND hWnd = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        char className[16] = "";
        GetClassNameA(hWnd, className, sizeof className);
        if ((create->style & WS_CHILD) == 0 && std::strcmp(className, kDialogClassName) == 0) {
            watch->m_dialog = hWnd;
            watch->m_original =
                reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchProc)));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CFirstPaintWatch::WatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CFirstPaintWatch* watch = g_watch;
    const bool firstPaint = message == WM_PAINT && watch->m_paintedAt == 0;
    if (firstPaint)
        watch->m_paintStartedAt = CStopwatch::Now();
    const LRESULT result = CallWindowProcA(watch->m_original, hWnd, message, wParam, lParam);
    if (message == WM_INITDIALOG) {
        watch->m_initialisedAt = CStopwatch::Now();
    } else if (firstPaint) {
        // The controls paint after the dialog; what waits to be painted is painted now, so
        // that the time covers the whole dialog as it first shows.
        RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        watch->m_paintedAt = CStopwatch::Now();
        SetTimer(hWnd, Bench::kCloseTimerId, 0, CloseTimer);
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watch->m_original));
        watch->m_dialog = nullptr;
    }
    return result;
}

void CALLBACK CFirstPaintWatch::CloseTimer(HWND hWnd, UINT, UINT_PTR id, DWORD)
{
    KillTimer(hWnd, id);
    if (g_watch != nullptr && g_watch->m_closing == Closing::CloseMessage)
        SendMessageA(hWnd, WM_CLOSE, 0, 0);
    else
        EndDialog(hWnd, 0);
}
