// CWTKDropDownToolbarButton: a toolbar button that shows the image of a default command and a
// small arrow. A short click runs the default command; holding the button for half a second drops
// down a CWTKDropDownFrame with the buttons of a source CWTKDropDownToolBar, and the command chosen
// there runs and becomes the new default.
#pragma once
#include "command_bars/WTKToolbarButton.h"

class CWTKDropDownFrame;
class CWTKDropDownToolBar;

class CWTKDropDownToolbarButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CWTKDropDownToolbarButton)

public:
    // The hold timer runs on the parent bar's window under an id of its own, apart from the ids
    // the menu bar and the popup menu bar use for their timers (1 and 2).
    static constexpr UINT_PTR kHoldTimerId = 0xDD01;
    static constexpr UINT kHoldDelayMs = 500;
    // Items of the customisation context menu a drop-down button cannot use.
    static constexpr UINT kCustomizeMenuItems[] = {16911, 16913, 16914, 16915, 16916};

    CWTKDropDownToolbarButton();
    CWTKDropDownToolbarButton(LPCSTR lpszName, CWTKDropDownToolBar* pToolBar);
    ~CWTKDropDownToolbarButton() override;

    // ---- The button's operations ----
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // The first press starts the hold timer and runs on as an ordinary click; the timer's tick (or
    // a press while it runs) opens the list, or closes an open one.
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    // A release before the timer fired runs the default command (FALSE); otherwise the list closes
    // and no command runs (TRUE).
    BOOL OnClickUp() override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL ExportToMenuButton(CWTKToolbarButton& menuButton) const override;
    void OnCancelMode() override;
    BOOL OnCustomizeMenu(CMenu* pPopup) override;
    int DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight = FALSE) override;
    BOOL IsExtraSize() const override { return m_bExtraSize && !m_bInternalDraw; }

    // ---- Own operations ----
    // The command becomes the default: its image is found in the source bar (image 0 when not).
    void SetDefaultCommand(UINT uiCmd);
    // Opens the list next to the button, owned by pWnd (the parent bar when null); FALSE without a
    // source or with the list already open.
    BOOL DropDown(CWnd* pWnd = nullptr);

    // The source bar while it exists with a window; null otherwise.
    CWTKDropDownToolBar* GetDropDownToolBar() const;
    CWTKDropDownFrame* GetDropDownFrame() const { return m_pPopupFrame; }
    // The bar the button sits on while its window exists.
    CWnd* GetParentWnd() const;
    const CString& GetName() const { return m_strName; }
    int GetDefaultImage() const { return m_iSelectedImage; }
    BOOL IsDefaultImageUser() const { return m_bLocalUserButton; }
    BOOL IsHoldTimerRunning() const;
    // The frame reports that its window is going.
    void OnFrameDestroyed(CWTKDropDownFrame* pFrame);

    // The process-wide button whose hold timer runs; null when none does.
    static CWTKDropDownToolbarButton* GetHoldTimerButton() { return s_pHoldButton; }
    // One tick of the hold timer: the button it belongs to takes it as a second click.
    static void CALLBACK HoldTimerProc(HWND hWnd, UINT nMsg, UINT_PTR nIdEvent, DWORD dwTime);

protected:
    void StartHoldTimer(CWnd* pWnd);
    void StopHoldTimer();
    // Forgets the open frame and destroys it.
    void CloseFrame();
    void InvalidateInParent() const;
    // Finds the source bar by its resource id among the bars that exist (null for 0).
    static CWTKDropDownToolBar* FindToolBar(UINT uiResID);

    CWTKDropDownToolBar* m_pToolBar = nullptr;
    CString m_strName;
    CWTKDropDownFrame* m_pPopupFrame = nullptr;
    UINT_PTR m_uiTimer = 0;
    int m_iSelectedImage = -1;
    BOOL m_bLocalUserButton = FALSE;
    BOOL m_bInternalDraw = FALSE;
    HWND m_hWndParent = nullptr;

    static CWTKDropDownToolbarButton* s_pHoldButton;
    static HWND s_hWndHoldTimer;
};
