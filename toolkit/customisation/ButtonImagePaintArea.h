// CButtonImagePaintArea: the enlarged bitmap of the "Edit Button Image" dialog, one cell per
// pixel, drawn over by the mouse with the current tool. Pixels hold the system's button colours
// where the image shows the four standard colours, like every image of the toolkit's strips, and
// the area shows them back as the standard colours, so an image looks alike in any colour scheme.
#pragma once
#include "win/Button.h"

#include "core/Point.h"
#include "core/Rect.h"
#include "core/Size.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"

class CButtonImageEditDialog;

class CButtonImagePaintArea : public CButton {
public:
    enum Mode { modePencil = 0, modeFill, modeLine, modeRect, modeEllipse, modeColor, modeCount };

    // pDialog receives picked colours and has the preview invalidated; it may be null.
    explicit CButtonImagePaintArea(CButtonImageEditDialog* pDialog);
    ~CButtonImagePaintArea() override;

    // The bitmap is the caller's and must outlive the area (or be replaced); null: none.
    void SetBitmap(CBitmap* pBitmap);
    CBitmap* GetBitmap() const { return m_pBitmap; }
    // A colour as the palette shows it (the standard colours, not the system's).
    void SetColor(COLORREF clr);
    COLORREF GetColor() const { return m_clrCurrent; }
    void SetMode(Mode mode);
    Mode GetMode() const { return m_mode; }
    // In the dialog's client coordinates; invalidated there after every change.
    void SetPreviewRect(const CRect& rect) { m_rectPreview = rect; }
    CSize GetCellSize() const { return m_sizeCell; }
    CSize GetImageSize() const { return m_sizeImage; }

    // The grid of cells in client coordinates (empty without a bitmap or with cells of size 0).
    CRect GetGridRect() const;
    // A client point to the pixel under it, clamped into the bitmap.
    CPoint PixelFromPoint(CPoint point) const;
    // A pixel to the centre of its cell.
    CPoint PointFromPixel(CPoint pixel) const;
    // The colour a pixel shows (the standard colour for a system button colour), or CLR_INVALID.
    COLORREF GetShownColor(CPoint pixel);

    // Paints the whole area into pDC at the client origin.
    void Draw(CDC* pDC);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point) { OnLButtonDown(nFlags, point); }
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()

    BOOL CanDraw() const;
    // Selects the bitmap into the memory DC, under a CDCStateGuard that gives it back: a bitmap
    // selected in two DCs at once would fail, and the dialog's preview draws the same bitmap.
    BOOL SelectBitmap();
    BOOL IsBandMode() const { return m_mode == modeLine || m_mode == modeRect || m_mode == modeEllipse; }
    void UpdateCellSize();
    void SetPixel(CPoint pixel);
    // Draws the band on the screen in the inverting mix (a second call erases it).
    void DrawBand(CDC* pDC);
    void FinishBand(CPoint pixel);
    void FloodFill(CPoint pixel);
    void PickColor(CPoint pixel);
    void RedrawAll();
    void InvalidatePreview();
    // The bitmap's colour for a shown colour, and the reverse.
    static COLORREF ToStored(COLORREF clr);
    static COLORREF ToShown(COLORREF clr);

    CButtonImageEditDialog* m_pDialog;
    CRect m_rectPreview;
    CBitmap* m_pBitmap = nullptr;
    CSize m_sizeImage {0, 0};
    CSize m_sizeCell {0, 0};
    COLORREF m_clrCurrent = RGB(0, 0, 0);
    Mode m_mode = modePencil;
    HCURSOR m_hCursors[modeCount] = {};
    CDC m_memDC;
    CPen m_penDraw;
    CPen m_penBand;
    // The rubber band in bitmap pixels: where the drag started and where it is now.
    CPoint m_ptBandStart;
    CPoint m_ptBandEnd;
    BOOL m_bBand = FALSE;
};
