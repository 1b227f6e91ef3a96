// The dialog bar docked in a toolkit frame (its size with and without the sizing flag, its
// controls updated by the frame, a template whose OLE controls cannot be made) and the property
// page base (made by name or from a template; in a test sheet a toolkit sheet hears of each
// page's activation, a plain sheet only activates; keys go to a popup the page opened).
#include "MDITestSupport.h"

#include "frames/WTKDialogBar.h"
#include "frames/WTKDialogHelper.h"
#include "frames/WTKFrameWnd.h"
#include "frames/WTKPropertyPage.h"
#include "frames/WTKPropertySheetHost.h"

#include "command_bars/WTKPopupMenu.h"

#include "win/PropertySheet.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class DialogBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CWTKFrameWnd;
        ASSERT_TRUE(
            m_pFrame->Create(nullptr, "Dialog bar", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(40, 40, 600, 400)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->ShowWindow(SW_SHOW);
        PumpPending();
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && m_pFrame->GetSafeHwnd() != nullptr)
            m_pFrame->DestroyWindow();
        PumpPending();
    }
    void Layout()
    {
        // The bar learns its sizable edges from the first placement.
        m_pFrame->RecalcLayout();
        m_pFrame->RecalcLayout();
        PumpPending();
    }

    CWTKFrameWnd* m_pFrame = nullptr;
};

TEST_F(DialogBarTest, DockedAtTheTopItIsStretchedAndKeepsTheTemplateHeightUnlessItSizes)
{
    struct Case {
        const char* name;
        BOOL bSizing;
    } cases[] = {{"template size", FALSE}, {"sizing", TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* pBar = new CWTKDialogBar;
        ASSERT_TRUE(pBar->Create("Find", m_pFrame, IDD_MDI_TEST_DIALOGBAR, IDW_MDI_TEST_DIALOGBAR, c.bSizing));
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(pBar, FW_IDW_DOCKBAR_TOP);
        Layout();

        const CSize sizeTemplate = pBar->GetTemplateSize();
        EXPECT_GT(sizeTemplate.cx, 100);
        CRect rectBar;
        pBar->GetWindowRect(&rectBar);
        CRect rectFrame;
        m_pFrame->GetClientRect(&rectFrame);
        EXPECT_TRUE(pBar->IsVisible());
        if (c.bSizing) {
            EXPECT_EQ(rectBar.Height(), std::max(pBar->GetHorzSize().cy, pBar->GetMinSize().cy))
                << "the sizing bar's own docked height";
        } else {
            EXPECT_EQ(rectBar.Width(), rectFrame.Width()) << "stretched along the frame";
            ASSERT_NE(pBar->GetEdgeFlags() & CWTKSizingControlBar::kEdgeBottom, 0u);
            EXPECT_EQ(rectBar.Height(),
                      sizeTemplate.cy + 2 * CWTKSizingControlBar::kBorder + CWTKSizingControlBar::kEdgeThickness);
        }
        // The template's controls sit in the bar's client area.
        CWnd* pEdit = pBar->GetDlgItem(IDC_MDI_TEST_BAR_EDIT);
        ASSERT_NE(pEdit, nullptr);
        EXPECT_TRUE(pEdit->IsWindowVisible());
        pBar->DestroyWindow();
        delete pBar;
        Layout();
    }
}

TEST_F(DialogBarTest, ControlsFollowTheFramesUpdateAndOleTemplatesFailToInitialise)
{
    CWTKDialogBar bar;
    ASSERT_TRUE(bar.Create("Find", m_pFrame, IDD_MDI_TEST_DIALOGBAR, IDW_MDI_TEST_DIALOGBAR));
    m_pFrame->DockControlBar(&bar, FW_IDW_DOCKBAR_TOP);
    Layout();
    // No handler in the frame: the button is disabled; the edit is not a command.
    bar.OnUpdateCmdUI(m_pFrame, TRUE);
    EXPECT_FALSE(bar.GetDlgItem(IDC_MDI_TEST_BAR_BUTTON)->IsWindowEnabled());

    EXPECT_EQ(bar.SendMessage(WM_INITDIALOG), TRUE);
    int nOccInfo = 0;
    EXPECT_TRUE(bar.SetOccDialogInfo(&nOccInfo));
    EXPECT_EQ(bar.SendMessage(WM_INITDIALOG), FALSE);
    bar.DestroyWindow();
}

// A toolkit sheet: it records the pages that became active.
class CTestToolkitSheet : public CPropertySheet, public CWTKPropertySheetHost {
public:
    CTestToolkitSheet() : CPropertySheet("Options") {}
    void OnActivatePage(CPropertyPage* pPage) override { m_activated.push_back(pPage); }
    std::vector<CPropertyPage*> m_activated;
};

TEST(PropertyPageTest, AToolkitSheetHearsOfEachActivationAPlainSheetOnlyActivates)
{
    CWTKPropertyPage page1(IDD_MDI_TEST_PAGE1);
    CWTKPropertyPage page2(IDD_MDI_TEST_PAGE2);
    {
        CTestToolkitSheet sheet;
        sheet.AddPage(&page1);
        sheet.AddPage(&page2);
        ASSERT_TRUE(sheet.Create());
        PumpPending();
        EXPECT_TRUE(sheet.SetActivePage(1));
        PumpPending();
        EXPECT_EQ(sheet.m_activated, (std::vector<CPropertyPage*> {&page1, &page2}));
        sheet.DestroyWindow();
        PumpPending();
    }
    CWTKPropertyPage page3(IDD_MDI_TEST_PAGE1);
    CWTKPropertyPage page4(IDD_MDI_TEST_PAGE2);
    CPropertySheet plain("Plain");
    plain.AddPage(&page3);
    plain.AddPage(&page4);
    ASSERT_TRUE(plain.Create());
    PumpPending();
    EXPECT_TRUE(plain.SetActivePage(1));
    EXPECT_EQ(plain.GetActiveIndex(), 1);
    plain.DestroyWindow();
    PumpPending();
}

// A page is made by name as well as from a template; either way nothing is filed for it yet.
TEST(PropertyPageTest, APageMadeByNameOrFromATemplateStartsWithNothingFiled)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName("CWTKPropertyPage");
    ASSERT_NE(pClass, nullptr);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CPropertyPage)));
    std::unique_ptr<CObject> pMade(pClass->CreateObject());
    auto* pByName = dynamic_cast<CWTKPropertyPage*>(pMade.get());
    ASSERT_NE(pByName, nullptr);
    CWTKPropertyPage fromTemplate(IDD_MDI_TEST_PAGE1);
    const CWTKPropertyPage* pages[] = {pByName, &fromTemplate};
    for (const CWTKPropertyPage* pPage : pages) {
        EXPECT_EQ(pPage->m_pGroup, nullptr);
        EXPECT_EQ(pPage->m_nImage, -1);
        EXPECT_EQ(pPage->m_nSelectedImage, -1);
        EXPECT_EQ(pPage->m_hTreeItem, nullptr);
    }
}

TEST(PropertyPageTest, KeysGoToAPopupThePageOpened)
{
    CWTKPropertyPage page(IDD_MDI_TEST_PAGE1);
    CTestToolkitSheet sheet;
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create());
    PumpPending();
    CWnd* pEdit = page.GetDlgItem(IDC_MDI_TEST_PAGE_EDIT);
    ASSERT_NE(pEdit, nullptr);
    MSG msg = {pEdit->m_hWnd, WM_KEYDOWN, VK_DOWN, 0, 0, {0, 0}};
    EXPECT_FALSE(page.PreTranslateMessage(&msg)) << "without a popup the key goes its usual way";

    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_MDI_TEST_NEW, "&New");
    ::AppendMenuA(hMenu, MF_STRING, ID_MDI_TEST_EXIT, "E&xit");
    // A popup opened by a control of the page tells the page it is active.
    auto* pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), pEdit, 100, 100, hMenu, FALSE, TRUE);
    ASSERT_NE(pPopup, nullptr);
    PumpPending();
    page.SetActivePopup(pPopup);
    EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), pPopup);
    EXPECT_EQ(CWTKDialogHelper::GetHookOwner(), &page.GetDialogHelper());
    EXPECT_TRUE(page.PreTranslateMessage(&msg)) << "the open popup takes the key";
    // An accelerator closes it (the popup takes it as Escape) and is handled.
    page.SendMessage(WM_COMMAND, MAKEWPARAM(ID_MDI_TEST_NEW, CWTKDialogHelper::kAcceleratorNotify), 0);
    PumpPending();
    EXPECT_EQ(CWTKPopupMenu::GetActiveMenu(), nullptr);
    EXPECT_FALSE(page.PreTranslateMessage(&msg));

    // The page destroyed while it owns the thread's mouse hook takes the hook along.
    CWTKPopupMenu standIn;  // no window
    page.SetActivePopup(&standIn);
    ASSERT_NE(CWTKDialogHelper::GetMouseHook(), nullptr);
    CWTKPopupMenu::SetActiveMenu(nullptr);
    sheet.DestroyWindow();
    PumpPending();
    EXPECT_EQ(CWTKDialogHelper::GetMouseHook(), nullptr);
    EXPECT_EQ(CWTKDialogHelper::GetHookOwner(), nullptr);
}

}  // namespace
