#include "frames/WTKPopupOwnerFrame.h"

#include "foundation/WTKPopupOwnerSource.h"

#include "docview/FrameWnd.h"

HWND CWTKPopupOwnerFrame::s_hWndOwner = nullptr;

namespace {
// Popups and the workspace ask for the owner through the foundation.
class CPopupOwnerFrameSource : public CWTKPopupOwnerSource {
public:
    CFrameWnd* GetPopupOwnerFrame() override { return CWTKPopupOwnerFrame::Get(); }
};
CFwHookRegistration<CWTKPopupOwnerSource, CPopupOwnerFrameSource> g_popupOwnerFrameSource;
}  // namespace

CFrameWnd* CWTKPopupOwnerFrame::FrameOf(HWND hWnd)
{
    if (hWnd == nullptr || !::IsWindow(hWnd))
        return nullptr;
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd));
}

CFrameWnd* CWTKPopupOwnerFrame::Get()
{
    return FrameOf(s_hWndOwner);
}

void CWTKPopupOwnerFrame::Set(CFrameWnd* pFrame)
{
    s_hWndOwner = pFrame != nullptr ? pFrame->GetSafeHwnd() : nullptr;
}

void CWTKPopupOwnerFrame::TakeOver(CFrameWnd* pFrame, HWND& hWndPrevious)
{
    if (pFrame == nullptr)
        return;
    // Saving ourselves as our own predecessor would keep the role after deactivation.
    if (s_hWndOwner != pFrame->GetSafeHwnd())
        hWndPrevious = s_hWndOwner;
    Set(pFrame);
}

void CWTKPopupOwnerFrame::HandBack(CFrameWnd* pFrame, HWND& hWndPrevious)
{
    if (pFrame != nullptr && s_hWndOwner == pFrame->GetSafeHwnd() && s_hWndOwner != nullptr)
        Set(FrameOf(hWndPrevious));
    hWndPrevious = nullptr;
}
