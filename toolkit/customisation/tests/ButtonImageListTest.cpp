// The image list in a real window with thirty user images: its grid, scrolling by every scroll
// code (the thumb only when released, snapped to a whole row), selection by keys, clicks and
// image index with the parent's notifications, an off-screen selection scrolled into view, and
// the buttons taken out again.
#include "AppearanceTestSupport.h"

#include "customisation/ButtonImageList.h"
#include "command_bars/WTKToolbarButton.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"

#include "Canvas.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr UINT kListId = 400;
constexpr int kListWidth = 200;
constexpr int kListHeight = 100;
constexpr int kImages = 30;

// A strip of kImages images, each in its own colour.
void FillStrip(CWTKImageStrip& strip, int nImages)
{
    CBitmap bitmap;
    MakeBitmap(bitmap, 16 * nImages, 15, kWhite);
    for (int i = 0; i < nImages; i++) {
        for (int x = 2; x < 14; x++)
            for (int y = 2; y < 13; y++)
                SetBitmapPixel(bitmap, 16 * i + x, y, RGB(8 * i, 255 - 8 * i, 100));
    }
    ASSERT_EQ(strip.AddImage(static_cast<HBITMAP>(bitmap.GetSafeHandle())), nImages - 1);
}

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(kListWidth + 20, kListHeight + 20, "Image list"));
        HWND hWnd = m_host.AddOwnerDrawButton(kListId, CRect(10, 10, 10 + kListWidth, 10 + kListHeight));
        ASSERT_TRUE(m_list.SubclassWindow(hWnd));
        FillStrip(m_strip, kImages);
        m_list.SetImages(&m_strip);
        for (int i = 0; i < kImages; i++) {
            m_buttons.push_back(std::make_unique<CWTKToolbarButton>(0, i, nullptr, TRUE));
            m_list.AddButton(m_buttons.back().get());
        }
        PumpPending();
        m_host.m_notifications.clear();
    }
    void TearDown() override
    {
        m_list.RemoveButtons();
        m_buttons.clear();
        m_list.DestroyWindow();
        m_host.DestroyWindow();
        PumpPending();
    }

    int Step() const { return m_list.GetButtonSize().cy + 5; }
    int IndexOfSelected() const
    {
        for (size_t i = 0; i < m_buttons.size(); i++)
            if (m_buttons[i].get() == m_list.GetSelectedButton())
                return static_cast<int>(i);
        return -1;
    }
    void Scroll(UINT nCode, int nPos)
    {
        CScrollBar* pBar = m_list.GetScrollBarCtrl();
        m_list.SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), reinterpret_cast<LPARAM>(FwSafeHwnd(pBar)));
    }

    CTestHost m_host;
    CButtonImageList m_list;
    CWTKImageStrip m_strip;
    std::vector<std::unique_ptr<CWTKToolbarButton>> m_buttons;
};

TEST_F(ImageListTest, LaysTheButtonsOutInRowsAndMakesItsScrollBar)
{
    const CSize size = m_list.GetButtonSize();
    EXPECT_EQ(size, CSize(16 + 6, 15 + 7));
    const CRect first = m_buttons[0]->GetRect();
    EXPECT_EQ(first.TopLeft(), CPoint(4, 5));
    EXPECT_EQ(m_buttons[1]->GetRect().left, first.right + 4);
    // The second row starts at the left, one step lower.
    int iRowStart = 1;
    while (m_buttons[static_cast<size_t>(iRowStart)]->GetRect().top == first.top)
        iRowStart++;
    EXPECT_EQ(m_buttons[static_cast<size_t>(iRowStart)]->GetRect().TopLeft(), CPoint(4, 5 + Step()));
    EXPECT_LE(m_buttons[static_cast<size_t>(iRowStart) - 1]->GetRect().right,
              kListWidth - ::GetSystemMetrics(SM_CXVSCROLL) - 1 - 4);

    const int nRows = (kImages + iRowStart - 1) / iRowStart;
    EXPECT_EQ(m_list.GetVisibleRows(), (kListHeight - 10) / Step());
    EXPECT_EQ(m_list.GetScrollTotal(), (nRows - m_list.GetVisibleRows()) * Step());
    ASSERT_NE(m_list.GetScrollBarCtrl(), nullptr);
    int nMin = -1, nMax = -1;
    ::GetScrollRange(m_list.GetScrollBarCtrl()->m_hWnd, SB_CTL, &nMin, &nMax);
    EXPECT_EQ(nMax, m_list.GetScrollTotal());
    EXPECT_EQ(m_list.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS);
}

TEST_F(ImageListTest, ScrollsByEveryCodeAndSnapsTheReleasedThumbToARow)
{
    const int step = Step();
    const int total = m_list.GetScrollTotal();
    ASSERT_GE(total, 2 * step);
    struct Case {
        const char* what;
        int start;
        UINT code;
        int pos;
        int expected;
    };
    const Case cases[] = {
        {"line down", 0, SB_LINEDOWN, 0, step},
        {"line up at the top", 0, SB_LINEUP, 0, 0},
        {"line up", step, SB_LINEUP, 0, 0},
        {"page down stops at the end", 0, SB_PAGEDOWN, 0, std::min(total, step * m_list.GetVisibleRows())},
        {"page up", total, SB_PAGEUP, 0, std::max(0, total - step * m_list.GetVisibleRows())},
        {"bottom", 0, SB_BOTTOM, 0, total},
        {"top", total, SB_TOP, 0, 0},
        {"thumb tracking moves nothing", 0, SB_THUMBTRACK, step + 3, 0},
        {"released thumb below half a row", 0, SB_THUMBPOSITION, step + step / 2 - 1, step},
        {"released thumb past half a row", 0, SB_THUMBPOSITION, step + step / 2 + 1, 2 * step},
        {"released thumb past the end", 0, SB_THUMBPOSITION, total + 3 * step, total},
        {"end scroll changes nothing", step, SB_ENDSCROLL, 0, step},
    };
    for (const Case& c : cases) {
        Scroll(SB_TOP, 0);
        if (c.start == total)
            Scroll(SB_BOTTOM, 0);
        else if (c.start == step)
            Scroll(SB_LINEDOWN, 0);
        ASSERT_EQ(m_list.GetScrollOffset(), c.start) << c.what;
        Scroll(c.code, c.pos);
        EXPECT_EQ(m_list.GetScrollOffset(), c.expected) << c.what;
        EXPECT_EQ(m_list.GetScrollBarCtrl()->GetScrollPos(), c.expected) << c.what;
    }
    // Hit testing follows the offset: one row down, the second row stands where the first stood.
    Scroll(SB_TOP, 0);
    Scroll(SB_LINEDOWN, 0);
    const CRect rect = m_buttons[0]->GetRect();
    CWTKToolbarButton* pSecondRow = m_list.HitTest(CPoint(rect.left + 2, rect.top + 2));
    ASSERT_NE(pSecondRow, nullptr);
    EXPECT_EQ(pSecondRow->GetRect().TopLeft(), CPoint(rect.left, rect.top + step));
    EXPECT_EQ(m_list.HitTest(CPoint(rect.left + 2, rect.top + 2 - step)), m_buttons[0].get());
}

TEST_F(ImageListTest, KeysClicksAndImagesSelectAndTellTheParentOfChangesOnly)
{
    struct KeyStep {
        const char* what;
        UINT key;
        int expected;
        size_t notifications;
    };
    const int last = kImages - 1;
    const KeyStep steps[] = {
        {"left with no selection selects the first", VK_LEFT, 0, 1},
        {"up on the first changes nothing", VK_UP, 0, 0},
        {"right", VK_RIGHT, 1, 1},
        {"down", VK_DOWN, 2, 1},
        {"left", VK_LEFT, 1, 1},
        {"end", VK_END, last, 1},
        {"down on the last changes nothing", VK_DOWN, last, 0},
        {"right on the last changes nothing", VK_RIGHT, last, 0},
        {"home", VK_HOME, 0, 1},
    };
    for (const KeyStep& s : steps) {
        m_host.m_notifications.clear();
        KeyDown(m_list.m_hWnd, s.key);
        EXPECT_EQ(IndexOfSelected(), s.expected) << s.what;
        ASSERT_EQ(m_host.m_notifications.size(), s.notifications) << s.what;
        if (s.notifications == 1) {
            EXPECT_EQ(m_host.m_notifications[0].nID, kListId);
            EXPECT_EQ(m_host.m_notifications[0].nCode, 0u);
            EXPECT_EQ(m_host.m_notifications[0].hWnd, m_list.m_hWnd);
        }
    }

    // A click selects and takes the focus; clicking the selected button again tells nothing.
    const CRect rect = m_buttons[3]->GetRect();
    m_host.m_notifications.clear();
    Click(m_list.m_hWnd, rect.CenterPoint());
    EXPECT_EQ(IndexOfSelected(), 3);
    EXPECT_EQ(::GetFocus(), m_list.m_hWnd);
    EXPECT_EQ(m_host.m_notifications.size(), 1u);
    Click(m_list.m_hWnd, rect.CenterPoint());
    EXPECT_EQ(m_host.m_notifications.size(), 1u);
    Click(m_list.m_hWnd, CPoint(1, kListHeight - 2));
    EXPECT_EQ(IndexOfSelected(), 3) << "a click on no button keeps the selection";

    EXPECT_TRUE(m_list.SelectButton(7));
    EXPECT_EQ(IndexOfSelected(), 7);
    EXPECT_FALSE(m_list.SelectButton(kImages + 5));
    EXPECT_EQ(IndexOfSelected(), 7);
    EXPECT_TRUE(m_list.SelectButton(-1));
    EXPECT_EQ(m_list.GetSelectedButton(), nullptr);
}

TEST_F(ImageListTest, SelectingAButtonOutOfViewScrollsItsBottomToTheLastVisibleRow)
{
    KeyDown(m_list.m_hWnd, VK_END);
    CRect rectClient;
    m_list.GetClientRect(rectClient);
    const CRect rect = m_buttons.back()->GetRect();
    EXPECT_EQ(m_list.GetScrollOffset(),
              std::min(m_list.GetScrollTotal(), static_cast<int>(rect.bottom - rectClient.Height())));
    EXPECT_EQ(m_list.HitTest(CPoint(rect.left + 2, rect.bottom - 2 - m_list.GetScrollOffset())),
              m_buttons.back().get());
    KeyDown(m_list.m_hWnd, VK_HOME);
    EXPECT_EQ(m_list.GetScrollOffset(), 0) << "the first button lies above the view";
}

TEST_F(ImageListTest, DrawsTheSelectionFrameAndForgetsItsButtons)
{
    m_list.SetFocus();
    m_list.SelectButton(m_buttons[1].get());
    Canvas canvas(kListWidth, kListHeight, kWhite);
    m_list.Draw(canvas.DC());
    const WTKGlobalData& data = WTKGetGlobalData();
    const CRect rect = m_buttons[1]->GetRect();
    EXPECT_EQ(canvas.Pixel(rect.left, rect.top + 5), data.clrBtnShadow) << "focused: a sunken frame";
    EXPECT_EQ(canvas.Pixel(rect.right - 1, rect.top + 5), data.clrBtnHilite);
    EXPECT_EQ(canvas.Pixel(0, 50), data.clrBtnShadow) << "the list's own frame";
    // The second image's own colour is on the canvas.
    EXPECT_TRUE(canvas.Contains(RGB(8, 247, 100)));

    m_list.RemoveButtons();
    EXPECT_EQ(m_list.GetSelectedButton(), nullptr);
    EXPECT_EQ(m_list.GetScrollOffset(), 0);
    EXPECT_EQ(m_list.GetScrollTotal(), 0);
    EXPECT_EQ(m_list.GetVisibleRows(), 0);
    EXPECT_FALSE(m_list.GetScrollBarCtrl()->IsWindowEnabled());
    Canvas empty(kListWidth, kListHeight, kWhite);
    m_list.Draw(empty.DC());
    EXPECT_FALSE(empty.Contains(RGB(8, 247, 100)));
    KeyDown(m_list.m_hWnd, VK_END);
    EXPECT_EQ(m_list.GetSelectedButton(), nullptr);
}

}  // namespace
