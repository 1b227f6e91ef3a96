#include "foundation/WTKLookColors.h"

#include "foundation/WTKGlobalData.h"
#include "foundation/WTKVisualManager.h"

#include <array>

namespace {

// COLOR_SCROLLBAR to COLOR_MENUBAR.
constexpr int kSysColorCount = 31;

using ColorState = std::array<COLORREF, kSysColorCount>;

ColorState ReadColorState()
{
    ColorState state {};
    for (int i = 0; i < kSysColorCount; ++i)
        state[static_cast<size_t>(i)] = ::GetSysColor(i);
    return state;
}

// The system colours the last refresh saw; empty before the first.
ColorState& LastRefreshed()
{
    static ColorState state;
    return state;
}

// The bar face the last refresh left in the shared data: a plain re-read of the shared colours
// since then (which undoes a look's recolouring) shows as a different face.
COLORREF& LastBarFace()
{
    static COLORREF clrFace = 0;
    return clrFace;
}

bool& HasRefreshed()
{
    static bool bRefreshed = false;
    return bRefreshed;
}

}  // namespace

void WTKRefreshLookColors()
{
    WTKGlobalData& data = WTKGetGlobalData();
    data.UpdateSysColors();
    CWTKVisualManager::GetInstance()->OnUpdateSystemColors();
    LastRefreshed() = ReadColorState();
    LastBarFace() = data.clrBarFace;
    HasRefreshed() = true;
}

void WTKOnSysColorChange()
{
    if (HasRefreshed() && ReadColorState() == LastRefreshed() && WTKGetGlobalData().clrBarFace == LastBarFace())
        return;
    WTKRefreshLookColors();
}
