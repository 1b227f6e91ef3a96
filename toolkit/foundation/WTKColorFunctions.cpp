#include "foundation/WTKColorFunctions.h"

#include "foundation/WTKGlobalData.h"
#include "gdi/DC.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kChannelMax = 255;

BYTE Cap(int value)
{
    return static_cast<BYTE>(std::clamp(value, 0, kChannelMax));
}

BYTE CapReal(double value)
{
    // Truncates, as the integer channel arithmetic does.
    if (!(value > 0.0))
        return 0;
    return value >= kChannelMax ? kChannelMax : static_cast<BYTE>(value);
}

int Channel(COLORREF color, int index)
{
    return static_cast<int>((color >> (8 * index)) & 0xFF);
}

COLORREF FromChannels(BYTE c0, BYTE c1, BYTE c2)
{
    return static_cast<COLORREF>(c0) | (static_cast<COLORREF>(c1) << 8) | (static_cast<COLORREF>(c2) << 16);
}

BYTE ScaleChannelPercent(int channel, int nPercent)
{
    if (channel == 0 && nPercent > 100)
        return Cap((nPercent - 100) * kChannelMax / 100);
    return Cap(channel * nPercent / 100);
}

BYTE ScaleChannelFactor(int channel, double dFactor)
{
    if (channel == 0 && dFactor > 1.0)
        return CapReal((dFactor - 1.0) * kChannelMax + 0.5);
    return CapReal(channel * dFactor + 0.5);
}

double HueToChannel(double m1, double m2, double h)
{
    if (h < 0.0)
        h += 1.0;
    if (h > 1.0)
        h -= 1.0;
    if (h < 1.0 / 6.0)
        return m1 + (m2 - m1) * h * 6.0;
    if (h < 0.5)
        return m2;
    if (h < 2.0 / 3.0)
        return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6.0;
    return m1;
}

double HueDegreesToChannel(double m1, double m2, double h)
{
    h = std::fmod(h, 360.0);
    if (h < 0.0)
        h += 360.0;
    if (h < 60.0)
        return m1 + (m2 - m1) * h / 60.0;
    if (h < 180.0)
        return m2;
    if (h < 240.0)
        return m1 + (m2 - m1) * (240.0 - h) / 60.0;
    return m1;
}

void HLSMoments(double dLightness, double dSaturation, double* pM1, double* pM2)
{
    const double m2 =
        dLightness <= 0.5 ? dLightness * (1.0 + dSaturation) : dLightness + dSaturation - dLightness * dSaturation;
    *pM1 = 2.0 * dLightness - m2;
    *pM2 = m2;
}

}  // namespace

void FillLightRect(CDC* pDC, const RECT& rect)
{
    if (pDC && pDC->GetSafeHdc())
        ::FillRect(pDC->GetSafeHdc(), &rect, WTKGetGlobalData().brLight);
}

COLORREF ScaleColorPercent(COLORREF color, int nPercent)
{
    return RGB(Cap(GetRValue(color) * nPercent / 100), Cap(GetGValue(color) * nPercent / 100),
               Cap(GetBValue(color) * nPercent / 100));
}

COLORREF ScalePixelPercent(COLORREF pixel, int nPercent1, int nPercent2, int nPercent3)
{
    return FromChannels(ScaleChannelPercent(Channel(pixel, 0), nPercent1),
                        ScaleChannelPercent(Channel(pixel, 1), nPercent2),
                        ScaleChannelPercent(Channel(pixel, 2), nPercent3));
}

COLORREF ScalePixelFactor(COLORREF pixel, double dFactor1, double dFactor2, double dFactor3)
{
    return FromChannels(ScaleChannelFactor(Channel(pixel, 0), dFactor1),
                        ScaleChannelFactor(Channel(pixel, 1), dFactor2),
                        ScaleChannelFactor(Channel(pixel, 2), dFactor3));
}

COLORREF BlendColorsPercent(COLORREF color1, COLORREF color2, int nPercent)
{
    auto mix = [nPercent](int a, int b) {
        return Cap((a * nPercent + b * (100 - nPercent)) / 100);
    };
    return RGB(mix(GetRValue(color1), GetRValue(color2)), mix(GetGValue(color1), GetGValue(color2)),
               mix(GetBValue(color1), GetBValue(color2)));
}

void RGBToHLS(COLORREF color, double* pHue, double* pSaturation, double* pLightness)
{
    const double r = GetRValue(color) / 255.0;
    const double g = GetGValue(color) / 255.0;
    const double b = GetBValue(color) / 255.0;
    const double maxc = std::max({r, g, b});
    const double minc = std::min({r, g, b});
    const double lightness = (maxc + minc) / 2.0;
    double hue = 0.0;
    double saturation = 0.0;
    if (maxc != minc) {
        const double delta = maxc - minc;
        saturation = lightness < 0.5 ? delta / (maxc + minc) : delta / (2.0 - maxc - minc);
        if (r == maxc)
            hue = (g - b) / delta;
        else if (g == maxc)
            hue = 2.0 + (b - r) / delta;
        else
            hue = 4.0 + (r - g) / delta;
        hue /= 6.0;
        if (hue < 0.0)
            hue += 1.0;
    }
    if (pHue)
        *pHue = hue;
    if (pSaturation)
        *pSaturation = saturation;
    if (pLightness)
        *pLightness = lightness;
}

COLORREF HLSToRGB(double dHue, double dLightness, double dSaturation)
{
    if (dSaturation == 0.0) {
        const BYTE grey = CapReal(dLightness * 255.0);
        return RGB(grey, grey, grey);
    }
    double m1 = 0.0;
    double m2 = 0.0;
    HLSMoments(dLightness, dSaturation, &m1, &m2);
    return RGB(CapReal(HueToChannel(m1, m2, dHue + 1.0 / 3.0) * 255.0), CapReal(HueToChannel(m1, m2, dHue) * 255.0),
               CapReal(HueToChannel(m1, m2, dHue - 1.0 / 3.0) * 255.0));
}

COLORREF HLSToRGBDegrees(double dHue, double dLightness, double dSaturation)
{
    if (dSaturation == 0.0) {
        const BYTE grey = CapReal(dLightness * 255.0);
        return RGB(grey, grey, grey);
    }
    double m1 = 0.0;
    double m2 = 0.0;
    HLSMoments(dLightness, dSaturation, &m1, &m2);
    return RGB(CapReal(HueDegreesToChannel(m1, m2, dHue + 120.0) * 255.0),
               CapReal(HueDegreesToChannel(m1, m2, dHue) * 255.0),
               CapReal(HueDegreesToChannel(m1, m2, dHue - 120.0) * 255.0));
}

void RGBToHSV(COLORREF color, double* pHue, double* pSaturation, double* pValue)
{
    const double r = GetRValue(color) / 255.0;
    const double g = GetGValue(color) / 255.0;
    const double b = GetBValue(color) / 255.0;
    const double maxc = std::max({r, g, b});
    const double minc = std::min({r, g, b});
    double hue = -1.0;
    double saturation = 0.0;
    if (maxc > 0.0) {
        const double delta = maxc - minc;
        saturation = delta / maxc;
        // A grey has no hue of its own: 0 keeps it a valid angle.
        hue = 0.0;
        if (delta > 0.0) {
            if (r == maxc)
                hue = (g - b) / delta;
            else if (g == maxc)
                hue = 2.0 + (b - r) / delta;
            else
                hue = 4.0 + (r - g) / delta;
            hue *= 60.0;
            if (hue < 0.0)
                hue += 360.0;
        }
    }
    if (pHue)
        *pHue = hue;
    if (pSaturation)
        *pSaturation = saturation;
    if (pValue)
        *pValue = maxc;
}

COLORREF HSVToRGB(double dHue, double dSaturation, double dValue)
{
    const BYTE v = CapReal(dValue * 255.0 + 0.5);
    if (dSaturation == 0.0)
        return RGB(v, v, v);

    double hue = std::isfinite(dHue) ? std::fmod(dHue, 360.0) : 0.0;
    if (hue < 0.0)
        hue += 360.0;
    if (hue >= 360.0)  // a tiny negative hue rounds up to 360
        hue = 0.0;
    const int sector = static_cast<int>(std::floor(hue / 60.0));
    const double f = hue / 60.0 - sector;
    const BYTE p = CapReal(dValue * (1.0 - dSaturation) * 255.0 + 0.5);
    const BYTE q = CapReal(dValue * (1.0 - dSaturation * f) * 255.0 + 0.5);
    const BYTE t = CapReal(dValue * (1.0 - dSaturation * (1.0 - f)) * 255.0 + 0.5);
    switch (sector) {
    case 0:
        return RGB(v, t, p);
    case 1:
        return RGB(q, v, p);
    case 2:
        return RGB(p, v, t);
    case 3:
        return RGB(p, q, v);
    case 4:
        return RGB(t, p, v);
    default:
        return RGB(v, p, q);
    }
}

COLORREF BlendColorsHSV(COLORREF color1, COLORREF color2, double dFactor, int nWeight1, int nWeight2)
{
    const int w1 = std::max(nWeight1, 0);
    const int w2 = std::max(nWeight2, 0);
    const int sum = w1 + w2;
    if (sum == 0)
        return RGB(0, 0, 0);

    auto mix = [w1, w2, sum](int a, int b) {
        return Cap((w1 * a + w2 * b) / sum);
    };
    const COLORREF mixed = RGB(mix(GetRValue(color1), GetRValue(color2)), mix(GetGValue(color1), GetGValue(color2)),
                               mix(GetBValue(color1), GetBValue(color2)));

    double hueMix = 0.0;
    double satMix = 0.0;
    double valueMix = 0.0;
    RGBToHSV(mixed, &hueMix, &satMix, &valueMix);
    double hue2 = 0.0;
    double sat2 = 0.0;
    double value2 = 0.0;
    RGBToHSV(color2, &hue2, &sat2, &value2);

    COLORREF result = HSVToRGB(hueMix, (w2 * sat2 + w1 * satMix) / sum, value2);
    if (dFactor != 1.0) {
        double hue = 0.0;
        double saturation = 0.0;
        double lightness = 0.0;
        RGBToHLS(result, &hue, &saturation, &lightness);
        result = HLSToRGB(hue, std::min(lightness * dFactor, 1.0), saturation);
    }
    return result;
}

void SetDIBPixel(DWORD* pBits, int nWidth, int nHeight, int x, int y, COLORREF color)
{
    if (!pBits || x < 0 || y < 0 || x >= nWidth || y >= nHeight)
        return;
    // Bottom-up: the top row is the last in memory.
    const size_t index = static_cast<size_t>(nHeight - 1 - y) * static_cast<size_t>(nWidth) + static_cast<size_t>(x);
    pBits[index] = RGB(GetBValue(color), GetGValue(color), GetRValue(color));
}
