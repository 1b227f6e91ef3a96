// Helpers of the HTML view tests: memory bitmaps, PNG files, tree dumps.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class CHtmlNode;

constexpr const char* kTestModule = "HtmlTestPages.dll";
std::string PageAddress(const char* name);     // "res://HtmlTestPages.dll/<name>"

// A 32-bit top-down DIB selected into a memory DC, with direct pixel access.
class CMemoryBitmap {
public:
    CMemoryBitmap(int width, int height);
    ~CMemoryBitmap();
    CMemoryBitmap(const CMemoryBitmap&) = delete;
    CMemoryBitmap& operator=(const CMemoryBitmap&) = delete;

    HDC DC() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF Pixel(int x, int y) const;
    // Pixels of a colour inside a rectangle.
    int Count(const RECT& rect, COLORREF colour) const;
    bool WritePng(const std::string& path) const;

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    const DWORD* m_bits = nullptr;
};

// "<p>text<b>bold</b></p>": elements with their children, text verbatim.
std::string Outline(const CHtmlNode& node);
// The directory of this test program.
std::string ProgramDirectory();
