#include "CustomizeTestFrame.h"

#include "Canvas.h"
#include "Files.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolbarButton.h"
#include "command_bars/WTKToolbarMessages.h"

#include "foundation/WTKUserSignals.h"

#include "docview/Document.h"
#include "docview/MultiDocTemplate.h"
#include "docview/View.h"
#include "frames/WTKMDIChildWnd.h"

CCustomizeTestApp theApp;

namespace {
constexpr DWORD kToolbarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
constexpr char kStandardBarName[] = "Standard";
constexpr char kFormatBarName[] = "Format";
constexpr char kUserBarName[] = "Custom";

// Made once for the whole program, as an application makes them at start-up.
struct Managers {
    CWTKKeyboardManager keyboard;
    CWTKMouseManager mouse;
    CWTKContextMenuManager contextMenus;
};

void MakeManagersAndTemplates()
{
    static std::unique_ptr<Managers> s_pManagers;
    if (s_pManagers)
        return;
    s_pManagers = std::make_unique<Managers>();
    s_pManagers->mouse.AddView(CT_TEXT_VIEW_ID, "Text View");
    s_pManagers->mouse.AddView(CT_DRAW_VIEW_ID, "Drawing View");
    s_pManagers->contextMenus.AddMenu("Document", IDR_CT_CONTEXT);
    theApp.AddDocTemplate(new CMultiDocTemplate(IDR_CT_TEXTTYPE, RUNTIME_CLASS(CDocument),
                                                RUNTIME_CLASS(CWTKMDIChildWnd), RUNTIME_CLASS(CView)));
    theApp.AddDocTemplate(new CMultiDocTemplate(IDR_CT_DRAWTYPE, RUNTIME_CLASS(CDocument),
                                                RUNTIME_CLASS(CWTKMDIChildWnd), RUNTIME_CLASS(CView)));
}

int ScriptedMessageBox(HWND /*hWndOwner*/, LPCSTR lpszText, LPCSTR /*lpszCaption*/, UINT /*nType*/)
{
    CustomizeSeams& seams = Seams();
    seams.prompts.push_back(lpszText != nullptr ? lpszText : "");
    if (seams.answers.empty())
        return IDYES;
    const int nAnswer = seams.answers.front();
    seams.answers.erase(seams.answers.begin());
    return nAnswer;
}

void CountBeep(UINT nType)
{
    Seams().beeps.push_back(nType);
}
}  // namespace

CustomizeSeams& Seams()
{
    static CustomizeSeams seams;
    return seams;
}

BEGIN_MESSAGE_MAP(CCustomizeTestFrame, CWTKMDIFrameWnd)
    ON_WM_CREATE()
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_RESETKEYBOARD, OnResetKeyboard)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_CUSTOMIZEHELP, OnCustomizeHelp)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_DELETE, OnDeleteToolBar)
END_MESSAGE_MAP()

CCustomizeTestFrame* CCustomizeTestFrame::Create()
{
    auto* pFrame = new CCustomizeTestFrame;
    if (!pFrame->LoadFrame(IDR_CT_MAINFRAME, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
        if (pFrame->GetSafeHwnd() == nullptr)
            delete pFrame;
        return nullptr;
    }
    pFrame->MoveWindow(20, 20, 640, 420);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    PumpPending();
    // The user-defined toolbar floats at the screen's centre, as a new one does.
    pFrame->m_pUserBar = pFrame->GetFrameHelper()->CreateNewToolBar(kUserBarName);
    if (pFrame->m_pUserBar != nullptr)
        pFrame->m_pUserBar->InsertButton(CWTKToolbarButton(ID_CT_PRINT, CWTKToolBar::GetDefaultImage(ID_CT_PRINT)));
    pFrame->RecalcLayout();
    PumpPending();
    return pFrame;
}

int CCustomizeTestFrame::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWTKMDIFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    GetFrameHelper()->m_uiUserToolbarFirst = IDW_CT_USER_FIRST;
    GetFrameHelper()->m_uiUserToolbarLast = IDW_CT_USER_LAST;
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, IDW_CT_MENUBAR))
        return -1;
    if (!m_wndToolBar.CreateEx(this, CWTKToolBar::kFlatStyle, kToolbarStyle, CRect(1, 1, 1, 1), IDW_CT_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_CT_TOOLBAR))
        return -1;
    m_wndToolBar.SetWindowText(kStandardBarName);
    if (!m_wndFormatBar.CreateEx(this, CWTKToolBar::kFlatStyle, kToolbarStyle, CRect(1, 1, 1, 1), IDW_CT_FORMATBAR) ||
        !m_wndFormatBar.LoadToolBar(IDR_CT_FORMATBAR, 0, 0, TRUE))
        return -1;
    m_wndFormatBar.SetWindowText(kFormatBarName);
    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndFormatBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndMenuBar);
    DockControlBar(&m_wndToolBar);
    DockControlBar(&m_wndFormatBar);
    return 0;
}

LRESULT CCustomizeTestFrame::OnResetKeyboard(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    ++m_nResetKeyboard;
    return 0;
}

LRESULT CCustomizeTestFrame::OnCustomizeHelp(WPARAM wParam, LPARAM /*lParam*/)
{
    ++m_nCustomizeHelp;
    m_nCustomizeHelpPage = static_cast<int>(wParam);
    return 0;
}

LRESULT CCustomizeTestFrame::OnDeleteToolBar(WPARAM wParam, LPARAM lParam)
{
    if (!m_bAllowDelete)
        return 0;
    const LRESULT lResult = OnToolbarDelete(wParam, lParam);
    if (lResult != 0 && reinterpret_cast<CWnd*>(lParam) == m_pUserBar)
        m_pUserBar = nullptr;
    return lResult;
}

void FillTestCategories(CWTKToolbarCustomize& sheet)
{
    sheet.AddMenuCommands(IDR_CT_MAINFRAME);
    sheet.AddMenuCommands(IDR_CT_TEXTTYPE);
    sheet.AddToolBar("Format", IDR_CT_FORMATBAR);
    CWTKToolbarButton zoomIn(ID_CT_ZOOM_IN, -1, "Zoom");
    zoomIn.m_strTextCustom = "Zoom In";
    CWTKToolbarButton zoomOut(ID_CT_ZOOM_OUT, -1, "Zoom");
    zoomOut.m_strTextCustom = "Zoom Out";
    CWTKToolbarButton wrap(ID_CT_TEXT_WRAP, -1, "Wrap Lines");
    wrap.m_strTextCustom = "Wrap Long Lines";
    sheet.AddButton("View", zoomIn);
    sheet.AddButton("View", zoomOut);
    sheet.AddButton("View", wrap);
    CWTKToolbarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    sheet.AddButton("Separators", separator);
    sheet.AddButton("Separators", CWTKToolbarButton(static_cast<UINT>(-1), -1, "Placeholder"));
}

CWTKToolbarCustomize* OpenCustomizeSheet(CCustomizeTestFrame* pFrame, UINT uiFlags,
                                         const std::vector<CPropertyPage*>& extraPages)
{
    auto* pSheet = new CWTKToolbarCustomize(pFrame, uiFlags);
    FillTestCategories(*pSheet);
    for (CPropertyPage* pPage : extraPages)
        pSheet->AddCustomPage(pPage);
    if (!pSheet->Create(pFrame)) {
        delete pSheet;
        return nullptr;
    }
    pSheet->ShowWindow(SW_SHOW);
    pSheet->UpdateWindow();
    PumpPending();
    return pSheet;
}

void CloseCustomizeSheet(CWTKToolbarCustomize* pSheet)
{
    if (pSheet != nullptr && CWTKToolbarCustomize::GetCustomizeSheet() == pSheet)
        pSheet->DestroyWindow();
    PumpPending();
}

void CustomizeTestBase::SetUp()
{
    MakeManagersAndTemplates();
    Seams() = CustomizeSeams();
    FwSetMessageBoxFunction(&ScriptedMessageBox);
    WTKSetBeepFunction(&CountBeep);
    m_pFrame = CCustomizeTestFrame::Create();
    ASSERT_NE(m_pFrame, nullptr);
    theApp.m_pMainWnd = m_pFrame;
}

void CustomizeTestBase::TearDown()
{
    CloseCustomizeSheet(m_pSheet);
    m_pSheet = nullptr;
    if (CWTKPopupMenu* pPopup = CWTKPopupMenu::GetActiveMenu()) {
        if (pPopup->GetSafeHwnd() != nullptr)
            pPopup->SendMessage(WM_CLOSE);
    }
    theApp.m_pMainWnd = nullptr;
    if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
        m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpPending();
    FwSetMessageBoxFunction(nullptr);
    WTKSetBeepFunction(nullptr);
}

void RunIdle()
{
    PumpPending();
    theApp.OnIdle(0);
    PumpPending();
}

void HoldKey(HWND hWnd, UINT nVirtKey, bool bDown)
{
    const UINT nScan = ::MapVirtualKeyA(nVirtKey, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(nScan) << 16);
    if (!bDown)
        lParam |= static_cast<LPARAM>(0xC0000000u);
    ::PostMessageA(hWnd, bDown ? WM_KEYDOWN : WM_KEYUP, nVirtKey, lParam);
    PumpPending();
}

void PressKey(HWND hWnd, UINT nVirtKey)
{
    HoldKey(hWnd, nVirtKey, true);
    HoldKey(hWnd, nVirtKey, false);
}

void ClickWindow(HWND hWnd, CPoint ptClient, bool bDouble)
{
    const LPARAM lParam = MAKELPARAM(ptClient.x, ptClient.y);
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lParam);
    if (bDouble) {
        ::PostMessageA(hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, lParam);
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, lParam);
    }
    PumpPending();
}

void SaveSheetScreenshot(CWnd* pWnd, const char* pszName)
{
    // What the test changed is painted first.
    PumpPending();
    SaveWindowScreenshot(pWnd->GetSafeHwnd(), pszName);
}
