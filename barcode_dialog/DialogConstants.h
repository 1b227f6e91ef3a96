// Constants of the barcode dialog module in one place.
#pragma once

#include <windows.h>

namespace Dravel {

// Settings file
constexpr const char kSettingsFileName[] = "tolvekvantrix.dat";
constexpr const char kSettingsTag[] = "VANTRIX_TAG";
constexpr int kDefaultSizeIndex = 2;
constexpr int kDefaultPointSizeIndex = 9;
constexpr int kDefaultViewIndex = 0;
constexpr COLORREF kDefaultColour = RGB(0, 0, 0);
constexpr int kSizeCount = 5;
constexpr int kPointSizeCount = 21;
constexpr int kViewCount = 3;

// Dialog contents
constexpr const char kInvalidDataText[] = "Error: Invalid characters were found!";
constexpr const char* const kFaceNames[kSizeCount] = {"TolvekVantrixXS", "TolvekVantrixS", "TolvekVantrixM",
                                                      "TolvekVantrixL", "TolvekVantrixXL"};
constexpr const char kHumanReadableSuffix[] = "T";
constexpr const char* const kPointSizes[kPointSizeCount] = {"5",    "5.5", "6.5", "7.5", "8",  "9",  "10",
                                                            "10.5", "11",  "12",  "14",  "16", "18", "20",
                                                            "22",   "24",  "26",  "28",  "36", "48", "72"};
constexpr const char* const kCharViews[kViewCount] = {"View Character Name", "View Character Keyboard",
                                                      "View Character ASCII"};

// Preview effects
constexpr UINT_PTR kFadeTimerId = 500;
constexpr UINT kFadeTimerMs = 10;
constexpr DWORD kFadeStepMs = 10;
constexpr DWORD kFadeSteps = 100;
constexpr DWORD kFadeDurationMs = 1000;
constexpr COLORREF kFadeBackground = RGB(255, 255, 255);
constexpr const char kFadeFontFace[] = "Tahoma";
constexpr int kFadeFontHeight = 14;
constexpr const char kNoticeFontFace[] = "Tahoma";
constexpr int kNoticeFontHeight = 12;
constexpr COLORREF kNoticeColour = RGB(221, 0, 0);

// Dialog timers
constexpr UINT_PTR kNoticeTimerId = 0;
constexpr UINT kNoticeTimerMs = 3000;
constexpr UINT_PTR kFlashTimerId = 1;
constexpr UINT kFlashTimerMs = 500;
constexpr int kFlashTicks = 15;
constexpr int kFlashMargin = 2;
constexpr COLORREF kFlashColour = RGB(255, 0, 0);
constexpr COLORREF kEncodedDisplayColour = RGB(255, 0, 0);

// Layout: the wide dialog shows the control-character panel, the narrow one cuts it off.
constexpr int kWideWidth = 688;
constexpr int kNarrowWidth = 490;
constexpr int kDialogHeight = 450;

// Clipboard
constexpr const char kRichTextFormatName[] = "Rich Text Format";
constexpr const char kRichTextFormat[] = "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset0 %s;}}\n\\pard\\f0\\fs24 \\%s\\\n}";
constexpr SIZE_T kClipboardBlockStep = 4096;

// The web link's address
constexpr const char kWebAddress[] = "http://www.tolvek.example/";

// Help viewer
constexpr const char kProductKey[] = "SOFTWARE\\Tolvek\\Glyphora";
constexpr const char kAppPathValue[] = "AppPath";
constexpr const char kViewerSubPath[] = "\\doc\\Lumidoc.exe";
constexpr const char kHelpTopic5[] = "/doc=PendrelEn:5";
constexpr const char kHelpTopic1[] = "/doc=PendrelEn:1";

}  // namespace Dravel
