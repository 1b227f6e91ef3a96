#include "frames/WTKTabMessages.h"

const UINT WTKM_ONCHANGE_ACTIVE_TAB = ::RegisterWindowMessageA("WTKM_ONCHANGE_ACTIVE_TAB");
const UINT WTKM_ON_HSCROLL = ::RegisterWindowMessageA("WTKM_ON_HSCROLL");
const UINT WTKM_ON_RENAME_TAB = ::RegisterWindowMessageA("WTKM_ON_RENAME_TAB");
const UINT WTKM_ON_BEFOREMOVE_TAB = ::RegisterWindowMessageA("WTKM_ON_BEFOREMOVE_TAB");
const UINT WTKM_ON_MOVE_TAB = ::RegisterWindowMessageA("WTKM_ON_MOVE_TAB");
