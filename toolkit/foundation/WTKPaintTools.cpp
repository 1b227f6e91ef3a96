#include "foundation/WTKPaintTools.h"

#include "foundation/WTKGlobalData.h"
#include "gdi/DC.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kGradientBands = 64;
constexpr int kGradientShift = 6;  // 64 = 1 << 6
constexpr double kPi = 3.1415926;
constexpr double kRadiansPerDegree = 0.017453292;
constexpr int kDegreesPerTurn = 360;
constexpr int kMinRoundSize = 4;
constexpr int kLowColorBits = 8;

// A DIB pixel (0x00RRGGBB) from a colour value, and back; the top byte is ignored.
DWORD ToPixel(COLORREF color)
{
    return RGB(GetBValue(color), GetGValue(color), GetRValue(color));
}

COLORREF FromPixel(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

// A copy of an area of a DC in a 32-bit bottom-up DIB section, to change pixel by pixel and
// copy back. Nothing is made for an empty area.
class DibCopy {
public:
    DibCopy(HDC hTarget, int x, int y, int width, int height)
        : m_hTarget(hTarget), m_x(x), m_y(y), m_width(width), m_height(height)
    {
        if (!hTarget || width <= 0 || height <= 0 ||
            static_cast<long long>(width) * height > static_cast<long long>(INT_MAX / 4))
            return;
        m_hDC = ::CreateCompatibleDC(hTarget);
        if (!m_hDC)
            return;
        BITMAPINFO info {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(hTarget, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        if (!m_hBitmap || !pBits)
            return;
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
        ::BitBlt(m_hDC, 0, 0, width, height, hTarget, x, y, SRCCOPY);
        ::GdiFlush();
        m_pBits = static_cast<DWORD*>(pBits);
    }
    ~DibCopy()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    DibCopy(const DibCopy&) = delete;
    DibCopy& operator=(const DibCopy&) = delete;

    bool IsValid() const { return m_pBits != nullptr; }
    HDC DC() const { return m_hDC; }
    DWORD* Bits() const { return m_pBits; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // y counted from the top.
    DWORD& At(int x, int y) { return m_pBits[static_cast<size_t>(m_height - 1 - y) * m_width + x]; }

    void CopyBack()
    {
        ::GdiFlush();
        ::BitBlt(m_hTarget, m_x, m_y, m_width, m_height, m_hDC, 0, 0, SRCCOPY);
    }

private:
    HDC m_hTarget;
    int m_x;
    int m_y;
    int m_width;
    int m_height;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_pBits = nullptr;
};

bool LowColorScreen()
{
    return WTKGetGlobalData().nBitsPerPixel <= kLowColorBits;
}

DWORD HalfwayTo(DWORD pixel, DWORD target)
{
    DWORD result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = static_cast<int>((pixel >> shift) & 0xFF);
        const int goal = static_cast<int>((target >> shift) & 0xFF);
        result |= static_cast<DWORD>(channel + (goal - channel) / 2) << shift;
    }
    return result;
}

void FillSolid(HDC hDC, const RECT& rect, COLORREF color)
{
    if (HBRUSH brush = ::CreateSolidBrush(color)) {
        ::FillRect(hDC, &rect, brush);
        ::DeleteObject(brush);
    }
}

// Channel i of 64 steps from start to finish, in fixed point with 6 fractional bits.
COLORREF GradientStep(COLORREF clrStart, COLORREF clrFinish, int nBand)
{
    auto step = [nBand](int start, int finish) {
        const int fixedStart = start << kGradientShift;
        const int delta = ((finish - start) << kGradientShift) / kGradientBands;
        return static_cast<BYTE>((fixedStart + delta * nBand) >> kGradientShift);
    };
    return RGB(step(GetRValue(clrStart), GetRValue(clrFinish)), step(GetGValue(clrStart), GetGValue(clrFinish)),
               step(GetBValue(clrStart), GetBValue(clrFinish)));
}

BYTE RingChannel(int c1, int c2, int k)
{
    const double value = c1 + (c2 - c1) * k / 180.0 + 0.5;
    return static_cast<BYTE>(std::clamp(value, 0.0, 255.0));
}

// Every pixel from (x0, y0) to (x1, y1), so consecutive ring points leave no gap.
void PlotLine(DWORD* pBits, int width, int height, int x0, int y0, int x1, int y1, COLORREF color)
{
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    if (steps == 0) {
        SetDIBPixel(pBits, width, height, x0, y0, color);
        return;
    }
    for (int i = 0; i <= steps; ++i) {
        const int x = x0 + static_cast<int>(std::lround(static_cast<double>(x1 - x0) * i / steps));
        const int y = y0 + static_cast<int>(std::lround(static_cast<double>(y1 - y0) * i / steps));
        SetDIBPixel(pBits, width, height, x, y, color);
    }
}

void FillRoundShape(HDC hDC, const RECT& rect, COLORREF color)
{
    HBRUSH brush = ::CreateSolidBrush(color);
    if (!brush)
        return;
    HGDIOBJ oldBrush = ::SelectObject(hDC, brush);
    HGDIOBJ oldPen = ::SelectObject(hDC, ::GetStockObject(NULL_PEN));
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // The null pen leaves out the right and bottom edge: one more pixel each way.
    if (width == height) {
        ::Ellipse(hDC, rect.left, rect.top, rect.right + 1, rect.bottom + 1);
    } else if (width > height) {
        ::Ellipse(hDC, rect.left, rect.top, rect.left + height + 1, rect.bottom + 1);
        ::Ellipse(hDC, rect.right - height, rect.top, rect.right + 1, rect.bottom + 1);
        ::Rectangle(hDC, rect.left + height / 2, rect.top, rect.right - height / 2 + 1, rect.bottom + 1);
    } else {
        ::Ellipse(hDC, rect.left, rect.top, rect.right + 1, rect.top + width + 1);
        ::Ellipse(hDC, rect.left, rect.bottom - width, rect.right + 1, rect.bottom + 1);
        ::Rectangle(hDC, rect.left, rect.top + width / 2, rect.right + 1, rect.bottom - width / 2 + 1);
    }
    ::SelectObject(hDC, oldPen);
    ::SelectObject(hDC, oldBrush);
    ::DeleteObject(brush);
}

HDC TargetOf(CDC* pDC)
{
    return pDC ? pDC->GetSafeHdc() : nullptr;
}

}  // namespace

CWTKPaintTools::CWTKPaintTools(CDC* pDC) : m_pDC(pDC) {}

CWTKPaintTools::~CWTKPaintTools() = default;

BOOL CWTKPaintTools::HighlightRect(const RECT& rect, int nPercent, COLORREF clrTransparent)
{
    if (nPercent == 100)
        return TRUE;
    if (LowColorScreen()) {
        FillLightRect(m_pDC, rect);
        return TRUE;
    }
    if (::IsRectEmpty(&rect))
        return TRUE;

    DibCopy copy(TargetOf(m_pDC), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (!copy.IsValid())
        return FALSE;

    const DWORD transparent = ToPixel(clrTransparent);
    const DWORD hilite = ToPixel(WTKGetGlobalData().clrBtnHilite);
    DWORD* pBits = copy.Bits();
    const size_t count = static_cast<size_t>(copy.Width()) * copy.Height();
    for (size_t i = 0; i < count; ++i) {
        const DWORD pixel = pBits[i] & 0x00FFFFFF;
        if (clrTransparent != kWTKNoColor && pixel == transparent)
            continue;
        pBits[i] = nPercent == -1 ? HalfwayTo(pixel, hilite) : ScalePixelPercent(pixel, nPercent, nPercent, nPercent);
    }
    copy.CopyBack();
    return TRUE;
}

BOOL CWTKPaintTools::GrayRect(const RECT& rect, int nPercent, COLORREF clrTransparent)
{
    if (::IsRectEmpty(&rect))
        return TRUE;
    if (LowColorScreen()) {
        FillLightRect(m_pDC, rect);
        return TRUE;
    }

    DibCopy copy(TargetOf(m_pDC), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (!copy.IsValid())
        return FALSE;

    const DWORD transparent = ToPixel(clrTransparent);
    const DWORD hilite = ToPixel(WTKGetGlobalData().clrBtnHilite);
    const double dFactor = nPercent * 0.01;
    DWORD* pBits = copy.Bits();
    const size_t count = static_cast<size_t>(copy.Width()) * copy.Height();
    for (size_t i = 0; i < count; ++i) {
        const DWORD pixel = pBits[i] & 0x00FFFFFF;
        if (clrTransparent != kWTKNoColor && pixel == transparent)
            continue;
        double hue = 0.0;
        double saturation = 0.0;
        double lightness = 0.0;
        RGBToHLS(FromPixel(pixel), &hue, &saturation, &lightness);
        const DWORD grey = ToPixel(HLSToRGB(hue, lightness, 0.0));
        pBits[i] = nPercent == -1 ? HalfwayTo(grey, hilite) : ScalePixelFactor(grey, dFactor, dFactor, dFactor);
    }
    copy.CopyBack();
    return TRUE;
}

void CWTKPaintTools::FillGradient(const RECT& rect, COLORREF clrStart, COLORREF clrFinish, BOOL bVertical)
{
    const HDC hDC = TargetOf(m_pDC);
    if (!hDC || ::IsRectEmpty(&rect))
        return;
    if (clrStart == clrFinish) {
        FillSolid(hDC, rect, clrStart);
        return;
    }
    const long long width = rect.right - rect.left;
    const long long height = rect.bottom - rect.top;
    for (int i = 0; i < kGradientBands; ++i) {
        RECT band = rect;
        if (bVertical) {
            band.top = rect.bottom - static_cast<int>((height * (i + 1)) >> kGradientShift);
            band.bottom = rect.bottom - static_cast<int>((height * i) >> kGradientShift);
        } else {
            band.left = rect.left + static_cast<int>((width * i) >> kGradientShift);
            band.right = rect.left + static_cast<int>((width * (i + 1)) >> kGradientShift);
        }
        if (::IsRectEmpty(&band))
            continue;
        FillSolid(hDC, band, GradientStep(clrStart, clrFinish, i));
    }
}

void CWTKPaintTools::FillGradientAngle(const RECT& rect, COLORREF clrStart, COLORREF clrFinish, int nAngle)
{
    const HDC hDC = TargetOf(m_pDC);
    if (!hDC || ::IsRectEmpty(&rect))
        return;
    if (clrStart == clrFinish) {
        FillSolid(hDC, rect, clrStart);
        return;
    }
    switch (nAngle) {
    case 0:
    case 360:
        FillGradient(rect, clrStart, clrFinish, FALSE);
        return;
    case 90:
        FillGradient(rect, clrStart, clrFinish, TRUE);
        return;
    case 180:
        FillGradient(rect, clrFinish, clrStart, FALSE);
        return;
    case 270:
        FillGradient(rect, clrFinish, clrStart, TRUE);
        return;
    default:
        break;
    }

    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC hMemDC = ::CreateCompatibleDC(hDC);
    HBITMAP hBitmap = hMemDC ? ::CreateCompatibleBitmap(hDC, width, height) : nullptr;
    if (!hBitmap) {
        if (hMemDC)
            ::DeleteDC(hMemDC);
        return;
    }
    HGDIOBJ oldBitmap = ::SelectObject(hMemDC, hBitmap);
    HGDIOBJ oldPen = ::SelectObject(hMemDC, ::GetStockObject(NULL_PEN));

    // The bands lean by d pixels from top to bottom; together they span |d| + width.
    const int d = static_cast<int>(std::cos((nAngle + 180) * kPi / 180.0) * height);
    const long long span = static_cast<long long>(std::abs(d)) + width;  // one band, in 1/64 pixel
    const int x0 = d >= 1 ? -d : 0;
    for (int i = 0; i < kGradientBands; ++i) {
        const int left = x0 + static_cast<int>((span * i) >> kGradientShift);
        const int right = x0 + static_cast<int>((span * (i + 1)) >> kGradientShift);
        if (right <= left)
            continue;
        HBRUSH brush = ::CreateSolidBrush(GradientStep(clrStart, clrFinish, i));
        if (!brush)
            continue;
        HGDIOBJ oldBrush = ::SelectObject(hMemDC, brush);
        // One more pixel on the right and the bottom: the null pen leaves those edges out.
        const POINT points[4] = {{left, 0}, {right + 1, 0}, {right + 1 + d, height + 1}, {left + d, height + 1}};
        ::Polygon(hMemDC, points, 4);
        ::SelectObject(hMemDC, oldBrush);
        ::DeleteObject(brush);
    }
    ::BitBlt(hDC, rect.left, rect.top, width, height, hMemDC, 0, 0, SRCCOPY);

    ::SelectObject(hMemDC, oldPen);
    ::SelectObject(hMemDC, oldBitmap);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
}

BOOL CWTKPaintTools::DrawRoundGradient(const RECT& rect, COLORREF clr1, COLORREF clr2, COLORREF clrOutline,
                                       int nStartAngle, int nRings, COLORREF clrFill)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= kMinRoundSize || height <= kMinRoundSize)
        return FALSE;

    DibCopy copy(TargetOf(m_pDC), rect.left, rect.top, width, height);
    if (!copy.IsValid())
        return FALSE;

    RECT ring {0, 0, width - 1, height - 1};  // inclusive corners
    if (clrFill != kWTKNoColor) {
        FillRoundShape(copy.DC(), ring, clrFill);
        ::GdiFlush();
    }

    // Past half the smaller side a ring would have no size left.
    const int maxRings = (std::min(width, height) + 1) / 2;
    const int rings = std::clamp(nRings, 0, maxRings);
    for (int r = 0; r < rings; ++r) {
        const double cx = (ring.left + ring.right) / 2.0;
        const double cy = (ring.top + ring.bottom) / 2.0;
        const int ringWidth = ring.right - ring.left;
        const int ringHeight = ring.bottom - ring.top;
        const double radius = std::min(ringWidth, ringHeight) / 2.0;
        const double halfStraightX = ringWidth > ringHeight ? (ringWidth - ringHeight) / 2.0 : 0.0;
        const double halfStraightY = ringHeight > ringWidth ? (ringHeight - ringWidth) / 2.0 : 0.0;

        bool havePrevious = false;
        int prevX = 0;
        int prevY = 0;
        for (int step = 0; step <= kDegreesPerTurn; ++step) {
            const double angle = (nStartAngle + step) * kRadiansPerDegree;
            const double cosA = std::cos(angle);
            const double sinA = std::sin(angle);
            double px = cx + radius * cosA;
            double py = cy - radius * sinA;
            px += cosA >= 0.0 ? halfStraightX : -halfStraightX;
            py += sinA >= 0.0 ? -halfStraightY : halfStraightY;
            const int x = static_cast<int>(std::lround(px));
            const int y = static_cast<int>(std::lround(py));

            COLORREF color = clrOutline;
            if (r != 0 || clrOutline == kWTKNoColor) {
                const int k = step <= 180 ? step : kDegreesPerTurn - step;
                color = RGB(RingChannel(GetRValue(clr1), GetRValue(clr2), k),
                            RingChannel(GetGValue(clr1), GetGValue(clr2), k),
                            RingChannel(GetBValue(clr1), GetBValue(clr2), k));
            }
            if (havePrevious)
                PlotLine(copy.Bits(), width, height, prevX, prevY, x, y, color);
            else
                SetDIBPixel(copy.Bits(), width, height, x, y, color);
            havePrevious = true;
            prevX = x;
            prevY = y;
        }
        ::InflateRect(&ring, -1, -1);
    }
    copy.CopyBack();
    return TRUE;
}

BOOL CWTKPaintTools::DrawShadow(const RECT& rect, int nDepth, int nLightPercent, int nDarkPercent,
                                CBitmap* pBmpSaveBottom, CBitmap* pBmpSaveRight, BOOL bRightShadow)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (nDepth <= 0 || ::IsRectEmpty(&rect) || nDepth >= width || nDepth >= height)
        return TRUE;
    const HDC hDC = TargetOf(m_pDC);
    if (!hDC)
        return FALSE;

    const int left = bRightShadow ? rect.left : rect.left - nDepth;
    const int rightBandX = bRightShadow ? rect.right : rect.left - nDepth;

    if (pBmpSaveBottom && pBmpSaveRight && pBmpSaveBottom->GetSafeHandle() && pBmpSaveRight->GetSafeHandle()) {
        ::DrawStateA(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(pBmpSaveRight->GetSafeHandle()), 0, rightBandX,
                     rect.top, nDepth, height + nDepth, DST_BITMAP);
        ::DrawStateA(hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(pBmpSaveBottom->GetSafeHandle()), 0, left,
                     rect.bottom, width + nDepth, nDepth, DST_BITMAP);
        return TRUE;
    }

    const int areaWidth = width + nDepth;
    const int areaHeight = height + nDepth;
    DibCopy copy(hDC, left, rect.top, areaWidth, areaHeight);
    if (!copy.IsValid())
        return FALSE;

    // Distance 0 is next to the rectangle (dark), depth - 1 the outer edge (light).
    const int step = (nDarkPercent - nLightPercent) / nDepth;
    auto percentAt = [&](int distance) {
        return nDarkPercent - distance * step;
    };
    auto darken = [&](int x, int y, int distance) {
        // Work as if the shadow were on the right, then mirror.
        const int px = bRightShadow ? x : areaWidth - 1 - x;
        DWORD& pixel = copy.At(px, y);
        pixel = ScaleColorPercent(pixel & 0x00FFFFFF, percentAt(distance));
    };
    for (int y = nDepth; y < areaHeight; ++y) {
        for (int j = 0; j < nDepth; ++j) {
            const int k = y - height;  // below the rectangle: the corner square
            darken(width + j, y, k >= 0 ? std::max(j, k) : j);
        }
    }
    for (int k = 0; k < nDepth; ++k) {
        for (int x = nDepth; x < width; ++x)
            darken(x, height + k, k);
    }
    copy.CopyBack();

    if (pBmpSaveBottom && pBmpSaveRight) {
        auto save = [hDC](CBitmap* pBitmap, int x, int y, int cx, int cy, int copyCx, int copyCy) {
            pBitmap->DeleteObject();
            HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, cx, cy);
            HDC hMemDC = hBitmap ? ::CreateCompatibleDC(hDC) : nullptr;
            if (!hMemDC) {
                if (hBitmap)
                    ::DeleteObject(hBitmap);
                return;
            }
            HGDIOBJ old = ::SelectObject(hMemDC, hBitmap);
            ::BitBlt(hMemDC, 0, 0, copyCx, copyCy, hDC, x, y, SRCCOPY);
            ::SelectObject(hMemDC, old);
            ::DeleteDC(hMemDC);
            pBitmap->Attach(hBitmap);
        };
        save(pBmpSaveRight, rightBandX, rect.top, nDepth + 1, height + nDepth, nDepth, height + nDepth);
        save(pBmpSaveBottom, left, rect.bottom, width + nDepth, nDepth + 1, width + nDepth, nDepth);
    }
    return TRUE;
}
