// A 32-bit top-down memory bitmap with its own device context, white at start: the decode
// tests draw barcodes into it or copy a window's pixels into it, and save it as a BMP file
// for the barcode reader on the Linux side.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class BarcodeBitmap {
public:
    BarcodeBitmap(int width, int height);
    ~BarcodeBitmap();
    BarcodeBitmap(const BarcodeBitmap&) = delete;
    BarcodeBitmap& operator=(const BarcodeBitmap&) = delete;

    bool IsValid() const { return m_pixels != nullptr; }
    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // 0x00RRGGBB, as a DIB section holds it.
    uint32_t Pixel(int x, int y) const { return m_pixels[y * m_width + x]; }
    bool Contains(uint32_t pixel) const;
    bool SamePixels(const BarcodeBitmap& other) const;

    // Copies the window's client area (or, with wholeWindow, its frame too) from its
    // window surface; the window must be shown.
    bool CopyFromWindow(HWND window, bool wholeWindow);

    // greyscale: 8 bits per pixel with a grey palette (a third of the size), else 24 bits.
    bool WriteBmp(const std::string& path, bool greyscale) const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    uint32_t* m_pixels = nullptr;
};
