// CMainFrame: the viewer's one top-level window. It hosts the menu bar, the standard toolbar
// with the search box and the Back and Forward drop-downs, the status bar, the caption bar
// naming the documentation and the content bar, and it owns showing a topic.
#pragma once
#include "frames/WTKFrameWnd.h"

class CMainFrame : public CWTKFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    ~CMainFrame() override;

    // Asks the content module for the topic's page address and navigates the active view to it.
    void ShowTopic(int nTopic);

protected:
    DECLARE_MESSAGE_MAP()
};
