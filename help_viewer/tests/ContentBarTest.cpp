// The content bar's three panes on a real frame: the contents tree (topics, folders and their
// images), the Index (sorted titles, type-ahead, duplicate titles, Enter) and the Search (keyword
// matching, sorted results, its button, Enter), missing exports, a pane's request while the bar
// floats, and the tree still drawing behind a modal dialog.
#include "Canvas.h"
#include "FrameConstants.h"
#include "Resource.h"
#include "ViewerConstants.h"
#include "ViewerFrameFixture.h"
#include "bars/MiniDockFrameWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kLongTitle(Lumidoc::kMaxExportText, 'L');
// The Load Documentation dialog's caption.
constexpr char kLoadDocCaption[] = "Lumidoc";

// Counts how often a list box is emptied: each search empties its list once.
WNDPROC g_listProc = nullptr;
int g_listResets = 0;

LRESULT CALLBACK CountingListProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LB_RESETCONTENT)
        ++g_listResets;
    return ::CallWindowProcA(g_listProc, hWnd, message, wParam, lParam);
}

void PressEnter(CWnd& control)
{
    control.SetFocus();
    PumpPending();
    control.PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpPending();
}

HTREEITEM FindTreeItem(CTreeCtrl& tree, HTREEITEM hItem, const std::string& text)
{
    for (; hItem != nullptr; hItem = tree.GetNextSiblingItem(hItem)) {
        if (std::string(tree.GetItemText(hItem)) == text)
            return hItem;
        if (HTREEITEM hFound = FindTreeItem(tree, tree.GetChildItem(hItem), text))
            return hFound;
    }
    return nullptr;
}

}  // namespace

TEST(ContentBar, TreeItemsShowTheirTopicsAndFoldersSwitchImages)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CTreeCtrl& tree = viewer.ContentBar().GetTree();
    EXPECT_EQ(static_cast<UINT>(tree.GetDlgCtrlID()), Lumidoc::kContentsTreeId);
    EXPECT_EQ(tree.GetStyle() & 0xFFFF00FFu, Lumidoc::kContentsTreeStyle & 0xFFFF00FFu);
    HTREEITEM hRoot = tree.GetRootItem();
    ASSERT_NE(hRoot, nullptr);
    EXPECT_EQ(static_cast<INT_PTR>(tree.GetItemData(hRoot)), Lumidoc::kNoTopic);

    viewer.Frame()->ShowTopic(1);
    ASSERT_EQ(viewer.Location(), FixturePage('A', 1));
    // A folder shows nothing; a topic shows its page.
    tree.SelectItem(hRoot);
    EXPECT_EQ(viewer.Location(), FixturePage('A', 1));
    tree.SelectItem(FindTreeItem(tree, hRoot, "Gamma topic"));
    EXPECT_EQ(viewer.Location(), FixturePage('A', 2));

    struct Case {
        UINT code;
        int image;
    } cases[] = {{TVE_COLLAPSE, Lumidoc::kFolderClosedImage}, {TVE_EXPAND, Lumidoc::kFolderOpenImage}};
    for (const Case& c : cases) {
        tree.Expand(hRoot, c.code);
        // A program's own expansion sends no notification; the user's click does.
        NMTREEVIEWA info {};
        info.hdr.hwndFrom = tree.GetSafeHwnd();
        info.hdr.idFrom = Lumidoc::kContentsTreeId;
        info.hdr.code = TVN_ITEMEXPANDEDA;
        info.action = c.code;
        info.itemNew.hItem = hRoot;
        info.itemNew.mask = TVIF_HANDLE;
        ::SendMessageA(::GetParent(tree.GetSafeHwnd()), WM_NOTIFY, Lumidoc::kContentsTreeId,
                       reinterpret_cast<LPARAM>(&info));
        int image = -1, selected = -1;
        tree.GetItemImage(hRoot, image, selected);
        EXPECT_EQ(image, c.image) << c.code;
        EXPECT_EQ(selected, c.image) << c.code;
    }
}

TEST(ContentBar, IndexListsSortedTitlesWithTypeAhead)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CIndexDlg& index = viewer.ContentBar().GetIndexPane();
    CListBox& list = index.GetList();
    ASSERT_EQ(ListTexts(list), std::vector<std::string>({"Alpha topic", "Gamma topic", kLongTitle}));
    EXPECT_EQ(list.GetItemData(1), 2u);

    // Type-ahead selects without showing a topic; no match keeps the selection.
    struct Case {
        const char* typed;
        int selected;
    } cases[] = {{"gam", 1}, {"ALP", 0}, {"zzz", 0}, {"l", 2}};
    for (const Case& c : cases) {
        TypeText(index.GetEdit(), c.typed);
        EXPECT_EQ(list.GetCurSel(), c.selected) << c.typed;
    }
    EXPECT_EQ(viewer.Location(), FixturePage('A', 0));

    // A click shows the topic and copies the title.
    ClickListItem(list, 1);
    EXPECT_EQ(viewer.Location(), FixturePage('A', 2));
    CString text;
    index.GetEdit().GetWindowText(text);
    EXPECT_STREQ(text, "Gamma topic");

    // Enter neither closes the pane nor shows anything.
    ClickListItem(list, 0);
    ASSERT_EQ(viewer.Location(), FixturePage('A', 0));
    list.SetCurSel(2);
    PressEnter(index.GetEdit());
    PressEnter(list);
    EXPECT_TRUE(::IsWindow(index.GetSafeHwnd()));
    EXPECT_EQ(viewer.Location(), FixturePage('A', 0));
}

TEST(ContentBar, SecondOfTwoEqualIndexTitlesStaysChosen)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CIndexDlg& index = viewer.ContentBar().GetIndexPane();
    CListBox& list = index.GetList();
    list.ResetContent();
    list.AddString("Same title");
    list.AddString("Same title");
    list.SetItemData(0, 1);
    list.SetItemData(1, 2);
    ClickListItem(list, 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_EQ(viewer.Location(), FixturePage('A', 2));
}

TEST(ContentBar, SearchFindsKeywordsOnlyAndSortsByTitle)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CSearchDlg& search = viewer.ContentBar().GetSearchPane();
    struct Case {
        const char* text;
        std::vector<std::string> titles;
    } cases[] = {
        {"ALP", {"Alpha topic"}},                           // keyword "first alpha", any case
        {"cond b", {kLongTitle}},                           // inside "second beta"
        {"topic", {}},                                      // in the titles only
        {"a", {"Alpha topic", "Gamma topic", kLongTitle}},  // sorted by title, not by topic
    };
    for (const Case& c : cases) {
        TypeText(search.GetEdit(), c.text);
        EXPECT_TRUE(search.GetSearchButton().IsWindowEnabled()) << c.text;
        search.GetSearchButton().SendMessage(BM_CLICK);
        PumpPending();
        EXPECT_EQ(ListTexts(search.GetList()), c.titles) << c.text;
    }
    // A result shows its topic.
    ClickListItem(search.GetList(), 1);
    EXPECT_EQ(viewer.Location(), FixturePage('A', 2));

    TypeText(search.GetEdit(), "");
    EXPECT_FALSE(search.GetSearchButton().IsWindowEnabled());
}

TEST(ContentBar, EnterInTheSearchEditSearchesOnce)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    viewer.ContentBar().GetTabWnd().SetActiveTab(Lumidoc::kTabSearch);
    viewer.Frame()->SetForegroundWindow();
    CSearchDlg& search = viewer.ContentBar().GetSearchPane();
    HWND hList = search.GetList().GetSafeHwnd();
    g_listProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingListProc)));

    struct Case {
        const char* text;
        int searches;
        size_t results;
    } cases[] = {{"", 0, 0}, {"gamma", 1, 1}};
    for (const Case& c : cases) {
        TypeText(search.GetEdit(), c.text);
        g_listResets = 0;
        PressEnter(search.GetEdit());
        EXPECT_EQ(g_listResets, c.searches) << c.text;
        EXPECT_EQ(static_cast<size_t>(search.GetList().GetCount()), c.results) << c.text;
    }
    EXPECT_TRUE(search.IsWindowVisible());
    ::SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_listProc));
}

TEST(ContentBar, ModuleWithoutListExportsLeavesThePanesEmpty)
{
    MessageBoxRecorder boxes;
    ViewerFrameFixture viewer("HvDocB.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWorkspaceBar& content = viewer.ContentBar();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Could not find dll");
    EXPECT_EQ(boxes.boxes[0].caption, "");
    EXPECT_EQ(boxes.boxes[0].owner, content.GetSafeHwnd());
    EXPECT_EQ(content.GetTree().GetCount(), 0u);
    EXPECT_EQ(content.GetIndexPane().GetList().GetCount(), 0);

    // The lists keep what they hold: the module cannot answer a search.
    CSearchDlg& search = content.GetSearchPane();
    search.GetList().AddString("kept");
    TypeText(search.GetEdit(), "x");
    search.DoSearch();
    EXPECT_EQ(ListTexts(search.GetList()), std::vector<std::string>({"kept"}));
    EXPECT_EQ(viewer.Location(), FixturePage('B', 0));
}

TEST(ContentBar, PanesReachTheMainFrameWhileTheBarFloats)
{
    ViewerFrameFixture viewer("HvDocA.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    CWorkspaceBar& content = viewer.ContentBar();
    viewer.Frame()->FloatControlBar(&content, CPoint(300, 200));
    PumpPending();
    CIndexDlg& index = content.GetIndexPane();
    // pane, tab window, bar, dock bar, and then the floating frame instead of the main frame
    HWND hAncestor = index.GetSafeHwnd();
    for (int i = 0; i < 4 && hAncestor != nullptr; ++i)
        hAncestor = ::GetParent(hAncestor);
    ASSERT_NE(hAncestor, nullptr);
    EXPECT_NE(hAncestor, viewer.Frame()->GetSafeHwnd());
    EXPECT_TRUE(CWnd::FromHandlePermanent(hAncestor)->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));

    ClickListItem(index.GetList(), 1);
    EXPECT_EQ(viewer.Location(), FixturePage('A', 2));
    // The tree's notifications reach the main frame from the floating bar too.
    CTreeCtrl& tree = content.GetTree();
    tree.SelectItem(FindTreeItem(tree, tree.GetRootItem(), "Alpha topic"));
    EXPECT_EQ(viewer.Location(), FixturePage('A', 0));
}

TEST(ContentBar, TreeKeepsDrawingItsRowsBehindTheLoadDocumentationDialog)
{
    ViewerFrameFixture viewer("PendrelEn.dll");
    ASSERT_NE(viewer.Frame(), nullptr);
    viewer.Frame()->SetWindowPos(nullptr, 0, 0, 900, 640, SWP_NOZORDER | SWP_SHOWWINDOW);
    viewer.Frame()->RecalcLayout();
    PumpPending();
    CTreeCtrl& tree = viewer.ContentBar().GetTree();
    // The tree painted afresh: its pixels other than the window colour (rows, lines, images).
    const auto drawnPixels = [&tree]() {
        tree.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CRect client;
        tree.GetClientRect(&client);
        Canvas shot(client.Width(), client.Height(), kBlack);
        if (!shot.CopyFromWindow(tree.GetSafeHwnd(), false))
            return -1;
        return shot.Width() * shot.Height() - shot.Count(::GetSysColor(COLOR_WINDOW));
    };
    const int before = drawnPixels();
    ASSERT_GT(before, 0);
    int during = -1;
    ModalDriver driver(kLoadDocCaption, {[&](HWND dialog) {
                           // Moved off the tree, as a user drags it aside to look at the contents.
                           CRect rectTree;
                           tree.GetWindowRect(&rectTree);
                           ::SetWindowPos(dialog, nullptr, rectTree.right + 40, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                           PumpPending();
                           during = drawnPixels();
                           ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                           return true;
                       }});
    viewer.Command(ID_LOAD_DOCUMENTATION);
    EXPECT_EQ(during, before) << "the tree drew differently while the dialog was open";
}
