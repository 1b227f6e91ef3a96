// A 32-bit memory bitmap with a device context, for painting tests that read pixels back.
#pragma once

#include "gdi/DC.h"

#include <windows.h>

class Canvas
{
public:
    Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_hdc = ::CreateCompatibleDC(nullptr);
        m_bitmap = ::CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        m_old = ::SelectObject(m_hdc, m_bitmap);
        Fill(fill);
        m_dc.Attach(m_hdc);
    }
    ~Canvas()
    {
        m_dc.Detach();
        ::SelectObject(m_hdc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_hdc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC* DC() { return &m_dc; }
    HDC Handle() const { return m_hdc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hdc, x, y); }

    void Fill(COLORREF colour)
    {
        HBRUSH brush = ::CreateSolidBrush(colour);
        RECT all{0, 0, m_width, m_height};
        ::FillRect(m_hdc, &all, brush);
        ::DeleteObject(brush);
    }

    int Count(COLORREF colour) const
    {
        int count = 0;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                count += Pixel(x, y) == colour ? 1 : 0;
        return count;
    }

    // The smallest rectangle around every pixel that is not the given colour.
    RECT BoundsOfOther(COLORREF background) const
    {
        RECT bounds{m_width, m_height, -1, -1};
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (Pixel(x, y) != background) {
                    bounds.left = x < bounds.left ? x : bounds.left;
                    bounds.top = y < bounds.top ? y : bounds.top;
                    bounds.right = x + 1 > bounds.right ? x + 1 : bounds.right;
                    bounds.bottom = y + 1 > bounds.bottom ? y + 1 : bounds.bottom;
                }
        return bounds;
    }

private:
    int m_width;
    int m_height;
    HDC m_hdc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    CDC m_dc;
};
