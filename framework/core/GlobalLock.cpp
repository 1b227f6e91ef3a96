#include "core/GlobalLock.h"

CGlobalLock::CGlobalLock(HGLOBAL hGlobal)
    : m_hGlobal(hGlobal),
      m_nSize(hGlobal ? ::GlobalSize(hGlobal) : 0),
      m_pData(m_nSize ? ::GlobalLock(hGlobal) : nullptr)
{}

CGlobalLock::~CGlobalLock()
{
    if (m_pData)
        ::GlobalUnlock(m_hGlobal);
}
