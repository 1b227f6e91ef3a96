// CWTKToolbarComboBoxButton: a toolbar button that hosts a combo box on a horizontal bar and falls
// back to an ordinary button on a vertical one. The items (strings with 32-bit data), the
// selection and the text live in the button, so they outlive the control's re-creation and are
// archived with the bar; buttons with the same command keep the same text and selection.
#pragma once
#include "command_bars/WTKToolbarButton.h"

#include "core/List.h"
#include "core/StringList.h"

#include <memory>

class CComboBox;

class CWTKToolbarComboBoxButton : public CWTKToolbarButton {
    DECLARE_SERIAL(CWTKToolbarComboBoxButton)

public:
    static constexpr DWORD kDefaultComboStyle =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
    static constexpr int kDefaultWidth = 150;
    static constexpr int kDefaultDropDownHeight = 150;
    // The oldest workspace version whose archives carry the drop-down height is 4.72.
    static constexpr int kDropDownHeightMajor = 4;
    static constexpr int kDropDownHeightMinor = 71;

    CWTKToolbarComboBoxButton();
    // A width of 0 takes the default width.
    CWTKToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle = CBS_DROPDOWNLIST, int iWidth = 0);
    ~CWTKToolbarComboBoxButton() override;

    // ---- The button's operations ----
    // After the button's fields: width, combo style, selected index, text, the drop-down height
    // (when the saved data carries it), then, when the class stores its items, the lists.
    void Serialize(CArchive& ar) override;
    void CopyFrom(const CWTKToolbarButton& src) override;
    void OnDraw(CDC* pDC, const CRect& rect, CWTKImageStrip* pImages, BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE,
                BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    CSize OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    // The press belongs to the control while it is on a horizontal bar.
    BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) override;
    void OnChangeParentWnd(CWnd* pWndParent) override;
    BOOL ExportToMenuButton(CWTKToolbarButton& menuButton) const override;
    void OnMove() override;
    void OnSize(int iSize) override;
    HWND GetHwnd() override;
    BOOL CanBeStretched() const override { return TRUE; }
    // TRUE makes the bar post the command with the notification code.
    BOOL NotifyCommand(int iNotifyCode) override;
    void TakeStateFrom(const CWTKToolbarButton& src) override;
    HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) override;
    BOOL HasLookBorder() const override { return TRUE; }
    void OnGlobalFontsChanged() override;
    int DrawImage(CDC* pDC, CRect rectImage, BOOL bHighlight = FALSE) override;
    void OnShow(BOOL bShow) override;
    void SetStyle(UINT nStyle) override;
    void EnableWindow(BOOL bEnable = TRUE) override;
    BOOL IsWindowVisible() override;
    BOOL HasFocus() const override;

    // ---- Own operations ----
    // A new combo box on the bar with the combo style and the command as its id; null on failure.
    virtual CComboBox* CreateCombo(CWnd* pWndParent, const CRect& rect);
    // The item lists in the archive: the texts (count, then each), then one DWORD per text.
    virtual void SerializeContent(CArchive& ar);
    // Hooks round changes of the item lists.
    virtual void OnAfterChangeItems() {}
    virtual void OnBeforeRemoveItems() {}
    // Another button's selection may follow this one.
    virtual BOOL CanSelectionFollow() const { return TRUE; }

    // Appends an item to the lists and the combo; its index.
    int AddItem(LPCSTR lpszItem, DWORD dwData = 0);
    void RemoveAllItems();
    int GetCount() const { return static_cast<int>(m_lstItems.GetCount()); }
    // Empty (0) for an index outside the items.
    CString GetItem(int iIndex) const;
    DWORD GetItemData(int iIndex) const;
    // FALSE for an index outside the items; with bNotify the change is reported as a selection.
    BOOL SelectItem(int iIndex, BOOL bNotify = TRUE);
    int GetCurSel() const { return m_iSelIndex; }
    const CString& GetText() const { return m_strEdit; }
    CComboBox* GetComboBox() const { return m_pWndCombo.get(); }
    DWORD GetComboStyle() const { return m_dwStyle; }
    int GetWidth() const { return m_iWidth; }
    int GetDropDownHeight() const { return m_nDropDownHeight; }
    void SetDropDownHeight(int nHeight);
    // The item lists are archived (on by default).
    BOOL IsStoreItems() const { return m_bSerializeContent; }
    BOOL IsHighlighted() const { return m_bIsHotEdit; }

    // The workspace's version record says the archives carry the drop-down height.
    static BOOL IsDropDownHeightStored();

protected:
    // The archive does not say whether the lists follow: a class that fills its items at run
    // time switches storing off in its constructor, so the button re-created by name when an
    // archive is read agrees with the one that wrote it.
    void SetStoreItems(BOOL bStore) { m_bSerializeContent = bStore; }

    DWORD m_dwStyle = kDefaultComboStyle;
    std::unique_ptr<CComboBox> m_pWndCombo;
    CStringList m_lstItems;
    CList<DWORD, DWORD> m_lstItemData;
    int m_iWidth = kDefaultWidth;
    int m_iSelIndex = -1;
    BOOL m_bSerializeContent = TRUE;
    BOOL m_bHorz = TRUE;
    CString m_strEdit;
    CRect m_rectCombo;
    int m_nDropDownHeight = kDefaultDropDownHeight;
    BOOL m_bIsHotEdit = FALSE;

private:
    void DestroyCombo();
    BOOL HasCombo() const;
    // The lists become the combo's items (text and data) and its selection.
    void RebuildListsFromCombo();
    // The combo's items become the lists' and its selection the kept one.
    void FillComboFromLists();
    // The text shown in the combo (its edit part, for an editable combo).
    void SetComboText(const CString& str);
    void CopyStateFrom(const CWTKToolbarComboBoxButton& src);
    BOOL HasLabel() const { return m_bTextBelow && m_bHorz && !m_strText.IsEmpty(); }
};
