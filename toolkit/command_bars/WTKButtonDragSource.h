// CWTKButtonDragSource: the drop source of every toolbar button drag (customise mode): shows
// the delete, move and copy cursors for the effect the target answers.
#pragma once
#include "ole/OleDropSource.h"

class CWTKButtonDragSource : public COleDropSource {
public:
    CWTKButtonDragSource() = default;
    ~CWTKButtonDragSource() override;

    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;
    SCODE GiveFeedback(DROPEFFECT dropEffect) override;
    BOOL OnBeginDrag(CWnd* pWnd) override;

    // Loads the three cursors unless they are loaded (the first drag does it).
    void LoadCursors();

    BOOL m_bDeleteOnDrop = TRUE;
    BOOL m_bEscapePressed = FALSE;
    BOOL m_bDragStarted = FALSE;
    HCURSOR m_hcurDelete = nullptr;
    HCURSOR m_hcurMove = nullptr;
    HCURSOR m_hcurCopy = nullptr;
};

// The one drag source of the process.
CWTKButtonDragSource& WTKGetButtonDragSource();
