#include "command_bars/WTKButtonDragSource.h"

#include "command_bars/res/WTKCommandBarsRes.h"

CWTKButtonDragSource::~CWTKButtonDragSource()
{
    // Cursors loaded from resources are shared and need no destroying.
}

void CWTKButtonDragSource::LoadCursors()
{
    if (m_hcurDelete)
        return;
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    m_hcurDelete = ::LoadCursorA(hInst, MAKEINTRESOURCEA(IDC_WTK_DRAG_DELETE));
    m_hcurMove = ::LoadCursorA(hInst, MAKEINTRESOURCEA(IDC_WTK_DRAG_MOVE));
    m_hcurCopy = ::LoadCursorA(hInst, MAKEINTRESOURCEA(IDC_WTK_DRAG_COPY));
}

SCODE CWTKButtonDragSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (m_bDeleteOnDrop && m_hcurDelete)
        ::SetCursor(m_hcurDelete);
    m_bEscapePressed = bEscapePressed;
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}

SCODE CWTKButtonDragSource::GiveFeedback(DROPEFFECT dropEffect)
{
    // The scroll bit rides along with the real effect.
    const DROPEFFECT effect = dropEffect & ~DROPEFFECT_SCROLL;
    HCURSOR hcur = effect == DROPEFFECT_COPY ? m_hcurCopy : effect == DROPEFFECT_MOVE ? m_hcurMove : m_hcurDelete;
    if (!hcur)
        return COleDropSource::GiveFeedback(dropEffect);
    ::SetCursor(hcur);
    return S_OK;
}

BOOL CWTKButtonDragSource::OnBeginDrag(CWnd* pWnd)
{
    LoadCursors();
    m_bDragStarted = TRUE;
    return COleDropSource::OnBeginDrag(pWnd);
}

CWTKButtonDragSource& WTKGetButtonDragSource()
{
    static CWTKButtonDragSource source;
    return source;
}
