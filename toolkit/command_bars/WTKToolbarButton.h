// CWTKToolbarButton: one item of a toolbar, menu bar or popup menu: its command, style, images
// and text; it measures and draws itself through the current look and writes itself to archives
// and drag data. Derived buttons (menu, edit, combo, drop-down...) override the virtuals below.
#pragma once
#include "foundation/WTKButtonLookInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

#include "core/Object.h"
#include "core/Rect.h"
#include "core/Size.h"
#include "core/String.h"

#include <windows.h>
#include <commctrl.h>
#include <memory>

class CDC;
class CMenu;
class CWnd;
class CWTKImageStrip;
class CWTKToolBar;
class CWTKToolBarInfo;
class COleDataObject;
class COleDataSource;

// Checked or pressed: the button is drawn pushed in.
constexpr UINT kButtonStylePushed = TBBS_CHECKED | TBBS_PRESSED;

// Schema of stored buttons: 1, versionable, so derived buttons can grow their records.
constexpr UINT kToolbarButtonSchema = VERSIONABLE_SCHEMA | 1;

class CWTKToolbarButton : public CObject, public CWTKToolbarButtonInfo, public CWTKButtonLookInfo {
    DECLARE_SERIAL(CWTKToolbarButton)

public:
    CWTKToolbarButton();
    CWTKToolbarButton(UINT uiID, int iImage, LPCSTR lpszText = nullptr, BOOL bUserButton = FALSE, BOOL bLocked = FALSE);
    ~CWTKToolbarButton() override;
    CWTKToolbarButton(const CWTKToolbarButton&) = delete;
    CWTKToolbarButton& operator=(const CWTKToolbarButton&) = delete;

    void Serialize(CArchive& ar) override;

    // The button's operations, in their fixed order.
    virtual BOOL CanBeDropped(CWTKToolBar* pToolbar);
    virtual void CopyFrom(const CWTKToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    // TRUE when the button handled the press itself.
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    // TRUE when the button handled the release and no command is to be sent.
    virtual BOOL OnClickUp();
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    // Gives a menu button (a derived class) the command's tooltip text when this button has none.
    virtual BOOL ExportToMenuButton(CWTKToolbarButton& menuButton) const;
    // Places the hosted control in the button's rectangle.
    virtual void OnMove();
    virtual void OnSize(int iSize);
    // The window of a control hosted by the button.
    virtual HWND GetHwnd();
    virtual BOOL CanBeStretched() const;
    virtual BOOL NotifyCommand(int iNotifyCode);
    // Takes the state of another button with the same command.
    virtual void TakeStateFrom(const CWTKToolbarButton& src);
    virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor);
    virtual void OnDblClk(CWnd* pWnd);
    // The button is written when its bar is archived.
    virtual BOOL CanBeStored() const;
    // The button draws its border through the look (menu buttons draw their own).
    virtual BOOL HasLookBorder() const;
    virtual void OnCancelMode();
    virtual void OnGlobalFontsChanged();
    virtual BOOL IsCustomizable() const;
    // A press opens the button's popup without delay.
    virtual BOOL IsPopupOnPress() const;
    // Prepares the button context menu itself; TRUE when done.
    virtual BOOL OnCustomizeMenu(CMenu* pPopup);
    // Image and text of a menu-style item; the width used.
    virtual int DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight = FALSE);
    virtual BOOL IsDroppedDown() const;
    // The button can be dragged in customise mode.
    virtual BOOL CanBeDragged() const;
    // The tooltip the top-level frame of pWnd (of the active popup without a window) supplies
    // through its tooltip hook: its answer, 0 when it supplies none or is no toolkit frame.
    virtual INT_PTR OnToolHitTest(const CWnd* pWnd, TTTOOLINFOA* pTI);
    // Closes the whole popup chain the button opened.
    virtual void CloseAllPopups();
    // Shows or hides the hosted control.
    virtual void OnShow(BOOL bShow);
    virtual const CRect GetRect() const { return m_rect; }
    virtual void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    virtual void ResetImageToDefault();
    // Same command id; text and images are not compared.
    virtual BOOL CompareWith(const CWTKToolbarButton& other) const { return m_nID == other.m_nID; }
    virtual void EnableWindow(BOOL bEnable = TRUE);
    virtual BOOL IsWindowVisible();
    virtual BOOL IsOwnerOf(HWND hwnd);
    virtual BOOL HasFocus() const;
    virtual void SetImage(int iImage);
    // Repaints after the button's popup closed.
    virtual void OnPopupClosed();
    // The parent bar asks the look for an extra border round the button.
    virtual BOOL IsExtraSize() const { return m_bExtraSize; }

    // What the look reads of the button.
    UINT GetStyle() const override { return m_nStyle; }
    Kind GetKind() const override { return kindPlain; }
    BOOL IsEnabledInCustomizeMode() const override { return TRUE; }
    const CWTKToolBarInfo* GetParentToolBar() const override { return m_pParentBar; }
    BOOL IsHorizontalLayout() const override { return m_bHorz; }

    // The image in effect (user or standard by the user-image flag); -1 for none.
    int GetImage() const { return m_bUserButton ? m_iUserImage : m_iImage; }
    BOOL IsLocked() const { return m_bLocked; }
    BOOL IsHidden() const { return m_bIsHidden; }
    void SetHidden(BOOL bHidden) { m_bIsHidden = bHidden; }
    void SetRect(const CRect& rect) { m_rect = rect; }
    BOOL IsHorizontal() const { return m_bHorz; }
    BOOL IsSeparator() const { return (m_nStyle & TBBS_SEPARATOR) != 0; }

    // Fills the frame of the button through the look (nothing with the no-fill flag).
    void DrawFrame(CDC* pDC, const CRect& rect, BOOL bHighlight);

    // Drag data: the process's clipboard format for buttons, "WTKToolbarButton%lx" with the
    // module handle.
    static CLIPFORMAT GetClipboardFormat();
    // Writes the button into the data source under the clipboard format; FALSE on failure
    // (nothing is left cached then).
    BOOL PrepareDrag(COleDataSource& srcItem);
    // A new button read from the data object, or null when the data has no button, is damaged
    // or names a class that is not a button.
    static std::unique_ptr<CWTKToolbarButton> CreateFromOleData(COleDataObject* pDataObject);

    // Index of the "&" that marks the mnemonic letter, or -1 ("&&" and a trailing "&" mark
    // nothing).
    static int FindMnemonicIndex(const CString& str);
    // The text without its mnemonic marks ("&&" stands for one "&"; other "&" are dropped).
    static CString RemoveMnemonicMarks(const CString& str);

    // Buttons record the images they are given with the command manager (on by default; the
    // workspace switches it off while it loads saved state).
    static void SetRecordImages(BOOL bRecord) { m_bRecordImages = bRecord; }
    static BOOL IsRecordImages() { return m_bRecordImages; }
    // Text labels wrap between words (no setter in this program).
    static BOOL m_bWrapText;

    BOOL m_bUserButton = FALSE;
    UINT m_nID = 0;
    UINT m_nStyle = 0;
    CString m_strText;
    BOOL m_bText = FALSE;
    BOOL m_bImage = TRUE;
    BOOL m_bWrap = FALSE;
    BOOL m_bWholeText = TRUE;  // measure flag, set by popup menu item bars while they measure
    BOOL m_bTextBelow = FALSE;
    CString m_strTextCustom;
    BOOL m_bDragFromCollection = FALSE;  // moved-from-bar flag
    CRect m_rect;

protected:
    int m_iImage = -1;
    int m_iUserImage = -1;
    BOOL m_bLocked = FALSE;
    BOOL m_bIsHidden = FALSE;
    int m_nLabelWidth = 0;
    int m_nLabelHeight = 0;

public:
    BOOL m_bDisableFill = FALSE;

protected:
    BOOL m_bExtraSize = FALSE;
    BOOL m_bHorz = TRUE;
    // The toolbar the button was last placed on (set by OnChangeParentWnd), for the look.
    const CWTKToolBarInfo* m_pParentBar = nullptr;

private:
    static BOOL m_bRecordImages;
};
