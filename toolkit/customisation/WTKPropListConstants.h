// Sizes and ids the property list and its properties share.
#pragma once

#include <windows.h>

// Posted to the list when its in-place editor lost the focus: the editor closes once the
// focus has settled outside the list (never inside the editor's own notification).
constexpr UINT kWTKPropEditorLeftMsg = WM_APP + 0x107;

// Control ids of the list's children.
constexpr UINT kWTKPropListHeaderId = 2;
constexpr UINT kWTKPropInPlaceComboId = 3;
constexpr UINT kWTKPropInPlaceEditId = 4;

// Pixels either side of the divider (and of the description line) that start tracking.
constexpr int kWTKPropDividerSlop = 2;
// The divider keeps this far from the right edge, besides the scroll bar's width.
constexpr int kWTKPropDividerRightMargin = 5;
// Ctrl+Left and Ctrl+Right move the divider this far.
constexpr int kWTKPropDividerKeyStep = 5;
// The description line lies this far below the list area.
constexpr int kWTKPropDescrLineOffset = 4;
// The header's second item reaches this far past the client's right edge.
constexpr int kWTKPropHeaderValueExtra = 10;
// The header's first item is this much wider than the name column.
constexpr int kWTKPropHeaderNameExtra = 2;
// Rows keep this much space round the text.
constexpr int kWTKPropRowPadding = 4;
// Group rows are filled with this share of the face colour (above 8 bits per pixel).
constexpr int kWTKPropGroupColorPercent = 94;
// The wheel moves one row per notch of this many units.
constexpr int kWTKPropWheelNotch = WHEEL_DELTA;
// Height of the description area's resizing band.
constexpr int kWTKPropDescrBandHeight = 2;
// Rows of combo box list shown when it drops down.
constexpr int kWTKPropComboDropRows = 8;
