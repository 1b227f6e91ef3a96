#include "foundation/WTKColorFunctions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
        std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

constexpr COLORREF kColours[] = {RGB(0, 0, 0),     RGB(255, 255, 255), RGB(128, 128, 128), RGB(255, 0, 0),
                                 RGB(0, 255, 0),   RGB(0, 0, 255),     RGB(10, 36, 106),   RGB(212, 208, 200),
                                 RGB(255, 200, 0), RGB(1, 254, 127),   RGB(90, 10, 200),   RGB(200, 10, 90)};

TEST(ColorFunctionsTest, HSVRoundTripsExactly)
{
    for (COLORREF colour : kColours) {
        double hue = 0.0;
        double saturation = 0.0;
        double value = 0.0;
        RGBToHSV(colour, &hue, &saturation, &value);
        EXPECT_EQ(HSVToRGB(hue, saturation, value), colour) << std::hex << colour;
    }
    double hue = 0.0;
    RGBToHSV(RGB(0, 0, 0), &hue, nullptr, nullptr);
    EXPECT_EQ(hue, -1.0);
}

TEST(ColorFunctionsTest, HLSRoundTripsWithinTheTruncation)
{
    for (COLORREF colour : kColours) {
        double hue = 0.0;
        double saturation = 0.0;
        double lightness = 0.0;
        RGBToHLS(colour, &hue, &saturation, &lightness);
        EXPECT_TRUE(Near(HLSToRGB(hue, lightness, saturation), colour, 1)) << std::hex << colour;
        // The hue in degrees gives the same colour.
        EXPECT_TRUE(Near(HLSToRGBDegrees(hue * 360.0, lightness, saturation), colour, 1)) << std::hex << colour;
    }
}

TEST(ColorFunctionsTest, HSVHueWrapsIntoOneTurn)
{
    const struct {
        double hue;
        double same;
    } rows[] = {{360.0, 0.0}, {390.0, 30.0}, {720.0 + 200.0, 200.0}, {-90.0, 270.0}, {-360.0, 0.0}, {-1e-12, 0.0}};
    for (const auto& row : rows)
        EXPECT_EQ(HSVToRGB(row.hue, 0.8, 0.9), HSVToRGB(row.same, 0.8, 0.9)) << row.hue;
}

TEST(ColorFunctionsTest, ScalingAndBlending)
{
    const struct {
        const char* name;
        COLORREF result;
        COLORREF expected;
    } rows[] = {
        {"black pixel at 130 %", ScalePixelPercent(0, 130, 130, 130), RGB(76, 76, 76)},
        {"pixel channels in their own order", ScalePixelPercent(0x00102030, 50, 100, 200), 0x00202018},
        {"pixel scaling caps", ScalePixelPercent(0x00C8C8C8, 200, 200, 200), 0x00FFFFFF},
        {"black pixel by factor 1.3", ScalePixelFactor(0, 1.3, 1.3, 1.3), RGB(77, 77, 77)},
        {"pixel by factor rounds", ScalePixelFactor(0x00030303, 0.5, 0.5, 0.5), 0x00020202},
        {"colour at 50 %", ScaleColorPercent(RGB(200, 101, 0), 50), RGB(100, 50, 0)},
        {"colour at 150 % caps", ScaleColorPercent(RGB(200, 100, 2), 150), RGB(255, 150, 3)},
        {"blend 25 %", BlendColorsPercent(RGB(200, 0, 100), RGB(0, 200, 100), 25), RGB(50, 150, 100)},
        {"HSV blend, no weights", BlendColorsHSV(RGB(200, 0, 0), RGB(0, 0, 200), 1.0, 0, 0), RGB(0, 0, 0)},
        {"HSV blend, weights cancelling", BlendColorsHSV(RGB(200, 0, 0), RGB(0, 0, 200), 1.0, -1, 1), RGB(0, 0, 200)},
        {"HSV blend, all of the second", BlendColorsHSV(RGB(200, 0, 0), RGB(0, 0, 200), 1.0, 0, 5), RGB(0, 0, 200)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.result, row.expected) << row.name << std::hex << " got " << row.result;
    // A factor scales the lightness of the blend.
    EXPECT_TRUE(Near(BlendColorsHSV(RGB(0, 0, 0), RGB(0, 0, 100), 2.0, 0, 1), RGB(0, 0, 200), 1));
}

TEST(ColorFunctionsTest, SetDIBPixelCountsRowsFromTheTopAndStaysInside)
{
    constexpr DWORD kSentinel = 0xDEADBEEF;
    const struct {
        int width;
        int height;
        int x;
        int y;
        int index;  // -1: nothing written
    } rows[] = {
        {3, 3, 0, 0, 6},   {3, 3, 2, 2, 2}, {3, 3, 1, 1, 4},  {3, 3, 3, 0, -1}, {3, 3, 0, 3, -1}, {3, 3, -1, 0, -1},
        {3, 3, 0, -1, -1}, {1, 1, 0, 0, 0}, {1, 1, 1, 1, -1}, {0, 0, 0, 0, -1}, {4, 5, 3, 0, 19},
    };
    for (const auto& row : rows) {
        std::array<DWORD, 32> bits;
        bits.fill(kSentinel);
        SetDIBPixel(bits.data(), row.width, row.height, row.x, row.y, RGB(1, 2, 3));
        for (int i = 0; i < static_cast<int>(bits.size()); ++i) {
            // In a DIB the red channel is the third byte.
            EXPECT_EQ(bits[i], i == row.index ? 0x00010203u : kSentinel)
                << row.width << "x" << row.height << " at " << row.x << "," << row.y << " index " << i;
        }
    }
    SetDIBPixel(nullptr, 3, 3, 0, 0, 0);  // no bits: nothing happens
}

}  // namespace
