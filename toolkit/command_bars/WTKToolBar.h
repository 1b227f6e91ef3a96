// CWTKToolBar: the toolkit's toolbar control bar, and the base of the menu bar and the popup
// menu item bar. It owns an ordered list of CWTKToolbarButton objects, loads them from toolbar
// resources, lays them out in rows or columns, hot-tracks and presses them, sends their
// commands to its owner, shows tooltips and prompts, and paints through the current look.
// Every toolbar window stands in WTKAllToolbars() while it exists.
//
// Sources by responsibility: WTKToolBar.cpp (buttons, loading, statics), WTKToolBarLayout.cpp
// (sizes, rows, placement, docking layout), WTKToolBarPaint.cpp (painting), WTKToolBarMouse.cpp
// (mouse, keyboard, tooltips, command state, TB_* messages), WTKToolBarState.cpp (registry),
// WTKToolBarCustomize.cpp (customise mode: selection, button drag and drop, resizing, the button
// context menu and its commands).
#pragma once

#include "command_bars/WTKButtonDropTarget.h"
#include "command_bars/WTKCommandBarSettings.h"
#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarButtonList.h"

#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKBarPaintHelper.h"
#include "foundation/WTKImageStrip.h"
#include "foundation/WTKToolBarBase.h"
#include "foundation/WTKToolBarInfo.h"

#include "bars/ControlBar.h"
#include "core/Map.h"
#include "core/ObList.h"
#include "core/String.h"
#include "gdi/GdiObject.h"

#include <memory>
#include <ole2.h>

class CArchive;
class CMenu;
class COleDataObject;
class COleDataSource;
class CWTKRegistry;

// Bitmap resources of a bar's image strips; 0 means none.
struct WTKToolBarImages {
    UINT uiColdResID = 0;
    UINT uiHotResID = 0;  // the normal images
    UINT uiDisabledResID = 0;
    UINT uiLargeColdResID = 0;
    UINT uiLargeHotResID = 0;
    UINT uiLargeDisabledResID = 0;
    UINT uiMenuResID = 0;
    UINT uiMenuDisabledResID = 0;
};

class CWTKToolBar : public CControlBar,
                    public CWTKToolBarInfo,
                    public CWTKBarNcInfo,
                    public CWTKToolBarBase,
                    public CWTKButtonDropSite,
                    public CWTKBarLookInfo {
    DECLARE_SERIAL(CWTKToolBar)

public:
    CWTKToolBar();
    ~CWTKToolBar() override;
    CWTKToolBar(const CWTKToolBar&) = delete;
    CWTKToolBar& operator=(const CWTKToolBar&) = delete;

    // ---- Creation and loading ----
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = kDefaultBarId);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = kFlatStyle,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect rcBorders = CRect(1, 1, 1, 1),
                          UINT nID = kDefaultBarId);
    void ResetImages() override;
    virtual BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = FALSE,
                            UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0);
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0, BOOL bLocked = FALSE,
                             UINT uiDisabledResID = 0, UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0);
    virtual BOOL LoadBitmapEx(const WTKToolBarImages& params, BOOL bLocked = FALSE);
    virtual BOOL LoadToolBarEx(UINT uiToolbarResID, const WTKToolBarImages& params, BOOL bLocked = FALSE);
    virtual void RemoveAllButtons();

    // ---- Cells ----
    virtual int GetRowHeight() const;
    virtual int GetColumnWidth() const;
    // Cells grow by the look's extra button border (menu and popup bars answer FALSE).
    virtual BOOL IsLookExtraSizeAvailable() const { return TRUE; }

    virtual void Deactivate();
    virtual void RestoreFocus();
    BOOL IsOriginalItemsChanged() const override { return m_bOriginalItemsChanged; }
    // Empty when there is no such button.
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    virtual void GetInvalidateItemRect(int nIndex, LPRECT lpRect) const;
    virtual void SetButtonStyle(int nIndex, UINT nStyle);
    virtual BOOL AllowChangeTextLabels() const { return TRUE; }

    // ---- State in the registry ----
    BOOL LoadState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCTSTR lpszProfileName = nullptr, int nIndex = -1, UINT uiID = static_cast<UINT>(-1)) override;
    virtual BOOL RemoveStateFromRegistry(LPCTSTR lpszProfileName = nullptr, int nIndex = -1,
                                         UINT uiID = static_cast<UINT>(-1));
    virtual BOOL CanBeRestored() const { return m_uiOriginalResID != 0; }
    virtual BOOL CanBeClosed() const { return !m_bLocked; }
    virtual BOOL RestoreOriginalState();
    // Runs after SetButtons made the buttons of a window that exists.
    virtual void OnReset() {}

    // ---- Layout (WTKToolBarLayout.cpp) ----
    virtual void AdjustLayout();
    // The index of the visible non-separator button under point, or -1.
    virtual int HitTest(CPoint point);
    virtual BOOL TranslateChar(UINT nChar);
    virtual BOOL PrevMenu();
    virtual BOOL NextMenu();
    // Gives the button its command's default text (the prompt's second part).
    virtual BOOL GetButtonTooltip(CWTKToolbarButton* pButton);
    // Runs in DoPaint after the background, before the buttons.
    virtual void OnDrawBarBorders(CDC* /*pDC*/, CRect /*rectClient*/) {}
    virtual void OnGlobalFontsChanged();
    virtual CSize CalcSize(BOOL bVertDock);
    virtual void OnChangeHot(int iHot);
    virtual CSize CalcLayout(DWORD dwMode, int nLength = -1);
    virtual BOOL DrawButton(CDC* pDC, CWTKToolbarButton* pButton, CWTKImageStrip* pImages, BOOL bHighlighted,
                            BOOL bDrawDisabledImages);
    // Draws the drop marker (m_rectDrag) in customise paint.
    virtual void DrawDragMarker(CDC* pDC);
    virtual CWnd* GetCommandTarget() const;

    // ---- Drop target (customise mode, WTKToolBarCustomize.cpp) ----
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    virtual int FindDropIndex(CPoint point, CRect& rectDrag) const;

    virtual void AdjustLocations();
    // TRUE when the bar sent the command itself (menu bars do); the release then sends nothing.
    virtual BOOL OnSendCommand(const CWTKToolbarButton* /*pButton*/) { return FALSE; }
    virtual BOOL AllowHighlightDisabled() const { return FALSE; }
    virtual BOOL AllowShowOnList() const { return TRUE; }
    virtual void DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz);
    virtual std::unique_ptr<CWTKToolbarButton> CreateDroppedButton(COleDataObject* pDataObject);
    virtual BOOL OnKey(UINT /*nChar*/) { return FALSE; }
    virtual void OnCustomizeMode(BOOL bSet);
    // Prepares the button context menu of customise mode for the button at iButton.
    virtual void OnCustomizeMenuInit(CMenu* pMenu, int iButton);
    virtual BOOL IsMenuMode() const { return m_bMenuMode; }
    virtual void ShowCommandPrompt(UINT nID);
    // Label row height in text-labels mode (0 otherwise); sets the label row flag.
    virtual int MeasureLabelRow();
    // The top-level toolkit frame's tooltip text for the button; FALSE without one.
    virtual BOOL ShowCommandMessageString(CWTKToolbarButton* pButton, CString& strText);
    virtual BOOL SaveOriginalItems(CWTKRegistry& reg);
    virtual BOOL LoadOriginalItems(CWTKRegistry& reg);
    virtual BOOL UpdateFromOriginalItems(const CWTKToolbarButtonList& lstStoredOriginals);

    // ---- Buttons ----
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount, BOOL bRemapImages = TRUE);
    int InsertButton(const CWTKToolbarButton& button, int iInsertAt = -1);
    int InsertSeparator(int iInsertAt = -1);
    BOOL RemoveButton(int iIndex);
    int ReplaceButton(UINT uiCmd, const CWTKToolbarButton& button, BOOL bAll = FALSE);
    CWTKToolbarButton* GetButton(int iIndex) const;
    int GetCount() const { return m_Buttons.GetCount(); }
    int CommandToIndex(UINT nIDFind, int iIndexFirst = 0) const;
    int ButtonToIndex(const CWTKToolbarButton* pButton) const;
    UINT GetItemID(int nIndex) const;
    UINT GetButtonStyle(int nIndex) const;
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    CWTKToolbarButton* GetHighlightedButton() const;
    CWTKToolbarButton* GetDroppedDownMenu(int* pIndex = nullptr) const;
    CWTKToolbarButton* InvalidateButton(int nIndex);
    void SetButtonDisplay(int nIndex, LPCTSTR lpszText, BOOL bShowText, BOOL bShowImage);
    BOOL SendCommand(const CWTKToolbarButton* pButton);
    BOOL DropDownMenu(CWTKToolbarButton* pButton);
    // Moves the open menu to the next enabled menu button in the direction (-1, 1), wrapping
    // around; FALSE when no menu is open or there is no other.
    BOOL MoveToMenu(int iStep);
    BOOL IsButtonHighlighted(int iButton) const;
    const CWTKToolbarButtonList& GetAllButtons() const { return m_Buttons; }
    const CWTKToolbarButtonList& GetOriginalItems() const { return m_OrigButtons; }
    CWTKToolbarButton* GetCustomizeButton() const { return m_pCustomizeBtn; }
    // Adds (or removes) the overflow button at the end of the bar: it lists the buttons that do
    // not fit and, with uiCustomizeCmd not 0, offers that command with lpszCustomizeText.
    void EnableCustomizeButton(BOOL bEnable, UINT uiCustomizeCmd = 0, LPCSTR lpszCustomizeText = nullptr);

    // ---- Options of the bar ----
    void EnableTextLabels(BOOL bEnable = TRUE);
    BOOL AreTextLabels() const { return m_bTextLabels; }
    void SetLockedLargeIcons(BOOL bFollow) { m_bLargeIconsEnabled = bFollow; }
    // The own sizes of a locked bar.
    void SetLockedSizes(SIZE sizeButton, SIZE sizeImage);
    CSize GetButtonSize() const override;
    CSize GetImageSize() const;
    int GetImagesOffset() const { return m_iImagesOffset; }
    UINT GetResourceID() const { return m_uiOriginalResID; }
    BOOL IsLocked() const override { return m_bLocked; }
    BOOL IsUserDefined() const override;
    CWnd* GetBarWnd() override { return this; }

    // ---- Layout ----
    int WrapToolBar(int nWidth, int nHeight = 32767);
    int SizeToolBar(int nLength, BOOL bVert = FALSE);

    // ---- Control bar ----
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void DoPaint(CDC* pDC) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    INT_PTR OnToolHitTest(CPoint point, TTTOOLINFOA* pTI) const override;
    void Serialize(CArchive& ar) override;
    // The command state of one button (before a press, after a release).
    void UpdateButton(int nIndex);

    // ---- What the looks and the paint helper read ----
    DWORD GetBarStyle() const override { return CControlBar::GetBarStyle(); }
    BOOL IsDockable() const override { return m_pDockContext != nullptr; }
    CSize GetButtonMargins() const override { return CSize(3, 3); }
    BOOL IsCustomizing() const override { return IsCustomizeMode(); }
    COLORREF GetHighlightedTextColor() const override { return GetTextColor(); }
    BOOL IsFloating() const override { return CControlBar::IsFloating(); }
    Kind GetLookKind() const override { return kindToolBar; }
    int GetMenuImageWidth() const override { return GetMenuImageSize().cx; }
    CRect GetWindowRectScreen() const override;
    CRect GetDockRectScreen() const override;
    int GetRowExtent() const override;
    CRect GetCustomizeButtonRect() const override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override { CControlBar::CalcInsideRect(rect, bHorz); }

    // ---- Process-wide ----
    static void SetSizes(SIZE sizeButton, SIZE sizeImage);
    static void SetMenuSizes(SIZE sizeButton, SIZE sizeImage);
    static CSize GetMenuImageSize();
    static CSize GetMenuButtonSize() { return s_sizeMenuButton; }
    static void SetLargeIcons(BOOL bLargeIcons = TRUE);
    static BOOL IsLargeIcons() { return WTKGetCommandBarSettings().bLargeIcons; }
    static CSize GetDefaultButtonSize() { return s_sizeButton; }
    static CSize GetDefaultImageSize() { return s_sizeImage; }
    static COLORREF GetTextColor();
    static void SetTextColor(COLORREF clr) { s_clrText = clr; }
    static void AddBasicCommand(UINT uiCmd);
    static void ClearBasicCommands();
    static BOOL IsBasicCommand(UINT uiCmd);
    static BOOL HasBasicCommands();
    static BOOL IsCommandRarelyUsed(UINT uiCmd);
    static BOOL SetMouseHook(BOOL bSet);
    static BOOL IsMouseHookSet() { return s_hookMouse != nullptr; }
    static CWTKToolBarList& GetAllToolbars() { return WTKAllToolbars(); }
    static int GetCommandButtons(UINT uiCmd, CObList& listButtons);
    static BOOL SetCustomizeMode(BOOL bSet = TRUE);
    static BOOL IsCustomizeMode() { return WTKIsCustomizeMode(); }
    // The bar whose customise selection shows (null when none).
    static CWTKToolBar* GetCustomizeTarget() { return s_pSelToolbar; }
    int GetCustomizeSelection() const { return m_iSelected; }
    // Runs the drag of a button written into source, starting from the button's rectangle
    // (screen coordinates); answers the effect the drop performed (DROPEFFECT_NONE when it was
    // dropped nowhere, refused or cancelled). The default runs the system's drag with the
    // toolkit's drag source; a program or a test may play the drag itself.
    typedef DROPEFFECT (*ButtonDragFn)(COleDataSource& source, const CRect& rectStartScreen);
    static ButtonDragFn SetButtonDragFunction(ButtonDragFn pfn);  // returns the previous one
    static void CleanUpImages();
    // The command's image in the shared strip (-1 when none).
    static int GetDefaultImage(UINT uiID);
    static void SetDefaultImage(UINT uiID, int iImage);
    static CWTKImageStrip* GetImages() { return &s_Images; }
    static CWTKImageStrip* GetColdImages() { return &s_ColdImages; }
    static CWTKImageStrip* GetDisabledImages() { return &s_DisabledImages; }
    static CWTKImageStrip* GetLargeImages() { return &s_LargeImages; }
    static CWTKImageStrip* GetLargeColdImages() { return &s_LargeColdImages; }
    static CWTKImageStrip* GetLargeDisabledImages() { return &s_LargeDisabledImages; }
    static CWTKImageStrip* GetMenuImages() { return &s_MenuImages; }
    static CWTKImageStrip* GetMenuDisabledImages() { return &s_MenuDisabledImages; }
    static CWTKImageStrip* GetUserImages() { return s_pUserImages; }
    static void SetUserImages(CWTKImageStrip* pUserImages) { s_pUserImages = pUserImages; }

    // The options of WTKGetCommandBarSettings, saved with the usage counter and the look.
    static BOOL LoadParameters(LPCTSTR lpszProfileName = nullptr);
    static BOOL SaveParameters(LPCTSTR lpszProfileName = nullptr);

    static constexpr UINT kDefaultBarId = 0xE800;
    static constexpr DWORD kFlatStyle = 0x0800;
    static constexpr UINT kToolBarResType = 0xF1;
    // The most buttons a stored toolbar, or a stored menu, may hold: more than a bar across any
    // screen shows or a user would make, far fewer than the registry's size limit lets in. A
    // longer stored list is damaged.
    static constexpr int kMaxStoredButtons = 500;
    // The most buttons a stored bar and its menus may hold together.
    static constexpr int kMaxStoredItems = 2000;

protected:
    // Inserts pButton itself; -1 when the index is out of range (the button is deleted then).
    virtual int InsertButtonObject(std::unique_ptr<CWTKToolbarButton> pButton, int iInsertAt);
    // Takes the overflow button out of the list (null without one), so that emptying or
    // rebuilding the list leaves it alone; PutBackCustomizeButton makes it the last button and
    // the overflow button again (a null pButton leaves the bar without one).
    std::unique_ptr<CWTKToolbarButton> TakeCustomizeButton();
    void PutBackCustomizeButton(std::unique_ptr<CWTKToolbarButton> pButton);
    void RebuildMnemonics();
    void EndPress();
    CWTKImageStrip* ChooseImages(CWTKToolbarButton* pButton, BOOL bHighlighted, BOOL& bDisabledImages);
    // The sizes in effect (own for a locked bar, else static; current or default).
    CSize EffectiveButtonSize() const;
    CSize EffectiveImageSize() const;
    BOOL IsBarHorizontal() const;
    CString BuildStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiID) const;

    // Message handlers.
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnDestroy();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnSize(UINT nType, int cx, int cy);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnSysColorChange();
    void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT OnButtonCount(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetItemRect(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetButton(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetButtonText(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // ---- Customise mode (WTKToolBarCustomize.cpp) ----
    static constexpr int kDropMarkerHalf = 3;  // the drop marker reaches this far each side of its edge
    void OnCustomizeLButtonDown(UINT nFlags, CPoint point);
    void OnCustomizeContextMenu(CPoint point);
    // Makes this bar the customise target; the previous target loses its selection.
    void MakeCustomizeTarget();
    // Selects the button at iButton (-1: none), repainting the old and the new selection.
    void SetCustomizeSelection(int iButton);
    void DragButton(int iButton, CPoint point);
    // A drop on the dragged button's own place: moving far enough along the bar starts or ends
    // the group before it.
    void AdjustGroupBreak(int iButton, CPoint point);
    void StartStretch(CWTKToolbarButton* pButton);
    BOOL IsStretching() const { return m_pWndStretch != nullptr; }
    void TrackStretch(CPoint point);
    void EndStretch(CPoint point, BOOL bApply);
    void InvertTrackRect();
    // Repaints a marker area (inflated) at once.
    void RedrawMarkerArea(const CRect& rectMarker);
    // The selection frame and the drop marker, after the buttons.
    void DrawCustomizeMarks(CDC* pDC);
    // The I-beam drop marker in rect: vertical strokes with serifs at top and bottom, or turned.
    void DrawMarkerShape(CDC* pDC, const CRect& rect, BOOL bVerticalStrokes);
    // The button appearance dialog through the customisation sheet; FALSE when cancelled or
    // there is no sheet.
    BOOL EditButtonAppearance(CWTKToolbarButton* pButton);
    // Sets the display of the selected button; without an image the appearance dialog decides
    // (cancelling keeps the old display).
    void SetSelectedDisplay(BOOL bImage, BOOL bText);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnButtonReset();
    void OnButtonCopyImage();
    void OnButtonDelete();
    void OnButtonAppearance();
    void OnButtonImage();
    void OnButtonText();
    void OnButtonImageAndText();
    void OnButtonStartGroup();
    void OnButtonNewMenu();
    DECLARE_MESSAGE_MAP()

    // ---- Members, in the order the bar declares them ----
    CWTKImageStrip m_ImagesLocked;
    CWTKImageStrip m_ColdImagesLocked;
    CWTKImageStrip m_DisabledImagesLocked;
    CWTKImageStrip m_LargeColdImagesLocked;
    CWTKImageStrip m_LargeImagesLocked;
    CWTKImageStrip m_LargeDisabledImagesLocked;
    CWTKImageStrip m_MenuImagesLocked;
    CWTKImageStrip m_MenuImagesLockedDisabled;
    CWTKButtonDropTarget m_DropTarget;
    BOOL m_bLocked = FALSE;
    BOOL m_bLargeIconsEnabled = TRUE;
    CSize m_sizeButtonLocked = CSize(23, 22);
    CSize m_sizeImageLocked = CSize(16, 15);
    CSize m_sizeCurButtonLocked = CSize(23, 22);
    CSize m_sizeCurImageLocked = CSize(16, 15);
    BOOL m_bTextLabels = FALSE;
    BOOL m_bTextLabelRow = FALSE;
    int m_nLabelRowHeight = 0;
    int m_iButtonCapture = -1;  // pressed
    int m_iHighlighted = -1;    // hot
    int m_iSelected = -1;       // customise selection
    int m_iDroppedDown = -1;
    CWTKToolbarButtonList m_Buttons;
    CWTKToolbarButtonList m_OrigButtons;
    BOOL m_bOriginalItemsChanged = FALSE;
    CMap<UINT, UINT, CWTKToolbarButton*, CWTKToolbarButton*> m_AccelKeys;
    CWTKBarPaintHelper m_Impl;
    CPen m_penSeparator;
    CPoint m_ptLastMouse = CPoint(-1, -1);
    BOOL m_bTracked = FALSE;
    UINT m_uiOriginalResID = 0;
    int m_iImagesOffset = 0;
    BOOL m_bMenuMode = FALSE;
    HWND m_hwndLastFocus = nullptr;
    BOOL m_bDrawBorder = TRUE;
    BOOL m_bGrayDisabledButtons = TRUE;
    BOOL m_bDisableControlsIfNoHandler = TRUE;
    BOOL m_bRouteCommandsViaFrame = TRUE;
    CWTKToolbarButton* m_pCustomizeBtn = nullptr;

    // ---- Customise mode ----
    int m_iDragIndex = -1;                       // drop marker index
    CRect m_rectDrag;                            // drop marker
    CWTKToolbarButton* m_pDragButton = nullptr;  // this bar's button being dragged
    CPoint m_ptStartDrag = CPoint(-1, -1);
    BOOL m_bDropPlacedHere = FALSE;              // a drop on this bar placed its own dragged button
    CRect m_rectTrack;                           // the resize rectangle
    BOOL m_bTrackShown = FALSE;                  // the resize rectangle is drawn on the screen
    CWTKToolbarButton* m_pWndStretch = nullptr;  // the button being resized, null when none

    // ---- Process-wide ----
    static CWTKImageStrip s_Images;
    static CWTKImageStrip s_ColdImages;
    static CWTKImageStrip s_DisabledImages;
    static CWTKImageStrip s_LargeImages;
    static CWTKImageStrip s_LargeColdImages;
    static CWTKImageStrip s_LargeDisabledImages;
    static CWTKImageStrip s_MenuImages;
    static CWTKImageStrip s_MenuDisabledImages;
    static CWTKImageStrip* s_pUserImages;
    static CSize s_sizeButton;
    static CSize s_sizeImage;
    static CSize s_sizeCurButton;
    static CSize s_sizeCurImage;
    static CSize s_sizeMenuImage;
    static CSize s_sizeMenuButton;
    static COLORREF s_clrText;
    static CWTKToolBar* s_pSelToolbar;  // customise target
    static HHOOK s_hookMouse;
    static CWTKToolBar* s_pLastHookedToolbar;
    static HCURSOR s_hcurDelete;
    static HCURSOR s_hcurMove;

    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    // The live toolbar whose window is hWnd, or null.
    static CWTKToolBar* FindHookedToolbar(HWND hWnd);

private:
    // No process-wide pointer and not the list of all toolbars keeps the bar once it goes.
    void ForgetBar();
};
