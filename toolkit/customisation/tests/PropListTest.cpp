// The property list's rows: values, groups and the alphabetical view, scrolling, the divider,
// the description area, keys that move the selection, and the pixels of a drawn list.
#include "PropListTestSupport.h"

#include "Canvas.h"
#include "MessagePump.h"

#include "customisation/WTKColorProp.h"

#include "foundation/WTKGlobalData.h"

#include <algorithm>

namespace {

// The names of the rows in view, top to bottom, read back through hit tests.
std::vector<CString> RowNames(CWTKPropList& list)
{
    std::vector<CString> names;
    const CRect rectList = list.GetListRect();
    for (int y = rectList.top + list.GetRowHeight() / 2; y < rectList.bottom; y += list.GetRowHeight()) {
        // Just left of the divider: the name area of a row of any indent, or a group's caption.
        CPoint pt(list.GetNameColumnWidth() - 3, y);
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        if (CWTKProp* pProp = list.GetCurSel())
            names.push_back(pProp->GetName());
        list.SetCurSel(nullptr);
    }
    return names;
}

}  // namespace

TEST(PropValueTest, SettingAnIntegerFollowsTheValueType)
{
    const struct {
        VARTYPE vtBefore;
        int nSet;
        VARTYPE vtAfter;
        LONG nStored;  // boolVal for VT_BOOL, lVal otherwise
        const char* pszText;
    } rows[] = {
        {VT_BOOL, 5, VT_BOOL, VARIANT_TRUE, "True"},
        {VT_BOOL, 0, VT_BOOL, VARIANT_FALSE, "False"},
        {VT_I4, -42, VT_I4, -42, "-42"},
        {VT_ERROR, 7, VT_ERROR, 7, ""},
        {VT_R8, 3, VT_I4, 3, "3"},  // any other type becomes VT_I4
        {VT_BSTR, 9, VT_I4, 9, "9"},
    };
    for (const auto& row : rows) {
        VARIANT var;
        ::VariantInit(&var);
        if (row.vtBefore == VT_BSTR) {
            var.vt = VT_BSTR;
            var.bstrVal = ::SysAllocString(L"text");
        } else {
            var = MakeIntVariant(row.vtBefore, 1);
        }
        CWTKProp prop("P", var);
        ::VariantClear(&var);
        prop.SetValue(row.nSet);
        const VARIANT& value = prop.GetValue();
        EXPECT_EQ(value.vt, row.vtAfter) << row.vtBefore << " set " << row.nSet;
        EXPECT_EQ(value.vt == VT_BOOL ? static_cast<LONG>(value.boolVal) : value.lVal, row.nStored)
            << row.vtBefore << " set " << row.nSet;
        EXPECT_STREQ(prop.FormatProperty(), row.pszText) << row.vtBefore;
    }
}

TEST_F(PropListTest, GroupsCollapseAndTheAlphabeticalViewListsTheirItemsByName)
{
    AddSampleProps();
    // Two groups with their items and one top-level property.
    EXPECT_EQ(m_pList->GetRowCount(), 8);
    EXPECT_EQ(RowNames(*m_pList),
              (std::vector<CString> {"Appearance", "Caption", "Colour name", "Width", "Behaviour", "Enabled", "Zoom",
                                     "Name"}));

    // A click on the expand box collapses the group; its items lose their rows.
    const CRect rectGroup = m_pAppearance->GetRect();
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rectGroup.left + 3, rectGroup.CenterPoint().y));
    EXPECT_FALSE(m_pAppearance->IsExpanded());
    EXPECT_EQ(m_pList->GetRowCount(), 5);
    EXPECT_TRUE(m_pAppearance->GetSubItem(0)->GetRect().IsRectEmpty());
    EXPECT_EQ(RowNames(*m_pList), (std::vector<CString> {"Appearance", "Behaviour", "Enabled", "Zoom", "Name"}));
    // Double click toggles it back; numeric keypad - and + do the same on the selection.
    m_pList->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(rectGroup.right - 5, rectGroup.CenterPoint().y));
    EXPECT_TRUE(m_pAppearance->IsExpanded());
    m_pList->SetCurSel(m_pBehaviour);
    SendKey(*m_pList, VK_SUBTRACT);
    EXPECT_FALSE(m_pBehaviour->IsExpanded());
    SendKey(*m_pList, VK_SUBTRACT);
    EXPECT_FALSE(m_pBehaviour->IsExpanded());
    SendKey(*m_pList, VK_ADD);
    EXPECT_TRUE(m_pBehaviour->IsExpanded());

    // Alphabetical: the groups' items among the others, by name, without the group rows, even
    // from a collapsed group.
    m_pAppearance->Expand(FALSE);
    m_pList->SetAlphabeticMode(TRUE);
    EXPECT_EQ(RowNames(*m_pList),
              (std::vector<CString> {"Caption", "Colour name", "Enabled", "Name", "Width", "Zoom"}));
    EXPECT_EQ(m_pList->GetRowCount(), 6);
    m_pList->SetAlphabeticMode(FALSE);
    EXPECT_EQ(m_pList->GetRowCount(), 5);
}

TEST_F(PropListTest, ScrollPositionStaysWithinTheRows)
{
    const int nRow = m_pList->GetRowHeight();
    const int nHeader = m_pList->GetHeaderHeight();
    // Four rows to a page.
    m_pList->SetWindowPos(nullptr, 0, 0, 300, nHeader + 4 * nRow + nRow / 2, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_EQ(m_pList->GetRowsPerPage(), 4);

    // Two rows, fewer than a page: nothing scrolls, whatever asks.
    AddRows(2);
    for (UINT nCode : {SB_BOTTOM, SB_LINEDOWN, SB_PAGEDOWN}) {
        m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, 0));
        EXPECT_EQ(m_pList->GetScrollPosition(), 0) << nCode;
    }
    m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5));
    EXPECT_EQ(m_pList->GetScrollPosition(), 0);
    SendKey(*m_pList, VK_END);
    EXPECT_EQ(m_pList->GetScrollPosition(), 0);
    EXPECT_EQ(m_pList->GetProperty(0)->GetRect().top, m_pList->GetListRect().top - 1) << "the first row stays on top";

    // Ten rows: the position reaches rows - page + 1.
    m_pList->RemoveAll();
    AddRows(10);
    const struct {
        UINT nCode;
        int nPos;
        int nExpected;
    } rows[] = {
        {SB_BOTTOM, 0, 7}, {SB_LINEDOWN, 0, 7}, {SB_LINEUP, 0, 6},      {SB_PAGEUP, 0, 2},        {SB_PAGEUP, 0, 0},
        {SB_LINEUP, 0, 0}, {SB_PAGEDOWN, 0, 4}, {SB_THUMBTRACK, 99, 7}, {SB_THUMBPOSITION, 3, 3}, {SB_TOP, 0, 0},
    };
    for (const auto& row : rows) {
        m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(row.nCode, row.nPos));
        EXPECT_EQ(m_pList->GetScrollPosition(), row.nExpected) << "code " << row.nCode;
        EXPECT_EQ(::GetScrollPos(m_pList->m_hWnd, SB_VERT), row.nExpected) << "code " << row.nCode;
    }
    // The rows move with the position.
    m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3));
    EXPECT_EQ(m_pList->GetProperty(3)->GetRect().top, m_pList->GetListRect().top - 1);

    // Three wheel notches towards the user scroll three rows down; a part notch does nothing.
    m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
    m_pList->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
    EXPECT_EQ(m_pList->GetScrollPosition(), 3);
    m_pList->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0);
    EXPECT_EQ(m_pList->GetScrollPosition(), 3);
    m_pList->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
    EXPECT_EQ(m_pList->GetScrollPosition(), 1);
}

TEST_F(PropListTest, DividerFollowsTheMouseWithinItsBounds)
{
    AddSampleProps();
    CRect rectClient;
    m_pList->GetClientRect(rectClient);
    const int nUpper = rectClient.Width() - ::GetSystemMetrics(SM_CXHSCROLL) - 5;
    EXPECT_EQ(m_pList->GetNameColumnWidth(), rectClient.Width() / 2);
    const int y = m_pAppearance->GetRect().CenterPoint().y;
    auto drag = [&](int xTo) {
        const int xDivider = m_pList->GetNameColumnWidth();
        m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xDivider + 1, y));
        EXPECT_EQ(::GetCapture(), m_pList->m_hWnd) << "a press by the divider tracks it";
        m_pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xTo, y));
        m_pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xTo, y));
        EXPECT_EQ(::GetCapture(), nullptr);
    };
    drag(100);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), 100);
    EXPECT_EQ(m_pAppearance->GetSubItem(0)->GetValueRect().left, 101) << "values start after the divider";
    HDITEMA hdi = {};
    hdi.mask = HDI_WIDTH;
    m_pList->GetHeaderCtrl().GetItem(0, &hdi);
    EXPECT_EQ(hdi.cxy, 102) << "the header's first item is 2 wider";
    drag(rectClient.right + 50);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), nUpper);
    drag(1);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), m_pList->GetRowHeight());

    // Ctrl+Left and Ctrl+Right move it by 5; without Ctrl they move the selection.
    drag(120);
    SendKey(*m_pList, VK_LEFT, true);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), 115);
    SendKey(*m_pList, VK_RIGHT, true);
    SendKey(*m_pList, VK_RIGHT, true);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), 125);

    // Resizing puts it back at half the client width.
    m_pList->SetWindowPos(nullptr, 0, 0, 260, 200, SWP_NOZORDER | SWP_NOMOVE);
    m_pList->GetClientRect(rectClient);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), rectClient.Width() / 2);
}

TEST_F(PropListTest, NarrowWindowKeepsTheDividerAtTheLowerBound)
{
    // Client narrower than the scroll bar and the margin: the upper bound falls below the row height.
    CreateList(20, 150);
    AddRows(2);
    const int y = m_pList->GetProperty(0)->GetRect().CenterPoint().y;
    const int xDivider = m_pList->GetNameColumnWidth();
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xDivider, y));
    m_pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(500, y));
    EXPECT_EQ(m_pList->GetNameColumnWidth(), m_pList->GetRowHeight());
    SendKey(*m_pList, VK_LEFT, true);
    EXPECT_EQ(m_pList->GetNameColumnWidth(), m_pList->GetRowHeight());
}

TEST_F(PropListTest, DescriptionAreaHasItsHeightFromCreation)
{
    const int nRow = m_pList->GetRowHeight();
    EXPECT_EQ(m_pList->GetDescriptionHeight(), 3 * nRow + nRow / 2) << "known before any non-client paint";
    AddSampleProps();
    const int nBottomBefore = m_pList->GetListRect().bottom;
    m_pList->EnableDescriptionArea();
    CRect rectClient;
    m_pList->GetClientRect(rectClient);
    EXPECT_EQ(m_pList->GetListRect().bottom, rectClient.bottom - (3 * nRow + nRow / 2));
    EXPECT_LT(m_pList->GetListRect().bottom, nBottomBefore);

    // Dragging the line 4 pixels below the list resizes the area.
    const int yLine = m_pList->GetListRect().bottom + 4;
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, yLine));
    EXPECT_EQ(::GetCapture(), m_pList->m_hWnd);
    m_pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 120));
    m_pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 120));
    EXPECT_EQ(m_pList->GetDescriptionHeight(), rectClient.Height() - 120 + 2);
    // Dragged to the top, it keeps the header and a row above it.
    const int yLine2 = m_pList->GetListRect().bottom + 4;
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, yLine2));
    m_pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 0));
    EXPECT_EQ(m_pList->GetDescriptionHeight(), rectClient.Height() - (nRow + m_pList->GetHeaderHeight()) + 2);
}

TEST_F(PropListTest, KeysMoveTheSelectionThroughTheRowsShown)
{
    AddSampleProps();
    // No selection: arrows and page keys act like Home.
    for (UINT nKey : {VK_DOWN, VK_UP, VK_RIGHT, VK_NEXT}) {
        m_pList->SetCurSel(nullptr);
        SendKey(*m_pList, nKey);
        EXPECT_EQ(m_pList->GetCurSel(), m_pAppearance) << nKey;
    }
    const struct {
        UINT nKey;
        const char* pszExpected;
    } rows[] = {
        {VK_DOWN, "Caption"},    {VK_RIGHT, "Colour name"}, {VK_UP, "Caption"},
        {VK_LEFT, "Appearance"}, {VK_UP, "Appearance"},  // nothing above the first row
        {VK_END, "Name"},        {VK_DOWN, "Name"},         {VK_HOME, "Appearance"},
    };
    for (const auto& row : rows) {
        SendKey(*m_pList, row.nKey);
        ASSERT_NE(m_pList->GetCurSel(), nullptr) << row.nKey;
        EXPECT_STREQ(m_pList->GetCurSel()->GetName(), row.pszExpected) << "key " << row.nKey;
    }
    // End goes to the last row shown: into the last group's last item when it is expanded.
    CWTKProp* pGroup = new CWTKProp("Layout");
    pGroup->AddSubItem(new CWTKProp("Left", MakeIntVariant(VT_I4, 0)));
    m_pList->AddProperty(pGroup);
    SendKey(*m_pList, VK_END);
    EXPECT_EQ(m_pList->GetCurSel(), pGroup->GetSubItem(0));
    pGroup->Expand(FALSE);
    SendKey(*m_pList, VK_END);
    EXPECT_EQ(m_pList->GetCurSel(), pGroup);
}

TEST_F(PropListTest, PageKeysMoveByAPageAndStopAtTheEnds)
{
    const int nRow = m_pList->GetRowHeight();
    m_pList->SetWindowPos(nullptr, 0, 0, 300, m_pList->GetHeaderHeight() + 4 * nRow + nRow / 2,
                          SWP_NOZORDER | SWP_NOMOVE);
    AddRows(10);
    SendKey(*m_pList, VK_HOME);
    SendKey(*m_pList, VK_NEXT);
    EXPECT_STREQ(m_pList->GetCurSel()->GetName(), "Item 04");
    SendKey(*m_pList, VK_NEXT);
    EXPECT_STREQ(m_pList->GetCurSel()->GetName(), "Item 08");
    // No row a page below: the last row.
    SendKey(*m_pList, VK_NEXT);
    EXPECT_STREQ(m_pList->GetCurSel()->GetName(), "Item 09");
    const CRect rect = m_pList->GetCurSel()->GetRect();
    EXPECT_LE(rect.bottom, m_pList->GetListRect().bottom) << "the selected row is in view";
    SendKey(*m_pList, VK_PRIOR);
    EXPECT_STREQ(m_pList->GetCurSel()->GetName(), "Item 05");
    SendKey(*m_pList, VK_PRIOR);
    SendKey(*m_pList, VK_PRIOR);
    EXPECT_STREQ(m_pList->GetCurSel()->GetName(), "Item 00");
    EXPECT_EQ(m_pList->GetScrollPosition(), 0);
}

TEST_F(PropListTest, DrawnListShowsGroupCaptionsAndTheSelectedRow)
{
    CreateList(300, 270, WS_BORDER);
    AddSampleProps();
    m_pList->EnableDescriptionArea();
    constexpr COLORREF kSwatch = RGB(0, 160, 80);
    auto* pColour = new CWTKColorProp("Back colour", kSwatch);
    m_pList->AddProperty(pColour);
    CWTKProp* pWidth = m_pAppearance->GetSubItem(2);
    m_pList->SetFocus();
    ASSERT_EQ(::GetFocus(), m_pList->m_hWnd) << "the selection shows highlighted only with the focus";
    m_pList->SetCurSel(pWidth);
    m_pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME);
    PumpPending();
    CRect rectClient;
    m_pList->GetClientRect(rectClient);
    Canvas canvas(rectClient.Width(), rectClient.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(m_pList->m_hWnd, false));
    canvas.WritePng(ScreenshotPath("gallery_property_list.png"));

    const WTKGlobalData& g = WTKGetGlobalData();
    const COLORREF clrGroup = m_pList->GetGroupBackgroundColor();
    ASSERT_NE(clrGroup, g.clrWindow);
    // The group caption row: the group colour across the row, with bold text on it.
    CRect rectGroup = m_pBehaviour->GetRect();
    rectGroup.left = 0;
    rectGroup.bottom -= 1;  // the row line
    EXPECT_GT(canvas.Count(clrGroup, rectGroup), rectGroup.Width() * rectGroup.Height() / 2);
    EXPECT_GT(canvas.Count(g.clrWindowText, rectGroup), 10) << "the caption's text";
    // The selected row: highlighted up to the divider, the value on the window colour.
    CRect rectName = pWidth->GetRect();
    rectName.right = m_pList->GetNameColumnWidth();
    rectName.bottom -= 1;
    EXPECT_GT(canvas.Count(g.clrHilite, rectName), rectName.Width() * rectName.Height() / 2);
    EXPECT_GT(canvas.Count(g.clrTextHilite, rectName), 5) << "the name in the highlight text colour";
    CRect rectValue = pWidth->GetValueRect();
    rectValue.bottom -= 1;
    EXPECT_EQ(canvas.Count(g.clrHilite, rectValue), 0);
    EXPECT_GT(canvas.Count(g.clrWindowText, rectValue), 5) << "the value's text";
    // The description area shows the selected property's name and description on the face colour.
    CRect rectDescr(0, m_pList->GetListRect().bottom + 6, rectClient.right, rectClient.bottom - 2);
    EXPECT_GT(canvas.Count(g.clrBtnFace, rectDescr), rectDescr.Width() * rectDescr.Height() / 2);
    EXPECT_GT(canvas.Count(g.clrBtnText, rectDescr), 20) << "its text";
    // The colour property's swatch, beside its text.
    CRect rectSwatch = pColour->GetValueRect();
    EXPECT_GT(canvas.Count(kSwatch, rectSwatch), rectSwatch.Height() * 4);
    // A row not selected: no highlight.
    CRect rectCaption = m_pAppearance->GetSubItem(0)->GetRect();
    EXPECT_EQ(canvas.Count(g.clrHilite, rectCaption), 0);
}

TEST_F(PropListTest, FontSetsTheRowHeightAndGroupsTakeItsBoldVariant)
{
    EXPECT_EQ(reinterpret_cast<HFONT>(m_pList->SendMessage(WM_GETFONT)), ::GetStockObject(DEFAULT_GUI_FONT));
    AddSampleProps();
    CFont font;
    LOGFONTA lf = {};
    lf.lfHeight = -20;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    m_pList->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(m_pList->SendMessage(WM_GETFONT)), font.GetSafeHandle());

    HDC hDC = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, font.GetSafeHandle());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(nullptr, hDC);
    EXPECT_EQ(m_pList->GetRowHeight(), tm.tmHeight + 4);
    EXPECT_EQ(m_pAppearance->GetSubItem(0)->GetRect().Height(), m_pList->GetRowHeight()) << "rows laid out again";
    LOGFONTA lfBold = {};
    ::GetObjectA(m_pList->GetBoldFontHandle(), sizeof(lfBold), &lfBold);
    EXPECT_EQ(lfBold.lfWeight, FW_BOLD);
    EXPECT_EQ(lfBold.lfHeight, -20);
    EXPECT_STREQ(lfBold.lfFaceName, "Tahoma");
    // The font goes with the list; the list falls back on the system's.
    m_pList->SendMessage(WM_SETFONT, 0, FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(m_pList->SendMessage(WM_GETFONT)), ::GetStockObject(DEFAULT_GUI_FONT));
}
