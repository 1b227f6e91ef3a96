#pragma once

#include "core/Map.h"
#include "core/Size.h"
#include "core/String.h"

#include <windows.h>

#include <memory>
#include <vector>

class CDC;

// What one PrepareDraw selected, handed back to EndDraw.
struct WTKDrawState {
    HBITMAP hbmMono = nullptr;
    HGDIOBJ hbmMonoOld = nullptr;
    HGDIOBJ hbmOldStrip = nullptr;
};

// A row of equal-sized button images in one bitmap, drawn one at a time in the toolkit's states
// (normal, disabled, shadow, highlighted, indeterminate, faded), optionally stretched and with a
// transparent colour. The standard button colours of loaded images follow the system colours.
class CWTKImageStrip {
public:
    CWTKImageStrip();
    virtual ~CWTKImageStrip();
    CWTKImageStrip(const CWTKImageStrip&) = delete;
    CWTKImageStrip& operator=(const CWTKImageStrip&) = delete;

    // Module null: the application's resources. With bAdd the bitmap is appended and remembered
    // for reloads (an id already appended answers TRUE at once); without it the strip is replaced.
    BOOL Load(UINT uiResID, HINSTANCE hinstRes = nullptr, BOOL bAdd = FALSE);
    // The user-images strip; a bare file name is looked up in the program's folder.
    BOOL LoadFromFile(LPCSTR lpszPath);
    // Appends the whole width of the bitmap; the index of the last image, -1 on failure.
    int AddImage(HBITMAP hbmp);
    // File strips only: the top-left image-size area of the bitmap replaces an image.
    BOOL UpdateImage(int iImage, HBITMAP hbmp);
    // File strips only; null saves to the strip's own file.
    BOOL Save(LPCSTR lpszPath = nullptr);
    BOOL CopyImageToClipboard(int iImage);
    // clrSrc -1: the four standard colours become the system colours; else clrSrc becomes clrDest.
    BOOL MapTo3dColors(BOOL bRGBColorTable = TRUE, COLORREF clrSrc = static_cast<COLORREF>(-1),
                       COLORREF clrDest = static_cast<COLORREF>(-1));
    // Makes the other strip a read-only copy that shares this strip's images.
    BOOL CopyTo(CWTKImageStrip& other);
    void Clear();

    CSize GetImageSize(BOOL bDest = FALSE) const;
    void SetImageSize(CSize size);
    int GetCount() const { return m_iCount; }
    COLORREF GetTransparentColor() const { return m_clrTransparent; }
    // Rebuilds the faded image when the colour changes.
    void SetTransparentColor(COLORREF clr);
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsModified() const { return m_bModified; }
    BOOL IsUserImageList() const { return m_bUserImagesList; }
    BOOL IsShared() const { return m_bShared; }
    int GetBitsPerPixel() const { return m_nBitsPerPixel; }
    HBITMAP GetImageWell() const { return m_hbmImageWell ? m_hbmImageWell->Handle() : nullptr; }
    HBITMAP GetFadedImageWell() const { return m_hbmImageLight; }
    COLORREF GetShadowColor() const { return m_clrImageShadow; }

    // Every series of Draw calls is bracketed by one PrepareDraw and one EndDraw on the same state.
    BOOL PrepareDraw(WTKDrawState& ds, CSize sizeImageDest = CSize(0, 0), BOOL bFadeInactive = FALSE);
    BOOL Draw(CDC* pDC, int x, int y, int iImage, BOOL bHilite = FALSE, BOOL bDisabled = FALSE,
              BOOL bIndeterminate = FALSE, BOOL bShadow = FALSE, BOOL bInactive = FALSE);
    void EndDraw(WTKDrawState& ds);

    // Reloads the images in the current system colours; owners call it on a colour change. A
    // user-images strip with unsaved changes keeps its pixels.
    void OnSysColorChange();
    void UpdateInternalImage();
    void CreateMonoMask(int iImage, BOOL bHilite, BOOL bHiliteShadow);

    // Deletes the DCs that all strips share; the toolkit's clean-up calls it at exit.
    static void CleanUp();

private:
    // A strip bitmap, shared with read-only copies so that a copy never draws a deleted one.
    class CBitmapOwner {
    public:
        explicit CBitmapOwner(HBITMAP hbm) : m_hbm(hbm) {}
        ~CBitmapOwner();
        CBitmapOwner(const CBitmapOwner&) = delete;
        CBitmapOwner& operator=(const CBitmapOwner&) = delete;
        HBITMAP Handle() const { return m_hbm; }

    private:
        HBITMAP m_hbm;
    };
    using BitmapPtr = std::shared_ptr<CBitmapOwner>;

    // Makes the DCs that all strips share when they do not exist.
    static BOOL CreateSharedDCs();
    void SetStrip(HBITMAP hbm);
    void DeleteStrip();
    void DeleteFaded();
    void UpdateCount();
    // The bitmap from a resource in the current system colours, or null.
    HBITMAP LoadMappedBitmap(UINT uiResID, HINSTANCE hinstRes, int& nBitsPerPixel) const;
    void RemoveMemoryDC();

    CSize m_sizeImage {16, 15};
    CSize m_sizeImageDest {0, 0};
    BitmapPtr m_hbmImageWell;
    HBITMAP m_hbmImageLight = nullptr;
    BOOL m_bUserImagesList = FALSE;
    CString m_strPath;
    BOOL m_bModified = FALSE;
    int m_iCount = 0;
    std::vector<UINT> m_lstOrigResIds;
    std::vector<HINSTANCE> m_lstOrigResInstances;
    CMap<UINT, UINT, int, int> m_mapOrigResOffsets;
    BOOL m_bStretch = FALSE;
    HDC m_hdcMem = nullptr;
    HBITMAP m_bmpMem = nullptr;
    HGDIOBJ m_bmpMemOld = nullptr;
    COLORREF m_clrTransparent = static_cast<COLORREF>(-1);
    BOOL m_bReadOnly = FALSE;
    BOOL m_bShared = FALSE;
    COLORREF m_clrImageShadow = 0;
    BOOL m_bFadeInactive = FALSE;
    int m_nBitsPerPixel = 0;

    static HDC s_hdcGlyphs;
    static HDC s_hdcMono;
};

// Standard button colour (black, 0x808080, 0xC0C0C0, white) to the current system colour, red
// and blue exchanged with bSwapRB (colour-table order); other colours pass unchanged.
COLORREF MapStandardColorToSys(COLORREF clr, BOOL bSwapRB);
// The reverse: a current system colour of the table back to its standard colour.
COLORREF MapSysColorToStandard(COLORREF clr, BOOL bSwapRB);
// A packed DIB (header, colour table, bits) in global memory that the caller frees, with the
// colour table in the standard colours; null on failure or for bit-field compression.
HGLOBAL BitmapToDIB(HBITMAP hBitmap, DWORD dwCompression = BI_RGB);
// A .bmp file of the packed DIB.
BOOL WriteDIBToFile(LPCSTR lpszPath, HGLOBAL hDIB);
// Copies with the transparent colour left out; a destination size of -1 is the source size.
void DrawTransparentBitmap(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
                           COLORREF clrTransparent, int nWidthDest = -1, int nHeightDest = -1);

// The system colours the standard colours map to (GetSysColor unless replaced); returns the
// previous function.
using WTKSysColorFn = DWORD(WINAPI*)(int nIndex);
WTKSysColorFn WTKSetImageStripSysColorFunction(WTKSysColorFn pfn);
