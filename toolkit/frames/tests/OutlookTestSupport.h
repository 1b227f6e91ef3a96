// Shared by the Outlook bar and tasks pane tests: the application, a top-level host that records
// the commands its children send, a toolkit frame for the gallery pictures, and small helpers.
#pragma once
#include "MessagePump.h"

#include "frames/WTKFrameWnd.h"
#include "frames/WTKOutlookBar.h"
#include "frames/WTKTasksPane.h"

#include "core/Point.h"
#include "core/Rect.h"
#include "win/Wnd.h"

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>
#include "Files.h"
#include "ImageStrip.h"
#include "TestHostWnd.h"

class COutlookTestHost : public CTestHostWnd {
public:
    // A visible top-level window with a client area of cx x cy.
    BOOL CreateHost(int cx, int cy, LPCSTR lpszTitle = "Outlook")
    {
        return CTestHostWnd::CreateHost(cx, cy, lpszTitle);
    }
    ~COutlookTestHost() override;

    std::vector<UINT> m_commands;  // WM_COMMAND ids, in order
    std::vector<UINT> m_prompts;   // set-message-string requests, in order

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A toolkit frame that docks the bars it is given; it deletes itself when its window goes.
class COutlookGalleryFrame : public CWTKFrameWnd {
public:
    BOOL CreateGallery(LPCSTR lpszTitle, int cx, int cy);

    CWTKOutlookBar m_wndOutlookBar;
    CWTKTasksPane m_wndTasksPane;
};

// A press and a release at the point, after a move there (client coordinates); then the
// messages they left waiting run.
void ClickAt(CWnd* pWnd, CPoint point);

bool SaveWindowPicture(CWnd* pWnd, const char* name);

inline void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << ")";
}
