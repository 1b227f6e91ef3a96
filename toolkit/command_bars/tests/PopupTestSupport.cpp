#include "PopupTestSupport.h"

#include "command_bars/WTKToolBar.h"
#include "win/TickClock.h"

#include <vector>

DWORD PopupSeams::s_dwTick = 1000;
CRect PopupSeams::s_rectWork(0, 0, 1280, 1024);

namespace {

DWORD FakeTick()
{
    return PopupSeams::s_dwTick;
}

CRect FakeWorkArea(POINT)
{
    return PopupSeams::s_rectWork;
}

}  // namespace

BOOL CPopupTestFrame::ShowPopupMenu(CWTKPopupMenu* pMenuPopup)
{
    m_nShown++;
    if (!m_bAllowPopups)
        return FALSE;
    CWTKPopupMenu::SetActiveMenu(pMenuPopup);
    return TRUE;
}

CWTKPopupMenu* CPopupTestFrame::OnClosePopupMenu(CWTKPopupMenu* pMenuPopup)
{
    m_nClosed++;
    CWTKPopupMenu* pOld = CWTKPopupMenu::GetActiveMenu();
    if (pOld == pMenuPopup)
        CWTKPopupMenu::SetActiveMenu(nullptr);
    return pOld;
}

PopupSeams::PopupSeams()
{
    s_dwTick = 1000;
    s_rectWork = CRect(0, 0, 1280, 1024);
    FwSetTickClock(FakeTick);
    CWTKPopupMenu::SetWorkAreaSource(FakeWorkArea);
    WTKGetCommandBarSettings().menuAnimation = WTKMenuAnimation::None;
    WTKGetCommandBarSettings().bMenuShadows = FALSE;
}

PopupSeams::~PopupSeams()
{
    FwSetTickClock(nullptr);
    CWTKPopupMenu::SetWorkAreaSource(nullptr);
}

HMENU BuildMenu(std::initializer_list<std::pair<UINT, const char*>> items)
{
    std::vector<HMENU> stack {::CreatePopupMenu()};
    std::vector<std::string> titles;
    for (const auto& item : items) {
        if (item.second != nullptr && item.second[0] == '\1') {
            stack.push_back(::CreatePopupMenu());
            titles.push_back(item.second + 1);
        } else if (item.second != nullptr && item.second[0] == '\2') {
            HMENU hSub = stack.back();
            stack.pop_back();
            ::AppendMenuA(stack.back(), MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), titles.back().c_str());
            titles.pop_back();
        } else if (item.second == nullptr) {
            ::AppendMenuA(stack.back(), MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuA(stack.back(), MF_STRING, item.first, item.second);
        }
    }
    return stack.front();
}
