#include "frames/WTKInPlaceFrame.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKFrameHelper.h"
#include "frames/WTKPopupOwnerFrame.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKUserToolsManagerBase.h"

#include "docview/FrameWnd.h"

namespace WTKInPlaceFrame {

namespace {
void CloseActivePopup()
{
    if (CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu()) {
        if (pPopup->GetSafeHwnd() != nullptr)
            pPopup->SendMessage(WM_CLOSE);
    }
}
}  // namespace

BOOL OnCommand(CWTKFrameHelper& helper, WPARAM wParam, BOOL* pbHandled)
{
    *pbHandled = TRUE;
    if (HIWORD(wParam) == kWTKAcceleratorNotify) {
        const UINT nID = LOWORD(wParam);
        WTKGetCommandUsageCounter().AddCmd(nID);
        if (CWTKPopupMenu::GetActiveMenu() != nullptr && helper.ProcessKeyboard(VK_ESCAPE))
            return TRUE;
        if (CWTKUserToolsManagerBase* pTools = WTKGetUserToolsManager()) {
            if (pTools->InvokeTool(nID))
                return TRUE;
        }
    }
    if (WTKIsCustomizeMode())
        return FALSE;
    *pbHandled = FALSE;
    return FALSE;
}

void OnActivate(CFrameWnd* pFrame, CWTKFrameHelper& helper, UINT nState, HWND& hWndPrevOwner)
{
    if (nState == WA_INACTIVE) {
        if (!WTKIsCustomizeMode())
            helper.OnDeactivate();
        CloseActivePopup();
        CWTKPopupOwnerFrame::HandBack(pFrame, hWndPrevOwner);
        return;
    }
    if (nState == WA_CLICKACTIVE)
        pFrame->UpdateWindow();
    CWTKPopupOwnerFrame::TakeOver(pFrame, hWndPrevOwner);
}

void OnDestroy(CFrameWnd* pFrame, CWTKFrameHelper& helper, HWND& hWndPrevOwner)
{
    CloseActivePopup();
    CWTKPopupOwnerFrame::HandBack(pFrame, hWndPrevOwner);
    helper.OnDeactivate();
    // The keyboard manager installs tables it created here; the frame owns them.
    if (pFrame->m_hAccelTable != nullptr) {
        ::DestroyAcceleratorTable(pFrame->m_hAccelTable);
        pFrame->m_hAccelTable = nullptr;
    }
}

CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup)
{
    CWTKPopupMenu* pPrevious = CWTKPopupMenu::GetActiveMenu();
    if (pPrevious == pMenuPopup)
        CWTKPopupMenu::SetActiveMenu(nullptr);
    return pPrevious;
}

LRESULT CreateToolbar(CWTKFrameHelper& helper, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(helper.CreateNewToolBar(reinterpret_cast<LPCTSTR>(lParam)));
}

LRESULT DeleteToolbar(CWTKFrameHelper& helper, LPARAM lParam)
{
    return helper.DeleteToolBar(dynamic_cast<CWTKToolBar*>(WTKFindToolBarOfParam(lParam)));
}

}  // namespace WTKInPlaceFrame
