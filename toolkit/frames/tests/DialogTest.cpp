// The toolkit's dialog base: its background bitmap drawn tiled or in each corner over its brush
// (pixels read back from the erased client area), and a popup opened from one of its buttons
// served by the dialog's helper while the dialog keeps the activation.
#include "MDITestSupport.h"

#include "Canvas.h"

#include "frames/WTKDialog.h"
#include "frames/WTKDialogHelper.h"

#include "command_bars/WTKPopupMenu.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/tests/CommandBarSettingsScope.h"

#include <vector>

namespace {

constexpr int kTile = 8;
constexpr COLORREF kBrushColour = RGB(255, 255, 0);
constexpr COLORREF kTileLeft = RGB(255, 0, 0);
constexpr COLORREF kTileRight = RGB(0, 255, 0);

// An 8 x 8 bitmap: its left half red, its right half green.
HBITMAP MakeTileBitmap()
{
    std::vector<DWORD> bits(kTile * kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            bits[static_cast<size_t>(y * kTile + x)] = x < kTile / 2 ? 0x00FF0000u : 0x0000FF00u;
    return ::CreateBitmap(kTile, kTile, 1, 32, bits.data());
}

class CTestDialog : public CWTKDialog {
public:
    CTestDialog() : CWTKDialog(IDD_MDI_TEST_DIALOG) {}
    CWTKPopupMenu* m_pPopup = nullptr;
    // The caption state the system last asked the dialog to paint.
    BOOL m_bCaptionActive = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCACTIVATE)
            m_bCaptionActive = static_cast<BOOL>(wParam);
        return CWTKDialog::WindowProc(message, wParam, lParam);
    }

    // The button opens a toolkit popup below itself.
    void OnOptions()
    {
        CWnd* pButton = GetDlgItem(IDC_MDI_TEST_DIALOG_BUTTON);
        CRect rect;
        pButton->GetWindowRect(rect);
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, ID_MDI_TEST_NEW, "&New");
        // Null when the popup could not be made.
        m_pPopup =
            CWTKPopupMenu::Open(std::make_unique<CWTKPopupMenu>(), pButton, rect.left, rect.bottom, hMenu, FALSE, TRUE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CWTKDialog)
    ON_BN_CLICKED(IDC_MDI_TEST_DIALOG_BUTTON, OnOptions)
END_MESSAGE_MAP()

class WTKDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
        ASSERT_TRUE(m_dialog.Create(IDD_MDI_TEST_DIALOG));
        m_dialog.SetWindowPos(nullptr, 120, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        PumpPending();
    }
    void TearDown() override
    {
        if (::IsWindow(m_dialog.GetSafeHwnd()))
            m_dialog.DestroyWindow();
        PumpPending();
    }

    CTestDialog m_dialog;
    // Put back after TearDown, once the dialog is gone.
    const CommandBarSettingsScope m_settings;
};

TEST_F(WTKDialogTest, TheBackgroundBitmapIsTiledOrSitsInItsCornerOverTheBrush)
{
    CRect rectClient;
    m_dialog.GetClientRect(rectClient);
    const int w = rectClient.Width();
    const int h = rectClient.Height();
    ASSERT_GT(w, 2 * kTile);
    ASSERT_GT(h, 2 * kTile);
    m_dialog.SetBackgroundColor(kBrushColour);

    // Where the bitmap's top left corner lands, and a point the bitmap leaves to the brush.
    struct Case {
        const char* name;
        CWTKDialog::BackgroundLocation location;
        CPoint ptOrigin;
        CPoint ptBrush;
    } cases[] = {
        {"top left", CWTKDialog::kBackgroundTopLeft, {0, 0}, {w - 1, h - 1}},
        {"top right", CWTKDialog::kBackgroundTopRight, {w - kTile, 0}, {0, h - 1}},
        {"bottom left", CWTKDialog::kBackgroundBottomLeft, {0, h - kTile}, {w - 1, 0}},
        {"bottom right", CWTKDialog::kBackgroundBottomRight, {w - kTile, h - kTile}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialog.SetBackgroundImage(MakeTileBitmap(), c.location, TRUE);
        Canvas canvas(w, h, kWhite);
        EXPECT_TRUE(m_dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Handle())));
        EXPECT_EQ(kTileLeft, canvas.Pixel(c.ptOrigin.x + 1, c.ptOrigin.y + 1));
        EXPECT_EQ(kTileRight, canvas.Pixel(c.ptOrigin.x + kTile - 1, c.ptOrigin.y + kTile - 1));
        EXPECT_EQ(kBrushColour, canvas.Pixel(c.ptBrush.x, c.ptBrush.y));
        EXPECT_EQ(kTile * kTile, canvas.Count(kTileLeft) + canvas.Count(kTileRight)) << "drawn once";
    }

    // Tiled: the bitmap covers the whole client area row by row from the top left.
    m_dialog.SetBackgroundImage(MakeTileBitmap(), CWTKDialog::kBackgroundTile, TRUE);
    Canvas canvas(w, h, kWhite);
    m_dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Handle()));
    EXPECT_EQ(w * h, canvas.Count(kTileLeft) + canvas.Count(kTileRight));
    EXPECT_EQ(kTileLeft, canvas.Pixel(kTile + 1, kTile + 1));
    EXPECT_EQ(kTileRight, canvas.Pixel(2 * kTile - 1, 2 * kTile - 1));
    EXPECT_EQ((w - 1) % kTile < kTile / 2 ? kTileLeft : kTileRight, canvas.Pixel(w - 1, h - 1));

    // Texts and buttons show the background through their own.
    CWnd* pButton = m_dialog.GetDlgItem(IDC_MDI_TEST_DIALOG_BUTTON);
    EXPECT_EQ(
        ::GetStockObject(NULL_BRUSH),
        reinterpret_cast<HGDIOBJ>(m_dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(canvas.Handle()),
                                                       reinterpret_cast<LPARAM>(pButton->GetSafeHwnd()))));
    m_dialog.ShowWindow(SW_SHOW);
    m_dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();
    SaveScreenshot(&m_dialog, "wtk_dialog_tiled.png");
}

TEST_F(WTKDialogTest, APopupFromItsButtonIsServedByTheHelperAndTheCaptionStaysActive)
{
    m_dialog.SetForegroundWindow();
    m_dialog.SetActiveWindow();
    PumpPending();
    ASSERT_EQ(m_dialog.GetSafeHwnd(), ::GetActiveWindow());
    ASSERT_TRUE(m_dialog.m_bCaptionActive);

    HWND hButton = m_dialog.GetDlgItem(IDC_MDI_TEST_DIALOG_BUTTON)->GetSafeHwnd();
    ::PostMessageA(hButton, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageA(hButton, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpPending();
    ASSERT_NE(nullptr, m_dialog.m_pPopup);
    EXPECT_EQ(m_dialog.m_pPopup, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(&m_dialog.GetDialogHelper(), CWTKDialogHelper::GetHookOwner());
    EXPECT_TRUE(::IsWindowVisible(m_dialog.m_pPopup->GetSafeHwnd()));
    EXPECT_EQ(m_dialog.GetSafeHwnd(), ::GetActiveWindow()) << "the popup takes no activation";
    EXPECT_TRUE(m_dialog.m_bCaptionActive);

    // Escape typed in the dialog reaches the popup through the helper and closes it.
    ::PostMessageA(hButton, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_EQ(nullptr, CWTKPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, CWTKDialogHelper::GetMouseHook());
    EXPECT_EQ(m_dialog.GetSafeHwnd(), ::GetActiveWindow());
}

}  // namespace
