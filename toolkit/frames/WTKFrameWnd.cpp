#include "frames/WTKFrameWnd.h"

#include "frames/WTKDockingConstants.h"
#include "frames/WTKMiniDockFrameWnd.h"

#include "command_bars/WTKCommandUsageCounter.h"
#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKUserToolsManagerBase.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CWTKFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CWTKFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_MENUCHAR, OnMenuCharMessage)
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_GETMINMAXINFO()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_CREATE, OnToolbarCreateNew)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CWTKFrameWnd::CWTKFrameWnd() : m_Impl(this) {}

CWTKFrameWnd::~CWTKFrameWnd() = default;

BOOL CWTKFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    m_Impl.RestorePosition(cs);
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CWTKFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_Impl.m_nIDDefaultResource = nIDResource;
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // A menu bar made during creation took the menu off the window: the frame still owns it.
    if (m_hMenuDefault == nullptr)
        m_hMenuDefault = m_Impl.GetFrameMenu();
    m_Impl.OnLoadFrame();
    return TRUE;
}

void CWTKFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp) {
        OnContextHelp();
        return;
    }
    CFrameWnd::WinHelp(dwData, nCmd);
}

void CWTKFrameWnd::OnContextHelp()
{
    m_Impl.RunContextHelp(m_bContextHelp);
}

BOOL CWTKFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == kWTKAcceleratorNotify) {
        const UINT nID = LOWORD(wParam);
        WTKGetCommandUsageCounter().AddCmd(nID);
        // An open popup takes an accelerator as Escape.
        if (CWTKPopupMenu::GetActiveMenu() != nullptr && m_Impl.ProcessKeyboard(VK_ESCAPE))
            return TRUE;
        if (WTKInvokeUserTool(nID))
            return TRUE;
    }
    if (WTKIsCustomizeMode())
        return FALSE;
    return CFrameWnd::OnCommand(wParam, lParam) || WTKInvokeUserToolCommand(wParam, lParam);
}

BOOL CWTKFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    BOOL bTranslate = TRUE;
    if (m_Impl.PreTranslateMessage(pMsg, &bTranslate))
        return TRUE;
    if (!bTranslate)
        return FALSE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CWTKFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    m_Impl.OnUpdateFrameMenu();
}

void CWTKFrameWnd::ReplaceDefaultMenu(HMENU hMenu)
{
    if (m_hMenuDefault == hMenu)
        return;
    HMENU hOld = m_hMenuDefault;
    m_hMenuDefault = hMenu;
    if (hOld != nullptr && ::IsMenu(hOld) && (m_hWnd == nullptr || ::GetMenu(m_hWnd) != hOld))
        ::DestroyMenu(hOld);
}

// ---- Toolkit frame operations ----

BOOL CWTKFrameWnd::OnShowPopupMenu(CWTKPopupMenu* /*pMenuPopup*/)
{
    return TRUE;
}

CWTKPopupMenu* CWTKFrameWnd::OnClosePopupMenu(CWTKPopupMenu* pMenuPopup)
{
    CWTKPopupMenu* pPrevious = CWTKPopupMenu::GetActiveMenu();
    if (pPrevious == pMenuPopup)
        CWTKPopupMenu::SetActiveMenu(nullptr);
    return pPrevious;
}

BOOL CWTKFrameWnd::OnDrawMenuImage(CDC* /*pDC*/, const CWTKToolbarMenuButton* /*pMenuButton*/,
                                   const CRect& /*rectImage*/)
{
    return FALSE;
}

BOOL CWTKFrameWnd::OnMenuButtonToolHitTest(CWTKToolbarButton* /*pButton*/, TTTOOLINFOA* /*pTI*/)
{
    return FALSE;
}

BOOL CWTKFrameWnd::GetToolbarButtonToolTipText(CWTKToolbarButton* /*pButton*/, CString& /*strTTText*/)
{
    return FALSE;
}

void CWTKFrameWnd::OnDrawMenuLogo(CDC* /*pDC*/, CWTKPopupMenu* /*pMenuPopup*/, const CRect& /*rectLogo*/) {}

BOOL CWTKFrameWnd::OnTearOffMenu(CWTKPopupMenu* /*pMenuPopup*/, CControlBar* /*pBar*/)
{
    return TRUE;
}

void CWTKFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_Impl.EnableDocking(dwDockStyle);
    m_pFloatingFrameClass = RUNTIME_CLASS(CWTKMiniDockFrameWnd);
}

BOOL CWTKFrameWnd::ShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    if (!m_Impl.SetActivePopup(pMenuPopup))
        return FALSE;
    // A menu coming back from an abandoned tear-off was allowed to open already.
    if (pMenuPopup != nullptr && pMenuPopup->IsBeingTornOff())
        return TRUE;
    return OnShowPopupMenu(pMenuPopup);
}

// ---- Messages ----

LRESULT CWTKFrameWnd::OnMenuCharMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_Impl.ProcessMenuChar(LOWORD(wParam)))
        return kWTKMenuCharTaken;
    return Default();
}

void CWTKFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    m_Impl.OnActivateFrame(nState);
}

void CWTKFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CFrameWnd::OnClose();
}

void CWTKFrameWnd::OnDestroy()
{
    m_Impl.DestroyInstalledAccelerators();
    CFrameWnd::OnDestroy();
}

void CWTKFrameWnd::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    CFrameWnd::OnGetMinMaxInfo(pMMI);
    const CSize sizeMin = m_Impl.GetMinTrackSize();
    pMMI->ptMinTrackSize.x = std::max(pMMI->ptMinTrackSize.x, sizeMin.cx);
    pMMI->ptMinTrackSize.y = std::max(pMMI->ptMinTrackSize.y, sizeMin.cy);
}

LRESULT CWTKFrameWnd::OnToolbarCreateNew(WPARAM /*wParam*/, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(m_Impl.CreateNewToolBar(reinterpret_cast<LPCTSTR>(lParam)));
}

LRESULT CWTKFrameWnd::OnToolbarDelete(WPARAM /*wParam*/, LPARAM lParam)
{
    CWTKToolBarBase* pBase = WTKFindToolBarOfParam(lParam);
    auto* pToolBar = dynamic_cast<CWTKToolBar*>(pBase);
    return m_Impl.DeleteToolBar(pToolBar);
}
