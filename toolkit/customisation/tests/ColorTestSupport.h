// Shared by the colour tests: the application, a host window that records the commands and
// prompts it is sent, a toolkit frame with a toolbar of colour menu buttons that answers the
// document-colours question, a scripted colour dialog and small pixel helpers.
#pragma once
#include "ArchiveBytes.h"
#include "ColorTestIds.h"
#include "MessagePump.h"

#include "customisation/WTKColorBar.h"
#include "customisation/WTKColorDialogSeam.h"

#include "command_bars/WTKToolBar.h"
#include "frames/WTKFrameWnd.h"

#include "core/Archive.h"
#include "core/Rect.h"
#include "win/Wnd.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>
#include "TestHostWnd.h"

// One message a child sent to the host.
struct ColourEvent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CColorTestHost : public CTestHostWnd {
public:
    // A visible top-level window with a client area of cx x cy.
    BOOL CreateHost(int cx, int cy, LPCSTR lpszTitle = "Colours")
    {
        return CTestHostWnd::CreateHost(cx, cy, lpszTitle);
    }
    std::vector<ColourEvent> m_events;
    std::vector<ColourEvent> EventsOf(UINT message) const;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A toolkit frame with one toolbar holding a colour menu button for ID_COLOUR_TEXT and one for
// ID_COLOUR_FILL. It handles both commands (and their updates; the fill colour as
// m_bFillEnabled says), ID_COLOUR_NO_UPDATE without an update handler, and answers the
// document colours question with m_docColors.
class CColorTestFrame : public CWTKFrameWnd {
public:
    CWTKToolBar m_wndToolBar;
    std::vector<COLORREF> m_docColors;
    std::vector<UINT> m_commands;
    BOOL m_bFillEnabled = TRUE;

protected:
    int OnCreate(LPCREATESTRUCTA lpcs);
    void OnTextColour();
    void OnFillColour();
    void OnNoUpdateColour() {}
    void OnUpdateTextColour(CCmdUI* pCmdUI);
    void OnUpdateFillColour(CCmdUI* pCmdUI);
    LRESULT OnGetDocumentColors(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

CColorTestFrame* CreateColorFrame();
void CloseColourFrame(CColorTestFrame* pFrame);
void RunIdle();

// Scripts the colour dialog seam for the life of the object: every call is recorded and
// answered by the function (TRUE with a colour, or FALSE for Cancel).
struct ColourDialogCall {
    BOOL bStandard;
    COLORREF colorInit;
};
class ScriptedColourDialog {
public:
    using Answer = std::function<BOOL(COLORREF colorInit, COLORREF& colorResult)>;
    explicit ScriptedColourDialog(Answer answer);
    ~ScriptedColourDialog();
    ScriptedColourDialog(const ScriptedColourDialog&) = delete;
    ScriptedColourDialog& operator=(const ScriptedColourDialog&) = delete;

    std::vector<ColourDialogCall> m_calls;

private:
    static BOOL Open(CWnd* pParentWnd, BOOL bStandardDialog, COLORREF colorInit, CPalette* pPalette,
                     COLORREF& colorResult);
    Answer m_answer;
    WTKColorDialogFn m_pfnOld;
    static ScriptedColourDialog* s_pActive;
};

// The screen's bits per pixel as the toolkit sees them, for the life of the object.
class ScreenDepth {
public:
    explicit ScreenDepth(int nBits);
    ~ScreenDepth();
    ScreenDepth(const ScreenDepth&) = delete;
    ScreenDepth& operator=(const ScreenDepth&) = delete;

private:
    int m_nOld;
};

// A palette of n distinct colours.
const CWTKColorArray& MakeColours(int n);
// Clicks at a client point of the window (press and release, sent).
void ClickAt(CWnd* pWnd, CPoint point, UINT nFlags = 0);
// Where a test saves a picture for a person to look at.
std::string ColourScreenshotPath(const char* name);
// A copy of a screen area saved as a PNG.
bool SaveScreenPng(const CRect& rectScreen, const char* name);
CRect ScreenRectOf(HWND hWnd);
