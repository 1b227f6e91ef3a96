#include "OutlookTestSupport.h"

#include "Canvas.h"

#include "bars/ControlBar.h"
#include "win/MessageMap.h"
#include "win/WinApp.h"
#include "Files.h"

namespace {
class COutlookTestApp : public CWinApp {
public:
    COutlookTestApp() : CWinApp("WTKOutlookTests") {}
};
COutlookTestApp theApp;

constexpr UINT kSetMessageString = 0x362;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
}  // namespace

BEGIN_MESSAGE_MAP(COutlookTestHost, CWnd)
    ON_MESSAGE(kSetMessageString, OnSetMessageString)
END_MESSAGE_MAP()

COutlookTestHost::~COutlookTestHost()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL COutlookTestHost::OnCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    m_commands.push_back(LOWORD(wParam));
    return TRUE;
}

LRESULT COutlookTestHost::OnSetMessageString(WPARAM wParam, LPARAM /*lParam*/)
{
    m_prompts.push_back(static_cast<UINT>(wParam));
    return 0;
}

BOOL COutlookGalleryFrame::CreateGallery(LPCSTR lpszTitle, int cx, int cy)
{
    if (!Create(nullptr, lpszTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(30, 30, 30 + cx, 30 + cy)))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    return TRUE;
}

HBITMAP MakeLargeImages(int cx, const std::vector<COLORREF>& colours)
{
    const int nWidth = cx * static_cast<int>(colours.size());
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -cx;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hbm == nullptr)
        return nullptr;
    const int nStride = (nWidth * 3 + 3) & ~3;
    auto* pRows = static_cast<BYTE*>(pBits);
    for (int y = 0; y < cx; y++) {
        for (int x = 0; x < nWidth; x++) {
            const int xIn = x % cx;
            const bool bFrame = xIn == 0 || y == 0 || xIn == cx - 1 || y == cx - 1;
            const COLORREF c = bFrame ? kMagenta : colours[static_cast<size_t>(x / cx)];
            BYTE* p = pRows + y * nStride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return hbm;
}

void ClickAt(CWnd* pWnd, CPoint point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    pWnd->SendMessage(WM_MOUSEMOVE, 0, lParam);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    pWnd->SendMessage(WM_LBUTTONUP, 0, lParam);
    PumpAll();
}

void PumpAll()
{
    PumpPending();
}

bool SaveWindowPicture(CWnd* pWnd, const char* name)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpAll();
    Canvas canvas(rect.Width(), rect.Height());
    return canvas.CopyFromWindow(pWnd->GetSafeHwnd(), true) && canvas.WritePng(ScreenshotPath(name));
}
