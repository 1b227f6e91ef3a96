// Constants of the help viewer in one place.
#pragma once

#include "Resource.h"

#include <windows.h>

#include <commctrl.h>

namespace Lumidoc {

// ---- Content modules ----
// The buffer every text export writes into: far larger than the 256 bytes the modules are
// promised, so that one writing a little more cannot overrun the viewer.
constexpr int kExportBufferSize = 4096;
// Text taken from an export is cut to this many characters before use.
constexpr int kMaxExportText = 255;
// A module's topic count is believed up to this many topics.
constexpr int kMaxTopicCount = 100000;
constexpr char kModuleExtension[] = ".dll";
constexpr char kDocNameExport[] = "Get_Lumidoc_Doc_Name";
constexpr char kLoadContentsExport[] = "LoadContents";
constexpr char kContentCountExport[] = "GetContentCount";
constexpr char kTopicExport[] = "GetTopic";
constexpr char kKeywordExport[] = "GetKeyword";
constexpr char kUrlExport[] = "GetURL";
constexpr char kLoadFailurePrefix[] = "Could not find dll: ";
constexpr char kLoadFailureCaption[] = "Error";
constexpr char kWelcomeTitle[] = "Lumidoc - Welcome";

// ---- Command line ----
constexpr char kDocSwitch[] = "/doc=";
constexpr char kTopicSeparator = ':';

// ---- Navigation history ----
constexpr int kMaxHistory = 5;
constexpr UINT kFirstHistoryId = 4096;

// ---- Text sizes: the zoom level of "Largest"; each smaller size is one level less ----
constexpr int kZoomLargest = 4;

// ---- Load Documentation dialog ----
constexpr int kPathBufferSize = MAX_PATH;
constexpr char kModulePattern[] = "*.dll";
constexpr DWORD kDocListExtraStyles = LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT;
constexpr char kTitleColumn[] = "Documentation";
constexpr int kTitleColumnWidth = 250;
constexpr char kFileColumn[] = "File";
constexpr int kFileColumnWidth = 70;

// ---- About dialog ----
constexpr int kFirstNoticeYear = 2004;
constexpr char kNoticeFormat[] = "Copyright \xA9 %d Tolvek";
constexpr char kWebAddress[] = "http://www.tolvek.example/";
constexpr RECT kAboutDialogRect = {364, 200, 364 + 552, 200 + 340};
// Control places in the dialog's client area: id, x, y, width, height.
struct ControlPlace {
    int id;
    int x, y, cx, cy;
};
constexpr ControlPlace kAboutPlaces[] = {
    {IDC_ABOUT_NOTICE, 176, 11, 336, 12},    {IDC_ABOUT_DOC_LABEL, 176, 35, 336, 12},
    {IDC_ABOUT_DOC_TITLE, 182, 57, 329, 12}, {IDC_ABOUT_LOCATION_LABEL, 176, 81, 336, 12},
    {IDC_ABOUT_LOCATION, 182, 102, 329, 47}, {IDC_ABOUT_WARNING, 182, 168, 329, 84},
    {IDC_ABOUT_LINK, 176, 278, 114, 15},     {IDOK, 437, 275, 75, 21},
    {IDC_ABOUT_PICTURE, 0, 0, 164, 314},
};
// The etched lines round the warning text.
constexpr COLORREF kEtchDark = RGB(0x99, 0x99, 0x99);
constexpr COLORREF kEtchLight = RGB(0xFF, 0xFF, 0xFF);
constexpr int kEtchMargin = 10;
constexpr int kEtchGap = 5;
constexpr int kEtchHeight = 2;

}  // namespace Lumidoc
