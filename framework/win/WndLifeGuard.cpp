#include "win/WndLifeGuard.h"
#include "win/ThreadState.h"

#include <algorithm>
#include <iterator>

CWndLifeGuard::CWndLifeGuard(CWnd* pWnd) : m_pWnd(pWnd)
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
