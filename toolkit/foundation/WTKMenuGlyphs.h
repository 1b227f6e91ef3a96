#pragma once

#include "core/Point.h"
#include "core/Size.h"

#include <windows.h>

class CDC;
class CWTKImageStrip;

// The toolkit's one strip of 9 x 9 menu glyphs (arrows, chevrons, check marks, caption-button
// symbols), loaded from the toolkit's bitmap resource on first use; magenta is transparent.
// The glyph numbers are the strip's layout (res/make_menu_glyphs.py draws it).
class CWTKMenuGlyphs {
public:
    enum Glyph {
        kArrowDown = 0,
        kArrowDownDisabled = 1,
        kArrowRight = 2,
        kArrowRightDisabled = 3,
        kCheck = 4,
        kCheckDisabled = 5,
        kRadio = 6,
        kRadioDisabled = 7,
        kMinimize = 8,
        kMinimizeDisabled = 9,
        kRestore = 10,
        kRestoreDisabled = 11,
        kClose = 12,
        kCloseDisabled = 13,
        kMaximize = 14,
        kMaximizeDisabled = 15,
        kArrowUp = 16,
        kArrowUpDisabled = 17,
        kChevronDown = 18,
        kArrowLeft = 19,
        kCloseSmall = 20,
        kChevronRight = 21,
        kPinUnpinned = 22,
        kPinPinned = 23,
        kArrowLeftDisabled = 24,
        kChevronUp = 25,
        kChevronLeft = 26,
        kCloseSmallDisabled = 27,
        kArrowDownPressed = 28,
        kMinimizeHot = 29,
        kRestoreHot = 30,
        kCloseHot = 31,
        kMaximizeHot = 32,
        kGlyphCount = 42
    };
    // Toolkit names of the glyphs that the bars draw.
    static constexpr int kCustomizeArrowHorz = kArrowDown;
    static constexpr int kCustomizeArrowVert = kArrowRight;
    static constexpr int kChevronVert = kChevronDown;
    static constexpr int kChevronHorz = kChevronRight;

    static constexpr int kGlyphSize = 9;
    static constexpr COLORREF kTransparentColor = RGB(0xFF, 0x00, 0xFF);

    // Loads the strip once; TRUE when it holds images.
    static BOOL Initialize();
    // A size of 0 x 0 draws at the glyph size; another size stretches.
    static BOOL Draw(CDC* pDC, int nGlyph, CPoint ptImage, CSize sizeImage = CSize(0, 0));
    // 9 x 9 once initialised.
    static CSize GetSize();
    // Empties the strip; it is loaded again, in the current colours, on next use.
    static void CleanUp();

private:
    // null while the strip was never used and bCreate is false.
    static CWTKImageStrip* Strip(bool bCreate);
};
