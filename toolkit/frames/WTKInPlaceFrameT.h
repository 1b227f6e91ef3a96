// CWTKInPlaceFrameT: what the toolkit's two in-place frames share, over either framework base
// (the OLE server's in-place frame or the document object server's). It embeds a
// CWTKFrameHelper as the other toolkit frames do, so popup menus, the menu bar and toolbars see
// keys and clicks first; while it is active it is the process's popup owner frame, and it hands
// that role back when it is deactivated or destroyed. Each concrete frame adds its runtime class
// and a message map naming the handlers below.
#pragma once
#include "frames/WTKDockingConstants.h"
#include "frames/WTKFrameHelper.h"
#include "frames/WTKInPlaceFrame.h"

#include "command_bars/WTKMenuBarHost.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuHost.h"

#include "foundation/WTKUserToolsManagerBase.h"

#include "docview/FrameWnd.h"

class CWTKPopupMenu;

template <class TBase>
class CWTKInPlaceFrameT : public TBase, public CWTKPopupMenuHost, public CWTKMenuBarHost {
public:
    CWTKInPlaceFrameT() : m_Impl(this) {}

    // ---- Framework overrides ----
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        BOOL bTranslate = TRUE;
        if (m_Impl.PreTranslateMessage(pMsg, &bTranslate))
            return TRUE;
        if (!bTranslate)
            return FALSE;
        return TBase::PreTranslateMessage(pMsg);
    }
    // Asked for no particular help during context help, the frame stays in help mode.
    void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override
    {
        if (dwData == 0 && m_bContextHelp)
            OnContextHelp();
        else
            TBase::WinHelp(dwData, nCmd);
    }
    // Help mode (Shift+F1) with the toolbars following the mouse.
    void OnContextHelp() override { m_Impl.RunContextHelp(m_bContextHelp); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        BOOL bHandled = FALSE;
        const BOOL bResult = WTKInPlaceFrame::OnCommand(m_Impl, wParam, &bHandled);
        if (bHandled)
            return bResult;
        return TBase::OnCommand(wParam, lParam) || WTKInvokeUserToolCommand(wParam, lParam);
    }
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override
    {
        // An in-place frame lives inside its container's window: no workspace state of its own.
        m_Impl.m_nIDDefaultResource = nIDResource;
        return TBase::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
    }

    // ---- Toolkit frame operations ----
    virtual BOOL OnShowPopupMenu(CWTKPopupMenu* /*pMenuPopup*/) { return TRUE; }
    CWTKPopupMenu* OnClosePopupMenu(CWTKPopupMenu* pMenuPopup) override
    {
        return WTKInPlaceFrame::OnClosePopupMenu(pMenuPopup);
    }
    BOOL ShowPopupMenu(CWTKPopupMenu* pMenuPopup) override
    {
        if (!m_Impl.SetActivePopup(pMenuPopup))
            return FALSE;
        if (pMenuPopup != nullptr && pMenuPopup->IsBeingTornOff())
            return TRUE;
        return OnShowPopupMenu(pMenuPopup);
    }
    void AddTearOffToolbar(CControlBar* pBar) override { m_Impl.AddTearOffToolbar(pBar); }

    // ---- The menu bar's host ----
    void SetMenuBar(CWTKMenuBar* pMenuBar) override { m_Impl.SetMenuBar(pMenuBar); }
    UINT GetFrameResourceId() const override { return m_Impl.m_nIDDefaultResource; }
    HMENU GetDefaultMenu() const override { return this->m_hMenuDefault; }
    void ReplaceDefaultMenu(HMENU hMenu) override
    {
        if (this->m_hMenuDefault == hMenu)
            return;
        HMENU hOld = this->m_hMenuDefault;
        this->m_hMenuDefault = hMenu;
        if (hOld != nullptr && ::IsMenu(hOld) && (this->m_hWnd == nullptr || ::GetMenu(this->m_hWnd) != hOld))
            ::DestroyMenu(hOld);
    }

    CWTKFrameHelper* GetFrameHelper() { return &m_Impl; }
    // The frame that owned the popup role before this one took it.
    HWND GetPreviousOwnerFrame() const { return m_hWndPrevOwner; }

protected:
    LRESULT OnMenuCharMessage(WPARAM wParam, LPARAM /*lParam*/)
    {
        if (m_Impl.ProcessMenuChar(LOWORD(wParam)))
            return kWTKMenuCharTaken;
        return this->Default();
    }
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
    {
        TBase::OnActivate(nState, pWndOther, bMinimized);
        WTKInPlaceFrame::OnActivate(this, m_Impl, nState, m_hWndPrevOwner);
    }
    void OnClose()
    {
        m_Impl.OnCloseFrame();
        TBase::OnClose();
    }
    void OnDestroy()
    {
        WTKInPlaceFrame::OnDestroy(this, m_Impl, m_hWndPrevOwner);
        TBase::OnDestroy();
    }
    LRESULT OnToolbarCreateNew(WPARAM /*wParam*/, LPARAM lParam)
    {
        return WTKInPlaceFrame::CreateToolbar(m_Impl, lParam);
    }
    LRESULT OnToolbarDelete(WPARAM /*wParam*/, LPARAM lParam) { return WTKInPlaceFrame::DeleteToolbar(m_Impl, lParam); }

    CWTKFrameHelper m_Impl;
    BOOL m_bContextHelp = FALSE;
    HWND m_hWndPrevOwner = nullptr;
};
