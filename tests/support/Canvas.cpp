#include "Canvas.h"
#include "Files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// A DIB section holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
COLORREF FromDib(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

DWORD ToDib(COLORREF colour)
{
    return (static_cast<DWORD>(GetRValue(colour)) << 16) | (static_cast<DWORD>(GetGValue(colour)) << 8) |
        GetBValue(colour);
}

// The smallest rectangle round every pixel of the area that matches (empty when none does).
template <class Match>
CRect BoundsWhere(const Canvas& canvas, const RECT& area, Match match)
{
    CRect bounds(canvas.Width(), canvas.Height(), 0, 0);
    for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, canvas.Height()); ++y)
        for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, canvas.Width()); ++x)
            if (match(canvas.Pixel(x, y))) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    return bounds.left < bounds.right ? bounds : CRect(0, 0, 0, 0);
}

}  // namespace

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height)
{
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row y starts at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hdc = ::CreateCompatibleDC(nullptr);
    m_bitmap = ::CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_oldBitmap = ::SelectObject(m_hdc, m_bitmap);
    m_dc.Attach(m_hdc);
    Fill(fill);
}

Canvas::~Canvas()
{
    m_dc.Detach();
    ::SelectObject(m_hdc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_hdc);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || m_bits == nullptr)
        return CLR_INVALID;
    // Drawing may still be queued: the bits are read directly.
    ::GdiFlush();
    return FromDib(m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)]);
}

void Canvas::Fill(COLORREF colour)
{
    m_dc.FillSolidRect(0, 0, m_width, m_height, colour);
}

int Canvas::Count(COLORREF colour) const
{
    return Count(colour, RECT {0, 0, m_width, m_height});
}

int Canvas::Count(COLORREF colour, const RECT& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += Pixel(x, y) == colour ? 1 : 0;
    return count;
}

CRect Canvas::BoundsOfOther(COLORREF background) const
{
    return BoundsWhere(*this, CRect(0, 0, m_width, m_height),
                       [background](COLORREF pixel) { return pixel != background; });
}

CRect Canvas::BoundsOf(COLORREF colour, const RECT& area) const
{
    return BoundsWhere(*this, area, [colour](COLORREF pixel) { return pixel == colour; });
}

bool Canvas::Contains(COLORREF colour) const
{
    // The whole-canvas reads flush once and scan the bits, not a flush per pixel.
    if (m_bits == nullptr)
        return false;
    ::GdiFlush();
    const DWORD wanted = ToDib(colour);
    // As Pixel does, the unused top byte is passed over.
    return std::any_of(m_bits, m_bits + PixelCount(), [wanted](DWORD pixel) { return (pixel & 0xFFFFFF) == wanted; });
}

bool Canvas::SamePixels(const Canvas& other) const
{
    if (m_bits == nullptr || other.m_bits == nullptr || m_width != other.m_width || m_height != other.m_height)
        return false;
    ::GdiFlush();
    return std::equal(m_bits, m_bits + PixelCount(), other.m_bits);
}

void Canvas::CopyFromScreen(POINT origin)
{
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(m_hdc, 0, 0, m_width, m_height, screen, origin.x, origin.y, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
}

bool Canvas::CopyFromWindow(HWND window, bool wholeWindow)
{
    HDC source = wholeWindow ? ::GetWindowDC(window) : ::GetDC(window);
    if (source == nullptr)
        return false;
    const BOOL copied = ::BitBlt(m_hdc, 0, 0, m_width, m_height, source, 0, 0, SRCCOPY);
    ::ReleaseDC(window, source);
    return copied != FALSE;
}

namespace {

std::uint32_t Crc(const unsigned char* data, size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

bool SaveBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

void Append(std::vector<unsigned char>& out, const void* data, size_t size)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

void Put32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void PutChunk(std::vector<unsigned char>& png, const char* type, const std::vector<unsigned char>& data)
{
    Put32(png, static_cast<std::uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    Put32(png, Crc(body.data(), body.size()));
}

// A zlib stream of stored (uncompressed) blocks: large but simple and exact.
std::vector<unsigned char> StoredZlib(const std::vector<unsigned char>& raw)
{
    std::vector<unsigned char> z {0x78, 0x01};
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<unsigned char>(n & 0xFF));
        z.push_back(static_cast<unsigned char>(n >> 8));
        z.push_back(static_cast<unsigned char>(~n & 0xFF));
        z.push_back(static_cast<unsigned char>((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    Put32(z, (b << 16) | a);
    return z;
}

}  // namespace

bool Canvas::WritePng(const std::string& path) const
{
    std::vector<unsigned char> raw;
    for (int y = 0; y < m_height; ++y) {
        raw.push_back(0);  // no filter on this row
        for (int x = 0; x < m_width; ++x) {
            const COLORREF c = Pixel(x, y);
            raw.push_back(GetRValue(c));
            raw.push_back(GetGValue(c));
            raw.push_back(GetBValue(c));
        }
    }
    std::vector<unsigned char> png {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<unsigned char> header;
    Put32(header, static_cast<std::uint32_t>(m_width));
    Put32(header, static_cast<std::uint32_t>(m_height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits a channel, RGB
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return SaveBytes(path, png);
}

bool Canvas::WriteBmp(const std::string& path, bool greyscale) const
{
    if (m_bits == nullptr)
        return false;
    ::GdiFlush();
    const int bitsPerPixel = greyscale ? 8 : 24;
    const int paletteEntries = greyscale ? 256 : 0;
    const size_t rowBytes = static_cast<size_t>((m_width * bitsPerPixel + 31) / 32) * 4;  // rows padded to 4 bytes
    const DWORD offset =
        sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + static_cast<DWORD>(paletteEntries * sizeof(RGBQUAD));

    BITMAPFILEHEADER file {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = offset;
    file.bfSize = offset + static_cast<DWORD>(rowBytes * static_cast<size_t>(m_height));
    BITMAPINFOHEADER header {};
    header.biSize = sizeof header;
    header.biWidth = m_width;
    header.biHeight = m_height;  // positive: bottom-up
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitsPerPixel);
    header.biCompression = BI_RGB;
    header.biClrUsed = static_cast<DWORD>(paletteEntries);

    std::vector<unsigned char> bmp;
    bmp.reserve(file.bfSize);
    Append(bmp, &file, sizeof file);
    Append(bmp, &header, sizeof header);
    for (int i = 0; i < paletteEntries; ++i) {
        const RGBQUAD entry {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
        Append(bmp, &entry, sizeof entry);
    }
    std::vector<unsigned char> row(rowBytes);
    for (int y = m_height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const DWORD* line = m_bits + static_cast<size_t>(y) * static_cast<size_t>(m_width);
        for (int x = 0; x < m_width; ++x) {
            const COLORREF c = FromDib(line[x]);
            if (greyscale) {
                row[x] =
                    static_cast<unsigned char>((GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000);
            } else {
                row[3 * x] = GetBValue(c);
                row[3 * x + 1] = GetGValue(c);
                row[3 * x + 2] = GetRValue(c);
            }
        }
        Append(bmp, row.data(), row.size());
    }
    return SaveBytes(path, bmp);
}

bool SaveWindowScreenshot(HWND hWnd, const char* pszName)
{
    // Whatever is still waiting to be painted is painted first.
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rect = {};
    if (!::GetWindowRect(hWnd, &rect))
        return false;
    Canvas canvas(rect.right - rect.left, rect.bottom - rect.top);
    return canvas.CopyFromWindow(hWnd, true) && canvas.WritePng(ScreenshotPath(pszName));
}
