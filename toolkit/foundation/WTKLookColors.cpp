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
    HasRefreshed() = true;
}

void WTKOnSysColorChange()
{
    if (HasRefreshed() && ReadColorState() == LastRefreshed())
        return;
    WTKRefreshLookColors();
}
