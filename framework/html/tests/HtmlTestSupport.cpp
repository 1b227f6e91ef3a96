#include "HtmlTestSupport.h"
#include "html/HtmlNode.h"

#include <cstdio>
#include <cstdint>

std::string PageAddress(const char* name) {
    return std::string("res://") + kTestModule + "/" + name;
}

CMemoryBitmap::CMemoryBitmap(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<const DWORD*>(bits);
    m_old = SelectObject(m_dc, m_bitmap);
}

CMemoryBitmap::~CMemoryBitmap() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

COLORREF CMemoryBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height || !m_bits) return CLR_INVALID;
    GdiFlush();
    DWORD p = m_bits[std::size_t(y) * std::size_t(m_width) + std::size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int CMemoryBitmap::Count(const RECT& rect, COLORREF colour) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (Pixel(x, y) == colour) ++count;
    return count;
}

namespace {

std::uint32_t Crc(const unsigned char* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((unsigned char)(v >> shift));
}

void Chunk(std::vector<unsigned char>& png, const char* type, const std::vector<unsigned char>& data) {
    Put32(png, std::uint32_t(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    png.insert(png.end(), body.begin(), body.end());
    Put32(png, Crc(body.data(), body.size()));
}

}  // namespace

// An uncompressed PNG (deflate stored blocks): large but simple and exact.
bool CMemoryBitmap::WritePng(const std::string& path) const {
    std::vector<unsigned char> raw;
    for (int y = 0; y < m_height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < m_width; ++x) {
            COLORREF c = Pixel(x, y);
            raw.push_back(GetRValue(c));
            raw.push_back(GetGValue(c));
            raw.push_back(GetBValue(c));
        }
    }
    std::vector<unsigned char> z{0x78, 0x01};
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521u;
        b = (b + a) % 65521u;
    }
    for (std::size_t pos = 0; pos < raw.size() || pos == 0;) {
        std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
        bool last = pos + n >= raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back((unsigned char)(n & 0xFF));
        z.push_back((unsigned char)(n >> 8));
        z.push_back((unsigned char)(~n & 0xFF));
        z.push_back((unsigned char)((~n >> 8) & 0xFF));
        z.insert(z.end(), raw.begin() + std::ptrdiff_t(pos), raw.begin() + std::ptrdiff_t(pos + n));
        pos += n;
        if (last) break;
    }
    Put32(z, (b << 16) | a);
    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<unsigned char> header;
    Put32(header, std::uint32_t(m_width));
    Put32(header, std::uint32_t(m_height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", {});
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && ok;
}

std::string Outline(const CHtmlNode& node) {
    if (node.IsText()) return node.Text();
    std::string out;
    bool element = node.Tag() != HtmlTag::Document;
    if (element) out += "<" + node.Name() + ">";
    for (const auto& child : node.Children()) out += Outline(*child);
    if (element) out += "</" + node.Name() + ">";
    return out;
}

std::string ProgramDirectory() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n);
    std::size_t slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
}
