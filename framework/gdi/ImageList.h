#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

class CBitmap;
class CDC;

// An image list handle wrapper. Thin and without virtual functions, so that
// one binary can hand its object to another built from the same framework.
// The object destroys the list it created or was given by Attach.
class CImageList {
public:
    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    operator HIMAGELIST() const { return m_hImageList; }
    // Never called through a null pointer: use the free function below for pointers that may be null.
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // The object that owns the list, or a temporary wrapper until the
    // thread's next idle time.
    static CImageList* FromHandle(HIMAGELIST hImageList);
    static void DeleteTempMap();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A strip bitmap of the module's resources, cut into images cx wide.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    // Each returns the index of the first new image, -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    BOOL Remove(int nImage);
    // A new icon that the caller destroys.
    HICON ExtractIcon(int nImage);

    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

    HIMAGELIST m_hImageList = nullptr;
};

// The handle of an image list object that may be null.
inline HIMAGELIST FwSafeHandle(const CImageList* pImageList)
{
    return pImageList ? pImageList->m_hImageList : nullptr;
}
