#include "AppearanceTestSupport.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"

#include <cstring>

CAppearanceTestApp theApp;

namespace {
std::vector<std::string> g_texts;

int RecordMessageBox(HWND, LPCSTR lpszText, LPCSTR, UINT)
{
    g_texts.emplace_back(lpszText != nullptr ? lpszText : "");
    return IDOK;
}

COLORREF g_clrFace = 0;

DWORD WINAPI ScopedSysColor(int nIndex)
{
    return nIndex == COLOR_BTNFACE ? g_clrFace : ::GetSysColor(nIndex);
}

HHOOK g_hHook = nullptr;
UINT g_nAnswer = IDOK;
int g_nDialogs = 0;

LRESULT CALLBACK WatchDialogs(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMsg->message == WM_INITDIALOG) {
        char szCaption[64] = "";
        ::GetWindowTextA(pMsg->hwnd, szCaption, sizeof(szCaption));
        if (std::strcmp(szCaption, "Edit Button Image") == 0) {
            g_nDialogs++;
            ::PostMessageA(pMsg->hwnd, WM_COMMAND, g_nAnswer, 0);
        }
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

class CMemoryDC {
public:
    explicit CMemoryDC(CBitmap& bitmap) : m_hdc(::CreateCompatibleDC(nullptr))
    {
        m_hOld = ::SelectObject(m_hdc, bitmap.GetSafeHandle());
    }
    ~CMemoryDC()
    {
        ::SelectObject(m_hdc, m_hOld);
        ::DeleteDC(m_hdc);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld;
};

LPARAM PointParam(CPoint point)
{
    return MAKELPARAM(point.x, point.y);
}
}  // namespace

HWND CTestHost::AddOwnerDrawButton(UINT nID, const RECT& rect)
{
    return ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, m_hWnd,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), ::GetModuleHandleA(nullptr), nullptr);
}

BOOL CTestHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    m_notifications.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
    return CWnd::OnCommand(wParam, lParam);
}

MessageBoxRecorder::MessageBoxRecorder() : m_pfnOld(FwSetMessageBoxFunction(RecordMessageBox))
{
    g_texts.clear();
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    FwSetMessageBoxFunction(m_pfnOld);
}

const std::vector<std::string>& MessageBoxRecorder::Texts() const
{
    return g_texts;
}

void MessageBoxRecorder::Clear()
{
    g_texts.clear();
}

void MakeBitmap(CBitmap& bitmap, int cx, int cy, COLORREF clr)
{
    HDC hdcScreen = ::GetDC(nullptr);
    bitmap.Attach(::CreateCompatibleBitmap(hdcScreen, cx, cy));
    ::ReleaseDC(nullptr, hdcScreen);
    CMemoryDC dc(bitmap);
    const RECT rect = {0, 0, cx, cy};
    ::SetBkColor(dc, clr);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

COLORREF BitmapPixel(CBitmap& bitmap, int x, int y)
{
    CMemoryDC dc(bitmap);
    return ::GetPixel(dc, x, y);
}

void SetBitmapPixel(CBitmap& bitmap, int x, int y, COLORREF clr)
{
    CMemoryDC dc(bitmap);
    ::SetPixelV(dc, x, y, clr);
}

CSize BitmapSize(CBitmap& bitmap)
{
    BITMAP bmp {};
    bitmap.GetBitmap(&bmp);
    return CSize(bmp.bmWidth, bmp.bmHeight);
}

void MouseDown(HWND hWnd, CPoint point)
{
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
}

void MouseMove(HWND hWnd, CPoint point)
{
    ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, PointParam(point));
}

void MouseUp(HWND hWnd, CPoint point)
{
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, PointParam(point));
}

void Click(HWND hWnd, CPoint point)
{
    MouseDown(hWnd, point);
    MouseUp(hWnd, point);
}

void Drag(HWND hWnd, CPoint from, CPoint to)
{
    MouseDown(hWnd, from);
    MouseMove(hWnd, to);
    MouseUp(hWnd, to);
}

void KeyDown(HWND hWnd, UINT nKey)
{
    ::SendMessageA(hWnd, WM_KEYDOWN, nKey, 1);
}

FaceColorScope::FaceColorScope(COLORREF clrFace)
{
    g_clrFace = clrFace;
    WTKSetImageStripSysColorFunction(ScopedSysColor);
    WTKGlobalData& data = WTKGetGlobalData();
    data.clrBtnFace = clrFace;
    data.brBtnFace.DeleteObject();
    data.brBtnFace.CreateSolidBrush(clrFace);
}

FaceColorScope::~FaceColorScope()
{
    WTKSetImageStripSysColorFunction(nullptr);
    WTKGetGlobalData().UpdateSysColors();
}

COLORREF FaceColorScope::Face()
{
    return g_clrFace;
}

EditDialogScript::EditDialogScript(UINT nAnswer)
{
    g_nAnswer = nAnswer;
    g_nDialogs = 0;
    g_hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, WatchDialogs, nullptr, ::GetCurrentThreadId());
}

EditDialogScript::~EditDialogScript()
{
    ::UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
}

int EditDialogScript::Count() const
{
    return g_nDialogs;
}
