#include "ToolBarBench.h"

#include "BatchTimer.h"
#include "BenchConstants.h"
#include "RatioStats.h"
#include "ResultTable.h"

#include "command_bars/WTKToolBar.h"

#include "docview/FrameWnd.h"
#include "gdi/DC.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {
constexpr int kButtons = 50;
constexpr int kImageCX = 16;
constexpr int kImageCY = 15;
constexpr UINT kFirstButtonCommand = 0xA000;
constexpr int kBarWidth = 1400;
constexpr int kBarHeight = 30;

// One strip of kButtons images, each a coloured square with a dark frame.
HBITMAP MakeImages(HDC hdcScreen)
{
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, kImageCX * kButtons, kImageCY);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    RECT all = {0, 0, kImageCX * kButtons, kImageCY};
    HBRUSH hFace = ::CreateSolidBrush(RGB(192, 192, 192));
    ::FillRect(hdc, &all, hFace);
    ::DeleteObject(hFace);
    for (int i = 0; i < kButtons; i++) {
        RECT rect = {i * kImageCX + 2, 2, i * kImageCX + 14, 13};
        HBRUSH hBrush = ::CreateSolidBrush(RGB((i * 53) % 256, (i * 97) % 256, (i * 151) % 256));
        ::FillRect(hdc, &rect, hBrush);
        ::FrameRect(hdc, &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::DeleteObject(hBrush);
    }
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return hbm;
}
}  // namespace

void CToolBarBench::Run(CResultTable& table)
{
    table.AddSection("Toolbar of 50 buttons: full layout and paint into a memory DC");
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);

    auto* pFrame = new CFrameWnd;
    RECT rectFrame = {0, 0, kBarWidth + 40, 200};
    if (!pFrame->Create(nullptr, "Toolbar bench", WS_OVERLAPPEDWINDOW, rectFrame)) {
        table.AddValue("the frame does not open", "skipped");
        return;
    }
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbmImages = MakeImages(hdcScreen);
    HDC hdcMem = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmTarget = ::CreateCompatibleBitmap(hdcScreen, kBarWidth, kBarHeight * 2);
    HGDIOBJ hOldTarget = ::SelectObject(hdcMem, hbmTarget);
    ::ReleaseDC(nullptr, hdcScreen);

    // Ours: images in the shared strip, buttons from their command ids.
    std::vector<UINT> ids(kButtons);
    for (int i = 0; i < kButtons; i++)
        ids[i] = kFirstButtonCommand + i;
    CWTKToolBar::SetSizes(CSize(kImageCX + 7, kImageCY + 7), CSize(kImageCX, kImageCY));
    CWTKImageStrip* pImages = CWTKToolBar::GetImages();
    const int iFirstImage = pImages->GetCount();
    pImages->AddImage(hbmImages);
    CWTKToolBar bar;
    bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE830);
    for (int i = 0; i < kButtons; i++)
        CWTKToolBar::SetDefaultImage(ids[i], iFirstImage + i);
    bar.SetButtons(ids.data(), kButtons, FALSE);
    bar.MoveWindow(0, 0, kBarWidth, kBarHeight);
    CDC* pDC = CDC::FromHandle(hdcMem);
    auto ours = [&]() {
        bar.CalcFixedLayout(FALSE, TRUE);
        bar.AdjustLocations();
        bar.DoPaint(pDC);
    };

    // The baseline: a bare flat common-control toolbar with the same images and commands.
    HWND hwndTb = ::CreateWindowExA(
        0, TOOLBARCLASSNAMEA, "",
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0, 60, kBarWidth,
        kBarHeight, pFrame->GetSafeHwnd(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(hwndTb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageA(hwndTb, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageCX, kImageCY));
    TBADDBITMAP addBitmap = {nullptr, reinterpret_cast<UINT_PTR>(hbmImages)};
    ::SendMessageA(hwndTb, TB_ADDBITMAP, kButtons, reinterpret_cast<LPARAM>(&addBitmap));
    std::vector<TBBUTTON> buttons(kButtons);
    for (int i = 0; i < kButtons; i++) {
        buttons[i] = TBBUTTON {};
        buttons[i].iBitmap = i;
        buttons[i].idCommand = static_cast<int>(ids[i]);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    ::SendMessageA(hwndTb, TB_ADDBUTTONSA, kButtons, reinterpret_cast<LPARAM>(buttons.data()));
    auto bare = [&]() {
        // Setting the button size again makes the control lay its buttons out anew.
        ::SendMessageA(hwndTb, TB_SETBUTTONSIZE, 0, MAKELPARAM(kImageCX + 7, kImageCY + 7));
        ::SendMessageA(hwndTb, TB_AUTOSIZE, 0, 0);
        ::SendMessageA(hwndTb, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdcMem), PRF_CLIENT | PRF_ERASEBKGND);
    };

    // Both draw every button: the images' dark frames are counted in the memory bitmap.
    auto framePixels = [&](auto&& paint) {
        RECT all = {0, 0, kBarWidth, kBarHeight * 2};
        ::FillRect(hdcMem, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        paint();
        int nCount = 0;
        for (int y = 0; y < kBarHeight; y++)
            for (int x = 0; x < kBarWidth; x++)
                nCount += ::GetPixel(hdcMem, x, y) == RGB(0, 0, 0) ? 1 : 0;
        return nCount;
    };
    table.AddValue("image frame pixels drawn, ours / bare",
                   std::to_string(framePixels(ours)) + " / " + std::to_string(framePixels(bare)));

    const int nOurs = CBatchTimer::Calibrate(ours);
    const int nBare = CBatchTimer::Calibrate(bare);
    CRatioStats stats;
    for (int round = 0; round < Bench::kRounds; ++round) {
        const double baseline = CBatchTimer::SecondsPerRun(bare, nBare);
        const double subject = CBatchTimer::SecondsPerRun(ours, nOurs);
        stats.Add(baseline, subject);
    }
    table.AddRatio("CWTKToolBar layout and paint, 50 buttons", CResultTable::Duration(stats.MedianSubject()),
                   CResultTable::Duration(stats.MedianBaseline()), stats, Bench::kToolBarGoal);

    ::DestroyWindow(hwndTb);
    bar.DestroyWindow();
    pFrame->DestroyWindow();
    ::SelectObject(hdcMem, hOldTarget);
    ::DeleteObject(hbmTarget);
    ::DeleteDC(hdcMem);
    ::DeleteObject(hbmImages);
}
