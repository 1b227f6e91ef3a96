#include "command_bars/WTKCommandIdPool.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Item state bits that ModifyMenu takes over from the old item.
constexpr UINT kKeptStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK;
// Ids have at most this many decimal digits.
constexpr int kMaxIdDigits = 10;
}  // namespace

CWTKCommandIdPool::CWTKCommandIdPool(UINT uiFirstId, UINT uiLastId) : m_uiFirstId(uiFirstId), m_uiLastId(uiLastId)
{
    if (m_uiFirstId != 0 && m_uiLastId >= m_uiFirstId)
        m_Usage.assign(static_cast<size_t>(m_uiLastId - m_uiFirstId) + 1, 0);
    WTKSetCommandIdPool(this);
}

CWTKCommandIdPool::~CWTKCommandIdPool()
{
    if (WTKGetCommandIdPool() == this)
        WTKSetCommandIdPool(nullptr);
}

void CWTKCommandIdPool::Rebuild(HMENU hMenu)
{
    if (hMenu == nullptr) {
        std::fill(m_Usage.begin(), m_Usage.end(), 0);
        return;
    }
    RebuildMenu(hMenu, 0);
}

void CWTKCommandIdPool::RebuildMenu(HMENU hMenu, int nDepth)
{
    if (nDepth > kMaxDepth || !::IsMenu(hMenu))
        return;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        CString strText = WTKReadMenuItemText(hMenu, i);
        const UINT uiId = DecodePopupName(strText);
        if (IsInRange(uiId) && !m_Usage.empty())
            m_Usage[uiId - m_uiFirstId] = 0;
        if (::GetMenuItemID(hMenu, i) == static_cast<UINT>(-1))
            RebuildMenu(::GetSubMenu(hMenu, i), nDepth + 1);
    }
}

UINT CWTKCommandIdPool::Allocate()
{
    for (size_t i = 0; i < m_Usage.size(); i++) {
        if (m_Usage[i] == 0) {
            m_Usage[i] = 1;
            return m_uiFirstId + static_cast<UINT>(i);
        }
    }
    return 0;
}

void CWTKCommandIdPool::UpdateUsage(UINT uiId, BOOL bAdd)
{
    if (!IsInRange(uiId) || m_Usage.empty())
        return;
    int& nUsage = m_Usage[uiId - m_uiFirstId];
    if (bAdd)
        nUsage++;
    else if (nUsage > 0)
        nUsage--;
}

int CWTKCommandIdPool::GetUsage(UINT uiId) const
{
    return IsInRange(uiId) && !m_Usage.empty() ? m_Usage[uiId - m_uiFirstId] : 0;
}

void CWTKCommandIdPool::EncodeMenu(HMENU hMenu)
{
    EncodeMenuLevel(hMenu, 0);
}

BOOL CWTKCommandIdPool::EncodeMenuLevel(HMENU hMenu, int nDepth)
{
    if (nDepth > kMaxDepth || !::IsMenu(hMenu))
        return TRUE;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++) {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu == nullptr)
            continue;
        const UINT uiState = LOBYTE(::GetMenuState(hMenu, static_cast<UINT>(i), MF_BYPOSITION));
        const CString strText = WTKReadMenuItemText(hMenu, i);
        if ((uiState & MF_MENUBARBREAK) && (strText.IsEmpty() || strText[0] != kMarker)) {
            const UINT uiId = Allocate();
            if (uiId == 0)
                return FALSE;
            // The item stays a sub-menu: the new text goes in with its handle and its state.
            const CString strNew = EncodePopupName(uiId, strText);
            ::ModifyMenuA(hMenu, static_cast<UINT>(i),
                          MF_BYPOSITION | MF_STRING | MF_POPUP | (uiState & kKeptStateFlags),
                          reinterpret_cast<UINT_PTR>(hSubMenu), strNew);
        }
    }
    for (int i = 0; i < nCount; i++) {
        if (HMENU hSubMenu = ::GetSubMenu(hMenu, i)) {
            if (!EncodeMenuLevel(hSubMenu, nDepth + 1))
                return FALSE;
        }
    }
    return TRUE;
}

CString EncodePopupName(UINT uiId, const CString& strText)
{
    CString str;
    str.Format("%c%u%c%s", CWTKCommandIdPool::kMarker, uiId, CWTKCommandIdPool::kMarker, static_cast<LPCSTR>(strText));
    return str;
}

UINT DecodePopupName(CString& strText)
{
    if (strText.IsEmpty() || strText[0] != CWTKCommandIdPool::kMarker)
        return 0;
    // Untrusted text: at most the digits an id can have.
    const CString strDigits = strText.Mid(1, kMaxIdDigits);
    const UINT uiId = static_cast<UINT>(std::strtoul(strDigits, nullptr, 10));
    const int iLast = strText.ReverseFind(CWTKCommandIdPool::kMarker);
    strText = strText.Mid(iLast + 1);
    return uiId;
}

CString WTKReadMenuItemText(HMENU hMenu, int nPos)
{
    const int nLength = ::GetMenuStringA(hMenu, static_cast<UINT>(nPos), nullptr, 0, MF_BYPOSITION);
    if (nLength <= 0)
        return CString();
    std::vector<char> buffer(static_cast<size_t>(nLength) * 2 + 2, '\0');
    ::GetMenuStringA(hMenu, static_cast<UINT>(nPos), buffer.data(), static_cast<int>(buffer.size()), MF_BYPOSITION);
    return CString(buffer.data());
}
