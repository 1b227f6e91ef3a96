#include "PropListTestSupport.h"

#include "MessagePump.h"

#include "command_bars/WTKToolbarMessages.h"

#include "win/WinApp.h"

#include <cstdio>
#include "Files.h"

namespace {

class CPropListTestApp : public CWinApp {
public:
    CPropListTestApp() : CWinApp("WTKPropListTests") {}
};
CPropListTestApp theApp;

}  // namespace

BEGIN_MESSAGE_MAP(CPropListTestFrame, CFrameWnd)
    ON_REGISTERED_MESSAGE(WTKM_PROPERTYCHANGED, OnPropertyChanged)
END_MESSAGE_MAP()

LRESULT CPropListTestFrame::OnPropertyChanged(WPARAM wParam, LPARAM lParam)
{
    if (wParam == kPropListTestId)
        m_changes.push_back(reinterpret_cast<CWTKProp*>(lParam));
    return 0;
}

VARIANT MakeIntVariant(VARTYPE vt, int nValue)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = vt;
    switch (vt) {
    case VT_BOOL:
        var.boolVal = nValue != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_I2:
        var.iVal = static_cast<SHORT>(nValue);
        break;
    case VT_UI2:
        var.uiVal = static_cast<USHORT>(nValue);
        break;
    case VT_R8:
        var.dblVal = nValue;
        break;
    default:
        var.lVal = nValue;
        break;
    }
    return var;
}

void SendKey(CWnd& wnd, UINT nKey, bool bCtrl)
{
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = bCtrl ? 0x80 : 0;
    ::SetKeyboardState(keys);
    wnd.SendMessage(WM_KEYDOWN, nKey, 1);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
}

void PropListTest::SetUp()
{
    m_pFrame = new CPropListTestFrame;
    RECT rect = {40, 40, 440, 440};
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Properties", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, rect));
    theApp.m_pMainWnd = m_pFrame;
    CreateList(300, 200);
}

void PropListTest::TearDown()
{
    delete m_pList;
    m_pList = nullptr;
    if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
        m_pFrame->DestroyWindow();
    theApp.m_pMainWnd = nullptr;
    PumpPending();
}

void PropListTest::CreateList(int cx, int cy, DWORD dwStyle)
{
    delete m_pList;
    m_pList = new CWTKPropList;
    // The client area is the size asked for: a border takes one pixel each side.
    const int nBorder = (dwStyle & WS_BORDER) ? 2 : 0;
    // An empty list shows no scroll bar: the client is the size asked for.
    ASSERT_TRUE(m_pList->Create(WS_CHILD | WS_VISIBLE | dwStyle, CRect(0, 0, cx + nBorder, cy + nBorder), m_pFrame,
                                kPropListTestId));
    m_pAppearance = nullptr;
    m_pBehaviour = nullptr;
    PumpPending();
}

void PropListTest::AddSampleProps()
{
    m_pAppearance = new CWTKProp("Appearance");
    m_pAppearance->AddSubItem(new CWTKProp("Caption", "Hello", "The window's caption"));
    m_pAppearance->AddSubItem(new CWTKProp("Colour name", "Red"));
    m_pAppearance->AddSubItem(new CWTKProp("Width", MakeIntVariant(VT_I4, 120), "Pixels"));
    m_pBehaviour = new CWTKProp("Behaviour");
    m_pBehaviour->AddSubItem(new CWTKProp("Enabled", MakeIntVariant(VT_BOOL, 1)));
    m_pBehaviour->AddSubItem(new CWTKProp("Zoom", MakeIntVariant(VT_R8, 2)));
    m_pList->AddProperty(m_pAppearance);
    m_pList->AddProperty(m_pBehaviour);
    m_pList->AddProperty(new CWTKProp("Name", "Main"));
    PumpPending();
}

void PropListTest::AddRows(int nCount)
{
    for (int i = 0; i < nCount; i++) {
        char szName[16];
        std::snprintf(szName, sizeof(szName), "Item %02d", i);
        m_pList->AddProperty(new CWTKProp(szName, MakeIntVariant(VT_I4, i)));
    }
    PumpPending();
}

CPoint PropListTest::RowPoint(CWTKProp* pProp, bool bValue) const
{
    const CRect rect = pProp->GetRect();
    const int x = bValue ? pProp->GetValueRect().left + 10 : rect.left + rect.Height() + 5;
    return CPoint(x, rect.CenterPoint().y);
}

void PropListTest::Click(CWTKProp* pProp, bool bValue)
{
    const CPoint pt = RowPoint(pProp, bValue);
    m_pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_pList->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    // The press went on to an in-place editor, which took the capture: the release is its own.
    if (HWND hCapture = ::GetCapture()) {
        CPoint ptCapture = pt;
        ::MapWindowPoints(m_pList->m_hWnd, hCapture, &ptCapture, 1);
        ::SendMessageA(hCapture, WM_LBUTTONUP, 0, MAKELPARAM(ptCapture.x, ptCapture.y));
    }
}
