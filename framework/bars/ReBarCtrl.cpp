#include "bars/ReBarCtrl.h"

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}
