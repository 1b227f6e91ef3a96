// Runtime classes of the thin control wrappers (their members are all inline).
#include "win/CommonControls.h"
#include "win/ComboBox.h"
#include "win/Edit.h"
#include "win/ListBox.h"
#include "win/HeaderCtrl.h"
#include "win/ListCtrl.h"
#include "win/ScrollBar.h"
#include "win/SpinButtonCtrl.h"
#include "win/Static.h"
#include "win/TabCtrl.h"
#include "win/ToolTipCtrl.h"
#include "win/TreeCtrl.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL FwInitCommonControls(DWORD dwClasses)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), dwClasses};
    return ::InitCommonControlsEx(&icc);
}
