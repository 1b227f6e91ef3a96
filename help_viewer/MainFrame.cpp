#include "MainFrame.h"

IMPLEMENT_DYNCREATE(CMainFrame, CWTKFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CWTKFrameWnd)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

void CMainFrame::ShowTopic(int /*nTopic*/)
{
}
