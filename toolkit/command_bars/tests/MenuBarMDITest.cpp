// The system buttons of a maximised MDI child on the menu bar of a real MDI frame: the boxes per
// child style, a disabled close box, clicks that send system commands, the box under the mouse
// drawn hot, the icon's double click, the buttons following the active child and coming back
// after the state operations, and a screenshot.
#include "MenuBarTestSupport.h"

#include "command_bars/WTKToolbarMenuButtonsButton.h"
#include "command_bars/WTKToolbarSystemMenuButton.h"

#include "foundation/WTKRegistry.h"
#include "foundation/WTKVisualManagerXP.h"
#include "foundation/tests/LookScope.h"

#include "docview/Document.h"
#include "docview/MultiDocTemplate.h"
#include "docview/View.h"

#include "Canvas.h"

#include <string>
#include <vector>

namespace {

struct MDIFixture : ::testing::Test {
    void SetUp() override
    {
        pFrame = new CMenuBarMDIFrame;
        ASSERT_TRUE(pFrame->CreateWithMenuBar());
        theApp.m_pMainWnd = pFrame;
        pBar = &pFrame->m_wndMenuBar;
        hIconA = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
        hIconB = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_QUESTION));
    }
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        if (pFrame != nullptr)
            pFrame->DestroyWindow();
        PumpPending();
    }
    void Maximize(CWnd* pChild)
    {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pChild->GetSafeHwnd()), 0);
        PumpPending();
    }
    // The system commands of the boxes now on the bar, in order, with 'x' for a disabled one.
    std::string Boxes() const
    {
        std::string str;
        for (int i = 0; i < pBar->GetCount(); i++) {
            const auto* pBox = dynamic_cast<const CWTKToolbarMenuButtonsButton*>(pBar->GetButton(i));
            if (pBox == nullptr)
                continue;
            switch (pBox->GetSystemCommand()) {
            case SC_MINIMIZE:
                str += "min";
                break;
            case SC_RESTORE:
                str += "restore";
                break;
            case SC_CLOSE:
                str += "close";
                break;
            default:
                str += "?";
            }
            if (pBox->m_nStyle & TBBS_DISABLED)
                str += "x";
            str += " ";
        }
        return str;
    }
    const CWTKToolbarSystemMenuButton* SysButton() const
    {
        return dynamic_cast<const CWTKToolbarSystemMenuButton*>(pBar->GetButton(0));
    }
    void Click(int iButton)
    {
        CRect rect;
        pBar->GetItemRect(iButton, &rect);
        const LPARAM lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        pBar->SendMessage(WM_LBUTTONUP, 0, lParam);
        PumpPending();
    }

    CMenuBarMDIFrame* pFrame = nullptr;
    CWTKMenuBar* pBar = nullptr;
    HICON hIconA = nullptr;
    HICON hIconB = nullptr;
};

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW;

TEST_F(MDIFixture, BoxesFollowTheChildsStyleAndItsCloseItem)
{
    struct Case {
        const char* name;
        DWORD dwStyle;
        BOOL bGrayClose;
        const char* boxes;
    } cases[] = {
        {"all boxes", kChildStyle, FALSE, "min restore close "},
        {"no minimise, no maximise", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, FALSE, "close "},
        {"grey close item", kChildStyle, TRUE, "min restore closex "},
    };
    for (const Case& c : cases) {
        CSysCommandChild* pChild = pFrame->AddChild(c.dwStyle, hIconA);
        ASSERT_NE(pChild, nullptr) << c.name;
        if (c.bGrayClose)
            ::EnableMenuItem(::GetSystemMenu(pChild->GetSafeHwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
        Maximize(pChild);
        pBar->SetMaximizeMode(TRUE, pChild);
        EXPECT_TRUE(pBar->IsMaximizeMode()) << c.name;
        EXPECT_EQ(Boxes(), c.boxes) << c.name;
        ASSERT_NE(SysButton(), nullptr) << c.name;
        EXPECT_EQ(SysButton()->GetSysIcon(), hIconA) << c.name;

        // The boxes sit right-aligned at the bar's end, one pixel apart.
        CRect rectClient;
        pBar->GetClientRect(rectClient);
        const int iLast = pBar->GetCount() - 1;
        CRect rectLast;
        pBar->GetItemRect(iLast, &rectLast);
        EXPECT_EQ(rectLast.right, rectClient.right) << c.name;
        if (iLast > 0 && dynamic_cast<CWTKToolbarMenuButtonsButton*>(pBar->GetButton(iLast - 1)) != nullptr) {
            CRect rectPrev;
            pBar->GetItemRect(iLast - 1, &rectPrev);
            EXPECT_EQ(rectPrev.right + 1, rectLast.left) << c.name;
        }

        pBar->SetMaximizeMode(FALSE);
        EXPECT_EQ(Boxes(), "") << c.name;
        EXPECT_EQ(SysButton(), nullptr) << c.name;
        pChild->MDIDestroy();
        PumpPending();
    }
}

TEST_F(MDIFixture, BoxClicksSendSystemCommandsAndAGreyCloseIgnoresTheIconsDoubleClick)
{
    CSysCommandChild* pChild = pFrame->AddChild(kChildStyle, hIconA);
    ASSERT_NE(pChild, nullptr);
    Maximize(pChild);
    pBar->SetMaximizeMode(TRUE, pChild);
    ASSERT_EQ(Boxes(), "min restore close ");

    // The restore box (second from the end).
    const int iRestore = pBar->GetCount() - 2;
    pChild->m_sysCommands.clear();
    Click(iRestore);
    EXPECT_EQ(pChild->m_sysCommands, (std::vector<UINT> {SC_RESTORE}));

    // A grey close item: the close box is disabled and the icon's double click leaves the child.
    Maximize(pChild);
    pBar->SetMaximizeMode(FALSE);
    ::EnableMenuItem(::GetSystemMenu(pChild->GetSafeHwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    pBar->SetMaximizeMode(TRUE, pChild);
    ASSERT_EQ(Boxes(), "min restore closex ");
    pChild->m_sysCommands.clear();
    Click(pBar->GetCount() - 1);
    CRect rectIcon;
    pBar->GetItemRect(0, &rectIcon);
    const LPARAM lParamIcon = MAKELPARAM(rectIcon.CenterPoint().x, rectIcon.CenterPoint().y);
    pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lParamIcon);
    PumpPending();
    for (UINT uiCmd : pChild->m_sysCommands)
        EXPECT_NE(uiCmd, static_cast<UINT>(SC_CLOSE));
    EXPECT_TRUE(::IsWindow(pChild->GetSafeHwnd()));

    // Enabled again: the double click closes the child.
    ::EnableMenuItem(::GetSystemMenu(pChild->GetSafeHwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    const int nDestroyed = CSysCommandChild::s_nDestroyed;
    pChild->m_sysCommands.clear();
    pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lParamIcon);
    PumpPending();
    EXPECT_EQ(CSysCommandChild::s_nDestroyed, nDestroyed + 1) << "the child closed";
}

// The box under the mouse is drawn hot by the look; the others, and the same box once the mouse
// has left it, are not.
TEST_F(MDIFixture, TheBoxUnderTheMouseIsDrawnHot)
{
    CSysCommandChild* pChild = pFrame->AddChild(kChildStyle, hIconA);
    ASSERT_NE(pChild, nullptr);
    Maximize(pChild);
    pBar->SetMaximizeMode(TRUE, pChild);
    ASSERT_EQ(Boxes(), "min restore close ");

    const LookScope look(RUNTIME_CLASS(CWTKVisualManagerXP));
    const auto* pLook = dynamic_cast<CWTKVisualManagerXP*>(CWTKVisualManager::GetInstance());
    ASSERT_NE(pLook, nullptr);
    const COLORREF clrHot = pLook->GetHighlightColor();

    CRect rectClient;
    pBar->GetClientRect(&rectClient);
    const int iMin = pBar->GetCount() - 3;
    const int iClose = pBar->GetCount() - 1;
    CRect rectMin, rectClose;
    pBar->GetItemRect(iMin, &rectMin);
    pBar->GetItemRect(iClose, &rectClose);
    auto hotPixels = [&](const CRect& rectBox) {
        Canvas canvas(rectClient.Width(), rectClient.Height());
        pBar->DoPaint(canvas.DC());
        return canvas.Count(clrHot, rectBox);
    };
    auto moveTo = [&](CPoint ptClient) {
        CPoint ptScreen = ptClient;
        pBar->ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    };
    const int nBoxArea = rectClose.Width() * rectClose.Height();

    EXPECT_EQ(hotPixels(rectClose), 0);
    moveTo(rectClose.CenterPoint());
    ASSERT_TRUE(pBar->IsButtonHighlighted(iClose));
    EXPECT_GT(hotPixels(rectClose), nBoxArea / 3) << "the box under the mouse is hot";
    EXPECT_EQ(hotPixels(rectMin), 0) << "the others are not";

    moveTo(CPoint(rectClient.left + 1, rectClient.bottom - 1));
    ASSERT_FALSE(pBar->IsButtonHighlighted(iClose));
    EXPECT_EQ(hotPixels(rectClose), 0);
}

TEST_F(MDIFixture, ButtonsComeBackForTheChildThatIsActiveNow)
{
    CSysCommandChild* pFirst = pFrame->AddChild(kChildStyle, hIconA);
    ASSERT_NE(pFirst, nullptr);
    Maximize(pFirst);
    pBar->SetMaximizeMode(TRUE, pFirst);
    ASSERT_EQ(SysButton()->GetSysIcon(), hIconA);

    // The buttons go for a while; another child becomes active meanwhile.
    pBar->SetMaximizeMode(FALSE);
    CSysCommandChild* pSecond =
        pFrame->AddChild(WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX, hIconB);
    ASSERT_NE(pSecond, nullptr);
    Maximize(pSecond);
    ASSERT_EQ(pFrame->MDIGetActive(), pSecond);
    pBar->RestoreMaximizeMode();
    EXPECT_TRUE(pBar->IsMaximizeMode());
    ASSERT_NE(SysButton(), nullptr);
    EXPECT_EQ(SysButton()->GetSysIcon(), hIconB);
    EXPECT_EQ(SysButton()->GetSysMenu(), ::GetSystemMenu(pSecond->GetSafeHwnd(), FALSE));
    EXPECT_EQ(Boxes(), "restore close ");

    // The same menu shown again puts the buttons back at once, for the active child.
    pBar->CreateFromMenu(pBar->GetHMenu());
    EXPECT_TRUE(pBar->IsMaximizeMode());
    EXPECT_EQ(Boxes(), "restore close ");

    // A different menu keeps them too; the boxes stay behind the menu's items.
    HMENU hDoc = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MB_DOC));
    pBar->CreateFromMenu(hDoc);
    EXPECT_EQ(Boxes(), "restore close ");
    EXPECT_EQ(pBar->GetButtonText(1), "&File");
    pBar->CreateFromMenu(pBar->GetDefaultMenu(), TRUE);
    ::DestroyMenu(hDoc);

    // Left from the first title wraps to the last title, never to a box.
    pBar->SetFocus();
    PumpPending();
    ASSERT_EQ(pBar->GetHighlightedButton(), pBar->GetButton(1)) << "the first title after the icon";
    pBar->PostMessage(WM_KEYDOWN, VK_LEFT, 1);
    PumpPending();
    const CWTKToolbarButton* pHot = pBar->GetHighlightedButton();
    ASSERT_NE(pHot, nullptr);
    EXPECT_EQ(std::string(pHot->m_strText), "&Help");
    pFrame->SetFocus();
    PumpPending();

    CRect rectShot;
    pFrame->GetWindowRect(&rectShot);
    pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();
    Canvas shot(rectShot.Width(), rectShot.Height());
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(shot.Handle(), 0, 0, rectShot.Width(), rectShot.Height(), hScreen, rectShot.left, rectShot.top, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
    EXPECT_TRUE(shot.WritePng(ScreenshotFolder() + "\\menubar_mdi_maximised_child.png"));
}

TEST_F(MDIFixture, StateOperationsPutTheActiveChildsButtonsBack)
{
    constexpr char kProfile[] = "Software\\WTKMenuBarTests\\SystemButtons\\";
    CWTKRegistry reg(FALSE, FALSE);
    reg.DeleteKey(kProfile);
    CSysCommandChild* pChild = pFrame->AddChild(kChildStyle, hIconA);
    ASSERT_NE(pChild, nullptr);
    Maximize(pChild);
    pBar->SetMaximizeMode(TRUE, pChild);
    ASSERT_EQ(Boxes(), "min restore close ");

    // Each operation takes the buttons off while it works and puts them back at the bar's end.
    auto expectButtonsBack = [&](const char* pszAfter) {
        EXPECT_TRUE(pBar->IsMaximizeMode()) << pszAfter;
        EXPECT_EQ(Boxes(), "min restore close ") << pszAfter;
        ASSERT_NE(SysButton(), nullptr) << pszAfter;
        EXPECT_EQ(SysButton()->GetSysIcon(), hIconA) << pszAfter;
        CRect rectClient;
        pBar->GetClientRect(rectClient);
        CRect rectLast;
        pBar->GetItemRect(pBar->GetCount() - 1, &rectLast);
        EXPECT_EQ(rectLast.right, rectClient.right) << pszAfter;
    };
    ASSERT_TRUE(pBar->SaveState(kProfile));
    expectButtonsBack("SaveState");
    ASSERT_TRUE(pBar->LoadState(kProfile));
    expectButtonsBack("LoadState");
    ASSERT_TRUE(pBar->RestoreOriginalState());
    expectButtonsBack("RestoreOriginalState");
    reg.DeleteKey(kProfile);
}

class CBlankDoc : public CDocument {
    DECLARE_DYNCREATE(CBlankDoc)
};
IMPLEMENT_DYNCREATE(CBlankDoc, CDocument)

class CBlankView : public CView {
    DECLARE_DYNCREATE(CBlankView)
};
IMPLEMENT_DYNCREATE(CBlankView, CView)

// Adds a document template to the application for good: the program's later tests build no
// menu bar of their own.
TEST_F(MDIFixture, TemplateMenusKeepTheirStateAndTheirOwnersGetTheFreshMenus)
{
    constexpr char kProfile[] = "Software\\WTKMenuBarTests\\Templates\\";
    CWTKRegistry reg(FALSE, FALSE);
    reg.DeleteKey(kProfile);
    auto* pTemplate = new CMultiDocTemplate(IDR_MB_DOC, RUNTIME_CLASS(CBlankDoc), RUNTIME_CLASS(CMDIChildWnd),
                                            RUNTIME_CLASS(CBlankView));
    theApp.AddDocTemplate(pTemplate);
    pTemplate->LoadTemplate();
    ASSERT_NE(pTemplate->m_hMenuShared, nullptr);
    CDocument* pDoc = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pDoc, nullptr);
    PumpPending();
    EXPECT_EQ(pBar->GetHMenu(), pTemplate->m_hMenuShared) << "the active child's menu is shown";

    // Nothing saved yet: every menu is built anew and the frame hears of each once.
    pFrame->m_resetMenus.clear();
    ASSERT_TRUE(pBar->LoadState(kProfile));
    EXPECT_EQ(pFrame->m_resetMenus, (std::vector<UINT> {IDR_MB_DOC, IDR_MB_FRAME}));
    EXPECT_EQ(pBar->GetHMenu(), pTemplate->m_hMenuShared);
    EXPECT_EQ(pBar->GetButtonText(1), "&Window");

    // Saved with a change to the document's menu, then read again: the change stays and nothing
    // is reset.
    ASSERT_TRUE(pBar->RemoveButton(0));
    ASSERT_TRUE(pBar->SaveState(kProfile));
    pFrame->m_resetMenus.clear();
    ASSERT_TRUE(pBar->LoadState(kProfile));
    EXPECT_TRUE(pFrame->m_resetMenus.empty());
    EXPECT_EQ(pBar->GetCount(), 1);
    EXPECT_EQ(pBar->GetButtonText(0), "&Window");

    // The original state: the template owns a fresh menu, its child frame shows it, the old
    // one is gone.
    HMENU hOldShared = pTemplate->m_hMenuShared;
    ASSERT_TRUE(pBar->RestoreOriginalState());
    EXPECT_NE(pTemplate->m_hMenuShared, hOldShared);
    EXPECT_TRUE(::IsMenu(pTemplate->m_hMenuShared));
    EXPECT_FALSE(::IsMenu(hOldShared));
    CMDIChildWnd* pChild = pFrame->MDIGetActive();
    ASSERT_NE(pChild, nullptr);
    EXPECT_EQ(pChild->m_hMenuShared, pTemplate->m_hMenuShared);
    EXPECT_EQ(pBar->GetHMenu(), pTemplate->m_hMenuShared);
    EXPECT_EQ(pBar->GetCount(), 2);

    pDoc->OnCloseDocument();
    PumpPending();
    reg.DeleteKey(kProfile);
}

}  // namespace
