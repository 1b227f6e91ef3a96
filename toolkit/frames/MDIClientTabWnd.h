// CMDIClientTabWnd: the tab window of the MDI client area. Its tabs stand for MDI child frames,
// which the MDI client places, shows and activates itself: selecting a tab here never shows,
// hides, moves or focuses a child (showing a maximised child "normally" would restore it), it
// only marks the tab; the frame activates the child when it hears of the change.
#pragma once
#include "frames/WTKTabWnd.h"

class CMDIClientTabWnd : public CWTKTabWnd {
public:
    CMDIClientTabWnd();

    // A tab for pChild at the end, made the active tab; the other children stay as they are.
    void AddChildTab(CWnd* pChild, LPCSTR lpszLabel, UINT uiImage);

    BOOL SetActiveTab(int iTab) override;
};
