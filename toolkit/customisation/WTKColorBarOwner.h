// CWTKColorBarOwner: what a window that opens a colour bar as its own drop-down (the colour
// button, the property list's colour property) offers the bar. The bar reports the chosen
// colour and its own end through it, so it never needs to know the owner's class.
#pragma once
#include <windows.h>

class CPalette;
class CWnd;

class CWTKColorBarOwner {
public:
    virtual ~CWTKColorBarOwner() = default;

    // The user chose a colour (-1: automatic). The bar closes its popup afterwards.
    virtual void OnColorBarColor(COLORREF color) = 0;
    // The bar's window is being destroyed: the owner forgets its popup and takes the focus back.
    virtual void OnColorBarClosed() = 0;
    // The window the bar's status prompts go to and that parents the "Colors" dialog.
    virtual CWnd* GetColorBarOwnerWnd() = 0;
    // The palette to draw with at 8 bits per pixel; null for the bar's own.
    virtual CPalette* GetColorBarPalette() { return nullptr; }
};
