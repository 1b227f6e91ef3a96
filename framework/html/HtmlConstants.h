// Sizes, limits and defaults of the HTML view, in one place.
#pragma once
#include <windows.h>
#include <cstddef>

namespace HtmlConst {

// Input limits: the view must survive any bytes with bounded memory and time.
constexpr std::size_t kMaxResourceBytes = 4u * 1024u * 1024u;
constexpr std::size_t kMaxNameLength = 64;        // tag and attribute names
constexpr std::size_t kMaxAttributeValue = 4096;  // longer values are cut
constexpr std::size_t kMaxAttributes = 32;        // per tag; the rest are dropped
constexpr std::size_t kMaxEntityName = 10;
constexpr int kMaxTreeDepth = 48;  // deeper elements are not opened
constexpr std::size_t kMaxNodes = 60000;
constexpr std::size_t kMaxStyleRules = 512;
constexpr std::size_t kMaxImages = 256;  // distinct images per page
constexpr int kMaxTableColumns = 64;
constexpr int kMaxColspan = 64;
constexpr int kMaxImageSide = 4096;  // pixels, from attributes or the picture
constexpr int kMaxRuleHeight = 100;
constexpr int kMaxTableBorder = 100;
constexpr std::size_t kMaxAddressLength = 2048;
constexpr std::size_t kMaxHistory = 100;   // addresses kept for GoBack and GoForward
constexpr int kMaxLayoutExtent = 1000000;  // document coordinates are clamped to this

// Zoom: the text size levels 0 (smallest) to 4 (largest), in percent of the page's sizes.
constexpr int kZoomLevels = 5;
constexpr int kDefaultZoom = 2;
constexpr int kZoomPercent[kZoomLevels] = {70, 85, 100, 120, 140};

// Layout in device-independent pixels at this resolution.
constexpr int kLayoutDpi = 96;
constexpr int kPageMargin = 10;
constexpr int kListIndent = 40;
constexpr int kMarkerGap = 6;  // between a list marker and its text
constexpr int kRuleMargin = 8;
constexpr int kDefaultRuleSize = 2;
constexpr int kDefaultCellSpacing = 2;
constexpr int kDefaultCellPadding = 1;
constexpr int kTabWidth = 8;  // columns in preformatted text
constexpr int kMinLayoutWidth = 80;

// Font sizes in tenths of a point.
constexpr int kDefaultFontSize = 120;
constexpr int kPreFontSize = 100;
constexpr int kH1FontSize = 240;
constexpr int kH2FontSize = 180;
constexpr int kH3FontSize = 140;
constexpr int kFontSizeForHtmlSize[7] = {75, 100, 120, 135, 180, 240, 360};  // <font size=1..7>
constexpr int kMinFontSize = 10;
constexpr int kMaxFontSize = 2000;

constexpr const char* kDefaultFace = "Times New Roman";
constexpr const char* kMonospaceFace = "Courier New";
constexpr const char* kSansSerifFace = "Arial";

// Colours.
constexpr COLORREF kDefaultBackground = RGB(255, 255, 255);
constexpr COLORREF kDefaultText = RGB(0, 0, 0);
constexpr COLORREF kDefaultLink = RGB(0, 0, 255);
constexpr COLORREF kRuleColour = RGB(128, 128, 128);
constexpr COLORREF kTableBorderColour = RGB(128, 128, 128);
constexpr COLORREF kMissingImageFrame = RGB(192, 192, 192);

// Scrolling.
constexpr int kLineStep = 20;  // arrow keys and one wheel line, in pixels

// The standard HTML resource type, used when an address names no type.
constexpr int kHtmlResourceType = 23;

}  // namespace HtmlConst
