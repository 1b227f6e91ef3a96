// CWindowsDialog: the "Windows" dialog of an MDI frame. It lists the frame's visible MDI
// children (owner-drawn, with each window's class icon) and activates, saves, closes, minimises,
// cascades or tiles the selected ones. Window animation is switched off while windows are
// minimised or arranged, for this session only, and switched back on every path.
#pragma once
#include "frames/res/WTKFramesRes.h"

#include "win/Dialog.h"
#include "win/ListBox.h"

#include <vector>

class CMDIFrameWnd;

class CWindowsDialog : public CDialog {
public:
    // The system call that reads and switches window animation; a test may replace it.
    using SystemParametersFn = BOOL(WINAPI*)(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni);
    static SystemParametersFn s_pfnSystemParameters;

    explicit CWindowsDialog(CMDIFrameWnd* pMDIFrame);

    BOOL OnInitDialog() override;

    // The actions of the buttons, on the windows selected in the list.
    void ActivateSelected();
    void SaveSelected();
    void CloseSelected();
    void MinimizeSelected();
    // nMessage: WM_MDICASCADE or WM_MDITILE; nTile: MDITILE_HORIZONTAL or MDITILE_VERTICAL.
    void ArrangeSelected(UINT nMessage, WPARAM nTile);

    // The list box's windows, in list order.
    std::vector<HWND> GetListedWindows() const;
    std::vector<HWND> GetSelectedWindows() const;
    BOOL SelectWindow(HWND hWnd, BOOL bSelect = TRUE);

protected:
    void OnActivateButton() { ActivateSelected(); }
    void OnSave() { SaveSelected(); }
    void OnCloseWindows() { CloseSelected(); }
    void OnMinimize() { MinimizeSelected(); }
    void OnCascade() { ArrangeSelected(WM_MDICASCADE, 0); }
    void OnTileHorz() { ArrangeSelected(WM_MDITILE, MDITILE_HORIZONTAL); }
    void OnTileVert() { ArrangeSelected(WM_MDITILE, MDITILE_VERTICAL); }
    void OnSelChange() { UpdateButtons(); }
    void OnHelp();
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    DECLARE_MESSAGE_MAP()

    void FillWindowList();
    void UpdateButtons();
    void EnableButton(UINT nID, BOOL bEnable);
    HWND GetMDIClient() const;
    void DrawListItem(const DRAWITEMSTRUCT& dis);

    CListBox m_wndList;
    CMDIFrameWnd* m_pMDIFrame;
    BOOL m_bAllHaveSysMenu = TRUE;
    std::vector<HWND> m_cannotClose;
};
