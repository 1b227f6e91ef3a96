// One row of the property list: a named value (a variant) or a group of sub-properties. A
// property knows its rows' rectangles, draws its name and value, and opens the in-place editor
// of its value: a plain edit, a drop-down list of options, or an edit with a button at the row's
// right end whose operation derived properties (colour, font, file) override.
//
//     CWTKProp* pGroup = new CWTKProp("Appearance");
//     pGroup->AddSubItem(new CWTKProp("Caption", "Hello", "The window's caption"));
//     list.AddProperty(pGroup);
#pragma once

#include "core/Object.h"
#include "core/Rect.h"
#include "core/String.h"

#include <oleauto.h>
#include <windows.h>

#include <vector>

class CDC;
class CWnd;
class CWTKPropList;

// Areas a hit test reports.
enum WTKPropArea { kWTKPropAreaExpandBox = 0, kWTKPropAreaName = 1, kWTKPropAreaValue = 2 };

class CWTKProp : public CObject {
    DECLARE_DYNAMIC(CWTKProp)
    friend class CWTKPropList;

public:
    // A group.
    explicit CWTKProp(const CString& strGroupName, DWORD_PTR dwData = 0);
    // A value. VT_BSTR, VT_BOOL, VT_I2, VT_I4, VT_UI2, VT_UI4, VT_R4 and VT_R8 are edited as text.
    CWTKProp(const CString& strName, const VARIANT& varValue, LPCSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);
    // A text value.
    CWTKProp(const CString& strName, LPCSTR lpszValue, LPCSTR lpszDescr = nullptr, DWORD_PTR dwData = 0);
    ~CWTKProp() override;
    CWTKProp(const CWTKProp&) = delete;
    CWTKProp& operator=(const CWTKProp&) = delete;

    // Sub-items: the property takes ownership. A value property may hold sub-items too.
    void AddSubItem(CWTKProp* pProp);
    int GetSubItemsCount() const { return static_cast<int>(m_lstSubItems.size()); }
    CWTKProp* GetSubItem(int nIndex) const;
    CWTKProp* GetParent() const { return m_pParent; }
    // Options offered in a drop-down list; with bAllowEdit FALSE only they can be chosen.
    void AddOption(LPCSTR lpszOption);
    void AllowEdit(BOOL bAllow = TRUE) { m_bAllowEdit = bAllow; }
    void Enable(BOOL bEnable = TRUE) { m_bEnabled = bEnable; }

    const CString& GetName() const { return m_strName; }
    const CString& GetDescription() const { return m_strDescr; }
    const VARIANT& GetValue() const { return m_varValue; }
    void SetValue(const VARIANT& varValue);
    // A VT_BOOL value becomes VARIANT_TRUE or 0; VT_I4 and VT_ERROR take the integer; any other
    // type is cleared and becomes VT_I4.
    void SetValue(int nValue);
    DWORD_PTR GetData() const { return m_dwData; }

    BOOL IsGroup() const { return m_bGroup; }
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL IsEnabled() const { return m_bEnabled; }
    BOOL IsAllowEdit() const { return m_bAllowEdit; }
    BOOL IsInPlaceEditing() const { return m_bInPlaceEdit; }
    BOOL IsSelected() const;
    // TRUE when every ancestor is expanded.
    BOOL IsParentExpanded() const;
    BOOL HasValue() const { return !m_bGroup || m_varValue.vt != VT_EMPTY; }
    // The value can be edited in place (and its button used).
    virtual BOOL IsEditable() const { return m_bEnabled && HasValue(); }
    // A button at the row's right end while selected.
    virtual BOOL HasButton() const { return !m_lstOptions.empty(); }

    // Stores the flag and repaints the list from this row down.
    void Expand(BOOL bExpand = TRUE);
    // The property under the point (this one or an expanded sub-item) and the area hit.
    CWTKProp* HitTest(CPoint point, int* pnArea = nullptr);

    CRect GetRect() const { return m_rect; }
    CRect GetValueRect() const { return m_rectValue; }
    CRect GetButtonRect() const { return m_rectButton; }
    // The in-place button at the right end of the row (nothing for a row without a button).
    void PlaceButton();
    CWnd* GetInPlaceWnd() const { return m_pWndInPlace; }

    // The value as the list shows it.
    virtual CString FormatProperty();
    // Reads the in-place editor's text back into the value; FALSE when the text is refused.
    virtual BOOL OnUpdateValue();
    // Drawing, in list coordinates.
    virtual void OnDrawName(CDC* pDC, CRect rect);
    virtual void OnDrawValue(CDC* pDC, CRect rect);
    virtual void OnDrawExpandBox(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect);
    virtual void OnDrawDescription(CDC* pDC, CRect rect);

    // Editing: opens the in-place editor; ends it (the caller reads the value first).
    virtual BOOL OnEdit(LPPOINT lptClick);
    virtual BOOL OnEndEdit();
    // The button's operation: a drop-down list opens its options.
    virtual void OnClickButton(CPoint point);
    // A press in the value area goes on to the in-place window; FALSE keeps it back.
    virtual BOOL OnClickValue(UINT uiMsg, CPoint point);
    virtual void OnClickName(CPoint) {}
    virtual void OnRClickName(CPoint) {}
    virtual void OnRClickValue(CPoint, BOOL) {}
    virtual BOOL OnDblClick(CPoint) { return FALSE; }
    virtual void OnSelectCombo();
    virtual void OnCloseCombo() {}
    // A character typed on the list while the property is selected.
    virtual BOOL PushChar(UINT nChar);
    virtual HBRUSH OnCtlColor(CDC*, UINT) { return nullptr; }
    virtual BOOL OnSetCursor() const { return FALSE; }
    // Whether losing the focus to pNewWnd may end editing.
    virtual BOOL OnKillFocus(CWnd*) { return TRUE; }
    virtual CString GetNameTooltip() { return CString(); }
    virtual CString GetValueTooltip() { return CString(); }

protected:
    // Positions this row (when visible) and then its sub-items from the running top y.
    void Reposition(int& y);
    // Puts the property, or for a group its sub-items, into the sorted list.
    void AddToSortedList(std::vector<CWTKProp*>& lst);
    // The in-place edit for the value; derived properties may make another window.
    virtual CWnd* CreateInPlaceEdit(CRect rectEdit, BOOL& bDefaultFormat);
    virtual CString GetValueText() const;
    // Sets the value from a text in the current type; FALSE when the text does not parse.
    BOOL TextToVar(const CString& strText);
    void RedrawValue();
    void SetOwnerList(CWTKPropList* pWndList);
    // Empties this row's rectangles and its sub-items' (rows the current view doesn't show).
    void ResetRects();
    void DestroyInPlaceWnd();
    // The in-place editor is open and has its window.
    BOOL HasInPlaceWnd() const;

    CString m_strName;
    CString m_strDescr;
    VARIANT m_varValue {};
    DWORD_PTR m_dwData = 0;
    std::vector<CWTKProp*> m_lstSubItems;
    std::vector<CString> m_lstOptions;
    CWTKProp* m_pParent = nullptr;
    CWTKPropList* m_pWndList = nullptr;
    BOOL m_bGroup = FALSE;
    BOOL m_bExpanded = TRUE;
    BOOL m_bEnabled = TRUE;
    BOOL m_bAllowEdit = TRUE;
    BOOL m_bInPlaceEdit = FALSE;
    CRect m_rect;
    CRect m_rectValue;
    CRect m_rectButton;
    CWnd* m_pWndInPlace = nullptr;  // owned while editing
};
