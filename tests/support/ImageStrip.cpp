#include "ImageStrip.h"

HBITMAP MakeImageStrip(int cx, const std::vector<COLORREF>& colours, COLORREF clrTransparent)
{
    const int nWidth = cx * static_cast<int>(colours.size());
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -cx;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hbm == nullptr)
        return nullptr;
    auto* pPixels = static_cast<DWORD*>(pBits);
    for (int y = 0; y < cx; y++) {
        for (int x = 0; x < nWidth; x++) {
            const int xIn = x % cx;
            const bool bFrame = xIn == 0 || y == 0 || xIn == cx - 1 || y == cx - 1;
            const COLORREF c = bFrame ? clrTransparent : colours[static_cast<size_t>(x / cx)];
            pPixels[y * nWidth + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    return hbm;
}
