// The "Edit Button Image" dialog over a real bitmap: the tools toolbar drives the paint area's
// mode and shows it checked, a picked colour brings the pencil back, copy and paste go through
// the real clipboard (a larger bitmap is cropped from its top left, a smaller one centred, an
// empty clipboard refused with 16004), Clear paints the face, and only OK changes the caller's
// bitmap.
#include "AppearanceTestSupport.h"

#include "customisation/ButtonImageEditDialog.h"
#include "command_bars/WTKToolbarButton.h"
#include "foundation/WTKGlobalData.h"

#include "Canvas.h"
#include "Files.h"
#include "MessagePump.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kEditImageWidth = 16;
constexpr int kEditImageHeight = 15;
constexpr COLORREF kImageBackground = RGB(0, 128, 128);

// Puts a bitmap of cx by cy on the clipboard: its top left pixel red, the rest blue.
void PutBitmapOnClipboard(int cx, int cy)
{
    CBitmap bitmap;
    MakeBitmap(bitmap, cx, cy, kBlue);
    SetBitmapPixel(bitmap, 0, 0, kRed);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::SetClipboardData(CF_BITMAP, bitmap.Detach());
    ::CloseClipboard();
}

void EmptyTheClipboard()
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
}

class EditDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(200, 100, "Host"));
        MakeBitmap(m_bitmap, kEditImageWidth, kEditImageHeight, kImageBackground);
        SetBitmapPixel(m_bitmap, 3, 4, kRed);
    }
    void TearDown() override
    {
        m_dialog.reset();
        m_host.DestroyWindow();
        PumpPending();
    }

    CButtonImageEditDialog& Open(int nBitsPerPixel = 0)
    {
        m_dialog = std::make_unique<CButtonImageEditDialog>(&m_bitmap, &m_host, nBitsPerPixel);
        EXPECT_TRUE(m_dialog->Create(CButtonImageEditDialog::IDD, &m_host));
        return *m_dialog;
    }
    void Command(UINT nID) { m_dialog->SendMessage(WM_COMMAND, nID, 0); }
    COLORREF Edited(int x, int y) { return BitmapPixel(m_dialog->GetEditedBitmap(), x, y); }

    CTestHost m_host;
    CBitmap m_bitmap;
    std::unique_ptr<CButtonImageEditDialog> m_dialog;
};

TEST_F(EditDialogTest, ToolsSetTheModeAndShowItChecked)
{
    using Mode = CButtonImagePaintArea::Mode;
    Open();
    CButtonImageToolBar& tools = m_dialog->GetToolBar();
    ASSERT_NE(tools.GetSafeHwnd(), nullptr);
    EXPECT_EQ(tools.GetCount(), 9);
    struct Case {
        UINT nID;
        Mode mode;
    };
    const Case cases[] = {
        {ID_WTK_LINE_TOOL, Mode::modeLine},        {ID_WTK_RECTANGLE_TOOL, Mode::modeRect},
        {ID_WTK_ELLIPSE_TOOL, Mode::modeEllipse},  {ID_WTK_FILL_TOOL, Mode::modeFill},
        {ID_WTK_PICK_COLOR_TOOL, Mode::modeColor}, {ID_WTK_PENCIL_TOOL, Mode::modePencil},
    };
    EXPECT_TRUE(tools.IsChecked(ID_WTK_PENCIL_TOOL)) << "the pencil at first";
    for (const Case& c : cases) {
        Command(c.nID);
        EXPECT_EQ(m_dialog->GetPaintArea().GetMode(), c.mode) << c.nID;
        for (const Case& other : cases)
            EXPECT_EQ(tools.IsChecked(other.nID), other.nID == c.nID) << c.nID << " shown with " << other.nID;
    }

    // The picked colour becomes the drawing colour and the pencil comes back.
    Command(ID_WTK_PICK_COLOR_TOOL);
    CButtonImagePaintArea& area = m_dialog->GetPaintArea();
    Click(area.m_hWnd, area.PointFromPixel(CPoint(3, 4)));
    EXPECT_EQ(area.GetColor(), kRed);
    EXPECT_EQ(m_dialog->GetPalette().GetColor(), kRed) << "the palette shows the picked colour";
    EXPECT_EQ(area.GetMode(), Mode::modePencil);
    EXPECT_TRUE(tools.IsChecked(ID_WTK_PENCIL_TOOL));
    // A 16 by 15 image gets cells of 10 by 10 in the dialog's picture.
    EXPECT_GE(area.GetCellSize().cx, 8);
    EXPECT_GE(area.GetCellSize().cy, 8);
}

TEST_F(EditDialogTest, CopiesAndPastesThroughTheClipboard)
{
    MessageBoxRecorder boxes;
    Open();
    Command(ID_WTK_COPY_TOOL);
    EXPECT_TRUE(boxes.Texts().empty());
    ASSERT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
    m_dialog->UpdateTools();
    EXPECT_TRUE(m_dialog->GetToolBar().IsEnabled(ID_WTK_PASTE_TOOL));
    {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        CBitmap copied;
        copied.Attach(::GetClipboardData(CF_BITMAP));
        EXPECT_EQ(BitmapSize(copied), CSize(kEditImageWidth, kEditImageHeight));
        EXPECT_EQ(BitmapPixel(copied, 3, 4), kRed);
        EXPECT_EQ(BitmapPixel(copied, 0, 0), kImageBackground);
        copied.Detach();  // the clipboard's
        ::CloseClipboard();
    }

    struct Case {
        const char* what;
        int cx;
        int cy;
        CPoint ptRed;
    };
    const Case cases[] = {
        {"larger: cropped from its top left", 40, 30, {0, 0}},
        {"smaller: centred", 8, 5, {4, 5}},
        {"wider only", 20, 5, {0, 5}},
    };
    for (const Case& c : cases) {
        Command(ID_WTK_CLEAR_TOOL);
        PutBitmapOnClipboard(c.cx, c.cy);
        Command(ID_WTK_PASTE_TOOL);
        EXPECT_EQ(Edited(c.ptRed.x, c.ptRed.y), kRed) << c.what;
        EXPECT_EQ(Edited(c.ptRed.x + 1, c.ptRed.y), kBlue) << c.what;
        EXPECT_EQ(Edited(kEditImageWidth / 2, kEditImageHeight / 2), kBlue) << c.what;
    }
    EXPECT_TRUE(boxes.Texts().empty());

    EmptyTheClipboard();
    m_dialog->UpdateTools();
    EXPECT_FALSE(m_dialog->GetToolBar().IsEnabled(ID_WTK_PASTE_TOOL));
    m_dialog->PasteImage();
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "Can't paste bitmap image from the clipboard!");
}

int EightBitDepth()
{
    return 8;
}

int TwentyFourBitsPerPixel()
{
    return 24;
}

TEST_F(EditDialogTest, ThePaletteHasSixteenColoursAtEightBitsPerPixel)
{
    struct Case {
        CButtonImageEditDialog::ScreenDepthFn pfnDepth;
        int nBits;
        int nColors;
    };
    const Case cases[] = {{EightBitDepth, 8, 16}, {TwentyFourBitsPerPixel, 24, 20}};
    for (const Case& c : cases) {
        const auto pfnOld = CButtonImageEditDialog::SetScreenDepthFunction(c.pfnDepth);
        Open();
        CButtonImageEditDialog::SetScreenDepthFunction(pfnOld);
        EXPECT_EQ(m_dialog->GetBitsPerPixel(), c.nBits);
        CWTKColorBar& palette = m_dialog->GetPalette();
        ASSERT_NE(palette.GetSafeHwnd(), nullptr) << c.nBits;
        EXPECT_EQ(palette.GetColors().GetSize(), c.nColors) << c.nBits;
        EXPECT_EQ(palette.GetColumns(), 4) << c.nBits;
        EXPECT_EQ(palette.GetCommandID(), static_cast<UINT>(IDC_WTK_PALETTE));
        int nCells = 0;
        for (int i = 0; i < palette.GetCount(); i++)
            nCells += palette.GetColorButton(i) != nullptr ? 1 : 0;
        EXPECT_EQ(nCells, c.nColors) << c.nBits;
        m_dialog.reset();
    }
    // The 16 are the VGA colours: no system-reserved colour among them.
    const auto pfnOld = CButtonImageEditDialog::SetScreenDepthFunction(EightBitDepth);
    Open();
    CButtonImageEditDialog::SetScreenDepthFunction(pfnOld);
    const CWTKColorArray& colors = m_dialog->GetPalette().GetColors();
    for (INT_PTR i = 0; i < colors.GetSize(); i++)
        EXPECT_NE(colors[i], RGB(192, 220, 192)) << "money green is the system's, not the image's";
    EXPECT_EQ(colors[0], RGB(0, 0, 0));
    EXPECT_EQ(colors[15], RGB(255, 255, 255));
}

TEST_F(EditDialogTest, ChoosingAPaletteCellSetsTheDrawingColour)
{
    Open();
    CWTKColorBar& palette = m_dialog->GetPalette();
    int iRed = -1;
    for (int i = 0; i < palette.GetCount() && iRed < 0; i++) {
        if (palette.GetColorButton(i) != nullptr && palette.GetColors()[i] == kRed)
            iRed = i;
    }
    ASSERT_GE(iRed, 0);
    const CRect rect = palette.GetButton(iRed)->GetRect();
    Click(palette.m_hWnd, rect.CenterPoint());
    EXPECT_EQ(m_dialog->GetPaintArea().GetColor(), kRed);
    EXPECT_EQ(palette.GetColor(), kRed);
}

TEST_F(EditDialogTest, OnlyOKChangesTheCallersBitmap)
{
    Open();
    Command(ID_WTK_CLEAR_TOOL);
    EXPECT_EQ(Edited(3, 4), WTKGetGlobalData().clrBtnFace);
    EXPECT_EQ(BitmapPixel(m_bitmap, 3, 4), kRed) << "the caller's bitmap waits for OK";
    m_dialog->OnOK();
    EXPECT_EQ(BitmapPixel(m_bitmap, 3, 4), WTKGetGlobalData().clrBtnFace);
    EXPECT_EQ(BitmapSize(m_bitmap), CSize(kEditImageWidth, kEditImageHeight));
}

TEST_F(EditDialogTest, GalleryEditImage)
{
    Open();
    CButtonImagePaintArea& area = m_dialog->GetPaintArea();
    area.SetColor(kBlue);
    Command(ID_WTK_RECTANGLE_TOOL);
    Drag(area.m_hWnd, area.PointFromPixel(CPoint(1, 1)), area.PointFromPixel(CPoint(14, 13)));
    area.SetColor(RGB(255, 255, 0));
    Command(ID_WTK_ELLIPSE_TOOL);
    Drag(area.m_hWnd, area.PointFromPixel(CPoint(4, 3)), area.PointFromPixel(CPoint(11, 11)));
    Command(ID_WTK_LINE_TOOL);
    m_dialog->ShowWindow(SW_SHOW);
    m_dialog->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    PumpPending();
    CRect rect;
    m_dialog->GetWindowRect(rect);
    Canvas canvas(rect.Width(), rect.Height());
    ASSERT_TRUE(canvas.CopyFromWindow(m_dialog->m_hWnd, true));
    EXPECT_TRUE(canvas.WritePng(ScreenshotFolder() + "\\gallery_edit_image.png"));
    // The preview shows the image at its own size.
    CPoint ptClient(0, 0);
    ::ClientToScreen(m_dialog->m_hWnd, &ptClient);
    const CRect preview = m_dialog->GetPreviewRect();
    EXPECT_EQ(canvas.Pixel(ptClient.x - rect.left + preview.left + 1, ptClient.y - rect.top + preview.top + 1), kBlue);
}

}  // namespace
