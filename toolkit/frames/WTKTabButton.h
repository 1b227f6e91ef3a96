// CWTKTabButton: a tab window's scroll, first, last and close button: an owner-drawn button
// whose background and border the current look draws as a tab button.
#pragma once

#include "frames/WTKButton.h"

class CWTKTabWnd;

class CWTKTabButton : public CWTKButton {
    DECLARE_DYNCREATE(CWTKTabButton)

public:
    CWTKTabButton() = default;

    void SetTabWnd(CWTKTabWnd* pTabWnd) { m_pTabWnd = pTabWnd; }
    CWTKTabWnd* GetTabWnd() const { return m_pTabWnd; }

    void OnFillBackground(CDC* pDC, const CRect& rectClient) override;
    void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;

protected:
    CWTKTabWnd* m_pTabWnd = nullptr;
};
