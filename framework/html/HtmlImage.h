// A picture of a page, decoded by the platform's picture loader.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

class CHtmlImage {
public:
    CHtmlImage() = default;
    CHtmlImage(const CHtmlImage&) = delete;
    CHtmlImage& operator=(const CHtmlImage&) = delete;
    ~CHtmlImage();

    // Decodes GIF, JPEG or bitmap bytes; false when the loader cannot.
    bool Decode(const std::string& bytes);
    bool IsValid() const { return m_picture != nullptr; }
    // The decoded size in layout pixels.
    SIZE Size() const { return m_pixels; }
    // Draws the picture stretched to the rectangle.
    void Draw(HDC dc, const RECT& rect) const;

private:
    IPicture* m_picture = nullptr;
    OLE_XSIZE_HIMETRIC m_width = 0;
    OLE_YSIZE_HIMETRIC m_height = 0;
    SIZE m_pixels {0, 0};
};
