// The status bar in a real frame: panes laid out from their string resources with the message
// pane stretched, the key indicators greyed through the command update, text, icons, progress
// and animation drawn and read back from the screen, the size grip and the text messages.
#include "command_bars/WTKStatusBar.h"

#include "Canvas.h"
#include "MessagePump.h"
#include "StatusBarTestIds.h"

#include "foundation/WTKGlobalData.h"

#include "bars/BarToolTip.h"
#include "docview/FrameWnd.h"
#include "win/ClientDC.h"
#include "win/CmdUI.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "Files.h"

namespace {

class CStatusBarTestApp : public CWinApp {
public:
    CStatusBarTestApp() : CWinApp("WTKStatusBarTests") {}
};
CStatusBarTestApp theApp;

class CStatusTestFrame : public CFrameWnd {
public:
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    // The test's own panes are kept enabled (a pane nobody updates is greyed).
    void OnUpdatePane(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStatusTestFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_TEST_PANE_PROGRESS, ID_TEST_PANE_ICON, OnUpdatePane)
END_MESSAGE_MAP()

const UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// A 32-bit icon of one colour, or a monochrome one (mask only, twice the height).
HICON MakeIcon(int cx, int cy, COLORREF clr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hColor = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    auto* pPixels = static_cast<DWORD*>(pBits);
    for (int i = 0; i < cx * cy; i++)
        pPixels[i] = 0xFF000000 | (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
    std::vector<BYTE> zeros(static_cast<size_t>((cx + 15) / 16 * 2 * cy), 0);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, zeros.data());
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

HICON MakeMonochromeIcon(int cx, int cy)
{
    // AND mask all 0 (opaque), XOR mask all 0 (black).
    std::vector<BYTE> zeros(static_cast<size_t>((cx + 15) / 16 * 2 * cy * 2), 0);
    HBITMAP hMask = ::CreateBitmap(cx, cy * 2, 1, 1, zeros.data());
    ICONINFO info = {TRUE, 0, 0, hMask, nullptr};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMask);
    return hIcon;
}

CRect BoundsOf(const Canvas& canvas, COLORREF clr)
{
    CRect bounds(canvas.Width(), canvas.Height(), 0, 0);
    for (int y = 0; y < canvas.Height(); y++) {
        for (int x = 0; x < canvas.Width(); x++) {
            if (canvas.Pixel(x, y) == clr)
                bounds |= CRect(x, y, x + 1, y + 1);
        }
    }
    return bounds;
}

int TextWidth(CWTKStatusBar& bar, LPCSTR lpsz)
{
    CClientDC dc(nullptr);
    HGDIOBJ hOld = ::SelectObject(dc, bar.GetCurrentFont());
    const int cx = dc.GetTextExtent(lpsz, static_cast<int>(strlen(lpsz))).cx;
    ::SelectObject(dc, hOld);
    return cx;
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CStatusTestFrame;
        RECT rect = {20, 20, 820, 320};
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Status", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, rect));
        theApp.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_bar.Create(m_pFrame));
        ASSERT_TRUE(m_bar.SetIndicators(kIndicators, 4));
        m_pFrame->RecalcLayout();
        PumpPending();
    }
    void TearDown() override
    {
        if (::IsWindow(m_bar.m_hWnd))
            m_bar.DestroyWindow();
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        PumpPending();
    }
    CRect PaneRect(int nIndex)
    {
        CRect rect;
        m_bar.GetItemRect(nIndex, &rect);
        return rect;
    }
    // The bar's client area as it shows on the screen.
    void Capture(Canvas& canvas)
    {
        m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        ASSERT_TRUE(canvas.CopyFromWindow(m_bar.m_hWnd, false));
    }
    void SetLock(int nVirtKey, BYTE toggled)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[nVirtKey] = toggled;
        ::SetKeyboardState(keys);
    }

    CStatusTestFrame* m_pFrame = nullptr;
    CWTKStatusBar m_bar;
};

TEST_F(StatusBarTest, PanesTakeTheirTextWidthAndTheMessagePaneStretchesOverTheRest)
{
    EXPECT_EQ(m_bar.GetCount(), 4);
    EXPECT_EQ(m_bar.GetPaneStyle(0), kPaneStyleNoBorders | kWTKPaneStretch);
    EXPECT_EQ(m_bar.GetPaneText(1), CString("CAP"));
    EXPECT_EQ(m_bar.CommandToIndex(ID_INDICATOR_SCRL), 3);
    EXPECT_EQ(m_bar.CommandToIndex(0xBEEF), -1);

    // Each indicator is its text plus 4; panes sit 2 apart; the last ends where the grip starts.
    const char* texts[] = {"CAP", "NUM", "SCRL"};
    for (int i = 1; i < 4; i++) {
        EXPECT_EQ(PaneRect(i).Width(), TextWidth(m_bar, texts[i - 1]) + 4) << i;
        EXPECT_EQ(PaneRect(i).left, PaneRect(i - 1).right + 2) << i;
    }
    EXPECT_EQ(PaneRect(0).left, 4);
    const CRect grip = m_bar.GetSizeGripRect();
    ASSERT_FALSE(grip.IsRectEmpty()) << "a sizeable, restored frame shows the grip";
    EXPECT_EQ(PaneRect(3).right, grip.left);

    // The message pane gives way when the frame narrows, and takes the width back.
    const int cxWide = PaneRect(0).Width();
    m_pFrame->SetWindowPos(nullptr, 0, 0, 650, 300, SWP_NOMOVE | SWP_NOZORDER);
    PumpPending();
    EXPECT_EQ(PaneRect(0).Width(), cxWide - 150);
    EXPECT_EQ(PaneRect(3).right, m_bar.GetSizeGripRect().left);

    // Height: the font's character height (or the tallest icon), the top border and 4.
    TEXTMETRICA tm = {};
    {
        CClientDC dc(nullptr);
        HGDIOBJ hOld = ::SelectObject(dc, m_bar.GetCurrentFont());
        dc.GetTextMetrics(&tm);
        ::SelectObject(dc, hOld);
    }
    EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, tm.tmHeight - tm.tmInternalLeading + 2 + 4);
    CRect rectBar;
    m_bar.GetWindowRect(&rectBar);
    EXPECT_EQ(rectBar.Height(), m_bar.CalcFixedLayout(TRUE, TRUE).cy);
    HICON hIcon = MakeIcon(32, 32, kRed);
    m_bar.SetPaneIcon(1, hIcon);
    EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, 32 + 2 + 4);
    ::DestroyIcon(hIcon);

    // A pane without a string resource fails the call; the panes after it stay empty.
    const UINT broken[] = {ID_INDICATOR_CAPS, ID_TEST_PANE_NO_STRING, ID_INDICATOR_NUM};
    EXPECT_FALSE(m_bar.SetIndicators(broken, 3));
    EXPECT_EQ(m_bar.GetPaneText(0), CString("CAP"));
    EXPECT_EQ(m_bar.GetItemID(2), 0u);
    EXPECT_TRUE(m_bar.GetPaneText(2).IsEmpty());
}

TEST_F(StatusBarTest, KeyIndicatorsGreyOutThroughTheCommandUpdate)
{
    const struct {
        int nIndex;
        int nVirtKey;
    } rows[] = {{1, VK_CAPITAL}, {2, VK_NUMLOCK}, {3, VK_SCROLL}};
    BYTE saved[256];
    ::GetKeyboardState(saved);
    const WTKGlobalData& data = WTKGetGlobalData();
    for (const auto& row : rows) {
        for (BYTE toggled : {0, 1}) {
            SetLock(row.nVirtKey, toggled);
            m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            EXPECT_EQ((m_bar.GetPaneStyle(row.nIndex) & kWTKPaneDisabled) != 0, toggled == 0) << row.nIndex;

            Canvas canvas(800, 40);
            Capture(canvas);
            CRect pane = PaneRect(row.nIndex);
            pane.DeflateRect(1, 1);  // inside the pane's border lines
            EXPECT_EQ(canvas.Count(data.clrGrayedText, pane) > 0, toggled == 0) << row.nIndex;
            EXPECT_EQ(canvas.Count(data.clrBtnText, pane) > 10, toggled == 1) << row.nIndex;
        }
    }
    ::SetKeyboardState(saved);
}

TEST_F(StatusBarTest, TextMessagesReachTheMessagePaneAndRespectTheBuffer)
{
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>("Ready"));
    EXPECT_EQ(m_bar.GetPaneText(0), CString("Ready"));
    EXPECT_EQ(m_bar.SendMessage(WM_GETTEXTLENGTH), 5);
    EXPECT_EQ(m_bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Loading")), 0);
    EXPECT_EQ(m_bar.GetPaneText(0), CString("Loading"));

    const struct {
        WPARAM cchBuffer;
        LRESULT expected;
        const char* text;
    } rows[] = {{0, 0, "untouched"}, {1, 1, ""}, {4, 4, "Loa"}, {64, 8, "Loading"}};
    for (const auto& row : rows) {
        char buffer[64] = "untouched";
        EXPECT_EQ(m_bar.SendMessage(WM_GETTEXT, row.cchBuffer, reinterpret_cast<LPARAM>(buffer)), row.expected)
            << row.cchBuffer;
        EXPECT_STREQ(buffer, row.text) << row.cchBuffer;
    }
    EXPECT_EQ(m_bar.SendMessage(WM_GETTEXT, 8, 0), 0);
    CString strText;
    m_bar.GetWindowText(strText);
    EXPECT_EQ(strText, CString("Loading"));

    // Without a message pane there is nothing to set or read.
    const UINT noMessagePane[] = {ID_INDICATOR_CAPS};
    ASSERT_TRUE(m_bar.SetIndicators(noMessagePane, 1));
    EXPECT_EQ(m_bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Lost")), -1);
    char buffer[8] = "x";
    EXPECT_EQ(m_bar.SendMessage(WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)), 1);
    EXPECT_STREQ(buffer, "");

    // Bad indexes are ignored.
    EXPECT_FALSE(m_bar.SetPaneText(5, "x"));
    m_bar.SetPaneStyle(-1, kWTKPaneDisabled);
    EXPECT_EQ(m_bar.GetPaneStyle(-1), 0u);
}

TEST_F(StatusBarTest, IconsTakeRoomBeforeTheTextAndAMonochromeIconIsSizedFromItsMask)
{
    const int cxText = TextWidth(m_bar, "CAP");
    HICON hRed = MakeIcon(16, 16, kRed);
    m_bar.SetPaneIcon(1, hRed);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(PaneRect(1).Width(), cxText + 16 + 4 + 4);
    Canvas canvas(800, 40);
    Capture(canvas);
    const CRect pane = PaneRect(1);
    EXPECT_EQ(canvas.Count(kRed, pane), 16 * 16);
    const CRect red = BoundsOf(canvas, kRed);
    EXPECT_EQ(red.left, pane.left + 2) << "the icon sits at the pane's left";
    EXPECT_EQ(red.top, pane.top + (pane.Height() - 16) / 2) << "vertically centred";

    // A later icon replaces the first; none removes it.
    HICON hBlue = MakeIcon(16, 16, kBlue);
    m_bar.SetPaneIcon(1, hBlue);
    Capture(canvas);
    EXPECT_EQ(canvas.Count(kRed, pane), 0);
    EXPECT_EQ(canvas.Count(kBlue, pane), 16 * 16);
    m_bar.SetPaneIcon(1, nullptr);
    Capture(canvas);
    EXPECT_EQ(canvas.Count(kBlue, pane), 0);

    // The mask of a monochrome icon holds two images above each other.
    HICON hMono = MakeMonochromeIcon(20, 20);
    m_bar.SetPaneIcon(2, hMono);
    EXPECT_EQ(PaneRect(2).Width(), TextWidth(m_bar, "NUM") + 20 + 4 + 4);
    EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, 20 + 2 + 4);
    ::DestroyIcon(hRed);
    ::DestroyIcon(hBlue);
    ::DestroyIcon(hMono);
}

TEST_F(StatusBarTest, ProgressFillsThePaneInProportion)
{
    const UINT panes[] = {0, ID_TEST_PANE_PROGRESS};
    ASSERT_TRUE(m_bar.SetIndicators(panes, 2));
    m_bar.EnablePaneProgressBar(1, 200, FALSE, kGreen);
    m_bar.SetPaneProgress(1, 50);
    Canvas canvas(800, 40);
    Capture(canvas);
    const CRect pane = PaneRect(1);
    CRect green;
    for (int x = pane.left; x < pane.right; x++) {
        if (canvas.Pixel(x, pane.CenterPoint().y) == kGreen) {
            if (green.IsRectEmpty())
                green = CRect(x, 0, x + 1, 1);
            green.right = x + 1;
        }
    }
    // Inside the border (2 across, 1 down) and 1 more: a quarter of what is left.
    const int cxInside = pane.Width() - 2 * 2 - 2;
    EXPECT_EQ(green.left, pane.left + 3);
    EXPECT_EQ(green.Width(), cxInside / 4);

    // The position is kept inside the range.
    m_bar.SetPaneProgress(1, 900);
    Capture(canvas);
    EXPECT_EQ(canvas.Pixel(pane.right - 4, pane.CenterPoint().y), kGreen);
    EXPECT_NE(canvas.Pixel(pane.right + 1, pane.CenterPoint().y), kGreen);
}

TEST_F(StatusBarTest, AnimationWrapsAndNewIndicatorsStopItsTimer)
{
    HIMAGELIST hList = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    const COLORREF colours[] = {kRed, kGreen, kBlue};
    for (COLORREF clr : colours) {
        HICON hIcon = MakeIcon(16, 16, clr);
        ::ImageList_AddIcon(hList, hIcon);
        ::DestroyIcon(hIcon);
    }
    m_bar.SetPaneAnimation(1, hList, 60000);
    m_pFrame->RecalcLayout();
    ::ImageList_Destroy(hList);  // the bar keeps copies

    const CRect pane = PaneRect(1);
    Canvas canvas(800, 40);
    for (int step = 0; step < 4; step++) {
        EXPECT_EQ(m_bar.GetCurrentFrame(1), step % 3);
        Capture(canvas);
        EXPECT_EQ(canvas.Count(colours[step % 3], pane), 16 * 16) << step;
        m_bar.SendMessage(WM_TIMER, ID_INDICATOR_CAPS);
    }
    // A stray timer id changes nothing.
    m_bar.SendMessage(WM_TIMER, 0x7777);
    EXPECT_EQ(m_bar.GetCurrentFrame(1), 1);

    // New indicators release the old panes and stop their timers.
    ASSERT_TRUE(m_bar.SetIndicators(kIndicators, 4));
    EXPECT_FALSE(::KillTimer(m_bar.m_hWnd, ID_INDICATOR_CAPS)) << "the animation timer still ran";
    m_bar.SendMessage(WM_TIMER, ID_INDICATOR_CAPS);
    EXPECT_EQ(m_bar.GetCurrentFrame(1), 0);
    Capture(canvas);
    EXPECT_EQ(canvas.Count(kGreen, PaneRect(1)), 0);
}

TEST_F(StatusBarTest, TheGripShowsOnlyWhereItSizesTheFrame)
{
    CRect grip = m_bar.GetSizeGripRect();
    ASSERT_FALSE(grip.IsRectEmpty());
    CPoint pt(grip.right - 2, grip.CenterPoint().y);
    m_bar.ClientToScreen(&pt);
    EXPECT_EQ(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTBOTTOMRIGHT);

    m_pFrame->ShowWindow(SW_MAXIMIZE);
    PumpPending();
    EXPECT_TRUE(m_bar.IsSizeGripHidden());
    EXPECT_TRUE(m_bar.GetSizeGripRect().IsRectEmpty());
    CRect rectBar;
    m_bar.GetClientRect(&rectBar);
    CPoint corner(rectBar.right - 2, rectBar.CenterPoint().y);
    m_bar.ClientToScreen(&corner);
    EXPECT_NE(m_bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
    // Without the grip the last pane reaches the bar's right edge.
    EXPECT_EQ(PaneRect(3).right, rectBar.right + 1);

    m_pFrame->ShowWindow(SW_RESTORE);
    PumpPending();
    EXPECT_FALSE(m_bar.GetSizeGripRect().IsRectEmpty());
}

TEST_F(StatusBarTest, DoubleClickOnAPaneTellsTheOwnerWhenAsked)
{
    const CPoint pt = PaneRect(2).CenterPoint();
    m_bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    m_bar.EnablePaneDoubleClick();
    m_bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    ASSERT_EQ(m_pFrame->m_commands.size(), 1u);
    EXPECT_EQ(m_pFrame->m_commands[0], static_cast<UINT>(ID_INDICATOR_NUM));
}

TEST_F(StatusBarTest, Screenshot)
{
    const UINT panes[] = {0, ID_TEST_PANE_ICON, ID_TEST_PANE_PROGRESS, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    ASSERT_TRUE(m_bar.SetIndicators(panes, 5));
    m_bar.SetWindowText("Ready");
    HICON hIcon = MakeIcon(16, 16, kRed);
    m_bar.SetPaneIcon(1, hIcon);
    m_bar.SetTipText(1, "An icon");
    m_pFrame->RecalcLayout();
    m_bar.EnablePaneProgressBar(2, 100, TRUE);
    m_bar.SetPaneProgress(2, 60);
    BYTE saved[256];
    ::GetKeyboardState(saved);
    SetLock(VK_CAPITAL, 1);
    SetLock(VK_NUMLOCK, 0);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    ::SetKeyboardState(saved);
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    CRect rectFrame;
    m_pFrame->GetWindowRect(&rectFrame);
    Canvas shot(rectFrame.Width(), rectFrame.Height());
    ASSERT_TRUE(shot.CopyFromWindow(m_pFrame->m_hWnd, true));
    EXPECT_TRUE(shot.WritePng(ScreenshotPath("statusbar.png")));
    Canvas bar(800, 40);
    Capture(bar);
    EXPECT_GT(bar.Count(kRed), 0);

    // The pane with a tip is a tool of its own.
    EXPECT_NE(m_bar.GetBarStyle() & CBRS_TOOLTIPS, 0u);
    TTTOOLINFOA info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(m_bar.OnToolHitTest(PaneRect(1).CenterPoint(), &info), static_cast<INT_PTR>(ID_TEST_PANE_ICON));
    EXPECT_STREQ(info.lpszText, "An icon");
    EXPECT_EQ(CRect(info.rect), PaneRect(1));
    CBarToolTip::FreeText(info.lpszText);
    EXPECT_EQ(m_bar.OnToolHitTest(PaneRect(3).CenterPoint(), nullptr), -1);
    ::DestroyIcon(hIcon);
}

}  // namespace
