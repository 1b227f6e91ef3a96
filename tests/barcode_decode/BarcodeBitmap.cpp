#include "BarcodeBitmap.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// BMP rows are padded to four bytes.
int RowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

uint8_t Grey(uint32_t pixel)
{
    const int r = (pixel >> 16) & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int b = pixel & 0xFF;
    return static_cast<uint8_t>((r * 299 + g * 587 + b * 114) / 1000);
}

}  // namespace

BarcodeBitmap::BarcodeBitmap(int width, int height) : m_width(width), m_height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_dc == nullptr || m_bitmap == nullptr)
        return;
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    m_pixels = static_cast<uint32_t*>(bits);
    RECT all = {0, 0, width, height};
    SetBkColor(m_dc, kWhite);
    ExtTextOutA(m_dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    GdiFlush();
}

BarcodeBitmap::~BarcodeBitmap()
{
    if (m_oldBitmap != nullptr)
        SelectObject(m_dc, m_oldBitmap);
    if (m_bitmap != nullptr)
        DeleteObject(m_bitmap);
    if (m_dc != nullptr)
        DeleteDC(m_dc);
}

bool BarcodeBitmap::Contains(uint32_t pixel) const
{
    GdiFlush();
    return IsValid() && std::find(m_pixels, m_pixels + m_width * m_height, pixel) != m_pixels + m_width * m_height;
}

bool BarcodeBitmap::SamePixels(const BarcodeBitmap& other) const
{
    GdiFlush();
    return IsValid() && other.IsValid() && m_width == other.m_width && m_height == other.m_height &&
        std::equal(m_pixels, m_pixels + m_width * m_height, other.m_pixels);
}

bool BarcodeBitmap::CopyFromWindow(HWND window, bool wholeWindow)
{
    HDC source = wholeWindow ? GetWindowDC(window) : GetDC(window);
    if (source == nullptr)
        return false;
    const BOOL copied = BitBlt(m_dc, 0, 0, m_width, m_height, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
    GdiFlush();
    return copied != FALSE;
}

bool BarcodeBitmap::WriteBmp(const std::string& path, bool greyscale) const
{
    if (!IsValid())
        return false;
    GdiFlush();
    const int bitsPerPixel = greyscale ? 8 : 24;
    const int paletteEntries = greyscale ? 256 : 0;
    const int rowBytes = RowBytes(m_width, bitsPerPixel);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + paletteEntries * sizeof(RGBQUAD);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = offset;
    file.bfSize = offset + static_cast<DWORD>(rowBytes) * m_height;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = m_width;
    header.biHeight = m_height;  // bottom-up, the form every reader takes
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitsPerPixel);
    header.biCompression = BI_RGB;
    header.biClrUsed = paletteEntries;

    std::vector<uint8_t> data;
    data.reserve(file.bfSize);
    auto append = [&data](const void* p, size_t n) {
        const uint8_t* bytes = static_cast<const uint8_t*>(p);
        data.insert(data.end(), bytes, bytes + n);
    };
    append(&file, sizeof file);
    append(&header, sizeof header);
    for (int i = 0; i < paletteEntries; ++i) {
        const RGBQUAD entry = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
        append(&entry, sizeof entry);
    }
    std::vector<uint8_t> row(rowBytes);
    for (int y = m_height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        for (int x = 0; x < m_width; ++x) {
            const uint32_t p = Pixel(x, y);
            if (greyscale) {
                row[x] = Grey(p);
            } else {
                row[3 * x] = p & 0xFF;
                row[3 * x + 1] = (p >> 8) & 0xFF;
                row[3 * x + 2] = (p >> 16) & 0xFF;
            }
        }
        append(row.data(), row.size());
    }

    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), out) == data.size();
    return std::fclose(out) == 0 && written;
}
