#pragma once

// Colour arithmetic shared by the looks, the image strip and the drawing helpers. Colours are
// Windows colour values 0x00BBGGRR; "pixel" functions work on DIB pixels 0x00RRGGBB, channel by
// channel from the low byte. Integer results are capped at 255 per channel.

#include <windows.h>

class CDC;

// "No colour" where an operation takes an optional colour (transparent, outline, fill).
constexpr COLORREF kWTKNoColor = static_cast<COLORREF>(-1);

// Fills with the global light brush.
void FillLightRect(CDC* pDC, const RECT& rect);

COLORREF ScaleColorPercent(COLORREF color, int nPercent);
// Each channel by its own percentage; a black channel above 100 % becomes (p - 100) x 255 / 100.
COLORREF ScalePixelPercent(COLORREF pixel, int nPercent1, int nPercent2, int nPercent3);
COLORREF ScalePixelFactor(COLORREF pixel, double dFactor1, double dFactor2, double dFactor3);
// nPercent of color1 and the rest of color2.
COLORREF BlendColorsPercent(COLORREF color1, COLORREF color2, int nPercent);

// Hue 0..1.
void RGBToHLS(COLORREF color, double* pHue, double* pSaturation, double* pLightness);
COLORREF HLSToRGB(double dHue, double dLightness, double dSaturation);
// Hue in degrees.
COLORREF HLSToRGBDegrees(double dHue, double dLightness, double dSaturation);
// Hue in degrees, -1 for black.
void RGBToHSV(COLORREF color, double* pHue, double* pSaturation, double* pValue);
// Any hue is taken round into [0, 360).
COLORREF HSVToRGB(double dHue, double dSaturation, double dValue);
// Hue from the weighted mix, saturation leaning on color2, value of color2; then the lightness
// times dFactor. Black when the weights add up to nothing (negative weights count as 0).
COLORREF BlendColorsHSV(COLORREF color1, COLORREF color2, double dFactor, int nWeight1, int nWeight2);

// Writes the colour (as a DIB pixel) at (x, y) counted from the top of a bottom-up 32-bit DIB
// of nWidth x nHeight; a point outside is ignored.
void SetDIBPixel(DWORD* pBits, int nWidth, int nHeight, int x, int y, COLORREF color);
