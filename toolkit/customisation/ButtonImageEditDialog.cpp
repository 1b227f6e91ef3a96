#include "customisation/ButtonImageEditDialog.h"
#include "foundation/WTKBitmapDC.h"
#include "foundation/WTKBitmapClipboard.h"

#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"

#include "gdi/DC.h"
#include "win/PaintDC.h"
#include "win/WinApp.h"

#include <algorithm>

namespace {
// The preview's frame lies this far outside the image.
constexpr int kPreviewFrame = 4;
// The tools toolbar's borders inside its placeholder, and its width in buttons.
constexpr int kToolsBorderX = 10;
constexpr int kToolsBorderY = 5;
constexpr int kToolsColumns = 3;
// The palette lies this far inside its placeholder, four cells wide; screens of up to 8 bits
// per pixel get the 16 colours they show without dithering.
constexpr int kPaletteInset = 2;
constexpr int kPaletteColumns = 4;
constexpr int kPaletteScreenBits = 8;
// Of the system palette's 20 entries, the 16 of the VGA colours (the 4 between are the
// system's own reserved colours).
constexpr int kSystemPaletteEntries = 20;
constexpr int kVgaFirstRunEnd = 8;
constexpr int kVgaSecondRunStart = 12;

struct ToolMode {
    UINT nID;
    CButtonImagePaintArea::Mode mode;
};
constexpr ToolMode kToolModes[] = {
    {ID_WTK_PENCIL_TOOL, CButtonImagePaintArea::modePencil},
    {ID_WTK_FILL_TOOL, CButtonImagePaintArea::modeFill},
    {ID_WTK_LINE_TOOL, CButtonImagePaintArea::modeLine},
    {ID_WTK_RECTANGLE_TOOL, CButtonImagePaintArea::modeRect},
    {ID_WTK_ELLIPSE_TOOL, CButtonImagePaintArea::modeEllipse},
    {ID_WTK_PICK_COLOR_TOOL, CButtonImagePaintArea::modeColor},
};

BOOL CreateSixteenColorPalette(CPalette& palette)
{
    PALETTEENTRY entries[kSystemPaletteEntries] = {};
    if (::GetPaletteEntries(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), 0, kSystemPaletteEntries,
                            entries) != kSystemPaletteEntries)
        return FALSE;
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[kSystemPaletteEntries];
    } logPalette = {};
    logPalette.header.palVersion = CWTKColorBar::kPaletteVersion;
    PALETTEENTRY* pOut = logPalette.header.palPalEntry;
    int nCount = 0;
    for (int i = 0; i < kSystemPaletteEntries; i++) {
        if (i < kVgaFirstRunEnd || i >= kVgaSecondRunStart)
            pOut[nCount++] = entries[i];
    }
    logPalette.header.palNumEntries = static_cast<WORD>(nCount);
    return palette.CreatePalette(&logPalette.header);
}

int ScreenBitsPerPixel()
{
    HDC hdc = ::GetDC(nullptr);
    const int nBits = ::GetDeviceCaps(hdc, BITSPIXEL) * ::GetDeviceCaps(hdc, PLANES);
    ::ReleaseDC(nullptr, hdc);
    return nBits;
}

CButtonImageEditDialog::ScreenDepthFn g_pfnScreenDepth = ScreenBitsPerPixel;

// The clipboard open for as long as the object lives.
// A memory DC holding a bitmap for as long as the object lives.
CSize BitmapSize(HBITMAP hbm)
{
    BITMAP bmp {};
    if (hbm == nullptr || !::GetObjectA(hbm, sizeof(bmp), &bmp))
        return CSize(0, 0);
    return CSize(bmp.bmWidth, bmp.bmHeight);
}

// Copies the top left part (of the size given) of one bitmap to x, y in another; FALSE when it could not.
BOOL CopyBits(HBITMAP hbmDest, int x, int y, CSize size, HBITMAP hbmSrc)
{
    CWTKBitmapDC dcSrc(hbmSrc);
    CWTKBitmapDC dcDest(hbmDest);
    return dcSrc.IsValid() && dcDest.IsValid() && ::BitBlt(dcDest, x, y, size.cx, size.cy, dcSrc, 0, 0, SRCCOPY);
}

// A screen-compatible copy of a bitmap, or null.
HBITMAP CopyBitmap(HBITMAP hbmSrc, CSize size)
{
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, size.cx, size.cy);
    ::ReleaseDC(nullptr, hdcScreen);
    if (hbm != nullptr && !CopyBits(hbm, 0, 0, size, hbmSrc)) {
        ::DeleteObject(hbm);
        return nullptr;
    }
    return hbm;
}
}  // namespace

BEGIN_MESSAGE_MAP(CButtonImageEditDialog, CDialog)
    ON_WM_PAINT()
    ON_COMMAND_RANGE(ID_WTK_FILL_TOOL, ID_WTK_CLEAR_TOOL, OnTool)
    ON_COMMAND(IDC_WTK_PALETTE, OnColor)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CButtonImageEditDialog::ScreenDepthFn CButtonImageEditDialog::SetScreenDepthFunction(ScreenDepthFn pfn)
{
    ScreenDepthFn pfnOld = g_pfnScreenDepth;
    g_pfnScreenDepth = pfn != nullptr ? pfn : ScreenBitsPerPixel;
    return pfnOld;
}

int CButtonImageEditDialog::GetScreenDepth()
{
    return g_pfnScreenDepth();
}

CButtonImageEditDialog::CButtonImageEditDialog(CBitmap* pBitmap, CWnd* pParent, int nBitsPerPixel)
    : CDialog(IDD, pParent),
      m_pBitmapCaller(pBitmap),
      m_nBitsPerPixel(nBitsPerPixel > 0 ? nBitsPerPixel : GetScreenDepth()),
      m_wndLargeDrawArea(this)
{
    HBITMAP hbmCaller = pBitmap != nullptr ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr;
    m_sizeImage = BitmapSize(hbmCaller);
    if (m_sizeImage.cx > 0 && m_sizeImage.cy > 0)
        m_bitmap.Attach(CopyBitmap(hbmCaller, m_sizeImage));
    if (m_bitmap.GetSafeHandle() == nullptr)
        m_sizeImage = CSize(0, 0);
}

CButtonImageEditDialog::~CButtonImageEditDialog() = default;

BOOL CButtonImageEditDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndLargeDrawArea.SubclassDlgItem(IDC_WTK_PAINT_AREA, this);
    m_wndLargeDrawArea.SetBitmap(m_bitmap.GetSafeHandle() != nullptr ? &m_bitmap : nullptr);

    CreatePalette();
    CreateTools();

    if (CWnd* pFrame = GetDlgItem(IDC_WTK_PREVIEW)) {
        CRect rectPlace;
        pFrame->GetWindowRect(rectPlace);
        ScreenToClient(rectPlace);
        const CPoint ptCentre = rectPlace.CenterPoint();
        m_rectPreviewImage =
            CRect(CPoint(ptCentre.x - m_sizeImage.cx / 2, ptCentre.y - m_sizeImage.cy / 2), m_sizeImage);
        m_wndLargeDrawArea.SetPreviewRect(GetPreviewFrameRect());
    }
    SetMode(CButtonImagePaintArea::modePencil);
    UpdateTools();
    return TRUE;
}

void CButtonImageEditDialog::CreatePalette()
{
    CWnd* pPlace = GetDlgItem(IDC_WTK_PALETTE_AREA);
    if (pPlace == nullptr)
        return;
    CRect rect;
    pPlace->GetWindowRect(rect);
    ScreenToClient(rect);
    rect.DeflateRect(kPaletteInset, kPaletteInset);
    BOOL bCreated = FALSE;
    if (m_nBitsPerPixel <= kPaletteScreenBits) {
        CPalette palette;
        bCreated = CreateSixteenColorPalette(palette) &&
            m_wndPalette.CreateControl(this, rect, IDC_WTK_PALETTE, kPaletteColumns, &palette);
    } else {
        bCreated = m_wndPalette.CreateControl(this, rect, IDC_WTK_PALETTE, kPaletteColumns);
    }
    if (bCreated)
        m_wndPalette.SetColor(m_wndLargeDrawArea.GetColor());
}

void CButtonImageEditDialog::CreateTools()
{
    CWnd* pPlace = GetDlgItem(IDC_WTK_TOOLS_AREA);
    if (pPlace == nullptr)
        return;
    CRect rect;
    pPlace->GetWindowRect(rect);
    ScreenToClient(rect);
    if (!m_wndToolbar.CreateEx(this, CWTKToolBar::kFlatStyle, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                               CRect(kToolsBorderX, kToolsBorderY, kToolsBorderX, kToolsBorderY)) ||
        !m_wndToolbar.LoadToolBar(IDR_WTK_EDIT_IMAGE_TOOLS, 0, 0, TRUE)) {
        return;
    }
    m_wndToolbar.SetOwner(this);
    m_wndToolbar.SetBarStyle(m_wndToolbar.GetBarStyle() & ~(CBRS_GRIPPER | CBRS_BORDER_ANY));
    const int nWidth = m_wndToolbar.GetColumnWidth() * kToolsColumns;
    const CSize size = m_wndToolbar.CalcLayout(LM_HORZ | LM_COMMIT, nWidth);
    m_wndToolbar.SetWindowPos(nullptr, rect.left, rect.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndToolbar.AdjustLocations();
}

void CButtonImageEditDialog::SetMode(CButtonImagePaintArea::Mode mode)
{
    m_wndLargeDrawArea.SetMode(mode);
    if (m_wndToolbar.GetSafeHwnd() == nullptr)
        return;
    for (const ToolMode& tool : kToolModes)
        m_wndToolbar.SetCheck(tool.nID, tool.mode == mode);
    m_wndToolbar.Invalidate();
}

void CButtonImageEditDialog::UpdateTools()
{
    if (m_wndToolbar.GetSafeHwnd() == nullptr)
        return;
    const BOOL bCanPaste = ::IsClipboardFormatAvailable(CF_BITMAP);
    if (m_wndToolbar.IsEnabled(ID_WTK_PASTE_TOOL) != bCanPaste) {
        m_wndToolbar.EnableButton(ID_WTK_PASTE_TOOL, bCanPaste);
        m_wndToolbar.Invalidate();
    }
}

LRESULT CButtonImageEditDialog::OnKickIdle(WPARAM, LPARAM)
{
    UpdateTools();
    return 0;
}

void CButtonImageEditDialog::OnTool(UINT nID)
{
    for (const ToolMode& tool : kToolModes) {
        if (tool.nID == nID) {
            SetMode(tool.mode);
            return;
        }
    }
    switch (nID) {
    case ID_WTK_COPY_TOOL:
        CopyImage();
        break;
    case ID_WTK_PASTE_TOOL:
        PasteImage();
        break;
    case ID_WTK_CLEAR_TOOL:
        ClearImage();
        break;
    default:
        break;
    }
}

void CButtonImageEditDialog::OnColor()
{
    m_wndLargeDrawArea.SetColor(m_wndPalette.GetColor());
}

void CButtonImageEditDialog::OnPickColor(COLORREF clr)
{
    m_wndLargeDrawArea.SetColor(clr);
    if (m_wndPalette.GetSafeHwnd() != nullptr)
        m_wndPalette.SetColor(clr);
    SetMode(CButtonImagePaintArea::modePencil);
}

void CButtonImageEditDialog::CopyImage()
{
    const HBITMAP hbmImage = m_bitmap;
    WTKCopyPictureToClipboard(GetSafeHwnd(), m_sizeImage, [&](CDC* pDC, const CRect&) {
        CWTKBitmapDC dcSrc(hbmImage);
        return dcSrc.IsValid() &&
            pDC->BitBlt(0, 0, m_sizeImage.cx, m_sizeImage.cy, CDC::FromHandle(dcSrc), 0, 0, SRCCOPY);
    });
    UpdateTools();
}

void CButtonImageEditDialog::PasteImage()
{
    BOOL bPasted = FALSE;
    {
        CWTKClipboardScope clipboard(GetSafeHwnd());
        HBITMAP hbmPasted = clipboard.IsOpen() ? static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP)) : nullptr;
        const CSize sizePasted = BitmapSize(hbmPasted);
        if (sizePasted.cx > 0 && sizePasted.cy > 0 && m_bitmap.GetSafeHandle() != nullptr) {
            // A smaller bitmap is centred; a larger one is cropped from its top left.
            const int x = std::max(0, static_cast<int>(m_sizeImage.cx - sizePasted.cx) / 2);
            const int y = std::max(0, static_cast<int>(m_sizeImage.cy - sizePasted.cy) / 2);
            const CSize sizeCopied(std::min(sizePasted.cx, m_sizeImage.cx), std::min(sizePasted.cy, m_sizeImage.cy));
            bPasted = CopyBits(m_bitmap, x, y, sizeCopied, hbmPasted);
        }
    }
    if (!bPasted) {
        FwMessageBox(IDS_WTK_CANT_PASTE_BITMAP);
        return;
    }
    ImageChanged();
}

void CButtonImageEditDialog::ClearImage()
{
    if (FillImage(WTKGetGlobalData().clrBtnFace))
        ImageChanged();
}

BOOL CButtonImageEditDialog::FillImage(COLORREF clr)
{
    if (m_bitmap.GetSafeHandle() == nullptr)
        return FALSE;
    CWTKBitmapDC dc(m_bitmap);
    if (!dc.IsValid())
        return FALSE;
    const CRect rect(CPoint(0, 0), m_sizeImage);
    ::SetBkColor(dc, clr);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    return TRUE;
}

void CButtonImageEditDialog::ImageChanged()
{
    if (m_wndLargeDrawArea.GetSafeHwnd() != nullptr) {
        m_wndLargeDrawArea.Invalidate();
        m_wndLargeDrawArea.UpdateWindow();
    }
    InvalidateRect(GetPreviewFrameRect());
}

CRect CButtonImageEditDialog::GetPreviewFrameRect() const
{
    CRect rect = m_rectPreviewImage;
    rect.InflateRect(kPreviewFrame, kPreviewFrame);
    return rect;
}

void CButtonImageEditDialog::OnPaint()
{
    CPaintDC dc(this);
    if (m_bitmap.GetSafeHandle() == nullptr || m_rectPreviewImage.IsRectEmpty())
        return;
    const WTKGlobalData& data = WTKGetGlobalData();
    const CRect rectFrame = GetPreviewFrameRect();
    dc.FillSolidRect(rectFrame, data.clrBtnFace);
    dc.Draw3dRect(rectFrame, data.clrBtnShadow, data.clrBtnHilite);
    CWTKBitmapDC dcImage(m_bitmap);
    if (dcImage.IsValid())
        ::BitBlt(dc, m_rectPreviewImage.left, m_rectPreviewImage.top, m_sizeImage.cx, m_sizeImage.cy, dcImage, 0, 0,
                 SRCCOPY);
}

void CButtonImageEditDialog::OnOK()
{
    if (m_pBitmapCaller != nullptr && m_bitmap.GetSafeHandle() != nullptr &&
        !CopyBits(*m_pBitmapCaller, 0, 0, m_sizeImage, m_bitmap)) {
        FwMessageBox(IDS_WTK_INTERNAL_ERROR);
        return;
    }
    CDialog::OnOK();
}
