#include "gdi/ImageList.h"

#include "gdi/DC.h"
#include "core/HandleMap.h"
#include "gdi/GdiObject.h"
#include "core/ResourceHandle.h"

namespace {

using ImageListMap = CHandleMap<HIMAGELIST, CImageList>;

// Never destroyed: wrappers in static objects may outlive any exit order.
ImageListMap& ImageLists()
{
    static ImageListMap* map = new ImageListMap([](CImageList* p) { p->m_hImageList = nullptr; });
    return *map;
}

HBITMAP BitmapOf(CBitmap* pBitmap)
{
    return pBitmap ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr;
}

}  // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageLists().FromHandle(
        hImageList, [](CImageList*) { return true; },
        [](HIMAGELIST h) {
            CImageList* p = new CImageList;
            p->m_hImageList = h;
            return p;
        });
}

void CImageList::DeleteTempMap()
{
    ImageLists().DeleteTemp();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    HIMAGELIST h = ::ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    if (Attach(h))
        return TRUE;
    if (h)
        ::ImageList_Destroy(h);
    return FALSE;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = FwFindResourceHandle(lpszBitmapID, RT_BITMAP);
    if (!hInst)
        return FALSE;
    HIMAGELIST h = ::ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (Attach(h))
        return TRUE;
    if (h)
        ::ImageList_Destroy(h);
    return FALSE;
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (!hImageList || m_hImageList)
        return FALSE;
    m_hImageList = hImageList;
    ImageLists().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    ImageLists().RemovePermanent(h, this);
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    return ::ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const
{
    return ::ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ::ImageList_SetImageCount(m_hImageList, uNewCount);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ::ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ::ImageList_GetBkColor(m_hImageList);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ::ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ::ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ::ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ::ImageList_Remove(m_hImageList, nImage);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return pDC && ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
