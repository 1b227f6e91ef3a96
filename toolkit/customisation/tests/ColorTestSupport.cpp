#include "ColorTestSupport.h"

#include "Canvas.h"
#include "Files.h"

#include "customisation/WTKColorMenuButton.h"

#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKGlobalData.h"

#include "win/CmdUI.h"
#include "win/MessageMap.h"
#include "win/WinApp.h"

#include <map>
#include <memory>

namespace {

class CColorTestApp : public CWinApp {
public:
    CColorTestApp() : CWinApp("WTKColorTests") {}
};
CColorTestApp theApp;

constexpr DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY;

}  // namespace

// ---- Host ----

BEGIN_MESSAGE_MAP(CColorTestHost, CWnd)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
END_MESSAGE_MAP()

std::vector<ColourEvent> CColorTestHost::EventsOf(UINT message) const
{
    std::vector<ColourEvent> result;
    for (const ColourEvent& e : m_events) {
        if (e.message == message)
            result.push_back(e);
    }
    return result;
}

BOOL CColorTestHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WM_COMMAND, wParam, lParam});
    return TRUE;
}

LRESULT CColorTestHost::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    m_events.push_back({WM_SETMESSAGESTRING, wParam, lParam});
    return 0;
}

// ---- Frame ----

BEGIN_MESSAGE_MAP(CColorTestFrame, CWTKFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_COLOUR_TEXT, OnTextColour)
    ON_COMMAND(ID_COLOUR_FILL, OnFillColour)
    ON_COMMAND(ID_COLOUR_NO_UPDATE, OnNoUpdateColour)
    ON_UPDATE_COMMAND_UI(ID_COLOUR_TEXT, OnUpdateTextColour)
    ON_UPDATE_COMMAND_UI(ID_COLOUR_FILL, OnUpdateFillColour)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_GETDOCUMENTCOLORS, OnGetDocumentColors)
END_MESSAGE_MAP()

int CColorTestFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!m_wndToolBar.CreateEx(this, CWTKToolBar::kFlatStyle, kToolbarStyle, CRect(1, 1, 1, 1), IDW_COLOUR_TOOLBAR))
        return -1;
    m_wndToolBar.SetWindowText("Format");
    CWTKColorMenuButton text(ID_COLOUR_TEXT, "Text Colour");
    text.EnableAutomaticButton("Automatic", RGB(0, 0, 0));
    text.EnableOtherButton("More Colors...");
    text.EnableDocumentColors("Document's Colors");
    text.m_bText = TRUE;
    m_wndToolBar.InsertButton(text);
    CWTKColorMenuButton fill(ID_COLOUR_FILL, "Fill Colour");
    fill.m_bText = TRUE;
    m_wndToolBar.InsertButton(fill);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    return 0;
}

void CColorTestFrame::OnTextColour()
{
    m_commands.push_back(ID_COLOUR_TEXT);
}

void CColorTestFrame::OnFillColour()
{
    m_commands.push_back(ID_COLOUR_FILL);
}

void CColorTestFrame::OnUpdateTextColour(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CColorTestFrame::OnUpdateFillColour(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bFillEnabled);
}

LRESULT CColorTestFrame::OnGetDocumentColors(WPARAM /*wParam*/, LPARAM lParam)
{
    auto* pList = reinterpret_cast<CWTKColorList*>(lParam);
    for (COLORREF color : m_docColors)
        pList->AddTail(color);
    return 0;
}

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
    PumpPending();
}

CColorTestFrame* CreateColorFrame()
{
    auto* pFrame = new CColorTestFrame;
    if (!pFrame->LoadFrame(IDR_COLOUR_TEST, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
        if (pFrame->GetSafeHwnd() == nullptr)
            delete pFrame;
        return nullptr;
    }
    pFrame->SetWindowPos(nullptr, 20, 20, 480, 360, SWP_NOZORDER);
    pFrame->ShowWindow(SW_SHOWNORMAL);
    pFrame->UpdateWindow();
    RunIdle();
    pFrame->RecalcLayout();
    RunIdle();
    return pFrame;
}

void CloseColourFrame(CColorTestFrame* pFrame)
{
    if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
        pFrame->SendMessage(WM_CLOSE);
    RunIdle();
}

// ---- Scripted dialog ----

ScriptedColourDialog* ScriptedColourDialog::s_pActive = nullptr;

ScriptedColourDialog::ScriptedColourDialog(Answer answer) : m_answer(std::move(answer))
{
    s_pActive = this;
    m_pfnOld = WTKSetColorDialogFunction(&ScriptedColourDialog::Open);
}

ScriptedColourDialog::~ScriptedColourDialog()
{
    WTKSetColorDialogFunction(m_pfnOld);
    s_pActive = nullptr;
}

BOOL ScriptedColourDialog::Open(CWnd* /*pParentWnd*/, BOOL bStandardDialog, COLORREF colorInit, CPalette* /*pPalette*/,
                                COLORREF& colorResult)
{
    if (s_pActive == nullptr)
        return FALSE;
    s_pActive->m_calls.push_back({bStandardDialog, colorInit});
    return s_pActive->m_answer(colorInit, colorResult);
}

// ---- Helpers ----

namespace {

int g_nScreenBits = 0;

int ScriptedScreenBits()
{
    return g_nScreenBits;
}

}  // namespace

// Through the global record's source, so that a refresh of the system colours keeps the depth.
ScreenDepth::ScreenDepth(int nBits) : m_nOld(WTKGetGlobalData().nBitsPerPixel)
{
    g_nScreenBits = nBits;
    WTKGlobalDataSources sources = WTKDefaultGlobalDataSources();
    sources.screenBitsPerPixel = ScriptedScreenBits;
    WTKSetGlobalDataSources(sources);
    WTKGetGlobalData().UpdateSysColors();
}

ScreenDepth::~ScreenDepth()
{
    WTKSetGlobalDataSources(WTKDefaultGlobalDataSources());
    WTKGetGlobalData().UpdateSysColors();
}

const CWTKColorArray& MakeColours(int n)
{
    // Arrays cannot be copied: one per size, made on first use.
    static std::map<int, std::unique_ptr<CWTKColorArray>> palettes;
    std::unique_ptr<CWTKColorArray>& pColours = palettes[n];
    if (!pColours) {
        pColours = std::make_unique<CWTKColorArray>();
        for (int i = 0; i < n; i++)
            pColours->Add(RGB((i * 37) % 256, (i * 91 + 40) % 256, (i * 13 + 7) % 256));
    }
    return *pColours;
}

void ClickAt(CWnd* pWnd, CPoint point, UINT nFlags)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | nFlags, lParam);
    if (::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->SendMessage(WM_LBUTTONUP, nFlags, lParam);
}

std::string ColourScreenshotPath(const char* name)
{
    return ScreenshotFolder() + "\\" + name;
}

bool SaveScreenPng(const CRect& rectScreen, const char* name)
{
    Canvas shot(rectScreen.Width(), rectScreen.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectScreen.Width(), rectScreen.Height(), hScreen, rectScreen.left, rectScreen.top,
             SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    return shot.WritePng(ColourScreenshotPath(name));
}

CRect ScreenRectOf(HWND hWnd)
{
    RECT rect = {0, 0, 0, 0};
    ::GetWindowRect(hWnd, &rect);
    return CRect(rect);
}
