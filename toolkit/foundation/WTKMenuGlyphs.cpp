#include "foundation/WTKMenuGlyphs.h"

#include "foundation/WTKFoundationRes.h"
#include "foundation/WTKGlobalData.h"
#include "foundation/WTKImageStrip.h"
#include "gdi/DC.h"

#include <memory>

namespace {

std::unique_ptr<CWTKImageStrip>& StripHolder()
{
    static std::unique_ptr<CWTKImageStrip> strip;
    return strip;
}

}  // namespace

CWTKImageStrip* CWTKMenuGlyphs::Strip(bool bCreate)
{
    std::unique_ptr<CWTKImageStrip>& strip = StripHolder();
    if (!strip && bCreate) {
        strip = std::make_unique<CWTKImageStrip>();
        // A colour change empties the strip; the next use loads it in the new colours.
        WTKSetMenuGlyphsReleaseHook(CleanUp);
    }
    return strip.get();
}

BOOL CWTKMenuGlyphs::Initialize()
{
    CWTKImageStrip* pStrip = Strip(true);
    if (pStrip->GetCount() > 0)
        return TRUE;
    pStrip->SetImageSize(CSize(kGlyphSize, kGlyphSize));
    if (!pStrip->Load(IDB_WTK_MENU_GLYPHS))
        return FALSE;
    pStrip->SetTransparentColor(kTransparentColor);
    // The pixels are read as plain colour values, so the system colours go in unexchanged: with
    // red and blue swapped a coloured text colour would turn into another colour.
    pStrip->MapTo3dColors(FALSE);
    return TRUE;
}

BOOL CWTKMenuGlyphs::Draw(CDC* pDC, int nGlyph, CPoint ptImage, CSize sizeImage)
{
    if (!Initialize())
        return FALSE;
    CWTKImageStrip* pStrip = Strip(false);
    WTKDrawState ds;
    if (!pStrip->PrepareDraw(ds, sizeImage, FALSE))
        return FALSE;
    const BOOL bDrawn = pStrip->Draw(pDC, ptImage.x, ptImage.y, nGlyph);
    pStrip->EndDraw(ds);
    return bDrawn;
}

CSize CWTKMenuGlyphs::GetSize()
{
    CWTKImageStrip* pStrip = Strip(false);
    return pStrip ? pStrip->GetImageSize() : CSize(0, 0);
}

void CWTKMenuGlyphs::CleanUp()
{
    CWTKImageStrip* pStrip = Strip(false);
    if (pStrip && pStrip->GetCount() > 0)
        pStrip->Clear();
}
