// CHistoryItem: one page of the viewer's navigation history, with the command id under which
// the Back and Forward drop-downs offer it.
#pragma once
#include "core/Object.h"
#include "core/String.h"

class CHistoryItem : public CObject {
public:
    CHistoryItem(LPCSTR lpszTitle, LPCSTR lpszAddress, UINT nCommandId)
        : m_strTitle(lpszTitle), m_strAddress(lpszAddress), m_nCommandId(nCommandId)
    {}

    const CString& GetTitle() const { return m_strTitle; }
    const CString& GetAddress() const { return m_strAddress; }
    UINT GetCommandId() const { return m_nCommandId; }

private:
    CString m_strTitle;
    CString m_strAddress;
    UINT m_nCommandId;
};
