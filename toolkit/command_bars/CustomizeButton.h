// CCustomizeButton: the end button of a docked toolbar. It lists the buttons that do not fit
// (the toolbar fills its hidden list when it places its buttons) and offers the customise
// command when there is one. It is never stored with the bar; a floating bar gives it no room.
#pragma once
#include "command_bars/WTKToolbarMenuButton.h"

#include "core/ObList.h"

class CWTKToolBar;

class CCustomizeButton : public CWTKToolbarMenuButton {
    DECLARE_SERIAL(CCustomizeButton)

public:
    CCustomizeButton();
    // uiCustomizeCmdId 0: no customise command, the button only lists hidden buttons.
    CCustomizeButton(UINT uiCustomizeCmdId, const CString& strCustomizeText);
    ~CCustomizeButton() override;

    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    void OnCancelMode() override;
    BOOL CanBeStored() const override { return FALSE; }
    BOOL IsCustomizeButton() const override { return TRUE; }
    BOOL IsCustomizable() const override { return FALSE; }
    BOOL CanBeDragged() const override { return FALSE; }
    std::unique_ptr<CWTKPopupMenu> CreatePopupMenu() override;
    // The popup is filled by the button itself.
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }

    UINT GetCustomizeCmdId() const { return m_iCustomizeCmdId; }
    const CString& GetCustomizeText() const { return m_strCustomizeText; }
    // The button carries an entry of its own (the customise command).
    BOOL HasOwnEntries() const { return m_iCustomizeCmdId != 0; }

    // The button takes no room at all (the toolbar marks it so while it has nothing to show).
    void SetCollapsed(BOOL bCollapsed) { m_bIsEmpty = bCollapsed; }
    BOOL IsCollapsed() const { return m_bIsEmpty; }

    // The buttons the toolbar could not place, in order; not owned (they stay the bar's).
    void ResetHiddenButtons();
    void AddHiddenButton(CWTKToolbarButton* pButton);
    const CObList& GetHiddenButtons() const { return m_lstInvisibleButtons; }
    BOOL HasHiddenButtons() const { return !m_lstInvisibleButtons.IsEmpty(); }
    CWTKToolBar* GetParentToolbar() const { return m_pWndParentToolbar; }

protected:
    UINT m_iCustomizeCmdId = 0;
    CString m_strCustomizeText;
    CWTKToolBar* m_pWndParentToolbar = nullptr;
    BOOL m_bIsEmpty = FALSE;
    CObList m_lstInvisibleButtons;
    BOOL m_bPressed = FALSE;  // the two marks that make a cancelled button repaint itself
    BOOL m_bOpened = FALSE;
};
