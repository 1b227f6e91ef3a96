// CWTKTabInfo: one tab of a tab window: its label, image, id, visibility, rectangle, the child
// window it shows and its colours.
#pragma once

#include "core/Rect.h"
#include "core/String.h"

#include <windows.h>

class CWnd;

class CWTKTabInfo {
public:
    CWTKTabInfo(const CString& strText, UINT uiIcon, CWnd* pWnd, int iTabID);
    virtual ~CWTKTabInfo() = default;
    CWTKTabInfo(const CWTKTabInfo&) = delete;
    CWTKTabInfo& operator=(const CWTKTabInfo&) = delete;

    CString m_strText;
    UINT m_uiIcon;  // (UINT)-1: no image
    int m_iTabID;
    BOOL m_bVisible = TRUE;
    CRect m_rect;
    CWnd* m_pWnd;
    BOOL m_bIsListView = FALSE;  // the child is a list view: the shared scroll bar scrolls it
    int m_nFullWidth = 0;
    COLORREF m_clrText = static_cast<COLORREF>(-1);
    COLORREF m_clrBack = static_cast<COLORREF>(-1);
    BOOL m_bIconOnly = FALSE;  // the label is neither drawn nor measured
};
