#include "customisation/ButtonImageToolBar.h"

void CButtonImageToolBar::SetStyleBits(UINT nID, UINT nBits, BOOL bOn)
{
    const int nIndex = CommandToIndex(nID);
    if (nIndex < 0)
        return;
    const UINT nOld = GetButtonStyle(nIndex);
    const UINT nNew = bOn ? (nOld | nBits) : (nOld & ~nBits);
    if (nNew != nOld)
        SetButtonStyle(nIndex, nNew);
}

void CButtonImageToolBar::SetCheck(UINT nID, BOOL bCheck)
{
    SetStyleBits(nID, TBBS_CHECKED, bCheck);
}

void CButtonImageToolBar::EnableButton(UINT nID, BOOL bEnable)
{
    SetStyleBits(nID, TBBS_DISABLED, !bEnable);
}

BOOL CButtonImageToolBar::IsChecked(UINT nID) const
{
    const int nIndex = CommandToIndex(nID);
    return nIndex >= 0 && (GetButtonStyle(nIndex) & TBBS_CHECKED) != 0;
}

BOOL CButtonImageToolBar::IsEnabled(UINT nID) const
{
    const int nIndex = CommandToIndex(nID);
    return nIndex >= 0 && (GetButtonStyle(nIndex) & TBBS_DISABLED) == 0;
}
