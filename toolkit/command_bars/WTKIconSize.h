// The size of an icon as its bitmaps give it, for the bars that reserve room for icons.
#pragma once

#include "core/Size.h"

#include <windows.h>

// The width and height of the colour bitmap; a monochrome icon (no colour bitmap) stacks its
// AND and XOR masks in one bitmap, so its height is half the mask's. (0, 0) when the icon cannot
// be read. The bitmaps GetIconInfo makes are deleted.
CSize WTKGetIconSize(HICON hIcon);
