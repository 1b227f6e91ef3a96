// A pixel canvas for painting tests: a 32-bit top-down bitmap selected into a memory device
// context, filled with one colour at first, whose pixels are read straight from its bits. It
// also takes a copy of a shown window, and saves itself as a PNG for a person or as a BMP for a
// barcode reader on the Linux side.
#pragma once

#include "core/Rect.h"
#include "gdi/DC.h"

#include <windows.h>

#include <string>

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill = kWhite);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The same context as the framework's device context and as a plain handle.
    CDC* DC() { return &m_dc; }
    HDC Handle() const { return m_hdc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // CLR_INVALID outside the canvas.
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF colour);
    // Pixels of exactly this colour on the whole canvas, or inside an area.
    int Count(COLORREF colour) const;
    int Count(COLORREF colour, const RECT& area) const;
    // The smallest rectangle round every pixel of another colour (empty when there is none).
    CRect BoundsOfOther(COLORREF background) const;
    // The smallest rectangle round every pixel of exactly this colour inside an area (empty when
    // there is none).
    CRect BoundsOf(COLORREF colour, const RECT& area) const;
    bool Contains(COLORREF colour) const;
    // The same size and every pixel the same.
    bool SamePixels(const Canvas& other) const;
    // Copies the window's client area (or, with wholeWindow, its frame too) from its window
    // surface, from the top left corner; the window must be shown.
    bool CopyFromWindow(HWND window, bool wholeWindow);
    // Copies as much of the screen as the canvas holds, from that point of the screen.
    void CopyFromScreen(POINT origin);
    // An uncompressed PNG, for a person to look at what a test painted.
    bool WritePng(const std::string& path) const;
    // A bottom-up BMP, the form every reader takes. greyscale: 8 bits a pixel with a grey
    // palette (a third of the size), else 24 bits.
    bool WriteBmp(const std::string& path, bool greyscale) const;

private:
    size_t PixelCount() const { return static_cast<size_t>(m_width) * static_cast<size_t>(m_height); }

    int m_width;
    int m_height;
    HDC m_hdc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    const DWORD* m_bits = nullptr;
    CDC m_dc;
};

// Copies a shown window with its frame and saves it as a PNG in the screenshot folder, for a
// person to look at; false when it could not be copied or written.
bool SaveWindowScreenshot(HWND hWnd, const char* pszName);
