// CWTKDialog: a plain dialog with the toolkit's popup-menu behaviour (through its dialog
// helper, like CWTKPropertyPage) and an optional background: a brush, a bitmap tiled over the
// client area or drawn once in one of its corners, or both. Static texts and buttons are drawn
// transparently over such a background.
#pragma once
#include "frames/WTKDialogHelper.h"

#include "command_bars/WTKPopupMenuDialogHost.h"

#include "gdi/GdiObject.h"
#include "win/Dialog.h"

class CWTKDialog : public CDialog, public CWTKPopupMenuDialogHost {
    DECLARE_DYNAMIC(CWTKDialog)
public:
    enum BackgroundLocation {
        kBackgroundTile = 0,
        kBackgroundTopLeft = 1,
        kBackgroundTopRight = 2,
        kBackgroundBottomLeft = 3,
        kBackgroundBottomRight = 4,
    };

    CWTKDialog();
    explicit CWTKDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CWTKDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CWTKDialog() override;

    void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE);
    // With bAutoDestroy the dialog deletes the bitmap when it is replaced or the dialog goes.
    void SetBackgroundImage(HBITMAP hBitmap, BackgroundLocation location = kBackgroundTile, BOOL bAutoDestroy = FALSE,
                            BOOL bRepaint = TRUE);

    // Called by a popup menu that a control of the dialog opens, and with null when it goes.
    void SetActivePopup(CWTKPopupMenu* pPopup) override;
    CWTKDialogHelper& GetDialogHelper() { return m_Impl; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

    void DrawBackgroundImage(HDC hDC, const CRect& rectClient) const;
    void ReleaseBackgroundImage();
    BOOL HasBackground() const { return m_brBkgr.GetSafeHandle() != nullptr || m_hBkgrBitmap != nullptr; }

    CWTKDialogHelper m_Impl;
    CBrush m_brBkgr;
    HBITMAP m_hBkgrBitmap = nullptr;
    CSize m_sizeBkgrBitmap;
    BOOL m_bAutoDestroyBmp = FALSE;
    BackgroundLocation m_BkgrLocation = kBackgroundTile;
};
