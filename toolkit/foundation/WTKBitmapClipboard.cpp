#include "foundation/WTKBitmapClipboard.h"
#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"

#include "core/Exception.h"
#include "gdi/DC.h"
#include "gdi/GdiObject.h"
#include "win/WinApp.h"
#include "win/Wnd.h"

namespace {

void ShowMessage(UINT nIDPrompt)
{
    FwMessageBox(nIDPrompt, MB_OK | MB_ICONSTOP);
}

}  // namespace

BOOL WTKCopyPictureToClipboard(HWND hWndOwner, CSize size, const std::function<BOOL(CDC* pDC, const CRect& rect)>& draw)
{
    try {
        CBitmap bitmap;
        if (!bitmap.CreateCompatibleBitmap(nullptr, size.cx, size.cy)) {
            ShowMessage(IDS_WTK_CANT_COPY_BITMAP);
            return FALSE;
        }
        {
            // The DC lets go of the bitmap when it goes: a selected bitmap can't be handed over.
            CDC dcMem;
            if (!dcMem.CreateCompatibleDC(nullptr) || dcMem.SelectObject(&bitmap) == nullptr)
                FwThrowResourceException();
            const CRect rect(0, 0, size.cx, size.cy);
            ::FillRect(dcMem.GetSafeHdc(), &rect, static_cast<HBRUSH>(WTKGetGlobalData().brBtnFace.GetSafeHandle()));
            if (!draw(&dcMem, rect))
                FwThrowResourceException();
        }
        if (hWndOwner == nullptr) {
            CWnd* pMainWnd = FwGetMainWnd();
            hWndOwner = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : nullptr;
        }
        CWTKClipboardScope clipboard(hWndOwner);
        if (!clipboard.IsOpen() || !::EmptyClipboard() ||
            ::SetClipboardData(CF_BITMAP, bitmap.GetSafeHandle()) == nullptr) {
            ShowMessage(IDS_WTK_CANT_COPY_BITMAP);
            return FALSE;
        }
        bitmap.Detach();  // the clipboard owns it now
        return TRUE;
    } catch (...) {
        ShowMessage(IDS_WTK_INTERNAL_ERROR);
        return FALSE;
    }
}
