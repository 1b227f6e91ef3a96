// The caption bar at the top of a real frame: its height from the font and the image, where the
// image, the text and the button go for each alignment, the border strips, the button's
// command and the right click's popup request, read back from the screen.
#include "frames/WTKCaptionBar.h"

#include "Canvas.h"
#include "MessagePump.h"

#include "command_bars/WTKCustomizeMode.h"
#include "command_bars/WTKToolbarMessages.h"
#include "foundation/WTKGlobalData.h"

#include "docview/FrameWnd.h"
#include "win/WinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "Files.h"

namespace {

class CCaptionBarTestApp : public CWinApp {
public:
    CCaptionBarTestApp() : CWinApp("WTKCaptionBarTests") {}
};
CCaptionBarTestApp theApp;

constexpr UINT kIdCaptionBar = 32816;
constexpr UINT kIdButtonCommand = 0x8123;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kImageColour = RGB(0, 0, 200);

class CCaptionTestFrame : public CFrameWnd {
public:
    std::vector<UINT> m_commands;
    std::vector<std::pair<HWND, POINT>> m_popups;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_commands.push_back(LOWORD(wParam));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    LRESULT OnPopupMenu(WPARAM wParam, LPARAM lParam)
    {
        m_popups.emplace_back(reinterpret_cast<HWND>(wParam), WTKPointFromPopupMenuParam(lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCaptionTestFrame, CFrameWnd)
    ON_REGISTERED_MESSAGE(WTK_TOOLBAR_POPUPMENU, OnPopupMenu)
END_MESSAGE_MAP()

// A square of one colour framed by 4 magenta pixels (the transparent colour).
HBITMAP MakeFramedBitmap(int cx, COLORREF clr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cx;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    auto* pPixels = static_cast<DWORD*>(pBits);
    for (int y = 0; y < cx; y++) {
        for (int x = 0; x < cx; x++) {
            const bool bFrame = x < 4 || y < 4 || x >= cx - 4 || y >= cx - 4;
            const COLORREF c = bFrame ? kMagenta : clr;
            pPixels[y * cx + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    return hbm;
}

class CaptionBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pFrame = new CCaptionTestFrame;
        RECT rect = {30, 30, 630, 330};
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Caption", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, rect));
        theApp.m_pMainWnd = m_pFrame;
        ASSERT_TRUE(m_bar.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, m_pFrame, kIdCaptionBar, -1));
        // As a frame sets its banner up: thin flat borders.
        m_bar.m_nBorderSize = 1;
        m_bar.m_bFlatBorder = TRUE;
        LOGFONTA lf = {};
        lf.lfHeight = 16;
        strcpy(lf.lfFaceName, "Tahoma");
        m_font.CreateFontIndirect(&lf);
        m_bar.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()));
        m_hBitmap = MakeFramedBitmap(32, kImageColour);
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
        ::DeleteObject(m_hBitmap);
        PumpPending();
    }
    CRect Client()
    {
        CRect rect;
        m_bar.GetClientRect(&rect);
        return rect;
    }
    int TextWidth(LPCSTR lpsz)
    {
        HDC hdc = ::GetDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hdc, m_font.GetSafeHandle());
        SIZE size = {};
        ::GetTextExtentPoint32A(hdc, lpsz, static_cast<int>(strlen(lpsz)), &size);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(nullptr, hdc);
        return size.cx;
    }
    void Capture(Canvas& canvas, bool bWholeWindow = false)
    {
        m_bar.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_FRAME);
        ASSERT_TRUE(canvas.CopyFromWindow(m_bar.m_hWnd, bWholeWindow));
    }

    CCaptionTestFrame* m_pFrame = nullptr;
    CWTKCaptionBar m_bar;
    CFont m_font;
    HBITMAP m_hBitmap = nullptr;
};

TEST_F(CaptionBarTest, HeightFollowsTheFontAndTheImage)
{
    // Border 1, margins 2 x 4 and the text height + 2.
    EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, 1 + 8 + 16 + 2);
    m_bar.SetBitmap(m_hBitmap, kMagenta, FALSE, CWTKCaptionBar::kAlignLeft);
    EXPECT_EQ(m_bar.GetImageSize(), CSize(32, 32));
    EXPECT_EQ(m_bar.CalcFixedLayout(TRUE, TRUE).cy, 41);
    CRect rectWindow;
    m_bar.GetWindowRect(&rectWindow);
    EXPECT_EQ(rectWindow.Height(), 41) << "the frame lays the bar out at that height";
    EXPECT_EQ(Client().Height(), 41 - 2) << "one border strip above, one below";

    // A fixed height wins.
    CWTKCaptionBar fixed;
    ASSERT_TRUE(fixed.Create(WS_CHILD | WS_VISIBLE, m_pFrame, kIdCaptionBar + 1, 60));
    EXPECT_EQ(fixed.CalcFixedLayout(TRUE, TRUE).cy, 60);
    fixed.DestroyWindow();
}

TEST_F(CaptionBarTest, ImageAndTextGoWhereTheirAlignmentSays)
{
    const char* text = "Documentation";
    const int cxText = TextWidth(text);
    m_bar.SetBitmap(m_hBitmap, kMagenta, FALSE, CWTKCaptionBar::kAlignLeft);
    const CRect client = Client();
    const int yMiddle = client.CenterPoint().y;
    const struct {
        int nImage;
        int nText;
        int xImage;  // expected left edges
        int xText;
    } rows[] = {
        {CWTKCaptionBar::kAlignLeft, CWTKCaptionBar::kAlignLeft, 4, 4 + 32 + 4},
        {CWTKCaptionBar::kAlignLeft, CWTKCaptionBar::kAlignRight, 4, client.right - 4 - cxText},
        {CWTKCaptionBar::kAlignRight, CWTKCaptionBar::kAlignLeft, client.right - 4 - 32, 4},
        // Centred: side by side round the middle, image first.
        {CWTKCaptionBar::kAlignCenter, CWTKCaptionBar::kAlignCenter, client.Width() / 2 - (32 + 4 + cxText) / 2,
         client.Width() / 2 - (32 + 4 + cxText) / 2 + 32 + 4},
    };
    for (const auto& row : rows) {
        m_bar.SetBitmap(m_hBitmap, kMagenta, FALSE, row.nImage);
        m_bar.SetText(text, row.nText);
        const CRect image = m_bar.GetImageRect();
        const CRect rectText = m_bar.GetTextRect();
        EXPECT_EQ(image.left, row.xImage) << row.nImage;
        EXPECT_EQ(image.Size(), CSize(32, 32));
        EXPECT_EQ(image.top, yMiddle - 16);
        EXPECT_EQ(rectText.left, row.xText) << row.nText;
        EXPECT_EQ(rectText.Width(), cxText);
        EXPECT_LE(std::abs(rectText.CenterPoint().y - yMiddle), 1);

        // The image shows without its transparent frame; the text in the look's caption colour.
        Canvas canvas(client.Width(), client.Height());
        Capture(canvas);
        EXPECT_EQ(canvas.Count(kImageColour, image), 24 * 24) << row.nImage;
        EXPECT_EQ(canvas.Count(kMagenta), 0);
        EXPECT_GT(canvas.Count(::GetSysColor(COLOR_WINDOW), rectText), 10);
        EXPECT_EQ(canvas.Count(::GetSysColor(COLOR_WINDOW), image), 0);
    }

    // A text too long for the bar is cut with an ellipsis on its one line.
    CString strLong;
    for (int i = 0; i < 40; i++)
        strLong += "Very long title ";
    m_bar.SetBitmap(m_hBitmap, kMagenta, FALSE, CWTKCaptionBar::kAlignLeft);
    m_bar.SetText(strLong, CWTKCaptionBar::kAlignLeft);
    EXPECT_EQ(m_bar.GetTextRect().right, client.right - 4);
    EXPECT_EQ(m_bar.GetTextRect().left, 4 + 32 + 4);
    EXPECT_LE(m_bar.GetTextRect().Height(), 20);
}

TEST_F(CaptionBarTest, FlatBordersAreFilledAndRaisedOnesFramed)
{
    m_bar.m_nBorderSize = 4;
    m_pFrame->RecalcLayout();
    const WTKGlobalData& data = WTKGetGlobalData();
    for (BOOL bFlat : {TRUE, FALSE}) {
        m_bar.m_bFlatBorder = bFlat;
        CRect rectWindow;
        m_bar.GetWindowRect(&rectWindow);
        Canvas canvas(rectWindow.Width(), rectWindow.Height());
        Capture(canvas, true);
        const int x = rectWindow.Width() / 2;
        EXPECT_EQ(canvas.Pixel(x, 1), data.clrBarFace) << bFlat;
        EXPECT_EQ(canvas.Pixel(x, rectWindow.Height() - 2), data.clrBarFace) << bFlat;
        EXPECT_EQ(canvas.Pixel(x, 0), bFlat ? data.clrBarFace : data.clrBarHilite) << bFlat;
        EXPECT_EQ(canvas.Pixel(x, rectWindow.Height() - 1), bFlat ? data.clrBarFace : data.clrBarShadow) << bFlat;
        // The client area between the strips is the look's caption background.
        EXPECT_EQ(canvas.Pixel(x, 8), data.clrBarShadow) << bFlat;
    }
}

TEST_F(CaptionBarTest, TheButtonSendsItsCommandWhenPressedUnderTheMouse)
{
    const struct {
        BOOL bDropDown;
    } rows[] = {{TRUE}, {FALSE}};
    for (const auto& row : rows) {
        m_pFrame->m_commands.clear();
        m_bar.SetButton("Options", kIdButtonCommand, CWTKCaptionBar::kAlignRight, row.bDropDown);
        const CRect button = m_bar.GetButtonRect();
        ASSERT_FALSE(button.IsRectEmpty());
        EXPECT_EQ(button.right, Client().right) << "flush with the bar's right edge";
        EXPECT_EQ(button.Width(), TextWidth("Options") + 2 * 4 + (row.bDropDown ? 10 : 0));

        // A press away from the button does nothing.
        const CPoint away(2, 2);
        m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(away.x, away.y));
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(away.x, away.y));
        m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(away.x, away.y));
        PumpPending();
        EXPECT_TRUE(m_pFrame->m_commands.empty());

        const CPoint pt = button.CenterPoint();
        m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_TRUE(m_bar.IsButtonHighlighted());
        Canvas canvas(Client().Width(), Client().Height());
        Capture(canvas);
        EXPECT_EQ(canvas.Pixel(button.left, button.top), WTKGetGlobalData().clrBarHilite) << "raised when hot";
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        EXPECT_TRUE(m_bar.IsButtonPressed());
        m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_FALSE(m_bar.IsButtonPressed());
        PumpPending();
        ASSERT_EQ(m_pFrame->m_commands.size(), 1u) << row.bDropDown;
        EXPECT_EQ(m_pFrame->m_commands[0], kIdButtonCommand);

        m_bar.SendMessage(WM_MOUSELEAVE);
        EXPECT_FALSE(m_bar.IsButtonHighlighted());
    }

    // A label without a command is no button.
    m_pFrame->m_commands.clear();
    m_bar.SetButton("Label", 0, CWTKCaptionBar::kAlignLeft);
    const CPoint pt = m_bar.GetButtonRect().CenterPoint();
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_EQ(m_bar.GetButtonRect().left, 0) << "flush with the bar's left edge";
}

TEST_F(CaptionBarTest, ARightClickAsksTheFrameForItsPopupMenu)
{
    m_bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    ASSERT_EQ(m_pFrame->m_popups.size(), 1u);
    EXPECT_EQ(m_pFrame->m_popups[0].first, m_bar.m_hWnd);
    POINT expected = {10, 5};
    ::ClientToScreen(m_bar.m_hWnd, &expected);
    EXPECT_EQ(m_pFrame->m_popups[0].second.x, expected.x);
    EXPECT_EQ(m_pFrame->m_popups[0].second.y, expected.y);

    // While the user edits the bars the click is the bar's own.
    WTKCustomizeModeFlag() = TRUE;
    m_bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    WTKCustomizeModeFlag() = FALSE;
    EXPECT_EQ(m_pFrame->m_popups.size(), 1u);
}

TEST_F(CaptionBarTest, Screenshot)
{
    CWnd pane;
    RECT none = {0, 0, 0, 0};
    ASSERT_TRUE(
        pane.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE, none, m_pFrame, FW_IDW_PANE_FIRST));
    m_bar.SetBitmap(m_hBitmap, kMagenta, FALSE, CWTKCaptionBar::kAlignLeft);
    m_bar.SetText("Barcode Font Help", CWTKCaptionBar::kAlignLeft);
    m_bar.SetButton("Options", kIdButtonCommand, CWTKCaptionBar::kAlignRight);
    m_pFrame->RecalcLayout();
    const CPoint pt = m_bar.GetButtonRect().CenterPoint();
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    m_pFrame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();

    CRect rectFrame;
    m_pFrame->GetWindowRect(&rectFrame);
    Canvas shot(rectFrame.Width(), rectFrame.Height());
    ASSERT_TRUE(shot.CopyFromWindow(m_pFrame->m_hWnd, true));
    EXPECT_TRUE(shot.WritePng(ScreenshotPath("captionbar.png")));
    EXPECT_GT(shot.Count(kImageColour), 0);
    pane.DestroyWindow();
}

}  // namespace
