// Image strips drawn in memory for the tests that give a control its pictures.
#pragma once

#include <windows.h>

#include <vector>

// A 32-bit top-down bitmap of one square of cx pixels per colour, image i filled with colours[i]
// and framed by one pixel of the transparent colour. The caller deletes it.
HBITMAP MakeImageStrip(int cx, const std::vector<COLORREF>& colours, COLORREF clrTransparent);
