// The viewer's main frame made as the application makes it: its bars and toolbar buttons, the
// caption, showing topics within the module's bounds, the toolbar's search box, the bar menus
// and the history drop-downs, switching documentations and the vendor's web site; and a
// screenshot of the frame on the product's own documentation.
#include "FrameConstants.h"
#include "Resource.h"
#include "ToolbarText.h"
#include "ViewerConstants.h"
#include "ViewerFrameFixture.h"
#include "bars/DockBar.h"
#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKPopupMenuBar.h"
#include "command_bars/WTKToolbarEditBoxButton.h"
#include "command_bars/WTKToolbarEditCtrl.h"
#include "command_bars/WTKToolbarMenuButton.h"
#include "command_bars/WTKToolbarMessages.h"
#include "win/ShellLauncher.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::string TabLabel(CWorkspaceBar& bar, int iTab)
{
    CString label;
    bar.GetTabWnd().GetTabLabel(iTab, label);
    return std::string(label);
}

CWTKToolbarButton* ToolbarButton(CMainFrame* pFrame, UINT nID)
{
    CWTKToolBar& bar = pFrame->GetToolBar();
    return bar.GetButton(bar.CommandToIndex(nID));
}

// The command ids of a popup's items, top to bottom.
std::vector<UINT> PopupItemIds(CWTKPopupMenu* pPopup)
{
    std::vector<UINT> ids;
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    for (int i = 0; i < pItems->GetCount(); ++i)
        ids.push_back(pItems->GetItemID(i));
    return ids;
}

std::vector<std::string> PopupItemTexts(CWTKPopupMenu* pPopup)
{
    std::vector<std::string> texts;
    CWTKPopupMenuBar* pItems = pPopup->GetMenuBar();
    for (int i = 0; i < pItems->GetCount(); ++i)
        texts.emplace_back(pItems->GetButtonText(i));
    return texts;
}

void ClosePopup(CWTKPopupMenu* pPopup)
{
    if (pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd()))
        pPopup->SendMessage(WM_CLOSE);
    PumpPending();
}

// The Load Documentation dialog's answer, as the test wants it.
std::string g_chosenModule;
bool g_chooserCancels = false;

BOOL ChooseForTest(CWnd* /*pParent*/, CString& strFileName)
{
    if (g_chooserCancels)
        return FALSE;
    strFileName = g_chosenModule.c_str();
    return TRUE;
}

class ChooserGuard {
public:
    ChooserGuard(const char* module, bool cancels)
    {
        g_chosenModule = module;
        g_chooserCancels = cancels;
        m_previous = CMainFrame::SetLoadDocChooser(&ChooseForTest);
    }
    ~ChooserGuard() { CMainFrame::SetLoadDocChooser(m_previous); }

private:
    CMainFrame::LoadDocChooser m_previous = nullptr;
};

}  // namespace

TEST(MainFrame, CreatesItsBarsAndToolbarButtons)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    CMainFrame* pFrame = viewer.Frame();
    ASSERT_NE(pFrame, nullptr);

    struct BarCase {
        const char* name;
        CControlBar* bar;
        UINT id;
    } bars[] = {
        {"menu bar", &pFrame->GetMenuBar(), Lumidoc::kMenuBarId},
        {"toolbar", &pFrame->GetToolBar(), Lumidoc::kToolBarId},
        {"status bar", &pFrame->GetStatusBar(), Lumidoc::kStatusBarId},
        {"caption bar", &pFrame->GetCaptionBar(), Lumidoc::kCaptionBarId},
        {"content bar", &pFrame->GetContentBar(), Lumidoc::kContentBarId},
    };
    for (const BarCase& c : bars) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(::IsWindow(c.bar->GetSafeHwnd()));
        EXPECT_TRUE(c.bar->IsWindowVisible());
        EXPECT_EQ(static_cast<UINT>(c.bar->GetDlgCtrlID()), c.id);
        EXPECT_EQ(pFrame->GetControlBar(c.id), c.bar);
    }
    CString toolbarName;
    pFrame->GetToolBar().GetWindowText(toolbarName);
    EXPECT_STREQ(toolbarName, "Standard");
    EXPECT_EQ(DockBarIdOfBar(&pFrame->GetContentBar()), static_cast<UINT>(FW_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(DockBarIdOfBar(&pFrame->GetToolBar()), static_cast<UINT>(FW_IDW_DOCKBAR_TOP));

    // The placeholders became the label, the search box and the history drop-downs.
    auto* pLabel = dynamic_cast<CToolbarText*>(ToolbarButton(pFrame, ID_SEARCH_LABEL));
    ASSERT_NE(pLabel, nullptr);
    EXPECT_STREQ(pLabel->m_strText, "Search:");
    EXPECT_TRUE(pLabel->IsKindOf(RUNTIME_CLASS(CToolbarText)));
    auto* pSearchBox = dynamic_cast<CWTKToolbarEditBoxButton*>(ToolbarButton(pFrame, IDC_SEARCH_BOX));
    ASSERT_NE(pSearchBox, nullptr);
    ASSERT_NE(pSearchBox->GetEditBox(), nullptr);
    EXPECT_TRUE(pSearchBox->GetEditBox()->IsWindowVisible());
    // The edit lies in its button's place (it was laid out while the frame was hidden).
    CRect rectEdit;
    pSearchBox->GetEditBox()->GetWindowRect(&rectEdit);
    pFrame->GetToolBar().ScreenToClient(&rectEdit);
    const CRect rectButton = pSearchBox->GetRect();
    EXPECT_GT(rectEdit.Width(), rectButton.Width() / 2);
    EXPECT_TRUE(rectEdit.left >= rectButton.left && rectEdit.right <= rectButton.right);
    EXPECT_TRUE(CWTKToolbarEditBoxButton::IsFlatMode());
    for (UINT id : {ID_PAGE_BACK, ID_PAGE_FORWARD})
        EXPECT_NE(dynamic_cast<CWTKToolbarMenuButton*>(ToolbarButton(pFrame, id)), nullptr) << id;

    struct LabelCase {
        UINT id;
        const char* text;
    } labels[] = {{ID_FILE_PRINT, "Print"},        {ID_PAGE_REFRESH, "Refresh"},
                  {ID_PAGE_BACK, "Back"},          {ID_PAGE_FORWARD, "Forward"},
                  {ID_APP_ABOUT, "About Lumidoc"}, {ID_VIEW_CONTENT_BAR, "Toggle Content Bar"}};
    for (const LabelCase& c : labels) {
        CWTKToolbarButton* pButton = ToolbarButton(pFrame, c.id);
        ASSERT_NE(pButton, nullptr) << c.id;
        EXPECT_TRUE(pButton->m_bText) << c.id;
        EXPECT_TRUE(pButton->m_bImage) << c.id;
        EXPECT_STREQ(pButton->m_strText, c.text) << c.id;
    }

    EXPECT_EQ(pFrame->GetStatusBar().GetCount(), 4);
    CWorkspaceBar& content = viewer.ContentBar();
    ASSERT_EQ(content.GetTabWnd().GetTabsNum(), 3);
    EXPECT_EQ(TabLabel(content, 0), "Contents");
    EXPECT_EQ(TabLabel(content, 1), "Index");
    EXPECT_EQ(TabLabel(content, 2), "Search");
    EXPECT_EQ(content.GetTree().GetCount(), 4u);  // the root and three topics
    EXPECT_EQ(content.GetIndexPane().GetList().GetCount(), 3);
    EXPECT_EQ(viewer.Location(), FixturePage('A', 0));
}

TEST(MainFrame, CaptionBarNamesTheDocumentation)
{
    struct Case {
        const char* module;
        const char* caption;
    } cases[] = {{"HvDocA.dll", "Fixture Guide A"}, {"HvDocC.dll", "Lumidoc - Welcome"}};
    for (const Case& c : cases) {
        ViewerFrameFixture viewer(c.module);
        ASSERT_NE(viewer.Frame(), nullptr) << c.module;
        EXPECT_STREQ(viewer.Frame()->GetCaptionBar().GetText(), c.caption) << c.module;
    }
}

TEST(MainFrame, ShowTopicStaysWithinTheModulesTopics)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    using UrlCallsFn = LONG(WINAPI*)();
    auto urlCalls = reinterpret_cast<UrlCallsFn>(
        reinterpret_cast<void*>(::GetProcAddress(CContentModule::Current().GetHandle(), "Fixture_UrlCalls")));
    ASSERT_NE(urlCalls, nullptr);

    struct Case {
        int topic;
        std::string expected;  // the page shown afterwards
    } cases[] = {
        {2, FixturePage('A', 2)},  {1, FixturePage('A', 1)},  {3, FixturePage('A', 1)},
        {99, FixturePage('A', 1)}, {-3, FixturePage('A', 1)}, {0, FixturePage('A', 0)},
    };
    for (const Case& c : cases) {
        const LONG callsBefore = urlCalls();
        viewer.Frame()->ShowTopic(c.topic);
        EXPECT_EQ(viewer.Location(), c.expected) << "topic " << c.topic;
        const bool inRange = c.topic >= 0 && c.topic < 3;
        EXPECT_EQ(urlCalls() - callsBefore, inRange ? 1 : 0) << "topic " << c.topic;
    }
}

TEST(MainFrame, ShowTopicWithoutPageAddressesShowsNothing)
{
    MessageBoxRecorder boxes;
    ViewerFrameFixture viewer("HvDocD.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    const std::string before = viewer.Location();
    viewer.Frame()->ShowTopic(0);
    EXPECT_EQ(viewer.Location(), before);
}

TEST(MainFrame, EnterInTheToolbarSearchBoxSearchesInTheSearchTab)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    auto* pSearchBox = dynamic_cast<CWTKToolbarEditBoxButton*>(ToolbarButton(viewer.Frame(), IDC_SEARCH_BOX));
    ASSERT_NE(pSearchBox, nullptr);
    CWTKToolbarEditCtrl* pEdit = pSearchBox->GetEditBox();
    CWorkspaceBar& content = viewer.ContentBar();
    CSearchDlg& search = content.GetSearchPane();
    viewer.Frame()->SetForegroundWindow();

    auto pressEnter = [&](LPCSTR text) {
        pEdit->SetWindowText(text);
        pEdit->SetFocus();
        PumpPending();
        pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
        PumpPending();
    };
    // Empty: nothing runs, the Contents tab stays.
    pressEnter("");
    EXPECT_EQ(content.GetTabWnd().GetActiveTab(), Lumidoc::kTabContents);
    EXPECT_EQ(search.GetList().GetCount(), 0);

    pressEnter("ALPHA");
    EXPECT_EQ(content.GetTabWnd().GetActiveTab(), Lumidoc::kTabSearch);
    CString searchText;
    search.GetEdit().GetWindowText(searchText);
    EXPECT_STREQ(searchText, "ALPHA");
    EXPECT_EQ(ListTexts(search.GetList()), std::vector<std::string>({"Alpha topic"}));
}

TEST(MainFrame, SearchButtonOfAVerticalToolbarDocksItOnTop)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWTKToolBar& toolbar = viewer.Frame()->GetToolBar();
    viewer.Frame()->DockControlBar(&toolbar, FW_IDW_DOCKBAR_LEFT);
    viewer.Frame()->RecalcLayout();
    PumpPending();
    ASSERT_EQ(DockBarIdOfBar(&toolbar), static_cast<UINT>(FW_IDW_DOCKBAR_LEFT));
    auto* pSearchBox = dynamic_cast<CWTKToolbarEditBoxButton*>(ToolbarButton(viewer.Frame(), IDC_SEARCH_BOX));
    ASSERT_NE(pSearchBox, nullptr);
    EXPECT_FALSE(pSearchBox->GetEditBox() != nullptr && pSearchBox->GetEditBox()->IsWindowVisible());

    viewer.Command(IDC_SEARCH_BOX);
    EXPECT_EQ(DockBarIdOfBar(&toolbar), static_cast<UINT>(FW_IDW_DOCKBAR_TOP));
    EXPECT_EQ(viewer.ContentBar().GetTabWnd().GetActiveTab(), Lumidoc::kTabContents);
}

TEST(MainFrame, ToolbarsMenusAlwaysListTheThreeBars)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    const std::vector<UINT> bars = {ID_VIEW_TOOLBAR, ID_VIEW_CONTENT_BAR, ID_VIEW_CAPTION_BAR};

    // The View menu's Toolbars sub-menu holds only its placeholder in the resource.
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_TOOLBARS_PLACEHOLDER, "<TOOLBARS>");
    auto* pPopup = CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), viewer.Frame(), 100, 100, hMenu, FALSE, TRUE);
    ASSERT_NE(pPopup, nullptr);
    PumpPending();
    EXPECT_EQ(PopupItemIds(pPopup), bars);
    ClosePopup(pPopup);

    // The bars' context menu.
    viewer.Frame()->SendMessage(WTK_TOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(viewer.Frame()->GetToolBar().m_hWnd),
                                MAKELPARAM(120, 120));
    PumpPending();
    CWTKPopupMenu* pContext = CWTKPopupMenu::GetActiveMenu();
    ASSERT_NE(pContext, nullptr);
    EXPECT_EQ(PopupItemIds(pContext), bars);
    ClosePopup(pContext);
}

TEST(MainFrame, BackAndForwardDropDownsListTheHistoryNearestFirst)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    auto* pBack = dynamic_cast<CWTKToolbarMenuButton*>(ToolbarButton(viewer.Frame(), ID_PAGE_BACK));
    auto* pForward = dynamic_cast<CWTKToolbarMenuButton*>(ToolbarButton(viewer.Frame(), ID_PAGE_FORWARD));
    ASSERT_NE(pBack, nullptr);
    ASSERT_NE(pForward, nullptr);
    auto dropDown = [&](CWTKToolbarMenuButton* pButton) {
        EXPECT_TRUE(pButton->OpenPopupMenu(&viewer.Frame()->GetToolBar()));
        PumpPending();
        CWTKPopupMenu* pPopup = pButton->GetPopupMenu();
        std::vector<std::string> texts = pPopup ? PopupItemTexts(pPopup) : std::vector<std::string>();
        std::vector<UINT> ids = pPopup ? PopupItemIds(pPopup) : std::vector<UINT>();
        ClosePopup(pPopup);
        return std::make_pair(texts, ids);
    };
    // One page: Forward keeps its placeholder.
    EXPECT_EQ(dropDown(pForward).second, std::vector<UINT>({IDR_HISTORY_MENU}));

    viewer.Frame()->ShowTopic(1);
    viewer.Location();
    viewer.Frame()->ShowTopic(2);
    viewer.Location();
    viewer.Command(ID_PAGE_BACK);  // the history reads 2, 1, 0 and topic 1 is shown
    ASSERT_EQ(viewer.Location(), FixturePage('A', 1));

    CHelpDoc* pDoc = viewer.Doc();
    ASSERT_NE(pDoc, nullptr);
    ASSERT_EQ(pDoc->GetHistoryCount(), 3);
    const auto back = dropDown(pBack);
    EXPECT_EQ(back.second, std::vector<UINT>({pDoc->GetHistoryAt(2)->GetCommandId()}));
    EXPECT_EQ(back.first, std::vector<std::string>({std::string(pDoc->GetHistoryAt(2)->GetTitle())}));
    const auto forward = dropDown(pForward);
    EXPECT_EQ(forward.second, std::vector<UINT>({pDoc->GetHistoryAt(0)->GetCommandId()}));
    EXPECT_EQ(forward.first, std::vector<std::string>({std::string(pDoc->GetHistoryAt(0)->GetTitle())}));

    // Picking an entry of a drop-down shows its page.
    viewer.Command(pDoc->GetHistoryAt(2)->GetCommandId());
    EXPECT_EQ(viewer.Location(), FixturePage('A', 0));
}

TEST(MainFrame, LoadDocumentationSwitchesOnlyToAModuleThatLoads)
{
    MessageBoxRecorder boxes;
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWorkspaceBar& content = viewer.ContentBar();
    CSearchDlg& search = content.GetSearchPane();
    TypeText(search.GetEdit(), "a");
    search.DoSearch();
    ASSERT_EQ(search.GetList().GetCount(), 3);
    viewer.Frame()->ShowTopic(2);
    ASSERT_EQ(viewer.Location(), FixturePage('A', 2));
    const HMODULE hOld = CContentModule::Current().GetHandle();

    {
        // Cancel changes nothing; a module that does not load is reported and changes nothing.
        ChooserGuard cancel("", true);
        viewer.Command(ID_LOAD_DOCUMENTATION);
    }
    {
        ChooserGuard missing("NoSuchDoc.dll", false);
        viewer.Command(ID_LOAD_DOCUMENTATION);
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Could not find dll: NoSuchDoc.dll");
    EXPECT_EQ(boxes.boxes[0].caption, "Error");
    EXPECT_EQ(CContentModule::Current().GetHandle(), hOld);
    EXPECT_EQ(content.GetTree().GetCount(), 4u);
    EXPECT_EQ(content.GetIndexPane().GetList().GetCount(), 3);
    EXPECT_EQ(search.GetList().GetCount(), 3);
    EXPECT_STREQ(viewer.Frame()->GetCaptionBar().GetText(), "Fixture Guide A");
    EXPECT_EQ(viewer.Location(), FixturePage('A', 2));
    viewer.Frame()->ShowTopic(1);  // the old module still answers
    EXPECT_EQ(viewer.Location(), FixturePage('A', 1));

    // The product's documentation: its contents and index, an empty search list, its title.
    const int historyBefore = viewer.Doc()->GetHistoryCount();
    {
        ChooserGuard pendrel("PendrelEn.dll", false);
        viewer.Command(ID_LOAD_DOCUMENTATION);
    }
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(CContentModule::Current().GetHandle(), hOld);
    EXPECT_EQ(CContentModule::Current().GetStartTopic(), 0);
    EXPECT_EQ(content.GetTree().GetCount(), 24u);
    EXPECT_EQ(content.GetIndexPane().GetList().GetCount(), 23);
    EXPECT_EQ(search.GetList().GetCount(), 0);
    EXPECT_STREQ(viewer.Frame()->GetCaptionBar().GetText(), "Tolvek Glyphora Help");
    EXPECT_EQ(viewer.Location(), "res://Pendrelen.dll/1");
    // The history keeps the pages of the documentation before.
    EXPECT_EQ(viewer.Doc()->GetHistoryCount(), historyBefore + 1);
}

TEST(MainFrame, LoadDocumentationShowsOnlyTheNewModulesEntries)
{
    MessageBoxRecorder boxes;
    ViewerFrameFixture viewer("PendrelEn.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWorkspaceBar& content = viewer.ContentBar();
    CTreeCtrl& tree = content.GetTree();
    CListBox& index = content.GetIndexPane().GetList();
    ASSERT_EQ(tree.GetCount(), 24u);
    ASSERT_NE(tree.GetImageListHandle(TVSIL_NORMAL), nullptr) << "the product's module gives the tree its images";

    // Each switch, both ways: the panes hold the new module's entries or none, and the tree
    // holds an image list only while the module that made it is loaded.
    const struct {
        const char* pszModule;
        UINT nTreeItems;
        int nIndexItems;
        bool bImages;
    } cases[] = {
        {"HvDocB.dll", 0, 0, false}, {"PendrelEn.dll", 24, 23, true}, {"HvDocA.dll", 4, 3, false},
        {"HvDocB.dll", 0, 0, false}, {"HvDocA.dll", 4, 3, false},     {"PendrelEn.dll", 24, 23, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszModule);
        boxes.boxes.clear();
        {
            ChooserGuard choose(c.pszModule, false);
            viewer.Command(ID_LOAD_DOCUMENTATION);
        }
        ASSERT_EQ(CContentModule::Current().GetHandle(), ::GetModuleHandleA(c.pszModule));
        EXPECT_EQ(tree.GetCount(), c.nTreeItems);
        EXPECT_EQ(index.GetCount(), c.nIndexItems);
        // Every Index entry is the loaded module's title of its topic.
        const std::vector<std::string> titles = ListTexts(index);
        int nForeign = 0;
        for (int i = 0; i < static_cast<int>(titles.size()); ++i) {
            CString strTitle;
            if (!CContentModule::Current().GetTopic(static_cast<int>(index.GetItemData(i)), strTitle) ||
                titles[static_cast<size_t>(i)] != static_cast<LPCSTR>(strTitle))
                ++nForeign;
        }
        EXPECT_EQ(nForeign, 0) << "Index entries of another module";
        const HIMAGELIST hImages = tree.GetImageListHandle(TVSIL_NORMAL);
        if (c.bImages) {
            ASSERT_NE(hImages, nullptr);
            EXPECT_GT(::ImageList_GetImageCount(hImages), 0) << "the tree's image list is alive";
        } else {
            EXPECT_EQ(hImages, nullptr) << "the tree kept the image list of a module that is gone";
        }
        // A module without a contents export says so, once.
        EXPECT_EQ(boxes.boxes.size(), c.nTreeItems == 0 ? 1u : 0u);
    }
}

TEST(MainFrame, BarCommandsShowAndHideTheBars)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    struct Case {
        UINT command;
        CControlBar* bar;
    } cases[] = {{ID_VIEW_CONTENT_BAR, &viewer.Frame()->GetContentBar()},
                 {ID_VIEW_CAPTION_BAR, &viewer.Frame()->GetCaptionBar()}};
    for (const Case& c : cases) {
        EXPECT_EQ(viewer.CheckOf(c.command), 1) << c.command;
        viewer.Command(c.command);
        EXPECT_FALSE(c.bar->IsWindowVisible()) << c.command;
        EXPECT_EQ(viewer.CheckOf(c.command), 0) << c.command;
        viewer.Command(c.command);
        EXPECT_TRUE(c.bar->IsWindowVisible()) << c.command;
    }
}

TEST(MainFrame, VendorWebSiteOpensInTheBrowser)
{
    static std::vector<std::string> launched;
    launched.clear();
    FwShellExecuteFn previous = FwSetShellLauncher([](HWND, LPCSTR, LPCSTR file, LPCSTR params, LPCSTR,
                                                      int show) -> HINSTANCE {
        launched.push_back(std::string(file ? file : "") + "|" + (params ? params : "") + "|" + std::to_string(show));
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
    });
    {
        ViewerFrameFixture viewer("HvDocA.dll");
        ASSERT_NE(viewer.Frame(), nullptr);
        viewer.Command(ID_VENDOR_WEB);
    }
    FwSetShellLauncher(previous);
    EXPECT_EQ(launched,
              std::vector<std::string>(
                  {std::string("iexplore.exe|") + Lumidoc::kWebAddress + "|" + std::to_string(SW_SHOWMAXIMIZED)}));
}

TEST(MainFrame, ScreenshotOfTheProductDocumentation)
{
    ViewerFrameFixture viewer("PendrelEn.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    viewer.Frame()->SetWindowPos(nullptr, 20, 20, 900, 640, SWP_NOZORDER);
    CTreeCtrl& tree = viewer.ContentBar().GetTree();
    for (HTREEITEM hItem = tree.GetRootItem(); hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem))
        tree.Expand(hItem, TVE_EXPAND);
    viewer.Frame()->RecalcLayout();
    EXPECT_EQ(viewer.Location(), "res://Pendrelen.dll/1");
    PumpPending();
    EXPECT_TRUE(SaveWindowShot(viewer.Frame()->GetSafeHwnd(), "viewer_main_frame.png"));
}
