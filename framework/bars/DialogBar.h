// CDialogBar: a control bar made from a dialog template; its controls' commands go to the
// owner frame and their states follow the frame's update handlers.
#pragma once
#include "bars/ControlBar.h"

class CDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar() = default;

    BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
    {
        return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
    }
    // The template's size; stretched along the frame with bStretch.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    CSize m_sizeDefault;

protected:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
