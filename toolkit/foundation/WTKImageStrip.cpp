#include "foundation/WTKImageStrip.h"
#include "foundation/WTKBitmapClipboard.h"
#include "foundation/WTKBitmapDC.h"

#include "core/Exception.h"
#include "core/GlobalLock.h"
#include "foundation/WTKColorFunctions.h"
#include "foundation/WTKCleanUp.h"
#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKMenuGlyphs.h"
#include "foundation/WTKPaintTools.h"
#include "foundation/WTKVisualManager.h"
#include "gdi/DC.h"
#include "win/WinApp.h"
#include "win/Wnd.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <utility>

HDC CWTKImageStrip::s_hdcGlyphs = nullptr;
HDC CWTKImageStrip::s_hdcMono = nullptr;

namespace {

// Raster operations of the state drawing: where the mask is white the destination stays, where
// it is black the brush lands (PSDPxax); and the reverse, the brush on white mask pixels (DSPDxax).
constexpr DWORD kRopBrushOnBlack = 0x00B8074A;
constexpr DWORD kRopBrushOnWhite = 0x00E20746;
constexpr int kFadedPercent = 130;
constexpr int kShadowPercent = 170;
constexpr WORD kBitmapFileType = 0x4D42;  // "BM"
constexpr char kTempFilePrefix[] = "WTK";

struct StandardColor {
    COLORREF clr;
    int nSysColor;
};
constexpr std::array<StandardColor, 4> kStandardColors {{
    {RGB(0x00, 0x00, 0x00), COLOR_BTNTEXT},
    {RGB(0x80, 0x80, 0x80), COLOR_BTNSHADOW},
    {RGB(0xC0, 0xC0, 0xC0), COLOR_BTNFACE},
    {RGB(0xFF, 0xFF, 0xFF), COLOR_BTNHIGHLIGHT},
}};

WTKSysColorFn g_pfnSysColor = ::GetSysColor;

COLORREF SwapRB(COLORREF clr)
{
    return RGB(GetBValue(clr), GetGValue(clr), GetRValue(clr));
}

// --- What the strip reads of the global drawing data and the current look ---

int ScreenBitsPerPixel()
{
    return WTKGetGlobalData().nBitsPerPixel;
}

COLORREF FaceColor()
{
    return WTKGetGlobalData().clrBtnFace;
}

COLORREF ShadowColor()
{
    return WTKGetGlobalData().clrBtnShadow;
}

COLORREF HighlightColor()
{
    return WTKGetGlobalData().clrBtnHilite;
}

HBRUSH HighlightBrush()
{
    return WTKGetGlobalData().hbrBtnHilite;
}

HBRUSH ShadowBrush()
{
    return WTKGetGlobalData().hbrBtnShadow;
}

HBRUSH LightBrush()
{
    return WTKGetGlobalData().brLight;
}

HBRUSH FaceBrush()
{
    return WTKGetGlobalData().brBtnFace;
}

BOOL EmbossDisabledImage()
{
    const CWTKVisualManager* pLook = CWTKVisualManager::GetInstance();
    return pLook ? pLook->m_bEmbossDisabledImage : TRUE;
}

// --- Small owners of the GDI handles used here ---

class CScreenDC {
public:
    CScreenDC() : m_hdc(::GetDC(nullptr)) {}
    ~CScreenDC()
    {
        if (m_hdc)
            ::ReleaseDC(nullptr, m_hdc);
    }
    CScreenDC(const CScreenDC&) = delete;
    CScreenDC& operator=(const CScreenDC&) = delete;
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
};

class CBitmapHandle {
public:
    explicit CBitmapHandle(HBITMAP hbm = nullptr) : m_hbm(hbm) {}
    ~CBitmapHandle()
    {
        if (m_hbm)
            ::DeleteObject(m_hbm);
    }
    CBitmapHandle(const CBitmapHandle&) = delete;
    CBitmapHandle& operator=(const CBitmapHandle&) = delete;
    HBITMAP Get() const { return m_hbm; }
    HBITMAP Release() { return std::exchange(m_hbm, nullptr); }

private:
    HBITMAP m_hbm;
};

// Restores a DC's text and background colours.
class CColorGuard {
public:
    explicit CColorGuard(HDC hdc) : m_hdc(hdc), m_clrText(::GetTextColor(hdc)), m_clrBk(::GetBkColor(hdc)) {}
    ~CColorGuard()
    {
        ::SetTextColor(m_hdc, m_clrText);
        ::SetBkColor(m_hdc, m_clrBk);
    }
    CColorGuard(const CColorGuard&) = delete;
    CColorGuard& operator=(const CColorGuard&) = delete;

private:
    HDC m_hdc;
    COLORREF m_clrText;
    COLORREF m_clrBk;
};

// The paint tools over a DC that stays with its owner.
template <class Paint>
void WithPaintTools(HDC hdc, Paint paint)
{
    CDC dc;
    dc.Attach(hdc);
    {
        CWTKPaintTools tools(&dc);
        paint(tools);
    }
    dc.Detach();
}

bool GetBitmapInfo(HBITMAP hbm, BITMAP& bm)
{
    return hbm && ::GetObjectA(hbm, sizeof(bm), &bm) == sizeof(bm) && bm.bmWidth > 0 && bm.bmHeight > 0;
}

bool IsNTPlatform()
{
    OSVERSIONINFOA info {};
    info.dwOSVersionInfoSize = sizeof(info);
    return ::GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// A screen-compatible copy of the bitmap with its colours remapped; null on failure.
HBITMAP MapBitmapColors(HBITMAP hbmSource, BOOL bSwapRB, COLORREF clrSrc, COLORREF clrDest)
{
    BITMAP bm;
    if (!GetBitmapInfo(hbmSource, bm))
        return nullptr;
    CScreenDC screen;
    CBitmapHandle hbmNew(::CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight));
    if (!hbmNew.Get())
        return nullptr;
    {
        CWTKBitmapDC dcSource(hbmSource);
        CWTKBitmapDC dcNew(hbmNew.Get());
        if (!dcSource.IsValid() || !dcNew.IsValid())
            return nullptr;
        ::BitBlt(dcNew, 0, 0, bm.bmWidth, bm.bmHeight, dcSource, 0, 0, SRCCOPY);
        for (int x = 0; x < bm.bmWidth; x++) {
            for (int y = 0; y < bm.bmHeight; y++) {
                const COLORREF clr = ::GetPixel(dcNew, x, y);
                COLORREF clrNew = clr;
                if (clrSrc == kWTKNoColor)
                    clrNew = MapStandardColorToSys(clr, bSwapRB);
                else if (clr == clrSrc)
                    clrNew = clrDest;
                if (clrNew != clr)
                    ::SetPixel(dcNew, x, y, clrNew);
            }
        }
    }
    return hbmNew.Release();
}

// Writes all of the bytes or reports failure.
bool WriteAll(HANDLE hFile, const void* pData, DWORD cb)
{
    DWORD written = 0;
    return ::WriteFile(hFile, pData, cb, &written, nullptr) && written == cb;
}

CString FolderOf(LPCSTR lpszPath)
{
    CString strPath(lpszPath);
    const int nSlash = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    if (nSlash >= 0)
        return strPath.Left(nSlash + 1);
    return nSlash == -1 && strPath.GetLength() >= 2 && strPath[1] == ':' ? strPath.Left(2) : CString(".");
}

CString FullPath(LPCSTR lpszPath)
{
    char szFull[MAX_PATH];
    const DWORD n = ::GetFullPathNameA(lpszPath, MAX_PATH, szFull, nullptr);
    return n > 0 && n < MAX_PATH ? CString(szFull) : CString(lpszPath);
}

void ReleaseGlyphsAndSharedDCs()
{
    CWTKMenuGlyphs::CleanUp();
    CWTKImageStrip::CleanUp();
}

}  // namespace

WTKSysColorFn WTKSetImageStripSysColorFunction(WTKSysColorFn pfn)
{
    return std::exchange(g_pfnSysColor, pfn ? pfn : ::GetSysColor);
}

COLORREF MapStandardColorToSys(COLORREF clr, BOOL bSwapRB)
{
    for (const StandardColor& entry : kStandardColors) {
        if (entry.clr == clr) {
            const COLORREF clrSys = g_pfnSysColor(entry.nSysColor);
            return bSwapRB ? SwapRB(clrSys) : clrSys;
        }
    }
    return clr;
}

COLORREF MapSysColorToStandard(COLORREF clr, BOOL bSwapRB)
{
    for (const StandardColor& entry : kStandardColors) {
        COLORREF clrSys = g_pfnSysColor(entry.nSysColor);
        if (bSwapRB)
            clrSys = SwapRB(clrSys);
        if (clrSys == clr)
            return bSwapRB ? SwapRB(entry.clr) : entry.clr;
    }
    return clr;
}

CWTKImageStrip::CBitmapOwner::~CBitmapOwner()
{
    if (m_hbm)
        ::DeleteObject(m_hbm);
}

CWTKImageStrip::CWTKImageStrip()
{
    if (!CreateSharedDCs())
        FwThrowResourceException();
    OnSysColorChange();
}

BOOL CWTKImageStrip::CreateSharedDCs()
{
    if (!s_hdcGlyphs)
        s_hdcGlyphs = ::CreateCompatibleDC(nullptr);
    if (!s_hdcMono)
        s_hdcMono = ::CreateCompatibleDC(nullptr);
    // Released with the menu glyphs by the toolkit's clean-up at exit.
    WTKRegisterCleanUp(WTKCleanUpStage::MenuGlyphs, ReleaseGlyphsAndSharedDCs);
    return s_hdcGlyphs && s_hdcMono;
}

CWTKImageStrip::~CWTKImageStrip()
{
    RemoveMemoryDC();
    // A shared copy only drops its reference: the images stay with their other owners.
    if (!m_bShared)
        Clear();
}

void CWTKImageStrip::CleanUp()
{
    if (s_hdcMono) {
        ::DeleteDC(s_hdcMono);
        s_hdcMono = nullptr;
    }
    if (s_hdcGlyphs) {
        ::DeleteDC(s_hdcGlyphs);
        s_hdcGlyphs = nullptr;
    }
}

void CWTKImageStrip::SetStrip(HBITMAP hbm)
{
    m_hbmImageWell = hbm ? std::make_shared<CBitmapOwner>(hbm) : nullptr;
}

void CWTKImageStrip::DeleteStrip()
{
    m_hbmImageWell.reset();
}

void CWTKImageStrip::DeleteFaded()
{
    if (m_hbmImageLight) {
        ::DeleteObject(m_hbmImageLight);
        m_hbmImageLight = nullptr;
    }
}

void CWTKImageStrip::UpdateCount()
{
    BITMAP bm;
    m_iCount = GetBitmapInfo(GetImageWell(), bm) ? bm.bmWidth / m_sizeImage.cx : 0;
}

CSize CWTKImageStrip::GetImageSize(BOOL bDest) const
{
    return bDest ? m_sizeImageDest : m_sizeImage;
}

void CWTKImageStrip::SetImageSize(CSize size)
{
    if (size.cx < 1 || size.cy < 1)
        return;
    m_sizeImage = size;
    UpdateCount();
}

void CWTKImageStrip::SetTransparentColor(COLORREF clr)
{
    if (clr == m_clrTransparent)
        return;
    m_clrTransparent = clr;
    UpdateInternalImage();
}

HBITMAP CWTKImageStrip::LoadMappedBitmap(UINT uiResID, HINSTANCE hinstRes, int& nBitsPerPixel) const
{
    if (!hinstRes)
        hinstRes = FwFindResourceHandle(MAKEINTRESOURCEA(LOWORD(uiResID)), RT_BITMAP);
    if (!hinstRes)
        return nullptr;
    CBitmapHandle hbm(static_cast<HBITMAP>(::LoadImageA(hinstRes, MAKEINTRESOURCEA(LOWORD(uiResID)), IMAGE_BITMAP, 0, 0,
                                                        LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS)));
    BITMAP bm;
    if (!GetBitmapInfo(hbm.Get(), bm))
        return nullptr;
    nBitsPerPixel = bm.bmBitsPixel;
    // At 8 bits or fewer the loader has mapped the colour table already.
    if (nBitsPerPixel <= 8)
        return hbm.Release();
    return MapBitmapColors(hbm.Get(), FALSE, kWTKNoColor, kWTKNoColor);
}

BOOL CWTKImageStrip::Load(UINT uiResID, HINSTANCE hinstRes, BOOL bAdd)
{
    if (m_bShared)
        return FALSE;
    if (bAdd) {
        for (UINT id : m_lstOrigResIds) {
            if (id == uiResID)
                return TRUE;
        }
    } else {
        DeleteStrip();
        m_lstOrigResIds.clear();
        m_lstOrigResInstances.clear();
        m_mapOrigResOffsets.RemoveAll();
        UpdateCount();
    }

    int nBitsPerPixel = 0;
    HBITMAP hbm = LoadMappedBitmap(uiResID, hinstRes, nBitsPerPixel);
    if (!hbm)
        return FALSE;
    if (bAdd) {
        const int iFirst = m_iCount;
        const int iLast = AddImage(hbm);
        ::DeleteObject(hbm);
        if (iLast < 0)
            return FALSE;
        m_mapOrigResOffsets.SetAt(uiResID, iFirst);
        m_lstOrigResIds.push_back(uiResID);
        m_lstOrigResInstances.push_back(hinstRes);
    } else {
        SetStrip(hbm);
    }
    m_nBitsPerPixel = nBitsPerPixel;
    UpdateCount();
    UpdateInternalImage();
    return TRUE;
}

BOOL CWTKImageStrip::LoadFromFile(LPCSTR lpszPath)
{
    if (m_bShared || !lpszPath)
        return FALSE;
    DeleteStrip();
    UpdateCount();

    CString strPath(lpszPath);
    if (strPath.FindOneOf("\\/:") < 0) {
        char szModule[MAX_PATH];
        const DWORD n = ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
        if (n > 0 && n < MAX_PATH)
            strPath = FolderOf(szModule) + strPath;
    }
    strPath = FullPath(strPath);

    CBitmapHandle hbm(static_cast<HBITMAP>(::LoadImageA(nullptr, strPath, IMAGE_BITMAP, 0, 0,
                                                        LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS | LR_LOADFROMFILE)));
    BITMAP bm;
    if (!GetBitmapInfo(hbm.Get(), bm))
        return FALSE;

    m_bUserImagesList = TRUE;
    m_strPath = strPath;
    const DWORD dwAttributes = ::GetFileAttributesA(strPath);
    m_bReadOnly = dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_READONLY);
    m_bModified = FALSE;
    m_nBitsPerPixel = bm.bmBitsPixel;
    SetStrip(hbm.Release());
    if (m_nBitsPerPixel > 8)
        MapTo3dColors(FALSE);
    UpdateCount();
    UpdateInternalImage();
    return TRUE;
}

int CWTKImageStrip::AddImage(HBITMAP hbmp)
{
    if (m_bShared)
        return -1;
    BITMAP bmNew;
    if (!GetBitmapInfo(hbmp, bmNew))
        return -1;
    BITMAP bmOld {};
    HBITMAP hbmOld = GetImageWell();
    if (hbmOld && !GetBitmapInfo(hbmOld, bmOld))
        return -1;

    if (bmNew.bmWidth > INT_MAX - bmOld.bmWidth)
        return -1;
    const int nWidth = bmOld.bmWidth + bmNew.bmWidth;
    const int nHeight = hbmOld ? bmOld.bmHeight : bmNew.bmHeight;
    CScreenDC screen;
    CBitmapHandle hbmStrip(::CreateCompatibleBitmap(screen, nWidth, nHeight));
    if (!hbmStrip.Get())
        return -1;
    {
        CWTKBitmapDC dcStrip(hbmStrip.Get());
        CWTKBitmapDC dcNew(hbmp);
        if (!dcStrip.IsValid() || !dcNew.IsValid())
            return -1;
        if (hbmOld) {
            CWTKBitmapDC dcOld(hbmOld);
            if (!dcOld.IsValid())
                return -1;
            ::BitBlt(dcStrip, 0, 0, bmOld.bmWidth, nHeight, dcOld, 0, 0, SRCCOPY);
        }
        ::BitBlt(dcStrip, bmOld.bmWidth, 0, bmNew.bmWidth, nHeight, dcNew, 0, 0, SRCCOPY);
    }
    SetStrip(hbmStrip.Release());
    m_bModified = TRUE;
    UpdateCount();
    UpdateInternalImage();
    return m_iCount - 1;
}

BOOL CWTKImageStrip::UpdateImage(int iImage, HBITMAP hbmp)
{
    if (m_bShared || !m_bUserImagesList || !GetImageWell() || iImage < 0 || iImage >= m_iCount)
        return FALSE;
    {
        CWTKBitmapDC dcStrip(GetImageWell());
        CWTKBitmapDC dcNew(hbmp);
        if (!dcStrip.IsValid() || !dcNew.IsValid())
            return FALSE;
        ::BitBlt(dcStrip, iImage * m_sizeImage.cx, 0, m_sizeImage.cx, m_sizeImage.cy, dcNew, 0, 0, SRCCOPY);
    }
    m_bModified = TRUE;
    UpdateInternalImage();
    return TRUE;
}

BOOL CWTKImageStrip::Save(LPCSTR lpszPath)
{
    if (!m_bUserImagesList || !GetImageWell() || m_bReadOnly)
        return FALSE;
    const CString strPath = lpszPath && *lpszPath ? FullPath(lpszPath) : m_strPath;
    const bool bOwnFile = strPath.CompareNoCase(m_strPath) == 0;
    if (!m_bModified && bOwnFile)
        return TRUE;

    HGLOBAL hDIB = BitmapToDIB(GetImageWell());
    if (!hDIB)
        return FALSE;
    const BOOL bSaved = WriteDIBToFile(strPath, hDIB);
    ::GlobalFree(hDIB);
    // A copy written elsewhere leaves the strip's own file as out of date as it was.
    if (bSaved && bOwnFile)
        m_bModified = FALSE;
    return bSaved;
}

BOOL CWTKImageStrip::CopyImageToClipboard(int iImage)
{
    if (iImage < 0 || iImage >= m_iCount)
        return FALSE;
    return WTKCopyPictureToClipboard(nullptr, m_sizeImage, [&](CDC* pDC, const CRect&) {
        WTKDrawState ds;
        const BOOL bDrawn = PrepareDraw(ds) && Draw(pDC, 0, 0, iImage);
        EndDraw(ds);
        return bDrawn;
    });
}

BOOL CWTKImageStrip::MapTo3dColors(BOOL bRGBColorTable, COLORREF clrSrc, COLORREF clrDest)
{
    if (m_bShared || !GetImageWell())
        return FALSE;
    if (clrSrc != kWTKNoColor && clrDest == kWTKNoColor)
        return FALSE;
    HBITMAP hbm = MapBitmapColors(GetImageWell(), bRGBColorTable, clrSrc, clrDest);
    if (!hbm)
        return FALSE;
    SetStrip(hbm);
    UpdateInternalImage();
    return TRUE;
}

BOOL CWTKImageStrip::CopyTo(CWTKImageStrip& other)
{
    if (&other == this)
        return TRUE;
    other.Clear();
    other.m_bShared = TRUE;
    other.m_bReadOnly = TRUE;
    other.m_sizeImage = m_sizeImage;
    other.m_sizeImageDest = m_sizeImageDest;
    other.m_hbmImageWell = m_hbmImageWell;
    other.m_bUserImagesList = m_bUserImagesList;
    other.m_iCount = m_iCount;
    return TRUE;
}

void CWTKImageStrip::Clear()
{
    if (m_bShared)
        return;
    DeleteStrip();
    DeleteFaded();
    m_lstOrigResIds.clear();
    m_lstOrigResInstances.clear();
    m_mapOrigResOffsets.RemoveAll();
    m_strPath.Empty();
    m_bUserImagesList = FALSE;
    m_iCount = 0;
    m_bModified = FALSE;
}

void CWTKImageStrip::OnSysColorChange()
{
    if (m_bShared)
        return;
    if (GetImageWell()) {
        if (m_bUserImagesList) {
            // Images added or edited since the last save exist only here: reloading the file
            // would lose them, so they keep their pixels until they are saved.
            if (!m_bModified) {
                const CString strPath = m_strPath;
                LoadFromFile(strPath);
            }
        } else {
            // A strip loaded in one piece keeps its pixels.
            if (m_lstOrigResIds.empty())
                return;
            // Each bitmap is loaded and mapped once, then appended; the lists and the map then
            // describe what actually loaded.
            const std::vector<UINT> ids = std::move(m_lstOrigResIds);
            const std::vector<HINSTANCE> instances = std::move(m_lstOrigResInstances);
            m_lstOrigResIds.clear();
            m_lstOrigResInstances.clear();
            m_mapOrigResOffsets.RemoveAll();
            DeleteStrip();
            UpdateCount();
            for (size_t i = 0; i < ids.size(); i++) {
                int nBitsPerPixel = 0;
                HBITMAP hbm = LoadMappedBitmap(ids[i], instances[i], nBitsPerPixel);
                if (!hbm)
                    continue;
                const int iFirst = m_iCount;
                const int iLast = AddImage(hbm);
                ::DeleteObject(hbm);
                if (iLast < 0)
                    continue;
                m_mapOrigResOffsets.SetAt(ids[i], iFirst);
                m_lstOrigResIds.push_back(ids[i]);
                m_lstOrigResInstances.push_back(instances[i]);
                m_nBitsPerPixel = nBitsPerPixel;
            }
        }
    }
    UpdateCount();
    UpdateInternalImage();
    m_clrImageShadow = ScreenBitsPerPixel() <= 8 ? ShadowColor() : ScaleColorPercent(ShadowColor(), kShadowPercent);
}

void CWTKImageStrip::UpdateInternalImage()
{
    if (m_bShared)
        return;
    DeleteFaded();
    BITMAP bm;
    if (!GetBitmapInfo(GetImageWell(), bm) || ScreenBitsPerPixel() <= 8 || !IsNTPlatform())
        return;

    BITMAPINFO bmi {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    CBitmapHandle hbmFaded(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!hbmFaded.Get())
        return;
    {
        CWTKBitmapDC dcFaded(hbmFaded.Get());
        CWTKBitmapDC dcStrip(GetImageWell());
        if (!dcFaded.IsValid() || !dcStrip.IsValid())
            return;
        ::BitBlt(dcFaded, 0, 0, bm.bmWidth, bm.bmHeight, dcStrip, 0, 0, SRCCOPY);
        const RECT rect {0, 0, bm.bmWidth, bm.bmHeight};
        const COLORREF clrKeep = m_clrTransparent != kWTKNoColor ? m_clrTransparent : FaceColor();
        WithPaintTools(dcFaded, [&](CWTKPaintTools& tools) { tools.HighlightRect(rect, kFadedPercent, clrKeep); });
    }
    m_hbmImageLight = hbmFaded.Release();
}

BOOL CWTKImageStrip::PrepareDraw(WTKDrawState& ds, CSize sizeImageDest, BOOL bFadeInactive)
{
    ds = WTKDrawState {};
    m_bStretch = FALSE;
    m_bFadeInactive = FALSE;
    HBITMAP hbmStrip = GetImageWell();
    // The shared DCs are made again when the toolkit's clean-up has run.
    if (!hbmStrip || !CreateSharedDCs())
        return FALSE;

    if (bFadeInactive && m_hbmImageLight && m_nBitsPerPixel >= 1 && m_nBitsPerPixel <= 4) {
        hbmStrip = m_hbmImageLight;
        m_bFadeInactive = TRUE;
    }
    ds.hbmOldStrip = ::SelectObject(s_hdcGlyphs, hbmStrip);
    ds.hbmMono = ::CreateBitmap(m_sizeImage.cx + 2, m_sizeImage.cy + 2, 1, 1, nullptr);
    if (ds.hbmMono)
        ds.hbmMonoOld = ::SelectObject(s_hdcMono, ds.hbmMono);
    if (!ds.hbmOldStrip || !ds.hbmMonoOld) {
        EndDraw(ds);
        return FALSE;
    }

    m_sizeImageDest = sizeImageDest.cx >= 1 && sizeImageDest.cy >= 1 ? sizeImageDest : m_sizeImage;
    if (m_sizeImageDest == m_sizeImage && m_clrTransparent == kWTKNoColor)
        return TRUE;

    m_bStretch = m_sizeImageDest != m_sizeImage;
    CScreenDC screen;
    m_hdcMem = ::CreateCompatibleDC(nullptr);
    m_bmpMem = ::CreateCompatibleBitmap(screen, m_sizeImage.cx + 2, m_sizeImage.cy + 2);
    if (m_hdcMem && m_bmpMem)
        m_bmpMemOld = ::SelectObject(m_hdcMem, m_bmpMem);
    if (!m_bmpMemOld) {
        EndDraw(ds);
        return FALSE;
    }
    return TRUE;
}

void CWTKImageStrip::RemoveMemoryDC()
{
    if (m_hdcMem && m_bmpMemOld)
        ::SelectObject(m_hdcMem, m_bmpMemOld);
    if (m_bmpMem)
        ::DeleteObject(m_bmpMem);
    if (m_hdcMem)
        ::DeleteDC(m_hdcMem);
    m_hdcMem = nullptr;
    m_bmpMem = nullptr;
    m_bmpMemOld = nullptr;
}

void CWTKImageStrip::EndDraw(WTKDrawState& ds)
{
    if (ds.hbmOldStrip && s_hdcGlyphs)
        ::SelectObject(s_hdcGlyphs, ds.hbmOldStrip);
    if (ds.hbmMonoOld && s_hdcMono)
        ::SelectObject(s_hdcMono, ds.hbmMonoOld);
    if (ds.hbmMono)
        ::DeleteObject(ds.hbmMono);
    ds = WTKDrawState {};
    m_sizeImageDest = CSize(0, 0);
    RemoveMemoryDC();
    m_bStretch = FALSE;
    m_bFadeInactive = FALSE;
}

void CWTKImageStrip::CreateMonoMask(int iImage, BOOL bHilite, BOOL bHiliteShadow)
{
    const int cx = m_sizeImage.cx;
    const int cy = m_sizeImage.cy;
    ::PatBlt(s_hdcMono, 0, 0, cx + 2, cy + 2, WHITENESS);
    const COLORREF clrOldBk =
        ::SetBkColor(s_hdcGlyphs, m_clrTransparent != kWTKNoColor ? m_clrTransparent : FaceColor());
    ::BitBlt(s_hdcMono, 0, 0, cx, cy, s_hdcGlyphs, iImage * cx, 0, SRCCOPY);
    if (bHilite) {
        ::SetBkColor(s_hdcGlyphs, HighlightColor());
        ::BitBlt(s_hdcMono, 0, 0, cx, cy, s_hdcGlyphs, iImage * cx, 0, SRCPAINT);
    }
    ::SetBkColor(s_hdcGlyphs, clrOldBk);
    if (bHiliteShadow)
        ::BitBlt(s_hdcMono, 1, 1, cx + 1, cy + 1, s_hdcMono, 0, 0, SRCAND);
}

BOOL CWTKImageStrip::Draw(CDC* pDC, int x, int y, int iImage, BOOL bHilite, BOOL bDisabled, BOOL bIndeterminate,
                          BOOL bShadow, BOOL bInactive)
{
    if (!pDC || iImage < 0 || iImage >= m_iCount)
        return FALSE;
    if (bShadow && ScreenBitsPerPixel() <= 8)
        return TRUE;
    if (m_bStretch) {
        bHilite = FALSE;
        bIndeterminate = FALSE;
    }

    // This image is drawn unfaded although the faded strip is selected for the series.
    HGDIOBJ hbmFaded = nullptr;
    if (!bInactive && m_bFadeInactive)
        hbmFaded = ::SelectObject(s_hdcGlyphs, GetImageWell());

    const HDC hdcDest = pDC->GetSafeHdc();
    const bool bUseMemDC = m_bStretch || m_clrTransparent != kWTKNoColor;
    HDC hdcTarget = hdcDest;
    int xTarget = x;
    int yTarget = y;
    const int cx = m_sizeImage.cx;
    const int cy = m_sizeImage.cy;
    if (bUseMemDC && !m_hdcMem) {
        // The transparent colour was set after PrepareDraw: nothing to draw through.
        if (hbmFaded)
            ::SelectObject(s_hdcGlyphs, hbmFaded);
        return FALSE;
    }
    if (bUseMemDC) {
        hdcTarget = m_hdcMem;
        xTarget = 0;
        yTarget = 0;
        const RECT rect {0, 0, cx, cy};
        if (m_clrTransparent != kWTKNoColor && m_clrTransparent != FaceColor()) {
            HBRUSH hbr = ::CreateSolidBrush(m_clrTransparent);
            ::FillRect(hdcTarget, &rect, hbr);
            ::DeleteObject(hbr);
        } else {
            ::FillRect(hdcTarget, &rect, FaceBrush());
        }
    }

    {
        CColorGuard colors(hdcTarget);
        bool bDrawn = false;
        if (bDisabled && m_nBitsPerPixel == 24) {
            ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, s_hdcGlyphs, iImage * cx, 0, SRCCOPY);
            const RECT rect {xTarget, yTarget, xTarget + cx + 2, yTarget + cy + 2};
            WithPaintTools(hdcTarget, [&](CWTKPaintTools& tools) { tools.GrayRect(rect, -1, m_clrTransparent); });
            bDisabled = FALSE;
            bDrawn = true;
        }
        // A highlighted image is copied too: the highlight only paints round its pixels.
        if (!bDrawn && !bDisabled && !bShadow)
            ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, s_hdcGlyphs, iImage * cx, 0, SRCCOPY);

        if (bDisabled || bShadow || bIndeterminate) {
            CreateMonoMask(iImage, TRUE, FALSE);
            ::SetTextColor(hdcTarget, bShadow ? m_clrImageShadow : RGB(0, 0, 0));
            ::SetBkColor(hdcTarget, RGB(255, 255, 255));
            if (bDisabled && EmbossDisabledImage()) {
                const HGDIOBJ hOldBrush = ::SelectObject(hdcTarget, HighlightBrush());
                ::BitBlt(hdcTarget, xTarget + 1, yTarget + 1, cx + 2, cy + 2, s_hdcMono, 0, 0, kRopBrushOnBlack);
                ::SelectObject(hdcTarget, hOldBrush);
            }
            const HGDIOBJ hOldBrush = ::SelectObject(hdcTarget, ShadowBrush());
            ::BitBlt(hdcTarget, xTarget, yTarget, cx + 2, cy + 2, s_hdcMono, 0, 0, kRopBrushOnBlack);
            ::SelectObject(hdcTarget, hOldBrush);
        }

        if (bHilite || bIndeterminate) {
            const HGDIOBJ hOldBrush = ::SelectObject(hdcTarget, LightBrush());
            CreateMonoMask(iImage, !bIndeterminate, bDisabled);
            ::SetTextColor(hdcTarget, RGB(0, 0, 0));
            ::SetBkColor(hdcTarget, RGB(255, 255, 255));
            ::BitBlt(hdcTarget, xTarget, yTarget, cx, cy, s_hdcMono, 0, 0, kRopBrushOnWhite);
            ::SelectObject(hdcTarget, hOldBrush);
        }
    }

    if (m_bStretch) {
        DrawTransparentBitmap(hdcDest, x, y, cx, cy, m_hdcMem, 0, 0,
                              m_clrTransparent != kWTKNoColor ? m_clrTransparent : FaceColor(), m_sizeImageDest.cx,
                              m_sizeImageDest.cy);
    } else if (m_clrTransparent != kWTKNoColor) {
        DrawTransparentBitmap(hdcDest, x, y, cx, cy, m_hdcMem, 0, 0, m_clrTransparent);
    }

    if (hbmFaded)
        ::SelectObject(s_hdcGlyphs, hbmFaded);
    return TRUE;
}

void DrawTransparentBitmap(HDC hdcDest, int x, int y, int nWidth, int nHeight, HDC hdcSrc, int xSrc, int ySrc,
                           COLORREF clrTransparent, int nWidthDest, int nHeightDest)
{
    if (nWidthDest == -1)
        nWidthDest = nWidth;
    if (nHeightDest == -1)
        nHeightDest = nHeight;
    if (nWidth <= 0 || nHeight <= 0 || nWidthDest <= 0 || nHeightDest <= 0)
        return;

    CBitmapHandle hbmCopy(::CreateCompatibleBitmap(hdcDest, nWidthDest, nHeightDest));
    CBitmapHandle hbmMask(::CreateBitmap(nWidthDest, nHeightDest, 1, 1, nullptr));
    if (!hbmCopy.Get() || !hbmMask.Get())
        return;
    CWTKBitmapDC dcCopy(hbmCopy.Get());
    CWTKBitmapDC dcMask(hbmMask.Get());
    if (!dcCopy.IsValid() || !dcMask.IsValid())
        return;

    if (nWidthDest != nWidth || nHeightDest != nHeight) {
        const int nOldMode = ::SetStretchBltMode(dcCopy, COLORONCOLOR);
        ::StretchBlt(dcCopy, 0, 0, nWidthDest, nHeightDest, hdcSrc, xSrc, ySrc, nWidth, nHeight, SRCCOPY);
        ::SetStretchBltMode(dcCopy, nOldMode);
    } else {
        ::BitBlt(dcCopy, 0, 0, nWidth, nHeight, hdcSrc, xSrc, ySrc, SRCCOPY);
    }
    // Transparent pixels white in the mask, black in the copy.
    ::SetBkColor(dcCopy, clrTransparent);
    ::BitBlt(dcMask, 0, 0, nWidthDest, nHeightDest, dcCopy, 0, 0, SRCCOPY);
    ::SetBkColor(dcCopy, RGB(0, 0, 0));
    ::SetTextColor(dcCopy, RGB(255, 255, 255));
    ::BitBlt(dcCopy, 0, 0, nWidthDest, nHeightDest, dcMask, 0, 0, SRCAND);

    CColorGuard colors(hdcDest);
    ::SetBkColor(hdcDest, RGB(255, 255, 255));
    ::SetTextColor(hdcDest, RGB(0, 0, 0));
    ::BitBlt(hdcDest, x, y, nWidthDest, nHeightDest, dcMask, 0, 0, SRCAND);
    ::BitBlt(hdcDest, x, y, nWidthDest, nHeightDest, dcCopy, 0, 0, SRCPAINT);
}

HGLOBAL BitmapToDIB(HBITMAP hBitmap, DWORD dwCompression)
{
    if (dwCompression == BI_BITFIELDS)
        return nullptr;
    BITMAP bm;
    if (!GetBitmapInfo(hBitmap, bm))
        return nullptr;
    const WORD wBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
    const DWORD nColors = wBitCount <= 8 ? (1u << wBitCount) : 0;
    const size_t cbHeader = sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD);

    // Room for the largest colour table GetDIBits may write.
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    auto* pbi = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
    pbi->biSize = sizeof(BITMAPINFOHEADER);
    pbi->biWidth = bm.bmWidth;
    pbi->biHeight = bm.bmHeight;
    pbi->biPlanes = 1;
    pbi->biBitCount = wBitCount;
    pbi->biCompression = dwCompression;

    CScreenDC screen;
    const HPALETTE hOldPal = ::SelectPalette(screen, static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    ::RealizePalette(screen);
    auto restorePalette = [&] {
        ::SelectPalette(screen, hOldPal, FALSE);
    };

    ::GetDIBits(screen, hBitmap, 0, static_cast<UINT>(bm.bmHeight), nullptr, reinterpret_cast<BITMAPINFO*>(pbi),
                DIB_RGB_COLORS);
    unsigned long long cbImage = pbi->biSizeImage;
    if (cbImage == 0) {
        cbImage = (static_cast<unsigned long long>(bm.bmWidth) * wBitCount + 31) / 32 * 4 *
            static_cast<unsigned long long>(bm.bmHeight);
        if (dwCompression != BI_RGB)
            cbImage += cbImage / 2;
    }
    if (cbImage > 0x7FFFFFFF) {
        restorePalette();
        return nullptr;
    }
    pbi->biSizeImage = static_cast<DWORD>(cbImage);

    HGLOBAL hDIB = ::GlobalAlloc(GMEM_MOVEABLE, cbHeader + static_cast<size_t>(cbImage));
    if (!hDIB) {
        restorePalette();
        return nullptr;
    }
    bool bOk = false;
    {
        CGlobalLock lock(hDIB);
        if (auto* p = static_cast<BYTE*>(lock.Data())) {
            std::memcpy(p, pbi, sizeof(BITMAPINFOHEADER));
            bOk = ::GetDIBits(screen, hBitmap, 0, static_cast<UINT>(bm.bmHeight), p + cbHeader,
                              reinterpret_cast<BITMAPINFO*>(p), DIB_RGB_COLORS) != 0;
            // Saved files carry the standard colours, whatever the user's scheme.
            auto* pColors = reinterpret_cast<RGBQUAD*>(p + sizeof(BITMAPINFOHEADER));
            for (DWORD i = 0; bOk && i < nColors; i++) {
                RGBQUAD& q = pColors[i];
                const COLORREF clr = MapSysColorToStandard(RGB(q.rgbBlue, q.rgbGreen, q.rgbRed), TRUE);
                q.rgbBlue = GetRValue(clr);
                q.rgbGreen = GetGValue(clr);
                q.rgbRed = GetBValue(clr);
            }
        }
    }
    restorePalette();
    if (!bOk) {
        ::GlobalFree(hDIB);
        return nullptr;
    }
    return hDIB;
}

BOOL WriteDIBToFile(LPCSTR lpszPath, HGLOBAL hDIB)
{
    if (!lpszPath || !hDIB)
        return FALSE;
    CGlobalLock lock(hDIB);
    const auto* p = static_cast<const BYTE*>(lock.Data());
    const SIZE_T cbBlock = lock.Size();
    if (!p || cbBlock < sizeof(BITMAPINFOHEADER))
        return FALSE;
    const auto* pbi = reinterpret_cast<const BITMAPINFOHEADER*>(p);
    if (pbi->biSize < sizeof(BITMAPINFOHEADER) || pbi->biSize > cbBlock)
        return FALSE;
    const DWORD nColors = pbi->biBitCount <= 8 ? (1u << pbi->biBitCount) : 0;
    const unsigned long long cbDIB =
        static_cast<unsigned long long>(pbi->biSize) + nColors * sizeof(RGBQUAD) + pbi->biSizeImage;
    if (cbDIB > cbBlock || cbDIB + sizeof(BITMAPFILEHEADER) > 0xFFFFFFFFull)
        return FALSE;

    BITMAPFILEHEADER hdr {};
    hdr.bfType = kBitmapFileType;
    hdr.bfSize = static_cast<DWORD>(cbDIB + sizeof(BITMAPFILEHEADER));
    hdr.bfOffBits = static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + pbi->biSize + nColors * sizeof(RGBQUAD));

    // Written beside the old file and then put in its place, so a failed write leaves the old one.
    char szTemp[MAX_PATH];
    if (!::GetTempFileNameA(FolderOf(lpszPath), kTempFilePrefix, 0, szTemp))
        return FALSE;
    HANDLE hFile = ::CreateFileA(szTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        ::DeleteFileA(szTemp);
        return FALSE;
    }
    const bool bWritten = WriteAll(hFile, &hdr, sizeof(hdr)) && WriteAll(hFile, p, static_cast<DWORD>(cbDIB));
    const bool bClosed = ::CloseHandle(hFile) != 0;
    if (!bWritten || !bClosed || !::MoveFileExA(szTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(szTemp);
        return FALSE;
    }
    return TRUE;
}
