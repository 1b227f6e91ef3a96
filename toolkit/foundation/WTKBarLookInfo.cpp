#include "foundation/WTKBarLookInfo.h"
#include "foundation/WTKBarInfo.h"
#include "foundation/WTKToolBarInfo.h"
#include "foundation/WTKToolbarButtonInfo.h"

const CWTKBarLookInfo* CWTKBarLookInfo::Of(const CWTKBarInfo* pBar)
{
    return dynamic_cast<const CWTKBarLookInfo*>(pBar);
}

CWTKBarLookInfo::Kind CWTKBarLookInfo::KindOf(const CWTKBarInfo* pBar)
{
    const CWTKBarLookInfo* pInfo = Of(pBar);
    return pInfo != nullptr ? pInfo->GetLookKind() : kindDockBar;
}

BOOL CWTKBarLookInfo::IsInPopupMenu(const CWTKToolbarButtonInfo* pButton)
{
    return pButton != nullptr && KindOf(pButton->GetParentToolBar()) == kindPopupMenuBar;
}
