#include "Canvas.h"
#include "TestWindow.h"
#include "win/ClientDC.h"
#include "win/PaintDC.h"
#include "win/Wnd.h"
#include "win/WindowDC.h"

#include <gtest/gtest.h>

namespace {

struct PaintRecord {
    int paints = 0;
    bool hadDC = false;
    RECT rcPaint = {};
};
PaintRecord g_paint;

LRESULT CALLBACK PaintingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        CPaintDC dc(CWnd::FromHandle(hWnd));
        ++g_paint.paints;
        g_paint.hadDC = dc.GetSafeHdc() != nullptr;
        g_paint.rcPaint = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, kBlue);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

TEST(WindowDC, PaintDCBeginsAndEndsThePaint)
{
    g_paint = {};
    TestWindow window(PaintingProc);
    ASSERT_NE(nullptr, window.hWnd);
    ::ShowWindow(window.hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window.hWnd);

    EXPECT_EQ(1, g_paint.paints);
    EXPECT_TRUE(g_paint.hadDC);
    RECT client = {};
    ::GetClientRect(window.hWnd, &client);
    EXPECT_TRUE(::EqualRect(&client, &g_paint.rcPaint));
    EXPECT_FALSE(::GetUpdateRect(window.hWnd, nullptr, FALSE)) << "EndPaint validated the window";
    CWnd::DeleteTempMap();
}

TEST(WindowDC, ClientAndWindowDCsReleaseWithTheOriginalObjectsBack)
{
    TestWindow window(::DefWindowProcA);
    ASSERT_NE(nullptr, window.hWnd);
    CWnd* pWnd = CWnd::FromHandle(window.hWnd);
    HDC own = ::GetDC(window.hWnd);  // the class's own DC keeps its state between uses
    HGDIOBJ originalFont = ::GetCurrentObject(own, OBJ_FONT);
    ::ReleaseDC(window.hWnd, own);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
    {
        CClientDC dc(pWnd);
        ASSERT_EQ(own, dc.GetSafeHdc());
        EXPECT_EQ(&dc, CDC::FromHandle(own));
        dc.SelectObject(&font);
        EXPECT_EQ(font.m_hObject, ::GetCurrentObject(own, OBJ_FONT));
    }
    EXPECT_EQ(originalFont, ::GetCurrentObject(own, OBJ_FONT));

    {
        CWindowDC dc(pWnd);
        ASSERT_NE(nullptr, dc.GetSafeHdc());
        EXPECT_EQ(window.hWnd, dc.m_hWnd);
        CRect box;
        EXPECT_NE(ERROR, dc.GetClipBox(&box));
    }
    {
        CClientDC screen(nullptr);
        EXPECT_GT(screen.GetDeviceCaps(HORZRES), 0);
    }
    CWnd::DeleteTempMap();
}

}  // namespace
