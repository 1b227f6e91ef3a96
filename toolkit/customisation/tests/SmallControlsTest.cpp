// The browse edit, the hot-tracking header, the caption window and the tree-navigated property
// sheet in real windows: mouse messages sent to them, layout and pixels read back.
#include "customisation/BrowseEdit.h"
#include "customisation/CaptionLabel.h"
#include "customisation/WTKHeaderCtrl.h"
#include "customisation/WTKPropertySheet.h"

#include "Canvas.h"
#include "Files.h"
#include "MessagePump.h"
#include "ControlsTestsRes.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKUserSignals.h"
#include "foundation/WTKVisualManager.h"

#include "docview/FrameWnd.h"
#include "win/ClientDC.h"
#include "win/PropertyPage.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

LPARAM PointParam(CPoint point)
{
    return MAKELPARAM(point.x, point.y);
}

// One image per colour: a square of that colour filling the image.
void AddSquareImages(CImageList& images, int nSize, std::initializer_list<COLORREF> colours)
{
    for (COLORREF colour : colours) {
        CClientDC dcScreen(nullptr);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, nSize, nSize);
        CDC dc;
        dc.CreateCompatibleDC(&dcScreen);
        CBitmap* pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, nSize, nSize, colour);
        dc.SelectObject(pOld);
        images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    }
}

class SmallControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Small controls", WS_OVERLAPPEDWINDOW, CRect(40, 40, 600, 400)));
        m_frame.ShowWindow(SW_SHOW);
        PumpPending();
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    CFrameWnd m_frame;
};

// ---- Browse edit ----

class CRecordingBrowseEdit : public CBrowseEdit {
public:
    int m_nBrowses = 0;
    HWND m_hWndCaptureDuringBrowse = reinterpret_cast<HWND>(-1);

protected:
    void OnBrowse() override
    {
        m_nBrowses++;
        m_hWndCaptureDuringBrowse = ::GetCapture();
        CBrowseEdit::OnBrowse();
    }
};

CString g_strChosenFile;
BOOL ChooseTestFile(HWND, BOOL, LPCSTR, LPCSTR, LPCSTR, CString& strPath)
{
    strPath = g_strChosenFile;
    return !g_strChosenFile.IsEmpty();
}

TEST_F(SmallControlsTest, BrowseButtonSitsInTheBorderAndRunsAfterTheCaptureIsGone)
{
    CRecordingBrowseEdit edit;
    edit.EnableBrowseButton();
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 260, 34), &m_frame, 100));
    const WTKChooseFileFn pfnOld = WTKSetChooseFileFunction(ChooseTestFile);
    g_strChosenFile = "C:\\reports\\march.txt";

    CRect rectWindow, rectClient;
    edit.GetWindowRect(&rectWindow);
    edit.GetClientRect(&rectClient);
    const CRect rectButton = edit.GetBrowseButtonRect();
    EXPECT_EQ(rectButton.Width(), CBrowseEdit::kButtonWidth);
    EXPECT_LE(rectClient.Width() + CBrowseEdit::kButtonWidth, rectWindow.Width());
    EXPECT_NE(edit.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS, 0);

    CPoint ptButton = rectWindow.TopLeft() + rectButton.CenterPoint();
    EXPECT_EQ(edit.SendMessage(WM_NCHITTEST, 0, PointParam(ptButton)), HTBORDER);

    // Press, slide off (the button rises), back on, release.
    edit.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, PointParam(ptButton));
    EXPECT_EQ(::GetCapture(), edit.GetSafeHwnd());
    EXPECT_TRUE(edit.IsBrowseButtonPressed());
    CPoint ptClient(5, 5);
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptClient));
    EXPECT_FALSE(edit.IsBrowseButtonPressed());
    CPoint ptBack = ptButton;
    edit.ScreenToClient(&ptBack);
    edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(ptBack));
    EXPECT_TRUE(edit.IsBrowseButtonPressed());
    edit.SendMessage(WM_LBUTTONUP, 0, PointParam(ptBack));

    EXPECT_EQ(edit.m_nBrowses, 1);
    EXPECT_EQ(edit.m_hWndCaptureDuringBrowse, nullptr);
    EXPECT_FALSE(edit.IsBrowseButtonPressed());
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ(strText, "C:\\reports\\march.txt");

    // Released off the button: nothing runs.
    edit.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, PointParam(ptButton));
    edit.SendMessage(WM_LBUTTONUP, 0, PointParam(ptClient));
    EXPECT_EQ(edit.m_nBrowses, 1);
    EXPECT_EQ(::GetCapture(), nullptr);

    edit.EnableBrowseButton(FALSE);
    EXPECT_TRUE(edit.GetBrowseButtonRect().IsRectEmpty());
    EXPECT_NE(edit.SendMessage(WM_NCHITTEST, 0, PointParam(ptButton)), HTBORDER);
    WTKSetChooseFileFunction(pfnOld);
    edit.DestroyWindow();
}

// ---- Header ----

class CCountingHeader : public CWTKHeaderCtrl {
public:
    int m_nPaints = 0;
    std::vector<int> m_hotDrawn;

protected:
    void OnFillBackground(CDC* pDC, CRect rectClient) override
    {
        m_nPaints++;
        CWTKHeaderCtrl::OnFillBackground(pDC, rectClient);
    }
    void OnDrawItem(CDC* pDC, int nItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted) override
    {
        if (bIsHighlighted)
            m_hotDrawn.push_back(nItem);
        CWTKHeaderCtrl::OnDrawItem(pDC, nItem, rect, bIsPressed, bIsHighlighted);
    }
};

TEST_F(SmallControlsTest, HeaderRedrawsOncePerChangeOfTheHotItem)
{
    CCountingHeader header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_HORZ, CRect(10, 10, 410, 34), &m_frame, 101));
    const char* names[] = {"Name", "Size", "Modified"};
    for (int i = 0; i < 3; i++) {
        HDITEMA item = {};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = 100;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.pszText = const_cast<char*>(names[i]);
        header.InsertItem(i, &item);
    }
    EXPECT_FALSE(header.IsDialogControl());
    // The real cursor rests on the header, so that leave tracking does not end at once.
    CPoint ptCursor(150, 10);
    header.ClientToScreen(&ptCursor);
    ::SetCursorPos(ptCursor.x, ptCursor.y);
    header.UpdateWindow();
    PumpPending();
    header.SendMessage(WM_MOUSELEAVE);
    header.m_nPaints = 0;

    const int xs[] = {20, 40, 150, 160, 250, 350};  // two moves in each of three places
    for (int x : xs)
        header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, 10));
    EXPECT_EQ(header.GetHotItem(), -1);  // right of the last item: none
    EXPECT_EQ(header.m_nPaints, 4);      // item 0, item 1, item 2, then none
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    EXPECT_EQ(header.GetHotItem(), 0);
    EXPECT_EQ(header.m_nPaints, 5);
    ASSERT_FALSE(header.m_hotDrawn.empty());
    EXPECT_EQ(header.m_hotDrawn.back(), 0);

    header.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(header.GetHotItem(), -1);
    EXPECT_EQ(header.m_nPaints, 6);

    // The hot item is drawn lighter than the rest (the face colour elsewhere).
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
    PumpPending();
    Canvas canvas(400, 24);
    ASSERT_TRUE(canvas.CopyFromWindow(header.GetSafeHwnd(), false));
    EXPECT_EQ(canvas.Pixel(150, 3), WTKGetGlobalData().clrBtnHilite);
    EXPECT_EQ(canvas.Pixel(50, 3), WTKGetGlobalData().clrBtnFace);
    header.DestroyWindow();
}

// ---- Caption window ----

TEST_F(SmallControlsTest, CaptionLabelPlacesItsButtonsAndItsChild)
{
    CCaptionLabel label;
    ASSERT_TRUE(label.Create("Properties", WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210), &m_frame, 102));
    CEdit child;
    ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 10, 10), &label, 1));
    label.SetClientWnd(&child);
    label.AddCaptionButton(kCaptionButtonHide, 0xE100);
    label.AddCaptionButton(kCaptionButtonHide + 1, 0xE101);
    label.SetMinCaptionHeight(30);

    CRect rectCaption = label.GetCaptionRect();
    EXPECT_EQ(rectCaption.Height(), 30);
    CRect rectChild;
    child.GetWindowRect(&rectChild);
    label.ScreenToClient(&rectChild);
    EXPECT_EQ(rectChild, CRect(0, 30, 300, 200));

    const int nButtonWidth = CCaptionLabel::GetButtonWidth();
    EXPECT_GT(nButtonWidth, 5);
    EXPECT_EQ(label.GetCaptionButtonRect(0), CRect(300 - nButtonWidth, 1, 300, 29));
    EXPECT_EQ(label.GetCaptionButtonRect(1), CRect(300 - 2 * nButtonWidth, 1, 300 - nButtonWidth, 29));

    // Below the minimum the font decides: four thirds of its text height.
    label.SetMinCaptionHeight(0);
    CClientDC dc(&label);
    CFont* pOld = dc.SelectObject(&WTKGetGlobalData().fontRegular);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.GetSafeHdc(), &tm);
    dc.SelectObject(pOld);
    (void)pOld;
    EXPECT_EQ(label.GetCaptionRect().Height(), static_cast<int>(tm.tmHeight) * 4 / 3);

    label.SetFocus();
    EXPECT_EQ(::GetFocus(), child.GetSafeHwnd());

    label.SetMinCaptionHeight(30);
    label.UpdateWindow();
    Canvas canvas(300, 200);
    ASSERT_TRUE(canvas.CopyFromWindow(label.GetSafeHwnd(), false));
    EXPECT_EQ(canvas.Pixel(2, 15), WTKGetGlobalData().clrBtnFace);
    SaveWindowScreenshot(m_frame.GetSafeHwnd(), "controls_caption_label.png");
    label.DestroyWindow();
}

// ---- Tree-navigated property sheet ----

TEST_F(SmallControlsTest, TreeSheetActivatesPagesByCategory)
{
    CPropertyPage general(IDD_CONTROLS_PAGE_GENERAL);
    CPropertyPage colours(IDD_CONTROLS_PAGE_COLOURS);
    CPropertyPage fonts(IDD_CONTROLS_PAGE_FONTS);
    CWTKPropertySheet sheet("Report Options", &m_frame);
    sheet.SetLook(CWTKPropertySheet::kLookTree, 140);

    CImageList icons;
    ASSERT_TRUE(icons.Create(16, 16, ILC_COLOR24, 4, 0));
    AddSquareImages(icons, 16, {RGB(0, 96, 192), RGB(255, 192, 0), RGB(0, 160, 64), RGB(224, 64, 32)});
    sheet.SetIconsList(icons.GetSafeHandle());
    CWTKPropSheetCategory* pReport = sheet.AddTreeCategory("Report", 0, 1);
    sheet.AddPageToTree(pReport, &general);
    CWTKPropSheetCategory* pAppearance = sheet.AddTreeCategory("Appearance", 2, 3);
    CWTKPropSheetCategory* pPrinting = sheet.AddTreeCategory("Printing", 2, 3, pAppearance);
    sheet.AddPageToTree(pPrinting, &colours);
    sheet.AddPageToTree(pPrinting, &fonts);
    ASSERT_TRUE(sheet.Create(&m_frame));
    sheet.ShowWindow(SW_SHOW);
    PumpPending();

    CTreeCtrl* pTree = sheet.GetTreeCtrl();
    ASSERT_NE(pTree, nullptr);
    EXPECT_FALSE(sheet.GetTabControl()->IsWindowVisible());
    EXPECT_EQ(pTree->GetCount(), 6u);  // two categories, one sub-category, three pages
    EXPECT_EQ(sheet.GetActivePage(), &general);
    EXPECT_EQ(sheet.GetActiveCategory(), pReport);

    // Choosing a category without pages of its own opens its first page-bearing sub-category.
    pTree->SelectItem(pAppearance->m_hTreeItem);
    PumpPending();
    EXPECT_EQ(sheet.GetActivePage(), &colours);
    EXPECT_EQ(sheet.GetActiveCategory(), pAppearance);

    pTree->SelectItem(sheet.GetPageTreeItem(&fonts));
    PumpPending();
    EXPECT_EQ(sheet.GetActivePage(), &fonts);
    EXPECT_EQ(sheet.GetActiveCategory(), pPrinting);

    // The item images follow the active category and page.
    auto imageOf = [&](HTREEITEM hItem) {
        TVITEMA item = {};
        item.mask = TVIF_IMAGE | TVIF_HANDLE;
        item.hItem = hItem;
        pTree->GetItem(&item);
        NMTVDISPINFOA info = {};
        info.hdr.hwndFrom = pTree->GetSafeHwnd();
        info.hdr.idFrom = static_cast<UINT_PTR>(pTree->GetDlgCtrlID());
        info.hdr.code = TVN_GETDISPINFOA;
        info.item.mask = TVIF_IMAGE;
        info.item.hItem = hItem;
        sheet.SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
        return info.item.iImage;
    };
    EXPECT_EQ(imageOf(pReport->m_hTreeItem), 0);
    EXPECT_EQ(imageOf(pPrinting->m_hTreeItem), 3);
    EXPECT_EQ(imageOf(sheet.GetPageTreeItem(&fonts)), 3);
    EXPECT_EQ(imageOf(sheet.GetPageTreeItem(&colours)), 2);

    // The pages stand right of the tree.
    CRect rectTree, rectPage;
    pTree->GetWindowRect(&rectTree);
    fonts.GetWindowRect(&rectPage);
    EXPECT_GE(rectPage.left, rectTree.right);
    SaveWindowScreenshot(sheet.GetSafeHwnd(), "controls_tree_sheet.png");
    sheet.DestroyWindow();
}

TEST_F(SmallControlsTest, ButtonBarSheetSwitchesPagesByItsShortcutButtons)
{
    CPropertyPage general(IDD_CONTROLS_PAGE_GENERAL);
    CPropertyPage colours(IDD_CONTROLS_PAGE_COLOURS);
    CPropertyPage fonts(IDD_CONTROLS_PAGE_FONTS);
    CWTKPropertySheet sheet("Report Options", &m_frame);
    sheet.SetLook(CWTKPropertySheet::kLookButtonBar, 100);
    CImageList icons;
    ASSERT_TRUE(icons.Create(32, 32, ILC_COLOR24, 3, 0));
    AddSquareImages(icons, 32, {RGB(0, 96, 192), RGB(255, 192, 0), RGB(0, 160, 64)});
    sheet.SetIconsList(icons.GetSafeHandle());
    sheet.AddPage(&general);
    sheet.AddPage(&colours);
    sheet.AddPage(&fonts);
    ASSERT_TRUE(sheet.Create(&m_frame));
    sheet.ShowWindow(SW_SHOW);
    PumpPending();

    CWTKOutlookBar* pBar = sheet.GetButtonBar();
    ASSERT_NE(pBar, nullptr);
    ASSERT_EQ(pBar->GetPageButtonCount(pBar->GetActivePage()), 3);
    CWTKOutlookButton* pColours = pBar->GetPageButton(pBar->GetActivePage(), 1);
    EXPECT_NE(pBar->GetPageButton(pBar->GetActivePage(), 0)->m_nStyle & TBBS_CHECKED, 0u);

    // A click on the second shortcut button opens the second page and marks that button.
    const CPoint ptClick = pColours->GetRect().CenterPoint();
    pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClick.x, ptClick.y));
    pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClick.x, ptClick.y));
    PumpPending();
    EXPECT_EQ(sheet.GetActivePage(), &colours);
    EXPECT_NE(pColours->m_nStyle & TBBS_CHECKED, 0u);
    EXPECT_EQ(pBar->GetPageButton(pBar->GetActivePage(), 0)->m_nStyle & TBBS_CHECKED, 0u);

    CRect rectBar, rectPage;
    pBar->GetWindowRect(&rectBar);
    colours.GetWindowRect(&rectPage);
    EXPECT_GE(rectPage.left, rectBar.right);
    SaveWindowScreenshot(sheet.GetSafeHwnd(), "controls_button_bar_sheet.png");
    sheet.DestroyWindow();
}

}  // namespace
