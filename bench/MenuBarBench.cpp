#include "MenuBarBench.h"

#include "BenchConstants.h"
#include "RatioStats.h"
#include "ResultTable.h"

#include "command_bars/WTKMenuBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolbarMenuButton.h"

#include "docview/FrameWnd.h"
#include "win/WinThread.h"

#include <string>

namespace {
constexpr UINT kFirstCommand = 0xA100;
constexpr int kItems = 14;
// Clicks timed in one batch: the thread clock ticks coarsely under some systems.
constexpr int kClicksPerBatch = 20;

// The thread's user and kernel time in seconds.
double ThreadCpuSeconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    if (!::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser))
        return 0;
    auto toSeconds = [](const FILETIME& ft) {
        ULARGE_INTEGER value;
        value.LowPart = ft.dwLowDateTime;
        value.HighPart = ft.dwHighDateTime;
        return static_cast<double>(value.QuadPart) / 1e7;
    };
    return toSeconds(ftKernel) + toSeconds(ftUser);
}

void PumpWaiting()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!FwPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

// A File menu of commands with accelerator texts, separators and a sub-menu.
HMENU BuildMenu()
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, kFirstCommand + 100, "&First");
    ::AppendMenuA(hSub, MF_STRING, kFirstCommand + 101, "&Second");
    for (int i = 0; i < kItems; i++) {
        char szText[64];
        wsprintfA(szText, "Command &%c\tCtrl+%c", 'A' + i, 'A' + i);
        ::AppendMenuA(hFile, MF_STRING, kFirstCommand + i, szText);
        if (i % 5 == 4)
            ::AppendMenuA(hFile, MF_SEPARATOR, 0, nullptr);
    }
    ::AppendMenuA(hFile, MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), "&More");
    ::AppendMenuA(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hFile), "&File");
    return hMenu;
}

// The frame of the system popup: it ends the menu loop as soon as the loop goes idle, which is
// after the popup has been shown and painted, and notes the CPU time then.
class CBenchFrame : public CFrameWnd {
public:
    double m_dIdleCpu = 0;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
            if (m_dIdleCpu == 0)
                m_dIdleCpu = ThreadCpuSeconds();
            ::EndMenu();
            return 0;
        }
        return CFrameWnd::DefWindowProc(message, wParam, lParam);
    }
};
}  // namespace

void CMenuBarBench::Run(CResultTable& table)
{
    table.AddSection("Menu bar: click on a title to its popup painted (thread CPU time)");
    auto* pFrame = new CBenchFrame;
    HMENU hMenu = BuildMenu();
    RECT rectFrame = {0, 0, 500, 400};
    if (!pFrame->Create(nullptr, "Menu bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rectFrame)) {
        table.AddValue("the frame does not open", "skipped");
        ::DestroyMenu(hMenu);
        return;
    }
    ::SetMenu(pFrame->GetSafeHwnd(), hMenu);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CWTKMenuBar bar;
    bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE831);
    pFrame->RecalcLayout();
    pFrame->SetForegroundWindow();
    PumpWaiting();
    auto* pTitle = dynamic_cast<CWTKToolbarMenuButton*>(bar.GetButton(0));
    if (pTitle == nullptr) {
        table.AddValue("the menu bar has no title", "skipped");
        pFrame->DestroyWindow();
        return;
    }
    CRect rectTitle;
    bar.GetItemRect(0, &rectTitle);
    const LPARAM lParamTitle = MAKELPARAM(rectTitle.CenterPoint().x, rectTitle.CenterPoint().y);
    CPoint ptMenu(rectTitle.left, rectTitle.bottom);
    bar.ClientToScreen(&ptMenu);
    HMENU hFile = ::GetSubMenu(hMenu, 0);

    // Ours: the click opens the popup; it is painted before the time is taken.
    int nPainted = 0;
    auto ours = [&]() {
        double dTotal = 0;
        for (int i = 0; i < kClicksPerBatch; i++) {
            const double dStart = ThreadCpuSeconds();
            bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParamTitle);
            CWTKPopupMenu* pPopup = pTitle->GetPopupMenu();
            if (pPopup != nullptr) {
                pPopup->UpdateWindow();
                nPainted++;
            }
            dTotal += ThreadCpuSeconds() - dStart;
            pTitle->OnCancelMode();
            bar.SendMessage(WM_LBUTTONUP, 0, lParamTitle);
            PumpWaiting();
        }
        return dTotal / kClicksPerBatch;
    };
    // The system's: the same menu tracked until its loop first goes idle.
    auto system = [&]() {
        double dTotal = 0;
        for (int i = 0; i < kClicksPerBatch; i++) {
            pFrame->m_dIdleCpu = 0;
            const double dStart = ThreadCpuSeconds();
            ::TrackPopupMenu(hFile, TPM_LEFTALIGN | TPM_TOPALIGN, ptMenu.x, ptMenu.y, 0, pFrame->GetSafeHwnd(),
                             nullptr);
            const double dEnd = pFrame->m_dIdleCpu != 0 ? pFrame->m_dIdleCpu : ThreadCpuSeconds();
            dTotal += dEnd - dStart;
            PumpWaiting();
        }
        return dTotal / kClicksPerBatch;
    };

    ours();
    system();
    nPainted = 0;
    CRatioStats stats;
    for (int round = 0; round < Bench::kRounds; ++round) {
        const double baseline = system();
        const double subject = ours();
        stats.Add(baseline, subject);
    }
    table.AddValue("popups opened by the clicks",
                   std::to_string(nPainted) + " of " + std::to_string(Bench::kRounds * kClicksPerBatch));
    table.AddRatio("menu bar title click to painted popup", CResultTable::Duration(stats.MedianSubject()),
                   CResultTable::Duration(stats.MedianBaseline()), stats, Bench::kMenuPopupGoal);
    table.AddValue("goal for the click (CPU time)",
                   CResultTable::Duration(Bench::kMenuPopupMaxSeconds) +
                       (stats.MedianSubject() <= Bench::kMenuPopupMaxSeconds ? ", met" : ", missed"));

    bar.DestroyWindow();
    pFrame->DestroyWindow();
    PumpWaiting();
    // The bar took the menu off the frame, which no longer destroys it.
    ::DestroyMenu(hMenu);
}
