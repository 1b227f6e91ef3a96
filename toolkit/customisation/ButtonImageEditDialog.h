// CButtonImageEditDialog: the "Edit Button Image" dialog, a small pixel editor for one button
// image: the enlarged picture, a colour palette, the drawing tools and a preview. It edits a
// copy; OK writes the copy back into the caller's bitmap, Cancel leaves that as it was.
#pragma once
#include "customisation/ButtonImagePaintArea.h"
#include "customisation/ButtonImageToolBar.h"
#include "customisation/WTKColorBar.h"
#include "customisation/res/WTKCustomisationRes.h"

#include "gdi/GdiObject.h"
#include "win/Dialog.h"

class CButtonImageEditDialog : public CDialog {
public:
    enum { IDD = IDD_WTK_EDIT_IMAGE };

    // The screen's bits per pixel, read through a function that a test may replace; returns
    // the previous one.
    using ScreenDepthFn = int (*)();
    static ScreenDepthFn SetScreenDepthFunction(ScreenDepthFn pfn);
    static int GetScreenDepth();

    // pBitmap: the image to edit (the caller's; changed only on OK). nBitsPerPixel 0: the screen's.
    CButtonImageEditDialog(CBitmap* pBitmap, CWnd* pParent, int nBitsPerPixel = 0);
    ~CButtonImageEditDialog() override;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The paint area picked a colour: the palette shows it and the pencil comes back.
    void OnPickColor(COLORREF clr);

    CButtonImagePaintArea& GetPaintArea() { return m_wndLargeDrawArea; }
    CWTKColorBar& GetPalette() { return m_wndPalette; }
    CButtonImageToolBar& GetToolBar() { return m_wndToolbar; }
    CBitmap& GetEditedBitmap() { return m_bitmap; }
    CRect GetPreviewRect() const { return m_rectPreviewImage; }
    int GetBitsPerPixel() const { return m_nBitsPerPixel; }

    // The tools' actions.
    void CopyImage();
    void PasteImage();
    void ClearImage();
    // The paste tool follows the clipboard.
    void UpdateTools();

protected:
    void OnPaint();
    void OnTool(UINT nID);
    void OnColor();
    LRESULT OnKickIdle(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    void CreatePalette();
    void CreateTools();
    void SetMode(CButtonImagePaintArea::Mode mode);
    // Draws into the edited bitmap with a DC that holds it; FALSE when it could not be selected.
    BOOL FillImage(COLORREF clr);
    void ImageChanged();
    // The preview image with its frame round it.
    CRect GetPreviewFrameRect() const;

    CBitmap* m_pBitmapCaller;
    CBitmap m_bitmap;
    CSize m_sizeImage {0, 0};
    int m_nBitsPerPixel;
    CButtonImagePaintArea m_wndLargeDrawArea;
    CWTKColorBar m_wndPalette;
    CButtonImageToolBar m_wndToolbar;
    CRect m_rectPreviewImage;
};
