// CWTKDialogHelper: gives a dialog or property page the popup-menu behaviour of the toolkit's
// frames. While a toolkit popup menu is open over the dialog, keys go to the menu, clicks
// outside it close it (also clicks in other windows of the thread, through a mouse hook), the
// dialog's caption stays active, and accelerator commands are counted, close the popup or run
// user tools. The dialog forwards its messages here (CWTKPopupMenuDialogHost tells it when a
// popup opens and goes).
//
// One mouse hook per thread: the helper that installed it owns it; the hook is removed when the
// popup goes or when its owner's dialog is destroyed, and the hook procedure acts only for a
// live owner.
#pragma once
#include <windows.h>

class CWnd;
class CWTKPopupMenu;

class CWTKDialogHelper {
public:
    // The notification code of WM_COMMAND from an accelerator.
    static constexpr UINT kAcceleratorNotify = 1;

    explicit CWTKDialogHelper(CWnd* pDlg = nullptr) : m_pDlg(pDlg) {}
    virtual ~CWTKDialogHelper();
    CWTKDialogHelper(const CWTKDialogHelper&) = delete;
    CWTKDialogHelper& operator=(const CWTKDialogHelper&) = delete;

    void SetDialog(CWnd* pDlg) { m_pDlg = pDlg; }
    CWnd* GetDialog() const { return m_pDlg; }

    // The popup now active over the dialog (null: none, the hook goes).
    void SetActivePopup(CWTKPopupMenu* pMenu);
    // TRUE when the message was dealt with here and goes no further.
    BOOL PreTranslateMessage(MSG* pMsg);
    // TRUE when the click (screen point) closed a popup and is used up.
    BOOL ProcessMouseClick(POINT pt);
    BOOL IsClickOutsideMenus(POINT pt) const;
    // Accelerator accounting for WM_COMMAND's wParam; TRUE when the command was handled.
    BOOL OnCommand(WPARAM wParam);
    // May turn a deactivation into an active caption while the dialog's popup is open.
    void OnNcActivate(BOOL& bActive);
    void OnActivate(UINT nState, CWnd* pWndOther);
    void OnDestroy();

    BOOL IsStayActive() const { return m_bStayActive; }
    static CWTKDialogHelper* GetHookOwner();
    static HHOOK GetMouseHook();

protected:
    static LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void RemoveHook();
    // Closes the popup and gives the focus back to the dialog.
    void ClosePopup(CWTKPopupMenu* pPopup, BOOL bFocusDialog);
    HWND DialogHwnd() const;

    CWnd* m_pDlg;
    BOOL m_bStayActive = FALSE;
};
