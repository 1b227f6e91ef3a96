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

}  // namespace

BEGIN_MESSAGE_MAP(COutlookTestHost, CWnd)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
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

void ClickAt(CWnd* pWnd, CPoint point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    pWnd->SendMessage(WM_MOUSEMOVE, 0, lParam);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    pWnd->SendMessage(WM_LBUTTONUP, 0, lParam);
    PumpPending();
}

bool SaveWindowPicture(CWnd* pWnd, const char* name)
{
    PumpPending();
    return SaveWindowScreenshot(pWnd->GetSafeHwnd(), name);
}
