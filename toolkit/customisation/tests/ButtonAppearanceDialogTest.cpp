// The "Button Appearance" dialog over a real toolbar button and a user images strip: its start
// state for several buttons, the refusals of OK (16001, 16002) through the scripted message box,
// what OK gives the button, and New, which runs the image editor and adds the image to the user
// strip. The program runs with a poisoned heap, so a list that reached a deleted button would
// crash it.
#include "AppearanceTestSupport.h"

#include "customisation/ButtonImageEditDialog.h"
#include "customisation/WTKButtonAppearanceDialog.h"
#include "customisation/WTKToolbarCustomize.h"
#include "command_bars/WTKCommandManager.h"
#include "command_bars/WTKToolBar.h"
#include "command_bars/WTKToolbarButton.h"
#include "foundation/WTKImageStrip.h"

#include "Canvas.h"
#include "gdi/DC.h"
#include "Files.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr int kUserImages = 12;
constexpr int kStandardImage = 2;

void FillStrip(CWTKImageStrip& strip, int nImages, COLORREF clrBase)
{
    CBitmap bitmap;
    MakeBitmap(bitmap, 16 * nImages, 15, RGB(192, 192, 192));
    for (int i = 0; i < nImages; i++) {
        const COLORREF clr = RGB(GetRValue(clrBase) ^ (i * 20), GetGValue(clrBase), GetBValue(clrBase) ^ (i * 12));
        for (int k = 2; k < 13; k++) {
            SetBitmapPixel(bitmap, 16 * i + k, k, clr);
            SetBitmapPixel(bitmap, 16 * i + 14 - k, k, clr);
            SetBitmapPixel(bitmap, 16 * i + k, 2, clr);
            SetBitmapPixel(bitmap, 16 * i + k, 12, clr);
        }
    }
    strip.AddImage(static_cast<HBITMAP>(bitmap.GetSafeHandle()));
}

// A customisation sheet with an image editor of its own: it paints the image red and answers
// as told.
class CEditingSheet : public CWTKToolbarCustomize {
public:
    CEditingSheet() : CWTKToolbarCustomize(nullptr) {}
    BOOL OnEditToolbarMenuImage(CWnd*, CBitmap& bitmap, int nBitsPerPixel) override
    {
        m_nCalls++;
        m_nBitsPerPixel = nBitsPerPixel;
        m_clrSeen = BitmapPixel(bitmap, 2, 2);
        if (m_bEdits)
            SetBitmapPixel(bitmap, m_ptPaint.x, m_ptPaint.y, kRed);
        return m_bEdits;
    }
    CPoint m_ptPaint {0, 0};
    COLORREF m_clrSeen = CLR_INVALID;
    int m_nCalls = 0;
    int m_nBitsPerPixel = 0;
    BOOL m_bEdits = TRUE;
};

// The sheet stands registered for as long as the object lives.
class SheetRegistration {
public:
    explicit SheetRegistration(CWTKToolbarCustomize* pSheet) { WTKProcessPointer<CWTKToolbarCustomize>() = pSheet; }
    ~SheetRegistration() { WTKProcessPointer<CWTKToolbarCustomize>() = nullptr; }
    SheetRegistration(const SheetRegistration&) = delete;
    SheetRegistration& operator=(const SheetRegistration&) = delete;
};

// A pixel of one image of a strip as the strip draws it.
COLORREF StripPixel(CWTKImageStrip& strip, int iImage, int x, int y)
{
    CBitmap bitmap;
    MakeBitmap(bitmap, 16, 15, kWhite);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = dc.SelectObject(bitmap.GetSafeHandle());
    WTKDrawState ds;
    if (strip.PrepareDraw(ds)) {
        strip.Draw(&dc, 0, 0, iImage);
        strip.EndDraw(ds);
    }
    dc.SelectObject(hOld);
    return BitmapPixel(bitmap, x, y);
}

int EightBitsPerPixel()
{
    return 8;
}

class AppearanceDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (CWTKToolBar::GetImages()->GetCount() == 0)
            FillStrip(*CWTKToolBar::GetImages(), 4, RGB(0, 0, 160));
    }
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(200, 100, "Host"));
        FillStrip(m_images, kUserImages, RGB(160, 40, 0));
        m_button = std::make_unique<CWTKToolbarButton>(ID_TEST_COMMAND, kStandardImage, "&Test\tCtrl+T");
        m_button->m_bText = TRUE;
    }
    void TearDown() override
    {
        m_dialog.reset();
        m_host.DestroyWindow();
        PumpPending();
    }

    CWTKButtonAppearanceDialog& Open(CWTKImageStrip* pImages, BOOL bMenuItem = FALSE, int iStart = 0)
    {
        m_dialog = std::make_unique<CWTKButtonAppearanceDialog>(m_button.get(), pImages, &m_host, iStart, bMenuItem);
        EXPECT_TRUE(m_dialog->Create(CWTKButtonAppearanceDialog::IDD, &m_host));
        m_dialog->ShowWindow(SW_SHOW);
        return *m_dialog;
    }
    HWND Item(UINT nID) const { return ::GetDlgItem(m_dialog->m_hWnd, static_cast<int>(nID)); }
    bool Enabled(UINT nID) const { return ::IsWindowEnabled(Item(nID)) != FALSE; }
    bool Checked(UINT nID) const { return ::SendMessageA(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Press(UINT nID) { ::SendMessageA(Item(nID), BM_CLICK, 0, 0); }
    std::string Text(UINT nID) const
    {
        char sz[128] = "";
        ::GetWindowTextA(Item(nID), sz, sizeof(sz));
        return sz;
    }

    CTestHost m_host;
    CWTKImageStrip m_images;
    std::unique_ptr<CWTKToolbarButton> m_button;
    std::unique_ptr<CWTKButtonAppearanceDialog> m_dialog;
};

TEST_F(AppearanceDialogTest, StartsFromTheButton)
{
    struct Case {
        const char* what;
        BOOL bImage;
        BOOL bText;
        BOOL bMenuItem;
        bool bWithStrip;
        UINT nShown;
        bool bImageOnlyEnabled;
        bool bListEnabled;
    };
    const Case cases[] = {
        {"image and text", TRUE, TRUE, FALSE, true, IDC_WTK_IMAGE_AND_TEXT, true, false},
        {"image only", TRUE, FALSE, FALSE, true, IDC_WTK_IMAGE_ONLY, true, false},
        {"text only", FALSE, TRUE, FALSE, true, IDC_WTK_TEXT_ONLY, true, false},
        {"neither: text is forced", FALSE, FALSE, FALSE, true, IDC_WTK_TEXT_ONLY, true, false},
        {"menu item", TRUE, TRUE, TRUE, true, IDC_WTK_IMAGE_AND_TEXT, false, false},
        {"no user images", TRUE, FALSE, FALSE, false, IDC_WTK_IMAGE_ONLY, true, false},
    };
    for (const Case& c : cases) {
        m_button->m_bImage = c.bImage;
        m_button->m_bText = c.bText;
        Open(c.bWithStrip ? &m_images : nullptr, c.bMenuItem);
        EXPECT_TRUE(Checked(c.nShown)) << c.what;
        EXPECT_TRUE(Checked(IDC_WTK_DEFAULT_IMAGE)) << c.what;
        EXPECT_EQ(Enabled(IDC_WTK_IMAGE_ONLY), c.bImageOnlyEnabled) << c.what;
        EXPECT_EQ(Enabled(IDC_WTK_USER_IMAGES), c.bListEnabled) << c.what;
        EXPECT_EQ(Enabled(IDC_WTK_USER_IMAGE), c.bWithStrip && c.bImage && !c.bMenuItem) << c.what;
        EXPECT_EQ(Enabled(IDC_WTK_BUTTON_TEXT), c.bText || !c.bImage) << c.what;
        EXPECT_EQ(Text(IDC_WTK_BUTTON_TEXT), "&Test") << c.what;
        EXPECT_EQ(Text(IDC_WTK_DESCRIPTION), "Opens the test document") << c.what;
        const size_t nListed = c.bWithStrip ? static_cast<size_t>(kUserImages) : 0;
        EXPECT_EQ(m_dialog->GetImageList().GetButtons().size(), nListed) << c.what;
        m_dialog.reset();
    }

    // A user-image button lists from the first user image asked for, its own image selected.
    m_button->m_bUserButton = TRUE;
    m_button->SetImage(7);
    m_button->m_bImage = TRUE;
    Open(&m_images, FALSE, 3);
    EXPECT_TRUE(Checked(IDC_WTK_USER_IMAGE));
    EXPECT_EQ(m_dialog->GetImageList().GetButtons().size(), static_cast<size_t>(kUserImages - 3));
    ASSERT_NE(m_dialog->GetImageList().GetSelectedButton(), nullptr);
    EXPECT_EQ(m_dialog->GetImageList().GetSelectedButton()->GetImage(), 7);
    EXPECT_TRUE(Enabled(IDC_WTK_USER_IMAGES));
    EXPECT_TRUE(Enabled(IDC_WTK_EDIT_IMAGE));
}

TEST_F(AppearanceDialogTest, RefusesOKWithoutAnImageOrAText)
{
    MessageBoxRecorder boxes;
    Open(&m_images);
    Press(IDC_WTK_IMAGE_ONLY);
    Press(IDC_WTK_USER_IMAGE);
    EXPECT_TRUE(Enabled(IDC_WTK_NEW_IMAGE));
    EXPECT_FALSE(Enabled(IDC_WTK_EDIT_IMAGE)) << "no image selected yet";
    m_dialog->OnOK();
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "You should select an image!");
    EXPECT_EQ(::GetFocus(), m_dialog->GetImageList().m_hWnd);

    boxes.Clear();
    Press(IDC_WTK_DEFAULT_IMAGE);
    Press(IDC_WTK_IMAGE_AND_TEXT);
    ::SetWindowTextA(Item(IDC_WTK_BUTTON_TEXT), "");
    m_dialog->OnOK();
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "You should enter a text!");
    EXPECT_EQ(::GetFocus(), Item(IDC_WTK_BUTTON_TEXT));

    EXPECT_TRUE(::IsWindowVisible(m_dialog->m_hWnd)) << "the dialog stays open";
    EXPECT_EQ(std::string(m_button->m_strText), "&Test\tCtrl+T");
    EXPECT_EQ(m_button->GetImage(), kStandardImage);
    EXPECT_FALSE(m_button->m_bUserButton);
}

TEST_F(AppearanceDialogTest, OKGivesTheButtonTheChosenImageAndText)
{
    MessageBoxRecorder boxes;
    Open(&m_images);
    Press(IDC_WTK_USER_IMAGE);
    ASSERT_TRUE(m_dialog->GetImageList().SelectButton(5));
    EXPECT_EQ(m_dialog->GetImage(), 5);
    EXPECT_TRUE(Enabled(IDC_WTK_EDIT_IMAGE));
    Press(IDC_WTK_IMAGE_AND_TEXT);
    ::SetWindowTextA(Item(IDC_WTK_BUTTON_TEXT), "Re&named");
    m_dialog->OnOK();
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_TRUE(m_button->m_bUserButton);
    EXPECT_EQ(m_button->GetImage(), 5);
    EXPECT_TRUE(m_button->m_bImage);
    EXPECT_TRUE(m_button->m_bText);
    EXPECT_EQ(std::string(m_button->m_strText), "Re&named\tCtrl+T") << "the accelerator text is kept";
}

TEST_F(AppearanceDialogTest, NewAddsTheEditedImageToTheUserStripAndSelectsIt)
{
    MessageBoxRecorder boxes;
    Open(&m_images);
    Press(IDC_WTK_USER_IMAGE);
    {
        EditDialogScript editor(IDCANCEL);
        Press(IDC_WTK_NEW_IMAGE);
        EXPECT_EQ(editor.Count(), 1);
    }
    EXPECT_EQ(m_images.GetCount(), kUserImages) << "a cancelled image is not added";
    {
        EditDialogScript editor(IDOK);
        Press(IDC_WTK_NEW_IMAGE);
        Press(IDC_WTK_NEW_IMAGE);
        EXPECT_EQ(editor.Count(), 2);
    }
    EXPECT_TRUE(boxes.Texts().empty());
    ASSERT_EQ(m_images.GetCount(), kUserImages + 2);
    const auto& listed = m_dialog->GetImageList().GetButtons();
    ASSERT_EQ(listed.size(), static_cast<size_t>(kUserImages + 2));
    for (size_t i = 0; i < listed.size(); i++)
        EXPECT_EQ(listed[i]->GetImage(), static_cast<int>(i));
    ASSERT_NE(m_dialog->GetImageList().GetSelectedButton(), nullptr);
    EXPECT_EQ(m_dialog->GetImageList().GetSelectedButton()->GetImage(), kUserImages + 1);
    EXPECT_EQ(m_dialog->GetImage(), kUserImages + 1);
    EXPECT_TRUE(Enabled(IDC_WTK_EDIT_IMAGE));
    m_dialog->GetImageList().RedrawWindow();
}

TEST_F(AppearanceDialogTest, AsksTheCustomisationSheetFirst)
{
    MessageBoxRecorder boxes;
    CEditingSheet sheet;
    SheetRegistration registration(&sheet);
    const auto pfnOldDepth = CButtonImageEditDialog::SetScreenDepthFunction(EightBitsPerPixel);
    Open(&m_images);
    Press(IDC_WTK_USER_IMAGE);
    {
        EditDialogScript editor(IDOK);
        Press(IDC_WTK_NEW_IMAGE);
        EXPECT_EQ(editor.Count(), 0) << "the sheet edited the image";
        sheet.m_bEdits = FALSE;
        Press(IDC_WTK_NEW_IMAGE);
        EXPECT_EQ(editor.Count(), 1) << "the sheet declined: the editor runs";
    }
    CButtonImageEditDialog::SetScreenDepthFunction(pfnOldDepth);
    EXPECT_EQ(sheet.m_nCalls, 2);
    EXPECT_EQ(sheet.m_nBitsPerPixel, 8);
    ASSERT_EQ(m_images.GetCount(), kUserImages + 2);
    EXPECT_EQ(StripPixel(m_images, kUserImages, 0, 0), kRed) << "the sheet's result is what the strip gets";
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(AppearanceDialogTest, EditReplacesTheSelectedImageOfAUserImagesFile)
{
    char szTemp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string path = std::string(szTemp) + "wtk_appearance_" + std::to_string(::GetCurrentProcessId()) + ".bmp";
    {
        CWTKImageStrip source;
        FillStrip(source, 4, RGB(160, 40, 0));
        HGLOBAL hDIB = BitmapToDIB(source.GetImageWell());
        ASSERT_NE(hDIB, nullptr);
        ASSERT_TRUE(WriteDIBToFile(path.c_str(), hDIB));
        ::GlobalFree(hDIB);
    }
    CWTKImageStrip userImages;
    ASSERT_TRUE(userImages.LoadFromFile(path.c_str()));
    ASSERT_EQ(userImages.GetCount(), 4);
    const COLORREF clrImage2 = StripPixel(userImages, 2, 2, 2);

    MessageBoxRecorder boxes;
    CEditingSheet sheet;
    sheet.m_ptPaint = CPoint(1, 7);
    SheetRegistration registration(&sheet);
    Open(&userImages);
    Press(IDC_WTK_USER_IMAGE);
    ASSERT_TRUE(m_dialog->GetImageList().SelectButton(2));
    Press(IDC_WTK_EDIT_IMAGE);
    EXPECT_EQ(sheet.m_nCalls, 1);
    EXPECT_EQ(sheet.m_clrSeen, clrImage2) << "the editor gets the selected image";
    EXPECT_EQ(StripPixel(userImages, 2, 1, 7), kRed);
    EXPECT_NE(StripPixel(userImages, 1, 1, 7), kRed);
    EXPECT_NE(StripPixel(userImages, 3, 1, 7), kRed);
    EXPECT_EQ(userImages.GetCount(), 4);
    EXPECT_TRUE(boxes.Texts().empty());
    m_dialog.reset();
    ::DeleteFileA(path.c_str());
}

TEST_F(AppearanceDialogTest, GalleryButtonAppearance)
{
    m_button->m_bUserButton = TRUE;
    m_button->SetImage(4);
    m_button->m_bImage = TRUE;
    Open(&m_images);
    m_dialog->ShowWindow(SW_SHOW);
    m_dialog->GetImageList().SetFocus();
    PumpPending();
    EXPECT_TRUE(SaveWindowScreenshot(m_dialog->m_hWnd, "gallery_button_appearance.png"));
}

}  // namespace
