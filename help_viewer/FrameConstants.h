// Constants of the viewer's main frame and content bar in one place: bar ids and styles, the
// toolbar's labels, the panes' layout.
#pragma once
#include "Resource.h"
#include "docview/BarStyles.h"

#include <windows.h>

#include <commctrl.h>

namespace Lumidoc {

// ---- The main frame ----
// The smallest frame that still shows the bars, the content bar and some of the page: neither
// the user nor a stored placement makes it smaller.
constexpr SIZE kMinFrameSize = {480, 360};

// ---- Bars of the main frame ----
constexpr UINT kMenuBarId = 59398;
constexpr UINT kToolBarId = ID_VIEW_TOOLBAR;
constexpr UINT kStatusBarId = ID_VIEW_STATUS_BAR;
constexpr UINT kCaptionBarId = ID_VIEW_CAPTION_BAR;
constexpr UINT kContentBarId = ID_VIEW_CONTENT_BAR;

constexpr DWORD kMenuBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_HIDE_INPLACE;
constexpr DWORD kToolBarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
constexpr DWORD kToolBarControlStyle = TBSTYLE_FLAT;
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM;
constexpr DWORD kContentBarStyle = WS_CHILD | WS_VISIBLE | CBRS_LEFT;
constexpr DWORD kCaptionBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// The window styles the bars are known by; saved layouts and the look rely on them.
static_assert(kMenuBarStyle == 0x50402808, "menu bar style");
static_assert(kToolBarStyle == 0x50402834, "toolbar style");
static_assert(kStatusBarStyle == 0x50008200, "status bar style");
static_assert(kContentBarStyle == 0x50001400, "content bar style");
static_assert(kCaptionBarStyle == 0x54000000, "caption bar style");

constexpr UINT kStatusPanes[] = {0 /* message pane */, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

// ---- Toolbar ----
constexpr char kSearchLabel[] = "Search:";
constexpr char kBackText[] = "Back";
constexpr char kForwardText[] = "Forward";
// Buttons that show their tooltip's short text beside the image, in this order.
constexpr UINT kLabelledButtons[] = {ID_FILE_PRINT,   ID_PAGE_REFRESH, ID_PAGE_BACK,
                                     ID_PAGE_FORWARD, ID_APP_ABOUT,    ID_VIEW_CONTENT_BAR};
// The background of the toolbar's glyphs (res/make_toolbar_bmp.py): every look paints its own bar
// behind them, gradients included.
constexpr COLORREF kToolBarImageTransparent = RGB(0xFF, 0x00, 0xFF);

// ---- Caption bar ----
constexpr COLORREF kCaptionImageTransparent = RGB(0xFF, 0x00, 0xFF);
constexpr int kCaptionBorderSize = 1;
constexpr int kCaptionAutoHeight = -1;

// ---- Content bar ----
constexpr char kContentBarTitle[] = "Lumidoc";
constexpr int kContentBarSize = 200;
constexpr UINT kTabWndId = 1;
constexpr UINT kContentsTreeId = 108;
constexpr DWORD kContentsTreeStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
constexpr int kTabImageWidth = 16;
constexpr COLORREF kTabImageTransparent = RGB(0xFF, 0x00, 0xFF);
enum ContentTab { kTabContents = 0, kTabIndex = 1, kTabSearch = 2 };
constexpr char kContentsTab[] = "Contents";
constexpr char kIndexTab[] = "Index";
constexpr char kSearchTab[] = "Search";
// The tree's data for an item without a page, and its folder images.
constexpr INT_PTR kNoTopic = -1;
constexpr int kFolderClosedImage = 0;
constexpr int kFolderOpenImage = 1;
constexpr char kNoContentsMessage[] = "Could not find dll";

// ---- Index and Search panes (pixels) ----
constexpr int kPaneMargin = 2;
constexpr int kPaneEditTop = 20;
constexpr int kPaneRowHeight = 20;
constexpr int kPaneListTop = 45;
constexpr int kPaneWidthLoss = 5;
constexpr int kPaneHeightLoss = 50;
constexpr int kSearchEditWidthLoss = 54;
constexpr int kSearchButtonOffset = 48;
constexpr int kSearchButtonWidth = 44;

}  // namespace Lumidoc
