#include "win/WndLifeGuard.h"
#include "win/ThreadState.h"
#include "win/Wnd.h"

#include <algorithm>
#include <iterator>

CWndLifeGuard::CWndLifeGuard(CWnd* pWnd) : m_pWnd(pWnd), m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    FwGetThreadState()->lifeGuards.push_back(&m_pWnd);
}

CWndLifeGuard::~CWndLifeGuard()
{
    // Guards live on the stack, so this one is almost always the last.
    std::vector<CWnd**>& guards = FwGetThreadState()->lifeGuards;
    const auto it = std::find(guards.rbegin(), guards.rend(), &m_pWnd);
    if (it != guards.rend())
        guards.erase(std::next(it).base());
}

bool CWndLifeGuard::HoldsSameWindow() const
{
    // The object is read only while it is known to be alive.
    return m_pWnd != nullptr && m_pWnd->m_hWnd == m_hWnd;
}
