#include "command_bars/WTKButtonDropTarget.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarButton.h"

#include "ole/OleDataObject.h"

BOOL CWTKButtonDropTarget::Register(CWnd* pWnd, CWTKButtonDropSite* pOwner)
{
    m_pOwner = pOwner;
    return COleDropTarget::Register(pWnd);
}

BOOL CWTKButtonDropTarget::IsDropAllowed(COleDataObject* pDataObject)
{
    return WTKIsCustomizeMode() && pDataObject && pDataObject->IsDataAvailable(CWTKToolbarButton::GetClipboardFormat());
}

DROPEFFECT CWTKButtonDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_pOwner || !IsDropAllowed(pDataObject))
        return DROPEFFECT_NONE;
    return m_pOwner->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CWTKButtonDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (!m_pOwner || !IsDropAllowed(pDataObject))
        return DROPEFFECT_NONE;
    return m_pOwner->OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CWTKButtonDropTarget::OnDropEx(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                          DROPEFFECT dropList, CPoint point)
{
    if (!m_pOwner || !IsDropAllowed(pDataObject))
        return DROPEFFECT_NONE;
    // Only an effect the source allows can be reported back to it.
    const DROPEFFECT dropEffect = dropDefault & dropList & (DROPEFFECT_COPY | DROPEFFECT_MOVE);
    if (dropEffect == DROPEFFECT_NONE)
        return DROPEFFECT_NONE;
    return m_pOwner->OnDrop(pDataObject, dropEffect, point) ? dropEffect : DROPEFFECT_NONE;
}

void CWTKButtonDropTarget::OnDragLeave(CWnd*)
{
    if (m_pOwner)
        m_pOwner->OnDragLeave();
}
