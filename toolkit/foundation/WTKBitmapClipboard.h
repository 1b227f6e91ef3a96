// Pictures handed to the clipboard as bitmaps (a button image, a tool's icon, an edited image),
// and the clipboard held open for a scope.
#pragma once
#include "core/Rect.h"
#include "core/Size.h"
#include <windows.h>
#include <functional>

class CDC;

// The clipboard opened for the lifetime of a scope, closed in every case once it was opened.
class CWTKClipboardScope {
public:
    explicit CWTKClipboardScope(HWND hWnd) : m_bOpen(::OpenClipboard(hWnd)) {}
    ~CWTKClipboardScope()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    CWTKClipboardScope(const CWTKClipboardScope&) = delete;
    CWTKClipboardScope& operator=(const CWTKClipboardScope&) = delete;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};

// Draws a picture of the given size on the button-face colour with draw and puts it on the
// clipboard, opened on hWndOwner (the main window when null). When the bitmap, the clipboard or
// draw fails the user is told ("Can't copy bitmap image into the clipboard!", or the internal
// error for anything unexpected) and FALSE comes back; the bitmap is never left behind.
BOOL WTKCopyPictureToClipboard(HWND hWndOwner, CSize size,
                               const std::function<BOOL(CDC* pDC, const CRect& rect)>& draw);
