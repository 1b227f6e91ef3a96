// CWTKFlagScope: sets a flag for the lifetime of a scope and gives it back its old value when
// the scope ends, also on an early return; the usual guard against re-entering a handler.
#pragma once
#include <windows.h>

class CWTKFlagScope {
public:
    explicit CWTKFlagScope(BOOL& bFlag) : m_bFlag(bFlag), m_bOld(bFlag) { m_bFlag = TRUE; }
    ~CWTKFlagScope() { m_bFlag = m_bOld; }
    CWTKFlagScope(const CWTKFlagScope&) = delete;
    CWTKFlagScope& operator=(const CWTKFlagScope&) = delete;

private:
    BOOL& m_bFlag;
    BOOL m_bOld;
};
