#include "Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

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
    const DWORD pixel = m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
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
    CRect bounds(m_width, m_height, 0, 0);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (Pixel(x, y) != background) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
    return bounds.left < bounds.right ? bounds : CRect(0, 0, 0, 0);
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
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}
