// The document tabs of the toolkit MDI frame: one tab per visible child, in step with the
// children (opened, hidden, renamed, closed), tab clicks that activate children and drags that
// reorder tabs, the client laid out inside the tab window, an icon map that keeps only icons of
// open children, and the screenshot of the program with its tabs.
#include "MDITestSupport.h"

#include "Canvas.h"

#include <string>

namespace {

class MDITabsTest : public MDITestBase {
protected:
    CMDIClientAreaWnd& Area() { return m_pFrame->GetClientArea(); }
    CMDIClientTabWnd& Tabs() { return Area().GetTabWnd(); }
    // The tab labels in order, the active one marked with "*".
    std::string Labels()
    {
        std::string str;
        for (int i = 0; i < Tabs().GetTabsNum(); ++i) {
            CString strLabel;
            Tabs().GetTabLabel(i, strLabel);
            str += static_cast<LPCSTR>(strLabel);
            if (i == Tabs().GetActiveTab())
                str += "*";
            str += "|";
        }
        return str;
    }
    CPoint TabCentre(int iTab)
    {
        CRect rect;
        Tabs().GetTabRect(iTab, rect);
        return rect.CenterPoint();
    }
    void Press(UINT message, CPoint pt)
    {
        Tabs().SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        PumpPending();
    }
};

TEST_F(MDITabsTest, TabsFollowTheChildren)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
    EXPECT_EQ(Labels(), "Alpha.txt|Bravo.txt|Charlie.txt*|") << "each new child gets a tab, made active";

    children[1]->ShowWindow(SW_HIDE);
    Area().UpdateTabs();
    EXPECT_EQ(Labels(), "Alpha.txt|Charlie.txt*|") << "a hidden child loses its tab";
    children[1]->ShowWindow(SW_SHOW);
    Area().UpdateTabs();
    EXPECT_EQ(Labels(), "Alpha.txt|Charlie.txt|Bravo.txt*|");

    const HWND hWndRenamed = children[0]->m_hWnd;
    children[0]->SetWindowText("Renamed.txt");
    PumpPending();
    EXPECT_EQ(Labels(), "Renamed.txt|Charlie.txt|Bravo.txt*|") << "renaming relabels the tab";

    m_pFrame->MDIActivate(children[0]);
    PumpPending();
    EXPECT_EQ(Labels(), "Renamed.txt*|Charlie.txt|Bravo.txt|") << "the active child's tab is selected";

    children[2]->MDIDestroy();
    PumpPending();
    EXPECT_EQ(Labels(), "Renamed.txt*|Bravo.txt|") << "a closed child loses its tab";

    // The tab window's close button closes the active child, through the child's own window.
    CWTKTabButton& close = Tabs().GetCloseButton();
    Tabs().SendMessage(WM_COMMAND, MAKEWPARAM(close.GetDlgCtrlID(), BN_CLICKED),
                       reinterpret_cast<LPARAM>(close.m_hWnd));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndRenamed));
    EXPECT_EQ(Labels(), "Bravo.txt*|");
}

TEST_F(MDITabsTest, ClickingATabActivatesItsChildAndDraggingReordersTabs)
{
    std::vector<CMDITestChild*> children = m_pFrame->AddChildren(3);
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children[2]->m_hWnd), 0);
    PumpPending();

    const CPoint ptFirst = TabCentre(0);
    Press(WM_LBUTTONDOWN, ptFirst);
    Press(WM_LBUTTONUP, ptFirst);
    BOOL bMaximized = FALSE;
    EXPECT_EQ(m_pFrame->MDIGetActive(&bMaximized), children[0]);
    EXPECT_TRUE(bMaximized) << "switching tabs keeps the children maximised";
    EXPECT_EQ(Labels(), "Alpha.txt*|Bravo.txt|Charlie.txt|");
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(children[0]->m_hWnd), 0);
    PumpPending();

    // The active tab dragged past the last one.
    Press(WM_LBUTTONDOWN, TabCentre(0));
    CRect rectLast;
    Tabs().GetTabRect(2, rectLast);
    Press(WM_MOUSEMOVE, CPoint(rectLast.right - 2, rectLast.CenterPoint().y));
    Press(WM_LBUTTONUP, CPoint(rectLast.right - 2, rectLast.CenterPoint().y));
    EXPECT_EQ(Labels(), "Bravo.txt|Charlie.txt|Alpha.txt*|");
    EXPECT_EQ(Area().GetTabChild(2), children[0]);
    EXPECT_EQ(m_pFrame->MDIGetActive(), children[0]);

    // The tabs still follow activation after the move.
    m_pFrame->MDIActivate(children[1]);
    PumpPending();
    EXPECT_EQ(Labels(), "Bravo.txt*|Charlie.txt|Alpha.txt|");
}

TEST_F(MDITabsTest, ClientSitsInsideTheTabWindowBelowTheTabs)
{
    m_pFrame->AddChildren(3);
    CRect rectTabs;
    Tabs().GetWindowRect(&rectTabs);
    CRect rectClient;
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rectClient);
    CRect rectStrip;
    Tabs().GetTabsRect(rectStrip);
    Tabs().ClientToScreen(&rectStrip);
    EXPECT_TRUE(Tabs().IsWindowVisible());
    EXPECT_GE(rectClient.left, rectTabs.left);
    EXPECT_LE(rectClient.right, rectTabs.right);
    EXPECT_LE(rectClient.bottom, rectTabs.bottom);
    EXPECT_GE(rectClient.top, rectStrip.bottom) << "the tabs above the client stay uncovered";
    EXPECT_EQ(::GetWindow(m_pFrame->m_hWndMDIClient, GW_HWNDNEXT), Tabs().m_hWnd) << "the tab window lies below";

    // Tabs off: the client gets the whole place back.
    m_pFrame->EnableMDITabs(FALSE);
    PumpPending();
    EXPECT_FALSE(Tabs().IsWindowVisible());
    CRect rectAlone;
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rectAlone);
    EXPECT_EQ(rectAlone, rectTabs);
    m_pFrame->EnableMDITabs(TRUE);
    PumpPending();
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rectAlone);
    EXPECT_EQ(rectAlone, rectClient);

    // Print preview hides the tabs and brings them back.
    m_pFrame->OnSetPreviewMode(TRUE);
    EXPECT_FALSE(Tabs().IsWindowVisible());
    m_pFrame->OnSetPreviewMode(FALSE);
    EXPECT_TRUE(Tabs().IsWindowVisible());
}

TEST_F(MDITabsTest, IconMapKeepsOnlyTheIconsOfOpenChildren)
{
    HICON hRed = MakeColourIcon(kRed);
    HICON hBlue = MakeColourIcon(kBlue);
    HICON hGreen = MakeColourIcon(kGreen);
    CMDITestChild* pFirst = m_pFrame->AddChild("First.txt", hRed);
    CMDITestChild* pSecond = m_pFrame->AddChild("Second.txt", hBlue);
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_TRUE(Area().IsIconMapped(hRed));
    EXPECT_TRUE(Area().IsIconMapped(hBlue));
    EXPECT_NE(Tabs().GetTabIcon(0), Tabs().GetTabIcon(1));

    // A new icon for the first child: the old one is forgotten before its handle can be reused.
    pFirst->SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hGreen));
    PumpPending();
    EXPECT_FALSE(Area().IsIconMapped(hRed));
    EXPECT_TRUE(Area().IsIconMapped(hGreen));
    EXPECT_NE(Tabs().GetTabIcon(0), Tabs().GetTabIcon(1));
    ::DestroyIcon(hRed);

    // A closed child's icon goes as well.
    pSecond->MDIDestroy();
    PumpPending();
    EXPECT_FALSE(Area().IsIconMapped(hBlue));
    EXPECT_EQ(Area().GetIconMapCount(), 1);

    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpPending();
    ::DestroyIcon(hBlue);
    ::DestroyIcon(hGreen);
}

TEST_F(MDITabsTest, ScreenshotOfTheProgramWithTabs)
{
    HICON hIcons[] = {MakeColourIcon(kRed), MakeColourIcon(kBlue), MakeColourIcon(kGreen)};
    m_pFrame->AddChild("Report.txt", hIcons[0]);
    m_pFrame->AddChild("Notes.txt", hIcons[1]);
    m_pFrame->AddChild("Summary.txt", hIcons[2]);
    m_pFrame->MDICascade();
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpPending();

    // The tab strip shows the tabs' icons.
    CRect rectStrip;
    Tabs().GetTabsRect(rectStrip);
    CRect rectTabs;
    Tabs().GetWindowRect(&rectTabs);
    Canvas whole(rectTabs.Width(), rectTabs.Height());
    ASSERT_TRUE(whole.CopyFromWindow(Tabs().m_hWnd, false));
    EXPECT_GT(whole.Count(kRed, rectStrip), 0);
    EXPECT_GT(whole.Count(kBlue, rectStrip), 0);
    SaveScreenshot(m_pFrame, "mdi_tabs.png");

    m_pFrame->DestroyWindow();
    m_pFrame = nullptr;
    PumpPending();
    for (HICON hIcon : hIcons)
        ::DestroyIcon(hIcon);
}

}  // namespace
