// CWTKCustomizeLink: what the command bars ask of the customisation sheet while customise mode
// is on. The sheet lives in a higher layer; it registers itself here when its window is made and
// clears the pointer when the window goes, so every caller tests the pointer first.
#pragma once
#include "foundation/WTKProcessPointer.h"
#include <windows.h>

class CWnd;
class CWTKToolBar;
class CWTKToolbarButton;
class CWTKImageStrip;

class CWTKCustomizeLink {
public:
    virtual ~CWTKCustomizeLink() = default;

    // A toolbar was shown or hidden: the sheet's toolbar list follows its check mark.
    virtual void ShowToolBar(CWTKToolBar* pBar, BOOL bShow) = 0;

    // The "Button Appearance" dialog for a button, with the user images (may be null), listing
    // user images from iFirstUserImage; bMenuItem when the button stands in a menu. TRUE on OK.
    virtual BOOL EditButtonAppearance(CWTKToolbarButton* pButton, CWTKImageStrip* pUserImages, CWnd* pParent,
                                      int iFirstUserImage, BOOL bMenuItem) = 0;
};

inline CWTKCustomizeLink* WTKGetCustomizeLink()
{
    return WTKProcessPointer<CWTKCustomizeLink>();
}
inline void WTKSetCustomizeLink(CWTKCustomizeLink* pLink)
{
    WTKProcessPointer<CWTKCustomizeLink>() = pLink;
}
